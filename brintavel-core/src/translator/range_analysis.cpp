#include "translator/range_analysis.hpp"

#include <algorithm>
#include <limits>
#include <memory>
#include <numeric>
#include <optional>
#include <vector>

#include "support/flat_name_map.hpp"
#include "support/small_list.hpp"
#include "translator/block_graph.hpp"
#include "translator/body_index.hpp"
#include "translator/dominators.hpp"
#include "translator/int_algebra.hpp"

namespace brintavel::translator {

namespace {

// Passes over the body before every value still changing is taken as unbounded.
constexpr int kMaxPasses = 16;
// A phi that changed this often is widened to thresholds, then this often, linearly.
constexpr int kThresholdChanges = 3;
constexpr int kLinearChanges = 6;
// The conditions followed back from a branch condition.
constexpr int kMaxImplied = 16;
constexpr int kNarrowingPasses = 2;
constexpr int kTripRounds = 3;
// The single predecessors followed up from a block for the tests that hold in it.
constexpr int kMaxDominatingTests = 64;
// The flags (i1 phis of constants) followed back through the edges that set them.
constexpr int kMaxFlagDepth = 4;

// The smallest all-ones number at least v (v >= 0).
std::int64_t ones_above(std::int64_t v) {
  std::uint64_t u = static_cast<std::uint64_t>(v);
  u |= u >> 1;
  u |= u >> 2;
  u |= u >> 4;
  u |= u >> 8;
  u |= u >> 16;
  u |= u >> 32;
  return static_cast<std::int64_t>(u);
}

class RangeAnalysis {
 public:
  RangeAnalysis(const BodyIndex& index, bool entered)
      : index_(index), blocks_(index.blocks()), ranges_(index), entered_(entered) {
    std::span<const ir::Block> blocks = blocks_;
    // The dominator tree, for the tests that dominate a block. Where no edge goes back, each
    // block is a component of its own, on no cycle, and the immediate dominators are all the
    // analysis reads of the tree (there is no back edge to find).
    const BlockGraph& graph = index.successors();
    forward_only_ = edges_go_forward(graph);
    if (forward_only_) {
      forward_dominators_ = forward_immediate_dominators(index.predecessor_lists(), blocks.size());
    } else {
      dominators_.emplace(graph, index.predecessor_lists());
      if (!dominators_->has_tree()) dominators_.reset();
      component_ = topological_components(graph);
      on_cycle_ = blocks_on_cycles(graph);
    }
    // Each block's predecessor when it has exactly one (a block that branches to it twice
    // counts twice), else kNoBlock; the entry block is entered from outside too.
    single_predecessor_.assign(blocks.size(), kNoBlock);
    for (std::uint32_t b = 1; b < blocks.size(); ++b) {
      std::span<const std::uint32_t> from = predecessors(b);
      if (from.size() != 1) continue;
      const auto* br = std::get_if<ir::CondBr>(&blocks[from.front()].instructions.back());
      if (!br || !text::same_name(br->true_label, br->false_label)) single_predecessor_[b] = from.front();
    }
  }

  // The ranges; `exits` (if given) receives the labels outside the body a run can branch to.
  BodyRanges run(std::vector<std::string_view>* exits) {
    executable_.assign(blocks_.size(), 0);
    std::vector<std::uint32_t> all(blocks_.size());
    std::iota(all.begin(), all.end(), std::uint32_t{0});
    if (forward_only_) {
      // Blocks in an order where every edge goes forward: each value's operands, each edge's
      // condition and each dominating test are final before the value is reached, so one pass
      // finds the fixpoint (there is no loop to widen or bound).
      pass_over_blocks(all);
      return finish(exits);
    }
    // Otherwise each strongly connected component in turn, in topological order (the
    // recursive iteration strategy of abstract interpretation, after Bourdoncle): its inputs
    // from the components before it are final by the time it is solved, and a block on no
    // cycle is passed over once.
    // (The blocks by component, in source order in each: a counting sort into one array, after
    // which end[c] is where component c ends.)
    std::vector<std::uint32_t> end(blocks_.size() + 1, 0), members(blocks_.size());
    for (std::uint32_t c : component_) ++end[c + 1];
    for (std::size_t c = 1; c < end.size(); ++c) end[c] += end[c - 1];
    for (std::uint32_t b = 0; b < blocks_.size(); ++b) members[end[component_[b]]++] = b;
    std::size_t first = 0;
    for (std::size_t c = 0; first < members.size(); ++c) {
      std::span<const std::uint32_t> component(members.data() + first, end[c] - first);
      first = end[c];
      if (component.empty()) continue;
      settle_all_ = narrowing_ = false;
      if (component.size() == 1 && !on_cycle_[component.front()]) pass_over_blocks(component);
      else solve(component);
    }
    // A pass over the whole body checks that nothing grows any more: something would only where
    // a value is read before the component that defines it is solved, which SSA form rules
    // out; then the passes over the whole body go on from there.
    settle_all_ = narrowing_ = changed_ = false;
    pass_over_blocks(all);
    if (changed_) solve(all);
    return finish(exits);
  }

