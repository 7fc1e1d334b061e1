// The translation, stage by stage, and where each stage lives.
//
// translate() (translate.cpp) runs these stages in order; the first that fails ends the
// translation with its error:
//
//   1. outline the module        declare/define lines, first entry point ir/module_parser.cpp
//      and check the input       the text is UTF-8 (in the same pass)    support/text.cpp
//   2. choose the rules          base or extended, once                  translator/rules.hpp,
//                                                                        base_rules.cpp, extended_rules.cpp
//   3. read the signatures       parameter types of every function       signatures.cpp
//   4. parse and lower           the module's text into the IR model      ir/ (lexer, module, instruction
//                                (ir/model.hpp); the entry point's        and operand parsers)
//                                blocks into OpenQASM statements:
//                                streamed or from the whole module        translator/strategy.cpp
//                                one function, block by block             translator/function_lowerer.cpp
//                                one instruction: terminators and calls   translator/block_lowerer.cpp
//                                (calls to builders/), the rest to the
//                                rules: values and phis                   translator/classical.cpp,
//                                                                        extended_values.cpp, phis.hpp
//                                calls to functions of the module         translator/inline.cpp
//                                for the extended rules, the whole body   translator/entry_point.cpp
//                                first: aggregates split into fields,     split_aggregates.cpp
//                                stack memory made SSA values,            promote_memory.cpp
//                                the branch graph cleaned up,             simplify_cfg.cpp
//                                then segment by segment where it falls   segments.cpp
//                                apart (streamed where the body needs     segment_stream.cpp
//                                none of the above, one-block callees
//                                inlined as they come): values indexed,   body_index.cpp
//                                the integers' ranges found, and lowered  range_analysis.cpp
//                                values read after being overwritten,     translator/dataflow.cpp
//                                results read before being measured
//                                nested if/else and while from the        translator/structure.cpp
//                                branch graph (by regions: regions.cpp)
//                                registers and variables declared         translator/declarations.cpp
//                                the output records, when asked: each     translator/records.cpp
//                                record call tied to the final register
//   5. print                     the program as OpenQASM 3 text           qasm/printer.cpp
//   6. sign                      the generated-by comment                 qasm/printer.cpp
//
// The statements themselves are made by the builders (builders/: one QIR call each, from the
// gate table builders/gate_table.cpp) and the rules, into the program model qasm/model.hpp.
#pragma once

#include <cstdint>
#include <string_view>

#include "brintavel/brintavel.hpp"
#include "translator/dump.hpp"

namespace brintavel {

// translate() without the streaming lowering: the whole module is parsed before its entry
// point is lowered. It gives the same result as translate() on every input; the tests and
// the fuzzer check that.
Result<Translation> translate_whole_module(std::string_view qir_text, const TranslateOptions& options);

// translate() with regions (see translator/regions.hpp) of at least `minimum_region`
// blocks; 1 closes one wherever the function allows. It gives the same result as translate().
Result<Translation> translate_with_regions(std::string_view qir_text, const TranslateOptions& options,
                                           std::uint32_t minimum_region);

// translate() from the whole module, appending to `dump` the text of an intermediate stage
// (translator/dump.hpp).
Result<Translation> translate_with_dump(std::string_view qir_text, const TranslateOptions& options,
                                        translator::DumpStage stage, std::string& dump);

}  // namespace brintavel
