#include "translator/structure.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <memory>
#include <unordered_set>
#include <utility>

#include "support/text.hpp"

namespace brintavel::translator {

using qasm::BinaryOperator;
using qasm::Expression;
using qasm::StatementList;
using text::cat;
using text::q;

namespace {

using NodeId = std::uint32_t;  // a node's rank in ascending label order

enum Rule : std::uint8_t { kEmptyArm, kSequence, kSelfLoop, kDiamond, kTriangle, kWhile, kRuleCount };

// The distinct successors of a node, in the order the edges were added: a block branches
// to at most two blocks, and every rewrite keeps that.
class SuccessorList {
 public:
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  NodeId operator[](std::size_t i) const { return nodes_[i]; }
  const NodeId* begin() const { return nodes_.data(); }
  const NodeId* end() const { return nodes_.data() + size_; }
  // Returns false when the list is full (a broken invariant).
  bool push_back(NodeId v) {
    if (size_ == nodes_.size()) return false;
    nodes_[size_++] = v;
    return true;
  }
  void erase(NodeId v) {
    NodeId* last = std::remove(nodes_.data(), nodes_.data() + size_, v);
    size_ = static_cast<std::uint8_t>(last - nodes_.data());
  }
  void clear() { size_ = 0; }

 private:
  std::array<NodeId, 2> nodes_{};
  std::uint8_t size_ = 0;
};

// The predecessors of a node: a few in place, many in a hash set.
class NodeSet {
 public:
  std::size_t size() const { return big_ ? big_->size() : small_size_; }
  bool contains(NodeId v) const {
    return big_ ? big_->contains(v) : std::find(small(), small() + small_size_, v) != small() + small_size_;
  }
  void insert(NodeId v) {
    if (big_) {
      big_->insert(v);
    } else if (!contains(v)) {
      if (small_size_ < small_.size()) {
        small_[small_size_++] = v;
      } else {
        big_ = std::make_unique<std::unordered_set<NodeId>>(small(), small() + small_size_);
        big_->insert(v);
        small_size_ = 0;
      }
    }
  }
  void erase(NodeId v) {
    if (big_) {
      big_->erase(v);
    } else if (NodeId* it = std::find(small(), small() + small_size_, v); it != small() + small_size_) {
      *it = small_[--small_size_];
    }
  }
  void clear() {
    small_size_ = 0;
    big_.reset();
  }
  template <class F>
  void for_each(F f) const {
    if (big_) {
      for (NodeId v : *big_) f(v);
    } else {
      for (std::size_t i = 0; i < small_size_; ++i) f(small_[i]);
    }
  }

 private:
  NodeId* small() { return small_.data(); }
  const NodeId* small() const { return small_.data(); }

  std::array<NodeId, 4> small_{};
  std::uint32_t small_size_ = 0;
  std::unique_ptr<std::unordered_set<NodeId>> big_;
};

// A set of node ids whose least is found in a few steps: a bit per id, above that a bit per
// word of bits that is not zero, and so on up to one word (four levels hold 2^24 ids).
class NodeIdSet {
 public:
  // Empties the set, for ids below `count`.
  void reset(std::size_t count) {
    std::size_t level = 0;
    do {
      count = std::max<std::size_t>((count + 63) / 64, 1);
      if (levels_.size() <= level) levels_.emplace_back();
      levels_[level++].assign(count, 0);
    } while (count > 1);
    levels_.resize(level);
  }
  void insert(NodeId v) {
    for (auto& words : levels_) {
      std::uint64_t& word = words[v / 64];
      bool was_empty = word == 0;
      word |= std::uint64_t{1} << (v % 64);
      if (!was_empty) return;
      v /= 64;
    }
  }
  void erase(NodeId v) {
    for (auto& words : levels_) {
      std::uint64_t& word = words[v / 64];
      word &= ~(std::uint64_t{1} << (v % 64));
      if (word != 0) return;
      v /= 64;
    }
  }
  std::optional<NodeId> least() const {
    if (levels_.back()[0] == 0) return std::nullopt;
    NodeId v = 0;
    for (std::size_t level = levels_.size(); level-- > 0;)
      v = v * 64 + static_cast<NodeId>(std::countr_zero(levels_[level][v]));
    return v;
  }

