#include "translator/records.hpp"

#include <algorithm>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "translator/block_graph.hpp"
#include "translator/body_index.hpp"
#include "translator/evaluate.hpp"

namespace brintavel::translator {

using text::cat;
using Kind = OutputRecord::Kind;

namespace {

// ---- labels -------------------------------------------------------------------------------------

// The global string constants of the module (`@NAME = ... c"TEXT\00"`), by name, decoded up to
// their first NUL.
text::NameMap<std::string> global_strings(std::string_view source) {
  text::NameMap<std::string> strings;
  std::size_t pos = 0;
  while (pos < source.size()) {
    std::size_t end = source.find('\n', pos);
    if (end == std::string_view::npos) end = source.size();
    std::string_view line = source.substr(pos, end - pos);
    pos = end + 1;
    if (line.size() < 2 || line[0] != '@') continue;
    std::size_t name_end = 1;
    if (line[1] == '"') {
      name_end = line.find('"', 2);
      if (name_end == std::string_view::npos) continue;
      ++name_end;
    } else {
      while (name_end < line.size() && text::is_name_char(line[name_end])) ++name_end;
    }
    std::string_view name = line.substr(1, name_end - 1);
    std::size_t equals = name_end;
    while (equals < line.size() && (line[equals] == ' ' || line[equals] == '\t')) ++equals;
    if (equals >= line.size() || line[equals] != '=') continue;
    std::size_t open = line.find("c\"", equals);
    if (open == std::string_view::npos) continue;
    std::string decoded;
    for (std::size_t i = open + 2; i < line.size() && line[i] != '"'; ++i) {
      char c = line[i];
      if (c == '\\' && i + 2 < line.size()) {
        auto hex = [](char h) -> int {
          if (h >= '0' && h <= '9') return h - '0';
          if (h >= 'a' && h <= 'f') return h - 'a' + 10;
          if (h >= 'A' && h <= 'F') return h - 'A' + 10;
          return -1;
        };
        int hi = hex(line[i + 1]), lo = hex(line[i + 2]);
        if (hi >= 0 && lo >= 0) {
          c = static_cast<char>(hi * 16 + lo);
          i += 2;
        } else if (line[i + 1] == '\\') {
          ++i;
        }
      }
      if (c == '\0') break;
      decoded.push_back(c);
    }
    strings.try_emplace(name, std::move(decoded));
  }
  return strings;
}

// The global a record call names as its label: the last `@NAME` among the call's operands (the
// label is the last operand); nothing for a null label.
std::optional<std::string_view> label_global(const char* where, std::string_view source) {
  if (!where || where < source.data() || where >= source.data() + source.size()) return std::nullopt;
  std::string_view rest = source.substr(static_cast<std::size_t>(where - source.data()));
  rest = rest.substr(0, rest.find('\n'));
  std::size_t callee = rest.find('@');
  if (callee == std::string_view::npos) return std::nullopt;
  std::size_t open = rest.find('(', callee);
  std::size_t at = rest.rfind('@');
  if (open == std::string_view::npos || at == std::string_view::npos || at < open) return std::nullopt;
  std::size_t end = at + 1;
  if (end < rest.size() && rest[end] == '"') {
    end = rest.find('"', end + 1);
    if (end == std::string_view::npos) return std::nullopt;
    ++end;
  } else {
    while (end < rest.size() && text::is_name_char(rest[end])) ++end;
  }
  return rest.substr(at + 1, end - at - 1);
}

std::optional<Kind> record_kind(std::string_view callee) {
  if (callee == "__quantum__rt__result_record_output") return Kind::Result;
  if (callee == "__quantum__rt__bool_record_output") return Kind::Bool;
  if (callee == "__quantum__rt__int_record_output" || callee == "__quantum__rt__integer_record_output")
    return Kind::Int;
  if (callee == "__quantum__rt__double_record_output") return Kind::Double;
  if (callee == "__quantum__rt__tuple_record_output") return Kind::Tuple;
  if (callee == "__quantum__rt__array_record_output") return Kind::Array;
  return std::nullopt;
}

std::string_view kind_word(Kind kind) {
  switch (kind) {
    case Kind::Result: return "result";
    case Kind::Bool: return "bool";
    case Kind::Int: return "int";
    case Kind::Double: return "double";
    case Kind::Tuple: return "tuple";
    case Kind::Array: return "array";
  }
  return "result";
}

// ---- values as tables over elements of c -----------------------------------------------------

// A value for each assignment of values to `bits` (result indices, ascending): assignment k
// gives c[bits[i]] bit i of k.
struct Fn {
  std::vector<std::int64_t> bits;
  std::vector<Value> values;

