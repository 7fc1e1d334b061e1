#include "signatures.hpp"

#include "ir/header_parser.hpp"

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
  if (t.size() >= 2 && ir::is_integer_type(t)) return t;
  if (t.starts_with('{') && t.ends_with('}')) return std::string_view("struct");
  return fail();
}

Result<Signature> parse_signature_line(std::string_view line, std::string_view keyword) {
  BRINTAVEL_TRY_ASSIGN(ir::FunctionHeader header, ir::read_function_header(line, keyword));
  BRINTAVEL_TRY_ASSIGN(ir::ParameterTypes list, ir::parameter_types(header));
  BRINTAVEL_TRY_ASSIGN(std::string_view normalized_return, normalize_type(header.return_type));
  Signature sig{header.name, normalized_return, {}, list.is_variadic};
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
    auto keyword = ir::header_keyword(line);
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