 private:
  std::vector<std::vector<std::uint64_t>> levels_;  // [0]: a bit per id
};

// A match: the rule, the node it matched at, and the other node the rule picked (the empty
// arm x of A, the merged block m of B, the arm x of E, the loop body x of F).
struct Match {
  Rule rule;
  NodeId n;
  NodeId other = 0;
};

// The bytes of `label` from `from` on, eight of them, zero past its end, as a big-endian
// number: such numbers compare as the bytes do.
std::uint64_t label_word(std::string_view label, std::size_t from) {
  std::uint64_t w = 0;
  if (from + 8 <= label.size()) {
    for (std::size_t k = from; k < from + 8; ++k) w = (w << 8) | static_cast<unsigned char>(label[k]);
    return w;
  }
  std::size_t k = from;
  for (; k < label.size(); ++k) w = (w << 8) | static_cast<unsigned char>(label[k]);
  return k > from ? w << (8 * (from + 8 - k)) : 0;
}

// One structuring after another: the lists are cleared for each, not given back.
class Structurer {
 public:
  Result<StatementList> run(std::vector<BlockLowering>& blocks, BlockLowering* end, std::string_view entry,
                            SizeBudget* budget, StructureSearch strategy, const BlockGraph* graph) {
    blocks_ = std::move(blocks);
    end_ = end;
    budget_ = budget;
    failed_block_ = 0;
    round_ = 1;
    broken_ = false;
    Result<StatementList> result = [&]() -> Result<StatementList> {
      BRINTAVEL_CHECK(set_up(entry, graph));
      BRINTAVEL_CHECK(reduce(strategy));
      return finish();
    }();
    // The lowerings and nodes are let go (the lists keep their memory).
    blocks_.clear();
    end_ = nullptr;
    nodes_.clear();
    touched_.clear();
    return result;
  }

  std::uint32_t failed_block() const { return failed_block_; }

  // An empty list whose memory holds the next entry's statements.
  void give_back(StatementList list) { spare_ = std::move(list); }
  std::vector<BlockLowering> spare_blocks() { return std::exchange(blocks_, {}); }

 private:
  // The lowering at a position in source order (the end block after the others).
  BlockLowering& at(std::size_t position) { return position < blocks_.size() ? blocks_[position] : *end_; }

  // Validation and set-up. Node ids are ranks in ascending label order, so labels are
  // found by binary search over the sorted lowerings.
  Status set_up(std::string_view entry, const BlockGraph* graph) {
    std::size_t count = blocks_.size() + (end_ ? 1 : 0);
    // By label, equal labels in source order: the index is the second key. (Not
    // std::stable_sort: libstdc++ 12 implements it with a function deprecated in C++23.) The
    // labels are sorted in a list of their own, by their first sixteen bytes as two numbers
    // that decide most comparisons, and their positions.
    std::vector<Key>& keys = keys_;
    keys.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
      std::string_view label = at(i).label;
      keys[i] = Key{label_word(label, 0), label_word(label, 8), static_cast<std::uint32_t>(i)};
    }
    auto same_start = [](const Key& a, const Key& b) { return a.high == b.high && a.low == b.low; };
    std::sort(keys.begin(), keys.end(), [&](const Key& a, const Key& b) {
      if (a.high != b.high) return a.high < b.high;
      if (a.low != b.low) return a.low < b.low;
      int c = at(a.index).label.compare(at(b.index).label);
      return c < 0 || (c == 0 && a.index < b.index);
    });
    // Inserting the labels in source order would first fail at the second occurrence (in
    // source order) of some label: the earliest such second occurrence over all labels.
    auto same = [&](const Key& a, const Key& b) {
      return same_start(a, b) && at(a.index).label == at(b.index).label;
    };
    std::size_t duplicate = count;
    for (std::size_t k = 1; k < count; ++k)
      if (same(keys[k], keys[k - 1]) && (k < 2 || !same(keys[k - 2], keys[k])))
        duplicate = std::min<std::size_t>(duplicate, keys[k].index);
    if (duplicate < count) {
      failed_block_ = at(duplicate).ordinal;
      return unsupported(cat("duplicate block label `%", at(duplicate).label, "`"));
    }

