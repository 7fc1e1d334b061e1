#include "translator/extended.hpp"

#include <bit>
#include <cmath>
#include <limits>
#include <optional>

#include "ir/operand_format.hpp"
#include "translator/classical.hpp"

namespace brintavel::translator {

using qasm::BinaryOperator;
using qasm::BoolLiteral;
using qasm::Expression;
using qasm::FloatLiteral;
using qasm::IntLiteral;
using qasm::UnaryOperator;
using text::cat;
using text::q;

namespace {

constexpr std::uint64_t kAll = ~std::uint64_t{0};
// Bits above this are never kept one by one: bit 63 has the weight -2^63, which no literal
// of the dialect writes, and 2^(k+1) must be an int literal for the bit formula.
constexpr unsigned kMaxBit = 61;

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

// What is known of an int expression that the extended rules did not make themselves.
std::uint64_t mask_of_expression(const Expression& e) {
  if (const auto* i = std::get_if<IntLiteral>(&e.node)) return static_cast<std::uint64_t>(i->value);
  if (const auto* u = std::get_if<qasm::Unary>(&e.node);
      u && u->op == UnaryOperator::IntCast &&
      (is_bool_typed(*u->operand) || qasm::is_indexed(*u->operand)))
    return 1;
  if (is_bool_typed(e) || qasm::is_indexed(e)) return 1;
  return kAll;
}

// ---- Integer values ------------------------------------------------------------------

struct IntValue {
  unsigned width = 64;
  std::optional<std::int64_t> constant;  // sign-extended from `width`
  bool has_bits = false;
  std::vector<Expression> bits;  // the bit pattern (i1 expressions), when has_bits
  std::uint64_t mask = kAll;     // bits of the 64-bit value that may be one
  std::optional<Expression> arith;

  bool non_negative() const { return (mask >> 63) == 0; }
  bool sign_known() const { return non_negative() || (constant && *constant < 0); }
};

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
struct Site {
  std::string_view result;
  std::string_view opcode;
  std::string_view ty;

  Error no_form(std::string_view reason) const {
    return unsupported(cat("SSA value ", q(result), " (", opcode, " ", ty,
                           ") has no exact form in the OpenQASM dialect: ", reason));
  }
};

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

// Whether x's bits can be taken one by one: known bits, or a non-negative value.
bool bitwise_ok(const IntValue& x) { return x.constant || x.has_bits || x.non_negative(); }

// The number of low bits that hold every possibly-one bit of a non-negative value.
unsigned span(std::uint64_t mask) { return mask == 0 ? 0 : 64 - static_cast<unsigned>(std::countl_zero(mask)); }

class Values {
 public:
  Values(LoweringContext& ctx, ValueFacts& facts) : ctx_(ctx), facts_(facts) {}

  Result<IntValue> operand(const ir::Operand& operand, unsigned width) {
    if (const auto* i = std::get_if<ir::ConstInt>(&operand)) {
      if (i->value.high() != 0 && i->value.high() != kAll)
        return unsupported(cat("integer constant ", i->value, " does not fit in i64"));
      return constant_value(i->value.low(), width);
    }
    if (const auto* b = std::get_if<ir::ConstBool>(&operand)) return constant_value(b->value ? 1 : 0, width);
    const auto* s = std::get_if<ir::Ssa>(&operand);
    if (!s) return unsupported(cat("could not interpret integer operand ", q(ir::debug_render(operand))));
    BRINTAVEL_TRY_ASSIGN(Expression e, ctx_.lookup_value(s->name));
    const IntFacts* f = facts_.find(s->name);
    if (std::holds_alternative<IntLiteral>(e.node)) return plain(std::move(e), 0, width);
    if (f && f->has_bits && f->width == width) {
      IntValue v = bits_value(f->bits, width);
      if (!v.constant) v.mask &= f->may_be_one;
      return v;
    }
    std::uint64_t mask = f ? f->may_be_one : mask_of_expression(e);
    if (!f && width < 64 && (mask >> 63)) mask = kAll;
    return plain(as_int(std::move(e)), mask, width);
  }

