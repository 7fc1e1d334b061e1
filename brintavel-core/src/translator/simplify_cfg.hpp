// Clean-ups of a function body's branch graph before the extended rules lower it, in the
// manner of LLVM's SimplifyCFG and UnifyFunctionExitNodes, so that more bodies have a
// structured form:
// - several return blocks become branches to one return block at the end (the returned value
//   is not used: an entry point's is dropped);
// - phis that nothing reads are removed (with the returned values gone, merges that only fed a
//   return stop needing assignments on their edges);
// - a block that only branches on to a block without phis is skipped by its predecessors.
#pragma once

#include <vector>

#include "ir/model.hpp"

namespace brintavel::translator {

// Applies the clean-ups above; names of new blocks are kept in `names`. Returns where the
// aborts that no longer happen were (pointers into the source, or null).
std::vector<const char*> simplify_cfg(std::vector<ir::Block>& blocks, ir::TextPool& names);

}  // namespace brintavel::translator
