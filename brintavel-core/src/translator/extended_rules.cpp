// The extended rules: the base forms where they apply, and exact forms for what the base
// rules refuse (extended_values.cpp for values, phi_copies.cpp for phis, dynamic_gates.cpp for
// angles computed from measurements); memory written more
// than once and read is refused. A value read after what it read was overwritten is copied,
// where it was made, into a variable of its own once the function is lowered (snapshots.cpp).
#include <unordered_map>
#include <variant>

#include "translator/classical.hpp"
#include "translator/dynamic_gates.hpp"
#include "translator/evaluate.hpp"
#include "translator/extended_values.hpp"
#include "translator/function_state.hpp"
#include "translator/phis.hpp"
#include "translator/register_runtime.hpp"
#include "translator/rules.hpp"

namespace brintavel::translator {

using text::cat;
using text::q;

namespace {

class ExtendedFunctionRules final : public FunctionRules {
 public:
  explicit ExtendedFunctionRules(FunctionState& state)
      : state_(state),
        ctx_(state.lowering),
        copies_(state, facts_),
        phis_{ctx_, state.processed, state.variables, state.resets, facts_, copies_} {}

  Status lower_phi(const ir::Phi& phi, BlockLowering& block) override {
    defined_again(phi.result);
    return phis_.lower(phi, block);
  }

  void body_changed() override {
    registers_.body_changed();
    facts_.forget();
    ctx_.forget_values();
  }

  Result<std::optional<std::vector<CallCase>>> call_cases(const ir::Call& call, const Signature& signature,
                                                          const builders::BuilderKind* kind,
                                                          BlockLowering& block) override {
    if (call.result) defined_again(*call.result);
    ValueScope scope{ctx_, facts_, state_.variables, block, state_.body, state_.ranges};
    if (!kind && call.result && call.args.size() == 1 && math_function(call.callee, 1.0)) {
      // A math function: a constant where its argument is one, otherwise read only by what is
      // written case by case.
      if (const auto* f = std::get_if<ir::ConstFloat>(&call.args[0])) {
        BRINTAVEL_CHECK(ctx_.bind_value(*call.result, qasm::FloatLiteral{*math_function(call.callee, f->value)}));
      } else {
        ctx_.bind_unexpressible(*call.result, cat("SSA value ", q(*call.result), " (call ", call.callee,
                                                  ") has no exact form in the OpenQASM dialect: the function has "
                                                  "no operator, and only values written case by case read it"));
      }
      return std::optional<std::vector<CallCase>>(std::vector<CallCase>{});
    }
    if (!kind) return registers_.lower(call, scope);
    return dynamic_gate_cases(call, signature, *kind, scope);
  }

  Status lower_classical(const ir::Instruction& instruction, BlockLowering& block) override {
    return std::visit(
        [&](const auto& i) -> Status {
          if constexpr (requires { lower_memory(i); }) {
            return lower_memory(i);
          } else {
            // A value nothing reads is not written; one that cannot be written fails only
            // where it is used.
            auto result = ir::defined_name(instruction);
            if (result) defined_again(*result);
            if (state_.body && result && !state_.body->is_used(*result)) return Status{};
            ValueScope scope{ctx_, facts_, state_.variables, block, state_.body, state_.ranges};
            return lower_extended_value(instruction, scope);
          }
        },
        instruction);
  }

  // In a body that defines a name twice (which LLVM's verifier refuses, and which is read as
  // the later definition from there on), the facts of the earlier definition are dropped as
  // the later one comes (and so is the range found for it): they would otherwise describe the
  // later value.
  void defined_again(std::string_view name) {
    if (!state_.body || !state_.body->redefines()) return;
    facts_.forget(name);
    ctx_.forget_range(name);
  }

  // An i1 computed as a bit (an int 0 or 1) is tested against 1; a result bit stands as it is,
  // and so does a wider integer branched on (which LLVM's verifier refuses), as in the base
  // rules.
  qasm::Expression branch_condition(std::string_view name, qasm::Expression value) override {
    if (is_bool_typed(value)) return value;  // (a comparison: a condition whatever the type)
    bool bit = qasm::is_indexed(value);
    if (bit || wider_than_i1(name)) return value;
    return as_bool(std::move(value));
  }

  // Whether the value `name` is an integer of more than one bit (arithmetic the base rules
  // bound keeps no facts: its definition tells).
  bool wider_than_i1(std::string_view name) const {
    if (const IntFacts* facts = facts_.find(name)) return facts->width > 1;
    const BodyIndex::Definition* d = state_.body ? state_.body->find(name) : nullptr;
    const auto* arith = d ? std::get_if<ir::Arith>(d->instruction) : nullptr;
    return arith && int_width(arith->ty).value_or(1) > 1;
  }

