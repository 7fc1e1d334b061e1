#include "translator/segments.hpp"

#include <algorithm>
#include <deque>
#include <variant>

#include "support/flat_name_map.hpp"
#include "translator/regions.hpp"

namespace brintavel::translator {

namespace {

// The places where the branch graph falls apart (regions.hpp), ascending; nothing when it
// does not.
std::vector<std::uint32_t> region_ends(std::span<const ir::Block> blocks) {
  RegionSplitter regions(1);
  std::vector<std::uint32_t> ends;
  for (const ir::Block& block : blocks) {
    if (auto end = regions.begin_block(block.label.empty() ? std::string_view("0") : block.label)) {
      ends.push_back(*end);
      regions.closed(*end);
    }
    BranchTargets targets;
    ir::for_each_branch_target(block, [&](std::string_view label) { targets.push_back(label); });
    regions.end_block(targets);
  }
  if (!regions.finish()) ends.clear();
  return ends;
}

// The segments being found: the last few, each with the values it defines. A value read
// from one of them joins the segments from there on into one; only the open segment's table
// grows, and the others are only looked up for a value the open one lacks.
class Segments {
 public:
  static constexpr std::size_t kKept = 4;  // an older segment is final

  void begin(std::uint32_t block) {
    if (recent_.size() == kKept) {
      if (recent_.front().start > 0) final_.push_back(recent_.front().start);
      recent_.pop_front();
    }
    recent_.push_back(Segment{block, {}});
  }
  std::uint32_t start() const { return recent_.back().start; }
  // Whether `name` is defined by the open segment, or was by a recent one (joined to it).
  bool reads(std::string_view name) {
    if (recent_.back().defined.contains(name)) return true;
    for (std::size_t j = recent_.size() - 1; j-- > 0;) {
      if (!recent_[j].defined.contains(name)) continue;
      while (recent_.size() > j + 1) {
        recent_.back().defined.for_each([&](std::string_view n, char) { recent_[j].defined.try_emplace(n, 1); });
        recent_.pop_back();
      }
      return true;
    }
    return false;
  }
  // False when `name` (of hash `h`) was defined already in the open segment.
  bool define(std::string_view name, std::uint64_t h) { return recent_.back().defined.try_emplace(name, 1, h).second; }
  std::vector<std::uint32_t> starts() {
    for (const Segment& s : recent_)
      if (s.start > 0) final_.push_back(s.start);
    return std::move(final_);
  }

 private:
  struct Segment {
    std::uint32_t start;
    text::FlatNameMap<char> defined;
  };
  std::deque<Segment> recent_;
  std::vector<std::uint32_t> final_;
};

}  // namespace

std::vector<std::uint32_t> segment_starts(std::span<const ir::Block> blocks, std::uint32_t minimum_blocks) {
  if (blocks.size() < 2) return {};
  std::vector<std::uint32_t> ends = region_ends(blocks);
  if (ends.empty()) return {};
  // Which of those places the values allow. A value read that no recent segment defines (read
  // from far back, before it is defined, or never defined) keeps the body whole. A phi may
  // read a value that a later block of its loop defines: no segment ends while one is to come.
  Segments segments;
  segments.begin(0);
  text::FlatNameMap<char> to_come;
  std::vector<std::uint64_t> defined;  // the hashes of the names defined, to find one defined twice
  std::size_t next = 0;
  for (std::uint32_t b = 0; b < blocks.size(); ++b) {
    const auto& instructions = blocks[b].instructions;
    if (next < ends.size() && ends[next] == b) {
      ++next;
      bool phi = !instructions.empty() && std::holds_alternative<ir::Phi>(instructions.front());
      if (to_come.empty() && !phi && b - segments.start() >= minimum_blocks) segments.begin(b);
    }
    for (const ir::Instruction& i : instructions) {
      const bool phi = std::holds_alternative<ir::Phi>(i);
      bool missing = false;
      ir::for_each_use(i, [&](std::string_view name) {
        if (segments.reads(name)) return;
        if (phi) to_come.try_emplace(name, 1);
        else missing = true;
      });
      if (missing) return {};
      if (auto name = ir::defined_name(i)) {
        const std::uint64_t h = text::FlatNameMap<char>::hash_of(*name);
        if (!segments.define(*name, h)) return {};
        defined.push_back(h);
        if (!to_come.empty()) to_come.erase(*name, h);
      }
    }
  }
  if (!to_come.empty()) return {};
  std::vector<std::uint32_t> starts = segments.starts();
  // A name defined in two segments (which the index of the whole body would take for the first
  // definition) keeps the body whole; so does a hash two names share.
  if (!starts.empty()) {
    std::sort(defined.begin(), defined.end());
    if (std::adjacent_find(defined.begin(), defined.end()) != defined.end()) return {};
  }
  return starts;
}

}  // namespace brintavel::translator
