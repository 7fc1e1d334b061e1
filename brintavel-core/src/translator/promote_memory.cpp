#include "translator/promote_memory.hpp"

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>
#include <type_traits>
#include <unordered_map>
#include <utility>
#include <variant>

#include "support/text.hpp"
#include "translator/block_graph.hpp"
#include "translator/dominators.hpp"
#include "translator/evaluate.hpp"

namespace brintavel::translator {

namespace {

constexpr std::uint32_t kNone = Dominators::kNoBlock;


// What a load reads before any store: LLVM's undef, for which any value will do.
ir::Operand zero_of(std::string_view ty) {
  if (ty == "i1") return ir::ConstBool{false};
  if (integer_width(ty)) return ir::ConstInt{0};
  if (ty == "double" || ty == "float" || ty == "half") return ir::ConstFloat{0.0};
  return ir::PtrConst{{}, 0};
}

// The variables: the promotable allocas, by name.
struct Variable {
  std::string_view ty;
  std::vector<std::uint32_t> stored_in;  // blocks with a store to it
};

// Each use of `name` other than as the address of a load or store of `ty` disqualifies it.
class Uses {
 public:
  void add_alloca(const ir::Alloca& a) {
    if (!a.ty.empty() && candidates_.try_emplace(a.result, Candidate{a.ty, true}).second) order_.push_back(a.result);
  }
  void note(const ir::Instruction& instruction) {
    const auto* load = std::get_if<ir::Load>(&instruction);
    const auto* store = std::get_if<ir::Store>(&instruction);
    ir::for_each_use(instruction, [&](std::string_view name) {
      auto it = candidates_.find(name);
      if (it == candidates_.end()) return;
      bool address = (load && load->pointer == name && load->ty == it->second.ty) ||
                     (store && store->pointer == name && store->ty == it->second.ty &&
                      !(std::holds_alternative<ir::Ssa>(store->value) && std::get<ir::Ssa>(store->value).name == name));
      if (!address) it->second.promotable = false;
    });
  }
  // The promotable allocas, in the order they were made.
  std::vector<std::string_view> promotable() const {
    std::vector<std::string_view> out;
    for (std::string_view name : order_)
      if (candidates_.at(name).promotable) out.push_back(name);
    return out;
  }
  std::string_view type_of(std::string_view name) const { return candidates_.at(name).ty; }

 private:
  struct Candidate {
    std::string_view ty;
    bool promotable;
  };
  std::unordered_map<std::string_view, Candidate> candidates_;
  std::vector<std::string_view> order_;
};

// Replaces the SSA operands of `instruction` that `replace` maps.
template <class Replace>
void rewrite_uses(ir::Instruction& instruction, Replace&& replace) {
  ir::visit_reads(
      instruction,
      [&](ir::Operand& o) {
        if (const auto* s = std::get_if<ir::Ssa>(&o))
          if (const ir::Operand* r = replace(s->name)) o = *r;
      },
      // A field that holds a name can take only another name.
      [&](std::string_view& n) {
        if (const ir::Operand* r = replace(n))
          if (const auto* s = std::get_if<ir::Ssa>(r)) n = s->name;
      },
      // A condition takes a name or a constant.
      [&](std::variant<std::string_view, bool>& c) {
        const auto* n = std::get_if<std::string_view>(&c);
        const ir::Operand* r = n ? replace(*n) : nullptr;
        if (const auto* s = r ? std::get_if<ir::Ssa>(r) : nullptr) c = s->name;
        else if (const auto* b = r ? std::get_if<ir::ConstBool>(r) : nullptr) c = b->value;
      });
}

class Promotion {
 public:
  Promotion(std::vector<ir::Block>& blocks, ir::TextPool& names) : blocks_(blocks), names_(names) {}

  bool run() {
    Uses uses;
    for (const ir::Block& b : blocks_)
      for (const ir::Instruction& i : b.instructions)
        if (const auto* a = std::get_if<ir::Alloca>(&i)) uses.add_alloca(*a);
    for (const ir::Block& b : blocks_)
      for (const ir::Instruction& i : b.instructions) uses.note(i);
    order_ = uses.promotable();
    if (order_.empty()) return false;
    for (std::string_view name : order_) variables_.try_emplace(name, Variable{uses.type_of(name), {}});
    if (!build_graph()) return false;
    Predecessors predecessors(graph_);
    Dominators dominators(graph_, predecessors);
    if (!dominators.has_tree()) return false;
    for (std::uint32_t b = 0; b < blocks_.size(); ++b)
      for (const ir::Instruction& i : blocks_[b].instructions)
        if (const auto* s = std::get_if<ir::Store>(&i))
          if (auto v = variables_.find(s->pointer); v != variables_.end()) v->second.stored_in.push_back(b);
    place_phis(predecessors, dominators);
    rename(dominators);
    finish();
    return true;
  }

