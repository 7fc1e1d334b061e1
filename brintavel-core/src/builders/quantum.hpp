// Builders: turn one QIR call into OpenQASM statements, insisting on a static circuit
// (every qubit and result operand resolves to a constant index).
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "builders/call_context.hpp"
#include "builders/gate_table.hpp"
#include "builders/profile.hpp"
#include "error.hpp"
#include "ir/model.hpp"
#include "qasm/model.hpp"
#include "signatures.hpp"

namespace brintavel::builders {


// Lowers one call with the builder `kind`, appending its statements to `out`. The form of a
// fixed signature is checked unless `signature_checked` says an earlier call found it right.
Status run_builder(const BuilderKind& kind, const Signature& signature,
                   std::span<const ir::Operand> args, std::optional<std::string_view> result,
                   CallContext& context, qasm::StatementList& out, bool signature_checked = false);

// i for a constant qubit pointer q[i]; raises the highest qubit index.
Result<std::int64_t> resolve_qubit_index(const ir::Operand& operand, std::string_view callee,
                                         CallContext& context);
// q[i] for a constant qubit pointer; raises the highest qubit index.
Result<qasm::IndexedIdentifier> resolve_qubit_operand(const ir::Operand& operand,
                                                      std::string_view callee,
                                                      CallContext& context);
// j for a constant result pointer c[j]; raises the highest result index.
Result<std::int64_t> resolve_result_index(const ir::Operand& operand, std::string_view callee,
                                          CallContext& context);
// A classical gate argument (an angle) as an expression.
Result<qasm::Expression> resolve_scalar_operand(const ir::Operand& operand,
                                                std::string_view callee, CallContext& context);

// The native controlled gate for a controlled operation, if the gate set has one.
std::optional<std::string_view> controlled_gate_for(std::string_view op, std::int64_t controls,
                                                    std::int64_t targets);

// The generalized controlled-gate builder (controlled.cpp).
Status build_controlled_gate(const GeneralizedControlled& kind, const Signature& signature,
                             std::span<const ir::Operand> args, CallContext& context,
                             qasm::StatementList& out);

// The native gates of `rewrite` on `qubits` (controls first), with their angles written from
// the gate's `angles`; reversed and each inverted for the adjoint. `what` names the gate in
// messages. Emits nothing when it fails (rewrite.cpp).
Status emit_rewrite(const GateRewrite& rewrite, std::span<const qasm::Expression> angles,
                    std::span<const qasm::IndexedIdentifier> qubits, bool adjoint,
                    std::string_view what, CallContext& context, qasm::StatementList& out);

// A register element name[index].
qasm::IndexedIdentifier register_element(std::string_view name, std::int64_t index);

// ["Qubit", "Result"]: a list of types, each in quoted form.
void append_type_list(std::string& out, std::span<const std::string_view> types);

}  // namespace brintavel::builders
