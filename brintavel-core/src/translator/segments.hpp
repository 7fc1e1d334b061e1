// Where a function body falls apart into segments that the body's analyses and the lowering
// can take one after another, so that what they hold about values is the size of a segment,
// not of the body (a long adaptive program is a chain of such pieces: measure, compute,
// branch, meet again).
//
// The blocks of a body (after the clean-ups of simplify_cfg.hpp), in order, split before block
// L when:
// - L ends a region of the branch graph (regions.hpp): the blocks before it reach the rest
//   only through L, and no block from L on branches back before it or to it;
// - no block from L on reads a value defined before L, and L has no phi;
// - every value is read after the instruction that defines it in source order (a phi, which
//   may read a value of a later block of its loop, aside), and defined once (twice is not valid
//   IR, but the index of the whole body would take the first definition for both).
// The index and the range analysis of a segment then find for its values what they find in the
// whole body: a value's range depends on the values it reads and on the tests of the blocks
// that dominate it, all in its segment. One thing differs: the analysis of a segment takes its
// first block as reached, where that of the whole body could show that no run reaches it; only
// blocks that never run can be lowered differently.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "ir/model.hpp"

namespace brintavel::translator {

// The first block of each segment but the first, ascending, with at least `minimum_blocks`
// blocks in each segment (but the last): nothing when the body is one segment.
std::vector<std::uint32_t> segment_starts(std::span<const ir::Block> blocks, std::uint32_t minimum_blocks);

}  // namespace brintavel::translator
