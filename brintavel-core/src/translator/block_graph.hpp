// The branch graph of a function's blocks, by block number (source order), and the graph
// facts several stages need: predecessors and the blocks that lie on cycles.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace brintavel::translator {

// The blocks a block branches to, by number (at most two).
class BlockEdges {
 public:
  void push_back(std::uint32_t target) {
    if (size_ < targets_.size()) targets_[size_++] = target;
  }
  // Sets the target in `slot` (0 or 1); the slots before it count as set.
  void set(std::size_t slot, std::uint32_t target) {
    if (slot >= targets_.size()) return;
    targets_[slot] = target;
    if (size_ <= slot) size_ = static_cast<std::uint8_t>(slot + 1);
  }
  std::size_t size() const { return size_; }
  const std::uint32_t* begin() const { return targets_.data(); }
  const std::uint32_t* end() const { return targets_.data() + size_; }

 private:
  std::array<std::uint32_t, 2> targets_{};
  std::uint8_t size_ = 0;
};
using BlockGraph = std::vector<BlockEdges>;

// Every block's predecessors, by number, in one array.
class Predecessors {
 public:
  explicit Predecessors(const BlockGraph& successors);
  std::span<const std::uint32_t> of(std::uint32_t block) const {
    return {sources_.data() + start_[block], sources_.data() + start_[block + 1]};
  }

 private:
  std::vector<std::uint32_t> start_;    // by block: where its predecessors begin in sources_
  std::vector<std::uint32_t> sources_;
};

// Whether each block lies on a cycle of the graph: in a strongly connected component of
// several blocks, or with an edge to itself (Tarjan's algorithm, walked with an explicit stack).
std::vector<bool> blocks_on_cycles(const BlockGraph& successors);

}  // namespace brintavel::translator
