#include "ir/header_parser.hpp"

#include <array>

namespace brintavel::ir {

using text::cat;
using text::q;

namespace {

// The words a header may have between its keyword and the return type.
bool is_header_word(std::string_view w) {
  static constexpr std::array<std::string_view, 22> kWords = {
      "cc",       "ccc",       "weak",      "common",   "hidden",    "fastcc",
      "coldcc",   "tailcc",    "private",   "default",  "signext",   "zeroext",
      "internal", "linkonce",  "weak_odr",  "external", "dso_local", "appending",
      "protected", "linkonce_odr", "local_unnamed_addr", "available_externally"};
  for (auto k : kWords)
    if (w == k) return true;
  return false;
}

// The name and the parameter list of a header, from the text after the @ of the name; nothing
// when the quote of a quoted name is not closed.
struct NameAndList {
  NameToken name;
  std::size_t open;   // the ( of the list in name.rest, or npos
  std::size_t close;  // its match, or npos
};
std::optional<NameAndList> read_name_and_list(std::string_view after_at) {
  auto name = read_name(after_at);
  if (!name) return std::nullopt;
  std::size_t open = name->rest.find('(');
  std::size_t close = open == std::string_view::npos ? open : matching_bracket(name->rest, open);
  return NameAndList{*name, open, close};
}

FunctionHeader header_of(std::string_view keyword, std::string_view return_type, const NameAndList& parts) {
  std::string_view rest = parts.name.rest;
  return FunctionHeader{keyword, return_type, parts.name.name,
                        text::trim(rest.substr(parts.open + 1, parts.close - parts.open - 1)),
                        rest.substr(parts.close + 1)};
}

}  // namespace

std::optional<std::string_view> header_keyword(std::string_view line) {
  for (std::string_view kw : {std::string_view("declare"), std::string_view("define")}) {
    if (line.starts_with(kw) && (line.size() == kw.size() || text::is_ascii_space(line[kw.size()])))
      return kw;
  }
  return std::nullopt;
}

std::optional<FunctionHeader> find_function_header(std::string_view line, std::string_view keyword) {
  std::size_t k = line.find(keyword);
  if (k == std::string_view::npos) return std::nullopt;
  std::size_t at = line.find('@', k + keyword.size());
  if (at == std::string_view::npos) return std::nullopt;
  auto parts = read_name_and_list(line.substr(at + 1));
  if (!parts || parts->close == std::string_view::npos) return std::nullopt;
  return header_of(line.substr(k, keyword.size()), {}, *parts);
}

Result<FunctionHeader> read_function_header(std::string_view line, std::string_view keyword) {
  auto bad_line = [&] { return parse_error(cat("could not parse signature line: ", q(line))); };
  std::size_t k = line.find(keyword);
  if (k == std::string_view::npos) return bad_line();
  std::string_view s = line.substr(k + keyword.size());
  for (;;) {
    s = text::trim_start(s);
    if (s.empty()) return bad_line();
    std::string_view w = ascii_word(s);
    if (!is_header_word(w)) break;
    s = s.substr(w.size());
  }

  std::string_view return_type;
  if (s.starts_with('{')) {
    std::size_t close = matching_bracket(s, 0);
    if (close == std::string_view::npos)
      return parse_error(cat("unclosed struct return type: ", q(line)));
    return_type = s.substr(0, close + 1);
  } else {
    return_type = ascii_word(s);
  }
  s = text::trim_start(s.substr(return_type.size()));

  if (s.size() < 2 || s.front() != '@') return bad_line();
  auto parts = read_name_and_list(s.substr(1));
  if (!parts) return parse_error(cat("unterminated quoted name: ", q(line)));
  if (!parts->name.quoted && parts->name.name.empty()) return bad_line();
  if (parts->open == std::string_view::npos) return parse_error(cat("signature missing '(': ", q(line)));
  if (parts->close == std::string_view::npos)
    return parse_error(cat("unbalanced parens in signature: ", q(line)));
  return header_of(line.substr(k, keyword.size()), return_type, *parts);
}

Result<std::string_view> parameter_type(std::string_view piece, std::string_view list) {
  std::string_view s = piece;
  std::string_view word;
  for (;;) {
    s = skip_ascii_space(s);
    word = ascii_word(s);
    if (word.empty() || !is_attribute_word(word)) break;
    s = s.substr(word.size());
  }
  if (s.starts_with('{')) {
    std::size_t close = matching_bracket(s, 0);
    if (close == std::string_view::npos)
      return parse_error(cat("unterminated struct parameter type in signature: ", q(list)));
    return s.substr(0, close + 1);
  }
  if (word.empty())
    return parse_error(cat("could not parse parameter type from chunk ", q(piece), " in ", q(list)));
  return word;
}

std::optional<std::string_view> parameter_name(std::string_view piece) {
  if (piece.size() > 3 && piece.back() == '"') {
    std::size_t open = piece.rfind("%\"", piece.size() - 2);
    if (open == std::string_view::npos || open == 0 || !text::is_ascii_space(piece[open - 1]))
      return std::nullopt;
    return piece.substr(open + 1);
  }
  std::size_t space = piece.size();
  while (space > 0 && !text::is_ascii_space(piece[space - 1])) --space;
  if (space == 0) return std::nullopt;  // a type alone
  std::string_view last = piece.substr(space);
  if (last.size() < 2 || last.front() != '%' || last.find_first_of("*{}[]()<>,") != std::string_view::npos)
    return std::nullopt;
  return last.substr(1);
}

Result<ParameterTypes> parameter_types(const FunctionHeader& header) {
  ParameterTypes out;
  std::string_view list = header.parameters;
  if (list.empty()) return out;
  BRINTAVEL_TRY_ASSIGN(auto pieces, split_top_level(list));
  if (pieces.back() == "...") {
    pieces.pop_back();
    out.is_variadic = true;
  }
  out.types.reserve(pieces.size());
  for (std::string_view piece : pieces) {
    if (piece == "...")
      return parse_error(
          cat("unexpected '...' in non-terminal position of parameter list: ", q(list)));
    if (piece.empty()) return parse_error(cat("empty parameter in signature: ", q(list)));
    BRINTAVEL_TRY_ASSIGN(std::string_view type, parameter_type(piece, list));
    out.types.push_back(type);
  }
  return out;
}

Result<ParameterNames> parameter_names(const FunctionHeader& header, TextPool& pool) {
  ParameterNames out;
  if (!header.parameters.empty()) {
    BRINTAVEL_TRY_ASSIGN(std::vector<std::string_view> pieces, split_top_level(header.parameters));
    for (std::string_view piece : pieces) {
      if (piece == "...") {
        out.is_variadic = true;
        break;
      }
      auto name = parameter_name(piece);
      if (!name) name = pool.keep(cat(out.next_number));
      if (text::is_ascii_digit(name->front())) ++out.next_number;
      out.names.push_back(*name);
    }
  }
  return out;
}

}  // namespace brintavel::ir
