#include "translator/extended_values.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "ir/operand_format.hpp"
#include "translator/classical.hpp"
#include "translator/tabulation.hpp"

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


Expression float_cast(Expression e) { return qasm::make_unary(UnaryOperator::Float64Cast, std::move(e)); }

// What is known of an int expression that the extended rules did not make themselves.
std::uint64_t mask_of_expression(const Expression& e) {
  if (const auto* i = std::get_if<IntLiteral>(&e.node)) return static_cast<std::uint64_t>(i->value);
  if (is_bool_typed(e) || qasm::is_indexed(e)) return 1;
  return kAll;
}

// A statement kept as a tree in the block being lowered, counted and charged.
Status keep(ValueScope& scope, qasm::Statement statement) {
  BRINTAVEL_CHECK(scope.ctx.budget().charge(qasm::count_nodes({statement}), "block", scope.block.label));
  scope.ctx.emitter().keep(scope.block.statements, std::move(statement));
  ++scope.block.size;
  return {};
}

qasm::Statement assign(const std::string& variable, Expression value) {
  return qasm::Assignment{qasm::IndexedIdentifier{variable, std::nullopt}, std::move(value)};
}

// A new int variable written here, by the statements `write` makes; returns it, read here (its
// capture joins the pending ones).
template <class Write>
Result<Expression> new_variable(ValueScope& scope, std::string_view reader, qasm::ScalarType type, Write&& write) {
  LoweringContext& ctx = scope.ctx;
  std::string variable = scope.variables.declare(type);
  ProgramPoint at{scope.block.ordinal, scope.block.size};
  ctx.use_pending(Reader{Reader::Kind::SsaValue, reader}, at);
  Dataflow& flow = ctx.dataflow();
  flow.note_write(Resource{Resource::Kind::Variable, flow.variable(variable)}, at, reader);
  BRINTAVEL_CHECK(write(variable));
  Capture capture{Resource{Resource::Kind::Variable, flow.variable(variable)}, ProgramPoint{scope.block.ordinal, scope.block.size}};
  ctx.add_pending(std::span<const Capture>(&capture, 1));
  std::uint32_t tag = ctx.stale_values() == StaleValues::CheckOverGraph ? ctx.tag_of(capture) : 0;
  return Expression(qasm::Identifier{variable, tag});
}

class Values {
 public:
  explicit Values(ValueScope& scope) : scope_(scope), ctx_(scope.ctx), facts_(scope.facts) {}

  Result<IntValue> operand(const ir::Operand& operand, unsigned width) {
    if (const auto* i = std::get_if<ir::ConstInt>(&operand)) {
      if (i->value.high() != 0 && i->value.high() != kAll)
        return unsupported(cat("integer constant ", i->value, " does not fit in i64"));
      return constant_value(i->value.low(), width);
    }
    if (const auto* b = std::get_if<ir::ConstBool>(&operand)) return constant_value(b->value ? 1 : 0, width);
    const auto* s = std::get_if<ir::Ssa>(&operand);
    if (!s) return unsupported(cat("could not interpret integer operand ", q(ir::debug_render(operand))));
    const std::uint64_t hash = LoweringContext::name_hash(s->name);  // (for the three tables)
    const LoweringContext::Binding* binding = ctx_.find_binding(s->name, hash);
    if (!binding) {
      Result<Expression> failed = ctx_.lookup_value(s->name);  // (says why)
      ctx_.take_pending();
      return std::move(failed).error();
    }
    // A Boolean may become a variable set here, which reads only what the Boolean reads: the
    // captures pending before are set aside meanwhile. Otherwise the lookup's captures join
    // them as they are.
    if (is_bool_typed(binding->value)) return boolean_operand(*binding, s->name, width);
    if (Status read = ctx_.read_binding(*binding, s->name); !read) {
      ctx_.take_pending();
      return std::move(read).error();
    }
    const Expression& bound = binding->value;
    if (std::holds_alternative<IntLiteral>(bound.node)) return plain(bound, 0, IntRange::full(width), width);
    IntRange range = ctx_.range_of_value(s->name, hash, width);
    const IntFacts* f = facts_.find(s->name, hash);
    if (f) range = range.meet(f->range).value_or(range);
    if (f && f->has_bits && f->width == width) {
      // (The pattern is read where it is kept: the value is used before anything is bound.)
      IntValue v = bits_value(BitList::viewing(f->bound_bit ? std::span<const Expression>(&bound, 1)
                                                            : std::span<const Expression>(f->bits)),
                              width);
      if (!v.constant) {
        v.mask &= f->may_be_one;
        v.range = v.range.meet(range).value_or(v.range);
      }
      // Written as it was bound: the sum of its bits is written again where it is needed.
      if (!f->bound_as_bits || v.constant) v.arith = bound;
      return v;
    }
    Expression e = bound;
    std::uint64_t mask = f ? f->may_be_one : mask_of_expression(e);
    if (!f && width < 64 && (mask >> 63)) mask = kAll;
    if (qasm::measure(e).nodes > kMaxCopiedNodes) {
      // The integer algebra may copy an operand several times (a bit of it is written with
      // it twice): a large one is taken into an int variable first, once per block.
      BRINTAVEL_TRY_ASSIGN(e, materialized(s->name, std::move(e)));
    }
    if (!f)
      if (auto bits = bits_of_shape(e); bits && bits->size() <= std::min<std::size_t>(width - 1, kMaxBit + 1)) {
        // A bit, or a bit times 2^k, as the base rules write `sub 1, %b` and `mul %b, 2`.
        IntValue v = bits_value(std::move(*bits), width);
        if (!v.constant) v.arith = std::move(e);
        return v;
      }
    IntValue v = plain(std::move(e), mask, range, width);
    if (f && f->width == width && !v.has_bits && !v.constant) v.known_low = f->known_low;
    return v;
  }

