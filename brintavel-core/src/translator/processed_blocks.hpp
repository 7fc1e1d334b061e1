// The blocks of a function lowered so far, in source order, with the lookups the phi rules
// make of them.
#pragma once

#include <cstddef>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "support/flat_name_map.hpp"
#include "support/text.hpp"
#include "translator/block.hpp"

namespace brintavel::translator {

// The blocks lowered so far, in source order, with the lookups the phi rules make. The
// indexes keep every lookup constant-time however many blocks and phis there are; they are
// brought up to date when a phi asks, so programs without phis never build them.
class ProcessedBlocks {
 public:
  void append(BlockLowering&& block) { blocks_.push_back(std::move(block)); }

  bool empty() const { return blocks_.empty(); }
  std::vector<BlockLowering>& list() { return blocks_; }
  // The lowerings, in source order; the lookup indexes are released.
  std::vector<BlockLowering> take();
  // The first `count` lowerings, which are looked up no more, moved into `into` (emptied
  // first; its memory is reused); the indexes are rebuilt for the rest when a phi next asks.
  void take_front(std::size_t count, std::vector<BlockLowering>& into);

  // The first block with this label, in source order.
  BlockLowering* first_labelled(std::string_view label);
  // The last block with this label among those that end in a conditional branch.
  const BlockLowering* last_conditional_labelled(std::string_view label) const;
  // The first block ending in a conditional branch whose two targets include both labels.
  const BlockLowering* first_branching_to(std::string_view a, std::string_view b) const;

 private:
  void index_new_blocks() const;

  struct PairHash {
    std::size_t operator()(const std::pair<std::string_view, std::string_view>& p) const {
      return std::hash<std::string_view>{}(p.first) * 31 + std::hash<std::string_view>{}(p.second);
    }
  };
  std::vector<BlockLowering> blocks_;
  mutable std::size_t indexed_ = 0;  // blocks_[0, indexed_) are in the indexes
  mutable text::FlatNameMap<std::size_t> first_by_label_;
  mutable text::FlatNameMap<std::size_t> last_conditional_by_label_;
  mutable std::unordered_map<std::pair<std::string_view, std::string_view>, std::size_t, PairHash>
      first_by_targets_;
};

}  // namespace brintavel::translator
