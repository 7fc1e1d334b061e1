#include "translator/driver.hpp"

#include <algorithm>
#include <array>
#include <deque>
#include <limits>

#include "builders/quantum.hpp"
#include "cfg.hpp"
#include "signatures.hpp"
#include "translator/classical.hpp"
#include "translator/extended.hpp"
#include "translator/inline.hpp"
#include "translator/phi.hpp"

namespace brintavel::translator {

using text::cat;
using text::q;

namespace {

// The blocks that lie on a cycle of the branch graph (Tarjan's strongly connected
// components, walked iteratively).
std::vector<bool> blocks_on_cycles(const BlockGraph& succs) {
  std::size_t n = succs.size();
  constexpr std::size_t kUnvisited = SIZE_MAX;
  std::vector<std::size_t> order(n, kUnvisited), low(n, 0);
  std::vector<bool> on_stack(n, false), cyclic(n, false);
  std::vector<std::size_t> stack;
  std::vector<std::pair<std::size_t, std::size_t>> walk;  // (node, next successor)
  std::size_t counter = 0;
  for (std::size_t root = 0; root < n; ++root) {
    if (order[root] != kUnvisited) continue;
    walk.push_back({root, 0});
    order[root] = low[root] = counter++;
    stack.push_back(root);
    on_stack[root] = true;
    while (!walk.empty()) {
      auto& [v, next] = walk.back();
      if (next < succs[v].size()) {
        std::size_t w = succs[v].begin()[next++];
        if (order[w] == kUnvisited) {
          order[w] = low[w] = counter++;
          stack.push_back(w);
          on_stack[w] = true;
          walk.push_back({w, 0});
        } else if (on_stack[w]) {
          low[v] = std::min(low[v], order[w]);
        }
        continue;
      }
      std::size_t done = v;
      walk.pop_back();
      if (!walk.empty()) low[walk.back().first] = std::min(low[walk.back().first], low[done]);
      if (low[done] != order[done]) continue;
      // `done` roots a component: it is a cycle when it has several blocks or a self-loop.
      std::size_t first = stack.size();
      do --first; while (stack[first] != done);
      bool cycle = stack.size() - first > 1 ||
                   std::find(succs[done].begin(), succs[done].end(), done) != succs[done].end();
      for (std::size_t k = first; k < stack.size(); ++k) {
        on_stack[stack[k]] = false;
        if (cycle) cyclic[stack[k]] = true;
      }
      stack.resize(first);
    }
  }
  return cyclic;
}

class BlockLowerer {
 public:
  BlockLowerer(const TranslationContext& context, const SignatureTable& signatures,
               LoweringContext& lowering, ProcessedBlocks& processed, IntVariables& variables,
               PendingResets& resets)
      : context_(context),
        signatures_(signatures),
        ctx_(lowering),
        processed_(processed),
        variables_(variables),
        resets_(resets) {}

  // Lowers one instruction into `out`; returns whether it ended the block.
  Result<bool> lower_instruction(const ir::Instruction& instruction, BlockLowering& out) {
    return std::visit([&](const auto& i) { return lower(i, out); }, instruction);
  }

 private:
  // Terminators record how the block ends.
  Result<bool> lower(const ir::Br& br, BlockLowering& out) {
    out.successors = {br.target};
    return true;
  }
  Result<bool> lower(const ir::CondBr& br, BlockLowering& out) {
    if (const bool* constant = std::get_if<bool>(&br.condition)) {
      out.condition = qasm::Expression(qasm::BoolLiteral{*constant});
    } else {
      std::string_view name = std::get<std::string_view>(br.condition);
      BRINTAVEL_TRY_ASSIGN(out.condition, ctx_.lookup_value(name));
      BRINTAVEL_CHECK(check_finite(*out.condition, [&] { return cat("SSA value ", q(name)); }));
      out.condition_captures = ctx_.take_pending();
      ctx_.add_pending(out.condition_captures);
      ctx_.use_pending(Reader{Reader::Kind::BranchCondition, out.label},
                       ctx_.at(out.ordinal, kBlockEnd));
    }
    out.successors = {br.true_label, br.false_label};
    out.condition_time = ctx_.now();
    return true;
  }
  Result<bool> lower(const ir::Ret&, BlockLowering&) { return true; }

