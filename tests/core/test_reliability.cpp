// Robustness of whole translations: resource limits, deep structures, and many
// translations in a row (run under the sanitizer build, LeakSanitizer checks every
// allocation is released, on success and on every kind of failure alike).
#include <algorithm>
#include <iostream>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "brintavel/brintavel.hpp"
#include "builders/profile.hpp"
#include "ir/module_parser.hpp"
#include "qasm/model.hpp"
#include "translator/context.hpp"
#include "translator/entry_point.hpp"
#include "translator/rules.hpp"

namespace {

const char* kDeclarations =
    "declare void @__quantum__qis__x__body(ptr)\n"
    "declare void @__quantum__qis__rz__body(double, ptr)\n"
    "declare void @__quantum__qis__mz__body(ptr, ptr)\n"
    "declare i1 @__quantum__rt__read_result(ptr)\n"
    "attributes #0 = { \"entry_point\" }\n";

std::string module(const std::string& body) {
  return "define void @main() #0 {\n" + body + "}\n" + kDeclarations;
}

std::string doubling_chain(int links) {
  std::string body = "entry:\n  %x0 = add i64 1, 2\n";
  for (int i = 1; i <= links; ++i)
    body += "  %x" + std::to_string(i) + " = add i64 %x" + std::to_string(i - 1) + ", %x" +
            std::to_string(i - 1) + "\n";
  body += "  call void @__quantum__qis__rz__body(double %x" + std::to_string(links) +
          ", ptr null)\n  ret void\n";
  return module(body);
}

std::string nested_loops(int depth) {
  std::string body = "entry:\n  br label %h0\n";
  for (int i = 0; i < depth; ++i) {
    std::string n = std::to_string(i);
    body += "h" + n + ":\n  %r" + n + " = call i1 @__quantum__rt__read_result(ptr null)\n";
    body += "  br i1 %r" + n + ", label %s" + n + ", label %e" + n + "\n";
    body += "s" + n + ":\n  br label %" + (i + 1 < depth ? "h" + std::to_string(i + 1) : std::string("core")) + "\n";
  }
  body += "core:\n  call void @__quantum__qis__x__body(ptr null)\n  br label %h" + std::to_string(depth - 1) + "\n";
  for (int i = depth - 1; i >= 0; --i)
    body += "e" + std::to_string(i) + ":\n" +
            (i > 0 ? "  br label %h" + std::to_string(i - 1) + "\n" : std::string("  ret void\n"));
  return module(body);
}

TEST(SizeLimits, ExponentialGrowthStopsAtTheValueThatExceedsTheBudget) {
  auto result = brintavel::translate_qir(doubling_chain(60));
  ASSERT_FALSE(result);
  EXPECT_EQ(result.error().kind, brintavel::ErrorKind::UnsupportedConstruct);
  EXPECT_NE(result.error().message.find("translation size limit of "), std::string::npos);
  EXPECT_NE(result.error().message.find(" exceeded at SSA value \"x"), std::string::npos)
      << result.error().message;
}

TEST(SizeLimits, ModestChainsStayWellInsideTheBudget) {
  auto result = brintavel::translate_qir(doubling_chain(12));
  ASSERT_TRUE(result) << brintavel::describe(result.error());
}

// Real programs (every golden file, the producer corpus among them) use a small fraction of
// the size budget.
TEST(SizeLimits, RealProgramsStayFarInsideTheBudget) {
  namespace fs = std::filesystem;
  double worst = 0;
  std::string worst_file;
  int translated = 0;
  for (const auto& entry : fs::recursive_directory_iterator(BRINTAVEL_TEST_DATA_DIR)) {
    if (entry.path().extension() != ".ll") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    std::string text = std::move(buffer).str();
    auto module = brintavel::ir::parse_module(text);
    if (!module) continue;
    brintavel::translator::TranslationStats stats;
    auto rules = brintavel::translator::base_rules();
    brintavel::translator::TranslationContext context{*rules, {}, std::nullopt, false, &stats};
    if (!brintavel::translator::translate_entry_point(context, *module)) continue;
    ++translated;
    double share = double(stats.nodes_used) / double(stats.node_budget);
    if (share > worst) worst = share, worst_file = entry.path().filename().string();
  }
  EXPECT_GT(translated, 80);
  EXPECT_LT(worst, 0.001) << worst_file;
  std::cout << "largest share of the size budget: " << worst << " (" << worst_file << ")\n";
}

// Long programs whose measurements and reads are spread over blocks in the ways producers
// write them: the checks of what a read sees cost little per read, however many there are.
std::string ptr(int index) { return "ptr inttoptr (i64 " + std::to_string(index) + " to ptr)"; }

std::string spread_reads(const std::string& pattern, int count) {
  std::string body = "entry:\n  call void @__quantum__qis__mz__body(ptr null, ptr null)\n";
  auto block = [&](const std::string& label, int i) { return label + std::to_string(i); };
  if (pattern == "measured first, read at the end")
    for (int i = 1; i <= count; ++i)
      body += "  call void @__quantum__qis__mz__body(" + ptr(i) + ", " + ptr(i) + ")\n";
  body += "  br label %m0\n";
  for (int i = 0; i < count; ++i) {
    int bit = pattern == "one result measured again and again" ? 0 : i + 1;
    std::string measure = "  call void @__quantum__qis__mz__body(" + ptr(bit) + ", " + ptr(bit) + ")\n";
    std::string read = "  %r" + std::to_string(i) + " = call i1 @__quantum__rt__read_result(" + ptr(bit) + ")\n";
    body += block("m", i) + ":\n";
    if (pattern == "measured in both arms, read after them") {
      body += "  %k" + std::to_string(i) + " = call i1 @__quantum__rt__read_result(ptr null)\n";
      body += "  br i1 %k" + std::to_string(i) + ", label %" + block("l", i) + ", label %" + block("e", i) + "\n";
      body += block("l", i) + ":\n" + measure + "  br label %" + block("b", i) + "\n";
      body += block("e", i) + ":\n" + measure + "  br label %" + block("b", i) + "\n";
    } else if (pattern == "one result measured again and again") {
      body += measure + read + "  br label %" + block("b", i) + "\n";
    } else {
      if (pattern != "measured first, read at the end") body += measure;
      body += "  br label %" + block("b", i) + "\n";
    }
    body += block("b", i) + ":\n";
    if (pattern != "one result measured again and again") body += read;
    body += "  br i1 %r" + std::to_string(i) + ", label %" + block("t", i) + ", label %" + block("m", i + 1) + "\n";
    body += block("t", i) + ":\n  call void @__quantum__qis__x__body(" + ptr(bit) + ")\n  br label %" +
            block("m", i + 1) + "\n";
  }
  body += block("m", count) + ":\n  ret void\n";
  return module(body);
}

TEST(SizeLimits, ReadsSpreadOverManyBlocksCostLittleEach) {
  for (const char* pattern : {"measured in one block, read in the next", "one result measured again and again",
                              "measured in both arms, read after them", "measured first, read at the end"}) {
    std::string text = spread_reads(pattern, 20000);
    auto module = brintavel::ir::parse_module(text);
    ASSERT_TRUE(module) << pattern;
    brintavel::translator::TranslationStats stats;
    auto rules = brintavel::translator::base_rules();
    brintavel::translator::TranslationContext context{*rules, {}, std::nullopt, false, &stats};
    auto program = brintavel::translator::translate_entry_point(context, *module);
    ASSERT_TRUE(program) << pattern << ": " << brintavel::describe(program.error());
    // About one node per statement and expression, a few per read.
    EXPECT_LT(stats.nodes_used, 20u * 20000u) << pattern;
  }
}

TEST(SizeLimits, ExpressionDepthIsBoundedWhereAValueIsBound) {
  using namespace brintavel;
  translator::LoweringContext ctx(translator::Limits::nodes_for_input(0));
  qasm::Expression e = qasm::IntLiteral{0};
  for (std::uint64_t i = 1; i < translator::Limits::kMaxExpressionDepth; ++i)
    e = qasm::make_binary(qasm::BinaryOperator::Add, std::move(e), qasm::IntLiteral{1});
  ASSERT_TRUE(ctx.bind_value("deep", e));
  auto too_deep = ctx.bind_value("deeper", qasm::make_not(std::move(e)));
  ASSERT_FALSE(too_deep);
  EXPECT_EQ(too_deep.error().message,
            "expression for SSA value \"deeper\" is nested more than 10000 levels deep; such "
            "deeply nested classical expressions are not supported");
}

TEST(DeepStructures, ThousandsOfNestedLoopsTranslate) {
  const int depth = 3000;
  auto result = brintavel::translate_qir(nested_loops(depth));
  ASSERT_TRUE(result) << brintavel::describe(result.error());
  // The innermost gate sits inside every loop: two spaces of indentation per level.
  std::string innermost = "\n" + std::string(2 * depth, ' ') + "x q[0];\n";
  EXPECT_NE(result->find(innermost), std::string::npos);
}

TEST(ManyTranslations, SuccessesAndEveryKindOfFailureReleaseEverything) {
  const std::vector<std::string> inputs = {
      nested_loops(5),
      module("entry:\n  call void @nowhere(ptr null)\n"),    // no signature
      module("entry:\n  %x = fneg double 1.0\n  ret void\n"),  // unknown opcode
      module("entry:\n  br label %missing\n"),               // branch target
      "define void @main() #0 {\n  call void @f(\n",         // unterminated
      "declare void @f(i8**)\n",                             // signature table
      std::string("\xff\xfe"),                               // not UTF-8
      "",
  };
  for (int round = 0; round < 50; ++round)
    for (const std::string& input : inputs) (void)brintavel::translate_qir(input, "p");
  // Exhausting the size budget unwinds half-built expressions and statements.
  EXPECT_FALSE(brintavel::translate_qir(doubling_chain(40)));
}

}  // namespace
