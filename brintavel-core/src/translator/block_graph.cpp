#include "translator/block_graph.hpp"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace brintavel::translator {

Predecessors::Predecessors(const BlockGraph& successors) : start_(successors.size() + 1, 0) {
  // Each block's count, summed into where its list ends; then the lists are filled from their
  // ends, the sources taken last first, so that each list ends up ascending and each start_
  // where its list begins.
  for (const BlockEdges& edges : successors)
    for (std::uint32_t target : edges) ++start_[target];
  for (std::size_t i = 1; i < successors.size(); ++i) start_[i] += start_[i - 1];
  if (!successors.empty()) start_.back() = start_[successors.size() - 1];
  sources_.resize(start_.back());
  for (std::size_t block = successors.size(); block-- > 0;)
    for (std::uint32_t target : successors[block]) sources_[--start_[target]] = static_cast<std::uint32_t>(block);
}

bool edges_go_forward(const BlockGraph& successors) {
  for (std::size_t b = 0; b < successors.size(); ++b)
    for (std::uint32_t target : successors[b])
      if (target <= b) return false;
  return true;
}

std::vector<bool> blocks_on_cycles(const BlockGraph& succs) {
  if (edges_go_forward(succs)) return std::vector<bool>(succs.size(), false);
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
