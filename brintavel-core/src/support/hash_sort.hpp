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

// Whether a hash comes twice among `hashes` (which it sorts).
inline bool has_repeated_hash(std::vector<std::uint64_t>& hashes) {
  sort_by_hash(hashes, [](std::uint64_t h) { return h; });
  return std::adjacent_find(hashes.begin(), hashes.end()) != hashes.end();
}

}  // namespace brintavel::text