  // An i1 Boolean where an integer is read: its 0/1 value as an int variable set here (once
  // per block), which reads what the Boolean read.
  Result<IntValue> boolean_operand(const LoweringContext::Binding& binding, std::string_view name, unsigned width) {
    std::vector<Capture> before = ctx_.take_pending();
    if (Status read = ctx_.read_binding(binding, name); !read) {
      ctx_.take_pending();
      return std::move(read).error();
    }
    Expression e = lit(0);
    if (const Expression* made = facts_.materialized(name, scope_.block.ordinal)) {
      ctx_.take_pending();
      e = *made;
    } else {
      BRINTAVEL_TRY_ASSIGN(e, int_of_condition(binding.value, name, scope_));
      if (std::holds_alternative<qasm::Identifier>(e.node)) facts_.note_materialized(name, scope_.block.ordinal, e);
    }
    if (!before.empty()) {
      std::vector<Capture> read = ctx_.take_pending();
      ctx_.add_pending(before);
      ctx_.add_pending(read);
    }
    return plain(std::move(e), 1, IntRange{0, 1}, width);
  }

  // `e`, the value of `name`, in an int variable set here (or earlier in this block).
  Result<Expression> materialized(std::string_view name, Expression e) {
    if (const Expression* made = facts_.materialized(name, scope_.block.ordinal)) {
      ctx_.take_pending();
      return *made;
    }
    std::vector<Capture> read = ctx_.take_pending();
    ctx_.add_pending(read);
    BRINTAVEL_TRY_ASSIGN(Expression variable,
                         new_variable(scope_, name, qasm::ScalarType::Int,
                                      [&](const std::string& v) { return keep(scope_, assign(v, std::move(e))); }));
    facts_.note_materialized(name, scope_.block.ordinal, variable);
    return variable;
  }

  // An i1 operand as a bit (an int expression that is 0 or 1): a Boolean becomes an int
  // variable set where it is read.
  Result<Expression> bit_operand(const ir::Operand& operand, std::string_view reader) {
    if (const auto* i = std::get_if<ir::ConstInt>(&operand)) return lit(i->value != 0 ? 1 : 0);
    if (const auto* b = std::get_if<ir::ConstBool>(&operand)) return lit(b->value ? 1 : 0);
    std::vector<Capture> before = ctx_.take_pending();
    BRINTAVEL_TRY_ASSIGN(Expression e, lower_bool_operand(operand, ctx_));
    if (const auto* l = std::get_if<BoolLiteral>(&e.node)) e = lit(l->value ? 1 : 0);
    if (is_bool_typed(e)) {
      BRINTAVEL_TRY_ASSIGN(e, int_of_condition(std::move(e), reader, scope_));
    }
    ctx_.add_pending(before);
    return e;
  }

  // An i1 operand as a condition.
  Result<Expression> condition(const ir::Operand& operand) {
    if (const auto* i = std::get_if<ir::ConstInt>(&operand)) return Expression(BoolLiteral{i->value != 0});
    if (const auto* b = std::get_if<ir::ConstBool>(&operand)) return Expression(BoolLiteral{b->value});
    BRINTAVEL_TRY_ASSIGN(Expression e, lower_bool_operand(operand, ctx_));
    return as_bool(std::move(e));
  }

  // Binds an integer. What it made is charged to the size budget: bit expressions are
  // copied into several bits and results.
  Status bind(std::string_view name, IntValue&& v) {
    bool as_bits = v.has_bits && !v.arith;
    Expression e = v.arith ? std::move(*v.arith) : expr(v);
    qasm::TreeSize size = qasm::measure(e);
    std::uint64_t nodes = size.nodes;
    for (const Expression& b : v.bits) nodes += qasm::measure(b).nodes;
    for (const Expression& b : v.known_low) nodes += qasm::measure(b).nodes;
    BRINTAVEL_CHECK(ctx_.budget().charge(nodes, "SSA value", name));
    const std::uint64_t hash = LoweringContext::name_hash(name);  // (for the three tables)
    ctx_.set_range(name, v.range, hash);
    IntFacts facts = facts_of(std::move(v));
    facts.bound_as_bits = as_bits;
    facts_.set(name, std::move(facts), hash);
    return ctx_.bind_value(name, std::move(e), size, hash);
  }

  // Binds an i1 value: a bit (0/1 int) or a Boolean.
  Status bind_i1(std::string_view name, Expression e) {
    facts_.set(name, IntFacts{1, 1, false, {}, IntRange{0, 1}, {}});
    return ctx_.bind_value(name, std::move(e));
  }

 private:
  ValueScope& scope_;
  LoweringContext& ctx_;
  ValueFacts& facts_;
};

// ---- Tabulated values ------------------------------------------------------------------

