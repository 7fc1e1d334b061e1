// Control-flow structuring: validation of the block graph, the six rewrites (empty arm,
// sequence, self-loop, if/else, if-then, while), failure on unstructured flow, and the
// equivalence of the incremental and the rescanning search on random graphs.
#include <algorithm>
#include <deque>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "translator/structure.hpp"
#include "qasm/printer.hpp"

namespace brintavel::translator {
namespace {

using qasm::Expression;
using qasm::Statement;
using qasm::StatementList;

Statement stmt(std::string name) {
  return qasm::GateCall{{}, std::move(name), {}, {qasm::IndexedIdentifier{"q", std::nullopt}}};
}

Expression cond(std::string name) { return qasm::Identifier{std::move(name)}; }

// A block: its statements by name, its successors, and the condition's name for a
// conditional branch.
BlockLowering block(std::string_view label, std::vector<std::string> statements,
                    std::vector<std::string_view> successors, std::string condition = "") {
  BlockLowering b{label, {}, std::move(successors), std::nullopt};
  for (std::string& s : statements) b.statements.push_back(stmt(std::move(s)));
  if (!condition.empty()) b.condition = cond(std::move(condition));
  return b;
}

std::string print(const StatementList& list) {
  std::string out;
  for (const Statement& s : list) qasm::print_statement(s, out);
  return out;
}

// The printed body, or "error: <message>"; both search strategies must agree.
std::string structure(std::vector<BlockLowering> blocks, std::string_view entry,
                      std::optional<ErrorKind> expected_kind = std::nullopt) {
  std::vector<BlockLowering> copy;
  for (const BlockLowering& b : blocks)
    copy.push_back(BlockLowering{b.label, qasm::copy_statements(b.statements), b.successors, b.condition});
  auto incremental = structure_control_flow(std::move(blocks), entry, nullptr, StructureSearch::Incremental);
  auto rescan = structure_control_flow(std::move(copy), entry, nullptr, StructureSearch::Rescan);
  std::string a = incremental ? print(*incremental) : "error: " + incremental.error().message;
  std::string b = rescan ? print(*rescan) : "error: " + rescan.error().message;
  EXPECT_EQ(a, b) << "the incremental and the rescanning search differ";
  if (!incremental && expected_kind) {
    EXPECT_EQ(incremental.error().kind, *expected_kind) << a;
  }
  return a;
}

std::string could_not_reduce(std::string_view list) {
  return "error: could not reduce CFG to a single block; remaining blocks: " + std::string(list) +
         ". brintavel supports only structured control flow (sequence, if/else, simple while).";
}

// ---- Validation -----------------------------------------------------------------------

TEST(Cfg, EmptyInputIsAnEmptyBody) {
  EXPECT_EQ(structure({}, "no such entry"), "");
}

TEST(Cfg, ValidationOrderAndMessages) {
  struct Case {
    std::string_view what;
    std::vector<BlockLowering> blocks;
    std::string_view entry;
    std::string result;
    std::optional<ErrorKind> kind;  // of a failure
  };
  std::vector<Case> cases;
  cases.push_back({"a single returning block",
                   [] {
                     std::vector<BlockLowering> v;
                     v.push_back(block("entry", {"S0", "S1"}, {}));
                     return v;
                   }(),
                   "entry", "S0 q;\nS1 q;\n", std::nullopt});
  cases.push_back({"the first duplicate in input order, before the entry check",
                   [] {
                     std::vector<BlockLowering> v;
                     v.push_back(block("b", {}, {}));
                     v.push_back(block("a", {}, {"zz"}));
                     v.push_back(block("b", {}, {}));
                     v.push_back(block("a", {}, {}));
                     return v;
                   }(),
                   "missing", "error: duplicate block label `%b`", ErrorKind::UnsupportedConstruct});
  cases.push_back({"a duplicate label is shown plainly",
                   [] {
                     std::vector<BlockLowering> v;
                     v.push_back(block("a\"\\b", {}, {}));
                     v.push_back(block("a\"\\b", {}, {}));
                     return v;
                   }(),
                   "a\"\\b", "error: duplicate block label `%a\"\\b`", ErrorKind::UnsupportedConstruct});
  cases.push_back({"the entry is checked before the branch targets, in quoted form",
                   [] {
                     std::vector<BlockLowering> v;
                     v.push_back(block("a", {}, {"nowhere"}));
                     return v;
                   }(),
                   "en\"t\\ry\n", "error: entry block \"en\\\"t\\\\ry\\n\" not found among block lowerings",
                   ErrorKind::ControlFlow});
  cases.push_back({"branch targets are checked in ascending label order, shown plainly",
                   [] {
                     std::vector<BlockLowering> v;
                     v.push_back(block("b", {}, {"x\"1"}));
                     v.push_back(block("a", {}, {"a", "y\"2"}));
                     return v;
                   }(),
                   "b", "error: branch target `%y\"2` does not match any block in this function",
                   ErrorKind::UnsupportedConstruct});
  cases.push_back({"successors are checked in order",
                   [] {
                     std::vector<BlockLowering> v;
                     v.push_back(block("a", {}, {"one", "two"}, "c"));
                     return v;
                   }(),
                   "a", "error: branch target `%one` does not match any block in this function",
                   ErrorKind::UnsupportedConstruct});
  for (Case& c : cases) EXPECT_EQ(structure(std::move(c.blocks), c.entry, c.kind), c.result) << c.what;
}

// ---- Worked shapes ----------------------------------------------------------------------

TEST(Cfg, IfElseDiamond) {
  std::vector<BlockLowering> v;
  v.push_back(block("entry", {"S0"}, {"then", "else"}, "c"));
  v.push_back(block("then", {"S1"}, {"cont"}));
  v.push_back(block("else", {"S2"}, {"cont"}));
  v.push_back(block("cont", {"S3"}, {}));
  EXPECT_EQ(structure(std::move(v), "entry"),
            "S0 q;\nif (c) {\n  S1 q;\n} else {\n  S2 q;\n}\nS3 q;\n");
}

TEST(Cfg, WhileLoopRepeatsItsHeader) {
  for (bool continue_on_true : {true, false}) {
    std::vector<BlockLowering> v;
    v.push_back(block("entry", {"S0"}, {"header"}));
    if (continue_on_true)
      v.push_back(block("header", {"H1", "H2"}, {"body", "exit"}, "c"));
    else
      v.push_back(block("header", {"H1", "H2"}, {"exit", "body"}, "c"));
    v.push_back(block("body", {"B"}, {"header"}));
    v.push_back(block("exit", {"S3"}, {}));
    EXPECT_EQ(structure(std::move(v), "entry"),
              std::string("S0 q;\nH1 q;\nH2 q;\nwhile (") + (continue_on_true ? "c" : "c == 0") +
                  ") {\n  B q;\n  H1 q;\n  H2 q;\n}\nS3 q;\n");
  }
}

TEST(Cfg, SelfLoopRunsItsBlockOnceThenWhile) {
  for (bool continue_on_true : {true, false}) {
    std::vector<BlockLowering> v;
    v.push_back(block("entry", {"S0"}, {"loop"}));
    if (continue_on_true)
      v.push_back(block("loop", {"S1"}, {"loop", "exit"}, "c"));
    else
      v.push_back(block("loop", {"S1"}, {"exit", "loop"}, "c"));
    v.push_back(block("exit", {"S2"}, {}));
    EXPECT_EQ(structure(std::move(v), "entry"),
              std::string("S0 q;\nS1 q;\nwhile (") + (continue_on_true ? "c" : "c == 0") +
                  ") {\n  S1 q;\n}\nS2 q;\n");
  }
}

TEST(Cfg, IfThenTriangleAndEmptyArm) {
  struct Case {
    std::vector<std::string> arm;
    bool arm_on_true;
    std::string result;
  };
  const std::vector<Case> cases = {
      {{"S1"}, true, "if (c) {\n  S1 q;\n}\nS2 q;\n"},
      // an arm on the false side: empty then-block, condition unchanged
      {{"S1"}, false, "if (c) {\n} else {\n  S1 q;\n}\nS2 q;\n"},
      // an empty arm vanishes with its branch
      {{}, true, "S2 q;\n"},
      {{}, false, "S2 q;\n"},
  };
  for (const Case& c : cases) {
    std::vector<BlockLowering> v;
    v.push_back(block("entry", {}, c.arm_on_true ? std::vector<std::string_view>{"a", "join"}
                                                 : std::vector<std::string_view>{"join", "a"},
                      "c"));
    v.push_back(block("a", c.arm, {"join"}));
    v.push_back(block("join", {"S2"}, {}));
    EXPECT_EQ(structure(std::move(v), "entry"), c.result);
  }
}

TEST(Cfg, EmptyArmAbsorbsTheJoinWithItsBranch) {
  // Rule A takes the join's condition and successors: the join's own if/else survives.
  std::vector<BlockLowering> v;
  v.push_back(block("entry", {"S0"}, {"skip", "join"}, "c"));
  v.push_back(block("skip", {}, {"join"}));
  v.push_back(block("join", {"J"}, {"t", "f"}, "d"));
  v.push_back(block("t", {"T"}, {"end"}));
  v.push_back(block("f", {"F"}, {"end"}));
  v.push_back(block("end", {"E"}, {}));
  EXPECT_EQ(structure(std::move(v), "entry"),
            "S0 q;\nJ q;\nif (d) {\n  T q;\n} else {\n  F q;\n}\nE q;\n");
}

TEST(Cfg, EmptyArmsProduceNoIf) {
  // if/else with two empty arms
  std::vector<BlockLowering> v;
  v.push_back(block("entry", {"S0"}, {"t", "f"}, "c"));
  v.push_back(block("t", {}, {"j"}));
  v.push_back(block("f", {}, {"j"}));
  v.push_back(block("j", {"S3"}, {}));
  EXPECT_EQ(structure(std::move(v), "entry"), "S0 q;\nS3 q;\n");

  // An empty if-then arm whose join has a third predecessor (so rule A cannot take it):
  // the inner branch vanishes, the outer arm stays.
  std::vector<BlockLowering> w;
  w.push_back(block("entry", {"S0"}, {"a", "j"}, "c1"));
  w.push_back(block("a", {"A"}, {"x", "j"}, "c2"));
  w.push_back(block("x", {}, {"j"}));
  w.push_back(block("j", {"J"}, {}));
  EXPECT_EQ(structure(std::move(w), "entry"), "S0 q;\nif (c1) {\n  A q;\n}\nJ q;\n");
}

TEST(Cfg, BranchWithTwoEqualTargetsIsASequence) {
  std::vector<BlockLowering> v;
  v.push_back(block("entry", {"S0"}, {"a", "a"}, "c"));
  v.push_back(block("a", {"S1"}, {"t", "j"}, "d"));
  v.push_back(block("t", {"T"}, {"j"}));
  v.push_back(block("j", {"J"}, {}));
  EXPECT_EQ(structure(std::move(v), "entry"), "S0 q;\nS1 q;\nif (d) {\n  T q;\n}\nJ q;\n");
}

TEST(Cfg, NestedShapesReduce) {
  // while (c) { if (d) { X } else { Y } ; while (e) { Z } }, then if-then on the false edge.
  std::vector<BlockLowering> v;
  v.push_back(block("entry", {"S0"}, {"h"}));
  v.push_back(block("h", {"H"}, {"b", "out"}, "c"));
  v.push_back(block("b", {"B"}, {"x", "y"}, "d"));
  v.push_back(block("x", {"X"}, {"bj"}));
  v.push_back(block("y", {"Y"}, {"bj"}));
  v.push_back(block("bj", {}, {"ih"}));
  v.push_back(block("ih", {"IH"}, {"ib", "latch"}, "e"));
  v.push_back(block("ib", {"Z"}, {"ih"}));
  v.push_back(block("latch", {}, {"h"}));
  v.push_back(block("out", {"O"}, {"end", "arm"}, "f"));
  v.push_back(block("arm", {"R"}, {"self"}));
  v.push_back(block("self", {"L"}, {"self", "end"}, "g"));
  v.push_back(block("end", {"E"}, {}));
  EXPECT_EQ(structure(std::move(v), "entry"),
            "S0 q;\nH q;\nwhile (c) {\n"
            "  B q;\n  if (d) {\n    X q;\n  } else {\n    Y q;\n  }\n"
            "  IH q;\n  while (e) {\n    Z q;\n    IH q;\n  }\n"
            "  H q;\n}\n"
            "O q;\nif (f) {\n} else {\n  R q;\n  L q;\n  while (g) {\n    L q;\n  }\n}\nE q;\n");
}

TEST(Cfg, TwoLoopsInSequence) {
  std::vector<BlockLowering> v;
  v.push_back(block("entry", {}, {"h1"}));
  v.push_back(block("h1", {"H1"}, {"b1", "h2"}, "c"));
  v.push_back(block("b1", {"B1"}, {"h1"}));
  v.push_back(block("h2", {"H2"}, {"h2x", "b2"}, "d"));
  v.push_back(block("b2", {}, {"h2"}));
  v.push_back(block("h2x", {"X"}, {}));
  EXPECT_EQ(structure(std::move(v), "entry"),
            "H1 q;\nwhile (c) {\n  B1 q;\n  H1 q;\n}\nH2 q;\nwhile (d == 0) {\n  H2 q;\n}\nX q;\n");
}

TEST(Cfg, ArmsLeadingBackToTheBranchLeaveAnEndlessLoop) {
  // Both arms of an if/else return to the branching entry block: the diamond reduces, and
  // the entry is left branching to itself unconditionally.
  std::vector<BlockLowering> v;
  v.push_back(block("entry", {"S"}, {"t", "f"}, "c"));
  v.push_back(block("t", {"T"}, {"entry"}));
  v.push_back(block("f", {"F"}, {"entry"}));
  EXPECT_EQ(structure(std::move(v), "entry", ErrorKind::ControlFlow), could_not_reduce(R"(["entry"])"));
}

// ---- Unstructured flow ----------------------------------------------------------------

TEST(Cfg, UnconditionalSelfLoopOnTheEntryIsNotReduced) {
  std::vector<BlockLowering> v;
  v.push_back(block("entry", {"S"}, {"entry"}));
  EXPECT_EQ(structure(std::move(v), "entry", ErrorKind::ControlFlow), could_not_reduce(R"(["entry"])"));

  // The same after rewrites: a loop whose only exit is removed by an empty back edge.
  std::vector<BlockLowering> w;
  w.push_back(block("entry", {"S"}, {"x", "entry"}, "c"));
  w.push_back(block("x", {}, {"entry"}));
  EXPECT_EQ(structure(std::move(w), "entry"), could_not_reduce(R"(["entry"])"));
}

TEST(Cfg, EmptyArmDoesNotMatchWhenTheJoinIsTheBranchingBlock) {
  // n branches to x and to itself, x is empty and returns to n: taking n as the join of
  // its own empty arm would absorb n into itself. The self-loop rule takes it instead.
  std::vector<BlockLowering> v;
  v.push_back(block("entry", {"S0"}, {"n"}));
  v.push_back(block("n", {"N"}, {"x", "n"}, "c"));
  v.push_back(block("x", {}, {"n"}));
  EXPECT_EQ(structure(std::move(v), "entry"), could_not_reduce(R"(["entry", "n"])"));
}

TEST(Cfg, UnstructuredFlowListsTheRemainingBlocksSorted) {
  struct Case {
    std::string_view what;
    std::vector<BlockLowering> blocks;
    std::string list;
  };
  std::vector<Case> cases;
  {
    std::vector<BlockLowering> v;
    v.push_back(block("entry", {"S"}, {}));
    v.push_back(block("b2", {"U"}, {}));
    v.push_back(block("b1", {"U"}, {"b2"}));
    cases.push_back({"unreachable blocks", std::move(v), R"(["b1", "entry"])"});
  }
  {
    // a loop with two exits
    std::vector<BlockLowering> v;
    v.push_back(block("entry", {}, {"h"}));
    v.push_back(block("h", {"H"}, {"b", "exit"}, "c"));
    v.push_back(block("b", {"B"}, {"h", "exit"}, "d"));
    v.push_back(block("exit", {"X"}, {}));
    cases.push_back({"loop with two exits", std::move(v), R"(["b", "entry", "exit", "h"])"});
  }
  {
    // a jump into the middle of a loop
    std::vector<BlockLowering> v;
    v.push_back(block("entry", {}, {"h", "m"}, "c"));
    v.push_back(block("h", {"H"}, {"m"}));
    v.push_back(block("m", {"M"}, {"h", "exit"}, "d"));
    v.push_back(block("exit", {"X"}, {}));
    cases.push_back({"jump into a loop", std::move(v), R"(["entry", "exit", "h", "m"])"});
  }
  {
    // labels with odd bytes, sorted byte-wise and shown in quoted form
    std::vector<BlockLowering> v;
    v.push_back(block("entry", {}, {}));
    v.push_back(block("\xc3\xa9t\xc3\xa9", {}, {}));
    v.push_back(block("Zed", {}, {}));
    v.push_back(block("a\"b", {}, {}));
    v.push_back(block("tab\tnl\n", {}, {}));
    v.push_back(block("back\\slash", {}, {}));
    v.push_back(block("10", {}, {}));
    v.push_back(block("9", {}, {}));
    cases.push_back({"odd labels", std::move(v),
                     "[\"10\", \"9\", \"Zed\", \"a\\\"b\", \"back\\\\slash\", \"entry\", "
                     "\"tab\\tnl\\n\", \"\xc3\xa9t\xc3\xa9\"]"});
  }
  for (Case& c : cases)
    EXPECT_EQ(structure(std::move(c.blocks), "entry", ErrorKind::ControlFlow), could_not_reduce(c.list))
        << c.what;
}

TEST(Cfg, EntryAbsorbedIntoAnotherBlockIsNotABody) {
  // The entry has a predecessor that takes it over; what is left is not the entry.
  std::vector<BlockLowering> v;
  v.push_back(block("entry", {"S"}, {"a"}));
  v.push_back(block("a", {"A"}, {"entry"}));
  EXPECT_EQ(structure(std::move(v), "entry"), could_not_reduce(R"(["a"])"));
}

TEST(Cfg, CopiedHeadersAreChargedToTheBudget) {
  std::vector<BlockLowering> v;
  v.push_back(block("entry", {}, {"loop"}));
  v.push_back(block("loop", {"S1", "S2"}, {"loop", "exit"}, "c"));
  v.push_back(block("exit", {}, {}));
  translator::SizeBudget budget(1);
  auto out = structure_control_flow(std::move(v), "entry", &budget);
  ASSERT_FALSE(out);
  EXPECT_EQ(out.error().message,
            "translation size limit of 1 expression nodes and statements exceeded at block \"loop\"; "
            "the program grows far beyond its input (every use of an SSA value copies its whole "
            "expression, and loop headers are repeated in their loops)");
}

// ---- Random graphs: both searches agree ---------------------------------------------------

class GraphGenerator {
 public:
  explicit GraphGenerator(std::uint32_t seed) : rng_(seed) {}

