// The extended rules' lowering of value instructions: integer operations beyond add, sub and
// mul (through the integer algebra of int_algebra.hpp), casts, floating-point arithmetic and
// comparisons. zext of an i1, icmp, select and add/sub/mul keep the base rules' forms where
// those are exact (so that a module whose calls are inlined translates as the default mode
// translates the same code written out) and record what is known of their values. A value
// that has no exact form is bound to a marker: it fails, naming the SSA value and its
// instruction, only where something looks it up.
//
// The translation assumes, as the base rules do, that integer arithmetic does not overflow
// (OpenQASM's int is not a fixed-width wrapping type), and that no NaN arises at run time:
// the dialect has no NaN, so ordered and unordered floating-point comparisons coincide.
#pragma once

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "error.hpp"
#include "ir/model.hpp"
#include "qasm/model.hpp"
#include "translator/context.hpp"
#include "translator/int_algebra.hpp"

namespace brintavel::translator {

class ValueFacts {
 public:
  void set(std::string_view name, IntFacts facts) { ints_.insert_or_assign(name, std::move(facts)); }
  const IntFacts* find(std::string_view name) const {
    auto it = ints_.find(name);
    return it == ints_.end() ? nullptr : &it->second;
  }
  // The bits that an integer operand may have set (all when nothing is known).
  std::uint64_t may_be_one(const ir::Operand& operand, const LoweringContext& ctx) const;

 private:
  std::unordered_map<std::string_view, IntFacts> ints_;
};

// Lowers a value instruction (a comparison, logic, arithmetic, a select, a cast or a
// floating-point operation) and binds its result. A value without an exact
// form is bound to a marker that fails, with the same message, where it is looked up; only the
// size limit fails at once.
Status lower_extended_value(const ir::Instruction& instruction, LoweringContext& ctx, ValueFacts& facts);

// A value instruction failed: unless the failure is the size limit, its result is bound to
// a marker that fails with the same message where it is looked up.
Status defer_failure(Status status, std::string_view result, LoweringContext& ctx);

}  // namespace brintavel::translator
