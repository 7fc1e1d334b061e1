// Operand and literal readers: top-level splitting, typed operands, name readers, words,
// and the integer and floating-point literal forms.
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "ir/operand_parser.hpp"
#include "support.hpp"

namespace {

using namespace brintavel;
using namespace brintavel::ir;
using text::Int128;
using testing_support::show;
using testing_support::show_double;


// The operand, or "error: <message>" (errors must be of the parse kind).
std::string outcome(const Result<Operand>& r) {
  if (r) return show(*r);
  EXPECT_EQ(r.error().kind, ErrorKind::Parse) << r.error().message;
  return "error: " + r.error().message;
}

std::string parse(std::string_view text) {
  TextPool pool;
  return outcome(parse_operand(text, pool));
}

constexpr std::string_view kI128Max = "170141183460469231731687303715884105727";
constexpr std::string_view kI128Min = "-170141183460469231731687303715884105728";

// ---- split_top_level ----------------------------------------------------------------------

struct SplitCase {
  std::string_view input;
  std::vector<std::string_view> pieces;  // empty: the error below
  std::string_view error = {};
};

const SplitCase kSplitCases[] = {
    {"", {""}},
    {"a,", {"a", ""}},
    {",", {"", ""}},
    {"a,,b", {"a", "", "b"}},
    {" x , y ", {"x", "y"}},
    {"i64 %a, [2 x i64] [i64 1, i64 2]", {"i64 %a", "[2 x i64] [i64 1, i64 2]"}},
    {"{i64, i1} %s, <2 x i32> <i32 1, i32 2>, (a, b), c", {"{i64, i1} %s", "<2 x i32> <i32 1, i32 2>", "(a, b)", "c"}},
    // An opening bracket left open swallows the rest.
    {"(a, b", {"(a, b"}},
    {"x, [y, z", {"x", "[y, z"}},
    // Quotes are not special.
    {"@\"a,b\", c", {"@\"a", "b\"", "c"}},
    // Pieces are trimmed of Unicode white space, vertical tab included.
    {"\u00A0a\u3000,\vb\u2003", {"a", "b"}},
    // The placeholder is the whole text, untrimmed.
    {"a) ", {}, R"m(unbalanced closing bracket in "a) ")m"},
    {" i64 ] ", {}, R"m(unbalanced closing bracket in " i64 ] ")m"},
    {"(a)), b", {}, R"m(unbalanced closing bracket in "(a)), b")m"},
    {"x >", {}, R"m(unbalanced closing bracket in "x >")m"},
    {"}", {}, R"m(unbalanced closing bracket in "}")m"},
    {"(a], b", {"(a]", "b"}},  // one depth counter for all bracket kinds
};

TEST(SplitTopLevel, Cases) {
  for (const SplitCase& c : kSplitCases) {
    auto r = split_top_level(c.input);
    if (c.error.empty()) {
      ASSERT_TRUE(r.has_value()) << text::quoted(c.input) << ": " << r.error().message;
      EXPECT_EQ(*r, c.pieces) << text::quoted(c.input);
    } else {
      ASSERT_FALSE(r.has_value()) << text::quoted(c.input);
      EXPECT_EQ(r.error().kind, ErrorKind::Parse);
      EXPECT_EQ(r.error().message, c.error);
    }
  }
}

// ---- parse_operand --------------------------------------------------------------------------

struct OperandCase {
  std::string_view input;
  std::string_view expected;  // show() of the operand, or "error: <message>"
};