    // The lowerings stay where they are; each node points to its own.
    nodes_.resize(count);
    for (NodeId id = 0; id < count; ++id) {
      nodes_[id].position = keys[id].index;
      nodes_[id].lowering = &at(keys[id].index);
    }
    live_count_ = count;

    auto entry_id = id_of(entry);
    if (!entry_id)
      return control_flow_error(cat("entry block ", q(entry), " not found among block lowerings"));
    entry_ = *entry_id;
    // The entry's list ends up holding the top-level statements, in most functions nearly all of
    // them: it is given room at once for the most it can hold, every block's statements and one
    // made from each branch condition, in the memory of the list given back last (if any).
    std::size_t most = 0;
    for (const Node& node : nodes_) most += node.lowering->statements.size() + (node.lowering->condition ? 1 : 0);
    StatementList& top = block(entry_).statements;
    spare_.reserve(most);
    for (qasm::Statement& s : top) spare_.push_back(std::move(s));
    top = std::move(spare_);
    spare_.clear();
    // The successors, by number when the graph gives them for every block (the node id of
    // each block by source position then finds them), by label otherwise.
    bool complete_graph = graph && graph->size() == count;
    for (std::size_t i = 0; i < count && complete_graph; ++i)
      complete_graph = (*graph)[i].size() == at(i).successors.size();
    if (complete_graph) {
      std::vector<NodeId>& id_by_position = id_by_position_;
      id_by_position.resize(count);
      for (NodeId id = 0; id < count; ++id) id_by_position[nodes_[id].position] = id;
      for (NodeId id = 0; id < count; ++id) {
        std::size_t k = 0;
        for (std::uint32_t target : (*graph)[nodes_[id].position]) nodes_[id].branch[k++] = id_by_position[target];
      }
    } else {
      for (NodeId id = 0; id < count; ++id) {
        const BlockLowering& b = block(id);
        for (std::size_t k = 0; k < b.successors.size(); ++k) {
          auto target = id_of(b.successors[k]);
          if (!target) {
            failed_block_ = b.ordinal;
            return unsupported(cat("branch target `%", b.successors[k],
                                   "` does not match any block in this function"));
          }
          nodes_[id].branch[k] = *target;
        }
      }
    }
    // (Every node is looked at before the first rewrite: none needs to be marked touched.)
    for (NodeId id = 0; id < count; ++id)
      for (std::size_t k = 0; k < block(id).successors.size(); ++k) link(id, nodes_[id].branch[k]);
    return {};
  }

  Status reduce(StructureSearch strategy) {
    if (strategy == StructureSearch::Incremental) {
      for (NodeIdSet& set : candidates_) set.reset(nodes_.size());
      for (NodeId id = 0; id < nodes_.size(); ++id) refresh(id);
      while (auto m = next_from_candidates()) {
        BRINTAVEL_CHECK(apply(*m));
        if (broken_) return internal_error("a block got more than two successors");
        refresh_touched();
      }
    } else {
      while (auto m = next_by_rescan()) {
        BRINTAVEL_CHECK(apply(*m));
        if (broken_) return internal_error("a block got more than two successors");
        touched_.clear();
        ++round_;
      }
    }
    return {};
  }

  Result<StatementList> finish() {
    if (live_count_ == 1 && nodes_[entry_].alive && nodes_[entry_].succs.empty())
      return std::move(block(entry_).statements);
    std::string list = "[";
    bool first = true;
    for (NodeId id = 0; id < nodes_.size(); ++id) {
      if (!nodes_[id].alive) continue;
      if (!first) list.append(", ");
      if (first) failed_block_ = block(id).ordinal;
      first = false;
      text::append_quoted(list, block(id).label);
    }
    list.push_back(']');
    return control_flow_error(cat("could not reduce CFG to a single block; remaining blocks: ", list,
                                  ". brintavel supports only structured control flow (sequence, "
                                  "if/else, simple while)."));
  }

