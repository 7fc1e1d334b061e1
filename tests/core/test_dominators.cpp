// Dominators of branch graphs: random graphs of blocks with up to two successors, against
// the definition (a dominates b when b cannot be reached from block 0 without passing a); and
// the predecessor lists of a body's index.
#include <algorithm>
#include <random>
#include <string>
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

// On graphs whose every edge goes forward, the one pass finds what Dominators finds, the
// graphs it gives up on included: random graphs (some blocks unreachable), and chains whose
// every block also branches to one last block, which make the walks up the tree long enough
// to pass the work cap from about 100 blocks on.
TEST(Dominators, OnePassAgreesOnForwardGraphs) {
  auto check = [](const BlockGraph& graph, const std::string& what) {
    Predecessors predecessors(graph);
    Dominators dominators(graph, predecessors);
    std::vector<std::uint32_t> idom = brintavel::translator::forward_immediate_dominators(predecessors, graph.size());
    ASSERT_EQ(!idom.empty(), dominators.has_tree()) << what;
    for (std::uint32_t b = 0; b < idom.size(); ++b)
      ASSERT_EQ(idom[b], dominators.reachable(b) ? dominators.immediate_dominator(b) : Dominators::kNoBlock)
          << what << ", block " << b;
  };
  std::mt19937 random(5);
  for (int round = 0; round < 300; ++round) {
    std::uint32_t n = 1 + random() % 40;
    BlockGraph graph(n);
    for (std::uint32_t b = 0; b + 1 < n; ++b)
      for (std::uint32_t k = random() % 3; k > 0; --k)
        graph[b].push_back(std::min<std::uint32_t>(n - 1, b + 1 + random() % (random() % 4 == 0 ? n : 3)));
    check(graph, "round " + std::to_string(round));
  }
  for (std::uint32_t chain = 90; chain <= 115; ++chain) {
    BlockGraph graph(chain + 1);
    for (std::uint32_t b = 0; b < chain; ++b) {
      if (b + 1 < chain) graph[b].push_back(b + 1);
      graph[b].push_back(chain);
    }
    check(graph, "chain of " + std::to_string(chain));
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

// Every name the body reads is found by its view as by its text, after the table of views has
// grown (a phi of many values); the branches out of the body are listed in branch order.
TEST(BodyIndex, FindsReadNamesByTheirViewsAndListsTheExits) {
  std::string text = "define void @main() {\nentry:\n  %a = add i64 1, 2\n  br i1 true, label %b, label %out\nb:\n";
  text += "  %p = phi i64 [ %a, %entry ]";
  for (int k = 0; k < 40; ++k) text += ", [ %a, %entry ], [ %q, %entry ], [ %missing, %entry ]";
  text += "\n  %q = add i64 %p, %a\n  br i1 false, label %out, label %out\n}\n";
  auto module = brintavel::ir::parse_module(text, brintavel::ir::InstructionSet::Extended);
  ASSERT_TRUE(module.has_value()) << module.error().message;
  BodyIndex index(module->functions.front().blocks);
  std::size_t reads = 0;
  for (const brintavel::ir::Block& block : module->functions.front().blocks)
    for (const brintavel::ir::Instruction& instruction : block.instructions)
      brintavel::ir::for_each_use(instruction, [&](std::string_view name) {
        ++reads;
        std::string copy(name);  // another view of the same text
        EXPECT_EQ(index.find_read(name), index.find(copy)) << name;
        EXPECT_EQ(index.find_read(copy), index.find(copy)) << name;
      });
  EXPECT_GT(reads, 100u);
  std::vector<std::pair<std::uint32_t, std::string_view>> exits;
  for (const BodyIndex::Exit& exit : index.exits()) exits.emplace_back(exit.block, exit.label);
  const std::vector<std::pair<std::uint32_t, std::string_view>> expected = {{0, "out"}, {1, "out"}, {1, "out"}};
  EXPECT_EQ(exits, expected);
}

}  // namespace
