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
  // A block is on a cycle when its component has several blocks or it branches to itself.
  std::vector<std::uint32_t> component = topological_components(succs);
  std::vector<std::uint32_t> size(succs.size(), 0);
  for (std::uint32_t c : component) ++size[c];
  std::vector<bool> cyclic(succs.size(), false);
  for (std::size_t b = 0; b < succs.size(); ++b)
    cyclic[b] = size[component[b]] > 1 ||
                std::find(succs[b].begin(), succs[b].end(), static_cast<std::uint32_t>(b)) != succs[b].end();
  return cyclic;
}

}  // namespace brintavel::translator
