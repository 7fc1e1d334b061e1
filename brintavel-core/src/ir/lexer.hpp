// The lexer of QIR text: how the text is cut into pieces. Every reader of the text goes
// through it (the outline scan, the module parser, the plain-instruction fast path, the
// instruction, operand and function-header parsers), so that lines, comments, words, names,
// labels, literals, bracketed groups and comma-separated lists are each recognised in one
// place.
//
// Pieces are views of the text they were cut from; nothing allocates per character. Two
// kinds of white space meet here: a word ends at ASCII white space (text::is_ascii_space),
// while trimming and the separators of Words take any Unicode White_Space character
// (text::trim).
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

#include "error.hpp"
#include "support/text.hpp"

namespace brintavel::ir {

using text::Int128;

// ---- Lines and comments -------------------------------------------------------------------

// Hands out the lines of a text, cut at line feeds only (a carriage return stays on its line).
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

// The rest of the line of `text` that starts at offset `at`, without its line feed.
std::string_view line_from(std::string_view text, std::size_t at);

// Everything up to the first `c` (the whole text when there is none).
inline std::string_view before_first(std::string_view s, char c) { return s.substr(0, s.find(c)); }

// `s` without its comment, which runs from the first ; to the end (quotes do not hide a ;).
inline std::string_view without_comment(std::string_view s) { return before_first(s, ';'); }

// ---- White space and words ----------------------------------------------------------------

// Skips ASCII white space only.
std::string_view skip_ascii_space(std::string_view s);

// The word at the very start of `s`: everything up to ASCII white space.
inline std::string_view ascii_word(std::string_view s) {
  std::size_t end = 0;
  while (end < s.size() && !text::is_ascii_space(s[end])) ++end;
  return s.substr(0, end);
}

// Skips leading Unicode white space; the word ends at ASCII white space.
std::string_view first_word(std::string_view text);
// What follows the first word, without its leading white space.
std::string_view after_first_word(std::string_view text);

// `s` after its leading words (first_word) for which `is_flag` holds, such as attribute words.
template <class IsFlag>
std::string_view skip_words_if(std::string_view s, IsFlag is_flag) {
  while (is_flag(first_word(s))) s = after_first_word(s);
  return s;
}
// `s` after its leading words that are among `words`: flags such as nuw.
std::string_view skip_words(std::string_view s, std::initializer_list<std::string_view> words);

// `s` after the words that may mark a call before its opcode: tail, musttail, notail.
std::string_view skip_call_markers(std::string_view s);

// Whether `word` is one of the parameter attributes that carry no type information.
bool is_attribute_word(std::string_view word);

// Walks the words of a text, separated by Unicode white space.
class Words {
 public:
  explicit Words(std::string_view s) : s_(s) {}

  bool next(std::string_view& word) {
    while (std::size_t n = text::space_at(s_, pos_)) pos_ += n;
    if (pos_ >= s_.size()) return false;
    std::size_t start = pos_;
    while (pos_ < s_.size() && text::space_at(s_, pos_) == 0) ++pos_;
    word = s_.substr(start, pos_ - start);
    return true;
  }

  std::string_view rest() const { return s_.substr(pos_); }

