#include "ir/module_parser.hpp"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

#include "ir/instruction_parser.hpp"
#include "ir/operand_parser.hpp"

namespace brintavel::ir {

using text::cat;
using text::q;

namespace {

// Hands out the lines of a text, cut at line feeds only.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : text_(text) {}

  bool next(std::string_view& line) {
    if (pos_ > text_.size()) return false;
    const char* start = text_.data() + pos_;
    const void* nl = std::memchr(start, '\n', text_.size() - pos_);
    std::size_t len = nl ? static_cast<std::size_t>(static_cast<const char*>(nl) - start)
                         : text_.size() - pos_;
    line = std::string_view(start, len);
    pos_ += len + 1;
    return true;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

struct PendingFunction {
  std::string_view name;
  bool is_declaration = false;
  bool inline_entry_point = false;
  std::vector<std::uint32_t> groups;  // attribute-group references, in order
  std::vector<Block> blocks;
};

// Decimal digits at the start of `s` as an unsigned 32-bit number; `used` receives how many
// digits there were (0: none).
std::optional<std::uint32_t> read_u32(std::string_view s, std::size_t& used) {
  used = 0;
  while (used < s.size() && text::is_ascii_digit(s[used])) ++used;
  if (used == 0) return std::nullopt;
  std::uint32_t v;
  auto [end, ec] = std::from_chars(s.data(), s.data() + used, v);
  if (ec != std::errc{}) return std::nullopt;
  return v;
}

// Group references (#N) and inline attributes ("...") on a define header, up to its {.
void scan_header_attributes(std::string_view rest, PendingFunction& fn) {
  rest = text::before_first(rest, '{');
  std::size_t i = 0;
  while (i < rest.size()) {
    char c = rest[i];
    if (c == '#') {
      std::size_t used;
      auto n = read_u32(rest.substr(i + 1), used);
      if (used > 0) {
        if (n) fn.groups.push_back(*n);
        i += 1 + used;
        continue;
      }
      ++i;
    } else if (c == '"') {
      std::size_t close = rest.find('"', i + 1);
      if (close == std::string_view::npos) return;
      if (rest.substr(i + 1, close - i - 1) == "entry_point") fn.inline_entry_point = true;
      i = close + 1;
    } else {
      ++i;
    }
  }
}

// `head` (a body line without comment, trimmed) names a label: the name, or nothing.
std::optional<std::string_view> label_of(std::string_view head) {
  if (head.size() < 2 || head.back() != ':') return std::nullopt;
  std::string_view name = head.substr(0, head.size() - 1);
  if (name.size() >= 3 && name.front() == '"' && name.back() == '"')
    name = name.substr(1, name.size() - 2);
  for (char c : name)
    if (!text::is_name_char(c)) return std::nullopt;
  return name;
}

// Bracket balance and @ presence of the part of `s` before its first ;.
void account(std::string_view s, long long& balance, bool& has_at) {
  // Parentheses and square brackets only: braces and angle brackets do not count here.
  static constexpr auto kDelta = text::bracket_delta_table("([", ")]");
  s = text::before_first(s, ';');
  long long sum = 0;
  for (char c : s) sum += kDelta[static_cast<unsigned char>(c)];
  balance += sum;
  if (!has_at && s.find('@') != std::string_view::npos) has_at = true;
}

bool is_call_text(std::string_view s) {
  s = text::before_first(s, ';');
  if (std::size_t eq = s.find('='); eq != std::string_view::npos) {
    if (text::trim(s.substr(0, eq)).starts_with('%')) s = s.substr(eq + 1);
  }
  for (;;) {
    std::string_view w = first_word(s);
    if (w != "tail" && w != "musttail" && w != "notail") return w == "call";
    s = after_first_word(s);
  }
}

class ModuleParser {
 public:
  explicit ModuleParser(std::string_view text) : lines_(text) { module_.source = text; }

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
        parse_attribute_group(line.substr(10));
      }
    }
    finish();
    return std::move(module_);
  }

 private:
  Status parse_definition(std::string_view raw) {
    auto header = parse_header_name(raw, "define");
    if (!header) return parse_error(cat("could not parse define header: ", text::trim(raw)));
    PendingFunction fn;
    fn.name = header->name;
    scan_header_attributes(header->rest, fn);

    if (header->rest.find('{') == std::string_view::npos) {
      std::string_view line;
      for (;;) {
        if (!lines_.next(line)) return parse_error("define without body block");
        if (text::trim_start(line).starts_with('{')) break;
      }
    }
    BRINTAVEL_CHECK(parse_body(fn));
    pending_.push_back(std::move(fn));
    return {};
  }

  // Upper bounds on the number of instructions of each block of the body ahead: its
  // instruction lines, counted by a read-ahead that groups lines into blocks as parse_body
  // does. Reserving them up front spares large blocks their repeated regrowth.
  std::vector<std::size_t> count_block_lines() const {
    std::vector<std::size_t> counts{0};
    bool labelled = false;
    LineReader ahead = lines_;
    std::string_view raw;
    while (ahead.next(raw)) {
      std::string_view line = text::trim(raw);
      if (line.empty() || line.front() == ';') continue;
      if (line == "}") break;
      if (line.back() == ':' || line.find(':') != std::string_view::npos) {
        if (label_of(text::trim(text::before_first(line, ';')))) {
          if (counts.back() != 0 || labelled) counts.push_back(0);
          labelled = true;
          continue;
        }
      }
      ++counts.back();
    }
    return counts;
  }