 private:
  // The branch graph; false when a branch names a block the body does not have (or a block
  // ends in something else with successors, such as a switch): the memory rules then apply.
  bool build_graph() {
    std::unordered_map<std::string_view, std::uint32_t> number;
    for (std::uint32_t b = 0; b < blocks_.size(); ++b) number.try_emplace(label_of(blocks_[b]), b);
    graph_.assign(blocks_.size(), {});
    for (std::uint32_t b = 0; b < blocks_.size(); ++b) {
      if (blocks_[b].instructions.empty()) continue;
      const ir::Instruction& last = blocks_[b].instructions.back();
      auto edge = [&](std::string_view target) {
        auto it = number.find(target);
        if (it == number.end()) return false;
        graph_[b].push_back(it->second);
        return true;
      };
      if (const auto* br = std::get_if<ir::Br>(&last)) {
        if (!edge(br->target)) return false;
      } else if (const auto* cbr = std::get_if<ir::CondBr>(&last)) {
        if (!edge(cbr->true_label) || (cbr->false_label != cbr->true_label && !edge(cbr->false_label))) return false;
      }
    }
    return true;
  }

  // Phis at the iterated dominance frontier of each variable's stores (Cytron et al.; the
  // frontiers as Cooper, Harvey and Kennedy compute them).
  void place_phis(const Predecessors& predecessors, const Dominators& dominators) {
    std::vector<std::vector<std::uint32_t>> frontier(blocks_.size());
    for (std::uint32_t b = 0; b < blocks_.size(); ++b) {
      auto preds = predecessors.of(b);
      if (preds.size() < 2 || !dominators.reachable(b)) continue;
      for (std::uint32_t p : preds) {
        for (std::uint32_t runner = p; runner != kNone && runner != dominators.immediate_dominator(b);
             runner = dominators.immediate_dominator(runner)) {
          if (!dominators.reachable(runner)) break;
          auto& f = frontier[runner];
          if (f.empty() || f.back() != b) f.push_back(b);
        }
      }
    }
    phis_.assign(blocks_.size(), {});
    std::vector<std::uint32_t> placed(blocks_.size(), kNone), queued(blocks_.size(), kNone);
    std::uint32_t id = 0;
    for (std::string_view name : order_) {
      std::vector<std::uint32_t> work = variables_.at(name).stored_in;
      for (std::uint32_t b : work) queued[b] = id;
      while (!work.empty()) {
        std::uint32_t b = work.back();
        work.pop_back();
        for (std::uint32_t f : frontier[b]) {
          if (placed[f] == id) continue;
          placed[f] = id;
          phis_[f].push_back(PlacedPhi{name, names_.keep(text::cat(name, ".phi", f)), {}});
          if (queued[f] != id) {
            queued[f] = id;
            work.push_back(f);
          }
        }
      }
      ++id;
    }
  }

  // The walk over the dominator tree, with each variable's current value on a stack.
  void rename(const Dominators& dominators) {
    std::vector<std::vector<std::uint32_t>> children(blocks_.size());
    for (std::uint32_t b = 1; b < blocks_.size(); ++b)
      if (dominators.reachable(b) && dominators.immediate_dominator(b) != kNone)
        children[dominators.immediate_dominator(b)].push_back(b);
    std::unordered_map<std::string_view, std::vector<ir::Operand>> current;
    for (const auto& [name, variable] : variables_) current[name].push_back(zero_of(variable.ty));
    struct Frame {
      std::uint32_t block;
      std::size_t next_child;
      std::vector<std::string_view> pushed;  // one entry per value pushed in this block
    };
    std::vector<Frame> stack;
    auto enter = [&](std::uint32_t b) {
      Frame frame{b, 0, {}};
      for (PlacedPhi& phi : phis_[b]) {
        current[phi.variable].push_back(ir::Ssa{phi.result});
        frame.pushed.push_back(phi.variable);
      }
      std::vector<ir::Instruction>& list = blocks_[b].instructions;
      for (ir::Instruction& i : list) {
        if (auto* store = std::get_if<ir::Store>(&i); store && variables_.contains(store->pointer)) {
          current[store->pointer].push_back(resolved(store->value));
          frame.pushed.push_back(store->pointer);
        } else if (auto* load = std::get_if<ir::Load>(&i); load && variables_.contains(load->pointer)) {
          replaced_.insert_or_assign(load->result, current[load->pointer].back());
        }
      }
      // The values leaving along each edge.
      for (std::uint32_t s : graph_[b])
        for (PlacedPhi& phi : phis_[s])
          phi.incomings.push_back(ir::PhiIncoming{current[phi.variable].back(), label_of(blocks_[b])});
      stack.push_back(std::move(frame));
    };
    enter(0);
    while (!stack.empty()) {
      Frame& top = stack.back();
      if (top.next_child < children[top.block].size()) {
        enter(children[top.block][top.next_child++]);
        continue;
      }
      for (std::string_view v : top.pushed) current[v].pop_back();
      stack.pop_back();
    }
  }

  // A value with the loads it reads replaced (a load's value may be another load's).
  ir::Operand resolved(const ir::Operand& value) const {
    ir::Operand v = value;
    for (std::size_t steps = 0; steps <= replaced_.size(); ++steps) {
      const auto* s = std::get_if<ir::Ssa>(&v);
      auto it = s ? replaced_.find(s->name) : replaced_.end();
      if (it == replaced_.end()) break;
      v = it->second;
    }
    return v;
  }