  static Fn constant(Value v) { return Fn{{}, {v}}; }
  bool is_constant(std::int64_t v) const {
    return bits.empty() && values.front().is_integer() && values.front().as_integer() == v;
  }
};

// Drops the bits the values do not depend on.
void simplify(Fn& fn) {
  for (std::size_t p = fn.bits.size(); p-- > 0;) {
    std::size_t step = std::size_t{1} << p;
    bool depends = false;
    for (std::size_t a = 0; a < fn.values.size() && !depends; ++a)
      if (!(a & step)) depends = !(fn.values[a] == fn.values[a | step]);
    if (depends) continue;
    std::vector<Value> kept;
    kept.reserve(fn.values.size() / 2);
    for (std::size_t a = 0; a < fn.values.size(); ++a)
      if (!(a & step)) kept.push_back(fn.values[a]);
    fn.values = std::move(kept);
    fn.bits.erase(fn.bits.begin() + static_cast<std::ptrdiff_t>(p));
  }
}

using Maybe = std::optional<Fn>;

class Evaluator {
 public:
  Evaluator(std::span<const ir::Block> blocks, const builders::Profile& profile)
      : blocks_(blocks), index_(blocks), profile_(profile) {
    std::size_t n = blocks.size();
    successors_.resize(n);
    predecessors_.resize(n);
    BlockGraph graph(n);
    for (std::size_t b = 0; b < n; ++b) {
      if (blocks[b].instructions.empty()) continue;
      const ir::Instruction& last = blocks[b].instructions.back();
      auto edge = [&](std::string_view label) {
        if (auto to = index_.block_of(label)) {
          successors_[b].push_back(*to);
          predecessors_[*to].push_back(static_cast<std::uint32_t>(b));
          graph[b].push_back(*to);
        }
      };
      if (const auto* br = std::get_if<ir::Br>(&last)) edge(br->target);
      if (const auto* br = std::get_if<ir::CondBr>(&last)) {
        edge(br->true_label);
        if (br->false_label != br->true_label) edge(br->false_label);
      }
    }
    cyclic_ = blocks_on_cycles(graph);
    topo_ = topological_components(successors_);
    // The measurements into each result, by block.
    writes_.resize(n);
    for (std::size_t b = 0; b < n; ++b) {
      const auto& list = blocks[b].instructions;
      for (std::size_t k = 0; k < list.size(); ++k) {
        const auto* call = std::get_if<ir::Call>(&list[k]);
        if (!call) continue;
        const builders::BuilderKind* kind = builders::lookup_builder(profile_, call->callee);
        if (!kind || !(std::holds_alternative<builders::Measurement>(*kind) ||
                       std::holds_alternative<builders::MeasureAndReset>(*kind)))
          continue;
        if (call->args.size() < 2) continue;
        if (auto j = result_index(call->args[1])) {
          writes_[b].push_back({k, *j});
          measured_.insert(*j);
          auto [it, fresh] = last_writer_.try_emplace(*j, topo_[b]);
          if (!fresh && it->second < topo_[b]) it->second = topo_[b];
        }
      }
    }
  }

  const BodyIndex& index() const { return index_; }

