#include "translator/tabulation.hpp"

#include <algorithm>
#include <cmath>
#include <span>
#include <unordered_map>

#include "ir/operand_format.hpp"
#include "translator/classical.hpp"
#include "translator/context.hpp"
#include "translator/int_algebra.hpp"

namespace brintavel::translator {

namespace {

using qasm::BinaryOperator;
using qasm::Expression;

// Definitions deeper than this are not followed (a table is worth it for short computations).
constexpr int kMaxDepth = 200;

bool is_evaluable(const ir::Instruction& i) {
  if (const auto* call = std::get_if<ir::Call>(&i)) return call->args.size() == 1 && math_function(call->callee, 1.0);
  return std::holds_alternative<ir::Arith>(i) || std::holds_alternative<ir::IntOp>(i) ||
         std::holds_alternative<ir::Cast>(i) || std::holds_alternative<ir::FloatOp>(i) ||
         std::holds_alternative<ir::FNeg>(i) || std::holds_alternative<ir::Icmp>(i) ||
         std::holds_alternative<ir::Fcmp>(i) || std::holds_alternative<ir::Logic>(i) ||
         std::holds_alternative<ir::Select>(i) || std::holds_alternative<ir::Zext>(i);
}

// The integer width of what `i` defines, when it is an integer.
std::optional<unsigned> defined_width(const ir::Instruction& i) {
  return std::visit(
      [](const auto& x) -> std::optional<unsigned> {
        using T = std::decay_t<decltype(x)>;
        if constexpr (std::is_same_v<T, ir::Icmp> || std::is_same_v<T, ir::Fcmp> || std::is_same_v<T, ir::Logic>) {
          return 1u;
        } else if constexpr (std::is_same_v<T, ir::Arith> || std::is_same_v<T, ir::IntOp> ||
                             std::is_same_v<T, ir::Select> || std::is_same_v<T, ir::Phi>) {
          return integer_width(x.ty);
        } else if constexpr (std::is_same_v<T, ir::Cast>) {
          return integer_width(x.to_ty);
        } else if constexpr (std::is_same_v<T, ir::Call>) {
          return integer_width(x.return_type);
        } else if constexpr (std::is_same_v<T, ir::Zext>) {
          return 64u;
        } else {
          return std::nullopt;
        }
      },
      i);
}

// The instructions of a recurrence's step.
constexpr std::size_t kMaxRecurrenceSteps = 64;

// A phi of a loop header that moves in step with a counter of the same header: it starts at
// a constant on the edges into the loop and becomes `next` (computed from it) on the others,
// where the counter starts at a constant and grows by one. So phi = next^(counter - start)
// applied to its start (what LLVM's scalar evolution calls a recurrence, here of any step).
struct Recurrence {
  ir::Operand start;
  std::string_view next;
  std::string_view counter;
  std::int64_t counter_start;
};

// Whether `name` is computed from `source` and constants alone.
bool computed_from(const BodyIndex& body, std::string_view name, std::string_view source) {
  std::vector<std::string_view> stack{name};
  std::unordered_map<std::string_view, bool> seen;
  while (!stack.empty()) {
    std::string_view n = stack.back();
    stack.pop_back();
    if (n == source || !seen.try_emplace(n, true).second) continue;
    if (seen.size() > kMaxRecurrenceSteps) return false;
    const BodyIndex::Definition* d = body.find(n);
    if (!d || !is_evaluable(*d->instruction)) return false;
    ir::for_each_use(*d->instruction, [&](std::string_view operand) { stack.push_back(operand); });
  }
  return true;
}

// Whether `counter`, a phi of the same block as `phi`, counts the trips of the recurrence.
std::optional<Recurrence> counted_by(const BodyIndex& body, const ir::Phi& phi, const ir::Phi& counter) {
  if (&counter == &phi || counter.incomings.size() != phi.incomings.size() || !integer_width(counter.ty))
    return std::nullopt;
  auto names = [](const ir::Operand& o, std::string_view n) {
    const auto* s = std::get_if<ir::Ssa>(&o);
    return s && s->name == n;
  };
  auto one = [](const ir::Operand& o) {
    const auto* c = std::get_if<ir::ConstInt>(&o);
    return c && c->value == 1;
  };
  std::optional<Recurrence> found;
  std::optional<std::string_view> next;
  for (std::size_t k = 0; k < phi.incomings.size(); ++k) {
    const ir::PhiIncoming& mine = phi.incomings[k];
    const ir::PhiIncoming& theirs = counter.incomings[k];
    if (mine.predecessor != theirs.predecessor) return std::nullopt;
    if (const auto* step = std::get_if<ir::Ssa>(&mine.value)) {
      // A trip: the counter grows by one.
      const auto* counted = std::get_if<ir::Ssa>(&theirs.value);
      const BodyIndex::Definition* d = counted ? body.find(counted->name) : nullptr;
      const auto* add = d ? std::get_if<ir::Arith>(d->instruction) : nullptr;
      bool grows = add && add->op == ir::ArithOp::Add &&
                   ((names(add->lhs, counter.result) && one(add->rhs)) ||
                    (names(add->rhs, counter.result) && one(add->lhs)));
      if (!grows || (next && *next != step->name)) return std::nullopt;
      next = step->name;
      continue;
    }
    // An entry: both start at constants, the same on every entry.
    const auto* c = std::get_if<ir::ConstInt>(&theirs.value);
    std::optional<std::int64_t> start = c ? c->value.to_int64() : std::nullopt;
    if (!start) return std::nullopt;
    if (found && (found->counter_start != *start || ir::debug_render(found->start) != ir::debug_render(mine.value)))
      return std::nullopt;
    found = Recurrence{mine.value, {}, counter.result, *start};
  }
  if (!found || !next || !computed_from(body, *next, phi.result)) return std::nullopt;
  found->next = *next;
  return found;
}

std::optional<Recurrence> recurrence_of(const BodyIndex& body, const ir::Phi& phi, std::uint32_t block) {
  for (const ir::Instruction& i : body.blocks()[block].instructions)
    if (const auto* counter = std::get_if<ir::Phi>(&i))
      if (auto r = counted_by(body, phi, *counter)) return r;
  return std::nullopt;
}

class Tabulator {
 public:
  Tabulator(const BodyIndex& body, const BodyRanges& ranges, std::size_t limit)
      : body_(body), ranges_(ranges), limit_(limit) {}

