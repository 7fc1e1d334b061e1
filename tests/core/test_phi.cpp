// Phi lowering: short-circuit Boolean merges, 0/1 integer diamonds and if-merged int
// variables, recognised from the blocks lowered before the phi's block.
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "brintavel/brintavel.hpp"
#include "ir/instruction_parser.hpp"
#include "qasm/printer.hpp"
#include "support.hpp"
#include "translator/phis.hpp"

namespace brintavel::translator {
namespace {

using qasm::BinaryOperator;
using qasm::Expression;

std::string text(const qasm::StatementList& list) {
  std::string out;
  for (const qasm::Statement& s : list) qasm::print_statement(s, out);
  return out;
}

using testing_support::bit;
using testing_support::id;
using testing_support::text;

qasm::Statement gate(std::string name) {
  return qasm::GateCall{{}, std::move(name), {}, {qasm::IndexedIdentifier{"q", std::nullopt}}};
}

// The blocks processed so far plus the context, and phis run against them.
class Phis {
 public:
  Phis() {
    bind("a", bit(0));
    bind("b", bit(1));
    bind("lt", qasm::make_binary(BinaryOperator::Lt, id("x"), qasm::IntLiteral{5}));
    bind("k", id("k"));
    bind("k1", qasm::make_binary(BinaryOperator::Add, id("k"), qasm::IntLiteral{1}));
  }

  void bind(std::string_view name, Expression e) {
    names_.emplace_back(name);
    ASSERT_TRUE(ctx.bind_value(names_.back(), std::move(e)));
  }

  // A processed block; `condition` present makes it a conditional branch.
  Phis& block(std::string_view label, std::vector<std::string_view> successors,
              std::optional<Expression> condition = std::nullopt, int gates = 0) {
    BlockLowering b{label, {}, std::move(successors), std::move(condition)};
    for (int i = 0; i < gates; ++i) b.statements.push_back(gate(std::string("g_") + std::string(label)));
    processed.append(std::move(b));
    return *this;
  }

  // Lowers the phi on `line` in the block `label`; "" on success, else the message.
  std::string run(std::string_view line, std::string_view label = "merge") {
    auto parsed = ir::parse_instruction(line, pool_);
    if (!parsed) {
      ADD_FAILURE() << line << ": " << parsed.error().message;
      return parsed.error().message;
    }
    const auto* phi = std::get_if<ir::Phi>(&*parsed);
    if (!phi) {
      ADD_FAILURE() << "not a phi: " << line;
      return "";
    }
    Status s = lower_phi(*phi, label, processed, variables, ctx);
    if (s) return "";
    EXPECT_EQ(s.error().kind, ErrorKind::UnsupportedConstruct);
    return s.error().message;
  }

  std::string value(std::string_view name) const {
    const Expression* e = ctx.peek_value(name);
    return e ? text(*e) : "<unbound>";
  }

  std::string statements_of(std::string_view label) {
    BlockLowering* b = processed.first_labelled(label);
    return b ? text(b->statements) : "<no block>";
  }

  std::string declarations() const {
    std::string out;
    for (const Variables::Declared& d : variables.declarations) qasm::print_statement(Variables::statement(d), out);
    return out;
  }

  ProcessedBlocks processed;
  Variables variables;
  LoweringContext ctx{Limits::kBaseNodes};

