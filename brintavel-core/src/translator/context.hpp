// State shared by the lowering steps of one translation.
#pragma once

#include <cmath>
#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "builders/call_context.hpp"
#include "builders/profile.hpp"
#include "support/dense_int_map.hpp"
#include "support/flat_name_map.hpp"
#include "error.hpp"
#include "ir/model.hpp"
#include "qasm/model.hpp"
#include "qasm/finite.hpp"
#include "qasm/printer.hpp"
#include "qasm/registers.hpp"
#include "translator/block.hpp"
#include "translator/budget.hpp"
#include "translator/capture_tags.hpp"
#include "translator/dataflow.hpp"
#include "translator/dump.hpp"
#include "translator/int_range.hpp"
#include "translator/range_analysis.hpp"
#include "translator/stack_memory.hpp"

namespace brintavel::translator {

// How much of its size budget a translation used (filled in when requested).
struct TranslationStats {
  std::uint64_t nodes_used = 0;
  std::uint64_t node_budget = 0;
};

class Rules;
struct RecordFinding;

// A warning of the lowering: the translation is made, and may not do on the service what the
// QIR does. `where` points at the instruction in the source (null: none).
struct SourceWarning {
  std::string message;
  const char* where = nullptr;
};

// What the pipeline hands the translator besides the module.
struct TranslationContext {
  const Rules& rules;                      // how instructions become OpenQASM, chosen once
  std::vector<std::string> include_paths;  // each becomes an include statement
  std::optional<std::string> producer;
  bool results_as_output = false;  // declare the result register as `output bit`
  TranslationStats* stats = nullptr;
  std::vector<SourceWarning>* warnings = nullptr;  // receives the lowering's warnings
  std::optional<std::string_view> entry_name = std::nullopt;  // translate this entry point, not the first
  bool keep_origins = false;  // every statement remembers the instruction it came from
  std::vector<RecordFinding>* records = nullptr;  // receives the output records (records.hpp), when asked
  std::string* dump = nullptr;  // receives the text of `dump_stage`, for debugging
  DumpStage dump_stage = DumpStage::None;
};

// Where the lowering catches a value read after what it reads was overwritten: where the value
// is looked up (within a block for result bits, for variables wherever they were reassigned), or
// over the whole branch graph once every block is lowered, which finds every such use so that
// they can be remedied.
enum class StaleValues : std::uint8_t { RefuseAtLookup, CheckOverGraph };

// The captures of the values looked up since the last use, each once, in the order first
// seen. A long list is indexed, so that adding stays linear however many a value has.
class PendingCaptures {
 public:
  void add(std::span<const Capture> captures) {
    for (const Capture& c : captures) {
      if (list_.size() < kUnindexed) {
        if (std::find(list_.begin(), list_.end(), c) == list_.end()) list_.push_back(c);
        continue;
      }
      if (index_.empty()) index_.insert(list_.begin(), list_.end());
      if (index_.insert(c).second) list_.push_back(c);
    }
  }
  void assign(Capture c) {
    clear();
    list_.push_back(c);
  }
  void clear() {
    list_.clear();
    if (!index_.empty()) index_.clear();
  }
  // The list, leaving this one empty (and its room for the next captures).
  std::vector<Capture> take() {
    index_.clear();
    std::vector<Capture> taken(list_.begin(), list_.end());
    list_.clear();
    return taken;
  }
  template <class Predicate>
  void erase_if(Predicate&& predicate) {
    if (std::erase_if(list_, predicate) != 0) index_.clear();  // built again when needed
  }
  const std::vector<Capture>& list() const { return list_; }

 private:
  static constexpr std::size_t kUnindexed = 16;
  std::vector<Capture> list_;
  std::unordered_set<Capture, CaptureHash> index_;  // of list_ once it is long, or empty
};

// Substitution copies an SSA value's expression to where it is used, which is only right
// while what the expression reads (an int variable, a result bit) still holds the value it
// held when the SSA value was defined. Two things can overwrite it: an if-merge phi that
// reuses a variable for its updated value, and a measurement into a result that was read
// before. The context keeps a clock of bindings and such writes; reading an expression
// whose inputs were overwritten since it was made is an error, never a wrong program.
// Result bits are only followed within a block: across blocks a loop may re-read them.
class LoweringContext final : public builders::CallContext {
 public:
  explicit LoweringContext(std::uint64_t node_budget, StaleValues stale = StaleValues::RefuseAtLookup,
                           bool keep_origins = false)
      : CallContext(keep_origins), stale_(stale), budget_(node_budget) {
    // Statements that read captured values stay trees, so that uses found stale can be
    // rewritten to read a snapshot.
    if (stale == StaleValues::CheckOverGraph) emitter().keep_captured_trees();
  }