// An integer variable set case by case to the table's values; its range joins them.
Result<IntValue> int_of_table(ValueScope& scope, const Table& table, std::string_view reader, unsigned width) {
  std::vector<Capture> before = scope.ctx.take_pending();
  BRINTAVEL_TRY_ASSIGN(Expression variable,
                       new_variable(scope, reader, qasm::ScalarType::Int,
                                    [&](const std::string& v) { return assign_cases(scope, v, table); }));
  std::vector<Capture> made = scope.ctx.take_pending();
  scope.ctx.add_pending(before);
  scope.ctx.add_pending(made);
  auto [lo, hi] = std::minmax_element(table.results.begin(), table.results.end(),
                                      [](const Value& a, const Value& b) { return a.as_integer() < b.as_integer(); });
  return plain(std::move(variable), kAll, IntRange{lo->as_integer(), hi->as_integer()}, width);
}

// ---- Integer operations ----------------------------------------------------------------

// Binds an integer result; one without a form the dialect writes may still take few values
// over few measured inputs, and is then written case by case.
Status bind_or_tabulate(ValueScope& scope, Values& values, std::string_view result, unsigned width,
                        Result<IntValue> r) {
  if (r) return values.bind(result, std::move(*r));
  std::optional<Table> table = table_of(scope, result, kMaxCases);
  if (!table) return std::move(r).error();
  scope.ctx.take_pending();  // what the attempt read
  BRINTAVEL_TRY_ASSIGN(IntValue v, int_of_table(scope, *table, result, width));
  return values.bind(result, std::move(v));
}


// sdiv or srem of values whose signs are not known: each sign's case in its own branch.
Result<IntValue> divide_by_cases(ValueScope& scope, ir::IntOpKind op, const IntValue& x, const IntValue& y,
                                 const Site& site) {
  unsigned w = x.width;
  bool remainder = op == ir::IntOpKind::SRem;
  IntRange full = IntRange::full(w);
  if (w >= 64 && (x.range.lo == full.lo || y.range.lo == full.lo))
    return site.no_form("a division of a possibly most negative 64-bit integer");
  auto quotient = [&](bool x_negative, bool y_negative) {
    Expression a = x_negative ? negative(expr(x)) : expr(x);
    Expression b = y_negative ? negative(expr(y)) : expr(y);
    Expression q = bin(remainder ? BinaryOperator::Mod : BinaryOperator::Div, std::move(a), std::move(b));
    bool flip = remainder ? x_negative : x_negative != y_negative;
    return flip ? negative(std::move(q)) : q;
  };
  // (x's and y's captures, pending, are read by the branches.)
  BRINTAVEL_TRY_ASSIGN(Expression variable,
                       new_variable(scope, site.result, qasm::ScalarType::Int, [&](const std::string& v) -> Status {
                         auto by_y = [&](bool x_negative) -> qasm::Statement {
                           if (y.sign_known()) return assign(v, quotient(x_negative, !y.non_negative()));
                           return qasm::If({assign(v, quotient(x_negative, false))},
                                           {assign(v, quotient(x_negative, true))},
                                           bin(BinaryOperator::Ge, expr(y), lit(0)));
                         };
                         if (x.sign_known()) return keep(scope, by_y(!x.non_negative()));
                         return keep(scope, qasm::If({by_y(false)}, {by_y(true)},
                                                     bin(BinaryOperator::Ge, expr(x), lit(0))));
                       }));
  IntRange range = remainder ? remainder_range(x.range, y.range) : divide_range(x.range, y.range);
  return plain(std::move(variable), kAll, range, w);
}

// and, or, xor, the shifts and the divisions of integers wider than i1.
Result<IntValue> int_op(const ir::IntOp& op, unsigned width, Values& values, ValueScope& scope, const Site& site) {
  BRINTAVEL_TRY_ASSIGN(IntValue x, values.operand(op.lhs, width));
  BRINTAVEL_TRY_ASSIGN(IntValue y, values.operand(op.rhs, width));
  switch (op.op) {
    case ir::IntOpKind::And: return bit_and(x, y, site);
    case ir::IntOpKind::Or: return bit_or(x, y, site);
    case ir::IntOpKind::Xor: return bit_xor(x, y, site);
    case ir::IntOpKind::Shl: {
      BRINTAVEL_TRY_ASSIGN(unsigned sh, shift_amount(y, width, site));
      return shift_left(x, sh, site);
    }
    case ir::IntOpKind::LShr:
    case ir::IntOpKind::AShr: {
      BRINTAVEL_TRY_ASSIGN(unsigned sh, shift_amount(y, width, site));
      return shift_right(x, sh, op.op == ir::IntOpKind::AShr, site);
    }
    default: {
      if (y.range.contains(0) && !(y.range.lo == 0 && y.range.hi == 0)) {
        // Division by a value that may be 0 is undefined there; where it is not, the value
        // is the quotient of the other values (the dialect's / by 0 would fail).
        if (auto nonzero = y.range.lo == 0 ? std::optional<IntRange>(IntRange{1, y.range.hi})
                                           : y.range.hi == 0 ? std::optional<IntRange>(IntRange{y.range.lo, -1})
                                                             : std::nullopt)
          y.range = *nonzero;
      }
      BRINTAVEL_TRY_ASSIGN(std::optional<IntValue> q, divide(op.op, x, y, site));
      if (q) return std::move(*q);
      return divide_by_cases(scope, op.op, x, y, site);
    }
  }
}


