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

// The width of the integer type `ty` (i1 to i64), or nothing. (The lowering asks it of every
// integer instruction several times: i1 and i64, most of them, are read without a call.)
std::optional<unsigned> parse_integer_width(std::string_view ty);
inline std::optional<unsigned> integer_width(std::string_view ty) {
  if (ty.size() == 2 && ty[0] == 'i' && ty[1] == '1') return 1;
  if (ty.size() == 3 && ty[0] == 'i' && ty[1] == '6' && ty[2] == '4') return 64;
  return parse_integer_width(ty);
}

}  // namespace brintavel::ir
