// Lowering of phi instructions: short-circuit Boolean merges, 0/1 integer diamonds and
// if-merged integer variables.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "error.hpp"
#include "ir/model.hpp"
#include "qasm/model.hpp"
#include "translator/context.hpp"

namespace brintavel::translator {

// The blocks lowered so far, in source order, with the lookups the phi rules make. The
// indexes keep every lookup constant-time however many blocks and phis there are; they are
// brought up to date when a phi asks, so programs without phis never build them.
class ProcessedBlocks {
 public:
  void append(BlockLowering block) { blocks_.push_back(std::move(block)); }

  bool empty() const { return blocks_.empty(); }
  std::vector<BlockLowering>& list() { return blocks_; }
  // The lowerings, in source order; the lookup indexes are released.
  std::vector<BlockLowering> take();
  // The first `count` lowerings, which are looked up no more; the indexes are rebuilt for
  // the rest when a phi next asks.
  std::vector<BlockLowering> take_front(std::size_t count);

  // The first block with this label, in source order.
  BlockLowering* first_labelled(std::string_view label);
  // The last block with this label among those that end in a conditional branch.
  const BlockLowering* last_conditional_labelled(std::string_view label) const;
  // The first block ending in a conditional branch whose two targets include both labels.
  const BlockLowering* first_branching_to(std::string_view a, std::string_view b) const;

 private:
  void index_new_blocks() const;

  struct PairHash {
    std::size_t operator()(const std::pair<std::string_view, std::string_view>& p) const {
      return std::hash<std::string_view>{}(p.first) * 31 + std::hash<std::string_view>{}(p.second);
    }
  };
  std::vector<BlockLowering> blocks_;
  mutable std::size_t indexed_ = 0;  // blocks_[0, indexed_) are in the indexes
  mutable text::NameMap<std::size_t> first_by_label_;
  mutable text::NameMap<std::size_t> last_conditional_by_label_;
  mutable std::unordered_map<std::pair<std::string_view, std::string_view>, std::size_t, PairHash>
      first_by_targets_;
};

// The variables that phis declare, in creation order: cint_N (if-merge phis), and in
// extended mode also cbool_N and cfloat_N, numbered per type.
struct IntVariables {
  std::vector<qasm::IntDeclaration> declarations;
  std::unordered_set<std::string> names;
  std::array<std::uint32_t, 3> counts{};  // names made, by qasm::ScalarType

  // The next name for a variable of `type`.
  std::string next_name(qasm::ScalarType type);
  // Declares a new variable of `type` (starting at 0, false or 0.0); returns its name.
  std::string declare(qasm::ScalarType type);
};

// An if-merge variable declared with a constant starts from it again in the block that
// branches to the merge, which matters only when that block runs more than once (lies on a
// cycle of the branch graph). That is known once every block is lowered; until then the
// assignment stands as a statement of its own, element `element` of block `block`.
struct PendingReset {
  std::uint32_t block;
  std::size_t element;
};
using PendingResets = std::vector<PendingReset>;

// The phi merges 0 and 1 from the empty arms of a diamond: binds it to the branch condition
// (or its complement). False when the shape does not match.
Result<bool> lower_zero_one_diamond(const ir::Phi& phi, ProcessedBlocks& processed, LoweringContext& ctx);

// Lowers a phi of the block labelled `block_label`; may append assignments to processed
// blocks and one declaration to `variables`. Restarts are recorded in `resets` when given.
Status lower_phi(const ir::Phi& phi, std::string_view block_label, ProcessedBlocks& processed,
                 IntVariables& variables, LoweringContext& ctx, PendingResets* resets = nullptr);

}  // namespace brintavel::translator
