#include "signatures.hpp"

#include <array>

#include "ir/operand_parser.hpp"

namespace brintavel {

using text::cat;
using text::q;

void SignatureTable::insert(Signature signature) {
  auto [it, inserted] = index_.try_emplace(signature.name, entries_.size());
  if (inserted) {
    entries_.push_back(std::move(signature));
  } else {
    entries_[it->second] = std::move(signature);
  }
}

const Signature* SignatureTable::find(std::string_view name) const {
  auto it = index_.find(name);
  return it == index_.end() ? nullptr : &entries_[it->second];
}

namespace {

bool is_header_keyword(std::string_view w) {
  static constexpr std::array<std::string_view, 22> kWords = {
      "cc",       "ccc",       "weak",      "common",   "hidden",    "fastcc",
      "coldcc",   "tailcc",    "private",   "default",  "signext",   "zeroext",
      "internal", "linkonce",  "weak_odr",  "external", "dso_local", "appending",
      "protected", "linkonce_odr", "local_unnamed_addr", "available_externally"};
  for (auto k : kWords)
    if (w == k) return true;
  return false;
}

// The word at the start of `s`, up to ASCII white space.
std::string_view ascii_word(std::string_view s) {
  std::size_t end = 0;
  while (end < s.size() && !text::is_ascii_space(s[end])) ++end;
  return s.substr(0, end);
}

// From an opening brace at s[0], the position of the brace that closes it, or npos.
std::size_t matching_brace(std::string_view s) {
  long long depth = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '{') {
      ++depth;
    } else if (s[i] == '}' && --depth == 0) {
      return i;
    }
  }
  return std::string_view::npos;
}

// A header line starts with the keyword followed by ASCII white space or the end.
std::optional<std::string_view> header_keyword(std::string_view line) {
  for (std::string_view kw : {std::string_view("declare"), std::string_view("define")}) {
    if (line.starts_with(kw) && (line.size() == kw.size() || text::is_ascii_space(line[kw.size()])))
      return kw;
  }
  return std::nullopt;
}

struct ParamList {
  std::vector<std::string_view> types;  // raw type texts
  bool is_variadic = false;
};

Result<std::string_view> param_type(std::string_view piece, std::string_view list) {
  std::string_view s = piece;
  for (;;) {
    s = text::skip_ascii_space(s);
    std::string_view w = ascii_word(s);
    if (w.empty() || !ir::is_attribute_word(w)) break;
    s = s.substr(w.size());
  }
  if (s.starts_with('{')) {
    std::size_t close = matching_brace(s);
    if (close == std::string_view::npos)
      return parse_error(cat("unterminated struct parameter type in signature: ", q(list)));
    return s.substr(0, close + 1);
  }
  for (;;) {
    s = text::skip_ascii_space(s);
    if (s.empty()) break;
    std::string_view w = ascii_word(s);
    if (!ir::is_attribute_word(w)) return w;
    s = s.substr(w.size());
  }
  return parse_error(cat("could not parse parameter type from chunk ", q(piece), " in ", q(list)));
}

Result<ParamList> parse_param_list(std::string_view raw) {
  ParamList out;
  std::string_view list = text::trim(raw);
  if (list.empty()) return out;
  BRINTAVEL_TRY_ASSIGN(auto pieces, ir::split_top_level(list));
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
    BRINTAVEL_TRY_ASSIGN(std::string_view type, param_type(piece, list));
    out.types.push_back(type);
  }
  return out;
}

}  // namespace

