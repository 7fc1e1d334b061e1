#include "translator/entry_point.hpp"

#include "translator/inline.hpp"
#include "translator/promote_memory.hpp"
#include "translator/records.hpp"
#include "translator/segments.hpp"
#include "translator/simplify_cfg.hpp"
#include "translator/split_aggregates.hpp"
#include "translator/rules.hpp"

#include <algorithm>
#include <span>
#include <vector>

namespace brintavel::translator {

using text::cat;
using text::q;

namespace {

// Keeps an inlined body as IR.
class BodyCollector final : public BodySink {
 public:
  explicit BodyCollector(std::vector<ir::Block>& blocks) : blocks_(blocks) {}
  void begin_block(std::string_view label, std::size_t size) override {
    ir::Block& block = blocks_.emplace_back(ir::Block{label, {}, {}});
    block.instructions.reserve(size);
    block.sources.reserve(size);
    block.call_sites.reserve(size);
  }
  void instruction(ir::Instruction&& instruction, const char* where, const char* call) override {
    blocks_.back().instructions.push_back(std::move(instruction));
    blocks_.back().sources.push_back(where);
    blocks_.back().call_sites.push_back(call);
  }
  bool failed() const override { return false; }

 private:
  std::vector<ir::Block>& blocks_;
};

// Hands blocks to the lowerer, until it fails; with `continues`, the first one's instructions go
// on in the block the lowerer has open.
void lower_blocks(std::span<const ir::Block> blocks, FunctionLowerer& lowerer, bool continues = false) {
  for (const ir::Block& block : blocks) {
    if (!continues || &block != blocks.data()) lowerer.begin_block(block.label);
    for (std::size_t i = 0; i < block.instructions.size() && !lowerer.failed(); ++i)
      lowerer.instruction(block.instructions[i], ir::source_of(block, i), ir::call_site_of(block, i));
    if (lowerer.failed()) return;
  }
}

// Whether an instruction of the body computes an integer the range analysis could bound.
bool has_integer_values(std::span<const ir::Block> blocks) {
  for (const ir::Block& b : blocks)
    for (const ir::Instruction& i : b.instructions)
      if (!std::holds_alternative<ir::Call>(i) && !std::holds_alternative<ir::Br>(i) &&
          !std::holds_alternative<ir::CondBr>(i) && !std::holds_alternative<ir::Ret>(i) &&
          !std::holds_alternative<ir::Ignored>(i))
        return true;
  return false;
}

}  // namespace

bool enters(const SegmentAnalysis& before, std::span<const ir::Block> next, bool continues) {
  if (continues || next.empty()) return before.entered;
  return std::find(before.exits.begin(), before.exits.end(), ir::label_of(next.front())) != before.exits.end();
}

void lower_segment(const Rules& rules, const ModuleConstants& constants, std::span<const ir::Block> segment,
                   bool entered, SegmentAnalysis& analysis, FunctionLowerer& lowerer, bool continues,
                   SegmentNames* names) {
  // (Where no run reaches the segment, its blocks are lowered as the whole body's analysis
  // would have them: as blocks that never run.)
  analysis.entered = entered;
  analysis.exits.clear();
  analysis.index.emplace(segment, &rules.profile(), &constants, names);
  // (A body of calls and branches alone has no integer to bound; nor has one whose names say
  // it holds no value.)
  if ((!names || names->values) && has_integer_values(segment)) {
    analysis.ranges = analyze_ranges(*analysis.index, entered, &analysis.exits);
  } else {
    analysis.ranges = BodyRanges{};
    branch_exits(*analysis.index, entered, analysis.exits);
  }
  lowerer.use_body(*analysis.index, analysis.ranges);
  lower_blocks(segment, lowerer, continues);
}

const ir::Function* find_entry_point(const ir::Module& module, std::optional<std::string_view> name) {
  for (const ir::Function& fn : module.functions)
    if (!fn.is_declaration && fn.is_entry_point && (!name || fn.name == *name)) return &fn;
  return nullptr;
}

ir::Function* find_entry_point(ir::Module& module, std::optional<std::string_view> name) {
  return const_cast<ir::Function*>(find_entry_point(static_cast<const ir::Module&>(module), name));
}

Error no_entry_point(std::optional<std::string_view> name) {
  if (name) return unsupported(cat("no entry-point function named ", q(*name), " in this module"));
  return unsupported(
      "no entry-point function found; QIR modules must have a function tagged with the "
      "'entry_point' attribute");
}

Result<qasm::Program> translate_entry_point(const TranslationContext& context,
                                            const ir::Module& module) {
  BRINTAVEL_TRY_ASSIGN(SignatureTable signatures, build_signature_table(module.source));
  const ir::Function* entry = find_entry_point(module, context.entry_name);
  if (!entry) return no_entry_point(context.entry_name);
  return translate_entry_point(context, module, signatures, *entry);
}

namespace {

// How the blocks of a body are lowered: the segments the rules analyse them by (each the
// first block of the next, ascending, then the number of blocks), and whether the lowerer
// structures and prints it region by region (regions.hpp), closing regions of at least
// `regions` blocks.
struct BodyLowering {
  std::vector<std::uint32_t> segment_ends;
  std::optional<std::uint32_t> regions;
};

// Lowers `blocks`, the body of `entry` as the rules read it. `inlined`: how inlining ended.
// Nothing when the regions did not hold: the body is then lowered again without them.
std::optional<Result<qasm::Program>> lower_body(const TranslationContext& context, const ir::Module& module,
                                                const SignatureTable& signatures, std::span<const ir::Block> blocks,
                                                const BodyLowering& how, const Status& inlined) {
  const Rules& rules = context.rules;
  FunctionLowerer lowerer(context, signatures, module.source);
  if (how.regions) lowerer.split_into_regions(*how.regions);
  const ModuleConstants constants(module.arrays, module.strings);
  SegmentAnalysis analysis;  // (the last segment's stays for the end of the lowering)
  if (!rules.analyzes_body()) {
    lower_blocks(blocks, lowerer);
  } else {
    std::uint32_t start = 0;
    for (std::uint32_t end : how.segment_ends) {
      std::span<const ir::Block> segment = blocks.subspan(start, end - start);
      lower_segment(rules, constants, segment, start == 0 || enters(analysis, segment, false), analysis, lowerer);
      if (lowerer.failed()) break;
      start = end;
    }
  }
  if (!inlined && !lowerer.failed()) {
    // (Where the regions gave way to an error of the lowering, lowered again it tells first.)
    if (lowerer.needs_whole_function()) return std::nullopt;
    return Result<qasm::Program>(inlined.error());
  }
  if (context.records && !lowerer.failed()) {
    ProgramRecords found = gather_records(blocks, module.source, rules.profile());
    if (rules.covers_recorded_results()) lowerer.cover_results(found.unmeasured);
    *context.records = std::move(found.records);
    if (context.warnings)
      context.warnings->insert(context.warnings->end(), std::make_move_iterator(found.warnings.begin()),
                               std::make_move_iterator(found.warnings.end()));
  }
  Result<qasm::Program> program = lowerer.finish();
  if (lowerer.needs_whole_function()) return std::nullopt;
  return program;
}

// The lowering of `entry`; the rules that rewrite the body take `own_blocks` (the entry's own
// blocks, when the caller gives them up) instead of copying them. `segments`: the fewest
// blocks of a segment, and of a region, where the rules analyse the body (none: the body is
// analysed and lowered whole).
Result<qasm::Program> lower_entry_point(const TranslationContext& context, const ir::Module& module,
                                        const SignatureTable& signatures, const ir::Function& entry,
                                        std::vector<ir::Block>* own_blocks, std::optional<std::uint32_t> segments) {
  const Rules& rules = context.rules;
  // The body with its calls inlined, where the rules inline them. An inlining error ends the
  // body there: the lowering's own errors before that point come first.
  FunctionBody body;
  std::span<const ir::Block> blocks = entry.blocks;
  Status inlined;
  if (rules.inlines_calls() && has_inlinable_calls(module, entry, rules.profile())) {
    BodyCollector collector(body.blocks);
    inlined = inline_calls(module, entry, rules.profile(), body.names, collector);
    blocks = body.blocks;
    // The body inlined is all that is read from here on.
    if (own_blocks) std::vector<ir::Block>().swap(*own_blocks);
  }
  BodyLowering how;
  if (rules.analyzes_body()) {
    // Variables kept in stack memory become SSA values first.
    if (blocks.data() != body.blocks.data()) {
      if (own_blocks) body.blocks = std::move(*own_blocks);
      else body.blocks.assign(blocks.begin(), blocks.end());
      // (Inlining leaves out what follows a terminator itself.)
      for (ir::Block& block : body.blocks) ir::drop_after_terminator(block);
    }
    split_aggregates(body.blocks, body.names);
    promote_memory(body.blocks, body.names);
    for (const char* where : simplify_cfg(body.blocks, body.names))
      if (context.warnings)
        context.warnings->push_back(SourceWarning{
            "the program aborts here on some runs; OpenQASM cannot end a run early, so the translation goes on "
            "as if it did not",
            where});
    if (segments) how.segment_ends = segment_starts(body.blocks, *segments);
    if (how.segment_ends.empty()) order_by_dominance(body.blocks);
    blocks = body.blocks;
    how.segment_ends.push_back(static_cast<std::uint32_t>(blocks.size()));
    // Segments and regions close at the same kind of place: a body that has several segments
    // is printed by regions too.
    if (how.segment_ends.size() > 1) how.regions = segments;
  }
  const std::size_t warned = context.warnings ? context.warnings->size() : 0;
  if (auto program = lower_body(context, module, signatures, blocks, how, inlined)) return std::move(*program);
  // A lowering begun again warns again.
  if (context.warnings) context.warnings->resize(warned);
  how.regions.reset();
  return *lower_body(context, module, signatures, blocks, how, inlined);
}

}  // namespace

Result<qasm::Program> translate_entry_point(const TranslationContext& context, const ir::Module& module,
                                            const SignatureTable& signatures, const ir::Function& entry) {
  return lower_entry_point(context, module, signatures, entry, nullptr, std::nullopt);
}

Result<qasm::Program> translate_entry_point(const TranslationContext& context, const ir::Module& module,
                                            const SignatureTable& signatures, ir::Function&& entry,
                                            std::optional<std::uint32_t> segments) {
  return lower_entry_point(context, module, signatures, entry, &entry.blocks, segments);
}

}  // namespace brintavel::translator
