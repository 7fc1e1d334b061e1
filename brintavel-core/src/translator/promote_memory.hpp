// Stack memory promoted to SSA values, as LLVM's mem2reg (PromoteMemToReg) does, for the
// extended rules, before anything else reads the body.
//
// Producers keep mutable variables in allocas (the qdk's Adaptive profile keeps every one so):
// stores in several blocks and loads in a merge block or a loop header. An alloca whose only
// uses are loads and stores of its own type is promoted: a phi is placed in every block of the
// iterated dominance frontier of the blocks that store to it, the body is walked in dominator-
// tree order keeping each variable's current value, every load is replaced by that value and
// the stores and the alloca are removed. A load before any store reads a zero of its type (LLVM
// reads undef: any value will do). Phis that nothing reads are removed again (pruned SSA).
// Memory used otherwise (passed to a call, offset by a getelementptr, of mixed types) stays as
// it is, for the memory rules.
#pragma once

#include <vector>

#include "ir/model.hpp"

namespace brintavel::translator {

// Promotes the allocas of `blocks` that only loads and stores use; new phi names are kept in
// `names`. Returns whether anything changed. A graph without a dominator tree (beyond the
// work cap) is left as it is.
bool promote_memory(std::vector<ir::Block>& blocks, ir::TextPool& names);

}  // namespace brintavel::translator
