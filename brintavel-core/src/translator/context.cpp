#include "translator/context.hpp"

namespace brintavel::translator {

using text::cat;
using text::q;

Status SizeBudget::charge(std::uint64_t nodes, std::string_view what_kind, std::string_view what) {
  if (nodes <= remaining_) {
    remaining_ -= nodes;
    return {};
  }
  remaining_ = 0;
  return unsupported(cat("translation size limit of ", limit_, " expression nodes and statements exceeded at ",
                         what_kind, " ", q(what),
                         "; the program grows far beyond its input (every use of an SSA value "
                         "copies its whole expression, and loop headers are repeated in their loops)"));
}

std::unexpected<Error> unbound_value(std::string_view name) {
  return unsupported(cat("SSA value ", q(name),
                         " is used but was never bound; upstream instruction may be unsupported"));
}

Status LoweringContext::bind_value(std::string_view name, qasm::Expression value) {
  qasm::TreeSize size = qasm::measure(value);
  if (size.depth > Limits::kMaxExpressionDepth)
    return unsupported(cat("expression for SSA value ", q(name), " is nested more than ",
                           Limits::kMaxExpressionDepth,
                           " levels deep; such deeply nested classical expressions are not supported"));
  values_.insert_or_assign(name, Binding{std::move(value), size.nodes});
  return {};
}

Result<qasm::Expression> LoweringContext::lookup_value(std::string_view name) {
  auto it = values_.find(name);
  if (it == values_.end()) return unbound_value(name);
  BRINTAVEL_CHECK(budget_.charge(it->second.nodes, "SSA value", name));
  return it->second.value;
}

const qasm::Expression* LoweringContext::peek_value(std::string_view name) const {
  auto it = values_.find(name);
  return it == values_.end() ? nullptr : &it->second.value;
}

std::optional<std::int64_t> LoweringContext::lookup_pointer_index(std::string_view name) const {
  auto it = pointer_indices_.find(name);
  if (it == pointer_indices_.end()) return std::nullopt;
  return it->second;
}

}  // namespace brintavel::translator
