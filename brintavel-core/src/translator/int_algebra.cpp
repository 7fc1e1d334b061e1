#include "translator/int_algebra.hpp"

#include <bit>
#include <limits>

#include "support/text.hpp"
#include "translator/classical.hpp"
#include "translator/evaluate.hpp"

namespace brintavel::translator {

using qasm::BoolLiteral;
using qasm::Expression;
using qasm::IntLiteral;

bool is_bool_typed(const Expression& e) {
  if (std::holds_alternative<BoolLiteral>(e.node)) return true;
  if (const auto* u = std::get_if<qasm::Unary>(&e.node)) return u->op == qasm::UnaryOperator::Not;
  return is_boolean_valued(e);
}

Expression as_bool(Expression e) {
  if (const auto* i = std::get_if<IntLiteral>(&e.node)) return BoolLiteral{i->value != 0};
  if (is_bool_typed(e)) return e;
  return qasm::make_binary(qasm::BinaryOperator::Eq, std::move(e), IntLiteral{1});
}

namespace ints {

using text::cat;
using text::q;

Expression lit(std::int64_t v) { return IntLiteral{v}; }
Expression bin(BinaryOperator op, Expression a, Expression b) { return qasm::make_binary(op, std::move(a), std::move(b)); }
Expression negative(Expression e) {
  if (const auto* i = std::get_if<IntLiteral>(&e.node); i && i->value != std::numeric_limits<std::int64_t>::min())
    return lit(-i->value);
  if (const auto* f = std::get_if<qasm::FloatLiteral>(&e.node)) return qasm::FloatLiteral{-f->value};
  return qasm::make_unary(qasm::UnaryOperator::Neg, std::move(e));
}
std::int64_t pow2(unsigned k) { return std::int64_t{1} << k; }
std::uint64_t low_bits(unsigned width) { return width >= 64 ? kAll : (std::uint64_t{1} << width) - 1; }
std::int64_t wrap(std::uint64_t v, unsigned width) { return wrap_to(v, width == 1 ? 64 : width); }
unsigned span(std::uint64_t mask) { return mask == 0 ? 0 : 64 - static_cast<unsigned>(std::countl_zero(mask)); }

std::optional<bool> known_bit(const Expression& e) {
  if (const auto* i = std::get_if<IntLiteral>(&e.node); i && (i->value == 0 || i->value == 1)) return i->value == 1;
  return std::nullopt;
}

namespace {

// 1 - x: the x, or null.
const Expression* complemented(const Expression& e) {
  const auto* b = std::get_if<qasm::Binary>(&e.node);
  if (!b || b->op != BinaryOperator::Sub) return nullptr;
  const auto* one = std::get_if<IntLiteral>(&b->left->node);
  return one && one->value == 1 ? b->right.get() : nullptr;
}

// A bit that is a result bit or a variable, or 1 minus one of them: the two compare in
// constant time, which decides x & x, x & !x and their kin (as known bits do in LLVM).
struct BitLiteral {
  const Expression* atom;
  bool negated;
};
std::optional<BitLiteral> bit_literal(const Expression& e) {
  bool negated = false;
  const Expression* atom = &e;
  if (const Expression* x = complemented(e)) {
    negated = true;
    atom = x;
  }
  if (!std::holds_alternative<qasm::Element>(atom->node) && !std::holds_alternative<qasm::Identifier>(atom->node))
    return std::nullopt;
  return BitLiteral{atom, negated};
}
bool same_atom(const Expression& a, const Expression& b) {
  if (const auto* x = std::get_if<qasm::Element>(&a.node)) {
    const auto* y = std::get_if<qasm::Element>(&b.node);
    return y && x->register_name == y->register_name && x->index == y->index && x->capture == y->capture;
  }
  const auto* x = std::get_if<qasm::Identifier>(&a.node);
  const auto* y = std::get_if<qasm::Identifier>(&b.node);
  return x && y && x->name == y->name && x->capture == y->capture;
}
// For literals of one atom: whether the two bits are equal; nothing otherwise.
std::optional<bool> equal_bits(const Expression& a, const Expression& b) {
  auto x = bit_literal(a);
  auto y = bit_literal(b);
  if (!x || !y || !same_atom(*x->atom, *y->atom)) return std::nullopt;
  return x->negated == y->negated;
}

}  // namespace

bool is_bit_shaped(const Expression& e) {
  if (known_bit(e) || std::holds_alternative<qasm::Element>(e.node)) return true;
  if (const auto* i = std::get_if<qasm::Index>(&e.node)) return std::holds_alternative<IntLiteral>(i->index->node);
  if (const Expression* x = complemented(e)) return is_bit_shaped(*x);
  return false;
}

std::optional<std::vector<Expression>> bits_of_shape(const Expression& e) {
  if (is_bit_shaped(e)) return std::vector<Expression>{e};
  const auto* b = std::get_if<qasm::Binary>(&e.node);
  if (!b || b->op != BinaryOperator::Mul) return std::nullopt;
  const auto* k = std::get_if<IntLiteral>(&b->right->node);
  if (!k || k->value <= 0 || !std::has_single_bit(static_cast<std::uint64_t>(k->value)) || !is_bit_shaped(*b->left))
    return std::nullopt;
  std::vector<Expression> bits(static_cast<std::size_t>(std::countr_zero(static_cast<std::uint64_t>(k->value))), lit(0));
  bits.push_back(*b->left);
  return bits;
}

Expression bit_not(Expression a) {
  if (auto k = known_bit(a)) return lit(*k ? 0 : 1);
  if (const Expression* x = complemented(a)) return Expression(*x);
  return bin(BinaryOperator::Sub, lit(1), std::move(a));
}
Expression bit_and(Expression a, Expression b) {
  if (auto k = known_bit(a)) return *k ? std::move(b) : lit(0);
  if (auto k = known_bit(b)) return *k ? std::move(a) : lit(0);
  if (auto same = equal_bits(a, b)) return *same ? std::move(a) : lit(0);
  return bin(BinaryOperator::Mul, std::move(a), std::move(b));
}
Expression bit_or(Expression a, Expression b) {
  if (auto k = known_bit(a)) return *k ? lit(1) : std::move(b);
  if (auto k = known_bit(b)) return *k ? lit(1) : std::move(a);
  if (auto same = equal_bits(a, b)) return *same ? std::move(a) : lit(1);
  Expression product = bin(BinaryOperator::Mul, a, b);
  return bin(BinaryOperator::Sub, bin(BinaryOperator::Add, std::move(a), std::move(b)), std::move(product));
}
Expression bit_xor(Expression a, Expression b) {
  if (auto k = known_bit(a)) return *k ? bit_not(std::move(b)) : std::move(b);
  if (auto k = known_bit(b)) return *k ? bit_not(std::move(a)) : std::move(a);
  if (auto same = equal_bits(a, b)) return lit(*same ? 0 : 1);
  return bin(BinaryOperator::Mod, bin(BinaryOperator::Add, std::move(a), std::move(b)), lit(2));
}

// ---- Integer values ------------------------------------------------------------------

namespace {

// The range of a value of `width` bits whose bits that may be one are `mask`.
IntRange range_of_mask(std::uint64_t mask, unsigned width) {
  if ((mask >> 63) == 0 && mask <= static_cast<std::uint64_t>(IntRange::full(width).hi))
    return {0, static_cast<std::int64_t>(mask)};
  return IntRange::full(width);
}

// The bits that may be one in values of `range`.
std::uint64_t mask_of_range(const IntRange& range) {
  if (range.lo < 0) return kAll;
  return range.hi == 0 ? 0 : kAll >> std::countl_zero(static_cast<std::uint64_t>(range.hi));
}

}  // namespace

IntValue constant_value(std::uint64_t c, unsigned width) {
  IntValue v;
  v.width = width;
  v.constant = wrap(c, width);
  v.mask = static_cast<std::uint64_t>(*v.constant);
  v.range = IntRange::constant(*v.constant);
  return v;
}

IntValue plain(Expression e, std::uint64_t mask, IntRange range, unsigned width) {
  if (const auto* i = std::get_if<IntLiteral>(&e.node)) return constant_value(static_cast<std::uint64_t>(i->value), width);
  IntValue v;
  v.width = width;
  v.mask = mask & mask_of_range(range);
  v.range = range;
  if (auto from_mask = range_of_mask(v.mask, width).meet(range)) v.range = *from_mask;
  if (v.range.lo == 0 && v.range.hi == 1) {
    // 0 or 1: its own bit 0.
    v.has_bits = true;
    v.bits.push_back(e);
  }
  v.arith = std::move(e);
  return v;
}

IntValue bits_value(BitList bits, unsigned width) {
  while (!bits.empty()) {
    auto k = known_bit(bits.back());
    if (!k || *k) break;
    bits.pop_back();
  }
  std::uint64_t mask = 0, known = 0;
  bool all_known = true;
  Int128 lo = 0, hi = 0;
  for (std::size_t k = 0; k < bits.size(); ++k) {
    auto b = known_bit(bits[k]);
    if (b && !*b) continue;
    bool sign = k + 1 == width;
    Int128 weight = sign ? -(Int128(1) << static_cast<int>(k)) : (Int128(1) << static_cast<int>(k));
    mask |= std::uint64_t{1} << k;
    if (b) {
      known |= std::uint64_t{1} << k;
      lo = lo + weight;
      hi = hi + weight;
    } else {
      all_known = false;
      (sign ? lo : hi) = (sign ? lo : hi) + weight;
    }
  }
  // (One value returned on every path: it is made in place.)
  IntValue v = all_known ? constant_value(known, width) : IntValue{};
  if (all_known) return v;
  v.width = width;
  // The sign bit of a `width`-bit pattern is negative and extends into the bits above.
  if (bits.size() == width && ((mask >> (width - 1)) & 1)) mask |= ~low_bits(width);
  v.mask = mask;
  v.range = {*lo.to_int64(), *hi.to_int64()};
  v.has_bits = true;
  v.bits = std::move(bits);
  return v;
}

namespace {

// bit * weight, the bit copied straight into its node.
Expression weighted(const Expression& bit, std::int64_t weight) {
  if (weight == 1) return bit;
  return qasm::Binary{BinaryOperator::Mul, std::make_unique<Expression>(bit), std::make_unique<Expression>(IntLiteral{weight})};
}

// sum of bit_k * 2^k, the sign bit of `width` weighing -2^(width-1).
Expression bits_to_int(const BitList& bits, unsigned width) {
  std::int64_t constant = 0;
  std::optional<Expression> sum;
  for (std::size_t k = 0; k < bits.size(); ++k) {
    auto b = known_bit(bits[k]);
    if (b && !*b) continue;
    bool sign = k + 1 == width;
    std::int64_t weight = pow2(static_cast<unsigned>(k));
    if (b) {
      constant += sign ? -weight : weight;
      continue;
    }
    if (!sum) {
      sum.emplace(sign ? negative(weighted(bits[k], weight)) : weighted(bits[k], weight));
    } else {
      auto left = std::make_unique<Expression>(std::move(*sum));
      *sum = qasm::Binary{sign ? BinaryOperator::Sub : BinaryOperator::Add, std::move(left),
                          std::make_unique<Expression>(weighted(bits[k], weight))};
    }
  }
  if (!sum) return lit(constant);
  if (constant > 0) return bin(BinaryOperator::Add, std::move(*sum), lit(constant));
  if (constant < 0) return bin(BinaryOperator::Sub, std::move(*sum), lit(-constant));
  return std::move(*sum);
}

}  // namespace

Expression expr(const IntValue& v) {
  if (v.arith) return *v.arith;
  if (v.constant) return lit(*v.constant);
  return bits_to_int(v.bits, v.width);
}

IntFacts facts_of(IntValue&& v) {
  IntFacts f;
  f.width = v.width;
  f.may_be_one = v.mask;
  f.has_bits = v.has_bits;
  if (v.has_bits) f.bits = std::move(v.bits).take();
  f.range = v.range;
  if (!v.has_bits) f.known_low = std::move(v.known_low);
  return f;
}

Error Site::no_form(std::string_view reason) const {
  return unsupported(cat("SSA value ", q(result), " (", opcode, " ", ty,
                         ") has no exact form in the OpenQASM dialect: ", reason));
}

Expression modulo_pow2(const IntValue& x, unsigned n) {
  Expression m = lit(pow2(n));
  Expression r = bin(BinaryOperator::Mod, expr(x), m);
  if (x.non_negative()) return r;
  return bin(BinaryOperator::Mod, bin(BinaryOperator::Add, std::move(r), m), m);
}

Result<Expression> bit_of(const IntValue& x, unsigned k, const Site& site) {
  if (x.constant) return lit(static_cast<std::int64_t>((static_cast<std::uint64_t>(*x.constant) >> k) & 1));
  if (!((x.mask >> k) & 1)) return lit(0);
  if (x.has_bits) return k < x.bits.size() ? x.bits[k] : lit(0);
  if (k < x.known_low.size()) return x.known_low[k];
  if (k > kMaxBit) return site.no_form(cat("bit ", k, " of a possibly negative integer"));
  if (x.non_negative()) {
    Expression low = expr(x);
    if (k > 0) low = bin(BinaryOperator::Div, std::move(low), lit(pow2(k)));
    return bin(BinaryOperator::Mod, std::move(low), lit(2));
  }
  Expression low = modulo_pow2(x, k + 1);
  if (k > 0) low = bin(BinaryOperator::Div, std::move(low), lit(pow2(k)));
  return low;
}

Expression unsigned_of(const IntValue& x) { return x.non_negative() ? expr(x) : modulo_pow2(x, x.width); }

namespace {

// Whether x's bits can be taken one by one: known bits, or a non-negative value.
bool bitwise_ok(const IntValue& x) { return x.constant || x.has_bits || x.non_negative(); }

using BitCombine = Expression (*)(Expression, Expression);

// Bit by bit over the low n bits; the bits above are 0.
Result<IntValue> bitwise(const IntValue& x, const IntValue& y, unsigned n, BitCombine combine, const Site& site) {
  if (n > kMaxBit + 1) return site.no_form("a bitwise operation on integers of more than 62 bits");
  std::vector<Expression> bits;
  bits.reserve(n);
  for (unsigned k = 0; k < n; ++k) {
    BRINTAVEL_TRY_ASSIGN(Expression a, bit_of(x, k, site));
    BRINTAVEL_TRY_ASSIGN(Expression b, bit_of(y, k, site));
    bits.push_back(combine(std::move(a), std::move(b)));
  }
  return bits_value(std::move(bits), x.width);
}

}  // namespace

Result<IntValue> wrapped_value(Expression e, const MathRange& math, std::uint64_t mask, unsigned width,
                               const Site& site) {
  BRINTAVEL_TRY_ASSIGN(std::optional<Expression> reduced, wrapped(e, math, width, site.result, site.opcode));
  IntRange range = wrap(math, width);
  if (!reduced) return plain(std::move(e), mask, range, width);
  return plain(std::move(*reduced), kAll, range, width);
}

namespace {

// The low n bits of x | y for bit patterns without common bits: each is the bit of the one
// value whose bit may be set there (what bitwise() finds, without combining each pair).
std::vector<Expression> disjoint_bits(const IntValue& x, const IntValue& y, unsigned n) {
  std::vector<Expression> bits;
  bits.reserve(n);
  for (unsigned k = 0; k < n; ++k) {
    const IntValue& v = (x.mask >> k) & 1 ? x : y;
    bits.push_back(((v.mask >> k) & 1) && k < v.bits.size() ? v.bits[k] : lit(0));
  }
  return bits;
}

}  // namespace

Result<IntValue> disjoint_sum(const IntValue& x, const IntValue& y, const Site& site) {
  if (bitwise_ok(x) && bitwise_ok(y) && (x.has_bits || y.has_bits) && span(x.mask | y.mask) <= kMaxBit + 1) {
    if (x.has_bits && y.has_bits) return bits_value(disjoint_bits(x, y, span(x.mask | y.mask)), x.width);
    return bitwise(x, y, span(x.mask | y.mask), bit_or, site);
  }
  return wrapped_value(bin(BinaryOperator::Add, expr(x), expr(y)), math_add(x.range, y.range), x.mask | y.mask,
                       x.width, site);
}

Result<IntValue> add(const IntValue& x, const IntValue& y, const Site& site) {
  if (x.constant && y.constant)
    return constant_value(static_cast<std::uint64_t>(*x.constant) + static_cast<std::uint64_t>(*y.constant), x.width);
  if (x.constant && *x.constant == 0) return y;
  if (y.constant && *y.constant == 0) return x;
  if ((x.mask & y.mask) == 0 && x.non_negative() && y.non_negative()) return disjoint_sum(x, y, site);
  return wrapped_value(bin(BinaryOperator::Add, expr(x), expr(y)), math_add(x.range, y.range), kAll, x.width, site);
}

Result<IntValue> subtract(const IntValue& x, const IntValue& y, const Site& site) {
  if (x.constant && y.constant)
    return constant_value(static_cast<std::uint64_t>(*x.constant) - static_cast<std::uint64_t>(*y.constant), x.width);
  if (y.constant && *y.constant == 0) return x;
  return wrapped_value(bin(BinaryOperator::Sub, expr(x), expr(y)), math_sub(x.range, y.range), kAll, x.width, site);
}

Result<IntValue> multiply(const IntValue& x, const IntValue& y, const Site& site) {
  if (x.constant && y.constant)
    return constant_value(static_cast<std::uint64_t>(*x.constant) * static_cast<std::uint64_t>(*y.constant), x.width);
  // A product by 2^k shifts the bits.
  for (auto [a, b] : {std::pair{&x, &y}, std::pair{&y, &x}}) {
    if (b->constant && *b->constant > 0 && std::has_single_bit(static_cast<std::uint64_t>(*b->constant)) && a->has_bits)
      return shift_left(*a, static_cast<unsigned>(std::countr_zero(static_cast<std::uint64_t>(*b->constant))), site);
  }
  MathRange math = math_mul(x.range, y.range);
  // The dialect's int must hold the product itself.
  if (!fits(math, 64)) return site.no_form("a product that may leave 64 bits");
  return wrapped_value(bin(BinaryOperator::Mul, expr(x), expr(y)), math, kAll, x.width, site);
}

Result<unsigned> shift_amount(const IntValue& s, unsigned width, const Site& site) {
  if (!s.constant) return site.no_form("a shift by an amount known only at run time");
  if (*s.constant < 0 || *s.constant >= static_cast<std::int64_t>(width))
    return site.no_form(cat("a shift by ", *s.constant, " bits of a ", width, "-bit integer"));
  return static_cast<unsigned>(*s.constant);
}

Result<IntValue> shift_left(const IntValue& x, unsigned sh, const Site& site) {
  unsigned w = x.width;
  if (x.constant) return constant_value(static_cast<std::uint64_t>(*x.constant) << sh, w);
  if (sh == 0) return x;
  if (x.has_bits) {
    // Bits shifted beyond the width are gone: the wrap is exact.
    std::vector<Expression> bits;
    bits.reserve(sh + x.bits.size());
    bits.resize(sh, lit(0));
    for (std::size_t k = 0; k < x.bits.size() && k + sh < w; ++k) bits.push_back(x.bits[k]);
    if (bits.size() <= kMaxBit + 1) return bits_value(std::move(bits), w);
  }
  if (sh > kMaxBit) return site.no_form(cat("a shift left by ", sh, " bits"));
  MathRange math = math_shl(x.range, sh);
  if (!fits(math, 64)) {
    if (w == 64 && sh >= 2) {
      // x << sh = (x mod 2^(63-sh)) * 2^sh - 2^63 * bit (63-sh) of x: the bits that stay, and the
      // one that becomes the sign (every part within 64 bits, the sign's weight taken as
      // -(2^63 - 1) - 1).
      IntValue low = plain(modulo_pow2(x, 63 - sh), low_bits(63 - sh), {0, pow2(63 - sh) - 1}, 64);
      BRINTAVEL_TRY_ASSIGN(Expression sign, bit_of(x, 63 - sh, site));
      Expression shifted = bin(BinaryOperator::Mul, expr(low), lit(pow2(sh)));
      Expression value = bin(BinaryOperator::Sub,
                             bin(BinaryOperator::Sub, std::move(shifted),
                                 bin(BinaryOperator::Mul, sign, lit(std::numeric_limits<std::int64_t>::max()))),
                             sign);
      return plain(std::move(value), kAll, IntRange::full(64), 64);
    }
    // Reduce x to the bits that stay first: (x mod 2^(w-sh)) * 2^sh has the same low bits.
    if (w - sh > kMaxBit) return site.no_form(cat("a shift left by ", sh, " bits of a possibly large integer"));
    IntValue low = plain(modulo_pow2(x, w - sh), low_bits(w - sh), {0, pow2(w - sh) - 1}, w);
    return wrapped_value(bin(BinaryOperator::Mul, expr(low), lit(pow2(sh))), math_shl(low.range, sh), kAll, w, site);
  }
  std::uint64_t mask = x.non_negative() && span(x.mask) + sh < w ? x.mask << sh : kAll;
  return wrapped_value(bin(BinaryOperator::Mul, expr(x), lit(pow2(sh))), math, mask, w, site);
}

Result<IntValue> shift_right(const IntValue& x, unsigned sh, bool arithmetic, const Site& site) {
  unsigned w = x.width;
  if (x.constant) {
    if (arithmetic) return constant_value(static_cast<std::uint64_t>(*x.constant >> sh), w);
    return constant_value((static_cast<std::uint64_t>(*x.constant) & low_bits(w)) >> sh, w);
  }
  if (sh == 0) return x;
  bool sign_bit_clear = x.non_negative() || (x.has_bits && x.bits.size() < w);
  if (x.has_bits && (!arithmetic || sign_bit_clear)) {
    std::vector<Expression> bits;
    for (std::size_t k = sh; k < x.bits.size(); ++k) bits.push_back(x.bits[k]);
    return bits_value(std::move(bits), w);
  }
  if (x.non_negative())
    return plain(bin(BinaryOperator::Div, expr(x), lit(pow2(sh))), x.mask >> sh, shift_right_range(x.range, sh), w);
  if (!arithmetic) {
    if (w > kMaxBit) return site.no_form("a logical shift right of a possibly negative 64-bit integer");
    return plain(bin(BinaryOperator::Div, unsigned_of(x), lit(pow2(sh))), low_bits(w) >> sh,
                 {0, static_cast<std::int64_t>(low_bits(w) >> sh)}, w);
  }
  if (sh > kMaxBit) return site.no_form(cat("an arithmetic shift right by ", sh, " bits"));
  // floor(x / 2^sh): the numerator is a multiple of 2^sh, so / divides exactly.
  Expression exact = bin(BinaryOperator::Sub, expr(x), modulo_pow2(x, sh));
  return plain(bin(BinaryOperator::Div, std::move(exact), lit(pow2(sh))), kAll, shift_right_range(x.range, sh), w);
}

namespace {

// Records on `sum` that its low n bits are those of `low` (a value of n bits at most).
void keep_low_bits(IntValue& sum, const IntValue& low, unsigned n) {
  if (sum.has_bits || sum.constant || !low.has_bits) return;
  sum.known_low = low.bits.copy();
  sum.known_low.resize(n, lit(0));
}

// x & m for a constant m.
Result<IntValue> and_constant(const IntValue& x, std::int64_t c, const Site& site) {
  unsigned w = x.width;
  auto m = static_cast<std::uint64_t>(c);
  if (x.constant) return constant_value(static_cast<std::uint64_t>(*x.constant) & m, w);
  if ((x.mask & ~m) == 0) return x;
  if ((x.mask & m) == 0) return constant_value(0, w);
  if (x.has_bits) {
    std::vector<Expression> bits = x.bits.copy();
    for (std::size_t k = 0; k < bits.size(); ++k)
      if (!((m >> k) & 1)) bits[k] = lit(0);
    return bits_value(std::move(bits), w);
  }
  if (c < 0) {
    // x & m = x - (x & ~m), the two parts having no common bits.
    BRINTAVEL_TRY_ASSIGN(IntValue rest, and_constant(x, static_cast<std::int64_t>(~m), site));
    return plain(bin(BinaryOperator::Sub, expr(x), expr(rest)), x.mask, x.range, w);
  }
  if (std::has_single_bit(m + 1) && span(m) <= kMaxBit + 1)
    return plain(modulo_pow2(x, span(m)), x.mask & m, {0, c}, w);
  return bitwise(x, constant_value(m, w), span(x.mask & m), bit_and, site);
}

// x | c or x ^ c for a constant c and a non-negative x of fewer bits: the bits of c above x's
// are those of the result, and the low bits combine bit by bit.
Result<IntValue> with_constant(const IntValue& x, std::int64_t c, BitCombine combine, const Site& site) {
  auto m = static_cast<std::uint64_t>(c);
  unsigned n = span(x.mask);
  std::uint64_t low = low_bits(n);
  BRINTAVEL_TRY_ASSIGN(IntValue small, bitwise(x, constant_value(m & low, x.width), n, combine, site));
  IntValue high = constant_value(m & ~low, x.width);
  BRINTAVEL_TRY_ASSIGN(IntValue sum, add(high, small, site));
  keep_low_bits(sum, small, n);
  return sum;
}

}  // namespace

Result<IntValue> bit_and(const IntValue& x, const IntValue& y, const Site& site) {
  if (y.constant) return and_constant(x, *y.constant, site);
  if (x.constant) return and_constant(y, *x.constant, site);
  if (!x.non_negative() && !y.non_negative() && !(x.has_bits && y.has_bits))
    return site.no_form("a bitwise and of integers that may both be negative");
  // Bits above the span of a non-negative operand are 0 in the result.
  std::uint64_t both = x.mask & y.mask;
  return bitwise(x, y, span(both), bit_and, site);
}

namespace {

// x | y or x ^ y where y is a small non-negative value and x any: the bits of x above y's stay
// as they are, x - (x mod 2^k), and the low k bits combine.
std::optional<Result<IntValue>> with_small(const IntValue& x, const IntValue& y, BitCombine combine, const Site& site) {
  for (auto [any, small] : {std::pair{&x, &y}, std::pair{&y, &x}}) {
    if (!small->non_negative() || small->constant || span(small->mask) > kMaxBit) continue;
    unsigned k = std::max(1u, span(small->mask));
    IntValue low = plain(modulo_pow2(*any, k), low_bits(k), {0, pow2(k) - 1}, any->width);
    Result<IntValue> combined = bitwise(low, *small, k, combine, site);
    if (!combined) return combined;
    Expression high = bin(BinaryOperator::Sub, expr(*any), expr(low));
    IntValue sum = plain(bin(BinaryOperator::Add, std::move(high), expr(*combined)), kAll,
                         IntRange::full(any->width), any->width);
    keep_low_bits(sum, *combined, k);
    return Result<IntValue>(std::move(sum));
  }
  return std::nullopt;
}

}  // namespace

Result<IntValue> bit_or(const IntValue& x, const IntValue& y, const Site& site) {
  if (x.constant && y.constant)
    return constant_value(static_cast<std::uint64_t>(*x.constant | *y.constant), x.width);
  if ((x.mask & y.mask) == 0 && x.non_negative() && y.non_negative()) return disjoint_sum(x, y, site);
  const IntValue* c = y.constant ? &y : x.constant ? &x : nullptr;
  const IntValue* other = c == &y ? &x : &y;
  if (c && *c->constant < 0 && bitwise_ok(*other)) {
    // x | m = m + (x & ~m)
    BRINTAVEL_TRY_ASSIGN(IntValue rest, and_constant(*other, ~*c->constant, site));
    return add(*c, rest, site);
  }
  if (c && other->non_negative() && span(other->mask) <= kMaxBit + 1)
    return with_constant(*other, *c->constant, bit_or, site);
  if (!bitwise_ok(x) || !bitwise_ok(y)) {
    if (auto r = with_small(x, y, bit_or, site)) return std::move(*r);
    return site.no_form("a bitwise or of integers that may be negative");
  }
  return bitwise(x, y, span(x.mask | y.mask), bit_or, site);
}

Result<IntValue> bit_xor(const IntValue& x, const IntValue& y, const Site& site) {
  if (x.constant && y.constant)
    return constant_value(static_cast<std::uint64_t>(*x.constant ^ *y.constant), x.width);
  if ((x.mask & y.mask) == 0 && x.non_negative() && y.non_negative()) return disjoint_sum(x, y, site);
  const IntValue* c = y.constant ? &y : x.constant ? &x : nullptr;
  const IntValue* other = c == &y ? &x : &y;
  if (c && other->non_negative() && span(other->mask) <= kMaxBit + 1)
    return with_constant(*other, *c->constant, bit_xor, site);
  if (c && *c->constant < 0) {
    // x ^ m = ~(x ^ ~m) = -(x ^ ~m) - 1
    IntValue inverse = constant_value(static_cast<std::uint64_t>(~*c->constant), x.width);
    IntValue inner = *other;
    if (*inverse.constant != 0) {
      BRINTAVEL_TRY_ASSIGN(inner, bit_xor(*other, inverse, site));
    }
    IntRange r = IntRange::full(x.width);
    if (inner.range.lo > std::numeric_limits<std::int64_t>::min())
      r = {-inner.range.hi - 1, -inner.range.lo - 1};
    return plain(bin(BinaryOperator::Sub, negative(expr(inner)), lit(1)), kAll, r, x.width);
  }
  if (!bitwise_ok(x) || !bitwise_ok(y)) {
    if (auto r = with_small(x, y, bit_xor, site)) return std::move(*r);
    return site.no_form("a bitwise xor of integers that may be negative");
  }
  return bitwise(x, y, span(x.mask | y.mask), bit_xor, site);
}

Result<std::optional<IntValue>> divide(ir::IntOpKind op, const IntValue& x, const IntValue& y, const Site& site) {
  unsigned w = x.width;
  bool remainder = op == ir::IntOpKind::SRem || op == ir::IntOpKind::URem;
  bool is_signed = op == ir::IntOpKind::SDiv || op == ir::IntOpKind::SRem;
  auto o = [&] { return remainder ? BinaryOperator::Mod : BinaryOperator::Div; };
  using Out = std::optional<IntValue>;
  if (y.range.lo == 0 && y.range.hi == 0) return site.no_form("a division by zero");
  if (x.constant && y.constant) {
    auto r = evaluate_int_op(op, Value::integer(*x.constant, w), Value::integer(*y.constant, w));
    if (!r) return site.no_form("a division that overflows or divides by zero");
    return Out(constant_value(static_cast<std::uint64_t>(r->as_integer()), w));
  }
  IntRange result = remainder ? remainder_range(x.range, y.range) : divide_range(x.range, y.range);
  if (x.non_negative() && y.non_negative())
    return Out(plain(bin(o(), expr(x), expr(y)), kAll, result, w));
  if (!is_signed) {
    // Unsigned: the operands read as unsigned numbers.
    if (w > kMaxBit) return site.no_form("an unsigned division of a possibly negative integer");
    MathRange math{0, Int128(pow2(w) - 1)};
    BRINTAVEL_TRY_ASSIGN(IntValue v, wrapped_value(bin(o(), unsigned_of(x), unsigned_of(y)), math, kAll, w, site));
    return Out(std::move(v));
  }
  if (!x.sign_known() || !y.sign_known()) return Out();
  // Truncating division of the magnitudes, then the sign: no / or % sees a negative operand.
  bool x_negative = !x.non_negative(), y_negative = !y.non_negative();
  IntRange full = IntRange::full(w);
  if ((x_negative && x.range.lo == full.lo && w >= 64) || (y_negative && y.range.lo == full.lo && w >= 64))
    return site.no_form("a division of the most negative integer");
  Expression a = x_negative ? negative(expr(x)) : expr(x);
  Expression b = y_negative ? negative(expr(y)) : expr(y);
  Expression q = bin(o(), std::move(a), std::move(b));
  bool flip = remainder ? x_negative : x_negative != y_negative;
  return Out(plain(flip ? negative(std::move(q)) : std::move(q), kAll, result, w));
}

Result<IntValue> truncate(const IntValue& x, unsigned to, const Site& site) {
  if (x.constant) return constant_value(static_cast<std::uint64_t>(*x.constant), to);
  if (x.has_bits) {
    std::vector<Expression> bits = x.bits.copy();
    if (bits.size() > to) bits.erase(bits.begin() + to, bits.end());
    return bits_value(std::move(bits), to);
  }
  if (auto narrowed = x.range.meet(IntRange::full(to)); narrowed && *narrowed == x.range) {
    IntValue v = x;
    v.width = to;
    return v;
  }
  if (to > kMaxBit) return site.no_form(cat("a truncation to i", to, " of a possibly large integer"));
  return wrapped_value(expr(x), math_of(x.range), kAll, to, site);
}

Result<IntValue> extend(const IntValue& x, unsigned to, bool is_signed, const Site& site) {
  unsigned from = x.width;
  if (is_signed || x.non_negative()) {
    IntValue v = x;
    if (v.has_bits && is_signed && v.bits.size() == from) v = plain(expr(x), x.mask, x.range, to);
    v.width = to;
    return v;
  }
  // zext of a possibly negative value: its unsigned reading.
  if (x.constant) return constant_value(static_cast<std::uint64_t>(*x.constant) & low_bits(from), to);
  if (x.has_bits) return bits_value(x.bits, to);
  if (from > kMaxBit) return site.no_form("a zero extension of a possibly negative 64-bit integer");
  IntRange r{0, pow2(from) - 1};
  if (auto u = unsigned_view(x.range, from))
    r = {static_cast<std::int64_t>(u->first), static_cast<std::int64_t>(u->second)};
  return plain(modulo_pow2(x, from), low_bits(from), r, to);
}

}  // namespace ints
}  // namespace brintavel::translator
