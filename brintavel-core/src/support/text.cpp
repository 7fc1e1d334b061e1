#include "support/text.hpp"

#include <array>
#include <charconv>
#include <cstring>

namespace brintavel::text {

namespace {

// The multi-byte members of White_Space, as UTF-8: U+0085, U+00A0, U+1680, U+2000..U+200A,
// U+2028, U+2029, U+202F, U+205F, U+3000.
bool is_wide_space(unsigned char b0, unsigned char b1, unsigned char b2) {
  switch (b0) {
    case 0xE1: return b1 == 0x9A && b2 == 0x80;
    case 0xE2:
      if (b1 == 0x80) return b2 <= 0x8A || b2 == 0xA8 || b2 == 0xA9 || b2 == 0xAF;
      return b1 == 0x81 && b2 == 0x9F;
    case 0xE3: return b1 == 0x80 && b2 == 0x80;
    default: return false;
  }
}

constexpr bool is_narrow_space(unsigned char b) {
  return (b >= 0x09 && b <= 0x0D) || b == 0x20;
}

}  // namespace

std::size_t wide_space_at(std::string_view s, std::size_t pos) {
  auto b0 = static_cast<unsigned char>(s[pos]);
  if (b0 == 0xC2 && pos + 1 < s.size()) {
    auto b1 = static_cast<unsigned char>(s[pos + 1]);
    return (b1 == 0x85 || b1 == 0xA0) ? 2 : 0;
  }
  if (pos + 2 < s.size() &&
      is_wide_space(b0, static_cast<unsigned char>(s[pos + 1]),
                    static_cast<unsigned char>(s[pos + 2])))
    return 3;
  return 0;
}

std::size_t space_before(std::string_view s, std::size_t end) {
  if (end == 0) return 0;
  auto last = static_cast<unsigned char>(s[end - 1]);
  if (last < 0x80) return is_narrow_space(last) ? 1 : 0;
  if (end >= 2 && static_cast<unsigned char>(s[end - 2]) == 0xC2 && (last == 0x85 || last == 0xA0))
    return 2;
  if (end >= 3 && is_wide_space(static_cast<unsigned char>(s[end - 3]),
                                static_cast<unsigned char>(s[end - 2]), last))
    return 3;
  return 0;
}

std::string_view trim_start(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    // ASCII fast path: everything but the listed bytes ends the run at once.
    auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80 && !is_narrow_space(b)) break;
    std::size_t n = space_at(s, i);
    if (n == 0) break;
    i += n;
  }
  return s.substr(i);
}

std::string_view trim_end(std::string_view s) {
  std::size_t end = s.size();
  while (std::size_t n = space_before(s, end)) end -= n;
  return s.substr(0, end);
}

namespace {

// Decodes one UTF-8 sequence at s[i]; returns its length, or 0 when it is malformed.
std::size_t decode_utf8(std::string_view s, std::size_t i, char32_t& cp) {
  auto b0 = static_cast<unsigned char>(s[i]);
  if (b0 < 0x80) {
    cp = b0;
    return 1;
  }
  std::size_t len;
  char32_t min;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    len = 2, cp = b0 & 0x1F, min = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    len = 3, cp = b0 & 0x0F, min = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    len = 4, cp = b0 & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (i + len > s.size()) return 0;
  for (std::size_t k = 1; k < len; ++k) {
    auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return len;
}

// Characters written as \u{hex} in the quoted form: C0 and C1 controls (other than the
// named escapes), DEL, the soft hyphen and the invisible format characters.
bool needs_unicode_escape(char32_t cp) {
  return (cp >= 0x01 && cp <= 0x1F) || (cp >= 0x7F && cp <= 0x9F) || cp == 0xAD ||
         (cp >= 0x200B && cp <= 0x200F) || cp == 0x2028 || cp == 0x2029 || cp == 0x2060 ||
         cp == 0xFEFF;
}

void append_unicode_escape(std::string& out, std::uint32_t cp) {
  std::array<char, 16> buf;
  auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), cp, 16);
  out.append("\\u{");
  out.append(buf.data(), end);
  out.push_back('}');
}

}  // namespace

SourcePosition locate(std::string_view source, const char* at) {
  std::size_t offset = static_cast<std::size_t>(at - source.data());
  std::size_t line_start = 0;
  std::uint32_t line = 1;
  for (std::size_t i = 0; i < offset;) {
    const void* nl = std::memchr(source.data() + i, '\n', offset - i);
    if (!nl) break;
    i = static_cast<std::size_t>(static_cast<const char*>(nl) - source.data()) + 1;
    line_start = i;
    ++line;
  }
  std::uint32_t column = 1;
  for (std::size_t i = line_start; i < offset; ++i)
    if ((static_cast<unsigned char>(source[i]) & 0xC0) != 0x80) ++column;
  return SourcePosition{line, column};
}

Error located(Error error, std::string_view source, const char* at) {
  if (!error.position && at && source.data() <= at && at <= source.data() + source.size())
    error.position = locate(source, at);
  return error;
}

bool is_valid_utf8(std::string_view s, std::size_t& bad_offset) {
  std::size_t i = 0;
  while (i < s.size()) {
    // Skip ASCII thirty-two bytes at a time, then eight.
    while (i + 32 <= s.size()) {
      std::uint64_t w[4];
      std::memcpy(w, s.data() + i, 32);
      if ((w[0] | w[1] | w[2] | w[3]) & 0x8080808080808080ULL) break;
      i += 32;
    }
    while (i + 8 <= s.size()) {
      std::uint64_t word;
      std::memcpy(&word, s.data() + i, 8);
      if (word & 0x8080808080808080ULL) break;
      i += 8;
    }
    if (i >= s.size()) break;
    char32_t cp;
    std::size_t n = decode_utf8(s, i, cp);
    if (n == 0) {
      bad_offset = i;
      return false;
    }
    i += n;
  }
  return true;
}

void append_quoted(std::string& out, std::string_view s) {
  out.reserve(out.size() + s.size() + 2);
  out.push_back('"');
  std::size_t i = 0;
  while (i < s.size()) {
    char32_t cp;
    std::size_t n = decode_utf8(s, i, cp);
    if (n == 0) {
      // Not UTF-8: show the byte itself as a replacement-free escape.
      append_unicode_escape(out, static_cast<unsigned char>(s[i]));
      ++i;
      continue;
    }
    switch (cp) {
      case '"': out.append("\\\""); break;
      case '\\': out.append("\\\\"); break;
      case '\t': out.append("\\t"); break;
      case '\r': out.append("\\r"); break;
      case '\n': out.append("\\n"); break;
      case 0: out.append("\\0"); break;
      default:
        if (needs_unicode_escape(cp))
          append_unicode_escape(out, static_cast<std::uint32_t>(cp));
        else
          out.append(s.substr(i, n));
    }
    i += n;
  }
  out.push_back('"');
}

std::string quoted(std::string_view s) {
  std::string out;
  append_quoted(out, s);
  return out;
}

void append_int(std::string& out, std::int64_t v) {
  std::array<char, 24> buf;
  auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), v);
  out.append(buf.data(), end);
}

void append_uint(std::string& out, std::uint64_t v) {
  std::array<char, 24> buf;
  auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), v);
  out.append(buf.data(), end);
}

}  // namespace brintavel::text
