#include "translator/budget.hpp"

#include "support/text.hpp"

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

}  // namespace brintavel::translator