  Result<bool> lower(const ir::Call& call, BlockLowering& out) {
    BRINTAVEL_CHECK(lower_call(call, out));
    return false;
  }
  Result<bool> lower(const ir::Phi& phi, BlockLowering& out) {
    BRINTAVEL_CHECK(lower_phi(phi, out.label, processed_, variables_, ctx_, &resets_));
    return false;
  }
  Result<bool> lower(const ir::Ignored&, BlockLowering&) { return false; }
  Result<bool> lower(const ir::Unknown& unknown, BlockLowering& out) {
    return unsupported(cat("unsupported LLVM instruction opcode ", q(unknown.opcode), " in block ",
                           q(out.label)));
  }

  // Classical instructions bind values or record pointer facts; they add no statement.
  template <class Classical>
  Result<bool> lower(const Classical& instruction, BlockLowering&) {
    if constexpr (std::is_same_v<Classical, ir::Icmp>) {
      BRINTAVEL_CHECK(lower_icmp(instruction, ctx_));
    } else if constexpr (std::is_same_v<Classical, ir::Logic>) {
      BRINTAVEL_CHECK(lower_logic(instruction, ctx_));
    } else if constexpr (std::is_same_v<Classical, ir::Select>) {
      BRINTAVEL_CHECK(lower_select(instruction, ctx_));
    } else if constexpr (std::is_same_v<Classical, ir::Arith>) {
      BRINTAVEL_CHECK(lower_arith(instruction, ctx_));
    } else if constexpr (std::is_same_v<Classical, ir::Alloca>) {
      lower_alloca(instruction, ctx_);
    } else if constexpr (std::is_same_v<Classical, ir::Bitcast>) {
      lower_bitcast(instruction, ctx_);
    } else if constexpr (std::is_same_v<Classical, ir::Gep>) {
      lower_gep(instruction, ctx_);
    } else if constexpr (std::is_same_v<Classical, ir::Store>) {
      lower_store(instruction, ctx_);
      if (ctx_.extended) BRINTAVEL_CHECK(note_memory_use(instruction.pointer, false));
    } else if constexpr (std::is_same_v<Classical, ir::Load>) {
      BRINTAVEL_CHECK(lower_load(instruction, ctx_));
      if (ctx_.extended && ctx_.peek_value(instruction.result))
        BRINTAVEL_CHECK(note_memory_use(instruction.pointer, true));
    } else if constexpr (std::is_same_v<Classical, ir::Zext>) {
      BRINTAVEL_CHECK(lower_zext(instruction, ctx_));
    } else if constexpr (std::is_same_v<Classical, ir::IntToPtr>) {
      BRINTAVEL_CHECK(lower_inttoptr(instruction, ctx_));
    } else if constexpr (std::is_same_v<Classical, ir::IntOp>) {
      BRINTAVEL_CHECK(lower_int_op(instruction, ctx_));
    } else if constexpr (std::is_same_v<Classical, ir::Cast>) {
      BRINTAVEL_CHECK(lower_cast(instruction, ctx_));
    } else if constexpr (std::is_same_v<Classical, ir::FloatOp>) {
      BRINTAVEL_CHECK(lower_float_op(instruction, ctx_));
    } else if constexpr (std::is_same_v<Classical, ir::FNeg>) {
      BRINTAVEL_CHECK(lower_fneg(instruction, ctx_));
    } else {
      static_assert(std::is_same_v<Classical, ir::Fcmp>, "an instruction kind is not lowered");
      BRINTAVEL_CHECK(lower_fcmp(instruction, ctx_));
    }
    return false;
  }

  // The signature and builder of a callee. Circuits call a handful of functions over and
  // over, so the last few lookups are kept (by name) in front of the two hash tables.
  struct Callee {
    std::string_view name;
    const Signature* signature;
    const builders::BuilderKind* kind;
  };

  Callee find_callee(std::string_view name) {
    for (const Callee& c : recent_)
      if (c.signature && c.name == name) return c;
    Callee c{name, signatures_.find(name), nullptr};
    if (c.signature) {
      c.kind = builders::lookup_builder(context_.profile, name);
      recent_[next_recent_++ % recent_.size()] = c;
    }
    return c;
  }

