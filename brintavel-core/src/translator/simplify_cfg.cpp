#include "translator/simplify_cfg.hpp"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <variant>

namespace brintavel::translator {

namespace {

std::string_view label_of(const ir::Block& block) { return block.label.empty() ? std::string_view("0") : block.label; }

bool unify_returns(std::vector<ir::Block>& blocks, ir::TextPool& names) {
  std::size_t returns = 0;
  for (const ir::Block& b : blocks)
    if (!b.instructions.empty() && std::holds_alternative<ir::Ret>(b.instructions.back())) ++returns;
  if (returns < 2) return false;
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
    if (!where && !b.sources.empty()) where = b.sources.back();
  }
  ir::Block last{exit, {ir::Ret{}}, {}};
  if (where) last.sources.push_back(where);
  blocks.push_back(std::move(last));
  return true;
}


// Removes the unread phis of blocks that hold nothing else but their branch (what a return
// block's value leaves behind once the return is a branch).
void remove_unread_phis(std::vector<ir::Block>& blocks) {
  auto only_phis = [](const ir::Block& b) {
    return !b.instructions.empty() && std::holds_alternative<ir::Br>(b.instructions.back()) &&
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
      std::vector<ir::Instruction> kept;
      std::vector<const char*> sources;
      for (std::size_t k = 0; k < b.instructions.size(); ++k) {
        const auto* phi = std::get_if<ir::Phi>(&b.instructions[k]);
        if (phi && !reads.contains(phi->result)) {
          removed = true;
          continue;
        }
        kept.push_back(std::move(b.instructions[k]));
        if (k < b.sources.size()) sources.push_back(b.sources[k]);
      }
      b.instructions = std::move(kept);
      if (!b.sources.empty()) b.sources = std::move(sources);
    }
  }
}

// Branches to a block that only branches on (and that no phi names) go where it goes.
void skip_forwarding_blocks(std::vector<ir::Block>& blocks) {
  std::unordered_map<std::string_view, std::size_t> number;
  for (std::size_t b = 0; b < blocks.size(); ++b) number.try_emplace(label_of(blocks[b]), b);
  auto has_phis = [&](std::string_view label) {
    auto it = number.find(label);
    if (it == number.end()) return true;
    const auto& insts = blocks[it->second].instructions;
    return !insts.empty() && std::holds_alternative<ir::Phi>(insts.front());
  };
  // Where a label leads once the forwarding blocks are skipped (a cycle of them is left).
  std::unordered_map<std::string_view, std::string_view> forward;
  for (std::size_t b = 1; b < blocks.size(); ++b) {
    const auto& insts = blocks[b].instructions;
    if (insts.size() != 1) continue;
    const auto* br = std::get_if<ir::Br>(&insts.front());
    if (br && br->target != label_of(blocks[b]) && !has_phis(br->target)) forward.emplace(label_of(blocks[b]), br->target);
  }
  if (forward.empty()) return;
  auto resolve = [&](std::string_view label) {
    for (std::size_t steps = 0; steps <= forward.size(); ++steps) {
      auto it = forward.find(label);
      if (it == forward.end()) break;
      label = it->second;
    }
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

}  // namespace

void simplify_cfg(std::vector<ir::Block>& blocks, ir::TextPool& names) {
  if (blocks.empty()) return;
  unify_returns(blocks, names);
  remove_unread_phis(blocks);
  skip_forwarding_blocks(blocks);
}

}  // namespace brintavel::translator
