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

#include "ir/model.hpp"
#include "support/flat_name_map.hpp"
#include "translator/int_range.hpp"

namespace brintavel::translator {

inline constexpr std::int64_t kMaxLoopTrips = std::int64_t{1} << 32;

class BodyRanges {
 public:
  // The range found for the integer value `name`, or null.
  const IntRange* find(std::string_view name) const { return ranges_.find(name); }
  void set(std::string_view name, IntRange range) { ranges_.insert_or_assign(name, range); }

 private:
  text::FlatNameMap<IntRange> ranges_;
};

class BodyIndex;

// The ranges of the integer values defined in the indexed body (a function's blocks in source
// order).
BodyRanges analyze_ranges(const BodyIndex& index);

}  // namespace brintavel::translator
