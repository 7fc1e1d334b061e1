// The algebra of integers that the extended rules write in the service's OpenQASM dialect.
//
// The dialect has no bitwise operators on integers, no casts it evaluates per shot, and no
// wrapping integers; it has + - * / % on ints and bits, and comparisons. So:
// - a bit is an int-valued expression that is 0 or 1: a result bit c[k], a literal, or
//   arithmetic on bits (a & b is a * b, a | b is (a + b + 1) / 2, a ^ b is (a + b) % 2, !a is
//   1 - a), never a Boolean;
// - an integer assembled from bits keeps them and is written sum(bit_k * 2^k), the sign bit of
//   its width weighing -2^(width-1);
// - shifts by constants are products and quotients by powers of two; bit k of an integer x is
//   ((x % 2^(k+1) + 2^(k+1)) % 2^(k+1)) / 2^k, which holds for either rounding of / and %;
// - every value is written as the signed value of its type, and a result that may leave the
//   type's range (found from the operands' ranges, int_range.hpp) is reduced as LLVM wraps it.
// Each operation takes values with what is known of them (a constant, the bit pattern, the
// bits that may be one, the range) and gives the result's value and facts, or the reason it
// has no exact form.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "error.hpp"
#include "ir/model.hpp"
#include "ir/operand_parser.hpp"
#include "qasm/model.hpp"
#include "translator/int_range.hpp"

namespace brintavel::translator {

// What is known of an integer SSA value of `width` bits, kept as its signed value.
struct IntFacts {
  unsigned width = 64;
  std::uint64_t may_be_one = ~std::uint64_t{0};  // bits of the 64-bit sign extension that may be 1
  bool has_bits = false;                          // `bits` holds the value's bit pattern
  std::vector<qasm::Expression> bits;             // int 0/1 expressions, least significant first
  IntRange range = IntRange::full(64);
  std::vector<qasm::Expression> known_low;  // without `bits`: the lowest bits, when known
  bool bound_as_bits = false;  // bound to the sum of `bits`: a reader writes it again from them
  bool bound_bit = false;      // a single bit that is the bound expression itself (`bits` is left empty)
};

// Boolean-typed: comparisons, && || !, true/false and the bool variables. (A bit c[k] is not.)
bool is_bool_typed(const qasm::Expression& e);
// An i1 value as a condition: c[0] == 1 for a bit, true/false for 1/0, a Boolean as it is.
qasm::Expression as_bool(qasm::Expression e);

// The width of an integer type iN (1 to 64); nothing for other types.
inline std::optional<unsigned> int_width(std::string_view ty) { return ir::integer_width(ty); }

namespace ints {

using qasm::BinaryOperator;
using qasm::Expression;

inline constexpr std::uint64_t kAll = ~std::uint64_t{0};
// Bits above this are never kept one by one: 2^(k+1) must be an int literal for the bit
// formula, and bit 63 weighs -2^63, which no literal of the dialect writes.
inline constexpr unsigned kMaxBit = 61;

// ---- Expressions ----
Expression lit(std::int64_t v);
Expression bin(BinaryOperator op, Expression a, Expression b);
// -e, folded for literals.
Expression negative(Expression e);
std::int64_t pow2(unsigned k);
std::uint64_t low_bits(unsigned width);
// The low `width` bits of v, sign-extended.
std::int64_t wrap(std::uint64_t v, unsigned width);
// The number of low bits that hold every possibly-one bit of a non-negative value.
unsigned span(std::uint64_t mask);
// The value of a literal bit (0 or 1), or nothing.
std::optional<bool> known_bit(const Expression& e);

// A result bit, a literal 0 or 1, or 1 minus such a bit (nested): an expression that is 0 or 1
// by its shape alone.
bool is_bit_shaped(const Expression& e);
// The bits of a value written as such a bit or a product of one by 2^k; nothing otherwise.
std::optional<std::vector<Expression>> bits_of_shape(const Expression& e);

// Bits (int 0/1 expressions); known operands fold.
Expression bit_not(Expression a);
Expression bit_and(Expression a, Expression b);
Expression bit_or(Expression a, Expression b);
Expression bit_xor(Expression a, Expression b);

// ---- Integer values ----

// A bit pattern: a list of its own, or a view of the list kept with an SSA value's facts, which
// an operand reads without copying it (valid while those facts are not set again).
class BitList {
 public:
  BitList() = default;
  BitList(std::vector<Expression>&& own) : own_(std::move(own)) {}  // NOLINT: implicit by design
  static BitList viewing(std::span<const Expression> kept) {
    BitList list;
    list.view_ = kept;
    list.viewing_ = true;
    return list;
  }

