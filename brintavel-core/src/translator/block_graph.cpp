#include "translator/block_graph.hpp"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace brintavel::translator {

Predecessors::Predecessors(const BlockGraph& successors) : start_(successors.size() + 1, 0) {
  for (const BlockEdges& edges : successors)
    for (std::uint32_t target : edges) ++start_[target + 1];
  for (std::size_t i = 1; i < start_.size(); ++i) start_[i] += start_[i - 1];
  sources_.resize(start_.back());
  std::vector<std::uint32_t> next(start_.begin(), start_.end() - 1);
  for (std::uint32_t block = 0; block < successors.size(); ++block)
    for (std::uint32_t target : successors[block]) sources_[next[target]++] = block;
}

std::vector<bool> blocks_on_cycles(const BlockGraph& succs) {
  std::size_t n = succs.size();
  constexpr std::size_t kUnvisited = SIZE_MAX;
  std::vector<std::size_t> order(n, kUnvisited), low(n, 0);
  std::vector<bool> on_stack(n, false), cyclic(n, false);
  std::vector<std::size_t> stack;
  std::vector<std::pair<std::size_t, std::size_t>> walk;  // (node, next successor)
  std::size_t counter = 0;
  for (std::size_t root = 0; root < n; ++root) {
    if (order[root] != kUnvisited) continue;
    walk.push_back({root, 0});
    order[root] = low[root] = counter++;
    stack.push_back(root);
    on_stack[root] = true;
    while (!walk.empty()) {
      auto& [v, next] = walk.back();
      if (next < succs[v].size()) {
        std::size_t w = succs[v].begin()[next++];
        if (order[w] == kUnvisited) {
          order[w] = low[w] = counter++;
          stack.push_back(w);
          on_stack[w] = true;
          walk.push_back({w, 0});
        } else if (on_stack[w]) {
          low[v] = std::min(low[v], order[w]);
        }
        continue;
      }
      std::size_t done = v;
      walk.pop_back();
      if (!walk.empty()) low[walk.back().first] = std::min(low[walk.back().first], low[done]);
      if (low[done] != order[done]) continue;
      // `done` roots a component: it is a cycle when it has several blocks or a self-loop.
      std::size_t first = stack.size();
      do --first; while (stack[first] != done);
      bool cycle = stack.size() - first > 1 ||
                   std::find(succs[done].begin(), succs[done].end(), done) != succs[done].end();
      for (std::size_t k = first; k < stack.size(); ++k) {
        on_stack[stack[k]] = false;
        if (cycle) cyclic[stack[k]] = true;
      }
      stack.resize(first);
    }
  }
  return cyclic;
}

}  // namespace brintavel::translator
