// Where substituted values are still current, over the whole branch graph.
//
// SSA values are substituted into their uses, so an expression that reads a result bit or an
// int variable reads it where it is used, not where the SSA value was defined. That is only
// right when no write to the bit or variable lies on any path from the definition to the use.
// Writes and reads are recorded as the blocks are lowered (a program point is a block and a
// statement position in it); once every block's successors are known, `find_stale_read` checks
// every recorded use, and `results_may_be_read_unset` tells whether some bit may be read
// before anything was measured into it on some path (QIR reads it as Zero). A function
// lowered region by region settles each region's own uses as it closes (`settle_region`), so
// that a long function keeps the records of its writes, not of every use.
#pragma once

#include <algorithm>
#include <deque>
#include <span>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "error.hpp"
#include "support/chunked_list.hpp"
#include "support/flat_name_map.hpp"
#include "translator/block_graph.hpp"

namespace brintavel::translator {

class SizeBudget;


// A result bit c[index], or the int variable with this number.
struct Resource {
  enum class Kind : std::uint8_t { Bit, Variable };
  Kind kind;
  std::int64_t index;
  friend bool operator==(const Resource&, const Resource&) = default;
};

// Before the statement `position` of block `block` (in source order): a read or write at a
// point happens after every statement with a smaller position. kBlockEnd is after all of a
// block's statements, where its branch condition is evaluated.
struct ProgramPoint {
  std::uint32_t block = 0;
  std::uint64_t position = 0;
  friend bool operator==(const ProgramPoint&, const ProgramPoint&) = default;
};
inline constexpr std::uint64_t kBlockEnd = std::numeric_limits<std::uint64_t>::max();

// A value read from `resource` at `at`, part of an SSA value's expression.
struct Capture {
  Resource resource;
  ProgramPoint at;
  friend bool operator==(const Capture&, const Capture&) = default;
};
struct CaptureHash {
  std::size_t operator()(const Capture& c) const {
    return std::hash<std::int64_t>{}(c.resource.index) ^
           (std::hash<std::uint64_t>{}(c.at.position) * 0x9E3779B97F4A7C15ULL) ^
           (std::hash<std::uint32_t>{}(c.at.block) * 31);
  }
};

// Who reads substituted values at a use, for the message: an SSA value, or the branch
// condition of a block.
struct Reader {
  enum class Kind : std::uint8_t { SsaValue, BranchCondition };
  Kind kind;
  std::string_view name;
};

// The messages refusing a stale value; `what` names its reader.
std::string overwritten_result_message(std::string_view what, std::int64_t bit);
std::string overwritten_variable_message(std::string_view what, std::string_view variable,
                                         std::string_view phi);

class Dataflow {
 public:
  Dataflow() = default;
  Dataflow(const Dataflow&) = delete;
  Dataflow& operator=(const Dataflow&) = delete;
  Dataflow(Dataflow&&) = default;
  Dataflow& operator=(Dataflow&&) = default;
  // The number of the variable `name`: for a variable made by the translation its
  // variable_name_key(), which needs no table (a long program of loops makes a few per
  // loop); for another name, one made on first use, above all keys.
  std::int64_t variable(std::string_view name);
  // The name of variable number `index`.
  std::string variable_name(std::int64_t index) const;

  // A measurement into a bit, or an assignment to a variable (by the phi `by`). A
  // conditional write stands until drop_conditional_writes decides on it.
  void note_write(Resource resource, ProgramPoint at, std::string_view by = {},
                  bool conditional = false);
  // Keeps the conditional writes of the blocks for which `keep` is true, drops the others.
  void drop_conditional_writes(const std::vector<bool>& keep);
  // The expression read by `reader` at `at` holds these captures.
  // `where` is the source text of the instruction that made the use, for the error position.
  void note_use(const std::vector<Capture>& captures, ProgramPoint at, Reader reader,
                const char* where = nullptr);

  // The first recorded use that reads a bit or variable overwritten since its capture on some
  // path, as the stale-value message; `successors` are the blocks' successors by number and
  // `labels` their labels. The graph searches are charged to `budget`.
  // `where` receives the source text of the stale use. With `stale`, every stale use is
  // found instead, and its capture appended there with the phi that wrote over a variable it
  // read; the status then only says whether the search finished within the budget.
  struct StaleRead {
    Capture capture;
    std::string_view overwritten_by;  // the phi, for a variable
  };
  Status find_stale_read(const BlockGraph& successors,
                         const std::vector<std::string_view>& labels, SizeBudget& budget,
                         const char** where = nullptr, std::vector<StaleRead>* stale = nullptr);