  // The ranges of the values of `blocks` (in source order), found by passes over them.
  void solve(std::span<const std::uint32_t> blocks) {
    bool converged = false;
    for (int pass = 0; pass < kMaxPasses && !converged; ++pass) {
      changed_ = false;
      pass_over_blocks(blocks);
      converged = !changed_;
    }
    if (!converged) {
      // What still changes is unbounded; one more pass spreads that.
      for (std::uint32_t b : blocks)
        for (const ir::Instruction& i : blocks_[b].instructions)
          if (const auto* phi = std::get_if<ir::Phi>(&i))
            if (const PhiState* state = phis_.find(phi->result); state && !state->settled)
              store(phi->result, IntRange::full(state->width));
      settle_all_ = true;
      pass_over_blocks(blocks);
    }
    // The ranges hold now, widened; passes that recompute each phi from its edges without
    // widening narrow them again where a loop's exit test bounds it (the descending
    // iterations of abstract interpretation).
    settle_all_ = true;
    narrowing_ = true;
    for (int pass = 0; pass < kNarrowingPasses; ++pass) pass_over_blocks(blocks);
    // A value that grows by a bounded step per trip of a loop whose counter is bounded (a
    // count of measured ones) is bounded by the number of trips: what LLVM's scalar evolution
    // finds for add recurrences, here for steps known only as ranges.
    // A bound found may bound the step of another value: a few rounds.
    for (int round = 0; round < kTripRounds && bound_by_trips(blocks); ++round)
      for (int pass = 0; pass < kNarrowingPasses; ++pass) pass_over_blocks(blocks);
  }

  // Whether `from` -> `header` is a back edge (the header dominates `from`).
  bool back_edge(std::size_t from, std::size_t header) const {
    return dominators_ && dominators_->reachable(static_cast<std::uint32_t>(from)) &&
           dominators_->reachable(static_cast<std::uint32_t>(header)) &&
           dominators_->dominates(static_cast<std::uint32_t>(header), static_cast<std::uint32_t>(from));
  }

  // The range of v - p, where v is computed from the phi p by additions of bounded values and
  // merges of such; nothing otherwise.
  std::optional<IntRange> step_from(const ir::Operand& v, std::string_view p, unsigned width, int depth) const {
    const auto* s = std::get_if<ir::Ssa>(&v);
    if (!s || depth > 8) return std::nullopt;
    if (s->name == p) return IntRange{0, 0};
    const BodyIndex::Definition* d = definition(s->name);
    if (!d) return std::nullopt;
    const ir::Instruction& i = *d->instruction;
    if (const auto* a = std::get_if<ir::Arith>(&i); a && a->op != ir::ArithOp::Mul) {
      for (bool left : {true, false}) {
        const ir::Operand& carried = left ? a->lhs : a->rhs;
        const ir::Operand& added = left ? a->rhs : a->lhs;
        if (a->op == ir::ArithOp::Sub && !left) continue;
        auto base = step_from(carried, p, width, depth + 1);
        auto r = stored(added, width);
        if (!base || !r) continue;
        MathRange m = a->op == ir::ArithOp::Add ? math_add(*base, *r) : math_sub(*base, *r);
        if (!fits(m, 64)) return std::nullopt;
        return IntRange{*m.lo.to_int64(), *m.hi.to_int64()};
      }
      return std::nullopt;
    }
    if (const auto* phi = std::get_if<ir::Phi>(&i)) {
      std::optional<IntRange> joined;
      for (const ir::PhiIncoming& in : phi->incomings) {
        auto step = step_from(in.value, p, width, depth + 1);
        if (!step) return std::nullopt;
        joined = joined ? joined->join(*step) : *step;
      }
      return joined;
    }
    return std::nullopt;
  }

  // The last value of a counter that starts at `start` and grows by one, when its loop's only
  // back edge leaves on an equality test of it (or of its next value) with a constant: LLVM's
  // scalar evolution finds such exact trip counts for `icmp eq` exits.
  std::optional<std::int64_t> last_before_exit(const ir::Phi& c, std::size_t h, std::int64_t start) const {
    const ir::PhiIncoming* back = nullptr;
    for (const ir::PhiIncoming& in : c.incomings) {
      auto from = block_of(in.predecessor);
      if (!from) return std::nullopt;
      if (!back_edge(*from, h)) continue;
      if (back) return std::nullopt;
      back = &in;
    }
    if (!back) return std::nullopt;
    const auto& instructions = blocks_[*block_of(back->predecessor)].instructions;
    const auto* br = std::get_if<ir::CondBr>(&instructions.back());
    const auto* condition = br ? std::get_if<std::string_view>(&br->condition) : nullptr;
    if (!condition) return std::nullopt;
    const ir::Icmp* found = defined_as<ir::Icmp>(*condition);
    if (!found) return std::nullopt;
    const ir::Icmp& icmp = *found;
    const auto* tested = std::get_if<ir::Ssa>(&icmp.lhs);
    const auto* limit = std::get_if<ir::ConstInt>(&icmp.rhs);
    auto n = limit ? limit->value.to_int64() : std::nullopt;
    if (!tested || !n) return std::nullopt;
    std::string_view header = ir::label_of(blocks_[h]);
    bool stays = (icmp.predicate == "eq" && br->false_label == header && br->true_label != header) ||
                 (icmp.predicate == "ne" && br->true_label == header && br->false_label != header);
    if (!stays) return std::nullopt;
    const auto* next = std::get_if<ir::Ssa>(&back->value);
    if (next && tested->name == next->name && start < *n) return *n - 1;
    if (tested->name == c.result && start <= *n) return *n;
    return std::nullopt;
  }

