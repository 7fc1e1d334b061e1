#include "ir/module_parser.hpp"

#include <algorithm>
#include <cstring>
#include <cstdint>
#include <iterator>
#include <string>
#include <unordered_map>
#include <vector>

#include "ir/header_parser.hpp"
#include "ir/instruction_parser.hpp"
#include "ir/lexer.hpp"
#include "ir/operand_parser.hpp"
#include "ir/plain_instruction.hpp"

namespace brintavel::ir {

using text::cat;
using text::q;

namespace {

// The attribute references of a define header.
struct HeaderAttributes {
  std::vector<std::uint32_t> groups;  // attribute-group references, in order
  bool inline_entry_point = false;
};

// Group references (#N) and inline attributes ("...") on a define header, up to its {.
void scan_header_attributes(std::string_view rest, HeaderAttributes& out) {
  Cursor c(before_first(rest, '{'));
  while (!c.at_end()) {
    if (c.eat('#')) {
      std::size_t used;
      if (auto n = leading_u32(c.digits(), used)) out.groups.push_back(*n);  // overflow: passed over
    } else if (c.peek() == '"') {
      auto quoted = c.quoted();
      if (!quoted) return;
      if (*quoted == "entry_point") out.inline_entry_point = true;
    } else {
      c.advance();
    }
  }
}

// `#N = { body }` after the word attributes: the group number and body, or nothing.
std::optional<std::pair<std::uint32_t, std::string_view>> parse_attribute_group(std::string_view s) {
  s = text::trim_start(s);
  if (!s.starts_with('#')) return std::nullopt;
  std::size_t used;
  auto n = leading_u32(s.substr(1), used);
  if (!n) return std::nullopt;
  s = text::trim_start(s.substr(1 + used));
  if (!s.starts_with('=')) return std::nullopt;
  s = text::trim_start(s.substr(1));
  if (!s.starts_with('{')) return std::nullopt;
  s = s.substr(1);
  std::size_t close = s.find('}');
  if (close == std::string_view::npos) return std::nullopt;
  return std::pair{*n, s.substr(0, close)};
}

using AttributeGroups = std::unordered_map<std::uint32_t, std::string_view>;

bool is_entry_point(const HeaderAttributes& header, const AttributeGroups& groups) {
  if (header.inline_entry_point) return true;
  for (std::uint32_t g : header.groups) {
    auto it = groups.find(g);
    if (it != groups.end() && it->second.find("entry_point") != std::string_view::npos) return true;
  }
  return false;
}

// Bracket balance and @ presence of `s` without its comment. Parentheses and square brackets
// only: braces and angle brackets do not keep an instruction open.
void account(std::string_view s, long long& balance, bool& has_at) {
  s = without_comment(s);
  balance += bracket_balance(s, kRoundAndSquare);
  if (!has_at && s.find('@') != std::string_view::npos) has_at = true;
}

bool is_call_text(std::string_view s) {
  return first_word(skip_call_markers(split_assignment(without_comment(s)).body)) == "call";
}

// Keeps the bodies in the module. A block's instructions gather in lists reused from block to
// block and are moved into lists of their final size when the block ends, so that the module's
// largest part carries no spare capacity; a long block keeps the lists it grew in instead (a
// copy would hold the block twice at once).
class MaterializingConsumer final : public BodyConsumer {
 public:
  void begin_body(std::size_t, std::string_view) override {
    blocks_.clear();
    instructions_.clear();
    sources_.clear();
  }
  void begin_block(std::string_view label) override {
    end_block();
    blocks_.push_back(Block{label, {}, {}});
  }
  void instruction(const Instruction& instruction, const char* where) override {
    instructions_.push_back(instruction);
    sources_.push_back(where);
  }
  void end_body() override { end_block(); }
  std::vector<Block> take_blocks() { return std::move(blocks_); }

 private:
  void end_block() {
    if (blocks_.empty()) return;
    Block& block = blocks_.back();
    if (instructions_.size() > kLongBlock) {
      block.instructions = std::move(instructions_);
      block.sources = std::move(sources_);
      instructions_ = {};
      sources_ = {};
      return;
    }
    block.instructions.reserve(instructions_.size());
    std::move(instructions_.begin(), instructions_.end(), std::back_inserter(block.instructions));
    block.sources.assign(sources_.begin(), sources_.end());
    instructions_.clear();
    sources_.clear();
  }

