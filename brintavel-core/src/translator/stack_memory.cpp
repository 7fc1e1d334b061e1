#include "translator/stack_memory.hpp"

namespace brintavel::translator {

void StackMemory::derive(std::string_view result, std::string_view source, std::uint64_t delta) {
  auto it = pointers_.find(source);
  MemoryCell cell = it != pointers_.end() ? it->second : MemoryCell{source, 0};
  cell.offset = static_cast<std::int64_t>(static_cast<std::uint64_t>(cell.offset) + delta);
  pointers_[result] = cell;
}

std::optional<MemoryCell> StackMemory::cell_of(std::string_view name) const {
  auto it = pointers_.find(name);
  if (it == pointers_.end()) return std::nullopt;
  return it->second;
}

const ir::Operand* StackMemory::stored(const MemoryCell& cell) const {
  auto it = cells_.find(cell);
  return it == cells_.end() ? nullptr : &it->second;
}

}  // namespace brintavel::translator