  // The factor k when v is p * k or p << s (k = 2^s) for a constant k >= 1; nothing otherwise.
  std::optional<std::int64_t> scale_from(const ir::Operand& v, std::string_view p) const {
    const auto* s = std::get_if<ir::Ssa>(&v);
    if (!s) return std::nullopt;
    const BodyIndex::Definition* d = definition(s->name);
    if (!d) return std::nullopt;
    auto is_p = [&](const ir::Operand& o) {
      const auto* x = std::get_if<ir::Ssa>(&o);
      return x && x->name == p;
    };
    auto constant = [](const ir::Operand& o) -> std::optional<std::int64_t> {
      const auto* k = std::get_if<ir::ConstInt>(&o);
      return k ? k->value.to_int64() : std::nullopt;
    };
    const ir::Instruction& i = *d->instruction;
    std::optional<std::int64_t> k;
    if (const auto* a = std::get_if<ir::Arith>(&i); a && a->op == ir::ArithOp::Mul)
      k = is_p(a->lhs) ? constant(a->rhs) : is_p(a->rhs) ? constant(a->lhs) : std::nullopt;
    if (const auto* o = std::get_if<ir::IntOp>(&i); o && o->op == ir::IntOpKind::Shl && is_p(o->lhs))
      if (auto shift = constant(o->rhs); shift && *shift >= 0 && *shift < 62) k = std::int64_t{1} << *shift;
    if (k && *k >= 1) return k;
    return std::nullopt;
  }

  bool bound_by_trips(std::span<const std::uint32_t> blocks) {
    if (!dominators_) return false;
    bool changed = false;
    std::vector<const ir::Phi*> phis;
    for (std::size_t h : blocks) {
      phis.clear();
      for (const ir::Instruction& i : blocks_[h].instructions)
        if (const auto* phi = std::get_if<ir::Phi>(&i); phi && int_width(phi->ty)) phis.push_back(phi);
      if (phis.size() < 2) continue;
      // The most trips: the span of a counter that starts at a constant and grows by one.
      std::optional<std::int64_t> trips;
      for (const ir::Phi* c : phis) {
        auto width = int_width(c->ty);
        std::optional<std::int64_t> start;
        bool counts = true;
        for (const ir::PhiIncoming& in : c->incomings) {
          auto from = block_of(in.predecessor);
          if (!from) { counts = false; break; }
          if (back_edge(*from, h)) {
            auto step = step_from(in.value, c->result, *width, 0);
            counts = counts && step && step->lo == 1 && step->hi == 1;
          } else {
            const auto* k = std::get_if<ir::ConstInt>(&in.value);
            auto v = k ? k->value.to_int64() : std::nullopt;
            counts = counts && v && (!start || *start == *v);
            if (v) start = v;
          }
        }
        if (!counts || !start) continue;
        // Its range bounds it only where it does not wrap: from its start to below the
        // width's largest value.
        const IntRange* r = ranges_.find(c->result);
        if (r && (r->lo < *start || r->hi == IntRange::full(*width).hi)) r = nullptr;
        auto tested = last_before_exit(*c, h, *start);
        if (!r && !tested) continue;
        std::int64_t last = r ? r->hi : *tested;
        if (r && tested) last = std::min(last, *tested);
        if (last < *start || last - *start > (std::int64_t{1} << 32)) continue;
        std::int64_t t = last - *start;
        trips = trips ? std::min(*trips, t) : t;
      }
      if (!trips) continue;
      for (const ir::Phi* p : phis) {
        auto width = int_width(p->ty);
        std::optional<IntRange> entry, step;
        std::optional<std::int64_t> factor;  // a value scaled by this on every trip
        bool ok = true;
        for (const ir::PhiIncoming& in : p->incomings) {
          auto from = block_of(in.predecessor);
          if (!from) { ok = false; break; }
          if (back_edge(*from, h)) {
            auto d = step_from(in.value, p->result, *width, 0);
            if (!d && !factor && !step) {
              factor = scale_from(in.value, p->result);
              if (factor) continue;
            }
            if (!d || factor) { ok = false; break; }
            step = step ? step->join(*d) : *d;
          } else {
            auto e = stored(in.value, *width);
            if (!e) { ok = false; break; }
            entry = entry ? entry->join(*e) : *e;
          }
        }
        if (ok && entry && factor && entry->non_negative()) {
          // Scaled on every trip: at most entry * factor^trips.
          Int128 hi = entry->hi;
          for (std::int64_t t = 0; t < *trips && hi <= Int128(std::numeric_limits<std::int64_t>::max()); ++t)
            hi = Int128::product(*hi.to_int64(), *factor);
          step.reset();
          MathRange reach{Int128(entry->lo), hi};
          if (!fits(reach, *width)) continue;  // it may wrap: no bound
          IntRange bound = clamp(reach, *width);
          const IntRange* old = ranges_.find(p->result);
          if (old)
            if (auto met = old->meet(bound); met && !(*met == *old)) {
              store(p->result, *met);
              changed = true;
            }
          continue;
        }
        if (!ok || !entry || !step) continue;
        Int128 lo = Int128(entry->lo) + (step->lo < 0 ? Int128::product(step->lo, *trips) : Int128(0));
        Int128 hi = Int128(entry->hi) + (step->hi > 0 ? Int128::product(step->hi, *trips) : Int128(0));
        // A value that may leave its width on the last trip wraps there: no bound.
        if (!fits(MathRange{lo, hi}, *width)) continue;
        IntRange bound = clamp(MathRange{lo, hi}, *width);
        const IntRange* old = ranges_.find(p->result);
        if (!old) continue;
        if (auto met = old->meet(bound); met && !(*met == *old)) {
          store(p->result, *met);
          changed = true;
        }
      }
    }
    return changed;
  }

