#include "translator/simplify_cfg.hpp"

#include "support/flat_name_map.hpp"
#include "translator/promote_memory.hpp"

#include <algorithm>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>
#include <variant>

namespace brintavel::translator {

namespace {


// Returns the labels of the blocks that returned.
std::vector<std::string_view> unify_returns(std::vector<ir::Block>& blocks, ir::TextPool& names) {
  std::vector<std::string_view> returned;
  std::size_t returns = 0;
  for (const ir::Block& b : blocks)
    if (!b.instructions.empty() && std::holds_alternative<ir::Ret>(b.instructions.back())) ++returns;
  if (returns < 2) return returned;
  // A label no block has.
  std::string label = "return";
  auto taken = [&](const std::string& l) {
    return std::any_of(blocks.begin(), blocks.end(), [&](const ir::Block& b) { return b.label == l; });
  };
  while (taken(label)) label += ".0";
  std::string_view exit = names.keep(std::move(label));
  const char* where = nullptr;
  for (ir::Block& b : blocks) {
    if (b.instructions.empty() || !std::holds_alternative<ir::Ret>(b.instructions.back())) continue;
    b.instructions.back() = ir::Br{exit};
    returned.push_back(label_of(b));
    if (!where && !b.sources.empty()) where = b.sources.back();
  }
  ir::Block last{exit, {ir::Ret{}}, {}};
  if (where) last.sources.push_back(where);
  blocks.push_back(std::move(last));
  return returned;
}


// Removes the unread phis of the blocks that returned and hold nothing else but their branch
// now (what a return value leaves behind once the return is a branch).
void remove_unread_phis(std::vector<ir::Block>& blocks, const std::vector<std::string_view>& returned) {
  auto only_phis = [&](const ir::Block& b) {
    return std::find(returned.begin(), returned.end(), label_of(b)) != returned.end() &&
           !b.instructions.empty() && std::holds_alternative<ir::Br>(b.instructions.back()) &&
           std::all_of(b.instructions.begin(), b.instructions.end() - 1,
                       [](const ir::Instruction& i) { return std::holds_alternative<ir::Phi>(i); });
  };
  for (bool removed = true; removed;) {
    removed = false;
    std::unordered_map<std::string_view, std::size_t> reads;
    for (const ir::Block& b : blocks)
      for (const ir::Instruction& i : b.instructions) {
        const auto* phi = std::get_if<ir::Phi>(&i);
        ir::for_each_use(i, [&](std::string_view n) {
          if (!phi || n != phi->result) ++reads[n];  // a phi reading itself does not keep it
        });
      }
    for (ir::Block& b : blocks) {
      if (!only_phis(b)) continue;
      ir::erase_instructions_if(b, [&](const ir::Instruction& i) {
        const auto* phi = std::get_if<ir::Phi>(&i);
        bool unread = phi && !reads.contains(phi->result);
        removed = removed || unread;
        return unread;
      });
    }
  }
}

// Branches to a block that only branches on (and that no phi names) go where it goes.
void skip_forwarding_blocks(std::vector<ir::Block>& blocks) {
  text::FlatNameMap<std::size_t> number;
  for (std::size_t b = 0; b < blocks.size(); ++b) number.try_emplace(label_of(blocks[b]), b);
  auto has_phis = [&](std::string_view label) {
    const std::size_t* it = number.find(label);
    if (!it) return true;
    const auto& insts = blocks[*it].instructions;
    return !insts.empty() && std::holds_alternative<ir::Phi>(insts.front());
  };
  // Where a label leads once the forwarding blocks are skipped (a cycle of them is left).
  text::FlatNameMap<std::string_view> forward;
  for (std::size_t b = 1; b < blocks.size(); ++b) {
    const auto& insts = blocks[b].instructions;
    if (insts.size() != 1) continue;
    const auto* br = std::get_if<ir::Br>(&insts.front());
    if (br && br->target != label_of(blocks[b]) && !has_phis(br->target)) forward.try_emplace(label_of(blocks[b]), br->target);
  }
  if (forward.empty()) return;
  // Each chain is walked once: every label on it is pointed at its end (path compression).
  std::vector<std::string_view> chain;
  auto resolve = [&](std::string_view label) {
    chain.clear();
    for (std::size_t steps = 0; steps <= forward.size(); ++steps) {
      const std::string_view* next = forward.find(label);
      if (!next) break;
      chain.push_back(label);
      label = *next;
    }
    if (!forward.contains(label))  // (else a cycle, left as it is)
      for (std::string_view on : chain) forward[on] = label;
    return label;
  };
  // A block whose phis name a forwarding block as a predecessor keeps it.
  for (const ir::Block& b : blocks)
    for (const ir::Instruction& i : b.instructions)
      if (const auto* phi = std::get_if<ir::Phi>(&i))
        for (const ir::PhiIncoming& in : phi->incomings) forward.erase(in.predecessor);
  for (ir::Block& b : blocks) {
    if (b.instructions.empty()) continue;
    ir::Instruction& last = b.instructions.back();
    if (auto* br = std::get_if<ir::Br>(&last)) br->target = resolve(br->target);
    if (auto* br = std::get_if<ir::CondBr>(&last)) {
      br->true_label = resolve(br->true_label);
      br->false_label = resolve(br->false_label);
    }
  }
  blocks.erase(std::remove_if(blocks.begin() + 1, blocks.end(),
                              [&](const ir::Block& b) { return forward.contains(label_of(b)); }),
               blocks.end());
}

// Where a block only aborts: its abort call's source, else nothing.
std::optional<const char*> aborts(const ir::Block& b) {
  if (b.instructions.size() != 2) return std::nullopt;
  const auto* call = std::get_if<ir::Call>(&b.instructions[0]);
  const auto* end = std::get_if<ir::Unknown>(&b.instructions[1]);
  if (!call || call->callee != "abort" || !end || end->opcode != "unreachable") return std::nullopt;
  return b.sources.empty() ? nullptr : b.sources.front();
}

std::vector<const char*> skip_aborts(std::vector<ir::Block>& blocks) {
  std::unordered_map<std::string_view, const char*> aborting;
  for (const ir::Block& b : blocks)
    if (auto where = aborts(b)) aborting.emplace(label_of(b), *where);
  std::vector<const char*> skipped;
  if (aborting.empty()) return skipped;
  std::unordered_map<std::string_view, bool> still_entered;
  for (ir::Block& b : blocks) {
    if (b.instructions.empty()) continue;
    ir::Instruction& last = b.instructions.back();
    if (auto* br = std::get_if<ir::CondBr>(&last)) {
      bool t = aborting.contains(br->true_label), f = aborting.contains(br->false_label);
      if (t != f) {
        std::string_view aborted = t ? br->true_label : br->false_label;
        std::string_view other = t ? br->false_label : br->true_label;
        skipped.push_back(aborting.at(aborted));
        last = ir::Br{other};
        continue;
      }
      if (t) still_entered[br->true_label] = true;
    } else if (const auto* jump = std::get_if<ir::Br>(&last); jump && aborting.contains(jump->target)) {
      still_entered[jump->target] = true;
    }
  }
  // The aborting blocks nothing enters any more go.
  blocks.erase(std::remove_if(blocks.begin() + 1, blocks.end(),
                              [&](const ir::Block& b) {
                                return aborting.contains(label_of(b)) && !still_entered.contains(label_of(b));
                              }),
               blocks.end());
  return skipped;
}

// A freeze is its operand.
void forward_freezes(std::vector<ir::Block>& blocks) {
  std::unordered_map<std::string_view, ir::Operand> frozen;
  for (ir::Block& b : blocks)
    ir::erase_instructions_if(b, [&](const ir::Instruction& i) {
      const auto* f = std::get_if<ir::Freeze>(&i);
      if (f) frozen.insert_or_assign(f->result, f->value);
      return f != nullptr;
    });
  replace_uses(blocks, frozen);
}

}  // namespace

std::vector<const char*> simplify_cfg(std::vector<ir::Block>& blocks, ir::TextPool& names) {
  if (blocks.empty()) return {};
  forward_freezes(blocks);
  std::vector<const char*> skipped = skip_aborts(blocks);
  std::vector<std::string_view> returned = unify_returns(blocks, names);
  if (!returned.empty()) remove_unread_phis(blocks, returned);
  skip_forwarding_blocks(blocks);
  return skipped;
}

void order_by_dominance(std::vector<ir::Block>& blocks) {
  text::FlatNameMap<std::size_t> defined_in;
  for (std::size_t b = 0; b < blocks.size(); ++b)
    for (const ir::Instruction& i : blocks[b].instructions)
      if (auto name = ir::defined_name(i)) defined_in.try_emplace(*name, b);
  bool read_before_defined = false;
  for (std::size_t b = 0; b < blocks.size() && !read_before_defined; ++b)
    for (const ir::Instruction& i : blocks[b].instructions) {
      if (std::holds_alternative<ir::Phi>(i)) continue;
      ir::for_each_use(i, [&](std::string_view n) {
        const std::size_t* d = defined_in.find(n);
        if (d && *d > b) read_before_defined = true;
      });
    }
  if (!read_before_defined) return;
  std::unordered_map<std::string_view, std::size_t> number;
  for (std::size_t b = 0; b < blocks.size(); ++b) number.try_emplace(label_of(blocks[b]), b);
  // Postorder by an explicit-stack depth-first walk from the entry, successors in order.
  auto successors = [&](std::size_t b) {
    std::vector<std::size_t> out;
    ir::for_each_branch_target(blocks[b], [&](std::string_view l) {
      if (auto it = number.find(l); it != number.end()) out.push_back(it->second);
    });
    return out;
  };
  std::vector<std::size_t> postorder;
  std::vector<bool> seen(blocks.size(), false);
  std::vector<std::pair<std::size_t, std::vector<std::size_t>>> stack;
  stack.push_back({0, successors(0)});
  seen[0] = true;
  while (!stack.empty()) {
    auto& [b, next] = stack.back();
    if (!next.empty()) {
      std::size_t s = next.front();
      next.erase(next.begin());
      if (!seen[s]) {
        seen[s] = true;
        stack.push_back({s, successors(s)});
      }
      continue;
    }
    postorder.push_back(b);
    stack.pop_back();
  }
  std::vector<ir::Block> ordered;
  ordered.reserve(blocks.size());
  for (auto it = postorder.rbegin(); it != postorder.rend(); ++it) ordered.push_back(std::move(blocks[*it]));
  for (std::size_t b = 0; b < blocks.size(); ++b)
    if (!seen[b]) ordered.push_back(std::move(blocks[b]));
  blocks = std::move(ordered);
}

}  // namespace brintavel::translator
