#include "translator/dataflow.hpp"

#include <algorithm>
#include <map>
#include <optional>
#include <ranges>
#include <tuple>

#include "translator/budget.hpp"
#include "translator/dominators.hpp"
#include "translator/variables.hpp"
#include "support/text.hpp"

namespace brintavel::translator {

using text::cat;
using text::q;

namespace {

bool before(const ProgramPoint& a, const ProgramPoint& b) {
  return std::tie(a.block, a.position) < std::tie(b.block, b.position);
}

// The first index in [lo, hi) where `pred` fails, where it holds on a prefix of the range.
template <class Pred>
std::size_t first_failing(std::size_t lo, std::size_t hi, Pred pred) {
  return *std::ranges::partition_point(std::views::iota(lo, hi), pred);
}

// The items [first, last) of a list of writes (a vector, or the chunked list of a function).
template <class List>
struct WriteRange {
  const List* list = nullptr;
  std::size_t first = 0, last = 0;
  std::size_t size() const { return last - first; }
  bool empty() const { return first == last; }
  const auto& operator[](std::size_t i) const { return (*list)[first + i]; }
};

// The writes of one resource, in block-and-position order, with the lookups the checks make.
template <class List>
class SortedWrites {
 public:
  explicit SortedWrites(WriteRange<List> writes) : writes_(writes) {}

  // The first write in `block` at a position in [lo, hi), as an index into the range; -1 when
  // there is none.
  std::ptrdiff_t first_in(std::uint32_t block, std::uint64_t lo, std::uint64_t hi) const {
    const ProgramPoint from{block, lo};
    std::size_t low = first_failing(0, writes_.size(), [&](std::size_t i) { return before(writes_[i].at(), from); });
    if (low == writes_.size() || writes_[low].block != block || writes_[low].at().position >= hi) return -1;
    return static_cast<std::ptrdiff_t>(low);
  }
  std::ptrdiff_t any_in(std::uint32_t block) const { return first_in(block, 0, kBlockEnd); }

  // Whether every write lies in `block` before `position`.
  bool all_before(std::uint32_t block, std::uint64_t position) const {
    return writes_.empty() ||
           (writes_[0].block == block && writes_[writes_.size() - 1].block == block &&
            writes_[writes_.size() - 1].at().position < position);
  }

 private:
  WriteRange<List> writes_;
};

// A block's label for a message, where the labels are known.
std::string_view label_at(const std::vector<std::string_view>& labels, std::uint32_t block) {
  return block < labels.size() ? labels[block] : std::string_view();
}

// Marks on blocks, all cleared at once by starting a new generation.
class BlockMarks {
 public:
  explicit BlockMarks(std::size_t blocks) : stamp_(blocks, 0) {}
  void clear() {
    if (++generation_ == 0) {
      std::fill(stamp_.begin(), stamp_.end(), 0);
      generation_ = 1;
    }
  }
  // Marks the block; false when it was marked already.
  bool mark(std::uint32_t block) {
    if (stamp_[block] == generation_) return false;
    stamp_[block] = generation_;
    return true;
  }

 private:
  std::vector<std::uint32_t> stamp_;
  std::uint32_t generation_ = 1;
};

// How the blocks are first entered on paths that start right after a capture in block
// `origin` and do not pass the capture again: reached with no write to the resource on the
// way (clean), or after one (tainted; `taint` names the first such write). The arrays are
// reused from search to search; only what a search touched is reset.
class ForwardSearch {
 public:
  static constexpr std::uint8_t kClean = 1, kTainted = 2;

  explicit ForwardSearch(std::size_t blocks) : state_(blocks, 0), taint_(blocks, -1) {}

