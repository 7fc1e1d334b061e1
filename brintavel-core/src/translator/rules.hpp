// The rules that give instructions their OpenQASM meaning.
//
// There are two sets. The base rules are the translator's fixed forms. The extended rules
// also lower what the base rules refuse wherever OpenQASM has an exact form (integer and
// floating-point arithmetic, general phis, calls to functions defined in the module,
// barriers), and keep the base forms wherever those apply, so that a module the base rules
// translate comes out the same. A translation chooses its set once, at its start
// (base_rules() or extended_rules()); everything that differs between the two is asked of
// that object, and nothing else in the translator tests which set it has.
//
// The lowering of a function (function_lowerer.hpp) handles what every set shares: blocks,
// terminators, and calls through the builders. It asks the rules for the rest:
//   rules.for_function(state)  the rules' state for one function;
//   lower_phi / lower_classical  what a phi, a value or a memory instruction means;
//   end_phis / end_block / take_made_blocks / end_function  the points where the
//                               rules act on the block or the function as a whole.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "builders/profile.hpp"
#include "error.hpp"
#include "ir/instruction_parser.hpp"
#include "ir/model.hpp"
#include "signatures.hpp"
#include "translator/block.hpp"
#include "translator/context.hpp"

namespace brintavel::translator {

struct FunctionState;

// The rules' part of one function's lowering. The calls come in source order.
// One way a call is lowered: its builder run with `args`, under `condition` when there is one.
struct CallCase {
  std::optional<qasm::Expression> condition;
  std::vector<ir::Operand> args;
};

class FunctionRules {
 public:
  virtual ~FunctionRules() = default;

  // The cases of a call whose arguments the rules write case by case (a rotation whose angle is
  // computed from measurements, a qubit chosen at run time); nothing: the call is lowered as it
  // is, by its builder `kind` (null: none); no case: the rules lowered it (a result read bound
  // to its value, a call of a runtime the rules know).
  virtual Result<std::optional<std::vector<CallCase>>> call_cases(const ir::Call&, const Signature&,
                                                                  const builders::BuilderKind*, BlockLowering&) {
    return std::optional<std::vector<CallCase>>{};
  }

  // A phi of `block`, the block being lowered.
  virtual Status lower_phi(const ir::Phi& phi, BlockLowering& block) = 0;
  // A classical instruction of `block`: a value (comparison, logic, arithmetic, select, cast,
  // load) or a fact about pointers (alloca, bitcast, getelementptr, store, inttoptr). It adds
  // no statement.
  virtual Status lower_classical(const ir::Instruction& instruction, BlockLowering& block) = 0;
  // The condition a branch on the i1 value `name`, bound to `value`, tests (the base rules test
  // it as bound).
  virtual qasm::Expression branch_condition(std::string_view /*name*/, qasm::Expression value) { return value; }
  // The phis of `block` are complete: its first other instruction comes.
  virtual Status end_phis(BlockLowering&) { return {}; }
  // The terminator of `block` was lowered.
  virtual Status end_block(BlockLowering&) { return {}; }
  // The blocks the rules made on edges since the last call; they follow the block just ended.
  virtual std::vector<BlockLowering> take_made_blocks() { return {}; }
  // Every block was lowered.
  virtual Status end_function() { return {}; }
  // The body the state holds is another segment of the function (segments.hpp): no value
  // lowered before, nor anything the rules found in the body before, is looked up again.
  virtual void body_changed() {}
};

class Rules {
 public:
  virtual ~Rules() = default;

  // The instructions the parser reads for these rules.
  virtual ir::InstructionSet instructions() const = 0;
  // The QIR functions these rules lower, each with its builder.
  virtual const builders::Profile& profile() const = 0;
  // Where a value read after what it reads was overwritten is caught.
  virtual StaleValues stale_values() const = 0;
  // Whether calls to functions the module defines (and the profile does not lower) are inlined.
  virtual bool inlines_calls() const = 0;
  // Whether the rules analyse a function's body before they lower it (they then need it whole).
  virtual bool analyzes_body() const = 0;
  // Whether, when the output records are asked for, the result register covers every result the
  // program records (one nothing is measured into then reads Zero from it).
  virtual bool covers_recorded_results() const = 0;
  // The rules' state for lowering one function.
  virtual std::unique_ptr<FunctionRules> for_function(FunctionState& state) const = 0;
};

std::unique_ptr<Rules> base_rules();
std::unique_ptr<Rules> extended_rules();

}  // namespace brintavel::translator