 private:
  // ---- Graph operations ---------------------------------------------------------------

  // Adds the edge from -> to (once); returns whether it was added.
  bool link(NodeId from, NodeId to) {
    auto& s = nodes_[from].succs;
    if (std::find(s.begin(), s.end(), to) != s.end()) return false;
    if (!s.push_back(to)) broken_ = true;
    nodes_[to].preds.insert(from);
    return true;
  }

  // Lists v among the nodes the current rewrite changed (once).
  void touch(NodeId v) {
    if (nodes_[v].marked == round_) return;
    nodes_[v].marked = round_;
    touched_.push_back(v);
  }

  void add_edge(NodeId from, NodeId to) {
    if (!link(from, to)) return;
    touch(from);
    touch(to);
  }

  void remove_node(NodeId v) {
    Node& node = nodes_[v];
    for (NodeId s : node.succs) {
      nodes_[s].preds.erase(v);
      touch(s);
    }
    node.preds.for_each([&](NodeId p) {
      nodes_[p].succs.erase(v);
      touch(p);
    });
    node.succs.clear();
    node.preds.clear();
    node.alive = false;
    --live_count_;
    touch(v);
  }

  void set_successors(NodeId v, std::initializer_list<NodeId> targets) {
    for (NodeId s : nodes_[v].succs) {
      nodes_[s].preds.erase(v);
      touch(s);
    }
    nodes_[v].succs.clear();
    touch(v);
    for (NodeId t : targets) add_edge(v, t);
  }

  // Node ids follow the labels' order.
  std::optional<NodeId> id_of(std::string_view label) const {
    NodeId low = 0, high = static_cast<NodeId>(nodes_.size());
    while (low < high) {
      NodeId middle = low + (high - low) / 2;
      if (block(middle).label < label) low = middle + 1; else high = middle;
    }
    if (low == nodes_.size() || block(low).label != label) return std::nullopt;
    return low;
  }

  const SuccessorList& succs(NodeId v) const { return nodes_[v].succs; }
  const NodeSet& preds(NodeId v) const { return nodes_[v].preds; }
  bool one_pred(NodeId v) const { return nodes_[v].preds.size() == 1; }
  bool one_succ(NodeId v) const { return nodes_[v].succs.size() == 1; }
  bool two_succs(NodeId v) const { return nodes_[v].succs.size() == 2; }

  // ---- Rule matching ------------------------------------------------------------------

  std::optional<NodeId> match_rule(Rule rule, NodeId n) const {
    if (!nodes_[n].alive) return std::nullopt;
    const auto& s = succs(n);
    switch (rule) {
      case kEmptyArm:
        if (!two_succs(n)) return std::nullopt;
        for (auto [x, o] : {std::pair{s[0], s[1]}, std::pair{s[1], s[0]}}) {
          if (o == n || !one_pred(x) || !one_succ(x) || succs(x)[0] != o) continue;
          if (preds(o).size() != 2 || !preds(o).contains(n) || !preds(o).contains(x)) continue;
          if (!block(x).statements.empty()) continue;
          return x;
        }
        return std::nullopt;
      case kSequence:
        if (one_succ(n) && s[0] != n && one_pred(s[0])) return s[0];
        return std::nullopt;
      case kSelfLoop:
        if (two_succs(n) && (s[0] == n || s[1] == n)) return n;
        return std::nullopt;
      case kDiamond: {
        if (!two_succs(n)) return std::nullopt;
        NodeId t = s[0], f = s[1];
        if (one_pred(t) && one_succ(t) && one_pred(f) && one_succ(f) && succs(t)[0] == succs(f)[0])
          return n;
        return std::nullopt;
      }
      case kTriangle:
        if (!two_succs(n)) return std::nullopt;
        for (auto [x, y] : {std::pair{s[0], s[1]}, std::pair{s[1], s[0]}})
          if (one_pred(x) && one_succ(x) && succs(x)[0] == y) return x;
        return std::nullopt;
      case kWhile:
        if (!two_succs(n)) return std::nullopt;
        for (NodeId x : {s[0], s[1]})
          if (one_pred(x) && one_succ(x) && succs(x)[0] == n) return x;
        return std::nullopt;
      case kRuleCount:
        break;
    }
    return std::nullopt;
  }

