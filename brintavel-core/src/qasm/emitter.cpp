#include "qasm/emitter.hpp"

#include <algorithm>
#include <utility>

#include "qasm/printer.hpp"

namespace brintavel::qasm {

Lines& trailing_lines(StatementList& list) {
  Lines* lines = list.empty() ? nullptr : std::get_if<Lines>(&list.back().node);
  return lines ? *lines : std::get<Lines>(list.emplace_back(std::in_place_type<Lines>).node);
}

namespace {

bool is_tagged(const Expression& e) {
  if (const auto* id = std::get_if<Identifier>(&e.node)) return id->capture != 0;
  if (const auto* element = std::get_if<Element>(&e.node)) return element->capture != 0;
  return false;
}

// Whether a simple statement reads a tagged node.
bool reads_tagged(const Statement& statement) {
  auto tagged = [](const Expression& e) { return find_node(e, is_tagged) != nullptr; };
  if (const auto* a = std::get_if<Assignment>(&statement.node)) return tagged(a->value);
  if (const auto* g = std::get_if<GateCall>(&statement.node))
    return std::any_of(g->arguments.begin(), g->arguments.end(), tagged);
  return false;
}

}  // namespace

void Emitter::print(StatementList& list, const Statement& statement) {
  if (keep_captured_trees_ && reads_tagged(statement)) {
    keep(list, statement);
    return;
  }
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

void Emitter::print_gate(StatementList& list, std::size_t inverses, std::string_view name,
                         std::span<const Expression> arguments, std::span<const std::int64_t> qubits) {
  Lines& lines = trailing_lines(list);
  print_gate_on_qubits(inverses, name, arguments, qubits, lines.text);
  lines.statements += 1;
  lines.nodes += gate_nodes(arguments, {}) + kConstantElementNodes * qubits.size();
  if (keep_origins_) lines.origins.push_back(origin_);
}

void Emitter::print_measure(StatementList& list, std::int64_t qubit, std::int64_t bit, bool reset) {
  Lines& lines = trailing_lines(list);
  print_measure_qubit(qubit, bit, reset, lines.text);
  lines.statements += reset ? 2 : 1;
  // (A measurement is its statement, the qubit and the bit; a reset, its statement and the qubit.)
  lines.nodes += 1 + 2 * kConstantElementNodes + (reset ? 1 + kConstantElementNodes : 0);
  if (keep_origins_) lines.origins.insert(lines.origins.end(), reset ? 2 : 1, origin_);
}

void Emitter::print_reset(StatementList& list, std::int64_t qubit) {
  Lines& lines = trailing_lines(list);
  print_reset_qubit(qubit, lines.text);
  lines.statements += 1;
  lines.nodes += 1 + kConstantElementNodes;
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