  BodyRanges finish(std::vector<std::string_view>* exits) {
    if (exits)
      for (const BodyIndex::Exit& exit : index_.exits())
        if (edge_possible(exit.block, exit.label, true)) exits->push_back(exit.label);
    return std::move(ranges_);
  }

  // Whether a run can take the edge from -> to: not when from cannot run, nor when from's
  // branch tests a compare that the ranges decide the other way.
  bool edge_possible(std::size_t from, std::size_t to) const {
    return edge_possible(from, label_of(to), !forward_only_ && component_[from] != component_[to]);
  }
  // The same for the edge to the block labelled `to` (`leaves`: in another component).
  bool edge_possible(std::size_t from, std::string_view to, bool leaves) const {
    if (!executable_[from]) return false;
    // An edge out of a loop is taken as possible at once: its test reads values the loop is
    // still widening, and blocks after one loop and another would otherwise become executable
    // one loop per few passes.
    if (leaves && on_cycle(from)) return true;
    const auto& instructions = blocks_[from].instructions;
    const auto* br = instructions.empty() ? nullptr : std::get_if<ir::CondBr>(&instructions.back());
    const auto* condition = br ? std::get_if<std::string_view>(&br->condition) : nullptr;
    if (!condition) return true;
    const ir::Icmp* found = defined_as<ir::Icmp>(*condition);
    if (!found) return true;
    const ir::Icmp& icmp = *found;
    auto width = int_width(icmp.ty);
    if (!width || !std::holds_alternative<ir::Ssa>(icmp.lhs)) return true;
    bool never = false;
    on_edge(icmp.lhs, *width, from, to, &never);
    return !never;
  }

  // The blocks a run can reach, found optimistically as the passes go (as SCCP finds its
  // executable edges): a block is executable once an edge into it is possible (an edge out of
  // a loop, at once). Phis ignore edges from blocks that are not.
  void pass_over_blocks(std::span<const std::uint32_t> blocks) {
    for (std::size_t b : blocks) {
      block_ = b;
      if (!executable_[b]) {
        if (b == 0 && entered_) executable_[b] = 1;
        for (std::size_t p : predecessors(b))
          if (!executable_[b] && edge_possible(p, b)) {
            executable_[b] = 1;
            changed_ = true;
          }
      }
      // The instructions in order, each with the definition it makes (the index's, in the
      // same order). Each instruction with a transfer defines a value: where no name is
      // defined twice, the definitions are all there is to pass over.
      std::span<const BodyIndex::Definition> made = index_.definitions_in(static_cast<std::uint32_t>(b));
      if (!index_.redefines()) {
        for (const BodyIndex::Definition& d : made) {
          if (!tracked(*d.instruction)) continue;
          defining_ = &d;
          std::visit([&](const auto& x) { transfer(x); }, *d.instruction);
        }
        continue;
      }
      std::size_t next = 0;
      for (const ir::Instruction& i : blocks_[b].instructions) {
        defining_ = next < made.size() && made[next].instruction == &i ? &made[next++] : nullptr;
        if (tracked(i)) std::visit([&](const auto& x) { transfer(x); }, i);
      }
    }
    defining_ = nullptr;
  }

 private:
  struct PhiState {
    unsigned width = 64;
    int changes = 0;
    IntRange previous{};
    bool widened = false;
    bool settled = false;
    IntRange growth{};  // the widening's step per trip
  };

