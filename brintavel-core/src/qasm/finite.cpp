#include "qasm/finite.hpp"

namespace brintavel::qasm {

namespace {

// Whether `e` may hold a non-finite number: a walk with a small fixed stack and no ordering,
// which answers yes when that stack would overflow. Trees almost never hold one, so the
// ordered walk below runs only on a yes.
bool may_hold_non_finite(const Expression& e) {
  constexpr std::size_t kDepth = 32;
  const Expression* stack[kDepth];
  std::size_t n = 0;
  const Expression* x = &e;
  for (;;) {
    const Expression* next = nullptr;
    const Expression* other = nullptr;
    if (const auto* f = std::get_if<FloatLiteral>(&x->node)) {
      if (!std::isfinite(f->value)) return true;
    } else if (const auto* b = std::get_if<Binary>(&x->node)) {
      next = b->left.get();
      other = b->right.get();
    } else if (const auto* u = std::get_if<Unary>(&x->node)) {
      next = u->operand.get();
    } else if (const auto* i = std::get_if<Index>(&x->node)) {
      next = i->base.get();
      other = i->index.get();
    }
    if (other) {
      if (n == kDepth) return true;
      stack[n++] = other;
    }
    if (next) {
      x = next;
      continue;
    }
    if (n == 0) return false;
    x = stack[--n];
  }
}

}  // namespace

std::optional<double> find_non_finite(const Expression& e) {
  if (!may_hold_non_finite(e)) return std::nullopt;
  const Expression* found = find_node(e, [](const Expression& x) {
    const auto* f = std::get_if<FloatLiteral>(&x.node);
    return f && !std::isfinite(f->value);
  });
  if (!found) return std::nullopt;
  return std::get<FloatLiteral>(found->node).value;
}

}  // namespace brintavel::qasm
