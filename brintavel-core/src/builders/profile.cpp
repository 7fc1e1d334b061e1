#include "builders/profile.hpp"

#include "builders/gate_table.hpp"

namespace brintavel::builders {

void Profile::add(std::string_view function, BuilderKind kind) {
  auto [it, inserted] = index_.try_emplace(function, entries_.size());
  if (inserted) {
    entries_.emplace_back(function, kind);
  } else {
    entries_[it->second].second = kind;
  }
}

const BuilderKind* Profile::find_exact(std::string_view function) const {
  auto it = index_.find(function);
  return it == index_.end() ? nullptr : &entries_[it->second].second;
}

Profile build_base_profile() {
  Profile p;
  for (const QirGate& g : qir_gates()) p.add(g.function, Gate{g.gate, g.adjoint});
  p.add("__quantum__qis__mz__body", Measurement{});
  p.add("__quantum__qis__m__body", Measurement{});
  p.add("__quantum__qis__mresetz__body", MeasureAndReset{});
  p.add("__quantum__qis__reset__body", ResetQubit{});
  p.add("__quantum__qis__read_result__body", ReadResult{});
  p.add("__quantum__rt__read_result", ReadResult{});
  p.add("generalizedInvokeWithRotationsControlsTargets", GeneralizedControlled{});
  p.add("__quantum__rt__result_record_output", NoOp{});
  p.add("__quantum__rt__array_record_output", NoOp{});
  p.add("__quantum__rt__tuple_record_output", NoOp{});
  p.add("__quantum__rt__integer_record_output", NoOp{});
  p.add("__quantum__rt__int_record_output", NoOp{});
  p.add("__quantum__rt__bool_record_output", NoOp{});
  p.add("__quantum__rt__double_record_output", NoOp{});
  p.add("__quantum__rt__initialize", NoOp{});
  p.add("malloc", NoOp{});
  p.add("free", NoOp{});
  p.add("llvm.memcpy", NoOp{});
  return p;
}

Profile build_extended_profile() {
  Profile p = build_base_profile();
  p.name_ = "extended_profile";
  p.add("__quantum__qis__barrier__body", Barrier{});
  p.numbered_barriers_ = true;
  p.add("generalizedInvokeWithRotationsControlsTargets", GeneralizedControlled{true});
  for (const GateRewrite& r : gate_rewrites())
    if (!r.controlled) p.add(r.name, Rewrite{&r});
  return p;
}

const Profile& base_profile() {
  static const Profile profile = build_base_profile();
  return profile;
}

const Profile& extended_profile() {
  static const Profile profile = build_extended_profile();
  return profile;
}

std::optional<std::size_t> numbered_barrier_width(std::string_view callee) {
  static constexpr std::string_view kPrefix = "__quantum__qis__barrier";
  static constexpr std::string_view kSuffix = "__body";
  if (!callee.starts_with(kPrefix) || !callee.ends_with(kSuffix)) return std::nullopt;
  std::string_view digits = callee.substr(kPrefix.size(), callee.size() - kPrefix.size() - kSuffix.size());
  if (digits.empty() || digits.size() > 9 || digits.front() == '0') return std::nullopt;
  std::size_t n = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + static_cast<std::size_t>(c - '0');
  }
  return n;
}

const BuilderKind* lookup_builder(const Profile& profile, std::string_view callee) {
  if (const BuilderKind* kind = profile.find_exact(callee)) return kind;
  if (callee.size() >= 5 && callee.starts_with("llvm.")) {
    for (const auto& [name, kind] : profile.entries())
      if (callee.starts_with(name)) return &kind;
  }
  static constexpr BuilderKind kNumberedBarrier = Barrier{};
  if (profile.numbered_barriers() && numbered_barrier_width(callee)) return &kNumberedBarrier;
  return nullptr;
}

}  // namespace brintavel::builders
