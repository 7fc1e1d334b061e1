#include "qasm/finite.hpp"

namespace brintavel::qasm {

std::optional<double> find_non_finite(const Expression& e) {
  const Expression* found = find_node(e, [](const Expression& x) {
    const auto* f = std::get_if<FloatLiteral>(&x.node);
    return f && !std::isfinite(f->value);
  });
  if (!found) return std::nullopt;
  return std::get<FloatLiteral>(found->node).value;
}

}  // namespace brintavel::qasm
