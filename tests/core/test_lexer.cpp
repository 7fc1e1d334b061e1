// The lexer's pieces (lines, brackets, the ` to ` clause, assignments, labels, numbers, the
// cursor) and the function-header reader, on tables of texts. Words, top-level lists,
// literals and the name readers shared with the operand parser are covered in
// test_operand_parser; the signature table's messages in test_signatures.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "ir/header_parser.hpp"
#include "ir/lexer.hpp"

namespace {

using namespace brintavel;
using namespace brintavel::ir;
constexpr std::size_t npos = std::string_view::npos;

std::vector<std::string_view> lines_of(std::string_view text) {
  std::vector<std::string_view> out;
  LineReader reader(text);
  for (std::string_view line; reader.next(line);) out.push_back(line);
  return out;
}

TEST(Lexer, LinesAreCutAtLineFeedsOnly) {
  using Lines = std::vector<std::string_view>;
  EXPECT_EQ(lines_of(""), Lines{""});
  EXPECT_EQ(lines_of("a"), Lines{"a"});
  EXPECT_EQ(lines_of("a\n"), (Lines{"a", ""}));
  EXPECT_EQ(lines_of("\n\n"), (Lines{"", "", ""}));
  EXPECT_EQ(lines_of("a\r\nb\rc\vd"), (Lines{"a\r", "b\rc\vd"}));
  EXPECT_EQ(line_from("ab\ncd\nef", 3), "cd");
  EXPECT_EQ(line_from("ab", 2), "");
}

TEST(Lexer, MatchingBracketCountsItsOwnKindOnly) {
  struct Case {
    std::string_view text;
    std::size_t open;
    std::size_t close;
  };
  const Case kCases[] = {
      {"(a(b)c)d", 2, 4}, {"{ i64, {i1} }", 0, 12}, {"<2 x <i1>>", 0, 9}, {"(a]b)", 0, 4},
      {"(a}", 0, npos},   {"(()", 0, npos},         {"x(", 0, npos},      {"(", 1, npos},
  };
  for (const Case& c : kCases) EXPECT_EQ(matching_bracket(c.text, c.open), c.close) << c.text << " @" << c.open;
}

TEST(Lexer, BracketDepthAndTheToClause) {
  // A call is continued while its parentheses or square brackets are open; braces and angle
  // brackets do not count there, but every kind nests a ` to ` clause.
  EXPECT_EQ(bracket_balance("call void @f({ i64, [2 x <i1", kRoundAndSquare), 2);
  EXPECT_EQ(bracket_balance("call void @f({ i64, [2 x <i1", kAllBrackets), 4);
  EXPECT_EQ(bracket_balance("]) (", kRoundAndSquare), -1);
  struct Case {
    std::string_view text;
    std::size_t at;
  };
  const Case kCases[] = {
      {"i64 %x to i32", 6},
      {"ptr inttoptr (i64 1 to ptr) to i64", 27},
      {"<2 x i1> %v to <2 x i8>", 11},
      {"{ i64 to } x", npos},
      {"a) to b", npos},  // after a stray closer the depth is below 0
      {"a\tto b", npos},
      {"a to", npos},
  };
  for (const Case& c : kCases) EXPECT_EQ(find_to_clause(c.text), c.at) << c.text;
}

TEST(Lexer, AssignmentsAndCallMarkers) {
  struct Case {
    std::string_view line;
    std::optional<std::string_view> result;
    std::string_view body;
  };
  const Case kCases[] = {
      {"%x = call void @f()", "x", "call void @f()"},
      {"  %x=add i64 1, 2", "x", "add i64 1, 2"},
      {"%\"a b\" =\u00A0load i64, ptr %p", "\"a b\"", "load i64, ptr %p"},
      {"store i64 1, ptr %p", std::nullopt, "store i64 1, ptr %p"},
      {"call void @f(i1 %a) ; %y = x", std::nullopt, "call void @f(i1 %a) ; %y = x"},
      {"x = %y", std::nullopt, "x = %y"},
  };
  for (const Case& c : kCases) {
    Assignment a = split_assignment(c.line);
    EXPECT_EQ(a.result, c.result) << c.line;
    EXPECT_EQ(a.body, c.body) << c.line;
  }
  EXPECT_EQ(skip_call_markers("\u00A0tail musttail notail call void"), "call void");
  EXPECT_EQ(skip_call_markers("tail musttail\u00A0notail call"), "musttail\u00A0notail call");  // one word
  EXPECT_EQ(skip_call_markers("tailcall void"), "tailcall void");
  EXPECT_EQ(without_comment("ret void ; \"a;b\""), "ret void ");
}

TEST(Lexer, LabelDefinitions) {
  struct Case {
    std::string_view head;
    std::optional<std::string_view> label;
  };
  const Case kCases[] = {
      {"entry:", "entry"}, {"\"a.b$1\":", "a.b$1"}, {"0:", "0"},          {"\"a b\":", std::nullopt},
      {"x :", std::nullopt}, {":", std::nullopt},     {"\"\":", std::nullopt}, {"a-b:", std::nullopt},
      {"entry", std::nullopt},
  };
  for (const Case& c : kCases) EXPECT_EQ(label_definition(c.head), c.label) << c.head;
}

TEST(Lexer, UnsignedNumbers) {
  std::size_t used = 99;
  EXPECT_EQ(leading_u32("42 = {", used), 42u);
  EXPECT_EQ(used, 2u);
  EXPECT_EQ(leading_u32("4294967296x", used), std::nullopt);
  EXPECT_EQ(used, 10u);  // the digits are known even when their number overflows
  EXPECT_EQ(leading_u32("x1", used), std::nullopt);
  EXPECT_EQ(used, 0u);

  EXPECT_EQ(parse_u64("+18446744073709551615"), UINT64_MAX);
  for (std::string_view bad : {"", "+", "-1", "1 ", "18446744073709551616", "++1"})
    EXPECT_EQ(parse_u64(bad), std::nullopt) << bad;
}

TEST(Lexer, CursorRunsAcrossTheFourCharacterSteps) {
  // Names of every length around the step, ended by each kind of character.
  for (std::size_t n = 0; n <= 9; ++n) {
    for (std::string_view end : {"", "(", " x", "-", "\xC2\xA0"}) {
      std::string line = "%" + std::string(n, 'a') + std::string(end);
      Cursor c(line);
      ASSERT_TRUE(c.eat('%'));
      EXPECT_EQ(c.name().size(), n) << line;
      EXPECT_EQ(c.rest(), end) << line;
    }
  }
  constexpr CharTable kStop = [] {
    CharTable t{};
    t[static_cast<unsigned char>(',')] = 1;
    return t;
  }();
  Cursor c("double 1.5e3,ptr \"q r\"x 12#");
  EXPECT_EQ(c.until(kStop), "double 1.5e3");
  EXPECT_TRUE(c.eat(','));
  EXPECT_TRUE(c.eat("ptr "));
  EXPECT_EQ(c.quoted(), "q r");
  EXPECT_EQ(c.quoted(), std::nullopt);  // not at a quote: nothing read
  c.advance();
  EXPECT_TRUE(c.eat(' '));
  EXPECT_EQ(c.digits(), "12");
  EXPECT_EQ(c.digits(), "");
  c.advance();
  c.advance();  // not past the end
  EXPECT_TRUE(c.at_end());
  Cursor open("\"abc");
  EXPECT_EQ(open.quoted(), std::nullopt);
  EXPECT_EQ(open.pos(), 0u);
}

// ---- Function headers -----------------------------------------------------------------------

// "keyword | return type | name | parameters | rest", or "error: <message>".
std::string show(const Result<FunctionHeader>& h) {
  if (!h) return "error: " + h.error().message;
  return text::cat(h->keyword, " | ", h->return_type, " | ", h->name, " | ", h->parameters, " | ", h->rest);
}
std::string show(const std::optional<FunctionHeader>& h) {
  return h ? show(Result<FunctionHeader>(*h)) : "none";
}

struct HeaderCase {
  std::string_view line;
  std::string_view read;   // read_function_header
  std::string_view found;  // find_function_header
};

const HeaderCase kHeaders[] = {
    {"define void @main() #0 {", "define | void | main |  |  #0 {", "define |  | main |  |  #0 {"},
    {"declare dso_local zeroext i1 @f( ptr noundef %q , ... ) #1",
     "declare | i1 | f | ptr noundef %q , ... |  #1", "declare |  | f | ptr noundef %q , ... |  #1"},
    {"define internal { i64, {i1} } @\"odd (name\"(i64 %x) {",
     "define | { i64, {i1} } | odd (name | i64 %x |  {", "define |  | odd (name | i64 %x |  {"},
    {"define i64 @f(i64 (i64)* %g, [2 x i64] %a) #0", "define | i64 | f | i64 (i64)* %g, [2 x i64] %a |  #0",
     "define |  | f | i64 (i64)* %g, [2 x i64] %a |  #0"},
    // Finding takes the first @ after the keyword, reading takes the one after the return type.
    {"define %\"a@b\"* @f(i64) {", "define | %\"a@b\"* | f | i64 |  {", "define |  | b | i64 |  {"},
    {"define void @f-x(i64)", "define | void | f | i64 | ", "define |  | f | i64 | "},
    {"define void @-f() {", "error: could not parse signature line: \"define void @-f() {\"", "define |  |  |  |  {"},
    {"define void\u00A0@f()", "error: could not parse signature line: \"define void\u00A0@f()\"", "define |  | f |  | "},
    {"  @x define void @f()", "define | void | f |  | ", "define |  | f |  | "},
    {"define {i64 @f()", "error: unclosed struct return type: \"define {i64 @f()\"", "define |  | f |  | "},
    {"define void @\"f()", "error: unterminated quoted name: \"define void @\\\"f()\"", "none"},
    {"define void @f", "error: signature missing '(': \"define void @f\"", "none"},
    {"define void @f((i64)", "error: unbalanced parens in signature: \"define void @f((i64)\"", "none"},
    {"define void f()", "error: could not parse signature line: \"define void f()\"", "none"},
};

TEST(FunctionHeader, ReadAndFound) {
  for (const HeaderCase& c : kHeaders) {
    std::string_view keyword = c.line.find("declare") != npos ? "declare" : "define";
    EXPECT_EQ(show(read_function_header(c.line, keyword)), c.read) << text::quoted(c.line);
    EXPECT_EQ(show(find_function_header(c.line, keyword)), c.found) << text::quoted(c.line);
  }
}

TEST(FunctionHeader, Keyword) {
  EXPECT_EQ(header_keyword("define void @f()"), "define");
  EXPECT_EQ(header_keyword("declare\tvoid"), "declare");
  EXPECT_EQ(header_keyword("define"), "define");
  for (std::string_view line : {"defined void", "declares", "define\u00A0void", "define\vvoid", " define void", ""})
    EXPECT_EQ(header_keyword(line), std::nullopt) << text::quoted(line);
}

// The parameter list of `define void @f(<list>)`.
FunctionHeader with_parameters(std::string_view list) { return FunctionHeader{"define", "void", "f", list, ""}; }

TEST(FunctionHeader, ParameterNamesAreNumberedAsLlvmNumbersThem) {
  struct Case {
    std::string_view list;
    std::string_view names;  // joined by commas, then "..." when variadic and "/N" for the next number
  };
  const Case kCases[] = {
      {"", "/0"},
      {"i64, i64 %x, ptr", "0,x,1/2"},
      {"i64 %0, i64 %1, i1", "0,1,2/3"},
      {"ptr noundef nonnull %\"the q\", %Qubit* %q", "\"the q\",q/0"},
      {"{i64, i1} %s, i64 %x*, ptr%q, ptr \"%q\"", "s,0,1,2/3"},
      {"i64, ..., i64 %late", "0,.../1"},
      {"..., i64", ".../0"},
      {"i64 ]", "error: unbalanced closing bracket in \"i64 ]\""},
  };
  for (const Case& c : kCases) {
    TextPool pool;
    auto r = parameter_names(with_parameters(c.list), pool);
    std::string got;
    if (!r) {
      got = "error: " + r.error().message;
    } else {
      for (std::size_t k = 0; k < r->names.size(); ++k) got += text::cat(k ? "," : "", r->names[k]);
      if (r->is_variadic) got += got.empty() ? "..." : ",...";
      got += text::cat("/", r->next_number);
    }
    EXPECT_EQ(got, c.names) << text::quoted(c.list);
  }
}

TEST(FunctionHeader, ParameterTypesSkipAttributeWords) {
  struct Case {
    std::string_view list;
    std::string_view types;  // joined by commas, then "..." when variadic
  };
  const Case kCases[] = {
      {"noundef i64 %x, ptr nocapture readonly %q, byval {i8, {i1}} %s, i64 dereferenceable(8) %p",
       "i64,ptr,{i8, {i1}},i64"},
      {"%\"odd type\"* %x, ...", "%\"odd,..."},
      {"...", "..."},
      {"i64, ..., i64", "error: unexpected '...' in non-terminal position of parameter list: \"i64, ..., i64\""},
      {"i64, , i64", "error: empty parameter in signature: \"i64, , i64\""},
      {"i64, noundef {i64", "error: unterminated struct parameter type in signature: \"i64, noundef {i64\""},
      {"i64, nonnull noalias", "error: could not parse parameter type from chunk \"nonnull noalias\" in \"i64, nonnull noalias\""},
  };
  for (const Case& c : kCases) {
    auto r = parameter_types(with_parameters(c.list));
    std::string got;
    if (!r) {
      got = "error: " + r.error().message;
    } else {
      for (std::size_t k = 0; k < r->types.size(); ++k) got += text::cat(k ? "," : "", r->types[k]);
      if (r->is_variadic) got += got.empty() ? "..." : ",...";
    }
    EXPECT_EQ(got, c.types) << text::quoted(c.list);
  }
}

}  // namespace
