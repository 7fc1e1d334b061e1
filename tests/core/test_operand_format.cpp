// The debug rendering of operands that messages embed: one form per operand kind, doubles
// in positional or exponent form, and texts in quoted form.
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ir/operand_format.hpp"

namespace brintavel::ir {
namespace {

constexpr Int128 kInt128Max = Int128::max();

TEST(DebugRender, EachOperandKind) {
  struct Case {
    Operand operand;
    std::string rendered;
  };
  const std::vector<Case> cases = {
      {ConstInt{5}, "ConstInt(5)"},
      {ConstInt{-5}, "ConstInt(-5)"},
      {ConstInt{0}, "ConstInt(0)"},
      {ConstInt{kInt128Max}, "ConstInt(170141183460469231731687303715884105727)"},
      {ConstInt{-kInt128Max - 1}, "ConstInt(-170141183460469231731687303715884105728)"},
      {ConstBool{true}, "ConstBool(true)"},
      {ConstBool{false}, "ConstBool(false)"},
      {ConstFloat{1.0}, "ConstFloat(1.0)"},
      {ConstFloat{-2.5e20}, "ConstFloat(-2.5e20)"},
      {PtrConst{"Qubit", 3}, "PtrConst { struct_name: Some(\"Qubit\"), index: 3 }"},
      {PtrConst{std::nullopt, 0}, "PtrConst { struct_name: None, index: 0 }"},
      {PtrConst{"Result", -1}, "PtrConst { struct_name: Some(\"Result\"), index: -1 }"},
      {Ssa{"x"}, "Ssa(\"x\")"},
      {Ssa{"0"}, "Ssa(\"0\")"},
      {GlobalRef{"g"}, "GlobalRef(\"g\")"},
      {GetElementPtr{}, "GetElementPtr"},
      {BitcastGlobal{"cstr.r0"}, "BitcastGlobal(\"cstr.r0\")"},
      {I8Null{}, "I8Null"},
  };
  for (const Case& c : cases) EXPECT_EQ(debug_render(c.operand), c.rendered);
}

TEST(DebugRender, NamesAppearInQuotedForm) {
  struct Case {
    std::string_view name;
    std::string rendered;
  };
  const std::vector<Case> cases = {
      {"a\"b", R"(Ssa("a\"b"))"},
      {"a\\b", R"(Ssa("a\\b"))"},
      {"tab\there", R"(Ssa("tab\there"))"},
      {"cr\rlf\n", R"(Ssa("cr\rlf\n"))"},
      {std::string_view("nul\0x", 5), R"(Ssa("nul\0x"))"},
      {"\x01\x1f", R"(Ssa("\u{1}\u{1f}"))"},
      {"del\x7f", R"(Ssa("del\u{7f}"))"},
      {"\xc2\x9f", R"(Ssa("\u{9f}"))"},                 // U+009F
      {"soft\xc2\xad", R"(Ssa("soft\u{ad}"))"},         // U+00AD
      {"zw\xe2\x80\x8b", R"(Ssa("zw\u{200b}"))"},       // U+200B
      {"\xe2\x80\xa8\xe2\x81\xa0", R"(Ssa("\u{2028}\u{2060}"))"},
      {"bom\xef\xbb\xbf", R"(Ssa("bom\u{feff}"))"},
      {"caf\xc3\xa9 'q'", "Ssa(\"caf\xc3\xa9 'q'\")"},  // printable text and single quotes as they are
  };
  for (const Case& c : cases) EXPECT_EQ(debug_render(Ssa{c.name}), c.rendered) << c.rendered;
  EXPECT_EQ(debug_render(GlobalRef{"\"g\""}), R"(GlobalRef("\"g\""))");
  EXPECT_EQ(debug_render(BitcastGlobal{"a\\b"}), R"(BitcastGlobal("a\\b"))");
  EXPECT_EQ(debug_render(PtrConst{"Q\"", 1}), R"(PtrConst { struct_name: Some("Q\""), index: 1 })");
}

TEST(DebugRender, Doubles) {
  struct Case {
    double value;
    std::string text;
  };
  const double inf = std::numeric_limits<double>::infinity();
  const std::vector<Case> cases = {
      // positional: at least one fractional digit
      {1.0, "1.0"},
      {-2.0, "-2.0"},
      {0.0, "0.0"},
      {-0.0, "-0.0"},
      {0.001, "0.001"},
      {0.0001, "0.0001"},  // 1e-4 itself is not below the threshold
      {123.25, "123.25"},
      {0.1, "0.1"},
      {3.141592653589793, "3.141592653589793"},
      {1e15, "1000000000000000.0"},
      {9999999999999998.0, "9999999999999998.0"},
      // exponent form: |v| >= 1e16 or non-zero |v| < 1e-4
      {1e16, "1e16"},
      {-1e16, "-1e16"},
      {1.5e-5, "1.5e-5"},
      {9.99e-5, "9.99e-5"},
      {-2.5e20, "-2.5e20"},
      {1.2345678901234568e17, "1.2345678901234568e17"},
      {1e100, "1e100"},
      {1e-100, "1e-100"},
      {5e-324, "5e-324"},
      {1.7976931348623157e308, "1.7976931348623157e308"},
      // not numbers
      {std::nan(""), "NaN"},
      {-std::nan(""), "NaN"},
      {inf, "inf"},
      {-inf, "-inf"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(debug_render_float(c.value), c.text) << c.text;
    EXPECT_EQ(debug_render(ConstFloat{c.value}), "ConstFloat(" + c.text + ")");
  }
}

}  // namespace
}  // namespace brintavel::ir
