// The OpenQASM program model: operators, construction helpers, deep copies, tree sizes, and
// stack safety of copying, measuring, counting and destroying very deep trees.
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "qasm/finite.hpp"
#include "qasm/model.hpp"
#include "qasm/printer.hpp"

namespace brintavel::qasm {
namespace {

using Op = BinaryOperator;

Expression id(std::string name) { return Identifier{std::move(name)}; }
Expression lit(std::int64_t v) { return IntLiteral{v}; }

IndexedIdentifier reg(std::string name, std::int64_t index) {
  return IndexedIdentifier{std::move(name), lit(index)};
}

Statement gate(std::string name, std::vector<IndexedIdentifier> operands,
               std::vector<Expression> arguments = {}) {
  return GateCall{{}, std::move(name), std::move(arguments), std::move(operands)};
}

std::string text(const Expression& e) {
  std::string out;
  print_expression(e, out);
  return out;
}

std::string text(const StatementList& list) {
  std::string out;
  print_program(Program{"", copy_statements(list), {}}, out);
  return out;
}

// Every node of a tree, in a fixed walk order.
std::vector<const Expression*> nodes_of(const Expression& root) {
  std::vector<const Expression*> result;
  std::vector<const Expression*> stack{&root};
  while (!stack.empty()) {
    const Expression* e = stack.back();
    stack.pop_back();
    result.push_back(e);
    if (auto* i = std::get_if<Index>(&e->node)) {
      stack.push_back(i->base.get());
      stack.push_back(i->index.get());
    } else if (auto* u = std::get_if<Unary>(&e->node)) {
      stack.push_back(u->operand.get());
    } else if (auto* b = std::get_if<Binary>(&e->node)) {
      stack.push_back(b->left.get());
      stack.push_back(b->right.get());
    }
  }
  return result;
}

TEST(QasmOperators, SpellingsAndStrengths) {
  struct Row {
    Op op;
    const char* spelling;
    int strength;
  };
  const Row rows[] = {
      {Op::Or, "||", 1},  {Op::And, "&&", 2},  {Op::BitOr, "|", 3},  {Op::BitXor, "^", 4},
      {Op::BitAnd, "&", 5}, {Op::Eq, "==", 6}, {Op::Ne, "!=", 6},    {Op::Lt, "<", 7},
      {Op::Le, "<=", 7},  {Op::Gt, ">", 7},    {Op::Ge, ">=", 7},    {Op::Shl, "<<", 8},
      {Op::Shr, ">>", 8}, {Op::Add, "+", 9},   {Op::Sub, "-", 9},    {Op::Mul, "*", 10},
      {Op::Div, "/", 10}, {Op::Mod, "%", 10},  {Op::Pow, "**", 12},
  };
  ASSERT_EQ(std::size(rows), 19u);
  for (std::size_t k = 0; k < std::size(rows); ++k) {
    const Row& r = rows[k];
    SCOPED_TRACE(r.spelling);
    EXPECT_EQ(static_cast<std::size_t>(r.op), k);  // declaration order
    EXPECT_EQ(spelling(r.op), r.spelling);
    EXPECT_EQ(strength(r.op), r.strength);
    EXPECT_NE(strength(r.op), kUnaryStrength);  // only the unary operators bind at 11
    EXPECT_EQ(text(make_binary(r.op, id("a"), id("b"))), std::string("a ") + r.spelling + " b");
  }
  EXPECT_EQ(kUnaryStrength, 11);
}

TEST(QasmModel, ConstructionHelpers) {
  Expression b = make_binary(Op::Eq, id("x"), lit(0));
  const auto& bin = std::get<Binary>(b.node);
  EXPECT_EQ(bin.op, Op::Eq);
  EXPECT_EQ(std::get<Identifier>(bin.left->node).name, "x");
  EXPECT_EQ(std::get<IntLiteral>(bin.right->node).value, 0);

  Expression n = make_not(std::move(b));
  const auto& un = std::get<Unary>(n.node);
  EXPECT_EQ(un.op, UnaryOperator::Not);
  EXPECT_EQ(std::get<Binary>(un.operand->node).op, Op::Eq);
  EXPECT_EQ(text(n), "!(x == 0)");

  Expression i = make_index(id("c"), lit(3));
  const auto& ix = std::get<Index>(i.node);
  EXPECT_EQ(std::get<Identifier>(ix.base->node).name, "c");
  EXPECT_EQ(std::get<IntLiteral>(ix.index->node).value, 3);

  // Kinds 0 to 4 are atoms.
  EXPECT_TRUE(id("a").is_atom());
  EXPECT_TRUE(lit(1).is_atom());
  EXPECT_TRUE(Expression(FloatLiteral{0.5}).is_atom());
  EXPECT_TRUE(Expression(BoolLiteral{true}).is_atom());
  EXPECT_TRUE(i.is_atom());
  EXPECT_FALSE(n.is_atom());
  EXPECT_FALSE(make_binary(Op::Add, id("a"), id("b")).is_atom());
}

TEST(QasmModel, ExpressionCopyIsDeepAndIndependent) {
  // (x + c[n]) * !y, with every kind of child slot.
  const Expression original = make_binary(
      Op::Mul, make_binary(Op::Add, id("x"), make_index(id("c"), id("n"))), make_not(id("y")));
  const std::string before = text(original);
  ASSERT_EQ(before, "(x + c[n]) * !y");

  Expression copy = original;
  EXPECT_EQ(text(copy), before);
  // No node is shared between the two trees.
  auto a = nodes_of(original);
  auto b = nodes_of(copy);
  ASSERT_EQ(a.size(), b.size());
  for (const Expression* p : a)
    for (const Expression* q : b) EXPECT_NE(p, q);

  // Mutate the copy at every depth.
  auto& mul = std::get<Binary>(copy.node);
  mul.op = Op::Div;
  auto& add = std::get<Binary>(mul.left->node);
  std::get<Identifier>(add.left->node).name = "z";
  auto& index = std::get<Index>(add.right->node);
  std::get<Identifier>(index.index->node).name = "m";
  std::get<Unary>(mul.right->node).operand = std::make_unique<Expression>(lit(7));
  EXPECT_EQ(text(copy), "(z + c[m]) / !7");
  EXPECT_EQ(text(original), before);

  // Copy assignment replaces the old tree and is deep as well.
  Expression assigned = id("old");
  assigned = original;
  std::get<Identifier>(std::get<Unary>(std::get<Binary>(assigned.node).right->node).operand->node)
      .name = "w";
  EXPECT_EQ(text(assigned), "(x + c[n]) * !w");
  EXPECT_EQ(text(original), before);

  // Assigning a subtree of an expression to the expression itself.
  Expression self = original;
  self = *std::get<Binary>(self.node).left;
  EXPECT_EQ(text(self), "x + c[n]");
  self = self;  // NOLINT: self-assignment is a no-op
  EXPECT_EQ(text(self), "x + c[n]");
}

TEST(QasmModel, StatementListCopyIsDeepAndIndependent) {
  StatementList loop_body;
  loop_body.push_back(gate("rz", {reg("q", 0)}, {make_binary(Op::Mul, Expression(FloatLiteral{0.25}), id("n"))}));
  loop_body.push_back(Assignment{{"n", std::nullopt}, make_binary(Op::Add, id("n"), lit(1))});
  StatementList then_body;
  then_body.push_back(While(std::move(loop_body), make_binary(Op::Lt, id("n"), lit(3))));
  StatementList else_body;
  else_body.push_back(Reset{reg("q", 1)});
  StatementList original;
  original.push_back(QubitDeclaration{"q", 2});
  original.push_back(If(std::move(then_body), std::move(else_body), make_index(id("c"), lit(0))));
  original.push_back(Measure{reg("q", 1), reg("c", 1)});
  const std::string before = text(original);

  StatementList copy = copy_statements(original);
  EXPECT_EQ(text(copy), before);

  auto& if_copy = std::get<If>(copy[1].node);
  std::get<Identifier>(std::get<Index>(if_copy.condition.node).base->node).name = "d";
  auto& while_copy = std::get<While>(if_copy.then_body[0].node);
  std::get<GateCall>(while_copy.body[0].node).name = "rx";
  std::get<Binary>(std::get<GateCall>(while_copy.body[0].node).arguments[0].node).op = Op::Div;
  while_copy.body.push_back(gate("x", {reg("q", 1)}));
  std::get<Binary>(while_copy.condition.node).op = Op::Le;
  if_copy.else_body.clear();
  std::get<QubitDeclaration>(copy[0].node).size = 5;
  EXPECT_EQ(text(copy),
            "qubit[5] q;\n"
            "if (d[0]) {\n"
            "  while (n <= 3) {\n"
            "    rx(0.25 / n) q[0];\n"
            "    n = n + 1;\n"
            "    x q[1];\n"
            "  }\n"
            "}\n"
            "c[1] = measure q[1];\n");
  EXPECT_EQ(text(original), before);

  // Copying a single If or While statement (copy constructor and assignment) is deep too.
  Statement if_stmt = original[1];
  std::get<While>(std::get<If>(if_stmt.node).then_body[0].node).body.clear();
  Statement assigned = Reset{reg("q", 0)};
  assigned = original[1];
  std::get<If>(assigned.node).then_body.clear();
  While w = std::get<While>(std::get<If>(original[1].node).then_body[0].node);
  w.body.pop_back();
  EXPECT_EQ(text(original), before);
  EXPECT_EQ(text(StatementList{std::move(if_stmt)}),
            "if (c[0]) {\n  while (n < 3) {\n  }\n} else {\n  reset q[1];\n}\n");
}

TEST(QasmModel, MeasureCountsNodesAndDepth) {
  struct Row {
    const char* what;
    Expression e;
    std::uint64_t nodes;
    std::uint64_t depth;
  };
  Row rows[] = {
      {"identifier", id("a"), 1, 1},
      {"float", Expression(FloatLiteral{1.5}), 1, 1},
      {"binary of leaves", make_binary(Op::Add, id("a"), lit(1)), 3, 2},
      {"not of index", make_not(make_index(id("c"), lit(0))), 4, 3},
      {"unbalanced", make_binary(Op::Or, make_binary(Op::And, id("a"), make_not(id("b"))), id("c")), 6,
       4},
      {"index of binary", make_index(id("c"), make_binary(Op::Add, id("n"), lit(1))), 5, 3},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    TreeSize size = measure(r.e);
    EXPECT_EQ(size.nodes, r.nodes);
    EXPECT_EQ(size.depth, r.depth);
  }
}

TEST(QasmModel, FindNonFiniteInTrees) {
  const double inf = std::numeric_limits<double>::infinity();
  auto real = [](double v) { return Expression(FloatLiteral{v}); };
  // A chain that goes left 40 times, a leaf on each right: more pending subtrees than the
  // quick pass keeps, which then leaves the answer to the ordered walk.
  auto chain = [&](Expression bottom) {
    Expression e = std::move(bottom);
    for (int i = 0; i < 40; ++i) e = make_binary(Op::Add, std::move(e), real(0.5));
    return e;
  };
  struct Row {
    const char* what;
    Expression e;
    std::optional<double> found;
  };
  Row rows[] = {
      {"no float", make_binary(Op::Eq, make_index(id("c"), lit(0)), lit(1)), std::nullopt},
      {"finite floats", make_binary(Op::Lt, real(1.5), make_unary(UnaryOperator::Neg, real(2.0))), std::nullopt},
      {"in an index", make_not(make_index(id("c"), make_binary(Op::Add, lit(1), real(inf)))), inf},
      {"under a unary", make_binary(Op::Lt, id("x"), make_unary(UnaryOperator::Neg, real(-inf))), -inf},
      {"right one first", make_binary(Op::Add, real(inf), real(-inf)), -inf},
      {"deep, finite", chain(real(1.0)), std::nullopt},
      {"deep, at the bottom", chain(real(-inf)), -inf},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    EXPECT_EQ(find_non_finite(r.e), r.found);
  }
}

TEST(QasmModel, CountNodesCoversNestedBodies) {
  // A statement is one node; an indexed identifier one node plus its index; expressions
  // count every node.
  StatementList empty;
  EXPECT_EQ(count_nodes(empty), 0u);

  StatementList flat;
  flat.push_back(Include{"stdgates.inc"});                              // 1
  flat.push_back(BitDeclaration{"c", 2});                               // 1
  flat.push_back(IntDeclaration{"n", make_binary(Op::Add, id("a"), lit(1))});  // 1 + 3
  flat.push_back(gate("cnot", {reg("q", 0), reg("q", 1)}, {Expression(FloatLiteral{0.5})}));  // 1 + 1 + 2 + 2
  flat.push_back(Measure{reg("q", 0), IndexedIdentifier{"c", std::nullopt}});  // 1 + 2 + 1
  flat.push_back(Assignment{{"n", std::nullopt}, lit(0)});             // 1 + 1 + 1
  EXPECT_EQ(count_nodes(flat), 2u + 4 + 6 + 4 + 3);

  StatementList inner;
  inner.push_back(Reset{reg("q", 1)});  // 3
  StatementList loop;
  loop.push_back(If({}, std::move(inner), id("b")));  // 1 + 1 + 3
  StatementList then_body;
  then_body.push_back(While(std::move(loop), make_not(id("a"))));  // 1 + 2 + 5
  then_body.push_back(gate("x", {reg("q", 0)}));                    // 3
  StatementList nested;
  nested.push_back(If(std::move(then_body), {}, make_index(id("c"), lit(0))));  // 1 + 3 + 11
  nested.push_back(gate("h", {reg("q", 0)}));                                  // 3
  EXPECT_EQ(count_nodes(nested), 18u);
}

// ---- Very deep trees: everything but expression printing works without recursion -------

constexpr int kDeep = 1'000'000;

// Left spine, right spine, unary chain and index chain, each kDeep operators deep.
Expression deep_chain(int kind) {
  Expression e = id("a");
  for (int k = 0; k < kDeep; ++k) {
    switch (kind) {
      case 0:
        e = make_binary(Op::Add, std::move(e), lit(k));
        break;
      case 1:
        e = make_binary(Op::Sub, lit(k), std::move(e));
        break;
      case 2:
        e = (k % 2) ? make_not(std::move(e))
                    : Expression(Unary{UnaryOperator::Neg, std::make_unique<Expression>(std::move(e))});
        break;
      default:
        e = (k % 2) ? make_index(std::move(e), lit(k)) : make_index(id("c"), std::move(e));
        break;
    }
  }
  return e;
}

TEST(QasmModelDeep, ExpressionChains) {
  const std::uint64_t expected_nodes[] = {2 * kDeep + 1, 2 * kDeep + 1, kDeep + 1, 2 * kDeep + 1};
  for (int kind = 0; kind < 4; ++kind) {
    SCOPED_TRACE(kind);
    Expression chain = deep_chain(kind);
    TreeSize size = measure(chain);
    EXPECT_EQ(size.nodes, expected_nodes[kind]);
    EXPECT_EQ(size.depth, std::uint64_t{kDeep} + 1);

    Expression copy = chain;
    TreeSize copied = measure(copy);
    EXPECT_EQ(copied.nodes, size.nodes);
    EXPECT_EQ(copied.depth, size.depth);

    // Assignment over a deep tree releases the old one.
    copy = id("x");
    copy = chain;
    EXPECT_EQ(measure(copy).nodes, size.nodes);

    // A deep tree inside a statement is counted, copied and released with it.
    StatementList list;
    list.push_back(Assignment{IndexedIdentifier{"c", std::move(copy)}, lit(0)});
    EXPECT_EQ(count_nodes(list), 3 + size.nodes);
    StatementList again = copy_statements(list);
    list.clear();
    EXPECT_EQ(count_nodes(again), 3 + size.nodes);
  }
}

// Wraps a gate call in `depth` control-flow statements: If (then), While, If (else), repeating.
StatementList deep_nesting(int depth) {
  StatementList list;
  list.push_back(gate("x", {reg("q", 0)}));
  for (int k = 0; k < depth; ++k) {
    StatementList outer;
    switch (k % 3) {
      case 0:
        outer.push_back(If(std::move(list), {}, id("b")));
        break;
      case 1:
        outer.push_back(While(std::move(list), id("w")));
        break;
      default:
        outer.push_back(If({}, std::move(list), id("b")));
        outer.push_back(Reset{reg("q", 1)});
        break;
    }
    list = std::move(outer);
  }
  return list;
}

std::uint64_t deep_nesting_nodes(int depth) {
  // 3 for the innermost gate; each wrapper 2 (statement + condition), plus 3 for the reset
  // beside every third one.
  return 3 + 2 * std::uint64_t(depth) + 3 * std::uint64_t(depth / 3);
}

TEST(QasmModelDeep, StatementNesting) {
  StatementList deep = deep_nesting(kDeep);
  EXPECT_EQ(count_nodes(deep), deep_nesting_nodes(kDeep));

  StatementList copy = copy_statements(deep);
  EXPECT_EQ(count_nodes(copy), count_nodes(deep));

  // The copy is independent: emptying the outer bodies of the copy leaves the original.
  copy.clear();
  EXPECT_EQ(count_nodes(deep), deep_nesting_nodes(kDeep));

  // Copy construction and assignment of a deep If / While statement.
  {
    Statement s = deep.front();  // an If
    std::get<If>(s.node).then_body.clear();
    Statement t = Reset{reg("q", 0)};
    t = deep.front();
    // The outer If holds [If with an else body, Reset]; that else body holds a While.
    const auto& inner = std::get<If>(std::get<If>(t.node).then_body.front().node);
    const auto& loop = inner.else_body.front();
    While w = std::get<While>(loop.node);
    w = std::get<While>(loop.node);
    EXPECT_EQ(count_nodes(w.body), deep_nesting_nodes(kDeep) - 9);
    StatementList body;
    body.push_back(std::move(w));
    EXPECT_EQ(count_nodes(body), deep_nesting_nodes(kDeep) - 7);
  }
  EXPECT_EQ(count_nodes(deep), deep_nesting_nodes(kDeep));
  // Moving a deep program around and destroying it.
  Program program{"3.0", std::move(deep), {}};
  Program moved = std::move(program);
  EXPECT_EQ(count_nodes(moved.body), deep_nesting_nodes(kDeep));
}

}  // namespace
}  // namespace brintavel::qasm
