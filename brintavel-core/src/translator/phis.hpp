// Lowering of phi instructions.
//
// The base rules know three shapes (phi_shapes.cpp): a short-circuit Boolean (`a && b`,
// `a || b`) bound as an expression, a 0/1 integer diamond bound as the branch condition, and
// an if-merged integer kept in an int variable that one path updates. The extended rules use
// those shapes where they apply and lower every other phi out of SSA form (phi_copies.cpp): a
// variable of the phi's type, declared after the registers and assigned at the end of each
// predecessor, before its branch. When the predecessor also branches elsewhere, the
// assignments go into a block of their own on that edge (named `pred->block`), so that no
// other path sees them and the predecessor's branch condition reads what it read before. The
// phis of one block are assigned as a parallel copy: an assignment whose value reads the
// variable of another phi assigned on the same edge reads it through a temporary taken first.
// Assignments for a predecessor that comes later in source order (a loop latch, or the block
// itself) wait until that block's terminator is lowered. An integer phi given a Boolean is set
// to 1 or 0 in a branch, and a double phi given a value computed from measurements is set case
// by case over them (tabulation.hpp): the service evaluates a cast in such an assignment once
// for all shots. A double phi of a few constants is kept as the number of the constant, in an
// int variable: what reads it is written case by case over that number (tabulation.hpp).
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "error.hpp"
#include "ir/model.hpp"
#include "qasm/model.hpp"
#include "translator/context.hpp"
#include "translator/extended_values.hpp"
#include "translator/function_state.hpp"
#include "translator/processed_blocks.hpp"
#include "translator/variables.hpp"

namespace brintavel::translator {

// ---- The base shapes (phi_shapes.cpp) ----

// The phi merges 0 and 1 from the empty arms of a diamond: binds it to the branch condition
// (or its complement). False when the shape does not match.
Result<bool> lower_zero_one_diamond(const ir::Phi& phi, ProcessedBlocks& processed, LoweringContext& ctx);

// Lowers a phi of the block labelled `block_label`; may append assignments to processed
// blocks and one declaration to `variables`. Restarts are recorded in `resets` when given.
Status lower_phi(const ir::Phi& phi, std::string_view block_label, ProcessedBlocks& processed,
                 Variables& variables, LoweringContext& ctx, PendingResets* resets = nullptr);

// Whether the phi of the block labelled `label` is a short-circuit Boolean the base rule takes:
// one constant incoming from a block whose branch leads here, and one value already lowered.
bool short_circuit_applies(const ir::Phi& phi, std::string_view label, const ProcessedBlocks& processed,
                           const LoweringContext& ctx);
// Whether the phi is an i32 or i64 set on a conditional path and updated on the other: both
// predecessors lowered, exactly one ending in a conditional branch.
bool if_merge_applies(const ir::Phi& phi, ProcessedBlocks& processed);

// ---- Phis out of SSA form (phi_copies.cpp) ----

class PhiCopies {
 public:
  // Blocks made on edges join the state's lists of labels and sources by block number.
  PhiCopies(FunctionState& state, ValueFacts& facts)
      : state_(state),
        ctx_(state.lowering),
        processed_(state.processed),
        variables_(state.variables),
        facts_(facts),
        labels_(state.labels),
        sources_(state.block_sources) {}

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
    const std::vector<double>* constants = nullptr;  // a phi of constants: the variable holds their number
    bool pointer = false;  // a phi of constant pointers: the variable holds the index
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
    const std::vector<double>* constants = nullptr;
    bool pointer = false;
  };

  // Assigns the copies of one edge from `pred` into `target`.
  Status emit(BlockLowering& pred, std::string_view target, const std::vector<Copy>& copies);
  Result<qasm::Expression> copy_value(const Copy& copy);
  // The statement that sets `copy`'s variable to `value` at the end of `at`.
  Result<qasm::Statement> assignment(const Copy& copy, qasm::Expression value, BlockLowering& at);

  FunctionState& state_;
  LoweringContext& ctx_;
  ProcessedBlocks& processed_;
  Variables& variables_;
  ValueFacts& facts_;
  std::vector<std::string_view>& labels_;
  std::vector<const char*>& sources_;
  std::vector<OpenPhi> open_;
  std::unordered_map<std::string_view, std::vector<Group>> waiting_;  // by predecessor label
  std::vector<std::string_view> waiting_order_;                       // the labels, as first waited for
  std::vector<BlockLowering> made_;
  std::deque<std::string> made_labels_;
  std::deque<std::vector<double>> constants_;  // of the phis of constants
};

// The extended rules' phi: the base shapes that bind an expression (short-circuit Booleans,
// 0/1 diamonds) and the if-merge variable where they apply, any other phi a variable of its
// own (PhiCopies).
struct ExtendedPhis {
  LoweringContext& ctx;
  ProcessedBlocks& processed;
  Variables& variables;
  PendingResets& resets;
  ValueFacts& facts;
  PhiCopies& copies;

  Status lower(const ir::Phi& phi, BlockLowering& block);
};

}  // namespace brintavel::translator
