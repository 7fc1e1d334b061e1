// The module parser: top-level line recognition, definition bodies with labels and joined
// multi-line instructions, declarations, attribute groups with entry point and profile,
// and the messages of the module structure.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "ir/header_parser.hpp"
#include "ir/module_parser.hpp"

namespace {

using namespace brintavel;
using namespace brintavel::ir;

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};

std::string s(std::string_view v) { return std::string(v); }

// A short text per instruction: enough to see block structure and joins.
std::string brief(const Instruction& instruction) {
  return std::visit(
      Overloaded{
          [](const Call& i) {
            return "call " + s(i.callee) + "/" + std::to_string(i.args.size()) +
                   (i.result ? " ->" + s(*i.result) : "");
          },
          [](const Br& i) { return "br " + s(i.target); },
          [](const CondBr& i) { return "condbr " + s(i.true_label) + " " + s(i.false_label); },
          [](const Ret&) { return std::string("ret"); },
          [](const Icmp& i) { return "icmp ->" + s(i.result); },
          [](const Logic& i) { return "logic ->" + s(i.result); },
          [](const Select& i) { return "select ->" + s(i.result); },
          [](const Arith& i) { return "arith ->" + s(i.result); },
          [](const Phi& i) { return "phi ->" + s(i.result); },
          [](const Ignored& i) { return "ignored " + s(i.opcode); },
          [](const Alloca& i) { return "alloca ->" + s(i.result); },
          [](const Bitcast& i) { return "bitcast ->" + s(i.result); },
          [](const Gep& i) { return "gep ->" + s(i.result); },
          [](const Store&) { return std::string("store"); },
          [](const Load& i) { return "load ->" + s(i.result); },
          [](const Zext& i) { return "zext ->" + s(i.result); },
          [](const IntToPtr& i) { return "inttoptr ->" + s(i.result); },
          [](const Unknown& i) { return "unknown " + s(i.opcode); },
          [](const auto&) { return std::string("extended-mode instruction"); },
      },
      instruction);
}

// One line per function, then one line per block of a definition:
//   define main entry profile=base_profile
//     [entry] call f/1, ret
//   declare f
std::string show(const Module& module) {
  std::string out;
  for (const Function& fn : module.functions) {
    out += fn.is_declaration ? "declare " : "define ";
    out += s(fn.name);
    if (fn.is_entry_point) out += " entry";
    if (fn.profile) out += " profile=" + s(*fn.profile);
    out += "\n";
    for (const Block& b : fn.blocks) {
      out += "  [" + s(b.label) + "]";
      for (std::size_t k = 0; k < b.instructions.size(); ++k)
        out += (k ? ", " : " ") + brief(b.instructions[k]);
      out += "\n";
    }
  }
  return out;
}

std::string parse(std::string_view text) {
  auto r = parse_module(text);
  if (r) return show(*r);
  EXPECT_EQ(r.error().kind, ErrorKind::Parse) << r.error().message;
  return "error: " + r.error().message;
}

struct Case {
  std::string_view name;
  std::string_view input;
  std::string_view expected;  // show() of the module, or "error: <message>"
};

void check(std::span<const Case> cases) {
  for (const Case& c : cases) EXPECT_EQ(parse(c.input), c.expected) << c.name;
}

// ---- Top level ------------------------------------------------------------------------------

