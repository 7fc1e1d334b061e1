// The tags that stand for captures in the expressions of a function (qasm::Identifier::capture):
// one per distinct capture, numbered from 1 in the order they are first asked for.
//
// A tag is asked for where a value is read, so almost always for a capture of the block being
// lowered: those are found in a small table of the captures made since the table was last
// emptied, which stays in the cache however long the function. Captures of earlier blocks are
// found in an index of all the others, built when first needed and extended as it is used.
#pragma once

#include <cstdint>
#include <vector>

#include "support/chunked_list.hpp"
#include "translator/dataflow.hpp"

namespace brintavel::translator {

class CaptureTags {
 public:
  // The tag of `capture`, made on first use.
  std::uint32_t tag_of(const Capture& capture);
  // The tag of `capture`, or 0 when it has none.
  std::uint32_t existing(const Capture& capture);
  // The capture a tag stands for.
  const Capture& captured(std::uint32_t tag) const { return captures_[tag - 1]; }
  // A block begins (where the recent table may be emptied).
  void begin_block();

 private:
  // (In chunks: a long function makes one per bit it reads, and the list grows without a copy.)
  using Captures = text::ChunkedList<Capture>;
  // An open-addressing table of tags (0: an empty slot), at most half full, whose keys are
  // their captures.
  struct Table {
    std::vector<std::uint32_t> slots;
    std::size_t count = 0;
    // The slot of `capture`'s tag, or the empty slot where it would go.
    std::size_t slot(const Capture& capture, const Captures& captures) const;
    void insert(std::uint32_t tag, const Captures& captures);
    std::uint32_t find(const Capture& capture, const Captures& captures) const {
      return slots.empty() ? 0 : slots[slot(capture, captures)];
    }
  };
  // The tag of `capture` among those made before the recent ones, or 0.
  std::uint32_t find_earlier(const Capture& capture);

  Captures captures_;              // by tag - 1
  Table recent_;                   // the tags from recent_start_ + 1 on
  std::uint32_t recent_start_ = 0;
  std::uint32_t recent_floor_ = 0;  // every capture made before the recent ones is of a block before it
  std::uint32_t blocks_below_ = 0;  // every capture made so far is of a block before it
  Table earlier_;                   // the tags up to indexed_, built when first needed
  std::uint32_t indexed_ = 0;
};

}  // namespace brintavel::translator
