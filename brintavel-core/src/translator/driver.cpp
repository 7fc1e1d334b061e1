#include "translator/driver.hpp"

#include <algorithm>
#include <array>
#include <limits>

#include "builders/quantum.hpp"
#include "cfg.hpp"
#include "signatures.hpp"
#include "translator/classical.hpp"
#include "translator/phi.hpp"

namespace brintavel::translator {

using text::cat;
using text::q;

namespace {

// The blocks that lie on a cycle of the branch graph, found from the blocks' terminators
// before anything is lowered (Tarjan's strongly connected components, walked iteratively).
BlockSet blocks_on_cycles(const ir::Function& fn, const std::vector<std::string_view>& labels) {
  std::size_t n = fn.blocks.size();
  std::unordered_map<std::string_view, std::size_t> index;
  for (std::size_t i = 0; i < n; ++i) index.try_emplace(labels[i], i);
  std::vector<std::vector<std::size_t>> succs(n);
  std::vector<bool> self_loop(n, false);
  for (std::size_t i = 0; i < n; ++i) {
    for (const ir::Instruction& inst : fn.blocks[i].instructions) {
      std::vector<std::string_view> targets;
      if (const auto* br = std::get_if<ir::Br>(&inst)) {
        targets = {br->target};
      } else if (const auto* cbr = std::get_if<ir::CondBr>(&inst)) {
        targets = {cbr->true_label, cbr->false_label};
      } else if (!std::holds_alternative<ir::Ret>(inst)) {
        continue;
      }
      for (std::string_view t : targets) {
        auto it = index.find(t);
        if (it == index.end()) continue;
        succs[i].push_back(it->second);
        if (it->second == i) self_loop[i] = true;
      }
      break;  // the first terminator ends the block
    }
  }
  constexpr std::size_t kUnvisited = SIZE_MAX;
  std::vector<std::size_t> order(n, kUnvisited), low(n, 0);
  std::vector<bool> on_stack(n, false);
  std::vector<std::size_t> stack;
  std::vector<std::pair<std::size_t, std::size_t>> walk;  // (node, next successor)
  std::size_t counter = 0;
  BlockSet cyclic;
  for (std::size_t root = 0; root < n; ++root) {
    if (order[root] != kUnvisited) continue;
    walk.push_back({root, 0});
    order[root] = low[root] = counter++;
    stack.push_back(root);
    on_stack[root] = true;
    while (!walk.empty()) {
      auto& [v, next] = walk.back();
      if (next < succs[v].size()) {
        std::size_t w = succs[v][next++];
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
      bool cycle = stack.size() - first > 1 || self_loop[done];
      for (std::size_t k = first; k < stack.size(); ++k) {
        on_stack[stack[k]] = false;
        if (cycle) cyclic.insert(labels[stack[k]]);
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
               const BlockSet& cyclic)
      : context_(context),
        signatures_(signatures),
        ctx_(lowering),
        processed_(processed),
        variables_(variables),
        cyclic_(cyclic) {}

  Result<BlockLowering> lower(const ir::Block& block, std::string_view label) {
    BlockLowering out{label, {}, {}, std::nullopt};
    out.ordinal = static_cast<std::uint32_t>(processed_.list().size());
    // About one statement per call.
    out.statements.reserve(static_cast<std::size_t>(std::count_if(
        block.instructions.begin(), block.instructions.end(),
        [](const ir::Instruction& i) { return std::holds_alternative<ir::Call>(i); })));
    ctx_.begin_block();
    for (const ir::Instruction& instruction : block.instructions) {
      ctx_.begin_instruction(out.statements.size());
      BRINTAVEL_TRY_ASSIGN(bool ended, lower_instruction(instruction, out));
      if (ended) break;  // nothing after the terminator is looked at
    }
    return out;
  }

 private:
  // Returns whether the instruction ended the block.
  Result<bool> lower_instruction(const ir::Instruction& instruction, BlockLowering& out) {
    return std::visit([&](const auto& i) { return lower(i, out); }, instruction);
  }

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
    BRINTAVEL_CHECK(lower_phi(phi, out.label, processed_, variables_, ctx_, &cyclic_));
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
    } else if constexpr (std::is_same_v<Classical, ir::Load>) {
      BRINTAVEL_CHECK(lower_load(instruction, ctx_));
    } else if constexpr (std::is_same_v<Classical, ir::Zext>) {
      BRINTAVEL_CHECK(lower_zext(instruction, ctx_));
    } else {
      static_assert(std::is_same_v<Classical, ir::IntToPtr>, "an instruction kind is not lowered");
      BRINTAVEL_CHECK(lower_inttoptr(instruction, ctx_));
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
    std::size_t before = out.statements.size();
    BRINTAVEL_CHECK(builders::run_builder(*kind, *sig, call.args, call.result, ctx_, out.statements));
    return ctx_.budget().charge(out.statements.size() - before, "block", out.label);
  }

  const TranslationContext& context_;
  const SignatureTable& signatures_;
  LoweringContext& ctx_;
  ProcessedBlocks& processed_;
  IntVariables& variables_;
  const BlockSet& cyclic_;
  std::array<Callee, 8> recent_{};
  std::size_t next_recent_ = 0;
};

// The successors of each lowered block by block number (edges to labels that name no block
// are left out: the structuring reports them).
std::vector<std::vector<std::uint32_t>> successors_by_ordinal(const std::vector<BlockLowering>& blocks,
                                                              const std::vector<std::string_view>& labels) {
  std::unordered_map<std::string_view, std::uint32_t> ordinal;
  for (std::size_t i = 0; i < labels.size(); ++i) ordinal.try_emplace(labels[i], static_cast<std::uint32_t>(i));
  std::vector<std::vector<std::uint32_t>> successors(blocks.size());
  for (std::size_t i = 0; i < blocks.size(); ++i)
    for (std::string_view s : blocks[i].successors)
      if (auto it = ordinal.find(s); it != ordinal.end()) successors[i].push_back(it->second);
  return successors;
}

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

namespace {

// `owned` is the module itself when the caller gives it up: its blocks are then released
// as they are lowered.
Result<qasm::Program> translate(const TranslationContext& context, const ir::Module& module,
                                ir::Module* owned) {
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
  ir::Function* releasable =
      owned ? &owned->functions[static_cast<std::size_t>(entry - module.functions.data())] : nullptr;

  LoweringContext lowering(Limits::nodes_for_input(module.source.size()));
  ProcessedBlocks processed;
  IntVariables variables;

  // Block labels: the source label, or the block's position for an unlabeled block. The
  // texts must stay put while the lowerings refer to them, hence the reserve.
  std::vector<std::string> numbered;
  numbered.reserve(entry->blocks.size());
  std::vector<std::string_view> labels;
  labels.reserve(entry->blocks.size());
  for (std::size_t i = 0; i < entry->blocks.size(); ++i) {
    if (!entry->blocks[i].label.empty()) {
      labels.push_back(entry->blocks[i].label);
    } else {
      labels.push_back(numbered.emplace_back(cat(i)));
    }
  }

  BlockSet cyclic = blocks_on_cycles(*entry, labels);
  BlockLowerer lowerer(context, signatures, lowering, processed, variables, cyclic);
  for (std::size_t i = 0; i < entry->blocks.size(); ++i) {
    BRINTAVEL_TRY_ASSIGN(BlockLowering lowered, lowerer.lower(entry->blocks[i], labels[i]));
    processed.append(std::move(lowered));
    // Labels and names stay valid: they are views of the source text and the module's pool.
    if (releasable) std::vector<ir::Instruction>().swap(releasable->blocks[i].instructions);
  }

  // What the substituted values read must still hold on every path to where they are used.
  std::vector<std::vector<std::uint32_t>> successors = successors_by_ordinal(processed.list(), labels);
  BRINTAVEL_CHECK(lowering.dataflow().find_stale_read(successors, labels, lowering.budget()));
  BRINTAVEL_TRY_ASSIGN(bool zero_results, lowering.dataflow().results_may_be_read_unset(
                                              successors, labels, lowering.budget()));

  BRINTAVEL_TRY_ASSIGN(qasm::StatementList body, cfg::structure_control_flow(
      processed.take(), labels.front(), &lowering.budget()));
  if (context.stats) *context.stats = {lowering.budget().used(), lowering.budget().limit()};

  qasm::Program program{"3.0", {}};
  program.body.reserve(context.include_paths.size() + 2 + variables.declarations.size() + body.size());
  for (const std::string& path : context.include_paths) program.body.emplace_back(qasm::Include{path});
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
      if (zero_results && size > Limits::output_bytes_for_input(module.source.size()))
        return output_limit_exceeded(module.source.size());
      program.body.emplace_back(qasm::BitDeclaration{"c", size, zero_results});
    }
  }
  for (qasm::IntDeclaration& d : variables.declarations) program.body.emplace_back(std::move(d));
  program.body.insert(program.body.end(), std::make_move_iterator(body.begin()),
                      std::make_move_iterator(body.end()));
  return program;
}

}  // namespace

Result<qasm::Program> translate_entry_point(const TranslationContext& context,
                                            const ir::Module& module) {
  return translate(context, module, nullptr);
}

Result<qasm::Program> translate_entry_point(const TranslationContext& context, ir::Module&& module) {
  return translate(context, module, &module);
}

}  // namespace brintavel::translator
