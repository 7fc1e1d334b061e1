// Lowering of classical instructions to OpenQASM expressions: comparisons, Boolean and
// integer arithmetic, selects, zero extension, inttoptr indices and constants followed
// through stack memory.
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "brintavel/brintavel.hpp"
#include "ir/instruction_parser.hpp"
#include "qasm/printer.hpp"
#include "support.hpp"
#include "translator/classical.hpp"

namespace brintavel::translator {
namespace {

using qasm::BinaryOperator;
using qasm::Expression;

using testing_support::bit;
using testing_support::id;
using testing_support::text;

// Parses instruction lines and lowers them one after the other into one context, as the
// driver does for the classical instructions of a block.
class Lowering {
 public:
  Lowering() {
    // The usual inputs: read results, comparisons, and a plain integer.
    bind("r0", bit(0));
    bind("r1", bit(1));
    bind("lt", qasm::make_binary(BinaryOperator::Lt, id("x"), qasm::IntLiteral{5}));
    bind("ge", qasm::make_binary(BinaryOperator::Ge, id("y"), qasm::IntLiteral{2}));
    bind("k", id("k"));  // anything its type holds
    bind("n", id("n"));  // a counter known to stay small
    ctx.set_range("n", IntRange{0, 1000});
  }

  void bind(std::string_view name, Expression e) {
    names_.emplace_back(name);
    ASSERT_TRUE(ctx.bind_value(names_.back(), std::move(e)));
  }

  Status run(std::string_view line) {
    auto parsed = ir::parse_instruction(line, pool_);
    if (!parsed) {
      ADD_FAILURE() << "could not parse " << line << ": " << parsed.error().message;
      return parsed.error();
    }
    const ir::Instruction& inst = instructions_.emplace_back(std::move(*parsed));
    if (auto* i = std::get_if<ir::Icmp>(&inst)) return lower_icmp(*i, ctx);
    if (auto* i = std::get_if<ir::Logic>(&inst)) return lower_logic(*i, ctx);
    if (auto* i = std::get_if<ir::Select>(&inst)) return lower_select(*i, ctx);
    if (auto* i = std::get_if<ir::Arith>(&inst)) return lower_arith(*i, ctx);
    if (auto* i = std::get_if<ir::Zext>(&inst)) return lower_zext(*i, ctx);
    if (auto* i = std::get_if<ir::IntToPtr>(&inst)) return lower_inttoptr(*i, ctx);
    if (auto* i = std::get_if<ir::Alloca>(&inst)) return lower_alloca(*i, ctx), Status{};
    if (auto* i = std::get_if<ir::Bitcast>(&inst)) return lower_bitcast(*i, ctx), Status{};
    if (auto* i = std::get_if<ir::Gep>(&inst)) return lower_gep(*i, ctx), Status{};
    if (auto* i = std::get_if<ir::Store>(&inst)) return lower_store(*i, ctx), Status{};
    if (auto* i = std::get_if<ir::Load>(&inst)) return lower_load(*i, ctx);
    ADD_FAILURE() << "not a classical instruction: " << line;
    return {};
  }

  // Runs the lines; returns the first error message, or "" when all succeeded.
  std::string error_of(std::vector<std::string_view> lines) {
    for (std::string_view line : lines) {
      Status s = run(line);
      if (!s) {
        EXPECT_EQ(s.error().kind, ErrorKind::UnsupportedConstruct) << s.error().message;
        return s.error().message;
      }
    }
    return "";
  }

  // The printed expression bound to `name`, or "<unbound>".
  std::string value(std::string_view name) const {
    const Expression* e = ctx.peek_value(name);
    return e ? text(*e) : "<unbound>";
  }

  LoweringContext ctx{Limits::kBaseNodes};

