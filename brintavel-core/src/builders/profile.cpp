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

const BuilderKind* lookup_builder(const Profile& profile, std::string_view callee) {
  if (const BuilderKind* kind = profile.find_exact(callee)) return kind;
  if (callee.size() >= 5 && callee.starts_with("llvm.")) {
    for (const auto& [name, kind] : profile.entries())
      if (callee.starts_with(name)) return &kind;
  }
  return nullptr;
}

}  // namespace brintavel::builders
