#include "translator/dynamic_gates.hpp"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>
#include <utility>

#include "builders/gate_table.hpp"
#include "translator/tabulation.hpp"

namespace brintavel::translator {

using qasm::Expression;
using text::cat;
using text::q;

namespace {

// An angle that is a sum of one-atom terms is found over at most this many assignments of its
// atoms; the cases of any other call are written over at most kMaxConditionCases.
constexpr std::size_t kMaxSeparatedAssignments = 1024;

bool is_literal(const Expression& e) {
  return std::holds_alternative<qasm::FloatLiteral>(e.node) || std::holds_alternative<qasm::IntLiteral>(e.node) ||
         std::holds_alternative<qasm::BoolLiteral>(e.node);
}

bool is_pointer_type(std::string_view ty) { return ty == "ptr" || ty.ends_with('*'); }

double as_double(const Value& v) { return v.is_integer() ? static_cast<double>(v.as_integer()) : v.as_real(); }

// Whether the call makes one native gate whose angle adds.
bool angle_adds(const builders::BuilderKind& kind) {
  const auto* gate = std::get_if<builders::Gate>(&kind);
  const builders::NativeGate* native = gate ? builders::find_native_gate(gate->gate_name) : nullptr;
  return native && native->angle_adds();
}

// An argument computed at run time: an angle, or a qubit or result pointer.
struct Argument {
  std::size_t position;
  std::string_view name;
  bool pointer;
};

// The arguments of each case: the run-time ones replaced by constants.
class Cases {
 public:
  Cases(const ir::Call& call, const std::vector<Argument>& arguments) : call_(call), arguments_(arguments) {}

  void add(std::optional<Expression> condition, const std::vector<double>& values) {
    std::vector<ir::Operand> args(call_.args.begin(), call_.args.end());
    for (std::size_t j = 0; j < arguments_.size(); ++j) {
      if (arguments_[j].pointer) args[arguments_[j].position] = ir::PtrConst{{}, static_cast<std::int64_t>(values[j])};
      else args[arguments_[j].position] = ir::ConstFloat{values[j]};
    }
    cases_.push_back(CallCase{std::move(condition), std::move(args)});
  }
  std::vector<CallCase> take() {
    // A gate no case makes (its angle is 0 wherever it is reached) still acts on its qubits.
    if (cases_.empty()) add(std::nullopt, std::vector<double>(arguments_.size(), 0.0));
    return std::move(cases_);
  }