  Status lower_call(const ir::Call& call, BlockLowering& out) {
    auto [name, sig, kind] = find_callee(call.callee);
    if (!sig) return unsupported(cat("no signature for callee ", q(call.callee), " in QIR source"));
    if (!kind) {
      if (sig->is_variadic)
        return unsupported(cat("variadic QIR function '", call.callee,
                               "' is not supported; only 'generalizedInvokeWithRotationsControlsTargets' "
                               "is; multi-controlled gates must be decomposed into single- and "
                               "two-qubit gates before translation"));
      return unsupported(cat("no builder registered for QIR function '", call.callee,
                             "'; extend the Profile to support it"));
    }
    bool default_dispatch = builders::is_default_dispatch(*kind);
    if (default_dispatch && sig->is_variadic)
      return unsupported(cat("QIR function ", q(call.callee),
                             " is variadic and cannot be lowered by the default dispatch; variadic "
                             "lowering requires a specialized builder that inspects the runtime "
                             "operand list"));
    if ((default_dispatch || !sig->is_variadic) && call.args.size() != sig->params.size())
      return unsupported(cat("arity mismatch calling ", q(call.callee), ": IR supplied ",
                             call.args.size(), " operand(s) but signature expects ",
                             sig->params.size()));
    // The builder appends to a scratch list, whose printed lines keep their storage.
    if (scratch_.size() == 1 && std::holds_alternative<qasm::Lines>(scratch_.front().node)) {
      auto& lines = std::get<qasm::Lines>(scratch_.front().node);
      lines.text.clear();
      lines.statements = lines.nodes = 0;
    } else {
      scratch_.clear();
    }
    BRINTAVEL_CHECK(builders::run_builder(*kind, *sig, call.args, call.result, ctx_, scratch_));
    std::uint64_t made = 0;
    for (const qasm::Statement& s : scratch_) {
      if (const auto* lines = std::get_if<qasm::Lines>(&s.node)) {
        if (lines->statements == 0) continue;
        append_lines(out, *lines);
        made += lines->statements;
      } else {
        append_statement(out, s);
        ++made;
      }
    }
    return ctx_.budget().charge(made, "block", out.label);
  }

  // A load is given the value stored in memory earlier in source order. That is the value it
  // reads only when the memory is written once: a load before the store reads memory that
  // holds no value yet. The extended rules, which also meet memory that loops and branches
  // write (variables that producers keep in allocas), refuse memory written more than once
  // and read.
  Status note_memory_use(std::string_view pointer, bool load) {
    auto origin = ctx_.pointer_origins.find(pointer);
    if (origin == ctx_.pointer_origins.end()) return {};
    MemoryUse& use = memory_uses_[MemoryCell{origin->second.base, origin->second.offset}];
    if (load) {
      use.read = true;
    } else {
      use.written_again = use.written_again || use.written;
      use.written = true;
    }
    if (use.read && use.written_again)
      return unsupported(cat("memory at ", q(origin->second.base),
                             " is written more than once and read; following memory whose "
                             "contents change is not supported"));
    return {};
  }

  struct MemoryUse {
    bool written = false;
    bool written_again = false;
    bool read = false;
  };

  const TranslationContext& context_;
  const SignatureTable& signatures_;
  LoweringContext& ctx_;
  std::unordered_map<MemoryCell, MemoryUse, MemoryCellHash> memory_uses_;
  ProcessedBlocks& processed_;
  IntVariables& variables_;
  PendingResets& resets_;
  qasm::StatementList scratch_;  // a call's statements, before they are printed into the block
  std::array<Callee, 8> recent_{};
  std::size_t next_recent_ = 0;
};

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

// Hands an inlined body to the lowerer.
class LowererSink final : public BodySink {
 public:
  explicit LowererSink(FunctionLowerer& lowerer) : lowerer_(lowerer) {}
  void begin_block(std::string_view label) override { lowerer_.begin_block(label); }
  void instruction(const ir::Instruction& instruction, const char* where) override {
    lowerer_.instruction(instruction, where);
  }
  bool failed() const override { return lowerer_.failed(); }

