#include "ir/operand_parser.hpp"

#include <string>

namespace brintavel::ir {

using text::cat;
using text::q;

namespace {

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

std::optional<unsigned> parse_integer_width(std::string_view ty) {
  if (ty.size() < 2 || ty[0] != 'i') return std::nullopt;
  unsigned w = 0;
  for (char c : ty.substr(1)) {
    if (!text::is_ascii_digit(c) || w > 64) return std::nullopt;
    w = w * 10 + static_cast<unsigned>(c - '0');
  }
  if (w < 1 || w > 64) return std::nullopt;
  return w;
}

}  // namespace brintavel::ir
