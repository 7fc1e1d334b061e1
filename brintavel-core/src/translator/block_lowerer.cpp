#include "translator/block_lowerer.hpp"

#include <type_traits>
#include <variant>

#include "builders/quantum.hpp"
#include "qasm/finite.hpp"

namespace brintavel::translator {

using text::cat;
using text::q;

Result<bool> BlockLowerer::lower_instruction(const ir::Instruction& instruction, BlockLowering& out) {
  if (phis_open_ && !std::holds_alternative<ir::Phi>(instruction)) {
    phis_open_ = false;
    BRINTAVEL_CHECK(rules_.end_phis(out));
  }
  // Classical instructions bind values or record pointer facts, and add no statement: they go
  // to the rules as the variant they came in (not copied into a new one).
  return std::visit(
      [&](const auto& i) -> Result<bool> {
        if constexpr (requires { lower(i, out); }) {
          return lower(i, out);
        } else {
          BRINTAVEL_CHECK(rules_.lower_classical(instruction, out));
          return false;
        }
      },
      instruction);
}

// Terminators record how the block ends; what the rules keep for the block's end (phi
// assignments) goes in before its branch.
Result<bool> BlockLowerer::lower(const ir::Br& br, BlockLowering& out) {
  out.successors = {br.target};
  BRINTAVEL_CHECK(rules_.end_block(out));
  return true;
}

Result<bool> BlockLowerer::lower(const ir::CondBr& br, BlockLowering& out) {
  if (const bool* constant = std::get_if<bool>(&br.condition)) {
    out.condition = qasm::Expression(qasm::BoolLiteral{*constant});
  } else {
    std::string_view name = std::get<std::string_view>(br.condition);
    BRINTAVEL_TRY_ASSIGN(qasm::Expression value, ctx_.lookup_value(name));
    out.condition = rules_.branch_condition(name, std::move(value));
    BRINTAVEL_CHECK(qasm::check_finite(*out.condition, [&] { return cat("SSA value ", q(name)); }));
    out.condition_captures = ctx_.pending_captures();
    ctx_.use_pending(Reader{Reader::Kind::BranchCondition, out.label}, ctx_.at(out.ordinal, kBlockEnd));
  }
  out.successors = {br.true_label, br.false_label};
  out.condition_time = ctx_.now();
  out.condition_origin = ctx_.emitter().origin();
  BRINTAVEL_CHECK(rules_.end_block(out));
  return true;
}

Result<bool> BlockLowerer::lower(const ir::Ret&, BlockLowering& out) {
  BRINTAVEL_CHECK(rules_.end_block(out));
  return true;
}

Result<bool> BlockLowerer::lower(const ir::Call& call, BlockLowering& out) {
  BRINTAVEL_CHECK(lower_call(call, out));
  return false;
}

Result<bool> BlockLowerer::lower(const ir::Phi& phi, BlockLowering& out) {
  phis_open_ = true;
  BRINTAVEL_CHECK(rules_.lower_phi(phi, out));
  return false;
}

Result<bool> BlockLowerer::lower(const ir::Ignored&, BlockLowering&) { return false; }

Result<bool> BlockLowerer::lower(const ir::Unknown& unknown, BlockLowering& out) {
  if (!unknown.problem.empty()) return parse_error(std::string(unknown.problem));
  return unsupported(cat("unsupported LLVM instruction opcode ", q(unknown.opcode), " in block ", q(out.label)));
}

BlockLowerer::Callee& BlockLowerer::find_callee(std::string_view name) {
  for (Callee& c : recent_)
    if (c.signature && c.name == name) return c;
  const Signature* signature = signatures_.find(name);
  if (!signature) {
    missing_ = Callee{name, nullptr, nullptr};
    return missing_;
  }
  Callee& c = recent_[next_recent_++ % recent_.size()];
  c = Callee{name, signature, builders::lookup_builder(profile_, name)};
  return c;
}

Status BlockLowerer::lower_call(const ir::Call& call, BlockLowering& out) {
  Callee& callee = find_callee(call.callee);
  const Signature* sig = callee.signature;
  const builders::BuilderKind* kind = callee.kind;
  if (!sig) return unsupported(cat("no signature for callee ", q(call.callee), " in QIR source"));
  if (!kind) {
    // A call the rules lower themselves (a runtime they know).
    BRINTAVEL_TRY_ASSIGN(std::optional<std::vector<CallCase>> handled, rules_.call_cases(call, *sig, nullptr, out));
    if (handled) return {};
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
    return unsupported(cat("arity mismatch calling ", q(call.callee), ": IR supplied ", call.args.size(),
                           " operand(s) but signature expects ", sig->params.size()));
  BRINTAVEL_TRY_ASSIGN(std::optional<std::vector<CallCase>> cases, rules_.call_cases(call, *sig, kind, out));
  if (cases) return lower_cases(call, *sig, *kind, *cases, out);
  // The builder prints straight into the block: what it made is what follows the block's
  // last statements before (the lines it ended in count from where they were).
  qasm::StatementList& list = out.statements;
  std::size_t first = list.size();
  std::uint64_t before = 0;
  if (first > 0)
    if (const auto* lines = std::get_if<qasm::Lines>(&list.back().node)) {
      before = lines->statements;
      --first;
    }
  BRINTAVEL_CHECK(builders::run_builder(*kind, *sig, call.args, call.result, ctx_, list, callee.signature_checked));
  callee.signature_checked = true;
  std::uint64_t made = 0;
  for (std::size_t i = first; i < list.size(); ++i) {
    const auto* lines = std::get_if<qasm::Lines>(&list[i].node);
    made += lines ? lines->statements : 1;
  }
  made -= before;
  out.size += made;
  return ctx_.budget().charge(made, "block", out.label);
}

// Each case's statements, under its condition when it has one.
Status BlockLowerer::lower_cases(const ir::Call& call, const Signature& sig, const builders::BuilderKind& kind,
                                 std::vector<CallCase>& cases, BlockLowering& out) {
  for (CallCase& c : cases) {
    qasm::StatementList made;
    BRINTAVEL_CHECK(builders::run_builder(kind, sig, c.args, call.result, ctx_, made));
    if (c.condition && made.empty()) continue;
    if (c.condition) {
      qasm::Statement branch = qasm::If(std::move(made), {}, std::move(*c.condition));
      BRINTAVEL_CHECK(ctx_.budget().charge(qasm::count_nodes({branch}), "block", out.label));
      ctx_.emitter().keep(out.statements, std::move(branch));
      ++out.size;
      continue;
    }
    for (const qasm::Statement& s : made) {
      if (const auto* lines = std::get_if<qasm::Lines>(&s.node)) {
        append_lines(ctx_.emitter(), out, *lines);
        BRINTAVEL_CHECK(ctx_.budget().charge(lines->statements, "block", out.label));
      } else {
        append_statement(ctx_.emitter(), out, s);
        BRINTAVEL_CHECK(ctx_.budget().charge(1, "block", out.label));
      }
    }
  }
  return {};
}

}  // namespace brintavel::translator