 private:
  ir::TextPool pool_;
  std::vector<ir::Instruction> instructions_;
  std::deque<std::string> names_;  // the context keeps views of these
};

struct LineCase {
  std::string_view line;
  std::string expected;  // the printed binding of %v, or the error message
};

void expect_values(const std::vector<LineCase>& cases) {
  for (const LineCase& c : cases) {
    Lowering l;
    std::string error = l.error_of({c.line});
    EXPECT_EQ(error, "") << c.line;
    EXPECT_EQ(l.value("v"), c.expected) << c.line;
  }
}

void expect_errors(const std::vector<LineCase>& cases) {
  for (const LineCase& c : cases) {
    Lowering l;
    EXPECT_EQ(l.error_of({c.line}), c.expected) << c.line;
    EXPECT_EQ(l.value("v"), "<unbound>") << "a failing instruction binds nothing: " << c.line;
  }
}

TEST(Classical, BooleanValuedExpressions) {
  auto bin = [](BinaryOperator op) { return qasm::make_binary(op, id("a"), id("b")); };
  for (BinaryOperator op : {BinaryOperator::Or, BinaryOperator::And, BinaryOperator::Eq,
                            BinaryOperator::Ne, BinaryOperator::Lt, BinaryOperator::Le,
                            BinaryOperator::Gt, BinaryOperator::Ge}) {
    EXPECT_TRUE(is_boolean_valued(bin(op))) << text(bin(op));
    EXPECT_EQ(text(as_condition(bin(op))), text(bin(op)));
  }
  const std::vector<std::pair<Expression, std::string>> others = {
      {bin(BinaryOperator::Add), "a + b == 1"},
      {bin(BinaryOperator::BitAnd), "(a & b) == 1"},
      {bin(BinaryOperator::BitXor), "(a ^ b) == 1"},
      {qasm::make_not(bin(BinaryOperator::Eq)), "!(a == b) == 1"},
      {bit(0), "c[0] == 1"},
      {id("a"), "a == 1"},
      {qasm::IntLiteral{0}, "0 == 1"},
      {qasm::BoolLiteral{true}, "true == 1"},
  };
  for (const auto& [e, condition] : others) {
    EXPECT_FALSE(is_boolean_valued(e)) << text(e);
    EXPECT_EQ(text(as_condition(e)), condition);
  }
}

TEST(Classical, IcmpPredicates) {
  expect_values({
      {"%v = icmp eq i64 %k, 5", "k == 5"},
      {"%v = icmp ne i64 %k, 5", "k != 5"},
      {"%v = icmp ult i64 %n, 5", "n < 5"},
      {"%v = icmp slt i64 %k, 5", "k < 5"},
      {"%v = icmp ule i64 %n, 5", "n <= 5"},
      {"%v = icmp sle i64 %k, 5", "k <= 5"},
      {"%v = icmp ugt i64 %n, 5", "n > 5"},
      {"%v = icmp sgt i64 %k, 5", "k > 5"},
      {"%v = icmp uge i64 %n, 5", "n >= 5"},
      // unsigned, a negative value is above every non-negative one
      {"%v = icmp ult i64 %k, 5", "k >= 0 && k < 5"},
      {"%v = icmp ule i64 %k, 5", "k >= 0 && k <= 5"},
      {"%v = icmp ugt i64 %k, 5", "k < 0 || 5 < k"},
      {"%v = icmp uge i64 %k, 5", "k < 0 || 5 <= k"},
      {"%v = icmp ult i64 %k, %k", "k >= 0 && k < 0 || k < 0 == k < 0 && k < k"},
      {"%v = icmp sge i64 %k, -5", "k >= -5"},
      // i1 operands are integers here: true is 1, a read result stays c[0]
      {"%v = icmp eq i1 %r0, true", "c[0] == 1"},
      {"%v = icmp ne i1 false, %r1", "0 != c[1]"},
      {"%v = icmp eq i1 %lt, %ge", "x < 5 == y >= 2"},
      {"%v = icmp slt i64 9223372036854775807, -9223372036854775808",
       "9223372036854775807 < -9223372036854775808"},
  });
}

TEST(Classical, IcmpFailures) {
  const std::string supported =
      "; supported predicates are [\"eq\", \"ne\", \"ult\", \"slt\", \"ule\", \"sle\", \"ugt\", "
      "\"sgt\", \"uge\", \"sge\"]";
  expect_errors({
      {"%v = icmp gt i64 %k, 5", "icmp predicate \"gt\" is not supported" + supported},
      {"%v = icmp EQ i64 %k, 5", "icmp predicate \"EQ\" is not supported" + supported},
      // the predicate is checked before any operand is lowered
      {"%v = icmp oeq i64 %nope, %nope2", "icmp predicate \"oeq\" is not supported" + supported},
      // operands left to right
      {"%v = icmp eq i64 %u1, %u2",
       "SSA value \"u1\" is used but was never bound; upstream instruction may be unsupported"},
      {"%v = icmp eq i64 %k, %u2",
       "SSA value \"u2\" is used but was never bound; upstream instruction may be unsupported"},
      {"%v = icmp eq i64 9223372036854775808, %u2",
       "integer constant 9223372036854775808 does not fit in i64; wider integer constants are not "
       "yet supported"},
      {"%v = icmp eq ptr @g, null", R"x(could not interpret integer operand "GlobalRef(\"g\")")x"},
      {"%v = icmp eq %Qubit* %k, inttoptr (i64 3 to %Qubit*)",
       R"x(could not interpret integer operand "PtrConst { struct_name: Some(\"Qubit\"), index: 3 }")x"},
  });
}

TEST(Classical, Arithmetic) {
  expect_values({
      {"%v = add i64 %n, 1", "n + 1"},
      {"%v = sub i64 %n, %n", "n - n"},
      {"%v = mul nsw nuw i64 3, %k", "3 * k"},  // an nsw result that overflows is poison
      {"%v = add nsw i64 %k, 1", "k + 1"},
      {"%v = add i32 %r0, %r1", "c[0] + c[1]"},
      {"%v = add i64 %n, 9223372036854774807", "n + 9223372036854774807"},
      // results that may leave the type's range wrap as LLVM's do
      {"%v = add i8 %n, 120", "(n + 120 + 384) % 256 - 128"},
      {"%v = sub i16 -32768, %n", "((-32768 - n) + 98304) % 65536 - 32768"},
      {"%v = mul i32 %n, 4294967", "(n * 4294967 + 6442450944) % 4294967296 - 2147483648"},
      {"%v = add i8 127, 1", "-128"},
      {"%v = mul i32 65536, 65536", "0"},
      // i1 arithmetic is on bits 0 and 1
      {"%v = add i1 true, true", "0"},
      {"%v = add i1 true, false", "1"},
      {"%v = sub i1 %r0, %r1", "((c[0] - c[1]) + 2) % 2"},
      {"%v = mul i1 %r0, %r1", "c[0] * c[1]"},
  });
  // Bound expressions are substituted whole; the printer adds the parentheses.
  Lowering l;
  EXPECT_EQ(l.error_of({"%a = add i64 %n, 1", "%b = sub i64 %a, 2", "%v = mul i64 %b, %a"}), "");
  EXPECT_EQ(l.value("v"), "((n + 1) - 2) * (n + 1)");
}

TEST(Classical, ArithmeticFailures) {
  expect_errors({
      // LLVM's i64 wraps around; the dialect's integers cannot be reduced to 64 bits
      {"%v = add i64 %k, 1",
       "SSA value \"v\" (add i64) may overflow 64 bits, where LLVM wraps it around and the dialect's integers do "
       "not"},
      {"%v = sub i64 -9223372036854775808, %n",
       "SSA value \"v\" (sub i64) may overflow 64 bits, where LLVM wraps it around and the dialect's integers do "
       "not"},
      {"%v = add i64 %k, 9223372036854775808",
       "integer constant 9223372036854775808 does not fit in i64; wider integer constants are not "
       "yet supported"},
      {"%v = sub i128 -9223372036854775809, 1",
       "integer constant -9223372036854775809 does not fit in i64; wider integer constants are not "
       "yet supported"},
      // the left operand's error wins
      {"%v = add i64 %u, 9223372036854775808",
       "SSA value \"u\" is used but was never bound; upstream instruction may be unsupported"},
      {"%v = mul i64 18446744073709551616, %u",
       "integer constant 18446744073709551616 does not fit in i64; wider integer constants are not "
       "yet supported"},
      {"%v = add double 1.5, %k", R"x(could not interpret integer operand "ConstFloat(1.5)")x"},
      {"%v = add ptr null, %k", R"x(could not interpret integer operand "PtrConst { struct_name: None, index: 0 }")x"},
  });
}

TEST(Classical, AndOr) {
  expect_values({
      {"%v = and i1 %r0, %r1", "c[0] == 1 && c[1] == 1"},
      {"%v = or i1 %r0, %r1", "c[0] == 1 || c[1] == 1"},
      // comparisons and Boolean operations are kept as they are
      {"%v = and i1 %lt, %ge", "x < 5 && y >= 2"},
      {"%v = or i1 %lt, %r1", "x < 5 || c[1] == 1"},
      // constants become 0/1 and are compared with 1 like any other value
      {"%v = and i1 %lt, true", "x < 5 && 1 == 1"},
      {"%v = or i1 0, %r0", "0 == 1 || c[0] == 1"},
      {"%v = and i1 1, false", "1 == 1 && 0 == 1"},
  });
  Lowering l;
  EXPECT_EQ(l.error_of({"%a = or i1 %r0, %lt", "%v = and i1 %a, %ge"}), "");
  EXPECT_EQ(l.value("v"), "(c[0] == 1 || x < 5) && y >= 2");
}

TEST(Classical, Xor) {
  expect_values({
      {"%v = xor i1 %r0, false", "c[0]"},
      {"%v = xor i1 %r0, true", "c[0] == 0"},
      {"%v = xor i1 false, %r0", "c[0]"},
      {"%v = xor i1 true, %lt", "x < 5 == 0"},
      {"%v = xor i1 %r0, 0", "c[0]"},
      {"%v = xor i1 1, %r1", "c[1] == 0"},
      // neither side constant: Ne of both conditions
      {"%v = xor i1 %lt, %ge", "x < 5 != y >= 2"},
      {"%v = xor i1 %r0, %r1", "(c[0] == 1) != (c[1] == 1)"},
      // both sides constant
      {"%v = xor i1 true, true", "(1 == 1) != (1 == 1)"},
      {"%v = xor i1 false, true", "(0 == 1) != (1 == 1)"},
  });
}

TEST(Classical, XorWithIntegerConstants) {
  // ConstInt 0 and 1 classify like false and true; other ConstInt values are "other".
  Lowering l;
  ir::Logic logic{ir::LogicOp::Xor, ir::Ssa{"r0"}, ir::ConstInt{1}, "v1"};
  ASSERT_TRUE(lower_logic(logic, l.ctx));
  EXPECT_EQ(l.value("v1"), "c[0] == 0");
  logic = {ir::LogicOp::Xor, ir::ConstInt{0}, ir::Ssa{"r0"}, "v2"};
  ASSERT_TRUE(lower_logic(logic, l.ctx));
  EXPECT_EQ(l.value("v2"), "c[0]");
  // With a 2 on one side both sides count as "other" and both are lowered, left first.
  logic = {ir::LogicOp::Xor, ir::Ssa{"r0"}, ir::ConstInt{2}, "v3"};
  auto s = lower_logic(logic, l.ctx);
  ASSERT_FALSE(s);
  EXPECT_EQ(s.error().message, "could not interpret i1 constant operand 2");
  logic = {ir::LogicOp::Xor, ir::ConstInt{-1}, ir::Ssa{"nope"}, "v4"};
  s = lower_logic(logic, l.ctx);
  ASSERT_FALSE(s);
  EXPECT_EQ(s.error().message, "could not interpret i1 constant operand -1");
}

TEST(Classical, BooleanFailures) {
  const std::string unbound_u =
      "SSA value \"u\" is used but was never bound; upstream instruction may be unsupported";
  expect_errors({
      {"%v = and i1 @g, %r0", R"x(could not interpret i1 constant operand "GlobalRef(\"g\")")x"},
      {"%v = or i1 %r0, 2", "could not interpret i1 constant operand 2"},
      {"%v = and i1 %u, 2", unbound_u},
      {"%v = and i1 2, %u", "could not interpret i1 constant operand 2"},
      {"%v = xor i1 %u, true", unbound_u},
      {"%v = xor i1 false, %u", unbound_u},
      {"%v = xor i1 %u, %nope", unbound_u},
  });
}

TEST(Classical, SelectI1) {
  // C is the condition after as_condition: c[0] == 1 for a read result.
  expect_values({
      {"%v = select i1 %r0, i1 true, i1 false", "c[0] == 1"},
      {"%v = select i1 %lt, i1 true, i1 false", "x < 5"},
      {"%v = select i1 %r0, i1 false, i1 true", "!(c[0] == 1)"},
      {"%v = select i1 %r0, i1 %r1, i1 false", "c[0] == 1 && c[1] == 1"},
      {"%v = select i1 %r0, i1 %ge, i1 true", "!(c[0] == 1) || y >= 2"},
      {"%v = select i1 %lt, i1 true, i1 %r1", "x < 5 || c[1] == 1"},
      {"%v = select i1 %lt, i1 false, i1 %ge", "!(x < 5) && y >= 2"},
      {"%v = select i1 %r0, i1 %lt, i1 %ge", "c[0] == 1 && x < 5 || !(c[0] == 1) && y >= 2"},
      {"%v = select i1 %lt, i1 true, i1 true", "x < 5 && 1 == 1 || !(x < 5) && 1 == 1"},
      {"%v = select i1 true, i1 false, i1 false", "1 == 1 && 0 == 1 || !(1 == 1) && 0 == 1"},
  });
}

TEST(Classical, SelectIntegers) {
  // No as_condition: the condition is multiplied as it is.
  expect_values({
      {"%v = select i1 %k, i64 7, i64 9", "k * 7 + (1 - k) * 9"},
      {"%v = select i1 %r0, i32 1, i32 0", "c[0] * 1 + (1 - c[0]) * 0"},
      {"%v = select i1 %lt, i64 %k, i64 -1", "(x < 5) * k + (1 - (x < 5)) * -1"},
      {"%v = select i1 true, i64 2, i64 3", "1 * 2 + (1 - 1) * 3"},
  });
}

TEST(Classical, SelectFailures) {
  auto value_typed = [](std::string_view ty) {
    return "`select i1 %cond, " + std::string(ty) + " ..., " + std::string(ty) +
           " ...` is not supported: OpenQASM 3 has no classical ternary expression for value-typed "
           "selects. Apply each branch in its own `if` arm, or precompute the value before the "
           "circuit.";
  };
  auto unbound = [](std::string_view name) {
    return "SSA value \"" + std::string(name) +
           "\" is used but was never bound; upstream instruction may be unsupported";
  };
  expect_errors({
      {"%v = select i1 %r0, double 1.0, double 2.0", value_typed("double")},
      // the type is checked before any operand is lowered
      {"%v = select i1 %u, i8 %a, i8 %b", value_typed("i8")},
      {"%v = select i1 %u, ptr %a, ptr %b", value_typed("ptr")},
      // the condition first, then the then-value, then the else-value
      {"%v = select i1 %u, i1 %a, i1 %b", unbound("u")},
      {"%v = select i1 2, i1 %a, i1 %b", "could not interpret i1 constant operand 2"},
      {"%v = select i1 %r0, i1 %a, i1 %b", unbound("a")},
      {"%v = select i1 %r0, i1 %r1, i1 %b", unbound("b")},
      {"%v = select i1 %r0, i1 %a, i1 true", unbound("a")},
      {"%v = select i1 %r0, i1 false, i1 %b", unbound("b")},
      {"%v = select i1 %r0, i1 2, i1 false", "could not interpret i1 constant operand 2"},
      {"%v = select i1 %u, i64 1, i64 2", unbound("u")},
      {"%v = select i1 %r0, i64 %a, i64 %b", unbound("a")},
      {"%v = select i1 %r0, i64 1, i64 %b", unbound("b")},
      {"%v = select i1 %r0, i64 9223372036854775808, i64 %b",
       "integer constant 9223372036854775808 does not fit in i64; wider integer constants are not "
       "yet supported"},
  });
}

TEST(Classical, ZextCopiesTheBinding) {
  Lowering l;
  EXPECT_EQ(l.error_of({"%v = zext i1 %r0 to i64", "%w = zext i1 %lt to i32"}), "");
  EXPECT_EQ(l.value("v"), "c[0]");
  EXPECT_EQ(l.value("w"), "x < 5");
  // A copy: rebinding the source later does not change it.
  l.bind("r0", bit(7));
  EXPECT_EQ(l.value("v"), "c[0]");

  Lowering m;
  EXPECT_EQ(m.error_of({"%v = zext i1 %u to i64"}),
            "SSA value \"u\" is used but was never bound; upstream instruction may be unsupported");
}

TEST(Classical, IntToPtrRecordsIndices) {
  Lowering l;
  l.bind("two", qasm::IntLiteral{2});
  EXPECT_EQ(l.error_of({
                "%p = inttoptr i64 5 to ptr",
                "%q = inttoptr i64 %two to %Qubit*",
                "%z = inttoptr i64 0 to ptr",
                "%m = inttoptr i64 9223372036854775807 to ptr",
            }),
            "");
  EXPECT_EQ(l.ctx.lookup_pointer_index("p"), 5);
  EXPECT_EQ(l.ctx.lookup_pointer_index("q"), 2);
  EXPECT_EQ(l.ctx.lookup_pointer_index("z"), 0);
  EXPECT_EQ(l.ctx.lookup_pointer_index("m"), 9223372036854775807);
  // The pointer is an index, not a value.
  EXPECT_EQ(l.value("p"), "<unbound>");
  EXPECT_EQ(l.ctx.lookup_pointer_index("two"), std::nullopt);
  // A later inttoptr of the same name replaces the index.
  EXPECT_EQ(l.error_of({"%p = inttoptr i64 1 to ptr"}), "");
  EXPECT_EQ(l.ctx.lookup_pointer_index("p"), 1);
}

TEST(Classical, IntToPtrFailures) {
  struct Case {
    std::string_view line;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"%p = inttoptr i64 -1 to ptr",
       "inttoptr index -1 is negative; qubit and result indices must be non-negative"},
      {"%p = inttoptr i64 %minus3 to ptr",
       "inttoptr index -3 is negative; qubit and result indices must be non-negative"},
      {"%p = inttoptr i64 9223372036854775808 to ptr",
       "inttoptr index 9223372036854775808 does not fit in i64"},
      {"%p = inttoptr i128 -9223372036854775809 to ptr",
       "inttoptr index -9223372036854775809 does not fit in i64"},
      // SSA values must be bound to an integer literal; an unbound name gets this message too
      {"%p = inttoptr i1 %r0 to ptr",
       "inttoptr source \"r0\" is not a compile-time constant; qubit and result indices must be "
       "statically known"},
      {"%p = inttoptr i64 %sum to ptr",
       "inttoptr source \"sum\" is not a compile-time constant; qubit and result indices must be "
       "statically known"},
      {"%p = inttoptr i64 %flag to ptr",
       "inttoptr source \"flag\" is not a compile-time constant; qubit and result indices must be "
       "statically known"},
      {"%p = inttoptr i64 %\"never \\\"bound\" to ptr",
       R"x(inttoptr source "\"never \\\"bound\"" is not a compile-time constant; qubit and result indices must be statically known)x"},
      {"%p = inttoptr i1 true to ptr", "inttoptr expects an integer source operand"},
      {"%p = inttoptr double 1.0 to ptr", "inttoptr expects an integer source operand"},
      {"%p = inttoptr ptr @g to ptr", "inttoptr expects an integer source operand"},
  };
  for (const Case& c : cases) {
    Lowering l;
    l.bind("minus3", qasm::IntLiteral{-3});
    l.bind("sum", qasm::make_binary(BinaryOperator::Add, qasm::IntLiteral{1}, qasm::IntLiteral{1}));
    l.bind("flag", qasm::BoolLiteral{true});
    EXPECT_EQ(l.error_of({c.line}), c.message) << c.line;
    EXPECT_EQ(l.ctx.lookup_pointer_index("p"), std::nullopt) << c.line;
  }
}

TEST(Classical, ConstantsFollowedThroughMemory) {
  struct Case {
    std::vector<std::string_view> lines;
    std::string loaded;  // printed binding of %v
  };
  const std::vector<Case> cases = {
      {{"%a = alloca i64, align 8", "store i64 3, ptr %a, align 8", "%v = load i64, ptr %a, align 8"},
       "3"},
      // through a bitcast of the alloca
      {{"%a = alloca i64", "store i64 3, ptr %a", "%b = bitcast ptr %a to ptr", "%v = load i64, ptr %b"},
       "3"},
      {{"%a = alloca i64", "%b = bitcast ptr %a to ptr", "store i64 -4, ptr %b", "%v = load i64, ptr %a"},
       "-4"},
      // Booleans load as BoolLiteral, floats as FloatLiteral
      {{"%a = alloca i1", "store i1 true, ptr %a", "%v = load i1, ptr %a"}, "true"},
      {{"%a = alloca double", "store double 1.5, ptr %a", "%v = load double, ptr %a"}, "1.5"},
      // a later store replaces the cell
      {{"%a = alloca i64", "store i64 1, ptr %a", "store i64 2, ptr %a", "%v = load i64, ptr %a"}, "2"},
      // getelementptr offsets: index 1 meets index 1, index 0 is the alloca itself
      {{"%a = alloca [2 x i64]", "%p = getelementptr [2 x i64], ptr %a, i64 0, i64 1",
        "store i64 7, ptr %p", "%q = getelementptr inbounds [2 x i64], ptr %a, i64 0, i64 1",
        "%v = load i64, ptr %q"},
       "7"},
      {{"%a = alloca [2 x i64]", "store i64 6, ptr %a",
        "%p = getelementptr [2 x i64], ptr %a, i64 0, i64 0", "%v = load i64, ptr %p"},
       "6"},
      {{"%a = alloca [2 x i64]", "store i64 6, ptr %a",
        "%p = getelementptr [2 x i64], ptr %a, i64 0, i64 1", "store i64 7, ptr %p",
        "%v = load i64, ptr %a"},
       "6"},
      // offsets add up along chains of geps and bitcasts
      {{"%a = alloca [4 x i64]", "%p = getelementptr i64, ptr %a, i64 0, i64 1",
        "%b = bitcast ptr %p to ptr", "%p2 = getelementptr i64, ptr %b, i64 0, i64 2",
        "store i64 9, ptr %p2", "%p3 = getelementptr i64, ptr %a, i64 0, i64 3",
        "%v = load i64, ptr %p3"},
       "9"},
      // offsets wrap around in 64 bits: 2^64 - 1 then 1 is back at the alloca
      {{"%a = alloca i64", "store i64 5, ptr %a",
        "%p = getelementptr i64, ptr %a, i64 0, i64 18446744073709551615",
        "%p2 = getelementptr i64, ptr %p, i64 0, i64 1", "%v = load i64, ptr %p2"},
       "5"},
      {{"%a = alloca i64", "%p = getelementptr i64, ptr %a, i64 0, i64 9223372036854775807",
        "%p2 = getelementptr i64, ptr %p, i64 0, i64 9223372036854775810", "store i64 8, ptr %p2",
        "%p3 = getelementptr i64, ptr %a, i64 0, i64 1", "%v = load i64, ptr %p3"},
       "8"},
      // pointers nothing tracked are their own base: two casts of one argument meet
      {{"%b1 = bitcast ptr %arg to ptr", "%b2 = bitcast ptr %arg to ptr", "store i64 4, ptr %b1",
        "%v = load i64, ptr %b2"},
       "4"},
      {{"%g = getelementptr i64, ptr %arg, i64 0, i64 2", "store i64 4, ptr %g",
        "%g2 = getelementptr i64, ptr %arg, i64 0, i64 2", "%v = load i64, ptr %g2"},
       "4"},
      {{"%g = getelementptr i64, ptr %arg, i64 0, i64 0", "store i64 4, ptr %g",
        "%b = bitcast ptr %arg to ptr", "%v = load i64, ptr %b"},
       "4"},
      // what is not a constant, or not stored, or stored without a tracked pointer, binds nothing
      {{"%a = alloca i64", "%v = load i64, ptr %a"}, "<unbound>"},
      {{"%a = alloca i64", "store i64 %k, ptr %a", "%v = load i64, ptr %a"}, "<unbound>"},
      {{"%a = alloca i128", "store i128 9223372036854775808, ptr %a", "%v = load i128, ptr %a"},
       "<unbound>"},
      {{"%a = alloca ptr", "store ptr null, ptr %a", "%v = load ptr, ptr %a"}, "<unbound>"},
      {{"store i64 3, ptr %untracked", "%v = load i64, ptr %untracked"}, "<unbound>"},
      {{"%a = alloca [2 x i64]", "%p = getelementptr [2 x i64], ptr %a, i64 0, i64 1",
        "store i64 7, ptr %p", "%v = load i64, ptr %a"},
       "<unbound>"},
  };
  for (const Case& c : cases) {
    Lowering l;
    EXPECT_EQ(l.error_of(c.lines), "") << c.lines.back();
    EXPECT_EQ(l.value("v"), c.loaded) << c.lines[1] << " ... " << c.lines.back();
  }
}

TEST(Classical, LoadOfNothingKeepsAnEarlierBinding) {
  // A load that finds no constant leaves the name as it was; its first use then fails
  // when it was never bound.
  Lowering l;
  EXPECT_EQ(l.error_of({"%a = alloca i64", "%v = load i64, ptr %a", "%w = add i64 %v, 1"}),
            "SSA value \"v\" is used but was never bound; upstream instruction may be unsupported");
}

TEST(Classical, LoadedConstantIsAQubitIndex) {
  // The usual shape of a qubit index kept in a stack slot, end to end.
  const std::string_view qir = R"(
define void @main() #0 {
entry:
  %slot = alloca i64, align 8
  store i64 2, ptr %slot, align 8
  %i = load i64, ptr %slot, align 8
  %q = inttoptr i64 %i to ptr
  call void @__quantum__qis__h__body(ptr %q)
  ret void
}
declare void @__quantum__qis__h__body(ptr)
attributes #0 = { "entry_point" "qir_profiles"="adaptive_profile" }
)";
  auto out = translate_qir(qir);
  ASSERT_TRUE(out) << out.error().message;
  EXPECT_EQ(*out,
            "OPENQASM 3.0;\nqubit[3] q;\nh q[2];\n"
            "// generated-by: {\"name\":\"brintavel\",\"version\":\"" +
                std::string(kVersion) + "\",\"profile\":\"adaptive_profile\"}\n");
}

}  // namespace
}  // namespace brintavel::translator
