#include "translator/phis.hpp"

#include <algorithm>
#include <cmath>

#include "ir/operand_format.hpp"
#include "translator/classical.hpp"
#include "translator/tabulation.hpp"

namespace brintavel::translator {

using qasm::Expression;
using text::cat;
using text::q;

namespace {

std::optional<qasm::ScalarType> variable_type(std::string_view ty) {
  if (ty == "i1") return qasm::ScalarType::Bool;
  if (int_width(ty)) return qasm::ScalarType::Int;
  if (ty == "double" || ty == "float") return qasm::ScalarType::Float64;
  return std::nullopt;
}

// Whether `e` names one of `variables` other than `self`.
bool reads_other(const Expression& e, const std::vector<std::string_view>& variables, std::string_view self) {
  return qasm::find_node(e, [&](const Expression& x) {
    const auto* id = std::get_if<qasm::Identifier>(&x.node);
    return id && id->name != self && std::find(variables.begin(), variables.end(), id->name) != variables.end();
  }) != nullptr;
}

// 0, false or 0.0: what the variables are declared with.
bool is_initial_value(const Expression& e) {
  if (const auto* i = std::get_if<qasm::IntLiteral>(&e.node)) return i->value == 0;
  if (const auto* b = std::get_if<qasm::BoolLiteral>(&e.node)) return !b->value;
  if (const auto* f = std::get_if<qasm::FloatLiteral>(&e.node)) return f->value == 0.0 && !std::signbit(f->value);
  return false;
}

}  // namespace

Status PhiCopies::add(const ir::Phi& phi, BlockLowering& block) {
  if (pointer_phi_indices(phi)) {
    // The index of the qubit or result it holds.
    std::string variable = variables_.declare(qasm::ScalarType::Int);
    BRINTAVEL_CHECK(ctx_.bind_index_variable(
        phi.result, variable, ProgramPoint{block.ordinal, 0},
        cat("SSA value ", q(phi.result), " (phi ", phi.ty, ") is a qubit or result chosen at run time, which only "
            "a call written case by case reads")));
    open_.push_back(OpenPhi{phi.result, phi.incomings, std::move(variable), qasm::ScalarType::Int, nullptr, true});
    return {};
  }
  auto type = variable_type(phi.ty);
  if (!type && (phi.ty == "ptr" || phi.ty.ends_with('*'))) {
    // Read only by calls written case by case, through what it is computed from.
    ctx_.bind_unexpressible(phi.result, cat("SSA value ", q(phi.result), " (phi ", phi.ty,
                                            ") is a qubit or result chosen at run time, which only a call "
                                            "written case by case reads"));
    return {};
  }
  if (!type)
    return unsupported(cat("phi ", phi.ty, " is not supported (SSA ", q(phi.result),
                           "); only integer, i1, float and double phis are lowered"));
  if (*type == qasm::ScalarType::Float64 && state_.body && counts_trips(*state_.body, phi.result)) {
    // Read only through its counter, case by case.
    ctx_.bind_unexpressible(phi.result, cat("SSA value ", q(phi.result), " (phi ", phi.ty,
                                            ") has no exact form in the OpenQASM dialect: it changes on each "
                                            "trip of its loop, and only a rotation angle or a comparison "
                                            "written case by case reads it"));
    return {};
  }
  if (auto constants = phi_constants(phi)) {
    // The number of the constant it holds.
    const std::vector<double>& kept = constants_.emplace_back(std::move(*constants));
    std::string variable = variables_.declare(qasm::ScalarType::Int);
    BRINTAVEL_CHECK(ctx_.bind_index_variable(
        phi.result, variable, ProgramPoint{block.ordinal, 0},
        cat("SSA value ", q(phi.result), " (phi ", phi.ty, ") has no exact form in the OpenQASM dialect: it is "
            "one of ", kept.size(), " constants chosen at run time, which only a rotation angle or a comparison "
            "written case by case reads")));
    open_.push_back(OpenPhi{phi.result, phi.incomings, std::move(variable), qasm::ScalarType::Int, &kept});
    return {};
  }
  std::string variable = variables_.declare(*type);
  if (*type == qasm::ScalarType::Int) {
    IntFacts facts;
    facts.width = *int_width(phi.ty);
    facts.may_be_one = 0;
    for (const ir::PhiIncoming& in : phi.incomings) facts.may_be_one |= facts_.may_be_one(in.value, ctx_);
    facts_.set(phi.result, std::move(facts));
  }
  BRINTAVEL_CHECK(ctx_.bind_variable(phi.result, variable, block.ordinal));
  open_.push_back(OpenPhi{phi.result, phi.incomings, std::move(variable), *type});
  return {};
}

Status PhiCopies::close(BlockLowering& block) {
  // The copies of each predecessor, predecessors in the order the phis first name them.
  std::vector<std::pair<std::string_view, std::vector<Copy>>> edges;
  for (const OpenPhi& p : open_) {
    for (const ir::PhiIncoming& in : p.incomings) {
      auto edge = std::find_if(edges.begin(), edges.end(), [&](const auto& e) { return e.first == in.predecessor; });
      if (edge == edges.end()) edge = edges.insert(edges.end(), {in.predecessor, {}});
      // A predecessor that branches here twice is named twice, with one value.
      bool known = std::any_of(edge->second.begin(), edge->second.end(),
                               [&](const Copy& c) { return c.variable == p.variable; });
      if (!known) edge->second.push_back(Copy{p.variable, p.type, in.value, p.result, p.constants, p.pointer});
    }
  }
  open_.clear();
  for (auto& [pred, copies] : edges) {
    BlockLowering* lowered = pred == block.label ? nullptr : processed_.first_labelled(pred);
    if (lowered) {
      BRINTAVEL_CHECK(emit(*lowered, block.label, copies));
      continue;
    }
    auto [it, inserted] = waiting_.try_emplace(pred);
    if (inserted) waiting_order_.push_back(pred);
    it->second.push_back(Group{block.label, std::move(copies)});
  }
  return {};
}

Status PhiCopies::end(BlockLowering& block) {
  auto it = waiting_.find(block.label);
  if (it == waiting_.end()) return {};
  std::vector<Group> groups = std::move(it->second);
  waiting_.erase(it);
  for (const Group& g : groups) BRINTAVEL_CHECK(emit(block, g.target, g.copies));
  return {};
}

Status PhiCopies::check_complete() const {
  for (std::string_view pred : waiting_order_)
    if (waiting_.contains(pred))
      return unsupported(cat("phi predecessor ", q(pred), " is not a block of this function"));
  return {};
}

Result<Expression> PhiCopies::copy_value(const Copy& copy) {
  const ir::Operand& v = copy.value;
  auto bad = [&] {
    return unsupported(cat("phi incoming value ", q(ir::debug_render(v)), " of SSA value ", q(copy.phi),
                           " is neither a constant nor an SSA value"));
  };
  if (const auto* s = std::get_if<ir::Ssa>(&v)) {
    BRINTAVEL_TRY_ASSIGN(Expression e, ctx_.lookup_value(s->name));
    switch (copy.type) {
      case qasm::ScalarType::Bool: return as_bool(std::move(e));
      case qasm::ScalarType::Int:
      case qasm::ScalarType::Float64: return e;
    }
  }
  if (const auto* p = std::get_if<ir::PtrConst>(&v); p && copy.pointer) return Expression(qasm::IntLiteral{p->index});
  if (const auto* f = std::get_if<ir::ConstFloat>(&v); f && copy.constants) {
    auto k = std::find(copy.constants->begin(), copy.constants->end(), f->value) - copy.constants->begin();
    return Expression(qasm::IntLiteral{k});
  }
  if (const auto* f = std::get_if<ir::ConstFloat>(&v)) {
    if (copy.type != qasm::ScalarType::Float64) return bad();
    return Expression(qasm::FloatLiteral{f->value});
  }
  std::optional<std::int64_t> n;
  if (const auto* i = std::get_if<ir::ConstInt>(&v)) n = i->value.to_int64();
  if (const auto* b = std::get_if<ir::ConstBool>(&v)) n = b->value ? 1 : 0;
  if (!n) return bad();
  switch (copy.type) {
    case qasm::ScalarType::Bool: return Expression(qasm::BoolLiteral{*n != 0});
    case qasm::ScalarType::Int: return Expression(qasm::IntLiteral{*n});
    case qasm::ScalarType::Float64: return Expression(qasm::FloatLiteral{static_cast<double>(*n)});
  }
  return bad();
}

Status PhiCopies::emit(BlockLowering& pred, std::string_view target, const std::vector<Copy>& copies) {
  if (std::find(pred.successors.begin(), pred.successors.end(), target) == pred.successors.end())
    return unsupported(cat("phi in block ", q(target), " names ", q(pred.label),
                           " as a predecessor, but that block does not branch to it"));
  struct Incoming {
    const Copy* copy;
    Expression value;
    std::vector<Capture> reads;
  };
  std::vector<Incoming> values;
  for (const Copy& c : copies) {
    BRINTAVEL_TRY_ASSIGN(Expression e, copy_value(c));
    std::vector<Capture> reads = ctx_.take_pending();
    // The value it holds already: its own, or, leaving the entry block (which runs once,
    // first), the value it was declared with.
    const auto* id = std::get_if<qasm::Identifier>(&e.node);
    if (id && id->name == c.variable) continue;
    if (pred.ordinal == 0 && is_initial_value(e)) continue;
    BRINTAVEL_CHECK(qasm::check_finite(e, [&] { return cat("SSA value ", q(c.phi)); }));
    values.push_back(Incoming{&c, std::move(e), std::move(reads)});
  }
  if (values.empty()) return {};

  // Where the assignments go: the predecessor's end, or a block of their own on the edge.
  BlockLowering* at = &pred;
  bool elsewhere = std::any_of(pred.successors.begin(), pred.successors.end(),
                               [&](std::string_view s) { return s != target; });
  if (elsewhere) {
    std::string_view label = made_labels_.emplace_back(cat(pred.label, "->", target));
    BlockLowering edge{label, {}, {target}, std::nullopt};
    edge.ordinal = ctx_.new_block();
    labels_.push_back(label);
    sources_.push_back(nullptr);
    std::vector<std::string_view> targets(pred.successors.begin(), pred.successors.end());
    for (std::string_view& s : targets)
      if (s == target) s = label;
    pred.successors = targets;
    at = &made_.emplace_back(std::move(edge));
  }

  Dataflow& flow = ctx_.dataflow();
  auto assign = [&](const std::string& variable, qasm::ScalarType type, Expression value,
                    std::vector<Capture> reads, std::string_view phi, std::string_view reader) -> Status {
    BRINTAVEL_CHECK(ctx_.budget().charge(1, "block", at->label));
    ProgramPoint point{at->ordinal, at->size};
    flow.note_write(Resource{Resource::Kind::Variable, flow.variable(variable)}, point, phi);
    ctx_.add_pending(reads);
    bool computed = !std::holds_alternative<qasm::FloatLiteral>(value.node) &&
                    !std::holds_alternative<qasm::Identifier>(value.node);
    if (type == qasm::ScalarType::Float64 && computed) {
      // Case by case over the measurements it is computed from.
      ValueScope scope{ctx_, facts_, variables_, *at, state_.body, state_.ranges};
      if (std::optional<Table> table = table_of(scope, reader, kMaxCases); table && !table->atoms.empty()) {
        BRINTAVEL_CHECK(assign_cases(scope, variable, *table));
        ctx_.use_pending(Reader{Reader::Kind::SsaValue, reader}, point);
        return {};
      }
      // The service fails on a cast in an assignment that depends on a measurement.
      bool cast = qasm::find_node(value, [](const Expression& x) {
                    const auto* u = std::get_if<qasm::Unary>(&x.node);
                    return u && (u->op == qasm::UnaryOperator::IntCast || u->op == qasm::UnaryOperator::Float64Cast);
                  }) != nullptr;
      if (cast)
        return unsupported(cat("SSA value ", q(phi), " (phi double) has no exact form in the OpenQASM dialect: its "
                               "value ", q(reader), " is computed at run time from values that take too many cases "
                               "to write each, and the service cannot assign it"));
    }
    ctx_.use_pending(Reader{Reader::Kind::SsaValue, reader}, point);
    auto set = [&](Expression v) {
      return qasm::Statement(qasm::Assignment{qasm::IndexedIdentifier{variable, std::nullopt}, std::move(v)});
    };
    if (type == qasm::ScalarType::Int && is_bool_typed(value)) {
      qasm::Statement branch = qasm::If({set(ints::lit(1))}, {set(ints::lit(0))}, std::move(value));
      BRINTAVEL_CHECK(ctx_.budget().charge(qasm::count_nodes({branch}), "block", at->label));
      ctx_.emitter().keep(at->statements, std::move(branch));
      ++at->size;
      return {};
    }
    append_statement(ctx_.emitter(), *at, set(std::move(value)));
    return {};
  };
  auto reader_of = [](const Copy& c) {
    const auto* s = std::get_if<ir::Ssa>(&c.value);
    return s ? s->name : c.phi;
  };

  // A value that reads another variable of this edge is taken into a temporary first.
  std::vector<std::string_view> assigned;
  for (const Incoming& v : values) assigned.emplace_back(v.copy->variable);
  for (Incoming& v : values) {
    if (!reads_other(v.value, assigned, v.copy->variable)) continue;
    std::string temporary = variables_.declare(v.copy->type);
    BRINTAVEL_CHECK(assign(temporary, v.copy->type, std::move(v.value), std::move(v.reads), v.copy->phi,
                           reader_of(*v.copy)));
    v.reads = {Capture{Resource{Resource::Kind::Variable, flow.variable(temporary)},
                       ProgramPoint{at->ordinal, at->size}}};
    v.value = qasm::Identifier{temporary};
  }
  for (Incoming& v : values)
    BRINTAVEL_CHECK(assign(v.copy->variable, v.copy->type, std::move(v.value), std::move(v.reads), v.copy->phi,
                           reader_of(*v.copy)));
  return {};
}

// The one value a phi takes besides itself, when it is a constant.
const ir::Operand* single_constant(const ir::Phi& phi) {
  const ir::Operand* only = nullptr;
  for (const ir::PhiIncoming& in : phi.incomings) {
    const auto* s = std::get_if<ir::Ssa>(&in.value);
    if (s && s->name == phi.result) continue;
    if (s) return nullptr;
    if (only && ir::debug_render(*only) != ir::debug_render(in.value)) return nullptr;
    only = &in.value;
  }
  return only;
}

Status ExtendedPhis::lower(const ir::Phi& phi, BlockLowering& out) {
  const auto* single = phi.incomings.size() == 1 ? std::get_if<ir::Ssa>(&phi.incomings[0].value) : nullptr;
  if (single && ctx.peek_value(single->name)) {
    // One predecessor: the value itself.
    BRINTAVEL_TRY_ASSIGN(qasm::Expression value, ctx.lookup_value(single->name));
    if (const IntFacts* f = facts.find(single->name)) facts.set(phi.result, IntFacts(*f));
    return ctx.bind_value(phi.result, std::move(value));
  }
  bool loop_carried = std::any_of(phi.incomings.begin(), phi.incomings.end(),
                                  [&](const ir::PhiIncoming& in) { return in.predecessor == out.label; });
  if (!loop_carried && phi.ty == "i1" && short_circuit_applies(phi, out.label, processed, ctx))
    return lower_phi(phi, out.label, processed, variables, ctx, nullptr);
  if (!loop_carried && phi.ty != "i1" && int_width(phi.ty) && phi.incomings.size() == 2 && !processed.empty()) {
    BRINTAVEL_TRY_ASSIGN(bool diamond, lower_zero_one_diamond(phi, processed, ctx));
    if (diamond) {
      facts.set(phi.result, IntFacts{*int_width(phi.ty), 1, false, {}, IntRange{0, 1}, {}});
      return {};
    }
    // The if-merge variable.
    if (if_merge_applies(phi, processed)) {
      IntFacts merged;
      merged.width = *int_width(phi.ty);
      merged.may_be_one = facts.may_be_one(phi.incomings[0].value, ctx) | facts.may_be_one(phi.incomings[1].value, ctx);
      BRINTAVEL_CHECK(lower_phi(phi, out.label, processed, variables, ctx, &resets));
      facts.set(phi.result, std::move(merged));
      return {};
    }
  }
  if (const ir::Operand* only = single_constant(phi)) {
    // A phi of one constant (and of itself) is that constant.
    if (const auto* p = std::get_if<ir::PtrConst>(only)) {
      ctx.record_pointer_index(phi.result, p->index);
      return {};
    }
    if (const auto* f = std::get_if<ir::ConstFloat>(only)) return ctx.bind_value(phi.result, qasm::FloatLiteral{f->value});
    if (const auto* b = std::get_if<ir::ConstBool>(only)) return ctx.bind_value(phi.result, qasm::BoolLiteral{b->value});
    if (const auto* i = std::get_if<ir::ConstInt>(only); i && i->value.to_int64()) {
      if (auto width = int_width(phi.ty)) ctx.set_range(phi.result, IntRange::constant(*i->value.to_int64()));
      return ctx.bind_value(phi.result, qasm::IntLiteral{*i->value.to_int64()});
    }
  }
  return copies.add(phi, out);
}

}  // namespace brintavel::translator