const Case kTopLevel[] = {
    {"empty input", "", ""},
    {"comments, metadata and globals only",
     "; ModuleID = 'x'\n"
     "source_filename = \"x.ll\"\n"
     "target triple = \"x86_64\"\n"
     "%Qubit = type opaque\n"
     "@0 = internal constant [3 x i8] c\"r0\\00\"\n"
     "!llvm.module.flags = !{!0}\n"
     "!0 = !{i32 1, !\"qir_major_version\", i32 1}\n",
     ""},
    {"the example module",
     "%Qubit = type opaque\n"
     "%Result = type opaque\n"
     "\n"
     "define void @main() #0 {\n"
     "entry:\n"
     "  call void @__quantum__qis__h__body(%Qubit* null)\n"
     "  call void @__quantum__qis__cnot__body(%Qubit* null, %Qubit* inttoptr (i64 1 to %Qubit*))\n"
     "  call void @__quantum__qis__mz__body(%Qubit* null, %Result* null)\n"
     "  call void @__quantum__rt__result_record_output(%Result* null, i8* null)\n"
     "  ret void\n"
     "}\n"
     "\n"
     "declare void @__quantum__qis__h__body(%Qubit*)\n"
     "declare void @__quantum__qis__cnot__body(%Qubit*, %Qubit*)\n"
     "declare void @__quantum__qis__mz__body(%Qubit*, %Result* writeonly) #1\n"
     "declare void @__quantum__rt__result_record_output(%Result*, i8*)\n"
     "\n"
     "attributes #0 = { \"entry_point\" \"qir_profiles\"=\"base_profile\" }\n"
     "attributes #1 = { \"irreversible\" }\n",
     "define main entry profile=base_profile\n"
     "  [entry] call __quantum__qis__h__body/1, call __quantum__qis__cnot__body/2, "
     "call __quantum__qis__mz__body/2, call __quantum__rt__result_record_output/2, ret\n"
     "declare __quantum__qis__h__body\n"
     "declare __quantum__qis__cnot__body\n"
     "declare __quantum__qis__mz__body\n"
     "declare __quantum__rt__result_record_output\n"},
    {"functions keep source order",
     "declare void @a()\ndefine void @b() {\n}\ndeclare void @c()\ndefine void @d() {\n}\n",
     "declare a\ndefine b\n  []\ndeclare c\ndefine d\n  []\n"},
    {"prefix tests: defined and declares count",
     "defined void @f() {\n}\ndeclares void @g()\n", "define f\n  []\ndeclare g\n"},
    {"lines shorter than six characters are passed over", "decl\n  def\n", ""},
    {"indented headers and carriage returns",
     "\u00A0 define void @main() #0 {\r\nentry:\r\n  ret void\r\n}\r\n\tdeclare void @f()\r\n"
     "attributes #0 = { \"entry_point\" }\r\n",
     "define main entry\n  [entry] ret\ndeclare f\n"},
    {"quoted function names keep spaces and lose quotes",
     "define void @\"my main\"() {\n}\ndeclare void @\"odd name\"(i64)\n",
     "define my main\n  []\ndeclare odd name\n"},
    {"a declaration is never an entry point",
     "declare void @f() #0 \"entry_point\"\nattributes #0 = { \"entry_point\" \"qir_profiles\"=\"x\" }\n",
     "declare f\n"},
    {"could not parse define header (plain, trimmed)",
     "  define void main() {  \r\n}\n", "error: could not parse define header: define void main() {"},
    {"define header with an unclosed parameter list", "define void @f(i64 {\n}\n",
     "error: could not parse define header: define void @f(i64 {"},
    {"define header with an unterminated quoted name", "define void @\"f() {\n}\n",
     "error: could not parse define header: define void @\"f() {"},
    {"could not parse declare (plain, trimmed)", "declare void @f \n",
     "error: could not parse declare: declare void @f"},
    {"declare without @", "declare void f()\n", "error: could not parse declare: declare void f()"},
    {"declare with its list on two lines", "declare void @f(i64,\n  i64)\n",
     "error: could not parse declare: declare void @f(i64,"},
};

TEST(ParseModule, TopLevel) { check(kTopLevel); }

TEST(ParseModule, KeepsTheWholeSource) {
  const std::string text = "; header\ndefine void @main() {\n  ret void\n}\n";
  auto m = parse_module(text);
  ASSERT_TRUE(m.has_value());
  EXPECT_EQ(m->source.data(), text.data());
  EXPECT_EQ(m->source.size(), text.size());
  auto empty = parse_module("");
  ASSERT_TRUE(empty.has_value());
  EXPECT_TRUE(empty->source.empty());
  EXPECT_TRUE(empty->functions.empty());
}

// ---- Body start and end ---------------------------------------------------------------------

const Case kBodies[] = {
    {"body of a lone brace", "define void @f() {\n}\n", "define f\n  []\n"},
    {"the { on a later line", "define void @f()\n; a comment\n\n  {\n  ret void\n}\n",
     "define f\n  [] ret\n"},
    {"lines before the { are ignored whatever they hold",
     "define void @f()\n  garbage ( @\n  call void @g(\n{\nret void\n}\n", "define f\n  [] ret\n"},
    {"text after the { on the header line is ignored",
     "define void @f() { call void @g()\n  ret void\n}\n", "define f\n  [] ret\n"},
    {"comment and blank lines inside the body",
     "define void @f() {\n\n  ; comment\n  \u3000\n  ret void ; trailing\n}\n", "define f\n  [] ret\n"},
    {"the closing brace must be alone on its line",
     "define void @f() {\n  } ; end\n}\n", "define f\n  [] unknown }\n"},
    {"indented closing brace", "define void @f() {\n\t}\u00A0\n", "define f\n  []\n"},
    {"Unicode white space around body lines",
     "define void @f() {\n\ventry:\u0085\n\u2028  ret void\u3000\n  ret\u0085void\n}\n",
     "define f\n  [entry] ret, unknown ret\u0085void\n"},
    {"define without body block", "define void @f() #0\n; no brace\n",
     "error: define without body block"},
    {"define without body block at the end", "define void @f()", "error: define without body block"},
    {"define body not terminated", "define void @f() {\nentry:\n  ret void\n",
     "error: define body not terminated"},
    {"instruction errors pass unchanged", "define void @f() {\n  br %x\n}\n",
     "error: unsupported br form: \"%x\""},
};

