// The reader of function headers, the `declare` and `define` lines: their keyword, return
// type, name, parameters and what follows the parameter list (attribute references #N,
// inline attributes, the { of a body). The module parser, the outline scan, the signature
// table and the inliner all read headers here.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "error.hpp"
#include "ir/lexer.hpp"
#include "ir/model.hpp"

namespace brintavel::ir {

struct FunctionHeader {
  std::string_view keyword;      // define or declare
  std::string_view return_type;  // as written; read_function_header only
  std::string_view name;         // without the @ and the quotes
  std::string_view parameters;   // the text between the parentheses, trimmed
  std::string_view rest;         // what follows the parameter list
};

// The keyword of a header line (trimmed at its start): define or declare, followed by ASCII
// white space or the end.
std::optional<std::string_view> header_keyword(std::string_view line);

// The header on `line` found without reading what comes before the name: the name is at the
// first @ after the keyword (wherever the keyword stands) and may be empty, and the parameter
// list is the first parenthesis after it, with its match. Nothing when there is no such name
// or list. For the readers that need only the name, the list and what follows it, whatever a
// producer writes before the name.
std::optional<FunctionHeader> find_function_header(std::string_view line, std::string_view keyword);

// The header read word by word: after the keyword, the linkage, visibility and calling-
// convention words, the return type (a word, or a { } struct type whole), then the name,
// which must come next and must not be empty unless quoted. The messages quote `line`.
Result<FunctionHeader> read_function_header(std::string_view line, std::string_view keyword);

// The type of one parameter (a piece of the list): a { } struct type whole, else its first
// word that is not an attribute word. `list` is the whole list, for the messages.
Result<std::string_view> parameter_type(std::string_view piece, std::string_view list);

// The %name of one parameter (quotes kept, as local values are named), or nothing for an
// unnamed parameter.
std::optional<std::string_view> parameter_name(std::string_view piece);

struct ParameterTypes {
  std::vector<std::string_view> types;  // raw type texts
  bool is_variadic = false;             // the list ends in ...
};
// The types of every parameter. Only the last piece may be ..., and none may be empty.
Result<ParameterTypes> parameter_types(const FunctionHeader& header);

struct ParameterNames {
  std::vector<std::string_view> names;  // up to a ...
  bool is_variadic = false;
  std::size_t next_number = 0;  // the number the next unnamed value gets
};
// The names of the parameters up to the first ..., unnamed ones numbered from 0 as LLVM
// numbers them (the numbers are kept in `pool`).
Result<ParameterNames> parameter_names(const FunctionHeader& header, TextPool& pool);

}  // namespace brintavel::ir