 private:
  ir::TextPool pool_;
  std::deque<std::string> names_;
};

// ---- Checks common to every phi ---------------------------------------------------------

TEST(Phi, LoopCarriedIsRejectedBeforeTheType) {
  struct Case {
    std::string_view line;
    std::string_view block;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"%x = phi i64 [ 0, %entry ], [ %n, %loop ]", "loop",
       R"(loop-carried phi (predecessor "loop" is the phi's own block "loop") is not supported)"},
      {"%x = phi double [ 0.0, %loop ], [ 1.0, %entry ]", "loop",
       R"(loop-carried phi (predecessor "loop" is the phi's own block "loop") is not supported)"},
      {"%x = phi i1 [ true, %entry ], [ %b, %\"a\\\\b\" ]", "a\\\\b",
       R"(loop-carried phi (predecessor "a\\\\b" is the phi's own block "a\\\\b") is not supported)"},
      // an unlabeled first block is called 0
      {"%x = phi i32 [ 1, %0 ]", "0",
       R"(loop-carried phi (predecessor "0" is the phi's own block "0") is not supported)"},
  };
  for (const Case& c : cases) {
    Phis p;
    p.block("entry", {"loop"});
    EXPECT_EQ(p.run(c.line, c.block), c.message) << c.line;
  }
}

TEST(Phi, OnlyI1I32AndI64AreLowered) {
  for (std::string_view ty : {"double", "i8", "i16", "i128", "ptr", "float"}) {
    Phis p;
    p.block("entry", {"merge"});
    std::string line = "%\"v\" = phi " + std::string(ty) + " [ %a, %entry ], [ %b, %other ]";
    EXPECT_EQ(p.run(line),
              "phi " + std::string(ty) + R"( is not yet supported (SSA "\"v\""); only `phi i1` and `phi i32`/`phi i64` are lowered today)");
  }
}

// ---- Short-circuit Boolean phis ---------------------------------------------------------

TEST(Phi, ShortCircuitShapeMessages) {
  struct Case {
    std::string_view line;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"%r = phi i1 [ false, %entry ], [ %b, %rhs ], [ %b, %rhs ]",
       "phi i1 has 3 incoming value(s); only the two-incoming short-circuit pattern is supported"},
      {"%r = phi i1 [ %b, %rhs ]",
       "phi i1 has 1 incoming value(s); only the two-incoming short-circuit pattern is supported"},
      {"%r = phi i1 [ false, %entry ], [ true, %rhs ]",
       "phi i1 has two constant incomings; only one side of a short-circuit compound may be a constant"},
      {"%r = phi i1 [ 1, %entry ], [ 1, %rhs ]",
       "phi i1 has two constant incomings; only one side of a short-circuit compound may be a constant"},
      {"%r = phi i1 [ %a, %entry ], [ %b, %rhs ]",
       "phi i1 does not match the short-circuit Boolean pattern: expected exactly one constant "
       "incoming and one SSA incoming"},
      // 2 is not a truth constant: two "other" incomings
      {"%r = phi i1 [ 2, %entry ], [ %b, %rhs ]",
       "phi i1 does not match the short-circuit Boolean pattern: expected exactly one constant "
       "incoming and one SSA incoming"},
      // the constant's predecessor must have branched conditionally (rhs ends in br label)
      {"%r = phi i1 [ %b, %entry ], [ false, %rhs ]",
       "phi i1 short-circuit predecessor \"rhs\" did not record a branching condition; expected the "
       "predecessor to end in a conditional ``br`` on an SSA value"},
      // ... and must come before the phi's block
      {"%r = phi i1 [ true, %later ], [ %b, %rhs ]",
       "phi i1 short-circuit predecessor \"later\" did not record a branching condition; expected "
       "the predecessor to end in a conditional ``br`` on an SSA value"},
      // the other side must be an SSA name
      {"%r = phi i1 [ false, %entry ], [ 2, %rhs ]", "phi i1 rhs incoming must be an SSA reference"},
      {"%r = phi i1 [ false, %entry ], [ @g, %rhs ]", "phi i1 rhs incoming must be an SSA reference"},
      {"%r = phi i1 [ false, %entry ], [ %nope, %rhs ]",
       "SSA value \"nope\" is used but was never bound; upstream instruction may be unsupported"},
  };
  for (const Case& c : cases) {
    Phis p;
    p.block("entry", {"rhs", "merge"}, bit(0)).block("rhs", {"merge"});
    EXPECT_EQ(p.run(c.line), c.message) << c.line;
    EXPECT_EQ(p.value("r"), "<unbound>");
  }
}

