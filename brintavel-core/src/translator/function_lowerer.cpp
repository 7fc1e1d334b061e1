#include "translator/function_lowerer.hpp"

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

#include "translator/block_graph.hpp"
#include "translator/block_lowerer.hpp"
#include "translator/function_state.hpp"
#include "translator/regions.hpp"
#include "translator/rules.hpp"
#include "translator/snapshots.hpp"
#include "translator/structure.hpp"

namespace brintavel::translator {

using text::cat;

namespace {

// The successors of each lowered block by block number (edges to labels that name no block
// are left out: the structuring reports them).
BlockGraph successors_by_ordinal(const std::vector<BlockLowering>& blocks,
                                 const std::vector<std::string_view>& labels) {
  text::NameMap<std::uint32_t> ordinal;
  ordinal.reserve(labels.size());
  for (std::size_t i = 0; i < labels.size(); ++i) ordinal.try_emplace(labels[i], static_cast<std::uint32_t>(i));
  BlockGraph successors(blocks.size());
  for (std::size_t i = 0; i < blocks.size(); ++i)
    for (std::string_view s : blocks[i].successors)
      if (auto it = ordinal.find(s); it != ordinal.end()) successors[i].push_back(it->second);
  return successors;
}

}  // namespace

struct FunctionLowerer::State {
  State(const TranslationContext& context_in, const SignatureTable& signatures, std::string_view source_in)
      : function(context_in, source_in, context_in.rules.stale_values()),
        rules(context_in.rules.for_function(function)),
        lowerer(function.lowering, signatures, context_in.rules.profile(), *rules) {}

  Error located(Error failure, const char* where) const { return function.located(std::move(failure), where); }

  void close_block() {
    if (!open) return;
    // The first block's text was reserved ahead: an empty one is no statement.
    auto& list = current.statements;
    if (!list.empty())
      if (const auto* lines = std::get_if<qasm::Lines>(&list.front().node); lines && lines->statements == 0)
        list.erase(list.begin());
    if (regions) regions->end_block(current.successors);
    processed.append(std::move(current));
    // The blocks made on its edges follow it.
    for (BlockLowering& made : rules->take_made_blocks()) processed.append(std::move(made));
    open = false;
  }

  // The lowering of block `ordinal`, which is open (not part of a closed region).
  BlockLowering& block_at(std::uint32_t ordinal) { return processed.list()[ordinal - window_start]; }

  // Restarts of if-merge variables stay only in blocks that run more than once: those of the
  // blocks [from, to), given whether each (from `from` on) lies on a cycle.
  void drop_restarts(std::uint32_t from, std::uint32_t to, const std::vector<bool>& cyclic) {
    for (auto it = resets.rbegin(); it != resets.rend(); ++it) {
      if (it->block < from || it->block >= to || cyclic[it->block - from]) continue;
      BlockLowering& block = block_at(it->block);
      block.statements.erase(block.statements.begin() + static_cast<std::ptrdiff_t>(it->element));
      lowering.budget().refund(1);
    }
    std::erase_if(resets, [&](const PendingReset& r) { return r.block >= from && r.block < to; });
  }

  bool close_region(std::uint32_t end, bool last);
  bool phi_stays_in_window(const ir::Phi& phi);
  Result<qasm::Program> assemble();
  // The first use of a value after what it read was overwritten, as an error at that use.
  Status report_stale(const BlockGraph& successors) {
    const char* stale_use = nullptr;
    Status stale = lowering.dataflow().find_stale_read(successors, labels, lowering.budget(), &stale_use);
    if (!stale) return located(std::move(stale).error(), stale_use);
    return {};
  }
  Result<qasm::Program> assemble_regions();
  Result<qasm::Program> declare(qasm::StatementList body, bool zero_results) {
    BRINTAVEL_TRY_ASSIGN(qasm::Program program, declare_program(context, source, lowering, variables, std::move(body),
                                                                zero_results || zero_covered));
    program.names = lowering.take_names();
    return program;
  }

  FunctionState function;
  std::unique_ptr<FunctionRules> rules;
  BlockLowerer lowerer;
  // The members of `function` by their short names.
  const TranslationContext& context = function.context;
  std::string_view source = function.source;
  LoweringContext& lowering = function.lowering;
  ProcessedBlocks& processed = function.processed;
  Variables& variables = function.variables;
  PendingResets& resets = function.resets;
  std::vector<std::string_view>& labels = function.labels;
  std::vector<const char*>& block_sources = function.block_sources;

  std::deque<std::string> numbered;  // the labels of unlabeled blocks, by position
  BlockLowering current;
  bool open = false;
  bool ended = false;  // the current block's terminator was lowered
  std::optional<Error> error;