  template <class Writes>
  std::uint64_t run(std::uint32_t origin, std::ptrdiff_t taint_at_exit, const Writes& writes,
                    const BlockGraph& successors) {
    for (std::uint32_t b : touched_) state_[b] = 0, taint_[b] = -1;
    touched_.clear();
    struct Item {
      std::uint32_t block;
      std::ptrdiff_t taint;  // -1: clean
    };
    std::vector<Item> stack;
    for (std::uint32_t s : successors[origin]) stack.push_back({s, taint_at_exit});
    std::uint64_t visited = 0;
    while (!stack.empty()) {
      Item item = stack.back();
      stack.pop_back();
      std::uint8_t bit = item.taint < 0 ? kClean : kTainted;
      if (state_[item.block] & bit) continue;
      if (state_[item.block] == 0) touched_.push_back(item.block);
      state_[item.block] |= bit;
      if (item.taint >= 0) taint_[item.block] = item.taint;
      ++visited;
      if (item.block == origin) continue;  // entering the capture's block passes the capture
      std::ptrdiff_t out = item.taint;
      if (out < 0) out = writes.any_in(item.block);
      for (std::uint32_t s : successors[item.block]) stack.push_back({s, out});
    }
    return visited;
  }
  std::uint8_t state(std::uint32_t block) const { return state_[block]; }
  std::ptrdiff_t taint(std::uint32_t block) const { return taint_[block]; }

 private:
  std::vector<std::uint8_t> state_;
  std::vector<std::ptrdiff_t> taint_;
  std::vector<std::uint32_t> touched_;
};

// Walking back from a use to its capture shows, for the captures that their uses follow
// closely, that no write lies between them; it gives up after this many blocks.
constexpr std::uint64_t kBackwardWalkBlocks = 64;

// Whether no write in `writes` can lie on a path from `capture` to a use at `use`, shown by
// walking back from the use; false when a write was found or the walk grew too long.
template <class Writes>
Result<bool> clean_by_backward_walk(const ProgramPoint& capture, const ProgramPoint& use,
                                    const Writes& writes, const Predecessors& predecessors,
                                    BlockMarks& marks, std::string_view label, SizeBudget& budget) {
  if (writes.first_in(use.block, 0, use.position) >= 0) return false;
  // The blocks that reach the use without passing the capture hold every path from the
  // capture to the use: none of them may write the resource (the capture's block only after
  // the capture).
  marks.clear();
  std::vector<std::uint32_t> stack;
  for (std::uint32_t p : predecessors.of(use.block))
    if (marks.mark(p)) stack.push_back(p);
  std::uint64_t visited = 0;
  bool clean = true;
  while (!stack.empty() && clean) {
    std::uint32_t b = stack.back();
    stack.pop_back();
    if (++visited > kBackwardWalkBlocks) {
      clean = false;
    } else if (b == capture.block) {
      clean = writes.first_in(b, capture.position, kBlockEnd) < 0;
    } else if (writes.any_in(b) >= 0) {
      clean = false;
    } else {
      for (std::uint32_t p : predecessors.of(b))
        if (marks.mark(p)) stack.push_back(p);
    }
  }
  BRINTAVEL_CHECK(budget.charge(visited, "block", label));
  return clean;
}

}  // namespace

std::int64_t Dataflow::variable(std::string_view name) {
  // (Keys stay below 3 x 10^10 + 3, far below kOtherNames.)
  if (std::optional<std::uint64_t> key = variable_name_key(name)) return static_cast<std::int64_t>(*key);
  if (const std::int64_t* found = other_numbers_.find(name)) return *found;
  const std::string& kept = other_names_.emplace_back(name);
  const std::int64_t number = kOtherNames + static_cast<std::int64_t>(other_names_.size() - 1);
  other_numbers_.try_emplace(kept, number);
  return number;
}

std::string Dataflow::variable_name(std::int64_t index) const {
  if (index >= kOtherNames) return other_names_[static_cast<std::size_t>(index - kOtherNames)];
  const auto key = static_cast<std::uint64_t>(index);
  return cat(kVariablePrefixes[key % 3], key / 3);
}

void Dataflow::note_write(Resource resource, ProgramPoint at, std::string_view by, bool conditional) {
  if (!writes_.empty() && writes_sorted_) {
    const Write& last = writes_[writes_.size() - 1];
    const std::uint32_t position = narrow(at.position);
    writes_sorted_ = std::tie(last.kind, last.index, last.block, last.position) <
                     std::tie(resource.kind, resource.index, at.block, position);
  }
  std::uint32_t phi = kNoPhi;
  if (!by.empty() && keep_writers_) {
    phi = static_cast<std::uint32_t>(phis_.size());
    phis_.push_back(by);
  }
  writes_.emplace_back(Write{resource.index, narrow(at.position), at.block, phi, resource.kind, conditional});
}

void Dataflow::drop_conditional_writes(const std::vector<bool>& keep) {
  std::size_t kept = 0;
  for (std::size_t i = 0; i < writes_.size(); ++i) {
    const Write& w = writes_[i];
    if (!w.conditional || (w.block < keep.size() && keep[w.block])) writes_[kept++] = w;
  }
  writes_.truncate(kept);
  settled_writes_ = std::min(settled_writes_, kept);
}

void Dataflow::note_use(const std::vector<Capture>& captures, ProgramPoint at, Reader reader,
                        const char* where) {
  for (const Capture& c : captures) uses_.emplace_back(c, at, reader, where);
}

namespace {

// The first position from `from` on where `pred` fails, where it holds on a prefix of
// [from, end): steps of doubling length, then a binary search within the last one.
template <class List, class Pred>
std::size_t gallop(const List& items, std::size_t from, Pred pred) {
  std::size_t lo = from, hi = from, step = 1;  // pred holds on [from, lo)
  while (hi < items.size() && pred(items[hi])) {
    lo = hi + 1;
    hi = std::min(items.size(), lo + step);
    step *= 2;
  }
  return first_failing(lo, hi, [&](std::size_t i) { return pred(items[i]); });
}

// The writes of each resource in a list sorted by resource, block and position.
template <class List>
class WriteIndex {
 public:
  explicit WriteIndex(const List& writes) : writes_(writes) {}

