#include "qasm/model.hpp"

#include <algorithm>
#include <array>
#include <new>
#include <utility>

#include "qasm/printer.hpp"

namespace brintavel::qasm {

std::string_view spelling(BinaryOperator op) {
  static constexpr std::array<std::string_view, 19> kSpellings = {
      "||", "&&", "|", "^", "&", "==", "!=", "<", "<=", ">", ">=",
      "<<", ">>", "+", "-", "*", "/", "%", "**"};
  return kSpellings[static_cast<std::size_t>(op)];
}

int strength(BinaryOperator op) {
  static constexpr std::array<int, 19> kStrengths = {1, 2, 3, 4, 5, 6, 6, 7, 7, 7,
                                                     7, 8, 8, 9, 9, 10, 10, 10, 12};
  return kStrengths[static_cast<std::size_t>(op)];
}

// ---- Expression trees ----------------------------------------------------------------

namespace {

// The child slots of a node (null entries for atoms and for absent children).
std::array<std::unique_ptr<Expression>*, 2> child_slots(Expression::Node& node) {
  if (auto* i = std::get_if<Index>(&node)) return {&i->base, &i->index};
  if (auto* u = std::get_if<Unary>(&node)) return {&u->operand, nullptr};
  if (auto* b = std::get_if<Binary>(&node)) return {&b->left, &b->right};
  return {nullptr, nullptr};
}

std::array<const Expression*, 2> children(const Expression::Node& node) {
  if (auto* i = std::get_if<Index>(&node)) return {i->base.get(), i->index.get()};
  if (auto* u = std::get_if<Unary>(&node)) return {u->operand.get(), nullptr};
  if (auto* b = std::get_if<Binary>(&node)) return {b->left.get(), b->right.get()};
  return {nullptr, nullptr};
}

// A node with the same kind and payload but no children.
Expression::Node shallow_copy(const Expression::Node& node) {
  return std::visit(
      [](const auto& n) -> Expression::Node {
        using T = std::decay_t<decltype(n)>;
        if constexpr (std::is_same_v<T, Index>) {
          return Index{};
        } else if constexpr (std::is_same_v<T, Unary>) {
          return Unary{n.op, nullptr};
        } else if constexpr (std::is_same_v<T, Binary>) {
          return Binary{n.op, nullptr, nullptr};
        } else {
          return n;
        }
      },
      node);
}

}  // namespace

std::array<const Expression*, 2> children_of(const Expression& e) { return children(e.node); }

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

// Freed nodes kept for the next allocations of the same thread, up to a bound; the rest go
// back to the heap, and so does the list when the thread ends. (Under AddressSanitizer none
// is kept, so that a node read after it is freed is still caught.)
class NodeRecycler {
 public:
  ~NodeRecycler() {
    while (head_) ::operator delete(std::exchange(head_, head_->next));
    count_ = kKept;  // a node freed later in the thread's exit goes to the heap
  }
  void* take() {
    if (!head_) return ::operator new(sizeof(Expression));
    --count_;
    return std::exchange(head_, head_->next);
  }
  void give(void* p) {
    if (count_ == kKept) return ::operator delete(p);
    ++count_;
    head_ = new (p) Free{head_};
  }

 private:
  struct Free {
    Free* next;
  };
  static constexpr std::size_t kKept = kAddressSanitizer ? 0 : 1 << 12;
  Free* head_ = nullptr;
  std::size_t count_ = 0;
};

thread_local NodeRecycler recycler;

}  // namespace

// (Expression is final: every node is of its size.)
void* Expression::operator new(std::size_t) { return recycler.take(); }

void Expression::operator delete(void* p, std::size_t) noexcept { recycler.give(p); }

Expression::Expression(ShallowTag, const Node& n) : node(shallow_copy(n)) {}

struct ExpressionCopier {
  static void copy_children(const Expression& from, Expression& to) {
    struct Task {
      const Expression* from;
      Expression* to;
    };
    // (On the heap only for trees of more than 32 pending subtrees.)
    text::SmallList<Task, 32> stack;
    for (Task task{&from, &to};;) {
      auto sources = children(task.from->node);
      auto slots = child_slots(task.to->node);
      for (std::size_t k = 0; k < 2; ++k) {
        if (!sources[k] || !slots[k]) continue;
        *slots[k] = std::unique_ptr<Expression>(
            new Expression(Expression::ShallowTag{}, sources[k]->node));
        if (sources[k]->has_children()) stack.push_back({sources[k], slots[k]->get()});
      }
      if (stack.empty()) break;
      task = stack.back();
      stack.pop_back();
    }
  }
};

Expression::Expression(const Expression& other) : node(shallow_copy(other.node)) {
  if (other.has_children()) ExpressionCopier::copy_children(other, *this);
}

