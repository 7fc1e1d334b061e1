#include "translator/int_algebra.hpp"

#include <bit>
#include <limits>

#include "support/text.hpp"
#include "translator/classical.hpp"

namespace brintavel::translator {

using qasm::Expression;
using qasm::BoolLiteral;
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

Expression as_int(Expression e) {
  if (const auto* b = std::get_if<BoolLiteral>(&e.node)) return IntLiteral{b->value ? 1 : 0};
  if (is_bool_typed(e) || qasm::is_indexed(e)) return qasm::make_unary(qasm::UnaryOperator::IntCast, std::move(e));
  return e;
}

std::optional<unsigned> int_width(std::string_view ty) {
  if (ty.size() < 2 || ty[0] != 'i') return std::nullopt;
  unsigned w = 0;
  for (char c : ty.substr(1)) {
    if (!text::is_ascii_digit(c) || w > 64) return std::nullopt;
    w = w * 10 + static_cast<unsigned>(c - '0');
  }
  if (w < 1 || w > 64) return std::nullopt;
  return w;
}


namespace ints {

using qasm::BoolLiteral;
using qasm::FloatLiteral;
using qasm::IntLiteral;
using qasm::UnaryOperator;
using text::cat;
using text::q;

Expression lit(std::int64_t v) { return IntLiteral{v}; }
Expression bin(BinaryOperator op, Expression a, Expression b) {
  return qasm::make_binary(op, std::move(a), std::move(b));
}
Expression int_cast(Expression e) { return qasm::make_unary(UnaryOperator::IntCast, std::move(e)); }
Expression float_cast(Expression e) {
  return qasm::make_unary(UnaryOperator::Float64Cast, std::move(e));
}
Expression negative(Expression e) {
  if (const auto* i = std::get_if<IntLiteral>(&e.node); i && i->value != std::numeric_limits<std::int64_t>::min())
    return lit(-i->value);
  if (const auto* f = std::get_if<FloatLiteral>(&e.node)) return FloatLiteral{-f->value};
  return qasm::make_unary(UnaryOperator::Neg, std::move(e));
}
std::int64_t pow2(unsigned k) { return std::int64_t{1} << k; }

std::uint64_t low_bits(unsigned width) { return width >= 64 ? kAll : (std::uint64_t{1} << width) - 1; }

// The low `width` bits of v, sign-extended.
std::int64_t wrap(std::uint64_t v, unsigned width) {
  if (width >= 64) return static_cast<std::int64_t>(v);
  std::uint64_t m = low_bits(width);
  v &= m;
  if ((v >> (width - 1)) & 1) v |= ~m;
  return static_cast<std::int64_t>(v);
}

// Every bit at or below the highest set bit of v.
std::uint64_t smear(std::uint64_t v) {
  return v == 0 ? 0 : kAll >> std::countl_zero(v);
}

const BoolLiteral* as_literal(const Expression& e) { return std::get_if<BoolLiteral>(&e.node); }

// An i1 value as an int (0 or 1).
Expression int_of_i1(Expression e) {
  if (std::holds_alternative<IntLiteral>(e.node)) return e;
  if (const auto* b = as_literal(e)) return lit(b->value ? 1 : 0);
  return int_cast(std::move(e));
}

// The negation of an i1 value, as a bool expression.
Expression negate(Expression e) {
  if (const auto* b = as_literal(e)) return BoolLiteral{!b->value};
  if (const auto* i = std::get_if<IntLiteral>(&e.node)) return BoolLiteral{i->value == 0};
  if (qasm::is_indexed(e)) return bin(BinaryOperator::Eq, std::move(e), lit(0));
  if (auto* b = std::get_if<qasm::Binary>(&e.node)) {
    if (b->op == BinaryOperator::Eq && qasm::is_indexed(*b->left) &&
        std::holds_alternative<IntLiteral>(b->right->node) &&
        std::get<IntLiteral>(b->right->node).value == 1)
      return bin(BinaryOperator::Eq, std::move(*b->left), lit(0));
  }
  return qasm::make_not(as_bool(std::move(e)));
}

// And, or and xor of i1 values; a constant operand leaves the other as it is.
Expression and_bool(Expression a, Expression b) {
  if (const auto* l = as_literal(a)) return l->value ? std::move(b) : Expression(BoolLiteral{false});
  if (const auto* l = as_literal(b)) return l->value ? std::move(a) : Expression(BoolLiteral{false});
  return bin(BinaryOperator::And, as_bool(std::move(a)), as_bool(std::move(b)));
}
Expression or_bool(Expression a, Expression b) {
  if (const auto* l = as_literal(a)) return l->value ? Expression(BoolLiteral{true}) : std::move(b);
  if (const auto* l = as_literal(b)) return l->value ? Expression(BoolLiteral{true}) : std::move(a);
  return bin(BinaryOperator::Or, as_bool(std::move(a)), as_bool(std::move(b)));
}
Expression xor_bool(Expression a, Expression b) {
  if (const auto* l = as_literal(a)) return l->value ? negate(std::move(b)) : std::move(b);
  if (const auto* l = as_literal(b)) return l->value ? negate(std::move(a)) : std::move(a);
  return bin(BinaryOperator::Ne, as_bool(std::move(a)), as_bool(std::move(b)));
}

// ---- Integer values ------------------------------------------------------------------

IntValue constant_value(std::uint64_t c, unsigned width) {
  IntValue v;
  v.width = width;
  v.constant = wrap(c, width);
  v.mask = static_cast<std::uint64_t>(*v.constant);
  return v;
}

IntValue plain(Expression e, std::uint64_t mask, unsigned width) {
  if (const auto* i = std::get_if<IntLiteral>(&e.node))
    return constant_value(static_cast<std::uint64_t>(i->value), width);
  IntValue v;
  v.width = width;
  v.mask = mask;
  v.arith = std::move(e);
  return v;
}

// A value given by its bit pattern (bits beyond the list are zero; at most kMaxBit + 1 bits).
IntValue bits_value(std::vector<Expression> bits, unsigned width) {
  while (!bits.empty()) {
    const auto* b = as_literal(bits.back());
    if (!b || b->value) break;
    bits.pop_back();
  }
  std::uint64_t mask = 0, known = 0;
  bool all_known = true;
  for (std::size_t k = 0; k < bits.size(); ++k) {
    const auto* b = as_literal(bits[k]);
    if (b && !b->value) continue;
    mask |= std::uint64_t{1} << k;
    if (b) known |= std::uint64_t{1} << k;
    else all_known = false;
  }
  if (all_known) return constant_value(known, width);
  IntValue v;
  v.width = width;
  // The sign bit of a `width`-bit pattern is negative and extends into the bits above.
  if (bits.size() == width && ((mask >> (width - 1)) & 1)) mask |= ~low_bits(width);
  v.mask = mask;
  v.has_bits = true;
  v.bits = std::move(bits);
  return v;
}

namespace {

// sum of int(bit k) * 2^k, the sign bit of `width` weighing -2^(width-1).
Expression bits_to_int(const std::vector<Expression>& bits, unsigned width) {
  std::int64_t constant = 0;
  std::optional<Expression> sum;
  for (std::size_t k = 0; k < bits.size(); ++k) {
    const auto* b = as_literal(bits[k]);
    if (b && !b->value) continue;
    bool sign = k + 1 == width;
    std::int64_t weight = pow2(static_cast<unsigned>(k));
    if (b) {
      constant += sign ? -weight : weight;
      continue;
    }
    Expression term = int_of_i1(bits[k]);
    if (weight != 1) term = bin(BinaryOperator::Mul, std::move(term), lit(weight));
    if (!sum) {
      sum = sign ? negative(std::move(term)) : std::move(term);
    } else {
      sum = bin(sign ? BinaryOperator::Sub : BinaryOperator::Add, std::move(*sum), std::move(term));
    }
  }
  if (!sum) return lit(constant);
  if (constant > 0) return bin(BinaryOperator::Add, std::move(*sum), lit(constant));
  if (constant < 0) return bin(BinaryOperator::Sub, std::move(*sum), lit(-constant));
  return std::move(*sum);
}

}  // namespace

Expression expr(const IntValue& v) {
  if (v.constant) return lit(*v.constant);
  if (v.has_bits) return bits_to_int(v.bits, v.width);
  return *v.arith;
}

IntFacts facts_of(const IntValue& v) {
  IntFacts f;
  f.width = v.width;
  f.may_be_one = v.mask;
  f.has_bits = v.has_bits;
  if (v.has_bits) f.bits = v.bits;
  return f;
}

// Where a value is made: its SSA name and instruction, for the messages.
Error Site::no_form(std::string_view reason) const {
  return unsupported(cat("SSA value ", q(result), " (", opcode, " ", ty,
                         ") has no exact form in the OpenQASM dialect: ", reason));
}

// x mod 2^n in [0, 2^n), for either rounding of % on negative x.
Expression modulo_pow2(const IntValue& x, unsigned n) {
  Expression m = lit(pow2(n));
  Expression r = bin(BinaryOperator::Mod, expr(x), m);
  if (x.non_negative()) return r;
  return bin(BinaryOperator::Mod, bin(BinaryOperator::Add, std::move(r), m), m);
}

// Bit k of x as an i1 expression.
Result<Expression> bit_of(const IntValue& x, unsigned k, const Site& site) {
  if (x.constant) return Expression(BoolLiteral{((static_cast<std::uint64_t>(*x.constant) >> k) & 1) != 0});
  if (!((x.mask >> k) & 1)) return Expression(BoolLiteral{false});
  if (x.has_bits) return k < x.bits.size() ? x.bits[k] : Expression(BoolLiteral{false});
  if (k == 63) return bin(BinaryOperator::Lt, expr(x), lit(0));
  if (k > kMaxBit) return site.no_form(cat("bit ", k, " of a possibly negative integer"));
  Expression low = x.non_negative() ? expr(x) : modulo_pow2(x, k + 1);
  if (k > 0) low = bin(BinaryOperator::Div, std::move(low), lit(pow2(k)));
  if (x.non_negative()) low = bin(BinaryOperator::Mod, std::move(low), lit(2));
  return bin(BinaryOperator::Eq, std::move(low), lit(1));
}

namespace {

// The bits 0 .. n-1 of x.
Result<std::vector<Expression>> bits_of(const IntValue& x, unsigned n, const Site& site) {
  std::vector<Expression> bits;
  bits.reserve(n);
  for (unsigned k = 0; k < n; ++k) {
    BRINTAVEL_TRY_ASSIGN(Expression b, bit_of(x, k, site));
    bits.push_back(std::move(b));
  }
  return bits;
}

}  // namespace

namespace {
// Whether x's bits can be taken one by one: known bits, or a non-negative value.
bool bitwise_ok(const IntValue& x) { return x.constant || x.has_bits || x.non_negative(); }
}  // namespace

// The number of low bits that hold every possibly-one bit of a non-negative value.
unsigned span(std::uint64_t mask) { return mask == 0 ? 0 : 64 - static_cast<unsigned>(std::countl_zero(mask)); }

// ---- Integer operations --------------------------------------------------------------

Result<unsigned> shift_amount(const IntValue& s, unsigned width, const Site& site) {
  if (!s.constant) return site.no_form("a shift by an amount known only at run time");
  if (*s.constant < 0 || *s.constant >= static_cast<std::int64_t>(width))
    return site.no_form(cat("a shift by ", *s.constant, " bits of a ", width, "-bit integer"));
  return static_cast<unsigned>(*s.constant);
}

Result<IntValue> shift_left(const IntValue& x, unsigned sh, const Site& site) {
  unsigned w = x.width;
  if (x.constant) return constant_value(static_cast<std::uint64_t>(*x.constant) << sh, w);
  if (x.has_bits) {
    std::vector<Expression> bits(sh, Expression(BoolLiteral{false}));
    for (std::size_t k = 0; k < x.bits.size() && k + sh < w; ++k) bits.push_back(x.bits[k]);
    if (bits.size() <= kMaxBit + 1) return bits_value(std::move(bits), w);
  }
  if (sh > kMaxBit) return site.no_form(cat("a shift left by ", sh, " bits"));
  std::uint64_t mask = kAll;
  if (x.non_negative() && span(x.mask) + sh < w) mask = x.mask << sh;
  return plain(bin(BinaryOperator::Mul, expr(x), lit(pow2(sh))), mask, w);
}

// x as an unsigned `width`-bit number, for width < 63.
Expression unsigned_of(const IntValue& x) { return x.non_negative() ? expr(x) : modulo_pow2(x, x.width); }

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
    return plain(bin(BinaryOperator::Div, expr(x), lit(pow2(sh))), x.mask >> sh, w);
  if (!arithmetic) {
    if (w > kMaxBit) return site.no_form("a logical shift right of a possibly negative 64-bit integer");
    return plain(bin(BinaryOperator::Div, unsigned_of(x), lit(pow2(sh))), low_bits(w) >> sh, w);
  }
  if (sh > kMaxBit) return site.no_form(cat("an arithmetic shift right by ", sh, " bits"));
  // floor(x / 2^sh): the numerator is a multiple of 2^sh, so / divides exactly.
  Expression exact = bin(BinaryOperator::Sub, expr(x), modulo_pow2(x, sh));
  return plain(bin(BinaryOperator::Div, std::move(exact), lit(pow2(sh))), kAll, w);
}

namespace {

using BitCombine = Expression (*)(Expression, Expression);

// Bit by bit over the bits that may be one in either operand.
Result<IntValue> bitwise(const IntValue& x, const IntValue& y, BitCombine combine, const Site& site) {
  unsigned n = span(x.mask | y.mask);
  if (n > kMaxBit + 1) return site.no_form("a bitwise operation on integers of more than 62 bits");
  BRINTAVEL_TRY_ASSIGN(std::vector<Expression> a, bits_of(x, n, site));
  BRINTAVEL_TRY_ASSIGN(std::vector<Expression> b, bits_of(y, n, site));
  for (unsigned k = 0; k < n; ++k) a[k] = combine(std::move(a[k]), std::move(b[k]));
  return bits_value(std::move(a), x.width);
}

}  // namespace

// x + y for values without common bits: the same as x | y and x ^ y.
Result<IntValue> disjoint_sum(const IntValue& x, const IntValue& y, const Site& site) {
  if (bitwise_ok(x) && bitwise_ok(y) && (x.has_bits || y.has_bits) && span(x.mask | y.mask) <= kMaxBit + 1)
    return bitwise(x, y, or_bool, site);
  return plain(bin(BinaryOperator::Add, expr(x), expr(y)), x.mask | y.mask, x.width);
}

Result<IntValue> bit_and(const IntValue& x, const IntValue& y, const Site& site);

namespace {

// x & m for a constant m.
Result<IntValue> and_constant(const IntValue& x, std::int64_t c, const Site& site) {
  unsigned w = x.width;
  auto m = static_cast<std::uint64_t>(c);
  if (x.constant) return constant_value(static_cast<std::uint64_t>(*x.constant) & m, w);
  if ((x.mask & ~m) == 0) return x;
  if ((x.mask & m) == 0) return constant_value(0, w);
  if (x.has_bits) {
    std::vector<Expression> bits = x.bits;
    for (std::size_t k = 0; k < bits.size(); ++k)
      if (!((m >> k) & 1)) bits[k] = BoolLiteral{false};
    return bits_value(std::move(bits), w);
  }
  if (c < 0) {
    // x & m = x - (x & ~m), the two parts having no common bits.
    BRINTAVEL_TRY_ASSIGN(IntValue rest, and_constant(x, static_cast<std::int64_t>(~m), site));
    return plain(bin(BinaryOperator::Sub, expr(x), expr(rest)), x.mask, w);
  }
  if (std::has_single_bit(m + 1) && span(m) <= kMaxBit + 1)
    return plain(modulo_pow2(x, span(m)), x.mask & m, w);
  return bitwise(x, constant_value(m, w), and_bool, site);
}

}  // namespace

Result<IntValue> bit_and(const IntValue& x, const IntValue& y, const Site& site) {
  if (y.constant) return and_constant(x, *y.constant, site);
  if (x.constant) return and_constant(y, *x.constant, site);
  if (!bitwise_ok(x) || !bitwise_ok(y))
    return site.no_form("a bitwise and of integers that may be negative");
  return bitwise(x, y, and_bool, site);
}

Result<IntValue> bit_or(const IntValue& x, const IntValue& y, const Site& site) {
  if (x.constant && y.constant)
    return constant_value(static_cast<std::uint64_t>(*x.constant | *y.constant), x.width);
  if ((x.mask & y.mask) == 0) return disjoint_sum(x, y, site);
  const IntValue* c = y.constant ? &y : x.constant ? &x : nullptr;
  const IntValue* other = c == &y ? &x : &y;
  if (c && *c->constant < 0) {
    // x | m = m + (x & ~m)
    BRINTAVEL_TRY_ASSIGN(IntValue rest, and_constant(*other, ~*c->constant, site));
    return plain(bin(BinaryOperator::Add, expr(rest), lit(*c->constant)), kAll, x.width);
  }
  if (!bitwise_ok(x) || !bitwise_ok(y)) return site.no_form("a bitwise or of integers that may be negative");
  return bitwise(x, y, or_bool, site);
}

Result<IntValue> bit_xor(const IntValue& x, const IntValue& y, const Site& site) {
  if (x.constant && y.constant)
    return constant_value(static_cast<std::uint64_t>(*x.constant ^ *y.constant), x.width);
  if ((x.mask & y.mask) == 0) return disjoint_sum(x, y, site);
  const IntValue* c = y.constant ? &y : x.constant ? &x : nullptr;
  const IntValue* other = c == &y ? &x : &y;
  if (c && *c->constant < 0) {
    // x ^ m = ~(x ^ ~m) = -(x ^ ~m) - 1
    IntValue inverse = constant_value(static_cast<std::uint64_t>(~*c->constant), x.width);
    IntValue inner = *other;
    if (*inverse.constant != 0) {
      BRINTAVEL_TRY_ASSIGN(inner, bit_xor(*other, inverse, site));
    }
    return plain(bin(BinaryOperator::Sub, negative(expr(inner)), lit(1)), kAll, x.width);
  }
  if (!bitwise_ok(x) || !bitwise_ok(y)) return site.no_form("a bitwise xor of integers that may be negative");
  return bitwise(x, y, xor_bool, site);
}

namespace {

// 1 - 2 * int(x < 0): the sign of x as a factor.
Expression sign_factor(const IntValue& x) {
  return bin(BinaryOperator::Sub, lit(1),
             bin(BinaryOperator::Mul, lit(2), int_cast(bin(BinaryOperator::Lt, expr(x), lit(0)))));
}

}  // namespace

namespace {

// |x| without a rounding-dependent operator.
Expression magnitude(const IntValue& x) {
  if (x.constant) return lit(*x.constant < 0 ? -*x.constant : *x.constant);
  if (x.non_negative()) return expr(x);
  return bin(BinaryOperator::Mul, sign_factor(x), expr(x));
}

}  // namespace

namespace {
bool is_min(std::int64_t v, unsigned width) { return v == wrap(std::uint64_t{1} << (width - 1), width); }
}  // namespace

Result<IntValue> divide(ir::IntOpKind op, const IntValue& x, const IntValue& y, const Site& site) {
  unsigned w = x.width;
  bool remainder = op == ir::IntOpKind::SRem || op == ir::IntOpKind::URem;
  bool is_signed = op == ir::IntOpKind::SDiv || op == ir::IntOpKind::SRem;
  if (y.constant && *y.constant == 0) return site.no_form("a division by zero");
  if (x.constant && y.constant) {
    if (is_signed) {
      std::int64_t a = *x.constant, b = *y.constant;
      if (is_min(a, w) && b == -1) return site.no_form("a division that overflows");
      return constant_value(static_cast<std::uint64_t>(remainder ? a % b : a / b), w);
    }
    std::uint64_t a = static_cast<std::uint64_t>(*x.constant) & low_bits(w);
    std::uint64_t b = static_cast<std::uint64_t>(*y.constant) & low_bits(w);
    return constant_value(remainder ? a % b : a / b, w);
  }
  auto op_of = [&] { return remainder ? BinaryOperator::Mod : BinaryOperator::Div; };
  std::uint64_t bound = remainder ? smear(x.mask) & smear(y.constant ? static_cast<std::uint64_t>(*y.constant - 1) : y.mask)
                                  : smear(x.mask);
  if (x.non_negative() && y.non_negative())
    return plain(bin(op_of(), expr(x), expr(y)), bound, w);
  if (!is_signed) return site.no_form("an unsigned division of a possibly negative integer");
  if ((y.constant && is_min(*y.constant, w)) || (x.constant && is_min(*x.constant, w)))
    return site.no_form("a division of the most negative integer");
  // Truncating division of the magnitudes, then the sign: no / or % sees a negative operand.
  Expression quotient = bin(op_of(), magnitude(x), magnitude(y));
  if (remainder) {
    if (x.non_negative()) return plain(std::move(quotient), kAll, w);
    if (x.constant) return plain(negative(std::move(quotient)), kAll, w);
    return plain(bin(BinaryOperator::Mul, sign_factor(x), std::move(quotient)), kAll, w);
  }
  bool x_known = x.sign_known(), y_known = y.sign_known();
  bool flip = (x_known && !x.non_negative()) != (y_known && !y.non_negative());
  Expression sign = lit(1);
  if (!x_known && !y_known) {
    sign = bin(BinaryOperator::Sub, lit(1),
               bin(BinaryOperator::Mul, lit(2),
                   int_cast(bin(BinaryOperator::Ne, bin(BinaryOperator::Lt, expr(x), lit(0)),
                                bin(BinaryOperator::Lt, expr(y), lit(0))))));
  } else if (!x_known) {
    sign = sign_factor(x);
  } else if (!y_known) {
    sign = sign_factor(y);
  }
  if (!std::holds_alternative<IntLiteral>(sign.node)) quotient = bin(BinaryOperator::Mul, std::move(sign), std::move(quotient));
  if (flip) quotient = negative(std::move(quotient));
  return plain(std::move(quotient), kAll, w);
}


}  // namespace ints
}  // namespace brintavel::translator
