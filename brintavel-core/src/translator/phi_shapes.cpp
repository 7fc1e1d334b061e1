#include "translator/phis.hpp"

#include <algorithm>
#include <limits>

#include "ir/operand_format.hpp"
#include "translator/classical.hpp"

namespace brintavel::translator {

using qasm::BinaryOperator;
using qasm::Expression;
using qasm::IntLiteral;
using qasm::make_binary;
using text::cat;
using text::q;

namespace {

// A copy of a block's recorded branch condition, charged to the size budget. The phi uses
// it where the branch merges, so what it reads must not have been overwritten since.
Result<Expression> copy_condition(const BlockLowering& block, LoweringContext& ctx) {
  BRINTAVEL_CHECK(ctx.budget().charge(qasm::measure(*block.condition).nodes, "block", block.label));
  BRINTAVEL_CHECK(ctx.check_still_current(*block.condition, block.condition_time,
                                          cat("the branch condition of block ", q(block.label))));
  ctx.add_pending(block.condition_captures);
  return *block.condition;
}

Result<Expression> lower_phi_operand(const ir::Operand& operand, LoweringContext& ctx) {
  if (const auto* i = std::get_if<ir::ConstInt>(&operand)) {
    auto value = i->value.to_int64();
    if (!value) return unsupported(cat("phi integer incoming constant ", i->value, " does not fit in i64"));
    return IntLiteral{*value};
  }
  if (const auto* b = std::get_if<ir::ConstBool>(&operand)) return IntLiteral{b->value ? 1 : 0};
  if (const auto* s = std::get_if<ir::Ssa>(&operand)) return ctx.lookup_value(s->name);
  return unsupported(cat("phi integer incoming must be a constant or SSA reference, got ",
                         ir::debug_render(operand)));
}

Error predecessor_not_found(std::string_view label) {
  return unsupported(cat("phi integer predecessor ", q(label), " not found among processed blocks"));
}

// a && b, a || b and their forms with the branch targets swapped.
Status lower_short_circuit(const ir::Phi& phi, std::string_view block_label,
                           const ProcessedBlocks& processed, LoweringContext& ctx) {
  if (phi.incomings.size() != 2)
    return unsupported(cat("phi i1 has ", phi.incomings.size(),
                           " incoming value(s); only the two-incoming short-circuit pattern is supported"));
  Truth t0 = classify_constant(phi.incomings[0].value);
  Truth t1 = classify_constant(phi.incomings[1].value);
  if (t0 != Truth::Other && t1 != Truth::Other)
    return unsupported(
        "phi i1 has two constant incomings; only one side of a short-circuit compound may be a constant");
  if (t0 == Truth::Other && t1 == Truth::Other)
    return unsupported(
        "phi i1 does not match the short-circuit Boolean pattern: expected exactly one constant "
        "incoming and one SSA incoming");
  bool k_first = t0 != Truth::Other;
  const ir::PhiIncoming& constant = phi.incomings[k_first ? 0 : 1];
  const ir::PhiIncoming& other = phi.incomings[k_first ? 1 : 0];
  bool k = (k_first ? t0 : t1) == Truth::True;

  const BlockLowering* pred = processed.last_conditional_labelled(constant.predecessor);
  if (!pred)
    return unsupported(cat("phi i1 short-circuit predecessor ", q(constant.predecessor),
                           " did not record a branching condition; expected the predecessor to end "
                           "in a conditional ``br`` on an SSA value"));
  const auto* rhs = std::get_if<ir::Ssa>(&other.value);
  if (!rhs) return unsupported("phi i1 rhs incoming must be an SSA reference");
  BRINTAVEL_TRY_ASSIGN(Expression value, ctx.lookup_value(rhs->name));

  // The constant travels on the edge into the phi's block. When that edge is the branch's
  // true edge the constant is false (or vice versa), the condition must be negated: with
  // `br i1 %a, label %merge, label %rhs` and [false, %entry] the value is !a && b.
  BRINTAVEL_TRY_ASSIGN(Expression condition, copy_condition(*pred, ctx));
  bool into_true = pred->successors[0] == block_label;
  bool into_false = pred->successors[1] == block_label;
  if ((into_true && !into_false && !k) || (into_false && !into_true && k))
    condition = complement(std::move(condition));
  else
    condition = as_condition(std::move(condition));

  auto op = k ? BinaryOperator::Or : BinaryOperator::And;
  return ctx.bind_value(phi.result,
                        make_binary(op, std::move(condition), as_condition(std::move(value))));
}

bool is_empty_forwarder(const BlockLowering* block) {
  return block && !block->condition && block->statements.empty() && block->successors.size() == 1;
}

}  // namespace

// 0/1 merged from the two arms of a diamond: the branch condition or its complement.
// Returns false when the shape does not match.
Result<bool> lower_zero_one_diamond(const ir::Phi& phi, ProcessedBlocks& processed,
                                    LoweringContext& ctx) {
  Truth t0 = classify_constant(phi.incomings[0].value);
  Truth t1 = classify_constant(phi.incomings[1].value);
  if (t0 == Truth::Other || t1 == Truth::Other || t0 == t1) return false;
  std::string_view p0 = phi.incomings[0].predecessor;
  std::string_view p1 = phi.incomings[1].predecessor;
  if (processed.empty()) return predecessor_not_found(p0);
  if (!is_empty_forwarder(processed.first_labelled(p0)) ||
      !is_empty_forwarder(processed.first_labelled(p1)))
    return false;
  const BlockLowering* head = processed.first_branching_to(p0, p1);
  if (!head) return false;
  // (Edges moved onto blocks of their own after the lookup was indexed no longer count.)
  if (!(head->successors.size() == 2 && p0 != p1 &&
                        (head->successors[0] == p0 || head->successors[0] == p1) &&
                        (head->successors[1] == p0 || head->successors[1] == p1)))
    return false;
  Truth v = head->successors[0] == p0 ? t0 : t1;
  BRINTAVEL_TRY_ASSIGN(Expression condition, copy_condition(*head, ctx));
  if (v == Truth::False)
    condition = make_binary(BinaryOperator::Sub, IntLiteral{1}, std::move(condition));
  ctx.set_range(phi.result, IntRange{0, 1});
  BRINTAVEL_CHECK(ctx.bind_value(phi.result, std::move(condition)));
  return true;
}

namespace {

// A value set on a conditional path and updated on the other: an int variable.
Status lower_if_merge(const ir::Phi& phi, ProcessedBlocks& processed, Variables& variables,
                      LoweringContext& ctx, PendingResets* resets) {
  BlockLowering* b0 = processed.first_labelled(phi.incomings[0].predecessor);
  if (!b0) return predecessor_not_found(phi.incomings[0].predecessor);
  BlockLowering* b1 = processed.first_labelled(phi.incomings[1].predecessor);
  if (!b1) return predecessor_not_found(phi.incomings[1].predecessor);
  if (b0->condition.has_value() == b1->condition.has_value())
    return unsupported(
        "phi integer incomings do not match the expected if-merge shape: expected exactly one "
        "predecessor with a conditional branch (providing the init value) and one with an "
        "unconditional branch (providing the update value)");
  bool init_first = b0->condition.has_value();
  const ir::PhiIncoming& init_in = phi.incomings[init_first ? 0 : 1];
  const ir::PhiIncoming& update_in = phi.incomings[init_first ? 1 : 0];
  BlockLowering& init_block = init_first ? *b0 : *b1;
  BlockLowering& update_block = init_first ? *b1 : *b0;

  BRINTAVEL_TRY_ASSIGN(Expression init, lower_phi_operand(init_in.value, ctx));
  std::vector<Capture> init_reads = ctx.take_pending();
  BRINTAVEL_TRY_ASSIGN(Expression update, lower_phi_operand(update_in.value, ctx));
  std::vector<Capture> update_reads = ctx.take_pending();
  auto phi_value = [&] { return cat("SSA value ", q(phi.result)); };
  BRINTAVEL_CHECK(qasm::check_finite(init, phi_value));
  BRINTAVEL_CHECK(qasm::check_finite(update, phi_value));

  // What the incoming values read must still hold where they are assigned, or, without an
  // assignment, where their block branches to the phi.
  Dataflow& flow = ctx.dataflow();
  auto use = [&ctx](std::vector<Capture>& reads, const ir::PhiIncoming& in, ProgramPoint at) {
    const auto* name = std::get_if<ir::Ssa>(&in.value);
    ctx.add_pending(reads);
    ctx.use_pending(Reader{Reader::Kind::SsaValue, name ? name->name : std::string_view()}, at);
  };
  auto assign = [&](BlockLowering& block, const std::string& variable, Expression value) {
    ProgramPoint at{block.ordinal, block.size};
    flow.note_write(Resource{Resource::Kind::Variable, flow.variable(variable)}, at, phi.result);
    append_statement(ctx.emitter(), block,
                     qasm::Assignment{qasm::IndexedIdentifier{variable, std::nullopt}, std::move(value)});
    return at;
  };

  std::string variable;
  bool reused = false;
  const auto* init_id = std::get_if<qasm::Identifier>(&init.node);
  if (init_id && variables.made(init_id->name)) {
    variable = init_id->name;  // a chain of if-merges keeps updating one variable
    reused = true;
  } else {
    const auto* literal = std::get_if<IntLiteral>(&init.node);
    variable = variables.declare(qasm::ScalarType::Int, literal ? literal->value : 0);
    if (literal) {
      // Declared with its initial value; a branch that runs again (inside a loop) must
      // start from that value again too.
      if (resets) {
        BRINTAVEL_CHECK(ctx.budget().charge(1, "block", init_block.label));
        ProgramPoint at{init_block.ordinal, init_block.size++};
        flow.note_write(Resource{Resource::Kind::Variable, flow.variable(variable)}, at, phi.result,
                        /*conditional=*/true);
        resets->push_back(PendingReset{init_block.ordinal, init_block.statements.size()});
        ctx.emitter().keep(init_block.statements,
                           qasm::Assignment{qasm::IndexedIdentifier{variable, std::nullopt}, init});
      }
    } else {
      // Declarations stand above the whole body, before the values they would read exist:
      // start at 0 and take the initial value where the init path branches.
      BRINTAVEL_CHECK(ctx.budget().charge(1, "block", init_block.label));
      use(init_reads, init_in, assign(init_block, variable, std::move(init)));
    }
  }
  if (reused) use(init_reads, init_in, ProgramPoint{init_block.ordinal, kBlockEnd});

  const auto* update_id = std::get_if<qasm::Identifier>(&update.node);
  if (!update_id || update_id->name != variable) {
    BRINTAVEL_CHECK(ctx.budget().charge(1, "block", update_block.label));
    use(update_reads, update_in, assign(update_block, variable, std::move(update)));
    // Values bound to the variable before now denote its earlier value.
    if (reused) ctx.note_variable_reassigned(variable, phi.result);
  } else {
    use(update_reads, update_in, ProgramPoint{update_block.ordinal, kBlockEnd});
  }
  unsigned width = phi.ty == "i32" ? 32 : 64;
  ctx.set_range(phi.result, ctx.range_of(init_in.value, width).join(ctx.range_of(update_in.value, width)));
  return ctx.bind_variable(phi.result, variable, ctx.here().block);
}

}  // namespace

Status lower_phi(const ir::Phi& phi, std::string_view block_label, ProcessedBlocks& processed,
                 Variables& variables, LoweringContext& ctx, PendingResets* resets) {
  for (const ir::PhiIncoming& in : phi.incomings)
    if (in.predecessor == block_label)
      return unsupported(cat("loop-carried phi (predecessor ", q(in.predecessor),
                             " is the phi's own block ", q(block_label), ") is not supported"));
  if (phi.ty == "i1") return lower_short_circuit(phi, block_label, processed, ctx);
  if (phi.ty != "i32" && phi.ty != "i64")
    return unsupported(cat("phi ", phi.ty, " is not yet supported (SSA ", q(phi.result),
                           "); only `phi i1` and `phi i32`/`phi i64` are lowered today"));
  if (phi.incomings.size() != 2)
    return unsupported(cat("phi integer with ", phi.incomings.size(),
                           " incoming value(s); only the two-incoming if-merge shape (`mutable` + "
                           "conditional increment) is supported"));
  BRINTAVEL_TRY_ASSIGN(bool diamond, lower_zero_one_diamond(phi, processed, ctx));
  if (diamond) return {};
  return lower_if_merge(phi, processed, variables, ctx, resets);
}

bool if_merge_applies(const ir::Phi& phi, ProcessedBlocks& processed) {
  if (phi.ty != "i32" && phi.ty != "i64") return false;
  const BlockLowering* b0 = processed.first_labelled(phi.incomings[0].predecessor);
  const BlockLowering* b1 = processed.first_labelled(phi.incomings[1].predecessor);
  return b0 && b1 && b0 != b1 && b0->condition.has_value() != b1->condition.has_value();
}

bool short_circuit_applies(const ir::Phi& phi, std::string_view label, const ProcessedBlocks& processed,
                           const LoweringContext& ctx) {
  if (phi.incomings.size() != 2) return false;
  bool first_constant = classify_constant(phi.incomings[0].value) != Truth::Other;
  bool second_constant = classify_constant(phi.incomings[1].value) != Truth::Other;
  if (first_constant == second_constant) return false;
  const ir::PhiIncoming& constant = phi.incomings[first_constant ? 0 : 1];
  const ir::PhiIncoming& other = phi.incomings[first_constant ? 1 : 0];
  const auto* value = std::get_if<ir::Ssa>(&other.value);
  if (!value || !ctx.peek_value(value->name)) return false;
  const BlockLowering* head = processed.last_conditional_labelled(constant.predecessor);
  if (!head || head->successors.size() != 2) return false;
  auto leads_to = [&](std::string_view target) {
    return head->successors[0] == target || head->successors[1] == target;
  };
  return leads_to(label) && label != other.predecessor;
}

}  // namespace brintavel::translator
