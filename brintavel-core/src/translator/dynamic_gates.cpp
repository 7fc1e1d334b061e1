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
// atoms; the cases of any other angle are written over at most kMaxConditionCases.
constexpr std::size_t kMaxSeparatedAssignments = 1024;

bool is_literal(const Expression& e) {
  return std::holds_alternative<qasm::FloatLiteral>(e.node) || std::holds_alternative<qasm::IntLiteral>(e.node) ||
         std::holds_alternative<qasm::BoolLiteral>(e.node);
}

double as_double(const Value& v) { return v.is_integer() ? static_cast<double>(v.as_integer()) : v.as_real(); }

// The native gate the call makes alone, when its angle adds.
bool angle_adds(const builders::BuilderKind& kind) {
  const auto* gate = std::get_if<builders::Gate>(&kind);
  const builders::NativeGate* native = gate ? builders::find_native_gate(gate->gate_name) : nullptr;
  return native && native->angle_adds();
}

class Cases {
 public:
  Cases(const ir::Call& call, std::vector<std::size_t> positions) : call_(call), positions_(std::move(positions)) {}

  // The call with its angles at `angles`, under `condition` when there is one.
  void add(std::optional<Expression> condition, const std::vector<double>& angles) {
    std::vector<ir::Operand> args = call_.args;
    for (std::size_t j = 0; j < positions_.size(); ++j) args[positions_[j]] = ir::ConstFloat{angles[j]};
    cases_.push_back(CallCase{std::move(condition), std::move(args)});
  }
  std::vector<CallCase> take() {
    // A gate no case makes (its angle is 0 wherever it is reached) still acts on its qubits.
    if (cases_.empty()) add(std::nullopt, std::vector<double>(positions_.size(), 0.0));
    return std::move(cases_);
  }

 private:
  const ir::Call& call_;
  std::vector<std::size_t> positions_;
  std::vector<CallCase> cases_;
};

// The distinct tuples of the angles, each with the assignments that give it; assignments that
// give an angle no finite value (which no run that reaches the gate has) are left out.
std::vector<std::pair<std::vector<double>, std::vector<std::size_t>>> distinct_angles(const std::vector<Table>& tables) {
  std::vector<std::pair<std::vector<double>, std::vector<std::size_t>>> by_value;
  for (std::size_t k = 0; k < tables.front().results.size(); ++k) {
    std::vector<double> angles;
    for (const Table& t : tables) angles.push_back(as_double(t.results[k]));
    if (!std::all_of(angles.begin(), angles.end(), [](double a) { return std::isfinite(a); })) continue;
    auto it = std::find_if(by_value.begin(), by_value.end(), [&](const auto& e) { return e.first == angles; });
    if (it == by_value.end()) it = by_value.insert(by_value.end(), {angles, {}});
    it->second.push_back(k);
  }
  return by_value;
}

}  // namespace

Result<std::vector<CallCase>> dynamic_gate_cases(const ir::Call& call, const Signature& signature,
                                                 const builders::BuilderKind& kind, ValueScope& scope) {
  // The angles computed at run time: double arguments bound to more than a literal.
  std::vector<std::size_t> positions;
  std::vector<std::string_view> names;
  for (std::size_t i = 0; i < call.args.size(); ++i) {
    const auto* s = std::get_if<ir::Ssa>(&call.args[i]);
    bool angle = i >= signature.params.size() || signature.params[i] == "double";
    if (!s || !angle) continue;
    const Expression* value = scope.ctx.peek_value(s->name);
    bool read_by_cases = scope.ctx.has_index(s->name) || (scope.body && counts_trips(*scope.body, s->name));
    if (!read_by_cases && (!value || is_literal(*value))) continue;
    positions.push_back(i);
    names.push_back(s->name);
  }
  if (positions.empty()) return std::vector<CallCase>{};
  std::optional<std::vector<Table>> tables;
  if (scope.body && scope.ranges)
    tables = tabulate_together(*scope.body, *scope.ranges, names, kMaxSeparatedAssignments);
  auto too_many = [&] {
    scope.ctx.warn(cat("the angle ", q(names.front()), " of ", q(call.callee),
                       " is computed at run time from values that take too many cases to write each; the "
                       "service evaluates it once for all shots"));
    return std::vector<CallCase>{};
  };
  if (!tables) return too_many();
  // A constant angle is written as it is bound.
  if (tables->front().atoms.empty()) return std::vector<CallCase>{};

  Cases cases(call, positions);
  const Table& table = tables->front();
  // Every gate with angles is the identity when they are all 0 (rotations, phases, and the
  // controlled forms and products of them): such a case is left out.
  auto identity = [](const std::vector<double>& angles) {
    return std::all_of(angles.begin(), angles.end(), [](double a) { return a == 0.0; });
  };
  auto by_value = distinct_angles(*tables);
  std::size_t joint = 0;
  for (const auto& [angles, assignments] : by_value) joint += !identity(angles);
  bool joint_fits = table.results.size() <= kMaxConditionCases && joint <= kMaxCases;

  std::optional<Separable> separable;
  if (positions.size() == 1 && angle_adds(kind)) separable = separate(table);
  std::size_t terms = 0;
  if (separable) {
    terms = separable->constant != 0.0;
    for (const auto& term : separable->terms)
      terms += static_cast<std::size_t>(std::count_if(term.begin(), term.end(), [](double t) { return t != 0.0; }));
  }
  LoweringContext& ctx = scope.ctx;
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
    for (const auto& [angles, assignments] : by_value) {
      if (identity(angles)) continue;
      if (assignments.size() == table.results.size()) {
        cases.add(std::nullopt, angles);
        continue;
      }
      BRINTAVEL_TRY_ASSIGN(Expression condition, one_of(table, assignments, ctx));
      cases.add(std::move(condition), angles);
    }
  } else {
    return too_many();
  }
  // The conditions read the measured values here.
  ctx.use_pending(Reader{Reader::Kind::SsaValue, names.front()}, ctx.here());
  return cases.take();
}

}  // namespace brintavel::translator
