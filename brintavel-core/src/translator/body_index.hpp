// Where each SSA value of a function body is defined, whether it is read, and each block by its
// label: what the rules look up when a value must be followed back to what it is computed from.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "builders/profile.hpp"
#include "ir/model.hpp"
#include "support/flat_name_map.hpp"
#include "support/text.hpp"
#include "translator/block_graph.hpp"

namespace brintavel::translator {

// The module's constant arrays (which loads may index) and strings, by name: built once for
// the indices of all the segments of a body.
class ModuleConstants {
 public:
  ModuleConstants(std::span<const ir::ConstantArray> arrays, std::span<const ir::ConstantString> strings);
  // The text of the module's string constant @name (escapes as written), or nothing.
  std::optional<std::string_view> string_constant(std::string_view name) const {
    auto it = strings_.find(name);
    if (it == strings_.end()) return std::nullopt;
    return it->second;
  }
  // The module's constant array @name, or null.
  const ir::ConstantArray* array(std::string_view name) const {
    auto it = arrays_.find(name);
    return it == arrays_.end() ? nullptr : it->second;
  }

 private:
  std::unordered_map<std::string_view, const ir::ConstantArray*> arrays_;
  std::unordered_map<std::string_view, std::string_view> strings_;
};

// The names a segment of a body defines (segments.hpp), each by its number among the body's
// definitions, from `first` on in the segment's order: what the segment finder found, which
// the segment's index takes over instead of looking each name up again.
struct SegmentNames {
  text::FlatNameMap<std::uint32_t> numbers;
  std::uint32_t first = 0;
  // False for blocks of calls that neither define nor read a value (a piece of a long block of
  // gates on constants): their index looks at none of their instructions.
  bool values = true;
};

class BodyIndex {
 public:
  // The arguments of calls that `profile` drops (output recording) and the indices of array
  // elements' addresses are not counted as read; `constants` are the module's (none: null).
  // `names`, when given, are the names `blocks` define (taken over).
  explicit BodyIndex(std::span<const ir::Block> blocks, const builders::Profile* profile = nullptr,
                     const ModuleConstants* constants = nullptr, SegmentNames* names = nullptr);

  struct Definition {
    const ir::Instruction* instruction;
    std::uint32_t block;
    std::uint32_t number;  // 0, 1, ... in the order of the body: an index for per-value tables
  };
  std::size_t definition_count() const { return definitions_.size(); }
  // The definition of `name`, or null (a parameter, or a name the body does not define).
  const Definition* find(std::string_view name) const {
    const std::uint32_t* number = numbers_.find(name);
    return number ? &definitions_[*number - first_number_] : nullptr;
  }
  // The same, looked up by the address and length of the view when it is one that an
  // instruction of the body reads (an operand, a pointer, a condition: what the analyses look
  // up, pass after pass), without hashing or comparing the text; by the text otherwise.
  const Definition* find_read(std::string_view name) const {
    if (reads_) {
      const Read& r = reads_[read_slot(name.data(), name.size())];
      if (r.data == name.data() && r.size == name.size()) return definition_read(r);
    }
    return find_read_further(name);
  }
  // The definitions the block's instructions make, in their order (an instruction that
  // defines a name again makes none: the name stays the first one's).
  std::span<const Definition> definitions_in(std::uint32_t block) const {
    return std::span<const Definition>(definitions_).subspan(first_definition_[block],
                                                             first_definition_[block + 1] - first_definition_[block]);
  }
  // Whether an instruction defines a name that one before it defined (not valid IR, but read):
  // where none does, every instruction that defines a value is among definitions_in().
  bool redefines() const { return redefines_; }
  // The number of the block labelled `label` (an unlabeled first block is "0").
  std::optional<std::uint32_t> block_of(std::string_view label) const {
    const std::uint32_t* it = blocks_by_label_.find(label);
    if (!it) return std::nullopt;
    return *it;
  }
  std::span<const ir::Block> blocks() const { return blocks_; }
  // The text of the module's string constant @name (escapes as written), or nothing.
  std::optional<std::string_view> string_constant(std::string_view name) const {
    return constants_ ? constants_->string_constant(name) : std::nullopt;
  }
  // The module's constant array @name, or null.
  const ir::ConstantArray* array(std::string_view name) const { return constants_ ? constants_->array(name) : nullptr; }
  // The element a load of `pointer` reads when `pointer` is the address of a constant array's
  // element whose indices are `outer` and `inner`; null when there is no such element.
  const ir::Operand* element(const ir::ElementAddress& address, std::int64_t outer, std::int64_t inner) const;
  // The blocks each block branches to, by number, ascending and each once.
  const BlockGraph& successors() const { return successors_; }
  // The blocks that branch to each block, ascending and each once.
  const Predecessors& predecessor_lists() const { return predecessors_; }
  std::span<const std::uint32_t> predecessors(std::uint32_t block) const { return predecessors_.of(block); }
  // The branches out of the body: each label a block branches to that is not one of the
  // body's, by block and in branch order (a label named twice is listed twice).
  struct Exit {
    std::uint32_t block;
    std::string_view label;
  };
  std::span<const Exit> exits() const { return exits_; }
  // Whether an instruction of the body reads `name`.
  bool is_used(std::string_view name) const {
    if (const std::uint32_t* number = numbers_.find(name)) return used_definitions_[*number - first_number_] != 0;
    return used_others_.contains(name);
  }