  WriteRange<List> of(const Resource& r) {
    auto key = [](const Resource& x) { return std::pair(static_cast<int>(x.kind), x.index); };
    auto before = [&](const auto& w) { return key(w.resource()) < key(r); };
    // Lookups mostly come in ascending order: the search starts where the last one found its
    // resource when everything before that comes before this one.
    std::size_t from = finger_ <= writes_.size() && (finger_ == 0 || before(writes_[finger_ - 1])) ? finger_ : 0;
    std::size_t first = gallop(writes_, from, before);
    std::size_t last = gallop(writes_, first, [&](const auto& w) { return key(w.resource()) == key(r); });
    finger_ = first;
    return WriteRange<List>{&writes_, first, last};
  }

 private:
  const List& writes_;
  std::size_t finger_ = 0;  // where the last resource was found
};

// The stale uses among `uses` (a list of uses, by index), each with the write in `writes`
// (sorted by resource, block and position) that overwrote what it read, appended to `found`
// as (use, write) positions. The uses whose capture lies in another block are decided by a
// forward search from the capture, one per resource, capture block and state at that
// block's end, unless a short walk back from the use shows them clean.
template <class List, class Uses>
Status collect_stale(const List& sorted, const Uses& uses, const BlockGraph& successors,
                     const std::vector<std::string_view>& labels, SizeBudget& budget,
                     std::vector<std::pair<std::size_t, std::size_t>>& found) {
  WriteIndex<List> index(sorted);
  // (Built for the first walk back: most uses need none.)
  std::optional<Predecessors> predecessors;
  std::optional<BlockMarks> marks;
  struct Deferred {
    Resource resource;
    std::uint32_t block;
    std::ptrdiff_t at_exit;
    std::size_t use;
  };
  std::vector<Deferred> deferred;
  Status status;
  for (std::size_t i = 0; i < uses.size() && status; ++i) {
    const auto& use = uses[i];
    WriteRange<List> list = index.of(use.resource());
    if (list.empty()) continue;
    SortedWrites writes(list);
    const ProgramPoint c = use.capture().at;
    const ProgramPoint u = use.at();
    if (u.block == c.block && u.position >= c.position) {
      // Any path that leaves the block comes back through the capture.
      std::ptrdiff_t w = writes.first_in(c.block, c.position, u.position);
      if (w >= 0) found.emplace_back(i, list.first + static_cast<std::size_t>(w));
      continue;
    }
    if (writes.all_before(c.block, c.position)) continue;
    if (!predecessors) predecessors.emplace(successors), marks.emplace(successors.size());
    Result<bool> clean =
        clean_by_backward_walk(c, u, writes, *predecessors, *marks, label_at(labels, c.block), budget);
    if (!clean) {
      status = std::move(clean).error();
    } else if (!*clean) {
      deferred.push_back({use.resource(), c.block, writes.first_in(c.block, c.position, kBlockEnd), i});
    }
  }
  std::sort(deferred.begin(), deferred.end(), [](const Deferred& a, const Deferred& b) {
    return std::tie(a.resource.kind, a.resource.index, a.block, a.at_exit, a.use) <
           std::tie(b.resource.kind, b.resource.index, b.block, b.at_exit, b.use);
  });
  ForwardSearch search(deferred.empty() ? 0 : successors.size());
  for (std::size_t k = 0; k < deferred.size() && status; ++k) {
    const Deferred& d = deferred[k];
    WriteRange<List> list = index.of(d.resource);
    SortedWrites writes(list);
    if (k == 0 || !(deferred[k - 1].resource == d.resource && deferred[k - 1].block == d.block &&
                    deferred[k - 1].at_exit == d.at_exit)) {
      std::uint64_t visited = search.run(d.block, d.at_exit, writes, successors);
      status = budget.charge(visited, "block", label_at(labels, d.block));
      if (!status) break;
    }
    const ProgramPoint u = uses[d.use].at();
    std::ptrdiff_t w = -1;
    if (search.state(u.block) & ForwardSearch::kTainted) {
      w = search.taint(u.block);
    } else if (search.state(u.block) & ForwardSearch::kClean) {
      w = writes.first_in(u.block, 0, u.position);
    }
    if (w >= 0) found.emplace_back(d.use, list.first + static_cast<std::size_t>(w));
  }
  std::sort(found.begin(), found.end());
  return status;
}

// The order of writes when analysed: by resource, block and position.
constexpr auto write_order = [](const auto& a, const auto& b) {
  return std::tie(a.kind, a.index, a.block, a.position, a.by) <
         std::tie(b.kind, b.index, b.block, b.position, b.by);
};

}  // namespace

void Dataflow::sort_writes() {
  // Measurements arrive in order; phi assignments to earlier blocks and other resources'
  // writes come in between. (Writes at one point, if any, keep the order they were recorded
  // in through their phis' numbers; those without a phi are alike.)
  if (writes_sorted_) return;
  std::sort(writes_.begin(), writes_.end(), write_order);
  writes_sorted_ = true;
}

std::string overwritten_result_message(std::string_view what, std::int64_t bit) {
  return cat(what, " read result c[", bit,
             "] before a later measurement overwrote it; reading an overwritten result is not "
             "supported");
}

std::string overwritten_variable_message(std::string_view what, std::string_view variable,
                                         std::string_view phi) {
  return cat(what, " holds the value of ", variable, " from before the phi ", q(phi),
             " updated that variable; using the earlier value afterwards is not supported");
}

std::string Dataflow::describe_stale(const Use& use, const Write& write) const {
  const Reader reader = use.reader();
  std::string what = reader.kind == Reader::Kind::SsaValue ? cat("SSA value ", q(reader.name))
                                                           : cat("the branch condition of block ", q(reader.name));
  const Resource r = use.resource();
  if (r.kind == Resource::Kind::Bit) return overwritten_result_message(what, r.index);
  return overwritten_variable_message(what, variable_name(r.index), by_of(write));
}

Status Dataflow::find_stale_read(const BlockGraph& successors,
                                 const std::vector<std::string_view>& labels,
                                 SizeBudget& budget, const char** where,
                                 std::vector<StaleRead>* stale) {
  sort_writes();
  // The stale uses, by position in uses_, with the write (position in writes_) that
  // overwrote what they read.
  std::vector<std::pair<std::size_t, std::size_t>> found;
  Status status = collect_stale(writes_, uses_, successors, labels, budget, found);
  if (stale) {
    // Every stale use, when the search finished.
    for (const auto& [use, write] : found) stale->push_back(StaleRead{uses_[use].capture(), by_of(writes_[write])});
    return status;
  }
  // A stale use is reported before a search that ran out of budget.
  if (found.empty()) return status;
  const Use& first = uses_[found.front().first];
  if (where) *where = first.where;
  return unsupported(describe_stale(first, writes_[found.front().second]));
}

Result<bool> Dataflow::results_may_be_read_unset(
    const BlockGraph& successors,
    const std::vector<std::string_view>& labels, SizeBudget& budget) {
  sort_writes();
  WriteIndex<text::ChunkedList<Write>> index(writes_);
  // OpenQASM reads a bit where the expression that holds it is used, which a short-circuit
  // phi, for one, lets a path reach without passing the read in the QIR. The bits read at
  // uses that no write precedes in their own block, and those blocks:
  std::vector<std::pair<std::int64_t, std::uint32_t>> open_reads;
  for (std::size_t i = 0; i < uses_.size(); ++i) {
    const Use& use = uses_[i];
    const Resource r = use.resource();
    if (r.kind != Resource::Kind::Bit) continue;
    WriteRange<text::ChunkedList<Write>> list = index.of(r);
    if (list.empty()) return true;  // read, never written
    if (SortedWrites(list).first_in(use.block, 0, use.position) >= 0) continue;
    open_reads.emplace_back(r.index, use.block);
  }
  if (open_reads.empty() || successors.empty()) return false;
  std::sort(open_reads.begin(), open_reads.end());
  open_reads.erase(std::unique(open_reads.begin(), open_reads.end()), open_reads.end());

  // Such a read may see the bit unset when a path from the start of the entry block (block
  // 0) reaches the start of its block through blocks that do not write the bit. A block
  // that writes the bit and dominates the read's block rules that out at once; otherwise a
  // walk back from the read's block looks for such a path (shared by the reads of a bit).
  Predecessors predecessors(successors);
  Dominators dominators(successors, predecessors);
  BlockMarks marks(successors.size());
  std::vector<std::uint32_t> dominated;  // of the current bit's read blocks
  struct Item {
    std::uint32_t preorder;
    bool is_write;
    std::uint32_t block;
  };
  std::vector<Item> items;
  std::vector<std::uint32_t> enclosing;
  for (std::size_t g = 0; g < open_reads.size();) {
    std::int64_t bit = open_reads[g].first;
    std::size_t end = g;
    while (end < open_reads.size() && open_reads[end].first == bit) ++end;
    WriteRange<text::ChunkedList<Write>> list = index.of(Resource{Resource::Kind::Bit, bit});
    SortedWrites writes(list);
    dominated.clear();
    if (dominators.has_tree()) {
      // The read blocks with a writing block among their strict dominators: a sweep in
      // dominator-tree preorder that keeps the writing blocks enclosing the current one.
      items.clear();
      for (std::size_t k = 0; k < list.size(); ++k)
        if (const auto& w = list[k]; dominators.reachable(w.block) && (items.empty() || items.back().block != w.block))
          items.push_back({dominators.preorder(w.block), true, w.block});
      for (std::size_t k = g; k < end; ++k)
        if (dominators.reachable(open_reads[k].second))
          items.push_back({dominators.preorder(open_reads[k].second), false, open_reads[k].second});
      std::sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
        return std::tie(a.preorder, a.is_write) < std::tie(b.preorder, b.is_write);
      });
      enclosing.clear();
      for (const Item& item : items) {
        while (!enclosing.empty() && !dominators.dominates(enclosing.back(), item.block)) enclosing.pop_back();
        if (item.is_write) {
          enclosing.push_back(item.block);
        } else if (!enclosing.empty()) {
          dominated.push_back(item.block);
        }
      }
      std::sort(dominated.begin(), dominated.end());
    }
    marks.clear();
    std::vector<std::uint32_t> stack;
    std::uint64_t visited = 0;
    for (std::size_t k = g; k < end; ++k) {
      std::uint32_t block = open_reads[k].second;
      if (std::binary_search(dominated.begin(), dominated.end(), block)) continue;
      if (dominators.has_tree() && !dominators.reachable(block)) continue;
      if (block == 0) return true;
      if (!marks.mark(block)) continue;
      stack.push_back(block);
      while (!stack.empty()) {
        std::uint32_t b = stack.back();
        stack.pop_back();
        ++visited;
        for (std::uint32_t p : predecessors.of(b)) {
          if (!marks.mark(p) || writes.any_in(p) >= 0) continue;
          if (p == 0) return true;
          stack.push_back(p);
        }
      }
    }
    BRINTAVEL_CHECK(budget.charge(visited, "block", label_at(labels, 0)));
    g = end;
  }
  return false;
}

