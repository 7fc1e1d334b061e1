// The small text utilities of the IR front end and the parser of one typed operand.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "error.hpp"
#include "ir/model.hpp"

namespace brintavel::ir {

// Comma-separated pieces at bracket depth 0, each trimmed. Fails on a closing bracket
// without its opener.
Result<std::vector<std::string_view>> split_top_level(std::string_view text);

// The same split without building a list: check the whole text and count its pieces
// first (the bracket error comes before anything else), then take the pieces one by one
// starting from pos = 0.
Status check_top_level_brackets(std::string_view text, std::size_t& pieces);
std::string_view next_top_level_piece(std::string_view text, std::size_t& pos);

// Parses one typed operand such as `%Qubit* inttoptr (i64 3 to %Qubit*)` or `i64 noundef 5`.
Result<Operand> parse_operand(std::string_view text, TextPool& pool);

// parse_operand of the type word `ty`, one space and the trimmed value text `value`,
// without building that text in the common case.
Result<Operand> parse_typed_operand(std::string_view ty, std::string_view value, TextPool& pool);

// The name after the first % (a run of name characters), or nothing.
std::optional<std::string_view> first_local_name(std::string_view text);

// A label after its %: a quoted name without the quotes, or the run of name characters.
std::string_view parse_label_name(std::string_view text);

struct GlobalName {
  std::string_view name;
  std::string_view rest;
};
// `@name` or `@"quoted name"`, with the text after it.
std::optional<GlobalName> parse_global_name(std::string_view text);

// Skips leading Unicode white space; the word ends at ASCII white space.
std::string_view first_word(std::string_view text);
// What follows the first word, without its leading white space.
std::string_view after_first_word(std::string_view text);

std::optional<Int128> parse_int_literal(std::string_view text);
// A decimal integer with at most one sign, within 64 bits.
std::optional<std::int64_t> parse_i64(std::string_view text);
// `i` followed by decimal digits (`i` alone included).
bool is_integer_type(std::string_view ty);
std::optional<double> parse_float_literal(std::string_view text);

// Whether `word` is one of the parameter attributes that carry no type information.
bool is_attribute_word(std::string_view word);

}  // namespace brintavel::ir
