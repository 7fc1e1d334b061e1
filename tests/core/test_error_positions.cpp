// Every family of errors points at the input it concerns: parse errors at the offending
// instruction or header line, signature errors at their header line, lowering errors at
// their instruction, control-flow errors at a block's label line, stale reads at the use;
// errors about the module as a whole have no position.
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "brintavel/brintavel.hpp"

namespace {

using brintavel::ErrorKind;
using brintavel::SourcePosition;

// Line 1 is the define line; the body starts on line 2.
std::string module(const std::string& body, const std::string& declarations = "") {
  return "define void @main() #0 {\n" + body + "}\n" +
         "declare void @__quantum__qis__h__body(ptr)\n"
         "declare void @__quantum__qis__mz__body(ptr, ptr)\n"
         "declare i1 @__quantum__rt__read_result(ptr)\n" +
         declarations + "attributes #0 = { \"entry_point\" }\n";
}

struct Case {
  const char* what;
  std::string qir;
  ErrorKind kind;
  std::optional<SourcePosition> position;
};

TEST(ErrorPositions, EveryFamily) {
  const Case cases[] = {
      // Parse errors: the instruction, header or byte concerned.
      {"instruction", module("entry:\n  %a = phi i64 0\n  ret void\n"), ErrorKind::Parse, SourcePosition{3, 3}},
      {"operand", module("entry:\n  call void @__quantum__qis__h__body(ptr bogus)\n  ret void\n"),
       ErrorKind::Parse, SourcePosition{3, 3}},
      {"unterminated instruction", "define void @main() #0 {\nentry:\n  call void @f(\n", ErrorKind::Parse,
       SourcePosition{3, 3}},
      {"body not terminated", "\n  define void @main() #0 {\nentry:\n  ret void\n", ErrorKind::Parse,
       SourcePosition{2, 3}},
      {"define header", "define void main() {\n}\n", ErrorKind::Parse, SourcePosition{1, 1}},
      {"declaration", module("entry:\n  ret void\n", "  declare void @f\n"), ErrorKind::Parse,
       SourcePosition{8, 3}},
      {"not UTF-8", "define void @main() #0 {\n  ; caf\xE9\n}\n", ErrorKind::Parse, SourcePosition{2, 8}},
      // Signature errors: the header line.
      {"signature", module("entry:\n  ret void\n", "declare void @g(i64, , i64)\n"), ErrorKind::Parse,
       SourcePosition{8, 1}},
      // Lowering errors: the instruction.
      {"unknown opcode", module("entry:\n  call void @__quantum__qis__h__body(ptr null)\n  %x = frob i64 1\n  ret void\n"),
       ErrorKind::UnsupportedConstruct, SourcePosition{4, 3}},
      {"missing label colon", module("entry\n  ret void\n"), ErrorKind::UnsupportedConstruct, SourcePosition{2, 1}},
      {"callee", module("entry:\n  call void @g()\n  ret void\n"), ErrorKind::UnsupportedConstruct, SourcePosition{3, 3}},
      {"operand", module("entry:\n  call void @__quantum__qis__h__body(ptr %q)\n  ret void\n"),
       ErrorKind::UnsupportedConstruct, SourcePosition{3, 3}},
      {"phi", module("entry:\n  br label %b\nb:\n  %x = phi double [ 0.0, %entry ]\n  ret void\n"),
       ErrorKind::UnsupportedConstruct, SourcePosition{5, 3}},
      {"branch condition", module("entry:\n  br i1 %never, label %a, label %a\na:\n  ret void\n"),
       ErrorKind::UnsupportedConstruct, SourcePosition{3, 3}},
      // Control-flow errors: the label line of a block concerned.
      {"unstructured", module("entry:\n  %r = call i1 @__quantum__rt__read_result(ptr null)\n"
                              "  br i1 %r, label %a, label %b\na:\n  br label %b\nb:\n  br label %a\n"),
       ErrorKind::ControlFlow, SourcePosition{5, 1}},
      {"branch target", module("entry:\n  br label %nowhere\n"), ErrorKind::UnsupportedConstruct, SourcePosition{2, 1}},
      {"duplicate label", module("a:\n  br label %b\nb:\n  br label %a\nb:\n  ret void\n"),
       ErrorKind::UnsupportedConstruct, SourcePosition{6, 1}},
      // A stale read: the use.
      {"stale read", module("entry:\n  call void @__quantum__qis__mz__body(ptr null, ptr null)\n"
                            "  %r = call i1 @__quantum__rt__read_result(ptr null)\n  br label %m\n"
                            "m:\n  call void @__quantum__qis__mz__body(ptr null, ptr null)\n"
                            "  br i1 %r, label %e, label %e\ne:\n  ret void\n"),
       ErrorKind::UnsupportedConstruct, SourcePosition{8, 3}},
      // The module as a whole.
      {"no entry point", "define void @f() {\n  ret void\n}\n", ErrorKind::UnsupportedConstruct, std::nullopt},
      {"register size", module("entry:\n  call void @__quantum__qis__h__body(ptr inttoptr (i64 9223372036854775807 to ptr))\n"
                               "  ret void\n"),
       ErrorKind::UnsupportedConstruct, std::nullopt},
  };
  for (const Case& c : cases) {
    auto result = brintavel::translate_qir(c.qir);
    ASSERT_FALSE(result.has_value()) << c.what;
    EXPECT_EQ(result.error().kind, c.kind) << c.what << ": " << result.error().message;
    EXPECT_EQ(result.error().position, c.position)
        << c.what << ": " << result.error().message << " at "
        << (result.error().position ? std::to_string(result.error().position->line) + ":" +
                                          std::to_string(result.error().position->column)
                                    : std::string("nowhere"));
  }
}

// A column counts characters, not bytes.
TEST(ErrorPositions, ColumnsCountCharacters) {
  auto result = brintavel::translate_qir(module("entry:\n  ; é\n\xE2\x80\x83 %x = frob i64 1\n  ret void\n"));
  ASSERT_FALSE(result.has_value());
  EXPECT_EQ(result.error().position, (SourcePosition{4, 3}));
}

}  // namespace
