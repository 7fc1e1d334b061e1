// Turns the text of one complete instruction into an Instruction.
#pragma once

#include <string_view>

#include "error.hpp"
#include "ir/model.hpp"
#include "ir/operand_parser.hpp"

namespace brintavel::ir {

// Modelled instructions are parsed strictly; tolerated ones (load, store, zext, alloca,
// bitcast, getelementptr) become Ignored unless they have the simple modelled form; other
// known opcodes are Ignored and unknown ones Unknown. Views in the result point into
// `text` or into `pool`.
Result<Instruction> parse_instruction(std::string_view text, TextPool& pool);

// Which instructions the parser reads beyond the base forms.
enum class InstructionSet : std::uint8_t {
  Base,      // as parse_instruction above
  Extended,  // also IntOp, Cast, FloatOp, FNeg and Fcmp
};
Result<Instruction> parse_instruction(std::string_view text, TextPool& pool, InstructionSet set);

}  // namespace brintavel::ir