  // Labels of random text (odd bytes included), random successors, random statements.
  std::pair<std::vector<BlockLowering>, std::string_view> random_graph() {
    labels_.clear();
    int n = pick(1, 9);
    std::vector<std::string_view> names;
    std::set<std::string> used;
    while (static_cast<int>(names.size()) < n) {
      std::string label = random_label();
      // now and then a duplicate
      if (!used.insert(label).second && pick(0, 30) != 0) continue;
      names.push_back(labels_.emplace_back(std::move(label)));
    }
    std::vector<BlockLowering> blocks;
    int statement_number = 0;
    for (int index = 0; index < n; ++index) {
      std::string_view name = names[index];
      // mostly one returning block, the last
      int succ_count = pick(0, 15) == 0 ? pick(0, 2) : index + 1 == n ? 0 : pick(1, 2);
      std::vector<std::string_view> succs;
      for (int i = 0; i < succ_count; ++i) {
        if (pick(0, 200) == 0)
          succs.push_back(labels_.emplace_back("missing"));
        else if (index + 1 < n && pick(0, 3) != 0)  // mostly forward edges, as compilers lay out
          succs.push_back(names[pick(index + 1, std::min(n - 1, index + 3))]);
        else
          succs.push_back(names[pick(0, n - 1)]);
      }
      std::vector<std::string> statements;
      int count = pick(0, 3) == 0 ? 0 : pick(0, 2);  // often empty, for rule A
      for (int i = 0; i < count; ++i) statements.push_back("s" + std::to_string(statement_number++));
      blocks.push_back(block(name, std::move(statements), std::move(succs),
                             succ_count == 2 ? "c" + std::to_string(statement_number++) : ""));
    }
    std::string_view entry = pick(0, 100) == 0 ? std::string_view(labels_.emplace_back("nope")) : names[0];
    return {std::move(blocks), entry};
  }

