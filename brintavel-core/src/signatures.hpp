// Function signatures read from the module's `declare` and `define` header lines.
//
// Types are reduced to short normalized texts (Qubit, Result, i64, double, ptr, struct, ...)
// so that typed-pointer QIR (%Qubit*) and opaque-pointer QIR (ptr) compare as plain text.
// Every text is a view of the source text, or a constant.
#pragma once

#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "error.hpp"
#include "support/text.hpp"
#include "ir/module_parser.hpp"

namespace brintavel {

struct Signature {
  std::string_view name;
  std::string_view return_type;
  std::vector<std::string_view> params;  // fixed parameters; a trailing ... is not listed
  bool is_variadic = false;
};

// Name -> Signature in insertion order; a later header for the same name replaces the
// earlier signature in place.
class SignatureTable {
 public:
  void insert(Signature signature);
  const Signature* find(std::string_view name) const;
  const std::vector<Signature>& entries() const { return entries_; }

 private:
  std::vector<Signature> entries_;
  text::NameMap<std::size_t> index_;
};

// Errors carry the position of their header line.
Result<SignatureTable> build_signature_table(std::string_view source);
// The same from the lines of a module outline that begin with "de".
Result<SignatureTable> build_signature_table(const std::vector<ir::OutlineLine>& header_candidates);

// Steps of the build, exposed for testing.
Result<Signature> parse_signature_line(std::string_view line, std::string_view keyword);
Result<std::string_view> normalize_type(std::string_view token);

}  // namespace brintavel