TEST(Phi, ShortCircuitCombinesTheBranchConditionWithTheOtherValue) {
  // entry: br i1 %a, <true target>, <false target>; rhs: br label %merge.
  // The constant arrives on entry's edge into merge.
  struct Case {
    std::vector<std::string_view> entry_successors;
    Expression condition;
    std::string_view line;
    std::string value;
  };
  std::vector<Case> cases;
  // a && b: merge is reached with false when a is false
  cases.push_back({{"rhs", "merge"}, bit(0), "%r = phi i1 [ false, %entry ], [ %b, %rhs ]",
                   "c[0] == 1 && c[1] == 1"});
  // a || b: merge is reached with true when a is true
  cases.push_back({{"merge", "rhs"}, bit(0), "%r = phi i1 [ true, %entry ], [ %b, %rhs ]",
                   "c[0] == 1 || c[1] == 1"});
  // merge reached with false when a is TRUE: !a && b
  cases.push_back({{"merge", "rhs"}, bit(0), "%r = phi i1 [ false, %entry ], [ %b, %rhs ]",
                   "c[0] == 0 && c[1] == 1"});
  // merge reached with true when a is FALSE: !a || b
  cases.push_back({{"rhs", "merge"}, bit(0), "%r = phi i1 [ true, %entry ], [ %b, %rhs ]",
                   "c[0] == 0 || c[1] == 1"});
  // the negation compares with 0 without making the condition Boolean first
  cases.push_back({{"merge", "rhs"},
                   qasm::make_binary(BinaryOperator::Lt, id("x"), qasm::IntLiteral{5}),
                   "%r = phi i1 [ 0, %entry ], [ %lt, %rhs ]", "x < 5 == 0 && x < 5"});
  cases.push_back({{"rhs", "merge"},
                   qasm::make_binary(BinaryOperator::Lt, id("x"), qasm::IntLiteral{5}),
                   "%r = phi i1 [ 0, %entry ], [ %lt, %rhs ]", "x < 5 && x < 5"});
  // the constant may be the second incoming
  cases.push_back({{"merge", "rhs"}, bit(0), "%r = phi i1 [ %b, %rhs ], [ false, %entry ]",
                   "c[0] == 0 && c[1] == 1"});
  cases.push_back({{"rhs", "merge"}, bit(0), "%r = phi i1 [ %b, %rhs ], [ false, %entry ]",
                   "c[0] == 1 && c[1] == 1"});
  // both targets are the phi's block: no polarity to read, the rule as written
  cases.push_back({{"merge", "merge"}, bit(0), "%r = phi i1 [ false, %entry ], [ %b, %rhs ]",
                   "c[0] == 1 && c[1] == 1"});
  // neither target is the phi's block (entry reaches it through another block)
  cases.push_back({{"rhs", "mid"}, bit(0), "%r = phi i1 [ true, %entry ], [ %b, %rhs ]",
                   "c[0] == 1 || c[1] == 1"});
  for (Case& c : cases) {
    Phis p;
    p.block("entry", c.entry_successors, std::move(c.condition)).block("rhs", {"merge"});
    EXPECT_EQ(p.run(c.line), "") << c.line;
    EXPECT_EQ(p.value("r"), c.value) << c.line << " after br to " << c.entry_successors[0] << ", "
                                     << c.entry_successors[1];
    EXPECT_EQ(p.statements_of("entry"), "");
    EXPECT_EQ(p.declarations(), "");
  }
}

TEST(Phi, ShortCircuitUsesTheLastConditionRecordedForALabel) {
  Phis p;
  p.block("entry", {"rhs", "merge"}, bit(0))
      .block("entry", {"rhs", "merge"}, bit(3))
      .block("entry", {"merge"})
      .block("rhs", {"merge"});
  EXPECT_EQ(p.run("%r = phi i1 [ false, %entry ], [ %b, %rhs ]"), "");
  EXPECT_EQ(p.value("r"), "c[3] == 1 && c[1] == 1");
}

TEST(Phi, ShortCircuitChainsNest) {
  // a && b && c as a producer emits it: two short-circuit phis, the second using the first.
  Phis p;
  p.bind("c2", bit(2));
  p.block("entry", {"rhs1", "m1"}, bit(0)).block("rhs1", {"m1"});
  EXPECT_EQ(p.run("%ab = phi i1 [ false, %entry ], [ %b, %rhs1 ]", "m1"), "");
  p.block("m1", {"rhs2", "m2"}, *p.ctx.peek_value("ab")).block("rhs2", {"m2"});
  EXPECT_EQ(p.run("%abc = phi i1 [ false, %m1 ], [ %c2, %rhs2 ]", "m2"), "");
  EXPECT_EQ(p.value("abc"), "c[0] == 1 && c[1] == 1 && c[2] == 1");
}

