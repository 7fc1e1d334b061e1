// The extended lowering of values, row by row: each row's instructions follow a prelude that
// measures two bits and builds n = c[0] + 2 c[1] (by zext, shl and or), and define the i1 %c
// that a branch tests. The row gives the branch condition as printed, or the message. The
// golden files under tests/data/extended cover whole programs and their meaning.
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "brintavel/brintavel.hpp"

namespace {

using namespace brintavel;

const std::string kPrelude =
    "%Qubit = type opaque\n%Result = type opaque\n"
    "define void @main() #0 {\nentry:\n"
    "  call void @__quantum__qis__mz__body(%Qubit* null, %Result* null)\n"
    "  call void @__quantum__qis__mz__body(%Qubit* inttoptr (i64 1 to %Qubit*), %Result* inttoptr (i64 1 to %Result*))\n"
    "  %r0 = call i1 @__quantum__qis__read_result__body(%Result* null)\n"
    "  %r1 = call i1 @__quantum__qis__read_result__body(%Result* inttoptr (i64 1 to %Result*))\n"
    "  %b0 = zext i1 %r0 to i64\n"
    "  %b1 = zext i1 %r1 to i64\n"
    "  %b1s = shl i64 %b1, 1\n"
    "  %n = or i64 %b0, %b1s\n"
    "  %big = mul i64 %n, 1000000000\n";
const std::string kEnd =
    "  br i1 %c, label %then, label %done\n"
    "then:\n"
    "  call void @__quantum__qis__x__body(%Qubit* inttoptr (i64 2 to %Qubit*))\n"
    "  br label %done\n"
    "done:\n  ret void\n}\n"
    "declare void @__quantum__qis__x__body(%Qubit*)\n"
    "declare void @__quantum__qis__mz__body(%Qubit*, %Result*)\n"
    "declare i1 @__quantum__qis__read_result__body(%Result*)\n"
    "attributes #0 = { \"entry_point\" \"qir_profiles\"=\"adaptive_profile\" }\n";

// The condition of the program's last if statement (the branch on %c), or "error: " and the message.
std::string condition(std::string_view body) {
  TranslateOptions options;
  options.extended = true;
  auto result = translate(kPrelude + std::string(body) + kEnd, options);
  if (!result) return "error: " + describe(result.error());
  const std::string& text = result->program;
  std::size_t start = text.rfind("if (");
  if (start == std::string::npos) return text;
  start += 4;
  return text.substr(start, text.find(") {\n", start) - start);
}

const std::string kN = "c[0] + c[1] * 2";

// Three more measured bits: %m = n + 4 c[2] + 8 c[3] + 16 c[4] takes 32 values, more than a
// value is written case by case over.
std::string wide(std::string_view rest) {
  std::string s;
  for (int k = 2; k <= 4; ++k) {
    std::string i = std::to_string(k + 1), r = std::to_string(k);
    s += "  call void @__quantum__qis__mz__body(%Qubit* inttoptr (i64 " + i + " to %Qubit*), %Result* inttoptr (i64 " +
         r + " to %Result*))\n";
    s += "  %r" + r + " = call i1 @__quantum__qis__read_result__body(%Result* inttoptr (i64 " + r + " to %Result*))\n";
    s += "  %w" + r + " = zext i1 %r" + r + " to i64\n  %v" + r + " = shl i64 %w" + r + ", " + r + "\n";
  }
  s += "  %m2 = add i64 %n, %v2\n  %m3 = add i64 %m2, %v3\n  %m = add i64 %m3, %v4\n";
  return s + std::string(rest);
}

TEST(Extended, ValuesAndTheirExactForms) {
  struct Row {
    std::string body;
    std::string expected;
  };
  const Row rows[] = {
      // Integers built from bits keep their bits, as int 0/1 expressions: shifts move them,
      // masks pick them, xor of bits is their sum modulo 2.
      {"  %s = shl i64 %b1, 3\n  %l = lshr i64 %s, 2\n  %c = icmp eq i64 %l, 2\n", "c[1] * 2 == 2"},
      {"  %m = and i64 %n, 6\n  %c = icmp eq i64 %m, 2\n", "c[1] * 2 == 2"},
      {"  %p = xor i64 %b0, %b1\n  %c = trunc i64 %p to i1\n", "(c[0] + c[1]) % 2 == 1"},
      // An or of patterns without common bits takes each bit from the one that may set it.
      {"  %s = shl i64 %b1, 2\n  %o = or i64 %s, %b0\n  %c = icmp eq i64 %o, 5\n", "c[0] + c[1] * 4 == 5"},
      // Operations on possibly negative values, exact whatever the rounding of / and %.
      {"  %k = xor i64 %n, -1\n  %c = icmp slt i64 %k, -2\n", "-4 + ((1 - c[0]) + (1 - c[1]) * 2) < -2"},
      {"  %k = or i64 %n, -4\n  %c = icmp eq i64 %k, -1\n", "-4 + (" + kN + ") == -1"},
      {"  %d = sub i64 %n, 2\n  %f = ashr i64 %d, 1\n  %c = icmp eq i64 %f, -1\n",
       "((" + kN + ") - 2 - (((" + kN + ") - 2) % 2 + 2) % 2) / 2 == -1"},
      {"  %d = sub i64 %n, 2\n  %c = icmp ult i64 %d, 2\n", "(" + kN + ") - 2 >= 0 && (" + kN + ") - 2 < 2"},
      // Results that may leave their width wrap as LLVM's do.
      {"  %t = trunc i64 %big to i32\n  %c = icmp slt i32 %t, 0\n",
       "((" + kN + ") * 1000000000 + 6442450944) % 4294967296 - 2147483648 < 0"},
      {"  %e = sext i1 %r0 to i64\n  %c = icmp eq i64 %e, -1\n", "-c[0] == -1"},
      // Constants fold as LLVM computes them: ashr rounds down, sdiv toward zero (add keeps
      // the base rules' form).
      {"  %s = shl i64 1, 3\n  %a = ashr i64 -7, 1\n  %q = sdiv i64 -7, 2\n  %t = add i64 %s, %a\n"
       "  %u = add i64 %t, %q\n  %c = icmp eq i64 %u, %n\n",
       "8 + -4 + -3 == " + kN},
      // A comparison of doubles computed from measurements is decided case by case over them;
      // no NaN arises, so ord is true and uno false.
      {"  %x = uitofp i1 %r0 to double\n  %y = sitofp i1 %r1 to double\n  %z = fadd double %x, %y\n"
       "  %c = fcmp olt double %z, 0.0\n",
       "c[1] == 1 && c[0] == 0"},
      {"  %x = sitofp i64 %n to double\n  %o = fcmp ord double %x, 1.0\n  %u = fcmp uno double %x, 1.0\n"
       "  %c = or i1 %o, %u\n",
       "true == 1 || false == 1"},
      {"  %x = sitofp i64 %n to double\n  %y = frem double %x, 2.0\n  %c = fcmp oeq double %y, 1.0\n",
       "c[1] == 0 && c[0] == 1 || c[1] == 1 && c[0] == 1"},
      {"  %x = sitofp i64 %n to double\n  %y = fptrunc double %x to float\n  %c = fcmp oeq float %y, 1.0\n",
       "c[1] == 0 && c[0] == 1"},
      // A wider integer branched on (which LLVM's verifier refuses) is tested as bound, as the
      // default mode tests it.
      {"  %c = sub i64 %n, 1\n", "(" + kN + ") - 1"},
      // A name defined again (which LLVM's verifier refuses) is read as its later definition:
      // the bits known of the earlier one are not taken for it.
      {"  %n = add i64 %b0, %b1\n  %m = and i64 %n, 2\n  %c = icmp eq i64 %m, 2\n",
       "(((c[0] + c[1]) / 2) % 2) * 2 == 2"},
      // A line of an opcode this mode reads that it cannot read fails where it is lowered.
      {"  sdiv i64 %n, 2\n  %c = icmp eq i64 %n, 3\n", "error: sdiv without SSA result assignment"},
      // A value without an exact form fails where it is used, and only there.
      {"  %d = sub i64 %n, 2\n  %h = lshr i64 %d, 1\n  %c = icmp eq i64 %n, 3\n", kN + " == 3"},
      // Values with no form the dialect writes per shot, of few inputs, are written case by case.
      {"  %d = sub i64 %n, 2\n  %q = udiv i64 %d, 2\n  %c = icmp eq i64 %q, 0\n", "cint_0 == 0"},
      {"  %s = shl i64 %n, %b1\n  %t = add i64 %s, 1\n  %c = icmp eq i64 %t, 2\n", "cint_0 + 1 == 2"},
      {wide("  %d = sub i64 %m, 2\n  %q = udiv i64 %d, 2\n  %c = icmp eq i64 %q, 0\n"),
       "error: SSA value \"q\" (udiv i64) has no exact form in the OpenQASM dialect: an unsigned "
       "division of a possibly negative integer"},
      {wide("  %s = shl i64 %m, %b1\n  %t = add i64 %s, 1\n  %c = icmp eq i64 %t, 2\n"),
       "error: SSA value \"s\" (shl i64) has no exact form in the OpenQASM dialect: a shift by an "
       "amount known only at run time"},
  };
  for (const Row& row : rows) EXPECT_EQ(condition(row.body), row.expected) << row.body;
}

// Asked, a refusal of the default mode says whether the extended mode translates the module.
TEST(Extended, RefusalsSayWhetherTheExtendedModeTranslates) {
  struct Row {
    std::string body;
    bool check;
    bool expected;
  };
  const Row rows[] = {
      {"  %c = icmp eq i64 %n, 3\n", true, true},         // `or i64` is refused by the default mode
      {"  %c = icmp eq i64 %n, 3\n", false, false},       // not asked
      {wide("  %s = shl i64 %m, %b1\n  %c = icmp eq i64 %s, 2\n"), true, false},  // refused by both
  };
  for (const Row& row : rows) {
    TranslateOptions options;
    options.check_extended = row.check;
    auto result = translate(kPrelude + std::string(row.body) + kEnd, options);
    ASSERT_FALSE(result) << row.body;
    EXPECT_EQ(result.error().extended_translates, row.expected) << row.body;
  }
}

}  // namespace