  Status parse_body(PendingFunction& fn) {
    std::vector<std::size_t> sizes = count_block_lines();
    fn.blocks.reserve(sizes.size());
    fn.blocks.emplace_back().instructions.reserve(sizes[0]);
    std::string_view raw;
    while (lines_.next(raw)) {
      std::string_view line = text::trim(raw);
      if (line.empty() || line.front() == ';') continue;
      if (line == "}") return {};
      if (auto label = label_of(text::trim(text::before_first(line, ';')))) {
        Block& last = fn.blocks.back();
        if (last.instructions.empty() && last.label.empty()) {
          last.label = *label;
        } else {
          Block& next = fn.blocks.emplace_back(Block{*label, {}});
          if (fn.blocks.size() <= sizes.size()) next.instructions.reserve(sizes[fn.blocks.size() - 1]);
        }
        continue;
      }
      BRINTAVEL_TRY_ASSIGN(std::string_view instruction, join_instruction(line));
      BRINTAVEL_TRY_ASSIGN(Instruction parsed, parse_instruction(instruction, module_.pool));
      fn.blocks.back().instructions.push_back(std::move(parsed));
    }
    return parse_error("define body not terminated");
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
        if (!lines_.next(raw)) return parse_error(cat("unterminated instruction: ", q(joined)));
        line = text::trim(raw);
      } while (line.empty());
      joined.push_back(' ');
      joined.append(line);
      account(line, balance, has_at);
    }
    return module_.pool.keep(std::move(joined));
  }

  Status parse_declaration(std::string_view raw) {
    auto header = parse_header_name(raw, "declare");
    if (!header) return parse_error(cat("could not parse declare: ", text::trim(raw)));
    PendingFunction fn;
    fn.name = header->name;
    fn.is_declaration = true;
    pending_.push_back(std::move(fn));
    return {};
  }

  // `#N = { body }` after the word attributes; anything malformed is passed over.
  void parse_attribute_group(std::string_view s) {
    s = text::trim_start(s);
    if (!s.starts_with('#')) return;
    std::size_t used;
    auto n = read_u32(s.substr(1), used);
    if (!n) return;
    s = text::trim_start(s.substr(1 + used));
    if (!s.starts_with('=')) return;
    s = text::trim_start(s.substr(1));
    if (!s.starts_with('{')) return;
    s = s.substr(1);
    std::size_t close = s.find('}');
    if (close == std::string_view::npos) return;
    groups_[*n] = s.substr(0, close);
  }

  void finish() {
    static constexpr std::string_view kProfileKey = "\"qir_profiles\"=\"";
    module_.functions.reserve(pending_.size());
    for (PendingFunction& p : pending_) {
      Function fn{p.name, std::move(p.blocks), std::nullopt, p.is_declaration, false};
      if (!p.is_declaration) {
        fn.is_entry_point = p.inline_entry_point;
        for (std::uint32_t g : p.groups) {
          auto it = groups_.find(g);
          if (it == groups_.end()) continue;
          std::string_view body = it->second;
          if (body.find("entry_point") != std::string_view::npos) fn.is_entry_point = true;
          if (fn.profile) continue;
          std::size_t key = body.find(kProfileKey);
          if (key == std::string_view::npos) continue;
          std::size_t start = key + kProfileKey.size();
          std::size_t close = body.find('"', start);
          if (close != std::string_view::npos) fn.profile = body.substr(start, close - start);
        }
      }
      module_.functions.push_back(std::move(fn));
    }
  }

  LineReader lines_;
  Module module_;
  std::vector<PendingFunction> pending_;
  std::unordered_map<std::uint32_t, std::string_view> groups_;
};

}  // namespace

std::optional<HeaderName> parse_header_name(std::string_view line, std::string_view keyword) {
  std::size_t k = line.find(keyword);
  if (k == std::string_view::npos) return std::nullopt;
  std::size_t at = line.find('@', k + keyword.size());
  if (at == std::string_view::npos) return std::nullopt;
  std::string_view after = line.substr(at + 1);
  std::string_view name;
  std::string_view rest;
  if (after.starts_with('"')) {
    std::size_t close = after.find('"', 1);
    if (close == std::string_view::npos) return std::nullopt;
    name = after.substr(1, close - 1);
    rest = after.substr(close + 1);
  } else {
    name = text::name_prefix(after);
    rest = after.substr(name.size());
  }
  std::size_t open = rest.find('(');
  if (open == std::string_view::npos) return std::nullopt;
  long long depth = 0;
  for (std::size_t i = open; i < rest.size(); ++i) {
    if (rest[i] == '(') {
      ++depth;
    } else if (rest[i] == ')' && --depth == 0) {
      return HeaderName{name, rest.substr(i + 1)};
    }
  }
  return std::nullopt;
}

Result<Module> parse_module(std::string_view text) { return ModuleParser(text).run(); }

}  // namespace brintavel::ir
