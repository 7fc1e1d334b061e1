#include "translator/extended.hpp"

namespace brintavel::translator {

using text::cat;
using text::q;

Status lower_int_op(const ir::IntOp& op, LoweringContext&) {
  return unsupported(cat("integer operation for SSA value ", q(op.result), " is not yet supported"));
}

Status lower_cast(const ir::Cast& cast, LoweringContext&) {
  return unsupported(cat("cast for SSA value ", q(cast.result), " is not yet supported"));
}

Status lower_float_op(const ir::FloatOp& op, LoweringContext&) {
  return unsupported(cat("floating-point operation for SSA value ", q(op.result), " is not yet supported"));
}

Status lower_fneg(const ir::FNeg& op, LoweringContext&) {
  return unsupported(cat("fneg for SSA value ", q(op.result), " is not yet supported"));
}

Status lower_fcmp(const ir::Fcmp& op, LoweringContext&) {
  return unsupported(cat("fcmp for SSA value ", q(op.result), " is not yet supported"));
}

}  // namespace brintavel::translator