  // Binds an SSA name, replacing any earlier binding. The binding reads what the values
  // looked up since the instruction began read (the pending captures), which it takes.
  Status bind_value(std::string_view name, qasm::Expression value);
  // The same, for a value whose size the caller has measured; `hash` is name_hash(name).
  Status bind_value(std::string_view name, qasm::Expression&& value, qasm::TreeSize size, std::uint64_t hash);
  // The hash the name tables keep for `name`: a caller that sets several of a name's entries
  // hashes it once.
  static std::uint64_t name_hash(std::string_view name) { return text::FlatNameMap<std::uint32_t>::hash_of(name); }
  // A copy of the expression bound to `name`; its captures join the pending ones.
  Result<qasm::Expression> lookup_value(std::string_view name);
  // `name` has no exact form; a lookup of it fails with `message`. A value nothing prints
  // (only output recording uses it) so never fails.
  void bind_unexpressible(std::string_view name, std::string message);
  // `name`, which has no exact form (a lookup fails with `message`), is known by a number that
  // `variable` holds from `at` on: which of a phi's few constants it is (tabulation.hpp).
  // lookup_index() reads it.
  Status bind_index_variable(std::string_view name, const std::string& variable, ProgramPoint at,
                             std::string message);
  Result<qasm::Expression> lookup_index(std::string_view name);
  bool has_index(std::string_view name) const {
    return !index_names_.empty() && index_names_.contains(name);  // (most bodies have none: no hashing)
  }

  // The range of the integer value `name`, as its lowering found it.
  void set_range(std::string_view name, IntRange range) { set_range(name, range, name_hash(name)); }
  void set_range(std::string_view name, IntRange range, std::uint64_t hash) {
    if (auto [slot, inserted] = ranges_.try_emplace(name, range, hash); !inserted) *slot = range;  // (one probe)
  }
  // `name` is defined again: the range found for the earlier definition no longer holds.
  void forget_range(std::string_view name) { ranges_.erase(name); }
  // The range of an integer operand of `width` bits: a constant's value, what was found for an
  // SSA value (by its lowering, and by the analysis of the body when there is one), or the
  // type's whole range.
  IntRange range_of(const ir::Operand& operand, unsigned width) const;
  // The same for the SSA value `name`, whose name_hash() is `hash`.
  IntRange range_of_value(std::string_view name, std::uint64_t hash, unsigned width) const;
  void use_body_ranges(const BodyRanges* ranges) { body_ranges_ = ranges; }

  // Lowering of an instruction of the current block starts; its statements will be appended
  // from `position` on.
  void begin_instruction(std::uint64_t position, const char* where = nullptr) {
    point_.position = position;
    where_ = where;
    pending_.clear();
  }
  // The point the current instruction reads and writes at.
  ProgramPoint here() const { return point_; }
  ProgramPoint at(std::uint32_t block, std::uint64_t position) const { return {block, position}; }
  // The pending captures: what the expressions looked up so far read.
  std::vector<Capture> take_pending() { return pending_.take(); }
  // The same, left pending (for a reader that keeps a copy and then uses them).
  const std::vector<Capture>& pending_captures() const { return pending_.list(); }
  void add_pending(std::span<const Capture> captures);
  // The pending captures are read by `reader` at `at`: recorded for the staleness check.
  void use_pending(Reader reader, ProgramPoint at);
  // A result read: binds `name` to the bit c[bit], captured here.
  Status bind_result_read(std::string_view name, std::int64_t bit) override;
  // The bit c[bit] read here, for an expression made of several (its capture joins the
  // pending ones).
  qasm::Expression read_result_bit(std::int64_t bit);
  // A gate's classical argument: the value of `name`, used here.
  Result<qasm::Expression> use_scalar(std::string_view name) override;
  // Under StaleValues::CheckOverGraph the nodes that read result bits and variables are tagged
  // with their capture (qasm::Identifier::capture): the capture a tag stands for.
  const Capture& captured(std::uint32_t tag) const { return tags_.captured(tag); }
  // The tag of `capture`, made on first use.
  std::uint32_t tag_of(const Capture& capture) { return tags_.tag_of(capture); }
  // The tag of `capture`, or 0 when it has none.
  std::uint32_t existing_tag(const Capture& capture) { return tags_.existing(capture); }
  // A phi's int variable: binds `name` to it, captured at the start of block `block`.
  Status bind_variable(std::string_view name, const std::string& variable, std::uint32_t block) {
    return bind_variable(name, variable, ProgramPoint{block, 0});
  }
  // The same, captured at `at`.
  Status bind_variable(std::string_view name, const std::string& variable, ProgramPoint at);
  Dataflow& dataflow() { return dataflow_; }