Status lower_value(const ir::IntOp& op, ValueScope& scope) {
  Site site{op.result, ir::opcode_name(op.op), op.ty};
  auto width = int_width(op.ty);
  if (!width) return site.no_form(cat("integers of type ", op.ty, " are not supported"));
  Values values(scope);
  if (*width == 1) {
    // i1 logic beyond and/or/xor (shifts, divisions) on bits.
    BRINTAVEL_TRY_ASSIGN(Expression a, values.bit_operand(op.lhs, op.result));
    BRINTAVEL_TRY_ASSIGN(Expression b, values.bit_operand(op.rhs, op.result));
    switch (op.op) {
      case ir::IntOpKind::And: return values.bind_i1(op.result, bit_and(std::move(a), std::move(b)));
      case ir::IntOpKind::Or: return values.bind_i1(op.result, bit_or(std::move(a), std::move(b)));
      case ir::IntOpKind::Xor: return values.bind_i1(op.result, bit_xor(std::move(a), std::move(b)));
      default: return site.no_form("a shift or division of a 1-bit integer");
    }
  }
  return bind_or_tabulate(scope, values, op.result, *width, int_op(op, *width, values, scope, site));
}

// An i64 sum or difference that may overflow: the dialect's 64-bit int cannot hold the
// mathematical result, so each direction of overflow is a branch of its own that computes the
// wrapped result from parts that stay within 64 bits. With M = 2^63 - 1:
//   x + y - 2^64 = (x - M - 1) + (y - M - 1)     where x + y > M (x, y > 0)
//   x + y + 2^64 = (x + M + 1) + (y + M + 1)     where x + y < -M - 1 (x, y < 0)
//   x - y - 2^64 = (x - M - 1) - (y + M + 1)     where x - y > M (x > 0 > y)
//   x - y + 2^64 = (x + M + 1) - (y - M - 1)     where x - y < -M - 1 (x < 0 < y)
// The tests, x > M - y and the like, are written where they cannot overflow themselves.
Result<IntValue> wrap64_by_cases(ValueScope& scope, bool sum, const IntValue& x, const IntValue& y, const Site& site) {
  constexpr std::int64_t M = std::numeric_limits<std::int64_t>::max();
  auto minus = [](Expression a, std::int64_t b) { return bin(BinaryOperator::Sub, std::move(a), lit(b)); };
  auto plus = [](Expression a, std::int64_t b) { return bin(BinaryOperator::Add, std::move(a), lit(b)); };
  // v - 2^63 and v + 2^63, folded for a literal v where they are in range.
  auto literal = [](const Expression& v) -> std::optional<Int128> {
    const auto* i = std::get_if<IntLiteral>(&v.node);
    return i ? std::optional<Int128>(Int128(i->value)) : std::nullopt;
  };
  auto folded = [&](Int128 v) -> std::optional<Expression> {
    if (auto n = v.to_int64()) return lit(*n);
    return std::nullopt;
  };
  auto below = [&](Expression v) -> Expression {
    if (auto k = literal(v))
      if (auto f = folded(*k - Int128(M) - Int128(1))) return std::move(*f);
    return minus(minus(std::move(v), M), 1);
  };
  auto above = [&](Expression v) -> Expression {
    if (auto k = literal(v))
      if (auto f = folded(*k + Int128(M) + Int128(1))) return std::move(*f);
    return plus(plus(std::move(v), M), 1);
  };
  BinaryOperator op = sum ? BinaryOperator::Add : BinaryOperator::Sub;
  MathRange math = sum ? math_add(x.range, y.range) : math_sub(x.range, y.range);
  // Up needs y above 0 for a sum (below 0 for a difference); down the other way.
  bool can_up = math.hi > Int128(M) && (sum ? y.range.hi > 0 : y.range.lo < 0);
  bool can_down = math.lo < Int128(-M) - Int128(1) && (sum ? y.range.lo < 0 : y.range.hi > 0);
  Expression X = expr(x), Y = expr(y);
  auto direction = [&](bool up, const std::string& v) -> qasm::Statement {
    std::int64_t end = up ? M : -M - 1;
    Expression limit = bin(sum ? BinaryOperator::Sub : BinaryOperator::Add, lit(end), Y);
    if (auto k = literal(Y))
      if (auto f = folded(sum ? Int128(end) - *k : Int128(end) + *k)) limit = std::move(*f);
    Expression wrapped = up ? bin(op, below(X), sum ? below(Y) : above(Y)) : bin(op, above(X), sum ? above(Y) : below(Y));
    return qasm::If({assign(v, std::move(wrapped))}, {assign(v, bin(op, X, Y))},
                    bin(up ? BinaryOperator::Gt : BinaryOperator::Lt, X, std::move(limit)));
  };
  BRINTAVEL_TRY_ASSIGN(Expression variable,
                       new_variable(scope, site.result, qasm::ScalarType::Int, [&](const std::string& v) -> Status {
                         if (can_up && can_down) {
                           Expression up_side = bin(sum ? BinaryOperator::Gt : BinaryOperator::Lt, Y, lit(0));
                           return keep(scope, qasm::If({direction(true, v)}, {direction(false, v)}, std::move(up_side)));
                         }
                         if (can_up || can_down) return keep(scope, direction(can_up, v));
                         return keep(scope, assign(v, bin(op, X, Y)));
                       }));
  return plain(std::move(variable), kAll, wrap(math, 64), 64);
}

