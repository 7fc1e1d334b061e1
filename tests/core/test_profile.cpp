// The base profile: the gate table and the lookup of a callee's builder.
#include <array>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "builders/gate_table.hpp"
#include "builders/profile.hpp"

namespace {

using namespace brintavel::builders;

// A compact text for a builder kind, so that table rows compare in one string.
std::string describe_kind(const BuilderKind& kind) {
  if (const auto* gate = std::get_if<Gate>(&kind))
    return std::string(gate->adjoint ? "Gate(inv " : "Gate(") + std::string(gate->gate_name) + ")";
  static constexpr std::array<std::string_view, 7> kNames = {
      "Gate", "Measurement", "MeasureAndReset", "ResetQubit", "ReadResult", "NoOp",
      "GeneralizedControlled"};
  return std::string(kNames[kind.index()]);
}

struct TableRow {
  std::string_view function;
  std::string_view kind;
};

// Every entry of the base profile, in insertion order.
constexpr TableRow kBaseTable[] = {
    {"__quantum__qis__h__body", "Gate(h)"},
    {"__quantum__qis__x__body", "Gate(x)"},
    {"__quantum__qis__y__body", "Gate(y)"},
    {"__quantum__qis__z__body", "Gate(z)"},
    {"__quantum__qis__s__body", "Gate(s)"},
    {"__quantum__qis__s__adj", "Gate(inv s)"},
    {"__quantum__qis__t__body", "Gate(t)"},
    {"__quantum__qis__t__adj", "Gate(inv t)"},
    {"__quantum__qis__cnot__body", "Gate(cnot)"},
    {"__quantum__qis__cx__body", "Gate(cnot)"},
    {"__quantum__qis__cy__body", "Gate(cy)"},
    {"__quantum__qis__cz__body", "Gate(cz)"},
    {"__quantum__qis__swap__body", "Gate(swap)"},
    {"__quantum__qis__rx__body", "Gate(rx)"},
    {"__quantum__qis__ry__body", "Gate(ry)"},
    {"__quantum__qis__rz__body", "Gate(rz)"},
    {"__quantum__qis__rxx__body", "Gate(xx)"},
    {"__quantum__qis__ryy__body", "Gate(yy)"},
    {"__quantum__qis__rzz__body", "Gate(zz)"},
    {"__quantum__qis__ccx__body", "Gate(ccnot)"},
    {"__quantum__qis__ccnot__body", "Gate(ccnot)"},
    {"__quantum__qis__phasedx__body", "Gate(prx)"},
    {"__quantum__qis__mz__body", "Measurement"},
    {"__quantum__qis__m__body", "Measurement"},
    {"__quantum__qis__mresetz__body", "MeasureAndReset"},
    {"__quantum__qis__reset__body", "ResetQubit"},
    {"__quantum__qis__read_result__body", "ReadResult"},
    {"__quantum__rt__read_result", "ReadResult"},
    {"generalizedInvokeWithRotationsControlsTargets", "GeneralizedControlled"},
    {"__quantum__rt__result_record_output", "NoOp"},
    {"__quantum__rt__array_record_output", "NoOp"},
    {"__quantum__rt__tuple_record_output", "NoOp"},
    {"__quantum__rt__integer_record_output", "NoOp"},
    {"__quantum__rt__int_record_output", "NoOp"},
    {"__quantum__rt__bool_record_output", "NoOp"},
    {"__quantum__rt__double_record_output", "NoOp"},
    {"__quantum__rt__initialize", "NoOp"},
    {"malloc", "NoOp"},
    {"free", "NoOp"},
    {"llvm.memcpy", "NoOp"},
};

TEST(BaseProfile, HoldsTheGateTableInOrder) {
  Profile profile = build_base_profile();
  EXPECT_EQ(profile.name(), "base_profile");
  ASSERT_EQ(profile.entries().size(), std::size(kBaseTable));
  for (std::size_t i = 0; i < std::size(kBaseTable); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(profile.entries()[i].first, kBaseTable[i].function);
    EXPECT_EQ(describe_kind(profile.entries()[i].second), kBaseTable[i].kind);
  }
}

TEST(BaseProfile, EveryEntryIsFoundByExactName) {
  Profile profile = build_base_profile();
  for (const TableRow& row : kBaseTable) {
    const BuilderKind* kind = lookup_builder(profile, row.function);
    ASSERT_NE(kind, nullptr) << row.function;
    EXPECT_EQ(describe_kind(*kind), row.kind) << row.function;
  }
}

TEST(BaseProfile, DefaultDispatchKindsAreTheFirstFive) {
  EXPECT_TRUE(is_default_dispatch(Gate{"h"}));
  EXPECT_TRUE(is_default_dispatch(Measurement{}));
  EXPECT_TRUE(is_default_dispatch(MeasureAndReset{}));
  EXPECT_TRUE(is_default_dispatch(ResetQubit{}));
  EXPECT_TRUE(is_default_dispatch(ReadResult{}));
  EXPECT_FALSE(is_default_dispatch(NoOp{}));
  EXPECT_FALSE(is_default_dispatch(GeneralizedControlled{}));
}

TEST(LookupBuilder, ExactNamesAndTheLlvmPrefixRule) {
  struct Case {
    std::string_view callee;
    std::string_view expected;  // empty: no builder
  };
  const Case cases[] = {
      // Overloaded memcpy intrinsics resolve to the llvm.memcpy entry.
      {"llvm.memcpy.p0.p0.i64", "NoOp"},
      {"llvm.memcpy.p0i8.p0i8.i64", "NoOp"},
      {"llvm.memcpy", "NoOp"},
      {"llvm.memcpyx", "NoOp"},  // the key only has to be a prefix
      {"llvm.memset.p0.i64", ""},
      {"llvm.", ""},
      {"llvm", ""},
      {"", ""},
      // The prefix rule applies to llvm. names only.
      {"__quantum__qis__h__body_extra", ""},
      {"__quantum__qis__h", ""},
      {"mallocx", ""},
      {"__quantum__rt__array_start_record_output", ""},
      {"__quantum__rt__qubit_allocate", ""},
      {"__quantum__qis__H__body", ""},  // names are case-sensitive
      {"__quantum__qis__sdg__body", ""},
  };
  Profile profile = build_base_profile();
  for (const Case& c : cases) {
    const BuilderKind* kind = lookup_builder(profile, c.callee);
    EXPECT_EQ(kind ? describe_kind(*kind) : "", c.expected) << '"' << c.callee << '"';
  }
}

TEST(LookupBuilder, PrefixRuleTakesTheFirstMatchingEntryInInsertionOrder) {
  Profile profile;
  profile.add("x", Gate{"x"});
  profile.add("llvm.mem", ResetQubit{});
  profile.add("llvm.memcpy", NoOp{});
  // The exact key still wins over an earlier prefix.
  EXPECT_EQ(describe_kind(*lookup_builder(profile, "llvm.memcpy")), "NoOp");
  // Otherwise the earliest entry that prefixes the name, not the longest one.
  EXPECT_EQ(describe_kind(*lookup_builder(profile, "llvm.memcpy.p0.p0.i64")), "ResetQubit");
  EXPECT_EQ(lookup_builder(profile, "xy"), nullptr);

  EXPECT_EQ(lookup_builder(Profile{}, "llvm.memcpy.p0.p0.i64"), nullptr);
}

TEST(Profile, AddingAnExistingNameReplacesItsKindInPlace) {
  Profile profile;
  profile.add("a", NoOp{});
  profile.add("b", NoOp{});
  profile.add("a", Gate{"h", true});
  ASSERT_EQ(profile.entries().size(), 2u);
  EXPECT_EQ(profile.entries()[0].first, "a");
  EXPECT_EQ(describe_kind(profile.entries()[0].second), "Gate(inv h)");
  EXPECT_EQ(describe_kind(*profile.find_exact("a")), "Gate(inv h)");
}

TEST(ExtendedProfile, AddsTheRewrittenFunctionsAndTheControlledRewrites) {
  Profile base = build_base_profile();
  Profile extended = build_extended_profile();
  for (const GateRewrite& r : gate_rewrites()) {
    if (r.controlled) continue;
    EXPECT_EQ(lookup_builder(base, r.name), nullptr) << r.name;
    const BuilderKind* kind = lookup_builder(extended, r.name);
    ASSERT_NE(kind, nullptr) << r.name;
    ASSERT_TRUE(std::holds_alternative<Rewrite>(*kind)) << r.name;
    EXPECT_EQ(std::get<Rewrite>(*kind).rewrite, &r);
  }
  constexpr std::string_view kInvoke = "generalizedInvokeWithRotationsControlsTargets";
  EXPECT_FALSE(std::get<GeneralizedControlled>(*lookup_builder(base, kInvoke)).rewrites);
  EXPECT_TRUE(std::get<GeneralizedControlled>(*lookup_builder(extended, kInvoke)).rewrites);
  // The native gates keep their builders.
  EXPECT_EQ(describe_kind(*lookup_builder(extended, "__quantum__qis__rzz__body")), "Gate(zz)");
}

}  // namespace
