#include "translator/segment_stream.hpp"

#include <algorithm>
#include <iterator>
#include <utility>
#include <variant>

#include "translator/rules.hpp"

namespace brintavel::translator {

namespace {


// Whether the operand names a module-level global.
bool names_global(const ir::Operand& o) {
  return std::holds_alternative<ir::GlobalRef>(o) || std::holds_alternative<ir::BitcastGlobal>(o) ||
         std::holds_alternative<ir::GetElementPtr>(o);
}

// Whether the instruction names a module-level global.
bool reads_global(const ir::Instruction& instruction) {
  if (std::holds_alternative<ir::ElementAddress>(instruction)) return true;
  bool global = false;
  ir::visit_reads(
      instruction, [&](const ir::Operand& o) { global = global || names_global(o); }, [](std::string_view) {},
      [](const std::variant<std::string_view, bool>&) {});
  return global;
}

// Whether the operand is a constant of the kinds gates take.
bool is_constant(const ir::Operand& o) {
  return std::holds_alternative<ir::ConstInt>(o) || std::holds_alternative<ir::ConstBool>(o) ||
         std::holds_alternative<ir::ConstFloat>(o) || std::holds_alternative<ir::PtrConst>(o) ||
         std::holds_alternative<ir::I8Null>(o);
}

// The fewest blocks of a segment and of a region: half `minimum_blocks` (at least 1), and fewer
// in a small program, which the segments the stream holds (a few, each several times its text
// once read) would otherwise hold much of: one block per 32 KiB of text, down to 16.
std::uint32_t half_of(std::uint32_t minimum_blocks) { return std::max<std::uint32_t>(1, minimum_blocks / 2); }

std::uint32_t segment_blocks(std::size_t source_size, std::uint32_t minimum_blocks) {
  const std::uint32_t half = half_of(minimum_blocks);
  const std::size_t by_size = std::max<std::size_t>(16, source_size >> 15);
  return by_size < half ? static_cast<std::uint32_t>(by_size) : half;
}

}  // namespace

SegmentStream::SegmentStream(const TranslationContext& context, const SignatureTable* signatures,
                             std::string_view source, std::optional<std::size_t> definition,
                             std::uint32_t minimum_blocks, const ir::Module* callees)
    : context_(context),
      signatures_(signatures),
      source_(source),
      definition_(definition),
      minimum_(segment_blocks(source.size(), minimum_blocks)),
      piece_size_(16 * static_cast<std::size_t>(minimum_)),
      callees_(callees) {}

SegmentStream::~SegmentStream() = default;

void SegmentStream::constants_before(std::span<const ir::ConstantArray> arrays,
                                     std::span<const ir::ConstantString> strings) {
  arrays_before_ = arrays;
  strings_before_ = strings;
}

void SegmentStream::begin_body(std::size_t definition, std::string_view name) {
  active_ = signatures_ && definition_ == definition;
  if (!active_) return;
  gave_up_ = false;
  function_ = name;
  arrays_.assign(arrays_before_.begin(), arrays_before_.end());
  strings_.assign(strings_before_.begin(), strings_before_.end());
  constants_.emplace(arrays_, strings_);
  finder_.emplace(minimum_);
  lowerer_.emplace(context_, *signatures_, source_);
  if (callees_)
    inliner_.emplace(*callees_, name, context_.rules.profile(), source_.size(), inlined_names_, inlined_body_);
}

void SegmentStream::give_up(bool keep_body) {
  gave_up_ = true;
  // Before any segment was lowered, the blocks are all there: the rest of the body is kept
  // with them (its calls inlined) for the lowering of the whole body.
  collecting_ = keep_body && lowered_ == 0 && !continued_;
  program_.reset();
  lowerer_.reset();
  finder_.reset();
  if (!collecting_) window_.clear();
  for (Lowered& l : lowered_segments_) l = Lowered{};
}

void SegmentStream::begin_block(std::string_view label) {
  if (!active_) return;
  if (!gave_up_ && !window_.empty()) end_block();
  if (gave_up_ && !collecting_) return;
  ended_ = false;
  ir::Block& block = window_.emplace_back(ir::Block{label, {}, {}});
  take_spare(block);
  if (gave_up_) return;
  needs_phi_ = forwarded_to_.erase(label_of(block));
  inert_ = true;
}

void SegmentStream::instruction(const ir::Instruction& instruction, const char* where) {
  if (!active_ || (gave_up_ && !collecting_)) return;
  // What follows a block's terminator is not part of the block.
  if (ended_) return;
  ended_ = ir::is_terminator(instruction);
  StreamingInliner::Step step = inliner_ ? inliner_->instruction(instruction, where) : StreamingInliner::Step::AsItIs;
  if (step == StreamingInliner::Step::AsItIs) take(instruction, where, nullptr);
  // The module is read again, and the body inlined whole (which finds the error, if any).
  if (step == StreamingInliner::Step::WholeBody) give_up(false);
}

void SegmentStream::InlinedBody::instruction(ir::Instruction&& instruction, const char* where, const char* call) {
  stream_.take(std::move(instruction), where, call);
}

template <class Instruction>
void SegmentStream::take(Instruction&& taken, const char* where, const char* call_site) {
  if (gave_up_ && !collecting_) return;
  ir::Block& block = window_.back();
  const ir::Instruction& instruction = block.instructions.emplace_back(std::forward<Instruction>(taken));
  block.sources.push_back(where);
  if (call_site) {
    block.call_sites.resize(block.instructions.size() - 1);
    block.call_sites.push_back(call_site);
  }
  const auto* call = std::get_if<ir::Call>(&instruction);
  // Inlining names the callees a call of the body's own function came through: the module is
  // read again for that.
  if (inliner_ && call && call->callee == function_) return give_up(false);
  if (gave_up_) return;
  if (needs_phi_) {
    needs_phi_ = false;
    if (!std::holds_alternative<ir::Phi>(instruction)) return give_up();
  }
  // What the clean-ups before a whole body's lowering would change, and a call of the body's
  // own function (which inlining refuses).
  if (std::holds_alternative<ir::Alloca>(instruction) || std::holds_alternative<ir::ExtractValue>(instruction) ||
      std::holds_alternative<ir::Freeze>(instruction))
    return give_up();
  if (std::holds_alternative<ir::Ret>(instruction) && ++returns_ > 1) return give_up();
  if (call && (call->callee == "abort" || call->callee == function_)) return give_up();
  // A call that defines no value and reads none, nor a global (a gate on constant qubits, as
  // most of a straight-line program is), is inert: its lowering looks nothing up in the
  // analyses of the body. (A call's arguments are all it reads.)
  if (call) {
    bool constants = true;
    for (const ir::Operand& o : call->args) {
      constants = constants && is_constant(o);
      reads_globals_ = reads_globals_ || names_global(o);
    }
    inert_ = inert_ && constants && !call->result;
  } else {
    inert_ = false;
    reads_globals_ = reads_globals_ || reads_global(instruction);
  }
  // A long block alone in the window, of inert calls so far, is lowered in pieces as it comes.
  if (inert_ && window_.size() == 1 && block.instructions.size() >= piece_size_) lower_piece();
}

void SegmentStream::lower_piece() {
  // (The blocks before were lowered: the piece is the first of its segment, and lowered now
  // it gives what it would with the rest, since it neither defines nor reads a value.)
  split_into_regions();
  Lowered& next = take_turn();
  ir::Block& open = window_.front();
  next.blocks.push_back(ir::Block{open.label, std::move(open.instructions), std::move(open.sources),
                                  std::move(open.call_sites)});
  open.instructions.clear();
  open.sources.clear();
  open.call_sites.clear();
  // The lists of the piece let go (by take_turn) take the rest of the block.
  take_spare(open);
  // (Its calls define and read no value: its index need not look at them.)
  SegmentNames none{.numbers = {}, .first = 0, .values = false};
  lower_taken(next, std::exchange(continued_, true), &none);
}

void SegmentStream::end_block() {
  const ir::Block& block = window_.back();
  // A block entered for its phis has none.
  if (needs_phi_) return give_up();
  // A block that only branches on is skipped unless where it goes has phis: a block that comes
  // later must show them.
  const std::uint32_t number = lowered_ + static_cast<std::uint32_t>(window_.size()) - 1;
  const bool lowered_in_part = continued_ && window_.size() == 1;
  if (number > 0 && block.instructions.size() == 1 && !lowered_in_part) {
    if (const auto* br = std::get_if<ir::Br>(&block.instructions.front()); br && br->target != label_of(block)) {
      if (finder_->has_label(br->target)) return give_up();
      forwarded_to_.try_emplace(br->target, 1);
    }
  }
  finder_->add(block);
  process_ready_blocks();
  if (finder_->whole()) return give_up();
  // A final segment has others after it.
  std::span<const std::uint32_t> starts = finder_->final_starts();
  for (; final_used_ < starts.size(); ++final_used_) lower_one_of_several(starts[final_used_]);
}

void SegmentStream::process_ready_blocks() {
  while (finder_->processed() < finder_->ready()) finder_->process(window_[finder_->processed() - lowered_]);
}

void SegmentStream::split_into_regions() {
  if (regions_) return;
  lowerer_->split_into_regions(minimum_);
  regions_ = true;
}

void SegmentStream::lower_one_of_several(std::uint32_t end) {
  // A body of several segments is printed by regions.
  split_into_regions();
  lower(end);
}

void SegmentStream::take_spare(ir::Block& block) {
  if (spare_.empty()) return;
  block.instructions = std::move(spare_.back().instructions);
  block.sources = std::move(spare_.back().sources);
  spare_.pop_back();
}

SegmentStream::Lowered& SegmentStream::take_turn() {
  Lowered& next = lowered_segments_[1 - current_];
  // The lists of the blocks let go serve the blocks to come.
  for (ir::Block& b : next.blocks) {
    if (spare_.size() == 2 * minimum_ || b.instructions.capacity() > kSpareCapacity) break;
    b.instructions.clear();
    b.sources.clear();
    spare_.push_back(Spare{std::move(b.instructions), std::move(b.sources)});
  }
  next.blocks.clear();
  return next;
}

void SegmentStream::lower(std::uint32_t end) {
  Lowered& next = take_turn();
  // (The segment begins at a block the finder began one at.)
  std::optional<SegmentNames> names = finder_->take_names(lowered_);
  for (; lowered_ < end; ++lowered_) {
    next.blocks.push_back(std::move(window_.front()));
    window_.pop_front();
  }
  lower_taken(next, std::exchange(continued_, false), names ? &*names : nullptr);
}

void SegmentStream::lower_taken(Lowered& next, bool continues, SegmentNames* names) {
  const SegmentAnalysis& before = lowered_segments_[current_].analysis;
  if (!lowerer_->failed())
    lower_segment(context_.rules, *constants_, next.blocks, !before.index || enters(before, next.blocks, continues),
                  next.analysis, *lowerer_, continues, names);
  // The lowerer reads this segment's analysis from now on; the segment before it is kept a
  // segment longer.
  current_ = 1 - current_;
}

void SegmentStream::end_body() {
  if (!active_) return;
  active_ = false;
  if (gave_up_) return;
  // (A body the parser stopped in may have no block.)
  if (window_.empty()) return give_up();
  end_block();
  if (gave_up_) return;
  finder_->end();
  process_ready_blocks();
  std::optional<std::vector<std::uint32_t>> starts = finder_->result();
  if (!starts) return give_up();
  for (std::size_t k = final_used_; k < starts->size(); ++k) lower_one_of_several((*starts)[k]);
  lower(lowered_ + static_cast<std::uint32_t>(window_.size()));
  program_ = lowerer_->finish();
  if (lowerer_->needs_whole_function()) return give_up();
  lowerer_.reset();
  for (Lowered& l : lowered_segments_) l = Lowered{};
}

std::optional<std::vector<ir::Block>> SegmentStream::take_body() {
  if (!collecting_) return std::nullopt;
  collecting_ = false;
  return std::vector<ir::Block>(std::make_move_iterator(window_.begin()), std::make_move_iterator(window_.end()));
}

std::optional<Result<qasm::Program>> SegmentStream::finish(const ir::Module& module) {
  if (gave_up_ || !program_) return std::nullopt;
  // A global defined after the body was not known to its lowering.
  if (reads_globals_ && (module.arrays.size() != arrays_.size() || module.strings.size() != strings_.size()))
    return std::nullopt;
  return std::move(program_);
}

}  // namespace brintavel::translator
