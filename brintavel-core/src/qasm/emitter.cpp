#include "qasm/emitter.hpp"

#include "qasm/printer.hpp"

namespace brintavel::qasm {

Lines& trailing_lines(StatementList& list) {
  Lines* lines = list.empty() ? nullptr : std::get_if<Lines>(&list.back().node);
  return lines ? *lines : std::get<Lines>(list.emplace_back(Lines{}).node);
}

void Emitter::print(StatementList& list, const Statement& statement) {
  Lines& lines = trailing_lines(list);
  print_statement(statement, lines.text);
  lines.statements += 1;
  lines.nodes += own_nodes(statement);
  if (keep_origins_) lines.origins.push_back(origin_);
}

void Emitter::print_gate(StatementList& list, std::size_t inverses, std::string_view name,
                         std::span<const Expression> arguments, std::span<const IndexedIdentifier> operands) {
  Lines& lines = trailing_lines(list);
  print_gate_call(inverses, name, arguments, operands, lines.text);
  lines.statements += 1;
  lines.nodes += gate_nodes(arguments, operands);
  if (keep_origins_) lines.origins.push_back(origin_);
}

void Emitter::append(StatementList& list, const Lines& more) {
  Lines& lines = trailing_lines(list);
  lines.text.append(more.text);
  lines.statements += more.statements;
  lines.nodes += more.nodes;
  if (keep_origins_) lines.origins.insert(lines.origins.end(), more.origins.begin(), more.origins.end());
}

Statement& Emitter::keep(StatementList& list, Statement statement) {
  statement.origin = origin_;
  return list.emplace_back(std::move(statement));
}

}  // namespace brintavel::qasm
