#include "translator/dataflow.hpp"

#include <algorithm>
#include <map>
#include <optional>
#include <tuple>

#include "translator/context.hpp"

namespace brintavel::translator {

using text::cat;
using text::q;

namespace {

bool before(const ProgramPoint& a, const ProgramPoint& b) {
  return std::tie(a.block, a.position) < std::tie(b.block, b.position);
}

// The writes of one resource, in block-and-position order, with the lookups the checks make.
template <class Write>
class SortedWrites {
 public:
  explicit SortedWrites(std::span<const Write> writes) : writes_(writes) {}

  // The first write in `block` at a position in [lo, hi), as an index into the list; -1 when
  // there is none.
  std::ptrdiff_t first_in(std::uint32_t block, std::uint64_t lo, std::uint64_t hi) const {
    auto it = std::lower_bound(writes_.begin(), writes_.end(), ProgramPoint{block, lo},
                               [](const Write& w, const ProgramPoint& p) { return before(w.at, p); });
    if (it == writes_.end() || it->at.block != block || it->at.position >= hi) return -1;
    return it - writes_.begin();
  }
  std::ptrdiff_t any_in(std::uint32_t block) const { return first_in(block, 0, kBlockEnd); }

  // Whether every write lies in `block` before `position`.
  bool all_before(std::uint32_t block, std::uint64_t position) const {
    return writes_.empty() ||
           (writes_.front().at.block == block && writes_.back().at.block == block &&
            writes_.back().at.position < position);
  }

 private:
  std::span<const Write> writes_;
};

// How the blocks are first entered on paths that start right after a capture in block
// `origin` and do not pass the capture again: reached with no write to the resource on the
// way (clean), or after one (tainted; `taint` names the first such write).
struct Arrivals {
  std::vector<std::uint8_t> state;  // bit 0: clean, bit 1: tainted
  std::vector<std::ptrdiff_t> taint;
};
constexpr std::uint8_t kClean = 1, kTainted = 2;

template <class Writes>
Result<Arrivals> search_from(std::uint32_t origin, std::ptrdiff_t taint_at_exit,
                             const Writes& writes,
                             const BlockGraph& successors,
                             const std::vector<std::string_view>& labels, SizeBudget& budget) {
  std::size_t n = successors.size();
  Arrivals a{std::vector<std::uint8_t>(n, 0), std::vector<std::ptrdiff_t>(n, -1)};
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
    if (a.state[item.block] & bit) continue;
    a.state[item.block] |= bit;
    if (item.taint >= 0) a.taint[item.block] = item.taint;
    ++visited;
    if (item.block == origin) continue;  // entering the capture's block passes the capture
    std::ptrdiff_t out = item.taint;
    if (out < 0) out = writes.any_in(item.block);
    for (std::uint32_t s : successors[item.block]) stack.push_back({s, out});
  }
  BRINTAVEL_CHECK(budget.charge(visited, "block", labels[origin]));
  return a;
}

}  // namespace

std::int64_t Dataflow::variable(std::string_view name) {
  auto [it, inserted] =
      variable_numbers_.try_emplace(std::string(name), static_cast<std::int64_t>(variable_names_.size()));
  if (inserted) variable_names_.emplace_back(name);
  return it->second;
}

void Dataflow::note_write(Resource resource, ProgramPoint at, std::string_view by, bool conditional) {
  if (!writes_.empty() && writes_sorted_) {
    const Write& last = writes_.back();
    writes_sorted_ = std::tie(last.resource.kind, last.resource.index, last.at.block, last.at.position) <
                     std::tie(resource.kind, resource.index, at.block, at.position);
  }
  writes_.push_back(Write{resource, at, by, conditional, writes_.size()});
}

void Dataflow::drop_conditional_writes(const std::vector<bool>& keep) {
  std::erase_if(writes_, [&](const Write& w) {
    return w.conditional && !(w.at.block < keep.size() && keep[w.at.block]);
  });
}

void Dataflow::note_use(const std::vector<Capture>& captures, ProgramPoint at, Reader reader,
                        const char* where) {
  for (const Capture& c : captures) uses_.push_back(Use{c, at, reader, where});
}

Dataflow::WriteList Dataflow::writes_of(const Resource& r) const {
  auto key = [](const Resource& x) { return std::tie(x.kind, x.index); };
  auto [first, last] = std::equal_range(
      writes_.begin(), writes_.end(), r,
      [&](const auto& a, const auto& b) {
        if constexpr (std::is_same_v<std::decay_t<decltype(a)>, Write>)
          return key(a.resource) < key(b);
        else
          return key(a) < key(b.resource);
      });
  return WriteList(writes_.data() + (first - writes_.begin()), static_cast<std::size_t>(last - first));
}

void Dataflow::sort_writes() {
  // Measurements arrive in order; phi assignments to earlier blocks and other resources'
  // writes come in between.
  if (writes_sorted_) return;
  std::sort(writes_.begin(), writes_.end(), [](const Write& a, const Write& b) {
    return std::tie(a.resource.kind, a.resource.index, a.at.block, a.at.position, a.sequence) <
           std::tie(b.resource.kind, b.resource.index, b.at.block, b.at.position, b.sequence);
  });
  writes_sorted_ = true;
}