  // The constant index of a result operand.
  std::optional<std::int64_t> result_index(const ir::Operand& operand) const {
    if (const auto* p = std::get_if<ir::PtrConst>(&operand)) return p->index;
    if (std::holds_alternative<ir::I8Null>(operand)) return 0;
    if (const auto* s = std::get_if<ir::Ssa>(&operand)) {
      const BodyIndex::Definition* d = index_.find(s->name);
      const auto* cast = d ? std::get_if<ir::IntToPtr>(d->instruction) : nullptr;
      const auto* c = cast ? std::get_if<ir::ConstInt>(&cast->value) : nullptr;
      if (c) return c->value.to_int64();
    }
    return std::nullopt;
  }

  bool measured(std::int64_t j) const { return measured_.contains(j); }
  bool cyclic(std::uint32_t block) const { return cyclic_[block]; }

  // Whether a measurement into result j may follow instruction `k` of block `b`. Blocks are
  // numbered by strongly connected component in topological order, so that only measurements
  // into j in the component of `b` or later ones are looked for, by a walk from `b` (within a
  // budget of the graph's size times kWalkFactor in all; past it, a measurement may follow).
  bool written_after(std::uint32_t b, std::size_t k, std::int64_t j) {
    for (const auto& [at, result] : writes_[b])
      if (at > k && result == j) return true;
    auto last = last_writer_.find(j);
    if (last == last_writer_.end() || last->second < topo_[b]) return false;
    if (last->second == topo_[b] && !cyclic_[b]) return false;  // b alone, written before k
    std::vector<std::uint32_t> stack(successors_[b].begin(), successors_[b].end());
    std::unordered_set<std::uint32_t> seen(stack.begin(), stack.end());
    while (!stack.empty()) {
      std::uint32_t x = stack.back();
      stack.pop_back();
      if (++walked_ > kWalkFactor * (blocks_.size() + 1)) return true;
      for (const auto& w : writes_[x])
        if (w.second == j) return true;
      for (std::uint32_t s : successors_[x])
        if (topo_[s] <= last->second && seen.insert(s).second) stack.push_back(s);
    }
    return false;
  }

  // Whether block `b` runs exactly once on every run: it is on no cycle and every path from
  // the entry to a return passes it.
  bool always(std::uint32_t b) {
    if (cyclic_[b]) return false;
    if (b == 0) return true;
    if (auto it = always_.find(b); it != always_.end()) return it->second;
    if (walks_ >= kMaxWalks) return false;
    ++walks_;
    std::vector<bool> seen(blocks_.size(), false);
    std::vector<std::uint32_t> stack{0};
    seen[0] = true;
    bool avoided = false;
    while (!stack.empty() && !avoided) {
      std::uint32_t x = stack.back();
      stack.pop_back();
      if (successors_[x].empty()) avoided = true;  // a return reached without passing b
      for (std::uint32_t s : successors_[x])
        if (s != b && !seen[s]) {
          seen[s] = true;
          stack.push_back(s);
        }
    }
    always_.emplace(b, !avoided);
    return !avoided;
  }

  // Whether block `b` runs exactly once on every run: always(), or, past its walks, when its
  // execution is the constant 1 over the read results.
  bool runs_once(std::uint32_t b) {
    if (cyclic_[b]) return false;
    if (always(b)) return true;
    Maybe e = exec(b);
    return e && e->is_constant(1);
  }

  // The table of the SSA value `name`, read at the end of the function (nothing: reason() says
  // why).
  Maybe value(std::string_view name) {
    run(Node{name, kNoBlock});
    return values_[name];
  }
  // When block `b` runs, as a table (1: it runs).
  Maybe exec(std::uint32_t b) {
    run(Node{{}, b});
    return execs_[b];
  }

