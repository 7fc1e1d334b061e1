#include "translator/variables.hpp"

#include "support/text.hpp"

namespace brintavel::translator {

using text::cat;
using qasm::Expression;
using qasm::IntLiteral;

std::string Variables::next_name(qasm::ScalarType type) {
  auto k = static_cast<std::size_t>(type);
  return cat(kVariablePrefixes[k], counts[k]++);
}

qasm::ScalarType Variables::type_of(std::string_view name) {
  for (std::size_t k = 0; k < std::size(kVariablePrefixes); ++k)
    if (name.starts_with(kVariablePrefixes[k])) return static_cast<qasm::ScalarType>(k);
  return qasm::ScalarType::Int;
}

std::string Variables::declare(qasm::ScalarType type, std::int64_t init) {
  const auto k = static_cast<std::size_t>(type);
  declarations.push_back(Declared{type == qasm::ScalarType::Int ? init : 0, counts[k], type});
  return next_name(type);
}

qasm::IntDeclaration Variables::statement(const Declared& d) {
  Expression init = d.type == qasm::ScalarType::Int    ? Expression(IntLiteral{d.init})
                    : d.type == qasm::ScalarType::Bool ? Expression(qasm::BoolLiteral{false})
                                                       : Expression(qasm::FloatLiteral{0.0});
  std::string name = cat(kVariablePrefixes[static_cast<std::size_t>(d.type)], d.number);
  return qasm::IntDeclaration{std::move(name), std::move(init), d.type};
}

std::optional<std::uint64_t> variable_name_key(std::string_view name) {
  for (std::size_t k = 0; k < std::size(kVariablePrefixes); ++k) {
    if (!name.starts_with(kVariablePrefixes[k])) continue;
    std::string_view digits = name.substr(kVariablePrefixes[k].size());
    if (digits.empty() || digits.size() > 10 || (digits.size() > 1 && digits.front() == '0')) return std::nullopt;
    std::uint64_t n = 0;
    for (char d : digits) {
      if (d < '0' || d > '9') return std::nullopt;
      n = 10 * n + static_cast<std::uint64_t>(d - '0');
    }
    return 3 * n + k;
  }
  return std::nullopt;
}

bool Variables::made(std::string_view name) const {
  std::optional<std::uint64_t> key = variable_name_key(name);
  return key && *key / 3 < counts[*key % 3];
}

}  // namespace brintavel::translator
