// Every message of the QIR reader and of the signature table, reached through translate_qir
// with a complete module text: the message comes back unchanged, with the parse kind.
#include <span>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "brintavel/brintavel.hpp"

namespace {

using brintavel::ErrorKind;

constexpr std::string_view kEntryPrefix =
    "%Qubit = type opaque\n"
    "\n"
    "define void @main() #0 {\n"
    "entry:\n"
    "  ";
constexpr std::string_view kEntrySuffix =
    "\n"
    "  ret void\n"
    "}\n"
    "\n"
    "declare void @__quantum__qis__h__body(%Qubit*)\n"
    "\n"
    "attributes #0 = { \"entry_point\" \"qir_profiles\"=\"base_profile\" }\n";

// A complete entry-point module whose block holds `line` before its ret.
std::string entry_module_with(std::string_view line) {
  return std::string(kEntryPrefix) + std::string(line) + std::string(kEntrySuffix);
}

// The error message of the translation, checking that it failed with the parse kind.
std::string parse_failure(const std::string& qir) {
  auto r = brintavel::translate_qir(qir);
  if (r) return "translated:\n" + *r;
  EXPECT_EQ(r.error().kind, ErrorKind::Parse) << r.error().message;
  EXPECT_EQ(brintavel::describe(r.error()), r.error().message);
  return r.error().message;
}

TEST(ParseErrors, TheFrameTranslates) {
  auto r = brintavel::translate_qir(entry_module_with("call void @__quantum__qis__h__body(%Qubit* null)"));
  ASSERT_TRUE(r.has_value()) << r.error().message;
}

struct Row {
  std::string_view input;
  std::string_view message;
};

// One instruction line inside an otherwise valid entry point.
const Row kInstructionRows[] = {
    {"%r = ", "empty instruction in block body: \"%r =\""},
    // (] keeps the line's own bracket count at zero so it is not joined with the next.
    {"call void (i64] @f(i64 1)", "call function-type prefix has unbalanced parens: \"void (i64] @f(i64 1)\""},
    {"call void f(i64 1, ptr @g)", "could not parse callee in call: \"void f(i64 1, ptr @g)\""},
    {"call void @f", "call missing ( after callee name: \"void @f\""},
    {"call void @f(i64 1]", "call has unbalanced parens: \"void @f(i64 1]\""},
    {"br label x", "br label missing %<target>: \"label x\""},
    {"br i1 %c, label %a", "br i1 expects cond, true_label, false_label: \"i1 %c, label %a\""},
    {"br i1 2, label %a, label %b", "unsupported constant branch condition \"2\""},
    {"br i1 %c, label %a, label b", "br i1 expected 'label %name', got \"label b\""},
    {"br %x", "unsupported br form: \"%x\""},
    {"and i1 %x, %y", "and without SSA result assignment"},
    {"mul i64 %x, %y", "mul without SSA result assignment"},
    {"%a = or i64 %x, %y", "or on i64 not yet supported (only i1 is handled)"},
    {"%a = xor i1 %x", "xor expects two operands: \"i1 %x\""},
    {"%s = sub nsw i64 %x, 1, 2", "sub expects two operands: \"nsw i64 %x, 1, 2\""},
    {"icmp eq i64 %x, 1", "icmp without SSA result assignment"},
    {"%c = icmp eq i64 %x", "icmp expects two operands: \"eq i64 %x\""},
    {"select i1 %c, i64 1, i64 2", "select without SSA result assignment"},
    {"%v = select i64 %c, i64 1, i64 2", "select condition must be typed `i1`, got \"i64\""},
    {"%v = select i1 %c, i64 1", "select expects three comma-separated operands (cond, then, else): \"i1 %c, i64 1\""},
    {"%v = select i1 %c, i64 1, i32 2", "select branch types must match, got then=\"i64\" else=\"i32\""},
    {"phi i64 [ 0, %entry ]", "phi without SSA result assignment"},
    {"%p = phi i64 [ 0, %entry )", "phi incoming missing ]"},
    {"%p = phi i64 [ 0 ]", "phi incoming must have value and predecessor: [ 0 ]"},
    {"%p = phi i64 [ 0, entry ]", "phi incoming predecessor must be %<label>, got \"entry\""},
    {"%p = phi i64 0, %entry", "phi malformed incoming starting at \"0, %entry\""},
    {"%p = phi i64", "phi has no incomings"},
    {"inttoptr i64 5 to ptr", "inttoptr without SSA result assignment"},
    {"%q = inttoptr i64 5", "inttoptr without a `to` clause: \"i64 5\""},
    // Operand messages.
    {"call void @f(i64 1})", "unbalanced closing bracket in \"i64 1}\""},
    {"call void @f(i64 1, ...)", "unexpected ... in operand"},
    {"call void @f(noundef)", "empty operand"},
    {"call void @f(label %x)", "unsupported operand type \"label\" in operand \"label %x\""},
    {"call void @f(ptr undef)", "could not resolve pointer operand from constant text \"ptr undef\""},
    {"call void @f(i64 x)", "could not parse integer operand \"x\" (ty=i64)"},
    {"call void @f(double 0x3FF0)", "could not parse float operand \"0x3FF0\" (ty=double)"},
};

TEST(ParseErrors, InstructionAndOperandMessages) {
  for (const Row& row : kInstructionRows)
    EXPECT_EQ(parse_failure(entry_module_with(row.input)), row.message) << row.input;
}

// Complete module texts: the module structure and the signature table. The signature rows
// have no entry point: the table is built, and fails, before the entry point is looked for.
const Row kModuleRows[] = {
    {"define void main() #0 {\n}\n", "could not parse define header: define void main() #0 {"},
    {"define void @main() #0\n; the body never opens\n", "define without body block"},
    {"define void @main() #0 {\nentry:\n  call void @f(i64 1,\n    i64 2\n",
     "unterminated instruction: \"call void @f(i64 1, i64 2\""},
    {"define void @main() #0 {\nentry:\n  ret void\n", "define body not terminated"},
    {"define void @main() #0 {\nentry:\n  ret void\n}\ndeclare void @f\n",
     "could not parse declare: declare void @f"},
    {"declare noundef i32 @f()\n", "could not parse signature line: \"declare noundef i32 @f()\""},
    {"declare {i64 @f()\n", "unclosed struct return type: \"declare {i64 @f()\""},
    // Lines between a header and its { are not read by the module parser, but the
    // signature table reads every line.
    {"define void @g()\n  declare void @\"h\n{\n}\n", "unterminated quoted name: \"declare void @\\\"h\""},
    {"define void @g()\n  declare void @h\n{\n}\n", "signature missing '(': \"declare void @h\""},
    // A header-like line inside a body is an (unknown) instruction to the module parser.
    {"define void @g() {\n  declare void @h(i64]\n}\n", "unbalanced parens in signature: \"declare void @h(i64]\""},
    {"declare void @f(i64, ..., i64)\n",
     "unexpected '...' in non-terminal position of parameter list: \"i64, ..., i64\""},
    {"declare void @f(i64, , i64)\n", "empty parameter in signature: \"i64, , i64\""},
    {"declare void @f({i64, i1)\n", "unterminated struct parameter type in signature: \"{i64, i1\""},
    {"declare void @f(i64, noundef)\n", "could not parse parameter type from chunk \"noundef\" in \"i64, noundef\""},
    {"declare void @f(noundef \v i64)\n", "empty type token in signature"},
    {"declare void @f(i8**)\n", "could not parse parameter type \"i8**\""},
    {"declare void @f(%0)\n", "could not parse parameter type \"%0\""},
    {"declare void @f(i64])\n", "unbalanced closing bracket in \"i64]\""},
    // The reader's error comes before the signature table's.
    {"declare noundef i32 @g()\ndefine void @main() #0 {\n  br %x\n}\n", "unsupported br form: \"%x\""},
    // Text that is not UTF-8 is rejected before parsing.
    {"define void @main() #0 {\n  ; caf\xE9\n}\n", "QIR text is not valid UTF-8 (invalid byte at offset 32)"},
};

TEST(ParseErrors, ModuleAndSignatureMessages) {
  for (const Row& row : kModuleRows)
    EXPECT_EQ(parse_failure(std::string(row.input)), row.message) << row.input;
}

// The text is checked to be UTF-8 a stretch at a time, ahead of the scan of its lines: the
// first byte that is not is found far into a long text too, and characters on the lines where
// a stretch would end are read whole.
TEST(ParseErrors, FindsTheFirstByteThatIsNotUtf8InALongText) {
  const std::string module = entry_module_with("call void @__quantum__qis__h__body(%Qubit* null)");
  std::string comments;
  while (comments.size() < 200000) comments += "; caf\xC3\xA9 au lait, \xE2\x82\xAC 3\n";
  const std::string long_text = comments + module;
  EXPECT_TRUE(brintavel::translate_qir(long_text).has_value());
  struct Case {
    std::string text;
    std::size_t offset;
  };
  const std::size_t line = comments.rfind('\n', 100000) + 1;  // (a line's start, past a stretch)
  const Case cases[] = {
      {long_text + "; caf\xE9\n", long_text.size() + 5},
      {comments + "; \xC3\n" + module, comments.size() + 2},  // a sequence cut by the line's end
      {comments.substr(0, line) + "\xFF" + comments.substr(line), line},
  };
  for (const Case& c : cases)
    EXPECT_EQ(parse_failure(c.text), "QIR text is not valid UTF-8 (invalid byte at offset " + std::to_string(c.offset) + ")")
        << c.offset;
}

TEST(ParseErrors, SignatureErrorsPrecedeTheMissingEntryPoint) {
  // Without the bad declaration the same module fails for its missing entry point instead.
  auto r = brintavel::translate_qir("define void @g() {\n}\n");
  ASSERT_FALSE(r.has_value());
  EXPECT_NE(r.error().kind, ErrorKind::Parse);
  EXPECT_EQ(parse_failure("define void @g() {\n}\ndeclare void @f(i8**)\n"),
            "could not parse parameter type \"i8**\"");
}

}  // namespace