  std::string_view label_of(std::size_t block) const {
    return ir::label_of(blocks_[block]);
  }
  // The block labelled `label`, or nothing.
  std::optional<std::size_t> block_of(std::string_view label) const {
    Memo& m = memo(label);
    if (m.data != label.data() || m.size != label.size() || !m.data)
      m = Memo{label.data(), label.size(), index_.block_of(label).value_or(kNoBlock)};
    return m.block == kNoBlock ? std::nullopt : std::optional<std::size_t>(m.block);
  }
  // The definition of `name` (mostly a view the index has seen read).
  const BodyIndex::Definition* definition(std::string_view name) const { return index_.find_read(name); }
  std::span<const std::uint32_t> predecessors(std::size_t block) const {
    return index_.predecessors(static_cast<std::uint32_t>(block));
  }
  bool on_cycle(std::size_t block) const { return !forward_only_ && on_cycle_[block]; }
  // The block's immediate dominator; kNoBlock for the entry, for a block no run reaches, and
  // where the tree was not found.
  std::uint32_t immediate_dominator(std::size_t block) const {
    auto b = static_cast<std::uint32_t>(block);
    if (forward_only_) return forward_dominators_.empty() ? kNoBlock : forward_dominators_[b];
    if (!dominators_ || !dominators_->reachable(b)) return kNoBlock;
    return dominators_->immediate_dominator(b);
  }
  // The instruction that defines `name` when it is a T, or null.
  template <class T>
  const T* defined_as(std::string_view name) const {
    const BodyIndex::Definition* d = definition(name);
    return d ? std::get_if<T>(d->instruction) : nullptr;
  }
  // Whether the analysis finds a range for the value the instruction defines: one of those
  // with a transfer below (the others have their type's whole range).
  static bool tracked(const ir::Instruction& i) {
    return std::holds_alternative<ir::Arith>(i) || std::holds_alternative<ir::IntOp>(i) ||
           std::holds_alternative<ir::Cast>(i) || std::holds_alternative<ir::Zext>(i) ||
           std::holds_alternative<ir::Select>(i) || std::holds_alternative<ir::Phi>(i);
  }
  bool tracked(const BodyIndex::Definition& d) const { return tracked(*d.instruction); }
  // The range of a definition, found now (a value whose range is not tracked has none).
  void store(std::string_view name, IntRange r) {
    if (const BodyIndex::Definition* d = definition(name)) ranges_.set(*d, r);
  }
  // The flag `name`: an i1 phi of constants, with its block; nothing otherwise.
  struct Flag {
    const ir::Phi* phi;
    std::size_t block;
  };
  std::optional<Flag> flag(const BodyIndex::Definition* d) const {
    const auto* phi = d ? std::get_if<ir::Phi>(d->instruction) : nullptr;
    if (!phi || phi->ty != "i1") return std::nullopt;
    bool constants = std::all_of(phi->incomings.begin(), phi->incomings.end(),
                                 [](const ir::PhiIncoming& in) { return truth_of(in.value).has_value(); });
    if (!constants) return std::nullopt;
    return Flag{phi, d->block};
  }

  static std::optional<bool> truth_of(const ir::Operand& o) {
    if (const auto* b = std::get_if<ir::ConstBool>(&o)) return b->value;
    if (const auto* i = std::get_if<ir::ConstInt>(&o)) {
      if (i->value == 0) return false;
      if (i->value == 1) return true;
    }
    return std::nullopt;
  }

  // An operand's range in the block being analysed: narrowed by the branch into it when the
  // block has one predecessor (the block is then where that branch's test holds, as LLVM's
  // LazyValueInfo finds for a value at a block); nothing while it has no range yet.
  std::optional<IntRange> operand(const ir::Operand& o, unsigned width) const {
    const auto* s = std::get_if<ir::Ssa>(&o);
    if (!s) return stored(o, width);
    auto r = range_at(o, definition(s->name), width, block_);
    if (!r) return std::nullopt;
    return *r;
  }

  // The range of the SSA value `o` where block `block` begins, narrowed by the tests that
  // dominate the block (as LLVM's LazyValueInfo finds it): up the dominator tree from the
  // block to where the value is defined, each edge from a single predecessor narrowing it by
  // that predecessor's test. Nothing inside: no range yet; nothing outside: no run reaches the
  // block.
  // (`d` is the value's definition, or null.)
  std::optional<std::optional<IntRange>> range_at(const ir::Operand& o, const BodyIndex::Definition* d, unsigned width,
                                                  std::size_t block) const {
    std::optional<IntRange> r = stored(d, width);
    if (!r) return std::optional<IntRange>{};
    std::size_t home = d ? d->block : 0;
    for (int steps = 0; steps < kMaxDominatingTests && block != home && block != 0; ++steps) {
      std::uint32_t from = single_predecessor_[block];
      std::size_t up;
      if (from != kNoBlock) {
        bool never = false;
        auto narrowed = on_edge(o, width, from, label_of(block), &never);
        if (never) return std::nullopt;
        if (narrowed) r = r->meet(*narrowed).value_or(*r);
        up = from;
      } else {
        std::uint32_t idom = immediate_dominator(block);
        if (idom == kNoBlock) break;
        up = idom;
      }
      block = up;
    }
    return r;
  }

  // An operand's range as found for it; nothing while a value the analysis finds has no range
  // yet.
  std::optional<IntRange> stored(const ir::Operand& o, unsigned width) const {
    IntRange full = IntRange::full(width);
    if (const auto* i = std::get_if<ir::ConstInt>(&o)) {
      auto v = i->value.to_int64();
      if (!v) return full;
      return IntRange::constant(wrap(math_of(IntRange::constant(*v)), width).lo);
    }
    if (const auto* b = std::get_if<ir::ConstBool>(&o)) return IntRange::constant(b->value ? 1 : 0);
    if (const auto* s = std::get_if<ir::Ssa>(&o)) return stored(definition(s->name), width);
    return full;
  }
  // The same for the SSA value `d` defines (null: one the body does not define).
  std::optional<IntRange> stored(const BodyIndex::Definition* d, unsigned width) const {
    if (d) {
      if (const IntRange* r = ranges_.find(*d)) return *r;
      if (tracked(*d)) return std::nullopt;
    }
    return IntRange::full(width);
  }