  std::optional<Match> next_by_rescan() const {
    for (int r = 0; r < kRuleCount; ++r)
      for (NodeId n = 0; n < nodes_.size(); ++n)
        if (auto other = match_rule(Rule(r), n)) return Match{Rule(r), n, *other};
    return std::nullopt;
  }

  // The matching nodes of each rule are kept in a set of their own.
  std::optional<Match> next_from_candidates() const {
    for (int r = 0; r < kRuleCount; ++r)
      if (std::optional<NodeId> n = candidates_[r].least()) return Match{Rule(r), *n, *match_rule(Rule(r), *n)};
    return std::nullopt;
  }

  // The rules that match at n, as bits: match_rule for every rule, with what the rules share
  // looked up once. A node with one successor can only match the sequence rule, and one
  // without two successors nothing else.
  std::uint8_t matching_rules(NodeId n) const {
    if (!nodes_[n].alive) return 0;
    const auto& s = succs(n);
    if (s.size() == 1) return s[0] != n && one_pred(s[0]) ? 1u << kSequence : 0;
    if (s.size() != 2) return 0;
    const NodeId a = s[0], b = s[1];
    // A successor with one predecessor and one successor: an arm, and where it leads.
    constexpr NodeId kNoArm = UINT32_MAX;
    auto leads = [&](NodeId x) { return one_pred(x) && one_succ(x) ? succs(x)[0] : kNoArm; };
    const NodeId from_a = leads(a), from_b = leads(b);
    // (o, a successor of n, has n among its predecessors, and x, which leads to o, too: with
    // two predecessors, o has exactly n and x.)
    auto empty_arm = [&](NodeId x, NodeId to, NodeId o) {
      return o != n && to == o && preds(o).size() == 2 && block(x).statements.empty();
    };
    std::uint8_t bits = 0;
    if (empty_arm(a, from_a, b) || empty_arm(b, from_b, a)) bits |= 1u << kEmptyArm;
    if (a == n || b == n) bits |= 1u << kSelfLoop;
    if (from_a != kNoArm && from_a == from_b) bits |= 1u << kDiamond;
    if (from_a == b || from_b == a) bits |= 1u << kTriangle;
    if (from_a == n || from_b == n) bits |= 1u << kWhile;
    return bits;
  }

  void refresh(NodeId n) {
    std::uint8_t now = matching_rules(n);
    std::uint8_t changed = now ^ nodes_[n].matching;
    nodes_[n].matching = now;
    for (; changed != 0; changed &= changed - 1) {
      int r = std::countr_zero(changed);
      if (now & (1u << r))
        candidates_[r].insert(n);
      else
        candidates_[r].erase(n);
    }
  }

  // A node's matches depend on its own successors and on the predecessors, successors and
  // statements of those successors. The roles that read a successor's successors or
  // statements need it to have one predecessor, and the roles that read its predecessors
  // need at most two; so a change at v can only alter the matches of v and, while v has at
  // most two predecessors, of those predecessors. (Rewrites never raise a node's number of
  // predecessors, and a node that gains one is touched itself.) Those predecessors join the
  // list, each node listed once.
  void refresh_touched() {
    const std::size_t changed = touched_.size();
    for (std::size_t i = 0; i < changed; ++i)
      if (preds(touched_[i]).size() <= 2) preds(touched_[i]).for_each([&](NodeId p) { touch(p); });
    for (NodeId v : touched_) refresh(v);
    touched_.clear();
    ++round_;
  }

  // ---- Rewrites -----------------------------------------------------------------------

  // Block n's branch condition, which the rewrite moves into an If or While (emplace then
  // lets it go); an internal error when there is none.
  Result<Expression*> condition(NodeId n, const char* invariant) {
    auto& c = block(n).condition;
    if (!c) return internal_error(invariant);
    return &*c;
  }

