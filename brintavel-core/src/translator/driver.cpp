#include "translator/driver.hpp"

#include <algorithm>
#include <array>
#include <deque>
#include <limits>

#include "builders/quantum.hpp"
#include "translator/structure.hpp"
#include "signatures.hpp"
#include "translator/classical.hpp"
#include "translator/extended.hpp"
#include "translator/inline.hpp"
#include "translator/out_of_ssa.hpp"
#include "translator/phi.hpp"
#include "translator/regions.hpp"

namespace brintavel::translator {

using text::cat;
using text::q;

namespace {

// What the extended rules keep besides the base state.
struct ExtendedState {
  ExtendedState(LoweringContext& ctx, ProcessedBlocks& processed, IntVariables& variables,
                std::vector<std::string_view>& labels, std::vector<const char*>& sources,
                const Remedies* remedies_in)
      : phis(ctx, processed, variables, facts, labels, sources), remedies(remedies_in) {}

  ValueFacts facts;
  PhiVariables phis;
  const Remedies* remedies;  // from an earlier lowering of the function, or null
};

class BlockLowerer {
 public:
  BlockLowerer(const TranslationContext& context, const SignatureTable& signatures,
               LoweringContext& lowering, ProcessedBlocks& processed, IntVariables& variables,
               PendingResets& resets, ExtendedState* extended)
      : context_(context),
        signatures_(signatures),
        ctx_(lowering),
        processed_(processed),
        variables_(variables),
        resets_(resets),
        extended_(extended) {}

  // Lowers one instruction into `out`; returns whether it ended the block.
  Result<bool> lower_instruction(const ir::Instruction& instruction, BlockLowering& out) {
    // The phis of a block are complete at its first other instruction.
    if (extended_ && extended_->phis.open() && !std::holds_alternative<ir::Phi>(instruction))
      BRINTAVEL_CHECK(extended_->phis.close(out));
    return std::visit([&](const auto& i) { return lower(i, out); }, instruction);
  }

 private:
  // Terminators record how the block ends; phi assignments that wait for the block go in
  // before its branch.
  Result<bool> lower(const ir::Br& br, BlockLowering& out) {
    out.successors = {br.target};
    if (extended_) BRINTAVEL_CHECK(extended_->phis.end(out));
    return true;
  }
  Result<bool> lower(const ir::CondBr& br, BlockLowering& out) {
    if (const bool* constant = std::get_if<bool>(&br.condition)) {
      out.condition = qasm::Expression(qasm::BoolLiteral{*constant});
    } else {
      std::string_view name = std::get<std::string_view>(br.condition);
      BRINTAVEL_TRY_ASSIGN(out.condition, ctx_.lookup_value(name));
      BRINTAVEL_CHECK(qasm::check_finite(*out.condition, [&] { return cat("SSA value ", q(name)); }));
      out.condition_captures = ctx_.take_pending();
      ctx_.add_pending(out.condition_captures);
      ctx_.use_pending(Reader{Reader::Kind::BranchCondition, out.label},
                       ctx_.at(out.ordinal, kBlockEnd));
    }
    out.successors = {br.true_label, br.false_label};
    out.condition_time = ctx_.now();
    if (extended_) BRINTAVEL_CHECK(extended_->phis.end(out));
    return true;
  }
  Result<bool> lower(const ir::Ret&, BlockLowering& out) {
    if (extended_) BRINTAVEL_CHECK(extended_->phis.end(out));  // (fails: it branches nowhere)
    return true;
  }

  Result<bool> lower(const ir::Call& call, BlockLowering& out) {
    BRINTAVEL_CHECK(lower_call(call, out));
    return false;
  }
  Result<bool> lower(const ir::Phi& phi, BlockLowering& out) {
    if (extended_) {
      BRINTAVEL_CHECK(lower_phi_extended(phi, out));
    } else {
      BRINTAVEL_CHECK(lower_phi(phi, out.label, processed_, variables_, ctx_, &resets_));
    }
    return false;
  }