namespace {

// The translation of a row whose body rotates q[6] by %a (and branches on %c = n == 0).
Result<Translation> rotated(const std::string& body) {
  TranslateOptions options;
  options.extended = true;
  std::string rotation = "  call void @__quantum__qis__rz__body(double %a, %Qubit* inttoptr (i64 6 to %Qubit*))\n";
  std::string end = kEnd;
  end.insert(end.find("declare"), "declare void @__quantum__qis__rz__body(double, %Qubit*)\n");
  return translate(kPrelude + body + rotation + "  %c = icmp eq i64 %n, 0\n" + end, options);
}

}  // namespace

// An angle computed from measurements is written case by case; one of too many cases is kept
// as it is, with a warning at its call.
TEST(Extended, AnglesComputedFromMeasurements) {
  auto sum = rotated(wide("  %x = sitofp i64 %m to double\n  %a = fmul double %x, 0.5\n"));
  ASSERT_TRUE(sum) << describe(sum.error());
  EXPECT_TRUE(sum->warnings.empty());
  // 0.5 m is a sum of one term per measured bit: a rotation for each.
  EXPECT_NE(sum->program.find("if (c[0] == 1) {\n  rz(0.5) q[6];\n}\n"), std::string::npos) << sum->program;
  EXPECT_NE(sum->program.find("if (c[4] == 1) {\n  rz(8.0) q[6];\n}\n"), std::string::npos) << sum->program;

  auto square = rotated(wide("  %x = sitofp i64 %m to double\n  %y = fmul double %x, %x\n  %a = fmul double %y, 0.5\n"));
  ASSERT_TRUE(square) << describe(square.error());
  EXPECT_NE(square->program.find("rz(float[64]("), std::string::npos) << square->program;
  ASSERT_EQ(square->warnings.size(), 1u);
  EXPECT_EQ(square->warnings[0].message,
            "the angle \"a\" of \"__quantum__qis__rz__body\" is computed at run time from values that take too many "
            "cases to write each; the service evaluates it once for all shots");
  ASSERT_TRUE(square->warnings[0].position);
  EXPECT_EQ(square->warnings[0].position->column, 3u);

}
