// Stack memory as the lowering follows it: pointers made by alloca, bitcast and constant
// getelementptr are (base, offset) pairs, and a store records the operand stored in a cell,
// so that a load of a constant stored earlier in source order is that constant.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <unordered_map>

#include "ir/model.hpp"
#include "support/text.hpp"

namespace brintavel::translator {

// A place in stack memory: the alloca it lies in, and its offset there in elements.
struct MemoryCell {
  std::string_view base;
  std::int64_t offset;
  friend bool operator==(const MemoryCell&, const MemoryCell&) = default;
};

struct MemoryCellHash {
  std::size_t operator()(const MemoryCell& cell) const {
    return std::hash<std::string_view>{}(cell.base) ^
           (std::hash<std::int64_t>{}(cell.offset) * 0x9E3779B97F4A7C15ULL);
  }
};

class StackMemory {
 public:
  // `name` is a new allocation.
  void allocate(std::string_view name) { pointers_[name] = MemoryCell{name, 0}; }
  // `result` points `delta` elements past where `source` points (an unknown source is a base
  // of its own). Offsets add with two's-complement wrap-around.
  void derive(std::string_view result, std::string_view source, std::uint64_t delta);
  // Where the pointer `name` points, when it is into stack memory.
  std::optional<MemoryCell> cell_of(std::string_view name) const;
  void store(const MemoryCell& cell, const ir::Operand& value) { cells_.insert_or_assign(cell, value); }
  // The operand stored last (in source order) into `cell`, or null.
  const ir::Operand* stored(const MemoryCell& cell) const;

 private:
  text::NameMap<MemoryCell> pointers_;
  std::unordered_map<MemoryCell, ir::Operand, MemoryCellHash> cells_;
};

}  // namespace brintavel::translator
