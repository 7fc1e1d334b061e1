// Text dumps of a translation's intermediate stages, for people debugging one (as LLVM's
// -print-after or QBE's -d): the lowered blocks before their control flow is structured, and
// the structured statements before the registers are declared.
#pragma once

#include <string>
#include <vector>

#include "qasm/model.hpp"
#include "translator/block.hpp"

namespace brintavel::translator {

enum class DumpStage : std::uint8_t { None, Blocks, Structured };

// Each block: `block LABEL:`, its statements indented, and how it ends (`br T`,
// `br COND ? T : F`, or `ret`).
void dump_blocks(const std::vector<BlockLowering>& blocks, std::string& out);
// The statements as the printer prints them.
void dump_structured(const qasm::StatementList& statements, std::string& out);

}  // namespace brintavel::translator
