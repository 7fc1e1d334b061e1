// The in-memory form of the OpenQASM 3 program the translator produces.
//
// Plain value trees: a statement owns its nested statements and expressions, an
// expression its operands. Deep copies and destruction walk the trees with explicit
// stacks, so a deeply nested program cannot exhaust the C stack.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "support/small_list.hpp"

namespace brintavel::qasm {

// ---- Operators -----------------------------------------------------------------------

// IntCast and Float64Cast are the casts int(...) and float[64](...).
enum class UnaryOperator : std::uint8_t { Not, Neg, IntCast, Float64Cast };

enum class BinaryOperator : std::uint8_t {
  Or, And, BitOr, BitXor, BitAnd, Eq, Ne, Lt, Le, Gt, Ge, Shl, Shr, Add, Sub, Mul, Div, Mod, Pow,
};

// Binding strength of a unary operator; Pow (12) is the only operator above it.
inline constexpr int kUnaryStrength = 11;

std::string_view spelling(BinaryOperator op);
int strength(BinaryOperator op);  // higher binds tighter

// ---- Expressions ---------------------------------------------------------------------

struct Expression;

// `capture` (0: none) tags a node that reads a result bit or a variable as the lowering
// captured it, so that a later pass can find every place that reads that value.
struct Identifier {
  std::string name;
  std::uint32_t capture = 0;
};
struct IntLiteral {
  std::int64_t value;
};
struct FloatLiteral {
  double value;
};
struct BoolLiteral {
  bool value;
};
// An element of a register at a constant index, reg[k]: what every result read is. It
// prints, and counts towards sizes (three nodes on two levels), as the Index of an
// Identifier by an IntLiteral does, without their two allocations. The register's name is
// not owned: a literal.
struct Element {
  std::string_view register_name;
  std::int64_t index;
  std::uint32_t capture = 0;  // as Identifier's
};
struct Index {
  std::unique_ptr<Expression> base;
  std::unique_ptr<Expression> index;
};
struct Unary {
  UnaryOperator op;
  std::unique_ptr<Expression> operand;
};
struct Binary {
  BinaryOperator op;
  std::unique_ptr<Expression> left;
  std::unique_ptr<Expression> right;
};

struct Expression final {
  // Kinds 0 to 5 are atoms to the printer.
  using Node = std::variant<Identifier, IntLiteral, FloatLiteral, BoolLiteral, Element, Index, Unary, Binary>;
  Node node;

  template <class Kind>
    requires std::is_constructible_v<Node, Kind&&>
  Expression(Kind&& kind) : node(std::forward<Kind>(kind)) {}  // NOLINT: implicit by design

  Expression(const Expression& other);
  Expression& operator=(const Expression& other);
  Expression(Expression&&) noexcept = default;
  Expression& operator=(Expression&&) noexcept = default;
  ~Expression() {
    if (has_children()) release_children();
  }

  // Nodes come from a per-thread recycler of freed nodes (as LLVM's Recycler): a translation
  // makes and drops many small trees, which this keeps from the general heap.
  static void* operator new(std::size_t size);
  static void operator delete(void* p, std::size_t size) noexcept;

  // Atoms are never parenthesised by the printer; Index is an atom with children.
  bool is_atom() const { return node.index() <= 5; }
  bool has_children() const { return node.index() >= 5; }

