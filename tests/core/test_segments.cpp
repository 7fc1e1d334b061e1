// Where a body falls apart into segments that are analysed and lowered one after another: the
// places the branch graph and the values allow, on small bodies, and the bodies that are
// lowered by segments while the parser reads them. (The golden tests check that a translation
// by segments is the translation of the whole body.)
#include <cctype>
#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "ir/module_parser.hpp"
#include "signatures.hpp"
#include "translator/inline.hpp"
#include "translator/regions.hpp"
#include "translator/rules.hpp"
#include "translator/segment_stream.hpp"
#include "translator/segments.hpp"

namespace {

using brintavel::ir::InstructionSet;
using brintavel::ir::parse_module;
using brintavel::translator::BodyIndex;
using brintavel::translator::segment_starts;
using brintavel::translator::SegmentFinder;
using brintavel::translator::SegmentNames;

struct Case {
  const char* name;
  std::string body;  // the blocks of @main
  std::uint32_t minimum;
  std::vector<std::uint32_t> starts;
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

// A diamond that reads result `k` and joins in block `join`.
std::string diamond(int k, const std::string& join) {
  std::string r = "%r" + std::to_string(k);
  return "  " + r + " = call i1 @__quantum__rt__read_result(ptr inttoptr (i64 " + std::to_string(k) +
         " to ptr))\n  br i1 " + r + ", label %x" + std::to_string(k) + ", label %" + join + "\nx" +
         std::to_string(k) + ":\n  call void @__quantum__qis__x__body(ptr null)\n  br label %" + join + "\n" + join +
         ":\n";
}

// A loop of three trips whose count `%n<k>` the exit block reads.
std::string loop(int k) {
  std::string s = std::to_string(k);
  return "  br label %h" + s + "\nh" + s + ":\n  %i" + s + " = phi i64 [0, %pre" + s + "], [%n" + s + ", %l" + s +
         "]\n  %c" + s + " = icmp slt i64 %i" + s + ", 3\n  br i1 %c" + s + ", label %l" + s + ", label %e" + s +
         "\nl" + s + ":\n  %n" + s + " = add i64 %i" + s + ", 1\n  br label %h" + s + "\ne" + s + ":\n  %u" + s +
         " = add i64 %i" + s + ", 7\n";
}

std::vector<Case> cases() {
  std::string chain = "entry:\n" + diamond(0, "j0") + diamond(1, "j1") + diamond(2, "j2") + "  ret void\n";
  std::string far = "entry:\n  %v = add i64 1, 2\n" + diamond(0, "j0") + diamond(1, "j1") + diamond(2, "j2") +
                    diamond(3, "j3") + diamond(4, "j4") + diamond(5, "j5") + "  %w = add i64 %v, 1\n  ret void\n";
  return {
      // Each join ends a region once the next one shows that nothing branches back to it.
      {"a chain of diamonds splits at its joins", chain, 1, {2, 4}},
      {"segments hold at least the fewest blocks", chain, 3, {4}},
      {"a body of one block is one segment", "entry:\n  ret void\n", 1, {}},
      // The loop's exit reads the loop's count: the segment that would begin there joins the
      // loop's; the next one begins at the block before the second loop.
      {"a loop's exit stays with the loop",
       "entry:\n  br label %pre0\npre0:\n" + loop(0) + "  br label %pre1\npre1:\n" + loop(1) +
           "  br label %done\ndone:\n  ret void\n",
       1, {1, 5}},
      {"a join with a phi begins no segment",
       "entry:\n" + diamond(0, "j0") + diamond(1, "j1") +
           "  %p = phi i64 [1, %j0], [2, %x1]\n" + diamond(2, "j2") + "  ret void\n",
       1, {2}},
      {"a value read before its block keeps the body whole",
       "entry:\n" + diamond(0, "j0") + "  %a = add i64 %b, 1\n" + diamond(1, "j1") + "  %b = add i64 2, 3\n  ret void\n", 1,
       {}},
      {"a value read several segments on keeps the body whole", far, 1, {}},
      {"a name defined in two segments keeps the body whole",
       "entry:\n  %a = add i64 1, 2\n" + diamond(0, "j0") + "  %a = add i64 3, 4\n" + diamond(1, "j1") + "  ret void\n", 1,
       {}},
      {"a value read a few segments on joins them", "entry:\n  %v = add i64 1, 2\n" + diamond(0, "j0") + diamond(1, "j1") +
                                                        "  %w = add i64 %v, 1\n" + diamond(2, "j2") + diamond(3, "j3") + "  ret void\n",
       1, {6}},
  };
}

class Segments : public testing::TestWithParam<Case> {};

// The case's body as the entry point of a module.
std::string module_of(const Case& c) {
  return "define void @main() {\n" + c.body +
         "}\ndeclare i1 @__quantum__rt__read_result(ptr)\ndeclare void @__quantum__qis__x__body(ptr)\n";
}

TEST_P(Segments, StartWhereTheGraphAndTheValuesAllow) {
  const Case& c = GetParam();
  const std::string text = module_of(c);  // (the module's names point into it)
  auto module = parse_module(text, InstructionSet::Extended);
  ASSERT_TRUE(module.has_value()) << module.error().message;
  EXPECT_EQ(segment_starts(module->functions.front().blocks, c.minimum), c.starts);
}

// The names the finder numbers for each segment, taken over by the segment's index, make the
// index the segment's own would be: each name's definition, and whether it is read. Names that
// are not the segment's (here: none) are set aside, and the index is made as its own.
TEST_P(Segments, HandEachIndexTheNamesItsSegmentDefines) {
  const Case& c = GetParam();
  const std::string text = module_of(c);  // (the module's names point into it)
  auto module = parse_module(text, InstructionSet::Extended);
  ASSERT_TRUE(module.has_value()) << module.error().message;
  const std::vector<brintavel::ir::Block>& blocks = module->functions.front().blocks;
  SegmentFinder finder(c.minimum);
  for (const auto& block : blocks) finder.add(block);
  finder.end();
  for (const auto& block : blocks)
    if (!finder.whole()) finder.process(block);
  std::optional<std::vector<std::uint32_t>> starts = finder.result();
  if (!starts || starts->empty()) return;
  std::vector<std::uint32_t> bounds{0};
  bounds.insert(bounds.end(), starts->begin(), starts->end());
  bounds.push_back(static_cast<std::uint32_t>(blocks.size()));
  for (std::size_t k = 0; k + 1 < bounds.size(); ++k) {
    std::span<const brintavel::ir::Block> segment(blocks.data() + bounds[k], bounds[k + 1] - bounds[k]);
    std::optional<SegmentNames> names = finder.take_names(bounds[k]);
    ASSERT_TRUE(names.has_value()) << bounds[k];
    SegmentNames not_its_own;
    BodyIndex own(segment), taken(segment, nullptr, nullptr, &*names), remade(segment, nullptr, nullptr, &not_its_own);
    ASSERT_EQ(taken.definition_count(), own.definition_count());
    ASSERT_EQ(remade.definition_count(), own.definition_count());
    auto same = [&](std::string_view name) {
      const BodyIndex::Definition* a = own.find(name);
      for (const BodyIndex* index : {&taken, &remade}) {
        const BodyIndex::Definition* b = index->find_read(name);
        ASSERT_EQ(a != nullptr, b != nullptr) << name;
        if (a) {
          EXPECT_EQ(a->number, b->number) << name;
        }
        EXPECT_EQ(own.is_used(name), index->is_used(name)) << name;
      }
    };
    for (const auto& block : segment)
      for (const auto& instruction : block.instructions) {
        brintavel::ir::for_each_use(instruction, same);
        if (auto name = brintavel::ir::defined_name(instruction)) same(*name);
      }
  }
}

INSTANTIATE_TEST_SUITE_P(Bodies, Segments, testing::ValuesIn(cases()));

// ---- Lowering by segments while the parser reads the body ---------------------------------

struct StreamCase {
  const char* name;
  std::string body;
  bool streams;  // false: the body is left to the lowering of the whole module
  std::string after = {};  // module text after the body
  bool keeps_body = true;  // (when it does not stream) it gave up before lowering a segment
  bool inlines = false;    // `after` defines functions whose calls the stream inlines
};

// A wrapper as the QDK writes them, around one gate; and one with its own stack memory.
const char* const kWrapper =
    "define internal void @X(ptr %q) {\n  call void @__quantum__qis__x__body(ptr %q)\n  ret void\n}\n";
const char* const kWrapperWithMemory =
    "define internal void @X(ptr %q) {\n  %m = alloca i64\n  call void @__quantum__qis__x__body(ptr %q)\n"
    "  ret void\n}\n";

void PrintTo(const StreamCase& c, std::ostream* out) { *out << c.name; }

std::vector<StreamCase> stream_cases() {
  std::string chain = "entry:\n" + diamond(0, "j0") + diamond(1, "j1") + diamond(2, "j2") +
                      "  call void @__quantum__qis__x__body(ptr null)\n";
  // More gates in a block than a piece holds (16 instructions with regions of one block).
  std::string gates;
  for (int k = 0; k < 40; ++k) gates += "  call void @__quantum__qis__x__body(ptr inttoptr (i64 " + std::to_string(k) + " to ptr))\n";
  return {
      {"a chain of diamonds", chain + "  ret void\n", true},
      {"loops with counters", "entry:\n  br label %pre0\npre0:\n" + loop(0) + "  br label %pre1\npre1:\n" + loop(1) +
                                  "  br label %done\ndone:\n  ret void\n",
       true},
      {"a block that only branches on to a block with phis",
       chain + "  br label %f\nf:\n  br label %m\nm:\n  %p = phi i64 [1, %f]\n  ret void\n", true},
      {"a block that only branches on to a later block without phis",
       chain + "  br label %f\nf:\n  br label %m\nm:\n  ret void\n", false},
      {"a block that only branches back", "entry:\n  br label %f\nf:\n  br label %entry\n", false},
      // (Found at the end: the labels of the blocks lowered already are not kept at hand.)
      {"a block that only branches on to a block lowered already",
       chain + "  br label %f\nf:\n  br label %j0\n", false},
      {"a phi whose predecessor is a block lowered already",
       chain + "  br label %m\nm:\n  %p = phi i64 [1, %j0]\n  ret void\n", false, {}, false},
      {"two returns", "entry:\n" + diamond(0, "j0") + "  br i1 %r0, label %a, label %b\na:\n  ret void\nb:\n  ret void\n",
       false},
      {"stack memory", chain + "  %m = alloca i64\n  store i64 1, ptr %m\n  ret void\n", false},
      {"a field of an aggregate", chain + "  %f = extractvalue {i64, i1} undef, 0\n  ret void\n", false},
      {"a freeze", chain + "  %f = freeze i1 %r0\n  ret void\n", false},
      {"an abort", chain + "  call void @abort()\n  unreachable\n", false},
      {"a value read before its block", "entry:\n" + diamond(0, "j0") + "  %a = add i64 %b, 1\n" + diamond(1, "j1") +
                                            "  %b = add i64 2, 3\n  ret void\n",
       false},
      {"a global read that is defined after the body",
       chain + "  call void @__quantum__rt__result_record_output(ptr null, ptr @label)\n  ret void\n", false,
       "@label = internal constant [2 x i8] c\"a\\00\"\n", false},
      {"a long block of gates, lowered in pieces", "entry:\n" + gates + diamond(0, "j0") + gates + "  ret void\n",
       true},
      {"a block lowered in part, then one that only branches on to a later block without phis",
       "entry:\n" + gates + "  br label %f\nf:\n  br label %m\nm:\n  ret void\n", false, {}, false},
      {"stack memory after a block lowered in part", "entry:\n" + gates + "  %m = alloca i64\n  ret void\n", false, {},
       false},
      {"calls to a wrapper", chain + "  call void @X(ptr null)\n  ret void\n", true, kWrapper, true, true},
      {"a wrapper with stack memory", chain + "  call void @X(ptr null)\n  ret void\n", false, kWrapperWithMemory,
       true, true},
      {"a wrapper called with an argument too many", chain + "  call void @X(ptr null, ptr null)\n  ret void\n", false,
       kWrapper, false, true},
  };
}

class SegmentStreams : public testing::TestWithParam<StreamCase> {};

// Keeps a body with its calls inlined.
class InlinedBlocks final : public brintavel::translator::BodySink {
 public:
  explicit InlinedBlocks(std::vector<brintavel::ir::Block>& blocks) : blocks_(blocks) {}
  void begin_block(std::string_view label, std::size_t) override { blocks_.push_back({label, {}, {}}); }
  void instruction(brintavel::ir::Instruction&& instruction, const char* where, const char*) override {
    blocks_.back().instructions.push_back(std::move(instruction));
    blocks_.back().sources.push_back(where);
  }
  bool failed() const override { return false; }

