#include "ir/lexer.hpp"

#include <algorithm>
#include <bit>
#include <charconv>
#include <limits>

namespace brintavel::ir {

using text::cat;
using text::q;

// ---- Lines --------------------------------------------------------------------------------

std::string_view line_from(std::string_view text, std::size_t at) {
  std::size_t end = text.find('\n', at);
  return text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at);
}

// ---- White space and words ----------------------------------------------------------------

std::string_view skip_ascii_space(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && text::is_ascii_space(s[i])) ++i;
  return s.substr(i);
}

std::string_view first_word(std::string_view s) { return ascii_word(text::trim_start(s)); }

std::string_view after_first_word(std::string_view s) {
  s = text::trim_start(s);
  return text::trim_start(s.substr(ascii_word(s).size()));
}

std::string_view skip_words(std::string_view s, std::initializer_list<std::string_view> words) {
  return skip_words_if(s, [words](std::string_view w) { return std::find(words.begin(), words.end(), w) != words.end(); });
}

std::string_view skip_call_markers(std::string_view s) { return skip_words(s, {"tail", "musttail", "notail"}); }

bool is_attribute_word(std::string_view w) {
  static constexpr std::array<std::string_view, 13> kWords = {
      "writeonly", "readonly", "readnone", "nonnull", "noalias", "nocapture", "immarg",
      "signext",   "zeroext",  "byval",    "sret",    "inreg",   "noundef"};
  // Most words are types and values: reject those by length and first letter first.
  if (w.size() < 4 || w.size() > 9) return false;
  switch (w.front()) {
    case 'w': case 'r': case 'n': case 'i': case 's': case 'z': case 'b': break;
    default: return false;
  }
  for (auto k : kWords)
    if (w == k) return true;
  return false;
}

// ---- Names and labels ---------------------------------------------------------------------

std::string_view name_prefix(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && text::is_name_char(s[i])) ++i;
  return s.substr(0, i);
}

std::optional<NameToken> read_name(std::string_view s) {
  if (s.starts_with('"')) {
    std::size_t close = s.find('"', 1);
    if (close == std::string_view::npos) return std::nullopt;
    return NameToken{s.substr(1, close - 1), s.substr(close + 1), true};
  }
  std::string_view name = name_prefix(s);
  return NameToken{name, s.substr(name.size()), false};
}

std::optional<GlobalName> parse_global_name(std::string_view s) {
  if (s.size() < 2 || s.front() != '@') return std::nullopt;
  auto name = read_name(s.substr(1));
  if (!name || (!name->quoted && name->name.empty())) return std::nullopt;
  return GlobalName{name->name, name->rest};
}

std::string_view parse_label_name(std::string_view s) {
  if (auto name = read_name(s)) return name->name;
  return s.substr(0, 0);  // a quote left open
}

std::optional<std::string_view> first_local_name(std::string_view s) {
  std::size_t pct = s.find('%');
  if (pct == std::string_view::npos) return std::nullopt;
  std::string_view name = name_prefix(s.substr(pct + 1));
  if (name.empty()) return std::nullopt;
  return name;
}

std::optional<std::string_view> label_definition(std::string_view head) {
  if (head.size() < 2 || head.back() != ':') return std::nullopt;
  std::string_view name = head.substr(0, head.size() - 1);
  if (name.size() >= 3 && name.front() == '"' && name.back() == '"')
    name = name.substr(1, name.size() - 2);
  for (char c : name)
    if (!text::is_name_char(c)) return std::nullopt;
  return name;
}

Assignment split_assignment(std::string_view line) {
  Assignment out{std::nullopt, line};
  if (std::size_t eq = line.find('='); eq != std::string_view::npos) {
    std::string_view lhs = text::trim(line.substr(0, eq));
    if (lhs.starts_with('%')) {
      out.result = lhs.substr(1);
      out.body = text::trim_start(line.substr(eq + 1));
    }
  }
  return out;
}

