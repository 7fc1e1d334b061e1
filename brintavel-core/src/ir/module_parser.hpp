// Turns a whole QIR text into a Module: definitions with their blocks, declarations and
// attribute groups; everything else at top level is passed over.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "error.hpp"
#include "ir/instruction_parser.hpp"
#include "ir/model.hpp"

namespace brintavel::ir {

// The returned Module borrows `text`, which must outlive it. Errors carry the position of
// the text they concern.
Result<Module> parse_module(std::string_view text, InstructionSet set = InstructionSet::Base);

// Receives the bodies of the definitions as they are read, instead of the module keeping
// them: blocks in source order, each instruction as soon as it is parsed.
class BodyConsumer {
 public:
  virtual ~BodyConsumer() = default;
  // The body of definition number `definition` (counted from 0 in source order) begins.
  virtual void begin_body(std::size_t definition, std::string_view name) = 0;
  // Just before begin_body: the module's constants that come before the definition (what the
  // module holds of them so far; later ones are appended).
  virtual void constants_before(std::span<const ConstantArray>, std::span<const ConstantString>) {}
  // A block begins; the label is empty for an unlabeled first block.
  virtual void begin_block(std::string_view label) = 0;
  // An instruction of the current block. `where` is the first character of its text in the
  // source. The instruction lives only during the call.
  virtual void instruction(const Instruction& instruction, const char* where) = 0;
  virtual void end_body() = 0;
};

// parse_module with the bodies going to `consumer`: the definitions of the returned module
// have no blocks. A parse error anywhere is returned as from parse_module.
Result<Module> parse_module(std::string_view text, BodyConsumer& consumer,
                            InstructionSet set = InstructionSet::Base);

// A line of the text that may matter before the bodies are read.
struct OutlineLine {
  std::string_view text;  // trimmed at its start
  std::uint32_t number;   // 1-based
  std::uint32_t column;   // 1-based column of its first character
};

// What a quick scan of the line starts finds: the lines that begin with "de" (the header
// lines of declarations and definitions among them) and which definition would be the
// first entry point if every `define` and `attributes` line were at top level (which it is
// in any module whose bodies hold only instructions).
// With Utf8::Check, the scan also checks that the text is UTF-8, a stretch ahead of the lines
// it reads (so that the text comes from memory once for both), and stops at the first byte that
// is not: the outline is then incomplete, and says where.
struct ModuleOutline {
  std::vector<OutlineLine> header_candidates;
  std::optional<std::size_t> first_entry_point;  // its number among the definitions
  std::optional<std::size_t> not_utf8;           // the offset of the first byte that is not UTF-8
};
enum class Utf8 : bool { Trusted, Check };
ModuleOutline outline_module(std::string_view text, Utf8 utf8 = Utf8::Trusted);

}  // namespace brintavel::ir
