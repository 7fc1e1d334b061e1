#include "qasm/printer.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>

#include "qasm/registers.hpp"
#include "support/text.hpp"

namespace brintavel::qasm {

// The statements' fixed pieces are appended as string_views, whose lengths are known without
// a strlen per append.
using namespace std::string_view_literals;

// ---- Numbers -------------------------------------------------------------------------

namespace {

void append_float_uncached(std::string& out, double value);

// Programs use few distinct angles many times: the texts of recent values are kept, per
// thread, by the bits of the double.
struct FloatText {
  std::uint64_t bits = 0;
  std::uint8_t size = 0;  // 0: empty
  char text[39];
};

}  // namespace

void append_float(std::string& out, double value) {
  thread_local std::array<FloatText, 64> cache{};
  auto bits = std::bit_cast<std::uint64_t>(value);
  FloatText& slot = cache[(bits * 0x9E3779B97F4A7C15ull) >> 58];
  if (slot.size != 0 && slot.bits == bits) {
    out.append(slot.text, slot.size);
    return;
  }
  std::size_t start = out.size();
  append_float_uncached(out, value);
  std::size_t size = out.size() - start;
  if (size <= sizeof slot.text) {
    slot.bits = bits;
    slot.size = static_cast<std::uint8_t>(size);
    std::memcpy(slot.text, out.data() + start, size);
  }
}

namespace {

void append_float_uncached(std::string& out, double value) {
  if (std::isnan(value)) {
    out.append("nan");
    return;
  }
  if (std::isinf(value)) {
    out.append(value > 0 ? "inf" : "-inf");
    return;
  }
  // The shortest round-trip digits come from the scientific form ("-d.ddde+XX"); they are
  // then laid out positionally. (Fixed notation would print large values with the exact
  // digits of the double, 1e23 as 99999999999999991611392, instead of the shortest ones.)
  // The longest scientific form of a finite double, "-2.2250738585072014e-308", has 24
  // characters, and it always has an exponent.
  std::array<char, 32> buf;
  auto [end, ec] =
      std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::scientific);
  std::string_view sci(buf.data(), static_cast<std::size_t>(end - buf.data()));
  std::size_t e = sci.find('e');
  std::string_view mantissa = sci.substr(0, e);
  if (mantissa.front() == '-') {
    out.push_back('-');
    mantissa.remove_prefix(1);
  }
  std::array<char, 24> digit_buf;
  std::size_t n = 0;
  for (char c : mantissa)
    if (c != '.') digit_buf[n++] = c;
  std::string_view digits(digit_buf.data(), n);
  std::string_view exp_text = sci.substr(e + 1);
  if (exp_text.front() == '+') exp_text.remove_prefix(1);
  int exponent = 0;
  std::from_chars(exp_text.data(), exp_text.data() + exp_text.size(), exponent);

  if (exponent < 0) {
    out.append("0.");
    out.append(static_cast<std::size_t>(-exponent - 1), '0');
    out.append(digits);
    return;
  }
  auto whole = static_cast<std::size_t>(exponent) + 1;  // digits before the point
  if (digits.size() <= whole) {
    out.append(digits);
    out.append(whole - digits.size(), '0');
    out.append(".0");
  } else {
    out.append(digits.substr(0, whole));
    out.push_back('.');
    out.append(digits.substr(whole));
  }
}

}  // namespace

std::string format_float(double value) {
  std::string out;
  append_float(out, value);
  return out;
}

// ---- Expressions ---------------------------------------------------------------------

