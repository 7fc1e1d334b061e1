// The entry point lowered segment by segment while the parser reads it, for the rules that
// analyse the body (the extended rules).
//
// The blocks arrive in source order and are held until their segment is final
// (segments.hpp); the segment is then analysed, lowered, printed region by region
// (regions.hpp) and let go, so that a long body is held a few segments at a time. A long block
// alone in the window is lowered in pieces while it holds only calls that define and read no
// value (gates on constant qubits), whose lowering reads no analysis of the body. That gives
// what lowering the whole body gives (entry_point.cpp) as long as the clean-ups before the
// lowering leave the body as it is: no stack memory (promote_memory.hpp), no field of an
// aggregate read (split_aggregates.hpp), and none of the shapes simplify_cfg.hpp rewrites
// (several returns, an aborting block, a freeze, a block that only branches on to a block
// without phis); and as long as every call to a function the module defines goes on in the
// caller's block once inlined (inline.hpp: StreamingInliner, from the definitions after the
// body, parsed before it), the body reads a value only where the segments allow it and uses only
// the module constants that come before it. Where one of these fails, the stream gives up and
// the caller lowers the whole body: the body as read with its calls inlined, when the stream
// gave up before lowering a segment, else the module parsed again.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "error.hpp"
#include "ir/module_parser.hpp"
#include "qasm/model.hpp"
#include "signatures.hpp"
#include "support/flat_name_map.hpp"
#include "translator/context.hpp"
#include "translator/entry_point.hpp"
#include "translator/function_lowerer.hpp"
#include "translator/inline.hpp"
#include "translator/segments.hpp"

namespace brintavel::translator {

class SegmentStream final : public ir::BodyConsumer {
 public:
  // Lowers definition number `definition` (none: nothing), closing segments and regions of at
  // least half `minimum_blocks` blocks (at least 1), fewer in a program of less than 2 MB: the
  // stream holds several segments at a time, and shorter ones keep a small program's memory
  // low at no cost in time. A long block is lowered in pieces of 16 times as many calls.
  // `callees`: the definitions whose calls it inlines (none: the module defines no other
  // function), which outlive the stream.
  SegmentStream(const TranslationContext& context, const SignatureTable* signatures, std::string_view source,
                std::optional<std::size_t> definition, std::uint32_t minimum_blocks,
                const ir::Module* callees = nullptr);
  ~SegmentStream() override;

  void constants_before(std::span<const ir::ConstantArray> arrays, std::span<const ir::ConstantString> strings) override;
  void begin_body(std::size_t definition, std::string_view name) override;
  void begin_block(std::string_view label) override;
  void instruction(const ir::Instruction& instruction, const char* where) override;
  void end_body() override;

  // After the parse of `module`: the lowered program, or nothing when the stream gave up (or
  // the definition never came).
  std::optional<Result<qasm::Program>> finish(const ir::Module& module);
  // When the stream gave up before lowering a segment: the whole body, as the parser read it with
  // its calls inlined (the names inlining made live as long as the stream).
  std::optional<std::vector<ir::Block>> take_body();

 private:
  // Takes the instructions of the body with its calls inlined.
  class InlinedBody final : public BodySink {
   public:
    explicit InlinedBody(SegmentStream& stream) : stream_(stream) {}
    void begin_block(std::string_view, std::size_t) override {}
    void instruction(ir::Instruction&& instruction, const char* where, const char* call) override;
    bool failed() const override { return stream_.gave_up_ && !stream_.collecting_; }

   private:
    SegmentStream& stream_;
  };

  // An instruction of the body as lowered (`call`: the call it was inlined for).
  // (Copied from the parser, which reuses its instruction; moved from the inliner.)
  template <class Instruction>
  void take(Instruction&& instruction, const char* where, const char* call_site);
  // `keep_body`: keep the body for the lowering of the whole body where it is all there.
  void give_up(bool keep_body = true);
  void end_block();
  void process_ready_blocks();
  // Lowers the blocks up to `end` as a segment (of a body of several, printed by regions).
  void lower(std::uint32_t end);
  // Lowers the instructions of the one block in the window so far.
  void lower_piece();
  // From now on the lowerer prints by regions.
  void split_into_regions();
  void lower_one_of_several(std::uint32_t end);

  const TranslationContext& context_;
  const SignatureTable* signatures_;
  std::string_view source_;
  std::optional<std::size_t> definition_;
  std::uint32_t minimum_;
  std::size_t piece_size_;

  bool active_ = false;
  bool gave_up_ = true;  // (until the definition begins)
  bool collecting_ = false;  // gave up, keeping the whole body
  std::string_view function_;
  std::span<const ir::ConstantArray> arrays_before_;  // (until the next begin_body)
  std::span<const ir::ConstantString> strings_before_;
  std::vector<ir::ConstantArray> arrays_;
  std::vector<ir::ConstantString> strings_;
  std::optional<ModuleConstants> constants_;
  bool reads_globals_ = false;
  const ir::Module* callees_;
  ir::TextPool inlined_names_;
  InlinedBody inlined_body_{*this};
  std::optional<StreamingInliner> inliner_;

  std::optional<SegmentFinder> finder_;
  std::optional<FunctionLowerer> lowerer_;
  std::deque<ir::Block> window_;  // the blocks not lowered yet, from block number `lowered_`
  std::uint32_t lowered_ = 0;
  std::size_t final_used_ = 0;    // the final segment starts lowered up to
  bool regions_ = false;
  // Two segments' blocks and analyses, in turn: the lowerer reads the last one's.
  struct Lowered {
    std::vector<ir::Block> blocks;
    SegmentAnalysis analysis;
  };
  Lowered lowered_segments_[2];
  int current_ = 0;
  // The slot of the segment to lower next, emptied.
  Lowered& take_turn();
  // Lowers the blocks taken into `next` (take_turn()); `continues`: the first goes on in the
  // block the lowerer has open. `names`: the names they define, as the finder found them.
  void lower_taken(Lowered& next, bool continues, SegmentNames* names = nullptr);
  bool ended_ = false;      // the open block's terminator has come
  bool inert_ = false;      // the open block's instructions so far are all inert calls
  bool continued_ = false;  // the first block in the window was lowered in part (is the rest)
  // Emptied lists of instructions, and of their sources, from blocks let go: at most two
  // segments' worth (2 x the fewest blocks of a segment), none longer than kSpareCapacity. A
  // small program's pieces (16 x its segment size in calls) fit: the lists of a piece let go
  // take the rest of its block; a large program's pieces are not kept.
  struct Spare {
    std::vector<ir::Instruction> instructions;
    std::vector<const char*> sources;
  };
  static constexpr std::size_t kSpareCapacity = 1024;
  // Gives `block`, whose lists are empty, spare lists if there are any.
  void take_spare(ir::Block& block);
  std::vector<Spare> spare_;

  std::uint32_t returns_ = 0;
  // Labels that a block which only branches on goes to, not seen yet: each must have phis.
  text::FlatNameMap<char> forwarded_to_;
  bool needs_phi_ = false;  // the open block is one of those, and its first instruction is due
  std::optional<Result<qasm::Program>> program_;
};

}  // namespace brintavel::translator