Expression& Expression::operator=(const Expression& other) {
  if (this != &other) *this = Expression(other);
  return *this;
}

void Expression::release_children() {
  // Childless children are released by the members' own destructors; anything deeper is
  // taken apart by release_descendants, one level at a time. (Kept apart, the walk's stack
  // costs nothing to the shallow trees that most are.)
  for (auto* slot : child_slots(node))
    if (slot && *slot && (*slot)->has_children()) return release_descendants();
}

void Expression::release_descendants() {
  text::SmallList<Expression*, 32> stack;  // (owned: each is deleted as it is taken)
  // A node's childless children go at once; the others wait, taken out of it, on the stack.
  auto take_children = [&stack](Node& parent) {
    for (auto* slot : child_slots(parent)) {
      if (!slot || !*slot) continue;
      if ((*slot)->has_children())
        stack.push_back(slot->release());
      else
        slot->reset();
    }
  };
  take_children(node);
  while (!stack.empty()) {
    std::unique_ptr<Expression> e(stack.back());
    stack.pop_back();
    take_children(e->node);
  }
}

Expression make_binary(BinaryOperator op, Expression left, Expression right) {
  return Binary{op, std::make_unique<Expression>(std::move(left)),
                std::make_unique<Expression>(std::move(right))};
}

Expression make_not(Expression operand) {
  return Unary{UnaryOperator::Not, std::make_unique<Expression>(std::move(operand))};
}

Expression make_unary(UnaryOperator op, Expression operand) {
  return Unary{op, std::make_unique<Expression>(std::move(operand))};
}

Expression make_index(Expression base, Expression index) {
  return Index{std::make_unique<Expression>(std::move(base)),
               std::make_unique<Expression>(std::move(index))};
}

namespace {

// The size of a node without children: an Element stands for three nodes on two levels.
TreeSize leaf_size(const Expression& e) {
  return std::holds_alternative<Element>(e.node) ? TreeSize{3, 2} : TreeSize{1, 1};
}

}  // namespace

TreeSize measure(const Expression& e) {
  if (!e.has_children()) return leaf_size(e);
  auto kids = children(e.node);
  if ((!kids[0] || !kids[0]->has_children()) && (!kids[1] || !kids[1]->has_children())) {
    TreeSize a = kids[0] ? leaf_size(*kids[0]) : TreeSize{0, 0};
    TreeSize b = kids[1] ? leaf_size(*kids[1]) : TreeSize{0, 0};
    return TreeSize{1 + a.nodes + b.nodes, 1 + std::max(a.depth, b.depth)};
  }
  TreeSize size;
  struct Pending {
    const Expression* node;
    std::uint64_t depth;
  };
  text::SmallList<Pending, 32> stack{Pending{&e, 1}};
  while (!stack.empty()) {
    auto [x, depth] = stack.back();
    stack.pop_back();
    TreeSize own = x->has_children() ? TreeSize{1, 1} : leaf_size(*x);
    size.nodes += own.nodes;
    size.depth = std::max(size.depth, depth + own.depth - 1);
    for (const Expression* c : children(x->node))
      if (c) stack.push_back(Pending{c, depth + 1});
  }
  return size;
}

// ---- Statement trees -----------------------------------------------------------------

namespace {

// Moves the nested bodies of `list`'s statements onto `stack`, so that destroying the list
// afterwards does not recurse.
void detach_bodies(StatementList& list, std::vector<StatementList>& stack) {
  for (Statement& s : list) {
    if (auto* i = std::get_if<If>(&s.node)) {
      if (!i->then_body.empty()) stack.push_back(std::move(i->then_body));
      if (!i->else_body.empty()) stack.push_back(std::move(i->else_body));
    } else if (auto* w = std::get_if<While>(&s.node)) {
      if (!w->body.empty()) stack.push_back(std::move(w->body));
    }
  }
}

bool has_nested_bodies(const StatementList& list) {
  return std::any_of(list.begin(), list.end(), [](const Statement& s) {
    if (auto* i = std::get_if<If>(&s.node)) return !i->then_body.empty() || !i->else_body.empty();
    if (auto* w = std::get_if<While>(&s.node)) return !w->body.empty();
    return false;
  });
}

// Releases lists whose statements may nest further, one level at a time.
void release_bodies(std::initializer_list<StatementList*> lists) {
  bool deep = false;
  for (StatementList* l : lists) deep = deep || has_nested_bodies(*l);
  if (!deep) return;
  std::vector<StatementList> stack;
  for (StatementList* l : lists) stack.push_back(std::move(*l));
  while (!stack.empty()) {
    StatementList list = std::move(stack.back());
    stack.pop_back();
    detach_bodies(list, stack);
  }
}

// Copies a statement, leaving the bodies of an If or While empty.
Statement copy_shallow(const Statement& s) {
  if (auto* i = std::get_if<If>(&s.node)) return If({}, {}, i->condition);
  if (auto* w = std::get_if<While>(&s.node)) return While({}, w->condition);
  return s;  // no nested bodies: the ordinary copy does not recurse into statements
}

}  // namespace

