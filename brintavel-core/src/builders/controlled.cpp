// The generalized controlled-gate builder: the variadic intrinsic through which QIR
// producers express a controlled operation with any number of controls. It becomes one native
// controlled gate, or in the extended mode the rewrite of the gate (gate_table.hpp), with the
// call's angles (numRotations of them, between the inner function and the qubits).
#include <array>
#include <limits>

#include "builders/gate_table.hpp"
#include "builders/quantum.hpp"
#include "ir/operand_format.hpp"
#include "qasm/finite.hpp"

namespace brintavel::builders {

using text::cat;
using text::q;

namespace {

constexpr std::string_view kCallee = "generalizedInvokeWithRotationsControlsTargets";

bool has_expected_signature(const Signature& sig) {
  if (sig.name != kCallee || !sig.is_variadic || sig.params.size() < 5) return false;
  for (std::size_t i = 0; i < 4; ++i)
    if (sig.params[i] != "i64") return false;
  return sig.params[4] == "ptr" || sig.params[4] == "i8";
}

constexpr auto kMaxRotations = static_cast<std::int64_t>(kMaxRewriteAngles);

Error no_gate(std::string_view op, std::int64_t controls, std::int64_t targets) {
  return unsupported(cat(kCallee, ": no Halvek-native gate for controlled ``", op,
                         "`` with numControls=", controls, ", numTargets=", targets,
                         ". Extend the decomposition pipeline upstream, or add a gate mapping here."));
}

// A controlled operation without a native gate, as its rewrite.
Status build_rewritten(std::string_view op, std::int64_t controls, std::int64_t targets,
                       std::span<const qasm::Expression> angles,
                       std::span<const qasm::IndexedIdentifier> qubits, bool adjoint,
                       CallContext& ctx, qasm::StatementList& out) {
  const GateRewrite* rewrite = find_controlled_rewrite(op, controls, targets);
  if (!rewrite && controls > kMaxRewriteControls && has_controlled_rewrites(op, targets))
    return unsupported(cat(kCallee, ": controlled ``", op, "`` with numControls=", controls,
                           " is beyond the rewrites, which write a multi-controlled gate without "
                           "ancillas for at most ", kMaxRewriteControls,
                           " controls (its gates double with each control); decompose it upstream"));
  if (!rewrite) return no_gate(op, controls, targets);
  if (rewrite->angle_names.size() != angles.size())
    return unsupported(cat(kCallee, ": controlled ``", op, "`` takes ", rewrite->angle_names.size(),
                           " angle(s); the call passes numRotations=", angles.size()));
  return emit_rewrite(*rewrite, angles, qubits, adjoint, cat("controlled ``", op, "``"), ctx, out);
}

Result<std::int64_t> count_operand(const ir::Operand& operand, std::string_view name) {
  const auto* c = std::get_if<ir::ConstInt>(&operand);
  if (!c)
    return unsupported(cat(kCallee, ": ", name, " must be an i64 constant, got ",
                           ir::debug_render(operand)));
  auto value = c->value.to_int64();
  if (!value) return unsupported(cat(kCallee, ": ", name, " = ", c->value, " does not fit in i64"));
  return *value;
}

}  // namespace

std::optional<std::string_view> controlled_gate_for(std::string_view op, std::int64_t controls,
                                                    std::int64_t targets) {
  for (const ControlledGate& m : controlled_gates())
    if (m.op == op && m.controls == controls && m.targets == targets) return m.gate;
  return std::nullopt;
}

Status build_controlled_gate(const GeneralizedControlled& kind, const Signature& sig,
                             std::span<const ir::Operand> args, CallContext& ctx,
                             qasm::StatementList& out) {
  if (!has_expected_signature(sig)) {
    std::string message = cat("generalized-controlled intrinsic ", q(sig.name),
                              " has unexpected signature ");
    append_type_list(message, sig.params);
    message.append(cat(" (variadic=", sig.is_variadic ? "true" : "false", "); expected callee ",
                       q(kCallee),
                       " with parameter prefix (\"i64\", \"i64\", \"i64\", \"i64\", \"i8\"|\"ptr\", "
                       "...) and is_variadic=true"));
    return unsupported(std::move(message));
  }
  if (args.size() < 5)
    return unsupported(cat(kCallee,
                           " expects at least 5 operands (numRotations, adjoint, numControls, "
                           "numTargets, innerFn); got ",
                           args.size(), " operand(s)"));

  BRINTAVEL_TRY_ASSIGN(std::int64_t rotations, count_operand(args[0], "numRotations"));
  BRINTAVEL_TRY_ASSIGN(std::int64_t adjoint, count_operand(args[1], "adjoint"));
  BRINTAVEL_TRY_ASSIGN(std::int64_t controls, count_operand(args[2], "numControls"));
  BRINTAVEL_TRY_ASSIGN(std::int64_t targets, count_operand(args[3], "numTargets"));
  if (rotations != 0 && !kind.rewrites)
    return unsupported(cat(kCallee, " with numRotations=", rotations,
                           " is not yet supported; only non-parametric controlled gates "
                           "(numRotations == 0) are handled"));
  if (rotations < 0 || rotations > kMaxRotations)
    return unsupported(cat(kCallee, " with numRotations=", rotations,
                           ": a controlled gate takes from 0 to ", kMaxRotations, " angles"));
  if (controls < 0 || targets < 0)
    return unsupported(cat(kCallee, " had negative numControls=", controls, " or numTargets=", targets));

  std::string_view inner;
  if (const auto* b = std::get_if<ir::BitcastGlobal>(&args[4])) {
    inner = b->name;
  } else if (const auto* g = std::get_if<ir::GlobalRef>(&args[4])) {
    inner = g->name;
  } else {
    return unsupported(cat(kCallee,
                           ": inner-function operand must be a bitcast of a named global (e.g. "
                           "``i8* bitcast (T* @__quantum__qis__<op>__ctl to i8*)``) or a bare "
                           "global reference; got ",
                           ir::debug_render(args[4])));
  }
  static constexpr std::string_view kPrefix = "__quantum__qis__";
  static constexpr std::string_view kSuffix = "__ctl";
  if (inner.size() < kPrefix.size() + kSuffix.size() || !inner.starts_with(kPrefix) ||
      !inner.ends_with(kSuffix))
    return unsupported(cat(kCallee, ": inner callee ", q(inner),
                           " does not match the expected `__quantum__qis__<op>__ctl` pattern"));
  std::string_view op =
      inner.substr(kPrefix.size(), inner.size() - kPrefix.size() - kSuffix.size());

  // The counts are non-negative and numRotations is small here, so their sum cannot overflow
  // an unsigned 64-bit value.
  std::uint64_t qubit_count = static_cast<std::uint64_t>(controls) + static_cast<std::uint64_t>(targets);
  std::size_t trailing = args.size() - 5;
  if (trailing != qubit_count + static_cast<std::uint64_t>(rotations)) {
    if (rotations == 0)
      return unsupported(cat(kCallee, ": expected ", qubit_count,
                             " qubit operand(s) after the fixed prefix (numControls=", controls,
                             " + numTargets=", targets, "); got ", trailing, " trailing operand(s)"));
    return unsupported(cat(kCallee, ": expected ", rotations, " angle(s) and ", qubit_count,
                           " qubit operand(s) after the fixed prefix (numRotations=", rotations,
                           ", numControls=", controls, ", numTargets=", targets, "); got ", trailing,
                           " trailing operand(s)"));
  }

  // The angles come first, then the controls and the targets.
  std::size_t first_qubit = 5 + static_cast<std::size_t>(rotations);
  std::vector<qasm::Expression> angles;
  for (const ir::Operand& operand : args.subspan(5, static_cast<std::size_t>(rotations))) {
    BRINTAVEL_TRY_ASSIGN(auto angle, resolve_scalar_operand(operand, kCallee, ctx));
    BRINTAVEL_CHECK(qasm::check_finite(angle, [&] { return cat("the angle of controlled ``", op, "``"); }));
    angles.push_back(std::move(angle));
  }
  qasm::GateCall call;
  call.operands.reserve(trailing);
  for (const ir::Operand& operand : args.subspan(first_qubit)) {
    // A null i8* in the qubit list stands for qubit 0.
    ir::Operand qubit = std::holds_alternative<ir::I8Null>(operand)
                            ? ir::Operand(ir::PtrConst{std::nullopt, 0})
                            : operand;
    BRINTAVEL_TRY_ASSIGN(auto resolved, resolve_qubit_operand(qubit, kCallee, ctx));
    call.operands.push_back(std::move(resolved));
  }

  auto gate = controlled_gate_for(op, controls, targets);
  if (!gate && kind.rewrites)
    return build_rewritten(op, controls, targets, angles, call.operands, adjoint != 0, ctx, out);
  if (!gate) return no_gate(op, controls, targets);
  // The native gate takes its angles from the call's rotations.
  const NativeGate* native = find_native_gate(*gate);
  int wanted = native ? native->angles : 0;
  if (wanted > 0 && rotations == 0)
    return unsupported(cat(kCallee, ": controlled ``", op, "`` maps to the native gate ", *gate,
                           ", which needs its angle; a call with numRotations=0 gives it none"));
  if (wanted != rotations)
    return unsupported(cat(kCallee, ": controlled ``", op, "`` maps to the native gate ", *gate,
                           ", which takes ", wanted, " angle(s); the call passes numRotations=", rotations));
  if (adjoint != 0) call.modifiers.push_back(qasm::GateModifier::Inverse);
  call.name = *gate;
  call.arguments = std::move(angles);
  ctx.emitter().print(out, std::move(call));
  return {};
}

}  // namespace brintavel::builders