  // The range of `name`, the value the instruction being passed over defines.
  void set(std::string_view name, IntRange r) {
    const BodyIndex::Definition* d = defining_ ? defining_ : definition(name);
    if (!d) return;
    const IntRange* old = ranges_.find(*d);
    if (old && *old == r) return;
    ranges_.set(*d, r);
    changed_ = true;
  }

  void transfer(const ir::Arith& a) {
    auto width = int_width(a.ty);
    if (!width || *width < 2) return;
    auto xo = operand(a.lhs, *width), yo = operand(a.rhs, *width);
    if (!xo || !yo) return;
    IntRange x = *xo, y = *yo;
    MathRange m = a.op == ir::ArithOp::Add ? math_add(x, y) : a.op == ir::ArithOp::Sub ? math_sub(x, y) : math_mul(x, y);
    set(a.result, a.no_signed_wrap ? clamp(m, *width) : wrap(m, *width));
  }

  void transfer(const ir::IntOp& op) {
    auto width = int_width(op.ty);
    if (!width || *width < 2) return;
    auto xo = operand(op.lhs, *width), yo = operand(op.rhs, *width);
    if (!xo || !yo) return;
    IntRange x = *xo, y = *yo;
    IntRange full = IntRange::full(*width);
    IntRange r = full;
    switch (op.op) {
      case ir::IntOpKind::And:
        if (x.non_negative() && y.non_negative()) r = {0, std::min(x.hi, y.hi)};
        else if (x.non_negative()) r = {0, x.hi};
        else if (y.non_negative()) r = {0, y.hi};
        break;
      case ir::IntOpKind::Or:
      case ir::IntOpKind::Xor:
        if (x.non_negative() && y.non_negative()) r = {0, ones_above(std::max(x.hi, y.hi))};
        break;
      case ir::IntOpKind::Shl:
        if (y.lo >= 0 && y.hi < static_cast<std::int64_t>(*width)) {
          // Each amount's range joined (a shift beyond the width is poison).
          r = wrap(math_shl(x, static_cast<unsigned>(y.lo)), *width);
          for (std::int64_t k = y.lo + 1; k <= y.hi; ++k) r = r.join(wrap(math_shl(x, static_cast<unsigned>(k)), *width));
        }
        break;
      case ir::IntOpKind::LShr:
        if (y.is_constant() && y.lo > 0 && y.lo < static_cast<std::int64_t>(*width)) {
          auto k = static_cast<unsigned>(y.lo);
          if (x.non_negative()) r = {x.lo >> k, x.hi >> k};
          else r = {0, static_cast<std::int64_t>((*width >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << *width) - 1) >> k)};
        } else if (y.is_constant() && y.lo == 0) {
          r = x;
        }
        break;
      case ir::IntOpKind::AShr:
        if (y.lo >= 0 && y.hi < static_cast<std::int64_t>(*width)) {
          // Shifting right keeps the sign and moves toward it: between the extremes' shifts.
          r = shift_right_range(x, static_cast<unsigned>(y.lo)).join(shift_right_range(x, static_cast<unsigned>(y.hi)));
        }
        break;
      case ir::IntOpKind::SDiv:
        if (!y.contains(0) && !(x.contains(full.lo) && y.contains(-1))) r = divide_range(x, y);
        break;
      case ir::IntOpKind::SRem:
        if (!y.contains(0)) r = remainder_range(x, y);
        break;
      case ir::IntOpKind::UDiv:
      case ir::IntOpKind::URem:
        if (x.non_negative() && y.non_negative() && !y.contains(0))
          r = op.op == ir::IntOpKind::UDiv ? divide_range(x, y) : remainder_range(x, y);
        break;
    }
    set(op.result, r);
  }

  void transfer(const ir::Cast& c) {
    auto from = int_width(c.from_ty), to = int_width(c.to_ty);
    if (!to || *to < 2) return;
    IntRange full = IntRange::full(*to);
    IntRange r = full;
    if (from && *from == 1) {
      r = c.kind == ir::CastKind::SExt ? IntRange{-1, 0} : IntRange{0, 1};
    } else if (from) {
      auto xo = operand(c.value, *from);
      if (!xo) return;
      IntRange x = *xo;
      if (c.kind == ir::CastKind::Trunc) {
        r = wrap(math_of(x), *to);
      } else if (c.kind == ir::CastKind::SExt || x.non_negative()) {
        r = x;
      } else if (c.kind == ir::CastKind::ZExt) {
        if (auto u = unsigned_view(x, *from); u && u->second <= static_cast<std::uint64_t>(full.hi))
          r = {static_cast<std::int64_t>(u->first), static_cast<std::int64_t>(u->second)};
        else if (*from < 64)
          r = {0, static_cast<std::int64_t>((std::uint64_t{1} << *from) - 1)};
      }
    }
    set(c.result, r);
  }

  void transfer(const ir::Zext& z) { set(z.result, IntRange{0, 1}); }

  void transfer(const ir::Select& s) {
    auto width = int_width(s.ty);
    if (!width || *width < 2) return;
    auto t = operand(s.then_value, *width), e = operand(s.else_value, *width);
    if (t && e) set(s.result, t->join(*e));
  }

