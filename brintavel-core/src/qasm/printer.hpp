// Prints an OpenQASM program model as text, byte for byte, into one growing buffer.
#pragma once

#include <span>
#include <vector>
#include <string>
#include <string_view>

#include <optional>

#include "qasm/model.hpp"

namespace brintavel::qasm {

// Where each printed line came from: one Origin per line, in order.
using LineOrigins = std::vector<Origin>;

// Appends the whole program to `out`.
void print_program(const Program& program, std::string& out);

// The same, but stops once `out` holds more than `max_size` bytes (checked between
// statements) and then returns false. Nested bodies are indented once per level, so a
// program's text can grow with the square of its nesting depth. With `origins`, the origin
// of every line printed is appended there (none for the version line, declarations and
// closing braces, and for lines printed without their origins kept).
bool print_program_within(const Program& program, std::string& out, std::size_t max_size,
                          LineOrigins* origins = nullptr);
// The same for a program that is not needed afterwards, and an empty `out`: its printed lines
// may become the output buffer, which spares a copy of most of a large straight-line program.
bool print_program_within(Program&& program, std::string& out, std::size_t max_size,
                          LineOrigins* origins = nullptr);

// Appends top-level statements, stopping as print_program_within does.
bool print_statements_within(const StatementList& list, std::string& out, std::size_t max_size,
                             LineOrigins* origins = nullptr);

// Appends one statement at the given indentation level (two spaces per level).
void print_statement(const Statement& statement, std::string& out, unsigned level = 0);

// Appends one expression (no indentation, no line end).
void print_expression(const Expression& expression, std::string& out);

void print_indexed_identifier(const IndexedIdentifier& id, std::string& out);

// The line of a GateCall with these parts (no indentation).
void print_gate_call(std::size_t inverses, std::string_view name, std::span<const Expression> arguments,
                     std::span<const IndexedIdentifier> operands, std::string& out);
// The lines of a Measure and of a Reset with these parts (no indentation).
void print_measure(const IndexedIdentifier& qubit, const IndexedIdentifier& target, std::string& out);
void print_reset(const IndexedIdentifier& qubit, std::string& out);
// The same lines with each qubit an element of the qubit register (registers.hpp) and the
// measured bit one of the result register, given by their indices; with `reset`, the
// measurement is followed by a reset of the qubit.
void print_gate_on_qubits(std::size_t inverses, std::string_view name, std::span<const Expression> arguments,
                          std::span<const std::int64_t> qubits, std::string& out);
void print_measure_qubit(std::int64_t qubit, std::int64_t bit, bool reset, std::string& out);
void print_reset_qubit(std::int64_t qubit, std::string& out);

// The text of a FloatLiteral: shortest round-trip digits in positional notation (never an
// exponent), ".0" appended to whole numbers; nan, inf, -inf.
std::string format_float(double value);
void append_float(std::string& out, double value);

// Appends the comment line that closes every translation: `// generated-by: ` and a compact
// JSON object naming the tool and its version, then the profile and the producer when known.
void append_generated_by(std::string& out, std::string_view version, std::optional<std::string_view> profile,
                         std::optional<std::string_view> producer);

}  // namespace brintavel::qasm
