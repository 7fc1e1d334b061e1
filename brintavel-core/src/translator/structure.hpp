// Control-flow structuring: reduces the branch graph of the lowered blocks to one
// statement list with nested if/else and while statements.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "error.hpp"
#include "qasm/model.hpp"
#include "translator/block.hpp"
#include "translator/block_graph.hpp"
#include "translator/budget.hpp"

namespace brintavel::translator {

// How the next rewrite is found. Both give the same result: the rules are tried in order
// A to F, and each rule takes the first matching node in ascending byte-wise label order.
enum class StructureSearch {
  Incremental,  // keep the set of matching nodes of every rule up to date after each rewrite
  Rescan,       // rescan every node for every rule after each rewrite (quadratic; for testing)
};

// Consumes the block lowerings (in source order; the entry block is `entry`). Copies of
// loop-header statements are charged to `budget` when one is given. On failure,
// `failed_block` (when given) receives the number (BlockLowering::ordinal) of the block the
// error concerns. `graph`, when given, holds each block's successors by number (the blocks'
// ordinals are then their positions in `blocks`), which spares looking their labels up.
Result<qasm::StatementList> structure_control_flow(std::vector<BlockLowering> blocks,
                                                   std::string_view entry,
                                                   SizeBudget* budget = nullptr,
                                                   StructureSearch strategy = StructureSearch::Incremental,
                                                   std::uint32_t* failed_block = nullptr,
                                                   const BlockGraph* graph = nullptr);

// Structures block lowerings as structure_control_flow does, one set after another (the regions
// of a function), keeping its working memory from one to the next.
class BlockStructurer {
 public:
  BlockStructurer();
  ~BlockStructurer();
  BlockStructurer(const BlockStructurer&) = delete;
  BlockStructurer& operator=(const BlockStructurer&) = delete;

  // `end`, when given, is one more block after `blocks` (in source order and in `graph`), which
  // the structuring may empty: the block a region of a function ends in.
  Result<qasm::StatementList> structure(std::vector<BlockLowering> blocks, std::string_view entry,
                                        SizeBudget* budget = nullptr,
                                        StructureSearch strategy = StructureSearch::Incremental,
                                        std::uint32_t* failed_block = nullptr, const BlockGraph* graph = nullptr,
                                        BlockLowering* end = nullptr);
  // Takes back a list that structure() made, once it is no longer needed: emptied, its memory
  // holds the top-level statements of the next.
  void give_back(qasm::StatementList list);
  // An empty list whose memory held the lowerings of the last structure(): the next set can
  // be gathered in it.
  std::vector<BlockLowering> spare_blocks();

 private:
  struct Work;
  std::unique_ptr<Work> work_;
};

}  // namespace brintavel::translator
