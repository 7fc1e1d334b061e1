// The rewrite of a gate outside the native set (gate_table.hpp), written as native gates on
// the call's qubits: each angle of a native gate is written from the call's own angles,
// folded to one number where they are numbers.
#include <optional>
#include <unordered_set>
#include <vector>

#include "builders/quantum.hpp"
#include "qasm/finite.hpp"

namespace brintavel::builders {

using text::cat;

namespace {

std::optional<double> number(const qasm::Expression& e) {
  if (const auto* f = std::get_if<qasm::FloatLiteral>(&e.node)) return f->value;
  if (const auto* i = std::get_if<qasm::IntLiteral>(&e.node)) return static_cast<double>(i->value);
  return std::nullopt;
}

// `form` times `sign`: the sum of its terms, the call's numbers folded into the first.
qasm::Expression angle_expression(const AngleForm& form, int sign, std::span<const qasm::Expression> angles) {
  using qasm::BinaryOperator;
  double constant = 0.0;
  bool has_constant = false;
  std::optional<qasm::Expression> sum;
  auto add_term = [&](Ratio r, qasm::Expression symbol) {
    bool negative = (r.num < 0) != (sign < 0);
    std::int64_t num = r.num < 0 ? -std::int64_t{r.num} : r.num;
    if (num != 1) symbol = qasm::make_binary(BinaryOperator::Mul, qasm::IntLiteral{num}, std::move(symbol));
    if (!sum && negative) symbol = qasm::make_unary(qasm::UnaryOperator::Neg, std::move(symbol));
    if (r.den != 1) symbol = qasm::make_binary(BinaryOperator::Div, std::move(symbol), qasm::IntLiteral{r.den});
    if (!sum) {
      sum = std::move(symbol);
    } else {
      sum = qasm::make_binary(negative ? BinaryOperator::Sub : BinaryOperator::Add, std::move(*sum), std::move(symbol));
    }
  };
  for (std::size_t i = 0; i < angles.size() && i < form.of.size(); ++i) {
    Ratio r = form.of[i];
    if (r.num == 0) continue;
    if (auto value = number(angles[i])) {
      constant += sign * *value * r.num / r.den;
      has_constant = true;
    }
  }
  // Zero is written 0.0, never -0.0.
  if (constant == 0.0) constant = 0.0;
  bool other_terms = form.pi.num != 0;
  for (std::size_t i = 0; i < angles.size() && i < form.of.size(); ++i)
    other_terms = other_terms || (form.of[i].num != 0 && !number(angles[i]));
  if ((has_constant && constant != 0.0) || !other_terms) sum = qasm::FloatLiteral{constant};
  for (std::size_t i = 0; i < angles.size() && i < form.of.size(); ++i)
    if (form.of[i].num != 0 && !number(angles[i])) add_term(form.of[i], angles[i]);
  if (form.pi.num != 0) add_term(form.pi, qasm::Identifier{"pi"});
  return std::move(*sum);
}

}  // namespace

Status emit_rewrite(const GateRewrite& rewrite, std::span<const qasm::Expression> angles,
                    std::span<const qasm::IndexedIdentifier> qubits, bool adjoint,
                    std::string_view what, CallContext& ctx, qasm::StatementList& out) {
  std::unordered_set<std::int64_t> seen;
  for (const qasm::IndexedIdentifier& qubit : qubits) {
    const auto* index = qubit.index ? std::get_if<qasm::IntLiteral>(&qubit.index->node) : nullptr;
    if (index && !seen.insert(index->value).second)
      return unsupported(cat(what, " acts on qubit ", index->value,
                             " more than once; the qubits of a gate must be distinct"));
  }
  // Every angle is made and checked before the first gate is printed.
  struct Planned {
    const NativeGate* gate;
    const RewriteStep* step;
    std::size_t first_argument;
  };
  std::vector<Planned> plan;
  std::vector<qasm::Expression> arguments;
  plan.reserve(rewrite.steps.size());
  for (std::size_t k = 0; k < rewrite.steps.size(); ++k) {
    const RewriteStep& step = rewrite.steps[adjoint ? rewrite.steps.size() - 1 - k : k];
    const NativeGate* gate = find_native_gate(step.gate);
    if (!gate) return internal_error(cat("the rewrite of ", what, " uses ", step.gate, ", which is no native gate"));
    plan.push_back({gate, &step, arguments.size()});
    for (int a = 0; a < gate->angles; ++a) {
      bool negated = adjoint && gate->inverse == Inverse::NegatedAngle && a == 0;
      arguments.push_back(angle_expression(step.angles[static_cast<std::size_t>(a)], negated ? -1 : 1, angles));
      BRINTAVEL_CHECK(qasm::check_finite(arguments.back(), [&] { return cat("an angle of the rewrite of ", what); }));
    }
  }
  std::vector<qasm::IndexedIdentifier> operands;
  for (const Planned& p : plan) {
    operands.clear();
    for (int j = 0; j < p.gate->qubits; ++j) operands.push_back(qubits[p.step->qubits[static_cast<std::size_t>(j)]]);
    std::span<const qasm::Expression> args(arguments.data() + p.first_argument, static_cast<std::size_t>(p.gate->angles));
    bool modifier = adjoint && p.gate->inverse == Inverse::Modifier;
    ctx.emitter().print_gate(out, modifier ? 1 : 0, p.gate->name, args, operands);
  }
  return {};
}

}  // namespace brintavel::builders
