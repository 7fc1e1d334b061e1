// libFuzzer harness: any bytes in, the output text or an error value out, in the default and
// the extended mode. Crashes, hangs, leaks, sanitizer reports and escaped exceptions are
// findings, and so are
//   - an extended-mode translation that differs from the default mode's where the default
//     mode translates, and
//   - a streaming translation that differs from the whole-module pipeline's or from one that
//     closes regions and segments wherever it can (output, or the message and position), in
//     either mode, and
//   - a line that the front end's fast path reads differently from the general parser.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <variant>

#include "brintavel/brintavel.hpp"
#include "ir/instruction_parser.hpp"
#include "ir/plain_instruction.hpp"
#include "support/text.hpp"
#include "translate.hpp"

namespace {

namespace ir = brintavel::ir;

bool ends_with_generated_by(const std::string& program) {
  return program.rfind("// generated-by: {\"name\":\"brintavel\"", 0) == 0 ||
         program.find("\n// generated-by: {\"name\":\"brintavel\"") != std::string::npos;
}

bool same(const brintavel::Result<brintavel::Translation>& a,
          const brintavel::Result<brintavel::Translation>& b) {
  if (a.has_value() != b.has_value()) return false;
  if (a) return a->program == b->program && a->entry_point == b->entry_point;
  return a.error().kind == b.error().kind && a.error().message == b.error().message &&
         a.error().position == b.error().position;
}

// Every line the fast path reads must parse to the same instruction the general way.
void check_fast_path(std::string_view text) {
  ir::TextPool pool;
  for (ir::InstructionSet set : {ir::InstructionSet::Base, ir::InstructionSet::Extended}) {
    ir::PlainInstructionReader reader(set);
    for (std::string_view rest = text; !rest.empty();) {
      std::size_t end = rest.find('\n');
      std::string_view line = rest.substr(0, end);
      rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
      line = brintavel::text::trim_end(brintavel::text::trim_start(line));
      const ir::Instruction* fast = reader.read(line);
      if (!fast) continue;
      auto general = ir::parse_instruction(line, pool, set);
      if (!general || !(*fast == *general)) __builtin_trap();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  brintavel::TranslateOptions options;
  options.producer = "fuzz";
  auto base = brintavel::translate(text, options);
  if (!same(base, brintavel::translate_whole_module(text, options))) __builtin_trap();
  if (!same(base, brintavel::translate_with_regions(text, options, 1))) __builtin_trap();
  // Cheap sanity checks on every success.
  if (base && !ends_with_generated_by(base->program)) __builtin_trap();
  // Asking for the output records and the source map leaves the default mode's text as it is.
  options.records = options.source_map = true;
  auto mapped = brintavel::translate(text, options);
  if (base.has_value() != mapped.has_value() || (base && mapped->program != base->program)) __builtin_trap();
  options.records = options.source_map = false;
  options.extended = true;
  auto extended = brintavel::translate(text, options);
  if (extended && !ends_with_generated_by(extended->program)) __builtin_trap();
  if (base && (!extended || extended->program != base->program)) __builtin_trap();
  if (!same(extended, brintavel::translate_whole_module(text, options))) __builtin_trap();
  if (!same(extended, brintavel::translate_with_regions(text, options, 1))) __builtin_trap();
  check_fast_path(text);
  return 0;
}
