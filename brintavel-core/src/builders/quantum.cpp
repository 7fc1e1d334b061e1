#include "builders/quantum.hpp"

#include <array>
#include <limits>
#include <unordered_set>

#include "ir/operand_format.hpp"
#include "qasm/finite.hpp"
#include "qasm/registers.hpp"

namespace brintavel::builders {

using text::cat;
using text::q;

namespace {

constexpr std::string_view kQubit = "Qubit";
constexpr std::string_view kResult = "Result";

// The parameter type the builder sees at `pos`: opaque `ptr` parameters read as the type
// the kind expects there, so that opaque-pointer QIR is handled like typed-pointer QIR.
std::string_view working_type(const BuilderKind& kind, const Signature& sig, std::size_t pos) {
  std::string_view declared = sig.params[pos];
  if (declared != "ptr") return declared;
  if (std::holds_alternative<Gate>(kind) || std::holds_alternative<ResetQubit>(kind) ||
      std::holds_alternative<Rewrite>(kind))
    return kQubit;
  if (std::holds_alternative<Measurement>(kind) || std::holds_alternative<MeasureAndReset>(kind)) {
    if (pos == 0) return kQubit;
    if (pos == 1) return kResult;
  }
  if (std::holds_alternative<ReadResult>(kind)) return kResult;
  return declared;
}

Status check_fixed_signature(const BuilderKind& kind, const Signature& sig,
                             std::span<const std::string_view> expected, std::string_view kind_word) {
  bool matches = sig.params.size() == expected.size();
  for (std::size_t i = 0; matches && i < expected.size(); ++i)
    matches = working_type(kind, sig, i) == expected[i];
  if (matches) return {};

  std::vector<std::string_view> working;
  working.reserve(sig.params.size());
  for (std::size_t i = 0; i < sig.params.size(); ++i) working.push_back(working_type(kind, sig, i));
  std::string message = cat(kind_word, " intrinsic ", q(sig.name), " has unexpected signature ");
  append_type_list(message, working);
  message.append("; expected (");
  for (std::size_t i = 0; i < expected.size(); ++i) {
    if (i > 0) message.append(", ");
    message.append(cat("\"", expected[i], "\""));
  }
  if (expected.size() == 1) message.push_back(',');
  message.push_back(')');
  return unsupported(std::move(message));
}

// The gate is printed straight into the statement list (qasm::Lines): the operands and
// arguments are gathered in per-thread lists that keep their storage from call to call.
Status build_gate(const Gate& gate, const BuilderKind& kind, const Signature& sig,
                  std::span<const ir::Operand> args, CallContext& ctx, qasm::StatementList& out) {
  thread_local std::vector<std::int64_t> qubits;
  thread_local std::vector<qasm::Expression> arguments;
  qubits.clear();
  arguments.clear();
  std::size_t n = std::min(sig.params.size(), args.size());
  for (std::size_t i = 0; i < n; ++i) {
    if (working_type(kind, sig, i) == kQubit) {
      BRINTAVEL_TRY_ASSIGN(std::int64_t qubit, resolve_qubit_index(args[i], sig.name, ctx));
      qubits.push_back(qubit);
    } else {
      BRINTAVEL_TRY_ASSIGN(auto argument, resolve_scalar_operand(args[i], sig.name, ctx));
      BRINTAVEL_CHECK(qasm::check_finite(argument, [&] { return cat("the angle of ", q(sig.name)); }));
      arguments.push_back(std::move(argument));
    }
  }
  ctx.emitter().print_gate(out, gate.adjoint ? 1 : 0, gate.gate_name, arguments, qubits);
  return {};
}

// The rewrite of a gate outside the native set: its angles, then its qubits.
Status build_rewrite(const Rewrite& rewrite, const BuilderKind& kind, const Signature& sig,
                     std::span<const ir::Operand> args, CallContext& ctx, qasm::StatementList& out) {
  const GateRewrite& r = *rewrite.rewrite;
  std::vector<std::string_view> expected(r.angle_names.size(), "double");
  expected.resize(r.angle_names.size() + static_cast<std::size_t>(r.targets), kQubit);
  BRINTAVEL_CHECK(check_fixed_signature(kind, sig, expected, "gate"));
  if (sig.is_variadic || args.size() != expected.size())
    return unsupported(cat("gate intrinsic ", q(sig.name), " takes ", expected.size(),
                           " operand(s); the call passes ", args.size()));
  std::vector<qasm::Expression> angles;
  std::vector<qasm::IndexedIdentifier> qubits;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (i < r.angle_names.size()) {
      BRINTAVEL_TRY_ASSIGN(auto angle, resolve_scalar_operand(args[i], sig.name, ctx));
      BRINTAVEL_CHECK(qasm::check_finite(angle, [&] { return cat("the angle of ", q(sig.name)); }));
      angles.push_back(std::move(angle));
    } else {
      BRINTAVEL_TRY_ASSIGN(auto qubit, resolve_qubit_operand(args[i], sig.name, ctx));
      qubits.push_back(std::move(qubit));
    }
  }
  return emit_rewrite(r, angles, qubits, false, text::quoted(sig.name), ctx, out);
}

// barrier q[i], q[j], ... on the call's qubits (each once), or barrier q on all of them.
Status build_barrier(const Signature& sig, std::span<const ir::Operand> args, CallContext& ctx,
                     qasm::StatementList& out) {
  if (auto width = numbered_barrier_width(sig.name); width && *width != args.size())
    return unsupported(cat("barrier intrinsic ", q(sig.name), " is for ", *width,
                           " qubit(s) but is called with ", args.size(), " operand(s)"));
  qasm::Barrier barrier;
  if (args.empty()) {
    ctx.note_barrier_on_all_qubits();
    barrier.operands.push_back(qasm::IndexedIdentifier{std::string(qasm::kQubitRegister), std::nullopt});
    ctx.emitter().print(out, std::move(barrier));
    return {};
  }
  std::unordered_set<std::int64_t> seen;
  barrier.operands.reserve(args.size());
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string_view type = i < sig.params.size() ? sig.params[i] : std::string_view("ptr");
    if (type != kQubit && type != "ptr")
      return unsupported(cat("barrier intrinsic ", q(sig.name), " takes an operand of type ", q(type),
                             "; its operands must be qubits"));
    Result<qasm::IndexedIdentifier> qubit = resolve_qubit_operand(args[i], sig.name, ctx);
    if (!qubit) return std::move(qubit).error();
    const auto* index = std::get_if<qasm::IntLiteral>(&qubit->index->node);
    if (!index || seen.insert(index->value).second) barrier.operands.push_back(std::move(*qubit));
  }
  ctx.emitter().print(out, std::move(barrier));
  return {};
}

}  // namespace

