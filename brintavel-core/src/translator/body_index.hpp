// Where each SSA value of a function body is defined, whether it is read, and each block by its
// label: what the rules look up when a value must be followed back to what it is computed from.
#pragma once

#include <cstdint>
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

class BodyIndex {
 public:
  // The arguments of calls that `profile` drops (output recording) and the indices of array
  // elements' addresses are not counted as read; `constants` are the module's (none: null).
  explicit BodyIndex(std::span<const ir::Block> blocks, const builders::Profile* profile = nullptr,
                     const ModuleConstants* constants = nullptr);

  struct Definition {
    const ir::Instruction* instruction;
    std::uint32_t block;
    std::uint32_t number;  // 0, 1, ... in the order of the body: an index for per-value tables
  };
  std::size_t definition_count() const { return definitions_.size(); }
  // The definition of `name`, or null (a parameter, or a name the body does not define).
  const Definition* find(std::string_view name) const { return definitions_.find(name); }
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
  // Whether an instruction of the body reads `name`.
  bool is_used(std::string_view name) const {
    if (const Definition* d = find(name)) return used_definitions_[d->number] != 0;
    return used_others_.contains(name);
  }

 private:
  std::span<const ir::Block> blocks_;
  text::FlatNameMap<Definition> definitions_;
  text::FlatNameMap<std::uint32_t> blocks_by_label_;
  // Whether an instruction reads each definition, by number, and the other names read.
  std::vector<char> used_definitions_;
  text::FlatNameMap<bool> used_others_;
  BlockGraph successors_;
  Predecessors predecessors_;
  const ModuleConstants* constants_;
};

}  // namespace brintavel::translator