  static constexpr std::size_t kLongBlock = 1024;
  std::vector<Block> blocks_;
  std::vector<Instruction> instructions_;
  std::vector<const char*> sources_;
};

struct PendingFunction {
  std::string_view name;
  bool is_declaration = false;
  HeaderAttributes attributes;
  std::vector<Block> blocks;
};

// @name = [linkage] constant [N x T] [T v0, T v1, ...] of integers or pointers; nothing for any
// other global.
std::optional<ConstantArray> parse_constant_array(std::string_view line, TextPool& pool) {
  std::size_t equals = line.find('=');
  std::size_t constant = line.find(" constant [");
  if (equals == std::string_view::npos || constant == std::string_view::npos || constant < equals) return std::nullopt;
  ConstantArray array{text::trim(line.substr(1, equals - 1)), {}};
  std::string_view rest = line.substr(constant + 10);  // from the array type
  std::size_t type_end = rest.find(']');
  if (type_end == std::string_view::npos) return std::nullopt;
  std::string_view type = rest.substr(1, type_end - 1);
  std::size_t times = type.find(" x ");
  if (times == std::string_view::npos) return std::nullopt;
  std::string_view element_type = text::trim(type.substr(times + 3));
  std::string_view values = text::trim(rest.substr(type_end + 1));
  std::size_t close = values.rfind(']');
  if (!values.starts_with('[') || close == std::string_view::npos) return std::nullopt;
  values = values.substr(1, close - 1);
  // Elements are separated by commas outside parentheses.
  int depth = 0;
  std::size_t start = 0;
  for (std::size_t k = 0; k <= values.size(); ++k) {
    char ch = k < values.size() ? values[k] : ',';
    if (ch == '(') ++depth;
    if (ch == ')') --depth;
    if (ch != ',' || depth != 0) continue;
    std::string_view element = text::trim(values.substr(start, k - start));
    start = k + 1;
    if (element.empty() && array.elements.empty() && k == values.size()) break;  // [0 x T] []
    if (!element.starts_with(element_type)) return std::nullopt;
    auto value = parse_typed_operand(element_type, text::trim(element.substr(element_type.size())), pool);
    if (!value) return std::nullopt;
    array.elements.push_back(std::move(*value));
  }
  return array;
}

// LLVM numbers a function's unnamed values in order, its parameters first: an unlabeled entry
// block is %N after N numbered parameters. Empty when N is 0 (the block is %0).
std::string_view implicit_entry_label(std::string_view parameters, TextPool& pool) {
  std::size_t numbered = 0;
  int depth = 0;
  std::size_t start = 0;
  for (std::size_t k = 0; k <= parameters.size(); ++k) {
    char ch = k < parameters.size() ? parameters[k] : ',';
    if (ch == '(' || ch == '{' || ch == '[' || ch == '<') ++depth;
    if (ch == ')' || ch == '}' || ch == ']' || ch == '>') --depth;
    if (ch != ',' || depth != 0) continue;
    std::string_view parameter = text::trim(parameters.substr(start, k - start));
    start = k + 1;
    if (parameter.empty() || parameter == "...") continue;
    // The name is the last word, when there are several and it is a %local (not a %Type*).
    std::size_t space = parameter.find_last_of(" \t");
    std::string_view last = space == std::string_view::npos ? std::string_view() : parameter.substr(space + 1);
    bool named = last.starts_with('%') && !last.ends_with('*');
    std::string_view name = named ? last.substr(1) : std::string_view();
    bool number = !name.empty() && std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!named || number) ++numbered;
  }
  if (numbered == 0) return {};
  return pool.keep(std::to_string(numbered));
}

// @name = [linkage] constant [N x i8] c"text\00"; nothing for any other global.
std::optional<ConstantString> parse_constant_string(std::string_view line) {
  std::size_t equals = line.find('=');
  std::size_t open = line.find(" c\"");
  if (equals == std::string_view::npos || open == std::string_view::npos || open < equals ||
      line.find(" constant ") == std::string_view::npos)
    return std::nullopt;
  std::string_view text = line.substr(open + 3);
  std::size_t close = text.find('"');
  if (close == std::string_view::npos) return std::nullopt;
  text = text.substr(0, close);
  if (text.ends_with("\\00")) text.remove_suffix(3);
  return ConstantString{text::trim(line.substr(1, equals - 1)), text};
}

class ModuleParser {
 public:
  ModuleParser(std::string_view text, BodyConsumer& consumer, MaterializingConsumer* keeper,
               InstructionSet set)
      : text_(text), lines_(text), consumer_(consumer), keeper_(keeper), set_(set), plain_(set) {
    module_.source = text;
  }