 private:
  std::string_view s_;
  std::size_t pos_ = 0;
};

// ---- Names and labels ---------------------------------------------------------------------

// Longest prefix of name characters.
std::string_view name_prefix(std::string_view s);

struct NameToken {
  std::string_view name;  // without quotes
  std::string_view rest;  // the text after the name (and its closing quote)
  bool quoted = false;
};
// The name at the start of `s`, whose sigil is already read: a quoted name (up to the next
// quote: there are no escapes) or the run of name characters, which may be empty. Nothing
// for a quote that is not closed.
std::optional<NameToken> read_name(std::string_view s);

struct GlobalName {
  std::string_view name;
  std::string_view rest;
};
// `@name` or `@"quoted name"`, with the text after it; a plain name is not empty.
std::optional<GlobalName> parse_global_name(std::string_view text);

// A label after its %: a quoted name without the quotes, or the run of name characters.
std::string_view parse_label_name(std::string_view text);

// The name after the first % (a run of name characters), or nothing.
std::optional<std::string_view> first_local_name(std::string_view text);

// The label that `head` (a body line without its comment, trimmed) defines, `name:` or
// `"name":` with name characters only; nothing when it defines none.
std::optional<std::string_view> label_definition(std::string_view head);

struct Assignment {
  std::optional<std::string_view> result;  // the text between the % and the =, trimmed
  std::string_view body;                   // after the =, trimmed at its start; else the line
};
// An instruction line (without comment) cut at its `%name =`: at its first =, when the text
// before it begins with a % (after white space).
Assignment split_assignment(std::string_view line);

// ---- Literals -----------------------------------------------------------------------------

std::optional<Int128> parse_int_literal(std::string_view text);
// A decimal integer with at most one sign, within 64 bits.
std::optional<std::int64_t> parse_i64(std::string_view text);
// Decimal digits with at most a leading +, within 64 bits unsigned.
std::optional<std::uint64_t> parse_u64(std::string_view text);
// The decimal digits at the start of `s` as an unsigned 32-bit number; `used` receives how
// many digits there were (0: none; the number is missing too when they overflow).
std::optional<std::uint32_t> leading_u32(std::string_view s, std::size_t& used);
// Decimal, hexadecimal (0x and 16 digits: the bits of a double), inf, infinity and nan.
std::optional<double> parse_float_literal(std::string_view text);
// `i` followed by decimal digits (`i` alone included).
bool is_integer_type(std::string_view ty);

// ---- Brackets and lists -------------------------------------------------------------------

// A byte table giving +1 for the bytes of `open` and -1 for those of `close`: bracket depth
// changes without a branch per character.
using BracketTable = std::array<signed char, 256>;
constexpr BracketTable bracket_delta_table(std::string_view open, std::string_view close) {
  BracketTable t{};
  for (char c : open) t[static_cast<unsigned char>(c)] = 1;
  for (char c : close) t[static_cast<unsigned char>(c)] = -1;
  return t;
}
// All four kinds share one depth: lists and the ` to ` clause.
inline constexpr BracketTable kAllBrackets = bracket_delta_table("([<{", ")]>}");
// Parentheses and square brackets: what keeps an instruction open across lines.
inline constexpr BracketTable kRoundAndSquare = bracket_delta_table("([", ")]");

// The net depth change of `s` under `table`.
long long bracket_balance(std::string_view s, const BracketTable& table);

// From the opening bracket at s[open] (one of ( [ { <), the position of the bracket of the
// same kind that closes it, or npos; other kinds are not counted.
std::size_t matching_bracket(std::string_view s, std::size_t open);

// Position of " to " at bracket depth 0 (kAllBrackets), or npos.
std::size_t find_to_clause(std::string_view s);

// Comma-separated pieces at bracket depth 0 (kAllBrackets), each trimmed. Fails on a closing
// bracket without its opener.
Result<std::vector<std::string_view>> split_top_level(std::string_view text);

// The same split without building a list: check the whole text and count its pieces
// first (the bracket error comes before anything else), then take the pieces one by one
// starting from pos = 0.
Status check_top_level_brackets(std::string_view text, std::size_t& pieces);
std::string_view next_top_level_piece(std::string_view text, std::size_t& pos);

// ---- Cursor -------------------------------------------------------------------------------

// 1 for the bytes a run stops at.
using CharTable = std::array<std::uint8_t, 256>;

// A cursor over a text that only moves forward, for readers that take a line piece by piece.
// The runs look at four characters at a time.
class Cursor {
 public:
  explicit Cursor(std::string_view s) : s_(s) {}

  bool at_end() const { return pos_ >= s_.size(); }
  char peek() const { return pos_ < s_.size() ? s_[pos_] : '\0'; }
  std::size_t pos() const { return pos_; }
  std::string_view rest() const { return s_.substr(pos_); }

  bool eat(char c) {
    if (peek() != c) return false;
    ++pos_;
    return true;
  }
  bool eat(std::string_view word) {
    if (s_.substr(pos_, word.size()) != word) return false;
    pos_ += word.size();
    return true;
  }
  // A run of name characters (empty when there is none).
  std::string_view name() {
    std::size_t start = pos_;
    const auto* p = bytes();
    while (pos_ + 4 <= s_.size() && (text::kNameChars[p[pos_]] & text::kNameChars[p[pos_ + 1]] &
                                     text::kNameChars[p[pos_ + 2]] & text::kNameChars[p[pos_ + 3]]))
      pos_ += 4;
    while (pos_ < s_.size() && text::is_name_char(s_[pos_])) ++pos_;
    return s_.substr(start, pos_ - start);
  }
  // The run of characters up to the first one that `stop` marks, or the end.
  std::string_view until(const CharTable& stop) {
    std::size_t start = pos_;
    const auto* p = bytes();
    while (pos_ + 4 <= s_.size() && !(stop[p[pos_]] | stop[p[pos_ + 1]] | stop[p[pos_ + 2]] | stop[p[pos_ + 3]]))
      pos_ += 4;
    while (pos_ < s_.size() && !stop[p[pos_]]) ++pos_;
    return s_.substr(start, pos_ - start);
  }
  // One character, if any.
  void advance() { pos_ += pos_ < s_.size(); }
  // A quoted text without its quotes (there are no escapes: it ends at the next quote), or
  // nothing, the cursor left where it was, when there is none or it is not closed.
  std::optional<std::string_view> quoted() {
    if (peek() != '"') return std::nullopt;
    std::size_t close = s_.find('"', pos_ + 1);
    if (close == std::string_view::npos) return std::nullopt;
    std::string_view inside = s_.substr(pos_ + 1, close - pos_ - 1);
    pos_ = close + 1;
    return inside;
  }
  // A run of decimal digits.
  std::string_view digits() {
    std::size_t start = pos_;
    while (pos_ < s_.size() && text::is_ascii_digit(s_[pos_])) ++pos_;
    return s_.substr(start, pos_ - start);
  }

 private:
  const unsigned char* bytes() const { return reinterpret_cast<const unsigned char*>(s_.data()); }

  std::string_view s_;
  std::size_t pos_ = 0;
};

}  // namespace brintavel::ir