Result<std::string_view> normalize_type(std::string_view token) {
  std::string_view t = text::trim(token);
  if (t.empty()) return parse_error("empty type token in signature");
  auto fail = [&] { return parse_error(cat("could not parse parameter type ", q(token))); };
  if (t.ends_with('*')) {
    if (t.size() == 1) return fail();
    t.remove_suffix(1);
  }
  if (t.size() > 2 && t.starts_with("%\"") && t.ends_with('"')) return t.substr(2, t.size() - 3);
  if (t.starts_with('%')) {
    if (t.size() < 2) return fail();
    char first = t[1];
    if (!text::is_ascii_letter(first) && first != '$' && first != '.' && first != '_') return fail();
    for (char c : t.substr(2))
      if (!text::is_name_char(c)) return fail();
    return t.substr(1);
  }
  for (std::string_view kept : {"ptr", "void", "half", "float", "fp128", "double", "bfloat"})
    if (t == kept) return t;
  if (t.size() >= 2 && t.front() == 'i') {
    bool digits = true;
    for (char c : t.substr(1)) digits = digits && text::is_ascii_digit(c);
    if (digits) return t;
  }
  if (t.starts_with('{') && t.ends_with('}')) return std::string_view("struct");
  return fail();
}

Result<Signature> parse_signature_line(std::string_view line, std::string_view keyword) {
  auto bad_line = [&] { return parse_error(cat("could not parse signature line: ", q(line))); };
  std::string_view s = line.substr(line.find(keyword) + keyword.size());
  for (;;) {
    s = text::trim_start(s);
    if (s.empty()) return bad_line();
    std::string_view w = ascii_word(s);
    if (!is_header_keyword(w)) break;
    s = s.substr(w.size());
  }

  std::string_view return_type;
  if (s.starts_with('{')) {
    std::size_t close = matching_brace(s);
    if (close == std::string_view::npos)
      return parse_error(cat("unclosed struct return type: ", q(line)));
    return_type = s.substr(0, close + 1);
    s = text::trim_start(s.substr(close + 1));
  } else {
    return_type = ascii_word(s);
    s = text::trim_start(s.substr(return_type.size()));
  }

  if (s.size() < 2 || s.front() != '@') return bad_line();
  std::string_view name;
  std::string_view after;
  if (s[1] == '"') {
    std::size_t close = s.find('"', 2);
    if (close == std::string_view::npos) return parse_error(cat("unterminated quoted name: ", q(line)));
    name = s.substr(2, close - 2);
    after = s.substr(close + 1);
  } else {
    name = text::name_prefix(s.substr(1));
    if (name.empty()) return bad_line();
    after = s.substr(1 + name.size());
  }

  std::size_t open = after.find('(');
  if (open == std::string_view::npos) return parse_error(cat("signature missing '(': ", q(line)));
  std::size_t close = std::string_view::npos;
  long long depth = 0;
  for (std::size_t i = open; i < after.size(); ++i) {
    if (after[i] == '(') {
      ++depth;
    } else if (after[i] == ')' && --depth == 0) {
      close = i;
      break;
    }
  }
  if (close == std::string_view::npos)
    return parse_error(cat("unbalanced parens in signature: ", q(line)));
  BRINTAVEL_TRY_ASSIGN(ParamList list, parse_param_list(after.substr(open + 1, close - open - 1)));

  BRINTAVEL_TRY_ASSIGN(std::string_view normalized_return, normalize_type(return_type));
  Signature sig{name, normalized_return, {}, list.is_variadic};
  sig.params.reserve(list.types.size());
  for (std::string_view t : list.types) {
    BRINTAVEL_TRY_ASSIGN(std::string_view normalized, normalize_type(t));
    sig.params.push_back(normalized);
  }
  return sig;
}

Result<SignatureTable> build_signature_table(std::string_view source) {
  return build_signature_table(ir::outline_module(source).header_candidates);
}

Result<SignatureTable> build_signature_table(const std::vector<ir::OutlineLine>& header_candidates) {
  SignatureTable table;
  for (const ir::OutlineLine& candidate : header_candidates) {
    std::string_view line = text::trim_end(candidate.text);
    auto keyword = header_keyword(line);
    if (!keyword) continue;
    auto signature = parse_signature_line(line, *keyword);
    if (!signature) {
      Error error = std::move(signature).error();
      error.position = SourcePosition{candidate.number, candidate.column};
      return error;
    }
    table.insert(std::move(*signature));
  }
  return table;
}

}  // namespace brintavel