qasm::IndexedIdentifier register_element(std::string_view name, std::int64_t index) {
  return qasm::IndexedIdentifier{std::string(name), qasm::Expression(qasm::IntLiteral{index})};
}

void append_type_list(std::string& out, std::span<const std::string_view> types) {
  out.push_back('[');
  for (std::size_t i = 0; i < types.size(); ++i) {
    if (i > 0) out.append(", ");
    text::append_quoted(out, types[i]);
  }
  out.push_back(']');
}

Result<qasm::IndexedIdentifier> resolve_qubit_operand(const ir::Operand& operand,
                                                      std::string_view callee,
                                                      CallContext& ctx) {
  BRINTAVEL_TRY_ASSIGN(std::int64_t index, resolve_qubit_index(operand, callee, ctx));
  return register_element(qasm::kQubitRegister, index);
}

Result<std::int64_t> resolve_qubit_index(const ir::Operand& operand, std::string_view callee,
                                         CallContext& ctx) {
  auto not_constant = [&] {
    return unsupported(cat("qubit operand for ", q(callee),
                           " is not a compile-time constant; runtime qubit allocation is not supported"));
  };
  std::int64_t index;
  if (const auto* p = std::get_if<ir::PtrConst>(&operand)) {
    index = p->index;
  } else if (const auto* s = std::get_if<ir::Ssa>(&operand)) {
    auto recorded = ctx.lookup_pointer_index(s->name);
    if (!recorded) return not_constant();
    index = *recorded;
  } else if (std::holds_alternative<ir::GlobalRef>(operand) ||
             std::holds_alternative<ir::GetElementPtr>(operand)) {
    return not_constant();
  } else {
    return unsupported(cat("could not resolve qubit operand for ", q(callee)));
  }
  if (index < 0)
    return unsupported(cat("qubit operand for ", q(callee), " has negative index ", index,
                           "; qubit and result indices must be non-negative"));
  ctx.note_qubit_index(index);
  return index;
}