// The base rule's form of an instruction, where it has one: a program the base rules translate
// comes out the same in both modes. False (with nothing bound or pending) where the base rule
// refuses it.
bool base_form(Status base, LoweringContext& ctx) {
  if (base) return true;
  ctx.take_pending();
  return false;
}

Status lower_value(const ir::Arith& arith, ValueScope& scope) {
  static constexpr std::string_view kNames[] = {"add", "sub", "mul"};
  auto width = int_width(arith.ty);
  if (!width) return lower_arith(arith, scope.ctx);
  if (base_form(lower_arith(arith, scope.ctx), scope.ctx)) return {};
  Site site{arith.result, kNames[static_cast<std::size_t>(arith.op)], arith.ty};
  Values values(scope);
  BRINTAVEL_TRY_ASSIGN(IntValue x, values.operand(arith.lhs, *width));
  BRINTAVEL_TRY_ASSIGN(IntValue y, values.operand(arith.rhs, *width));
  if (arith.no_signed_wrap) {
    // An overflowing `nsw` result is poison: the result is the mathematical one.
    MathRange math = arith.op == ir::ArithOp::Add   ? math_add(x.range, y.range)
                     : arith.op == ir::ArithOp::Sub ? math_sub(x.range, y.range)
                                                    : math_mul(x.range, y.range);
    IntRange range = clamp(math, *width);
    static constexpr BinaryOperator kOps[] = {BinaryOperator::Add, BinaryOperator::Sub, BinaryOperator::Mul};
    return values.bind(arith.result, plain(bin(kOps[static_cast<std::size_t>(arith.op)], expr(x), expr(y)), kAll,
                                           range, *width));
  }
  Result<IntValue> r = arith.op == ir::ArithOp::Add   ? add(x, y, site)
                       : arith.op == ir::ArithOp::Sub ? subtract(x, y, site)
                                                      : multiply(x, y, site);
  // A result that stays within its type is written as the operation itself.
  MathRange math = arith.op == ir::ArithOp::Add   ? math_add(x.range, y.range)
                   : arith.op == ir::ArithOp::Sub ? math_sub(x.range, y.range)
                                                  : math_mul(x.range, y.range);
  if (r && fits(math, *width)) {
    static constexpr BinaryOperator kOps[] = {BinaryOperator::Add, BinaryOperator::Sub, BinaryOperator::Mul};
    r->arith = bin(kOps[static_cast<std::size_t>(arith.op)], expr(x), expr(y));
  }
  if (!r && *width == 64 && arith.op != ir::ArithOp::Mul)
    r = wrap64_by_cases(scope, arith.op == ir::ArithOp::Add, x, y, site);
  return bind_or_tabulate(scope, values, arith.result, *width, std::move(r));
}

Status lower_value(const ir::Select& select, ValueScope& scope) {
  if (select.ty == "i1") return lower_select(select, scope.ctx);
  if (base_form(lower_select(select, scope.ctx), scope.ctx)) return {};
  Values values(scope);
  auto width = int_width(select.ty);
  if (width) {
    BRINTAVEL_TRY_ASSIGN(Expression c, values.bit_operand(select.cond, select.result));
    BRINTAVEL_TRY_ASSIGN(IntValue t, values.operand(select.then_value, *width));
    BRINTAVEL_TRY_ASSIGN(IntValue e, values.operand(select.else_value, *width));
    IntRange range = t.range.join(e.range);
    if (auto k = known_bit(c)) return values.bind(select.result, *k ? std::move(t) : std::move(e));
    if (t.constant && e.constant && *t.constant == *e.constant) return values.bind(select.result, std::move(t));
    // c * t + (1 - c) * e, c a bit.
    Expression chosen = bin(BinaryOperator::Add, bin(BinaryOperator::Mul, c, expr(t)),
                            bin(BinaryOperator::Mul, bit_not(c), expr(e)));
    return values.bind(select.result, plain(std::move(chosen), t.mask | e.mask, range, *width));
  }
  if (select.ty == "double" || select.ty == "float") {
    // The dialect has no per-shot form for a floating-point value of a measured condition: its
    // uses tabulate it; this form serves only the uses nothing decides the run by.
    BRINTAVEL_TRY_ASSIGN(Expression c, values.bit_operand(select.cond, select.result));
    auto operand = [&](const ir::Operand& o) -> Result<Expression> {
      if (const auto* f = std::get_if<ir::ConstFloat>(&o)) return Expression(FloatLiteral{f->value});
      if (const auto* s = std::get_if<ir::Ssa>(&o)) return scope.ctx.lookup_value(s->name);
      return unsupported(cat("could not interpret floating-point operand ", q(ir::debug_render(o))));
    };
    BRINTAVEL_TRY_ASSIGN(Expression t, operand(select.then_value));
    BRINTAVEL_TRY_ASSIGN(Expression e, operand(select.else_value));
    if (auto k = known_bit(c)) return scope.ctx.bind_value(select.result, *k ? std::move(t) : std::move(e));
    Expression chosen = bin(BinaryOperator::Add, bin(BinaryOperator::Mul, float_cast(c), std::move(t)),
                            bin(BinaryOperator::Mul, float_cast(bit_not(c)), std::move(e)));
    return scope.ctx.bind_value(select.result, std::move(chosen));
  }
  return lower_select(select, scope.ctx);
}

