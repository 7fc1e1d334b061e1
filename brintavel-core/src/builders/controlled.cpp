// The generalized controlled-gate builder: the variadic intrinsic through which QIR
// producers express a controlled operation with any number of controls.
#include <array>
#include <limits>

#include "builders/gate_table.hpp"
#include "builders/quantum.hpp"
#include "ir/operand_format.hpp"

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

Status build_controlled_gate(const Signature& sig, std::span<const ir::Operand> args,
                             CallContext& ctx, qasm::StatementList& out) {
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
  if (rotations != 0)
    return unsupported(cat(kCallee, " with numRotations=", rotations,
                           " is not yet supported; only non-parametric controlled gates "
                           "(numRotations == 0) are handled"));
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

  // Both counts are non-negative here, so their sum cannot overflow an unsigned 64-bit value.
  std::uint64_t expected = static_cast<std::uint64_t>(controls) + static_cast<std::uint64_t>(targets);
  std::size_t trailing = args.size() - 5;
  if (trailing != expected)
    return unsupported(cat(kCallee, ": expected ", expected,
                           " qubit operand(s) after the fixed prefix (numControls=", controls,
                           " + numTargets=", targets, "); got ", trailing, " trailing operand(s)"));

  qasm::GateCall call;
  call.operands.reserve(trailing);
  for (const ir::Operand& operand : args.subspan(5)) {
    // A null i8* in the qubit list stands for qubit 0.
    ir::Operand qubit = std::holds_alternative<ir::I8Null>(operand)
                            ? ir::Operand(ir::PtrConst{std::nullopt, 0})
                            : operand;
    BRINTAVEL_TRY_ASSIGN(auto resolved, resolve_qubit_operand(qubit, kCallee, ctx));
    call.operands.push_back(std::move(resolved));
  }

  auto gate = controlled_gate_for(op, controls, targets);
  if (!gate)
    return unsupported(cat(kCallee, ": no Halvek-native gate for controlled ``", op,
                           "`` with numControls=", controls, ", numTargets=", targets,
                           ". Extend the decomposition pipeline upstream, or add a gate mapping here."));
  // The call carries no rotation, so the native gate must not need an angle.
  if (const NativeGate* native = find_native_gate(*gate); native && native->angles > 0)
    return unsupported(cat(kCallee, ": controlled ``", op, "`` maps to the native gate ", *gate,
                           ", which needs its angle; a call with numRotations=0 gives it none"));
  if (adjoint != 0) call.modifiers.push_back(qasm::GateModifier::Inverse);
  call.name = *gate;
  ctx.emitter().print(out, std::move(call));
  return {};
}

}  // namespace brintavel::builders
