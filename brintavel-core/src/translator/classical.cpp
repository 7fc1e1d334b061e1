#include "translator/classical.hpp"

#include <array>
#include <limits>

#include "ir/operand_format.hpp"
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

Expression eq_zero(Expression e) { return make_binary(BinaryOperator::Eq, std::move(e), IntLiteral{0}); }

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
  return ctx.bind_value(icmp.result, make_binary(*op, std::move(lhs), std::move(rhs)));
}

Status lower_arith(const ir::Arith& arith, LoweringContext& ctx) {
  static constexpr std::array<BinaryOperator, 3> kOps = {BinaryOperator::Add, BinaryOperator::Sub,
                                                         BinaryOperator::Mul};
  BRINTAVEL_TRY_ASSIGN(Expression lhs, lower_int_operand(arith.lhs, ctx));
  BRINTAVEL_TRY_ASSIGN(Expression rhs, lower_int_operand(arith.rhs, ctx));
  return ctx.bind_value(arith.result, make_binary(kOps[static_cast<std::size_t>(arith.op)],
                                                  std::move(lhs), std::move(rhs)));
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
    if (r == Truth::True) value = eq_zero(std::move(value));
  } else if (l != Truth::Other && r == Truth::Other) {
    BRINTAVEL_TRY_ASSIGN(value, lower_bool_operand(logic.rhs, ctx));
    if (l == Truth::True) value = eq_zero(std::move(value));
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
    if (auto v = i->value.to_int64()) return ctx.bind_value(load.result, IntLiteral{*v});
  } else if (const auto* b = std::get_if<ir::ConstBool>(&stored)) {
    return ctx.bind_value(load.result, qasm::BoolLiteral{b->value});
  } else if (const auto* f = std::get_if<ir::ConstFloat>(&stored)) {
    return ctx.bind_value(load.result, qasm::FloatLiteral{f->value});
  }
  return {};
}

}  // namespace brintavel::translator