 private:
  FunctionLowerer& lowerer_;
};

Result<std::uint64_t> register_size(std::int64_t max_index, const char* overflow_message) {
  if (max_index == std::numeric_limits<std::int64_t>::max()) return unsupported(overflow_message);
  return static_cast<std::uint64_t>(max_index) + 1;
}

}  // namespace

const ir::Function* find_entry_point(const ir::Module& module, std::optional<std::string_view> name) {
  for (const ir::Function& fn : module.functions)
    if (!fn.is_declaration && fn.is_entry_point && (!name || fn.name == *name)) return &fn;
  return nullptr;
}

struct FunctionLowerer::State {
  State(const TranslationContext& context_in, const SignatureTable& signatures, std::string_view source_in)
      : context(context_in),
        source(source_in),
        lowering(Limits::nodes_for_input(source_in.size()), context_in.extended),
        lowerer(context_in, signatures, lowering, processed, variables, resets) {}

  // An error with the position of `where`, unless it has one.
  Error located(Error failure, const char* where) const {
    if (!failure.position && where && source.data() <= where && where <= source.data() + source.size())
      failure.position = text::locate(source, where);
    return failure;
  }

  void close_block() {
    if (!open) return;
    // The first block's text was reserved ahead: an empty one is no statement.
    auto& list = current.statements;
    if (!list.empty())
      if (const auto* lines = std::get_if<qasm::Lines>(&list.front().node); lines && lines->statements == 0)
        list.erase(list.begin());
    processed.append(std::move(current));
    open = false;
  }

  Result<qasm::Program> assemble();

