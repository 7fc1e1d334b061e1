// The limits that keep a translation's time and memory proportional to its input, and the
// budget that every stage charges what it makes to.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "error.hpp"

namespace brintavel::translator {

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
  Status charge(std::uint64_t nodes, std::string_view what_kind, std::string_view what) {
    if (nodes <= remaining_) {
      remaining_ -= nodes;
      return {};
    }
    return exhausted(what_kind, what);
  }

  std::uint64_t limit() const { return limit_; }
  std::uint64_t used() const { return limit_ - remaining_; }
  // Gives back what was charged for something that turned out not to be made.
  void refund(std::uint64_t nodes) { remaining_ = std::min(limit_, remaining_ + nodes); }

 private:
  Error exhausted(std::string_view what_kind, std::string_view what);

  std::uint64_t limit_;
  std::uint64_t remaining_;
};

}  // namespace brintavel::translator