  Result<StatementList> copy_charged(const StatementList& list, NodeId n) {
    if (budget_) BRINTAVEL_CHECK(budget_->charge(qasm::count_nodes(list), "block", block(n).label));
    return qasm::copy_statements(list);
  }

  // Appends the If or While (`Kind`) made from block `ln`'s branch, which it comes from, and
  // lets the moved-from condition go.
  template <class Kind, class... Args>
  static void emplace(BlockLowering& ln, Args&&... args) {
    ln.statements.emplace_back(std::in_place_type<Kind>, std::forward<Args>(args)...).origin = ln.condition_origin;
    ln.condition.reset();
  }

  static Expression negated(Expression& c) {
    return qasm::make_binary(BinaryOperator::Eq, std::move(c), qasm::IntLiteral{0});
  }

  // Appends m's statements to n and lets n end the way m ended.
  void absorb(NodeId n, NodeId m) {
    BlockLowering& ln = block(n);
    BlockLowering& lm = block(m);
    if (ln.statements.empty() && ln.statements.capacity() < lm.statements.size()) {
      ln.statements = std::move(lm.statements);
    } else {
      for (qasm::Statement& s : lm.statements) ln.statements.push_back(std::move(s));
    }
    lm.statements.clear();
    ln.condition = std::move(lm.condition);
    ln.condition_origin = lm.condition_origin;
    nodes_[n].branch = nodes_[m].branch;
  }

  // n now branches to `target` alone.
  void branch_to(NodeId n, NodeId target) { nodes_[n].branch = {target, target}; }

  Status apply(const Match& m) {
    NodeId n = m.n;
    BlockLowering& ln = block(n);
    const std::array<NodeId, 2> branch = nodes_[n].branch;
    touch(n);
    switch (m.rule) {
      case kEmptyArm: {
        NodeId x = m.other;
        NodeId o = succs(x)[0];
        SuccessorList after = succs(o);
        absorb(n, o);
        remove_node(x);
        remove_node(o);
        for (NodeId s : after) add_edge(n, s);
        break;
      }
      case kSequence: {
        NodeId mm = m.other;
        SuccessorList after = succs(mm);
        absorb(n, mm);
        remove_node(mm);
        for (NodeId s : after) add_edge(n, s);
        break;
      }
      case kSelfLoop: {
        NodeId exit = succs(n)[0] == n ? succs(n)[1] : succs(n)[0];
        BRINTAVEL_TRY_ASSIGN(Expression* c, condition(n, "self-loop requires a conditional branch"));
        bool continue_on_true = branch[0] == n;
        BRINTAVEL_TRY_ASSIGN(StatementList body, copy_charged(ln.statements, n));
        emplace<qasm::While>(ln, std::move(body), continue_on_true ? std::move(*c) : negated(*c));
        branch_to(n, exit);
        set_successors(n, {exit});
        break;
      }
      case kDiamond: {
        NodeId t = branch[0];
        NodeId f = branch[1];
        NodeId join = succs(t)[0];
        StatementList then_body = std::move(block(t).statements);
        StatementList else_body = std::move(block(f).statements);
        BRINTAVEL_TRY_ASSIGN(Expression* c, condition(n, "conditional branch without a condition"));
        if (!then_body.empty() || !else_body.empty())
          emplace<qasm::If>(ln, std::move(then_body), std::move(else_body), std::move(*c));
        else
          ln.condition.reset();
        branch_to(n, join);
        remove_node(t);
        remove_node(f);
        add_edge(n, join);
        break;
      }
      case kTriangle: {
        NodeId x = m.other;
        NodeId y = succs(x)[0];
        StatementList arm = std::move(block(x).statements);
        BRINTAVEL_TRY_ASSIGN(Expression* c, condition(n, "conditional branch without a condition"));
        bool arm_on_true = branch[0] == x;
        if (arm.empty())
          ln.condition.reset();
        else if (arm_on_true)
          emplace<qasm::If>(ln, std::move(arm), StatementList{}, std::move(*c));
        else
          emplace<qasm::If>(ln, StatementList{}, std::move(arm), std::move(*c));
        branch_to(n, y);
        remove_node(x);
        break;
      }
      case kWhile: {
        NodeId x = m.other;
        NodeId y = succs(n)[0] == x ? succs(n)[1] : succs(n)[0];
        StatementList body = std::move(block(x).statements);
        BRINTAVEL_TRY_ASSIGN(StatementList header, copy_charged(ln.statements, n));
        BRINTAVEL_TRY_ASSIGN(Expression* c, condition(n, "while needs a conditional branch"));
        bool continue_on_true = branch[0] == x;
        body.insert(body.end(), std::make_move_iterator(header.begin()),
                    std::make_move_iterator(header.end()));
        emplace<qasm::While>(ln, std::move(body), continue_on_true ? std::move(*c) : negated(*c));
        branch_to(n, y);
        remove_node(x);
        set_successors(n, {y});
        break;
      }
      case kRuleCount:
        break;
    }
    return {};
  }

