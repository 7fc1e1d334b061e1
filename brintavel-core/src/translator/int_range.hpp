// The range of an integer value of an N-bit type, as an interval of its signed values in the
// manner of LLVM's ConstantRange (here never wrapped around: lo <= hi), and the interval
// arithmetic that the lowering and the range analysis share.
//
// An operation gives the interval of its mathematical result (MathRange), which may leave the
// type's range: the LLVM result then wraps modulo 2^N, and the lowering must write that wrap
// (the dialect's int does not wrap). wrap() gives the range of the wrapped result.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>

#include "support/int128.hpp"

namespace brintavel::translator {

using text::Int128;

struct IntRange {
  std::int64_t lo = 0;
  std::int64_t hi = 0;

  // Every value of a `width`-bit type (1 to 64), as signed values.
  static IntRange full(unsigned width);
  static IntRange constant(std::int64_t v) { return {v, v}; }

  bool is_constant() const { return lo == hi; }
  bool non_negative() const { return lo >= 0; }
  bool contains(std::int64_t v) const { return lo <= v && v <= hi; }
  // The number of values, minus one (saturated).
  std::uint64_t span() const { return static_cast<std::uint64_t>(hi) - static_cast<std::uint64_t>(lo); }
  IntRange join(const IntRange& o) const { return {std::min(lo, o.lo), std::max(hi, o.hi)}; }
  std::optional<IntRange> meet(const IntRange& o) const {
    IntRange r{std::max(lo, o.lo), std::min(hi, o.hi)};
    if (r.lo > r.hi) return std::nullopt;
    return r;
  }
  friend bool operator==(const IntRange&, const IntRange&) = default;
};

// The exact interval of a mathematical result, before it wraps.
struct MathRange {
  Int128 lo;
  Int128 hi;
};

MathRange math_of(const IntRange& a);
MathRange math_add(const IntRange& a, const IntRange& b);
MathRange math_sub(const IntRange& a, const IntRange& b);
MathRange math_mul(const IntRange& a, const IntRange& b);
// a * 2^k, for 0 <= k < 64.
MathRange math_shl(const IntRange& a, unsigned k);

// Whether every value of `r` is a value of the `width`-bit type.
bool fits(const MathRange& r, unsigned width);
// The range of the `width`-bit result whose mathematical value lies in `r`.
IntRange wrap(const MathRange& r, unsigned width);
// The part of `r` within the `width`-bit type (an `nsw` result: the rest is poison), or the
// type's range when none is.
IntRange clamp(const MathRange& r, unsigned width);

// Floor division by 2^k (ashr), truncating division and remainder (sdiv, srem) of ranges that
// do not wrap (the division of the most negative value by -1 is the caller's to refuse).
IntRange shift_right_range(const IntRange& a, unsigned k);
IntRange divide_range(const IntRange& a, const IntRange& b);
IntRange remainder_range(const IntRange& a, const IntRange& b);

// The values of `r` read as unsigned `width`-bit numbers: an interval when all values have the
// same sign; nothing when `r` holds both signs.
std::optional<std::pair<std::uint64_t, std::uint64_t>> unsigned_view(const IntRange& r, unsigned width);

// The range that `x` has where `icmp predicate x, c` is `holds`, within `x`'s range; nothing
// when the comparison cannot hold.
std::optional<IntRange> implied_range(std::string_view predicate, bool holds, const IntRange& x, std::int64_t c,
                                      unsigned width);

}  // namespace brintavel::translator
