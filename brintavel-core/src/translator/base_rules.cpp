// The base rules: the translator's fixed forms for classical values (classical.cpp) and
// phis (the shapes of phi_shapes.cpp).
#include <type_traits>
#include <variant>

#include "translator/classical.hpp"
#include "translator/function_state.hpp"
#include "translator/phis.hpp"
#include "translator/rules.hpp"

namespace brintavel::translator {

namespace {

class BaseFunctionRules final : public FunctionRules {
 public:
  explicit BaseFunctionRules(FunctionState& state) : state_(state), ctx_(state.lowering) {}

  Status lower_phi(const ir::Phi& phi, BlockLowering& block) override {
    return translator::lower_phi(phi, block.label, state_.processed, state_.variables, ctx_, &state_.resets);
  }

  Status lower_classical(const ir::Instruction& instruction, BlockLowering&) override {
    return std::visit([&](const auto& i) { return lower(i); }, instruction);
  }

 private:
  Status lower(const ir::Alloca& i) {
    lower_alloca(i, ctx_);
    return {};
  }
  Status lower(const ir::Bitcast& i) {
    lower_bitcast(i, ctx_);
    return {};
  }
  Status lower(const ir::Gep& i) {
    lower_gep(i, ctx_);
    return {};
  }
  Status lower(const ir::Store& i) {
    lower_store(i, ctx_);
    return {};
  }
  Status lower(const ir::Load& i) { return lower_load(i, ctx_); }
  Status lower(const ir::IntToPtr& i) { return lower_inttoptr(i, ctx_); }
  Status lower(const ir::Icmp& i) { return lower_icmp(i, ctx_); }
  Status lower(const ir::Logic& i) { return lower_logic(i, ctx_); }
  Status lower(const ir::Select& i) { return lower_select(i, ctx_); }
  Status lower(const ir::Arith& i) { return lower_arith(i, ctx_); }
  Status lower(const ir::Zext& i) { return lower_zext(i, ctx_); }
  // The block lowerer handles the rest; the instructions only the extended rules read never
  // come: the base instruction set does not parse them.
  template <class Other>
  Status lower(const Other&) {
    return internal_error("an instruction the base rules do not lower reached them");
  }

  FunctionState& state_;
  LoweringContext& ctx_;
};

class BaseRules final : public Rules {
 public:
  BaseRules() : profile_(builders::base_profile()) {}

  ir::InstructionSet instructions() const override { return ir::InstructionSet::Base; }
  const builders::Profile& profile() const override { return profile_; }
  StaleValues stale_values() const override { return StaleValues::RefuseAtLookup; }
  bool inlines_calls() const override { return false; }
  bool analyzes_body() const override { return false; }
  bool covers_recorded_results() const override { return false; }
  std::unique_ptr<FunctionRules> for_function(FunctionState& state) const override {
    return std::make_unique<BaseFunctionRules>(state);
  }

 private:
  const builders::Profile& profile_;
};

}  // namespace

std::unique_ptr<Rules> base_rules() { return std::make_unique<BaseRules>(); }

}  // namespace brintavel::translator