namespace {

bool needs_parens_as_left(const Expression& operand, BinaryOperator parent) {
  if (operand.is_atom()) return false;
  if (std::holds_alternative<Unary>(operand.node)) return strength(parent) >= kUnaryStrength;
  const auto& b = std::get<Binary>(operand.node);
  if (b.op == parent) return false;
  return !(strength(b.op) > strength(parent));
}

bool needs_parens_as_right(const Expression& operand, BinaryOperator parent) {
  if (operand.is_atom()) return false;
  if (std::holds_alternative<Unary>(operand.node)) return strength(parent) >= kUnaryStrength;
  return !(strength(std::get<Binary>(operand.node).op) > strength(parent));
}

// What is left to print of an expression: a subexpression, a piece of text, or a binary
// operator (printed between spaces). The tasks sit on an explicit stack, in place for the
// small expressions that most are.
class ExpressionTasks {
 public:
  enum class Kind : std::uint8_t { Expression, Text, Operator };
  struct Task {
    Kind kind;
    const Expression* expression;  // of Kind::Expression
    std::string_view text;         // of Kind::Text and Kind::Operator
  };
  bool empty() const { return size_ == 0; }
  void push(Task task) {
    if (size_ < inline_.size()) {
      inline_[size_] = task;
    } else {
      more_.push_back(task);
    }
    ++size_;
  }
  Task pop() {
    --size_;
    if (size_ < inline_.size()) return inline_[size_];
    Task task = more_.back();
    more_.pop_back();
    return task;
  }
  void text(std::string_view t) { push({Kind::Text, nullptr, t}); }
  void op(BinaryOperator op) { push({Kind::Operator, nullptr, spelling(op)}); }
  void expression(const Expression& e) { push({Kind::Expression, &e, {}}); }
  // Pushes `e`, between parentheses when `parens` (in reverse: the stack is printed from the top).
  void wrapped(const Expression& e, bool parens) {
    if (parens) text(")");
    expression(e);
    if (parens) text("(");
  }

 private:
  std::array<Task, 16> inline_;  // (each written before it is read)
  std::vector<Task> more_;
  std::size_t size_ = 0;
};

// `[index]`, appended at once.
void append_subscript(std::string& out, std::int64_t index) {
  std::array<char, 24> buf;
  buf[0] = '[';
  char* end = std::to_chars(buf.data() + 1, buf.data() + buf.size() - 1, index).ptr;
  *end++ = ']';
  out.append(buf.data(), end);
}

// Writes `name[index]` at `at`, which has room for it; returns the end.
char* put_element(char* at, std::string_view name, std::int64_t index) {
  at = std::copy(name.begin(), name.end(), at);
  *at++ = '[';
  at = std::to_chars(at, at + 20, index).ptr;
  *at++ = ']';
  return at;
}

// `name[index]`, appended at once when the name is short, as register names are.
void append_element(std::string& out, std::string_view name, std::int64_t index) {
  if (name.size() > 40) {
    out.append(name);
    append_subscript(out, index);
    return;
  }
  std::array<char, 64> buf;
  out.append(buf.data(), put_element(buf.data(), name, index));
}

// Text appended to a string through a small buffer, one append per buffer-full: an
// expression is printed in many short pieces.
class BufferedText {
 public:
  explicit BufferedText(std::string& out) : out_(out) {}
  ~BufferedText() { flush(); }
  BufferedText(const BufferedText&) = delete;
  BufferedText& operator=(const BufferedText&) = delete;

  void append(std::string_view s) {
    if (s.size() > kSize - size_) {
      flush();
      if (s.size() > kSize) {
        out_.append(s);
        return;
      }
    }
    std::memcpy(buf_.data() + size_, s.data(), s.size());
    size_ += s.size();
  }
  void push_back(char c) {
    if (size_ == kSize) flush();
    buf_[size_++] = c;
  }
  // Room for `n` (at most the buffer's size) characters, written and then ended with used().
  char* room(std::size_t n) {
    if (n > kSize - size_) flush();
    return buf_.data() + size_;
  }
  void used(const char* end) { size_ = static_cast<std::size_t>(end - buf_.data()); }
  // The string, with all that was appended.
  std::string& flushed() {
    flush();
    return out_;
  }

