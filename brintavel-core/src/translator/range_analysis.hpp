// The ranges of a function body's integer values, found before it is lowered, in the manner of
// LLVM's LazyValueInfo: each value's interval from its operands' (int_range.hpp), joined over
// a phi's incoming values, narrowed on a branch's edges by the comparison it tests, and found
// for loops by iterating to a fixed point.
//
// A loop-carried value that grows on each trip would never settle: it is widened to what it can
// reach in kMaxLoopTrips trips at the rate it grew by in one (a step that itself grows leaves
// the value unbounded: the type's whole range). This is the one assumption the translation
// makes about a program's run: no loop runs kMaxLoopTrips times or more in one shot.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "ir/model.hpp"
#include "translator/body_index.hpp"
#include "translator/int_range.hpp"

namespace brintavel::translator {

inline constexpr std::int64_t kMaxLoopTrips = std::int64_t{1} << 32;

// The ranges by the body index's definition numbers.
class BodyRanges {
 public:
  BodyRanges() = default;
  explicit BodyRanges(const BodyIndex& index)
      : index_(&index), ranges_(index.definition_count()), known_(index.definition_count(), 0) {}
  // The range found for the integer value `name`, or null.
  const IntRange* find(std::string_view name) const {
    const BodyIndex::Definition* d = index_ ? index_->find_read(name) : nullptr;
    return d ? find(*d) : nullptr;
  }
  // The same for a definition of the index.
  const IntRange* find(const BodyIndex::Definition& d) const { return known_[d.number] ? &ranges_[d.number] : nullptr; }
  void set(const BodyIndex::Definition& d, IntRange range) {
    ranges_[d.number] = range;
    known_[d.number] = 1;
  }

 private:
  const BodyIndex* index_ = nullptr;
  std::vector<IntRange> ranges_;
  std::vector<char> known_;
};

// The ranges of the integer values defined in the indexed body (a function's blocks in source
// order). A body that is one segment of a function (segments.hpp) is `entered` when a run can
// reach its first block; `exits`, when given, receives the labels outside the body that a run
// can branch to (the next segment's first block): what the analysis of the whole function
// finds about which blocks run, segment by segment.
BodyRanges analyze_ranges(const BodyIndex& index, bool entered = true,
                          std::vector<std::string_view>* exits = nullptr);

// The same `exits` for a body without integer values to bound, whose every branch may go
// either way: the labels outside it branched to from the blocks reachable from its first.
void branch_exits(const BodyIndex& index, bool entered, std::vector<std::string_view>& exits);

}  // namespace brintavel::translator