  // A node of the branch graph: a block, and the blocks the rewrites merged into it.
  struct Node {
    SuccessorList succs;
    NodeSet preds;
    std::array<NodeId, 2> branch{};  // the ids of its lowering's successors, in branch order
    BlockLowering* lowering = nullptr;
    std::uint32_t position = 0;      // its lowering's position in source order
    std::uint32_t marked = 0;        // the last round (rewrite) that listed it touched
    std::uint8_t matching = 0;       // bit r set while rule r matches
    bool alive = true;
  };

  // A block's label by its first sixteen bytes (see label_word), and its position.
  struct Key {
    std::uint64_t high, low;
    std::uint32_t index;
  };

  SizeBudget* budget_ = nullptr;
  std::uint32_t failed_block_ = 0;
  BlockLowering& block(NodeId id) { return *nodes_[id].lowering; }
  const BlockLowering& block(NodeId id) const { return *nodes_[id].lowering; }

  std::vector<BlockLowering> blocks_;  // in source order
  BlockLowering* end_ = nullptr;       // the block after them, if any
  std::vector<Node> nodes_;            // by id
  std::size_t live_count_ = 0;
  NodeId entry_ = 0;
  std::array<NodeIdSet, kRuleCount> candidates_;  // the nodes each rule matches at
  std::vector<NodeId> touched_;   // by the current rewrite, each once
  std::uint32_t round_ = 1;       // the rewrites so far, and one
  bool broken_ = false;           // a node got a third successor
  std::vector<Key> keys_;               // set_up's working lists
  std::vector<NodeId> id_by_position_;
  StatementList spare_;  // see give_back
};

}  // namespace

Result<StatementList> structure_control_flow(std::vector<BlockLowering> blocks,
                                             std::string_view entry,
                                             SizeBudget* budget, StructureSearch strategy,
                                             std::uint32_t* failed_block,
                                             const BlockGraph* graph) {
  return BlockStructurer().structure(std::move(blocks), entry, budget, strategy, failed_block, graph);
}

struct BlockStructurer::Work {
  Structurer structurer;
};

BlockStructurer::BlockStructurer() : work_(std::make_unique<Work>()) {}

BlockStructurer::~BlockStructurer() = default;

Result<StatementList> BlockStructurer::structure(std::vector<BlockLowering> blocks, std::string_view entry,
                                                 SizeBudget* budget, StructureSearch strategy,
                                                 std::uint32_t* failed_block, const BlockGraph* graph,
                                                 BlockLowering* end) {
  if (blocks.empty()) return StatementList{};
  Structurer& s = work_->structurer;
  Result<StatementList> result = s.run(blocks, end, entry, budget, strategy, graph);
  if (!result && failed_block) *failed_block = s.failed_block();
  return result;
}

void BlockStructurer::give_back(StatementList list) {
  list.clear();
  work_->structurer.give_back(std::move(list));
}

std::vector<BlockLowering> BlockStructurer::spare_blocks() { return work_->structurer.spare_blocks(); }

}  // namespace brintavel::translator
