// Where each SSA value of a function body is defined, whether it is read, and each block by its
// label: what the rules look up when a value must be followed back to what it is computed from.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <unordered_set>

#include "builders/profile.hpp"
#include "ir/model.hpp"
#include "support/text.hpp"

namespace brintavel::translator {

class BodyIndex {
 public:
  // The arguments of calls that `profile` drops (output recording) are not counted as read.
  explicit BodyIndex(std::span<const ir::Block> blocks, const builders::Profile* profile = nullptr);

  struct Definition {
    const ir::Instruction* instruction;
    std::uint32_t block;
  };
  // The definition of `name`, or null (a parameter, or a name the body does not define).
  const Definition* find(std::string_view name) const {
    auto it = definitions_.find(name);
    return it == definitions_.end() ? nullptr : &it->second;
  }
  // The number of the block labelled `label` (an unlabeled first block is "0").
  std::optional<std::uint32_t> block_of(std::string_view label) const {
    auto it = blocks_by_label_.find(label);
    if (it == blocks_by_label_.end()) return std::nullopt;
    return it->second;
  }
  std::span<const ir::Block> blocks() const { return blocks_; }
  // Whether an instruction of the body reads `name`.
  bool is_used(std::string_view name) const { return used_.contains(name); }

 private:
  std::span<const ir::Block> blocks_;
  text::NameMap<Definition> definitions_;
  text::NameMap<std::uint32_t> blocks_by_label_;
  std::unordered_set<std::string_view> used_;
};

}  // namespace brintavel::translator
