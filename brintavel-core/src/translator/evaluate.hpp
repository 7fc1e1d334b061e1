// The value of an instruction from its operands' values, as LLVM computes it: integers wrap
// at their width, division truncates, shifts and casts follow the language reference, and
// floating point is IEEE double (float rounds to single precision). Used to fold constants, to
// tabulate a value over the few values its inputs can take, and to run loops whose trip count
// is known.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>

#include "ir/model.hpp"
#include "ir/operand_parser.hpp"

namespace brintavel::translator {

// A value of the IR: an integer of `width` bits (kept as its signed value), or a double.
struct Value {
  std::variant<std::int64_t, double> v;
  unsigned width = 64;  // for integers; i1 values are 0 and 1

  static Value integer(std::int64_t x, unsigned width);
  static Value real(double x) { return Value{x, 0}; }
  bool is_integer() const { return std::holds_alternative<std::int64_t>(v); }
  std::int64_t as_integer() const { return std::get<std::int64_t>(v); }
  double as_real() const { return std::get<double>(v); }
  friend bool operator==(const Value&, const Value&) = default;
};

using ir::integer_width;
// The low `width` bits of v, read as a signed number.
std::int64_t wrap_to(std::uint64_t v, unsigned width);

// The value of a constant operand of type `ty`, or nothing for any other operand.
std::optional<Value> constant_value(const ir::Operand& operand, std::string_view ty);

// The result of `instruction` given its operands' values (`operand(op)` gives a value or
// nothing); nothing when it has no defined value (division by zero, a shift by the width or
// more, poison, an unknown operand) or is not a value instruction.
template <class OperandValue>
std::optional<Value> evaluate(const ir::Instruction& instruction, OperandValue&& operand);

// The same for each kind, with operand values given.
std::optional<Value> evaluate_arith(ir::ArithOp op, const Value& a, const Value& b, bool no_signed_wrap);
std::optional<Value> evaluate_int_op(ir::IntOpKind op, const Value& a, const Value& b);
std::optional<Value> evaluate_cast(ir::CastKind kind, const Value& a, std::string_view to_ty);
std::optional<Value> evaluate_float_op(ir::FloatOpKind op, const Value& a, const Value& b, std::string_view ty);
std::optional<Value> evaluate_icmp(std::string_view predicate, const Value& a, const Value& b);
// A math library function of one double that producers call (the qdk's Sqrt), at `x`; nothing
// for another callee.
std::optional<double> math_function(std::string_view callee, double x);
std::optional<Value> evaluate_fcmp(std::string_view predicate, const Value& a, const Value& b);

template <class OperandValue>
std::optional<Value> evaluate(const ir::Instruction& instruction, OperandValue&& operand) {
  return std::visit(
      [&](const auto& i) -> std::optional<Value> {
        using T = std::decay_t<decltype(i)>;
        if constexpr (std::is_same_v<T, ir::Arith>) {
          auto a = operand(i.lhs, i.ty), b = operand(i.rhs, i.ty);
          if (!a || !b) return std::nullopt;
          return evaluate_arith(i.op, *a, *b, i.no_signed_wrap);
        } else if constexpr (std::is_same_v<T, ir::IntOp>) {
          auto a = operand(i.lhs, i.ty), b = operand(i.rhs, i.ty);
          if (!a || !b) return std::nullopt;
          return evaluate_int_op(i.op, *a, *b);
        } else if constexpr (std::is_same_v<T, ir::Cast>) {
          auto a = operand(i.value, i.from_ty);
          if (!a) return std::nullopt;
          return evaluate_cast(i.kind, *a, i.to_ty);
        } else if constexpr (std::is_same_v<T, ir::FloatOp>) {
          auto a = operand(i.lhs, i.ty), b = operand(i.rhs, i.ty);
          if (!a || !b) return std::nullopt;
          return evaluate_float_op(i.op, *a, *b, i.ty);
        } else if constexpr (std::is_same_v<T, ir::FNeg>) {
          auto a = operand(i.value, i.ty);
          if (!a || a->is_integer()) return std::nullopt;
          return Value::real(-a->as_real());
        } else if constexpr (std::is_same_v<T, ir::Icmp>) {
          auto a = operand(i.lhs, i.ty), b = operand(i.rhs, i.ty);
          if (!a || !b) return std::nullopt;
          return evaluate_icmp(i.predicate, *a, *b);
        } else if constexpr (std::is_same_v<T, ir::Fcmp>) {
          auto a = operand(i.lhs, i.ty), b = operand(i.rhs, i.ty);
          if (!a || !b) return std::nullopt;
          return evaluate_fcmp(i.predicate, *a, *b);
        } else if constexpr (std::is_same_v<T, ir::Logic>) {
          auto a = operand(i.lhs, "i1"), b = operand(i.rhs, "i1");
          if (!a || !b || !a->is_integer() || !b->is_integer()) return std::nullopt;
          std::int64_t x = a->as_integer() & 1, y = b->as_integer() & 1;
          std::int64_t r = i.op == ir::LogicOp::And ? (x & y) : i.op == ir::LogicOp::Or ? (x | y) : (x ^ y);
          return Value::integer(r, 1);
        } else if constexpr (std::is_same_v<T, ir::Select>) {
          auto c = operand(i.cond, "i1");
          if (!c || !c->is_integer()) return std::nullopt;
          return operand((c->as_integer() & 1) ? i.then_value : i.else_value, i.ty);
        } else if constexpr (std::is_same_v<T, ir::Zext>) {
          auto a = operand(ir::Operand(ir::Ssa{i.source}), "i1");
          if (!a || !a->is_integer()) return std::nullopt;
          return Value::integer(a->as_integer() & 1, 64);
        } else if constexpr (std::is_same_v<T, ir::Call>) {
          if (i.args.size() != 1) return std::nullopt;
          auto a = operand(i.args[0], "double");
          if (!a) return std::nullopt;
          auto r = math_function(i.callee, a->is_integer() ? static_cast<double>(a->as_integer()) : a->as_real());
          if (!r) return std::nullopt;
          return Value::real(*r);
        } else {
          return std::nullopt;
        }
      },
      instruction);
}

}  // namespace brintavel::translator
