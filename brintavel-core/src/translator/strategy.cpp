#include "translator/strategy.hpp"

#include <span>
#include <vector>

#include "ir/header_parser.hpp"
#include "translator/entry_point.hpp"
#include "translator/function_lowerer.hpp"
#include "translator/inline.hpp"
#include "translator/rules.hpp"
#include "translator/segment_stream.hpp"

namespace brintavel::translator {

namespace {

// Lowers the body of one definition, the expected entry point, while the parser reads it.
class StreamingLowering final : public ir::BodyConsumer {
 public:
  StreamingLowering(const TranslationContext& context, const SignatureTable* signatures, std::string_view source,
                    std::optional<std::size_t> definition, std::uint32_t minimum_region)
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

  FunctionLowerer* lowerer() { return lowerer_ ? &*lowerer_ : nullptr; }
  void release() { lowerer_.reset(); }

 private:
  const TranslationContext& context_;
  const SignatureTable* signatures_;
  std::string_view source_;
  std::optional<std::size_t> definition_;
  std::uint32_t minimum_region_;
  std::optional<FunctionLowerer> lowerer_;
  bool active_ = false;
};

// Whether the module defines one function (its header lines, as the outline found them).
bool defines_one_function(const ir::ModuleOutline& outline) {
  std::size_t definitions = 0;
  for (const ir::OutlineLine& line : outline.header_candidates) definitions += line.text.starts_with("define");
  return definitions == 1;
}

// The definitions after the entry point, parsed on their own before the body is, when the entry
// point is the module's first definition and every call to them goes on in the caller's block
// once inlined (the QDK's one-gate wrappers, `@H(ptr)`): the stream inlines them while it reads
// the body. Nothing otherwise.
std::optional<ir::Module> callees_after_entry(std::string_view text, const ir::ModuleOutline& outline,
                                              const Rules& rules) {
  if (outline.first_entry_point != 0) return std::nullopt;
  std::optional<std::string_view> entry;
  std::optional<std::size_t> after;
  for (const ir::OutlineLine& line : outline.header_candidates) {
    if (!line.text.starts_with("define")) continue;
    auto header = ir::find_function_header(line.text, "define");
    if (!header) return std::nullopt;
    if (!entry) {
      entry = header->name;
      continue;
    }
    after = static_cast<std::size_t>(line.text.data() - text.data());
    break;
  }
  if (!after) return std::nullopt;
  Result<ir::Module> callees = ir::parse_module(text.substr(*after), rules.instructions());
  if (!callees) return std::nullopt;
  for (const ir::Function& fn : callees->functions)
    if (fn.name == *entry) return std::nullopt;
  if (!splices_every_callee(*callees, rules.profile())) return std::nullopt;
  return std::move(*callees);
}

// Whether the definitions that follow `entry` in `module` are those of `callees`.
bool followed_by(const ir::Module& module, const ir::Function& entry, const ir::Module& callees) {
  auto definitions = [](std::span<const ir::Function> functions) {
    std::vector<std::string_view> names;
    for (const ir::Function& fn : functions)
      if (!fn.is_declaration) names.push_back(fn.name);
    return names;
  };
  std::size_t after = static_cast<std::size_t>(&entry - module.functions.data()) + 1;
  return definitions(std::span(module.functions).subspan(after)) == definitions(callees.functions);
}

// The number of the entry point among the module's definitions.
std::size_t definition_number(const ir::Module& module, const ir::Function* entry) {
  std::size_t n = 0;
  for (const ir::Function& fn : module.functions) {
    if (&fn == entry) break;
    if (!fn.is_declaration) ++n;
  }
  return n;
}

}  // namespace

Result<LoweredModule> parse_and_lower(std::string_view text, const ir::ModuleOutline& outline,
                                      const Result<SignatureTable>& signatures, const TranslationContext& context,
                                      const LoweringPlan& plan) {
  const Rules& rules = context.rules;
  // The output records are read from the whole body; calls to the module's own functions are
  // inlined while the body is read only where each goes on in the caller's block (else from
  // the whole module).
  bool streamed = plan.stream && !context.entry_name && !context.records;
  std::optional<ir::Module> callees;
  if (streamed && rules.inlines_calls() && !defines_one_function(outline)) {
    callees = callees_after_entry(text, outline, rules);
    streamed = callees.has_value();
  }
  const SignatureTable* table = signatures ? &*signatures : nullptr;
  std::optional<std::size_t> definition = streamed ? outline.first_entry_point : std::nullopt;
  StreamingLowering streaming(context, table, text, definition, plan.minimum_region);
  SegmentStream by_segments(context, table, text, definition, plan.minimum_region, callees ? &*callees : nullptr);
  ir::BodyConsumer& consumer = rules.analyzes_body() ? static_cast<ir::BodyConsumer&>(by_segments) : streaming;
  BRINTAVEL_TRY_ASSIGN(ir::Module module, streamed ? ir::parse_module(text, consumer, rules.instructions())
                                                   : ir::parse_module(text, rules.instructions()));
  if (!signatures) return signatures.error();
  ir::Function* entry = find_entry_point(module, context.entry_name);
  if (!entry) return no_entry_point(context.entry_name);

  LoweredModule lowered;
  lowered.entry_point = std::string(entry->name);
  for (const ir::Function& fn : module.functions)
    if (!fn.is_declaration && fn.is_entry_point && &fn != entry) lowered.other_entry_points.emplace_back(fn.name);
  lowered.profile = entry->profile;

  // The streamed lowering, unless the outline named another function than the parse did, or
  // its regions did not hold: then the entry point is lowered from the whole module.
  std::optional<Result<qasm::Program>> program;
  bool whole_body = !streamed;  // the entry point has its blocks
  if (streamed && outline.first_entry_point == definition_number(module, entry) &&
      (!callees || followed_by(module, *entry, *callees))) {
    if (rules.analyzes_body()) {
      program = by_segments.finish(module);
      if (auto body = program ? std::nullopt : by_segments.take_body()) {
        entry->blocks = std::move(*body);
        whole_body = true;
      }
    } else if (FunctionLowerer* lowerer = streaming.lowerer()) {
      program = lowerer->finish();
      if (lowerer->needs_whole_function()) program.reset();
    }
  }
  streaming.release();
  // A lowering begun again warns again.
  if (!program && context.warnings) context.warnings->clear();
  if (program) {
    BRINTAVEL_TRY_ASSIGN(lowered.program, std::move(*program));
  } else if (whole_body) {
    // (The module is not read after this: the entry point gives up its blocks.)
    std::optional<std::uint32_t> segments;
    if (plan.stream) segments = plan.minimum_region;
    BRINTAVEL_TRY_ASSIGN(lowered.program,
                         translate_entry_point(context, module, *signatures, std::move(*entry), segments));
  } else {
    BRINTAVEL_TRY_ASSIGN(ir::Module whole, ir::parse_module(text, rules.instructions()));
    ir::Function* same = find_entry_point(whole, context.entry_name);
    if (!same) return no_entry_point(context.entry_name);
    BRINTAVEL_TRY_ASSIGN(lowered.program, translate_entry_point(context, whole, *signatures, std::move(*same),
                                                                plan.minimum_region));
  }
  return lowered;
}

}  // namespace brintavel::translator
