// General phi lowering for the extended rules (out of SSA form).
//
// A phi that fits none of the base shapes becomes a variable of its type (int, bool or
// float[64], declared after the registers) bound as the phi's value, and is assigned at the
// end of each predecessor, before its branch. When the predecessor also branches elsewhere,
// the assignments go into a block of their own on that edge (named `pred->block`), so that
// no other path sees them and the predecessor's branch condition reads what it read before.
// The phis of one block are assigned as a parallel copy: an assignment whose value reads the
// variable of another phi assigned on the same edge reads it through a temporary taken first.
// Assignments for a predecessor that comes later in source order (a loop latch, or the
// block itself) wait until that block's terminator is lowered.
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "error.hpp"
#include "ir/model.hpp"
#include "translator/context.hpp"
#include "translator/extended.hpp"
#include "translator/phi.hpp"

namespace brintavel::translator {

class PhiVariables {
 public:
  // `labels` and `sources` are the driver's lists by block number; made blocks join them.
  PhiVariables(LoweringContext& ctx, ProcessedBlocks& processed, IntVariables& variables,
               ValueFacts& facts, std::vector<std::string_view>& labels,
               std::vector<const char*>& sources)
      : ctx_(ctx),
        processed_(processed),
        variables_(variables),
        facts_(facts),
        labels_(labels),
        sources_(sources) {}

  // A phi of `block`, the block being lowered, that no base shape takes.
  Status add(const ir::Phi& phi, BlockLowering& block);
  // Whether phis of the block being lowered wait for close().
  bool open() const { return !open_.empty(); }
  // The phis of `block` are all known: their variables are assigned on the edges from the
  // blocks lowered already; the other edges wait for their blocks' terminators.
  Status close(BlockLowering& block);
  // The terminator of `block`, the block being lowered, is lowered: the assignments that
  // wait for it.
  Status end(BlockLowering& block);
  // The blocks made on edges since the last call, in number order.
  std::vector<BlockLowering> take_made() { return std::exchange(made_, {}); }
  // Fails when assignments wait for a predecessor that never came.
  Status check_complete() const;

 private:
  struct Copy {
    std::string variable;
    qasm::ScalarType type;
    ir::Operand value;
    std::string_view phi;  // the phi's result name
  };
  struct Group {
    std::string_view target;  // the phis' block
    std::vector<Copy> copies;
  };
  // (A copy: inlined instructions do not outlive their lowering.)
  struct OpenPhi {
    std::string_view result;
    std::vector<ir::PhiIncoming> incomings;
    std::string variable;
    qasm::ScalarType type;
  };

  // Assigns the copies of one edge from `pred` into `target`.
  Status emit(BlockLowering& pred, std::string_view target, const std::vector<Copy>& copies);
  Result<qasm::Expression> copy_value(const Copy& copy);

  LoweringContext& ctx_;
  ProcessedBlocks& processed_;
  IntVariables& variables_;
  ValueFacts& facts_;
  std::vector<std::string_view>& labels_;
  std::vector<const char*>& sources_;
  std::vector<OpenPhi> open_;
  std::unordered_map<std::string_view, std::vector<Group>> waiting_;  // by predecessor label
  std::vector<std::string_view> waiting_order_;                       // the labels, as first waited for
  std::vector<BlockLowering> made_;
  std::deque<std::string> made_labels_;
};

}  // namespace brintavel::translator
