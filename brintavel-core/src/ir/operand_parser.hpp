// The parser of one typed operand: its type word and the value that follows.
#pragma once

#include <optional>
#include <string_view>

#include "error.hpp"
#include "ir/lexer.hpp"
#include "ir/model.hpp"

namespace brintavel::ir {

// Parses one typed operand such as `%Qubit* inttoptr (i64 3 to %Qubit*)` or `i64 noundef 5`.
Result<Operand> parse_operand(std::string_view text, TextPool& pool);

// parse_operand of the type word `ty`, one space and the trimmed value text `value`,
// without building that text in the common case.
Result<Operand> parse_typed_operand(std::string_view ty, std::string_view value, TextPool& pool);

// The width of the integer type `ty` (i1 to i64), or nothing. (The analyses and the lowering
// ask it of every integer instruction several times: widths of one or two digits, all of
// them in practice, are read in place.)
std::optional<unsigned> parse_integer_width(std::string_view ty);
inline std::optional<unsigned> integer_width(std::string_view ty) {
  auto digit = [](char c) { return c >= '0' && c <= '9'; };
  if (ty.size() == 2 && ty[0] == 'i' && digit(ty[1]) && ty[1] != '0') return static_cast<unsigned>(ty[1] - '0');
  if (ty.size() == 3 && ty[0] == 'i' && digit(ty[1]) && digit(ty[2])) {
    auto w = static_cast<unsigned>(10 * (ty[1] - '0') + (ty[2] - '0'));
    return w >= 1 && w <= 64 ? std::optional<unsigned>(w) : std::nullopt;
  }
  return parse_integer_width(ty);
}

}  // namespace brintavel::ir