// ---- Literals -----------------------------------------------------------------------------

std::optional<std::int64_t> parse_i64(std::string_view s) {
  // One optional sign: from_chars takes a leading '-' itself, so "--5" is refused there
  // and "+-5" here.
  if (!s.empty() && s.front() == '+') {
    s.remove_prefix(1);
    if (s.starts_with('-')) return std::nullopt;
  }
  if (s.empty()) return std::nullopt;
  std::int64_t v;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc{} || end != s.data() + s.size()) return std::nullopt;
  return v;
}

std::optional<std::uint64_t> parse_u64(std::string_view s) {
  if (s.starts_with('+')) s.remove_prefix(1);
  if (s.empty()) return std::nullopt;
  for (char c : s)
    if (!text::is_ascii_digit(c)) return std::nullopt;
  std::uint64_t v;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc{} || end != s.data() + s.size()) return std::nullopt;
  return v;
}

std::optional<std::uint32_t> leading_u32(std::string_view s, std::size_t& used) {
  used = 0;
  while (used < s.size() && text::is_ascii_digit(s[used])) ++used;
  if (used == 0) return std::nullopt;
  std::uint32_t v;
  auto [end, ec] = std::from_chars(s.data(), s.data() + used, v);
  if (ec != std::errc{}) return std::nullopt;
  return v;
}

bool is_integer_type(std::string_view ty) {
  if (ty.empty() || ty.front() != 'i') return false;
  for (char c : ty.substr(1))
    if (!text::is_ascii_digit(c)) return false;
  return true;
}

std::optional<Int128> parse_int_literal(std::string_view s) {
  s = text::trim(s);
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  return Int128::from_decimal(s, negative);
}

namespace {

int hex_digit_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<double> parse_hex_double(std::string_view digits, bool negate) {
  if (digits.size() != 16) return std::nullopt;
  std::uint64_t bits = 0;
  for (char c : digits) {
    int d = hex_digit_value(c);
    if (d < 0) return std::nullopt;
    bits = (bits << 4) | static_cast<std::uint64_t>(d);
  }
  if (negate) bits ^= std::uint64_t{1} << 63;
  return std::bit_cast<double>(bits);
}

bool equals_ignoring_case(std::string_view a, std::string_view lower) {
  if (a.size() != lower.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char c = a[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != lower[i]) return false;
  }
  return true;
}

// Decimal syntax: digits with an optional point and fraction (at least one digit on one
// side), then an optional exponent with at least one digit. `decimal_exponent` estimates
// the power of ten of the value, to tell overflow from underflow.
bool is_decimal_float(std::string_view s, long long& decimal_exponent) {
  std::size_t i = 0;
  std::size_t int_digits = 0, frac_digits = 0;
  long long first_significant = 0;  // position of the first non-zero digit, relative to the point
  bool seen_nonzero = false;
  while (i < s.size() && text::is_ascii_digit(s[i])) {
    if (!seen_nonzero && s[i] != '0') {
      seen_nonzero = true;
      first_significant = 0;
    }
    if (seen_nonzero) ++first_significant;
    ++i, ++int_digits;
  }
  if (i < s.size() && s[i] == '.') {
    ++i;
    long long pos = 0;
    while (i < s.size() && text::is_ascii_digit(s[i])) {
      --pos;
      if (!seen_nonzero && s[i] != '0') {
        seen_nonzero = true;
        first_significant = pos + 1;
      }
      ++i, ++frac_digits;
    }
  }
  if (int_digits + frac_digits == 0) return false;
  long long exponent = 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    if (i >= s.size() || !text::is_ascii_digit(s[i])) return false;
    while (i < s.size() && text::is_ascii_digit(s[i])) {
      if (exponent < 1'000'000'000) exponent = exponent * 10 + (s[i] - '0');
      ++i;
    }
    if (negative) exponent = -exponent;
  }
  decimal_exponent = first_significant + exponent;
  return i == s.size();
}

}  // namespace