  int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

  std::deque<std::string> labels_;

 private:
  std::string random_label() {
    static const std::vector<std::string> pieces = {
        "a", "b", "c", "B", "Z", "0", "1", "9", "_", ".", "\"", "\\", "\n", "\t", " ", "\xc3\xa9", "\x7f",
        std::string("\0", 1)};
    std::string s;
    int len = pick(1, 3);
    for (int i = 0; i < len; ++i) s += pieces[pick(0, static_cast<int>(pieces.size()) - 1)];
    return s;
  }

  std::mt19937 rng_;
};

TEST(CfgProperty, IncrementalAndRescanAgreeOnRandomGraphs) {
  int reduced = 0, failed = 0;
  BlockStructurer reused;  // one for every graph, its lists given back, as a function's regions share one
  for (std::uint32_t seed = 0; seed < 20000; ++seed) {
    GraphGenerator gen(seed);
    auto [blocks, entry] = gen.random_graph();
    std::vector<BlockLowering> copy;
    for (const BlockLowering& b : blocks)
      copy.push_back(BlockLowering{b.label, qasm::copy_statements(b.statements), b.successors, b.condition});
    auto a = reused.structure(std::move(blocks), entry, nullptr, StructureSearch::Incremental);
    auto b = structure_control_flow(std::move(copy), entry, nullptr, StructureSearch::Rescan);
    ASSERT_EQ(a.has_value(), b.has_value()) << "seed " << seed;
    if (a) {
      ASSERT_EQ(print(*a), print(*b)) << "seed " << seed;
      reused.give_back(std::move(*a));
      ++reduced;
    } else {
      ASSERT_EQ(a.error(), b.error()) << "seed " << seed;
      ++failed;
    }
  }
  // Both outcomes must be well represented for the comparison to mean something.
  EXPECT_GT(reduced, 2000);
  EXPECT_GT(failed, 2000);
}

// ---- Generated structured programs always reduce ----------------------------------------

// Lowers a random structured program into blocks the way a compiler lays them out.
class StructuredProgram {
 public:
  explicit StructuredProgram(std::uint32_t seed) : rng_(seed) {}

