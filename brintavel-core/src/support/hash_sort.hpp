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
// into about a quarter as many buckets, with one counting pass, and each bucket is checked on
// its own: a few hashes by comparing each pair, more by sorting them. That touches each hash
// about three times, where sorting them all takes four or eight passes of two.
inline bool has_repeated_hash(std::vector<std::uint64_t>& hashes) {
  auto sorted_repeats = [](std::vector<std::uint64_t>& items) {
    sort_by_hash(items, [](std::uint64_t h) { return h; });
    return std::adjacent_find(items.begin(), items.end()) != items.end();
  };
  const std::size_t n = hashes.size();
  if (n < 256) return sorted_repeats(hashes);
  unsigned bits = 6;
  while (bits < 24 && (std::size_t{4} << bits) < n) ++bits;
  auto bucket = [&](std::uint64_t h) { return static_cast<std::size_t>((h * 0x9E3779B97F4A7C15ull) >> (64 - bits)); };
  // (A count per bucket, then where each begins, then, once the hashes are placed, where each
  // ends: bucket b is [ends[b - 1], ends[b]).)
  std::vector<std::uint32_t> ends(std::size_t{1} << bits, 0);
  for (std::uint64_t h : hashes) ++ends[bucket(h)];
  std::uint32_t sum = 0;
  for (std::uint32_t& e : ends) sum += std::exchange(e, sum);
  std::vector<std::uint64_t> spread(n);
  for (std::uint64_t h : hashes) spread[ends[bucket(h)]++] = h;
  std::vector<std::uint64_t> large;  // a bucket of many (hashes that share their mixed bits)
  for (std::size_t b = 0; b < ends.size(); ++b) {
    const std::uint32_t begin = b == 0 ? 0 : ends[b - 1];
    const std::uint64_t* first = spread.data() + begin;
    const std::size_t size = ends[b] - begin;
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
