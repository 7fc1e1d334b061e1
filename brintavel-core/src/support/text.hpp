// Text helpers shared by every stage: character classes, Unicode white-space trimming,
// the quoted (debug) form of a text, and message building into one growing buffer.
#pragma once

#include <array>
#include <bit>
#include <concepts>
#include <cstdint>
#include <string>
#include <cstring>
#include <string_view>
#include <unordered_map>

#include "brintavel/brintavel.hpp"
#include "support/int128.hpp"

namespace brintavel::text {

// Space, tab, line feed, form feed, carriage return (vertical tab is not included).
constexpr bool is_ascii_space(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r';
}

constexpr bool is_ascii_digit(char c) { return c >= '0' && c <= '9'; }

constexpr bool is_ascii_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Characters of an unquoted LLVM name: letters, digits, '$', '.', '_' (no hyphen); 1 for
// those, 0 for the rest (numbers, so that several lookups combine without branches).
inline constexpr std::array<std::uint8_t, 256> kNameChars = [] {
  std::array<std::uint8_t, 256> t{};
  for (int b = 0; b < 256; ++b) {
    char c = static_cast<char>(b);
    t[static_cast<std::size_t>(b)] =
        is_ascii_letter(c) || is_ascii_digit(c) || c == '$' || c == '.' || c == '_';
  }
  return t;
}();
constexpr bool is_name_char(char c) { return kNameChars[static_cast<unsigned char>(c)] != 0; }

// Byte length of the Unicode White_Space character that starts at `pos`, or 0.
std::size_t wide_space_at(std::string_view s, std::size_t pos);
inline std::size_t space_at(std::string_view s, std::size_t pos) {
  if (pos >= s.size()) return 0;
  auto b = static_cast<unsigned char>(s[pos]);
  if (b < 0x80) return (b >= 0x09 && b <= 0x0D) || b == 0x20 ? 1 : 0;
  return wide_space_at(s, pos);
}
// Byte length of the Unicode White_Space character that ends just before `end`, or 0.
std::size_t space_before(std::string_view s, std::size_t end);

std::string_view trim_start(std::string_view s);
std::string_view trim_end(std::string_view s);
inline std::string_view trim(std::string_view s) { return trim_end(trim_start(s)); }

// The 1-based line and column (in code points) of the character at `at` in `source`; `at`
// must point into `source` (its end included).
SourcePosition locate(std::string_view source, const char* at);
// `error` with the position of `at`, unless it has one or `at` is not in `source`.
Error located(Error error, std::string_view source, const char* at);

// Loads of a name's bytes that compile to plain moves (a copy of a variable length would be a
// call): 8, 4 or 1 bytes at `p`, in the machine's order.
inline std::uint64_t load8(const char* p) {
  std::uint64_t w;
  std::memcpy(&w, p, 8);
  return w;
}
inline std::uint64_t load4(const char* p) {
  std::uint32_t w;
  std::memcpy(&w, p, 4);
  return w;
}
inline std::uint64_t load1(const char* p) { return static_cast<unsigned char>(*p); }

// The last `n` bytes of `s` (n below 8, s.size() >= n) as a copy of them into a zeroed word
// would give them, without reading outside `s`. (The shifts assume a little-endian machine;
// elsewhere the bytes are copied.)
inline std::uint64_t tail_bytes(std::string_view s, std::size_t n) {
  if (n == 0) return 0;
  const char* end = s.data() + s.size();
  if constexpr (std::endian::native != std::endian::little) {
    std::uint64_t w = 0;
    std::memcpy(&w, end - n, n);
    return w;
  }
  if (s.size() >= 8) return load8(end - 8) >> (64 - 8 * n);
  const char* p = end - n;
  if (n >= 4) return load4(p) | (load4(end - 4) << (8 * (n - 4)));
  return load1(p) | (load1(p + n / 2) << (8 * (n / 2))) | (load1(end - 1) << (8 * (n - 1)));
}

// A fast hash for the short names of a module (labels, SSA names, callees): eight bytes at a
// time, multiplied and folded. For the hash tables keyed by names.
struct NameHash {
  std::size_t operator()(std::string_view s) const noexcept {
    std::uint64_t h = 0x9E3779B97F4A7C15ull ^ s.size();
    std::size_t i = 0;
    for (; i + 8 <= s.size(); i += 8) {
      h = (h ^ load8(s.data() + i)) * 0xFF51AFD7ED558CCDull;
      h ^= h >> 32;
    }
    // The last bytes reach the low bits, which pick a table's slot, only through the high
    // half: names that differ in their last characters (%var_101, %var_102) would share slots.
    h = (h ^ tail_bytes(s, s.size() - i)) * 0xC4CEB9FE1A85EC53ull;
    h = (h ^ (h >> 32)) * 0xFF51AFD7ED558CCDull;
    return static_cast<std::size_t>(h ^ (h >> 29));
  }
};

// Whether two names are equal: those of up to 16 bytes, which most are, by a few word loads.
inline bool same_name(std::string_view a, std::string_view b) {
  const std::size_t n = a.size();
  if (n != b.size()) return false;
  if (n > 16) return std::memcmp(a.data(), b.data(), n) == 0;
  if (n >= 8) return ((load8(a.data()) ^ load8(b.data())) | (load8(a.data() + n - 8) ^ load8(b.data() + n - 8))) == 0;
  return tail_bytes(a, n) == tail_bytes(b, n);
}
template <class Value>
using NameMap = std::unordered_map<std::string_view, Value, NameHash>;

// Whether `s` is valid UTF-8; on failure `bad_offset` receives the offset of the first bad byte.
bool is_valid_utf8(std::string_view s, std::size_t& bad_offset);

// Appends `s` between double quotes with \" \\ \t \r \n \0 escapes and \u{hex} for the
// invisible and control characters.
void append_quoted(std::string& out, std::string_view s);
std::string quoted(std::string_view s);

void append_int(std::string& out, std::int64_t v);
void append_uint(std::string& out, std::uint64_t v);

// Marks a text for the quoted form inside cat().
struct Quoted {
  std::string_view text;
};
inline Quoted q(std::string_view s) { return Quoted{s}; }

inline void append_piece(std::string& out, std::string_view s) { out.append(s); }
inline void append_piece(std::string& out, const char* s) { out.append(s); }
inline void append_piece(std::string& out, const std::string& s) { out.append(s); }
inline void append_piece(std::string& out, char c) { out.push_back(c); }
inline void append_piece(std::string& out, Quoted s) { append_quoted(out, s.text); }
inline void append_piece(std::string& out, Int128 v) { v.append_decimal(out); }
template <std::signed_integral T>
void append_piece(std::string& out, T v) { append_int(out, v); }
template <std::unsigned_integral T>
void append_piece(std::string& out, T v) { append_uint(out, v); }
void append_piece(std::string& out, bool) = delete;

// Concatenates texts, quoted texts and integers into one string.
template <class... Pieces>
std::string cat(const Pieces&... pieces) {
  std::string out;
  (append_piece(out, pieces), ...);
  return out;
}

}  // namespace brintavel::text
