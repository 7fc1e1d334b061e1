// The lowering of one function: its blocks and instructions arrive in source order, each
// block's straight-line code is printed as it is lowered, and at the end the control flow is
// structured and the program assembled with its registers and variables.
#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "error.hpp"
#include "ir/model.hpp"
#include "qasm/model.hpp"
#include "signatures.hpp"
#include "translator/context.hpp"
#include "translator/body_index.hpp"
#include "translator/phis.hpp"
#include "translator/range_analysis.hpp"

namespace brintavel::translator {

// Only what later blocks can still refer to is kept. The first error ends the lowering;
// later calls are then ignored and finish() returns that error. Errors carry the position of
// the instruction or block they concern, in `source`.
//
// Split into regions (split_into_regions(), see regions.hpp), the lowerer also structures and
// prints the function region by region as the regions close, and keeps only the open blocks.
// When the end shows that the regions do not hold, or anything fails after a region was
// closed, finish() fails and needs_whole_function() tells the caller to lower the function
// again without regions, which gives the result or the error.
class FunctionLowerer {
 public:
  FunctionLowerer(const TranslationContext& context, const SignatureTable& signatures, std::string_view source);
  ~FunctionLowerer();
  FunctionLowerer(const FunctionLowerer&) = delete;
  FunctionLowerer& operator=(const FunctionLowerer&) = delete;

  // Before the first block: the function's body as IR and what its analysis found, which the
  // rules consult (both must outlive the lowerer). Between two blocks: the next segment of the
  // body (segments.hpp), whose blocks come next.
  void use_body(const BodyIndex& body, const BodyRanges& ranges);
  // A new block begins; an empty label names it by its position.
  void begin_block(std::string_view label);
  // An instruction of the current block; `where` is its text in the source (or null).
  // `call`: for an instruction of an inlined body, the call it was inlined for (or null).
  void instruction(const ir::Instruction& instruction, const char* where, const char* call = nullptr);
  bool failed() const;
  Result<qasm::Program> finish();
  // Before the first block: structure and print the function region by region, closing
  // regions of at least `minimum_region` blocks.
  void split_into_regions(std::uint32_t minimum_region);
  // The regions did not hold, and the function must be lowered again: known after finish(),
  // and as soon as an error comes after a region closed.
  bool needs_whole_function() const;
  // Before finish(): the result register also holds these results, which nothing is measured
  // into, and is declared zeroed.
  void cover_results(std::span<const std::int64_t> results);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// The program of a lowered function: the includes, the registers and variables its body uses,
// and the body (declarations.cpp). `zero_results`: a result may be read before anything was
// measured into it, so the result register is declared zeroed.
Result<qasm::Program> declare_program(const TranslationContext& context, std::string_view source,
                                      LoweringContext& lowering, Variables& variables, qasm::StatementList body,
                                      bool zero_results);

}  // namespace brintavel::translator