// ---- Integer phis -----------------------------------------------------------------------

TEST(Phi, IntegerPhisTakeTwoIncomings) {
  for (auto [line, count] : {std::pair{"%x = phi i64 [ 0, %t ], [ 1, %f ], [ 1, %g ]", 3},
                             std::pair{"%x = phi i32 [ 0, %t ]", 1}}) {
    Phis p;
    p.block("entry", {"t", "f"}, bit(0));
    EXPECT_EQ(p.run(line), "phi integer with " + std::to_string(count) +
                               " incoming value(s); only the two-incoming if-merge shape (`mutable` "
                               "+ conditional increment) is supported");
  }
}

TEST(Phi, ZeroOneDiamondBindsTheConditionOrItsComplement) {
  struct Case {
    std::vector<std::string_view> head_successors;
    std::string_view line;
    std::string value;
  };
  const std::vector<Case> cases = {
      {{"t", "f"}, "%x = phi i64 [ 1, %t ], [ 0, %f ]", "c[0]"},
      {{"t", "f"}, "%x = phi i64 [ 0, %t ], [ 1, %f ]", "1 - c[0]"},
      {{"t", "f"}, "%x = phi i32 [ 0, %f ], [ 1, %t ]", "c[0]"},
      {{"t", "f"}, "%x = phi i32 [ 1, %f ], [ 0, %t ]", "1 - c[0]"},
      {{"f", "t"}, "%x = phi i64 [ 1, %t ], [ 0, %f ]", "1 - c[0]"},
      {{"f", "t"}, "%x = phi i64 [ 1, %f ], [ 0, %t ]", "c[0]"},
  };
  for (const Case& c : cases) {
    Phis p;
    p.block("head", c.head_successors, bit(0)).block("t", {"merge"}).block("f", {"merge"});
    EXPECT_EQ(p.run(c.line), "") << c.line;
    EXPECT_EQ(p.value("x"), c.value) << c.line;
    EXPECT_EQ(p.declarations(), "");
    EXPECT_EQ(p.statements_of("t") + p.statements_of("f") + p.statements_of("head"), "");
  }
  // the condition as recorded, never made Boolean first
  Phis p;
  p.block("head", {"t", "f"}, qasm::make_binary(BinaryOperator::Lt, id("x"), qasm::IntLiteral{5}))
      .block("t", {"merge"})
      .block("f", {"merge"});
  EXPECT_EQ(p.run("%x = phi i64 [ 0, %t ], [ 1, %f ]"), "");
  EXPECT_EQ(p.value("x"), "1 - (x < 5)");
}

TEST(Phi, NotAZeroOneDiamondFallsBackToTheIfMerge) {
  const std::string shape =
      "phi integer incomings do not match the expected if-merge shape: expected exactly one "
      "predecessor with a conditional branch (providing the init value) and one with an "
      "unconditional branch (providing the update value)";
  struct Case {
    std::string_view what;
    int t_gates;
    std::vector<std::string_view> head_successors;
    std::string_view line;
  };
  const std::vector<Case> cases = {
      {"an arm with a statement", 1, {"t", "f"}, "%x = phi i64 [ 1, %t ], [ 0, %f ]"},
      {"the same constant twice", 0, {"t", "f"}, "%x = phi i64 [ 1, %t ], [ 1, %f ]"},
      {"2 is not 0/1", 0, {"t", "f"}, "%x = phi i64 [ 2, %t ], [ 0, %f ]"},
      {"no block branches to both arms", 0, {"t", "elsewhere"}, "%x = phi i64 [ 1, %t ], [ 0, %f ]"},
  };
  for (const Case& c : cases) {
    Phis p;
    p.block("head", c.head_successors, bit(0)).block("t", {"merge"}, std::nullopt, c.t_gates).block("f", {"merge"});
    EXPECT_EQ(p.run(c.line), shape) << c.what;
  }
}