  std::vector<BlockLowering> build() {
    std::size_t entry = new_block();
    std::size_t last = emit_sequence(entry, 4);
    (void)last;  // ends in return
    // Shuffle all but the entry: the source order must not matter.
    std::shuffle(blocks_.begin() + 1, blocks_.end(), rng_);
    std::vector<BlockLowering> out;
    for (auto& b : blocks_) out.push_back(std::move(b));
    return out;
  }

  std::string_view entry_label() const { return labels_.front(); }
  const std::vector<std::string>& statement_names() const { return statement_names_; }

 private:
  int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

  std::size_t new_block() {
    // random labels make the scan order unrelated to the nesting
    std::string label = "L" + std::to_string(pick(0, 1 << 20)) + "_" + std::to_string(blocks_.size());
    labels_.push_back(std::move(label));
    blocks_.push_back(BlockLowering{labels_.back(), {}, {}, std::nullopt});
    return blocks_.size() - 1;
  }

  void add_statements(std::size_t b, int max) {
    int n = pick(0, max);
    for (int i = 0; i < n; ++i) {
      statement_names_.push_back("s" + std::to_string(statement_names_.size()));
      blocks_[b].statements.push_back(stmt(statement_names_.back()));
    }
  }

  void branch(std::size_t from, std::size_t t, std::size_t f) {
    blocks_[from].successors = {blocks_[t].label, blocks_[f].label};
    blocks_[from].condition = cond("c" + std::to_string(condition_number_++));
  }

