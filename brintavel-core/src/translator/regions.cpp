#include "translator/regions.hpp"

#include <algorithm>

#include "support/hash_sort.hpp"

namespace brintavel::translator {

void RegionSplitter::set_edge(std::uint32_t block, std::size_t slot, std::uint32_t target) {
  if (keeps_graph_) graph_[block].set(slot, target);
}

namespace {

std::uint64_t label_hash(std::string_view label) { return text::FlatNameMap<std::uint32_t>::hash_of(label); }

}  // namespace

const std::uint32_t* RegionSplitter::find_open(std::string_view label, std::uint64_t hash) const {
  const std::uint32_t* found = open_.find(label, hash);
  return found && *found >= start_ ? found : nullptr;
}

bool RegionSplitter::is_open(std::string_view label) const { return find_open(label, label_hash(label)); }

std::optional<std::uint32_t> RegionSplitter::begin_block(std::string_view label) {
  const std::uint32_t ordinal = blocks_++;
  if (keeps_graph_) graph_.emplace_back();
  if (!holds_) return std::nullopt;
  const std::uint64_t hash =
      next_hash_ != 0 && text::same_name(label, next_label_) ? next_hash_ : label_hash(label);
  // The label's entry, made now or found (over a closed block's entry). (A label of a closed
  // block used again is found at the end.)
  auto [entry, made] = open_.try_emplace(label, ordinal, hash);
  if (!made && *entry >= start_) {
    holds_ = false;
    return std::nullopt;
  }
  *entry = ordinal;
  if (!expected_.empty()) expected_.erase(label, hash);
  // Every branch not yet resolved goes to this block.
  std::uint32_t* first = pending_.find(label, hash);
  bool candidate = first && pending_.size() == 1;
  if (first) {
    std::uint32_t r = *first;
    while (r != kEnd) {
      Ref& ref = refs_[r];
      set_edge(ref.block, ref.slot, ordinal);
      std::uint32_t next = ref.next;
      ref.next = free_refs_;
      free_refs_ = r;
      r = next;
    }
    pending_.erase(label, hash);
  }
  open_labels_.push_back(label);
  open_hashes_.push_back(hash);
  if (!candidate) return std::nullopt;
  std::optional<std::uint32_t> close;
  if (!candidates_.empty() && candidates_.back() - start_ >= minimum_region_) {
    close = candidates_.back();
    candidates_.clear();
  }
  candidates_.push_back(ordinal);
  return close;
}

void RegionSplitter::end_block(const BranchTargets& targets) {
  if (blocks_ == 0) return;
  const std::uint32_t block = blocks_ - 1;
  for (std::size_t slot = 0; slot < targets.size(); ++slot) {
    const std::uint64_t hash = label_hash(targets[slot]);
    if (slot == 0) {
      next_label_ = targets[0];
      next_hash_ = hash;
    }
    const std::uint32_t* found = find_open(targets[slot], hash);
    if (!found) {
      // A later block, or one of a closed region (which the end finds unresolved).
      std::uint32_t r = free_refs_;
      if (r != kEnd) {
        free_refs_ = refs_[r].next;
      } else {
        r = static_cast<std::uint32_t>(refs_.size());
        refs_.emplace_back();
      }
      std::uint32_t* head = pending_.try_emplace(targets[slot], kEnd, hash).first;
      refs_[r] = Ref{block, static_cast<std::uint32_t>(slot), *head};
      *head = r;
      continue;
    }
    std::uint32_t target = *found;
    set_edge(block, slot, target);
    if (target > block) continue;
    // A branch back: no block from its target on ends a region, and the end of a closed
    // region, where the open blocks start, may not be branched back to.
    if (target == start_ && start_ > 0) holds_ = false;
    while (!candidates_.empty() && candidates_.back() >= target) candidates_.pop_back();
  }
}

void RegionSplitter::closed(std::uint32_t end) {
  const auto count = static_cast<std::ptrdiff_t>(end - start_);
  closed_hashes_.insert(closed_hashes_.end(), open_hashes_.begin(), open_hashes_.begin() + count);
  open_labels_.erase(open_labels_.begin(), open_labels_.begin() + count);
  open_hashes_.erase(open_hashes_.begin(), open_hashes_.begin() + count);
  start_ = end;
  // The closed blocks' labels stay in the table, counting as absent, until they outnumber the
  // open ones by far: the table is then made again of these alone. That is cheaper than taking
  // each closed label out, and the table holds at most twice the open blocks and a few hundred.
  if (open_.size() <= 2 * open_labels_.size() + kStaleLabels) return;
  open_.reset();
  for (std::size_t i = 0; i < open_labels_.size(); ++i)
    open_.try_emplace(open_labels_[i], end + static_cast<std::uint32_t>(i), open_hashes_[i]);
}

bool RegionSplitter::finish() {
  if (!closed_any()) return true;
  if (!holds_ || !pending_.empty()) return false;
  // A label expected to come (or to name no block) that no block began with since names no
  // block at all.
  if (!expected_.empty()) {
    std::vector<std::uint64_t> expected;
    expected.reserve(expected_.size());
    expected_.for_each([&](std::string_view label, char) { expected.push_back(label_hash(label)); });
    text::sort_by_hash(expected, [](std::uint64_t h) { return h; });
    auto named = [&](std::uint64_t h) { return std::binary_search(expected.begin(), expected.end(), h); };
    if (std::any_of(closed_hashes_.begin(), closed_hashes_.end(), named) ||
        std::any_of(open_hashes_.begin(), open_hashes_.end(), named))
      return false;
  }
  // Each label was checked against the open ones as its block began; no closed one may come
  // twice either (two labels that share a hash count as the same: the function is then
  // lowered whole, with the same result). (The hashes by block number are not needed after.)
  std::vector<std::uint64_t> all = std::move(closed_hashes_);
  closed_hashes_.clear();
  all.insert(all.end(), open_hashes_.begin(), open_hashes_.end());
  return !text::has_repeated_hash(all);
}

void RegionSplitter::expect_not_begun(std::string_view label) {
  // (Before a region closes, every block that began is open.)
  if (closed_any()) expected_.try_emplace(label, 1);
}

std::optional<BlockGraph> RegionSplitter::region_graph(std::uint32_t from, std::uint32_t to,
                                                       bool with_end) const {
  BlockGraph local(to - from + (with_end ? 1 : 0));
  for (std::uint32_t b = from; b < to; ++b)
    for (std::uint32_t target : graph_[b]) {
      if (target < from || target > to || (target == to && !with_end)) return std::nullopt;
      local[b - from].push_back(target - from);
    }
  return local;
}

}  // namespace brintavel::translator