const OperandCase kPointerCases[] = {
    {"%Qubit* inttoptr (i64 3 to %Qubit*)", "PtrConst(Qubit,3)"},
    {"ptr inttoptr (i64 -1 to ptr)", "PtrConst(-,-1)"},
    {"%Result* inttoptr (i64 +7 to %Result*)", "PtrConst(Result,7)"},
    {"%Qubit* inttoptr(i64 2 to %Qubit*)", "PtrConst(Qubit,2)"},
    {"%Qubit*  inttoptr   (i64   4   to  %Qubit*)", "PtrConst(Qubit,4)"},
    {"%Qubit*\u00A0inttoptr\u3000(i64\u20035 to %Qubit*)", "PtrConst(Qubit,5)"},
    {"i8* inttoptr (i64 9 to i8*)", "PtrConst(-,9)"},
    {"ptr inttoptr (i64 9223372036854775807 to ptr)", "PtrConst(-,9223372036854775807)"},
    {"ptr inttoptr (i64 -9223372036854775808 to ptr)", "PtrConst(-,-9223372036854775808)"},
    {"ptr inttoptr (i64 9223372036854775808 to ptr)",
     R"m(error: could not resolve pointer operand from constant text "ptr inttoptr (i64 9223372036854775808 to ptr)")m"},
    {"%Qubit* inttoptr (i64 x to %Qubit*)",
     R"m(error: could not resolve pointer operand from constant text "%Qubit* inttoptr (i64 x to %Qubit*)")m"},
    {"%Qubit* inttoptr (i64 3)",
     R"m(error: could not resolve pointer operand from constant text "%Qubit* inttoptr (i64 3)")m"},
    {"%Qubit* inttoptr (i64)",
     R"m(error: could not resolve pointer operand from constant text "%Qubit* inttoptr (i64)")m"},
    {"%Qubit* inttoptr i64 3",
     R"m(error: could not resolve pointer operand from constant text "%Qubit* inttoptr i64 3")m"},
    {"%Qubit* inttoptr (i64 +-3 to %Qubit*)",
     R"m(error: could not resolve pointer operand from constant text "%Qubit* inttoptr (i64 +-3 to %Qubit*)")m"},
    {"%Qubit* inttoptr (i64 --3 to %Qubit*)",
     R"m(error: could not resolve pointer operand from constant text "%Qubit* inttoptr (i64 --3 to %Qubit*)")m"},
    {"%Qubit* inttoptr (i64 - to %Qubit*)",
     R"m(error: could not resolve pointer operand from constant text "%Qubit* inttoptr (i64 - to %Qubit*)")m"},
    {"%Qubit* null", "PtrConst(Qubit,0)"},
    {"%Result* null", "PtrConst(Result,0)"},
    {"ptr null", "PtrConst(-,0)"},
    {"i8* null", "I8Null"},
    {"%Array** null", "PtrConst(Array*,0)"},
    {"%\"Qubit\"* null", "PtrConst(Qubit,0)"},
    {"%Qubit* NULL",
     R"m(error: could not resolve pointer operand from constant text "%Qubit* NULL")m"},
    {"ptr @g", "GlobalRef(g)"},
    {"ptr @\"a b\"", "GlobalRef(\"a b\")"},
    {"%Qubit* %q", "Ssa(q)"},
    {"ptr %\"x y\"", "Ssa(\"x y\")"},
    {"ptr getelementptr inbounds ([4 x i8], ptr @0, i64 0, i64 0)", "GetElementPtr"},
    {"i8* getelementptr inbounds ([4 x i8], [4 x i8]* @0, i32 0, i32 0)", "GetElementPtr"},
    {"getelementptr inbounds ([4 x i8], [4 x i8]* @0, i32 0, i32 0)", "GetElementPtr"},
    {"ptr getelementptr", "GetElementPtr"},
    {"getelementptr", "GetElementPtr"},
    {"i8* bitcast (void (%Qubit*)* @__quantum__qis__h__ctl to i8*)",
     "BitcastGlobal(__quantum__qis__h__ctl)"},
    {"ptr bitcast (ptr @\"odd name\" to ptr)", "BitcastGlobal(odd name)"},
    {"ptr bitcast(ptr @g to ptr)", "BitcastGlobal(g)"},
    {"ptr bitcast (i64 5 to ptr)", "GetElementPtr"},
    {"ptr bitcast (@)", "GetElementPtr"},
    {"ptr bitcast (", "GetElementPtr"},
    {"ptr bitcast", "GetElementPtr"},
    {"ptr bitcast @g", "GetElementPtr"},
    {"ptr undef", R"m(error: could not resolve pointer operand from constant text "ptr undef")m"},
    // The placeholder is the operand as written (trimmed), not the re-joined words.
    {" ptr  undef\t", R"m(error: could not resolve pointer operand from constant text "ptr  undef")m"},
    {"ptr", R"m(error: could not resolve pointer operand from constant text "ptr")m"},
    {"ptr noundef", R"m(error: could not resolve pointer operand from constant text "ptr noundef")m"},
    {"ptr nonnull %p", "Ssa(p)"},
    {"i64* %p", R"m(error: unsupported operand type "i64*" in operand "i64* %p")m"},
    {"%\"Qu bit\"* null",
     R"m(error: unsupported operand type "%\"Qu" in operand "%\"Qu bit\"* null")m"},
};