  // The atoms of `roots`, cutting at integers of few values when `cut`; nothing when they
  // depend on something else.
  std::optional<std::vector<Atom>> atoms_of(std::span<const std::string_view> roots, bool cut) {
    std::vector<Atom> atoms;
    std::unordered_map<std::string_view, bool> seen;
    std::vector<std::pair<std::string_view, int>> stack;
    for (std::string_view root : roots) stack.push_back({root, 0});
    while (!stack.empty()) {
      auto [name, depth] = stack.back();
      stack.pop_back();
      if (!seen.try_emplace(name, true).second) continue;
      if (depth > kMaxDepth) return std::nullopt;
      const BodyIndex::Definition* d = body_.find(name);
      if (!d) return std::nullopt;
      const ir::Instruction& i = *d->instruction;
      if (const auto* phi = std::get_if<ir::Phi>(&i)) {
        if (auto indices = pointer_phi_indices(*phi)) {
          atoms.push_back(Atom{name, std::move(*indices), 64, {}, true});
          continue;
        }
        if (auto constants = phi_constants(*phi)) {
          Atom atom{name, {}, 64, std::move(*constants), true};
          for (std::size_t k = 0; k < atom.constants.size(); ++k) atom.values.push_back(static_cast<std::int64_t>(k));
          atoms.push_back(std::move(atom));
          continue;
        }
        if (auto r = recurrence_of(body_, *phi, d->block)) {
          stack.push_back({r->counter, depth + 1});
          recurrences_.insert_or_assign(name, *r);
          continue;
        }
        if (auto choice = choice_of(*phi, d->block)) {
          stack.push_back({choice->condition, depth + 1});
          for (const ir::Operand* v : {&choice->if_true, &choice->if_false})
            if (const auto* s = std::get_if<ir::Ssa>(v)) stack.push_back({s->name, depth + 1});
          choices_.insert_or_assign(name, *choice);
          continue;
        }
      }
      std::optional<unsigned> width = defined_width(i);
      if ((is_evaluable(i) || reads_array(i)) && !(cut && depth > 0 && small_integer(name, width))) {
        ir::for_each_use(i, [&](std::string_view operand) { stack.push_back({operand, depth + 1}); });
        continue;
      }
      if (width && *width == 1) {
        atoms.push_back(Atom{name, {0, 1}, 1});
        continue;
      }
      if (!small_integer(name, width)) return std::nullopt;
      Atom atom{name, {}, *width};
      const IntRange* r = ranges_.find(name);
      for (std::int64_t v = r->lo;; ++v) {
        atom.values.push_back(v);
        if (v == r->hi) break;
      }
      atoms.push_back(std::move(atom));
    }
    return atoms;
  }