  // The range of `value` where control passes from block `from` to block `to`: narrowed by
  // the comparisons of it with a constant that `from`'s branch condition implies there (the
  // condition itself, the operands of an `and` that holds or an `or` that does not, the
  // operand of an xor with true).
  // `never` is set when the edge cannot be taken (no value in the range passes the test).
  std::optional<IntRange> on_edge(const ir::Operand& value, unsigned width, std::optional<std::size_t> from,
                                  std::string_view to, bool* never = nullptr, int depth = 0) const {
    auto ro = stored(value, width);
    if (!ro) return ro;
    IntRange r = *ro;
    const auto* name = std::get_if<ir::Ssa>(&value);
    auto b = from;
    if (!name || !b || blocks_[*b].instructions.empty()) return r;
    const auto* br = std::get_if<ir::CondBr>(&blocks_[*b].instructions.back());
    if (!br || text::same_name(br->true_label, br->false_label)) return r;
    const auto* condition = std::get_if<std::string_view>(&br->condition);
    if (!condition) return r;
    bool holds = text::same_name(br->true_label, to);
    if (!holds && !text::same_name(br->false_label, to)) return r;
    // The implied conditions, walked with an explicit stack to a bounded depth.
    struct Implied {
      std::string_view condition;
      bool holds;
    };
    text::SmallList<Implied, 16> stack{Implied{*condition, holds}};
    for (int steps = 0; !stack.empty() && steps < kMaxImplied; ++steps) {
      auto [c, h] = stack.back();
      stack.pop_back();
      const BodyIndex::Definition* cd = definition(c);
      const ir::Instruction* ci = cd ? cd->instruction : nullptr;
      if (const ir::Logic* l = ci ? std::get_if<ir::Logic>(ci) : nullptr) {
        const ir::Logic& logic = *l;
        const auto* x = std::get_if<ir::Ssa>(&logic.lhs);
        const auto* y = std::get_if<ir::Ssa>(&logic.rhs);
        if ((logic.op == ir::LogicOp::And && h) || (logic.op == ir::LogicOp::Or && !h)) {
          if (x) stack.push_back(Implied{x->name, h});
          if (y) stack.push_back(Implied{y->name, h});
        } else if (logic.op == ir::LogicOp::Xor) {
          auto is_true = [](const ir::Operand& o) {
            const auto* boolean = std::get_if<ir::ConstBool>(&o);
            const auto* integer = std::get_if<ir::ConstInt>(&o);
            return (boolean && boolean->value) || (integer && integer->value == 1);
          };
          if (x && is_true(logic.rhs)) stack.push_back(Implied{x->name, !h});
          if (y && is_true(logic.lhs)) stack.push_back(Implied{y->name, !h});
        }
        continue;
      }
      if (auto p = flag(cd); p && p->block == *b && depth < kMaxFlagDepth) {
        // A flag that a phi of the branching block sets on its way in (true along some edges,
        // false along others): it holds only where one of its true edges was taken.
        std::optional<IntRange> joined;
        bool possible = false, unknown = false;
        for (const ir::PhiIncoming& in : p->phi->incomings) {
          auto constant = truth_of(in.value);
          if (!constant || *constant != h) continue;
          bool edge_never = false;
          auto e = on_edge(value, width, block_of(in.predecessor), label_of(*b), &edge_never, depth + 1);
          if (edge_never) continue;
          possible = true;
          if (e) joined = joined ? joined->join(*e) : *e;
          else unknown = true;
        }
        if (!possible) {
          if (never) *never = true;
          continue;
        }
        if (unknown || !joined) continue;
        if (auto met = r.meet(*joined)) r = *met;
        else if (never) *never = true;
        continue;
      }
      const ir::Icmp* found = ci ? std::get_if<ir::Icmp>(ci) : nullptr;
      if (!found) continue;
      const ir::Icmp& icmp = *found;
      const auto* lhs = std::get_if<ir::Ssa>(&icmp.lhs);
      const auto* constant = std::get_if<ir::ConstInt>(&icmp.rhs);
      if (!lhs || !text::same_name(lhs->name, name->name) || !constant || !constant->value.to_int64()) continue;
      if (auto narrowed = implied_range(icmp.predicate, h, r, *constant->value.to_int64(), width)) r = *narrowed;
      else if (never) *never = true;
    }
    return r;
  }