 private:
  static constexpr std::uint32_t kNoBlock = UINT32_MAX;
  static constexpr std::size_t kMaxWalks = 32;
  static constexpr std::uint64_t kWalkFactor = 16;
  // The table entries made in all: 2^20, and 32 per block (each block's few small tables).
  static constexpr std::uint64_t kMaxEntries = std::uint64_t{1} << 20;
  static constexpr std::uint64_t kEntriesPerBlock = 32;

  // A value by name, or the execution of a block.
  struct Node {
    std::string_view name;
    std::uint32_t block;
  };
  enum class State : std::uint8_t { Open, Done };

  std::optional<State> state(const Node& n) const {
    if (n.block == kNoBlock) {
      auto it = value_state_.find(n.name);
      if (it == value_state_.end()) return std::nullopt;
      return it->second;
    }
    auto it = exec_state_.find(n.block);
    if (it == exec_state_.end()) return std::nullopt;
    return it->second;
  }

  // The branch condition of block `p`'s terminator, when it reads an SSA value.
  std::optional<std::string_view> condition_name(std::uint32_t p) const {
    if (blocks_[p].instructions.empty()) return std::nullopt;
    const auto* br = std::get_if<ir::CondBr>(&blocks_[p].instructions.back());
    if (!br) return std::nullopt;
    if (const auto* name = std::get_if<std::string_view>(&br->condition)) return *name;
    return std::nullopt;
  }

  // What computing `n` reads.
  std::vector<Node> dependencies(const Node& n) {
    std::vector<Node> deps;
    if (n.block != kNoBlock) {
      if (always(n.block) || cyclic_[n.block]) return deps;
      for (std::uint32_t p : predecessors_[n.block]) {
        deps.push_back(Node{{}, p});
        if (auto c = condition_name(p)) deps.push_back(Node{*c, kNoBlock});
      }
      return deps;
    }
    const BodyIndex::Definition* d = index_.find(n.name);
    if (!d) return deps;
    if (const auto* phi = std::get_if<ir::Phi>(d->instruction)) {
      if (cyclic_[d->block]) return deps;
      for (const ir::PhiIncoming& in : phi->incomings) {
        if (const auto* s = std::get_if<ir::Ssa>(&in.value)) deps.push_back(Node{s->name, kNoBlock});
        if (auto p = index_.block_of(in.predecessor)) {
          deps.push_back(Node{{}, *p});
          if (auto c = condition_name(*p)) deps.push_back(Node{*c, kNoBlock});
        }
      }
      return deps;
    }
    if (std::holds_alternative<ir::Call>(*d->instruction)) return deps;
    ir::for_each_use(*d->instruction, [&](std::string_view used) { deps.push_back(Node{used, kNoBlock}); });
    return deps;
  }

  void run(Node root) {
    std::vector<Node> stack{root};
    while (!stack.empty()) {
      Node n = stack.back();
      std::optional<State> s = state(n);
      if (s == State::Done) {
        stack.pop_back();
        continue;
      }
      if (!s) {
        set_state(n, State::Open);
        bool pushed = false;
        for (const Node& d : dependencies(n))
          if (!state(d)) {
            stack.push_back(d);
            pushed = true;
          }
        if (pushed) continue;
      }
      // Dependencies still open lie on a cycle: they read as undetermined.
      compute(n);
      set_state(n, State::Done);
      stack.pop_back();
    }
  }

  void set_state(const Node& n, State s) {
    if (n.block == kNoBlock) {
      value_state_[n.name] = s;
    } else {
      exec_state_[n.block] = s;
    }
  }

  const Maybe* done_value(std::string_view name) const {
    auto st = value_state_.find(name);
    if (st == value_state_.end() || st->second != State::Done) return nullptr;
    return &values_.at(name);
  }
  Maybe done_exec(std::uint32_t b) const {
    auto st = exec_state_.find(b);
    if (st == exec_state_.end() || st->second != State::Done) return std::nullopt;
    return execs_.at(b);
  }