TEST(ParseModule, Bodies) { check(kBodies); }

// ---- Labels ---------------------------------------------------------------------------------

const Case kLabels[] = {
    {"a first-line label names the initial block",
     "define void @f() {\nentry:\n  br label %exit\nexit:\n  ret void\n}\n",
     "define f\n  [entry] br exit\n  [exit] ret\n"},
    {"first label after a comment line",
     "define void @f() {\n; leading comment\nentry:\n  ret void\n}\n", "define f\n  [entry] ret\n"},
    {"instructions before the first label stay in the unlabeled block",
     "define void @f() {\n  br label %a\na:\n  ret void\n}\n", "define f\n  [] br a\n  [a] ret\n"},
    {"two consecutive labels give an empty block",
     "define void @f() {\na:\nb:\n  ret void\n}\n", "define f\n  [a]\n  [b] ret\n"},
    {"label followed by a comment", "define void @f() {\nloop: ; preds = %entry\n  ret void\n}\n",
     "define f\n  [loop] ret\n"},
    {"numeric and dotted labels", "define void @f() {\n0:\n  ret void\nif.then.1$:\n  ret void\n}\n",
     "define f\n  [0] ret\n  [if.then.1$] ret\n"},
    {"quoted label", "define void @f() {\n\"exit\":\n  ret void\n}\n", "define f\n  [exit] ret\n"},
    {"Unicode space after the colon is trimmed", "define void @f() {\nentry:\u00A0\u2003\n  ret void\n}\n",
     "define f\n  [entry] ret\n"},
    {"quoted label with a space is an instruction",
     "define void @f() {\n\"a b\":\n  ret void\n}\n", "define f\n  [] unknown \"a, ret\n"},
    {"quoted label with a hyphen is an instruction",
     "define void @f() {\n\"a-b\":\n  ret void\n}\n", "define f\n  [] unknown \"a-b\":, ret\n"},
    {"unquoted label with a hyphen is an instruction", "define void @f() {\na-b:\n}\n",
     "define f\n  [] unknown a-b:\n"},
    {"empty quotes are not a label", "define void @f() {\n\"\":\n}\n", "define f\n  [] unknown \"\":\n"},
    {"one quote is not a label", "define void @f() {\n\"a:\n}\n", "define f\n  [] unknown \"a:\n"},
    {"a colon alone is not a label", "define void @f() {\n:\n}\n", "define f\n  [] unknown :\n"},
    {"Unicode space before the colon", "define void @f() {\nentry\u00A0:\n}\n",
     "define f\n  [] unknown entry\u00A0:\n"},
    {"ASCII space before the colon", "define void @f() {\nentry :\n}\n",
     "define f\n  [] unknown entry\n"},
    {"a label after a label-less block with instructions",
     "define void @f() {\n  ret void\n\"x\":\n  ret void\n}\n", "define f\n  [] ret\n  [x] ret\n"},
};

TEST(ParseModule, Labels) { check(kLabels); }

// ---- Multi-line instructions ----------------------------------------------------------------