 private:
  // The views of the names the instructions read, by address and length, each with the
  // number of the definition it names (kNotDefined: none): a table with open addressing, at
  // most half full.
  struct Read {
    const char* data;  // null: an empty slot
    std::uint32_t size;
    std::uint32_t number;
  };
  static constexpr std::uint32_t kNotDefined = UINT32_MAX;
  std::size_t read_slot(const char* data, std::size_t size) const {
    std::uint64_t h = (reinterpret_cast<std::uintptr_t>(data) ^ size) * 0x9E3779B97F4A7C15ull;
    return static_cast<std::size_t>(h >> 32) & read_mask_;
  }
  void remember_read(std::string_view name, std::uint32_t number) {
    if (!name.data()) return;
    if (2 * (read_count_ + 1) > read_mask_ + 1) grow_reads();
    std::size_t i = read_slot(name.data(), name.size());
    for (; reads_[i].data; i = (i + 1) & read_mask_)
      if (reads_[i].data == name.data() && reads_[i].size == name.size()) return;  // the same view again
    reads_[i] = Read{name.data(), static_cast<std::uint32_t>(name.size()), number};
    ++read_count_;
  }
  const Definition* definition_read(const Read& r) const {
    return r.number == kNotDefined ? nullptr : &definitions_[r.number];
  }
  const Definition* find_read_further(std::string_view name) const;  // past the first slot
  void make_reads(std::size_t slots);  // empty, with `slots` slots (a power of two)
  // Records what the blocks' instructions (`instructions` in all) read: which definitions are
  // used, the other names read, and each read's view.
  void index_reads(std::span<const ir::Block> blocks, std::size_t instructions, const builders::Profile* profile);
  void grow_reads();

  std::span<const ir::Block> blocks_;
  std::vector<Definition> definitions_;          // by number
  text::FlatNameMap<std::uint32_t> numbers_;     // each defined name's number, plus first_number_
  std::uint32_t first_number_ = 0;
  std::vector<std::uint32_t> first_definition_;  // by block, and one past the last
  bool redefines_ = false;
  text::FlatNameMap<std::uint32_t> blocks_by_label_;
  // Whether an instruction reads each definition, by number, and the other names read.
  std::vector<char> used_definitions_;
  text::FlatNameMap<bool> used_others_;
  BlockGraph successors_;
  Predecessors predecessors_;
  std::vector<Exit> exits_;
  std::unique_ptr<Read[]> reads_;
  std::size_t read_mask_ = 0;  // the slots, less one
  std::size_t read_count_ = 0;
  const ModuleConstants* constants_;
};

}  // namespace brintavel::translator