  StaleValues stale_values() const { return stale_; }
  // The current time on the context's clock.
  std::uint64_t now() const { return clock_; }
  // A new block is being lowered (blocks are numbered from 0 in source order).
  void begin_block() {
    block_start_ = ++clock_;
    point_ = ProgramPoint{block_count_++, 0};
    tags_.begin_block();
  }
  // The number of a block made by the translation (on an edge) while the current one is
  // lowered; it follows the current block and the ones made before it.
  std::uint32_t new_block() { return block_count_++; }
  // From now on the int variable holds the value the phi `by` merged into it.
  void note_variable_reassigned(const std::string& variable, std::string_view by);
  // From now on result bit `index` holds a new measurement.
  void note_result_written(std::int64_t index) override;
  // Fails when `e`, recorded at time `recorded` (a branch condition), reads a variable or
  // result bit written since; `what` names it in the message.
  Status check_still_current(const qasm::Expression& e, std::uint64_t recorded,
                             std::string_view what) const;
  // Whether `name` is bound, and to what (no copy).
  const qasm::Expression* peek_value(std::string_view name) const;

  // An SSA name's binding: its expression, and what the expression reads.
  struct Binding {
    qasm::Expression value;
    std::uint64_t nodes;
    std::uint64_t made;  // clock when bound
    std::size_t first_capture;  // its captures: binding_captures_[first, first + count)
    std::size_t capture_count;
  };
  // The binding of `name`, where peek_value() finds one: a caller that reads what is bound
  // looks the name up once, and copies the expression only where it keeps it.
  const Binding* find_binding(std::string_view name) const { return find_binding(name, name_hash(name)); }
  // (`hash`: name_hash(name), for a caller that looks the name up in several tables.)
  const Binding* find_binding(std::string_view name, std::uint64_t hash) const;
  // Reads a binding that find_binding() gave as lookup_value() reads it: charged to the
  // budget, checked for overwritten inputs, its captures pending. Valid until `name` is bound
  // again or the values are forgotten.
  Status read_binding(const Binding& binding, std::string_view name);

  // A warning about the instruction being lowered, to `sink` (set once) when there is one.
  void use_warning_sink(std::vector<SourceWarning>* sink) { warnings_ = sink; }
  void warn(std::string message) {
    if (warnings_) warnings_->push_back(SourceWarning{std::move(message), where_});
  }

  SizeBudget& budget() { return budget_; }
  StackMemory& memory() { return memory_; }

  // What is bound to the values lowered so far is not looked up again (the next segment of the
  // body reads none of them): released, as their ranges are.
  // (Their room stays for the next segment's values.)
  void forget_values() {
    ranges_.reset();
    values_.reset();
    index_names_.clear();
    unexpressible_.clear();
    bindings_.clear();
    binding_captures_.clear();
  }

  // Lowering is over: releases the bindings and the records of reads and writes (the
  // budget, the highest indices and the rest stay).
  void release_lowering_state() {
    forget_values();
    bindings_ = {};
    binding_captures_ = {};
    reassigned_ = {};
    result_written_ = {};
    forget_pointer_indices();
    memory_ = {};
    dataflow_ = Dataflow{};
    pending_ = {};
  }


  // Keeps a name that expressions point into (a register of an Element) for as long as the
  // program they end in; the program takes them with take_names().
  std::string_view keep_name(std::string name) { return kept_names_.emplace_back(std::move(name)); }
  std::deque<std::string> take_names() { return std::move(kept_names_); }

 private:
  std::deque<std::string> kept_names_;
  StaleValues stale_;
  struct Reassignment {
    std::uint64_t at;
    std::string_view by;  // the phi's result name
  };
  // Checks the inputs of an expression made at `made`; `same_block_bits` limits the result
  // check to expressions made in the current block.
  Status check_inputs(const qasm::Expression& e, std::uint64_t made, bool same_block_bits,
                      std::string_view what) const;

  // The bindings by SSA name: positions in bindings_ (a rebound name reuses its entry), and
  // all bindings' captures in one array.
  text::FlatNameMap<std::uint32_t> values_;
  std::deque<Binding> bindings_;
  std::vector<Capture> binding_captures_;
  std::uint64_t clock_ = 0;
  std::uint64_t block_start_ = 0;
  std::uint64_t last_reassignment_ = 0;
  std::uint64_t last_result_write_ = 0;
  std::unordered_map<std::string, Reassignment> reassigned_;
  // The last measurement into each result bit: its clock and point.
  struct ResultWrite {
    std::uint64_t clock;
    ProgramPoint at;
  };
  text::DenseIntMap<ResultWrite> result_written_;
  SizeBudget budget_;
  StackMemory memory_;
  Dataflow dataflow_;
  ProgramPoint point_;
  const char* where_ = nullptr;  // the source text of the instruction being lowered
  std::vector<SourceWarning>* warnings_ = nullptr;
  std::uint32_t block_count_ = 0;
  PendingCaptures pending_;
  std::unordered_map<std::string_view, std::string> unexpressible_;
  std::unordered_set<std::string_view> index_names_;  // bound by bind_index_variable
  text::FlatNameMap<IntRange> ranges_;
  const BodyRanges* body_ranges_ = nullptr;
  CaptureTags tags_;
};

// The message for a translation whose text would outgrow the output limit.
Error output_limit_exceeded(std::size_t input_bytes);

// The never-bound message for an SSA name.
Error unbound_value(std::string_view name);

}  // namespace brintavel::translator