const Case kJoins[] = {
    {"arguments over three lines",
     "define void @f() {\n  call void @g(i64 1,\n     i64 2,\n  i64 3)\n  ret void\n}\n",
     "define f\n  [] call g/3, ret\n"},
    {"callee on the next line although the brackets balance",
     "define void @f() {\n  %r = notail call i64\n    @g(i64 1)\n  ret void\n}\n",
     "define f\n  [] call g/1 ->r, ret\n"},
    {"function type on its own line, callee later",
     "define void @f() {\n  call void (i64)\n\n  @g(i64 1)\n}\n", "define f\n  [] call g/1\n"},
    {"blank lines skipped while joining",
     "define void @f() {\n  call void @g(\n\n  \u00A0\n   i64 1)\n}\n", "define f\n  [] call g/1\n"},
    {"brackets in a trailing comment do not count",
     "define void @f() {\n  %a = add i64 1, 2 ; (\n  ret void\n}\n", "define f\n  [] arith ->a, ret\n"},
    {"braces and angle brackets do not count",
     "define void @f() {\n  %a = alloca { i64, <2 x i1\n  ret void\n}\n", "define f\n  [] alloca ->a, ret\n"},
    {"a non-call without @ is not joined", "define void @f() {\n  %a = alloca i64\n  ret void\n}\n",
     "define f\n  [] alloca ->a, ret\n"},
    {"square brackets count",
     "define void @f() {\nentry:\n  br label %b\nb:\n  %p = phi i64 [ 0, %entry\n    ], [ 1, %b ]\n  ret void\n}\n",
     "define f\n  [entry] br b\n  [b] phi ->p, ret\n"},
    // A comment line inside an instruction is joined like any other line; the instruction
    // is then cut at its first ;.
    {"comment line inside an instruction",
     "define void @f() {\n  call void @g(i64 1,\n  ; the second argument\n  i64 2)\n}\n",
     "error: call has unbalanced parens: \"void @g(i64 1,\""},
    {"the closing brace is joined too",
     "define void @f() {\n  call void @g(i64 1\n}\n", "error: unterminated instruction: \"call void @g(i64 1 }\""},
    {"unterminated at the end of the text",
     "define void @f() {\n  call void @g(\n  i64 1,\n\n", "error: unterminated instruction: \"call void @g( i64 1,\""},
    {"a call whose callee never comes", "define void @f() {\n  tail call void\n",
     "error: unterminated instruction: \"tail call void\""},
    {"a negative balance keeps joining", "define void @f() {\n  ret void)\n  ret void\n}\n",
     "error: unterminated instruction: \"ret void) ret void }\""},
    {"the quoted form escapes the joined text",
     "define void @f() {\n  call void @\"g\\x\"(\t\n", "error: unterminated instruction: \"call void @\\\"g\\\\x\\\"(\""},
};

TEST(ParseModule, MultiLineInstructions) { check(kJoins); }

// ---- Attribute groups, entry point and profile ----------------------------------------------

