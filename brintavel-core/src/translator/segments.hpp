// Where a function body falls apart into segments that the body's analyses and the lowering
// can take one after another, so that what they hold about values is the size of a segment,
// not of the body (a long adaptive program is a chain of such pieces: measure, compute,
// branch, meet again).
//
// The blocks of a body (after the clean-ups of simplify_cfg.hpp), in order, split before block
// L when:
// - L ends a region of the branch graph (regions.hpp): the blocks before it reach the rest
//   only through L, and no block from L on branches back before it or to it;
// - no block from L on reads a value defined before L, and L has no phi;
// - every value is read after the instruction that defines it in source order (a phi, which
//   may read a value of a later block of its loop, aside), and defined once (twice is not valid
//   IR, but the index of the whole body would take the first definition for both).
// The index and the range analysis of a segment then find for its values what they find in the
// whole body: a value's range depends on the values it reads and on the tests of the blocks
// that dominate it, all in its segment, and on whether a run reaches the segment at all, which
// the analysis of the segment before tells (the branches it finds a run can take out of it).
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <vector>

#include "ir/model.hpp"
#include "support/flat_name_map.hpp"
#include "translator/body_index.hpp"
#include "translator/regions.hpp"

namespace brintavel::translator {

// The first block of each segment but the first, ascending, with at least `minimum_blocks`
// blocks in each segment (but the last): nothing when the body is one segment.
std::vector<std::uint32_t> segment_starts(std::span<const ir::Block> blocks, std::uint32_t minimum_blocks);

// The same for blocks that arrive one by one. Each block is added as it is complete, and read
// again (process) once the places where the graph falls apart are known up to it; a segment
// is final once a few later segments began without reading from it. So the blocks of a long
// body are held a few segments at a time.
class SegmentFinder {
 public:
  explicit SegmentFinder(std::uint32_t minimum_blocks) : minimum_(minimum_blocks) {}

  // The next block of the body, complete.
  void add(const ir::Block& block);
  // No block comes after those added.
  void end();
  // How many blocks, from the first, may be processed now.
  std::uint32_t ready() const { return ready_; }
  // The next block to process, in order (one of the ready ones).
  void process(const ir::Block& block);
  std::uint32_t processed() const { return processed_; }

  // The starts of the segments that are final (each segment ends where the next starts),
  // ascending; the blocks before the last of them are in final segments.
  std::span<const std::uint32_t> final_starts() const { return final_; }
  // Whether the body is known to be one segment already (a value read from far back, or
  // before its definition, or defined twice).
  bool whole() const { return whole_; }
  // Once every block is processed: the starts of all segments but the first, or nothing when
  // the body is one segment.
  std::optional<std::vector<std::uint32_t>> result();
  // The names the segment that begins at block `start` defines, for its index, once: that of
  // a final segment, or, after result(), of any. Nothing for another block.
  std::optional<SegmentNames> take_names(std::uint32_t start);

  // Whether a block with this label was added: true for an open one. A label that no open block
  // has is taken for one not added, which the end checks (the body is whole where one was).
  bool has_label(std::string_view label) {
    if (regions_.is_open(label)) return true;
    regions_.expect_not_begun(label);
    return false;
  }

 private:
  void begin_segment(std::uint32_t block);
  // Whether `name` is defined by the open segment, or was by a recent one (joined to it).
  bool reads(std::string_view name) {
    const std::uint64_t h = text::FlatNameMap<std::uint32_t>::hash_of(name);
    return recent_.back().names.numbers.find(name, h) || reads_earlier(name, h);
  }
  bool reads_earlier(std::string_view name, std::uint64_t h);

  std::uint32_t minimum_;
  RegionSplitter regions_{1, RegionSplitter::Keep::OnlyRegions};
  std::uint32_t added_ = 0;
  std::uint32_t ready_ = 0;
  std::uint32_t processed_ = 0;
  std::deque<std::uint32_t> ends_;  // the region ends not processed yet
  bool whole_ = false;
  // The last few segments, each with the values it defines (by their numbers in the body,
  // which the segment's index takes over). A value read from one of them joins the segments
  // from there on into one; only the open segment's table grows, and the others are only
  // looked up for a value the open one lacks.
  static constexpr std::size_t kKept = 4;  // an older segment is final
  struct Segment {
    std::uint32_t start;
    SegmentNames names;
  };
  std::deque<Segment> recent_;
  std::deque<Segment> final_names_;  // final segments whose names were not taken yet
  bool finished_ = false;  // result() was called
  std::vector<std::uint32_t> final_;
  // Values that phis read before a later block defines them: no segment begins meanwhile.
  text::FlatNameMap<char> to_come_;
  std::vector<std::uint64_t> defined_;  // the hashes of the names defined, to find one defined twice
};

}  // namespace brintavel::translator
