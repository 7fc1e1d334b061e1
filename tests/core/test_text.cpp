// Text helpers: Unicode white-space trimming versus ASCII word splitting, the quoted form
// used inside messages, and message building with cat().
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "ir/lexer.hpp"
#include "support/chunked_list.hpp"
#include "support/dense_int_map.hpp"
#include "support/flat_name_map.hpp"
#include "support/hash_sort.hpp"
#include "support/small_list.hpp"
#include "support/text.hpp"

namespace {

using namespace brintavel::text;
using brintavel::ir::name_prefix;  // the lexer's
using brintavel::ir::skip_ascii_space;

// ---- Trimming ---------------------------------------------------------------------------

// Every member of the White_Space set, as UTF-8.
constexpr std::string_view kWhiteSpace[] = {
    "\t",       "\n",       "\v",       "\f",       "\r",       " ",        "\u0085",
    "\u00A0",   "\u1680",   "\u2000",   "\u2001",   "\u2002",   "\u2003",   "\u2004",
    "\u2005",   "\u2006",   "\u2007",   "\u2008",   "\u2009",   "\u200A",   "\u2028",
    "\u2029",   "\u202F",   "\u205F",   "\u3000",
};

TEST(Trim, RemovesEveryWhiteSpaceCharacterAtBothEnds) {
  for (std::string_view ws : kWhiteSpace) {
    std::string s = std::string(ws) + "x" + std::string(ws) + "y" + std::string(ws);
    std::string inner = "x" + std::string(ws) + "y";
    EXPECT_EQ(trim(s), inner) << quoted(ws);
    EXPECT_EQ(trim_start(s), inner + std::string(ws)) << quoted(ws);
    EXPECT_EQ(trim_end(s), std::string(ws) + inner) << quoted(ws);
    EXPECT_EQ(space_at(s, 0), ws.size()) << quoted(ws);
    EXPECT_EQ(space_before(s, s.size()), ws.size()) << quoted(ws);
  }
}

TEST(Trim, KeepsCharactersThatOnlyLookInvisible) {
  // Zero-width space and joiners, the byte-order mark, the Mongolian vowel separator and the
  // word joiner are not white space; neither are letters that share lead or trail bytes
  // with the spaces (U+00C5, U+20A0, U+0885, U+2010, U+3001).
  constexpr std::string_view kNotSpace[] = {"\u200B", "\u200C", "\u200D", "\uFEFF", "\u180E",
                                            "\u2060", "\u00C5", "\u20A0", "\u0885", "\u2010",
                                            "\u3001", "\u1681"};
  for (std::string_view c : kNotSpace) {
    std::string s = std::string(c) + "x" + std::string(c);
    EXPECT_EQ(trim(s), s) << quoted(c);
    EXPECT_EQ(space_at(s, 0), 0u) << quoted(c);
    EXPECT_EQ(space_before(s, s.size()), 0u) << quoted(c);
  }
}

TEST(Trim, EdgeTexts) {
  EXPECT_EQ(trim(""), "");
  EXPECT_EQ(trim(" \t\u3000\u00A0\v"), "");
  EXPECT_EQ(trim_start("\u2003\u2003a b \u2003"), "a b \u2003");
  EXPECT_EQ(trim_end("\u2003a b\u0085\u0085"), "\u2003a b");
  // A lone lead byte or a cut sequence at either end is not white space and is kept.
  EXPECT_EQ(trim("\xC2"), "\xC2");
  EXPECT_EQ(trim(std::string_view("\xE3\x80", 2)), std::string_view("\xE3\x80", 2));
  EXPECT_EQ(trim("\xA0 a"), "\xA0 a");
  EXPECT_EQ(space_at("a", 5), 0u);
  EXPECT_EQ(space_before("a", 0), 0u);
}

TEST(AsciiSpace, ExcludesVerticalTabAndUnicodeSpaces) {
  for (char c : {' ', '\t', '\n', '\f', '\r'}) EXPECT_TRUE(is_ascii_space(c)) << int(c);
  EXPECT_FALSE(is_ascii_space('\v'));
  EXPECT_EQ(skip_ascii_space(" \t\r\n\f x"), "x");
  EXPECT_EQ(skip_ascii_space(" \vx"), "\vx");
  EXPECT_EQ(skip_ascii_space("\u00A0x"), "\u00A0x");
}

TEST(NamePrefix, StopsAtTheFirstNonNameCharacter) {
  EXPECT_EQ(name_prefix("a.b$c_9-d"), "a.b$c_9");
  EXPECT_EQ(name_prefix("-x"), "");
  EXPECT_EQ(name_prefix("\"q\""), "");
  EXPECT_EQ(name_prefix("x\u00E9"), "x");
  EXPECT_EQ(name_prefix(""), "");
}

// ---- Quoted form --------------------------------------------------------------------------

struct QuotedCase {
  std::string_view input;
  std::string_view expected;
};

constexpr QuotedCase kQuotedCases[] = {
    {"", R"m("")m"},
    {"plain text", R"m("plain text")m"},
    {"say \"hi\"", R"m("say \"hi\"")m"},
    {"back\\slash", R"m("back\\slash")m"},
    {"it's", R"m("it's")m"},
    {"a\tb\rc\nd", R"m("a\tb\rc\nd")m"},
    {std::string_view("nul\0end", 7), R"m("nul\0end")m"},
    // Other C0 controls, DEL and the C1 controls: \u{hex}, lower case, no leading zeros.
    {"\u0001", R"m("\u{1}")m"},
    {"\u0008", R"m("\u{8}")m"},
    {"\v", R"m("\u{b}")m"},
    {"\f", R"m("\u{c}")m"},
    {"\u001B[0m", R"m("\u{1b}[0m")m"},
    {"\u001F", R"m("\u{1f}")m"},
    {"\u007F", R"m("\u{7f}")m"},
    {"\u0080", R"m("\u{80}")m"},
    {"x\u0085y", R"m("x\u{85}y")m"},
    {"\u009F", R"m("\u{9f}")m"},
    // Invisible format characters.
    {"\u00AD", R"m("\u{ad}")m"},
    {"a\u200Bb", R"m("a\u{200b}b")m"},
    {"\u200C\u200D\u200E\u200F", R"m("\u{200c}\u{200d}\u{200e}\u{200f}")m"},
    {"\u2028\u2029", R"m("\u{2028}\u{2029}")m"},
    {"\u2060", R"m("\u{2060}")m"},
    {"\uFEFFbom", R"m("\u{feff}bom")m"},
    // Everything else as itself: visible spaces, letters of any script, symbols, emoji.
    {"\u00A0\u2003\u3000", "\"\u00A0\u2003\u3000\""},
    {"\u00A0", "\"\u00A0\""},
    {"\u200A\u2010\u202F", "\"\u200A\u2010\u202F\""},
    {"caf\u00E9 \u03A9 \u65E5\u672C", "\"caf\u00E9 \u03A9 \u65E5\u672C\""},
    {"\U0001F600", "\"\U0001F600\""},
    {"\u00A9\u00AE\u00AC", "\"\u00A9\u00AE\u00AC\""},
};

TEST(Quoted, EscapesExactlyTheListedCharacters) {
  for (const QuotedCase& c : kQuotedCases) {
    EXPECT_EQ(quoted(c.input), c.expected) << "input bytes: " << c.input.size();
    std::string appended = "prefix:";
    append_quoted(appended, c.input);
    EXPECT_EQ(appended, "prefix:" + std::string(c.expected));
  }
}

// ---- cat ----------------------------------------------------------------------------------

TEST(Cat, JoinsTextsQuotedTextsAndNumbers) {
  std::string owned = "owned";
  EXPECT_EQ(cat("a", std::string_view("b"), owned, 'c'), "abownedc");
  EXPECT_EQ(cat("op ", q("x\"y"), " (ty=", "i64", ")"), R"m(op "x\"y" (ty=i64))m");
  EXPECT_EQ(cat(q(""), q("\n")), R"m("""\n")m");
  EXPECT_EQ(cat(0, " ", -1, " ", 42u), "0 -1 42");
  EXPECT_EQ(cat(std::numeric_limits<std::int64_t>::min(), " ",
                std::numeric_limits<std::int64_t>::max(), " ",
                std::numeric_limits<std::uint64_t>::max()),
            "-9223372036854775808 9223372036854775807 18446744073709551615");
  EXPECT_EQ(cat(std::size_t{7}, std::int32_t{-8}, std::uint8_t{9}), "7-89");
}

TEST(Cat, WritesInt128Extremes) {
  const Int128 max = Int128::max();
  const Int128 min = -max - 1;
  EXPECT_EQ(cat(max), "170141183460469231731687303715884105727");
  EXPECT_EQ(cat(min), "-170141183460469231731687303715884105728");
  EXPECT_EQ(cat(Int128{0}), "0");
  EXPECT_EQ(cat(Int128{-1}), "-1");
  EXPECT_EQ(cat("[", min + 1, "]"), "[-170141183460469231731687303715884105727]");
  // Values beyond 64 bits.
  const Int128 two_pow_64 = static_cast<Int128>(1) << 64;
  EXPECT_EQ(cat(two_pow_64), "18446744073709551616");
  EXPECT_EQ(cat(-two_pow_64), "-18446744073709551616");
}

// ---- UTF-8 validation ---------------------------------------------------------------------

struct Utf8Case {
  std::string_view input;
  bool valid;
  std::size_t bad_offset;
};

constexpr Utf8Case kUtf8Cases[] = {
    {"", true, 0},
    {"plain ascii text that is longer than eight bytes", true, 0},
    {"\u00E9\u65E5\U0001F600\u0085", true, 0},
    {"abc\xFF", false, 3},
    {"abcdefghij\x80", false, 10},            // lone continuation byte after the fast path
    {"\xC0\xAF", false, 0},                   // overlong encoding
    {"ab\xE0\x80\xAF", false, 2},             // overlong three-byte form
    {"\xED\xA0\x80", false, 0},               // UTF-16 surrogate
    {"\xF4\x90\x80\x80", false, 0},           // beyond U+10FFFF
    {"x\xE2\x82", false, 1},                  // cut at the end
    {"\xE2(\xA1", false, 0},                  // bad continuation
};

TEST(Utf8, RejectsMalformedSequencesAtTheirOffset) {
  for (const Utf8Case& c : kUtf8Cases) {
    std::size_t offset = 12345;
    EXPECT_EQ(is_valid_utf8(c.input, offset), c.valid) << quoted(c.input);
    if (!c.valid) {
      EXPECT_EQ(offset, c.bad_offset) << quoted(c.input);
    }
  }
}

// ---- Name hashing and comparison --------------------------------------------------------

// The word loads read exactly the bytes of the name, at every length and alignment: the tail
// is what a copy of those bytes into a zeroed word gives, and names differing in any one byte
// compare unequal (the buffer around each name holds other bytes, which must not count).
TEST(NameWords, TailAndComparisonReadExactlyTheName) {
  std::string buffer(64, 'x');
  for (std::size_t i = 0; i < buffer.size(); ++i) buffer[i] = static_cast<char>('a' + i * 7 % 26);
  for (std::size_t size = 0; size <= 24; ++size)
    for (std::size_t start = 0; start + size <= 40; start += 3) {
      std::string_view name(buffer.data() + start, size);
      for (std::size_t n = 0; n < 8 && n <= size; ++n) {
        std::uint64_t expected = 0;
        std::memcpy(&expected, name.data() + size - n, n);
        ASSERT_EQ(tail_bytes(name, n), expected) << size << " " << start << " " << n;
      }
      std::string copy(name), longer = copy + "z";
      EXPECT_TRUE(same_name(name, copy));
      EXPECT_FALSE(same_name(name, longer));
      for (std::size_t k = 0; k < size; ++k) {
        std::string changed = copy;
        changed[k] = static_cast<char>(changed[k] ^ 0x20);
        EXPECT_FALSE(same_name(name, changed)) << size << " " << k;
      }
    }
}

// Names that differ only in their last characters spread over a table's slots (the low bits
// of the hash): numbered SSA names and labels of every length up to two words.
TEST(NameWords, HashSpreadsNamesThatDifferAtTheEnd) {
  for (std::string prefix : {"", "v", "va", "var", "var_", "block_", "var_long_", "a_much_longer_pfx"}) {
    std::vector<bool> used(1024, false);
    std::size_t slots = 0;
    for (int k = 0; k < 512; ++k) {
      std::string name = prefix + std::to_string(100 + k);
      std::size_t slot = NameHash{}(name) & 1023;
      slots += used[slot] ? 0 : 1;
      used[slot] = true;
    }
    // (512 random keys fill about 400 of 1024 slots.)
    EXPECT_GT(slots, 350u) << prefix;
  }
}

// ---- FlatNameMap ------------------------------------------------------------------------

// Random insertions, lookups, erasures, reservations and clearings over few names (long probe
// runs, and erasures that shift them back) agree with std::unordered_map throughout.
// Emptied for reuse, a table of values that own memory holds none of the old entries, and its
// slots take new ones (the values are released, not just the slots marked empty).
TEST(FlatNameMap, ResetReleasesValuesThatOwnMemory) {
  std::vector<std::string> names;
  for (int i = 0; i < 100; ++i) names.push_back("value_" + std::to_string(i));
  FlatNameMap<std::string> flat;
  for (int round = 0; round < 3; ++round) {
    for (int i = round; i < 100; i += 2) flat.try_emplace(names[i], std::string(40, static_cast<char>('a' + round)));
    for (int i = 0; i < 100; ++i) {
      const std::string* value = flat.find(names[i]);
      ASSERT_EQ(value != nullptr, i >= round && (i - round) % 2 == 0) << i;
      if (value) {
        ASSERT_EQ(*value, std::string(40, static_cast<char>('a' + round)));
      }
    }
    flat.reset();
    ASSERT_TRUE(flat.empty());
    for (const std::string& name : names) ASSERT_EQ(flat.find(name), nullptr);
  }
}

TEST(FlatNameMap, AgreesWithUnorderedMap) {
  std::vector<std::string> names;
  for (int i = 0; i < 300; ++i) names.push_back("n" + std::to_string(i * 7919 % 1000));
  std::mt19937 random(7);
  FlatNameMap<int> flat;
  std::unordered_map<std::string_view, int> reference;
  for (int step = 0; step < 200000; ++step) {
    std::string_view name = names[random() % names.size()];
    if (step % 5000 == 4999) {
      // (reset() keeps the slots of a well-filled table, clear() lets them go.)
      if (step % 50000 == 49999) flat.clear();
      else flat.reset();
      reference.clear();
    }
    switch (random() % 6) {
      case 0: {
        auto [value, inserted] = flat.try_emplace(name, step);
        auto [it, expected] = reference.try_emplace(name, step);
        ASSERT_EQ(inserted, expected);
        ASSERT_EQ(*value, it->second);
        break;
      }
      case 1:
        ASSERT_EQ(flat.erase(name), reference.erase(name) == 1);
        break;
      case 2:
        ASSERT_EQ(flat.insert_or_assign(name, -step), -step);
        reference.insert_or_assign(name, -step);
        break;
      case 3:
        ASSERT_EQ(flat[name] += 1, reference[name] += 1);
        break;
      case 4:
        flat.reserve(random() % 600);
        break;
      default: {
        const int* value = flat.find(name);
        auto it = reference.find(name);
        ASSERT_EQ(value != nullptr, it != reference.end());
        if (value) {
          ASSERT_EQ(*value, it->second);
        }
      }
    }
    ASSERT_EQ(flat.size(), reference.size());
  }
  // A walk meets every entry once.
  std::unordered_map<std::string_view, int> walked;
  flat.for_each([&](std::string_view name, int value) { ASSERT_TRUE(walked.try_emplace(name, value).second); });
  ASSERT_EQ(walked, reference);
}

// ---- SmallList ----------------------------------------------------------------------------

// Random appends (of its own elements too), copies, moves, reservations and clearings, across
// the move from in-place elements to the heap and back, agree with std::vector throughout.
TEST(SmallList, AgreesWithVector) {
  using List = SmallList<std::uint64_t, 2>;
  std::mt19937 random(11);
  List list;
  std::vector<std::uint64_t> reference;
  auto same = [&](const List& l) {
    ASSERT_EQ(l.size(), reference.size());
    ASSERT_EQ(l.empty(), reference.empty());
    ASSERT_TRUE(std::equal(l.begin(), l.end(), reference.begin(), reference.end()));
  };
  for (int step = 0; step < 20000; ++step) {
    switch (random() % 8) {
      case 0:
      case 1:
      case 2:
        list.push_back(step);
        reference.push_back(step);
        break;
      case 3:
        if (!reference.empty()) {
          std::size_t k = random() % reference.size();
          list.emplace_back(list[k]);
          reference.push_back(reference[k]);
        }
        break;
      case 4: {
        List copy(list);
        same(copy);
        List moved(std::move(copy));
        same(moved);
        ASSERT_TRUE(copy.empty());
        if (random() % 2) {
          list = moved;
        } else {
          list = std::move(moved);
        }
        break;
      }
      case 5:
        list.reserve(random() % 8);
        break;
      case 6:
        if (random() % 4 == 0) {
          list.clear();
          reference.clear();
        }
        break;
      default:
        list = List(reference.begin(), reference.end());
    }
    same(list);
  }
  List items{1, 2, 3};
  ASSERT_EQ(items.front() + items.back(), 4u);
}

// ---- DenseIntMap ---------------------------------------------------------------------------

// Keys counted up from 0 (held in the vector), negative and far ones (in the hash map), and
// keys the vector grows over after they went to the hash map agree with std::unordered_map.
// Elements stay where they were made as the list grows chunk by chunk (4 per chunk here).
TEST(ChunkedList, KeepsElementsInPlaceAcrossChunks) {
  struct Item {
    std::uint64_t value;
    std::uint32_t half;
  };
  brintavel::text::ChunkedList<Item, 2> list;
  EXPECT_TRUE(list.empty());
  std::vector<const Item*> made;
  for (std::uint64_t k = 0; k < 37; ++k)
    made.push_back(&list.emplace_back(Item{k * k, static_cast<std::uint32_t>(k / 2)}));
  ASSERT_EQ(list.size(), 37u);
  for (std::size_t k = 0; k < list.size(); ++k) {
    EXPECT_EQ(&list[k], made[k]);
    EXPECT_EQ(list[k].value, k * k);
    EXPECT_EQ(list[k].half, k / 2);
  }
}

TEST(DenseIntMap, AgreesWithUnorderedMap) {
  std::mt19937 random(5);
  DenseIntMap<int> dense;
  std::unordered_map<std::int64_t, int> reference;
  for (int step = 0; step < 100000; ++step) {
    std::int64_t key = 0;
    switch (random() % 4) {
      case 0: key = step / 3; break;
      case 1: key = static_cast<std::int64_t>(random() % 50000); break;
      case 2: key = -static_cast<std::int64_t>(random() % 100) - 1; break;
      default: key = static_cast<std::int64_t>(random()) << 20; break;
    }
    if (random() % 2) {
      dense.insert_or_assign(key, step);
      reference.insert_or_assign(key, step);
    }
    const int* value = dense.find(key);
    auto it = reference.find(key);
    ASSERT_EQ(value != nullptr, it != reference.end()) << key;
    if (value) {
      ASSERT_EQ(*value, it->second);
    }
  }
  for (const auto& [key, value] : reference) ASSERT_EQ(*dense.find(key), value);
}

// ---- Sorting by hash ----------------------------------------------------------------------

// Below and above the size where the radix sort takes over, with digits of 8 bits and of 16:
// the same items, sorted by hash, and a repeated hash found.
TEST(SortByHash, SortsByHash) {
  std::mt19937_64 random(3);
  for (std::size_t size : {0, 1, 100, 4095, 4096, 50000, 65535, 65536, 70000}) {
    std::vector<std::pair<std::uint64_t, std::size_t>> items;
    for (std::size_t i = 0; i < size; ++i) items.emplace_back(random() >> (i % 2 ? 0 : 40), i);
    auto expected = items;
    std::sort(expected.begin(), expected.end());
    sort_by_hash(items, [](const auto& item) { return item.first; });
    ASSERT_TRUE(std::is_sorted(items.begin(), items.end(), [](auto& a, auto& b) { return a.first < b.first; }))
        << size;
    std::sort(items.begin(), items.end());
    ASSERT_EQ(items, expected) << size;
    std::vector<std::uint64_t> hashes;
    for (const auto& item : items) hashes.push_back(item.first);
    bool repeated = std::adjacent_find(hashes.begin(), hashes.end()) != hashes.end();
    std::shuffle(hashes.begin(), hashes.end(), random);
    ASSERT_EQ(has_repeated_hash(hashes), repeated) << size;
    if (!hashes.empty()) {
      hashes.push_back(hashes[size / 2]);
      ASSERT_TRUE(has_repeated_hash(hashes));
    }
  }
}

// Hashes that the check's bucketing puts all in one bucket (their mixed values, a multiple of
// the inverse times 0x9E3779B97F4A7C15, are small): the bucket is checked as a whole.
TEST(SortByHash, FindsARepeatInACrowdedBucket) {
  std::uint64_t inverse = 0x9E3779B97F4A7C15ull;  // Newton's iteration for the inverse mod 2^64
  for (int i = 0; i < 6; ++i) inverse *= 2 - 0x9E3779B97F4A7C15ull * inverse;
  for (std::size_t size : {300, 5000, 20000}) {
    std::vector<std::uint64_t> hashes;
    for (std::uint64_t i = 1; i <= size; ++i) hashes.push_back(i * inverse);
    ASSERT_FALSE(has_repeated_hash(hashes)) << size;
    hashes.push_back(7 * inverse);
    ASSERT_TRUE(has_repeated_hash(hashes)) << size;
  }
}

}  // namespace
