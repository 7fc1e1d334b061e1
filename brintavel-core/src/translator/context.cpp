#include "translator/context.hpp"

#include <algorithm>
#include <cmath>

#include "qasm/printer.hpp"
#include "translator/int_algebra.hpp"

namespace brintavel::translator {

using text::cat;
using text::q;

Error output_limit_exceeded(std::size_t input_bytes) {
  return unsupported(cat("translated program exceeds the output limit of ",
                         Limits::output_bytes_for_input(input_bytes),
                         " bytes of OpenQASM text for this input; its control flow is nested too "
                         "deeply or repeats too much to print"));
}

Error unbound_value(std::string_view name) {
  return unsupported(cat("SSA value ", q(name),
                         " is used but was never bound; upstream instruction may be unsupported"));
}

Status LoweringContext::bind_value(std::string_view name, qasm::Expression value) {
  qasm::TreeSize size = qasm::measure(value);
  return bind_value(name, std::move(value), size, name_hash(name));
}

Status LoweringContext::bind_value(std::string_view name, qasm::Expression&& value, qasm::TreeSize size,
                                   std::uint64_t hash) {
  if (size.depth > Limits::kMaxExpressionDepth)
    return unsupported(cat("expression for SSA value ", q(name), " is nested more than ",
                           Limits::kMaxExpressionDepth,
                           " levels deep; such deeply nested classical expressions are not supported"));
  const std::vector<Capture>& captures = pending_.list();
  const std::size_t first = binding_captures_.size(), count = captures.size();
  binding_captures_.insert(binding_captures_.end(), captures.begin(), captures.end());
  pending_.clear();
  auto [index, inserted] = values_.try_emplace(name, static_cast<std::uint32_t>(bindings_.size()), hash);
  // (Made in its place: the expression is moved once.)
  if (inserted) {
    bindings_.emplace_back(std::move(value), size.nodes, ++clock_, first, count);
  } else {
    Binding& binding = bindings_[*index];
    binding.value = std::move(value);
    binding.nodes = size.nodes;
    binding.made = ++clock_;
    binding.first_capture = first;
    binding.capture_count = count;
  }
  return {};
}

Result<qasm::Expression> LoweringContext::lookup_value(std::string_view name) {
  if (has_index(name)) return unsupported(unexpressible_.at(name));
  return lookup_index(name);
}

Result<qasm::Expression> LoweringContext::lookup_index(std::string_view name) {
  const std::uint32_t* index = values_.find(name);
  if (!index) {
    if (auto bad = unexpressible_.find(name); bad != unexpressible_.end())
      return unsupported(bad->second);
    return unbound_value(name);
  }
  const Binding& b = bindings_[*index];
  BRINTAVEL_CHECK(read_binding(b, name));
  return b.value;
}

Status LoweringContext::read_binding(const Binding& b, std::string_view name) {
  BRINTAVEL_CHECK(budget_.charge(b.nodes, "SSA value", name));
  if ((b.made < last_reassignment_ || (b.made < last_result_write_ && b.made >= block_start_)) &&
      stale_ == StaleValues::RefuseAtLookup)
    BRINTAVEL_CHECK(check_inputs(b.value, b.made, true, cat("SSA value ", q(name))));
  add_pending(std::span<const Capture>(binding_captures_.data() + b.first_capture, b.capture_count));
  return {};
}

void LoweringContext::add_pending(std::span<const Capture> captures) { pending_.add(captures); }

void LoweringContext::use_pending(Reader reader, ProgramPoint point) {
  // A bit read in this block after a measurement into it, with no measurement since, reads
  // that measurement on every path: the checks at the end need not see such a use (no later
  // measurement can come between, nor can one come before it in the block).
  pending_.erase_if([&](const Capture& c) {
    if (c.resource.kind != Resource::Kind::Bit || c.at.block != point.block || c.at.position > point.position)
      return false;
    const ResultWrite* write = result_written_.find(c.resource.index);
    return write && write->at.block == point.block && write->at.position < c.at.position;
  });
  if (!pending_.list().empty()) dataflow_.note_use(pending_.list(), point, reader, where_);
  pending_.clear();
}

IntRange LoweringContext::range_of(const ir::Operand& operand, unsigned width) const {
  IntRange full = IntRange::full(width);
  if (const auto* i = std::get_if<ir::ConstInt>(&operand)) {
    auto v = i->value.to_int64();
    if (v && full.contains(*v)) return IntRange::constant(*v);
    return full;
  }
  if (const auto* b = std::get_if<ir::ConstBool>(&operand)) return IntRange::constant(b->value ? 1 : 0);
  if (const auto* s = std::get_if<ir::Ssa>(&operand)) return range_of_value(s->name, name_hash(s->name), width);
  return full;
}

IntRange LoweringContext::range_of_value(std::string_view name, std::uint64_t hash, unsigned width) const {
  IntRange full = IntRange::full(width);
  std::optional<IntRange> r;
  if (const IntRange* own = ranges_.find(name, hash)) r = *own;
  if (const IntRange* found = body_ranges_ ? body_ranges_->find(name) : nullptr)
    r = r ? r->meet(*found).value_or(*r) : *found;
  if (r) return r->meet(full).value_or(full);
  // What the bound expression shows: a literal, a result bit, a Boolean.
  if (const Binding* b = find_binding(name, hash)) {
    const qasm::Expression* e = &b->value;
    if (const auto* i = std::get_if<qasm::IntLiteral>(&e->node); i && full.contains(i->value))
      return IntRange::constant(i->value);
    bool bit = qasm::is_indexed(*e) || is_bool_typed(*e);
    if (bit && width > 1) return IntRange{0, 1};
  }
  return full;
}

void LoweringContext::bind_unexpressible(std::string_view name, std::string message) {
  values_.erase(name);
  if (!index_names_.empty()) index_names_.erase(name);
  unexpressible_.insert_or_assign(name, std::move(message));
}

Status LoweringContext::bind_index_variable(std::string_view name, const std::string& variable, ProgramPoint at,
                                            std::string message) {
  BRINTAVEL_CHECK(bind_variable(name, variable, at));
  index_names_.insert(name);
  unexpressible_.insert_or_assign(name, std::move(message));
  return {};
}

Status LoweringContext::bind_result_read(std::string_view name, std::int64_t bit) {
  Capture read{Resource{Resource::Kind::Bit, bit}, point_};
  pending_.assign(read);
  std::uint32_t tag = stale_ == StaleValues::CheckOverGraph ? tag_of(read) : 0;
  return bind_value(name, qasm::Element{qasm::kResultRegister, bit, tag});
}

qasm::Expression LoweringContext::read_result_bit(std::int64_t bit) {
  Capture read{Resource{Resource::Kind::Bit, bit}, point_};
  add_pending(std::span<const Capture>(&read, 1));
  note_result_index(bit);
  std::uint32_t tag = stale_ == StaleValues::CheckOverGraph ? tag_of(read) : 0;
  return qasm::Element{qasm::kResultRegister, bit, tag};
}

Result<qasm::Expression> LoweringContext::use_scalar(std::string_view name) {
  BRINTAVEL_TRY_ASSIGN(qasm::Expression value, lookup_value(name));
  use_pending(Reader{Reader::Kind::SsaValue, name}, here());
  return value;
}

Status LoweringContext::bind_variable(std::string_view name, const std::string& variable,
                                      ProgramPoint at) {
  Capture capture{Resource{Resource::Kind::Variable, dataflow_.variable(variable)}, at};
  pending_.assign(capture);
  std::uint32_t tag = stale_ == StaleValues::CheckOverGraph ? tag_of(capture) : 0;
  return bind_value(name, qasm::Identifier{variable, tag});
}

void LoweringContext::note_variable_reassigned(const std::string& variable, std::string_view by) {
  last_reassignment_ = ++clock_;
  reassigned_.insert_or_assign(variable, Reassignment{clock_, by});
}

void LoweringContext::note_result_written(std::int64_t index) {
  last_result_write_ = ++clock_;
  result_written_.insert_or_assign(index, ResultWrite{clock_, point_});
  dataflow_.note_write(Resource{Resource::Kind::Bit, index}, point_);
}

Status LoweringContext::check_still_current(const qasm::Expression& e, std::uint64_t recorded,
                                            std::string_view what) const {
  if ((recorded >= last_reassignment_ && recorded >= last_result_write_) || stale_ == StaleValues::CheckOverGraph)
    return {};
  return check_inputs(e, recorded, false, what);
}

Status LoweringContext::check_inputs(const qasm::Expression& e, std::uint64_t made,
                                     bool same_block_bits, std::string_view what) const {
  bool check_bits = !same_block_bits || made >= block_start_;
  std::optional<Error> stale;
  qasm::find_node(e, [&](const qasm::Expression& x) {
    if (const auto* id = std::get_if<qasm::Identifier>(&x.node)) {
      auto it = reassigned_.find(id->name);
      if (it != reassigned_.end() && it->second.at > made)
        stale = unsupported(overwritten_variable_message(what, id->name, it->second.by));
    } else if (check_bits) {
      // A result bit: an Element of the result register (or the Index it stands for).
      std::optional<std::int64_t> bit;
      if (const auto* element = std::get_if<qasm::Element>(&x.node)) {
        if (element->register_name == qasm::kResultRegister) bit = element->index;
      } else if (const auto* index = std::get_if<qasm::Index>(&x.node)) {
        const auto* base = std::get_if<qasm::Identifier>(&index->base->node);
        const auto* literal = std::get_if<qasm::IntLiteral>(&index->index->node);
        if (base && literal && base->name == qasm::kResultRegister) bit = literal->value;
      }
      if (bit) {
        const ResultWrite* write = result_written_.find(*bit);
        if (write && write->clock > made)
          stale = unsupported(overwritten_result_message(what, *bit));
      }
    }
    return stale.has_value();
  });
  if (stale) return std::move(*stale);
  return {};
}

const qasm::Expression* LoweringContext::peek_value(std::string_view name) const {
  const Binding* b = find_binding(name);
  return b ? &b->value : nullptr;
}

const LoweringContext::Binding* LoweringContext::find_binding(std::string_view name, std::uint64_t hash) const {
  const std::uint32_t* index = has_index(name) ? nullptr : values_.find(name, hash);
  return index ? &bindings_[*index] : nullptr;
}

}  // namespace brintavel::translator
