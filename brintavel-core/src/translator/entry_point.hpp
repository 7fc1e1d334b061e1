// The entry point of a module and its lowering as a whole function (with its calls inlined
// where the rules inline them).
#pragma once

#include <optional>
#include <string_view>

#include <span>

#include "error.hpp"
#include "ir/model.hpp"
#include "qasm/model.hpp"
#include "signatures.hpp"
#include "translator/body_index.hpp"
#include "translator/context.hpp"
#include "translator/function_lowerer.hpp"
#include "translator/range_analysis.hpp"

namespace brintavel::translator {

class Rules;

// The entry point to translate: the first definition marked as one, or the entry-point
// definition named `name` when one is given. Nothing when there is none.
const ir::Function* find_entry_point(const ir::Module& module, std::optional<std::string_view> name);
ir::Function* find_entry_point(ir::Module& module, std::optional<std::string_view> name);
// The error when find_entry_point finds nothing.
Error no_entry_point(std::optional<std::string_view> name);

// Lowers the blocks of `entry`, a function of `module`, in source order, structures the
// control flow and declares the registers and variables used.
Result<qasm::Program> translate_entry_point(const TranslationContext& context, const ir::Module& module,
                                            const SignatureTable& signatures, const ir::Function& entry);
// The same, taking the entry's blocks where the rules rewrite the body instead of copying them
// (`entry` is left without its blocks). Where the rules analyse the body, they do it by
// `segments` of at least that many blocks where it falls apart into them (segments.hpp).
Result<qasm::Program> translate_entry_point(const TranslationContext& context, const ir::Module& module,
                                            const SignatureTable& signatures, ir::Function&& entry,
                                            std::optional<std::uint32_t> segments = std::nullopt);
// The analyses of one segment of a body (segments.hpp), which the lowerer reads while it lowers
// the segment's blocks (and the last segment's until it finishes).
struct SegmentAnalysis {
  std::optional<BodyIndex> index;
  BodyRanges ranges;
  bool entered = true;                  // a run reaches the segment
  std::vector<std::string_view> exits;  // the labels after the segment a run can branch to
};

// Whether a run reaches `next`, the segment after the one analysed in `before`: where one can
// leave that segment for `next`'s first block, or, when `next` `continues` a block lowered in
// part, where one reached that part. (The analysis of the whole body finds the same.)
bool enters(const SegmentAnalysis& before, std::span<const ir::Block> next, bool continues);

// Analyses `segment` into `analysis` (whose previous contents the lowerer no longer reads),
// hands it to the lowerer and lowers the segment's blocks, until the lowerer fails. `entered`:
// whether a run reaches the segment (the first one: true). With `continues`, the segment's
// first block is the rest of the block the lowerer has open. `names`: the names the segment
// defines, as the segment finder found them (taken over by its index), if known.
void lower_segment(const Rules& rules, const ModuleConstants& constants, std::span<const ir::Block> segment,
                   bool entered, SegmentAnalysis& analysis, FunctionLowerer& lowerer, bool continues = false,
                   SegmentNames* names = nullptr);

// The same after building the signature table and picking the entry point.
Result<qasm::Program> translate_entry_point(const TranslationContext& context, const ir::Module& module);

}  // namespace brintavel::translator