  // An i1 operand as its expression.
  Result<Expression> bool_operand(const ir::Operand& operand) {
    if (const auto* i = std::get_if<ir::ConstInt>(&operand)) return Expression(BoolLiteral{i->value != 0});
    if (const auto* b = std::get_if<ir::ConstBool>(&operand)) return Expression(BoolLiteral{b->value});
    return lower_bool_operand(operand, ctx_);
  }

  // Binds an integer. What it made is charged to the size budget: bit expressions are
  // copied into several bits and results.
  Status bind(std::string_view name, IntValue v) {
    Expression e = expr(v);
    std::uint64_t nodes = qasm::measure(e).nodes;
    for (const Expression& b : v.bits) nodes += qasm::measure(b).nodes;
    BRINTAVEL_CHECK(ctx_.budget().charge(nodes, "SSA value", name));
    facts_.set(name, facts_of(v));
    return ctx_.bind_value(name, std::move(e));
  }

 private:
  LoweringContext& ctx_;
  ValueFacts& facts_;
};

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

// x + y for values without common bits: the same as x | y and x ^ y.
Result<IntValue> disjoint_sum(const IntValue& x, const IntValue& y, const Site& site) {
  if (bitwise_ok(x) && bitwise_ok(y) && (x.has_bits || y.has_bits) && span(x.mask | y.mask) <= kMaxBit + 1)
    return bitwise(x, y, or_bool, site);
  return plain(bin(BinaryOperator::Add, expr(x), expr(y)), x.mask | y.mask, x.width);
}

Result<IntValue> bit_and(const IntValue& x, const IntValue& y, const Site& site);

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

// 1 - 2 * int(x < 0): the sign of x as a factor.
Expression sign_factor(const IntValue& x) {
  return bin(BinaryOperator::Sub, lit(1),
             bin(BinaryOperator::Mul, lit(2), int_cast(bin(BinaryOperator::Lt, expr(x), lit(0)))));
}

// |x| without a rounding-dependent operator.
Expression magnitude(const IntValue& x) {
  if (x.constant) return lit(*x.constant < 0 ? -*x.constant : *x.constant);
  if (x.non_negative()) return expr(x);
  return bin(BinaryOperator::Mul, sign_factor(x), expr(x));
}

bool is_min(std::int64_t v, unsigned width) { return v == wrap(std::uint64_t{1} << (width - 1), width); }

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

// ---- Floating point ------------------------------------------------------------------

Result<Expression> float_operand(const ir::Operand& operand, LoweringContext& ctx) {
  if (const auto* f = std::get_if<ir::ConstFloat>(&operand)) return Expression(FloatLiteral{f->value});
  if (const auto* s = std::get_if<ir::Ssa>(&operand)) return ctx.lookup_value(s->name);
  return unsupported(cat("could not interpret floating-point operand ", q(ir::debug_render(operand))));
}

std::optional<double> float_constant(const Expression& e) {
  if (const auto* f = std::get_if<FloatLiteral>(&e.node)) return f->value;
  return std::nullopt;
}

bool is_double(std::string_view ty) { return ty == "double"; }

// A floating-point constant rounded to the precision of `ty` (float or double).
std::optional<double> rounded(double v, std::string_view ty) {
  if (ty == "double") return v;
  if (ty == "float") return static_cast<double>(static_cast<float>(v));
  return std::nullopt;
}

}  // namespace

// ---- Shared helpers ------------------------------------------------------------------

bool is_bool_typed(const Expression& e) {
  if (std::holds_alternative<BoolLiteral>(e.node)) return true;
  if (const auto* u = std::get_if<qasm::Unary>(&e.node)) return u->op == UnaryOperator::Not;
  return is_boolean_valued(e);
}

Expression as_bool(Expression e) {
  if (const auto* i = std::get_if<IntLiteral>(&e.node)) return BoolLiteral{i->value != 0};
  if (is_bool_typed(e)) return e;
  return bin(BinaryOperator::Eq, std::move(e), lit(1));
}

Expression as_int(Expression e) {
  if (const auto* b = as_literal(e)) return lit(b->value ? 1 : 0);
  if (is_bool_typed(e) || qasm::is_indexed(e)) return int_cast(std::move(e));
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

std::uint64_t ValueFacts::may_be_one(const ir::Operand& operand, const LoweringContext& ctx) const {
  if (const auto* i = std::get_if<ir::ConstInt>(&operand)) return i->value.low();
  if (const auto* b = std::get_if<ir::ConstBool>(&operand)) return b->value ? 1 : 0;
  const auto* s = std::get_if<ir::Ssa>(&operand);
  if (!s) return kAll;
  if (const IntFacts* f = find(s->name)) return f->may_be_one;
  const Expression* e = ctx.peek_value(s->name);
  return e ? mask_of_expression(*e) : kAll;
}

Status defer_failure(Status status, std::string_view result, LoweringContext& ctx) {
  if (status || ctx.budget().used() >= ctx.budget().limit()) return status;
  ctx.take_pending();
  ctx.bind_unexpressible(result, std::move(status).error().message);
  return {};
}

// ---- Instructions --------------------------------------------------------------------

Status lower_int_op(const ir::IntOp& op, LoweringContext& ctx, ValueFacts& facts) {
  Site site{op.result, ir::opcode_name(op.op), op.ty};
  auto width = int_width(op.ty);
  if (!width) return site.no_form(cat("integers of type ", op.ty, " are not supported"));
  Values values(ctx, facts);
  BRINTAVEL_TRY_ASSIGN(IntValue x, values.operand(op.lhs, *width));
  BRINTAVEL_TRY_ASSIGN(IntValue y, values.operand(op.rhs, *width));
  IntValue r;
  switch (op.op) {
    case ir::IntOpKind::And: { BRINTAVEL_TRY_ASSIGN(r, bit_and(x, y, site)); break; }
    case ir::IntOpKind::Or: { BRINTAVEL_TRY_ASSIGN(r, bit_or(x, y, site)); break; }
    case ir::IntOpKind::Xor: { BRINTAVEL_TRY_ASSIGN(r, bit_xor(x, y, site)); break; }
    case ir::IntOpKind::Shl: {
      BRINTAVEL_TRY_ASSIGN(unsigned sh, shift_amount(y, *width, site));
      BRINTAVEL_TRY_ASSIGN(r, shift_left(x, sh, site));
      break;
    }
    case ir::IntOpKind::LShr:
    case ir::IntOpKind::AShr: {
      BRINTAVEL_TRY_ASSIGN(unsigned sh, shift_amount(y, *width, site));
      BRINTAVEL_TRY_ASSIGN(r, shift_right(x, sh, op.op == ir::IntOpKind::AShr, site));
      break;
    }
    default: { BRINTAVEL_TRY_ASSIGN(r, divide(op.op, x, y, site)); break; }
  }
  return values.bind(op.result, std::move(r));
}

Status lower_cast(const ir::Cast& cast, LoweringContext& ctx, ValueFacts& facts) {
  Site site{cast.result, ir::opcode_name(cast.kind), cast.from_ty};
  Values values(ctx, facts);
  auto from = int_width(cast.from_ty);
  auto to = int_width(cast.to_ty);
  switch (cast.kind) {
    case ir::CastKind::Trunc:
    case ir::CastKind::ZExt:
    case ir::CastKind::SExt: {
      if (!from || !to) return site.no_form(cat("a cast from ", cast.from_ty, " to ", cast.to_ty));
      if (*from == 1) {
        BRINTAVEL_TRY_ASSIGN(Expression b, values.bool_operand(cast.value));
        if (*to == 1) return ctx.bind_value(cast.result, std::move(b));
        if (cast.kind == ir::CastKind::SExt) {
          if (const auto* l = as_literal(b)) return values.bind(cast.result, constant_value(l->value ? kAll : 0, *to));
          return values.bind(cast.result, plain(negative(int_of_i1(std::move(b))), kAll, *to));
        }
        // An i1 value is used as an integer as it is, as under the base rules; its bit is
        // kept for the operations that follow.
        std::vector<Expression> bits;
        bits.push_back(b);
        IntValue v = bits_value(std::move(bits), *to);
        if (v.constant) return values.bind(cast.result, std::move(v));
        facts.set(cast.result, facts_of(v));
        return ctx.bind_value(cast.result, std::move(b));
      }
      BRINTAVEL_TRY_ASSIGN(IntValue x, values.operand(cast.value, *from));
      if (cast.kind == ir::CastKind::Trunc) {
        if (*to == 1) {
          BRINTAVEL_TRY_ASSIGN(Expression b, bit_of(x, 0, site));
          return ctx.bind_value(cast.result, std::move(b));
        }
        if (x.constant) return values.bind(cast.result, constant_value(static_cast<std::uint64_t>(*x.constant), *to));
        if (x.has_bits) {
          std::vector<Expression> bits = std::move(x.bits);
          if (bits.size() > *to) bits.erase(bits.begin() + *to, bits.end());
          return values.bind(cast.result, bits_value(std::move(bits), *to));
        }
        if (x.non_negative() && span(x.mask) < *to) {
          x.width = *to;
          return values.bind(cast.result, std::move(x));
        }
        if (*to > kMaxBit) return site.no_form(cat("a truncation to ", cast.to_ty, " of a possibly large integer"));
        // The low bits as an unsigned number u, then u - 2^n when its sign bit is set.
        IntValue u = plain(modulo_pow2(x, *to), low_bits(*to), *to);
        Expression sign = int_cast(bin(BinaryOperator::Ge, expr(u), lit(pow2(*to - 1))));
        return values.bind(cast.result, plain(bin(BinaryOperator::Sub, expr(u),
                                                  bin(BinaryOperator::Mul, lit(pow2(*to)), std::move(sign))),
                                              kAll, *to));
      }
      if (cast.kind == ir::CastKind::SExt || x.non_negative()) {
        if (x.has_bits && cast.kind == ir::CastKind::SExt && x.bits.size() == *from) {
          x = plain(expr(x), x.mask, *to);
        }
        x.width = *to;
        return values.bind(cast.result, std::move(x));
      }
      // zext of a possibly negative value
      if (x.constant) return values.bind(cast.result, constant_value(static_cast<std::uint64_t>(*x.constant) & low_bits(*from), *to));
      if (x.has_bits) return values.bind(cast.result, bits_value(std::move(x.bits), *to));
      if (*from > kMaxBit) return site.no_form("a zero extension of a possibly negative 64-bit integer");
      return values.bind(cast.result, plain(modulo_pow2(x, *from), low_bits(*from), *to));
    }
    case ir::CastKind::SIToFP:
    case ir::CastKind::UIToFP: {
      if (!from) return site.no_form(cat("a cast from ", cast.from_ty));
      bool is_signed = cast.kind == ir::CastKind::SIToFP;
      Expression value = lit(0);
      std::optional<double> constant;
      bool exact_in_float = false;
      if (*from == 1) {
        BRINTAVEL_TRY_ASSIGN(Expression b, values.bool_operand(cast.value));
        if (const auto* l = as_literal(b)) constant = l->value ? (is_signed ? -1.0 : 1.0) : 0.0;
        value = is_signed ? negative(int_of_i1(std::move(b))) : int_of_i1(std::move(b));
        exact_in_float = true;
      } else {
        BRINTAVEL_TRY_ASSIGN(IntValue x, values.operand(cast.value, *from));
        if (x.constant) {
          constant = is_signed ? static_cast<double>(*x.constant)
                               : static_cast<double>(static_cast<std::uint64_t>(*x.constant) & low_bits(*from));
        } else if (is_signed || x.non_negative()) {
          value = expr(x);
        } else if (*from <= kMaxBit) {
          value = unsigned_of(x);
        } else {
          return site.no_form("an unsigned conversion of a possibly negative 64-bit integer");
        }
        exact_in_float = x.non_negative() && span(x.mask) <= 24;
      }
      if (constant) {
        auto r = rounded(*constant, cast.to_ty);
        if (!r) return site.no_form(cat("a conversion to ", cast.to_ty));
        return ctx.bind_value(cast.result, FloatLiteral{*r});
      }
      if (!is_double(cast.to_ty) && !(cast.to_ty == "float" && exact_in_float))
        return site.no_form(cat("a conversion to ", cast.to_ty, ", rounded to a precision the dialect does not have"));
      return ctx.bind_value(cast.result, float_cast(std::move(value)));
    }
    case ir::CastKind::FPToSI:
    case ir::CastKind::FPToUI: {
      if (!to || *to == 1) return site.no_form(cat("a conversion to ", cast.to_ty));
      BRINTAVEL_TRY_ASSIGN(Expression v, float_operand(cast.value, ctx));
      if (auto c = float_constant(v)) {
        double t = std::trunc(*c);
        bool is_signed = cast.kind == ir::CastKind::FPToSI;
        double lo = is_signed ? -std::ldexp(1.0, static_cast<int>(*to) - 1) : 0.0;
        double hi = std::ldexp(1.0, static_cast<int>(*to) - (is_signed ? 1 : 0));
        if (!(t >= lo && t < hi) || t >= std::ldexp(1.0, 63))
          return site.no_form(cat("the conversion of ", qasm::format_float(*c), " to ", cast.to_ty, ", which is out of range"));
        return values.bind(cast.result, constant_value(static_cast<std::uint64_t>(static_cast<std::int64_t>(t)), *to));
      }
      // int(...) truncates toward zero, as fptosi does.
      return values.bind(cast.result, plain(int_cast(std::move(v)), kAll, *to));
    }
    case ir::CastKind::FPExt: {
      BRINTAVEL_TRY_ASSIGN(Expression v, float_operand(cast.value, ctx));
      return ctx.bind_value(cast.result, std::move(v));
    }
    case ir::CastKind::FPTrunc: {
      BRINTAVEL_TRY_ASSIGN(Expression v, float_operand(cast.value, ctx));
      auto c = float_constant(v);
      auto r = c ? rounded(*c, cast.to_ty) : std::nullopt;
      if (!r) return site.no_form(cat("a rounding to ", cast.to_ty));
      return ctx.bind_value(cast.result, FloatLiteral{*r});
    }
  }
  return site.no_form("an unknown cast");
}

Status lower_float_op(const ir::FloatOp& op, LoweringContext& ctx) {
  Site site{op.result, ir::opcode_name(op.op), op.ty};
  BRINTAVEL_TRY_ASSIGN(Expression a, float_operand(op.lhs, ctx));
  BRINTAVEL_TRY_ASSIGN(Expression b, float_operand(op.rhs, ctx));
  auto ca = float_constant(a), cb = float_constant(b);
  if (ca && cb && (op.ty == "double" || op.ty == "float")) {
    // In single precision the operands and the result are rounded to float.
    auto fold = [&](auto x, auto y) -> double {
      switch (op.op) {
        case ir::FloatOpKind::FAdd: return x + y;
        case ir::FloatOpKind::FSub: return x - y;
        case ir::FloatOpKind::FMul: return x * y;
        case ir::FloatOpKind::FDiv: return x / y;
        case ir::FloatOpKind::FRem: return std::fmod(x, y);
      }
      return 0;
    };
    double r = op.ty == "float" ? fold(static_cast<float>(*ca), static_cast<float>(*cb)) : fold(*ca, *cb);
    return ctx.bind_value(op.result, FloatLiteral{r});
  }
  if (!is_double(op.ty))
    return site.no_form(cat("arithmetic on ", op.ty, " rounds to a precision the dialect does not have"));
  static constexpr BinaryOperator kOps[] = {BinaryOperator::Add, BinaryOperator::Sub, BinaryOperator::Mul,
                                            BinaryOperator::Div};
  if (op.op == ir::FloatOpKind::FRem) return site.no_form("the floating-point remainder has no operator");
  return ctx.bind_value(op.result, bin(kOps[static_cast<std::size_t>(op.op)], std::move(a), std::move(b)));
}

Status lower_fneg(const ir::FNeg& op, LoweringContext& ctx) {
  BRINTAVEL_TRY_ASSIGN(Expression v, float_operand(op.value, ctx));
  return ctx.bind_value(op.result, negative(std::move(v)));
}

// The relations of the comparison predicates, after their u, s or o prefix.
constexpr std::pair<std::string_view, BinaryOperator> kRelations[] = {
    {"eq", BinaryOperator::Eq}, {"ne", BinaryOperator::Ne}, {"lt", BinaryOperator::Lt},
    {"le", BinaryOperator::Le}, {"gt", BinaryOperator::Gt}, {"ge", BinaryOperator::Ge}};

Status lower_fcmp(const ir::Fcmp& op, LoweringContext& ctx) {
  Site site{op.result, "fcmp", op.predicate};
  std::string_view p = op.predicate;
  if (p == "true" || p == "false") return ctx.bind_value(op.result, BoolLiteral{p == "true"});
  BRINTAVEL_TRY_ASSIGN(Expression a, float_operand(op.lhs, ctx));
  BRINTAVEL_TRY_ASSIGN(Expression b, float_operand(op.rhs, ctx));
  bool ordered = p.starts_with('o');
  std::string_view relation = p.size() == 3 ? p.substr(1) : std::string_view();
  if (p == "ord" || p == "uno") relation = p;
  auto ca = float_constant(a), cb = float_constant(b);
  if (relation == "ord" || relation == "uno") {
    // No NaN arises from the values the dialect can hold.
    bool nan = ca && cb ? (std::isnan(*ca) || std::isnan(*cb)) : false;
    return ctx.bind_value(op.result, BoolLiteral{relation == "ord" ? !nan : nan});
  }
  for (auto [name, bop] : kRelations) {
    if (relation != name || !(p[0] == 'o' || p[0] == 'u')) continue;
    if (ca && cb) {
      double x = *ca, y = *cb;
      bool unordered = std::isnan(x) || std::isnan(y);
      bool r = false;
      switch (bop) {
        case BinaryOperator::Eq: r = x == y; break;
        case BinaryOperator::Ne: r = x != y && !unordered; break;
        case BinaryOperator::Lt: r = x < y; break;
        case BinaryOperator::Le: r = x <= y; break;
        case BinaryOperator::Gt: r = x > y; break;
        default: r = x >= y; break;
      }
      return ctx.bind_value(op.result, BoolLiteral{unordered ? !ordered : r});
    }
    return ctx.bind_value(op.result, bin(bop, std::move(a), std::move(b)));
  }
  return site.no_form(cat("the predicate ", q(p), " is not known"));
}

Status lower_icmp_extended(const ir::Icmp& icmp, LoweringContext& ctx, ValueFacts& facts) {
  Site site{icmp.result, "icmp", icmp.predicate};
  std::string_view p = icmp.predicate;
  bool is_unsigned = p.size() == 3 && p[0] == 'u';
  bool is_signed = p.size() == 3 && p[0] == 's';
  std::string_view relation = is_unsigned || is_signed ? p.substr(1) : p;
  std::optional<BinaryOperator> bop;
  for (auto [name, o] : kRelations)
    if (relation == name && (is_unsigned || is_signed) == (o != BinaryOperator::Eq && o != BinaryOperator::Ne)) bop = o;
  if (!bop) return site.no_form(cat("the predicate ", q(p), " is not known"));

  Values values(ctx, facts);
  // i1 operands (told by their values: a constant true may stand for an integer 1 where a
  // zext of it was folded): compare as Booleans.
  auto is_i1 = [&](const ir::Operand& o) {
    const auto* s = std::get_if<ir::Ssa>(&o);
    if (!s || facts.find(s->name)) return false;  // integers used as they are have facts
    const Expression* e = ctx.peek_value(s->name);
    return e && (is_bool_typed(*e) || qasm::is_indexed(*e));
  };
  // The base rule orders i1 values by their type (signed, true is -1).
  if (is_i1(icmp.lhs) || is_i1(icmp.rhs)) return lower_icmp(icmp, ctx);
  BRINTAVEL_TRY_ASSIGN(IntValue x, values.operand(icmp.lhs, 64));
  BRINTAVEL_TRY_ASSIGN(IntValue y, values.operand(icmp.rhs, 64));
  // The base rule's form where it is exact: it takes unsigned order for signed order.
  if (!is_unsigned || (x.non_negative() && y.non_negative())) return lower_icmp(icmp, ctx);
  if (x.constant && y.constant) {
    // (Only unsigned order comes here.)
    auto a = static_cast<std::uint64_t>(*x.constant), b = static_cast<std::uint64_t>(*y.constant);
    bool r = *bop == BinaryOperator::Lt ? a < b
             : *bop == BinaryOperator::Le ? a <= b
             : *bop == BinaryOperator::Gt ? a > b
                                          : a >= b;
    return ctx.bind_value(icmp.result, BoolLiteral{r});
  }
  // Unsigned order: a negative value (its sign bit set) is above every non-negative one,
  // and values of one sign keep their order.
  if (*bop == BinaryOperator::Gt || *bop == BinaryOperator::Ge) {
    std::swap(x, y);
    bop = *bop == BinaryOperator::Gt ? BinaryOperator::Lt : BinaryOperator::Le;
  }
  auto ge0 = [](const IntValue& v) { return bin(BinaryOperator::Ge, expr(v), lit(0)); };
  auto lt0 = [](const IntValue& v) { return bin(BinaryOperator::Lt, expr(v), lit(0)); };
  Expression order = bin(*bop, expr(x), expr(y));
  Expression value = lit(0);
  if (y.non_negative()) {
    value = bin(BinaryOperator::And, ge0(x), std::move(order));
  } else if (x.non_negative()) {
    value = bin(BinaryOperator::Or, lt0(y), std::move(order));
  } else {
    value = bin(BinaryOperator::Or, bin(BinaryOperator::And, ge0(x), lt0(y)),
                bin(BinaryOperator::And, bin(BinaryOperator::Eq, lt0(x), lt0(y)), std::move(order)));
  }
  return ctx.bind_value(icmp.result, std::move(value));
}

namespace {

// What is known of the value of add, sub or mul (its form is the base rule's).
Result<IntValue> arith_value(const ir::Arith& arith, LoweringContext& ctx, ValueFacts& facts) {
  Values values(ctx, facts);
  BRINTAVEL_TRY_ASSIGN(IntValue x, values.operand(arith.lhs, 64));
  BRINTAVEL_TRY_ASSIGN(IntValue y, values.operand(arith.rhs, 64));
  auto ux = x.constant ? static_cast<std::uint64_t>(*x.constant) : 0;
  auto uy = y.constant ? static_cast<std::uint64_t>(*y.constant) : 0;
  bool small = x.non_negative() && y.non_negative() && span(x.mask) < 62 && span(y.mask) < 62;
  switch (arith.op) {
    case ir::ArithOp::Add: {
      if (x.constant && y.constant) return constant_value(ux + uy, 64);
      if (x.constant && *x.constant == 0) return y;
      if (y.constant && *y.constant == 0) return x;
      if ((x.mask & y.mask) == 0) {
        Site site{arith.result, "add", "i64"};
        BRINTAVEL_TRY_ASSIGN(IntValue sum, disjoint_sum(x, y, site));
        return sum;
      }
      std::uint64_t mask = small ? smear(x.mask + y.mask) : kAll;
      return plain(bin(BinaryOperator::Add, expr(x), expr(y)), mask, 64);
    }
    case ir::ArithOp::Sub: {
      if (x.constant && y.constant) return constant_value(ux - uy, 64);
      if (y.constant && *y.constant == 0) return x;
      // x - y for y's bits within x's known bits is x with those bits cleared... only when
      // known; otherwise the sign is unknown.
      return plain(bin(BinaryOperator::Sub, expr(x), expr(y)), kAll, 64);
    }
    case ir::ArithOp::Mul: {
      if (x.constant && y.constant) return constant_value(ux * uy, 64);
      // A product by 2^k shifts the bits.
      for (auto [a, b] : {std::pair{&x, &y}, std::pair{&y, &x}}) {
        if (b->constant && *b->constant > 0 && std::has_single_bit(static_cast<std::uint64_t>(*b->constant)) &&
            a->has_bits) {
          Site site{arith.result, "mul", "i64"};
          BRINTAVEL_TRY_ASSIGN(IntValue shifted,
                               shift_left(*a, static_cast<unsigned>(std::countr_zero(static_cast<std::uint64_t>(*b->constant))), site));
          return shifted;
        }
      }
      // Non-negative factors of a and b bits have a product below 2^(a+b).
      std::uint64_t mask = kAll;
      if (small && span(x.mask) + span(y.mask) < 63) mask = low_bits(span(x.mask) + span(y.mask));
      return plain(bin(BinaryOperator::Mul, expr(x), expr(y)), mask, 64);
    }
  }
  return internal_error("an arithmetic operation without a kind");
}

}  // namespace

Status lower_arith_extended(const ir::Arith& arith, LoweringContext& ctx, ValueFacts& facts) {
  BRINTAVEL_TRY_ASSIGN(IntValue value, arith_value(arith, ctx, facts));
  BRINTAVEL_CHECK(lower_arith(arith, ctx));
  facts.set(arith.result, facts_of(value));
  return {};
}


Status lower_select_extended(const ir::Select& select, LoweringContext& ctx, ValueFacts& facts) {
  if (select.ty == "i1") return lower_select(select, ctx);
  Values values(ctx, facts);
  BRINTAVEL_TRY_ASSIGN(Expression c, values.bool_operand(select.cond));
  auto width = int_width(select.ty);
  if (width) {
    BRINTAVEL_TRY_ASSIGN(IntValue t, values.operand(select.then_value, *width));
    BRINTAVEL_TRY_ASSIGN(IntValue e, values.operand(select.else_value, *width));
    if (select.ty == "i32" || select.ty == "i64") {
      // The base rule's form, with what is known of the value.
      BRINTAVEL_CHECK(lower_select(select, ctx));
      IntFacts f;
      f.width = *width;
      f.may_be_one = t.mask | e.mask;
      facts.set(select.result, std::move(f));
      return {};
    }
    if (const auto* l = as_literal(c)) return values.bind(select.result, l->value ? std::move(t) : std::move(e));
    if (t.constant && e.constant && *t.constant == *e.constant) return values.bind(select.result, std::move(t));
    // int(c) * t + (1 - int(c)) * e
    Expression chosen = bin(BinaryOperator::Add, bin(BinaryOperator::Mul, int_of_i1(c), expr(t)),
                            bin(BinaryOperator::Mul, bin(BinaryOperator::Sub, lit(1), int_of_i1(c)), expr(e)));
    return values.bind(select.result, plain(std::move(chosen), t.mask | e.mask, *width));
  }
  if (is_double(select.ty)) {
    BRINTAVEL_TRY_ASSIGN(Expression t, float_operand(select.then_value, ctx));
    BRINTAVEL_TRY_ASSIGN(Expression e, float_operand(select.else_value, ctx));
    if (const auto* l = as_literal(c)) return ctx.bind_value(select.result, l->value ? std::move(t) : std::move(e));
    // float(c) * t + float(1 - c) * e: exact for the finite values the dialect holds.
    Expression chosen =
        bin(BinaryOperator::Add, bin(BinaryOperator::Mul, float_cast(int_of_i1(c)), std::move(t)),
            bin(BinaryOperator::Mul, float_cast(bin(BinaryOperator::Sub, lit(1), int_of_i1(c))), std::move(e)));
    return ctx.bind_value(select.result, std::move(chosen));
  }
  return lower_select(select, ctx);
}

}  // namespace brintavel::translator
