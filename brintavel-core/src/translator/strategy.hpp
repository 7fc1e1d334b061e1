// How the entry point of a module is lowered: streamed, or from the whole module.
//
// Streamed, the entry function is lowered while the module is parsed, so that only what later
// blocks can refer to is ever held; a long function is structured and printed region by region
// (regions.hpp). That needs the signatures and the entry point before the bodies: the outline
// (a first scan of the line starts) finds both, and the parse confirms the entry point. When
// the parse names another entry point than the outline (a body line that reads like a header),
// or the regions do not hold, the entry point is lowered from the whole module instead, with the
// same result. The rules that analyse the body take it segment by segment where it falls apart
// (segments.hpp), and print it region by region: streamed, as the segments become final
// (segment_stream.hpp), unless the body needs what only the whole module gives (calls inlined
// into blocks of their own, the clean-ups that rewrite it), and then from the whole module. The
// definitions after the entry point are parsed first when their calls go on in the caller's
// block, so that the stream inlines them as it reads the body. A chosen entry point and the
// output records need the whole module.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "error.hpp"
#include "ir/module_parser.hpp"
#include "qasm/model.hpp"
#include "signatures.hpp"
#include "translator/context.hpp"
#include "translator/regions.hpp"

namespace brintavel::translator {

struct LoweringPlan {
  bool stream = true;  // lower the entry point while the module is parsed, or by segments, where the rules allow
  std::uint32_t minimum_region = RegionSplitter::kMinimumRegion;  // the fewest blocks in a region (or a segment)
};

// The lowered entry point of a module.
struct LoweredModule {
  qasm::Program program;
  std::string entry_point;                      // the function translated
  std::vector<std::string> other_entry_points;  // the entry points left out
  std::optional<std::string_view> profile;      // the entry point's QIR profile, if it names one
};

// Parses `text` and lowers its entry point. Errors keep their order: parse errors first, then
// signature errors (`signatures` is the table built from `outline`), then the missing entry
// point, then the lowering's own.
Result<LoweredModule> parse_and_lower(std::string_view text, const ir::ModuleOutline& outline,
                                      const Result<SignatureTable>& signatures, const TranslationContext& context,
                                      const LoweringPlan& plan);

}  // namespace brintavel::translator
