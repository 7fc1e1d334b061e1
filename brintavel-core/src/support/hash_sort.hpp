// Sorts by 64-bit hashes in linear time (a least-significant-digit radix sort over 16-bit
// digits), for the checks over all the names of a long function: a hash that comes twice, the
// blocks a label names.
#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace brintavel::text {

// Sorts `items` by `hash(item)`, a 64-bit value (items of equal hashes in no given order).
// Digits of 16 bits take four passes; below 2^16 items, digits of 8 bits (eight passes) keep
// the table of counts small beside the items.
template <class T, class Hash>
void sort_by_hash(std::vector<T>& items, Hash hash) {
  if (items.size() < 4096) {
    std::sort(items.begin(), items.end(), [&](const T& a, const T& b) { return hash(a) < hash(b); });
    return;
  }
  const unsigned digit = items.size() < (1u << 16) ? 8 : 16;
  const std::uint64_t mask = (std::uint64_t{1} << digit) - 1;
  std::vector<T> other(items.size());
  std::vector<std::uint32_t> counts(std::size_t{1} << digit);
  for (unsigned shift = 0; shift < 64; shift += digit) {
    std::fill(counts.begin(), counts.end(), 0);
    for (const T& item : items) ++counts[(hash(item) >> shift) & mask];
    std::uint32_t sum = 0;
    for (std::uint32_t& c : counts) sum += std::exchange(c, sum);
    for (const T& item : items) other[counts[(hash(item) >> shift) & mask]++] = item;
    items.swap(other);
  }
}

// Whether a hash comes twice among `hashes` (which it reorders). Past a few hundred, the hashes
// are spread by their bits (mixed again, so that hashes alike in their high bits spread too)
// into about a quarter as many buckets, in place (each hash swapped into its bucket at most
// once, as in an American flag sort), and each bucket is checked on its own: a few hashes by
// comparing each pair, more by sorting them. That touches each hash a few times, where sorting
// them all takes four or eight passes of two, and holds two counts per bucket where a sort
// holds a copy of the hashes.
inline bool has_repeated_hash(std::vector<std::uint64_t>& hashes) {
  auto sorted_repeats = [](std::vector<std::uint64_t>& items) {
    sort_by_hash(items, [](std::uint64_t h) { return h; });
    return std::adjacent_find(items.begin(), items.end()) != items.end();
  };
  const std::size_t n = hashes.size();
  if (n < 256) return sorted_repeats(hashes);
  unsigned bits = 6;
  while (bits < 24 && (std::size_t{4} << bits) < n) ++bits;
  const std::size_t buckets = std::size_t{1} << bits;
  auto bucket = [&](std::uint64_t h) { return static_cast<std::size_t>((h * 0x9E3779B97F4A7C15ull) >> (64 - bits)); };
  // Where each bucket begins (and, last, n); where the next hash of each goes.
  std::vector<std::uint32_t> begins(buckets + 1, 0);
  for (std::uint64_t h : hashes) ++begins[bucket(h) + 1];
  for (std::size_t b = 1; b <= buckets; ++b) begins[b] += begins[b - 1];
  std::vector<std::uint32_t> next(begins.begin(), begins.end() - 1);
  // (The buckets before b are complete, so the hashes from next[b] on belong to b or later.)
  for (std::size_t b = 0; b < buckets; ++b)
    while (next[b] < begins[b + 1]) {
      const std::size_t to = bucket(hashes[next[b]]);
      if (to == b) ++next[b];
      else std::swap(hashes[next[b]], hashes[next[to]++]);
    }
  std::vector<std::uint64_t> large;  // a bucket of many (hashes that share their mixed bits)
  for (std::size_t b = 0; b < buckets; ++b) {
    const std::uint64_t* first = hashes.data() + begins[b];
    const std::size_t size = begins[b + 1] - begins[b];
    if (size <= 16) {
      for (std::size_t i = 1; i < size; ++i)
        for (std::size_t j = 0; j < i; ++j)
          if (first[i] == first[j]) return true;
      continue;
    }
    large.assign(first, first + size);
    if (sorted_repeats(large)) return true;
  }
  return false;
}

}  // namespace brintavel::text