  // A table per root, over the same atoms.
  std::optional<std::vector<Table>> run(std::span<const std::string_view> roots) {
    std::optional<std::vector<Atom>> best;
    std::size_t best_size = 0;
    for (bool cut : {false, true}) {
      auto atoms = atoms_of(roots, cut);
      if (!atoms) continue;
      std::size_t size = assignments(*atoms);
      if (size != 0 && (!best || size < best_size)) {
        best = std::move(atoms);
        best_size = size;
      }
    }
    if (!best) return std::nullopt;
    std::vector<Table> tables(roots.size(), Table{*best, {}});
    for (Table& t : tables) t.results.reserve(best_size);
    for (std::size_t k = 0; k < best_size; ++k) {
      values_.clear();
      journal_.clear();
      for (std::size_t a = 0; a < best->size(); ++a) {
        const Atom& atom = (*best)[a];
        std::int64_t v = tables[0].value_of(k, a);
        values_.insert_or_assign(atom.name, atom.constants.empty() ? Value::integer(v, atom.width)
                                                                   : Value::real(atom.constants[static_cast<std::size_t>(v)]));
      }
      for (std::size_t r = 0; r < roots.size(); ++r) {
        auto v = evaluate_name(roots[r], 0);
        if (!v) return std::nullopt;
        tables[r].results.push_back(*v);
      }
    }
    return tables;
  }

 private:
  bool small_integer(std::string_view name, std::optional<unsigned> width) const {
    if (!width || *width < 2) return false;
    const IntRange* r = ranges_.find(name);
    return r && r->span() < limit_;
  }

  // The number of assignments of `atoms`, or 0 beyond the limit.
  std::size_t assignments(const std::vector<Atom>& atoms) const {
    std::size_t n = 1;
    for (const Atom& a : atoms) {
      if (a.values.empty() || n > limit_ / a.values.size()) return 0;
      n *= a.values.size();
    }
    return n;
  }

  // An element address of a constant array of the module, or a load of one (through a few
  // loads at most: a load may name itself).
  bool reads_array(const ir::Instruction& i) const {
    constexpr int kMaxLoads = 16;
    const ir::Instruction* at = &i;
    for (int loads = 0; loads <= kMaxLoads; ++loads) {
      if (const auto* address = std::get_if<ir::ElementAddress>(at)) return body_.array(address->global) != nullptr;
      const auto* load = std::get_if<ir::Load>(at);
      const BodyIndex::Definition* d = load ? body_.find(load->pointer) : nullptr;
      if (!d) return false;
      at = d->instruction;
    }
    return false;
  }

  // A pointer is its index (what `inttoptr (i64 k ...)` says), null 0.
  static std::optional<Value> element_value(const ir::Operand& element) {
    if (const auto* p = std::get_if<ir::PtrConst>(&element)) return Value::integer(p->index, 64);
    if (const auto* c = std::get_if<ir::ConstInt>(&element)) {
      if (auto v = c->value.to_int64()) return Value::integer(*v, 64);
    }
    return std::nullopt;
  }

  // A phi that merges the two sides of one branch (a diamond or a triangle, as LLVM's
  // FoldTwoEntryPHINode folds into a select): its value is that of the side the branch took.
  struct Choice {
    std::string_view condition;
    ir::Operand if_true;
    ir::Operand if_false;
  };

