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

// The buckets of hashes by `bits` of their mixed value, below its top `shift` bits: `begins`
// receives where each bucket begins among the hashes in bucket order (and, last, their
// number), and `next` the same, to be moved on as hashes are placed.
struct Buckets {
  unsigned shift;
  unsigned bits;
  std::size_t of(std::uint64_t h) const { return static_cast<std::size_t>((mixed(h) << shift) >> (64 - bits)); }
  void count(std::span<const std::uint64_t> hashes, std::vector<std::uint32_t>& begins,
             std::vector<std::uint32_t>& next) const {
    begins.assign((std::size_t{1} << bits) + 1, 0);
    for (std::uint64_t h : hashes) ++begins[of(h) + 1];
    for (std::size_t b = 1; b < begins.size(); ++b) begins[b] += begins[b - 1];
    next.assign(begins.begin(), begins.end() - 1);
  }
  // Copies `hashes` into `out` (as many) in bucket order, counted into `begins` as above.
  void copy(std::span<const std::uint64_t> hashes, std::vector<std::uint32_t>& begins,
            std::vector<std::uint32_t>& next, std::span<std::uint64_t> out) const {
    count(hashes, begins, next);
    for (std::uint64_t h : hashes) out[next[of(h)]++] = h;
  }
};

// The fewest bits that give buckets of about `per_bucket` hashes, and at least `least` bits.
inline unsigned bits_for(std::size_t hashes, std::size_t per_bucket, unsigned least) {
  unsigned bits = least;
  while (bits < 24 && (per_bucket << bits) < hashes) ++bits;
  return bits;
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

// Whether a hash comes twice among `hashes`, in buckets that `begins` delimits.
inline bool any_bucket_repeats(std::span<std::uint64_t> hashes, const std::vector<std::uint32_t>& begins) {
  for (std::size_t b = 0; b + 1 < begins.size(); ++b)
    if (bucket_repeats(hashes.subspan(begins[b], begins[b + 1] - begins[b]))) return true;
  return false;
}

}  // namespace detail

// Whether a hash comes twice among `hashes` (which it reorders). Past a few hundred, the hashes
// are spread by their bits into about a quarter as many buckets, in place (each hash swapped
// into its bucket at most once, as in an American flag sort), and each bucket is checked on
// its own: a few hashes by comparing each pair, more by sorting them. That touches each hash a
// few times, where sorting them all takes four or eight passes of two, and holds two counts
// per bucket where a sort holds a copy of the hashes. From kSpreadInPlace hashes on, the
// swaps, which mispredict, and the counts, which reach all over memory, would cost more per
// hash the more there are: the hashes are copied out instead, first into 256 buckets by their
// top bits (256 places written to, which stay in the processor's cache), then each of those
// into buckets of about eight by the bits below.
inline constexpr std::size_t kSpreadInPlace = std::size_t{1} << 14;
inline bool has_repeated_hash(std::vector<std::uint64_t>& hashes) {
  const std::size_t n = hashes.size();
  if (n < 256) return detail::bucket_repeats(hashes);
  std::vector<std::uint32_t> begins, next;
  if (n < kSpreadInPlace) {
    const detail::Buckets buckets{0, detail::bits_for(n, 4, 6)};
    buckets.count(hashes, begins, next);
    // (The buckets before b are complete, so the hashes from next[b] on belong to b or later.)
    for (std::size_t b = 0; b + 1 < begins.size(); ++b)
      while (next[b] < begins[b + 1]) {
        const std::size_t to = buckets.of(hashes[next[b]]);
        if (to == b) ++next[b];
        else std::swap(hashes[next[b]], hashes[next[to]++]);
      }
    return detail::any_bucket_repeats(hashes, begins);
  }
  std::vector<std::uint32_t> tops;
  {
    std::vector<std::uint64_t> copied(n);
    detail::Buckets{0, 8}.copy(hashes, tops, next, copied);
    hashes.swap(copied);
  }
  std::vector<std::uint64_t> part;
  for (std::size_t t = 0; t + 1 < tops.size(); ++t) {
    std::span<const std::uint64_t> top = std::span(hashes).subspan(tops[t], tops[t + 1] - tops[t]);
    part.resize(top.size());
    detail::Buckets{8, detail::bits_for(top.size(), 8, 1)}.copy(top, begins, next, part);
    if (detail::any_bucket_repeats(part, begins)) return true;
  }
  return false;
}

}  // namespace brintavel::text