  const TranslationContext& context;
  std::string_view source;
  LoweringContext lowering;
  ProcessedBlocks processed;
  IntVariables variables;
  PendingResets resets;
  BlockLowerer lowerer;
  std::deque<std::string> numbered;  // the labels of unlabeled blocks, by position
  std::vector<std::string_view> labels;
  std::vector<const char*> block_sources;
  BlockLowering current;
  bool open = false;
  bool ended = false;  // the current block's terminator was lowered
  std::optional<Error> error;
};

FunctionLowerer::FunctionLowerer(const TranslationContext& context, const SignatureTable& signatures,
                                 std::string_view source)
    : state_(std::make_unique<State>(context, signatures, source)) {}

FunctionLowerer::~FunctionLowerer() = default;

bool FunctionLowerer::failed() const { return state_->error.has_value(); }

void FunctionLowerer::begin_block(std::string_view label) {
  State& s = *state_;
  if (s.error) return;
  s.close_block();
  // Block labels: the source label, or the block's position for an unlabeled block.
  if (label.empty()) label = s.numbered.emplace_back(cat(s.labels.size()));
  s.labels.push_back(label);
  s.block_sources.push_back(label.data() >= s.source.data() &&
                                    label.data() < s.source.data() + s.source.size()
                                ? label.data()
                                : nullptr);
  s.current = BlockLowering{label, {}, {}, std::nullopt};
  s.current.ordinal = static_cast<std::uint32_t>(s.processed.list().size());
  if (s.current.ordinal == 0) {
    // The first block of a straight-line program holds almost all of it: its text grows to
    // about a third of the input, reserved at once (untouched pages cost nothing).
    auto& lines = std::get<qasm::Lines>(s.current.statements.emplace_back(qasm::Lines{}).node);
    lines.text.reserve(s.source.size() / 3);
  }
  s.lowering.begin_block();
  s.open = true;
  s.ended = false;
}

void FunctionLowerer::instruction(const ir::Instruction& instruction, const char* where) {
  State& s = *state_;
  if (s.error || s.ended) return;  // nothing after a block's terminator is looked at
  if (!s.block_sources.back()) s.block_sources.back() = where;
  s.lowering.begin_instruction(s.current.size, where);
  auto ended = s.lowerer.lower_instruction(instruction, s.current);
  if (!ended) {
    s.error = s.located(std::move(ended).error(), where);
    return;
  }
  s.ended = *ended;
}

Result<qasm::Program> FunctionLowerer::finish() {
  State& s = *state_;
  if (s.error) return std::move(*s.error);
  s.close_block();
  return s.assemble();
}

Result<qasm::Program> FunctionLowerer::State::assemble() {
  BlockGraph successors = successors_by_ordinal(processed.list(), labels);

  // Restarts of if-merge variables stay only in blocks that run more than once.
  std::vector<bool> cyclic = blocks_on_cycles(successors);
  for (auto it = resets.rbegin(); it != resets.rend(); ++it) {
    if (cyclic[it->block]) continue;
    BlockLowering& block = processed.list()[it->block];
    block.statements.erase(block.statements.begin() + static_cast<std::ptrdiff_t>(it->element));
    lowering.budget().refund(1);
  }
  lowering.dataflow().drop_conditional_writes(cyclic);

  // What the substituted values read must still hold on every path to where they are used.
  const char* stale_use = nullptr;
  if (Status stale = lowering.dataflow().find_stale_read(successors, labels, lowering.budget(), &stale_use);
      !stale)
    return located(std::move(stale).error(), stale_use);
  BRINTAVEL_TRY_ASSIGN(bool zero_results, lowering.dataflow().results_may_be_read_unset(
                                              successors, labels, lowering.budget()));
  lowering.release_lowering_state();

  std::uint32_t failed_block = 0;
  auto structured = cfg::structure_control_flow(processed.take(), labels.front(),
                                                &lowering.budget(), cfg::Strategy::Incremental,
                                                &failed_block, &successors);
  if (!structured)
    return located(std::move(structured).error(),
                   failed_block < block_sources.size() ? block_sources[failed_block] : nullptr);
  qasm::StatementList body = std::move(*structured);
  if (context.stats) *context.stats = {lowering.budget().used(), lowering.budget().limit()};

  qasm::Program program{"3.0", {}};
  program.body.reserve(context.include_paths.size() + 2 + variables.declarations.size() + body.size());
  for (const std::string& path : context.include_paths) program.body.emplace_back(qasm::Include{path});
  // A barrier on all qubits names the register, which a program that uses no qubit otherwise
  // declares with one qubit.
  if (lowering.barrier_on_all_qubits) lowering.note_qubit_index(0);
  if (lowering.max_qubit_index >= 0) {
    BRINTAVEL_TRY_ASSIGN(std::uint64_t size, register_size(
        lowering.max_qubit_index, "qubit index too large to size the qubit register"));
    program.body.emplace_back(qasm::QubitDeclaration{"q", size});
  }
  if (lowering.max_result_index >= 0) {
    BRINTAVEL_TRY_ASSIGN(std::uint64_t size, register_size(
        lowering.max_result_index, "result index too large to size the result register"));
    if (context.results_as_output) {
      program.body.emplace_back(qasm::OutputBitDeclaration{"c", size});
    } else {
      // A bit that may be read before anything was measured into it reads as Zero.
      if (zero_results && size > Limits::output_bytes_for_input(source.size()))
        return output_limit_exceeded(source.size());
      program.body.emplace_back(qasm::BitDeclaration{"c", size, zero_results});
    }
  }
  for (qasm::IntDeclaration& d : variables.declarations) program.body.emplace_back(std::move(d));
  program.body.insert(program.body.end(), std::make_move_iterator(body.begin()),
                      std::make_move_iterator(body.end()));
  return program;
}

Result<qasm::Program> translate_entry_point(const TranslationContext& context,
                                            const ir::Module& module) {
  BRINTAVEL_TRY_ASSIGN(SignatureTable signatures, build_signature_table(module.source));
  const ir::Function* entry = find_entry_point(module, context.entry_name);
  if (!entry) {
    if (context.entry_name)
      return unsupported(cat("no entry-point function named ", q(*context.entry_name),
                             " in this module"));
    return unsupported(
        "no entry-point function found; QIR modules must have a function tagged with the "
        "'entry_point' attribute");
  }
  ir::TextPool inlined_names;  // outlives the lowerer, which keeps views of the names
  FunctionLowerer lowerer(context, signatures, module.source);
  if (context.extended && has_inlinable_calls(module, *entry, context.profile)) {
    LowererSink sink(lowerer);
    BRINTAVEL_CHECK(inline_calls(module, *entry, context.profile, inlined_names, sink));
    return lowerer.finish();
  }
  for (const ir::Block& block : entry->blocks) {
    lowerer.begin_block(block.label);
    for (std::size_t i = 0; i < block.instructions.size() && !lowerer.failed(); ++i)
      lowerer.instruction(block.instructions[i], i < block.sources.size() ? block.sources[i] : nullptr);
    if (lowerer.failed()) break;
  }
  return lowerer.finish();
}

}  // namespace brintavel::translator
