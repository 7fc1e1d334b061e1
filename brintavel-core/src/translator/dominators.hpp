// Dominators of the branch graph.
//
// Block d dominates block b when every path from the entry block (block 0) to b passes d.
// The dominator tree is computed by the iterative algorithm of Cooper, Harvey and Kennedy
// over the reverse postorder, which settles in two or three passes on the branch graphs
// that structured programs have; its work is capped at a multiple of the graph's size, and a
// graph that needs more is left without dominators (`has_tree()` is false) rather than
// taking quadratic time.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "translator/block_graph.hpp"

namespace brintavel::translator {

class Dominators {
 public:
  Dominators(const BlockGraph& successors, const Predecessors& predecessors);

  // Whether the tree was computed within the work cap.
  bool has_tree() const { return !pre_.empty(); }
  // Whether a path from block 0 reaches the block.
  bool reachable(std::uint32_t block) const { return block < order_.size() && order_[block] != kNone; }
  // Whether `a` dominates `b` (every block dominates itself); both must be reachable and
  // has_tree() true.
  bool dominates(std::uint32_t a, std::uint32_t b) const {
    return pre_[a] <= pre_[b] && pre_[b] < pre_[a] + size_[a];
  }
  // The block's number in a preorder of the dominator tree: a block's dominators come
  // before it, and the blocks it dominates follow it without a gap.
  std::uint32_t preorder(std::uint32_t block) const { return pre_[block]; }
  // The block's immediate dominator; kNone for block 0 and for blocks not reachable.
  std::uint32_t immediate_dominator(std::uint32_t block) const { return idom_[block]; }
  static constexpr std::uint32_t kNoBlock = UINT32_MAX;

 private:
  static constexpr std::uint32_t kNone = UINT32_MAX;
  std::vector<std::uint32_t> order_;  // by block: its number in postorder, kNone when unreachable
  std::vector<std::uint32_t> pre_;    // by block: its preorder number in the dominator tree
  std::vector<std::uint32_t> size_;   // by block: the number of blocks it dominates
  std::vector<std::uint32_t> idom_;   // by block: its immediate dominator, or kNone
};

// The immediate dominators, by block, of a graph whose every edge goes to a later block
// (edges_go_forward): Dominators::immediate_dominator for each block, found in one pass in
// block order, as each block's predecessors come before it, without the depth-first walk and
// the tree's preorder. The walks up the tree take as many steps as Dominators takes in each of
// its two passes over such a graph, and the same cap applies: empty where that has no tree.
std::vector<std::uint32_t> forward_immediate_dominators(const Predecessors& predecessors, std::size_t blocks);

}  // namespace brintavel::translator