  template <class F>
  Maybe combine(std::span<const Fn* const> inputs, F&& f) {
    std::vector<std::int64_t> bits;
    for (const Fn* in : inputs) bits.insert(bits.end(), in->bits.begin(), in->bits.end());
    std::sort(bits.begin(), bits.end());
    bits.erase(std::unique(bits.begin(), bits.end()), bits.end());
    if (bits.size() > kMaxRecordBits) return std::nullopt;
    std::size_t size = std::size_t{1} << bits.size();
    if (entries_ + size * (inputs.size() + 1) > kMaxEntries + kEntriesPerBlock * blocks_.size()) return std::nullopt;
    entries_ += size * (inputs.size() + 1);
    std::vector<std::vector<std::size_t>> positions(inputs.size());
    for (std::size_t i = 0; i < inputs.size(); ++i)
      for (std::int64_t bit : inputs[i]->bits)
        positions[i].push_back(static_cast<std::size_t>(std::lower_bound(bits.begin(), bits.end(), bit) - bits.begin()));
    Fn out{bits, {}};
    out.values.reserve(size);
    std::vector<Value> args(inputs.size());
    for (std::size_t a = 0; a < size; ++a) {
      for (std::size_t i = 0; i < inputs.size(); ++i) {
        std::size_t at = 0;
        for (std::size_t k = 0; k < positions[i].size(); ++k)
          if ((a >> positions[i][k]) & 1) at |= std::size_t{1} << k;
        args[i] = inputs[i]->values[at];
      }
      std::optional<Value> v = f(args);
      if (!v) return std::nullopt;
      out.values.push_back(*v);
    }
    simplify(out);
    return out;
  }

  // When the edge from `p` to `b` is taken.
  Maybe edge(std::uint32_t p, std::string_view b_label) {
    Maybe e = done_exec(p);
    if (!e) return std::nullopt;
    const auto* br = blocks_[p].instructions.empty() ? nullptr : std::get_if<ir::CondBr>(&blocks_[p].instructions.back());
    if (!br) return e;
    bool on_true = br->true_label == b_label, on_false = br->false_label == b_label;
    if (on_true && on_false) return e;
    Maybe c;
    if (const bool* constant = std::get_if<bool>(&br->condition)) {
      c = Fn::constant(Value::integer(*constant ? 1 : 0, 1));
    } else if (const Maybe* v = done_value(std::get<std::string_view>(br->condition))) {
      c = *v;
    }
    if (!c) return std::nullopt;
    const Fn* inputs[] = {&*e, &*c};
    return combine(inputs, [&](const std::vector<Value>& a) -> std::optional<Value> {
      if (!a[0].is_integer() || !a[1].is_integer()) return std::nullopt;
      std::int64_t taken = (a[1].as_integer() & 1) == (on_true ? 1 : 0);
      return Value::integer((a[0].as_integer() & 1) & taken, 1);
    });
  }

  // Why the edges out of block `p` are not decided.
  std::string edge_reason(std::uint32_t p) const {
    if (!done_exec(p)) {
      auto it = exec_reasons_.find(p);
      return it != exec_reasons_.end() ? it->second : "whether its block runs is not decided";
    }
    if (auto c = condition_name(p))
      if (auto it = reasons_.find(*c); it != reasons_.end()) return it->second;
    return cat("the branch ending block ", text::q(ir::label_of(blocks_[p])),
               " depends on more than ", kMaxRecordBits, " results");
  }

  // Where a phi or exec reads its incoming edges: the one edge taken gives the value.
  struct Incoming {
    Maybe taken;
    Maybe value;
  };
  Maybe select_incoming(std::vector<Incoming>& incomings) {
    std::vector<const Fn*> inputs;
    for (Incoming& in : incomings) {
      if (!in.taken || !in.value) return std::nullopt;
      inputs.push_back(&*in.taken);
      inputs.push_back(&*in.value);
    }
    return combine(inputs, [&](const std::vector<Value>& a) -> std::optional<Value> {
      for (std::size_t i = 0; i < a.size(); i += 2)
        if (a[i].is_integer() && (a[i].as_integer() & 1)) return a[i + 1];
      return a.size() >= 2 ? a[1] : Value::integer(0, 1);  // the block does not run: any value
    });
  }

