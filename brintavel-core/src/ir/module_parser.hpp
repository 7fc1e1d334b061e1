// Turns a whole QIR text into a Module: definitions with their blocks, declarations and
// attribute groups; everything else at top level is passed over.
#pragma once

#include <optional>
#include <string_view>

#include "error.hpp"
#include "ir/model.hpp"

namespace brintavel::ir {

// The returned Module borrows `text`, which must outlive it.
Result<Module> parse_module(std::string_view text);

struct HeaderName {
  std::string_view name;
  std::string_view rest;  // what follows the parameter list
};
// The function name of a `define` or `declare` line and the text after its parameter list.
std::optional<HeaderName> parse_header_name(std::string_view line, std::string_view keyword);

}  // namespace brintavel::ir
