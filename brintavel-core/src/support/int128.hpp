// A signed 128-bit integer in portable C++: the value of an integer literal in the IR, which
// may be wider than 64 bits. Two's complement in two 64-bit halves; only what literals need
// (comparison, negation, addition, shifts, decimal reading and writing) and the ranges of
// 64-bit arithmetic need (exact products of 64-bit values).
#pragma once

#include <compare>
#include <concepts>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace brintavel::text {

class Int128 {
 public:
  constexpr Int128() = default;
  template <std::integral T>
  constexpr Int128(T v)  // NOLINT: implicit, like the built-in integer conversions
      : lo_(static_cast<std::uint64_t>(v)),
        hi_(std::is_signed_v<T> && v < 0 ? ~std::uint64_t{0} : 0) {}

  static constexpr Int128 from_halves(std::uint64_t high, std::uint64_t low) {
    Int128 r;
    r.hi_ = high;
    r.lo_ = low;
    return r;
  }
  static constexpr Int128 max() { return from_halves(~std::uint64_t{0} >> 1, ~std::uint64_t{0}); }
  static constexpr Int128 min() { return from_halves(std::uint64_t{1} << 63, 0); }

  constexpr std::uint64_t high() const { return hi_; }
  constexpr std::uint64_t low() const { return lo_; }
  constexpr bool negative() const { return (hi_ >> 63) != 0; }

  // The value, when it fits in a signed 64-bit integer.
  constexpr std::optional<std::int64_t> to_int64() const {
    bool low_negative = (lo_ >> 63) != 0;
    if (hi_ != (low_negative ? ~std::uint64_t{0} : 0)) return std::nullopt;
    return static_cast<std::int64_t>(lo_);
  }

  friend constexpr Int128 operator-(Int128 a) { return Int128() - a; }
  friend constexpr Int128 operator+(Int128 a, Int128 b) {
    std::uint64_t lo = a.lo_ + b.lo_;
    return from_halves(a.hi_ + b.hi_ + (lo < a.lo_ ? 1 : 0), lo);
  }
  friend constexpr Int128 operator-(Int128 a, Int128 b) {
    std::uint64_t lo = a.lo_ - b.lo_;
    return from_halves(a.hi_ - b.hi_ - (a.lo_ < b.lo_ ? 1 : 0), lo);
  }
  friend constexpr Int128 operator<<(Int128 a, int n) {
    if (n <= 0) return a;
    if (n >= 128) return Int128();
    if (n >= 64) return from_halves(a.lo_ << (n - 64), 0);
    return from_halves((a.hi_ << n) | (a.lo_ >> (64 - n)), a.lo_ << n);
  }

  // a * b, exactly: two 64-bit factors have a 128-bit product.
  static constexpr Int128 product(std::int64_t a, std::int64_t b) {
    bool negative = (a < 0) != (b < 0);
    std::uint64_t x = a < 0 ? 0 - static_cast<std::uint64_t>(a) : static_cast<std::uint64_t>(a);
    std::uint64_t y = b < 0 ? 0 - static_cast<std::uint64_t>(b) : static_cast<std::uint64_t>(b);
    std::uint64_t x0 = x & 0xFFFFFFFFu, x1 = x >> 32, y0 = y & 0xFFFFFFFFu, y1 = y >> 32;
    std::uint64_t p00 = x0 * y0, p01 = x0 * y1, p10 = x1 * y0, p11 = x1 * y1;
    std::uint64_t middle = (p00 >> 32) + (p01 & 0xFFFFFFFFu) + (p10 & 0xFFFFFFFFu);
    Int128 r = from_halves(p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32), (middle << 32) | (p00 & 0xFFFFFFFFu));
    return negative ? -r : r;
  }

  friend constexpr bool operator==(Int128 a, Int128 b) { return a.hi_ == b.hi_ && a.lo_ == b.lo_; }
  friend constexpr std::strong_ordering operator<=>(Int128 a, Int128 b) {
    auto ah = static_cast<std::int64_t>(a.hi_), bh = static_cast<std::int64_t>(b.hi_);
    if (ah != bh) return ah <=> bh;
    return a.lo_ <=> b.lo_;
  }

  // Reads an unsigned decimal digit string (at least one digit, nothing else) as the value
  // `negative ? -digits : digits`; nothing when it lies outside the 128-bit range.
  static constexpr std::optional<Int128> from_decimal(std::string_view digits, bool negative) {
    if (digits.empty()) return std::nullopt;
    // The magnitude may reach 2^127 for a negative value.
    const std::uint64_t limit_hi = negative ? std::uint64_t{1} << 63 : ~std::uint64_t{0} >> 1;
    const std::uint64_t limit_lo = negative ? 0 : ~std::uint64_t{0};
    std::uint64_t hi = 0, lo = 0;
    for (char c : digits) {
      if (c < '0' || c > '9') return std::nullopt;
      auto d = static_cast<std::uint64_t>(c - '0');
      // (hi, lo) * 10 + d, failing beyond the limit.
      std::uint64_t lo_parts[2] = {lo & 0xFFFFFFFFu, lo >> 32};
      std::uint64_t p0 = lo_parts[0] * 10 + d;
      std::uint64_t p1 = lo_parts[1] * 10 + (p0 >> 32);
      std::uint64_t new_lo = (p0 & 0xFFFFFFFFu) | (p1 << 32);
      std::uint64_t carry = p1 >> 32;
      if (hi > (~std::uint64_t{0} - carry) / 10) return std::nullopt;
      std::uint64_t new_hi = hi * 10 + carry;
      if (new_hi > limit_hi || (new_hi == limit_hi && new_lo > limit_lo)) return std::nullopt;
      hi = new_hi;
      lo = new_lo;
    }
    Int128 magnitude = from_halves(hi, lo);
    return negative ? -magnitude : magnitude;
  }

  // Appends the value in signed decimal.
  void append_decimal(std::string& out) const {
    char buf[48];
    char* end = buf + sizeof buf;
    char* p = end;
    // The magnitude as unsigned halves (the most negative value negates to itself).
    Int128 mag = negative() ? -*this : *this;
    std::uint64_t hi = mag.hi_, lo = mag.lo_;
    do {
      // Divide (hi, lo) by 10 in 32-bit steps.
      std::uint64_t parts[4] = {hi >> 32, hi & 0xFFFFFFFFu, lo >> 32, lo & 0xFFFFFFFFu};
      std::uint64_t rem = 0;
      for (std::uint64_t& part : parts) {
        std::uint64_t cur = (rem << 32) | part;
        part = cur / 10;
        rem = cur % 10;
      }
      hi = (parts[0] << 32) | parts[1];
      lo = (parts[2] << 32) | parts[3];
      *--p = static_cast<char>('0' + rem);
    } while (hi != 0 || lo != 0);
    if (negative()) *--p = '-';
    out.append(p, end);
  }

 private:
  std::uint64_t lo_ = 0;
  std::uint64_t hi_ = 0;
};

}  // namespace brintavel::text