const OperandCase kIntegerCases[] = {
    {"i64 5", "ConstInt(5)"},
    {"i64 -5", "ConstInt(-5)"},
    {"i64 +5", "ConstInt(5)"},
    {"i64 noundef 5", "ConstInt(5)"},
    {"i64 5 noundef", "ConstInt(5)"},
    {"noundef i64\tsignext 5", "ConstInt(5)"},
    {"i64\v5", "ConstInt(5)"},
    {"\u00A0i64\u2003-7\u3000", "ConstInt(-7)"},
    {"i32 %x", "Ssa(x)"},
    {"i64 %\"a b\"", "Ssa(\"a b\")"},
    {"i64 @g", "GlobalRef(g)"},
    {"i 3", "ConstInt(3)"},
    {"i128 170141183460469231731687303715884105727", "ConstInt(170141183460469231731687303715884105727)"},
    {"i128 -170141183460469231731687303715884105728", "ConstInt(-170141183460469231731687303715884105728)"},
    {"i8 300", "ConstInt(300)"},  // the width is not checked
    {"i128 170141183460469231731687303715884105728",
     R"m(error: could not parse integer operand "170141183460469231731687303715884105728" (ty=i128))m"},
    {"i1 true", "ConstBool(true)"},
    {"i1 false", "ConstBool(false)"},
    {"i1 1", "ConstBool(true)"},
    {"i1 0", "ConstBool(false)"},
    {"i1 2", "ConstInt(2)"},
    {"i1 -1", "ConstInt(-1)"},
    {"i1 +1", "ConstInt(1)"},
    {"i1 %c", "Ssa(c)"},
    {"i1 TRUE", R"m(error: could not parse integer operand "TRUE" (ty=i1))m"},
    {"i64 true", R"m(error: could not parse integer operand "true" (ty=i64))m"},
    {"i8 null", "I8Null"},
    {"i64 null", R"m(error: could not parse integer operand "null" (ty=i64))m"},
    {"i64", R"m(error: could not parse integer operand "" (ty=i64))m"},
    {"i64 noundef", R"m(error: could not parse integer operand "" (ty=i64))m"},
    {"i64 @", "GlobalRef()"},
    {"i64 5 6", R"m(error: could not parse integer operand "5 6" (ty=i64))m"},
    // The value is the words joined by single spaces.
    {"i64  5 \u00A0 6", R"m(error: could not parse integer operand "5 6" (ty=i64))m"},
    {"i64 0x10", R"m(error: could not parse integer operand "0x10" (ty=i64))m"},
    {"i64 ...", R"m(error: could not parse integer operand "..." (ty=i64))m"},
    {"i64 \"q\tx\"", R"m(error: could not parse integer operand "\"q x\"" (ty=i64))m"},
};

const OperandCase kFloatCases[] = {
    {"double 0x3FF0000000000000", "ConstFloat(1)"},
    {"double -0x3FF0000000000000", "ConstFloat(-1)"},
    {"double 1.5", "ConstFloat(1.5)"},
    {"float -2.25e1", "ConstFloat(-22.5)"},
    {"half 2", "ConstFloat(2)"},
    {"double %x", "Ssa(x)"},
    {"double noundef 0.5", "ConstFloat(0.5)"},
    {"double 0x3FF0", R"m(error: could not parse float operand "0x3FF0" (ty=double))m"},
    {"float 1.0f", R"m(error: could not parse float operand "1.0f" (ty=float))m"},
    {"double @g", R"m(error: could not parse float operand "@g" (ty=double))m"},
    {"double", R"m(error: could not parse float operand "" (ty=double))m"},
    {"fp128 1.0", R"m(error: unsupported operand type "fp128" in operand "fp128 1.0")m"},
    {"bfloat 1.0", R"m(error: unsupported operand type "bfloat" in operand "bfloat 1.0")m"},
    {"Double 1.0", R"m(error: unsupported operand type "Double" in operand "Double 1.0")m"},
};