  // Split into regions: where they close, the first open block's number, the printed
  // regions, and which closed blocks lie on cycles.
  std::unique_ptr<RegionSplitter> regions;
  std::uint32_t window_start = 0;
  std::string printed;
  qasm::LineOrigins printed_origins;  // of the lines of `printed`, when origins are kept
  std::vector<bool> cyclic_blocks;
  BlockStructurer structurer;  // structures the regions, its working memory kept between them
  bool abandoned = false;  // the regions did not hold: the function is lowered again
  bool zero_covered = false;  // the register covers results nothing is measured into
};

FunctionLowerer::FunctionLowerer(const TranslationContext& context, const SignatureTable& signatures,
                                 std::string_view source)
    : state_(std::make_unique<State>(context, signatures, source)) {}

FunctionLowerer::~FunctionLowerer() = default;

void FunctionLowerer::use_body(const BodyIndex& body, const BodyRanges& ranges) {
  if (state_->function.body) state_->rules->body_changed();
  state_->function.body = &body;
  state_->function.ranges = &ranges;
  state_->lowering.use_body_ranges(&ranges);
}

bool FunctionLowerer::failed() const { return state_->error.has_value(); }

void FunctionLowerer::split_into_regions(std::uint32_t minimum_region) {
  state_->regions = std::make_unique<RegionSplitter>(minimum_region);
}

bool FunctionLowerer::needs_whole_function() const { return state_->abandoned; }

void FunctionLowerer::cover_results(std::span<const std::int64_t> results) {
  for (std::int64_t j : results) state_->lowering.note_result_index(j);
  if (!results.empty()) state_->zero_covered = true;
}

void FunctionLowerer::begin_block(std::string_view label) {
  State& s = *state_;
  if (s.error || s.abandoned) return;
  s.close_block();
  // Block labels: the source label, or the block's position for an unlabeled block.
  if (label.empty()) label = s.numbered.emplace_back(cat(s.window_start + s.labels.size()));
  if (s.regions)
    if (auto end = s.regions->begin_block(label); end && !s.close_region(*end, false)) return;
  s.labels.push_back(label);
  s.block_sources.push_back(label.data() >= s.source.data() &&
                                    label.data() < s.source.data() + s.source.size()
                                ? label.data()
                                : nullptr);
  s.current = BlockLowering{label, {}, {}, std::nullopt};
  s.current.ordinal = s.window_start + static_cast<std::uint32_t>(s.processed.list().size());
  if (s.current.ordinal == 0) {
    // The first block of a straight-line program holds almost all of it: its text grows to
    // a quarter to a third of the input, reserved at once at half of it, more than a program
    // of calls through wrappers prints (untouched pages cost nothing).
    auto& lines = std::get<qasm::Lines>(s.current.statements.emplace_back(qasm::Lines{}).node);
    lines.text.reserve(s.source.size() / 2);
  }
  s.lowering.begin_block();
  s.open = true;
  s.ended = false;
}

void FunctionLowerer::instruction(const ir::Instruction& instruction, const char* where, const char* call) {
  State& s = *state_;
  if (s.error || s.ended || s.abandoned) return;  // nothing after a block's terminator is looked at
  if (!s.block_sources.back()) s.block_sources.back() = where;
  if (s.regions && s.regions->closed_any())
    if (const auto* phi = std::get_if<ir::Phi>(&instruction); phi && !s.phi_stays_in_window(*phi)) {
      s.abandoned = true;
      return;
    }
  s.lowering.begin_instruction(s.current.size, where);
  s.lowering.emitter().from(qasm::Origin{where, call});
  auto ended = s.lowerer.lower_instruction(instruction, s.current);
  if (!ended) {
    // After a region closed, an error may come from the regions; lowered again, the
    // function tells.
    if (s.regions && s.regions->closed_any()) {
      s.abandoned = true;
      return;
    }
    s.error = s.located(std::move(ended).error(), where);
    return;
  }
  s.ended = *ended;
}

Result<qasm::Program> FunctionLowerer::finish() {
  State& s = *state_;
  if (s.error) return std::move(*s.error);
  if (!s.abandoned) s.close_block();
  if (s.abandoned || (s.regions && s.regions->closed_any())) {
    // (What the rules check at the end fails the same way lowered again.)
    if (!s.abandoned && s.rules->end_function() && s.regions->finish() &&
        s.close_region(s.window_start + static_cast<std::uint32_t>(s.processed.list().size()), true)) {
      Result<qasm::Program> program = s.assemble_regions();
      if (program) return program;
    }
    s.abandoned = true;
    return internal_error("the regions of the function did not hold");
  }
  BRINTAVEL_CHECK(s.rules->end_function());
  return s.assemble();
}

// A phi's predecessors are open blocks or blocks still to come (a loop's latch), and
// distinct: the lookups of the phi rules then find among the open blocks what they would find
// among all. (That a predecessor which is not open is still to come is checked at the end.)
bool FunctionLowerer::State::phi_stays_in_window(const ir::Phi& phi) {
  for (std::size_t i = 0; i < phi.incomings.size(); ++i) {
    if (!regions->is_open(phi.incomings[i].predecessor)) regions->expect_not_begun(phi.incomings[i].predecessor);
    for (std::size_t k = 0; k < i; ++k)
      if (phi.incomings[k].predecessor == phi.incomings[i].predecessor) return false;
  }
  return true;
}

// Structures the open blocks before block `end` (all open blocks when `last`), prints them
// after the regions before, and lets them go. False when that failed: the function is then
// lowered again.
bool FunctionLowerer::State::close_region(std::uint32_t end, bool last) {
  std::uint32_t count = end - window_start;
  if (count == 0 || count > processed.list().size()) return !(abandoned = true);
  // From the first region on, a failure is reported by the function lowered again whole: the
  // records need not name the phis that write variables.
  lowering.dataflow().leave_out_writers();
  std::optional<BlockGraph> graph = regions->region_graph(window_start, end, !last);
  if (!graph) return !(abandoned = true);
  std::vector<bool> cyclic = blocks_on_cycles(*graph);
  // What the region's values read is checked now, and its records let go.
  if (!lowering.dataflow().settle_region(window_start, end, *graph, cyclic, lowering.budget()))
    return !(abandoned = true);
  cyclic_blocks.insert(cyclic_blocks.end(), cyclic.begin(), cyclic.begin() + count);
  drop_restarts(window_start, end, cyclic);
  std::vector<BlockLowering> blocks = structurer.spare_blocks();
  processed.take_front(count, blocks);
  std::string_view entry = blocks.front().label;
  // The region ends in the next block, here empty and without successors.
  BlockLowering next{last ? std::string_view() : labels[count], {}, {}, std::nullopt};
  next.ordinal = end;
  auto structured = structurer.structure(std::move(blocks), entry, &lowering.budget(), StructureSearch::Incremental,
                                         nullptr, &*graph, last ? nullptr : &next);
  // The printed text grows to a sixth to a third of the input, reserved at once at half of it
  // (untouched pages cost nothing).
  if (printed.empty()) printed.reserve(source.size() / 2);
  if (!structured ||
      !qasm::print_statements_within(*structured, printed, Limits::output_bytes_for_input(source.size()),
                                     lowering.emitter().keeps_origins() ? &printed_origins : nullptr))
    return !(abandoned = true);
  structurer.give_back(std::move(*structured));
  labels.erase(labels.begin(), labels.begin() + count);
  block_sources.erase(block_sources.begin(), block_sources.begin() + count);
  regions->closed(end);
  window_start = end;
  return true;
}

Result<qasm::Program> FunctionLowerer::State::assemble() {
  BlockGraph successors = successors_by_ordinal(processed.list(), labels);

  std::vector<bool> cyclic = blocks_on_cycles(successors);
  drop_restarts(0, static_cast<std::uint32_t>(successors.size()), cyclic);
  lowering.dataflow().drop_conditional_writes(cyclic);

  // What the substituted values read must still hold on every path to where they are used:
  // where it may not, the rules either refuse or give the value a variable of its own.
  if (lowering.stale_values() == StaleValues::CheckOverGraph) {
    std::vector<Dataflow::StaleRead> stale;
    BRINTAVEL_CHECK(lowering.dataflow().find_stale_read(successors, labels, lowering.budget(), nullptr, &stale));
    BRINTAVEL_TRY_ASSIGN(bool patched, snapshot_stale_values(processed.list(), stale, lowering, variables));
    if (!patched) BRINTAVEL_CHECK(report_stale(successors));
  } else {
    BRINTAVEL_CHECK(report_stale(successors));
  }
  BRINTAVEL_TRY_ASSIGN(bool zero_results, lowering.dataflow().results_may_be_read_unset(
                                              successors, labels, lowering.budget()));
  lowering.release_lowering_state();

  if (context.dump_stage == DumpStage::Blocks) dump_blocks(processed.list(), *context.dump);
  std::uint32_t failed_block = 0;
  auto structured = structure_control_flow(processed.take(), labels.front(),
                                                &lowering.budget(), StructureSearch::Incremental,
                                                &failed_block, &successors);
  if (!structured)
    return located(std::move(structured).error(),
                   failed_block < block_sources.size() ? block_sources[failed_block] : nullptr);
  if (context.dump_stage == DumpStage::Structured) dump_structured(*structured, *context.dump);
  return declare(std::move(*structured), zero_results);
}

// The checks of assemble() over the whole branch graph, for a function whose regions are
// printed already.
Result<qasm::Program> FunctionLowerer::State::assemble_regions() {
  const BlockGraph& successors = regions->graph();
  lowering.dataflow().drop_conditional_writes(cyclic_blocks);
  const std::vector<std::string_view> no_labels;  // (a failure is reported by the whole function)
  BRINTAVEL_CHECK(lowering.dataflow().find_stale_read(successors, no_labels, lowering.budget()));
  BRINTAVEL_TRY_ASSIGN(bool zero_results, lowering.dataflow().results_may_be_read_unset(
                                              successors, no_labels, lowering.budget()));
  lowering.release_lowering_state();
  qasm::StatementList body;
  std::uint64_t lines = lowering.emitter().keeps_origins() ? printed_origins.size() : 1;
  body.emplace_back(qasm::Lines{std::move(printed), lines, 0, std::move(printed_origins)});
  return declare(std::move(body), zero_results);
}

// The program: the includes, the registers and variables the body uses, and the body.
}  // namespace brintavel::translator