  std::size_t size() const { return viewing_ ? view_.size() : own_.size(); }
  bool empty() const { return size() == 0; }
  const Expression* begin() const { return viewing_ ? view_.data() : own_.data(); }
  const Expression* end() const { return begin() + size(); }
  const Expression& operator[](std::size_t k) const { return begin()[k]; }
  const Expression& back() const { return end()[-1]; }
  void pop_back() {
    if (viewing_) view_ = view_.first(view_.size() - 1);
    else own_.pop_back();
  }
  void push_back(Expression bit) {
    if (viewing_) *this = BitList(copy());
    own_.push_back(std::move(bit));
  }
  // A copy of the bits, as a list of their own.
  std::vector<Expression> copy() const { return std::vector<Expression>(begin(), end()); }
  // The list as one of its own (a view is copied).
  std::vector<Expression> take() && { return viewing_ ? copy() : std::move(own_); }

 private:
  std::vector<Expression> own_;
  std::span<const Expression> view_;
  bool viewing_ = false;
};

struct IntValue {
  unsigned width = 64;
  std::optional<std::int64_t> constant;  // signed value of the type
  bool has_bits = false;
  BitList bits;  // the bit pattern (int 0/1 expressions), when has_bits
  std::vector<Expression> known_low;  // without the pattern: its lowest bits, when known
  std::uint64_t mask = kAll;     // bits of the 64-bit sign extension that may be one
  IntRange range = IntRange::full(64);  // of the signed value
  // How the value is written (an SSA operand: as it was bound); without it, a constant is
  // written as a literal and a value with bits as their sum.
  std::optional<Expression> arith;

  bool non_negative() const { return range.lo >= 0 || (mask >> 63) == 0; }
  bool sign_known() const { return non_negative() || range.hi < 0; }
};

IntValue constant_value(std::uint64_t c, unsigned width);
// An expression of a value in `range`, whose possibly-one bits are `mask`.
IntValue plain(Expression e, std::uint64_t mask, IntRange range, unsigned width);
// A value given by its bit pattern (bits beyond the list are zero; at most kMaxBit + 1 bits).
IntValue bits_value(BitList bits, unsigned width);
// The value as an int expression.
Expression expr(const IntValue& v);
IntFacts facts_of(IntValue&& v);  // (takes the bit lists)

// Where a value is made: its SSA name and instruction, for the messages.
struct Site {
  std::string_view result;
  std::string_view opcode;
  std::string_view ty;

  Error no_form(std::string_view reason) const;
};

// x mod 2^n in [0, 2^n), for either rounding of % on negative x.
Expression modulo_pow2(const IntValue& x, unsigned n);
// Bit k of x (an int 0/1 expression).
Result<Expression> bit_of(const IntValue& x, unsigned k, const Site& site);
// x read as an unsigned number of its width (below 63 bits).
Expression unsigned_of(const IntValue& x);

// ---- Operations ----
// The value of a mathematical result `e` in `math`, wrapped to `width` bits as LLVM does.
Result<IntValue> wrapped_value(Expression e, const MathRange& math, std::uint64_t mask, unsigned width,
                               const Site& site);
Result<IntValue> add(const IntValue& x, const IntValue& y, const Site& site);
Result<IntValue> subtract(const IntValue& x, const IntValue& y, const Site& site);
Result<IntValue> multiply(const IntValue& x, const IntValue& y, const Site& site);
Result<unsigned> shift_amount(const IntValue& s, unsigned width, const Site& site);
Result<IntValue> shift_left(const IntValue& x, unsigned sh, const Site& site);
Result<IntValue> shift_right(const IntValue& x, unsigned sh, bool arithmetic, const Site& site);
// x + y for values without common bits: the same as x | y and x ^ y.
Result<IntValue> disjoint_sum(const IntValue& x, const IntValue& y, const Site& site);
Result<IntValue> bit_and(const IntValue& x, const IntValue& y, const Site& site);
Result<IntValue> bit_or(const IntValue& x, const IntValue& y, const Site& site);
Result<IntValue> bit_xor(const IntValue& x, const IntValue& y, const Site& site);
// sdiv, udiv, srem and urem where the operands' signs are known (nothing when they are not:
// the caller then writes the branches), or a constant divisor.
Result<std::optional<IntValue>> divide(ir::IntOpKind op, const IntValue& x, const IntValue& y, const Site& site);
// trunc, zext and sext to `to` bits.
Result<IntValue> truncate(const IntValue& x, unsigned to, const Site& site);
Result<IntValue> extend(const IntValue& x, unsigned to, bool is_signed, const Site& site);

}  // namespace ints
}  // namespace brintavel::translator