  std::optional<Choice> choice_of(const ir::Phi& phi, std::uint32_t block) const {
    if (phi.incomings.size() != 2) return std::nullopt;
    // The side of each incoming: its predecessor is the branching block itself, or a block
    // that only the branching block enters and that branches here.
    auto side = [&](std::string_view predecessor) -> std::optional<std::pair<std::uint32_t, std::uint32_t>> {
      auto p = body_.block_of(predecessor);
      if (!p) return std::nullopt;
      auto preds = body_.predecessors(*p);
      const auto& insts = body_.blocks()[*p].instructions;
      if (!insts.empty() && std::holds_alternative<ir::CondBr>(insts.back())) return std::pair{*p, block};
      if (preds.size() != 1) return std::nullopt;
      return std::pair{preds[0], *p};
    };
    auto a = side(phi.incomings[0].predecessor), b = side(phi.incomings[1].predecessor);
    if (!a || !b || a->first != b->first) return std::nullopt;
    const auto& insts = body_.blocks()[a->first].instructions;
    const auto* br = insts.empty() ? nullptr : std::get_if<ir::CondBr>(&insts.back());
    const auto* condition = br ? std::get_if<std::string_view>(&br->condition) : nullptr;
    if (!condition) return std::nullopt;
    auto t = body_.block_of(br->true_label), f = body_.block_of(br->false_label);
    if (!t || !f || *t == *f) return std::nullopt;
    // Incoming k came through the edge into a->second / b->second.
    if (a->second == *t && b->second == *f) return Choice{*condition, phi.incomings[0].value, phi.incomings[1].value};
    if (a->second == *f && b->second == *t) return Choice{*condition, phi.incomings[1].value, phi.incomings[0].value};
    return std::nullopt;
  }

  std::optional<Value> evaluate_name(std::string_view name, int depth) {
    if (auto it = values_.find(name); it != values_.end()) return it->second;
    if (depth > kMaxDepth) return std::nullopt;
    const BodyIndex::Definition* d = body_.find(name);
    if (!d) return std::nullopt;
    if (auto r = recurrences_.find(name); r != recurrences_.end()) return evaluate_recurrence(name, r->second, depth);
    if (auto c = choices_.find(name); c != choices_.end()) {
      auto condition = evaluate_name(c->second.condition, depth + 1);
      if (!condition || !condition->is_integer()) return std::nullopt;
      const ir::Operand& chosen = (condition->as_integer() & 1) ? c->second.if_true : c->second.if_false;
      const auto* phi = std::get_if<ir::Phi>(d->instruction);
      std::optional<Value> v;
      if (const auto* s = std::get_if<ir::Ssa>(&chosen)) v = evaluate_name(s->name, depth + 1);
      else if (const auto* p = std::get_if<ir::PtrConst>(&chosen)) v = Value::integer(p->index, 64);
      else v = constant_value(chosen, phi->ty);
      if (v) remember(name, *v);
      return v;
    }
    if (const auto* load = std::get_if<ir::Load>(d->instruction)) {
      // The element the address names: the address's indices are evaluated, not it.
      const BodyIndex::Definition* at = body_.find(load->pointer);
      const auto* address = at ? std::get_if<ir::ElementAddress>(at->instruction) : nullptr;
      if (!address) return std::nullopt;
      auto index = [&](const ir::Operand& o) -> std::optional<Value> {
        if (const auto* s = std::get_if<ir::Ssa>(&o)) return evaluate_name(s->name, depth + 1);
        return constant_value(o, "i64");
      };
      auto outer = index(address->outer), inner = index(address->inner);
      if (!outer || !inner || !outer->is_integer() || !inner->is_integer()) return std::nullopt;
      const ir::Operand* element = body_.element(*address, outer->as_integer(), inner->as_integer());
      // An index beyond the array is undefined: no run that reaches the load has it (a loop's
      // counter after its last trip). It is marked NaN, which the cases leave out.
      auto v = element ? element_value(*element) : Value::real(std::nan(""));
      if (v) remember(name, *v);
      return v;
    }
    auto operand = [&](const ir::Operand& o, std::string_view ty) -> std::optional<Value> {
      if (const auto* s = std::get_if<ir::Ssa>(&o)) return evaluate_name(s->name, depth + 1);
      return constant_value(o, ty);
    };
    std::optional<Value> v = evaluate(*d->instruction, operand);
    if (v) remember(name, *v);
    return v;
  }

