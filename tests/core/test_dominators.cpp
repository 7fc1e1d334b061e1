// Dominators of branch graphs: random graphs of blocks with up to two successors, against
// the definition (a dominates b when b cannot be reached from block 0 without passing a); and
// the predecessor lists of a body's index.
#include <algorithm>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "ir/module_parser.hpp"
#include "translator/body_index.hpp"
#include "translator/dominators.hpp"

namespace {

using brintavel::translator::BlockGraph;
using brintavel::translator::BodyIndex;
using brintavel::translator::Dominators;
using brintavel::translator::Predecessors;

// The blocks reached from block 0 without entering `avoid`.
std::vector<bool> reached(const BlockGraph& graph, std::uint32_t avoid) {
  std::vector<bool> seen(graph.size(), false);
  if (avoid == 0) return seen;
  std::vector<std::uint32_t> stack{0};
  seen[0] = true;
  while (!stack.empty()) {
    std::uint32_t b = stack.back();
    stack.pop_back();
    for (std::uint32_t s : graph[b])
      if (s != avoid && !seen[s]) seen[s] = true, stack.push_back(s);
  }
  return seen;
}

TEST(Dominators, AgreeWithTheDefinitionOnRandomGraphs) {
  std::mt19937 random(11);
  for (int round = 0; round < 300; ++round) {
    std::uint32_t n = 1 + random() % 40;
    BlockGraph graph(n);
    for (std::uint32_t b = 0; b < n; ++b) {
      // Mostly forward edges, as structured programs have, and some back edges.
      for (std::uint32_t k = random() % 3; k > 0; --k) {
        std::uint32_t target = random() % 4 == 0 ? static_cast<std::uint32_t>(random() % n)
                                                  : std::min<std::uint32_t>(n - 1, b + 1 + random() % 3);
        graph[b].push_back(target);
      }
    }
    Predecessors predecessors(graph);
    Dominators dominators(graph, predecessors);
    ASSERT_TRUE(dominators.has_tree());
    std::vector<bool> reachable = reached(graph, UINT32_MAX);
    for (std::uint32_t b = 0; b < n; ++b) ASSERT_EQ(dominators.reachable(b), reachable[b]);
    for (std::uint32_t a = 0; a < n; ++a) {
      if (!reachable[a]) continue;
      std::vector<bool> without_a = reached(graph, a);
      for (std::uint32_t b = 0; b < n; ++b) {
        if (!reachable[b]) continue;
        bool expected = a == b || !without_a[b];
        ASSERT_EQ(dominators.dominates(a, b), expected) << "round " << round << ": " << a << " over " << b;
      }
    }
  }
}

// A block that branches to another on both sides is one of its predecessors once; the lists
// follow the blocks' order.
TEST(BodyIndex, ListsEachPredecessorOnceInBlockOrder) {
  auto module = brintavel::ir::parse_module(R"(define void @main() {
entry:
  br i1 true, label %b, label %b
b:
  br i1 false, label %c, label %d
c:
  br label %d
d:
  br i1 false, label %b, label %e
e:
  ret void
}
)", brintavel::ir::InstructionSet::Extended);
  ASSERT_TRUE(module.has_value()) << module.error().message;
  BodyIndex index(module->functions.front().blocks);
  const std::vector<std::vector<std::uint32_t>> expected = {{}, {0, 3}, {1}, {1, 2}, {3}};
  for (std::uint32_t b = 0; b < expected.size(); ++b) {
    auto found = index.predecessors(b);
    EXPECT_EQ(std::vector<std::uint32_t>(found.begin(), found.end()), expected[b]) << "block " << b;
  }
}

}  // namespace