 private:
  static constexpr std::size_t kSize = 256;
  void flush() {
    if (size_ == 0) return;
    out_.append(buf_.data(), size_);
    size_ = 0;
  }
  std::array<char, kSize> buf_;  // (each written before it is read)
  std::size_t size_ = 0;
  std::string& out_;
};

// Prints the part of `e` before its first operand, pushes what follows that operand, and
// returns the operand (null for an atom, printed whole).
const Expression* print_head(const Expression& e, BufferedText& out, ExpressionTasks& tasks) {
  return std::visit(
      [&out, &tasks](const auto& n) -> const Expression* {
        using T = std::decay_t<decltype(n)>;
        if constexpr (std::is_same_v<T, Identifier>) {
          out.append(n.name);
        } else if constexpr (std::is_same_v<T, IntLiteral>) {
          char* at = out.room(24);
          out.used(std::to_chars(at, at + 24, n.value).ptr);
        } else if constexpr (std::is_same_v<T, FloatLiteral>) {
          append_float(out.flushed(), n.value);
        } else if constexpr (std::is_same_v<T, BoolLiteral>) {
          out.append(n.value ? "true"sv : "false"sv);
        } else if constexpr (std::is_same_v<T, Element>) {
          if (n.register_name.size() > 40) {
            append_element(out.flushed(), n.register_name, n.index);
          } else {
            out.used(put_element(out.room(64), n.register_name, n.index));
          }
        } else if constexpr (std::is_same_v<T, Index>) {
          const Expression& base = *n.base;
          bool parens = std::holds_alternative<Unary>(base.node) || std::holds_alternative<Binary>(base.node);
          tasks.text("]");
          tasks.expression(*n.index);
          tasks.text("[");
          if (parens) {
            tasks.text(")");
            out.push_back('(');
          }
          return &base;
        } else if constexpr (std::is_same_v<T, Unary>) {
          const Expression& operand = *n.operand;
          if (n.op == UnaryOperator::IntCast || n.op == UnaryOperator::Float64Cast) {
            out.append(n.op == UnaryOperator::IntCast ? "int("sv : "float[64]("sv);
            tasks.text(")");
            return &operand;
          }
          out.push_back(n.op == UnaryOperator::Not ? '!' : '-');
          bool pow = std::holds_alternative<Binary>(operand.node) &&
                     std::get<Binary>(operand.node).op == BinaryOperator::Pow;
          const auto* cast = std::get_if<Unary>(&operand.node);
          bool call = cast && (cast->op == UnaryOperator::IntCast || cast->op == UnaryOperator::Float64Cast);
          if (!(operand.is_atom() || pow || call)) {
            tasks.text(")");
            out.push_back('(');
          }
          return &operand;
        } else {
          tasks.wrapped(*n.right, needs_parens_as_right(*n.right, n.op));
          tasks.op(n.op);
          if (needs_parens_as_left(*n.left, n.op)) {
            tasks.text(")");
            out.push_back('(');
          }
          return n.left.get();
        }
        return nullptr;
      },
      e.node);
}

}  // namespace

// Walks down the first operands without pushing them; only what follows one waits on the stack.
void print_expression(const Expression& root, std::string& out_string) {
  // (A gate's angle is most often a literal, printed as it is.)
  if (const auto* f = std::get_if<FloatLiteral>(&root.node)) return append_float(out_string, f->value);
  BufferedText out(out_string);
  ExpressionTasks tasks;
  const Expression* next = &root;
  for (;;) {
    while (next) next = print_head(*next, out, tasks);
    if (tasks.empty()) return;
    ExpressionTasks::Task task = tasks.pop();
    switch (task.kind) {
      case ExpressionTasks::Kind::Expression:
        next = task.expression;
        break;
      case ExpressionTasks::Kind::Text:
        out.append(task.text);
        break;
      case ExpressionTasks::Kind::Operator: {
        // (A spelling has one or two characters.)
        char* at = out.room(4);
        at[0] = ' ';
        at[1] = task.text[0];
        at[2] = task.text.back();
        at[task.text.size() + 1] = ' ';
        out.used(at + task.text.size() + 2);
        break;
      }
    }
  }
}

namespace {

// A gate's modifiers, name and arguments, up to the space before its operands.
void print_gate_head(std::size_t inverses, std::string_view name, std::span<const Expression> arguments,
                     std::string& out) {
  for (std::size_t k = 0; k < inverses; ++k) out.append("inv @ "sv);
  out.append(name);
  if (!arguments.empty()) {
    out.push_back('(');
    for (std::size_t k = 0; k < arguments.size(); ++k) {
      if (k > 0) out.append(", "sv);
      print_expression(arguments[k], out);
    }
    out.push_back(')');
  }
  out.push_back(' ');
}

}  // namespace

void print_gate_call(std::size_t inverses, std::string_view name, std::span<const Expression> arguments,
                     std::span<const IndexedIdentifier> operands, std::string& out) {
  print_gate_head(inverses, name, arguments, out);
  for (std::size_t k = 0; k < operands.size(); ++k) {
    if (k > 0) out.append(", "sv);
    print_indexed_identifier(operands[k], out);
  }
  out.append(";\n"sv);
}

