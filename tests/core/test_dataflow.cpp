// The checks of what substituted values read: settled region by region as the regions close,
// they find what the checks over the whole graph find. Random functions made of a chain of
// regions (branches stay in a region or go to the next one's entry; loops stay inside), with
// random measurements, variable assignments and uses.
#include <cstdint>
#include <random>
#include <utility>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "translator/budget.hpp"
#include "translator/dataflow.hpp"
#include "translator/dominators.hpp"

namespace {

using brintavel::translator::BlockGraph;
using brintavel::translator::Capture;
using brintavel::translator::Dataflow;
using brintavel::translator::Dominators;
using brintavel::translator::Predecessors;
using brintavel::translator::ProgramPoint;
using brintavel::translator::Reader;
using brintavel::translator::Resource;
using brintavel::translator::SizeBudget;

struct Function {
  BlockGraph graph;
  std::vector<std::uint32_t> starts;  // of the regions, then the number of blocks
  struct Write {
    Resource resource;
    ProgramPoint at;
  };
  std::vector<Write> writes;
  struct Use {
    Capture capture;
    ProgramPoint at;
  };
  std::vector<Use> uses;
};

Function random_function(std::mt19937& random) {
  Function f;
  std::uint32_t blocks = 0;
  for (std::uint32_t regions = 1 + random() % 4; regions > 0; --regions) {
    f.starts.push_back(blocks);
    blocks += 1 + random() % 5;
  }
  f.starts.push_back(blocks);
  f.graph.resize(blocks);
  for (std::size_t r = 0; r + 1 < f.starts.size(); ++r) {
    const std::uint32_t start = f.starts[r], end = f.starts[r + 1];
    for (std::uint32_t b = start; b < end; ++b) {
      if (b + 1 < blocks) f.graph[b].push_back(b + 1);  // reaches the next block (or region)
      if (random() % 2) f.graph[b].push_back(start + random() % (end - start));  // within, back or forward
      if (random() % 4 == 0 && end < blocks) f.graph[b].push_back(end);          // leaves early
    }
  }
  auto point = [&](std::uint32_t block) { return ProgramPoint{block, random() % 4}; };
  auto resource = [&] {
    return Resource{random() % 2 ? Resource::Kind::Bit : Resource::Kind::Variable, static_cast<std::int64_t>(random() % 3)};
  };
  for (int k = random() % 10; k > 0; --k) f.writes.push_back({resource(), point(random() % blocks)});
  // A value is used where its definition dominates: later in its block, or in a block it
  // dominates.
  Predecessors predecessors(f.graph);
  Dominators dominators(f.graph, predecessors);
  for (int k = random() % 8; k > 0; --k) {
    std::uint32_t use = random() % blocks;
    if (!dominators.reachable(use)) continue;
    ProgramPoint at = point(use);
    if (random() % 5 == 0) at.position = brintavel::translator::kBlockEnd;
    std::uint32_t defined = use;
    for (int up = random() % 3; up > 0 && defined != 0; --up) defined = dominators.immediate_dominator(defined);
    ProgramPoint captured = point(defined);
    if (defined == use && captured.position > at.position) std::swap(captured.position, at.position);
    f.uses.push_back({Capture{resource(), captured}, at});
  }
  return f;
}

// The records of `f`, in block order as a lowering makes them.
void record(const Function& f, Dataflow& flow) {
  for (std::uint32_t b = 0; b < f.graph.size(); ++b) {
    for (const auto& w : f.writes)
      if (w.at.block == b) flow.note_write(w.resource, w.at);
    for (const auto& u : f.uses)
      if (u.at.block == b) flow.note_use({u.capture}, u.at, Reader{Reader::Kind::SsaValue, "v"});
  }
}

// The graph of the region [start, end), numbered from start, ending in block `end` when there.
BlockGraph region_graph(const Function& f, std::uint32_t start, std::uint32_t end) {
  BlockGraph region(end - start + (end < f.graph.size() ? 1 : 0));
  for (std::uint32_t b = start; b < end; ++b)
    for (std::uint32_t s : f.graph[b]) region[b - start].push_back(s - start);
  return region;
}

TEST(Dataflow, RegionsSettledAsTheyCloseFindWhatTheWholeGraphFinds) {
  std::mt19937 random(5);
  const std::vector<std::string_view> labels;
  for (int round = 0; round < 3000; ++round) {
    const Function f = random_function(random);
    Dataflow whole;
    record(f, whole);
    SizeBudget budget(1'000'000);
    const bool stale = !whole.find_stale_read(f.graph, labels, budget);
    auto unset = whole.results_may_be_read_unset(f.graph, labels, budget);
    ASSERT_TRUE(unset);

    Dataflow settled;
    record(f, settled);
    bool settled_stale = false;
    for (std::size_t r = 0; r + 1 < f.starts.size() && !settled_stale; ++r) {
      BlockGraph region = region_graph(f, f.starts[r], f.starts[r + 1]);
      settled_stale = !settled.settle_region(f.starts[r], f.starts[r + 1], region,
                                             std::vector<bool>(region.size(), false), budget);
    }
    EXPECT_EQ(stale, settled_stale || !settled.find_stale_read(f.graph, labels, budget)) << "round " << round;
    if (settled_stale) continue;
    auto settled_unset = settled.results_may_be_read_unset(f.graph, labels, budget);
    ASSERT_TRUE(settled_unset);
    EXPECT_EQ(*unset, *settled_unset) << "round " << round;
  }
}

}  // namespace
