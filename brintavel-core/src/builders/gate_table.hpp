// The gate table: the Halvek native gates, the QIR functions that map to them, and the
// controlled operations that have a native gate. Every other part of the system (the
// profile, the builders, the gate definitions, the README's table and the tests) reads
// these three lists.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace brintavel::builders {

struct NativeGate {
  std::string_view name;    // the OpenQASM name the translator prints
  int angles;               // angle arguments
  int qubits;               // qubit operands
  // The OpenQASM 3 definition for generic tools: its parameter list, and its body in
  // terms of U and the gates of stdgates.inc. Empty for a gate of stdgates.inc itself.
  std::string_view parameters;
  std::string_view body;
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

// The `gate` definitions of the native gates that stdgates.inc lacks, after an include of
// stdgates.inc.
std::string definitions_text();

}  // namespace brintavel::builders