void print_gate_on_qubits(std::size_t inverses, std::string_view name, std::span<const Expression> arguments,
                          std::span<const std::int64_t> qubits, std::string& out) {
  print_gate_head(inverses, name, arguments, out);
  BufferedText text(out);
  for (std::size_t k = 0; k < qubits.size(); ++k) {
    if (k > 0) text.append(", "sv);
    text.used(put_element(text.room(32), kQubitRegister, qubits[k]));
  }
  text.append(";\n"sv);
}

namespace {

// `reset q[qubit];` and its line end at `at`; returns the end.
char* put_reset(char* at, std::int64_t qubit) {
  static constexpr std::string_view kReset = "reset "sv;
  at = std::copy(kReset.begin(), kReset.end(), at);
  at = put_element(at, kQubitRegister, qubit);
  *at++ = ';';
  *at++ = '\n';
  return at;
}

}  // namespace

void print_measure_qubit(std::int64_t qubit, std::int64_t bit, bool reset, std::string& out) {
  static constexpr std::string_view kMeasure = " = measure "sv;
  std::array<char, 128> buf;
  char* end = put_element(buf.data(), kResultRegister, bit);
  end = std::copy(kMeasure.begin(), kMeasure.end(), end);
  end = put_element(end, kQubitRegister, qubit);
  *end++ = ';';
  *end++ = '\n';
  if (reset) end = put_reset(end, qubit);
  out.append(buf.data(), end);
}

void print_reset_qubit(std::int64_t qubit, std::string& out) {
  std::array<char, 48> buf;
  out.append(buf.data(), put_reset(buf.data(), qubit));
}

void print_measure(const IndexedIdentifier& qubit, const IndexedIdentifier& target, std::string& out) {
  print_indexed_identifier(target, out);
  out.append(" = measure "sv);
  print_indexed_identifier(qubit, out);
  out.append(";\n"sv);
}

void print_reset(const IndexedIdentifier& qubit, std::string& out) {
  out.append("reset "sv);
  print_indexed_identifier(qubit, out);
  out.append(";\n"sv);
}

void print_indexed_identifier(const IndexedIdentifier& id, std::string& out) {
  const auto* k = id.index ? std::get_if<IntLiteral>(&id.index->node) : nullptr;
  if (k) return append_element(out, id.name, k->value);  // q[3], as most are
  out.append(id.name);
  if (!id.index) return;
  out.push_back('[');
  print_expression(*id.index, out);
  out.push_back(']');
}

// ---- Statements ----------------------------------------------------------------------