  void compute(const Node& n) {
    if (n.block != kNoBlock) {
      Maybe result;
      if (always(n.block)) {
        result = Fn::constant(Value::integer(1, 1));
      } else if (!cyclic_[n.block]) {
        std::string_view label = ir::label_of(blocks_[n.block]);
        std::vector<const Fn*> inputs;
        std::vector<Maybe> edges;
        edges.reserve(predecessors_[n.block].size());
        bool known = true;
        for (std::uint32_t p : predecessors_[n.block]) {
          edges.push_back(edge(p, label));
          if (known && !edges.back()) exec_reasons_.emplace(n.block, edge_reason(p));
          known = known && edges.back().has_value();
        }
        if (predecessors_[n.block].empty()) {
          result = Fn::constant(Value::integer(0, 1));  // unreachable
        } else if (known) {
          for (const Maybe& e : edges) inputs.push_back(&*e);
          result = combine(inputs, [](const std::vector<Value>& a) -> std::optional<Value> {
            std::int64_t any = 0;
            for (const Value& v : a) any |= v.is_integer() ? (v.as_integer() & 1) : 0;
            return Value::integer(any, 1);
          });
        }
      }
      if (!result && cyclic_[n.block]) exec_reasons_.emplace(n.block, "it runs inside a loop");
      execs_[n.block] = result;
      return;
    }
    values_[n.name] = compute_value(n.name);
  }

  // The value of `name`, or nothing with the reason kept in reasons_.
  Maybe compute_value(std::string_view name) {
    auto fail = [&](std::string why) -> Maybe {
      reasons_.insert_or_assign(name, std::move(why));
      return std::nullopt;
    };
    // An operand's reason, when it has one.
    auto inherit = [&](std::string_view from, std::string otherwise) -> Maybe {
      auto it = reasons_.find(from);
      return fail(it != reasons_.end() ? it->second : std::move(otherwise));
    };
    std::string shown = cat(text::q(cat("%", name)));
    const BodyIndex::Definition* d = index_.find(name);
    if (!d) return fail(cat(shown, " is not computed in the function"));
    const ir::Instruction& instruction = *d->instruction;
    if (const auto* call = std::get_if<ir::Call>(&instruction)) {
      const builders::BuilderKind* kind = builders::lookup_builder(profile_, call->callee);
      if (!kind || !std::holds_alternative<builders::ReadResult>(*kind) || call->args.empty())
        return fail(cat(shown, " is the value of a call to ", text::q(call->callee)));
      std::optional<std::int64_t> j = result_index(call->args[0]);
      if (!j) return fail(cat(shown, " reads a result that is not a constant"));
      if (!measured(*j)) return Fn::constant(Value::integer(0, 1));
      if (written_after(d->block, position_of(d), *j))
        return fail(cat(shown, " reads result ", *j, ", which may be measured into again after it"));
      return Fn{{*j}, {Value::integer(0, 1), Value::integer(1, 1)}};
    }
    std::string undecided = cat(shown, " depends on more than ", kMaxRecordBits,
                                " results, or on branches that the final register does not decide");
    if (const auto* phi = std::get_if<ir::Phi>(&instruction)) {
      if (cyclic_[d->block]) return fail(cat(shown, " is carried around a loop"));
      std::vector<Incoming> incomings;
      std::string_view label = ir::label_of(blocks_[d->block]);
      for (const ir::PhiIncoming& in : phi->incomings) {
        auto p = index_.block_of(in.predecessor);
        if (!p) return fail(undecided);
        incomings.push_back(Incoming{edge(*p, label), operand(in.value, phi->ty)});
        if (const auto* v = std::get_if<ir::Ssa>(&in.value); v && !incomings.back().value)
          return inherit(v->name, undecided);
        if (!incomings.back().taken) return fail(cat(shown, " is a phi whose incoming edge from ", text::q(in.predecessor),
                                                    " is not decided: ", edge_reason(*p)));
      }
      Maybe selected = select_incoming(incomings);
      return selected ? selected : fail(undecided);
    }
    // Arithmetic, comparisons, casts, selects: evaluated per assignment of their operands.
    std::vector<std::pair<std::string_view, const Fn*>> operands;
    std::optional<std::string_view> unknown;
    ir::for_each_use(instruction, [&](std::string_view used) {
      const Maybe* v = done_value(used);
      if (!v || !*v) {
        if (!unknown) unknown = used;
        return;
      }
      operands.emplace_back(used, &**v);
    });
    if (unknown) return inherit(*unknown, cat(shown, " is read from memory"));
    std::vector<const Fn*> inputs;
    for (const auto& o : operands) inputs.push_back(o.second);
    bool evaluable = true;
    Maybe result = combine(inputs, [&](const std::vector<Value>& a) {
      std::optional<Value> v = evaluate(instruction, [&](const ir::Operand& op, std::string_view ty) -> std::optional<Value> {
        if (const auto* s = std::get_if<ir::Ssa>(&op)) {
          for (std::size_t i = 0; i < operands.size(); ++i)
            if (operands[i].first == s->name) return a[i];
          return std::nullopt;
        }
        return constant_value(op, ty);
      });
      evaluable = evaluable && v.has_value();
      return v;
    });
    if (result) return result;
    return fail(evaluable ? undecided : cat(shown, " has no defined value for some values of its operands"));
  }


