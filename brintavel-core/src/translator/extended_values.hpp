// The extended rules' lowering of value instructions: integers of every width, operations
// beyond add, sub and mul, casts, and floating point, in the forms the service evaluates per
// shot (int_algebra.hpp says how integers are written).
//
// A value the dialect's arithmetic cannot write per shot is written with statements where it
// is made: an i1 comparison used as an integer becomes an int variable set in a branch (`int t
// = 0; if (cond) { t = 1; }` is the idea), a division of values of unknown signs branches on
// them, and a value computed from few measured inputs that needs a cast (a floating-point
// comparison, a conversion to an integer) is tabulated over those inputs (tabulation.hpp) and
// written case by case. A value that has no exact form is bound to a marker: it fails, naming
// the SSA value and its instruction, only where something looks it up.
//
// Floating-point values are written with the dialect's casts only where nothing decides the
// service's run by them: a rotation angle that depends on a measurement is written by the
// rules for gates (dynamic_gates.hpp), and is otherwise reported with a warning. The
// translation assumes no NaN arises at run time (the dialect has none), so ordered and
// unordered comparisons coincide.
#pragma once

#include <cstdint>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <vector>

#include "error.hpp"
#include "support/flat_name_map.hpp"
#include "ir/model.hpp"
#include "qasm/model.hpp"
#include "translator/block.hpp"
#include "translator/body_index.hpp"
#include "translator/context.hpp"
#include "translator/int_algebra.hpp"
#include "translator/range_analysis.hpp"
#include "translator/tabulation.hpp"
#include "translator/variables.hpp"

namespace brintavel::translator {

class ValueFacts {
 public:
  void set(std::string_view name, IntFacts&& facts) { set(name, std::move(facts), LoweringContext::name_hash(name)); }
  // (`hash`: LoweringContext::name_hash(name).)
  void set(std::string_view name, IntFacts&& facts, std::uint64_t hash) {
    // (One probe: a new name's facts go to the end of the list.)
    auto [slot, inserted] = ints_.try_emplace(name, static_cast<std::uint32_t>(facts_.size()), hash);
    if (inserted) facts_.push_back(std::move(facts));
    else facts_[*slot] = std::move(facts);
  }
  const IntFacts* find(std::string_view name) const { return find(name, LoweringContext::name_hash(name)); }
  // (`hash`: LoweringContext::name_hash(name).)
  const IntFacts* find(std::string_view name, std::uint64_t hash) const {
    const std::uint32_t* at = ints_.find(name, hash);
    return at ? &facts_[*at] : nullptr;
  }
  // The bits that an integer operand may have set (all when nothing is known).
  std::uint64_t may_be_one(const ir::Operand& operand, const LoweringContext& ctx) const;

  // The int variable that holds the value `name` in block `block`, when one was made there.
  const qasm::Expression* materialized(std::string_view name, std::uint32_t block) const {
    const Materialized* made = materialized_.find(name);
    return made && made->block == block ? &made->variable : nullptr;
  }
  void note_materialized(std::string_view name, std::uint32_t block, qasm::Expression variable) {
    materialized_.insert_or_assign(name, Materialized{block, std::move(variable)});
  }
  // `name` is defined again (not valid IR, but read): what was known of it no longer holds.
  void forget(std::string_view name) {
    ints_.erase(name);  // (its facts stay in the list, unreachable, until all are forgotten)
    materialized_.erase(name);
  }
  // The values known so far are not looked up again.
  void forget() {
    ints_.reset();
    facts_.clear();
    materialized_.reset();
  }

 private:
  // The facts of each name, by its place in their list: the table's slots stay small, so that
  // forgetting a segment's values passes over a few kilobytes, not the facts' own.
  text::FlatNameMap<std::uint32_t> ints_;
  std::vector<IntFacts> facts_;
  // (Growing the list moves the facts, whose bit lists an operand may view, without copying.)
  static_assert(std::is_nothrow_move_constructible_v<IntFacts>);
  struct Materialized {
    std::uint32_t block = 0;
    qasm::Expression variable = qasm::IntLiteral{0};
  };
  text::FlatNameMap<Materialized> materialized_;
};

// An integer operand of more nodes than this is held in a variable before the algebra copies it.
inline constexpr std::uint64_t kMaxCopiedNodes = 24;

// What the lowering of a value may need besides the context: the facts of the values before
// it, the variables it may make, the block its statements go to, and the body it reads
// values back from (null where the body is not at hand: then nothing is tabulated).
struct ValueScope {
  LoweringContext& ctx;
  ValueFacts& facts;
  Variables& variables;
  BlockLowering& block;
  const BodyIndex* body = nullptr;
  const BodyRanges* ranges = nullptr;
};

// Lowers a value instruction (a comparison, logic, arithmetic, a select, a cast or a
// floating-point operation) and binds its result. A value without an exact form is bound to a
// marker that fails, with the same message, where it is looked up; only the size limit fails
// at once.
Status lower_extended_value(const ir::Instruction& instruction, ValueScope& scope);

// A value instruction failed: unless the failure is the size limit, its result is bound to
// a marker that fails with the same message where it is looked up.
Status defer_failure(Status status, std::string_view result, LoweringContext& ctx);

// An integer operand of `width` bits, with what is known of it (a Boolean read as its 0/1 value).
// Its bit pattern may be a view of the one kept for the operand: valid until a value is bound.
Result<ints::IntValue> int_operand(ValueScope& scope, const ir::Operand& operand, unsigned width);
// Binds the integer SSA value `name`, with its facts (bits, range).
Status bind_int(ValueScope& scope, std::string_view name, ints::IntValue value);

// Statements in the block being lowered that set a new int variable to 1 where `condition`
// holds and to 0 elsewhere; the variable, read here. `reader` names the value it is for.
Result<qasm::Expression> int_of_condition(qasm::Expression condition, std::string_view reader, ValueScope& scope);

// Values of more cases than this are not written case by case.
inline constexpr std::size_t kMaxCases = 16;
// A condition is a disjunction over at most this many assignments of its inputs.
inline constexpr std::size_t kMaxConditionCases = 64;

// The table of the SSA value `name` over at most `limit` assignments of its inputs, when the
// body is at hand.
std::optional<Table> table_of(ValueScope& scope, std::string_view name, std::size_t limit);
// Statements in the block being lowered that set `variable` to the table's value for the
// assignment of its atoms that holds (the atoms are read here; their captures are pending).
Status assign_cases(ValueScope& scope, const std::string& variable, const Table& table);

}  // namespace brintavel::translator
