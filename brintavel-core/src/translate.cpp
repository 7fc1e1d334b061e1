// The pipeline: parse, translate, print, then append the generated-by comment.
#include "brintavel/brintavel.hpp"

#include "builders/gate_table.hpp"
#include "builders/profile.hpp"
#include "error.hpp"
#include "ir/module_parser.hpp"
#include "qasm/printer.hpp"
#include "translator/driver.hpp"

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

Result<Translation> translate(std::string_view qir_text, const TranslateOptions& options) {
  std::size_t bad_offset = 0;
  if (!text::is_valid_utf8(qir_text, bad_offset))
    return parse_error(text::cat("QIR text is not valid UTF-8 (invalid byte at offset ", bad_offset, ")"));
  if (options.entry_point && !options.extended)
    return unsupported("choosing the entry point is an extended-mode option");

  BRINTAVEL_TRY_ASSIGN(ir::Module module, ir::parse_module(qir_text));

  translator::TranslationContext context{builders::build_base_profile(), {}, std::nullopt, false};
  if (options.producer && !options.producer->empty()) context.producer = std::string(*options.producer);
  context.entry_name = options.entry_point;

  Translation translation;
  // The entry point and its profile are read before the translation releases the blocks.
  const ir::Function* entry = translator::find_entry_point(module, context.entry_name);
  std::optional<std::string_view> profile;
  if (entry) {
    translation.entry_point = std::string(entry->name);
    profile = entry->profile;
    for (const ir::Function& fn : module.functions)
      if (!fn.is_declaration && fn.is_entry_point && &fn != entry)
        translation.other_entry_points.emplace_back(fn.name);
  }
  BRINTAVEL_TRY_ASSIGN(qasm::Program program,
                       translator::translate_entry_point(context, std::move(module)));

  std::string& out = translation.program;
  out.reserve(qir_text.size() / 4 + 256);
  const std::uint64_t max_output = translator::Limits::output_bytes_for_input(qir_text.size());
  if (!qasm::print_program_within(program, out, max_output))
    return translator::output_limit_exceeded(qir_text.size());
  append_generated_by(out, profile, context.producer);
  return translation;
}

Result<std::string> translate_qir(std::string_view qir_text, std::optional<std::string_view> producer) {
  TranslateOptions options;
  options.producer = producer;
  BRINTAVEL_TRY_ASSIGN(Translation translation, translate(qir_text, options));
  return std::move(translation.program);
}

std::string gate_definitions() { return builders::definitions_text(); }

}  // namespace brintavel