  // Removes the promoted instructions, puts the phis at the blocks' heads, replaces the loads'
  // values, and drops the phis nothing reads.
  void finish() {
    // A load in a block no path reaches reads what a load before any store reads.
    for (const ir::Block& block : blocks_)
      for (const ir::Instruction& i : block.instructions)
        if (const auto* l = std::get_if<ir::Load>(&i); l && variables_.contains(l->pointer))
          replaced_.try_emplace(l->result, zero_of(variables_.at(l->pointer).ty));
    for (std::uint32_t b = 0; b < blocks_.size(); ++b) {
      ir::Block& block = blocks_[b];
      const char* first = block.sources.empty() ? nullptr : block.sources.front();
      ir::erase_instructions_if(block, [&](const ir::Instruction& i) {
        if (const auto* a = std::get_if<ir::Alloca>(&i)) return variables_.contains(a->result);
        if (const auto* s = std::get_if<ir::Store>(&i)) return variables_.contains(s->pointer);
        if (const auto* l = std::get_if<ir::Load>(&i)) return variables_.contains(l->pointer);
        return false;
      });
      // The phis go first, at the block's first position (a block no path reaches has no
      // incomings: it keeps none).
      std::vector<ir::Instruction> phis;
      for (PlacedPhi& phi : phis_[b])
        if (!phi.incomings.empty())
          phis.push_back(ir::Phi{variables_.at(phi.variable).ty, std::move(phi.incomings), phi.result});
      if (phis.empty()) continue;
      block.instructions.insert(block.instructions.begin(), std::make_move_iterator(phis.begin()),
                                std::make_move_iterator(phis.end()));
      if (!block.sources.empty()) block.sources.insert(block.sources.begin(), phis.size(), first);
      if (!block.call_sites.empty()) block.call_sites.insert(block.call_sites.begin(), phis.size(), nullptr);
    }
    auto replace = [&](std::string_view name) -> const ir::Operand* {
      auto it = replaced_.find(name);
      if (it == replaced_.end()) return nullptr;
      it->second = resolved(it->second);
      return &it->second;
    };
    for (ir::Block& block : blocks_)
      for (ir::Instruction& i : block.instructions) rewrite_uses(i, replace);
    remove_unread_phis();
  }

  void remove_unread_phis() {
    std::unordered_map<std::string_view, std::size_t> reads;
    std::unordered_map<std::string_view, const ir::Phi*> made;
    for (const auto& list : phis_)
      for (const PlacedPhi& p : list) made.try_emplace(p.result, nullptr);
    for (const ir::Block& block : blocks_)
      for (const ir::Instruction& i : block.instructions) {
        if (const auto* phi = std::get_if<ir::Phi>(&i); phi && made.contains(phi->result)) made[phi->result] = phi;
        ir::for_each_use(i, [&](std::string_view n) { ++reads[n]; });
      }
    // A made phi read only by made phis that go too goes; the reads of what goes are taken back.
    std::vector<std::string_view> work;
    for (const auto& [name, phi] : made)
      if (phi && reads[name] == 0) work.push_back(name);
    std::unordered_map<std::string_view, bool> gone;
    while (!work.empty()) {
      std::string_view name = work.back();
      work.pop_back();
      if (!gone.try_emplace(name, true).second) continue;
      for (const ir::PhiIncoming& in : made[name]->incomings)
        if (const auto* s = std::get_if<ir::Ssa>(&in.value); s && made.contains(s->name) && made[s->name] &&
                                                             --reads[s->name] == 0)
          work.push_back(s->name);
    }
    if (gone.empty()) return;
    for (ir::Block& block : blocks_)
      ir::erase_instructions_if(block, [&](const ir::Instruction& i) {
        const auto* phi = std::get_if<ir::Phi>(&i);
        return phi && gone.contains(phi->result);
      });
  }

  struct PlacedPhi {
    std::string_view variable;
    std::string_view result;
    std::vector<ir::PhiIncoming> incomings;
  };

  std::vector<ir::Block>& blocks_;
  ir::TextPool& names_;
  std::unordered_map<std::string_view, Variable> variables_;
  std::vector<std::string_view> order_;  // the variables, in the order of their allocas
  BlockGraph graph_;
  std::vector<std::vector<PlacedPhi>> phis_;  // by block
  std::unordered_map<std::string_view, ir::Operand> replaced_;  // load results
};

}  // namespace

bool promote_memory(std::vector<ir::Block>& blocks, ir::TextPool& names) {
  if (blocks.empty()) return false;
  return Promotion(blocks, names).run();
}

void replace_uses(std::vector<ir::Block>& blocks, const std::unordered_map<std::string_view, ir::Operand>& replacements) {
  if (replacements.empty()) return;
  auto replace = [&](std::string_view name) -> const ir::Operand* {
    auto it = replacements.find(name);
    return it == replacements.end() ? nullptr : &it->second;
  };
  for (ir::Block& block : blocks)
    for (ir::Instruction& i : block.instructions) rewrite_uses(i, replace);
}

}  // namespace brintavel::translator
