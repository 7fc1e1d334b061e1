// The table of QIR functions the translator can lower, each with the rule that lowers it.
#pragma once

#include <optional>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <variant>
#include <vector>

#include "ir/text.hpp"

namespace brintavel::builders {

// One GateCall named `gate_name`, with an inverse modifier when `adjoint` is set.
struct Gate {
  std::string_view gate_name;
  bool adjoint = false;
};
struct Measurement {};        // c[j] = measure q[i];
struct MeasureAndReset {};    // the measurement, then reset q[i];
struct ResetQubit {};         // reset q[i];
struct ReadResult {};         // no statement; binds the call's result to c[j]
struct NoOp {};               // accepted and dropped
struct GeneralizedControlled {};  // the variadic controlled-invocation intrinsic

using BuilderKind = std::variant<Gate, Measurement, MeasureAndReset, ResetQubit, ReadResult, NoOp,
                                 GeneralizedControlled>;

// Kinds that need no specialized operand handling: their callees may not be variadic and
// their operand count is always checked.
inline bool is_default_dispatch(const BuilderKind& kind) { return kind.index() <= 4; }

class Profile {
 public:
  std::string_view name() const { return name_; }
  const std::vector<std::pair<std::string_view, BuilderKind>>& entries() const { return entries_; }

  void add(std::string_view function, BuilderKind kind);
  const BuilderKind* find_exact(std::string_view function) const;

 private:
  std::string_view name_ = "base_profile";
  std::vector<std::pair<std::string_view, BuilderKind>> entries_;
  text::NameMap<std::size_t> index_;
};

// The base profile: the Halvek gate table, measurement, reset, result reads, output
// recording and runtime calls that are dropped, and the controlled-invocation intrinsic.
Profile build_base_profile();

// Exact name first; otherwise, for names beginning with "llvm.", the first entry (in
// insertion order) whose name is a prefix of the callee.
const BuilderKind* lookup_builder(const Profile& profile, std::string_view callee);

}  // namespace brintavel::builders
