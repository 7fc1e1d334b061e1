// The pipeline: parse, translate, print, then append the generated-by comment.
#include "brintavel/brintavel.hpp"

#include "builders/gate_table.hpp"
#include "builders/profile.hpp"
#include "error.hpp"
#include "ir/module_parser.hpp"
#include "qasm/printer.hpp"
#include "signatures.hpp"
#include "translate.hpp"
#include "translator/driver.hpp"
#include "translator/regions.hpp"

namespace brintavel {

namespace {

// JSON string escaping for the generated-by comment.
void append_json_escaped(std::string& out, std::string_view s) {
  static constexpr char kHex[] = "0123456789abcdef";
  for (char ch : s) {
    auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"': out.append("\\\""); break;
      case '\\': out.append("\\\\"); break;
      case 0x08: out.append("\\b"); break;
      case 0x09: out.append("\\t"); break;
      case 0x0A: out.append("\\n"); break;
      case 0x0C: out.append("\\f"); break;
      case 0x0D: out.append("\\r"); break;
      default:
        if (c < 0x20 || c == 0x7F) {
          out.append("\\u00");
          out.push_back(kHex[c >> 4]);
          out.push_back(kHex[c & 0xF]);
        } else {
          out.push_back(ch);
        }
    }
  }
}

void append_generated_by(std::string& out, std::optional<std::string_view> profile,
                         const std::optional<std::string>& producer) {
  out.append("// generated-by: {\"name\":\"brintavel\",\"version\":\"");
  out.append(kVersion);
  out.push_back('"');
  if (profile) {
    out.append(",\"profile\":\"");
    append_json_escaped(out, *profile);
    out.push_back('"');
  }
  if (producer) {
    out.append(",\"producer\":\"");
    append_json_escaped(out, *producer);
    out.push_back('"');
  }
  out.append("}\n");
}

}  // namespace

std::string describe(const Error& error) {
  if (error.kind == ErrorKind::Internal) return "internal error: " + error.message;
  return error.message;
}

namespace {

// Lowers the body of one definition, the expected entry point, while the parser reads it.
class StreamingLowering final : public ir::BodyConsumer {
 public:
  StreamingLowering(const translator::TranslationContext& context, const SignatureTable* signatures,
                    std::string_view source, std::optional<std::size_t> definition,
                    std::uint32_t minimum_region)
      : context_(context),
        signatures_(signatures),
        source_(source),
        definition_(definition),
        minimum_region_(minimum_region) {}

  void begin_body(std::size_t definition, std::string_view) override {
    active_ = signatures_ && definition_ == definition;
    if (!active_) return;
    lowerer_.emplace(context_, *signatures_, source_);
    lowerer_->split_into_regions(minimum_region_);
  }
  void begin_block(std::string_view label) override {
    if (active_) lowerer_->begin_block(label);
  }
  void instruction(const ir::Instruction& instruction, const char* where) override {
    if (active_) lowerer_->instruction(instruction, where);
  }
  void end_body() override { active_ = false; }

  translator::FunctionLowerer* lowerer() { return lowerer_ ? &*lowerer_ : nullptr; }
  void release() { lowerer_.reset(); }

