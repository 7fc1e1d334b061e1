// The debug rendering of an operand, used inside messages: ConstInt(5), Ssa("x"),
// PtrConst { struct_name: Some("Qubit"), index: 3 }, GetElementPtr, ...
#pragma once

#include <string>

#include "ir/model.hpp"

namespace brintavel::ir {

std::string debug_render(const Operand& operand);

// A double as the rendering shows it: 1.0, 0.001, 1e16, 1.5e-5, NaN, inf, -inf.
std::string debug_render_float(double value);

}  // namespace brintavel::ir