TEST(Phi, IntegerPredecessorsMustBeProcessed) {
  struct Case {
    std::vector<std::string_view> processed;
    std::string_view line;
    std::string_view missing;
  };
  const std::vector<Case> cases = {
      // nothing processed yet: the 0/1 diamond reports incoming 0's predecessor
      {{}, "%x = phi i64 [ 1, %t ], [ 0, %f ]", "t"},
      {{}, "%x = phi i64 [ %k, %t ], [ 0, %f ]", "t"},
      {{"t"}, "%x = phi i64 [ 1, %t ], [ 0, %f ]", "f"},
      {{"f"}, "%x = phi i64 [ 1, %t ], [ 0, %f ]", "t"},
      {{"f"}, "%x = phi i64 [ 5, %t ], [ %k, %f ]", "t"},
      {{"t"}, "%x = phi i64 [ 5, %t ], [ %k, %\"f\\\\x\" ]", "f\\\\x"},
  };
  for (const Case& c : cases) {
    Phis p;
    for (std::string_view label : c.processed) p.block(label, {"merge"});
    EXPECT_EQ(p.run(c.line),
              "phi integer predecessor " + text::quoted(c.missing) + " not found among processed blocks")
        << c.line;
  }
}

TEST(Phi, IfMergeDeclaresAVariableAndAssignsItInTheUpdatingBlock) {
  // entry: br i1 %m, label %then, label %merge; then: %k1 = add i64 %k, 1; br label %merge
  Phis p;
  p.block("entry", {"then", "merge"}, bit(0), 1).block("then", {"merge"}, std::nullopt, 1);
  EXPECT_EQ(p.run("%x = phi i64 [ 0, %entry ], [ %k1, %then ]"), "");
  EXPECT_EQ(p.declarations(), "int cint_0 = 0;\n");
  EXPECT_EQ(p.statements_of("then"), "g_then q;\ncint_0 = k + 1;\n");
  EXPECT_EQ(p.statements_of("entry"), "g_entry q;\n");
  EXPECT_EQ(p.value("x"), "cint_0");
  EXPECT_EQ(p.statements_of("merge"), "<no block>");

  // A second if-merge on %x reuses cint_0 and assigns it in its own updating block.
  p.block("merge", {"then2", "merge2"}, bit(1));
  p.bind("x2", qasm::make_binary(BinaryOperator::Add, id("cint_0"), qasm::IntLiteral{1}));
  p.block("then2", {"merge2"});
  EXPECT_EQ(p.run("%y = phi i64 [ %x2, %then2 ], [ %x, %merge ]", "merge2"), "");
  EXPECT_EQ(p.declarations(), "int cint_0 = 0;\n");
  EXPECT_EQ(p.statements_of("then2"), "cint_0 = cint_0 + 1;\n");
  EXPECT_EQ(p.statements_of("merge"), "");
  EXPECT_EQ(p.value("y"), "cint_0");

  // An arm that leaves the variable alone adds neither a declaration nor an assignment.
  p.block("merge2", {"then3", "merge3"}, bit(2)).block("then3", {"merge3"});
  EXPECT_EQ(p.run("%z = phi i64 [ %y, %merge2 ], [ %y, %then3 ]", "merge3"), "");
  EXPECT_EQ(p.declarations(), "int cint_0 = 0;\n");
  EXPECT_EQ(p.statements_of("then3") + p.statements_of("merge2"), "");
  EXPECT_EQ(p.value("z"), "cint_0");
}

TEST(Phi, IndependentIfMergesGetNumberedVariables) {
  Phis p;
  p.block("e1", {"t1", "m1"}, bit(0)).block("t1", {"m1"});
  EXPECT_EQ(p.run("%x = phi i64 [ 0, %e1 ], [ 1, %t1 ]", "m1"), "");
  p.block("m1", {"t2", "m2"}, bit(1)).block("t2", {"m2"});
  // init 7 is a literal: a new variable even though the update reads cint_0
  p.bind("from_x", id("cint_0"));
  EXPECT_EQ(p.run("%y = phi i32 [ %from_x, %t2 ], [ 7, %m1 ]", "m2"), "");
  EXPECT_EQ(p.declarations(), "int cint_0 = 0;\nint cint_1 = 7;\n");
  EXPECT_EQ(p.statements_of("t1"), "cint_0 = 1;\n");
  EXPECT_EQ(p.statements_of("t2"), "cint_1 = cint_0;\n");
  EXPECT_EQ(p.value("y"), "cint_1");
}

