// The branch graph of a function's blocks, by block number (source order), and the graph
// facts several stages need: predecessors, the blocks that lie on cycles, and the strongly
// connected components.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <utility>
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
  Predecessors() = default;  // of no blocks
  explicit Predecessors(const BlockGraph& successors);
  std::span<const std::uint32_t> of(std::uint32_t block) const {
    return {sources_.data() + start_[block], sources_.data() + start_[block + 1]};
  }

 private:
  std::vector<std::uint32_t> start_{0};  // by block: where its predecessors begin in sources_
  std::vector<std::uint32_t> sources_;
};

// Whether every edge of the graph goes to a later block: the graph then has no cycle, and the
// blocks' order is a topological order.
bool edges_go_forward(const BlockGraph& successors);

// Whether each block lies on a cycle of the graph: in a strongly connected component of
// several blocks, or with an edge to itself (from topological_components below).
std::vector<bool> blocks_on_cycles(const BlockGraph& successors);

// The strongly connected components of the graph, numbered in topological order (an edge goes
// to a component of an equal or higher number), by block: Tarjan's algorithm, which completes
// the components in reverse topological order, walked with an explicit stack. `Graph` is a
// BlockGraph or a vector of successor lists.
template <class Graph>
std::vector<std::uint32_t> topological_components(const Graph& successors) {
  constexpr std::uint32_t kUnvisited = UINT32_MAX;
  std::size_t n = successors.size();
  std::vector<std::uint32_t> index(n, kUnvisited), low(n, 0), component(n, kUnvisited);
  std::vector<std::uint32_t> open;  // Tarjan's stack
  std::vector<std::pair<std::uint32_t, std::size_t>> walk;  // (block, next successor)
  std::uint32_t next_index = 0, completed = 0;
  for (std::uint32_t root = 0; root < static_cast<std::uint32_t>(n); ++root) {
    if (index[root] != kUnvisited) continue;
    walk.push_back({root, 0});
    index[root] = low[root] = next_index++;
    open.push_back(root);
    while (!walk.empty()) {
      auto& [v, i] = walk.back();
      if (i < successors[v].size()) {
        std::uint32_t w = successors[v].begin()[i++];
        if (index[w] == kUnvisited) {
          index[w] = low[w] = next_index++;
          open.push_back(w);
          walk.push_back({w, 0});
        } else if (component[w] == kUnvisited) {
          low[v] = std::min(low[v], index[w]);
        }
        continue;
      }
      std::uint32_t done = v;
      walk.pop_back();
      if (!walk.empty()) low[walk.back().first] = std::min(low[walk.back().first], low[done]);
      if (low[done] != index[done]) continue;
      std::uint32_t x;
      do {
        x = open.back();
        open.pop_back();
        component[x] = completed;
      } while (x != done);
      ++completed;
    }
  }
  for (std::uint32_t& c : component) c = completed - 1 - c;
  return component;
}

}  // namespace brintavel::translator
