#include "translator/split_aggregates.hpp"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <variant>

#include "support/text.hpp"
#include "translator/promote_memory.hpp"

namespace brintavel::translator {

namespace {

constexpr int kMaxDepth = 16;

class Splitter {
 public:
  Splitter(std::vector<ir::Block>& blocks, ir::TextPool& names) : blocks_(blocks), names_(names) {}

  void run() {
    auto reads_a_field = [](const ir::Block& b) {
      return std::any_of(b.instructions.begin(), b.instructions.end(),
                         [](const ir::Instruction& i) { return std::holds_alternative<ir::ExtractValue>(i); });
    };
    if (std::none_of(blocks_.begin(), blocks_.end(), reads_a_field)) return;
    for (const ir::Block& b : blocks_)
      for (const ir::Instruction& i : b.instructions)
        if (auto n = ir::defined_name(i)) definitions_.emplace(*n, &i);
    // The definitions stay where they are until every block is rewritten: the new bodies
    // are put in place at the end.
    struct Rewritten {
      ir::Block* block;
      std::vector<ir::Instruction> instructions;
      std::vector<const char*> sources, calls;  // in step with `instructions`
    };
    std::vector<Rewritten> rewritten;
    std::unordered_map<std::string_view, ir::Operand> replaced;
    for (ir::Block& block : blocks_) {
      if (!reads_a_field(block)) continue;
      Rewritten& r = rewritten.emplace_back(Rewritten{&block, {}, {}, {}});
      for (std::size_t k = 0; k < block.instructions.size(); ++k) {
        const char* where = ir::source_of(block, k);
        const char* call = ir::call_site_of(block, k);
        std::vector<ir::Instruction> made;
        const auto* e = std::get_if<ir::ExtractValue>(&block.instructions[k]);
        auto field = e ? field_of(e->aggregate, e->index, e->field_ty, made, 0) : std::nullopt;
        if (field) replaced.insert_or_assign(e->result, std::move(*field));
        else made.push_back(block.instructions[k]);
        for (ir::Instruction& m : made) {
          r.instructions.push_back(std::move(m));
          r.sources.push_back(where);
          r.calls.push_back(call);
        }
      }
    }
    for (Rewritten& r : rewritten) {
      r.block->instructions = std::move(r.instructions);
      if (!r.block->sources.empty()) r.block->sources = std::move(r.sources);
      if (!r.block->call_sites.empty()) r.block->call_sites = std::move(r.calls);
    }
    definitions_.clear();
    if (replaced.empty()) return;
    // Replacements may name each other: each is followed to its end first.
    for (auto& [name, value] : replaced)
      for (int steps = 0; steps < kMaxDepth; ++steps) {
        const auto* s = std::get_if<ir::Ssa>(&value);
        auto it = s ? replaced.find(s->name) : replaced.end();
        if (it == replaced.end()) break;
        value = it->second;
      }
    replace_uses(blocks_, replaced);
    remove_unread_aggregates();
  }

 private:
  // Field k of `aggregate` as an operand, with the selects that make it added to `made`.
  std::optional<ir::Operand> field_of(const ir::Operand& aggregate, std::uint32_t k, std::string_view ty,
                                      std::vector<ir::Instruction>& made, int depth) {
    if (depth > kMaxDepth) return std::nullopt;
    if (ir::is_undefined(aggregate)) {
      if (ty == "double" || ty == "float") return ir::Operand(ir::ConstFloat{0.0});
      if (ty == "i1") return ir::Operand(ir::ConstBool{false});
      return ir::Operand(ir::ConstInt{0});
    }
    const auto* s = std::get_if<ir::Ssa>(&aggregate);
    auto d = s ? definitions_.find(s->name) : definitions_.end();
    if (d == definitions_.end()) return std::nullopt;
    if (const auto* insert = std::get_if<ir::InsertValue>(d->second)) {
      if (insert->index == k) return insert->value;
      return field_of(insert->aggregate, k, ty, made, depth + 1);
    }
    if (const auto* select = std::get_if<ir::Select>(d->second); select && select->ty.starts_with('{')) {
      auto a = field_of(select->then_value, k, ty, made, depth + 1);
      auto b = field_of(select->else_value, k, ty, made, depth + 1);
      if (!a || !b) return std::nullopt;
      std::string_view name = names_.keep(text::cat(select->result, ".", k));
      made.push_back(ir::Select{select->cond, std::move(*a), std::move(*b), ty, name});
      return ir::Operand(ir::Ssa{name});
    }
    return std::nullopt;
  }

  // The insertvalues and aggregate selects that nothing reads any more go.
  void remove_unread_aggregates() {
    for (bool removed = true; removed;) {
      removed = false;
      std::unordered_map<std::string_view, bool> read;
      for (const ir::Block& b : blocks_)
        for (const ir::Instruction& i : b.instructions) ir::for_each_use(i, [&](std::string_view n) { read[n] = true; });
      for (ir::Block& b : blocks_) {
        ir::erase_instructions_if(b, [&](const ir::Instruction& i) {
          const auto* select = std::get_if<ir::Select>(&i);
          bool aggregate = std::holds_alternative<ir::InsertValue>(i) || (select && select->ty.starts_with('{'));
          auto name = ir::defined_name(i);
          bool unread = aggregate && name && !read.contains(*name);
          removed = removed || unread;
          return unread;
        });
      }
    }
  }

  std::vector<ir::Block>& blocks_;
  ir::TextPool& names_;
  std::unordered_map<std::string_view, const ir::Instruction*> definitions_;
};

}  // namespace

void split_aggregates(std::vector<ir::Block>& blocks, ir::TextPool& names) { Splitter(blocks, names).run(); }

}  // namespace brintavel::translator
