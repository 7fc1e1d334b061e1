#include "translator/processed_blocks.hpp"

#include <algorithm>

namespace brintavel::translator {

void ProcessedBlocks::index_new_blocks() const {
  for (; indexed_ < blocks_.size(); ++indexed_) {
    const BlockLowering& block = blocks_[indexed_];
    first_by_label_.try_emplace(block.label, indexed_);
    if (!block.condition) continue;
    last_conditional_by_label_.insert_or_assign(block.label, indexed_);
    if (block.successors.size() != 2) continue;
    std::string_view s0 = block.successors[0], s1 = block.successors[1];
    for (auto key : {std::pair{s0, s1}, std::pair{s1, s0}, std::pair{s0, s0}, std::pair{s1, s1}})
      first_by_targets_.try_emplace(key, indexed_);
  }
}

std::vector<BlockLowering> ProcessedBlocks::take() {
  indexed_ = 0;
  first_by_label_ = {};
  last_conditional_by_label_ = {};
  first_by_targets_ = {};
  return std::move(blocks_);
}

void ProcessedBlocks::take_front(std::size_t count, std::vector<BlockLowering>& into) {
  into.clear();
  if (count >= blocks_.size()) {
    // All of them, as when a region closes at the block about to begin: the lists trade places.
    into.swap(blocks_);
  } else {
    into.insert(into.end(), std::make_move_iterator(blocks_.begin()),
                std::make_move_iterator(blocks_.begin() + static_cast<std::ptrdiff_t>(count)));
    blocks_.erase(blocks_.begin(), blocks_.begin() + static_cast<std::ptrdiff_t>(count));
  }
  if (indexed_ > 0) {
    indexed_ = 0;
    first_by_label_.clear();
    last_conditional_by_label_.clear();
    first_by_targets_.clear();
  }
}

BlockLowering* ProcessedBlocks::first_labelled(std::string_view label) {
  index_new_blocks();
  const std::size_t* it = first_by_label_.find(label);
  return it ? &blocks_[*it] : nullptr;
}

const BlockLowering* ProcessedBlocks::last_conditional_labelled(std::string_view label) const {
  index_new_blocks();
  const std::size_t* it = last_conditional_by_label_.find(label);
  return it ? &blocks_[*it] : nullptr;
}

const BlockLowering* ProcessedBlocks::first_branching_to(std::string_view a, std::string_view b) const {
  index_new_blocks();
  auto it = first_by_targets_.find({a, b});
  return it == first_by_targets_.end() ? nullptr : &blocks_[it->second];
}

}  // namespace brintavel::translator
