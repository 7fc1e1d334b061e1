// State shared by the lowering steps of one translation.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "builders/profile.hpp"
#include "error.hpp"
#include "ir/model.hpp"
#include "qasm/model.hpp"

namespace brintavel::translator {

// What the pipeline hands the translator besides the module.
struct TranslationContext {
  builders::Profile profile;
  std::vector<std::string> include_paths;  // each becomes an include statement
  std::optional<std::string> producer;
  bool results_as_output = false;  // declare the result register as `output bit`
};

// One basic block after lowering: its straight-line statements and how it ends. Labels are
// views of texts that live as long as the translation.
struct BlockLowering {
  std::string_view label;
  qasm::StatementList statements;
  std::vector<std::string_view> successors;  // true target first for a conditional branch
  std::optional<qasm::Expression> condition;  // present exactly for a conditional branch
};

// Limits that keep a translation's size proportional to its input.
//
// SSA values are substituted into every use, so a few lines can describe an expression of
// exponential size, and loop headers are repeated inside their loops. Every expression
// node copied and every statement made is charged to a budget that grows with the input;
// expressions may not nest deeper than kMaxExpressionDepth; and the printed text may not
// outgrow the input by more than a constant factor (nested bodies are indented once per
// level). Real programs stay far inside all three.
struct Limits {
  static constexpr std::uint64_t kBaseNodes = 4'000'000;  // plus a quarter node per input byte
  static constexpr std::uint64_t kMaxExpressionDepth = 10'000;
  static constexpr std::uint64_t kBaseOutputBytes = 64ull << 20;
  static constexpr std::uint64_t kOutputBytesPerInputByte = 8;

  static std::uint64_t nodes_for_input(std::size_t input_bytes) {
    return kBaseNodes + input_bytes / 4;
  }
  static std::uint64_t output_bytes_for_input(std::size_t input_bytes) {
    return kBaseOutputBytes + kOutputBytesPerInputByte * input_bytes;
  }
};

class SizeBudget {
 public:
  explicit SizeBudget(std::uint64_t limit) : limit_(limit), remaining_(limit) {}

  // Charges `nodes`; on exhaustion the error names `what` (an SSA value or a block).
  Status charge(std::uint64_t nodes, std::string_view what_kind, std::string_view what);

  std::uint64_t limit() const { return limit_; }

 private:
  std::uint64_t limit_;
  std::uint64_t remaining_;
};

struct PointerOrigin {
  std::string_view base;
  std::int64_t offset = 0;
};

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

class LoweringContext {
 public:
  explicit LoweringContext(std::uint64_t node_budget) : budget_(node_budget) {}

  // Binds an SSA name, replacing any earlier binding.
  Status bind_value(std::string_view name, qasm::Expression value);
  // A copy of the expression bound to `name`.
  Result<qasm::Expression> lookup_value(std::string_view name);
  // Whether `name` is bound, and to what (no copy).
  const qasm::Expression* peek_value(std::string_view name) const;

  std::optional<std::int64_t> lookup_pointer_index(std::string_view name) const;
  void record_pointer_index(std::string_view name, std::int64_t index) {
    pointer_indices_[name] = index;
  }

  void note_qubit_index(std::int64_t index) {
    if (index > max_qubit_index) max_qubit_index = index;
  }
  void note_result_index(std::int64_t index) {
    if (index > max_result_index) max_result_index = index;
  }

  SizeBudget& budget() { return budget_; }

  std::unordered_map<std::string_view, PointerOrigin> pointer_origins;
  std::unordered_map<MemoryCell, ir::Operand, MemoryCellHash> memory;
  std::int64_t max_qubit_index = -1;
  std::int64_t max_result_index = -1;

 private:
  struct Binding {
    qasm::Expression value;
    std::uint64_t nodes;
  };
  std::unordered_map<std::string_view, Binding> values_;
  std::unordered_map<std::string_view, std::int64_t> pointer_indices_;
  SizeBudget budget_;
};

// The never-bound message for an SSA name.
std::unexpected<Error> unbound_value(std::string_view name);

}  // namespace brintavel::translator