StatementList copy_statements(const StatementList& source) {
  StatementList result;
  struct Task {
    const StatementList* from;
    StatementList* to;
  };
  std::vector<Task> stack{{&source, &result}};
  while (!stack.empty()) {
    Task task = stack.back();
    stack.pop_back();
    // Reserve first: the tasks pushed below point into this list's elements.
    task.to->reserve(task.from->size());
    for (const Statement& s : *task.from) {
      Statement& copy = task.to->emplace_back(copy_shallow(s));
      if (auto* i = std::get_if<If>(&s.node)) {
        auto& target = std::get<If>(copy.node);
        stack.push_back({&i->then_body, &target.then_body});
        stack.push_back({&i->else_body, &target.else_body});
      } else if (auto* w = std::get_if<While>(&s.node)) {
        stack.push_back({&w->body, &std::get<While>(copy.node).body});
      }
    }
  }
  return result;
}

namespace {

std::uint64_t expression_nodes(const Expression& e) { return measure(e).nodes; }

std::uint64_t identifier_nodes(const IndexedIdentifier& id) {
  return 1 + (id.index ? expression_nodes(*id.index) : 0);
}

}  // namespace

// A gate call or barrier: the statement, its angles and its operands.
std::uint64_t gate_nodes(std::span<const Expression> arguments, std::span<const IndexedIdentifier> operands) {
  std::uint64_t total = 1;
  for (const Expression& a : arguments) total += expression_nodes(a);
  for (const IndexedIdentifier& o : operands) total += identifier_nodes(o);
  return total;
}

std::uint64_t measure_nodes(const IndexedIdentifier& qubit, const IndexedIdentifier& target) {
  return 1 + identifier_nodes(qubit) + identifier_nodes(target);
}

std::uint64_t reset_nodes(const IndexedIdentifier& qubit) { return 1 + identifier_nodes(qubit); }

std::uint64_t own_nodes(const Statement& s) {
  return std::visit(
      [](const auto& n) -> std::uint64_t {
        using T = std::decay_t<decltype(n)>;
        if constexpr (std::is_same_v<T, IntDeclaration>) {
          return 1 + expression_nodes(n.init);
        } else if constexpr (std::is_same_v<T, Assignment>) {
          return 1 + identifier_nodes(n.target) + expression_nodes(n.value);
        } else if constexpr (std::is_same_v<T, GateCall>) {
          return gate_nodes(n.arguments, n.operands);
        } else if constexpr (std::is_same_v<T, Measure>) {
          return measure_nodes(n.qubit, n.target);
        } else if constexpr (std::is_same_v<T, Reset>) {
          return reset_nodes(n.qubit);
        } else if constexpr (std::is_same_v<T, Barrier>) {
          return gate_nodes({}, n.operands);
        } else if constexpr (std::is_same_v<T, If> || std::is_same_v<T, While>) {
          return 1 + expression_nodes(n.condition);
        } else if constexpr (std::is_same_v<T, Lines>) {
          return n.nodes;
        } else {
          return 1;
        }
      },
      s.node);
}

std::uint64_t count_nodes(const StatementList& list) {
  std::uint64_t total = 0;
  std::vector<const StatementList*> stack{&list};
  while (!stack.empty()) {
    const StatementList* l = stack.back();
    stack.pop_back();
    for (const Statement& s : *l) {
      total += own_nodes(s);
      if (auto* i = std::get_if<If>(&s.node)) {
        stack.push_back(&i->then_body);
        stack.push_back(&i->else_body);
      } else if (auto* w = std::get_if<While>(&s.node)) {
        stack.push_back(&w->body);
      }
    }
  }
  return total;
}

If::If(StatementList then_list, StatementList else_list, Expression cond)
    : then_body(std::move(then_list)), else_body(std::move(else_list)), condition(std::move(cond)) {}

If::If(const If& other)
    : then_body(copy_statements(other.then_body)),
      else_body(copy_statements(other.else_body)),
      condition(other.condition) {}

If& If::operator=(const If& other) {
  if (this != &other) *this = If(other);
  return *this;
}

If::~If() {
  if (!then_body.empty() || !else_body.empty()) release_bodies({&then_body, &else_body});
}

While::While(StatementList body_list, Expression cond)
    : body(std::move(body_list)), condition(std::move(cond)) {}

While::While(const While& other) : body(copy_statements(other.body)), condition(other.condition) {}

While& While::operator=(const While& other) {
  if (this != &other) *this = While(other);
  return *this;
}

While::~While() {
  if (!body.empty()) release_bodies({&body});
}

}  // namespace brintavel::qasm
