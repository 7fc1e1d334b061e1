#include "translator/int_range.hpp"

#include <array>
#include <limits>

namespace brintavel::translator {

namespace {

constexpr std::int64_t kMin64 = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kMax64 = std::numeric_limits<std::int64_t>::max();

Int128 min_of(Int128 a, Int128 b) { return a < b ? a : b; }
Int128 max_of(Int128 a, Int128 b) { return a < b ? b : a; }

// 2^(width-1): the first value above the type's signed range.
Int128 half(unsigned width) { return Int128(1) << static_cast<int>(width - 1); }

// v modulo 2^width, as a signed value of the type.
std::int64_t wrap_value(Int128 v, unsigned width) {
  auto low = v.low();
  if (width < 64) {
    std::uint64_t mask = (std::uint64_t{1} << width) - 1;
    low &= mask;
    if ((low >> (width - 1)) & 1) low |= ~mask;
  }
  return static_cast<std::int64_t>(low);
}

}  // namespace

IntRange IntRange::full(unsigned width) {
  if (width >= 64) return {kMin64, kMax64};
  if (width <= 1) return {-1, 0};
  std::int64_t h = std::int64_t{1} << (width - 1);
  return {-h, h - 1};
}

MathRange math_of(const IntRange& a) { return {Int128(a.lo), Int128(a.hi)}; }

MathRange math_add(const IntRange& a, const IntRange& b) {
  return {Int128(a.lo) + Int128(b.lo), Int128(a.hi) + Int128(b.hi)};
}

MathRange math_sub(const IntRange& a, const IntRange& b) {
  return {Int128(a.lo) - Int128(b.hi), Int128(a.hi) - Int128(b.lo)};
}

MathRange math_mul(const IntRange& a, const IntRange& b) {
  std::array<Int128, 4> corners = {Int128::product(a.lo, b.lo), Int128::product(a.lo, b.hi),
                                   Int128::product(a.hi, b.lo), Int128::product(a.hi, b.hi)};
  MathRange r{corners[0], corners[0]};
  for (const Int128& c : corners) r = {min_of(r.lo, c), max_of(r.hi, c)};
  return r;
}

MathRange math_shl(const IntRange& a, unsigned k) {
  return math_mul(a, IntRange::constant(k >= 63 ? kMin64 : std::int64_t{1} << k));
}

bool fits(const MathRange& r, unsigned width) {
  Int128 h = half(width);
  return -h <= r.lo && r.hi < h;
}

IntRange wrap(const MathRange& r, unsigned width) {
  if (fits(r, width)) return {*r.lo.to_int64(), *r.hi.to_int64()};
  // Fewer than 2^width values map to an interval when their images do not wrap around.
  if (r.hi - r.lo < (Int128(1) << static_cast<int>(width))) {
    std::int64_t lo = wrap_value(r.lo, width), hi = wrap_value(r.hi, width);
    if (lo <= hi) return {lo, hi};
  }
  return IntRange::full(width);
}

IntRange clamp(const MathRange& r, unsigned width) {
  IntRange full = IntRange::full(width);
  Int128 lo = r.lo < Int128(full.lo) ? Int128(full.lo) : r.lo;
  Int128 hi = r.hi > Int128(full.hi) ? Int128(full.hi) : r.hi;
  if (hi < lo) return full;
  return {*lo.to_int64(), *hi.to_int64()};
}

IntRange shift_right_range(const IntRange& a, unsigned k) {
  if (k >= 63) return {a.lo < 0 ? -1 : 0, a.hi < 0 ? -1 : 0};
  // Arithmetic shifts round down and keep the order.
  return {a.lo >> k, a.hi >> k};
}

IntRange divide_range(const IntRange& a, const IntRange& b) {
  // |a / b| <= |a|, and the quotient's sign follows the operands'.
  auto magnitude = [](std::int64_t v) { return v == kMin64 ? kMax64 : (v < 0 ? -v : v); };
  std::int64_t m = std::max(magnitude(a.lo), magnitude(a.hi));
  if (a.non_negative() && b.non_negative()) {
    std::int64_t lo = b.hi > 0 ? a.lo / b.hi : 0;
    std::int64_t hi = b.lo > 0 ? a.hi / b.lo : a.hi;
    return {lo, hi};
  }
  return {-m, m};
}

IntRange remainder_range(const IntRange& a, const IntRange& b) {
  // |a % b| < |b| and |a % b| <= |a|; the remainder has the sign of a.
  auto magnitude = [](std::int64_t v) { return v == kMin64 ? kMax64 : (v < 0 ? -v : v); };
  std::int64_t bound = std::max(magnitude(b.lo), magnitude(b.hi));
  if (bound > 0) bound -= 1;
  std::int64_t m = std::min(bound, std::max(magnitude(a.lo), magnitude(a.hi)));
  return {a.lo < 0 ? -m : 0, a.hi > 0 ? m : 0};
}

std::optional<std::pair<std::uint64_t, std::uint64_t>> unsigned_view(const IntRange& r, unsigned width) {
  std::uint64_t modulus_less_one = width >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << width) - 1;
  if (r.lo >= 0) return std::pair{static_cast<std::uint64_t>(r.lo), static_cast<std::uint64_t>(r.hi)};
  if (r.hi < 0)
    return std::pair{static_cast<std::uint64_t>(r.lo) & modulus_less_one, static_cast<std::uint64_t>(r.hi) & modulus_less_one};
  return std::nullopt;
}

std::optional<IntRange> implied_range(std::string_view predicate, bool holds, const IntRange& x, std::int64_t c,
                                      unsigned width) {
  // The negation of each predicate, so that only the holding case is worked out.
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 10> kNegations = {{
      {"eq", "ne"}, {"ne", "eq"}, {"slt", "sge"}, {"sge", "slt"}, {"sle", "sgt"},
      {"sgt", "sle"}, {"ult", "uge"}, {"uge", "ult"}, {"ule", "ugt"}, {"ugt", "ule"}}};
  std::string_view p = predicate;
  if (!holds) {
    auto it = std::find_if(kNegations.begin(), kNegations.end(), [&](const auto& n) { return n.first == p; });
    if (it == kNegations.end()) return x;
    p = it->second;
  }
  IntRange full = IntRange::full(width);
  std::optional<IntRange> bound;
  if (p == "eq") {
    bound = IntRange::constant(c);
  } else if (p == "ne") {
    if (x.lo == c && x.hi == c) return std::nullopt;
    if (x.lo == c) return IntRange{c + 1, x.hi};
    if (x.hi == c) return IntRange{x.lo, c - 1};
    return x;
  } else if (p == "slt") {
    if (c == full.lo) return std::nullopt;
    bound = IntRange{full.lo, c - 1};
  } else if (p == "sle") {
    bound = IntRange{full.lo, c};
  } else if (p == "sgt") {
    if (c == full.hi) return std::nullopt;
    bound = IntRange{c + 1, full.hi};
  } else if (p == "sge") {
    bound = IntRange{c, full.hi};
  } else if (c >= 0 && x.non_negative()) {
    // Unsigned order is signed order among non-negative values.
    if (p == "ult") return c == 0 ? std::nullopt : x.meet(IntRange{0, c - 1});
    if (p == "ule") return x.meet(IntRange{0, c});
    if (p == "ugt") return c == full.hi ? std::nullopt : x.meet(IntRange{c + 1, full.hi});
    if (p == "uge") return x.meet(IntRange{c, full.hi});
    return x;
  } else {
    return x;
  }
  return x.meet(*bound);
}

}  // namespace brintavel::translator