TEST(Phi, IfMergeWithAComputedInitAssignsItWhereTheInitPathBranches) {
  // The init value reads the result bit measured in the branching block; a declaration
  // above the body cannot read it, so the variable starts at 0 and takes the value at the
  // end of that block.
  Phis p;
  p.bind("z", bit(0));
  p.block("entry", {"then", "merge"}, bit(1), 2).block("then", {"merge"});
  EXPECT_EQ(p.run("%x = phi i64 [ %k1, %then ], [ %z, %entry ]"), "");
  EXPECT_EQ(p.declarations(), "int cint_0 = 0;\n");
  EXPECT_EQ(p.statements_of("entry"), "g_entry q;\ng_entry q;\ncint_0 = c[0];\n");
  EXPECT_EQ(p.statements_of("then"), "cint_0 = k + 1;\n");
  EXPECT_EQ(p.value("x"), "cint_0");
  // The next variable's number counts that declaration.
  p.block("merge", {"t2", "m2"}, bit(2)).block("t2", {"m2"});
  EXPECT_EQ(p.run("%y = phi i64 [ %k, %merge ], [ 3, %t2 ]", "m2"), "");
  EXPECT_EQ(p.declarations(), "int cint_0 = 0;\nint cint_1 = 0;\n");
  EXPECT_EQ(p.statements_of("merge"), "cint_1 = k;\n");
  EXPECT_EQ(p.statements_of("t2"), "cint_1 = 3;\n");
}

TEST(Phi, IfMergeFailures) {
  const std::string shape =
      "phi integer incomings do not match the expected if-merge shape: expected exactly one "
      "predecessor with a conditional branch (providing the init value) and one with an "
      "unconditional branch (providing the update value)";
  struct Case {
    bool then_conditional;
    std::string_view line;
    std::string message;
  };
  const std::vector<Case> cases = {
      {true, "%x = phi i64 [ 0, %entry ], [ %k1, %then ]", shape},
      {false, "%x = phi i64 [ 9223372036854775808, %entry ], [ %k1, %then ]",
       "phi integer incoming constant 9223372036854775808 does not fit in i64"},
      {false, "%x = phi i64 [ %k1, %then ], [ -9223372036854775809, %entry ]",
       "phi integer incoming constant -9223372036854775809 does not fit in i64"},
      // init (entry's incoming) is lowered before update, wherever it stands
      {false, "%x = phi i64 [ %nope, %then ], [ 9223372036854775808, %entry ]",
       "phi integer incoming constant 9223372036854775808 does not fit in i64"},
      {false, "%x = phi i64 [ %nope, %then ], [ 0, %entry ]",
       "SSA value \"nope\" is used but was never bound; upstream instruction may be unsupported"},
      {false, "%x = phi i64 [ @g, %entry ], [ %k1, %then ]",
       R"(phi integer incoming must be a constant or SSA reference, got GlobalRef("g"))"},
  };
  for (const Case& c : cases) {
    Phis p;
    p.block("entry", {"then", "merge"}, bit(0));
    if (c.then_conditional)
      p.block("then", {"merge", "merge"}, bit(1));
    else
      p.block("then", {"merge"});
    EXPECT_EQ(p.run(c.line), c.message) << c.line;
    // nothing of a failing phi is recorded
    EXPECT_EQ(p.declarations(), "") << c.line;
    EXPECT_EQ(p.statements_of("entry") + p.statements_of("then"), "") << c.line;
    EXPECT_EQ(p.value("x"), "<unbound>");
  }
}

// ---- Whole modules ------------------------------------------------------------------------