  void jump(std::size_t from, std::size_t to) { blocks_[from].successors = {blocks_[to].label}; }

  // Emits a sequence of constructs starting in block `cur`; returns the open block at its end.
  std::size_t emit_sequence(std::size_t cur, int depth) {
    int parts = pick(1, 3);
    for (int i = 0; i < parts; ++i) cur = emit_construct(cur, depth);
    return cur;
  }

  std::size_t emit_construct(std::size_t cur, int depth) {
    int kind = depth <= 0 ? 0 : pick(0, 5);
    switch (kind) {
      case 0:  // straight-line code
        add_statements(cur, 2);
        return cur;
      case 1: {  // if/else
        std::size_t t = new_block(), f = new_block();
        branch(cur, t, f);
        std::size_t te = emit_sequence(t, depth - 1);
        std::size_t fe = emit_sequence(f, depth - 1);
        std::size_t join = new_block();
        jump(te, join);
        jump(fe, join);
        return join;
      }
      case 2: {  // if-then, the arm on either edge
        std::size_t arm = new_block(), join = new_block();
        if (pick(0, 1)) branch(cur, arm, join); else branch(cur, join, arm);
        jump(emit_sequence(arm, depth - 1), join);
        return join;
      }
      case 3: {  // while with a header that computes the condition
        std::size_t header = new_block(), body = new_block(), exit = new_block();
        jump(cur, header);
        add_statements(header, 2);
        if (pick(0, 1)) branch(header, body, exit); else branch(header, exit, body);
        jump(emit_sequence(body, depth - 1), header);
        return exit;
      }
      case 4: {  // a block that repeats itself
        std::size_t loop = new_block(), exit = new_block();
        jump(cur, loop);
        add_statements(loop, 2);
        if (pick(0, 1)) branch(loop, loop, exit); else branch(loop, exit, loop);
        return exit;
      }
      default: {  // a fresh block after an unconditional branch
        std::size_t next = new_block();
        jump(cur, next);
        add_statements(next, 1);
        return next;
      }
    }
  }

