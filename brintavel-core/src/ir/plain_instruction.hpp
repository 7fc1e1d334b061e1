// The front end's fast path: the instructions that make up most of a program, written the
// plain way producers write them, each on one line and read in a single pass:
//
//   [%name = ][tail ]call <type> @<name>(<type> <value>, ...)[ #N ...]
//   br label %<label>
//   br i1 <condition>, label %<label>, label %<label>
//   ret ...
//   %name = add|sub|mul <iN> <value>, <value>
//   %name = icmp <predicate> <iN> <value>, <value>
//   %name = zext <iN> <value> to <iM>
// and, in the extended instruction set, the integer operations it adds (and, or and xor on
// integers wider than i1, shifts, divisions and remainders) and sext and trunc, without flags;
//
// with ASCII text, single spaces, and operands that are null, inttoptr of an integer, local
// and global names, integer, Boolean and floating-point literals. Anything else is left to
// the general parsers.
#pragma once

#include <string_view>

#include "ir/instruction_parser.hpp"
#include "ir/model.hpp"

namespace brintavel::ir {

// The plain forms of all three kinds, with storage that is reused from line to line.
class PlainInstructionReader {
 public:
  explicit PlainInstructionReader(InstructionSet set = InstructionSet::Base) : set_(set) {}

  // The instruction of `line` (trimmed) when it has a plain form, or null. The instruction
  // is exactly what parse_instruction reads from the line in the reader's instruction set,
  // valid until the next call.
  const Instruction* read(std::string_view line);

 private:
  InstructionSet set_;
  Instruction call_ = Call{};
  Instruction other_ = Ret{};
};

}  // namespace brintavel::ir