  // The recurrence's value at its counter's value: `next` evaluated that many times, each
  // time from the value before (the values computed on the way are forgotten after each).
  std::optional<Value> evaluate_recurrence(std::string_view name, const Recurrence& r, int depth) {
    auto counter = evaluate_name(r.counter, depth + 1);
    const auto* phi = std::get_if<ir::Phi>(body_.find(name)->instruction);
    auto v = constant_value(r.start, phi->ty);
    if (!counter || !counter->is_integer() || !v) return std::nullopt;
    std::int64_t steps = counter->as_integer() - r.counter_start;
    if (steps < 0 || static_cast<std::uint64_t>(steps) > limit_) return std::nullopt;
    for (std::int64_t k = 0; k < steps && v; ++k) {
      std::size_t mark = journal_.size();
      values_.insert_or_assign(name, *v);
      v = evaluate_name(r.next, depth + 1);
      for (std::size_t j = mark; j < journal_.size(); ++j) values_.erase(journal_[j]);
      journal_.resize(mark);
    }
    if (v) remember(name, *v);
    return v;
  }

  void remember(std::string_view name, const Value& v) {
    values_.insert_or_assign(name, v);
    journal_.push_back(name);
  }

  const BodyIndex& body_;
  const BodyRanges& ranges_;
  std::size_t limit_;
  std::unordered_map<std::string_view, Value> values_;
  std::vector<std::string_view> journal_;  // the names remembered, in order
  std::unordered_map<std::string_view, Recurrence> recurrences_;
  std::unordered_map<std::string_view, Choice> choices_;
};

double as_double(const Value& v) { return v.is_integer() ? static_cast<double>(v.as_integer()) : v.as_real(); }

}  // namespace

std::int64_t Table::value_of(std::size_t assignment, std::size_t atom) const {
  for (std::size_t a = 0; a < atom; ++a) assignment /= atoms[a].values.size();
  return atoms[atom].values[assignment % atoms[atom].values.size()];
}

std::optional<Table> tabulate(const BodyIndex& body, const BodyRanges& ranges, std::string_view name,
                              std::size_t limit) {
  auto tables = Tabulator(body, ranges, limit).run(std::span<const std::string_view>(&name, 1));
  if (!tables) return std::nullopt;
  // A value is written for every case: one without a finite value has no form.
  for (const Value& v : tables->front().results)
    if (!v.is_integer() && !std::isfinite(v.as_real())) return std::nullopt;
  return std::move(tables->front());
}

std::optional<std::vector<Table>> tabulate_together(const BodyIndex& body, const BodyRanges& ranges,
                                                    std::span<const std::string_view> names, std::size_t limit) {
  if (names.empty()) return std::nullopt;
  return Tabulator(body, ranges, limit).run(names);
}

std::optional<Separable> separate(const Table& table) {
  if (table.results.empty()) return std::nullopt;
  Separable s;
  s.constant = as_double(table.results[0]);
  // Assignment 0 gives every atom its first value: each atom's term is what changing it alone
  // adds to that.
  std::size_t stride = 1;
  for (const Atom& atom : table.atoms) {
    std::vector<double> term(atom.values.size(), 0.0);
    for (std::size_t v = 1; v < atom.values.size(); ++v) term[v] = as_double(table.results[v * stride]) - s.constant;
    s.terms.push_back(std::move(term));
    stride *= atom.values.size();
  }
  for (std::size_t k = 0; k < table.results.size(); ++k) {
    double sum = s.constant;
    std::size_t rest = k;
    for (std::size_t a = 0; a < table.atoms.size(); ++a) {
      sum += s.terms[a][rest % table.atoms[a].values.size()];
      rest /= table.atoms[a].values.size();
    }
    double actual = as_double(table.results[k]);
    if (std::fabs(sum - actual) > 1e-12 * std::max(1.0, std::fabs(actual))) return std::nullopt;
  }
  return s;
}

bool counts_trips(const BodyIndex& body, std::string_view phi_name) {
  const BodyIndex::Definition* d = body.find(phi_name);
  const auto* phi = d ? std::get_if<ir::Phi>(d->instruction) : nullptr;
  return phi && recurrence_of(body, *phi, d->block).has_value();
}

std::optional<std::vector<std::int64_t>> pointer_phi_indices(const ir::Phi& phi) {
  if (phi.ty != "ptr" && !phi.ty.ends_with('*')) return std::nullopt;
  std::vector<std::int64_t> indices;
  for (const ir::PhiIncoming& in : phi.incomings) {
    if (const auto* s = std::get_if<ir::Ssa>(&in.value); s && s->name == phi.result) continue;
    const auto* p = std::get_if<ir::PtrConst>(&in.value);
    if (!p) return std::nullopt;
    if (std::find(indices.begin(), indices.end(), p->index) == indices.end()) indices.push_back(p->index);
  }
  if (indices.empty() || indices.size() > kMaxPhiConstants) return std::nullopt;
  std::sort(indices.begin(), indices.end());
  return indices;
}

std::optional<std::vector<double>> phi_constants(const ir::Phi& phi) {
  if ((phi.ty != "double" && phi.ty != "float") || phi.incomings.size() < 2) return std::nullopt;
  std::vector<double> constants;
  for (const ir::PhiIncoming& in : phi.incomings) {
    const auto* f = std::get_if<ir::ConstFloat>(&in.value);
    if (!f || !std::isfinite(f->value)) return std::nullopt;
    if (std::find(constants.begin(), constants.end(), f->value) == constants.end()) constants.push_back(f->value);
  }
  if (constants.size() > kMaxPhiConstants) return std::nullopt;
  return constants;
}

namespace {

// The atom's value as the dialect reads it: an SSA value's binding, or a phi's number.
Result<Expression> read_atom(const Atom& atom, LoweringContext& ctx) {
  return atom.indexed ? ctx.lookup_index(atom.name) : ctx.lookup_value(atom.name);
}

}  // namespace

Result<Expression> atom_is(const Atom& atom, std::int64_t value, LoweringContext& ctx) {
  BRINTAVEL_TRY_ASSIGN(Expression e, read_atom(atom, ctx));
  if (atom.width == 1 && is_boolean_valued(e)) return value != 0 ? std::move(e) : qasm::make_not(std::move(e));
  if (atom.width == 1 && value != 0) return as_condition(std::move(e));
  return qasm::make_binary(BinaryOperator::Eq, std::move(e), qasm::IntLiteral{value});
}

Result<Expression> one_of(const Table& table, const std::vector<std::size_t>& assignments, LoweringContext& ctx) {
  if (assignments.empty()) return Expression(qasm::BoolLiteral{false});
  if (assignments.size() == table.results.size()) return Expression(qasm::BoolLiteral{true});
  std::optional<Expression> any;
  auto either = [&](Expression e) {
    any = any ? qasm::make_binary(BinaryOperator::Or, std::move(*any), std::move(e)) : std::move(e);
  };
  if (table.atoms.size() == 1) {
    // Runs of consecutive values as intervals.
    const Atom& atom = table.atoms[0];
    std::size_t k = 0;
    while (k < assignments.size()) {
      std::size_t end = k;
      while (end + 1 < assignments.size() && assignments[end + 1] == assignments[end] + 1) ++end;
      std::int64_t lo = atom.values[assignments[k]], hi = atom.values[assignments[end]];
      if (lo == hi) {
        BRINTAVEL_TRY_ASSIGN(Expression e, atom_is(atom, lo, ctx));
        either(std::move(e));
      } else {
        BRINTAVEL_TRY_ASSIGN(Expression a, read_atom(atom, ctx));
        Expression low = qasm::make_binary(BinaryOperator::Ge, a, qasm::IntLiteral{lo});
        Expression high = qasm::make_binary(BinaryOperator::Le, std::move(a), qasm::IntLiteral{hi});
        if (lo == atom.values.front()) either(std::move(high));
        else if (hi == atom.values.back()) either(std::move(low));
        else either(qasm::make_binary(BinaryOperator::And, std::move(low), std::move(high)));
      }
      k = end + 1;
    }
    return std::move(*any);
  }
  for (std::size_t k : assignments) {
    std::optional<Expression> all;
    for (std::size_t a = 0; a < table.atoms.size(); ++a) {
      BRINTAVEL_TRY_ASSIGN(Expression e, atom_is(table.atoms[a], table.value_of(k, a), ctx));
      all = all ? qasm::make_binary(BinaryOperator::And, std::move(*all), std::move(e)) : std::move(e);
    }
    either(std::move(*all));
  }
  return std::move(*any);
}

}  // namespace brintavel::translator
