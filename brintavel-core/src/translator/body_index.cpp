#include "translator/body_index.hpp"

namespace brintavel::translator {

BodyIndex::BodyIndex(std::span<const ir::Block> blocks, const builders::Profile* profile) : blocks_(blocks) {
  auto dropped = [&](const ir::Instruction& instruction) {
    const auto* call = std::get_if<ir::Call>(&instruction);
    if (!call || !profile) return false;
    const builders::BuilderKind* kind = builders::lookup_builder(*profile, call->callee);
    return kind && std::holds_alternative<builders::NoOp>(*kind);
  };
  for (std::size_t b = 0; b < blocks.size(); ++b) {
    auto number = static_cast<std::uint32_t>(b);
    blocks_by_label_.try_emplace(blocks[b].label.empty() ? std::string_view("0") : blocks[b].label, number);
    for (const ir::Instruction& instruction : blocks[b].instructions) {
      if (auto name = ir::defined_name(instruction)) definitions_.try_emplace(*name, Definition{&instruction, number});
      if (!dropped(instruction)) ir::for_each_use(instruction, [&](std::string_view name) { used_.insert(name); });
    }
  }
}

}  // namespace brintavel::translator