  std::mt19937 rng_;
  std::deque<std::string> labels_;
  std::vector<BlockLowering> blocks_;
  std::vector<std::string> statement_names_;
  int condition_number_ = 0;
};

TEST(CfgProperty, StructuredProgramsAlwaysReduce) {
  for (std::uint32_t seed = 0; seed < 3000; ++seed) {
    StructuredProgram program(seed);
    std::vector<BlockLowering> blocks = program.build();
    std::vector<BlockLowering> copy;
    for (const BlockLowering& b : blocks)
      copy.push_back(BlockLowering{b.label, qasm::copy_statements(b.statements), b.successors, b.condition});
    auto a = structure_control_flow(std::move(blocks), program.entry_label(), nullptr, StructureSearch::Incremental);
    auto b = structure_control_flow(std::move(copy), program.entry_label(), nullptr, StructureSearch::Rescan);
    ASSERT_TRUE(a) << "seed " << seed << ": " << a.error().message;
    ASSERT_TRUE(b) << "seed " << seed << ": " << b.error().message;
    std::string text = print(*a);
    ASSERT_EQ(text, print(*b)) << "seed " << seed;
    // Nothing is lost: every statement of the program is in the body.
    for (const std::string& name : program.statement_names())
      ASSERT_NE(text.find(name + " q;"), std::string::npos) << "seed " << seed << " lost " << name;
  }
}

}  // namespace
}  // namespace brintavel::translator
