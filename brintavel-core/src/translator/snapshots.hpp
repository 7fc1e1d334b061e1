// Values read after what they read was overwritten, given variables of their own.
//
// Under StaleValues::CheckOverGraph a value that reads a result bit or a variable is
// substituted into its uses with its reads tagged (qasm::Identifier::capture), and the
// statements that read tagged nodes stay trees. Once every block is lowered, the dataflow
// check finds each use that some path reaches after a write to what it read. For each such
// capture, a variable of its own takes the value where the capture was made (`cbool_N = c[k]
// == 1;` for a result bit, a copy for a variable), and every node with its tag reads that
// variable instead. The function is lowered once.
#pragma once

#include <span>
#include <vector>

#include "error.hpp"
#include "translator/block.hpp"
#include "translator/context.hpp"
#include "translator/dataflow.hpp"
#include "translator/variables.hpp"

namespace brintavel::translator {

// Snapshots the captures of `stale` in `blocks` (by block number). False when a capture
// has no tag (nothing was patched then).
Result<bool> snapshot_stale_values(std::vector<BlockLowering>& blocks, std::span<const Dataflow::StaleRead> stale,
                                   LoweringContext& ctx, Variables& variables);

}  // namespace brintavel::translator
