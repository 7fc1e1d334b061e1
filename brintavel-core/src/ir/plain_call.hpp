// The front end's fast path: a call instruction written the plain way producers write it,
// on one line, read in a single pass.
//
//   [%name = ][tail ]call <type> @<name>(<type> <value>, ...)[ #N ...]
//
// with ASCII text, single spaces, and operands that are null, inttoptr of an integer, local
// and global names, integer, Boolean and floating-point literals. Anything else is left to
// the general parsers.
#pragma once

#include <string_view>

#include "ir/model.hpp"

namespace brintavel::ir {

// Fills `call` (reusing its argument storage) and returns true when `line`, a trimmed
// instruction line, has the plain form. The call is then exactly what parse_instruction
// reads from the line, and the line is a complete instruction (its brackets balance and it
// names its callee). Returns false, leaving `call` unspecified, for any other text.
bool parse_plain_call(std::string_view line, Call& call);

}  // namespace brintavel::ir