  Status end_phis(BlockLowering& block) override { return copies_.open() ? copies_.close(block) : Status{}; }
  Status end_block(BlockLowering& block) override { return copies_.end(block); }
  std::vector<BlockLowering> take_made_blocks() override { return copies_.take_made(); }
  Status end_function() override { return copies_.check_complete(); }

 private:
  Status lower_memory(const ir::Alloca& i) {
    lower_alloca(i, ctx_);
    return {};
  }
  Status lower_memory(const ir::Bitcast& i) {
    lower_bitcast(i, ctx_);
    return {};
  }
  Status lower_memory(const ir::Gep& i) {
    lower_gep(i, ctx_);
    return {};
  }
  Status lower_memory(const ir::Store& i) {
    lower_store(i, ctx_);
    return note_memory_use(i.pointer, false);
  }
  // Aggregates left after they were split into fields (split_aggregates.hpp).
  Status lower_memory(const ir::InsertValue& i) { return aggregate(i.result); }
  Status lower_memory(const ir::ExtractValue& i) { return aggregate(i.result); }
  Status aggregate(std::string_view result) {
    ctx_.bind_unexpressible(result, cat("SSA value ", q(result), " is an aggregate (a struct) read otherwise than "
                                        "field by field; aggregates are not supported"));
    return {};
  }
  // The address of a constant array's element: a load of it at constant indices is that
  // element; at indices known only at run time, what reads it is written case by case.
  Status lower_memory(const ir::ElementAddress&) { return {}; }
  Status lower_memory(const ir::Load& i) {
    const BodyIndex::Definition* d = state_.body ? state_.body->find(i.pointer) : nullptr;
    if (const auto* address = d ? std::get_if<ir::ElementAddress>(d->instruction) : nullptr) {
      const auto* outer = std::get_if<ir::ConstInt>(&address->outer);
      const auto* inner = std::get_if<ir::ConstInt>(&address->inner);
      auto a = outer ? outer->value.to_int64() : std::nullopt, b = inner ? inner->value.to_int64() : std::nullopt;
      const ir::Operand* element = a && b ? state_.body->element(*address, *a, *b) : nullptr;
      if (const auto* p = element ? std::get_if<ir::PtrConst>(element) : nullptr)
        ctx_.record_pointer_index(i.result, p->index);
      else if (const auto* c = element ? std::get_if<ir::ConstInt>(element) : nullptr; c && c->value.to_int64())
        return ctx_.bind_value(i.result, qasm::IntLiteral{*c->value.to_int64()});
      return {};
    }
    BRINTAVEL_CHECK(defer_failure(lower_load(i, ctx_), i.result, ctx_));
    if (ctx_.peek_value(i.result)) BRINTAVEL_CHECK(note_memory_use(i.pointer, true));
    return {};
  }
  Status lower_memory(const ir::IntToPtr& i) { return lower_inttoptr(i, ctx_); }
  // A load is given the value stored in memory earlier in source order. That is the value it
  // reads only when the memory is written once: a load before the store reads memory that
  // holds no value yet. Producers also keep variables that loops and branches write in
  // allocas; memory written more than once and read is refused.
  Status note_memory_use(std::string_view pointer, bool load) {
    std::optional<MemoryCell> cell = ctx_.memory().cell_of(pointer);
    if (!cell) return {};
    MemoryUse& use = memory_uses_[*cell];
    if (load) {
      use.read = true;
    } else {
      use.written_again = use.written_again || use.written;
      use.written = true;
    }
    if (use.read && use.written_again)
      return unsupported(cat("memory at ", q(cell->base),
                             " is written more than once and read; following memory whose "
                             "contents change is not supported"));
    return {};
  }

  struct MemoryUse {
    bool written = false;
    bool written_again = false;
    bool read = false;
  };

  FunctionState& state_;
  LoweringContext& ctx_;
  ValueFacts facts_;
  ClassicalRegisters registers_;
  PhiCopies copies_;
  ExtendedPhis phis_;
  std::unordered_map<MemoryCell, MemoryUse, MemoryCellHash> memory_uses_;
};

class ExtendedRules final : public Rules {
 public:
  ExtendedRules() : profile_(builders::extended_profile()) {}

  ir::InstructionSet instructions() const override { return ir::InstructionSet::Extended; }
  const builders::Profile& profile() const override { return profile_; }
  StaleValues stale_values() const override { return StaleValues::CheckOverGraph; }
  bool inlines_calls() const override { return true; }
  bool analyzes_body() const override { return true; }
  bool covers_recorded_results() const override { return true; }
  std::unique_ptr<FunctionRules> for_function(FunctionState& state) const override {
    return std::make_unique<ExtendedFunctionRules>(state);
  }

 private:
  const builders::Profile& profile_;
};

}  // namespace

std::unique_ptr<Rules> extended_rules() { return std::make_unique<ExtendedRules>(); }

}  // namespace brintavel::translator