  // The base shapes that bind an expression (short-circuit Booleans, 0/1 diamonds) where
  // they apply; any other phi becomes a variable.
  Status lower_phi_extended(const ir::Phi& phi, BlockLowering& out) {
    const auto* single = phi.incomings.size() == 1 ? std::get_if<ir::Ssa>(&phi.incomings[0].value) : nullptr;
    if (single && ctx_.peek_value(single->name)) {
      // One predecessor: the value itself.
      BRINTAVEL_TRY_ASSIGN(qasm::Expression value, ctx_.lookup_value(single->name));
      if (const IntFacts* f = extended_->facts.find(single->name)) extended_->facts.set(phi.result, *f);
      return ctx_.bind_value(phi.result, std::move(value));
    }
    bool loop_carried = std::any_of(phi.incomings.begin(), phi.incomings.end(),
                                    [&](const ir::PhiIncoming& in) { return in.predecessor == out.label; });
    if (!loop_carried && phi.ty == "i1" && short_circuit_applies(phi, out.label))
      return lower_phi(phi, out.label, processed_, variables_, ctx_, nullptr);
    if (!loop_carried && phi.ty != "i1" && int_width(phi.ty) && phi.incomings.size() == 2 &&
        !processed_.empty()) {
      BRINTAVEL_TRY_ASSIGN(bool diamond, lower_zero_one_diamond(phi, processed_, ctx_));
      if (diamond) {
        extended_->facts.set(phi.result, IntFacts{*int_width(phi.ty), 1, false, {}});
        return {};
      }
      // The if-merge variable, unless updating it overwrote a value still used.
      if (if_merge_applies(phi) && !(extended_->remedies && extended_->remedies->own_variable.contains(phi.result))) {
        IntFacts facts;
        facts.width = *int_width(phi.ty);
        facts.may_be_one = extended_->facts.may_be_one(phi.incomings[0].value, ctx_) |
                           extended_->facts.may_be_one(phi.incomings[1].value, ctx_);
        BRINTAVEL_CHECK(lower_phi(phi, out.label, processed_, variables_, ctx_, &resets_));
        extended_->facts.set(phi.result, std::move(facts));
        return {};
      }
    }
    return extended_->phis.add(phi, out);
  }

  // i32 or i64 set on a conditional path and updated on the other: both predecessors lowered,
  // exactly one ending in a conditional branch.
  bool if_merge_applies(const ir::Phi& phi) {
    if (phi.ty != "i32" && phi.ty != "i64") return false;
    const BlockLowering* b0 = processed_.first_labelled(phi.incomings[0].predecessor);
    const BlockLowering* b1 = processed_.first_labelled(phi.incomings[1].predecessor);
    return b0 && b1 && b0 != b1 && b0->condition.has_value() != b1->condition.has_value();
  }

  // a && b / a || b, as the base rule takes it: one constant incoming from a block whose
  // branch leads here, and one value already lowered.
  bool short_circuit_applies(const ir::Phi& phi, std::string_view label) const {
    if (phi.incomings.size() != 2) return false;
    bool first_constant = classify_constant(phi.incomings[0].value) != Truth::Other;
    bool second_constant = classify_constant(phi.incomings[1].value) != Truth::Other;
    if (first_constant == second_constant) return false;
    const ir::PhiIncoming& constant = phi.incomings[first_constant ? 0 : 1];
    const ir::PhiIncoming& other = phi.incomings[first_constant ? 1 : 0];
    const auto* value = std::get_if<ir::Ssa>(&other.value);
    if (!value || !ctx_.peek_value(value->name)) return false;
    const BlockLowering* head = processed_.last_conditional_labelled(constant.predecessor);
    if (!head || head->successors.size() != 2) return false;
    auto leads_to = [&](std::string_view target) {
      return head->successors[0] == target || head->successors[1] == target;
    };
    return leads_to(label) && label != other.predecessor;
  }
  Result<bool> lower(const ir::Ignored&, BlockLowering&) { return false; }
  Result<bool> lower(const ir::Unknown& unknown, BlockLowering& out) {
    return unsupported(cat("unsupported LLVM instruction opcode ", q(unknown.opcode), " in block ",
                           q(out.label)));
  }

