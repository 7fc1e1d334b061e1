// One basic block after lowering: its label, its straight-line statements and how it ends.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

#include "qasm/emitter.hpp"
#include "qasm/model.hpp"
#include "translator/dataflow.hpp"

namespace brintavel::translator {

// The labels a block branches to: none, one, or two (the true target first), kept in place.
class BranchTargets {
 public:
  BranchTargets() = default;
  BranchTargets(std::initializer_list<std::string_view> labels) { assign(labels.begin(), labels.end()); }
  BranchTargets(const std::vector<std::string_view>& labels) { assign(labels.begin(), labels.end()); }  // NOLINT

  // Adds a label after those there (a third is not kept).
  void push_back(std::string_view label) {
    if (size_ < labels_.size()) labels_[size_++] = label;
  }
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  std::string_view operator[](std::size_t i) const { return labels_[i]; }
  const std::string_view* begin() const { return labels_.data(); }
  const std::string_view* end() const { return labels_.data() + size_; }
  friend bool operator==(const BranchTargets& a, const BranchTargets& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
  }

 private:
  template <class It>
  void assign(It first, It last) {
    size_ = 0;
    for (; first != last && size_ < labels_.size(); ++first) labels_[size_++] = *first;
  }
  std::array<std::string_view, 2> labels_{};
  std::uint8_t size_ = 0;
};

// One basic block after lowering: its straight-line statements and how it ends. Labels are
// views of texts that live as long as the translation.
struct BlockLowering {
  std::string_view label;
  qasm::StatementList statements;
  BranchTargets successors;  // true target first for a conditional branch
  std::optional<qasm::Expression> condition;  // present exactly for a conditional branch
  std::uint64_t condition_time = 0;           // LoweringContext::now() when it was recorded
  std::vector<Capture> condition_captures = {};  // the bits and variables the condition reads
  std::uint32_t ordinal = 0;                     // the block's number in source order
  std::uint64_t size = 0;                        // statements in the block, lines counted singly
  qasm::Origin condition_origin = {};            // the branch that tests the condition
};

// Appends a simple statement to a block, printed (see qasm::Emitter).
void append_statement(qasm::Emitter& emitter, BlockLowering& block, const qasm::Statement& statement);
// Appends printed statements to a block.
void append_lines(qasm::Emitter& emitter, BlockLowering& block, const qasm::Lines& lines);

}  // namespace brintavel::translator