std::string translate_body(std::string_view blocks) {
  static const std::string_view tail = R"(
declare void @__quantum__qis__h__body(ptr)
declare void @__quantum__qis__x__body(ptr)
declare void @__quantum__qis__z__body(ptr)
declare void @__quantum__qis__mz__body(ptr, ptr writeonly)
declare i1 @__quantum__rt__read_result(ptr)
attributes #0 = { "entry_point" "qir_profiles"="adaptive_profile" }
)";
  std::string qir = "define void @main() #0 {\n" + std::string(blocks) + "}\n" + std::string(tail);
  auto out = translate_qir(qir);
  if (!out) return "error: " + out.error().message;
  std::string s = std::move(*out);
  s.erase(s.rfind("// generated-by:"));
  return s;
}

TEST(PhiModules, ShortCircuitAndAsAProducerEmitsIt) {
  EXPECT_EQ(translate_body(R"(
entry:
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  %a = call i1 @__quantum__rt__read_result(ptr null)
  br i1 %a, label %rhs, label %merge
rhs:
  %b = call i1 @__quantum__rt__read_result(ptr inttoptr (i64 1 to ptr))
  br label %merge
merge:
  %both = phi i1 [ false, %entry ], [ %b, %rhs ]
  br i1 %both, label %fix, label %done
fix:
  call void @__quantum__qis__x__body(ptr null)
  br label %done
done:
  ret void
)"),
            "OPENQASM 3.0;\nqubit[2] q;\nbit[2] c;\n"
            "c[0] = measure q[0];\nc[1] = measure q[1];\n"
            "if (c[0] == 1 && c[1] == 1) {\n  x q[0];\n}\n");
}

TEST(PhiModules, ShortCircuitWithTheMergeOnTheTrueEdge) {
  // br i1 %a, label %merge, label %rhs with false from entry: the merge holds !a && b.
  EXPECT_EQ(translate_body(R"(
entry:
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  %a = call i1 @__quantum__rt__read_result(ptr null)
  br i1 %a, label %merge, label %rhs
rhs:
  %b = call i1 @__quantum__rt__read_result(ptr inttoptr (i64 1 to ptr))
  br label %merge
merge:
  %r = phi i1 [ false, %entry ], [ %b, %rhs ]
  br i1 %r, label %fix, label %done
fix:
  call void @__quantum__qis__x__body(ptr null)
  br label %done
done:
  ret void
)"),
            "OPENQASM 3.0;\nqubit[2] q;\nbit[2] c;\n"
            "c[0] = measure q[0];\nc[1] = measure q[1];\n"
            "if (c[0] == 0 && c[1] == 1) {\n  x q[0];\n}\n");
}

TEST(PhiModules, IfMergeInitReadsAMeasurement) {
  // The variable starts at 0 and takes the measured value before the branch.
  EXPECT_EQ(translate_body(R"(
entry:
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  %m = call i1 @__quantum__rt__read_result(ptr null)
  %z = zext i1 %m to i64
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr inttoptr (i64 1 to ptr))
  %m1 = call i1 @__quantum__rt__read_result(ptr inttoptr (i64 1 to ptr))
  br i1 %m1, label %then, label %merge
then:
  %inc = add i64 %z, 1
  br label %merge
merge:
  %n = phi i64 [ %z, %entry ], [ %inc, %then ]
  %two = icmp eq i64 %n, 2
  br i1 %two, label %fix, label %done
fix:
  call void @__quantum__qis__z__body(ptr null)
  br label %done
done:
  ret void
)"),
            "OPENQASM 3.0;\nqubit[2] q;\nbit[2] c;\nint cint_0 = 0;\n"
            "c[0] = measure q[0];\nc[1] = measure q[1];\ncint_0 = c[0];\n"
            "if (c[1]) {\n  cint_0 = c[0] + 1;\n}\n"
            "if (cint_0 == 2) {\n  z q[0];\n}\n");
}

TEST(PhiModules, PhiBeforeItsPredecessor) {
  EXPECT_EQ(translate_body(R"(
entry:
  br label %merge
merge:
  %n = phi i64 [ 0, %entry ], [ 1, %late ]
  ret void
late:
  br label %merge
)"),
            "error: phi integer predecessor \"late\" not found among processed blocks");
  EXPECT_EQ(translate_body(R"(
entry:
  br i1 true, label %merge, label %late
merge:
  %n = phi i64 [ 5, %late ], [ 0, %entry ]
  ret void
late:
  br label %merge
)"),
            "error: phi integer predecessor \"late\" not found among processed blocks");
}