  // Whether some use of a result bit may read it before any measurement into that bit, on
  // some path from the entry block (block 0).
  Result<bool> results_may_be_read_unset(const BlockGraph& successors,
                                         const std::vector<std::string_view>& labels,
                                         SizeBudget& budget);

  // The phis that write variables are left out of the records: no message will name them
  // (a failure of the regions is reported by the whole function, lowered again).
  void leave_out_writers() { keep_writers_ = false; }

  // The blocks [start, end) form a region no later block branches into, entered only through
  // block `start`: `region` is its graph (block `start` is number 0; the block that follows,
  // if there, has no successors) and `cyclic` tells which of its blocks lie on cycles. Every
  // path between two of its points stays in it, so the uses whose capture and use both lie
  // in it are decided now and let go, except the reads of a bit not measured before them in
  // their block (results_may_be_read_unset looks at those over the whole graph). False when
  // one of them is stale, or the search ran out of budget: the checks over the whole graph
  // then tell which.
  bool settle_region(std::uint32_t start, std::uint32_t end, const BlockGraph& region,
                     const std::vector<bool>& cyclic, SizeBudget& budget);

 private:
  // Positions are kept in 32 bits: kBlockEnd as the largest, the others saturating below it
  // (a block of four billion statements is far beyond any input).
  static std::uint32_t narrow(std::uint64_t position) {
    return position == kBlockEnd ? UINT32_MAX : static_cast<std::uint32_t>(std::min<std::uint64_t>(position, UINT32_MAX - 1));
  }
  static std::uint64_t widen(std::uint32_t position) { return position == UINT32_MAX ? kBlockEnd : position; }

  // A write, in 24 bytes: programs hold one per measurement and per assignment of a phi's
  // variable.
  struct Write {
    std::int64_t index;       // the resource's
    std::uint32_t position;   // the point's (narrowed)
    std::uint32_t block;      // the point's
    std::uint32_t by;         // the phi that wrote a variable: its position in phis_ (in the order
                              // the writes were recorded), or kNoPhi
    Resource::Kind kind;
    bool conditional;

    Resource resource() const { return Resource{kind, index}; }
    ProgramPoint at() const { return ProgramPoint{block, widen(position)}; }
  };
  static constexpr std::uint32_t kNoPhi = UINT32_MAX;
  std::string_view by_of(const Write& write) const { return write.by == kNoPhi ? std::string_view() : phis_[write.by]; }
  // A use of one capture, in 48 bytes (a program holds several per value it computes), kept
  // in chunks: the list of a long program grows without a copy of it.
  struct Use {
    std::int64_t index;            // the captured resource's
    const char* reader_name;
    const char* where;
    std::uint32_t captured_at;     // the capture's position (narrowed)
    std::uint32_t position;        // the use's (narrowed)
    std::uint32_t captured_in;     // the capture's block
    std::uint32_t block;           // the use's
    std::uint32_t reader_length;
    Resource::Kind kind;
    Reader::Kind reader_kind;

    Use(const Capture& c, ProgramPoint u, Reader by, const char* source)
        : index(c.resource.index), reader_name(by.name.data()), where(source),
          captured_at(narrow(c.at.position)), position(narrow(u.position)), captured_in(c.at.block),
          block(u.block), reader_length(static_cast<std::uint32_t>(by.name.size())), kind(c.resource.kind),
          reader_kind(by.kind) {}
    Resource resource() const { return Resource{kind, index}; }
    Capture capture() const { return Capture{resource(), ProgramPoint{captured_in, widen(captured_at)}}; }
    ProgramPoint at() const { return ProgramPoint{block, widen(position)}; }
    Reader reader() const { return Reader{reader_kind, std::string_view(reader_name, reader_length)}; }
  };

  void sort_writes();
  std::string describe_stale(const Use& use, const Write& write) const;

  text::ChunkedList<Write> writes_;  // sorted by resource, block and position when analysed
  std::vector<std::string_view> phis_;  // the phis that wrote variables
  bool writes_sorted_ = true;
  bool keep_writers_ = true;
  text::ChunkedList<Use> uses_;
  // Where settle_region looks next: the writes before settled_writes_ are of settled
  // regions, and so are the uses before kept_uses_ (those it keeps for the whole graph).
  std::size_t settled_writes_ = 0;
  std::size_t kept_uses_ = 0;
  // The names that are not of variables made by the translation, numbered from kOtherNames
  // in order (views of the names, which stay in place), and their numbers.
  static constexpr std::int64_t kOtherNames = std::int64_t{1} << 40;
  std::deque<std::string> other_names_;
  text::FlatNameMap<std::int64_t> other_numbers_;
};

}  // namespace brintavel::translator