  void transfer(const ir::Phi& phi) {
    auto width = int_width(phi.ty);
    if (!width || *width < 2) return;
    PhiState& state = phis_[phi.result];
    state.width = *width;
    if (state.settled && !settle_all_) return;
    std::string_view here = ir::label_of(blocks_[block_]);
    std::optional<IntRange> joined;
    for (const ir::PhiIncoming& in : phi.incomings) {
      auto from = block_of(in.predecessor);
      if (from && !executable_[*from]) continue;  // never taken yet
      bool never = false;
      auto r = on_edge(in.value, *width, from, here, &never);
      if (never) continue;  // a value that never comes adds nothing
      if (r) joined = joined ? joined->join(*r) : *r;
    }
    if (!joined) return;
    IntRange r = *joined;
    const BodyIndex::Definition* d = defining_ ? defining_ : definition(phi.result);
    const IntRange* old = d ? ranges_.find(*d) : nullptr;
    if (narrowing_) {
      set(phi.result, old ? r.meet(*old).value_or(r) : r);
      return;
    }
    if (!old || *old == r || settle_all_) {
      set(phi.result, r);
      return;
    }
    IntRange current = *old;
    IntRange grown = current.join(r);
    if (state.widened) {
      // Widened: it may still grow by at most its step per trip beyond where it is.
      MathRange limit{Int128(current.lo) + Int128(state.growth.lo), Int128(current.hi) + Int128(state.growth.hi)};
      bool linear = Int128(grown.lo) >= limit.lo && Int128(grown.hi) <= limit.hi;
      state.settled = true;
      set(phi.result, linear ? current : IntRange::full(*width));
      return;
    }
    ++state.changes;
    if (state.changes >= kThresholdChanges && state.changes < kLinearChanges) {
      // Growing: first to the next all-ones bound on each side (widening with thresholds),
      // which a value built by or, xor or masks stays within; a falling lower bound that is
      // not negative stops at 0 first (a count down).
      auto below = [](std::int64_t v) { return v >= 0 ? 0 : -ones_above(-(v + 1)) - 1; };
      auto above = [](std::int64_t v) { return v >= 0 ? ones_above(v) : -1; };
      IntRange thresholds{grown.lo < current.lo ? below(grown.lo) : grown.lo,
                          grown.hi > current.hi ? above(grown.hi) : grown.hi};
      set(phi.result, thresholds.meet(IntRange::full(*width)).value_or(IntRange::full(*width)));
      return;
    }
    if (state.changes >= kLinearChanges) {
      // Still growing trip after trip: what kMaxLoopTrips trips at this step reach.
      // (A step beyond 64 bits is as good as unbounded: it saturates.)
      state.growth = clamp(MathRange{Int128(grown.lo) - Int128(current.lo), Int128(grown.hi) - Int128(current.hi)}, 64);
      MathRange reach{Int128(current.lo) + Int128::product(state.growth.lo, kMaxLoopTrips),
                      Int128(current.hi) + Int128::product(state.growth.hi, kMaxLoopTrips)};
      state.widened = true;
      set(phi.result, clamp(reach, *width));
      return;
    }
    set(phi.result, grown);
  }

  template <class Other>
  void transfer(const Other&) {}

  const BodyIndex& index_;
  // What block_of() found, by the address and size of the label looked up (each pass looks the
  // phis' labels up again): every label looked up is a view of the body's instructions,
  // which stay in place while the analysis runs. One entry per slot, the last label that fell
  // there; the table is made at the first lookup (zeroed: no entry remembers a label).
  struct Memo {
    const char* data;
    std::size_t size;
    std::uint32_t block;
  };
  static constexpr std::size_t kMaxMemo = 4096;
  Memo& memo(std::string_view label) const {
    if (!labels_memo_) {
      std::size_t size = 16;
      while (size < 2 * blocks_.size() && size < kMaxMemo) size *= 2;
      labels_memo_ = std::make_unique<Memo[]>(size);
      labels_memo_mask_ = size - 1;
    }
    auto address = reinterpret_cast<std::uintptr_t>(label.data());
    return labels_memo_[(address ^ (address >> 12) ^ label.size()) & labels_memo_mask_];
  }
  mutable std::unique_ptr<Memo[]> labels_memo_;
  mutable std::size_t labels_memo_mask_ = 0;
  std::span<const ir::Block> blocks_;
  static constexpr std::uint32_t kNoBlock = ~std::uint32_t{0};
  std::vector<std::uint32_t> single_predecessor_;  // by block: its one predecessor, or kNoBlock
  std::optional<Dominators> dominators_;           // where an edge goes back
  std::vector<std::uint32_t> forward_dominators_;  // where none does: forward_immediate_dominators
  const BodyIndex::Definition* defining_ = nullptr;  // of the instruction passed over, when it makes one
  text::FlatNameMap<PhiState> phis_;
  BodyRanges ranges_;
  std::vector<char> executable_;  // by block
  // By block, where an edge goes back: its strongly connected component, whether it is on a
  // cycle.
  std::vector<std::uint32_t> component_;
  std::vector<bool> on_cycle_;
  std::size_t block_ = 0;
  bool changed_ = false;
  bool settle_all_ = false;
  bool narrowing_ = false;
  bool forward_only_ = true;  // every edge goes to a later block
  bool entered_;              // a run reaches the first block
};

}  // namespace

BodyRanges analyze_ranges(const BodyIndex& index, bool entered, std::vector<std::string_view>* exits) {
  return RangeAnalysis(index, entered).run(exits);
}

void branch_exits(const BodyIndex& index, bool entered, std::vector<std::string_view>& exits) {
  std::span<const ir::Block> blocks = index.blocks();
  if (!entered || blocks.empty()) return;
  std::vector<char> seen(blocks.size(), 0);
  std::vector<std::uint32_t> stack{0};
  seen[0] = 1;
  while (!stack.empty()) {
    std::uint32_t b = stack.back();
    stack.pop_back();
    ir::for_each_branch_target(blocks[b], [&](std::string_view target) {
      std::optional<std::uint32_t> t = index.block_of(target);
      if (!t) exits.push_back(target);
      else if (!seen[*t]) stack.push_back(*t), seen[*t] = 1;
    });
  }
}

}  // namespace brintavel::translator
