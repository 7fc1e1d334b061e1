// The gate table: the Halvek native gates, the QIR functions that map to them, the
// controlled operations that have a native gate, and (for the extended mode) the exact
// rewrites of gates outside the native set into native gates. Every other part of the system
// (the profile, the builders, the gate definitions, the README's tables and the tests) reads
// these lists.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace brintavel::builders {

// How a native gate's inverse is written: the gate itself, the gate with its first angle
// negated, or the gate with the inverse modifier (`inv @`).
enum class Inverse : std::uint8_t { Self, NegatedAngle, Modifier };

struct NativeGate {
  std::string_view name;    // the OpenQASM name the translator prints
  int angles;               // angle arguments
  int qubits;               // qubit operands
  Inverse inverse;
  // The OpenQASM 3 definition for generic tools: its parameter list, and its body in
  // terms of U and the gates of stdgates.inc. Empty for a gate of stdgates.inc itself.
  std::string_view parameters;
  std::string_view body;

  // Whether the angle adds: gate(a) gate(b) = gate(a + b). So it is for the one-angle gates
  // inverted by negating it, the rotations exp(-i a P / 2) and cphaseshift's diag(1, 1, 1, e^{ia}).
  bool angle_adds() const { return angles == 1 && inverse == Inverse::NegatedAngle; }
};

// A QIR function that lowers to one native gate (with `inv @` when adjoint).
struct QirGate {
  std::string_view function;
  std::string_view gate;
  bool adjoint;
};

// A controlled operation of generalizedInvokeWithRotationsControlsTargets with a native
// gate: __quantum__qis__OP__ctl with this many controls and targets.
struct ControlledGate {
  std::string_view op;
  std::int64_t controls;
  std::int64_t targets;
  std::string_view gate;
};

std::span<const NativeGate> native_gates();
std::span<const QirGate> qir_gates();
std::span<const ControlledGate> controlled_gates();

const NativeGate* find_native_gate(std::string_view name);

// ---- Rewrites (extended mode) --------------------------------------------------------

// A rational number num/den, den > 0.
struct Ratio {
  std::int32_t num = 0;
  std::int32_t den = 1;
  friend bool operator==(const Ratio&, const Ratio&) = default;
};

// The most angles a rewritten gate takes (u3's and rxxyyzz's three).
inline constexpr std::size_t kMaxRewriteAngles = 3;

// An angle written in terms of the rewritten gate's own angles: the sum of each angle times
// its coefficient, plus a multiple of pi.
struct AngleForm {
  std::array<Ratio, kMaxRewriteAngles> of{};
  Ratio pi{};
  friend bool operator==(const AngleForm&, const AngleForm&) = default;
};

// One native gate of a rewrite: its angles (as many as the native gate takes) and its
// operands, as positions among the rewritten gate's qubits (controls first, then targets).
struct RewriteStep {
  std::string_view gate;
  std::array<AngleForm, 2> angles{};
  std::array<std::uint8_t, 3> qubits{};
};

// A gate outside the native set and the native gates whose product it is:
//   gate = e^{i phase} * (the steps' product, the first step applied first).
// The phase is zero for every controlled form; only a one-qubit gate has one, a global phase
// that no native one-qubit gate can carry (their determinants are eighth roots of unity).
struct GateRewrite {
  std::string_view name;  // the QIR function, or OP of a controlled __quantum__qis__OP__ctl
  bool controlled;
  std::int64_t controls;  // 0 for a QIR function
  std::int64_t targets;   // the qubits of a QIR function
  std::span<const std::string_view> angle_names;  // the gate's angles, in operand order
  AngleForm phase;
  std::vector<RewriteStep> steps;
};

// Multi-controlled gates are rewritten without ancillas for at most this many controls: the
// construction doubles its gates with each control.
inline constexpr std::int64_t kMaxRewriteControls = 6;

// Every rewrite: the QIR functions first, then the controlled forms by operation and number
// of controls.
std::span<const GateRewrite> gate_rewrites();
const GateRewrite* find_function_rewrite(std::string_view function);
const GateRewrite* find_controlled_rewrite(std::string_view op, std::int64_t controls,
                                           std::int64_t targets);
// Whether a controlled OP with this many targets has rewrites (for some number of controls).
bool has_controlled_rewrites(std::string_view op, std::int64_t targets);

// An angle in words, with the gate's angle names and π: "θ/2", "-π/4", "φ + λ", "0".
std::string angle_text(const AngleForm& angle, std::span<const std::string_view> names);

// The `gate` definitions of the native gates that stdgates.inc lacks, after an include of
// stdgates.inc.
std::string definitions_text();

}  // namespace brintavel::builders