namespace {

void indent(std::string& out, unsigned level) {
  static constexpr std::string_view kSpaces = "                                ";
  std::size_t width = std::size_t{level} * 2;
  if (width <= kSpaces.size()) {
    out.append(kSpaces.substr(0, width));
  } else {
    out.append(width, ' ');
  }
}

void print_declaration(std::string& out, std::string_view prefix, std::uint64_t size,
                       std::string_view name) {
  out.append(prefix);
  text::append_uint(out, size);
  out.append("] "sv);
  out.append(name);
  out.append(";\n"sv);
}

// Prints a statement that has no nested body; returns false for If and While.
bool print_simple(const Statement& s, std::string& out) {
  return std::visit(
      [&out](const auto& n) -> bool {
        using T = std::decay_t<decltype(n)>;
        if constexpr (std::is_same_v<T, Include>) {
          out.append("include \""sv);
          out.append(n.path);
          out.append("\";\n"sv);
        } else if constexpr (std::is_same_v<T, QubitDeclaration>) {
          print_declaration(out, "qubit[", n.size, n.name);
        } else if constexpr (std::is_same_v<T, BitDeclaration>) {
          print_declaration(out, "bit[", n.size, n.name);
          if (n.zeroed) {
            out.pop_back();  // the ';' and line end come after the initialiser
            out.pop_back();
            out.append(" = \""sv);
            out.append(n.size, '0');
            out.append("\";\n"sv);
          }
        } else if constexpr (std::is_same_v<T, OutputBitDeclaration>) {
          print_declaration(out, "output bit[", n.size, n.name);
        } else if constexpr (std::is_same_v<T, IntDeclaration>) {
          out.append(n.type == ScalarType::Int    ? "int "
                     : n.type == ScalarType::Bool ? "bool "
                                                  : "float[64] ");
          out.append(n.name);
          out.append(" = "sv);
          print_expression(n.init, out);
          out.append(";\n"sv);
        } else if constexpr (std::is_same_v<T, Assignment>) {
          print_indexed_identifier(n.target, out);
          out.append(" = "sv);
          print_expression(n.value, out);
          out.append(";\n"sv);
        } else if constexpr (std::is_same_v<T, GateCall>) {
          print_gate_call(n.modifiers.size(), n.name, n.arguments, n.operands, out);
        } else if constexpr (std::is_same_v<T, Measure>) {
          print_measure(n.qubit, n.target, out);
        } else if constexpr (std::is_same_v<T, Reset>) {
          print_reset(n.qubit, out);
        } else if constexpr (std::is_same_v<T, Barrier>) {
          out.append("barrier"sv);
          for (std::size_t k = 0; k < n.operands.size(); ++k) {
            out.append(k > 0 ? ", " : " ");
            print_indexed_identifier(n.operands[k], out);
          }
          out.append(";\n"sv);
        } else {
          return false;
        }
        return true;
      },
      s.node);
}

// One origin per printed line of `lines`: its own when it kept them, none otherwise.
void append_line_origins(LineOrigins& origins, const Lines& lines) {
  if (lines.origins.size() == lines.statements) {
    origins.insert(origins.end(), lines.origins.begin(), lines.origins.end());
  } else {
    origins.insert(origins.end(), lines.statements, Origin{});
  }
}

// Statement lists are walked with an explicit stack: one frame per open body.
class StatementPrinter {
 public:
  explicit StatementPrinter(std::string& out, std::size_t limit = SIZE_MAX, LineOrigins* origins = nullptr)
      : out_(out), limit_(limit), origins_(origins) {}

  // Whether printing stopped because the text grew beyond the limit.
  bool exceeded() const { return exceeded_; }

  void print_list(const StatementList& list, unsigned level, std::size_t from = 0) {
    frames_.push_back({&list, from, level, Closing::None, nullptr});
    run();
  }

  void print_one(const Statement& s, unsigned level) {
    if (open(s, level)) run();
  }

 private:
  enum class Closing { None, Then, Else, Loop };
  struct Frame {
    const StatementList* list;
    std::size_t next;
    unsigned level;
    Closing closing;  // what to print when the body is done
    const If* owner;  // the If whose then-body this is
  };

  // Prints a statement, or the header of a control-flow statement with its body frame
  // pushed. Returns whether a frame was pushed.
  bool open(const Statement& s, unsigned level) {
    if (const auto* lines = std::get_if<Lines>(&s.node)) {
      print_lines(lines->text, level);
      if (origins_) append_line_origins(*origins_, *lines);
      return false;
    }
    if (origins_) origins_->push_back(s.origin);
    indent(out_, level);
    if (print_simple(s, out_)) return false;
    if (const auto* i = std::get_if<If>(&s.node)) {
      out_.append("if ("sv);
      print_expression(i->condition, out_);
      out_.append(") {\n"sv);
      frames_.push_back({&i->then_body, 0, level + 1, Closing::Then, i});
    } else {
      const auto& w = std::get<While>(s.node);
      out_.append("while ("sv);
      print_expression(w.condition, out_);
      out_.append(") {\n"sv);
      frames_.push_back({&w.body, 0, level + 1, Closing::Loop, nullptr});
    }
    return true;
  }

  // Printed lines, each indented to `level`.
  void print_lines(std::string_view text, unsigned level) {
    if (level == 0) {
      out_.append(text);
      return;
    }
    while (!text.empty()) {
      std::size_t end = text.find('\n');
      std::size_t length = end == std::string_view::npos ? text.size() : end + 1;
      indent(out_, level);
      out_.append(text.substr(0, length));
      text.remove_prefix(length);
    }
  }

  void run() {
    while (!frames_.empty()) {
      if (out_.size() > limit_) {
        exceeded_ = true;
        return;
      }
      Frame& top = frames_.back();
      if (top.next < top.list->size()) {
        const Statement& s = (*top.list)[top.next++];
        open(s, top.level);
        continue;
      }
      Frame done = top;
      frames_.pop_back();
      if (done.closing == Closing::None) continue;
      unsigned level = done.level - 1;
      if (origins_) origins_->push_back({});
      indent(out_, level);
      out_.push_back('}');
      if (done.closing == Closing::Then && !done.owner->else_body.empty()) {
        out_.append(" else {\n"sv);
        frames_.push_back({&done.owner->else_body, 0, done.level, Closing::Else, nullptr});
        continue;
      }
      out_.push_back('\n');
    }
  }

