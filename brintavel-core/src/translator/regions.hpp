// Where the blocks of a function, lowered in source order, fall apart into regions that can
// be structured and printed on their own, so that a long program is never held whole.
//
// Block L ends a region when every branch of the region's blocks goes to one of them or to
// L, and no later block branches to L or before it. The region's blocks then reach the rest
// only through L, and L's predecessors all lie in the region: the structuring rules, which
// look at a block, its successors and theirs, make the same rewrites in the region (ending in
// an empty block L) as in the whole function, and the structured function is the region's
// statements followed by the rest's.
//
// That no later block branches back is only known at the end. A region is therefore closed
// one candidate late, once some blocks after L have shown that they do not branch back to it
// (a loop headed by L shows itself at once), and the end confirms the rest: every branch
// target found among the blocks and no label used twice. Where it is not confirmed the
// function is translated again as a whole.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "support/flat_name_map.hpp"
#include "support/text.hpp"
#include "translator/block.hpp"
#include "translator/block_graph.hpp"

namespace brintavel::translator {

class RegionSplitter {
 public:
  // A region is closed only once it holds this many blocks (each costs a structuring of its
  // own). Larger ones are slower, not faster: a region's lowered blocks are then no longer in
  // the processor's caches when it is structured and printed.
  static constexpr std::uint32_t kMinimumRegion = 64;

  // Keeps the graph of the whole function (graph(), region_graph()), or with
  // Keep::OnlyRegions only what finding where the regions end needs.
  enum class Keep : std::uint8_t { Graph, OnlyRegions };
  explicit RegionSplitter(std::uint32_t minimum_region = kMinimumRegion, Keep keep = Keep::Graph)
      : minimum_region_(minimum_region), keeps_graph_(keep == Keep::Graph) {}

  // The next block (numbered in source order from 0) begins. Returns the number of the block
  // that ends the region to close now, which starts at start().
  std::optional<std::uint32_t> begin_block(std::string_view label);
  // The block that began last ends, branching to `targets` in branch order.
  void end_block(const BranchTargets& targets);
  // The region [start(), end) was closed: its blocks are no longer looked up.
  void closed(std::uint32_t end);

  // The first block that is not part of a closed region.
  std::uint32_t start() const { return start_; }
  // Whether a region was closed.
  bool closed_any() const { return start_ > 0; }
  // False once a block branched back into a closed region or to its end, or a label was
  // seen twice among the open blocks: the regions closed so far do not hold, and no more
  // are closed.
  bool holds() const { return holds_; }
  // At the end of the function: whether the regions hold, every branch target was found,
  // no label was used twice and every label expected not to name a block that had begun
  // names none.
  bool finish();

  // The successors of every block by number (where found), when it keeps the graph.
  const BlockGraph& graph() const { return graph_; }
  // The successors of the blocks [from, to), numbered from `from`: the closed region's own
  // graph, in which its end block (with `with_end`), with no successors, is number
  // to - from. Nothing when a branch leaves the region elsewhere (which closing never allows).
  std::optional<BlockGraph> region_graph(std::uint32_t from, std::uint32_t to, bool with_end) const;
  // Whether a block with this label is open.
  bool is_open(std::string_view label) const;
  // `label`, which names no open block, names no block that began before now either (it names
  // one to come, or none): finish() checks that at the end, failing otherwise, so that the
  // labels of the closed blocks need no index while the function is read.
  void expect_not_begun(std::string_view label);

 private:
  void set_edge(std::uint32_t block, std::size_t slot, std::uint32_t target);
  // The number of the open block with this label and hash, or null.
  const std::uint32_t* find_open(std::string_view label, std::uint64_t hash) const;

  // Closed blocks' labels left in open_ beyond twice the open ones before it is made again.
  static constexpr std::size_t kStaleLabels = 256;

  std::uint32_t minimum_region_;
  bool keeps_graph_;
  std::uint32_t blocks_ = 0;  // begun so far
  std::uint32_t start_ = 0;
  // The open blocks' labels, to their numbers; also closed blocks' labels (numbers below start_),
  // which count as absent, until the table is made again (closed()).
  text::FlatNameMap<std::uint32_t> open_;
  std::vector<std::string_view> open_labels_;  // by number from start_
  std::vector<std::uint64_t> open_hashes_;     // their hashes, likewise
  // Branches to labels not seen yet, by label: lists of the branching block and the
  // target's slot, linked through refs_ (freed entries are reused).
  struct Ref {
    std::uint32_t block;
    std::uint32_t slot;
    std::uint32_t next;  // kEnd ends the list
  };
  static constexpr std::uint32_t kEnd = UINT32_MAX;
  text::FlatNameMap<std::uint32_t> pending_;  // the first of the label's refs
  std::vector<Ref> refs_;
  std::uint32_t free_refs_ = kEnd;
  std::vector<std::uint32_t> candidates_;  // blocks that may end a region, ascending
  // The hashes of the closed blocks' labels, by block number. A label used twice is found at
  // the end, among the hashes.
  std::vector<std::uint64_t> closed_hashes_;
  // The labels expected not to name a block that began before, which no block began with
  // since. (One that did cannot name a block before too: that label would be used twice.)
  // What is left at the end may name no block at all.
  text::FlatNameMap<char> expected_;
  // The last block's first target and its hash (0: none): the block that begins next most
  // often carries that label, which is then not hashed again.
  std::string_view next_label_;
  std::uint64_t next_hash_ = 0;
  BlockGraph graph_;  // (empty unless it keeps the graph)
  bool holds_ = true;
};

}  // namespace brintavel::translator
