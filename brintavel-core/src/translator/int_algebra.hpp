// The algebra of integers that the extended rules write in the service's OpenQASM dialect,
// which has no bitwise operators on integers: an integer assembled from bits keeps its bits
// (each an i1 expression) and is written as a sum of bit * 2^k where an integer is needed;
// shifts by constants are products and quotients by powers of two; bit k of an integer x is
// (x % 2^(k+1) + 2^(k+1)) % 2^(k+1) / 2^k, which holds for either rounding of / and % on
// negative operands. Each operation takes values with what is known of them (a constant, the
// bit pattern, the bits that may be one) and gives the result's value and facts, or the reason
// it has no exact form.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "error.hpp"
#include "ir/model.hpp"
#include "qasm/model.hpp"

namespace brintavel::translator {

// What is known of an integer SSA value of `width` bits, kept as its signed value
// (sign-extended to 64 bits).
struct IntFacts {
  unsigned width = 64;
  std::uint64_t may_be_one = ~std::uint64_t{0};  // bits of the 64-bit value that may be 1
  bool has_bits = false;                          // `bits` holds the value's bit pattern
  std::vector<qasm::Expression> bits;             // i1 expressions, least significant first;
                                                  // bits beyond them are 0
};

// Boolean-typed: comparisons, && || !, true/false and the bool variables. (A bit c[k] is not.)
bool is_bool_typed(const qasm::Expression& e);
// An i1 value as a bool expression: c[0] == 1 for a bit, true/false for 1/0.
qasm::Expression as_bool(qasm::Expression e);
// An integer-valued expression as an int: bits and Booleans are cast, int(c[0]).
qasm::Expression as_int(qasm::Expression e);

// The width of an integer type iN (1 to 64); nothing for other types.
std::optional<unsigned> int_width(std::string_view ty);


namespace ints {

using qasm::BinaryOperator;
using qasm::Expression;

inline constexpr std::uint64_t kAll = ~std::uint64_t{0};
// Bits above this are never kept one by one: bit 63 has the weight -2^63, which no literal
// of the dialect writes, and 2^(k+1) must be an int literal for the bit formula.
inline constexpr unsigned kMaxBit = 61;

// ---- Expressions ----
Expression lit(std::int64_t v);
Expression bin(BinaryOperator op, Expression a, Expression b);
Expression int_cast(Expression e);
Expression float_cast(Expression e);
// -e, folded for literals.
Expression negative(Expression e);
std::int64_t pow2(unsigned k);
std::uint64_t low_bits(unsigned width);
// The low `width` bits of v, sign-extended.
std::int64_t wrap(std::uint64_t v, unsigned width);
// Every bit at or below the highest set bit of v.
std::uint64_t smear(std::uint64_t v);
// The number of low bits that hold every possibly-one bit of a non-negative value.
unsigned span(std::uint64_t mask);
const qasm::BoolLiteral* as_literal(const Expression& e);
// An i1 value as an int (0 or 1).
Expression int_of_i1(Expression e);
// The negation of an i1 value, as a bool expression.
Expression negate(Expression e);
// And, or and xor of i1 values; a constant operand leaves the other as it is.
Expression and_bool(Expression a, Expression b);
Expression or_bool(Expression a, Expression b);
Expression xor_bool(Expression a, Expression b);

// ---- Integer values ----

struct IntValue {
  unsigned width = 64;
  std::optional<std::int64_t> constant;  // sign-extended from `width`
  bool has_bits = false;
  std::vector<Expression> bits;  // the bit pattern (i1 expressions), when has_bits
  std::uint64_t mask = kAll;     // bits of the 64-bit value that may be one
  std::optional<Expression> arith;

  bool non_negative() const { return (mask >> 63) == 0; }
  bool sign_known() const { return non_negative() || (constant && *constant < 0); }
};

IntValue constant_value(std::uint64_t c, unsigned width);
// An expression with the bits that may be one.
IntValue plain(Expression e, std::uint64_t mask, unsigned width);
// A value given by its bit pattern (bits beyond the list are zero; at most kMaxBit + 1 bits).
IntValue bits_value(std::vector<Expression> bits, unsigned width);
// The value as an int expression.
Expression expr(const IntValue& v);
IntFacts facts_of(const IntValue& v);

// Where a value is made: its SSA name and instruction, for the messages.
struct Site {
  std::string_view result;
  std::string_view opcode;
  std::string_view ty;

  Error no_form(std::string_view reason) const;
};

// x mod 2^n in [0, 2^n), for either rounding of % on negative x.
Expression modulo_pow2(const IntValue& x, unsigned n);
// Bit k of x as an i1 expression.
Result<Expression> bit_of(const IntValue& x, unsigned k, const Site& site);
// x as an unsigned `width`-bit number, for width < 63.
Expression unsigned_of(const IntValue& x);

// ---- Operations ----
Result<unsigned> shift_amount(const IntValue& s, unsigned width, const Site& site);
Result<IntValue> shift_left(const IntValue& x, unsigned sh, const Site& site);
Result<IntValue> shift_right(const IntValue& x, unsigned sh, bool arithmetic, const Site& site);
// x + y for values without common bits: the same as x | y and x ^ y.
Result<IntValue> disjoint_sum(const IntValue& x, const IntValue& y, const Site& site);
Result<IntValue> bit_and(const IntValue& x, const IntValue& y, const Site& site);
Result<IntValue> bit_or(const IntValue& x, const IntValue& y, const Site& site);
Result<IntValue> bit_xor(const IntValue& x, const IntValue& y, const Site& site);
// sdiv, udiv, srem and urem.
Result<IntValue> divide(ir::IntOpKind op, const IntValue& x, const IntValue& y, const Site& site);

}  // namespace ints
}  // namespace brintavel::translator
