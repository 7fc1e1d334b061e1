#include "translator/tabulation.hpp"

#include <algorithm>
#include <cmath>
#include <unordered_map>

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

class Tabulator {
 public:
  Tabulator(const BodyIndex& body, const BodyRanges& ranges, std::size_t limit)
      : body_(body), ranges_(ranges), limit_(limit) {}

  // The atoms of `root`, cutting at integers of few values when `cut`; nothing when it
  // depends on something else.
  std::optional<std::vector<Atom>> atoms_of(std::string_view root, bool cut) {
    std::vector<Atom> atoms;
    std::unordered_map<std::string_view, bool> seen;
    std::vector<std::pair<std::string_view, int>> stack{{root, 0}};
    while (!stack.empty()) {
      auto [name, depth] = stack.back();
      stack.pop_back();
      if (!seen.try_emplace(name, true).second) continue;
      if (depth > kMaxDepth) return std::nullopt;
      const BodyIndex::Definition* d = body_.find(name);
      if (!d) return std::nullopt;
      const ir::Instruction& i = *d->instruction;
      std::optional<unsigned> width = defined_width(i);
      if (is_evaluable(i) && !(cut && name != root && small_integer(name, width))) {
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

  std::optional<Table> run(std::string_view root) {
    std::optional<std::vector<Atom>> best;
    std::size_t best_size = 0;
    for (bool cut : {false, true}) {
      auto atoms = atoms_of(root, cut);
      if (!atoms) continue;
      std::size_t size = assignments(*atoms);
      if (size != 0 && (!best || size < best_size)) {
        best = std::move(atoms);
        best_size = size;
      }
    }
    if (!best) return std::nullopt;
    Table table{std::move(*best), {}};
    table.results.reserve(best_size);
    for (std::size_t k = 0; k < best_size; ++k) {
      values_.clear();
      for (std::size_t a = 0; a < table.atoms.size(); ++a)
        values_.insert_or_assign(table.atoms[a].name,
                                 Value::integer(table.value_of(k, a), table.atoms[a].width));
      auto v = evaluate_name(root, 0);
      if (!v) return std::nullopt;
      table.results.push_back(*v);
    }
    return table;
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

  std::optional<Value> evaluate_name(std::string_view name, int depth) {
    if (auto it = values_.find(name); it != values_.end()) return it->second;
    if (depth > kMaxDepth) return std::nullopt;
    const BodyIndex::Definition* d = body_.find(name);
    if (!d) return std::nullopt;
    auto operand = [&](const ir::Operand& o, std::string_view ty) -> std::optional<Value> {
      if (const auto* s = std::get_if<ir::Ssa>(&o)) return evaluate_name(s->name, depth + 1);
      return constant_value(o, ty);
    };
    std::optional<Value> v = evaluate(*d->instruction, operand);
    if (v) values_.insert_or_assign(name, *v);
    return v;
  }

  const BodyIndex& body_;
  const BodyRanges& ranges_;
  std::size_t limit_;
  std::unordered_map<std::string_view, Value> values_;
};

double as_double(const Value& v) { return v.is_integer() ? static_cast<double>(v.as_integer()) : v.as_real(); }

}  // namespace

std::int64_t Table::value_of(std::size_t assignment, std::size_t atom) const {
  for (std::size_t a = 0; a < atom; ++a) assignment /= atoms[a].values.size();
  return atoms[atom].values[assignment % atoms[atom].values.size()];
}

std::optional<Table> tabulate(const BodyIndex& body, const BodyRanges& ranges, std::string_view name,
                              std::size_t limit) {
  return Tabulator(body, ranges, limit).run(name);
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

Result<Expression> atom_is(const Atom& atom, std::int64_t value, LoweringContext& ctx) {
  BRINTAVEL_TRY_ASSIGN(Expression e, ctx.lookup_value(atom.name));
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
        BRINTAVEL_TRY_ASSIGN(Expression a, ctx.lookup_value(atom.name));
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
