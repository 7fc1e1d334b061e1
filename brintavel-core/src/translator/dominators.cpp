#include "translator/dominators.hpp"

#include <utility>

namespace brintavel::translator {

namespace {

// The most work (steps up the tree, and blocks settled) the dominators of a graph of `blocks`
// blocks take before they are given up on.
std::uint64_t work_cap(std::size_t blocks) { return 64 * static_cast<std::uint64_t>(blocks) + 4096; }

}  // namespace

Dominators::Dominators(const BlockGraph& successors, const Predecessors& predecessors) {
  const std::size_t n = successors.size();
  if (n == 0) return;
  // Postorder of the blocks reachable from block 0, by an explicit-stack depth-first walk.
  order_.assign(n, kNone);
  std::vector<std::uint32_t> postorder;
  postorder.reserve(n);
  std::vector<bool> seen(n, false);
  std::vector<std::pair<std::uint32_t, std::uint8_t>> walk{{0, 0}};
  seen[0] = true;
  while (!walk.empty()) {
    auto& [block, next] = walk.back();
    if (next < successors[block].size()) {
      std::uint32_t target = successors[block].begin()[next++];
      if (!seen[target]) {
        seen[target] = true;
        walk.push_back({target, 0});
      }
      continue;
    }
    order_[block] = static_cast<std::uint32_t>(postorder.size());
    postorder.push_back(block);
    walk.pop_back();
  }

  // Immediate dominators, by postorder number; the entry is its own.
  const std::size_t count = postorder.size();
  std::vector<std::uint32_t> idom(count, kNone);
  idom[count - 1] = static_cast<std::uint32_t>(count - 1);
  std::uint64_t work = 0;
  const std::uint64_t cap = work_cap(n);
  for (bool changed = true; changed;) {
    changed = false;
    for (std::size_t k = count - 1; k-- > 0;) {  // reverse postorder, after the entry
      std::uint32_t block = postorder[k];
      std::uint32_t chosen = kNone;
      for (std::uint32_t p : predecessors.of(block)) {
        std::uint32_t other = order_[p];
        if (other == kNone || idom[other] == kNone) continue;
        if (chosen == kNone) {
          chosen = other;
          continue;
        }
        // (The budget holds inside a walk too: a block with many predecessors could
        // otherwise walk the tree once per predecessor.)
        while (chosen != other && work <= cap) {
          while (chosen < other && work <= cap) chosen = idom[chosen], ++work;
          while (other < chosen && work <= cap) other = idom[other], ++work;
        }
      }
      if (++work > cap) {
        order_.assign(n, kNone);  // no tree; reachable() is unknown too
        return;
      }
      if (idom[k] != chosen) {
        idom[k] = chosen;
        changed = true;
      }
    }
  }

  idom_.assign(n, kNone);
  for (std::size_t k = 0; k + 1 < count; ++k) idom_[postorder[k]] = postorder[idom[k]];

  // Preorder numbers and subtree sizes of the tree: children lists in one array, then a walk.
  std::vector<std::uint32_t> first_child(count + 1, 0), children(count);
  for (std::size_t k = 0; k + 1 < count; ++k) ++first_child[idom[k] + 1];
  for (std::size_t i = 1; i <= count; ++i) first_child[i] += first_child[i - 1];
  std::vector<std::uint32_t> slot(first_child.begin(), first_child.end() - 1);
  for (std::size_t k = 0; k + 1 < count; ++k) children[slot[idom[k]]++] = static_cast<std::uint32_t>(k);
  pre_.assign(n, kNone);
  size_.assign(n, 0);
  std::uint32_t counter = 0;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> stack{{static_cast<std::uint32_t>(count - 1), 0}};
  pre_[postorder[count - 1]] = counter++;
  while (!stack.empty()) {
    auto& [node, next] = stack.back();
    if (first_child[node] + next < first_child[node + 1]) {
      std::uint32_t child = children[first_child[node] + next++];
      pre_[postorder[child]] = counter++;
      stack.push_back({child, 0});
      continue;
    }
    std::uint32_t block = postorder[node];
    size_[block] = counter - pre_[block];
    stack.pop_back();
  }
}

std::vector<std::uint32_t> forward_immediate_dominators(const Predecessors& predecessors, std::size_t blocks) {
  constexpr std::uint32_t kNone = Dominators::kNoBlock;
  std::vector<std::uint32_t> idom(blocks, kNone);
  // The work Dominators counts in one of its passes: a step per block after the entry that a
  // run reaches, and one per step up the tree. (It settles such a graph in its first pass
  // and finds nothing changed in its second.)
  std::uint64_t work = 0;
  const std::uint64_t cap = work_cap(blocks);
  for (std::uint32_t block = 1; block < blocks; ++block) {
    std::uint32_t chosen = kNone;
    for (std::uint32_t other : predecessors.of(block)) {
      if (other != 0 && idom[other] == kNone) continue;  // no run reaches it
      if (chosen == kNone) {
        chosen = other;
        continue;
      }
      // A block's dominators come before it: the later of the two is the one below.
      while (chosen != other && 2 * work <= cap) {
        while (chosen > other) chosen = idom[chosen], ++work;
        while (other > chosen) other = idom[other], ++work;
      }
    }
    if (chosen == kNone) continue;
    idom[block] = chosen;
    if (2 * ++work > cap) return {};
  }
  return idom;
}

}  // namespace brintavel::translator
