// What the steps of one function's lowering share: the values and reads (LoweringContext),
// the blocks lowered so far, the variables made, and the labels and sources by block number.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "support/text.hpp"
#include "translator/body_index.hpp"
#include "translator/context.hpp"
#include "translator/range_analysis.hpp"
#include "translator/processed_blocks.hpp"
#include "translator/variables.hpp"

namespace brintavel::translator {

struct FunctionState {
  FunctionState(const TranslationContext& context_in, std::string_view source_in, StaleValues stale)
      : context(context_in),
        source(source_in),
        lowering(Limits::nodes_for_input(source_in.size()), stale, context_in.keep_origins) {
    lowering.use_warning_sink(context_in.warnings);
  }

  // An error with the position of `where` (a pointer into the source), unless it has one.
  Error located(Error failure, const char* where) const { return text::located(std::move(failure), source, where); }

  const TranslationContext& context;
  std::string_view source;
  LoweringContext lowering;
  ProcessedBlocks processed;
  Variables variables;
  PendingResets resets;
  std::vector<std::string_view> labels;    // by block number, from the first block not printed
  std::vector<const char*> block_sources;  // where each of those blocks begins in the source
  // The function's body as IR and its analysis, where the rules analyse it first (null when
  // the body is lowered as it is read).
  const BodyIndex* body = nullptr;
  const BodyRanges* ranges = nullptr;
};

}  // namespace brintavel::translator
