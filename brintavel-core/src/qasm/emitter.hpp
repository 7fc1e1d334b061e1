// The one way statements enter the translated program.
//
// A simple statement (a gate, measurement, reset, barrier or assignment) is printed at once
// into the trailing Lines of the list it joins: a lowered block keeps its straight-line code
// as text, far smaller than the statement trees. A statement that may still change before the
// program is printed (an assignment that a later check may remove) is kept as a tree. With
// origins kept, every statement remembers the instruction it came from (set with from()), so
// that each printed line can be traced back to the QIR text; without, nothing is recorded.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "qasm/model.hpp"

namespace brintavel::qasm {

class Emitter {
 public:
  explicit Emitter(bool keep_origins = false) : keep_origins_(keep_origins) {}

  bool keeps_origins() const { return keep_origins_; }
  // From now on a statement that reads a tagged node (Identifier::capture) is kept as a tree
  // by print(), so that its reads can be rewritten before it is printed.
  void keep_captured_trees() { keep_captured_trees_ = true; }
  // The instruction the next statements come from.
  void from(Origin origin) { origin_ = origin; }
  Origin origin() const { return origin_; }

  // Appends a simple statement (not If or While) to `list`, printed.
  void print(StatementList& list, const Statement& statement);
  // The same for the GateCall with these parts, without making it.
  void print_gate(StatementList& list, std::size_t inverses, std::string_view name,
                  std::span<const Expression> arguments, std::span<const IndexedIdentifier> operands);
  // The same for a GateCall on elements of the qubit register, given by their indices, and for
  // a Measure and a Reset of such a qubit (measured into an element of the result register;
  // with `reset`, then reset).
  void print_gate(StatementList& list, std::size_t inverses, std::string_view name,
                  std::span<const Expression> arguments, std::span<const std::int64_t> qubits);
  void print_measure(StatementList& list, std::int64_t qubit, std::int64_t bit, bool reset = false);
  void print_reset(StatementList& list, std::int64_t qubit);
  // Appends statements printed already, with their origins.
  void append(StatementList& list, const Lines& lines);
  // Appends a statement kept as a tree; returns it.
  Statement& keep(StatementList& list, Statement statement);

 private:
  bool keep_origins_;
  bool keep_captured_trees_ = false;
  Origin origin_;
};

// The Lines element at the end of the list, made when the list does not end in one.
Lines& trailing_lines(StatementList& list);

}  // namespace brintavel::qasm
