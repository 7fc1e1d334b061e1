// Lowering of the instructions that only the extended mode reads: integer operations beyond
// add, sub and mul, casts, and floating-point arithmetic and comparisons. Every result is
// exact in the service's OpenQASM dialect (no bitwise operators on integers); a value that
// has no such form fails where it reaches a printed statement.
#pragma once

#include "error.hpp"
#include "ir/model.hpp"
#include "translator/context.hpp"

namespace brintavel::translator {

Status lower_int_op(const ir::IntOp& op, LoweringContext& ctx);
Status lower_cast(const ir::Cast& cast, LoweringContext& ctx);
Status lower_float_op(const ir::FloatOp& op, LoweringContext& ctx);
Status lower_fneg(const ir::FNeg& op, LoweringContext& ctx);
Status lower_fcmp(const ir::Fcmp& op, LoweringContext& ctx);

}  // namespace brintavel::translator