 private:
  const translator::TranslationContext& context_;
  const SignatureTable* signatures_;
  std::string_view source_;
  std::optional<std::size_t> definition_;
  std::uint32_t minimum_region_;
  std::optional<translator::FunctionLowerer> lowerer_;
  bool active_ = false;
};

// The number of the entry point among the module's definitions.
std::size_t definition_number(const ir::Module& module, const ir::Function* entry) {
  std::size_t n = 0;
  for (const ir::Function& fn : module.functions) {
    if (&fn == entry) break;
    if (!fn.is_declaration) ++n;
  }
  return n;
}

// The translation by the base rules, or by the extended ones when `extended` is set; with
// `stream` unset, the base rules too work on the whole module. `outline` and `signatures` are
// those of `qir_text`.
Result<Translation> translate_with(std::string_view qir_text, const ir::ModuleOutline& outline,
                                   const Result<SignatureTable>& signatures, const TranslateOptions& options,
                                   bool extended, bool stream, std::uint32_t minimum_region) {
  translator::TranslationContext context{
      extended ? builders::build_extended_profile() : builders::build_base_profile(), {}, std::nullopt, false};
  if (options.producer && !options.producer->empty()) context.producer = std::string(*options.producer);
  context.entry_name = options.entry_point;
  context.extended = extended;
  // The base rules lower the first entry point while the text is parsed, so that only what
  // later blocks can refer to is ever held. That needs the signatures and the entry point
  // before the bodies: a first scan of the line starts finds both, and the parse confirms
  // the entry point. Errors keep their order: parse errors first, then signature errors,
  // then the missing entry point, then the translation's own. The extended rules, and a
  // chosen entry point, work on the whole module.
  bool streamed = stream && !extended && !options.entry_point;
  ir::InstructionSet set = extended ? ir::InstructionSet::Extended : ir::InstructionSet::Base;
  StreamingLowering streaming(context, signatures ? &*signatures : nullptr, qir_text,
                              streamed ? outline.first_entry_point : std::nullopt, minimum_region);
  BRINTAVEL_TRY_ASSIGN(ir::Module module, streamed ? ir::parse_module(qir_text, streaming, set)
                                                   : ir::parse_module(qir_text, set));
  if (!signatures) return signatures.error();
  const ir::Function* entry = translator::find_entry_point(module, context.entry_name);
  if (!entry) return translator::no_entry_point(context.entry_name);

  Translation translation;
  translation.entry_point = std::string(entry->name);
  for (const ir::Function& fn : module.functions)
    if (!fn.is_declaration && fn.is_entry_point && &fn != entry)
      translation.other_entry_points.emplace_back(fn.name);
  std::optional<std::string_view> profile = entry->profile;

  // The streamed lowering, unless the scan named another function than the parse did (a
  // body line that reads like a header) or its regions did not hold: then the entry point
  // is lowered from the whole module.
  std::optional<Result<qasm::Program>> lowered;
  if (translator::FunctionLowerer* lowerer = streaming.lowerer();
      streamed && lowerer && outline.first_entry_point == definition_number(module, entry)) {
    lowered = lowerer->finish();
    if (lowerer->needs_whole_function()) lowered.reset();
  }
  streaming.release();
  qasm::Program program;
  if (lowered) {
    BRINTAVEL_TRY_ASSIGN(program, std::move(*lowered));
  } else if (!streamed) {
    BRINTAVEL_TRY_ASSIGN(program, translator::translate_entry_point(context, module, *signatures, *entry));
  } else {
    BRINTAVEL_TRY_ASSIGN(ir::Module whole, ir::parse_module(qir_text, set));
    const ir::Function* same = translator::find_entry_point(whole, context.entry_name);
    if (!same) return translator::no_entry_point(context.entry_name);
    BRINTAVEL_TRY_ASSIGN(program, translator::translate_entry_point(context, whole, *signatures, *same));
  }

  std::string& out = translation.program;
  const std::uint64_t max_output = translator::Limits::output_bytes_for_input(qir_text.size());
  if (!qasm::print_program_within(std::move(program), out, max_output))
    return translator::output_limit_exceeded(qir_text.size());
  append_generated_by(out, profile, context.producer);
  return translation;
}

Result<Translation> translate_in(std::string_view qir_text, const TranslateOptions& options, bool stream,
                                 std::uint32_t minimum_region = translator::RegionSplitter::kMinimumRegion) {
  std::size_t bad_offset = 0;
  if (!text::is_valid_utf8(qir_text, bad_offset)) {
    Error error = parse_error(text::cat("QIR text is not valid UTF-8 (invalid byte at offset ", bad_offset, ")"));
    error.position = text::locate(qir_text, qir_text.data() + bad_offset);
    return error;
  }
  if (options.entry_point && !options.extended)
    return unsupported("choosing the entry point is an extended-mode option");
  // The extended rules apply only where the base rules fail: a module that translates by the
  // base rules translates identically in extended mode.
  ir::ModuleOutline outline = ir::outline_module(qir_text);
  Result<SignatureTable> signatures = build_signature_table(outline.header_candidates);
  Result<Translation> base = translate_with(qir_text, outline, signatures, options, false, stream, minimum_region);
  if (base || !options.extended) return base;
  return translate_with(qir_text, outline, signatures, options, true, stream, minimum_region);
}

}  // namespace

Result<Translation> translate(std::string_view qir_text, const TranslateOptions& options) {
  return translate_in(qir_text, options, true);
}

Result<Translation> translate_whole_module(std::string_view qir_text, const TranslateOptions& options) {
  return translate_in(qir_text, options, false);
}

Result<Translation> translate_with_regions(std::string_view qir_text, const TranslateOptions& options,
                                           std::uint32_t minimum_region) {
  return translate_in(qir_text, options, true, minimum_region);
}

Result<std::string> translate_qir(std::string_view qir_text, std::optional<std::string_view> producer) {
  TranslateOptions options;
  options.producer = producer;
  BRINTAVEL_TRY_ASSIGN(Translation translation, translate(qir_text, options));
  return std::move(translation.program);
}

std::string gate_definitions() { return builders::definitions_text(); }

}  // namespace brintavel
