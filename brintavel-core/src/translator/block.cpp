#include "translator/block.hpp"

namespace brintavel::translator {

void append_statement(BlockLowering& block, const qasm::Statement& statement) {
  qasm::append_printed(block.statements, statement);
  ++block.size;
}

void append_lines(BlockLowering& block, const qasm::Lines& lines) {
  qasm::Lines& last = qasm::trailing_lines(block.statements);
  last.text.append(lines.text);
  last.statements += lines.statements;
  last.nodes += lines.nodes;
  block.size += lines.statements;
}

}  // namespace brintavel::translator
