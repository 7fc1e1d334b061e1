// Values of struct type split into their fields before the extended rules read the body, as
// LLVM's scalar replacement of aggregates (SROA) does for the ones it can: guppy builds a pair
// (quotient, remainder) with insertvalue, selects between two such pairs and extracts a field.
//
// An extractvalue of field k reads, through insertvalues, the value last inserted at k (an
// undefined aggregate's field is 0), and through a select between aggregates, a new select
// between their fields k. Its reads then read that value; the aggregate instructions that
// nothing reads any more are removed. An aggregate read otherwise (stored, passed, a phi) is
// left, and its lowering says that aggregates are not supported.
#pragma once

#include <vector>

#include "ir/model.hpp"

namespace brintavel::translator {

// Splits the aggregates of `blocks`; names of the new selects are kept in `names`.
void split_aggregates(std::vector<ir::Block>& blocks, ir::TextPool& names);

}  // namespace brintavel::translator
