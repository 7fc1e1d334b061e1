// The signature table: header-line recognition, keywords, return types, names, parameter
// lists, type normalization, replacement of repeated names, and every message.
#include <span>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "support/text.hpp"
#include "signatures.hpp"

namespace {

using namespace brintavel;

// "name: ret (p1, p2, ...)"
std::string show(const Signature& sig) {
  std::string out = std::string(sig.name) + ": " + std::string(sig.return_type) + " (";
  for (std::size_t k = 0; k < sig.params.size(); ++k) out += (k ? ", " : "") + std::string(sig.params[k]);
  if (sig.is_variadic) out += sig.params.empty() ? "..." : ", ...";
  return out + ")";
}

// Every entry in table order, one per line, or "error: <message>".
std::string build(std::string_view source) {
  auto r = build_signature_table(source);
  if (!r) {
    EXPECT_EQ(r.error().kind, ErrorKind::Parse) << r.error().message;
    return "error: " + r.error().message;
  }
  std::string out;
  for (const Signature& sig : r->entries()) out += show(sig) + "\n";
  return out;
}

struct Case {
  std::string_view source;
  std::string_view expected;
};

void check(std::span<const Case> cases) {
  for (const Case& c : cases) EXPECT_EQ(build(c.source), c.expected) << text::quoted(c.source);
}

// ---- Header lines ---------------------------------------------------------------------------

const Case kHeaderLines[] = {
    {"", ""},
    {"; only a comment\n@g = global i64 0\n", ""},
    {"declare void @__quantum__qis__h__body(%Qubit*)", "__quantum__qis__h__body: void (Qubit)\n"},
    {"define void @main() #0 {\nentry:\n  ret void\n}\n", "main: void ()\n"},
    {"  declare void @f()  \r\n", "f: void ()\n"},
    {"\u00A0\u3000declare\tvoid @f()\u2003", "f: void ()\n"},
    // The keyword must be followed by ASCII white space or the end of the line.
    {"declared void @f(\ndeclares void @g(\ndefined void @h(\ndefines\n", ""},
    {"declare\u00A0void @f(\ndefine\vvoid @g(\n", ""},
    {"  call void @f()\n  ; declare void @g(\n", ""},
    // Body lines are read too: a header-like line anywhere counts.
    {"define void @main() {\n  declare i1 @odd()\n}\n", "main: void ()\nodd: i1 ()\n"},
    // Keywords are skipped; other words before the return type are not.
    {"declare dso_local zeroext i1 @f(i64 noundef %x)", "f: i1 (i64)\n"},
    {"define internal fastcc void @f() local_unnamed_addr #0 {", "f: void ()\n"},
    {"declare noundef i32 @f()", "error: could not parse signature line: \"declare noundef i32 @f()\""},
    {"declare nounwind void @f()", "error: could not parse signature line: \"declare nounwind void @f()\""},
    {"declare", "error: could not parse signature line: \"declare\""},
    {"define \t ", "error: could not parse signature line: \"define\""},
    {"declare dso_local", "error: could not parse signature line: \"declare dso_local\""},
    {"declare void", "error: could not parse signature line: \"declare void\""},
    {"declare void @", "error: could not parse signature line: \"declare void @\""},
    {"declare void @(i64)", "error: could not parse signature line: \"declare void @(i64)\""},
    {"declare void @-f(i64)", "error: could not parse signature line: \"declare void @-f(i64)\""},
    {"declare void\u00A0@f()", "error: could not parse signature line: \"declare void\u00A0@f()\""},
    {"define void f() {", "error: could not parse signature line: \"define void f() {\""},
    // Words end at ASCII white space only, so a keyword glued to the type by U+00A0 is
    // taken as the return type.
    {"declare dso_local\u00A0void @f()", "error: could not parse parameter type \"dso_local\u00A0void\""},
    {"declare void @f\u00A0(i64)", "f: void (i64)\n"},
    // The placeholder is the trimmed line in quoted form.
    {"\tdeclare void \"x\" @f()\r\n",
     "error: could not parse signature line: \"declare void \\\"x\\\" @f()\""},
};

TEST(SignatureTable, HeaderLinesKeywordsAndNames) { check(kHeaderLines); }

TEST(SignatureTable, EveryHeaderKeywordIsSkipped) {
  constexpr std::string_view kKeywords[] = {
      "cc",        "ccc",      "weak",      "common",       "hidden",             "fastcc",
      "coldcc",    "tailcc",   "private",   "default",      "signext",            "zeroext",
      "internal",  "linkonce", "weak_odr",  "external",     "dso_local",          "appending",
      "protected", "linkonce_odr", "local_unnamed_addr", "available_externally"};
  std::string all = "declare";
  for (std::string_view k : kKeywords) {
    std::string line = "declare " + std::string(k) + " i64 @f()";
    EXPECT_EQ(build(line), "f: i64 ()\n") << k;
    all += " " + std::string(k);
  }
  EXPECT_EQ(build(all + "  double @g()"), "g: double ()\n");
  // Whole, case-sensitive words only.
  EXPECT_EQ(build("declare Weak void @f()"), "error: could not parse signature line: \"declare Weak void @f()\"");
  EXPECT_EQ(build("declare weakx void @f()"), "error: could not parse signature line: \"declare weakx void @f()\"");
}

// ---- Return types, names and parameter lists ------------------------------------------------

const Case kShapes[] = {
    {"declare void @__quantum__qis__mz__body(ptr, ptr writeonly)", "__quantum__qis__mz__body: void (ptr, ptr)\n"},
    {"declare void @generalizedInvokeWithRotationsControlsTargets(i64, i64, i64, i64, i8*, ...)",
     "generalizedInvokeWithRotationsControlsTargets: void (i64, i64, i64, i64, i8, ...)\n"},
    {"declare %Result* @__quantum__rt__result_get_one()", "__quantum__rt__result_get_one: Result ()\n"},
    {"declare i1 @__quantum__rt__read_result(ptr nocapture readonly %r) #1",
     "__quantum__rt__read_result: i1 (ptr)\n"},
    {"declare void @f(%Qubit* %q, %\"odd-type\"* %x, %String)", "f: void (Qubit, odd-type, String)\n"},
    // Parameter words end at ASCII white space, quotes or not.
    {"declare void @f(%\"odd type\"* %x)", "error: could not parse parameter type \"%\\\"odd\""},
    {"declare void @f(...)", "f: void (...)\n"},
    {"declare void @f(  )", "f: void ()\n"},
    {"declare void @f(\u00A0)", "f: void ()\n"},
    {"declare void @f()(i64)", "f: void ()\n"},
    {"declare void @f (i64) #0 { ( ]", "f: void (i64)\n"},
    {"declare void @f-x(i64)", "f: void (i64)\n"},
    {"define { i64, i1 } @f() {", "f: struct ()\n"},
    {"define {i64,{i1, i8}}@f()", "f: struct ()\n"},
    {"define {i64 @f()", "error: unclosed struct return type: \"define {i64 @f()\""},
    {"define {i64, {i1} @f()", "error: unclosed struct return type: \"define {i64, {i1} @f()\""},
    {"declare void @\"odd name\"(i64)", "odd name: void (i64)\n"},
    {"declare void @\"\"(i64)", ": void (i64)\n"},
    {"declare void @\"a\\\"b\"(i64)", "a\\: void (i64)\n"},  // no escapes inside the quotes
    {"declare void @\"odd(i64)", "error: unterminated quoted name: \"declare void @\\\"odd(i64)\""},
    {"declare void @f", "error: signature missing '(': \"declare void @f\""},
    {"declare void @\"f(\"", "error: signature missing '(': \"declare void @\\\"f(\\\"\""},
    {"declare void @f(i64", "error: unbalanced parens in signature: \"declare void @f(i64\""},
    {"declare void @f((i64)", "error: unbalanced parens in signature: \"declare void @f((i64)\""},
    // The list is never continued on the next line.
    {"declare void @f(i64,\n  i64)", "error: unbalanced parens in signature: \"declare void @f(i64,\""},
    // Parameter attributes: leading ones dropped, others skipped when looking for the type.
    {"declare void @f(noundef i64 %x, i64 noundef %y, zeroext signext i1)", "f: void (i64, i64, i1)\n"},
    {"declare void @f(ptr nocapture readonly %q)", "f: void (ptr)\n"},
    {"declare void @f(%Qubit* %q)", "f: void (Qubit)\n"},
    {"declare void @f({i64, i1} %s, byval {i8} %t, { {i1}, i2 })", "f: void (struct, struct, struct)\n"},
    {"declare void @f(i64 dereferenceable(8) %p)", "f: void (i64)\n"},
    {"declare void @f(i64, ..., i64)",
     "error: unexpected '...' in non-terminal position of parameter list: \"i64, ..., i64\""},
    {"declare void @f(..., ...)",
     "error: unexpected '...' in non-terminal position of parameter list: \"..., ...\""},
    {"declare void @f( i64, , i64 )", "error: empty parameter in signature: \"i64, , i64\""},
    {"declare void @f(i64,)", "error: empty parameter in signature: \"i64,\""},
    {"declare void @f(,...)", "error: empty parameter in signature: \",...\""},
    {"declare void @f({i64, i1)", "error: unterminated struct parameter type in signature: \"{i64, i1\""},
    {"declare void @f(i64, noundef {i64)", "error: unterminated struct parameter type in signature: \"i64, noundef {i64\""},
    {"declare void @f(noundef)", "error: could not parse parameter type from chunk \"noundef\" in \"noundef\""},
    {"declare void @f(\ti64, nonnull noalias )",
     "error: could not parse parameter type from chunk \"nonnull noalias\" in \"i64, nonnull noalias\""},
    {"declare void @f(i64])", "error: unbalanced closing bracket in \"i64]\""},
    {"declare void @f( i64 > )", "error: unbalanced closing bracket in \"i64 >\""},
    // Step order: the whole line and list are checked before any type is normalized, and
    // the return type is normalized before the parameters.
    {"declare i8** @f(i64, , i64)", "error: empty parameter in signature: \"i64, , i64\""},
    {"declare i8** @f(%0)", "error: could not parse parameter type \"i8**\""},
    {"declare void @f(%0, i8**)", "error: could not parse parameter type \"%0\""},
    // A vertical tab is not ASCII white space: after an attribute it forms a word of its own,
    // which trims to nothing.
    {"declare void @f(noundef \v i64)", "error: empty type token in signature"},
    {"declare void @f(noundef \u00A0 i64)", "error: empty type token in signature"},
    {"declare void @f(i64\vnoundef)", "error: could not parse parameter type \"i64\\u{b}noundef\""},
};

TEST(SignatureTable, ReturnTypesNamesAndParameterLists) { check(kShapes); }

TEST(SignatureTable, EveryParameterAttributeIsSkipped) {
  constexpr std::string_view kAttributes[] = {"readonly", "readnone", "writeonly", "nonnull",
                                              "noalias",  "nocapture", "immarg",   "signext",
                                              "zeroext",  "byval",     "sret",     "inreg",
                                              "noundef"};
  for (std::string_view a : kAttributes) {
    std::string w(a);
    EXPECT_EQ(build("declare void @f(" + w + " i64, ptr " + w + " %p, " + w + " " + w + " double)"),
              "f: void (i64, ptr, double)\n")
        << a;
    EXPECT_EQ(build("declare void @f(" + w + ")"),
              "error: could not parse parameter type from chunk \"" + w + "\" in \"" + w + "\"")
        << a;
  }
  // Other attributes are taken as the type when they come first.
  EXPECT_EQ(build("declare void @f(nofree ptr)"), "error: could not parse parameter type \"nofree\"");
  EXPECT_EQ(build("declare void @f(Noundef i64)"), "error: could not parse parameter type \"Noundef\"");
}

TEST(SignatureTable, RepeatedNameReplacedInPlace) {
  EXPECT_EQ(build("declare void @a(i64)\n"
                  "declare void @b()\n"
                  "define i1 @a(%Qubit*) {\n"
                  "}\n"
                  "declare void @c()\n"),
            "a: i1 (Qubit)\nb: void ()\nc: void ()\n");
  auto table = build_signature_table("declare void @a(i64)\ndeclare double @a(ptr, ...)\n");
  ASSERT_TRUE(table.has_value());
  ASSERT_EQ(table->entries().size(), 1u);
  const Signature* a = table->find("a");
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(show(*a), "a: double (ptr, ...)");
  EXPECT_EQ(table->find("b"), nullptr);
  EXPECT_EQ(table->find("A"), nullptr);
}

TEST(SignatureTable, FirstBadLineEndsTheBuild) {
  EXPECT_EQ(build("declare void @ok(i64)\ndeclare void @f(i64\ndeclare void @g("),
            "error: unbalanced parens in signature: \"declare void @f(i64\"");
}

TEST(SignatureTable, LookupAfterQuotedNames) {
  auto table = build_signature_table("declare void @\"odd name\"(i64)\n");
  ASSERT_TRUE(table.has_value());
  EXPECT_NE(table->find("odd name"), nullptr);
  EXPECT_EQ(table->find("\"odd name\""), nullptr);
}

TEST(ParseSignatureLine, TakesTheTrimmedLineAndItsKeyword) {
  auto sig = parse_signature_line("define weak_odr %Qubit* @f(i64 %x, ...) #2 {", "define");
  ASSERT_TRUE(sig.has_value());
  EXPECT_EQ(show(*sig), "f: Qubit (i64, ...)");
  auto bad = parse_signature_line("declare @f()", "declare");
  ASSERT_FALSE(bad.has_value());
  EXPECT_EQ(bad.error().message, "could not parse signature line: \"declare @f()\"");
}

// ---- normalize_type -------------------------------------------------------------------------

TEST(NormalizeType, Cases) {
  struct TypeCase {
    std::string_view token;
    std::string_view expected;  // the normalized text, or "error: <message>"
  };
  constexpr TypeCase kCases[] = {
      {"ptr", "ptr"},
      {"void", "void"},
      {"half", "half"},
      {"float", "float"},
      {"fp128", "fp128"},
      {"double", "double"},
      {"bfloat", "bfloat"},
      {"i1", "i1"},
      {"i8", "i8"},
      {"i64", "i64"},
      {"i128", "i128"},
      {"i0007", "i0007"},
      {"%Qubit*", "Qubit"},
      {"%Result*", "Result"},
      {"%String", "String"},
      {"%_x", "_x"},
      {"%$x", "$x"},
      {"%.x9", ".x9"},
      {"%\"odd name\"", "odd name"},
      {"%\"odd name\"*", "odd name"},
      {"%\"\"", ""},
      {"i8*", "i8"},
      {"ptr*", "ptr"},
      {"void*", "void"},
      {"{i64, i1}", "struct"},
      {"{}", "struct"},
      {"{ i64 }*", "struct"},
      {"  i64\t", "i64"},
      {"\u00A0%Qubit*\u3000", "Qubit"},
      {"", "error: empty type token in signature"},
      {" \v\u2003", "error: empty type token in signature"},
      {"*", "error: could not parse parameter type \"*\""},
      {" * ", "error: could not parse parameter type \" * \""},
      {"i8**", "error: could not parse parameter type \"i8**\""},
      {"%Qubit**", "error: could not parse parameter type \"%Qubit**\""},
      {"%0", "error: could not parse parameter type \"%0\""},
      {"%", "error: could not parse parameter type \"%\""},
      {"%*", "error: could not parse parameter type \"%*\""},
      {"%a-b", "error: could not parse parameter type \"%a-b\""},
      {"%\"a", "error: could not parse parameter type \"%\\\"a\""},
      {"%\"a\"b", "error: could not parse parameter type \"%\\\"a\\\"b\""},
      {"i", "error: could not parse parameter type \"i\""},
      {"i64x", "error: could not parse parameter type \"i64x\""},
      {"I64", "error: could not parse parameter type \"I64\""},
      {"Ptr", "error: could not parse parameter type \"Ptr\""},
      {"label", "error: could not parse parameter type \"label\""},
      {"[2 x i64]", "error: could not parse parameter type \"[2 x i64]\""},
      {"<2 x i1>", "error: could not parse parameter type \"<2 x i1>\""},
      {"{i64", "error: could not parse parameter type \"{i64\""},
      // The placeholder shows the token untrimmed.
      {"\ti8** ", "error: could not parse parameter type \"\\ti8** \""},
  };
  for (const TypeCase& c : kCases) {
    auto r = normalize_type(c.token);
    std::string got = r ? std::string(*r) : "error: " + r.error().message;
    EXPECT_EQ(got, c.expected) << text::quoted(c.token);
    if (!r) {
      EXPECT_EQ(r.error().kind, ErrorKind::Parse);
    }
  }
}

}  // namespace