 private:
  std::vector<brintavel::ir::Block>& blocks_;
};

TEST_P(SegmentStreams, LowerTheBodyWhileItIsReadWhereTheWholeBodyWouldNotChange) {
  const StreamCase& c = GetParam();
  std::string text = "define void @main() {\n" + c.body +
                     "}\ndeclare i1 @__quantum__rt__read_result(ptr)\ndeclare void @__quantum__qis__x__body(ptr)\n"
                     "declare void @__quantum__rt__result_record_output(ptr, ptr)\ndeclare void @abort()\n" +
                     c.after;
  auto rules = brintavel::translator::extended_rules();
  brintavel::translator::TranslationContext context{*rules, {}, std::nullopt, false};
  auto signatures = brintavel::build_signature_table(text);
  ASSERT_TRUE(signatures.has_value());
  std::optional<brintavel::ir::Module> callees;
  if (c.inlines) {
    // (Read from the module's own text, which the instructions then point into.)
    auto parsed = parse_module(std::string_view(text).substr(text.find(c.after)), InstructionSet::Extended);
    ASSERT_TRUE(parsed.has_value());
    callees = std::move(*parsed);
  }
  brintavel::translator::SegmentStream stream(context, &*signatures, text, 0, 1, callees ? &*callees : nullptr);
  auto module = parse_module(text, stream, InstructionSet::Extended);
  ASSERT_TRUE(module.has_value()) << module.error().message;
  auto program = stream.finish(*module);
  EXPECT_EQ(program.has_value(), c.streams);
  if (program) {
    EXPECT_TRUE(program->has_value()) << program->error().message;
    return;
  }
  // Given up before a segment was lowered, the stream hands on the body as the parser read it,
  // its calls inlined as the whole module inlines them (a global defined after the body is only
  // found once the whole body was lowered).
  auto whole = parse_module(text, InstructionSet::Extended);
  ASSERT_TRUE(whole.has_value());
  auto body = stream.take_body();
  EXPECT_EQ(body.has_value(), c.keeps_body);
  if (body) {
    std::vector<brintavel::ir::Block> blocks = whole->functions.front().blocks;
    brintavel::ir::TextPool names;
    if (c.inlines) {
      blocks.clear();
      InlinedBlocks sink(blocks);
      ASSERT_TRUE(brintavel::translator::inline_calls(*whole, whole->functions.front(), rules->profile(), names, sink)
                      .has_value());
    }
    ASSERT_EQ(body->size(), blocks.size());
    for (std::size_t b = 0; b < blocks.size(); ++b) {
      EXPECT_EQ((*body)[b].label, blocks[b].label);
      EXPECT_TRUE((*body)[b].instructions == blocks[b].instructions) << "block " << b;
      EXPECT_EQ((*body)[b].sources, blocks[b].sources);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Bodies, SegmentStreams, testing::ValuesIn(stream_cases()));

// A label that no open block has is expected to name a block to come, or none; the end checks
// that it named no block that had begun. Blocks a, b, c, ... each branch to the next, so that
// regions close as they go; "expect L" comes after the block named before it ended.
struct Expectation {
  const char* name;
  std::vector<std::string> steps;  // a label begins a block branching to the next; "expect L"
  bool holds;
};

void PrintTo(const Expectation& c, std::ostream* out) { *out << c.name; }

class RegionExpectations : public testing::TestWithParam<Expectation> {};

TEST_P(RegionExpectations, HoldWhereNoLabelNamedABlockThatHadBegun) {
  brintavel::translator::RegionSplitter regions(1);
  const std::vector<std::string>& steps = GetParam().steps;
  std::vector<std::string> next(steps.size());  // the target of each block: the next label
  for (std::size_t i = 0; i < steps.size(); ++i)
    for (std::size_t j = i + 1; j < steps.size(); ++j)
      if (steps[j].rfind("expect ", 0) != 0) {
        next[i] = steps[j];
        break;
      }
  for (std::size_t i = 0; i < steps.size(); ++i) {
    std::string_view step = steps[i];
    if (step.rfind("expect ", 0) == 0) {
      ASSERT_TRUE(regions.closed_any()) << "a region closes first";
      if (!regions.is_open(step.substr(7))) regions.expect_not_begun(step.substr(7));
      continue;
    }
    if (auto end = regions.begin_block(step)) regions.closed(*end);
    regions.end_block(next[i].empty() ? brintavel::translator::BranchTargets{}
                                      : brintavel::translator::BranchTargets{next[i]});
  }
  EXPECT_EQ(regions.finish(), GetParam().holds);
}

INSTANTIATE_TEST_SUITE_P(
    Labels, RegionExpectations,
    testing::Values(Expectation{"a label of a block to come", {"a", "b", "c", "d", "expect f", "e", "f"}, true},
                    Expectation{"a label that names no block", {"a", "b", "c", "d", "expect z", "e"}, true},
                    Expectation{"a label of a closed block", {"a", "b", "c", "d", "expect a", "e"}, false},
                    Expectation{"a label of a closed block, begun again later",
                                {"a", "b", "c", "d", "expect a", "e", "a"}, false},
                    Expectation{"a label expected again after its block began",
                                {"a", "b", "c", "d", "expect f", "e", "f", "g", "h", "expect f", "i"}, false}),
    [](const testing::TestParamInfo<Expectation>& param_info) {
      std::string name = param_info.param.name;
      for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
      return name;
    });

// Loops one after another, each header h branching to its body b and to a plain block p, the
// body back to h, and p to the next header: a region closes as each header begins, leaving the
// header open for its body's branch back. The closed labels pile up, and the table of open ones
// is made again now and then; the branches back still find their headers' numbers.
TEST(Regions, BranchesBackFindTheirHeadersAsClosedLabelsPileUp) {
  brintavel::translator::RegionSplitter regions(1);
  std::vector<std::string> labels;
  for (int i = 0; i < 400; ++i)
    for (const char* part : {"h", "b", "p"}) labels.push_back(part + std::to_string(i));
  labels.push_back("exit");
  std::vector<std::vector<std::uint32_t>> expected(labels.size());
  for (std::uint32_t k = 0; k < labels.size(); ++k) {
    if (auto end = regions.begin_block(labels[k])) regions.closed(*end);
    if (k + 1 == labels.size()) {
      regions.end_block({});
      continue;
    }
    switch (k % 3) {
      case 0: expected[k] = {k + 1, k + 2}; break;  // h: b, p
      case 1: expected[k] = {k - 1}; break;         // b: back to h
      default: expected[k] = {k + 1}; break;        // p: the next h
    }
    brintavel::translator::BranchTargets targets;
    for (std::uint32_t target : expected[k]) targets.push_back(labels[target]);
    regions.end_block(targets);
  }
  EXPECT_TRUE(regions.closed_any());
  EXPECT_TRUE(regions.finish());
  ASSERT_EQ(regions.graph().size(), labels.size());
  for (std::size_t k = 0; k < labels.size(); ++k)
    EXPECT_EQ(std::vector<std::uint32_t>(regions.graph()[k].begin(), regions.graph()[k].end()), expected[k])
        << labels[k];
}

}  // namespace