  Result<Module> run() {
    std::string_view raw;
    while (lines_.next(raw)) {
      std::string_view line = text::trim_start(raw);
      if (line.size() < 6 || line.front() == ';' || line.front() == '!') continue;
      if (line.starts_with("define")) {
        BRINTAVEL_CHECK(parse_definition(raw));
      } else if (line.starts_with("declare")) {
        BRINTAVEL_CHECK(parse_declaration(raw));
      } else if (line.starts_with("attributes")) {
        if (auto group = parse_attribute_group(line.substr(10))) groups_[group->first] = group->second;
      } else if (line.front() == '@' && set_ == InstructionSet::Extended) {
        if (auto array = parse_constant_array(line, module_.pool)) module_.arrays.push_back(std::move(*array));
        else if (auto string = parse_constant_string(line)) module_.strings.push_back(*string);
      }
    }
    finish();
    return std::move(module_);
  }

 private:
  Error located(Error error, std::string_view at) const {
    if (!error.position) error.position = text::locate(text_, at.data());
    return error;
  }

  Status parse_definition(std::string_view raw) {
    std::string_view header_line = text::trim(raw);
    auto header = find_function_header(raw, "define");
    if (!header)
      return located(parse_error(cat("could not parse define header: ", header_line)), header_line);
    PendingFunction fn;
    fn.name = header->name;
    scan_header_attributes(header->rest, fn.attributes);

    if (header->rest.find('{') == std::string_view::npos) {
      std::string_view line;
      for (;;) {
        if (!lines_.next(line))
          return located(parse_error("define without body block"), header_line);
        if (text::trim_start(line).starts_with('{')) break;
      }
    }
    entry_label_ = implicit_entry_label(header->parameters, module_.pool);
    consumer_.constants_before(module_.arrays, module_.strings);
    consumer_.begin_body(definitions_++, fn.name);
    Status body = parse_body(header_line);
    consumer_.end_body();
    BRINTAVEL_CHECK(std::move(body));
    if (keeper_) fn.blocks = keeper_->take_blocks();
    pending_.push_back(std::move(fn));
    return {};
  }

  // The first block exists from the start, unlabeled and empty; it is handed on when
  // something shows whether a label names it.
  void open_first_block(std::string_view label) {
    if (!first_block_pending_) return;
    first_block_pending_ = false;
    consumer_.begin_block(label.empty() ? entry_label_ : label);
  }

  Status parse_body(std::string_view header_line) {
    first_block_pending_ = true;
    std::string_view raw;
    while (lines_.next(raw)) {
      std::string_view line = text::trim(raw);
      if (line.empty() || line.front() == ';') continue;
      if (line == "}") {
        open_first_block("");
        return {};
      }
      // Most instructions are written plainly on one line.
      if (const Instruction* plain = plain_.read(line)) {
        open_first_block("");
        consumer_.instruction(*plain, line.data());
        continue;
      }
      if (auto label = label_definition(text::trim(without_comment(line)))) {
        if (first_block_pending_) {
          open_first_block(*label);
        } else {
          consumer_.begin_block(*label);
        }
        continue;
      }
      BRINTAVEL_TRY_ASSIGN(std::string_view instruction, join_instruction(line));
      auto parsed = parse_instruction(instruction, module_.pool, set_);
      if (!parsed) return located(std::move(parsed).error(), line);
      open_first_block("");
      consumer_.instruction(*parsed, line.data());
    }
    return located(parse_error("define body not terminated"), header_line);
  }

  // An instruction continues on the next lines while its brackets are open, or while it is
  // a call whose callee has not appeared yet.
  Result<std::string_view> join_instruction(std::string_view first) {
    long long balance = 0;
    bool has_at = false;
    account(first, balance, has_at);
    bool is_call = is_call_text(first);
    if (balance == 0 && (!is_call || has_at)) return first;

    std::string joined(first);
    std::string_view raw;
    while (balance != 0 || (is_call && !has_at)) {
      std::string_view line;
      do {
        if (!lines_.next(raw))
          return located(parse_error(cat("unterminated instruction: ", q(joined))), first);
        line = text::trim(raw);
      } while (line.empty());
      joined.push_back(' ');
      joined.append(line);
      account(line, balance, has_at);
    }
    return module_.pool.keep(std::move(joined));
  }

  Status parse_declaration(std::string_view raw) {
    auto header = find_function_header(raw, "declare");
    if (!header) {
      std::string_view line = text::trim(raw);
      return located(parse_error(cat("could not parse declare: ", line)), line);
    }
    PendingFunction fn;
    fn.name = header->name;
    fn.is_declaration = true;
    pending_.push_back(std::move(fn));
    return {};
  }

