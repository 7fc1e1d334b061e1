#include "translator/block.hpp"

namespace brintavel::translator {

void append_statement(qasm::Emitter& emitter, BlockLowering& block, const qasm::Statement& statement) {
  emitter.print(block.statements, statement);
  ++block.size;
}

void append_lines(qasm::Emitter& emitter, BlockLowering& block, const qasm::Lines& lines) {
  emitter.append(block.statements, lines);
  block.size += lines.statements;
}

}  // namespace brintavel::translator
