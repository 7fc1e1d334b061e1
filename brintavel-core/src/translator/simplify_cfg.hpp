// Clean-ups of a function body's branch graph before the extended rules lower it, in the
// manner of LLVM's SimplifyCFG and UnifyFunctionExitNodes, so that more bodies have a
// structured form:
// - several return blocks become branches to one return block at the end (the returned value
//   is not used: an entry point's is dropped);
// - phis that nothing reads are removed (with the returned values gone, merges that only fed a
//   return stop needing assignments on their edges);
// - a block that only branches on to a block without phis is skipped by its predecessors;
// and, as a step of its own, blocks put in an order where each comes after the blocks that
// dominate it, when some block reads a value before the block that defines it.
#pragma once

#include <vector>

#include "ir/model.hpp"

namespace brintavel::translator {

// Applies the clean-ups above; names of new blocks are kept in `names`. Returns where the
// aborts that no longer happen were (pointers into the source, or null).
std::vector<const char*> simplify_cfg(std::vector<ir::Block>& blocks, ir::TextPool& names);

// When an instruction reads a value that a later block defines (a loop's latch written before
// its header), puts the blocks in reverse postorder, where every block comes after the blocks
// that dominate it; the entry stays first, and blocks no path reaches go last. (A body that
// falls apart into segments, segments.hpp, reads no value before it is defined.)
void order_by_dominance(std::vector<ir::Block>& blocks);

}  // namespace brintavel::translator