// ---- Comparisons -----------------------------------------------------------------------

// The relations of the comparison predicates, after their u, s or o prefix.
constexpr std::pair<std::string_view, BinaryOperator> kRelations[] = {
    {"eq", BinaryOperator::Eq}, {"ne", BinaryOperator::Ne}, {"lt", BinaryOperator::Lt},
    {"le", BinaryOperator::Le}, {"gt", BinaryOperator::Gt}, {"ge", BinaryOperator::Ge}};

Status lower_value(const ir::Icmp& icmp, ValueScope& scope) {
  LoweringContext& ctx = scope.ctx;
  Site site{icmp.result, "icmp", icmp.predicate};
  std::string_view p = icmp.predicate;
  bool is_unsigned = p.size() == 3 && p[0] == 'u';
  bool is_signed = p.size() == 3 && p[0] == 's';
  std::string_view relation = is_unsigned || is_signed ? p.substr(1) : p;
  std::optional<BinaryOperator> bop;
  for (auto [name, o] : kRelations)
    if (relation == name && (is_unsigned || is_signed) == (o != BinaryOperator::Eq && o != BinaryOperator::Ne)) bop = o;
  if (!bop) return site.no_form(cat("the predicate ", q(p), " is not known"));
  auto width = int_width(icmp.ty);
  // i1 values compare as the base rule compares them (signed, true is -1).
  if (!width || *width == 1) return lower_icmp(icmp, ctx);
  if (base_form(lower_icmp(icmp, ctx), ctx)) return {};
  Values values(scope);
  BRINTAVEL_TRY_ASSIGN(IntValue x, values.operand(icmp.lhs, *width));
  BRINTAVEL_TRY_ASSIGN(IntValue y, values.operand(icmp.rhs, *width));
  // (Constants compare as written, as the base rule writes them.)
  Expression value = is_unsigned && !(x.non_negative() && y.non_negative())
                         ? unsigned_order(*bop, expr(x), expr(y), x.non_negative(), y.non_negative())
                         : qasm::make_binary(*bop, expr(x), expr(y));
  return ctx.bind_value(icmp.result, std::move(value));
}

Status lower_value(const ir::Fcmp& op, ValueScope& scope) {
  LoweringContext& ctx = scope.ctx;
  Site site{op.result, "fcmp", op.predicate};
  std::string_view p = op.predicate;
  if (p == "true" || p == "false") return ctx.bind_value(op.result, BoolLiteral{p == "true"});
  // No NaN arises from the values the dialect can hold: ord is true and uno false.
  if (p == "ord" || p == "uno") return ctx.bind_value(op.result, BoolLiteral{p == "ord"});
  auto known = std::find_if(std::begin(kRelations), std::end(kRelations),
                            [&](const auto& r) { return p.size() == 3 && (p[0] == 'o' || p[0] == 'u') && p.substr(1) == r.first; });
  if (known == std::end(kRelations)) return site.no_form(cat("the predicate ", q(p), " is not known"));
  // The comparison as a condition over the measured values it depends on.
  auto table = table_of(scope, op.result, kMaxConditionCases);
  if (!table)
    return site.no_form("a comparison of floating-point values that depend on more measured values than it can be "
                        "written for case by case");
  std::vector<std::size_t> holding;
  for (std::size_t k = 0; k < table->results.size(); ++k)
    if (table->results[k].as_integer() != 0) holding.push_back(k);
  BRINTAVEL_TRY_ASSIGN(Expression condition, one_of(*table, holding, ctx));
  return ctx.bind_value(op.result, std::move(condition));
}

// ---- Casts -----------------------------------------------------------------------------

struct CastSite {
  const ir::Cast& cast;
  ValueScope& scope;
  Site site;
  Values values;
  std::optional<unsigned> from;
  std::optional<unsigned> to;

  CastSite(const ir::Cast& c, ValueScope& s)
      : cast(c),
        scope(s),
        site{c.result, ir::opcode_name(c.kind), c.from_ty},
        values(s),
        from(int_width(c.from_ty)),
        to(int_width(c.to_ty)) {}

  Status bind(IntValue v) { return values.bind(cast.result, std::move(v)); }
};

Result<Expression> float_operand(const ir::Operand& operand, LoweringContext& ctx) {
  if (const auto* f = std::get_if<ir::ConstFloat>(&operand)) return Expression(FloatLiteral{f->value});
  if (const auto* s = std::get_if<ir::Ssa>(&operand)) return ctx.lookup_value(s->name);
  return unsupported(cat("could not interpret floating-point operand ", q(ir::debug_render(operand))));
}

std::optional<double> float_constant(const Expression& e) {
  if (const auto* f = std::get_if<FloatLiteral>(&e.node)) return f->value;
  return std::nullopt;
}

// A floating-point constant rounded to the precision of `ty` (float or double).
std::optional<double> rounded(double v, std::string_view ty) {
  if (ty == "double") return v;
  if (ty == "float") return static_cast<double>(static_cast<float>(v));
  return std::nullopt;
}

