#include "translator/dump.hpp"

#include "qasm/printer.hpp"

namespace brintavel::translator {

void dump_blocks(const std::vector<BlockLowering>& blocks, std::string& out) {
  for (const BlockLowering& block : blocks) {
    out.append("block ");
    out.append(block.label);
    out.append(":\n");
    for (const qasm::Statement& s : block.statements) qasm::print_statement(s, out, 1);
    out.append("  ");
    if (block.successors.empty()) {
      out.append("ret\n");
      continue;
    }
    out.append("br ");
    if (block.condition && block.successors.size() == 2) {
      qasm::print_expression(*block.condition, out);
      out.append(" ? ");
      out.append(block.successors[0]);
      out.append(" : ");
      out.append(block.successors[1]);
    } else {
      out.append(block.successors[0]);
    }
    out.push_back('\n');
  }
}

void dump_structured(const qasm::StatementList& statements, std::string& out) {
  for (const qasm::Statement& s : statements) qasm::print_statement(s, out, 0);
}

}  // namespace brintavel::translator
