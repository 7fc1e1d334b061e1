#include "translator/body_index.hpp"

#include "support/int128.hpp"

#include <utility>

namespace brintavel::translator {

ModuleConstants::ModuleConstants(std::span<const ir::ConstantArray> arrays, std::span<const ir::ConstantString> strings) {
  for (const ir::ConstantArray& a : arrays) arrays_.try_emplace(a.name, &a);
  for (const ir::ConstantString& s : strings) strings_.try_emplace(s.name, s.text);
}

BodyIndex::BodyIndex(std::span<const ir::Block> blocks, const builders::Profile* profile,
                     const ModuleConstants* constants)
    : blocks_(blocks), constants_(constants) {
  std::size_t defined = 0;
  for (const ir::Block& b : blocks)
    for (const ir::Instruction& instruction : b.instructions) defined += ir::defined_name(instruction).has_value();
  definitions_.reserve(defined);
  blocks_by_label_.reserve(blocks.size());
  auto dropped = [&](const ir::Instruction& instruction) {
    // An array element's address is computed as the cases of what uses it are written.
    if (std::holds_alternative<ir::ElementAddress>(instruction)) return true;
    const auto* call = std::get_if<ir::Call>(&instruction);
    if (!call || !profile) return false;
    const builders::BuilderKind* kind = builders::lookup_builder(*profile, call->callee);
    return kind && std::holds_alternative<builders::NoOp>(*kind);
  };
  for (std::size_t b = 0; b < blocks.size(); ++b) {
    auto number = static_cast<std::uint32_t>(b);
    blocks_by_label_.try_emplace(ir::label_of(blocks[b]), number);
    for (const ir::Instruction& instruction : blocks[b].instructions)
      if (auto name = ir::defined_name(instruction))
        definitions_.try_emplace(*name, Definition{&instruction, number, static_cast<std::uint32_t>(definitions_.size())});
  }
  used_definitions_.assign(definitions_.size(), 0);
  for (const ir::Block& block : blocks)
    for (const ir::Instruction& instruction : block.instructions) {
      // (Whether the instruction is dropped is asked only of one that reads a value: most
      // calls read constants.)
      std::optional<bool> drop;
      ir::for_each_use(instruction, [&](std::string_view name) {
        if (!drop) drop = dropped(instruction);
        if (*drop) return;
        if (const Definition* d = definitions_.find(name)) used_definitions_[d->number] = 1;
        else used_others_.try_emplace(name, true);
      });
    }
  // The branch graph (a block that branches to another twice is its predecessor once).
  successors_.resize(blocks.size());
  for (std::uint32_t b = 0; b < blocks.size(); ++b) {
    std::uint32_t targets[2];
    std::size_t n = 0;
    ir::for_each_branch_target(blocks[b], [&](std::string_view target) {
      if (auto t = block_of(target); t && n < 2) targets[n++] = *t;
    });
    if (n == 2 && targets[1] < targets[0]) std::swap(targets[0], targets[1]);
    for (std::size_t k = 0; k < n; ++k)
      if (k == 0 || targets[k] != targets[k - 1]) successors_[b].push_back(targets[k]);
  }
  predecessors_ = Predecessors(successors_);
}

using text::Int128;

const ir::Operand* BodyIndex::element(const ir::ElementAddress& address, std::int64_t outer, std::int64_t inner) const {
  const ir::ConstantArray* a = array(address.global);
  if (!a) return nullptr;
  // The element a * N + b of the array (getelementptr [N x T] of a pointer to it).
  Int128 k = Int128::product(outer, static_cast<std::int64_t>(address.length)) + Int128(inner);
  if (k < Int128(0) || !(k < Int128(static_cast<std::int64_t>(a->elements.size())))) return nullptr;
  return &a->elements[static_cast<std::size_t>(*k.to_int64())];
}

}  // namespace brintavel::translator