// trunc, zext and sext.
Status resize_integer(CastSite& c) {
  if (!c.from || !c.to) return c.site.no_form(cat("a cast from ", c.cast.from_ty, " to ", c.cast.to_ty));
  if (*c.from == 1) {
    BRINTAVEL_TRY_ASSIGN(Expression b, c.values.bit_operand(c.cast.value, c.cast.result));
    if (*c.to == 1) return c.values.bind_i1(c.cast.result, std::move(b));
    if (c.cast.kind == ir::CastKind::SExt) {
      if (auto k = known_bit(b)) return c.bind(constant_value(*k ? kAll : 0, *c.to));
      return c.bind(plain(negative(std::move(b)), kAll, {-1, 0}, *c.to));
    }
    std::vector<Expression> bits;
    bits.push_back(std::move(b));
    return c.bind(bits_value(std::move(bits), *c.to));
  }
  BRINTAVEL_TRY_ASSIGN(IntValue x, c.values.operand(c.cast.value, *c.from));
  if (c.cast.kind == ir::CastKind::Trunc) {
    if (*c.to == 1) {
      BRINTAVEL_TRY_ASSIGN(Expression b, bit_of(x, 0, c.site));
      return c.values.bind_i1(c.cast.result, std::move(b));
    }
    BRINTAVEL_TRY_ASSIGN(IntValue t, truncate(x, *c.to, c.site));
    return c.bind(std::move(t));
  }
  BRINTAVEL_TRY_ASSIGN(IntValue e, extend(x, *c.to, c.cast.kind == ir::CastKind::SExt, c.site));
  return c.bind(std::move(e));
}

// sitofp and uitofp: the dialect's cast, for uses that tabulate it or report it.
Status integer_to_float(CastSite& c) {
  if (!c.from) return c.site.no_form(cat("a cast from ", c.cast.from_ty));
  bool is_signed = c.cast.kind == ir::CastKind::SIToFP;
  Expression value = lit(0);
  std::optional<double> constant;
  if (*c.from == 1) {
    BRINTAVEL_TRY_ASSIGN(Expression b, c.values.bit_operand(c.cast.value, c.cast.result));
    if (auto k = known_bit(b)) constant = *k ? (is_signed ? -1.0 : 1.0) : 0.0;
    value = is_signed ? negative(std::move(b)) : std::move(b);
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
  }
  if (constant) {
    auto r = rounded(*constant, c.cast.to_ty);
    if (!r) return c.site.no_form(cat("a conversion to ", c.cast.to_ty));
    return c.scope.ctx.bind_value(c.cast.result, FloatLiteral{*r});
  }
  return c.scope.ctx.bind_value(c.cast.result, float_cast(std::move(value)));
}

// fptosi and fptoui: a constant, or the integer case by case over the measured values the
// floating-point value depends on.
Status float_to_integer(CastSite& c) {
  if (!c.to || *c.to == 1) return c.site.no_form(cat("a conversion to ", c.cast.to_ty));
  BRINTAVEL_TRY_ASSIGN(Expression v, float_operand(c.cast.value, c.scope.ctx));
  if (auto constant = float_constant(v)) {
    auto r = evaluate_cast(c.cast.kind, Value::real(*constant), c.cast.to_ty);
    if (!r)
      return c.site.no_form(
          cat("the conversion of ", qasm::format_float(*constant), " to ", c.cast.to_ty, ", which is out of range"));
    return c.bind(constant_value(static_cast<std::uint64_t>(r->as_integer()), *c.to));
  }
  c.scope.ctx.take_pending();
  auto table = table_of(c.scope, c.cast.result, kMaxCases);
  if (!table)
    return c.site.no_form("a conversion of a floating-point value that depends on more measured values than it can be "
                          "written for case by case");
  BRINTAVEL_TRY_ASSIGN(IntValue value, int_of_table(c.scope, *table, c.cast.result, *c.to));
  return c.bind(std::move(value));
}

// fpext and fptrunc.
Status resize_float(CastSite& c) {
  BRINTAVEL_TRY_ASSIGN(Expression v, float_operand(c.cast.value, c.scope.ctx));
  if (c.cast.kind == ir::CastKind::FPExt) return c.scope.ctx.bind_value(c.cast.result, std::move(v));
  auto constant = float_constant(v);
  auto r = constant ? rounded(*constant, c.cast.to_ty) : std::nullopt;
  if (!r) return c.site.no_form(cat("a rounding to ", c.cast.to_ty));
  return c.scope.ctx.bind_value(c.cast.result, FloatLiteral{*r});
}

