#include "translator/budget.hpp"

#include "support/text.hpp"

namespace brintavel::translator {

using text::cat;
using text::q;

Error SizeBudget::exhausted(std::string_view what_kind, std::string_view what) {
  remaining_ = 0;
  return unsupported(cat("translation size limit of ", limit_, " expression nodes and statements exceeded at ",
                         what_kind, " ", q(what),
                         "; the program grows far beyond its input (every use of an SSA value "
                         "copies its whole expression, and loop headers are repeated in their loops)"));
}

}  // namespace brintavel::translator