const OperandCase kOtherCases[] = {
    {"...", "error: unexpected ... in operand"},
    {" \t...\u00A0", "error: unexpected ... in operand"},
    {"....", R"m(error: unsupported operand type "...." in operand "....")m"},
    {"", "error: empty operand"},
    {" \u3000 ", "error: empty operand"},
    {"noundef", "error: empty operand"},
    {"noundef nonnull readonly", "error: empty operand"},
    {"label %x", R"m(error: unsupported operand type "label" in operand "label %x")m"},
    {"void", R"m(error: unsupported operand type "void" in operand "void")m"},
    {"{i64, i1} %s", R"m(error: unsupported operand type "{i64," in operand "{i64, i1} %s")m"},
    {"[2 x i64] %a", R"m(error: unsupported operand type "[2" in operand "[2 x i64] %a")m"},
    {"metadata !0", R"m(error: unsupported operand type "metadata" in operand "metadata !0")m"},
    {"i6\u00A04 5", R"m(error: could not parse integer operand "4 5" (ty=i6))m"},
    {"x\u200Bi64 5", "error: unsupported operand type \"x\\u{200b}i64\" in operand \"x\\u{200b}i64 5\""},
    {"getelementpt", R"m(error: unsupported operand type "getelementpt" in operand "getelementpt")m"},
};

void check_cases(std::span<const OperandCase> cases) {
  for (const OperandCase& c : cases) EXPECT_EQ(parse(c.input), c.expected) << text::quoted(c.input);
}

TEST(ParseOperand, Pointers) { check_cases(kPointerCases); }
TEST(ParseOperand, Integers) { check_cases(kIntegerCases); }
TEST(ParseOperand, Floats) { check_cases(kFloatCases); }
TEST(ParseOperand, MarkersEmptyAndUnsupportedTypes) { check_cases(kOtherCases); }

TEST(ParseOperand, EveryAttributeWordIsRemoved) {
  constexpr std::string_view kWords[] = {"writeonly", "readonly", "readnone", "nonnull", "noalias",
                                         "nocapture", "immarg",   "signext",  "zeroext", "byval",
                                         "sret",      "inreg",    "noundef"};
  for (std::string_view w : kWords) {
    std::string before = std::string(w) + " i64 1";
    std::string between = "i64 " + std::string(w) + " 1";
    std::string alone = std::string(w);
    EXPECT_EQ(parse(before), "ConstInt(1)") << w;
    EXPECT_EQ(parse(between), "ConstInt(1)") << w;
    EXPECT_EQ(parse(alone), "error: empty operand") << w;
    EXPECT_TRUE(is_attribute_word(w));
  }
  // Whole words only, case-sensitive; other LLVM attributes are not removed.
  EXPECT_EQ(parse("i64 noundefx 1"), R"m(error: could not parse integer operand "noundefx 1" (ty=i64))m");
  EXPECT_EQ(parse("NoUndef i64 1"), R"m(error: unsupported operand type "NoUndef" in operand "NoUndef i64 1")m");
  EXPECT_EQ(parse("nofree i64 1"), R"m(error: unsupported operand type "nofree" in operand "nofree i64 1")m");
  EXPECT_FALSE(is_attribute_word("dereferenceable"));
}

// parse_typed_operand(ty, v) must behave exactly like parse_operand("ty v").
TEST(ParseTypedOperand, MatchesParseOperandOfTheJoinedText) {
  struct Pair {
    std::string_view ty;
    std::string_view value;
  };
  constexpr Pair kPairs[] = {
      {"i64", "5"},
      {"i64", "noundef 5"},
      {"i64", "5 noundef"},
      {"i64", ""},
      {"i64", "noundef"},
      {"i64", "5  6"},
      {"i64", "5\u00A0\u00A06"},
      {"i64", "..."},
      {"i1", "true"},
      {"i1", "2"},
      {"i1", "%c"},
      {"i8", "null"},
      {"i8*", "null"},
      {"%Qubit*", "inttoptr (i64 2 to %Qubit*)"},
      {"%Qubit*", "inttoptr  (i64 2 to %Qubit*)"},
      {"ptr", "un  def"},
      {"ptr", "bitcast (ptr @g to ptr)"},
      {"ptr", "getelementptr (i8, ptr @g, i64 1)"},
      {"double", "0x3FF0000000000000"},
      {"double", "x"},
      {"label", "%x"},
      {"label", "noundef"},
      {"ptr", "noundef"},
      {"noundef", "i64 5"},
      {"noundef", ""},
      {"", "5"},
      {"", ""},
      {"getelementptr", "inbounds (i8, ptr @g)"},
      {"getelementptr", ""},
      {"getelementptr(i8,", "ptr @g)"},
      {"getelementpt", "r"},
      {"...", ""},
      {"i\u00A064", "5"},
      {"i64\v", "5"},
  };
  for (const Pair& p : kPairs) {
    std::string joined = std::string(p.ty) + " " + std::string(p.value);
    TextPool pool;
    std::string typed = outcome(parse_typed_operand(p.ty, p.value, pool));
    EXPECT_EQ(typed, parse(joined)) << text::quoted(joined);
  }
}

// ---- Name readers and words ---------------------------------------------------------------

TEST(FirstLocalName, ReadsTheRunAfterTheFirstPercent) {
  struct Case {
    std::string_view input;
    std::optional<std::string_view> name;
  };
  const Case kCases[] = {
      {"ptr %p, align 8", "p"},
      {"%1", "1"},
      {"x%y.z$_1 rest", "y.z$_1"},
      {"%a-b", "a"},
      {"ptr %\"q\"", std::nullopt},
      {"% p %q", std::nullopt},  // only the first % counts
      {"ptr @g", std::nullopt},
      {"", std::nullopt},
      {"%", std::nullopt},
  };
  for (const Case& c : kCases) EXPECT_EQ(first_local_name(c.input), c.name) << text::quoted(c.input);
}

TEST(ParseLabelName, QuotedOrNameCharacters) {
  struct Case {
    std::string_view input;
    std::string_view name;
  };
  constexpr Case kCases[] = {
      {"exit", "exit"},
      {"loop.header, label %x", "loop.header"},
      {"\"exit\"", "exit"},
      {"\"a b-c\" rest", "a b-c"},
      {"\"\"", ""},
      {"\"open", ""},
      {"-x", ""},
      {"", ""},
      {"0", "0"},
      {"a\u00A0b", "a"},
  };
  for (const Case& c : kCases) EXPECT_EQ(parse_label_name(c.input), c.name) << text::quoted(c.input);
}

TEST(ParseGlobalName, PlainAndQuoted) {
  struct Case {
    std::string_view input;
    std::optional<std::string_view> name;
    std::string_view rest = {};
  };
  const Case kCases[] = {
      {"@f(x)", "f", "(x)"},
      {"@__quantum__qis__h__body(%Qubit* null)", "__quantum__qis__h__body", "(%Qubit* null)"},
      {"@0", "0", ""},
      {"@a.b$c_d-e", "a.b$c_d", "-e"},
      {"@\"a b\"(x)", "a b", "(x)"},
      {"@\"a\\\"b\"", "a\\", "b\""},  // no escapes inside quotes
      {"@\"\"()", "", "()"},
      {"@\"open", std::nullopt},
      {"@", std::nullopt},
      {"@(", std::nullopt},
      {"@-x", std::nullopt},
      {"f", std::nullopt},
      {" @f", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : kCases) {
    auto g = parse_global_name(c.input);
    ASSERT_EQ(g.has_value(), c.name.has_value()) << text::quoted(c.input);
    if (!g) continue;
    EXPECT_EQ(g->name, *c.name) << text::quoted(c.input);
    EXPECT_EQ(g->rest, c.rest) << text::quoted(c.input);
  }
}

TEST(Words, UnicodeSpaceIsSkippedButOnlyAsciiSpaceEndsAWord) {
  struct Case {
    std::string_view input;
    std::string_view first;
    std::string_view after;
  };
  constexpr Case kCases[] = {
      {"call void @f()", "call", "void @f()"},
      {"  \t call   void", "call", "void"},
      {"\u00A0\u3000call void", "call", "void"},
      {"call\u00A0void", "call\u00A0void", ""},
      {"call\vvoid", "call\vvoid", ""},
      {"call\u2003void x", "call\u2003void", "x"},
      {"call\t\u3000\v void", "call", "void"},
      {"call\fvoid", "call", "void"},
      {"word", "word", ""},
      {"", "", ""},
      {" \u00A0 ", "", ""},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(first_word(c.input), c.first) << text::quoted(c.input);
    EXPECT_EQ(after_first_word(c.input), c.after) << text::quoted(c.input);
  }
}

// ---- Literals -----------------------------------------------------------------------------

TEST(ParseIntLiteral, DecimalWithinTheSigned128BitRange) {
  struct Case {
    std::string_view input;
    std::optional<std::string_view> value;  // decimal text of the expected value
  };
  const Case kCases[] = {
      {"0", "0"},
      {"-0", "0"},
      {"+5", "5"},
      {"-5", "-5"},
      {"000123", "123"},
      {" 42 ", "42"},
      {"\u00A042\u3000", "42"},
      {"\v7\v", "7"},
      {"9223372036854775808", "9223372036854775808"},
      {"-18446744073709551617", "-18446744073709551617"},
      {kI128Max, kI128Max},
      {kI128Min, kI128Min},
      {"+170141183460469231731687303715884105727", kI128Max},
      {"0000000000000000000000000000000000000000170141183460469231731687303715884105727", kI128Max},
      {"170141183460469231731687303715884105728", std::nullopt},
      {"-170141183460469231731687303715884105729", std::nullopt},
      {"340282366920938463463374607431768211456", std::nullopt},
      {"999999999999999999999999999999999999999999", std::nullopt},
      {"", std::nullopt},
      {" ", std::nullopt},
      {"+", std::nullopt},
      {"-", std::nullopt},
      {"--5", std::nullopt},
      {"+-5", std::nullopt},
      {"- 5", std::nullopt},
      {"5 6", std::nullopt},
      {"1_000", std::nullopt},
      {"1'000", std::nullopt},
      {"0x10", std::nullopt},
      {"1e3", std::nullopt},
      {"1.0", std::nullopt},
      {"true", std::nullopt},
      {"\u0661", std::nullopt},  // a non-ASCII digit
  };
  for (const Case& c : kCases) {
    auto v = parse_int_literal(c.input);
    ASSERT_EQ(v.has_value(), c.value.has_value()) << text::quoted(c.input);
    if (v) {
      EXPECT_EQ(text::cat(*v), *c.value) << text::quoted(c.input);
    }
  }
}

struct FloatCase {
  std::string_view input;
  std::optional<double> value;
};

const FloatCase kFloatLiteralCases[] = {
    // LLVM hexadecimal: 0x or -0x and exactly 16 hexadecimal digits, the IEEE bit pattern.
    {"0x3FF0000000000000", 1.0},
    {"0x3ff0000000000000", 1.0},
    {"0x3Ff0000000000000", 1.0},
    {"-0x3FF0000000000000", -1.0},
    {"0x400921FB54442D18", 3.141592653589793},
    {"0x8000000000000000", -0.0},
    {"-0x0000000000000000", -0.0},
    {"-0x8000000000000000", 0.0},
    {"0x0000000000000001", 0x1p-1074},
    {"0x7FF0000000000000", std::numeric_limits<double>::infinity()},
    {"-0x7FF0000000000000", -std::numeric_limits<double>::infinity()},
    {"0x7FF8000000000000", std::numeric_limits<double>::quiet_NaN()},
    {" 0x3FF0000000000000\u00A0", 1.0},
    {"0x3FF0", std::nullopt},
    {"0x3FF00000000000000", std::nullopt},
    {"0x3FF000000000000G", std::nullopt},
    {"0x", std::nullopt},
    {"-0x", std::nullopt},
    {"0X3FF0000000000000", std::nullopt},
    {"+0x3FF0000000000000", std::nullopt},
    {"0x1p3", std::nullopt},
    {"0x1.8p1", std::nullopt},
    // Decimal.
    {"0", 0.0},
    {"-0", -0.0},
    {"-0.0", -0.0},
    {"1.5", 1.5},
    {"+3", 3.0},
    {"-2.25", -2.25},
    {"5.", 5.0},
    {".5", 0.5},
    {"-.5", -0.5},
    {"+5.", 5.0},
    {"1e3", 1000.0},
    {"1E3", 1000.0},
    {"1e+3", 1000.0},
    {"1e-3", 0.001},
    {"1.5e3", 1500.0},
    {"5.e2", 500.0},
    {".5e1", 5.0},
    {"0.1", 0.1},
    {"00012.50", 12.5},
    {"\u30002.5\v", 2.5},
    {"3.141592653589793238462643383279", 3.141592653589793},
    {".", std::nullopt},
    {"-.", std::nullopt},
    {"+", std::nullopt},
    {"-", std::nullopt},
    {"", std::nullopt},
    {"e3", std::nullopt},
    {".e3", std::nullopt},
    {"1e", std::nullopt},
    {"1e+", std::nullopt},
    {"1e-", std::nullopt},
    {"1.5.2", std::nullopt},
    {"1..5", std::nullopt},
    {"1e3.5", std::nullopt},
    {"--1", std::nullopt},
    {"+-1", std::nullopt},
    {"1.5f", std::nullopt},
    {"1.5 2", std::nullopt},
    {"1,5", std::nullopt},
    {"1_000.0", std::nullopt},
    {"1'000.0", std::nullopt},
    {"1 000", std::nullopt},
    // Infinities and NaN, any case, optional sign; nothing else.
    {"inf", std::numeric_limits<double>::infinity()},
    {"INF", std::numeric_limits<double>::infinity()},
    {"+Inf", std::numeric_limits<double>::infinity()},
    {"-inf", -std::numeric_limits<double>::infinity()},
    {"infinity", std::numeric_limits<double>::infinity()},
    {"-InFiNiTy", -std::numeric_limits<double>::infinity()},
    {"nan", std::numeric_limits<double>::quiet_NaN()},
    {"NaN", std::numeric_limits<double>::quiet_NaN()},
    {"-NAN", std::numeric_limits<double>::quiet_NaN()},
    {"+nan", std::numeric_limits<double>::quiet_NaN()},
    {"nan(123)", std::nullopt},
    {"nan()", std::nullopt},
    {"nans", std::nullopt},
    {"infin", std::nullopt},
    {"infinityy", std::nullopt},
    {"in", std::nullopt},
    {"i nf", std::nullopt},
    {"1inf", std::nullopt},
    // Rounding to nearest: huge values are infinite, tiny ones zero or subnormal.
    {"1e308", 1e308},
    {"1.7976931348623157e308", std::numeric_limits<double>::max()},
    {"1.7976931348623158e308", std::numeric_limits<double>::max()},
    {"1.7976931348623159e308", std::numeric_limits<double>::infinity()},
    {"1e309", std::numeric_limits<double>::infinity()},
    {"-1e400", -std::numeric_limits<double>::infinity()},
    {"1e999999999999999999999", std::numeric_limits<double>::infinity()},
    {"2.2250738585072014e-308", std::numeric_limits<double>::min()},
    {"2.2250738585072009e-308", 0x0.fffffffffffffp-1022},
    {"1e-310", 1e-310},
    {"-1e-320", -1e-320},
    {"4.9406564584124654e-324", 0x1p-1074},
    {"5e-324", 0x1p-1074},
    {"2.4703282292062328e-324", 0x1p-1074},
    {"2.4703282292062327e-324", 0.0},
    {"1e-400", 0.0},
    {"-1e-400", -0.0},
    {"1e-999999999999999999999", 0.0},
    {"0e999999999999", 0.0},
    {"0.0000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
     "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
     "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
     "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
     "00000000000000000000000000000000000000000000000000000000000000000000000000001",
     0.0},
    {"1000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
     "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
     "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
     "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
     ".0",
     std::numeric_limits<double>::infinity()},
    {"0.00000000000000000000000000000000000000000000000000000000001e300", 1e241},
};

TEST(ParseFloatLiteral, Forms) {
  for (const FloatCase& c : kFloatLiteralCases) {
    auto v = parse_float_literal(c.input);
    ASSERT_EQ(v.has_value(), c.value.has_value()) << text::quoted(c.input);
    if (!v) continue;
    if (std::isnan(*c.value)) {
      EXPECT_TRUE(std::isnan(*v)) << text::quoted(c.input);
    } else {
      // Bit-exact, so that -0.0 and the last place of a subnormal count.
      EXPECT_EQ(std::bit_cast<std::uint64_t>(*v), std::bit_cast<std::uint64_t>(*c.value))
          << text::quoted(c.input) << " gave " << show_double(*v);
    }
  }
}

}  // namespace