Result<std::int64_t> resolve_result_index(const ir::Operand& operand, std::string_view callee,
                                          CallContext& ctx) {
  std::optional<std::int64_t> index;
  if (const auto* p = std::get_if<ir::PtrConst>(&operand)) {
    index = p->index;
  } else if (const auto* s = std::get_if<ir::Ssa>(&operand)) {
    index = ctx.lookup_pointer_index(s->name);
  }
  if (!index)
    return unsupported(cat("result operand for ", q(callee),
                           " is not a compile-time constant; runtime result allocation is not supported"));
  if (*index < 0)
    return unsupported(cat("result operand for ", q(callee), " has negative index ", *index,
                           "; qubit and result indices must be non-negative"));
  ctx.note_result_index(*index);
  return *index;
}

Result<qasm::Expression> resolve_scalar_operand(const ir::Operand& operand,
                                                std::string_view callee, CallContext& ctx) {
  if (const auto* i = std::get_if<ir::ConstInt>(&operand)) {
    auto v = i->value.to_int64();
    if (!v)
      return unsupported(cat("integer constant ", i->value,
                             " does not fit in i64; larger widths are not supported"));
    return qasm::IntLiteral{*v};
  }
  if (const auto* b = std::get_if<ir::ConstBool>(&operand)) return qasm::BoolLiteral{b->value};
  if (const auto* f = std::get_if<ir::ConstFloat>(&operand)) return qasm::FloatLiteral{f->value};
  if (const auto* s = std::get_if<ir::Ssa>(&operand)) {
    return ctx.use_scalar(s->name);
  }
  return unsupported(cat("unsupported scalar operand form for ", q(callee)));
}

Status run_builder(const BuilderKind& kind, const Signature& sig, std::span<const ir::Operand> args,
                   std::optional<std::string_view> result, CallContext& ctx,
                   qasm::StatementList& out, bool signature_checked) {
  static constexpr std::array<std::string_view, 2> kQubitResult = {kQubit, kResult};
  static constexpr std::array<std::string_view, 1> kQubitOnly = {kQubit};
  static constexpr std::array<std::string_view, 1> kResultOnly = {kResult};

  if (std::holds_alternative<NoOp>(kind)) return {};
  if (const auto* gate = std::get_if<Gate>(&kind)) return build_gate(*gate, kind, sig, args, ctx, out);
  if (const auto* controlled = std::get_if<GeneralizedControlled>(&kind))
    return build_controlled_gate(*controlled, sig, args, ctx, out);
  if (std::holds_alternative<Barrier>(kind)) return build_barrier(sig, args, ctx, out);
  if (const auto* rewrite = std::get_if<Rewrite>(&kind))
    return build_rewrite(*rewrite, kind, sig, args, ctx, out);

  if (std::holds_alternative<Measurement>(kind) || std::holds_alternative<MeasureAndReset>(kind)) {
    bool reset = std::holds_alternative<MeasureAndReset>(kind);
    if (!signature_checked)
      BRINTAVEL_CHECK(check_fixed_signature(kind, sig, kQubitResult,
                                            reset ? "measure-and-reset" : "measurement"));
    BRINTAVEL_TRY_ASSIGN(std::int64_t qubit, resolve_qubit_index(args[0], sig.name, ctx));
    BRINTAVEL_TRY_ASSIGN(std::int64_t bit, resolve_result_index(args[1], sig.name, ctx));
    ctx.note_result_written(bit);
    ctx.emitter().print_measure(out, qubit, bit, reset);
    return {};
  }
  if (std::holds_alternative<ResetQubit>(kind)) {
    if (!signature_checked) BRINTAVEL_CHECK(check_fixed_signature(kind, sig, kQubitOnly, "reset"));
    BRINTAVEL_TRY_ASSIGN(std::int64_t qubit, resolve_qubit_index(args[0], sig.name, ctx));
    ctx.emitter().print_reset(out, qubit);
    return {};
  }
  // ReadResult: no statement; the call's value is the result bit itself.
  if (!signature_checked) BRINTAVEL_CHECK(check_fixed_signature(kind, sig, kResultOnly, "read_result"));
  BRINTAVEL_TRY_ASSIGN(std::int64_t index, resolve_result_index(args[0], sig.name, ctx));
  if (result) BRINTAVEL_CHECK(ctx.bind_result_read(*result, index));
  return {};
}

}  // namespace brintavel::builders
