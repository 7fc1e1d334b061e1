// The table of QIR functions the translator can lower, each with the rule that lowers it.
#pragma once

#include <optional>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <variant>
#include <vector>

#include "support/text.hpp"

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
// The variadic controlled-invocation intrinsic; with `rewrites`, controlled operations without
// a native gate become their rewrites (gate_table.hpp), and controlled rotations take angles.
struct GeneralizedControlled {
  bool rewrites = false;
};
struct Barrier {};            // barrier on the call's qubits, or on all qubits when it has none
struct GateRewrite;
struct Rewrite {              // the native gates of a gate outside the native set
  const GateRewrite* rewrite;
};

using BuilderKind = std::variant<Gate, Measurement, MeasureAndReset, ResetQubit, ReadResult, NoOp,
                                 GeneralizedControlled, Barrier, Rewrite>;

// Kinds that need no specialized operand handling: their callees may not be variadic and
// their operand count is always checked.
inline bool is_default_dispatch(const BuilderKind& kind) { return kind.index() <= 4; }

class Profile {
 public:
  std::string_view name() const { return name_; }
  const std::vector<std::pair<std::string_view, BuilderKind>>& entries() const { return entries_; }

  void add(std::string_view function, BuilderKind kind);
  const BuilderKind* find_exact(std::string_view function) const;

  // Whether the numbered barrier intrinsics (__quantum__qis__barrierN__body) are lowered.
  bool numbered_barriers() const { return numbered_barriers_; }

 private:
  friend Profile build_extended_profile();

  std::string_view name_ = "base_profile";
  bool numbered_barriers_ = false;
  std::vector<std::pair<std::string_view, BuilderKind>> entries_;
  text::NameMap<std::size_t> index_;
};

// The base profile: the Halvek gate table, measurement, reset, result reads, output
// recording and runtime calls that are dropped, and the controlled-invocation intrinsic.
Profile build_base_profile();

// The profile of the extended rules: the base profile, the barrier intrinsics, and the gates
// outside the native set that have a rewrite, as QIR functions and as controlled operations.
Profile build_extended_profile();

// The same profiles, built on first use and shared by every translation after (they are not
// changed once built).
const Profile& base_profile();
const Profile& extended_profile();

// N for a numbered barrier intrinsic __quantum__qis__barrierN__body (N >= 1), else nothing.
std::optional<std::size_t> numbered_barrier_width(std::string_view callee);

// Exact name first; otherwise, for names beginning with "llvm.", the first entry (in
// insertion order) whose name is a prefix of the callee; otherwise a numbered barrier when the
// profile lowers them.
const BuilderKind* lookup_builder(const Profile& profile, std::string_view callee);

}  // namespace brintavel::builders
