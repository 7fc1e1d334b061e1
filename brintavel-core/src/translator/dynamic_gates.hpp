// Gates whose angles are computed from measurements, and calls whose qubits or results are
// chosen at run time, in the extended rules.
//
// The service evaluates a gate angle that depends on a measurement once for all shots, so such
// an angle is not written as an expression. Its value is a function of a few measured values
// (tabulation.hpp), and the gate is written case by case over them:
// - a gate whose angle adds (rx(a) rx(b) = rx(a + b)) and whose angle is a constant plus one
//   term per measured value becomes a rotation by the constant and one rotation per term, each
//   under the condition that its value was measured: rz(0.1 + 0.2 c[0] + 0.4 c[1]) q is
//   rz(0.1) q; if (c[0] == 1) { rz(0.2) q; } if (c[1] == 1) { rz(0.4) q; }
// - any other gate is written once per distinct tuple of its angles' values, with those values,
//   under the condition that selects them (a tuple of zeros, the identity, is left out).
// The smaller of the two is taken. An angle of more cases is written as it is, with a warning:
// the translation then depends on the service's evaluation. A qubit or result operand that is
// not a constant (an element of a constant array at a loop counter's index) is written the
// same way, one call per qubit under the condition that selects it.
#pragma once

#include <vector>

#include "builders/profile.hpp"
#include "error.hpp"
#include "ir/model.hpp"
#include "signatures.hpp"
#include "translator/extended_values.hpp"
#include "translator/rules.hpp"

namespace brintavel::translator {

// The cases of a call whose angles are computed from measurements or whose qubit or result
// operands are chosen at run time (a loop indexing the qdk's qubit arrays); nothing when the
// call has no such argument or when they take too many values (an angle then with a warning);
// no case for a result read, whose value is then bound: the bit of each case under its
// condition.
Result<std::optional<std::vector<CallCase>>> dynamic_gate_cases(const ir::Call& call, const Signature& signature,
                                                                const builders::BuilderKind& kind,
                                                                ValueScope& scope);

}  // namespace brintavel::translator
