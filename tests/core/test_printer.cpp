// The OpenQASM printer: expression parenthesisation, float text, every statement form,
// whole programs, appending to a buffer, and very deep nesting.
#include <pthread.h>

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "qasm/model.hpp"
#include "qasm/printer.hpp"

namespace brintavel::qasm {
namespace {

using Op = BinaryOperator;

Expression id(std::string name) { return Identifier{std::move(name)}; }
Expression lit(std::int64_t v) { return IntLiteral{v}; }
Expression flt(double v) { return FloatLiteral{v}; }
Expression bin(Op op, Expression l, Expression r) { return make_binary(op, std::move(l), std::move(r)); }
Expression neg(Expression e) { return Unary{UnaryOperator::Neg, std::make_unique<Expression>(std::move(e))}; }
Expression idx(Expression b, Expression i) { return make_index(std::move(b), std::move(i)); }

IndexedIdentifier reg(std::string name, std::int64_t index) {
  return IndexedIdentifier{std::move(name), lit(index)};
}
IndexedIdentifier bare(std::string name) { return IndexedIdentifier{std::move(name), std::nullopt}; }

GateCall gate(std::string name, std::vector<IndexedIdentifier> operands, std::vector<Expression> arguments = {},
              std::size_t inverses = 0) {
  return GateCall{std::vector<GateModifier>(inverses, GateModifier::Inverse), std::move(name),
                  std::move(arguments), std::move(operands)};
}

template <class... E>
std::vector<Expression> list_args(E&&... arguments) {
  std::vector<Expression> l;
  (l.push_back(std::forward<E>(arguments)), ...);
  return l;
}

template <class... S>
StatementList list(S&&... statements) {
  StatementList l;
  (l.push_back(std::forward<S>(statements)), ...);
  return l;
}

std::string expr_text(const Expression& e) {
  std::string out;
  print_expression(e, out);
  return out;
}

std::string stmt_text(const Statement& s, unsigned level = 0) {
  std::string out;
  print_statement(s, out, level);
  return out;
}

std::string program_text(const Program& p) {
  std::string out;
  print_program(p, out);
  return out;
}

// ---- Expressions ---------------------------------------------------------------------

TEST(PrintExpression, Parenthesisation) {
  const auto a = [] { return id("a"); };
  const auto b = [] { return id("b"); };
  const auto c = [] { return id("c"); };
  struct Row {
    Expression e;
    const char* text;
  };
  Row rows[] = {
      {bin(Op::Sub, bin(Op::Sub, a(), b()), c()), "a - b - c"},
      {bin(Op::Sub, a(), bin(Op::Sub, b(), c())), "a - (b - c)"},
      {bin(Op::Add, a(), bin(Op::Add, b(), c())), "a + (b + c)"},
      {bin(Op::Sub, bin(Op::Add, a(), b()), c()), "(a + b) - c"},
      {bin(Op::Mul, bin(Op::Add, a(), b()), c()), "(a + b) * c"},
      {bin(Op::Add, a(), bin(Op::Mul, b(), c())), "a + b * c"},
      {bin(Op::And, bin(Op::Eq, a(), lit(1)), bin(Op::Ne, b(), lit(2))), "a == 1 && b != 2"},
      {bin(Op::Or, bin(Op::And, a(), b()), c()), "a && b || c"},
      {make_not(bin(Op::Or, a(), b())), "!(a || b)"},
      {neg(neg(a())), "-(-a)"},
      {neg(bin(Op::Pow, a(), lit(2))), "-a ** 2"},
      {bin(Op::Pow, neg(a()), lit(2)), "(-a) ** 2"},
      {bin(Op::Pow, a(), neg(b())), "a ** (-b)"},
      {bin(Op::Add, a(), neg(b())), "a + -b"},
      {bin(Op::Add, a(), lit(-1)), "a + -1"},
      {idx(bin(Op::Add, a(), b()), lit(0)), "(a + b)[0]"},
      {idx(c(), bin(Op::Add, id("n"), lit(1))), "c[n + 1]"},
      // Beyond the basic table.
      {bin(Op::Or, a(), bin(Op::And, b(), c())), "a || b && c"},
      {bin(Op::And, bin(Op::Or, a(), b()), c()), "(a || b) && c"},
      {bin(Op::Eq, bin(Op::Ne, a(), b()), c()), "(a != b) == c"},        // equal strength, different op
      {bin(Op::Lt, a(), bin(Op::Gt, b(), c())), "a < (b > c)"},
      {bin(Op::Mul, bin(Op::Mul, a(), b()), bin(Op::Mul, c(), a())), "a * b * (c * a)"},
      {bin(Op::Pow, bin(Op::Pow, a(), b()), c()), "a ** b ** c"},        // same operator on the left
      {bin(Op::Pow, a(), bin(Op::Pow, b(), c())), "a ** (b ** c)"},
      {bin(Op::BitOr, bin(Op::BitXor, a(), bin(Op::BitAnd, b(), c())), a()), "a ^ b & c | a"},
      {bin(Op::Shl, bin(Op::Add, a(), b()), bin(Op::Mod, c(), lit(3))), "a + b << c % 3"},
      {bin(Op::Mul, neg(a()), make_not(b())), "-a * !b"},                  // unary under strength 10
      {bin(Op::Or, make_not(a()), make_not(b())), "!a || !b"},
      {make_not(idx(c(), lit(0))), "!c[0]"},
      {make_not(bin(Op::Eq, a(), lit(0))), "!(a == 0)"},
      {make_not(make_not(a())), "!(!a)"},
      {neg(flt(0.5)), "-0.5"},
      {idx(neg(a()), lit(0)), "(-a)[0]"},
      {idx(idx(c(), lit(0)), lit(1)), "c[0][1]"},
      {idx(c(), bin(Op::Or, a(), b())), "c[a || b]"},
      {bin(Op::Add, idx(c(), lit(0)), Expression(BoolLiteral{true})), "c[0] + true"},
      {bin(Op::Eq, Expression(BoolLiteral{false}), flt(2)), "false == 2.0"},
      {lit(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808"},
      {lit(std::numeric_limits<std::int64_t>::max()), "9223372036854775807"},
      {lit(0), "0"},
      {id("name.with$odd_chars"), "name.with$odd_chars"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.text);
    EXPECT_EQ(expr_text(r.e), r.text);
  }
}

// An expression is printed in short pieces gathered before they are appended: pieces longer
// than what is gathered, long register names, floats between the pieces and texts longer than
// the gathering keep their order.
TEST(PrintExpression, LongAndMixedPieces) {
  const std::string long_name(300, 'n');
  const std::string long_register(50, 'r');
  EXPECT_EQ(expr_text(bin(Op::Add, bin(Op::Mul, lit(2), id(long_name)), flt(0.5))), "2 * " + long_name + " + 0.5");
  EXPECT_EQ(expr_text(bin(Op::Sub, Expression(Element{long_register, 7}), Expression(Element{"c", 12}))),
            long_register + "[7] - c[12]");
  Expression sum = id("z");
  std::string text = "z";
  for (int k = 1; k <= 40; ++k) {
    sum = bin(Op::Add, std::move(sum), k % 2 ? Expression(Element{"c", k}) : flt(k / 4.0));
    text += k % 2 ? " + c[" + std::to_string(k) + "]" : " + " + format_float(k / 4.0);
  }
  std::string out = "x = ";
  print_expression(sum, out);
  EXPECT_EQ(out, "x = " + text);
}

TEST(PrintExpression, AppendsToBuffer) {
  std::string out = "x = ";
  print_expression(bin(Op::Add, id("a"), lit(1)), out);
  EXPECT_EQ(out, "x = a + 1");
  print_indexed_identifier(reg("q", 3), out);
  print_indexed_identifier(bare("c"), out);
  print_indexed_identifier(IndexedIdentifier{"c", bin(Op::Sub, id("n"), lit(1))}, out);
  EXPECT_EQ(out, "x = a + 1q[3]cc[n - 1]");
}

// Expression printing recurses; the translator bounds expression depth at 10,000.
TEST(PrintExpression, TenThousandDeep) {
  constexpr int kOps = 9'999;  // plus the leaf: 10,000 levels
  Expression left = id("a");
  Expression right = id("a");
  Expression unary = id("a");
  for (int k = 0; k < kOps; ++k) {
    left = bin(Op::Add, std::move(left), lit(1));
    right = bin(Op::Sub, id("b"), std::move(right));
    unary = neg(std::move(unary));
  }
  ASSERT_EQ(measure(left).depth, 10'000u);
  ASSERT_EQ(measure(right).depth, 10'000u);
  ASSERT_EQ(measure(unary).depth, 10'000u);

  std::string expected = "a";
  for (int k = 0; k < kOps; ++k) expected += " + 1";
  EXPECT_EQ(expr_text(left), expected);

  expected.clear();
  for (int k = 0; k < kOps - 1; ++k) expected += "b - (";
  expected += "b - a";
  expected.append(kOps - 1, ')');
  EXPECT_EQ(expr_text(right), expected);

  expected.clear();
  for (int k = 0; k < kOps - 1; ++k) expected += "-(";
  expected += "-a";
  expected.append(kOps - 1, ')');
  EXPECT_EQ(expr_text(unary), expected);
}

// ---- Floats --------------------------------------------------------------------------

TEST(FormatFloat, Table) {
  const double dbl_true_min = std::numeric_limits<double>::denorm_min();
  struct Row {
    double value;
    std::string text;
  };
  const Row rows[] = {
      {1.0, "1.0"},
      {-2.0, "-2.0"},
      {2.0, "2.0"},
      {0.5, "0.5"},
      {0.1, "0.1"},
      {0.25, "0.25"},
      {123.25, "123.25"},
      {3.141592653589793, "3.141592653589793"},
      {0.0, "0.0"},
      {-0.0, "-0.0"},
      {1e21, "1" + std::string(21, '0') + ".0"},
      {1e23, "1" + std::string(23, '0') + ".0"},  // the double nearest 1e23 is not 10^23
      {1e-7, "0.0000001"},
      {-1e-7, "-0.0000001"},
      {9007199254740993.0, "9007199254740992.0"},  // 2^53 + 1 rounds to 2^53
      {dbl_true_min, "0." + std::string(323, '0') + "5"},
      {-dbl_true_min, "-0." + std::string(323, '0') + "5"},
      {DBL_MIN, "0." + std::string(307, '0') + "22250738585072014"},
      {DBL_MAX, "17976931348623157" + std::string(292, '0') + ".0"},
      {std::numeric_limits<double>::quiet_NaN(), "nan"},
      {-std::numeric_limits<double>::quiet_NaN(), "nan"},
      {std::numeric_limits<double>::signaling_NaN(), "nan"},
      {std::numeric_limits<double>::infinity(), "inf"},
      {-std::numeric_limits<double>::infinity(), "-inf"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.text);
    EXPECT_EQ(format_float(r.value), r.text);
    std::string out = "rx(";
    append_float(out, r.value);
    EXPECT_EQ(out, "rx(" + r.text);
  }
}

std::uint64_t bits(double d) {
  std::uint64_t b;
  std::memcpy(&b, &d, sizeof b);
  return b;
}

// Checks that `text` is the positional, shortest round-trip form of the finite `value`.
void check_round_trip(double value) {
  const std::string text = format_float(value);
  SCOPED_TRACE(text);
  ASSERT_EQ(text.find_first_of("eE"), std::string::npos);

  // Shape: [-] digits "." digits, no leading zeros, no trailing zeros but the ".0" of a
  // whole number.
  std::size_t start = text[0] == '-' ? 1 : 0;
  EXPECT_EQ(text[0] == '-', std::signbit(value));
  std::size_t point = text.find('.');
  ASSERT_NE(point, std::string::npos);
  ASSERT_GT(point, start);
  ASSERT_LT(point + 1, text.size());
  for (std::size_t k = start; k < text.size(); ++k) {
    if (k != point) {
      ASSERT_TRUE(text[k] >= '0' && text[k] <= '9');
    }
  }
  if (point - start > 1) {
    EXPECT_NE(text[start], '0');
  }
  if (text.back() == '0') {
    EXPECT_EQ(text.size(), point + 2);
  }

  // Reads back to the same bits.
  double back = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), back);
  ASSERT_EQ(ec, std::errc{});
  ASSERT_EQ(end, text.data() + text.size());
  ASSERT_EQ(bits(back), bits(value));

  // Shortest: as many significant digits as the shortest scientific form.
  char sci[64];
  auto [sci_end, sci_ec] = std::to_chars(sci, sci + sizeof sci, value, std::chars_format::scientific);
  ASSERT_EQ(sci_ec, std::errc{});
  std::string mantissa(sci, std::find(sci, sci_end, 'e'));
  std::erase(mantissa, '-');
  std::erase(mantissa, '.');
  std::string digits = text.substr(start);
  std::erase(digits, '.');
  auto significant = [](std::string s) {
    s.erase(0, std::min(s.find_first_not_of('0'), s.size()));
    s.erase(std::min(s.find_last_not_of('0') + 1, s.size()));
    return s;
  };
  EXPECT_EQ(significant(digits), significant(mantissa));
}

TEST(FormatFloat, ExtremesRoundTrip) {
  std::vector<double> values = {DBL_MAX, DBL_MIN, std::numeric_limits<double>::denorm_min(),
                                std::nextafter(DBL_MIN, 0.0), std::nextafter(DBL_MAX, 0.0),
                                std::nextafter(1.0, 2.0), std::nextafter(1.0, 0.0), 0.0};
  for (int p = -320; p <= 308; ++p) {
    std::string s = "1e" + std::to_string(p);
    double v = 0;
    std::from_chars(s.data(), s.data() + s.size(), v);
    values.push_back(v);
    values.push_back(std::nextafter(v, 0.0));
    values.push_back(std::nextafter(v, HUGE_VAL));
  }
  for (std::size_t k = 0, n = values.size(); k < n; ++k) values.push_back(-values[k]);
  for (double v : values) {
    SCOPED_TRACE(v);
    check_round_trip(v);
  }
  // Powers of ten print as a 1 and zeros.
  EXPECT_EQ(format_float(1e-320), "0." + std::string(319, '0') + "1");
  EXPECT_EQ(format_float(1e308), "1" + std::string(308, '0') + ".0");
}

TEST(FormatFloat, RandomBitPatternsRoundTrip) {
  std::mt19937_64 rng(0x62726e74);
  int finite = 0;
  for (int k = 0; k < 200'000; ++k) {
    std::uint64_t b = rng();
    // Three in four are drawn from the subnormal, tiny and huge ranges.
    constexpr std::uint64_t kSignAndMantissa = 0x800F'FFFF'FFFF'FFFFull;
    if (k % 4 == 1) b &= kSignAndMantissa;  // subnormals
    if (k % 4 == 2) b = (b & kSignAndMantissa) | (std::uint64_t(0x7FE - k % 60) << 52);  // huge
    if (k % 4 == 3) b = (b & kSignAndMantissa) | (std::uint64_t(1 + k % 60) << 52);      // tiny
    double v;
    std::memcpy(&v, &b, sizeof v);
    if (!std::isfinite(v)) {
      EXPECT_EQ(format_float(v), std::isnan(v) ? "nan" : (v > 0 ? "inf" : "-inf"));
      continue;
    }
    ++finite;
    check_round_trip(v);
    if (testing::Test::HasFatalFailure()) return;
  }
  EXPECT_GT(finite, 190'000);
}

// ---- Statements ----------------------------------------------------------------------

TEST(PrintStatement, SimpleForms) {
  struct Row {
    const char* what;
    Statement s;
    const char* text;
  };
  Row rows[] = {
      {"include", Include{"stdgates.inc"}, "include \"stdgates.inc\";\n"},
      {"qubits", QubitDeclaration{"q", 2}, "qubit[2] q;\n"},
      {"qubits max", QubitDeclaration{"q", UINT64_MAX}, "qubit[18446744073709551615] q;\n"},
      {"bits", BitDeclaration{"c", 0}, "bit[0] c;\n"},
      {"output bits", OutputBitDeclaration{"out", 3}, "output bit[3] out;\n"},
      {"int", IntDeclaration{"cint_0", lit(0)}, "int cint_0 = 0;\n"},
      {"int min", IntDeclaration{"n", lit(INT64_MIN)}, "int n = -9223372036854775808;\n"},
      {"int expr", IntDeclaration{"n", bin(Op::Mul, bin(Op::Add, id("a"), lit(1)), lit(2))},
       "int n = (a + 1) * 2;\n"},
      {"assign bare", Assignment{bare("n"), bin(Op::Add, id("n"), lit(1))}, "n = n + 1;\n"},
      {"assign indexed", Assignment{reg("c", 2), Expression(BoolLiteral{false})}, "c[2] = false;\n"},
      {"gate", gate("h", {reg("q", 0)}), "h q[0];\n"},
      {"gate two operands", gate("cnot", {reg("q", 0), reg("q", 1)}), "cnot q[0], q[1];\n"},
      {"gate no operands", gate("barrier", {}), "barrier ;\n"},
      {"gate one argument", gate("rx", {reg("q", 1)}, list_args(flt(0.5))), "rx(0.5) q[1];\n"},
      {"gate two arguments", gate("u2", {reg("q", 1)}, list_args(flt(0.0), neg(id("t")))),
       "u2(0.0, -t) q[1];\n"},
      {"inverse", gate("s", {reg("q", 1)}, {}, 1), "inv @ s q[1];\n"},
      {"inverse twice", gate("h", {reg("q", 0)}, {}, 2), "inv @ inv @ h q[0];\n"},
      {"inverse with arguments", gate("rz", {reg("q", 0), bare("r")}, list_args(flt(-1.5)), 1),
       "inv @ rz(-1.5) q[0], r;\n"},
      {"measure", Measure{reg("q", 0), reg("c", 0)}, "c[0] = measure q[0];\n"},
      {"measure bare", Measure{bare("q"), bare("c")}, "c = measure q;\n"},
      {"reset", Reset{reg("q", 4)}, "reset q[4];\n"},
      {"barrier", Barrier{{reg("q", 2), reg("q", 0)}}, "barrier q[2], q[0];\n"},
      {"barrier on a register", Barrier{{bare("q")}}, "barrier q;\n"},
      {"empty if", If({}, {}, id("b")), "if (b) {\n}\n"},
      {"empty while", While({}, id("b")), "while (b) {\n}\n"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    EXPECT_EQ(stmt_text(r.s), r.text);
    // At level 2 every line gets four spaces in front.
    std::string indented;
    for (std::string_view t = r.text; !t.empty();) {
      std::size_t eol = t.find('\n') + 1;
      indented += "    ";
      indented += t.substr(0, eol);
      t.remove_prefix(eol);
    }
    EXPECT_EQ(stmt_text(r.s, 2), indented);
  }
}

TEST(PrintStatement, ControlFlowBlocks) {
  struct Row {
    const char* what;
    Statement s;
    unsigned level;
    const char* text;
  };
  Row rows[] = {
      {"if then", If(list(gate("x", {reg("q", 1)})), {}, idx(id("c"), lit(0))), 0,
       "if (c[0]) {\n  x q[1];\n}\n"},
      {"if empty then with else", If({}, list(Reset{reg("q", 0)}), id("b")), 0,
       "if (b) {\n} else {\n  reset q[0];\n}\n"},
      {"if else", If(list(gate("x", {reg("q", 1)}), gate("z", {reg("q", 0)})), list(Reset{reg("q", 1)}),
                     bin(Op::Eq, id("n"), lit(0))),
       1,
       "  if (n == 0) {\n"
       "    x q[1];\n"
       "    z q[0];\n"
       "  } else {\n"
       "    reset q[1];\n"
       "  }\n"},
      {"else holding an if", If(list(gate("x", {reg("q", 0)})), list(If(list(gate("y", {reg("q", 0)})), {}, id("b"))),
                                id("a")),
       0,
       "if (a) {\n"
       "  x q[0];\n"
       "} else {\n"
       "  if (b) {\n"
       "    y q[0];\n"
       "  }\n"
       "}\n"},
      {"nested", While(list(gate("h", {reg("q", 0)}),
                            If(list(While(list(Assignment{bare("n"), bin(Op::Add, id("n"), lit(1))}),
                                          bin(Op::Lt, id("n"), lit(3)))),
                               list(If({}, {}, id("d")), gate("x", {reg("q", 0)})), make_not(id("b"))),
                            Measure{reg("q", 0), reg("c", 0)}),
                       id("w")),
       0,
       "while (w) {\n"
       "  h q[0];\n"
       "  if (!b) {\n"
       "    while (n < 3) {\n"
       "      n = n + 1;\n"
       "    }\n"
       "  } else {\n"
       "    if (d) {\n"
       "    }\n"
       "    x q[0];\n"
       "  }\n"
       "  c[0] = measure q[0];\n"
       "}\n"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    EXPECT_EQ(stmt_text(r.s, r.level), r.text);
  }
}

// ---- Programs ------------------------------------------------------------------------

Program worked_example() {
  Program p;
  p.version = "3.0";
  p.body = list(
      QubitDeclaration{"q", 2}, BitDeclaration{"c", 2}, gate("h", {reg("q", 0)}),
      gate("s", {reg("q", 1)}, {}, 1), gate("rx", {reg("q", 1)}, list_args(flt(0.5))),
      gate("cnot", {reg("q", 0), reg("q", 1)}), Measure{reg("q", 0), reg("c", 0)},
      If(list(gate("x", {reg("q", 1)})), list(Reset{reg("q", 1)}), idx(id("c"), lit(0))),
      IntDeclaration{"n", lit(0)},
      While(list(gate("rz", {reg("q", 0)}, list_args(bin(Op::Mul, flt(0.25), id("n")))),
                 Assignment{bare("n"), bin(Op::Add, id("n"), lit(1))}),
            bin(Op::Lt, id("n"), lit(3))),
      Measure{reg("q", 1), reg("c", 1)});
  return p;
}

constexpr const char* kWorkedExample =
    "OPENQASM 3.0;\n"
    "qubit[2] q;\n"
    "bit[2] c;\n"
    "h q[0];\n"
    "inv @ s q[1];\n"
    "rx(0.5) q[1];\n"
    "cnot q[0], q[1];\n"
    "c[0] = measure q[0];\n"
    "if (c[0]) {\n"
    "  x q[1];\n"
    "} else {\n"
    "  reset q[1];\n"
    "}\n"
    "int n = 0;\n"
    "while (n < 3) {\n"
    "  rz(0.25 * n) q[0];\n"
    "  n = n + 1;\n"
    "}\n"
    "c[1] = measure q[1];\n";

TEST(PrintProgram, WorkedExample) { EXPECT_EQ(program_text(worked_example()), kWorkedExample); }

TEST(PrintProgram, HeaderAndEmptyBodies) {
  EXPECT_EQ(program_text(Program{"3.0", {}, {}}), "OPENQASM 3.0;\n");
  EXPECT_EQ(program_text(Program{"", {}, {}}), "");
  EXPECT_EQ(program_text(Program{"", list(QubitDeclaration{"q", 1}), {}}), "qubit[1] q;\n");
  EXPECT_EQ(program_text(Program{"3", list(Include{"stdgates.inc"}), {}}),
            "OPENQASM 3;\ninclude \"stdgates.inc\";\n");
}

TEST(PrintProgram, AppendsToExistingBuffer) {
  const std::string prefix = "// leading text without a line end";
  std::string out = prefix;
  print_program(worked_example(), out);
  EXPECT_EQ(out, prefix + kWorkedExample);

  out = "x";
  print_statement(If({}, list(Reset{reg("q", 0)}), id("b")), out, 1);
  EXPECT_EQ(out, "x  if (b) {\n  } else {\n    reset q[0];\n  }\n");
}

// A program given up to the printer lends it its longest printed lines as the output buffer:
// the text and the lines' origins are those of printing it in place, wherever those lines
// stand among the others.
TEST(PrintProgram, TakenProgramPrintsAsInPlace) {
  static const char kText[] = "x";
  const Origin from{kText, nullptr};
  auto printed = [&](const std::string& text, std::uint64_t count) {
    return Statement(Lines{text, count, count, std::vector<Origin>(count, from)});
  };
  const std::vector<StatementList> bodies = {
      list(QubitDeclaration{"q", 1}, printed("int a = 0;\n", 1), printed("h q[0];\nx q[0];\nz q[0];\n", 3),
           Reset{reg("q", 0)}),
      list(printed("h q[0];\nx q[0];\nz q[0];\n", 3), printed("int a = 0;\n", 1)),
      list(Reset{reg("q", 0)}),
  };
  for (const StatementList& body : bodies) {
    Program program{"3.0", body, {}};
    std::string in_place;
    LineOrigins in_place_origins;
    ASSERT_TRUE(print_program_within(program, in_place, SIZE_MAX, &in_place_origins));
    std::string taken;
    LineOrigins taken_origins;
    ASSERT_TRUE(print_program_within(std::move(program), taken, SIZE_MAX, &taken_origins));
    EXPECT_EQ(taken, in_place);
    EXPECT_EQ(taken_origins, in_place_origins);
  }
}

// ---- Deep statement nesting ----------------------------------------------------------

// Runs `fn` on a thread with a small stack, so that a printer recursing once per nesting
// level would overflow it.
template <class Fn>
void run_on_small_stack(Fn fn) {
  pthread_attr_t attr;
  ASSERT_EQ(pthread_attr_init(&attr), 0);
  ASSERT_EQ(pthread_attr_setstacksize(&attr, 256 * 1024), 0);
  pthread_t thread;
  auto trampoline = [](void* arg) -> void* {
    (*static_cast<Fn*>(arg))();
    return nullptr;
  };
  ASSERT_EQ(pthread_create(&thread, &attr, trampoline, &fn), 0);
  ASSERT_EQ(pthread_join(thread, nullptr), 0);
  pthread_attr_destroy(&attr);
}

TEST(PrintProgram, DeepStatementNesting) {
  // Wrapped from the inside out, cycling through: If (then body), While, If with the body
  // as its else body followed by a reset. The indentation makes the text grow with the
  // square of the depth, which keeps this depth moderate.
  constexpr int kDepth = 6'000;
  StatementList body = list(gate("x", {reg("q", 0)}));
  std::vector<int> kinds;  // outermost first, once built
  for (int k = 0; k < kDepth; ++k) {
    StatementList outer;
    switch (k % 3) {
      case 0:
        outer.push_back(If(std::move(body), {}, id("b")));
        break;
      case 1:
        outer.push_back(While(std::move(body), id("w")));
        break;
      default:
        outer.push_back(If({}, std::move(body), id("e")));
        outer.push_back(Reset{reg("q", 1)});
        break;
    }
    body = std::move(outer);
    kinds.insert(kinds.begin(), k % 3);
  }
  Program program{"3.0", std::move(body), {}};

  // The expected text, built front to back: the opening lines from the outside in, the
  // gate, then the closing lines from the inside out.
  std::string expected = "OPENQASM 3.0;\n";
  std::size_t lines = 1;
  for (std::size_t level = 0; level < kinds.size(); ++level) {
    expected.append(2 * level, ' ');
    if (kinds[level] == 0) expected += "if (b) {\n";
    if (kinds[level] == 1) expected += "while (w) {\n";
    if (kinds[level] == 2) {
      expected += "if (e) {\n";
      expected.append(2 * level, ' ');
      expected += "} else {\n";
      ++lines;
    }
    ++lines;
  }
  expected.append(2 * kinds.size(), ' ');
  expected += "x q[0];\n";
  ++lines;
  for (std::size_t level = kinds.size(); level-- > 0;) {
    expected.append(2 * level, ' ');
    expected += "}\n";
    ++lines;
    if (kinds[level] == 2) {
      expected.append(2 * level, ' ');
      expected += "reset q[1];\n";
      ++lines;
    }
  }

  std::string out;
  run_on_small_stack([&] { print_program(program, out); });
  EXPECT_EQ(out.size(), expected.size());
  EXPECT_EQ(std::size_t(std::count(out.begin(), out.end(), '\n')), lines);
  EXPECT_TRUE(out == expected);  // no diff dump of a text this size

  // print_statement is iterative too.
  std::string statements = "OPENQASM 3.0;\n";
  run_on_small_stack([&] {
    for (const Statement& s : program.body) print_statement(s, statements, 0);
  });
  EXPECT_TRUE(statements == expected);
}

}  // namespace
}  // namespace brintavel::qasm