  // Classical instructions bind values or record pointer facts; they add no statement.
  template <class Classical>
  Result<bool> lower(const Classical& instruction, BlockLowering&) {
    if constexpr (std::is_same_v<Classical, ir::Alloca>) {
      lower_alloca(instruction, ctx_);
    } else if constexpr (std::is_same_v<Classical, ir::Bitcast>) {
      lower_bitcast(instruction, ctx_);
    } else if constexpr (std::is_same_v<Classical, ir::Gep>) {
      lower_gep(instruction, ctx_);
    } else if constexpr (std::is_same_v<Classical, ir::Store>) {
      lower_store(instruction, ctx_);
      if (ctx_.extended) BRINTAVEL_CHECK(note_memory_use(instruction.pointer, false));
    } else if constexpr (std::is_same_v<Classical, ir::Load>) {
      if (extended_) {
        BRINTAVEL_CHECK(defer_failure(lower_load(instruction, ctx_), instruction.result, ctx_));
        if (ctx_.peek_value(instruction.result)) BRINTAVEL_CHECK(note_memory_use(instruction.pointer, true));
      } else {
        BRINTAVEL_CHECK(lower_load(instruction, ctx_));
      }
    } else if constexpr (std::is_same_v<Classical, ir::IntToPtr>) {
      BRINTAVEL_CHECK(lower_inttoptr(instruction, ctx_));
    } else if (extended_) {
      // A value that cannot be written fails only where it is used.
      BRINTAVEL_CHECK(defer_failure(lower_value_extended(instruction), instruction.result, ctx_));
    } else {
      BRINTAVEL_CHECK(lower_value(instruction));
    }
    return false;
  }

  template <class Value>
  Status lower_value(const Value& instruction) {
    if constexpr (std::is_same_v<Value, ir::Icmp>) {
      return lower_icmp(instruction, ctx_);
    } else if constexpr (std::is_same_v<Value, ir::Logic>) {
      return lower_logic(instruction, ctx_);
    } else if constexpr (std::is_same_v<Value, ir::Select>) {
      return lower_select(instruction, ctx_);
    } else if constexpr (std::is_same_v<Value, ir::Arith>) {
      return lower_arith(instruction, ctx_);
    } else if constexpr (std::is_same_v<Value, ir::Zext>) {
      return lower_zext(instruction, ctx_);
    } else if constexpr (std::is_same_v<Value, ir::FloatOp>) {
      return lower_float_op(instruction, ctx_);
    } else if constexpr (std::is_same_v<Value, ir::FNeg>) {
      return lower_fneg(instruction, ctx_);
    } else if constexpr (std::is_same_v<Value, ir::Fcmp>) {
      return lower_fcmp(instruction, ctx_);
    } else {
      static_assert(std::is_same_v<Value, ir::IntOp> || std::is_same_v<Value, ir::Cast>,
                    "an instruction kind is not lowered");
      return internal_error("an instruction of the extended set reached the base rules");
    }
  }

  // The extended forms of the value instructions; the others as in the base rules.
  template <class Value>
  Status lower_value_extended(const Value& instruction) {
    ValueFacts& facts = extended_->facts;
    if constexpr (std::is_same_v<Value, ir::Icmp>) {
      return lower_icmp_extended(instruction, ctx_, facts);
    } else if constexpr (std::is_same_v<Value, ir::Select>) {
      return lower_select_extended(instruction, ctx_, facts);
    } else if constexpr (std::is_same_v<Value, ir::Arith>) {
      return lower_arith_extended(instruction, ctx_, facts);

    } else if constexpr (std::is_same_v<Value, ir::IntOp>) {
      return lower_int_op(instruction, ctx_, facts);
    } else if constexpr (std::is_same_v<Value, ir::Cast>) {
      return lower_cast(instruction, ctx_, facts);
    } else {
      return lower_value(instruction);
    }
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
    BRINTAVEL_CHECK(ctx_.budget().charge(made, "block", out.label));
    if (extended_ && call.result && extended_->remedies &&
        extended_->remedies->snapshot_reads.contains(*call.result))
      return snapshot_read(*call.result, out);
    return {};
  }