 private:
  const ir::Call& call_;
  const std::vector<Argument>& arguments_;
  std::vector<CallCase> cases_;
};

// The distinct tuples of the arguments' values, each with the assignments that give it;
// assignments that give an angle no finite value (which no run that reaches the gate has) are
// left out.
std::vector<std::pair<std::vector<double>, std::vector<std::size_t>>> distinct_values(const std::vector<Table>& tables) {
  std::vector<std::pair<std::vector<double>, std::vector<std::size_t>>> by_value;
  for (std::size_t k = 0; k < tables.front().results.size(); ++k) {
    std::vector<double> values;
    for (const Table& t : tables) values.push_back(as_double(t.results[k]));
    if (!std::all_of(values.begin(), values.end(), [](double a) { return std::isfinite(a); })) continue;
    auto it = std::find_if(by_value.begin(), by_value.end(), [&](const auto& e) { return e.first == values; });
    if (it == by_value.end()) it = by_value.insert(by_value.end(), {values, {}});
    it->second.push_back(k);
  }
  return by_value;
}

// A result read whose result is chosen at run time: the value of the bit each case reads, under
// that case's condition.
Status bind_chosen_read(const ir::Call& call, const Table& table, LoweringContext& ctx) {
  if (!call.result) return {};
  std::optional<Expression> any;
  for (const auto& [values, assignments] : distinct_values({table})) {
    auto bit = static_cast<std::int64_t>(values.front());
    if (bit < 0) return unsupported(cat("result operand for ", q(call.callee), " has negative index ", bit));
    Expression read = qasm::make_binary(qasm::BinaryOperator::Eq, ctx.read_result_bit(bit), qasm::IntLiteral{1});
    if (assignments.size() != table.results.size()) {
      BRINTAVEL_TRY_ASSIGN(Expression chosen, one_of(table, assignments, ctx));
      read = qasm::make_binary(qasm::BinaryOperator::And, std::move(chosen), std::move(read));
    }
    any = any ? qasm::make_binary(qasm::BinaryOperator::Or, std::move(*any), std::move(read)) : std::move(read);
  }
  return ctx.bind_value(*call.result, any ? std::move(*any) : Expression(qasm::BoolLiteral{false}));
}

}  // namespace

Result<std::optional<std::vector<CallCase>>> dynamic_gate_cases(const ir::Call& call, const Signature& signature,
                                                                const builders::BuilderKind& kind,
                                                                ValueScope& scope) {
  using Out = std::optional<std::vector<CallCase>>;
  LoweringContext& ctx = scope.ctx;
  // A call that makes nothing (output recording) reads nothing.
  if (std::holds_alternative<builders::NoOp>(kind)) return Out{};
  // Nor does one whose operands are all constants, as most are.
  auto is_ssa = [](const ir::Operand& a) { return std::holds_alternative<ir::Ssa>(a); };
  if (std::none_of(call.args.begin(), call.args.end(), is_ssa)) return Out{};
  // The arguments computed at run time: doubles bound to more than a literal, and pointers
  // that are not constants.
  std::vector<Argument> arguments;
  std::vector<std::string_view> names;
  bool has_pointer = false;
  for (std::size_t i = 0; i < call.args.size(); ++i) {
    const auto* s = std::get_if<ir::Ssa>(&call.args[i]);
    if (!s) continue;
    std::string_view ty = i < signature.params.size() ? signature.params[i] : std::string_view();
    const Expression* value = ctx.peek_value(s->name);
    if (ty == "double" || (ty.empty() && value)) {
      bool read_by_cases = ctx.has_index(s->name) || (scope.body && counts_trips(*scope.body, s->name));
      // (A value without an exact form may still be tabulated.)
      bool defined = scope.body && scope.body->find(s->name);
      if (!read_by_cases && ((value && is_literal(*value)) || (!value && !defined))) continue;
      arguments.push_back(Argument{i, s->name, false});
    } else if ((ty.empty() || is_pointer_type(ty)) && !value && !ctx.lookup_pointer_index(s->name) && scope.body &&
               scope.body->find(s->name)) {
      arguments.push_back(Argument{i, s->name, true});
      has_pointer = true;
    } else {
      continue;
    }
    names.push_back(s->name);
  }
  if (arguments.empty()) return Out{};
  std::optional<std::vector<Table>> tables;
  if (scope.body && scope.ranges) tables = tabulate_together(*scope.body, *scope.ranges, names, kMaxSeparatedAssignments);
  if (!tables) {
    // A pointer is left to the builder, which says that it is not a constant.
    if (has_pointer) return Out{};
    ctx.warn(cat("the angle ", q(names.front()), " of ", q(call.callee),
                 " is computed at run time from values that take too many cases to write each; the "
                 "service evaluates it once for all shots"));
    return Out{};
  }
  const Table& table = tables->front();
  // A constant angle is written as it is bound.
  if (table.atoms.empty() && !has_pointer) return Out{};
  if (std::holds_alternative<builders::ReadResult>(kind)) {
    if (tables->size() != 1 || table.results.size() > kMaxConditionCases) return Out{};
    BRINTAVEL_CHECK(bind_chosen_read(call, table, ctx));
    ctx.use_pending(Reader{Reader::Kind::SsaValue, names.front()}, ctx.here());
    return Out(std::vector<CallCase>{});
  }

  Cases cases(call, arguments);
  // Every gate with angles is the identity when they are all 0 (rotations, phases, and the
  // controlled forms and products of them): such a case is left out.
  auto identity = [&](const std::vector<double>& values) {
    return !has_pointer && std::all_of(values.begin(), values.end(), [](double a) { return a == 0.0; });
  };
  auto by_value = distinct_values(*tables);
  std::size_t joint = 0;
  for (const auto& [values, assignments] : by_value) joint += !identity(values);
  bool joint_fits = table.results.size() <= kMaxConditionCases && joint <= kMaxCases;

  std::optional<Separable> separable;
  if (arguments.size() == 1 && !has_pointer && angle_adds(kind)) separable = separate(table);
  std::size_t terms = 0;
  if (separable) {
    terms = separable->constant != 0.0;
    for (const auto& term : separable->terms)
      terms += static_cast<std::size_t>(std::count_if(term.begin(), term.end(), [](double t) { return t != 0.0; }));
  }
  if (separable && terms <= kMaxConditionCases && (!joint_fits || terms < joint)) {
    if (separable->constant != 0.0) cases.add(std::nullopt, {separable->constant});
    for (std::size_t a = 0; a < table.atoms.size(); ++a) {
      for (std::size_t v = 0; v < table.atoms[a].values.size(); ++v) {
        double term = separable->terms[a][v];
        if (term == 0.0) continue;
        BRINTAVEL_TRY_ASSIGN(Expression condition, atom_is(table.atoms[a], table.atoms[a].values[v], ctx));
        cases.add(std::move(condition), {term});
      }
    }
  } else if (joint_fits) {
    for (const auto& [values, assignments] : by_value) {
      if (identity(values)) continue;
      if (assignments.size() == table.results.size()) {
        cases.add(std::nullopt, values);
        continue;
      }
      BRINTAVEL_TRY_ASSIGN(Expression condition, one_of(table, assignments, ctx));
      cases.add(std::move(condition), values);
    }
  } else if (has_pointer) {
    return Out{};
  } else {
    ctx.warn(cat("the angle ", q(names.front()), " of ", q(call.callee),
                 " is computed at run time from values that take too many cases to write each; the "
                 "service evaluates it once for all shots"));
    return Out{};
  }
  // The conditions read the measured values here.
  ctx.use_pending(Reader{Reader::Kind::SsaValue, names.front()}, ctx.here());
  return Out(cases.take());
}

}  // namespace brintavel::translator
