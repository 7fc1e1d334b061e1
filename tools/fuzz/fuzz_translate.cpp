// libFuzzer harness: any bytes in, the output text or an error value out, in the default and
// the extended mode. Crashes, hangs, leaks, sanitizer reports and escaped exceptions are
// findings, and so are
//   - an extended-mode translation that differs from the default mode's where the default
//     mode translates, and
//   - a streaming translation that differs from the whole-module pipeline's or from one that
//     closes regions wherever it can (output, or the message and position), and an extended
//     one that differs from one analysed in segments wherever the body falls apart, and
//   - a line that the front end's fast path reads differently from the general parser.
#include <bit>
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

// Operand equality, with floating-point literals compared by their bits.
bool same(const ir::Operand& a, const ir::Operand& b) {
  if (a.index() != b.index()) return false;
  return std::visit(
      [&b](const auto& x) {
        using T = std::decay_t<decltype(x)>;
        const T& y = std::get<T>(b);
        if constexpr (std::is_same_v<T, ir::ConstInt>) return x.value == y.value;
        else if constexpr (std::is_same_v<T, ir::ConstBool>) return x.value == y.value;
        else if constexpr (std::is_same_v<T, ir::ConstFloat>)
          return std::bit_cast<std::uint64_t>(x.value) == std::bit_cast<std::uint64_t>(y.value);
        else if constexpr (std::is_same_v<T, ir::PtrConst>)
          return x.struct_name == y.struct_name && x.index == y.index;
        else if constexpr (std::is_same_v<T, ir::Ssa> || std::is_same_v<T, ir::GlobalRef> ||
                           std::is_same_v<T, ir::BitcastGlobal>)
          return x.name == y.name;
        else return true;
      },
      a);
}

// Equality of the kinds the fast path reads: calls, branches and returns.
bool same(const ir::Instruction& a, const ir::Instruction& b) {
  if (a.index() != b.index()) return false;
  if (const auto* x = std::get_if<ir::Call>(&a)) {
    const auto& y = std::get<ir::Call>(b);
    if (x->callee != y.callee || x->return_type != y.return_type || x->result != y.result ||
        x->args.size() != y.args.size())
      return false;
    for (std::size_t i = 0; i < x->args.size(); ++i)
      if (!same(x->args[i], y.args[i])) return false;
    return true;
  }
  if (const auto* x = std::get_if<ir::Br>(&a)) return x->target == std::get<ir::Br>(b).target;
  if (const auto* x = std::get_if<ir::CondBr>(&a)) {
    const auto& y = std::get<ir::CondBr>(b);
    return x->condition == y.condition && x->true_label == y.true_label &&
           x->false_label == y.false_label;
  }
  return std::holds_alternative<ir::Ret>(a);
}

// Every line the fast path reads must parse to the same instruction the general way.
void check_fast_path(std::string_view text) {
  ir::PlainInstructionReader reader;
  ir::TextPool pool;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    line = brintavel::text::trim_end(brintavel::text::trim_start(line));
    const ir::Instruction* fast = reader.read(line);
    if (!fast) continue;
    auto general = ir::parse_instruction(line, pool);
    if (!general || !same(*fast, *general)) __builtin_trap();
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
  if (!same(extended, brintavel::translate_with_regions(text, options, 1))) __builtin_trap();
  check_fast_path(text);
  return 0;
}