const Case kAttributes[] = {
    {"group after the function",
     "define void @main() #0 {\n}\nattributes #0 = { \"entry_point\" \"qir_profiles\"=\"base_profile\" }\n",
     "define main entry profile=base_profile\n  []\n"},
    {"group before the function",
     "attributes #7 = { \"entry_point\" \"qir_profiles\"=\"adaptive_profile\" }\ndefine void @main() #7 {\n}\n",
     "define main entry profile=adaptive_profile\n  []\n"},
    {"inline entry_point attribute",
     "define void @main() \"entry_point\" {\n}\n", "define main entry\n  []\n"},
    {"inline qir_profiles is not a profile",
     "define void @main() \"entry_point\" \"qir_profiles\"=\"base_profile\" {\n}\n",
     "define main entry\n  []\n"},
    {"inline attribute must be exactly entry_point",
     "define void @main() \"entry_point=1\" \"xentry_point\" {\n}\n", "define main\n  []\n"},
    {"attributes after the { are not read",
     "define void @main() { \"entry_point\" #0\n}\nattributes #0 = { \"entry_point\" }\n",
     "define main\n  []\n"},
    {"an unterminated inline attribute ends the scan",
     "define void @main() \"abc #0 {\n}\nattributes #0 = { \"entry_point\" }\n", "define main\n  []\n"},
    {"a group body containing entry_point anywhere",
     "define void @main() #0 {\n}\nattributes #0 = { nounwind my_entry_point_flag }\n",
     "define main entry\n  []\n"},
    {"a later line for the same group wins",
     "define void @main() #0 {\n}\nattributes #0 = { \"entry_point\" }\nattributes #0 = { nounwind }\n",
     "define main\n  []\n"},
    {"the same group referenced twice",
     "define void @main() #0 #0 {\n}\nattributes #0 = { \"entry_point\" \"qir_profiles\"=\"p\" }\n",
     "define main entry profile=p\n  []\n"},
    {"a reference without a group is passed over",
     "define void @main() #3 #0 {\n}\nattributes #0 = { \"entry_point\" }\n", "define main entry\n  []\n"},
    {"the profile comes from the first referenced group that has one",
     "define void @main() #2 #1 #0 {\n}\n"
     "attributes #0 = { \"qir_profiles\"=\"base_profile\" }\n"
     "attributes #1 = { \"qir_profiles\"=\"adaptive_profile\" }\n"
     "attributes #2 = { \"entry_point\" }\n",
     "define main entry profile=adaptive_profile\n  []\n"},
    {"a group without the closing quote gives no profile and the search goes on",
     "define void @main() #1 #0 {\n}\n"
     "attributes #0 = { \"qir_profiles\"=\"base_profile\" }\n"
     "attributes #1 = { \"entry_point\" \"qir_profiles\"=\"open }\n",
     "define main entry profile=base_profile\n  []\n"},
    {"the group body ends at its first }",
     "define void @main() #0 {\n}\nattributes #0 = { \"qir_profiles\"=\"a}b\" \"entry_point\" }\n",
     "define main\n  []\n"},
    {"an empty profile",
     "define void @main() #0 {\n}\nattributes #0 = { \"entry_point\" \"qir_profiles\"=\"\" }\n",
     "define main entry profile=\n  []\n"},
    {"the profile text is taken verbatim",
     "define void @main() #0 {\n}\nattributes #0 = {\"qir_profiles\"=\" my profile \"}\n",
     "define main profile= my profile \n  []\n"},
    {"the key must be quoted exactly",
     "define void @main() #0 {\n}\nattributes #0 = { qir_profiles=\"x\" \"qir_profiles\" = \"y\" }\n",
     "define main\n  []\n"},
    {"group numbers overflowing 32 bits are passed over",
     "define void @main() #4294967296 {\n}\n"
     "attributes #0 = { \"entry_point\" }\n"
     "attributes #4294967296 = { \"qir_profiles\"=\"wrapped\" }\n",
     "define main\n  []\n"},
    {"the largest group number",
     "define void @main() #4294967295 {\n}\nattributes #4294967295 = { \"entry_point\" }\n",
     "define main entry\n  []\n"},
    {"an overflowing group line does not define group 0",
     "define void @main() #0 {\n}\nattributes #4294967296 = { \"entry_point\" }\n", "define main\n  []\n"},
    {"white space between the parts of a group line",
     "define void @main() #0 {\n}\nattributes\t#0\u00A0=\u3000{ \"entry_point\" }\n", "define main entry\n  []\n"},
    {"no white space after the word attributes",
     "define void @main() #0 {\n}\nattributes#0={\"entry_point\"}\n", "define main entry\n  []\n"},
    {"malformed group lines are skipped",
     "define void @main() #0 #1 #2 #3 {\n}\n"
     "attributes #0 { \"entry_point\" }\n"
     "attributes #1 = \"entry_point\"\n"
     "attributes #2 = { \"entry_point\"\n"
     "attributes # = { \"entry_point\" }\n"
     "attributes #3x = { \"entry_point\" }\n",
     "define main\n  []\n"},
    {"# without digits on the header", "define void @main() # #x#0 {\n}\nattributes #0 = { \"entry_point\" }\n",
     "define main entry\n  []\n"},
};

TEST(ParseModule, AttributeGroups) { check(kAttributes); }

// ---- find_function_header -------------------------------------------------------------------

TEST(FindFunctionHeader, NameAndRest) {
  struct HeaderCase {
    std::string_view line;
    std::string_view keyword;
    std::optional<std::string_view> name;
    std::string_view rest = {};
  };
  const HeaderCase kCases[] = {
      {"define void @main() #0 {", "define", "main", " #0 {"},
      {"  declare void @f(i64, (x)) #1", "declare", "f", " #1"},
      {"define i64 @f(i64 %x)", "define", "f", ""},
      {"define void @\"a b\"(i64) {", "define", "a b", " {"},
      {"define void @\"a(\"(i64) {", "define", "a(", " {"},
      {"define void @() {", "define", "", " {"},
      {"define void @-f() {", "define", "", " {"},
      {"define void @f.g-h(i8) x", "define", "f.g", " x"},
      {"@x define void @f()", "define", "f", ""},
      {"define void @f", "define", std::nullopt},
      {"define void f()", "define", std::nullopt},
      {"define void @f(", "define", std::nullopt},
      {"define void @f((i64)", "define", std::nullopt},
      {"define void @\"f()", "define", std::nullopt},
      {"declare void @f()", "define", std::nullopt},
  };
  for (const HeaderCase& c : kCases) {
    auto h = find_function_header(c.line, c.keyword);
    ASSERT_EQ(h.has_value(), c.name.has_value()) << c.line;
    if (!h) continue;
    EXPECT_EQ(h->name, *c.name) << c.line;
    EXPECT_EQ(h->rest, c.rest) << c.line;
  }
}

}  // namespace