// Substitution is only right while what an expression reads still holds the value it held
// when the SSA value was defined; reading it after it was overwritten is an error.
TEST(PhiModules, ValuesReadAfterTheirInputsWereOverwrittenAreRejected) {
  // `let before = n; if r1 { set n += 5; } if before == 1 { X }`: the reused variable's
  // earlier value is gone once the update ran.
  EXPECT_EQ(translate_body(R"(
entry:
  %m0 = call i1 @__quantum__rt__read_result(ptr null)
  br i1 %m0, label %inc, label %counted
inc:
  br label %counted
counted:
  %n = phi i64 [ 0, %entry ], [ 1, %inc ]
  %m1 = call i1 @__quantum__rt__read_result(ptr inttoptr (i64 1 to ptr))
  br i1 %m1, label %more, label %merged
more:
  call void @__quantum__qis__z__body(ptr null)
  %n5 = add i64 %n, 5
  br label %merged
merged:
  %n2 = phi i64 [ %n, %counted ], [ %n5, %more ]
  %before = icmp eq i64 %n, 1
  br i1 %before, label %fix, label %done
fix:
  call void @__quantum__qis__x__body(ptr null)
  br label %done
done:
  ret void
)"),
            "error: SSA value \"n\" holds the value of cint_0 from before the phi \"n2\" "
            "updated that variable; using the earlier value afterwards is not supported");
  // A result read, measured again, then branched on: the branch needs the first outcome.
  EXPECT_EQ(translate_body(R"(
entry:
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  %first = call i1 @__quantum__rt__read_result(ptr null)
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr null)
  br i1 %first, label %fix, label %done
fix:
  call void @__quantum__qis__x__body(ptr null)
  br label %done
done:
  ret void
)"),
            "error: SSA value \"first\" read result c[0] before a later measurement overwrote it; "
            "reading an overwritten result is not supported");
  // Reading it before the second measurement is fine, and so is reusing the variable when
  // nothing reads its earlier value afterwards.
  EXPECT_EQ(translate_body(R"(
entry:
  call void @__quantum__qis__mz__body(ptr null, ptr null)
  %first = call i1 @__quantum__rt__read_result(ptr null)
  br i1 %first, label %fix, label %done
fix:
  call void @__quantum__qis__x__body(ptr null)
  br label %done
done:
  call void @__quantum__qis__mz__body(ptr inttoptr (i64 1 to ptr), ptr null)
  ret void
)"),
            "OPENQASM 3.0;\nqubit[2] q;\nbit[1] c;\nc[0] = measure q[0];\n"
            "if (c[0]) {\n  x q[0];\n}\nc[0] = measure q[1];\n");
}

}  // namespace
}  // namespace brintavel::translator

namespace {

// The names the variables were made with, and no other (a chain of if-merges keeps updating a
// variable only when its initial value is one).
TEST(Phi, VariablesKnowTheNamesTheyMade) {
  brintavel::translator::Variables variables;
  variables.declare(brintavel::qasm::ScalarType::Int);
  variables.declare(brintavel::qasm::ScalarType::Int);
  variables.declare(brintavel::qasm::ScalarType::Bool);
  for (std::string_view name : {"cint_0", "cint_1", "cbool_0"}) EXPECT_TRUE(variables.made(name)) << name;
  for (std::string_view name : {"cint_2", "cbool_1", "cfloat_0", "cint_01", "cint_", "cint_1x", "c", "cint_99999999999",
                                "x_cint_0"})
    EXPECT_FALSE(variables.made(name)) << name;
  // (The key tells the names apart: number and type.)
  EXPECT_EQ(brintavel::translator::variable_name_key("cint_5"), 15u);
  EXPECT_EQ(brintavel::translator::variable_name_key("cbool_5"), 16u);
  EXPECT_EQ(brintavel::translator::variable_name_key("cfloat_0"), 2u);
  EXPECT_EQ(brintavel::translator::variable_name_key("cint_05"), std::nullopt);
}

}  // namespace
