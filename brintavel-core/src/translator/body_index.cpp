#include "translator/body_index.hpp"

#include "support/int128.hpp"

#include <utility>

namespace brintavel::translator {

ModuleConstants::ModuleConstants(std::span<const ir::ConstantArray> arrays, std::span<const ir::ConstantString> strings) {
  for (const ir::ConstantArray& a : arrays) arrays_.try_emplace(a.name, &a);
  for (const ir::ConstantString& s : strings) strings_.try_emplace(s.name, s.text);
}

BodyIndex::BodyIndex(std::span<const ir::Block> blocks, const builders::Profile* profile,
                     const ModuleConstants* constants, SegmentNames* names)
    : blocks_(blocks), constants_(constants) {
  const bool values = !names || names->values;
  // (Room for a definition per instruction, the most there can be.)
  std::size_t instructions = 0;
  for (const ir::Block& b : blocks) instructions += b.instructions.size();
  if (values) definitions_.reserve(instructions);
  if (names) {
    numbers_ = std::exchange(names->numbers, {});
    first_number_ = names->first;
  } else {
    numbers_.reserve(instructions);
  }
  first_definition_.reserve(blocks.size() + 1);
  blocks_by_label_.reserve(blocks.size());
  bool unique_labels = true;
  for (std::size_t b = 0; b < blocks.size(); ++b) {
    auto number = static_cast<std::uint32_t>(b);
    unique_labels = blocks_by_label_.try_emplace(ir::label_of(blocks[b]), number).second && unique_labels;
    first_definition_.push_back(static_cast<std::uint32_t>(definitions_.size()));
    if (values)
      for (const ir::Instruction& instruction : blocks[b].instructions)
        if (auto name = ir::defined_name(instruction)) {
          auto next = static_cast<std::uint32_t>(definitions_.size());
          // (The names taken over are each defined once, in this order.)
          if (names || numbers_.try_emplace(*name, next).second)
            definitions_.push_back(Definition{&instruction, number, next});
          else
            redefines_ = true;
        }
  }
  first_definition_.push_back(static_cast<std::uint32_t>(definitions_.size()));
  // (Names taken over that are not as many as the definitions are not the blocks' own: the
  // index is made without them.)
  if (names && numbers_.size() != definitions_.size()) {
    *this = BodyIndex(blocks, profile, constants);
    return;
  }
  used_definitions_.assign(definitions_.size(), 0);
  if (values) index_reads(blocks, instructions, profile);
  // The branch graph (a block that branches to another twice is its predecessor once). Most
  // branches go to the next block, which is taken without a lookup where no label repeats.
  successors_.resize(blocks.size());
  for (std::uint32_t b = 0; b < blocks.size(); ++b) {
    std::uint32_t targets[2];
    std::size_t n = 0;
    std::string_view next = b + 1 < blocks.size() && unique_labels ? ir::label_of(blocks[b + 1]) : std::string_view();
    ir::for_each_branch_target(blocks[b], [&](std::string_view target) {
      auto t = next.data() && text::same_name(target, next) ? std::optional<std::uint32_t>(b + 1) : block_of(target);
      if (!t) exits_.push_back(Exit{b, target});
      else if (n < 2) targets[n++] = *t;
    });
    if (n == 2 && targets[1] < targets[0]) std::swap(targets[0], targets[1]);
    for (std::size_t k = 0; k < n; ++k)
      if (k == 0 || targets[k] != targets[k - 1]) successors_[b].push_back(targets[k]);
  }
  predecessors_ = Predecessors(successors_);
}

void BodyIndex::index_reads(std::span<const ir::Block> blocks, std::size_t instructions,
                            const builders::Profile* profile) {
  auto dropped = [&](const ir::Instruction& instruction) {
    // An array element's address is computed as the cases of what uses it are written.
    if (std::holds_alternative<ir::ElementAddress>(instruction)) return true;
    const auto* call = std::get_if<ir::Call>(&instruction);
    if (!call || !profile) return false;
    const builders::BuilderKind* kind = builders::lookup_builder(*profile, call->callee);
    return kind && std::holds_alternative<builders::NoOp>(*kind);
  };
  // (About a read per instruction, or fewer.)
  std::size_t slots = 16;
  while (slots < instructions) slots *= 2;
  make_reads(slots);
  for (const ir::Block& block : blocks)
    for (const ir::Instruction& instruction : block.instructions) {
      // (Whether the instruction is dropped is asked only of one that reads a value: most
      // calls read constants.)
      std::optional<bool> drop;
      ir::for_each_use(instruction, [&](std::string_view name) {
        if (!drop) drop = dropped(instruction);
        if (*drop) return;
        const std::uint32_t* d = numbers_.find(name);
        if (d) used_definitions_[*d - first_number_] = 1;
        else used_others_.try_emplace(name, true);
        remember_read(name, d ? *d - first_number_ : kNotDefined);
      });
    }
}

const BodyIndex::Definition* BodyIndex::find_read_further(std::string_view name) const {
  if (reads_)
    for (std::size_t i = read_slot(name.data(), name.size()); reads_[i].data; i = (i + 1) & read_mask_)
      if (reads_[i].data == name.data() && reads_[i].size == name.size()) return definition_read(reads_[i]);
  return find(name);
}

void BodyIndex::make_reads(std::size_t slots) {
  reads_ = std::make_unique<Read[]>(slots);  // zeroed: every slot empty
  read_mask_ = slots - 1;
  read_count_ = 0;
}

void BodyIndex::grow_reads() {
  std::unique_ptr<Read[]> old = std::move(reads_);
  std::size_t slots = read_mask_ + 1;
  make_reads(2 * slots);
  for (std::size_t i = 0; i < slots; ++i)
    if (old[i].data) remember_read(std::string_view(old[i].data, old[i].size), old[i].number);
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