  std::string& out_;
  std::size_t limit_;
  LineOrigins* origins_;
  bool exceeded_ = false;
  std::vector<Frame> frames_;
};

}  // namespace

void print_statement(const Statement& statement, std::string& out, unsigned level) {
  StatementPrinter(out).print_one(statement, level);
}

void print_program(const Program& program, std::string& out) {
  print_program_within(program, out, SIZE_MAX);
}

bool print_program_within(const Program& program, std::string& out, std::size_t max_size, LineOrigins* origins) {
  if (!program.version.empty()) {
    out.append("OPENQASM ");
    out.append(program.version);
    out.append(";\n");
    if (origins) origins->push_back({});
  }
  StatementPrinter printer(out, max_size, origins);
  printer.print_list(program.body, 0);
  return !printer.exceeded();
}

bool print_statements_within(const StatementList& list, std::string& out, std::size_t max_size,
                             LineOrigins* origins) {
  StatementPrinter printer(out, max_size, origins);
  printer.print_list(list, 0);
  return !printer.exceeded();
}

bool print_program_within(Program&& program, std::string& out, std::size_t max_size, LineOrigins* origins) {
  // The longest top-level printed lines, usually most of a straight-line program, become the
  // output buffer itself, with what comes before them moved in front.
  auto length = [](const Statement& s) -> std::ptrdiff_t {
    const auto* lines = std::get_if<Lines>(&s.node);
    return lines ? static_cast<std::ptrdiff_t>(lines->text.size()) : -1;
  };
  auto longest = std::max_element(program.body.begin(), program.body.end(),
                                  [&](const Statement& a, const Statement& b) { return length(a) < length(b); });
  if (longest == program.body.end() || length(*longest) < 0 || !out.empty())
    return print_program_within(static_cast<const Program&>(program), out, max_size, origins);
  Lines& lines = std::get<Lines>(longest->node);
  Program head{program.version, {}, {}};  // (program keeps the names)
  head.body.assign(std::make_move_iterator(program.body.begin()), std::make_move_iterator(longest));
  std::string front;
  if (!print_program_within(head, front, max_size, origins)) return false;
  if (origins) append_line_origins(*origins, lines);
  out = std::move(lines.text);
  out.insert(0, front);
  StatementPrinter printer(out, max_size, origins);
  printer.print_list(program.body, 0, static_cast<std::size_t>(longest - program.body.begin()) + 1);
  return !printer.exceeded();
}

// ---- The generated-by comment ------------------------------------------------------

namespace {

// JSON string escaping for the generated-by comment.
void append_json_escaped(std::string& out, std::string_view s) {
  static constexpr char kHex[] = "0123456789abcdef";
  for (char ch : s) {
    auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"': out.append("\\\""); break;
      case '\\': out.append("\\\\"); break;
      case 0x08: out.append("\\b"); break;
      case 0x09: out.append("\\t"); break;
      case 0x0A: out.append("\\n"); break;
      case 0x0C: out.append("\\f"); break;
      case 0x0D: out.append("\\r"); break;
      default:
        if (c < 0x20 || c == 0x7F) {
          out.append("\\u00");
          out.push_back(kHex[c >> 4]);
          out.push_back(kHex[c & 0xF]);
        } else {
          out.push_back(ch);
        }
    }
  }
}

}  // namespace

void append_generated_by(std::string& out, std::string_view version, std::optional<std::string_view> profile,
                         std::optional<std::string_view> producer) {
  out.append("// generated-by: {\"name\":\"brintavel\",\"version\":\"");
  out.append(version);
  out.push_back('"');
  if (profile) {
    out.append(",\"profile\":\"");
    append_json_escaped(out, *profile);
    out.push_back('"');
  }
  if (producer) {
    out.append(",\"producer\":\"");
    append_json_escaped(out, *producer);
    out.push_back('"');
  }
  out.append("}\n");
}

}  // namespace brintavel::qasm