  void finish() {
    static constexpr std::string_view kProfileKey = "\"qir_profiles\"=\"";
    module_.functions.reserve(pending_.size());
    for (PendingFunction& p : pending_) {
      Function fn{p.name, std::move(p.blocks), std::nullopt, p.is_declaration, false};
      if (!p.is_declaration) {
        fn.is_entry_point = is_entry_point(p.attributes, groups_);
        for (std::uint32_t g : p.attributes.groups) {
          auto it = groups_.find(g);
          if (it == groups_.end()) continue;
          std::string_view body = it->second;
          std::size_t key = body.find(kProfileKey);
          if (key == std::string_view::npos) continue;
          std::size_t start = key + kProfileKey.size();
          std::size_t close = body.find('"', start);
          if (close == std::string_view::npos) continue;
          fn.profile = body.substr(start, close - start);
          break;
        }
      }
      module_.functions.push_back(std::move(fn));
    }
  }

  std::string_view text_;
  LineReader lines_;
  BodyConsumer& consumer_;
  MaterializingConsumer* keeper_;
  InstructionSet set_;
  Module module_;
  std::vector<PendingFunction> pending_;
  AttributeGroups groups_;
  std::size_t definitions_ = 0;
  bool first_block_pending_ = false;
  std::string_view entry_label_;  // the implicit name of an unlabeled entry block
  PlainInstructionReader plain_;
};

}  // namespace

Result<Module> parse_module(std::string_view text, InstructionSet set) {
  MaterializingConsumer keeper;
  return ModuleParser(text, keeper, &keeper, set).run();
}

Result<Module> parse_module(std::string_view text, BodyConsumer& consumer, InstructionSet set) {
  return ModuleParser(text, consumer, nullptr, set).run();
}

namespace {

// Checks a text to be UTF-8 a stretch at a time, each ending at a line feed (which no sequence of
// bytes spans), ahead of a reader of its lines.
class Utf8Ahead {
 public:
  explicit Utf8Ahead(std::string_view text) : text_(text) {}

  // Whether the text up to `end` is UTF-8; `bad` receives the offset of the first byte that is not.
  bool through(std::size_t end, std::size_t& bad) {
    if (end <= checked_) return true;
    std::size_t to = std::min(text_.size(), std::max(end, checked_ + kStretch));
    if (to < text_.size()) {
      const void* feed = std::memchr(text_.data() + to, '\n', text_.size() - to);
      to = feed ? static_cast<std::size_t>(static_cast<const char*>(feed) - text_.data()) + 1 : text_.size();
    }
    std::size_t at = 0;
    if (!text::is_valid_utf8(text_.substr(checked_, to - checked_), at)) {
      bad = checked_ + at;
      return false;
    }
    checked_ = to;
    return true;
  }

 private:
  static constexpr std::size_t kStretch = std::size_t{1} << 16;  // (well within the caches)
  std::string_view text_;
  std::size_t checked_ = 0;
};

}  // namespace

ModuleOutline outline_module(std::string_view text, Utf8 utf8) {
  ModuleOutline outline;
  std::vector<HeaderAttributes> definitions;
  AttributeGroups groups;
  LineReader lines(text);
  std::string_view raw;
  std::uint32_t number = 0;
  Utf8Ahead ahead(text);
  while (lines.next(raw)) {
    ++number;
    if (utf8 == Utf8::Check) {
      std::size_t bad = 0;
      if (!ahead.through(static_cast<std::size_t>(raw.data() - text.data()) + raw.size(), bad)) {
        outline.not_utf8 = bad;
        return outline;
      }
    }
    // Most lines are instructions, indented and beginning with something else.
    std::size_t lead = 0;
    while (lead < raw.size() && raw[lead] == ' ') ++lead;
    if (lead < raw.size() && raw[lead] != 'd' && raw[lead] != 'a' &&
        static_cast<unsigned char>(raw[lead]) < 0x80 && !text::is_ascii_space(raw[lead]) &&
        raw[lead] != '\v')
      continue;
    std::string_view line = text::trim_start(raw);
    if (line.starts_with("de")) {
      std::uint32_t column = 1;
      for (const char* p = raw.data(); p < line.data(); ++p)
        if ((static_cast<unsigned char>(*p) & 0xC0) != 0x80) ++column;
      outline.header_candidates.push_back(OutlineLine{line, number, column});
      if (line.size() >= 6 && line.starts_with("define")) {
        HeaderAttributes& header = definitions.emplace_back();
        if (auto found = find_function_header(raw, "define")) scan_header_attributes(found->rest, header);
      }
    } else if (line.starts_with("attributes")) {
      if (auto group = parse_attribute_group(line.substr(10))) groups[group->first] = group->second;
    }
  }
  for (std::size_t i = 0; i < definitions.size(); ++i) {
    if (is_entry_point(definitions[i], groups)) {
      outline.first_entry_point = i;
      break;
    }
  }
  return outline;
}

}  // namespace brintavel::ir
