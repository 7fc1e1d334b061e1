#include "ir/operand_parser.hpp"

#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <limits>

namespace brintavel::ir {

using text::cat;
using text::q;

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

bool is_integer_type(std::string_view ty) {
  if (ty.empty() || ty.front() != 'i') return false;
  for (char c : ty.substr(1))
    if (!text::is_ascii_digit(c)) return false;
  return true;
}

namespace {


// Walks the words of a text, separated by Unicode white space, without allocating.
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

// The value of an operand: its words after the type, attribute words left out, joined by
// single spaces. It is a view of the source whenever the words already stand one space
// apart, which is the only case real QIR has.
std::string_view value_text(Words words, TextPool& pool) {
  std::string_view word;
  const char* first = nullptr;
  const char* last = nullptr;
  bool contiguous = true;
  bool gap = false;  // an attribute word since the last value word
  while (words.next(word)) {
    if (is_attribute_word(word)) {
      gap = first != nullptr;
      continue;
    }
    if (first == nullptr) {
      first = word.data();
    } else if (gap || word.data() != last + 1 || *last != ' ') {
      contiguous = false;
    }
    gap = false;
    last = word.data() + word.size();
  }
  if (first == nullptr) return {};
  if (contiguous) return text::trim(std::string_view(first, static_cast<std::size_t>(last - first)));
  // Rare: join the value words by single spaces.
  std::string joined;
  std::string_view all(first, static_cast<std::size_t>(last - first));
  Words again(all);
  while (again.next(word)) {
    if (is_attribute_word(word)) continue;
    if (!joined.empty()) joined.push_back(' ');
    joined.append(word);
  }
  return text::trim(pool.keep(std::move(joined)));
}

bool is_pointer_type(std::string_view ty) {
  return ty == "ptr" || ty == "i8*" || (ty.size() >= 2 && ty.front() == '%' && ty.back() == '*');
}

std::optional<std::string_view> pointee_struct_name(std::string_view ty) {
  if (ty.front() != '%') return std::nullopt;  // ptr, i8*
  if (ty.size() >= 4 && ty[1] == '"' && ty[ty.size() - 2] == '"')
    return ty.substr(2, ty.size() - 4);
  return ty.substr(1, ty.size() - 2);
}

// Nothing when the value is not a recognised pointer constant.
std::optional<Operand> parse_pointer_value(std::string_view ty, std::string_view value) {
  if (value == "null") {
    if (ty == "i8*") return I8Null{};
    return PtrConst{pointee_struct_name(ty), 0};
  }
  if (value.starts_with("inttoptr")) {
    std::string_view after = text::trim_start(value.substr(8));
    if (!after.empty() && after.front() == '(') {
      // (source-type index to T*): the source type is not checked.
      Words words(after.substr(1));
      std::string_view source_type, index_text;
      if (words.next(source_type) && words.next(index_text))
        if (auto index = parse_i64(index_text)) return PtrConst{pointee_struct_name(ty), *index};
    }
  }
  if (value.starts_with('@')) return GlobalRef{value.substr(1)};
  if (value.starts_with('%')) return Ssa{value.substr(1)};
  if (value.size() > 12 && value.starts_with("getelementptr")) return GetElementPtr{};
  if (value.size() >= 7 && value.starts_with("bitcast")) {
    std::string_view after = text::trim_start(value.substr(7));
    if (after.size() >= 2 && after.front() == '(') {
      std::size_t at = after.find('@', 1);
      if (at != std::string_view::npos)
        if (auto global = parse_global_name(after.substr(at))) return BitcastGlobal{global->name};
    }
    return GetElementPtr{};
  }
  return std::nullopt;
}

Result<Operand> parse_integer_value(std::string_view ty, std::string_view value) {
  if (ty == "i1") {
    if (value == "0" || value == "false") return ConstBool{false};
    if (value == "1" || value == "true") return ConstBool{true};
  }
  if (value.starts_with('%')) return Ssa{value.substr(1)};
  if (ty == "i8" && value == "null") return I8Null{};
  if (auto v = parse_int_literal(value)) return ConstInt{*v};
  if (value.starts_with('@')) return GlobalRef{value.substr(1)};
  return parse_error(cat("could not parse integer operand ", q(value), " (ty=", ty, ")"));
}

Result<Operand> parse_float_value(std::string_view ty, std::string_view value) {
  if (value.starts_with('%')) return Ssa{value.substr(1)};
  if (auto v = parse_float_literal(value)) return ConstFloat{*v};
  return parse_error(cat("could not parse float operand ", q(value), " (ty=", ty, ")"));
}

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

Result<std::vector<std::string_view>> split_top_level(std::string_view s) {
  std::size_t count;
  BRINTAVEL_CHECK(check_top_level_brackets(s, count));
  std::vector<std::string_view> pieces;
  pieces.reserve(count);
  std::size_t pos = 0;
  for (std::size_t k = 0; k < count; ++k) pieces.push_back(next_top_level_piece(s, pos));
  return pieces;
}

namespace {

constexpr auto kBracketDelta = text::bracket_delta_table("([<{", ")]>}");

}  // namespace

Status check_top_level_brackets(std::string_view s, std::size_t& pieces) {
  long long depth = 0;
  pieces = 1;
  for (char c : s) {
    int delta = kBracketDelta[static_cast<unsigned char>(c)];
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
    depth += kBracketDelta[static_cast<unsigned char>(c)];
    if (c == ',' && depth == 0) return text::trim(s.substr(start, pos++ - start));
  }
  ++pos;  // past the end: no more pieces
  return text::trim(s.substr(start));
}

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

namespace {

// Classifies an operand from its type word and its value text. `whole` renders the operand
// text for the two messages that quote it.
template <class WholeText>
Result<Operand> classify_operand(std::string_view ty, std::string_view value, WholeText whole) {
  if (is_pointer_type(ty)) {
    auto operand = parse_pointer_value(ty, value);
    if (!operand)
      return parse_error(cat("could not resolve pointer operand from constant text ", q(whole())));
    return *operand;
  }
  if (is_integer_type(ty)) return parse_integer_value(ty, value);
  if (ty == "half" || ty == "float" || ty == "double") return parse_float_value(ty, value);
  return parse_error(cat("unsupported operand type ", q(ty), " in operand ", q(whole())));
}

bool is_plain_ascii_word(std::string_view w) {
  for (char c : w)
    if (static_cast<unsigned char>(c) >= 0x80 || text::is_ascii_space(c) || c == '\v') return false;
  return !w.empty();
}

}  // namespace

Result<Operand> parse_operand(std::string_view raw, TextPool& pool) {
  std::string_view whole = text::trim(raw);
  if (whole == "...") return parse_error("unexpected ... in operand");
  if (whole.size() > 12 && whole.starts_with("getelementptr")) return GetElementPtr{};

  // The type is the first word that is not an attribute word.
  Words words(whole);
  std::string_view ty;
  do {
    if (!words.next(ty)) return parse_error("empty operand");
  } while (is_attribute_word(ty));
  return classify_operand(ty, value_text(words, pool), [whole] { return whole; });
}

Result<Operand> parse_typed_operand(std::string_view ty, std::string_view value, TextPool& pool) {
  // The text "ty value" splits into the word `ty` followed by the words of `value` whenever
  // `ty` is a plain ASCII word that is not itself an attribute word; anything stranger is
  // handled by building the text.
  if (!is_plain_ascii_word(ty) || is_attribute_word(ty) || value.empty())
    return parse_operand(pool.keep(cat(ty, " ", value)), pool);
  if (ty.starts_with("getelementptr")) return GetElementPtr{};
  return classify_operand(ty, value_text(Words(value), pool),
                          [ty, value] { return cat(ty, " ", value); });
}

std::optional<std::string_view> first_local_name(std::string_view s) {
  std::size_t pct = s.find('%');
  if (pct == std::string_view::npos) return std::nullopt;
  std::string_view name = text::name_prefix(s.substr(pct + 1));
  if (name.empty()) return std::nullopt;
  return name;
}

std::string_view parse_label_name(std::string_view s) {
  if (s.starts_with('"')) {
    std::size_t close = s.find('"', 1);
    if (close != std::string_view::npos) return s.substr(1, close - 1);
  }
  return text::name_prefix(s);
}

std::optional<GlobalName> parse_global_name(std::string_view s) {
  if (s.size() < 2 || s.front() != '@') return std::nullopt;
  if (s[1] == '"') {
    std::size_t close = s.find('"', 2);
    if (close == std::string_view::npos) return std::nullopt;
    return GlobalName{s.substr(2, close - 2), s.substr(close + 1)};
  }
  std::string_view name = text::name_prefix(s.substr(1));
  if (name.empty()) return std::nullopt;
  return GlobalName{name, s.substr(1 + name.size())};
}

std::string_view first_word(std::string_view s) {
  s = text::trim_start(s);
  std::size_t end = 0;
  while (end < s.size() && !text::is_ascii_space(s[end])) ++end;
  return s.substr(0, end);
}

std::string_view after_first_word(std::string_view s) {
  s = text::trim_start(s);
  std::size_t end = 0;
  while (end < s.size() && !text::is_ascii_space(s[end])) ++end;
  return text::trim_start(s.substr(end));
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

}  // namespace brintavel::ir
