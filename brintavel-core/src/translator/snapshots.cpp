#include "translator/snapshots.hpp"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "qasm/registers.hpp"

namespace brintavel::translator {

namespace {

// Rewrites the tagged nodes of expression trees to read their snapshots.
class TagRewriter {
 public:
  explicit TagRewriter(const std::unordered_map<std::uint32_t, std::string>& snapshots) : snapshots_(snapshots) {}

  void rewrite(qasm::Expression& root) {
    std::vector<qasm::Expression*> stack{&root};
    while (!stack.empty()) {
      qasm::Expression* e = stack.back();
      stack.pop_back();
      std::uint32_t tag = 0;
      if (const auto* id = std::get_if<qasm::Identifier>(&e->node)) tag = id->capture;
      if (const auto* element = std::get_if<qasm::Element>(&e->node)) tag = element->capture;
      if (tag != 0) {
        if (auto it = snapshots_.find(tag); it != snapshots_.end()) e->node = qasm::Identifier{it->second};
        continue;
      }
      for (const qasm::Expression* child : qasm::children_of(*e))
        if (child) stack.push_back(const_cast<qasm::Expression*>(child));
    }
  }

  void rewrite(qasm::StatementList& root) {
    std::vector<qasm::StatementList*> lists{&root};
    while (!lists.empty()) {
      qasm::StatementList* list = lists.back();
      lists.pop_back();
      for (qasm::Statement& s : *list) {
        if (auto* a = std::get_if<qasm::Assignment>(&s.node)) {
          rewrite(a->value);
        } else if (auto* g = std::get_if<qasm::GateCall>(&s.node)) {
          for (qasm::Expression& argument : g->arguments) rewrite(argument);
        } else if (auto* i = std::get_if<qasm::If>(&s.node)) {
          rewrite(i->condition);
          lists.push_back(&i->then_body);
          lists.push_back(&i->else_body);
        } else if (auto* w = std::get_if<qasm::While>(&s.node)) {
          rewrite(w->condition);
          lists.push_back(&w->body);
        }
      }
    }
  }

 private:
  const std::unordered_map<std::uint32_t, std::string>& snapshots_;
};

// Inserts `statement` before the statement at `position` of the block (counting each printed
// line as one), splitting printed lines where it falls among them.
void insert_at(BlockLowering& block, std::uint64_t position, qasm::Statement statement) {
  auto& list = block.statements;
  std::uint64_t seen = 0;
  for (std::size_t k = 0; k < list.size(); ++k) {
    auto* lines = std::get_if<qasm::Lines>(&list[k].node);
    std::uint64_t count = lines ? lines->statements : 1;
    if (seen + count <= position) {
      seen += count;
      continue;
    }
    if (lines && position > seen) {
      // Split the printed lines after line (position - seen).
      std::uint64_t keep = position - seen;
      std::size_t cut = 0;
      for (std::uint64_t n = 0; n < keep; ++n) cut = lines->text.find('\n', cut) + 1;
      qasm::Lines rest{lines->text.substr(cut), lines->statements - keep, 0, {}};
      if (lines->origins.size() == lines->statements) {
        rest.origins.assign(lines->origins.begin() + static_cast<std::ptrdiff_t>(keep), lines->origins.end());
        lines->origins.resize(keep);
      }
      lines->text.resize(cut);
      lines->statements = keep;
      list.insert(list.begin() + static_cast<std::ptrdiff_t>(k) + 1, std::move(rest));
      list.insert(list.begin() + static_cast<std::ptrdiff_t>(k) + 1, std::move(statement));
    } else {
      list.insert(list.begin() + static_cast<std::ptrdiff_t>(k), std::move(statement));
    }
    ++block.size;
    return;
  }
  list.push_back(std::move(statement));
  ++block.size;
}

}  // namespace

Result<bool> snapshot_stale_values(std::vector<BlockLowering>& blocks, std::span<const Dataflow::StaleRead> stale,
                                   LoweringContext& ctx, Variables& variables) {
  std::unordered_map<std::uint32_t, std::string> snapshots;  // by tag
  struct Insertion {
    ProgramPoint at;
    qasm::Statement statement;
    std::size_t order = 0;  // equal points keep this order
  };
  std::vector<Insertion> insertions;
  std::unordered_set<std::string> bit_snapshots;
  for (const Dataflow::StaleRead& read : stale) {
    std::uint32_t tag = ctx.existing_tag(read.capture);
    if (tag == 0) return false;
    if (snapshots.contains(tag)) continue;
    const Resource& r = read.capture.resource;
    std::string variable;
    auto set = [&](qasm::Expression value) -> qasm::Statement {
      return qasm::Assignment{qasm::IndexedIdentifier{variable, std::nullopt}, std::move(value)};
    };
    qasm::Statement snapshot = qasm::Barrier{};
    if (r.kind == Resource::Kind::Bit) {
      // A bit is an int 0 or 1 where it is read; it is copied in a branch, which the service
      // decides per shot.
      variable = variables.declare(qasm::ScalarType::Int);
      qasm::Expression one = qasm::make_binary(qasm::BinaryOperator::Eq, qasm::Element{qasm::kResultRegister, r.index},
                                               qasm::IntLiteral{1});
      snapshot = qasm::If({set(qasm::IntLiteral{1})}, {set(qasm::IntLiteral{0})}, std::move(one));
      bit_snapshots.insert(variable);
    } else {
      std::string name = ctx.dataflow().variable_name(r.index);
      variable = variables.declare(Variables::type_of(name));
      snapshot = set(qasm::Identifier{std::move(name)});
    }
    BRINTAVEL_CHECK(ctx.budget().charge(1, "SSA value", variable));
    if (read.capture.at.block >= blocks.size()) return internal_error("a stale capture in no block");
    insertions.push_back({read.capture.at, std::move(snapshot), insertions.size()});
    snapshots.emplace(tag, std::move(variable));
  }
  if (snapshots.empty()) return true;
  TagRewriter rewriter(snapshots);
  for (BlockLowering& block : blocks) {
    rewriter.rewrite(block.statements);
    if (!block.condition) continue;
    rewriter.rewrite(*block.condition);
    // A branch on a bit alone now tests its int copy.
    const auto* id = std::get_if<qasm::Identifier>(&block.condition->node);
    if (id && bit_snapshots.contains(id->name))
      block.condition = qasm::make_binary(qasm::BinaryOperator::Eq, std::move(*block.condition), qasm::IntLiteral{1});
  }
  // Later positions first, so that earlier ones keep their place; equal points in the order
  // found (not std::stable_sort: libstdc++ 12 implements it with a function deprecated in C++23).
  std::sort(insertions.begin(), insertions.end(), [](const Insertion& a, const Insertion& b) {
    if (a.at.block != b.at.block) return a.at.block < b.at.block;
    if (a.at.position != b.at.position) return a.at.position > b.at.position;
    return a.order < b.order;
  });
  for (Insertion& i : insertions) insert_at(blocks[i.at.block], i.at.position, std::move(i.statement));
  return true;
}

}  // namespace brintavel::translator