bool Dataflow::settle_region(std::uint32_t start, std::uint32_t end, const BlockGraph& region,
                             const std::vector<bool>& cyclic, SizeBudget& budget) {
  auto inside = [&](std::uint32_t block) { return block >= start && block < end; };
  // A use the region settles: captured and used in it.
  auto settles = [&](const Use& use) { return inside(use.block) && inside(use.captured_in); };
  // The region's writes, numbered as in `region`: recorded since the last region settled,
  // with those of later blocks in between. A conditional write stands in a block on a cycle.
  std::vector<Write> local;
  std::size_t later = writes_.size();  // the first write of a later block
  for (std::size_t i = settled_writes_; i < writes_.size(); ++i) {
    Write w = writes_[i];
    if (w.block >= end) later = std::min(later, i);
    if (!inside(w.block)) continue;
    w.block -= start;
    if (w.conditional && !(w.block < cyclic.size() && cyclic[w.block])) continue;
    local.push_back(w);
  }
  settled_writes_ = later;
  std::sort(local.begin(), local.end(), write_order);

  // The uses captured and used in the region, renumbered likewise.
  std::vector<Use> settled;
  for (std::size_t i = kept_uses_; i < uses_.size(); ++i) {
    const Use& use = uses_[i];
    if (!settles(use)) continue;
    Use& u = settled.emplace_back(use);
    u.block -= start;
    u.captured_in -= start;
  }
  std::vector<std::pair<std::size_t, std::size_t>> found;
  if (!collect_stale(local, settled, region, {}, budget, found) || !found.empty())
    return false;

  // Let them go, but for the reads of a bit that nothing measured before them in their block.
  // The uses of the region kept for the whole graph move before kept_uses_; those of later
  // blocks follow, to be looked at again.
  WriteIndex<std::vector<Write>> index(local);
  std::vector<Use> later_uses;
  std::size_t kept = kept_uses_;
  for (std::size_t i = kept_uses_; i < uses_.size(); ++i) {
    const Use use = uses_[i];
    if (use.block >= end) {
      later_uses.push_back(use);
      continue;
    }
    if (settles(use)) {
      if (use.kind != Resource::Kind::Bit) continue;
      if (SortedWrites(index.of(use.resource())).first_in(use.block - start, 0, widen(use.position)) >= 0) continue;
    }
    uses_[kept++] = use;
  }
  kept_uses_ = kept;
  for (const Use& use : later_uses) uses_[kept++] = use;
  uses_.truncate(kept);
  return true;
}

}  // namespace brintavel::translator
