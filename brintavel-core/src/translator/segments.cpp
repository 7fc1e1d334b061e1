#include "translator/segments.hpp"

#include <algorithm>
#include <utility>
#include <variant>

#include "support/hash_sort.hpp"

namespace brintavel::translator {

void SegmentFinder::add(const ir::Block& block) {
  // The region ends come one candidate late (regions.hpp): the blocks before the block that
  // revealed one are ready, since no later end lies among them.
  if (auto end = regions_.begin_block(ir::label_of(block))) {
    ends_.push_back(*end);
    regions_.closed(*end);
    ready_ = added_;
  }
  BranchTargets targets;
  ir::for_each_branch_target(block, [&](std::string_view label) { targets.push_back(label); });
  regions_.end_block(targets);
  ++added_;
}

void SegmentFinder::end() {
  ready_ = added_;
  // Where the regions do not hold, the body does not fall apart.
  if (!regions_.finish()) whole_ = true;
}

void SegmentFinder::begin_segment(std::uint32_t block) {
  if (recent_.size() == kKept) {
    // (Its names wait for its index; the segment before it is lowered meanwhile, and they were
    // taken then.)
    if (recent_.front().start > 0) final_.push_back(recent_.front().start);
    final_names_.push_back(std::move(recent_.front()));
    recent_.pop_front();
  }
  // (Sized for as many names as the segment before.)
  SegmentNames names{{}, static_cast<std::uint32_t>(defined_.size())};
  if (!recent_.empty()) names.numbers.reserve(recent_.back().names.numbers.size());
  recent_.push_back(Segment{block, std::move(names)});
}

std::optional<SegmentNames> SegmentFinder::take_names(std::uint32_t start) {
  // (Segments are lowered in order: the names of one before `start` are wanted no more.)
  while (!final_names_.empty() && final_names_.front().start < start) final_names_.pop_front();
  if (!final_names_.empty() && final_names_.front().start == start) {
    SegmentNames names = std::exchange(final_names_.front().names, {});
    final_names_.pop_front();
    return names;
  }
  if (finished_)
    for (Segment& s : recent_)
      if (s.start == start) return std::exchange(s.names, {});
  return std::nullopt;
}

// Whether `name` (of hash `h`) is defined by a recent segment before the open one (which is
// joined to it).
bool SegmentFinder::reads_earlier(std::string_view name, std::uint64_t h) {
  for (std::size_t j = recent_.size() - 1; j-- > 0;) {
    if (!recent_[j].names.numbers.find(name, h)) continue;
    while (recent_.size() > j + 1) {
      recent_.back().names.numbers.for_each(
          [&](std::string_view n, std::uint32_t number) { recent_[j].names.numbers.try_emplace(n, number); });
      recent_.pop_back();
    }
    return true;
  }
  return false;
}

void SegmentFinder::process(const ir::Block& block) {
  const std::uint32_t b = processed_++;
  if (whole_) return;
  if (recent_.empty()) begin_segment(0);
  const auto& instructions = block.instructions;
  // Which of the region ends the values allow. A value read that no recent segment defines
  // (read from far back, before it is defined, or never defined) keeps the body whole. A phi
  // may read a value that a later block of its loop defines: no segment begins while one is to
  // come.
  if (!ends_.empty() && ends_.front() == b) {
    ends_.pop_front();
    bool phi = !instructions.empty() && std::holds_alternative<ir::Phi>(instructions.front());
    if (to_come_.empty() && !phi && b - recent_.back().start >= minimum_) begin_segment(b);
  }
  for (const ir::Instruction& i : instructions) {
    const bool phi = std::holds_alternative<ir::Phi>(i);
    bool missing = false;
    ir::for_each_use(i, [&](std::string_view name) {
      if (reads(name)) return;
      if (phi) to_come_.try_emplace(name, 1);
      else missing = true;
    });
    if (missing) {
      whole_ = true;
      return;
    }
    if (auto name = ir::defined_name(i)) {
      const std::uint64_t h = text::FlatNameMap<std::uint32_t>::hash_of(*name);
      const auto number = static_cast<std::uint32_t>(defined_.size());
      if (!recent_.back().names.numbers.try_emplace(*name, number, h).second) {
        whole_ = true;
        return;
      }
      defined_.push_back(h);
      if (!to_come_.empty()) to_come_.erase(*name, h);
    }
  }
}

std::optional<std::vector<std::uint32_t>> SegmentFinder::result() {
  finished_ = true;
  if (whole_ || !to_come_.empty()) return std::nullopt;
  std::vector<std::uint32_t> starts = final_;
  for (const Segment& s : recent_)
    if (s.start > 0) starts.push_back(s.start);
  // A name defined in two segments (which the index of the whole body would take for the first
  // definition) keeps the body whole; so does a hash two names share.
  if (!starts.empty()) {
    if (text::has_repeated_hash(defined_)) return std::nullopt;
  }
  return starts;
}

std::vector<std::uint32_t> segment_starts(std::span<const ir::Block> blocks, std::uint32_t minimum_blocks) {
  SegmentFinder finder(minimum_blocks);
  for (const ir::Block& block : blocks) finder.add(block);
  finder.end();
  for (const ir::Block& block : blocks) {
    if (finder.whole()) break;
    finder.process(block);
  }
  return finder.result().value_or(std::vector<std::uint32_t>{});
}

}  // namespace brintavel::translator