std::optional<double> parse_float_literal(std::string_view s) {
  s = text::trim(s);
  if (s.starts_with("0x")) return parse_hex_double(s.substr(2), false);
  if (s.starts_with("-0x")) return parse_hex_double(s.substr(3), true);

  bool negative = false;
  std::string_view body = s;
  if (!body.empty() && (body.front() == '+' || body.front() == '-')) {
    negative = body.front() == '-';
    body.remove_prefix(1);
  }
  if (equals_ignoring_case(body, "inf") || equals_ignoring_case(body, "infinity"))
    return negative ? -std::numeric_limits<double>::infinity()
                    : std::numeric_limits<double>::infinity();
  if (equals_ignoring_case(body, "nan"))
    return negative ? -std::numeric_limits<double>::quiet_NaN()
                    : std::numeric_limits<double>::quiet_NaN();

  long long decimal_exponent = 0;
  if (!is_decimal_float(body, decimal_exponent)) return std::nullopt;
  double v = 0;
  auto [end, ec] = std::from_chars(body.data(), body.data() + body.size(), v);
  if (ec == std::errc::result_out_of_range) {
    // Rounded to nearest, a value beyond the largest double is infinite and one below the
    // smallest subnormal is zero.
    v = decimal_exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (ec != std::errc{} || end != body.data() + body.size()) {
    return std::nullopt;
  }
  return negative ? -v : v;
}

// ---- Brackets and lists -------------------------------------------------------------------

long long bracket_balance(std::string_view s, const BracketTable& table) {
  long long sum = 0;
  for (char c : s) sum += table[static_cast<unsigned char>(c)];
  return sum;
}

std::size_t matching_bracket(std::string_view s, std::size_t open) {
  if (open >= s.size()) return std::string_view::npos;
  char opener = s[open];
  char closer;
  switch (opener) {
    case '(': closer = ')'; break;
    case '[': closer = ']'; break;
    case '{': closer = '}'; break;
    case '<': closer = '>'; break;
    default: return std::string_view::npos;
  }
  long long depth = 0;
  for (std::size_t i = open; i < s.size(); ++i) {
    if (s[i] == opener) {
      ++depth;
    } else if (s[i] == closer && --depth == 0) {
      return i;
    }
  }
  return std::string_view::npos;
}

std::size_t find_to_clause(std::string_view s) {
  long long depth = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    char c = s[i];
    depth += kAllBrackets[static_cast<unsigned char>(c)];
    if (c == ' ' && depth == 0 && s.substr(i, 4) == " to ") return i;
  }
  return std::string_view::npos;
}

Result<std::vector<std::string_view>> split_top_level(std::string_view s) {
  std::size_t count;
  BRINTAVEL_CHECK(check_top_level_brackets(s, count));
  std::vector<std::string_view> pieces;
  pieces.reserve(count);
  std::size_t pos = 0;
  for (std::size_t k = 0; k < count; ++k) pieces.push_back(next_top_level_piece(s, pos));
  return pieces;
}

Status check_top_level_brackets(std::string_view s, std::size_t& pieces) {
  long long depth = 0;
  pieces = 1;
  for (char c : s) {
    int delta = kAllBrackets[static_cast<unsigned char>(c)];
    depth += delta;
    if (delta < 0 && depth < 0) return parse_error(cat("unbalanced closing bracket in ", q(s)));
    pieces += (c == ',') & (depth == 0);
  }
  return {};
}

std::string_view next_top_level_piece(std::string_view s, std::size_t& pos) {
  long long depth = 0;
  std::size_t start = pos;
  for (; pos < s.size(); ++pos) {
    char c = s[pos];
    depth += kAllBrackets[static_cast<unsigned char>(c)];
    if (c == ',' && depth == 0) return text::trim(s.substr(start, pos++ - start));
  }
  ++pos;  // past the end: no more pieces
  return text::trim(s.substr(start));
}

}  // namespace brintavel::ir