std::string Dataflow::describe_stale(const Use& use, const Write& write) const {
  std::string what = use.reader.kind == Reader::Kind::SsaValue
                         ? cat("SSA value ", q(use.reader.name))
                         : cat("the branch condition of block ", q(use.reader.name));
  const Resource& r = use.capture.resource;
  if (r.kind == Resource::Kind::Bit)
    return cat(what, " read result c[", r.index,
               "] before a later measurement overwrote it; reading an overwritten result is not "
               "supported");
  return cat(what, " holds the value of ", variable_names_[static_cast<std::size_t>(r.index)],
             " from before the phi ", q(write.by),
             " updated that variable; using the earlier value afterwards is not supported");
}

Status Dataflow::find_stale_read(const BlockGraph& successors,
                                 const std::vector<std::string_view>& labels,
                                 SizeBudget& budget, const char** where,
                                 std::vector<StaleRead>* stale) {
  sort_writes();
  std::optional<Error> first;
  // The first stale use's message; with `stale`, the search goes on.
  auto report = [&](const Use& use, const Write& write) {
    if (!first) {
      if (where) *where = use.where;
      first = unsupported(describe_stale(use, write));
    }
    if (stale) stale->push_back(StaleRead{use.capture, write.by});
    return stale == nullptr;
  };
  // One search per resource, capture block and state at that block's end.
  std::map<std::tuple<Resource::Kind, std::int64_t, std::uint32_t, std::ptrdiff_t>, Arrivals> searches;
  for (const Use& use : uses_) {
    WriteList list = writes_of(use.capture.resource);
    if (list.empty()) continue;
    SortedWrites writes(list);
    const ProgramPoint& c = use.capture.at;
    const ProgramPoint& u = use.at;
    if (u.block == c.block && u.position >= c.position) {
      // Any path that leaves the block comes back through the capture.
      std::ptrdiff_t w = writes.first_in(c.block, c.position, u.position);
      if (w >= 0 && report(use, list[static_cast<std::size_t>(w)])) return std::move(*first);
      continue;
    }
    if (writes.all_before(c.block, c.position)) continue;
    std::ptrdiff_t at_exit = writes.first_in(c.block, c.position, kBlockEnd);
    auto key = std::tuple{use.capture.resource.kind, use.capture.resource.index, c.block, at_exit};
    auto found = searches.find(key);
    if (found == searches.end()) {
      BRINTAVEL_TRY_ASSIGN(Arrivals arrivals,
                           search_from(c.block, at_exit, writes, successors, labels, budget));
      found = searches.emplace(key, std::move(arrivals)).first;
    }
    const Arrivals& a = found->second;
    std::ptrdiff_t w = -1;
    if (a.state[u.block] & kTainted) {
      w = a.taint[u.block];
    } else if (a.state[u.block] & kClean) {
      w = writes.first_in(u.block, 0, u.position);
    }
    if (w >= 0 && report(use, list[static_cast<std::size_t>(w)])) return std::move(*first);
  }
  if (first) return std::move(*first);
  return {};
}

Result<bool> Dataflow::results_may_be_read_unset(
    const BlockGraph& successors,
    const std::vector<std::string_view>& labels, SizeBudget& budget) {
  sort_writes();
  // OpenQASM reads a bit where the expression that holds it is used, which a short-circuit
  // phi, for one, lets a path reach without passing the read in the QIR. The bits read at
  // uses that no write precedes in their own block, and those blocks:
  std::map<std::int64_t, std::vector<std::uint32_t>> open_reads;
  for (const Use& use : uses_) {
    const Resource& r = use.capture.resource;
    if (r.kind != Resource::Kind::Bit) continue;
    WriteList list = writes_of(r);
    if (list.empty()) return true;  // read, never written
    if (SortedWrites(list).first_in(use.at.block, 0, use.at.position) >= 0) continue;
    open_reads[r.index].push_back(use.at.block);
  }
  if (open_reads.empty() || successors.empty()) return false;
  for (const auto& [bit, blocks] : open_reads) {
    SortedWrites writes(writes_of(Resource{Resource::Kind::Bit, bit}));
    std::vector<std::uint8_t> wanted(successors.size(), 0), seen(successors.size(), 0);
    for (std::uint32_t b : blocks) wanted[b] = 1;
    // Blocks whose start is reached from the entry without a write to the bit on the way.
    std::vector<std::uint32_t> stack{0};
    seen[0] = 1;
    std::uint64_t visited = 0;
    bool unset = false;
    while (!stack.empty() && !unset) {
      std::uint32_t b = stack.back();
      stack.pop_back();
      ++visited;
      if (wanted[b]) unset = true;
      if (writes.any_in(b) >= 0) continue;
      for (std::uint32_t s : successors[b])
        if (!seen[s]) seen[s] = 1, stack.push_back(s);
    }
    BRINTAVEL_CHECK(budget.charge(visited, "block", labels[0]));
    if (unset) return true;
  }
  return false;
}

}  // namespace brintavel::translator
