// The extended mode's calls to functions defined in the module, barriers and memory, on small
// modules: what each case translates to, or its message and the line it points at. (The
// golden files under tests/data/extended hold the larger programs.)
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "brintavel/brintavel.hpp"
#include "translate.hpp"

namespace {

using namespace brintavel;

// A module whose entry point @main has the lines `body` (its block label included), followed
// by `definitions` and declarations of the intrinsics used.
std::string module_with(std::string_view body, std::string_view definitions) {
  return "define void @main() #0 {\n" + std::string(body) + "}\n" + std::string(definitions) +
         "declare void @__quantum__qis__h__body(ptr)\n"
         "declare void @__quantum__qis__x__body(ptr)\n"
         "declare void @__quantum__qis__mz__body(ptr, ptr writeonly)\n"
         "declare i1 @__quantum__rt__read_result(ptr)\n"
         "attributes #0 = { \"entry_point\" }\n";
}

struct Case {
  const char* name;
  std::string qir;
  std::string expected;  // a text the translation holds, or the whole message
  std::uint32_t line = 0;  // for a message: the line it points at
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

std::vector<Case> cases() {
  const char* q2 = "ptr inttoptr (i64 2 to ptr)";
  return {
      // The call to @pair inlines a call itself: its body has blocks of its own, and a region of
      // the lowering closes before the refused instruction.
      {"an instruction refused before a call that cannot be inlined: the refusal comes first",
       module_with("entry:\n  call void @pair(ptr null)\n  %x = frobnicate i64 1\n  call void @pair(ptr null, ptr null)\n"
                   "  ret void\n",
                   "define internal void @pair(ptr %a) {\n  call void @__quantum__qis__h__body(ptr %a)\n"
                   "  call void @one(ptr %a)\n  ret void\n}\n"
                   "define internal void @one(ptr %a) {\n  call void @__quantum__qis__h__body(ptr %a)\n  ret void\n}\n"),
       "unsupported LLVM instruction opcode \"frobnicate\" in block \"entry#0.1\"", 4},
      {"quoted and attributed parameter names",
       module_with(std::string("entry:\n  call void @\"apply x\"(") + q2 + ")\n  ret void\n",
                   "define internal void @\"apply x\"(ptr noundef nonnull %\"the qubit\") {\n"
                   "  call void @__quantum__qis__x__body(ptr %\"the qubit\")\n  ret void\n}\n"),
       "x q[2];\n"},
      {"a cast of a constant argument is that constant",
       module_with("entry:\n  %n = call i64 @count(i1 true, ptr null)\n"
                   "  %one = icmp eq i64 %n, 1\n  br i1 %one, label %a, label %b\n"
                   "a:\n  call void @__quantum__qis__h__body(ptr null)\n  br label %b\nb:\n  ret void\n",
                   "define internal i64 @count(i1 %bit, ptr %q) {\n"
                   "  %w = zext i1 %bit to i64\n  %p = bitcast ptr %q to ptr\n"
                   "  call void @__quantum__qis__x__body(ptr %p)\n  ret i64 %w\n}\n"),
       "x q[0];\nif (1 == 1) {\n"},
      // A wrapper that only calls, on constants and its parameters, has its calls copied with
      // the arguments put in; the order of its parameters is its own.
      {"a wrapper's parameters in their own order, between constants",
       module_with(std::string("entry:\n  call void @measure_into(ptr inttoptr (i64 1 to ptr), ") + q2 +
                       ")\n  call void @measure_into(ptr null, ptr null)\n  ret void\n",
                   "define internal void @measure_into(ptr %r, ptr %q) {\n"
                   "  call void @__quantum__qis__x__body(ptr %q)\n"
                   "  call void @__quantum__qis__mz__body(ptr %q, ptr %r)\n"
                   "  call void @__quantum__qis__h__body(ptr null)\n  ret void\n}\n"),
       "x q[2];\nc[1] = measure q[2];\nh q[0];\nx q[0];\nc[0] = measure q[0];\nh q[0];\n"},
      {"a wrapper's return that cannot be read, though its value is not used",
       module_with("entry:\n  call void @f(ptr null)\n  ret void\n",
                   "define internal i64 @f(ptr %q) {\n  call void @__quantum__qis__x__body(ptr %q)\n"
                   "  ret i64 [1, 2]\n}\n"),
       "could not read the value returned in @f: \"ret i64 [1, 2]\"", 8},
      {"a defined function that a builder lowers stays a call",
       module_with("entry:\n  call void @__quantum__qis__h__body(ptr null)\n"
                   "  call void @__quantum__qis__barrier__body()\n  ret void\n",
                   "define void @__quantum__qis__h__body(ptr %q) {\n"
                   "  call void @__quantum__qis__x__body(ptr %q)\n  ret void\n}\n"
                   "declare void @__quantum__qis__barrier__body()\n"),
       "h q[0];\nbarrier q;\n"},
      {"barrier operands are named once",
       module_with(std::string("entry:\n  call void @__quantum__qis__barrier3__body(") + q2 +
                       ", ptr null, " + q2 + ")\n  ret void\n",
                   "declare void @__quantum__qis__barrier3__body(ptr, ptr, ptr)\n"),
       "qubit[3] q;\nbarrier q[2], q[0];\n"},
      {"memory written once is followed",
       module_with("entry:\n  %cell = alloca i64\n  store i64 2, ptr %cell\n  %v = load i64, ptr %cell\n"
                   "  %p = inttoptr i64 %v to ptr\n  call void @f(ptr %p)\n  ret void\n",
                   "define internal void @f(ptr %q) {\n"
                   "  call void @__quantum__qis__x__body(ptr %q)\n  ret void\n}\n"),
       "x q[2];\n"},

      {"arity mismatch",
       module_with("entry:\n  call void @f(ptr null, ptr null)\n  ret void\n",
                   "define internal void @f(ptr %q) {\n  ret void\n}\n"),
       "call to @f passes 2 argument(s) but its definition takes 1", 3},
      {"variadic callee",
       module_with("entry:\n  call void (ptr, ...) @f(ptr null)\n  ret void\n",
                   "define internal void @f(ptr %q, ...) {\n  ret void\n}\n"),
       "variadic function @f cannot be inlined", 3},
      {"direct recursion",
       module_with("entry:\n  call void @f()\n  ret void\n",
                   "define internal void @f() {\n  call void @f()\n  ret void\n}\n"),
       "function @f calls itself (@main -> @f -> @f); recursive calls cannot be inlined", 7},
      {"an error in an inlined body points into the callee",
       module_with("entry:\n  call void @f()\n  ret void\n",
                   "define internal void @f() {\nstart:\n  unreachable\n}\n"),
       "unsupported LLVM instruction opcode \"unreachable\" in block \"start#1\"", 8},
      {"the value of a call to a function that returns none",
       module_with("entry:\n  %v = call i1 @f()\n  br i1 %v, label %a, label %a\na:\n  ret void\n",
                   "define internal i1 @f() {\n  ret void\n}\n"),
       "the value of the call to @f is used, but the function returns none", 3},
      {"memory read, then written again (through an alias, so not made SSA values)",
       module_with("entry:\n  %cell = alloca i64\n  %alias = bitcast ptr %cell to ptr\n  store i64 1, ptr %alias\n"
                   "  %v = load i64, ptr %cell\n"
                   "  store i64 2, ptr %cell\n  call void @__quantum__qis__barrier__body()\n  ret void\n",
                   "declare void @__quantum__qis__barrier__body()\n"),
       "memory at \"cell\" is written more than once and read; following memory whose contents change "
       "is not supported",
       7},
      {"barrier width that does not match the operands",
       module_with("entry:\n  call void @__quantum__qis__barrier2__body(ptr null)\n  ret void\n",
                   "declare void @__quantum__qis__barrier2__body(ptr)\n"),
       "barrier intrinsic \"__quantum__qis__barrier2__body\" is for 2 qubit(s) but is called with 1 "
       "operand(s)",
       3},
      {"barrier on a value that is not a qubit",
       module_with("entry:\n  call void @__quantum__qis__barrier__body(i64 3)\n  ret void\n",
                   "declare void @__quantum__qis__barrier__body(i64)\n"),
       "barrier intrinsic \"__quantum__qis__barrier__body\" takes an operand of type \"i64\"; its "
       "operands must be qubits",
       3},
  };
}

class Inline : public testing::TestWithParam<Case> {};

TEST_P(Inline, TranslatesOrFails) {
  const Case& c = GetParam();
  ASSERT_FALSE(translate_qir(c.qir)) << "the default mode translates this module";
  TranslateOptions options;
  options.extended = true;
  auto result = translate(c.qir, options);
  // Regions closed wherever the body allows give the same translation or error.
  auto regions = translate_with_regions(c.qir, options, 1);
  ASSERT_EQ(regions.has_value(), result.has_value());
  if (result) {
    EXPECT_EQ(regions->program, result->program);
  } else {
    EXPECT_EQ(regions.error().message, result.error().message);
    EXPECT_EQ(regions.error().position, result.error().position);
  }
  if (c.line == 0) {
    ASSERT_TRUE(result) << describe(result.error());
    EXPECT_NE(result->program.find(c.expected), std::string::npos) << result->program;
  } else {
    ASSERT_FALSE(result) << result->program;
    EXPECT_EQ(result.error().message, c.expected);
    ASSERT_TRUE(result.error().position);
    EXPECT_EQ(result.error().position->line, c.line);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, Inline, testing::ValuesIn(cases()),
                         [](const testing::TestParamInfo<Case>& param_info) {
                           std::string name = param_info.param.name;
                           for (char& ch : name)
                             if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           return name;
                         });

}  // namespace
