// Lowering of the values that only the extended rules translate: integer operations beyond
// add, sub and mul, casts, floating-point arithmetic and comparisons. zext of an i1, icmp,
// select and add/sub/mul keep the base rules' forms where those are exact (so that a module
// whose calls are inlined translates as the default mode translates the same code written out)
// and record what is known of their values. Every result is exact in the service's OpenQASM
// dialect, which has no bitwise operators on integers: an integer assembled from bits keeps its
// bits (each an i1 expression) and is written as a sum of int(bit) * 2^k where an integer is
// needed; shifts by constants are products and quotients by powers of two; bit k of an
// integer x is (x % 2^(k+1) + 2^(k+1)) % 2^(k+1) / 2^k, which holds for either rounding of
// / and % on negative operands. A value that has no exact form is bound to a marker: it fails,
// naming the SSA value and its instruction, only where something looks it up.
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

namespace brintavel::translator {

// What the extended rules know about an integer SSA value of `width` bits, kept as its
// signed value (sign-extended to 64 bits).
struct IntFacts {
  unsigned width = 64;
  std::uint64_t may_be_one = ~std::uint64_t{0};  // bits of the 64-bit value that may be 1
  bool has_bits = false;                          // `bits` holds the value's bit pattern
  std::vector<qasm::Expression> bits;             // i1 expressions, least significant first;
                                                  // bits beyond them are 0
};

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

// Boolean-typed: comparisons, && || !, true/false and the bool variables. (A bit c[k] is not.)
bool is_bool_typed(const qasm::Expression& e);
// An i1 value as a bool expression: c[0] == 1 for a bit, true/false for 1/0.
qasm::Expression as_bool(qasm::Expression e);
// An integer-valued expression as an int: bits and Booleans are cast, int(c[0]).
qasm::Expression as_int(qasm::Expression e);

// The width of an integer type iN (1 to 64); nothing for other types.
std::optional<unsigned> int_width(std::string_view ty);

Status lower_int_op(const ir::IntOp& op, LoweringContext& ctx, ValueFacts& facts);
Status lower_cast(const ir::Cast& cast, LoweringContext& ctx, ValueFacts& facts);
Status lower_float_op(const ir::FloatOp& op, LoweringContext& ctx);
Status lower_fneg(const ir::FNeg& op, LoweringContext& ctx);
Status lower_fcmp(const ir::Fcmp& op, LoweringContext& ctx);
// The extended forms of base instructions: exact unsigned and signed-i1 comparisons, and the
// facts of the integers the base forms make.
Status lower_icmp_extended(const ir::Icmp& icmp, LoweringContext& ctx, ValueFacts& facts);
Status lower_arith_extended(const ir::Arith& arith, LoweringContext& ctx, ValueFacts& facts);
Status lower_select_extended(const ir::Select& select, LoweringContext& ctx, ValueFacts& facts);

// A value instruction failed: unless the failure is the size limit, its result is bound to
// a marker that fails with the same message where it is looked up.
Status defer_failure(Status status, std::string_view result, LoweringContext& ctx);

}  // namespace brintavel::translator
