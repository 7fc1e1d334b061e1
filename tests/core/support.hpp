// Helpers shared by the C++ tests: compact texts for operands and expressions.
#pragma once

#include <charconv>
#include <cstdint>
#include <string>
#include <utility>
#include <variant>

#include "ir/model.hpp"
#include "qasm/model.hpp"
#include "qasm/printer.hpp"

namespace brintavel::testing_support {

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};

inline std::string show_double(double v) {
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, end);
}

// A compact, unambiguous text for an operand: ConstInt(5), PtrConst(Qubit,3), Ssa(x), ...
inline std::string show(const ir::Operand& operand) {
  using namespace ir;
  return std::visit(
      Overloaded{
          [](const ConstInt& o) { return "ConstInt(" + text::cat(o.value) + ")"; },
          [](const ConstBool& o) { return std::string(o.value ? "ConstBool(true)" : "ConstBool(false)"); },
          [](const ConstFloat& o) { return "ConstFloat(" + show_double(o.value) + ")"; },
          [](const PtrConst& o) {
            return "PtrConst(" + (o.struct_name ? std::string(*o.struct_name) : std::string("-")) +
                   "," + std::to_string(o.index) + ")";
          },
          [](const Ssa& o) { return "Ssa(" + std::string(o.name) + ")"; },
          [](const GlobalRef& o) { return "GlobalRef(" + std::string(o.name) + ")"; },
          [](const GetElementPtr&) { return std::string("GetElementPtr"); },
          [](const BitcastGlobal& o) { return "BitcastGlobal(" + std::string(o.name) + ")"; },
          [](const I8Null&) { return std::string("I8Null"); },
      },
      operand);
}

// An expression as the printer writes it.
inline std::string text(const qasm::Expression& e) {
  std::string out;
  qasm::print_expression(e, out);
  return out;
}

inline qasm::Expression id(std::string name) { return qasm::Identifier{std::move(name)}; }

// c[i], as a result read binds it.
inline qasm::Expression bit(std::int64_t i) { return qasm::make_index(id("c"), qasm::IntLiteral{i}); }

}  // namespace brintavel::testing_support
