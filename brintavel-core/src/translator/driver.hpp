// The translator driver: lowers the entry-point function of a module into a program.
#pragma once

#include <memory>
#include <optional>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "error.hpp"
#include "ir/model.hpp"
#include "qasm/model.hpp"
#include "signatures.hpp"
#include "translator/context.hpp"

namespace brintavel::translator {

// The entry point to translate: the first definition marked as one, or the entry-point
// definition named `name` when one is given. Nothing when there is none.
const ir::Function* find_entry_point(const ir::Module& module, std::optional<std::string_view> name);
// The error when find_entry_point finds nothing.
Error no_entry_point(std::optional<std::string_view> name);

// What the extended rules do differently when they lower a function again after a value was
// overwritten before a use: the result reads (by SSA name) to copy into a bool variable where
// they are made, because a later measurement overwrites the bit; and the phis (by SSA name) to
// give a variable of their own instead of the if-merge variable they would update.
struct Remedies {
  std::unordered_set<std::string_view> snapshot_reads;
  std::unordered_set<std::string_view> own_variable;
};

// Lowers one function as its blocks and instructions arrive, in source order, and at the end
// structures its control flow and assembles the program with its registers and variables.
// Only what later blocks can still refer to is kept: each block's straight-line code is
// printed as it is lowered. The first error ends the lowering; later calls are then ignored
// and finish() returns that error. Errors carry the position of the instruction or block
// they concern, in `source`.
//
// Split into regions (split_into_regions(), see translator/regions.hpp), the lowerer also
// structures and prints the function region by region as the regions close, and keeps only
// the open blocks. When the end shows that the regions do not hold, or anything fails after
// a region was closed, finish() fails and needs_whole_function() tells the caller to lower
// the function again without regions, which gives the result or the error.
class FunctionLowerer {
 public:
  FunctionLowerer(const TranslationContext& context, const SignatureTable& signatures,
                  std::string_view source, const Remedies* remedies = nullptr);
  ~FunctionLowerer();
  FunctionLowerer(const FunctionLowerer&) = delete;
  FunctionLowerer& operator=(const FunctionLowerer&) = delete;

  // A new block begins; an empty label names it by its position.
  void begin_block(std::string_view label);
  // An instruction of the current block; `where` is its text in the source (or null).
  void instruction(const ir::Instruction& instruction, const char* where);
  bool failed() const;
  Result<qasm::Program> finish();
  // Before the first block: structure and print the function region by region, closing
  // regions of at least `minimum_region` blocks.
  void split_into_regions(std::uint32_t minimum_region);
  // After finish(): the regions did not hold, and the function must be lowered again.
  bool needs_whole_function() const;
  // Extended rules, after finish() failed for a stale use: adds the remedies for the stale
  // uses to `remedies`; whether there were new ones.
  bool learn(Remedies& remedies) const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// Lowers the blocks of `entry`, a function of `module`, in source order, structures the
// control flow and declares the registers and variables used.
Result<qasm::Program> translate_entry_point(const TranslationContext& context, const ir::Module& module,
                                            const SignatureTable& signatures, const ir::Function& entry);
// The same after building the signature table and picking the entry point.
Result<qasm::Program> translate_entry_point(const TranslationContext& context,
                                            const ir::Module& module);

}  // namespace brintavel::translator