Status lower_value(const ir::Cast& cast, ValueScope& scope) {
  const auto* source = std::get_if<ir::Ssa>(&cast.value);
  if (cast.kind == ir::CastKind::ZExt && cast.from_ty == "i1" && source) {
    // As the base rule: the i1 value is used as an integer as it is (a Boolean becomes an int
    // where the integer algebra needs one).
    BRINTAVEL_TRY_ASSIGN(Expression value, scope.ctx.lookup_value(source->name));
    const std::uint64_t hash = LoweringContext::name_hash(cast.result);  // (for the three tables)
    if (auto to = int_width(cast.to_ty)) {
      bool bit = qasm::is_indexed(value);
      IntFacts facts{*to, 1, bit, {}, IntRange{0, 1}, {}};
      // (A result bit is its own sum of bits, kept only as it is bound.)
      facts.bound_as_bits = facts.bound_bit = bit;
      scope.facts.set(cast.result, std::move(facts), hash);
      scope.ctx.set_range(cast.result, IntRange{0, 1}, hash);
    }
    qasm::TreeSize size = qasm::measure(value);
    return scope.ctx.bind_value(cast.result, std::move(value), size, hash);
  }
  CastSite c(cast, scope);
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

// ---- Floating point --------------------------------------------------------------------

Status lower_value(const ir::FloatOp& op, ValueScope& scope) {
  LoweringContext& ctx = scope.ctx;
  Site site{op.result, ir::opcode_name(op.op), op.ty};
  BRINTAVEL_TRY_ASSIGN(Expression a, float_operand(op.lhs, ctx));
  BRINTAVEL_TRY_ASSIGN(Expression b, float_operand(op.rhs, ctx));
  auto ca = float_constant(a), cb = float_constant(b);
  if (ca && cb && (op.ty == "double" || op.ty == "float")) {
    auto r = evaluate_float_op(op.op, Value::real(*ca), Value::real(*cb), op.ty);
    return ctx.bind_value(op.result, FloatLiteral{r->as_real()});
  }
  if (op.ty != "double")
    return site.no_form(cat("arithmetic on ", op.ty, " rounds to a precision the dialect does not have"));
  static constexpr BinaryOperator kOps[] = {BinaryOperator::Add, BinaryOperator::Sub, BinaryOperator::Mul,
                                            BinaryOperator::Div};
  if (op.op == ir::FloatOpKind::FRem) return site.no_form("the floating-point remainder has no operator");
  return ctx.bind_value(op.result, bin(kOps[static_cast<std::size_t>(op.op)], std::move(a), std::move(b)));
}

Status lower_value(const ir::FNeg& op, ValueScope& scope) {
  BRINTAVEL_TRY_ASSIGN(Expression v, float_operand(op.value, scope.ctx));
  return scope.ctx.bind_value(op.result, negative(std::move(v)));
}

// The base rules' logic and zext are the extended rules' too.
// i1 and, or and xor as the base rule writes them.
Status lower_value(const ir::Logic& logic, ValueScope& scope) { return lower_logic(logic, scope.ctx); }
Status lower_value(const ir::Zext& zext, ValueScope& scope) { return lower_zext(zext, scope.ctx); }

}  // namespace

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

std::optional<Table> table_of(ValueScope& scope, std::string_view name, std::size_t limit) {
  if (!scope.body || !scope.ranges) return std::nullopt;
  return tabulate(*scope.body, *scope.ranges, name, limit);
}

Status assign_cases(ValueScope& scope, const std::string& variable, const Table& table) {
  auto literal = [](const Value& v) -> Expression {
    if (v.is_integer()) return lit(v.as_integer());
    return FloatLiteral{v.as_real()};
  };
  // The assignments by value (in order of first appearance); the most frequent is the default.
  std::vector<std::pair<Value, std::vector<std::size_t>>> by_value;
  for (std::size_t k = 0; k < table.results.size(); ++k) {
    auto it = std::find_if(by_value.begin(), by_value.end(), [&](const auto& e) { return e.first == table.results[k]; });
    if (it == by_value.end()) it = by_value.insert(by_value.end(), {table.results[k], {}});
    it->second.push_back(k);
  }
  auto common = std::max_element(by_value.begin(), by_value.end(),
                                 [](const auto& a, const auto& b) { return a.second.size() < b.second.size(); });
  BRINTAVEL_CHECK(keep(scope, assign(variable, literal(common->first))));
  // if (c1) { v = x1; } else if (c2) { v = x2; } ...
  std::optional<qasm::Statement> chain;
  for (auto it = by_value.rbegin(); it != by_value.rend(); ++it) {
    if (it == std::make_reverse_iterator(std::next(common))) continue;
    BRINTAVEL_TRY_ASSIGN(Expression condition, one_of(table, it->second, scope.ctx));
    qasm::StatementList otherwise;
    if (chain) otherwise.push_back(std::move(*chain));
    chain = qasm::Statement(qasm::If({assign(variable, literal(it->first))}, std::move(otherwise), std::move(condition)));
  }
  if (chain) BRINTAVEL_CHECK(keep(scope, std::move(*chain)));
  return {};
}

Result<IntValue> int_operand(ValueScope& scope, const ir::Operand& operand, unsigned width) {
  Values values(scope);
  return values.operand(operand, width);
}

Status bind_int(ValueScope& scope, std::string_view name, IntValue value) {
  Values values(scope);
  return values.bind(name, std::move(value));
}

Result<Expression> int_of_condition(Expression condition, std::string_view reader, ValueScope& scope) {
  if (const auto* b = std::get_if<BoolLiteral>(&condition.node)) return lit(b->value ? 1 : 0);
  return new_variable(scope, reader, qasm::ScalarType::Int, [&](const std::string& v) {
    return keep(scope, qasm::If({assign(v, lit(1))}, {assign(v, lit(0))}, std::move(condition)));
  });
}

Status lower_extended_value(const ir::Instruction& instruction, ValueScope& scope) {
  return std::visit(
      [&](const auto& i) -> Status {
        if constexpr (requires { lower_value(i, scope); }) {
          return defer_failure(lower_value(i, scope), i.result, scope.ctx);
        } else {
          return internal_error("an instruction that is not a value reached the value rules");
        }
      },
      instruction);
}

}  // namespace brintavel::translator
