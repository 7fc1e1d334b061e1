// Sorts by 64-bit hashes in linear time (a least-significant-digit radix sort over 16-bit
// digits), for the checks over all the names of a long function: a hash that comes twice, the
// blocks a label names.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
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

namespace detail {

// Mixes a hash again, so that hashes alike in their high bits spread too.
inline std::uint64_t mixed(std::uint64_t h) { return h * 0x9E3779B97F4A7C15ull; }

// Spreads `hashes` in place into 2^bits buckets by their top mixed bits (each hash swapped
// into its bucket at most once, as in an American flag sort); `begins` receives where each
// bucket begins (and, last, the end).
inline void spread(std::span<std::uint64_t> hashes, unsigned bits, std::vector<std::uint32_t>& begins,
                   std::vector<std::uint32_t>& next) {
  const std::size_t buckets = std::size_t{1} << bits;
  auto bucket = [&](std::uint64_t h) { return static_cast<std::size_t>(mixed(h) >> (64 - bits)); };
  begins.assign(buckets + 1, 0);
  for (std::uint64_t h : hashes) ++begins[bucket(h) + 1];
  for (std::size_t b = 1; b <= buckets; ++b) begins[b] += begins[b - 1];
  next.assign(begins.begin(), begins.end() - 1);
  // (The buckets before b are complete, so the hashes from next[b] on belong to b or later.)
  for (std::size_t b = 0; b < buckets; ++b)
    while (next[b] < begins[b + 1]) {
      const std::size_t to = bucket(hashes[next[b]]);
      if (to == b) ++next[b];
      else std::swap(hashes[next[b]], hashes[next[to]++]);
    }
}

// Whether a hash comes twice in a bucket: among a few, each pair compared; among more (hashes
// that share their mixed bits), sorted.
inline bool bucket_repeats(std::span<std::uint64_t> hashes) {
  const std::size_t size = hashes.size();
  if (size >= 4096) {
    std::vector<std::uint64_t> sorted(hashes.begin(), hashes.end());
    sort_by_hash(sorted, [](std::uint64_t h) { return h; });
    return std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end();
  }
  if (size > 16) {
    std::sort(hashes.begin(), hashes.end());
    return std::adjacent_find(hashes.begin(), hashes.end()) != hashes.end();
  }
  for (std::size_t i = 1; i < size; ++i)
    for (std::size_t j = 0; j < i; ++j)
      if (hashes[i] == hashes[j]) return true;
  return false;
}

// Whether a hash comes twice among `hashes`: spread into about a quarter as many buckets, each
// checked on its own.
inline bool spread_repeats(std::span<std::uint64_t> hashes) {
  unsigned bits = 6;
  while (bits < 24 && (std::size_t{4} << bits) < hashes.size()) ++bits;
  std::vector<std::uint32_t> begins, next;
  spread(hashes, bits, begins, next);
  for (std::size_t b = 0; b + 1 < begins.size(); ++b)
    if (bucket_repeats(hashes.subspan(begins[b], begins[b + 1] - begins[b]))) return true;
  return false;
}

}  // namespace detail

// Whether a hash comes twice among `hashes` (which it reorders). Past a few hundred, the hashes
// are spread by their bits into about a quarter as many buckets, in place, and each bucket is
// checked on its own: a few hashes by comparing each pair, more by sorting them. That touches
// each hash a few times, where sorting them all takes four or eight passes of two, and holds
// two counts per bucket where a sort holds a copy of the hashes. From kSpreadInPlace hashes on,
// the swaps, which mispredict, and the counts, which reach all over memory, would cost more
// per hash the more there are: the hashes are copied out instead, first into 256 buckets by
// their top bits (256 places written to, which stay in the processor's cache), then each of
// those into buckets of about eight by the bits below.
inline constexpr std::size_t kSpreadInPlace = std::size_t{1} << 14;
inline bool has_repeated_hash(std::vector<std::uint64_t>& hashes) {
  const std::size_t n = hashes.size();
  if (n < 256) return detail::bucket_repeats(hashes);
  if (n < kSpreadInPlace) return detail::spread_repeats(hashes);
  auto top = [](std::uint64_t h) { return static_cast<std::size_t>(detail::mixed(h) >> 56); };
  std::uint32_t starts[257] = {};
  for (std::uint64_t h : hashes) ++starts[top(h) + 1];
  for (std::size_t t = 1; t <= 256; ++t) starts[t] += starts[t - 1];
  std::uint32_t at[256];
  std::copy(starts, starts + 256, at);
  std::vector<std::uint64_t> by_top(n);
  for (std::uint64_t h : hashes) by_top[at[top(h)]++] = h;
  hashes.swap(by_top);
  std::vector<std::uint64_t>().swap(by_top);
  std::vector<std::uint32_t> begins, next;
  std::vector<std::uint64_t> part;
  for (std::size_t t = 0; t < 256; ++t) {
    std::span<const std::uint64_t> in_top = std::span(hashes).subspan(starts[t], starts[t + 1] - starts[t]);
    unsigned bits = 1;
    while (bits < 24 && (std::size_t{8} << bits) < in_top.size()) ++bits;
    auto bucket = [&](std::uint64_t h) { return static_cast<std::size_t>((detail::mixed(h) << 8) >> (64 - bits)); };
    begins.assign((std::size_t{1} << bits) + 1, 0);
    for (std::uint64_t h : in_top) ++begins[bucket(h) + 1];
    for (std::size_t b = 1; b < begins.size(); ++b) begins[b] += begins[b - 1];
    next.assign(begins.begin(), begins.end() - 1);
    part.resize(in_top.size());
    for (std::uint64_t h : in_top) part[next[bucket(h)]++] = h;
    for (std::size_t b = 0; b + 1 < begins.size(); ++b)
      if (detail::bucket_repeats(std::span(part).subspan(begins[b], begins[b + 1] - begins[b]))) return true;
  }
  return false;
}

}  // namespace brintavel::text