  // The result read `name` is overwritten before a use: it is copied into a bool variable
  // where it is read, and the value is that variable.
  Status snapshot_read(std::string_view name, BlockLowering& out) {
    BRINTAVEL_TRY_ASSIGN(qasm::Expression bit, ctx_.lookup_value(name));
    std::string variable = variables_.declare(qasm::ScalarType::Bool);
    Dataflow& flow = ctx_.dataflow();
    ProgramPoint at{out.ordinal, out.size};
    flow.note_write(Resource{Resource::Kind::Variable, flow.variable(variable)}, at, name);
    ctx_.use_pending(Reader{Reader::Kind::SsaValue, name}, at);
    append_statement(out, qasm::Assignment{qasm::IndexedIdentifier{variable, std::nullopt}, as_bool(std::move(bit))});
    BRINTAVEL_CHECK(ctx_.budget().charge(1, "block", out.label));
    return ctx_.bind_variable(name, variable, ProgramPoint{out.ordinal, out.size});
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
  ExtendedState* extended_;  // null under the base rules
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
  State(const TranslationContext& context_in, const SignatureTable& signatures, std::string_view source_in,
        const Remedies* remedies)
      : context(context_in),
        source(source_in),
        lowering(Limits::nodes_for_input(source_in.size()), context_in.extended),
        extended(context_in.extended ? std::make_unique<ExtendedState>(lowering, processed, variables, labels,
                                                                        block_sources, remedies)
                                     : nullptr),
        lowerer(context_in, signatures, lowering, processed, variables, resets, extended.get()) {}

  // An error with the position of `where`, unless it has one.
  Error located(Error failure, const char* where) const { return text::located(std::move(failure), source, where); }

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
    if (extended)
      for (BlockLowering& made : extended->phis.take_made()) processed.append(std::move(made));
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
  bool phi_stays_in_window(const ir::Phi& phi) const;
  Result<qasm::Program> assemble();
  Result<qasm::Program> assemble_regions();
  Result<qasm::Program> declare(qasm::StatementList body, bool zero_results);

  const TranslationContext& context;
  std::string_view source;
  LoweringContext lowering;
  ProcessedBlocks processed;
  IntVariables variables;
  PendingResets resets;
  std::deque<std::string> numbered;  // the labels of unlabeled blocks, by position
  std::vector<std::string_view> labels;  // by block number
  std::vector<const char*> block_sources;
  std::unique_ptr<ExtendedState> extended;
  BlockLowerer lowerer;
  std::vector<Dataflow::StaleRead> stale_reads;  // extended: the uses found stale
  BlockLowering current;
  bool open = false;
  bool ended = false;  // the current block's terminator was lowered
  std::optional<Error> error;

  // Split into regions: where they close, the first open block's number, the printed
  // regions, and which closed blocks lie on cycles.
  std::unique_ptr<RegionSplitter> regions;
  std::uint32_t window_start = 0;
  std::string printed;
  std::vector<bool> cyclic_blocks;
  bool abandoned = false;  // the regions did not hold: the function is lowered again
};

FunctionLowerer::FunctionLowerer(const TranslationContext& context, const SignatureTable& signatures,
                                 std::string_view source, const Remedies* remedies)
    : state_(std::make_unique<State>(context, signatures, source, remedies)) {}

bool FunctionLowerer::learn(Remedies& remedies) const {
  bool learned = false;
  for (const Dataflow::StaleRead& stale : state_->stale_reads) {
    if (stale.capture.resource.kind == Resource::Kind::Bit) {
      if (auto read = state_->lowering.result_read_of(stale.capture))
        learned |= remedies.snapshot_reads.insert(*read).second;
    } else if (!stale.overwritten_by.empty()) {
      learned |= remedies.own_variable.insert(stale.overwritten_by).second;
    }
  }
  return learned;
}

FunctionLowerer::~FunctionLowerer() = default;

bool FunctionLowerer::failed() const { return state_->error.has_value(); }

void FunctionLowerer::split_into_regions(std::uint32_t minimum_region) {
  state_->regions = std::make_unique<RegionSplitter>(minimum_region);
}

bool FunctionLowerer::needs_whole_function() const { return state_->abandoned; }

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
  if (s.error || s.ended || s.abandoned) return;  // nothing after a block's terminator is looked at
  if (!s.block_sources.back()) s.block_sources.back() = where;
  if (s.regions && s.regions->closed_any())
    if (const auto* phi = std::get_if<ir::Phi>(&instruction); phi && !s.phi_stays_in_window(*phi)) {
      s.abandoned = true;
      return;
    }
  s.lowering.begin_instruction(s.current.size, where);
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
    if (!s.abandoned && s.regions->finish() && s.close_region(s.window_start + static_cast<std::uint32_t>(s.processed.list().size()), true)) {
      Result<qasm::Program> program = s.assemble_regions();
      if (program) return program;
    }
    s.abandoned = true;
    return internal_error("the regions of the function did not hold");
  }
  if (s.extended) BRINTAVEL_CHECK(s.extended->phis.check_complete());
  return s.assemble();
}

// A phi's predecessors are open blocks, and distinct: the lookups of the phi rules then
// find among the open blocks what they would find among all.
bool FunctionLowerer::State::phi_stays_in_window(const ir::Phi& phi) const {
  for (std::size_t i = 0; i < phi.incomings.size(); ++i) {
    if (!regions->is_open(phi.incomings[i].predecessor)) return false;
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
  std::optional<BlockGraph> graph = regions->region_graph(window_start, end, !last);
  if (!graph) return !(abandoned = true);
  std::vector<bool> cyclic = blocks_on_cycles(*graph);
  cyclic_blocks.insert(cyclic_blocks.end(), cyclic.begin(), cyclic.begin() + count);
  drop_restarts(window_start, end, cyclic);
  std::vector<BlockLowering> blocks = processed.take_front(count);
  std::string_view entry = blocks.front().label;
  if (!last) {
    // The region ends in the next block, here empty and without successors.
    blocks.push_back(BlockLowering{labels[count], {}, {}, std::nullopt});
    blocks.back().ordinal = end;
  }
  auto structured = structure_control_flow(std::move(blocks), entry, &lowering.budget(),
                                                StructureSearch::Incremental, nullptr, &*graph);
  // The printed text grows to about a sixth of the input, reserved at once (untouched pages
  // cost nothing).
  if (printed.empty()) printed.reserve(source.size() / 3);
  if (!structured ||
      !qasm::print_statements_within(*structured, printed, Limits::output_bytes_for_input(source.size())))
    return !(abandoned = true);
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

  // What the substituted values read must still hold on every path to where they are used.
  const char* stale_use = nullptr;
  if (Status stale = lowering.dataflow().find_stale_read(successors, labels, lowering.budget(), &stale_use,
                                                         extended ? &stale_reads : nullptr);
      !stale)
    return located(std::move(stale).error(), stale_use);
  BRINTAVEL_TRY_ASSIGN(bool zero_results, lowering.dataflow().results_may_be_read_unset(
                                              successors, labels, lowering.budget()));
  lowering.release_lowering_state();

  std::uint32_t failed_block = 0;
  auto structured = structure_control_flow(processed.take(), labels.front(),
                                                &lowering.budget(), StructureSearch::Incremental,
                                                &failed_block, &successors);
  if (!structured)
    return located(std::move(structured).error(),
                   failed_block < block_sources.size() ? block_sources[failed_block] : nullptr);
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
  body.emplace_back(qasm::Lines{std::move(printed), 1, 0});
  return declare(std::move(body), zero_results);
}

// The program: the includes, the registers and variables the body uses, and the body.
Result<qasm::Program> FunctionLowerer::State::declare(qasm::StatementList body, bool zero_results) {
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
    program.body.emplace_back(qasm::QubitDeclaration{std::string(qasm::kQubitRegister), size});
  }
  if (lowering.max_result_index >= 0) {
    BRINTAVEL_TRY_ASSIGN(std::uint64_t size, register_size(
        lowering.max_result_index, "result index too large to size the result register"));
    if (context.results_as_output) {
      program.body.emplace_back(qasm::OutputBitDeclaration{std::string(qasm::kResultRegister), size});
    } else {
      // A bit that may be read before anything was measured into it reads as Zero.
      if (zero_results && size > Limits::output_bytes_for_input(source.size()))
        return output_limit_exceeded(source.size());
      program.body.emplace_back(qasm::BitDeclaration{std::string(qasm::kResultRegister), size, zero_results});
    }
  }
  for (qasm::IntDeclaration& d : variables.declarations) program.body.emplace_back(std::move(d));
  program.body.insert(program.body.end(), std::make_move_iterator(body.begin()),
                      std::make_move_iterator(body.end()));
  return program;
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

Result<qasm::Program> translate_entry_point(const TranslationContext& context, const ir::Module& module,
                                            const SignatureTable& signatures, const ir::Function& entry) {
  // The extended rules lower again when a result read was overwritten before a use, copying
  // those reads into variables where they are made.
  ir::TextPool inlined_names;  // outlives the lowerers, which keep views of the names
  bool inlining = context.extended && has_inlinable_calls(module, entry, context.profile);
  Remedies remedies;
  for (int round = 0;; ++round) {
    FunctionLowerer lowerer(context, signatures, module.source, context.extended ? &remedies : nullptr);
    if (inlining) {
      LowererSink sink(lowerer);
      BRINTAVEL_CHECK(inline_calls(module, entry, context.profile, inlined_names, sink));
    } else {
      for (const ir::Block& block : entry.blocks) {
        lowerer.begin_block(block.label);
        for (std::size_t i = 0; i < block.instructions.size() && !lowerer.failed(); ++i)
          lowerer.instruction(block.instructions[i], i < block.sources.size() ? block.sources[i] : nullptr);
        if (lowerer.failed()) break;
      }
    }
    Result<qasm::Program> program = lowerer.finish();
    if (program || !context.extended || round == 3 || !lowerer.learn(remedies)) return program;
  }
}

}  // namespace brintavel::translator
