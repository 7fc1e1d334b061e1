#include "translator/classical.hpp"

#include <array>
#include <limits>

#include "ir/operand_format.hpp"
#include "translator/int_algebra.hpp"
#include "translator/variables.hpp"

namespace brintavel::translator {

using qasm::BinaryOperator;
using qasm::Expression;
using qasm::IntLiteral;
using qasm::make_binary;
using qasm::make_not;
using text::cat;
using text::q;

namespace {

std::optional<BinaryOperator> comparison_for(std::string_view predicate) {
  if (predicate == "eq") return BinaryOperator::Eq;
  if (predicate == "ne") return BinaryOperator::Ne;
  if (predicate == "ult" || predicate == "slt") return BinaryOperator::Lt;
  if (predicate == "ule" || predicate == "sle") return BinaryOperator::Le;
  if (predicate == "ugt" || predicate == "sgt") return BinaryOperator::Gt;
  if (predicate == "uge" || predicate == "sge") return BinaryOperator::Ge;
  return std::nullopt;
}

Result<Expression> lower_condition(const ir::Operand& operand, LoweringContext& ctx) {
  BRINTAVEL_TRY_ASSIGN(Expression value, lower_bool_operand(operand, ctx));
  return as_condition(std::move(value));
}


}  // namespace

bool is_boolean_valued(const Expression& e) {
  const auto* b = std::get_if<qasm::Binary>(&e.node);
  if (!b) {
    // The bool variables of the extended rules.
    const auto* id = std::get_if<qasm::Identifier>(&e.node);
    return id && id->name.starts_with(kBoolVariablePrefix);
  }
  switch (b->op) {
    case BinaryOperator::Or: case BinaryOperator::And: case BinaryOperator::Eq:
    case BinaryOperator::Ne: case BinaryOperator::Lt: case BinaryOperator::Le:
    case BinaryOperator::Gt: case BinaryOperator::Ge:
      return true;
    default:
      return false;
  }
}

Expression complement(Expression e) {
  if (std::holds_alternative<qasm::Identifier>(e.node) && is_boolean_valued(e)) return qasm::make_not(std::move(e));
  return make_binary(BinaryOperator::Eq, std::move(e), IntLiteral{0});
}

Expression as_condition(Expression e) {
  if (is_boolean_valued(e)) return e;
  return make_binary(BinaryOperator::Eq, std::move(e), IntLiteral{1});
}

Truth classify_constant(const ir::Operand& operand) {
  if (const auto* b = std::get_if<ir::ConstBool>(&operand)) return b->value ? Truth::True : Truth::False;
  if (const auto* i = std::get_if<ir::ConstInt>(&operand)) {
    if (i->value == 0) return Truth::False;
    if (i->value == 1) return Truth::True;
  }
  return Truth::Other;
}

Result<Expression> lower_bool_operand(const ir::Operand& operand, LoweringContext& ctx) {
  if (const auto* i = std::get_if<ir::ConstInt>(&operand)) {
    if (i->value == 0 || i->value == 1) return IntLiteral{*i->value.to_int64()};
    return unsupported(cat("could not interpret i1 constant operand ", i->value));
  }
  if (const auto* b = std::get_if<ir::ConstBool>(&operand)) return IntLiteral{b->value ? 1 : 0};
  if (const auto* s = std::get_if<ir::Ssa>(&operand)) return ctx.lookup_value(s->name);
  return unsupported(cat("could not interpret i1 constant operand ", q(ir::debug_render(operand))));
}

Result<Expression> lower_int_operand(const ir::Operand& operand, LoweringContext& ctx) {
  if (const auto* i = std::get_if<ir::ConstInt>(&operand)) {
    if (auto v = i->value.to_int64()) return IntLiteral{*v};
    return unsupported(cat("integer constant ", i->value,
                           " does not fit in i64; wider integer constants are not yet supported"));
  }
  if (const auto* b = std::get_if<ir::ConstBool>(&operand)) return IntLiteral{b->value ? 1 : 0};
  if (const auto* s = std::get_if<ir::Ssa>(&operand)) return ctx.lookup_value(s->name);
  return unsupported(cat("could not interpret integer operand ", q(ir::debug_render(operand))));
}

Status lower_icmp(const ir::Icmp& icmp, LoweringContext& ctx) {
  auto op = comparison_for(icmp.predicate);
  if (!op)
    return unsupported(cat("icmp predicate ", q(icmp.predicate),
                           " is not supported; supported predicates are [\"eq\", \"ne\", \"ult\", "
                           "\"slt\", \"ule\", \"sle\", \"ugt\", \"sgt\", \"uge\", \"sge\"]"));
  BRINTAVEL_TRY_ASSIGN(Expression lhs, lower_int_operand(icmp.lhs, ctx));
  BRINTAVEL_TRY_ASSIGN(Expression rhs, lower_int_operand(icmp.rhs, ctx));
  // Signed, an i1 true is -1, below false: with true written as 1, the operands trade places.
  if (icmp.ty == "i1" && icmp.predicate.starts_with('s')) std::swap(lhs, rhs);
  // Unsigned order is signed order where neither operand may be negative.
  if (auto width = int_width(icmp.ty); width && *width > 1 && icmp.predicate.starts_with('u')) {
    bool x_non_negative = ctx.range_of(icmp.lhs, *width).non_negative();
    bool y_non_negative = ctx.range_of(icmp.rhs, *width).non_negative();
    if (!x_non_negative || !y_non_negative)
      return ctx.bind_value(icmp.result,
                            unsigned_order(*op, std::move(lhs), std::move(rhs), x_non_negative, y_non_negative));
  }
  return ctx.bind_value(icmp.result, make_binary(*op, std::move(lhs), std::move(rhs)));
}

Expression unsigned_order(BinaryOperator op, Expression x, Expression y, bool x_non_negative, bool y_non_negative) {
  if (op == BinaryOperator::Gt || op == BinaryOperator::Ge) {
    std::swap(x, y);
    std::swap(x_non_negative, y_non_negative);
    op = op == BinaryOperator::Gt ? BinaryOperator::Lt : BinaryOperator::Le;
  }
  auto ge0 = [](const Expression& v) { return make_binary(BinaryOperator::Ge, v, IntLiteral{0}); };
  auto lt0 = [](const Expression& v) { return make_binary(BinaryOperator::Lt, v, IntLiteral{0}); };
  Expression order = make_binary(op, x, y);
  if (y_non_negative) return make_binary(BinaryOperator::And, ge0(x), std::move(order));
  if (x_non_negative) return make_binary(BinaryOperator::Or, lt0(y), std::move(order));
  return make_binary(BinaryOperator::Or, make_binary(BinaryOperator::And, ge0(x), lt0(y)),
                     make_binary(BinaryOperator::And, make_binary(BinaryOperator::Eq, lt0(x), lt0(y)), std::move(order)));
}

Result<std::optional<Expression>> wrapped(const Expression& value, const MathRange& math, unsigned width,
                                          std::string_view result, std::string_view opcode) {
  if (fits(math, width)) return std::optional<Expression>();
  if (math.lo == math.hi) return std::optional<Expression>(IntLiteral{wrap(math, width).lo});
  // ((v + M + H) % M) - H with M = 2^width and H = 2^(width-1) wraps any v >= -(M + H); a
  // lower v is first brought into (-M, M) by % (either rounding). Every step must stay within
  // the dialect's 64-bit integers.
  auto refuse = [&] {
    return unsupported(cat("SSA value ", q(result), " (", opcode, " i", width, ") may overflow ", width,
                           " bits, where LLVM wraps it around and the dialect's integers do not"));
  };
  if (width > 61 || !fits(math, 64)) return refuse();
  std::int64_t m = std::int64_t{1} << width, h = m / 2;
  bool reduce_first = math.lo < Int128(-(m + h));
  Int128 top = reduce_first ? Int128(m + m + h) : math.hi + Int128(m + h);
  if (!fits(MathRange{top, top}, 64)) return refuse();
  Expression v = value;
  if (reduce_first) v = make_binary(BinaryOperator::Mod, std::move(v), IntLiteral{m});
  Expression shifted = make_binary(BinaryOperator::Add, std::move(v), IntLiteral{m + h});
  return std::optional<Expression>(make_binary(
      BinaryOperator::Sub, make_binary(BinaryOperator::Mod, std::move(shifted), IntLiteral{m}), IntLiteral{h}));
}

Status lower_arith(const ir::Arith& arith, LoweringContext& ctx) {
  static constexpr std::array<BinaryOperator, 3> kOps = {BinaryOperator::Add, BinaryOperator::Sub,
                                                         BinaryOperator::Mul};
  static constexpr std::array<std::string_view, 3> kNames = {"add", "sub", "mul"};
  BRINTAVEL_TRY_ASSIGN(Expression lhs, lower_int_operand(arith.lhs, ctx));
  BRINTAVEL_TRY_ASSIGN(Expression rhs, lower_int_operand(arith.rhs, ctx));
  auto k = static_cast<std::size_t>(arith.op);
  // A comparison used as an integer is bound as the comparison: the dialect has no arithmetic
  // between two Booleans (a Boolean and an int it accepts). A constant Boolean (a phi of one
  // constant) beside another Boolean is written as the integer it extends to.
  if (is_bool_typed(lhs) && is_bool_typed(rhs)) {
    for (Expression* side : {&lhs, &rhs})
      if (const auto* b = std::get_if<qasm::BoolLiteral>(&side->node)) *side = IntLiteral{b->value ? 1 : 0};
    if (is_bool_typed(lhs) && is_bool_typed(rhs))
      return unsupported(cat("SSA value ", q(arith.result), " (", kNames[k], " ", arith.ty,
                             ") is arithmetic on two comparisons, which the dialect does not define between "
                             "Booleans"));
  }
  Expression value = make_binary(kOps[k], std::move(lhs), std::move(rhs));
  // LLVM's integers wrap around at their width, the dialect's do not: where the result may
  // leave the type's range, it is written reduced (an `nsw` result cannot: that is poison).
  unsigned width = int_width(arith.ty).value_or(64);
  if (width == 1) {
    // An i1 is written 0 or 1 (the bit it is): a sum or difference is taken modulo 2, a
    // product of bits is one already.
    if (arith.op == ir::ArithOp::Mul) return ctx.bind_value(arith.result, std::move(value));
    const auto& operation = std::get<qasm::Binary>(value.node);
    const auto* x = std::get_if<IntLiteral>(&operation.left->node);
    const auto* y = std::get_if<IntLiteral>(&operation.right->node);
    if (x && y) return ctx.bind_value(arith.result, IntLiteral{(x->value ^ y->value) & 1});
    Expression two = IntLiteral{2};
    return ctx.bind_value(arith.result,
                          make_binary(BinaryOperator::Mod, make_binary(BinaryOperator::Add, std::move(value), two), two));
  }
  IntRange a = ctx.range_of(arith.lhs, width), b = ctx.range_of(arith.rhs, width);
  MathRange math = arith.op == ir::ArithOp::Add   ? math_add(a, b)
                   : arith.op == ir::ArithOp::Sub ? math_sub(a, b)
                                                  : math_mul(a, b);
  if (arith.no_signed_wrap) {
    ctx.set_range(arith.result, clamp(math, width));
    return ctx.bind_value(arith.result, std::move(value));
  }
  BRINTAVEL_TRY_ASSIGN(std::optional<Expression> reduced, wrapped(value, math, width, arith.result, kNames[k]));
  if (reduced) value = std::move(*reduced);
  ctx.set_range(arith.result, wrap(math, width));
  return ctx.bind_value(arith.result, std::move(value));
}

Status lower_logic(const ir::Logic& logic, LoweringContext& ctx) {
  if (logic.op != ir::LogicOp::Xor) {
    BRINTAVEL_TRY_ASSIGN(Expression lhs, lower_bool_operand(logic.lhs, ctx));
    BRINTAVEL_TRY_ASSIGN(Expression rhs, lower_bool_operand(logic.rhs, ctx));
    auto op = logic.op == ir::LogicOp::And ? BinaryOperator::And : BinaryOperator::Or;
    return ctx.bind_value(logic.result, make_binary(op, as_condition(std::move(lhs)),
                                                    as_condition(std::move(rhs))));
  }
  // xor with a constant is the other side itself or its negation.
  Truth l = classify_constant(logic.lhs);
  Truth r = classify_constant(logic.rhs);
  Expression value = IntLiteral{0};
  if (l == Truth::Other && r != Truth::Other) {
    BRINTAVEL_TRY_ASSIGN(value, lower_bool_operand(logic.lhs, ctx));
    if (r == Truth::True) value = complement(std::move(value));
  } else if (l != Truth::Other && r == Truth::Other) {
    BRINTAVEL_TRY_ASSIGN(value, lower_bool_operand(logic.rhs, ctx));
    if (l == Truth::True) value = complement(std::move(value));
  } else {
    BRINTAVEL_TRY_ASSIGN(Expression lhs, lower_condition(logic.lhs, ctx));
    BRINTAVEL_TRY_ASSIGN(Expression rhs, lower_condition(logic.rhs, ctx));
    value = make_binary(BinaryOperator::Ne, std::move(lhs), std::move(rhs));
  }
  return ctx.bind_value(logic.result, std::move(value));
}

Status lower_select(const ir::Select& select, LoweringContext& ctx) {
  if (select.ty == "i1") {
    BRINTAVEL_TRY_ASSIGN(Expression c, lower_condition(select.cond, ctx));
    Truth t = classify_constant(select.then_value);
    Truth e = classify_constant(select.else_value);
    Expression value = IntLiteral{0};
    if (t == Truth::True && e == Truth::False) {
      value = std::move(c);
    } else if (t == Truth::False && e == Truth::True) {
      value = make_not(std::move(c));
    } else if (t == Truth::Other && e == Truth::False) {
      BRINTAVEL_TRY_ASSIGN(Expression arm, lower_condition(select.then_value, ctx));
      value = make_binary(BinaryOperator::And, std::move(c), std::move(arm));
    } else if (t == Truth::Other && e == Truth::True) {
      BRINTAVEL_TRY_ASSIGN(Expression arm, lower_condition(select.then_value, ctx));
      value = make_binary(BinaryOperator::Or, make_not(std::move(c)), std::move(arm));
    } else if (t == Truth::True && e == Truth::Other) {
      BRINTAVEL_TRY_ASSIGN(Expression arm, lower_condition(select.else_value, ctx));
      value = make_binary(BinaryOperator::Or, std::move(c), std::move(arm));
    } else if (t == Truth::False && e == Truth::Other) {
      BRINTAVEL_TRY_ASSIGN(Expression arm, lower_condition(select.else_value, ctx));
      value = make_binary(BinaryOperator::And, make_not(std::move(c)), std::move(arm));
    } else {
      BRINTAVEL_TRY_ASSIGN(Expression then_value, lower_condition(select.then_value, ctx));
      BRINTAVEL_TRY_ASSIGN(Expression else_value, lower_condition(select.else_value, ctx));
      Expression not_c = make_not(c);
      value = make_binary(BinaryOperator::Or,
                          make_binary(BinaryOperator::And, std::move(c), std::move(then_value)),
                          make_binary(BinaryOperator::And, std::move(not_c), std::move(else_value)));
    }
    return ctx.bind_value(select.result, std::move(value));
  }
  if (select.ty == "i32" || select.ty == "i64") {
    unsigned width = select.ty == "i32" ? 32 : 64;
    ctx.set_range(select.result, ctx.range_of(select.then_value, width).join(ctx.range_of(select.else_value, width)));
    // c * t + (1 - c) * e
    BRINTAVEL_TRY_ASSIGN(Expression c, lower_bool_operand(select.cond, ctx));
    BRINTAVEL_TRY_ASSIGN(Expression then_value, lower_int_operand(select.then_value, ctx));
    BRINTAVEL_TRY_ASSIGN(Expression else_value, lower_int_operand(select.else_value, ctx));
    Expression one_minus_c = make_binary(BinaryOperator::Sub, IntLiteral{1}, c);
    return ctx.bind_value(
        select.result,
        make_binary(BinaryOperator::Add,
                    make_binary(BinaryOperator::Mul, std::move(c), std::move(then_value)),
                    make_binary(BinaryOperator::Mul, std::move(one_minus_c), std::move(else_value))));
  }
  return unsupported(cat("`select i1 %cond, ", select.ty, " ..., ", select.ty,
                         " ...` is not supported: OpenQASM 3 has no classical ternary expression "
                         "for value-typed selects. Apply each branch in its own `if` arm, or "
                         "precompute the value before the circuit."));
}

Status lower_zext(const ir::Zext& zext, LoweringContext& ctx) {
  // An i1 expression is used as an integer as it is.
  BRINTAVEL_TRY_ASSIGN(Expression value, ctx.lookup_value(zext.source));
  ctx.set_range(zext.result, IntRange{0, 1});
  return ctx.bind_value(zext.result, std::move(value));
}

Status lower_inttoptr(const ir::IntToPtr& cast, LoweringContext& ctx) {
  std::int64_t index;
  if (const auto* i = std::get_if<ir::ConstInt>(&cast.value)) {
    auto v = i->value.to_int64();
    if (!v) return unsupported(cat("inttoptr index ", i->value, " does not fit in i64"));
    index = *v;
  } else if (const auto* s = std::get_if<ir::Ssa>(&cast.value)) {
    const Expression* bound = ctx.peek_value(s->name);
    const auto* literal = bound ? std::get_if<IntLiteral>(&bound->node) : nullptr;
    if (!literal)
      return unsupported(cat("inttoptr source ", q(s->name),
                             " is not a compile-time constant; qubit and result indices must be "
                             "statically known"));
    index = literal->value;
  } else {
    return unsupported("inttoptr expects an integer source operand");
  }
  if (index < 0)
    return unsupported(cat("inttoptr index ", index,
                           " is negative; qubit and result indices must be non-negative"));
  ctx.record_pointer_index(cast.result, index);
  return {};
}

void lower_alloca(const ir::Alloca& alloca, LoweringContext& ctx) { ctx.memory().allocate(alloca.result); }

void lower_bitcast(const ir::Bitcast& cast, LoweringContext& ctx) { ctx.memory().derive(cast.result, cast.source, 0); }

void lower_gep(const ir::Gep& gep, LoweringContext& ctx) { ctx.memory().derive(gep.result, gep.base, gep.index); }

void lower_store(const ir::Store& store, LoweringContext& ctx) {
  if (auto cell = ctx.memory().cell_of(store.pointer)) ctx.memory().store(*cell, store.value);
}

Status lower_load(const ir::Load& load, LoweringContext& ctx) {
  auto cell = ctx.memory().cell_of(load.pointer);
  const ir::Operand* stored_value = cell ? ctx.memory().stored(*cell) : nullptr;
  if (!stored_value) return {};
  const ir::Operand& stored = *stored_value;
  if (const auto* i = std::get_if<ir::ConstInt>(&stored)) {
    if (auto v = i->value.to_int64()) {
      ctx.set_range(load.result, IntRange::constant(*v));
      return ctx.bind_value(load.result, IntLiteral{*v});
    }
  } else if (const auto* b = std::get_if<ir::ConstBool>(&stored)) {
    return ctx.bind_value(load.result, qasm::BoolLiteral{b->value});
  } else if (const auto* f = std::get_if<ir::ConstFloat>(&stored)) {
    return ctx.bind_value(load.result, qasm::FloatLiteral{f->value});
  }
  return {};
}

}  // namespace brintavel::translator