 private:
  // Takes apart the subtrees below this node, one level at a time (without recursion).
  void release_children();
  void release_descendants();  // (release_children's walk, where a child has children)
  struct ShallowTag {};
  Expression(ShallowTag, const Node& node);
  friend struct ExpressionCopier;
};

Expression make_binary(BinaryOperator op, Expression left, Expression right);
Expression make_not(Expression operand);
Expression make_unary(UnaryOperator op, Expression operand);
Expression make_index(Expression base, Expression index);

// Whether `e` is an indexed register element: an Index or an Element.
inline bool is_indexed(const Expression& e) {
  return std::holds_alternative<Index>(e.node) || std::holds_alternative<Element>(e.node);
}

// The children of a node: the base and index of an Index, the operand of a Unary, the two
// sides of a Binary (null where there is none).
std::array<const Expression*, 2> children_of(const Expression& e);

// The first node of `e`, parents before children, for which `match` holds, or null (walked
// with an explicit stack).
template <class Match>
const Expression* find_node(const Expression& e, Match match) {
  text::SmallList<const Expression*, 32> stack{&e};
  while (!stack.empty()) {
    const Expression* x = stack.back();
    stack.pop_back();
    if (match(*x)) return x;
    auto kids = children_of(*x);
    if (kids[0]) stack.push_back(kids[0]);
    if (kids[1]) stack.push_back(kids[1]);
  }
  return nullptr;
}

// Number of nodes and nesting depth of an expression tree (walked iteratively).
struct TreeSize {
  std::uint64_t nodes = 0;
  std::uint64_t depth = 0;
};
TreeSize measure(const Expression& e);

// ---- Statements ----------------------------------------------------------------------

struct IndexedIdentifier {
  std::string name;
  std::optional<Expression> index;
};

enum class GateModifier : std::uint8_t { Inverse };

struct Statement;
using StatementList = std::vector<Statement>;

struct Include {
  std::string path;
};
struct QubitDeclaration {
  std::string name;
  std::uint64_t size;
};
struct BitDeclaration {
  std::string name;
  std::uint64_t size;
  bool zeroed = false;  // initialised to all zeros: bit[2] c = "00";
};
// The types of classical variables.
enum class ScalarType : std::uint8_t { Int, Bool, Float64 };

// `int name = init;` (or bool, float[64]).
struct IntDeclaration {
  std::string name;
  Expression init;
  ScalarType type = ScalarType::Int;
};
struct Assignment {
  IndexedIdentifier target;
  Expression value;
};
struct OutputBitDeclaration {
  std::string name;
  std::uint64_t size;
};
struct GateCall {
  std::vector<GateModifier> modifiers;
  std::string name;
  std::vector<Expression> arguments;
  std::vector<IndexedIdentifier> operands;
};
struct Measure {
  IndexedIdentifier qubit;
  IndexedIdentifier target;
};
struct Reset {
  IndexedIdentifier qubit;
};
// barrier on the operands: qubits, or whole registers.
struct Barrier {
  std::vector<IndexedIdentifier> operands;
};

// Where a statement came from in the QIR text: the first character of the instruction that
// made it, and for a statement of an inlined body the call (in the translated function) that
// was inlined. Null where there is none (declarations, closing braces).
struct Origin {
  const char* instruction = nullptr;
  const char* call = nullptr;
  friend bool operator==(const Origin&, const Origin&) = default;
};

// Simple statements already printed: one per line, each ended by a line feed, at
// indentation level 0 (the printer indents them to the level they stand at). A lowered block
// keeps its straight-line code this way, which is far smaller than the statement trees.
// `statements` and `nodes` count what the text holds, as count_nodes would count the trees.
// `origins` holds one Origin per statement when the emitter keeps them (emitter.hpp), and is
// empty otherwise.
struct Lines {
  std::string text;
  std::uint64_t statements = 0;
  std::uint64_t nodes = 0;
  std::vector<Origin> origins = {};
};

// If and While own statement lists; their copies and destructors flatten nested bodies
// onto an explicit stack instead of recursing.
struct If {
  StatementList then_body;
  StatementList else_body;
  Expression condition;

  If(StatementList then_body, StatementList else_body, Expression condition);
  If(const If& other);
  If& operator=(const If& other);
  If(If&&) noexcept = default;
  If& operator=(If&&) noexcept = default;
  ~If();
};

struct While {
  StatementList body;
  Expression condition;

  While(StatementList body, Expression condition);
  While(const While& other);
  While& operator=(const While& other);
  While(While&&) noexcept = default;
  While& operator=(While&&) noexcept = default;
  ~While();
};

struct Statement {
  using Node = std::variant<Include, QubitDeclaration, BitDeclaration, IntDeclaration, Assignment,
                            OutputBitDeclaration, GateCall, Measure, Reset, Barrier, If, While, Lines>;
  Node node;
  Origin origin = {};  // of a statement kept as a tree (Lines keep their own)

  template <class Kind>
    requires std::is_constructible_v<Node, Kind&&>
  Statement(Kind&& kind) : node(std::forward<Kind>(kind)) {}  // NOLINT: implicit by design
  // A statement of kind `Kind` made in place from `args` (an If or While is then not moved).
  template <class Kind, class... Args>
  explicit Statement(std::in_place_type_t<Kind> kind, Args&&... args) : node(kind, std::forward<Args>(args)...) {}
};

// Deep copy of a statement list (iterative).
StatementList copy_statements(const StatementList& list);

// Statements plus expression nodes in a list, nested bodies included (iterative).
std::uint64_t count_nodes(const StatementList& list);
// The same for one statement, without its nested bodies.
std::uint64_t own_nodes(const Statement& statement);

// The nodes a GateCall with these parts counts.
std::uint64_t gate_nodes(std::span<const Expression> arguments, std::span<const IndexedIdentifier> operands);
// The nodes a Measure (target and qubit) and a Reset (qubit) count.
std::uint64_t measure_nodes(const IndexedIdentifier& qubit, const IndexedIdentifier& target);
std::uint64_t reset_nodes(const IndexedIdentifier& qubit);
// The nodes an operand reg[k] with a constant index counts: the name and the index.
inline constexpr std::uint64_t kConstantElementNodes = 2;

struct Program {
  std::string version;
  StatementList body;
  std::deque<std::string> names;  // names that Elements of the body point into, beyond literals
};

}  // namespace brintavel::qasm
