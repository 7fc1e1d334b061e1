// The translation's stages, in order (the list with their files is in translate.hpp).
#include "brintavel/brintavel.hpp"

#include "builders/gate_table.hpp"
#include "error.hpp"
#include "ir/module_parser.hpp"
#include "qasm/printer.hpp"
#include "signatures.hpp"
#include "support/source_positions.hpp"
#include "translate.hpp"
#include "translator/records.hpp"
#include "translator/rules.hpp"
#include "translator/strategy.hpp"

namespace brintavel {

namespace {

// (The outline of the text checked it to be UTF-8.)
Status check_input(std::string_view text, const ir::ModuleOutline& outline, const TranslateOptions& options) {
  if (outline.not_utf8) {
    const std::size_t bad_offset = *outline.not_utf8;
    Error error = parse_error(text::cat("QIR text is not valid UTF-8 (invalid byte at offset ", bad_offset, ")"));
    error.position = text::locate(text, text.data() + bad_offset);
    return error;
  }
  if (options.entry_point && !options.extended)
    return unsupported("choosing the entry point is an extended-mode option");
  return {};
}

// The positions of the printed lines' origins, and nothing for the generated-by comment.
std::vector<LineOrigin> source_map(std::string_view text, const qasm::LineOrigins& origins) {
  text::SourcePositions positions(text);
  auto position = [&](const char* at) -> std::optional<SourcePosition> {
    if (!positions.contains(at)) return std::nullopt;
    return positions.of(at);
  };
  std::vector<LineOrigin> map;
  map.reserve(origins.size() + 1);
  for (const qasm::Origin& origin : origins) map.push_back(LineOrigin{position(origin.instruction), position(origin.call)});
  map.emplace_back();
  return map;
}

Result<Translation> translate_with(std::string_view text, const TranslateOptions& options,
                                   const translator::LoweringPlan& plan, std::string* dump = nullptr,
                                   translator::DumpStage dump_stage = translator::DumpStage::None) {
  ir::ModuleOutline outline = ir::outline_module(text, ir::Utf8::Check);
  BRINTAVEL_CHECK(check_input(text, outline, options));
  std::unique_ptr<translator::Rules> rules =
      options.extended ? translator::extended_rules() : translator::base_rules();
  translator::TranslationContext context{*rules, {}, std::nullopt, false};
  if (options.producer && !options.producer->empty()) context.producer = std::string(*options.producer);
  context.entry_name = options.entry_point;
  context.keep_origins = options.source_map;
  context.dump = dump;
  context.dump_stage = dump_stage;
  std::vector<translator::SourceWarning> warnings;
  context.warnings = &warnings;
  std::vector<translator::RecordFinding> records;
  if (options.records) context.records = &records;

  Result<SignatureTable> signatures = build_signature_table(outline.header_candidates);
  BRINTAVEL_TRY_ASSIGN(translator::LoweredModule lowered,
                       translator::parse_and_lower(text, outline, signatures, context, plan));

  Translation translation{{}, std::move(lowered.entry_point), std::move(lowered.other_entry_points), {}, {}, {}};
  if (!warnings.empty() || !records.empty()) {
    text::SourcePositions positions(text);
    for (translator::RecordFinding& r : records) {
      if (positions.contains(r.where)) r.record.position = positions.of(r.where);
      translation.records.push_back(std::move(r.record));
    }
    for (translator::SourceWarning& w : warnings) {
      std::optional<SourcePosition> at;
      if (positions.contains(w.where)) at = positions.of(w.where);
      translation.warnings.push_back(Warning{std::move(w.message), at});
    }
  }
  const std::uint64_t max_output = translator::Limits::output_bytes_for_input(text.size());
  qasm::LineOrigins origins;
  if (!qasm::print_program_within(std::move(lowered.program), translation.program, max_output,
                                  options.source_map ? &origins : nullptr))
    return translator::output_limit_exceeded(text.size());
  qasm::append_generated_by(translation.program, kVersion, lowered.profile, context.producer);
  if (options.source_map) translation.source_map = source_map(text, origins);
  return translation;
}

// The translation; when the base rules refuse and the caller asks, whether the extended rules
// translate the module too, said in the error.
Result<Translation> translate_and_check(std::string_view text, const TranslateOptions& options,
                                        const translator::LoweringPlan& plan) {
  Result<Translation> translation = translate_with(text, options, plan);
  if (!translation && !options.extended && options.check_extended) {
    TranslateOptions extended = options;
    extended.extended = true;
    translation.error().extended_translates = translate_with(text, extended, plan).has_value();
  }
  return translation;
}

}  // namespace

std::string describe(const Error& error) {
  if (error.kind == ErrorKind::Internal) return "internal error: " + error.message;
  return error.message;
}

Result<Translation> translate(std::string_view qir_text, const TranslateOptions& options) {
  return translate_and_check(qir_text, options, translator::LoweringPlan{});
}

Result<Translation> translate_whole_module(std::string_view qir_text, const TranslateOptions& options) {
  return translate_and_check(qir_text, options, translator::LoweringPlan{false});
}

Result<Translation> translate_with_regions(std::string_view qir_text, const TranslateOptions& options,
                                           std::uint32_t minimum_region) {
  return translate_and_check(qir_text, options, translator::LoweringPlan{true, minimum_region});
}

Result<Translation> translate_with_dump(std::string_view qir_text, const TranslateOptions& options,
                                        translator::DumpStage stage, std::string& dump) {
  return translate_with(qir_text, options, translator::LoweringPlan{false}, &dump, stage);
}

Result<std::string> translate_qir(std::string_view qir_text, std::optional<std::string_view> producer) {
  TranslateOptions options;
  options.producer = producer;
  BRINTAVEL_TRY_ASSIGN(Translation translation, translate(qir_text, options));
  return std::move(translation.program);
}

std::string gate_definitions() { return builders::definitions_text(); }

}  // namespace brintavel
