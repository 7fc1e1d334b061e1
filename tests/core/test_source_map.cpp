// The source map: every printed line traced back to the QIR instruction it came from, shown
// here as the program with each line's origin appended (`// L:C`, nothing where there is none).
// Streamed, from the whole module and by regions, a translation gives the same map.
#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "brintavel/brintavel.hpp"
#include "translate.hpp"

namespace {

using namespace brintavel;

std::string annotated(const Translation& t) {
  std::string out;
  std::size_t line = 0;
  for (std::size_t start = 0; start < t.program.size(); ++line) {
    std::size_t end = t.program.find('\n', start);
    out.append(t.program, start, end - start);
    const LineOrigin& origin = t.source_map.at(line);
    if (origin.instruction)
      out += " // " + std::to_string(origin.instruction->line) + ":" + std::to_string(origin.instruction->column);
    if (origin.call) out += " via " + std::to_string(origin.call->line) + ":" + std::to_string(origin.call->column);
    out += "\n";
    start = end + 1;
  }
  return out;
}

const char* kDeclarations =
    "declare void @__quantum__qis__h__body(%Qubit*)\n"
    "declare void @__quantum__qis__x__body(%Qubit*)\n"
    "declare void @__quantum__qis__cnot__body(%Qubit*, %Qubit*)\n"
    "declare void @__quantum__qis__mz__body(%Qubit*, %Result*)\n"
    "declare i1 @__quantum__qis__read_result__body(%Result*)\n"
    "attributes #0 = { \"entry_point\" \"qir_profiles\"=\"adaptive_profile\" }\n";

TEST(SourceMap, EveryStatementNamesItsInstruction) {
  struct Case {
    const char* body;
    const char* expected;
  };
  const Case cases[] = {
      {// Straight-line code: one line per call; the registers come from no instruction.
       "entry:\n"
       "  call void @__quantum__qis__h__body(%Qubit* null)\n"
       "  call void @__quantum__qis__cnot__body(%Qubit* null, %Qubit* inttoptr (i64 1 to %Qubit*))\n"
       "  call void @__quantum__qis__mz__body(%Qubit* null, %Result* null)\n"
       "  ret void\n",
       "OPENQASM 3.0;\nqubit[2] q;\nbit[1] c;\nh q[0]; // 5:3\ncnot q[0], q[1]; // 6:3\n"
       "c[0] = measure q[0]; // 7:3\n"},
      {// A branch: the if comes from the br, each arm's statements from their calls.
       "entry:\n"
       "  call void @__quantum__qis__mz__body(%Qubit* null, %Result* null)\n"
       "  %r = call i1 @__quantum__qis__read_result__body(%Result* null)\n"
       "  br i1 %r, label %then, label %else\n"
       "then:\n"
       "  call void @__quantum__qis__x__body(%Qubit* null)\n"
       "  br label %done\n"
       "else:\n"
       "  call void @__quantum__qis__h__body(%Qubit* null)\n"
       "  br label %done\n"
       "done:\n"
       "  ret void\n",
       "OPENQASM 3.0;\nqubit[1] q;\nbit[1] c;\nc[0] = measure q[0]; // 5:3\nif (c[0]) { // 7:3\n"
       "  x q[0]; // 9:3\n} else {\n  h q[0]; // 12:3\n}\n"},
  };
  for (const Case& c : cases) {
    std::string text = std::string("%Qubit = type opaque\n%Result = type opaque\ndefine void @main() #0 {\n") +
                       c.body + "}\n" + kDeclarations;
    TranslateOptions options;
    options.source_map = true;
    auto t = translate(text, options);
    ASSERT_TRUE(t) << t.error().message;
    std::string expected = c.expected;
    std::string got = annotated(*t);
    EXPECT_EQ(got.substr(0, got.rfind("// generated-by")), expected) << c.body;
  }
}

// The map is the same however the entry point is lowered, for every golden input.
TEST(SourceMap, SameStreamedWholeAndByRegions) {
  const char* inputs[] = {
      "circuits/bell.ll", "dynamic/nested_ifs.ll", "dynamic/while_loops.ll", "dynamic/repetition_code_round.ll",
      "dynamic/syndrome_weight.ll"};
  for (const char* name : inputs) {
    std::string path = std::string(BRINTAVEL_TEST_DATA_DIR) + "/" + name;
    FILE* f = std::fopen(path.c_str(), "rb");
    ASSERT_NE(f, nullptr) << path;
    std::string text;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) text.append(buffer, n);
    std::fclose(f);
    TranslateOptions options;
    options.source_map = true;
    auto streamed = translate(text, options);
    auto whole = translate_whole_module(text, options);
    auto regions = translate_with_regions(text, options, 1);
    ASSERT_TRUE(streamed && whole && regions) << name;
    EXPECT_EQ(annotated(*streamed), annotated(*whole)) << name;
    EXPECT_EQ(annotated(*streamed), annotated(*regions)) << name;
    EXPECT_EQ(streamed->source_map.size(),
              static_cast<std::size_t>(std::count(streamed->program.begin(), streamed->program.end(), '\n')));
  }
}

}  // namespace