 public:
  // Why the value of `name` is not determined.
  std::string reason(std::string_view name) const {
    auto it = reasons_.find(name);
    return it != reasons_.end() ? it->second : "it is not a function of the final result bits";
  }

 private:
  Maybe operand(const ir::Operand& op, std::string_view ty) {
    if (const auto* s = std::get_if<ir::Ssa>(&op)) {
      const Maybe* v = done_value(s->name);
      return v ? *v : std::nullopt;
    }
    if (auto v = constant_value(op, ty)) return Fn::constant(*v);
    return std::nullopt;
  }

  std::size_t position_of(const BodyIndex::Definition* d) const {
    const auto& list = blocks_[d->block].instructions;
    return static_cast<std::size_t>(d->instruction - list.data());
  }

  std::span<const ir::Block> blocks_;
  BodyIndex index_;
  const builders::Profile& profile_;
  std::vector<std::vector<std::uint32_t>> successors_;
  std::vector<std::vector<std::uint32_t>> predecessors_;
  std::vector<bool> cyclic_;
  std::vector<std::vector<std::pair<std::size_t, std::int64_t>>> writes_;  // (position, result)
  std::unordered_set<std::int64_t> measured_;
  std::vector<std::uint32_t> topo_;  // by block: its component's number in topological order
  std::unordered_map<std::int64_t, std::uint32_t> last_writer_;  // by result: the latest component writing it
  std::uint64_t walked_ = 0;
  std::unordered_map<std::uint32_t, bool> always_;
  std::size_t walks_ = 0;
  std::uint64_t entries_ = 0;
  std::unordered_map<std::string_view, State> value_state_;
  std::unordered_map<std::string_view, Maybe> values_;
  std::unordered_map<std::string_view, std::string> reasons_;  // of values not determined
  std::unordered_map<std::uint32_t, State> exec_state_;
  std::unordered_map<std::uint32_t, Maybe> execs_;
  std::unordered_map<std::uint32_t, std::string> exec_reasons_;  // of blocks whose runs are not decided
};

std::string_view value_type(Kind kind) {
  switch (kind) {
    case Kind::Bool: return "i1";
    case Kind::Double: return "double";
    default: return "i64";
  }
}

void set_value(OutputRecord& record, const Fn& fn) {
  record.bits = fn.bits;
  for (const Value& v : fn.values) {
    if (record.kind == Kind::Double) {
      record.reals.push_back(v.is_integer() ? static_cast<double>(v.as_integer()) : v.as_real());
    } else if (v.is_integer()) {
      record.values.push_back(record.kind == Kind::Bool ? (v.as_integer() & 1) : v.as_integer());
    } else {
      record.values.push_back(static_cast<std::int64_t>(v.as_real()));
    }
  }
}

}  // namespace

ProgramRecords gather_records(std::span<const ir::Block> blocks, std::string_view source,
                              const builders::Profile& profile) {
  ProgramRecords out;
  Evaluator evaluator(blocks, profile);
  std::optional<text::NameMap<std::string>> strings;
  std::unordered_set<std::int64_t> unmeasured;
  for (std::size_t b = 0; b < blocks.size(); ++b) {
    const auto block = static_cast<std::uint32_t>(b);
    const auto& list = blocks[b].instructions;
    for (std::size_t k = 0; k < list.size(); ++k) {
      const auto* call = std::get_if<ir::Call>(&list[k]);
      if (!call) continue;
      std::optional<Kind> kind = record_kind(call->callee);
      if (!kind) continue;
      const char* where = ir::source_of(blocks[b], k);
      RecordFinding found{OutputRecord{}, where};
      OutputRecord& record = found.record;
      record.kind = *kind;
      if (auto global = label_global(where, source)) {
        if (!strings) strings = global_strings(source);
        if (auto it = strings->find(*global); it != strings->end()) record.label = it->second;
      }
      std::string named = cat("the ", kind_word(*kind), " record");
      if (record.label) named += cat(" ", text::q(*record.label));
      auto undetermined = [&](std::string why) {
        record.determined = false;
        record.bits.clear();
        record.values.clear();
        record.reals.clear();
        out.warnings.push_back(SourceWarning{
            cat(named, " is not determined by the result register after the program's last statement: ", why),
            where});
      };
      if (call->args.empty()) {
        undetermined("the call has no operands");
        out.records.push_back(std::move(found));
        continue;
      }
      const ir::Operand& operand = call->args.front();
      if (*kind == Kind::Tuple || *kind == Kind::Array) {
        const auto* n = std::get_if<ir::ConstInt>(&operand);
        std::optional<std::int64_t> count = n ? n->value.to_int64() : std::nullopt;
        if (count) {
          record.count = *count;
        } else {
          undetermined("its element count is not a constant");
        }
      } else if (*kind == Kind::Result) {
        std::optional<std::int64_t> j = evaluator.result_index(operand);
        if (!j) {
          undetermined("its result is not a constant");
        } else if (!evaluator.measured(*j)) {
          record.values = {0};  // nothing is measured into it: it reads Zero
          if (unmeasured.insert(*j).second) out.unmeasured.push_back(*j);
        } else if (evaluator.written_after(block, k, *j)) {
          undetermined(cat("result ", *j, " may be measured into again after it is recorded"));
        } else {
          record.bits = {*j};
          record.values = {0, 1};
        }
      } else {
        std::optional<Fn> fn;
        if (const auto* s = std::get_if<ir::Ssa>(&operand)) {
          named += cat(" of ", text::q(cat("%", s->name)));
          fn = evaluator.value(s->name);
        } else if (auto v = constant_value(operand, value_type(*kind))) {
          fn = Fn::constant(*v);
        }
        if (fn) {
          set_value(record, *fn);
        } else {
          const auto* s = std::get_if<ir::Ssa>(&operand);
          undetermined(s ? evaluator.reason(s->name) : std::string("its value is not a constant"));
        }
      }
      if (record.determined && !evaluator.runs_once(block)) {
        undetermined(evaluator.cyclic(block) ? "it is made once per trip of a loop"
                                             : "it is made on some shots only");
      }
      out.records.push_back(std::move(found));
    }
  }
  return out;
}

}  // namespace brintavel::translator
