#include "translator/extended_values.hpp"

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
using namespace ints;

namespace {

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

namespace {

// ---- Instructions --------------------------------------------------------------------

Status lower_value(const ir::IntOp& op, LoweringContext& ctx, ValueFacts& facts) {
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


// What a cast needs: where it is made (for the messages), its operand reader and its widths.
struct CastSite {
  const ir::Cast& cast;
  LoweringContext& ctx;
  ValueFacts& facts;
  Site site;
  Values values;
  std::optional<unsigned> from;
  std::optional<unsigned> to;

  CastSite(const ir::Cast& c, LoweringContext& context, ValueFacts& value_facts)
      : cast(c),
        ctx(context),
        facts(value_facts),
        site{c.result, ir::opcode_name(c.kind), c.from_ty},
        values(context, value_facts),
        from(int_width(c.from_ty)),
        to(int_width(c.to_ty)) {}

  Status bind(IntValue v) { return values.bind(cast.result, std::move(v)); }
};

// trunc, zext or sext of an i1.
Status resize_bit(CastSite& c) {
  BRINTAVEL_TRY_ASSIGN(Expression b, c.values.bool_operand(c.cast.value));
  if (*c.to == 1) return c.ctx.bind_value(c.cast.result, std::move(b));
  if (c.cast.kind == ir::CastKind::SExt) {
    if (const auto* l = as_literal(b)) return c.bind(constant_value(l->value ? kAll : 0, *c.to));
    return c.bind(plain(negative(int_of_i1(std::move(b))), kAll, *c.to));
  }
  // An i1 value is used as an integer as it is, as under the base rules; its bit is kept for
  // the operations that follow.
  std::vector<Expression> bits;
  bits.push_back(b);
  IntValue v = bits_value(std::move(bits), *c.to);
  if (v.constant) return c.bind(std::move(v));
  c.facts.set(c.cast.result, facts_of(v));
  return c.ctx.bind_value(c.cast.result, std::move(b));
}

// trunc of a wider integer.
Status truncate(CastSite& c, IntValue x) {
  unsigned to = *c.to;
  if (to == 1) {
    BRINTAVEL_TRY_ASSIGN(Expression b, bit_of(x, 0, c.site));
    return c.ctx.bind_value(c.cast.result, std::move(b));
  }
  if (x.constant) return c.bind(constant_value(static_cast<std::uint64_t>(*x.constant), to));
  if (x.has_bits) {
    std::vector<Expression> bits = std::move(x.bits);
    if (bits.size() > to) bits.erase(bits.begin() + to, bits.end());
    return c.bind(bits_value(std::move(bits), to));
  }
  if (x.non_negative() && span(x.mask) < to) {
    x.width = to;
    return c.bind(std::move(x));
  }
  if (to > kMaxBit) return c.site.no_form(cat("a truncation to ", c.cast.to_ty, " of a possibly large integer"));
  // The low bits as an unsigned number u, then u - 2^n when its sign bit is set.
  IntValue u = plain(modulo_pow2(x, to), low_bits(to), to);
  Expression sign = int_cast(bin(BinaryOperator::Ge, expr(u), lit(pow2(to - 1))));
  return c.bind(plain(bin(BinaryOperator::Sub, expr(u), bin(BinaryOperator::Mul, lit(pow2(to)), std::move(sign))),
                      kAll, to));
}

// zext or sext of a wider integer.
Status extend(CastSite& c, IntValue x) {
  unsigned from = *c.from, to = *c.to;
  if (c.cast.kind == ir::CastKind::SExt || x.non_negative()) {
    if (x.has_bits && c.cast.kind == ir::CastKind::SExt && x.bits.size() == from) x = plain(expr(x), x.mask, to);
    x.width = to;
    return c.bind(std::move(x));
  }
  // zext of a possibly negative value
  if (x.constant) return c.bind(constant_value(static_cast<std::uint64_t>(*x.constant) & low_bits(from), to));
  if (x.has_bits) return c.bind(bits_value(std::move(x.bits), to));
  if (from > kMaxBit) return c.site.no_form("a zero extension of a possibly negative 64-bit integer");
  return c.bind(plain(modulo_pow2(x, from), low_bits(from), to));
}

// trunc, zext and sext.
Status resize_integer(CastSite& c) {
  if (!c.from || !c.to) return c.site.no_form(cat("a cast from ", c.cast.from_ty, " to ", c.cast.to_ty));
  if (*c.from == 1) return resize_bit(c);
  BRINTAVEL_TRY_ASSIGN(IntValue x, c.values.operand(c.cast.value, *c.from));
  if (c.cast.kind == ir::CastKind::Trunc) return truncate(c, std::move(x));
  return extend(c, std::move(x));
}

// sitofp and uitofp.
Status integer_to_float(CastSite& c) {
  if (!c.from) return c.site.no_form(cat("a cast from ", c.cast.from_ty));
  bool is_signed = c.cast.kind == ir::CastKind::SIToFP;
  Expression value = lit(0);
  std::optional<double> constant;
  bool exact_in_float = false;
  if (*c.from == 1) {
    BRINTAVEL_TRY_ASSIGN(Expression b, c.values.bool_operand(c.cast.value));
    if (const auto* l = as_literal(b)) constant = l->value ? (is_signed ? -1.0 : 1.0) : 0.0;
    value = is_signed ? negative(int_of_i1(std::move(b))) : int_of_i1(std::move(b));
    exact_in_float = true;
  } else {
    BRINTAVEL_TRY_ASSIGN(IntValue x, c.values.operand(c.cast.value, *c.from));
    if (x.constant) {
      constant = is_signed ? static_cast<double>(*x.constant)
                           : static_cast<double>(static_cast<std::uint64_t>(*x.constant) & low_bits(*c.from));
    } else if (is_signed || x.non_negative()) {
      value = expr(x);
    } else if (*c.from <= kMaxBit) {
      value = unsigned_of(x);
    } else {
      return c.site.no_form("an unsigned conversion of a possibly negative 64-bit integer");
    }
    exact_in_float = x.non_negative() && span(x.mask) <= 24;
  }
  if (constant) {
    auto r = rounded(*constant, c.cast.to_ty);
    if (!r) return c.site.no_form(cat("a conversion to ", c.cast.to_ty));
    return c.ctx.bind_value(c.cast.result, FloatLiteral{*r});
  }
  if (!is_double(c.cast.to_ty) && !(c.cast.to_ty == "float" && exact_in_float))
    return c.site.no_form(cat("a conversion to ", c.cast.to_ty, ", rounded to a precision the dialect does not have"));
  return c.ctx.bind_value(c.cast.result, float_cast(std::move(value)));
}

// fptosi and fptoui.
Status float_to_integer(CastSite& c) {
  if (!c.to || *c.to == 1) return c.site.no_form(cat("a conversion to ", c.cast.to_ty));
  BRINTAVEL_TRY_ASSIGN(Expression v, float_operand(c.cast.value, c.ctx));
  if (auto constant = float_constant(v)) {
    double t = std::trunc(*constant);
    bool is_signed = c.cast.kind == ir::CastKind::FPToSI;
    double lo = is_signed ? -std::ldexp(1.0, static_cast<int>(*c.to) - 1) : 0.0;
    double hi = std::ldexp(1.0, static_cast<int>(*c.to) - (is_signed ? 1 : 0));
    if (!(t >= lo && t < hi) || t >= std::ldexp(1.0, 63))
      return c.site.no_form(
          cat("the conversion of ", qasm::format_float(*constant), " to ", c.cast.to_ty, ", which is out of range"));
    return c.bind(constant_value(static_cast<std::uint64_t>(static_cast<std::int64_t>(t)), *c.to));
  }
  // int(...) truncates toward zero, as fptosi does.
  return c.bind(plain(int_cast(std::move(v)), kAll, *c.to));
}

// fpext and fptrunc.
Status resize_float(CastSite& c) {
  BRINTAVEL_TRY_ASSIGN(Expression v, float_operand(c.cast.value, c.ctx));
  if (c.cast.kind == ir::CastKind::FPExt) return c.ctx.bind_value(c.cast.result, std::move(v));
  auto constant = float_constant(v);
  auto r = constant ? rounded(*constant, c.cast.to_ty) : std::nullopt;
  if (!r) return c.site.no_form(cat("a rounding to ", c.cast.to_ty));
  return c.ctx.bind_value(c.cast.result, FloatLiteral{*r});
}


Status lower_value(const ir::Cast& cast, LoweringContext& ctx, ValueFacts& facts) {
  CastSite c(cast, ctx, facts);
  switch (cast.kind) {
    case ir::CastKind::Trunc:
    case ir::CastKind::ZExt:
    case ir::CastKind::SExt: return resize_integer(c);
    case ir::CastKind::SIToFP:
    case ir::CastKind::UIToFP: return integer_to_float(c);
    case ir::CastKind::FPToSI:
    case ir::CastKind::FPToUI: return float_to_integer(c);
    case ir::CastKind::FPExt:
    case ir::CastKind::FPTrunc: return resize_float(c);
  }
  return c.site.no_form("an unknown cast");
}

Status lower_value(const ir::FloatOp& op, LoweringContext& ctx, ValueFacts&) {
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

Status lower_value(const ir::FNeg& op, LoweringContext& ctx, ValueFacts&) {
  BRINTAVEL_TRY_ASSIGN(Expression v, float_operand(op.value, ctx));
  return ctx.bind_value(op.result, negative(std::move(v)));
}

// The relations of the comparison predicates, after their u, s or o prefix.
constexpr std::pair<std::string_view, BinaryOperator> kRelations[] = {
    {"eq", BinaryOperator::Eq}, {"ne", BinaryOperator::Ne}, {"lt", BinaryOperator::Lt},
    {"le", BinaryOperator::Le}, {"gt", BinaryOperator::Gt}, {"ge", BinaryOperator::Ge}};

Status lower_value(const ir::Fcmp& op, LoweringContext& ctx, ValueFacts&) {
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

Status lower_value(const ir::Icmp& icmp, LoweringContext& ctx, ValueFacts& facts) {
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


Status lower_value(const ir::Arith& arith, LoweringContext& ctx, ValueFacts& facts) {
  BRINTAVEL_TRY_ASSIGN(IntValue value, arith_value(arith, ctx, facts));
  BRINTAVEL_CHECK(lower_arith(arith, ctx));
  facts.set(arith.result, facts_of(value));
  return {};
}


Status lower_value(const ir::Select& select, LoweringContext& ctx, ValueFacts& facts) {
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

// The base rules' logic and zext are the extended rules' too.
Status lower_value(const ir::Logic& logic, LoweringContext& ctx, ValueFacts&) { return lower_logic(logic, ctx); }
Status lower_value(const ir::Zext& zext, LoweringContext& ctx, ValueFacts&) { return lower_zext(zext, ctx); }

}  // namespace

Status lower_extended_value(const ir::Instruction& instruction, LoweringContext& ctx, ValueFacts& facts) {
  return std::visit(
      [&](const auto& i) -> Status {
        if constexpr (requires { lower_value(i, ctx, facts); }) {
          return defer_failure(lower_value(i, ctx, facts), i.result, ctx);
        } else {
          return internal_error("an instruction that is not a value reached the value rules");
        }
      },
      instruction);
}

}  // namespace brintavel::translator
