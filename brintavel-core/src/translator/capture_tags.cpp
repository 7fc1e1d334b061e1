#include "translator/capture_tags.hpp"

#include <algorithm>

namespace brintavel::translator {

namespace {

// The recent table is emptied at the start of a block once it holds this many tags.
constexpr std::size_t kRecentTags = 1024;

}  // namespace

std::size_t CaptureTags::Table::slot(const Capture& capture, const Captures& captures) const {
  std::uint64_t h = CaptureHash{}(capture);
  h = (h ^ (h >> 31)) * 0xBF58476D1CE4E5B9ULL;  // (mixed, for the table's low bits)
  h ^= h >> 32;
  const std::size_t mask = slots.size() - 1;
  std::size_t i = h & mask;
  while (slots[i] != 0 && !(captures[slots[i] - 1] == capture)) i = (i + 1) & mask;
  return i;
}

void CaptureTags::Table::insert(std::uint32_t tag, const Captures& captures) {
  if (2 * (count + 1) > slots.size()) {
    // Grown, the table takes its tags again.
    std::vector<std::uint32_t> old = std::move(slots);
    slots.assign(std::max<std::size_t>(64, 2 * old.size()), 0);
    for (std::uint32_t t : old)
      if (t != 0) slots[slot(captures[t - 1], captures)] = t;
  }
  slots[slot(captures[tag - 1], captures)] = tag;
  ++count;
}

std::uint32_t CaptureTags::find_earlier(const Capture& capture) {
  if (recent_start_ == 0) return 0;
  for (; indexed_ < recent_start_; ++indexed_) earlier_.insert(indexed_ + 1, captures_);
  return earlier_.find(capture, captures_);
}

std::uint32_t CaptureTags::existing(const Capture& capture) {
  if (std::uint32_t tag = recent_.find(capture, captures_)) return tag;
  return capture.at.block < recent_floor_ ? find_earlier(capture) : 0;
}

std::uint32_t CaptureTags::tag_of(const Capture& capture) {
  if (std::uint32_t tag = existing(capture)) return tag;
  captures_.emplace_back(capture);
  blocks_below_ = std::max(blocks_below_, capture.at.block + 1);
  const auto tag = static_cast<std::uint32_t>(captures_.size());
  recent_.insert(tag, captures_);
  return tag;
}

void CaptureTags::begin_block() {
  if (recent_.count < kRecentTags) return;
  // (A table grown for one block with many captures starts small again.)
  if (recent_.slots.size() > 8 * kRecentTags)
    recent_.slots.clear();
  else
    std::fill(recent_.slots.begin(), recent_.slots.end(), 0);
  recent_.count = 0;
  recent_start_ = static_cast<std::uint32_t>(captures_.size());
  recent_floor_ = blocks_below_;
}

}  // namespace brintavel::translator
