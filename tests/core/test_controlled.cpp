// The generalized controlled-gate builder: the variadic controlled-invocation intrinsic
// becomes one native controlled gate, or is rejected with the first failed check.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "builders/profile.hpp"
#include "builders/quantum.hpp"
#include "qasm/printer.hpp"
#include "translator/context.hpp"

namespace {

using namespace brintavel;
using translator::LoweringContext;

constexpr std::string_view kCallee = "generalizedInvokeWithRotationsControlsTargets";
const std::string kPrefix = std::string(kCallee);

ir::Operand i64(text::Int128 v) { return ir::ConstInt{v}; }
ir::Operand inner(std::string_view op) { return ir::BitcastGlobal{op}; }
ir::Operand qubit(std::int64_t index) { return ir::PtrConst{"Qubit", index}; }

Signature expected_signature() {
  return Signature{kCallee, "void", {"i64", "i64", "i64", "i64", "i8"}, true};
}

// The operands of a call: the four counts, the inner function and the qubits.
std::vector<ir::Operand> call(text::Int128 rotations, text::Int128 adjoint, text::Int128 controls,
                              text::Int128 targets, ir::Operand fn,
                              std::vector<ir::Operand> qubits) {
  std::vector<ir::Operand> args = {i64(rotations), i64(adjoint), i64(controls), i64(targets),
                                   std::move(fn)};
  args.insert(args.end(), qubits.begin(), qubits.end());
  return args;
}

// The printed statements, or the error message.
std::string run(const Signature& sig, const std::vector<ir::Operand>& args, LoweringContext& ctx,
                builders::GeneralizedControlled kind = {}) {
  qasm::StatementList out;
  Status status = builders::run_builder(kind, sig, args, "r", ctx, out);
  if (!status) {
    EXPECT_EQ(status.error().kind, ErrorKind::UnsupportedConstruct);
    EXPECT_TRUE(out.empty());
    return status.error().message;
  }
  EXPECT_EQ(out.size(), 1u);
  EXPECT_EQ(ctx.peek_value("r"), nullptr) << "the call's result name is ignored";
  std::string text;
  for (const qasm::Statement& s : out) qasm::print_statement(s, text);
  return text;
}

std::string run(const Signature& sig, const std::vector<ir::Operand>& args) {
  LoweringContext ctx(1'000'000);
  return run(sig, args, ctx);
}

std::string run(const std::vector<ir::Operand>& args) { return run(expected_signature(), args); }

// The same with the rewrites of the extended mode.
std::string run_extended(const std::vector<ir::Operand>& args, LoweringContext& ctx) {
  return run(expected_signature(), args, ctx, builders::GeneralizedControlled{true});
}
std::string run_extended(const std::vector<ir::Operand>& args) {
  LoweringContext ctx(1'000'000);
  return run_extended(args, ctx);
}

// The operands of a call with angles: the counts, the inner function, the angles, the qubits.
std::vector<ir::Operand> rotation_call(std::int64_t adjoint, std::int64_t controls, std::string_view op,
                                       std::vector<ir::Operand> angles, std::vector<std::int64_t> qubits) {
  std::int64_t targets = static_cast<std::int64_t>(qubits.size()) - controls;
  std::vector<ir::Operand> args = {i64(static_cast<std::int64_t>(angles.size())), i64(adjoint), i64(controls),
                                   i64(targets), inner(op)};
  args.insert(args.end(), angles.begin(), angles.end());
  for (std::int64_t index : qubits) args.push_back(qubit(index));
  return args;
}

TEST(ControlledGateFor, OnlyTheNativeControlledGates) {
  struct Case {
    std::string_view op;
    std::int64_t controls, targets;
    std::optional<std::string_view> gate;
  };
  const Case cases[] = {
      {"x", 1, 1, "cnot"},          {"x", 2, 1, "ccnot"},   {"y", 1, 1, "cy"},
      {"z", 1, 1, "cz"},            {"swap", 1, 2, "cswap"}, {"phaseshift", 1, 1, "cphaseshift"},
      {"x", 3, 1, std::nullopt},    {"x", 1, 2, std::nullopt}, {"x", 0, 1, std::nullopt},
      {"y", 2, 1, std::nullopt},    {"z", 2, 1, std::nullopt}, {"swap", 2, 2, std::nullopt},
      {"swap", 1, 1, std::nullopt}, {"h", 1, 1, std::nullopt}, {"X", 1, 1, std::nullopt},
      {"", 1, 1, std::nullopt},     {"cnot", 1, 1, std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(builders::controlled_gate_for(c.op, c.controls, c.targets), c.gate)
        << c.op << " " << c.controls << " " << c.targets;
}

TEST(GeneralizedControlled, LowersToOneNativeGate) {
  struct Case {
    std::vector<ir::Operand> args;
    std::string_view expected;
  };
  const Case cases[] = {
      {call(0, 0, 1, 1, inner("__quantum__qis__x__ctl"), {qubit(0), qubit(1)}),
       "cnot q[0], q[1];\n"},
      // Controls first, in the order written.
      {call(0, 0, 2, 1, inner("__quantum__qis__x__ctl"), {qubit(2), qubit(0), qubit(1)}),
       "ccnot q[2], q[0], q[1];\n"},
      {call(0, 0, 1, 1, inner("__quantum__qis__y__ctl"), {qubit(3), qubit(1)}), "cy q[3], q[1];\n"},
      {call(0, 0, 1, 1, ir::GlobalRef{"__quantum__qis__z__ctl"}, {qubit(0), qubit(1)}),
       "cz q[0], q[1];\n"},
      {call(0, 0, 1, 2, inner("__quantum__qis__swap__ctl"), {qubit(0), qubit(1), qubit(2)}),
       "cswap q[0], q[1], q[2];\n"},
      // Any nonzero adjoint flag adds the inverse modifier.
      {call(0, 1, 1, 1, inner("__quantum__qis__z__ctl"), {qubit(0), qubit(1)}),
       "inv @ cz q[0], q[1];\n"},
      {call(0, -1, 1, 1, inner("__quantum__qis__x__ctl"), {qubit(0), qubit(1)}),
       "inv @ cnot q[0], q[1];\n"},
      {call(0, 7, 1, 1, inner("__quantum__qis__y__ctl"), {qubit(1), qubit(0)}),
       "inv @ cy q[1], q[0];\n"},
      // A null i8* among the qubits is qubit 0; null and inttoptr of other types resolve as usual.
      {call(0, 0, 1, 1, inner("__quantum__qis__x__ctl"), {ir::I8Null{}, qubit(1)}),
       "cnot q[0], q[1];\n"},
      {call(0, 0, 1, 1, inner("__quantum__qis__x__ctl"), {qubit(1), ir::I8Null{}}),
       "cnot q[1], q[0];\n"},
      {call(0, 0, 1, 1, inner("__quantum__qis__x__ctl"), {ir::PtrConst{std::nullopt, 4}, qubit(0)}),
       "cnot q[4], q[0];\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(run(c.args), c.expected);
}

TEST(GeneralizedControlled, AcceptsEitherInnerFunctionParameterType) {
  const auto args = call(0, 0, 1, 1, inner("__quantum__qis__x__ctl"), {qubit(0), qubit(1)});
  for (std::vector<std::string_view> params :
       {std::vector<std::string_view>{"i64", "i64", "i64", "i64", "ptr"},
        std::vector<std::string_view>{"i64", "i64", "i64", "i64", "i8"},
        // Fixed parameters after the fifth are not looked at.
        std::vector<std::string_view>{"i64", "i64", "i64", "i64", "i8", "double", "Qubit"}}) {
    EXPECT_EQ(run(Signature{kCallee, "void", params, true}, args), "cnot q[0], q[1];\n");
  }
}

TEST(GeneralizedControlled, RecordsTheHighestQubit) {
  LoweringContext ctx(1'000'000);
  EXPECT_EQ(run(expected_signature(),
                call(0, 0, 2, 1, inner("__quantum__qis__x__ctl"), {qubit(6), qubit(2), qubit(3)}), ctx),
            "ccnot q[6], q[2], q[3];\n");
  EXPECT_EQ(ctx.max_qubit_index(), 6);
  EXPECT_EQ(ctx.max_result_index(), -1);
}

TEST(GeneralizedControlled, RejectsAnUnexpectedSignature) {
  auto message = [](std::string_view name, std::string_view params, std::string_view variadic) {
    return std::string("generalized-controlled intrinsic \"") + std::string(name) +
           "\" has unexpected signature " + std::string(params) + " (variadic=" +
           std::string(variadic) +
           "); expected callee \"generalizedInvokeWithRotationsControlsTargets\" with parameter "
           "prefix (\"i64\", \"i64\", \"i64\", \"i64\", \"i8\"|\"ptr\", ...) and is_variadic=true";
  };
  struct Case {
    Signature sig;
    std::string expected;
  };
  const Case cases[] = {
      {{kCallee, "void", {"i64", "i64", "i64", "i64", "i8"}, false},
       message(kCallee, R"(["i64", "i64", "i64", "i64", "i8"])", "false")},
      {{kCallee, "void", {"i64", "i64", "i64", "i64"}, true},
       message(kCallee, R"(["i64", "i64", "i64", "i64"])", "true")},
      {{kCallee, "void", {}, true}, message(kCallee, "[]", "true")},
      {{kCallee, "void", {"i64", "i64", "i64", "i32", "i8"}, true},
       message(kCallee, R"(["i64", "i64", "i64", "i32", "i8"])", "true")},
      // No working-copy replacement here: the types are shown as declared.
      {{kCallee, "void", {"i64", "i64", "i64", "i64", "Qubit"}, true},
       message(kCallee, R"(["i64", "i64", "i64", "i64", "Qubit"])", "true")},
      {{kCallee, "void", {"ptr", "i64", "i64", "i64", "ptr"}, true},
       message(kCallee, R"(["ptr", "i64", "i64", "i64", "ptr"])", "true")},
      {{"generalizedInvoke\"Other", "void", {"i64", "i64", "i64", "i64", "i8"}, true},
       message("generalizedInvoke\\\"Other", R"(["i64", "i64", "i64", "i64", "i8"])", "true")},
  };
  // The signature is checked before the operands are even counted.
  for (const Case& c : cases) EXPECT_EQ(run(c.sig, {}), c.expected);
}

TEST(GeneralizedControlled, ChecksRunInOrder) {
  const ir::Operand x_ctl = inner("__quantum__qis__x__ctl");
  const text::Int128 two_to_63 = static_cast<text::Int128>(1) << 63;
  const std::int64_t max = std::numeric_limits<std::int64_t>::max();
  const std::string pattern_tail =
      " does not match the expected `__quantum__qis__<op>__ctl` pattern";
  const std::string inner_fn_message =
      kPrefix +
      ": inner-function operand must be a bitcast of a named global (e.g. ``i8* bitcast (T* "
      "@__quantum__qis__<op>__ctl to i8*)``) or a bare global reference; got ";
  struct Case {
    const char* what;
    std::vector<ir::Operand> args;
    std::string expected;
  };
  const Case cases[] = {
      // 2. operand count
      {"no operands", {}, kPrefix + " expects at least 5 operands (numRotations, adjoint, "
                                    "numControls, numTargets, innerFn); got 0 operand(s)"},
      {"four operands",
       {i64(0), i64(0), i64(1), i64(1)},
       kPrefix + " expects at least 5 operands (numRotations, adjoint, numControls, numTargets, "
                 "innerFn); got 4 operand(s)"},
      // 3. the four counts, in order, each rendered as its operand
      {"numRotations not constant",
       {ir::Ssa{"n"}, ir::Ssa{"m"}, i64(1), i64(1), x_ctl},
       kPrefix + ": numRotations must be an i64 constant, got Ssa(\"n\")"},
      {"adjoint not constant",
       {i64(0), ir::ConstBool{true}, ir::Ssa{"c"}, i64(1), x_ctl},
       kPrefix + ": adjoint must be an i64 constant, got ConstBool(true)"},
      {"numControls not constant",
       {i64(0), i64(0), ir::Ssa{"n"}, i64(1), x_ctl, qubit(0), qubit(1)},
       kPrefix + ": numControls must be an i64 constant, got Ssa(\"n\")"},
      {"numTargets not constant",
       {i64(1), i64(0), i64(1), ir::ConstFloat{1.0}, x_ctl},
       kPrefix + ": numTargets must be an i64 constant, got ConstFloat(1.0)"},
      {"pointer count",
       {i64(0), i64(0), ir::PtrConst{std::nullopt, 0}, i64(1), x_ctl},
       kPrefix + ": numControls must be an i64 constant, got PtrConst { struct_name: None, index: 0 }"},
      {"typed pointer count",
       {i64(0), i64(0), i64(1), ir::PtrConst{"Qubit", 3}, x_ctl},
       kPrefix +
           ": numTargets must be an i64 constant, got PtrConst { struct_name: Some(\"Qubit\"), "
           "index: 3 }"},
      {"address count",
       {ir::GetElementPtr{}, i64(0), i64(1), i64(1), x_ctl},
       kPrefix + ": numRotations must be an i64 constant, got GetElementPtr"},
      {"tiny float count",
       {i64(0), ir::ConstFloat{1.5e-5}, i64(1), i64(1), x_ctl},
       kPrefix + ": adjoint must be an i64 constant, got ConstFloat(1.5e-5)"},
      {"too wide",
       {i64(0), i64(0), i64(two_to_63), i64(1), x_ctl},
       kPrefix + ": numControls = 9223372036854775808 does not fit in i64"},
      {"too wide, negative",
       {i64(-two_to_63 - 1), i64(0), i64(1), i64(1), x_ctl},
       kPrefix + ": numRotations = -9223372036854775809 does not fit in i64"},
      {"counts before numRotations",
       {i64(1), i64(0), i64(1), ir::Ssa{"t"}, x_ctl},
       kPrefix + ": numTargets must be an i64 constant, got Ssa(\"t\")"},
      // 4. rotations
      {"rotations", call(1, 0, 1, 1, inner("__quantum__qis__phaseshift__ctl"), {qubit(0), qubit(1)}),
       kPrefix + " with numRotations=1 is not yet supported; only non-parametric controlled gates "
                 "(numRotations == 0) are handled"},
      {"negative rotations before negative counts", call(-2, 0, -1, 1, x_ctl, {}),
       kPrefix + " with numRotations=-2 is not yet supported; only non-parametric controlled gates "
                 "(numRotations == 0) are handled"},
      // 5. negative counts
      {"negative controls", call(0, 0, -1, 1, ir::I8Null{}, {}),
       kPrefix + " had negative numControls=-1 or numTargets=1"},
      {"negative targets", call(0, 0, 1, -3, x_ctl, {qubit(0)}),
       kPrefix + " had negative numControls=1 or numTargets=-3"},
      // 6. inner function operand
      {"null inner", call(0, 0, 1, 1, ir::I8Null{}, {qubit(0), qubit(1)}), inner_fn_message + "I8Null"},
      {"integer inner", call(0, 0, 1, 1, i64(0), {qubit(0), qubit(1)}),
       inner_fn_message + "ConstInt(0)"},
      {"address inner", call(0, 0, 1, 1, ir::GetElementPtr{}, {}), inner_fn_message + "GetElementPtr"},
      {"local inner", call(0, 0, 1, 1, ir::Ssa{"fn"}, {}), inner_fn_message + "Ssa(\"fn\")"},
      // 7. inner callee name
      {"body suffix", call(0, 0, 1, 1, inner("__quantum__qis__h__body"), {}),
       kPrefix + ": inner callee \"__quantum__qis__h__body\"" + pattern_tail},
      {"adj suffix", call(0, 0, 1, 1, inner("__quantum__qis__x__adj"), {}),
       kPrefix + ": inner callee \"__quantum__qis__x__adj\"" + pattern_tail},
      {"prefix and suffix overlap", call(0, 0, 1, 1, inner("__quantum__qis__ctl"), {}),
       kPrefix + ": inner callee \"__quantum__qis__ctl\"" + pattern_tail},
      {"prefix and suffix overlap by one", call(0, 0, 1, 1, inner("__quantum__qis___ctl"), {}),
       kPrefix + ": inner callee \"__quantum__qis___ctl\"" + pattern_tail},
      {"case-sensitive", call(0, 0, 1, 1, inner("__Quantum__qis__x__ctl"), {}),
       kPrefix + ": inner callee \"__Quantum__qis__x__ctl\"" + pattern_tail},
      // A global reference keeps the quotes it was written with.
      {"quoted global", call(0, 0, 1, 1, ir::GlobalRef{"\"__quantum__qis__x__ctl\""}, {}),
       kPrefix + ": inner callee \"\\\"__quantum__qis__x__ctl\\\"\"" + pattern_tail},
      // 8. qubit count
      {"no qubits", call(0, 0, 1, 1, x_ctl, {}),
       kPrefix + ": expected 2 qubit operand(s) after the fixed prefix (numControls=1 + "
                 "numTargets=1); got 0 trailing operand(s)"},
      {"too many qubits", call(0, 0, 1, 1, inner("__quantum__qis__h__ctl"), {qubit(0), qubit(1), ir::GlobalRef{"q"}}),
       kPrefix + ": expected 2 qubit operand(s) after the fixed prefix (numControls=1 + "
                 "numTargets=1); got 3 trailing operand(s)"},
      {"huge counts", call(0, 0, max, max, x_ctl, {}),
       kPrefix + ": expected 18446744073709551614 qubit operand(s) after the fixed prefix "
                 "(numControls=9223372036854775807 + numTargets=9223372036854775807); got 0 "
                 "trailing operand(s)"},
      // 9. qubits, before the mapping
      {"runtime qubit", call(0, 0, 1, 1, inner("__quantum__qis__h__ctl"), {qubit(0), ir::Ssa{"q"}}),
       "qubit operand for \"generalizedInvokeWithRotationsControlsTargets\" is not a compile-time "
       "constant; runtime qubit allocation is not supported"},
      {"integer qubit", call(0, 0, 1, 1, x_ctl, {i64(0), qubit(1)}),
       "could not resolve qubit operand for \"generalizedInvokeWithRotationsControlsTargets\""},
      {"negative qubit", call(0, 0, 1, 1, x_ctl, {qubit(0), qubit(-2)}),
       "qubit operand for \"generalizedInvokeWithRotationsControlsTargets\" has negative index -2; "
       "qubit and result indices must be non-negative"},
      // 10. mapping
      {"two-controlled swap", call(0, 0, 2, 2, inner("__quantum__qis__swap__ctl"),
                                   {qubit(0), qubit(1), qubit(2), qubit(3)}),
       kPrefix + ": no Halvek-native gate for controlled ``swap`` with numControls=2, "
                 "numTargets=2. Extend the decomposition pipeline upstream, or add a gate mapping "
                 "here."},
      {"empty op", call(0, 0, 1, 1, inner("__quantum__qis____ctl"), {qubit(0), qubit(1)}),
       kPrefix + ": no Halvek-native gate for controlled ```` with numControls=1, numTargets=1. "
                 "Extend the decomposition pipeline upstream, or add a gate mapping here."},
      {"no qubits at all", call(0, 0, 0, 0, x_ctl, {}),
       kPrefix + ": no Halvek-native gate for controlled ``x`` with numControls=0, numTargets=0. "
                 "Extend the decomposition pipeline upstream, or add a gate mapping here."},
      {"controlled h", call(0, 1, 1, 1, inner("__quantum__qis__h__ctl"), {qubit(0), qubit(1)}),
       kPrefix + ": no Halvek-native gate for controlled ``h`` with numControls=1, numTargets=1. "
                 "Extend the decomposition pipeline upstream, or add a gate mapping here."},
      // 11. a native gate that takes an angle gets none from a call without rotations
      {"phaseshift without its angle",
       call(0, 0, 1, 1, inner("__quantum__qis__phaseshift__ctl"), {qubit(0), qubit(1)}),
       kPrefix + ": controlled ``phaseshift`` maps to the native gate cphaseshift, which needs "
                 "its angle; a call with numRotations=0 gives it none"},
  };
  for (const Case& c : cases) EXPECT_EQ(run(c.args), c.expected) << c.what;
}

TEST(GeneralizedControlled, QubitsAreRecordedEvenWhenTheMappingFails) {
  LoweringContext ctx(1'000'000);
  EXPECT_TRUE(run(expected_signature(),
                  call(0, 0, 1, 1, inner("__quantum__qis__h__ctl"), {qubit(0), qubit(8)}), ctx)
                  .starts_with(kPrefix + ": no Halvek-native gate"));
  EXPECT_EQ(ctx.max_qubit_index(), 8);
}

// ---- Rewrites (extended mode) --------------------------------------------------------

TEST(GeneralizedControlledRewrites, PrintTheNativeGates) {
  const ir::Operand half = ir::ConstFloat{0.5};
  struct Case {
    const char* what;
    std::vector<ir::Operand> args;
    std::string_view expected;
  };
  const Case cases[] = {
      // The angle comes after the inner function, before the qubits.
      {"controlled rz", rotation_call(0, 1, "__quantum__qis__rz__ctl", {half}, {0, 1}),
       "rz(0.25) q[1];\ncnot q[0], q[1];\nrz(-0.25) q[1];\ncnot q[0], q[1];\n"},
      {"controlled rx", rotation_call(0, 1, "__quantum__qis__rx__ctl", {half}, {3, 2}),
       "rx(0.25) q[2];\ncz q[3], q[2];\nrx(-0.25) q[2];\ncz q[3], q[2];\n"},
      // The adjoint: the gates reversed, each inverted.
      {"adjoint controlled rx", rotation_call(1, 1, "__quantum__qis__rx__ctl", {half}, {0, 1}),
       "cz q[0], q[1];\nrx(0.25) q[1];\ncz q[0], q[1];\nrx(-0.25) q[1];\n"},
      {"controlled r1", rotation_call(0, 1, "__quantum__qis__r1__ctl", {half}, {1, 3}),
       "cphaseshift(0.5) q[1], q[3];\n"},
      {"adjoint controlled s", rotation_call(1, 1, "__quantum__qis__s__ctl", {}, {0, 1}),
       "cphaseshift(-pi / 2) q[0], q[1];\n"},
      {"controlled h", rotation_call(0, 1, "__quantum__qis__h__ctl", {}, {2, 3}),
       "ry(-pi / 4) q[3];\ncz q[2], q[3];\nry(pi / 4) q[3];\n"},
      {"two-controlled z", rotation_call(0, 2, "__quantum__qis__z__ctl", {}, {0, 1, 2}),
       "h q[2];\nccnot q[0], q[1], q[2];\nh q[2];\n"},
      {"two-controlled y", rotation_call(0, 2, "__quantum__qis__y__ctl", {}, {4, 0, 1}),
       "rz(-pi / 2) q[1];\nccnot q[4], q[0], q[1];\nrz(pi / 2) q[1];\n"},
      {"two-controlled phase",
       rotation_call(0, 2, "__quantum__qis__phaseshift__ctl", {ir::ConstFloat{-1.0}}, {0, 1, 2}),
       "cphaseshift(-0.5) q[0], q[2];\ncphaseshift(-0.5) q[1], q[2];\ncnot q[0], q[1];\n"
       "cphaseshift(0.5) q[1], q[2];\ncnot q[0], q[1];\n"},
      {"controlled u3",
       rotation_call(0, 1, "__quantum__qis__u3__ctl", {ir::ConstFloat{0.4}, half, ir::ConstFloat{0.6}}, {1, 0}),
       "cphaseshift(0.6) q[1], q[0];\nry(0.2) q[0];\ncnot q[1], q[0];\nry(-0.2) q[0];\ncnot q[1], q[0];\n"
       "cphaseshift(0.5) q[1], q[0];\n"},
      // A native controlled gate takes its angle from the call.
      {"controlled phaseshift", rotation_call(0, 1, "__quantum__qis__phaseshift__ctl", {half}, {0, 1}),
       "cphaseshift(0.5) q[0], q[1];\n"},
      {"adjoint controlled phaseshift", rotation_call(1, 1, "__quantum__qis__phaseshift__ctl", {half}, {0, 1}),
       "inv @ cphaseshift(0.5) q[0], q[1];\n"},
      // A call that the native gates serve is unchanged.
      {"two-controlled x", rotation_call(0, 2, "__quantum__qis__x__ctl", {}, {0, 1, 2}),
       "ccnot q[0], q[1], q[2];\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(run_extended(c.args), c.expected) << c.what;
}

TEST(GeneralizedControlledRewrites, MultiControlledXHasTheGrayCodeGates) {
  // 3 controls: h, 7 controlled phases of +-pi/4 and 6 CNOTs, h (the gates' product is checked
  // in tests/python/test_gate_rewrites.py).
  std::string text = run_extended(rotation_call(0, 3, "__quantum__qis__x__ctl", {}, {0, 1, 2, 3}));
  EXPECT_TRUE(text.starts_with("h q[3];\ncphaseshift(pi / 4) q[0], q[3];\n")) << text;
  EXPECT_TRUE(text.ends_with("cnot q[1], q[2];\nh q[3];\n")) << text;
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 15);
}

TEST(GeneralizedControlledRewrites, AnglesBoundToSsaValuesAreHalvedAsExpressions) {
  LoweringContext ctx(1'000'000);
  ASSERT_TRUE(ctx.bind_value("theta", qasm::Identifier{"a"}));
  EXPECT_EQ(run_extended(rotation_call(0, 1, "__quantum__qis__ry__ctl", {ir::Ssa{"theta"}}, {0, 1}), ctx),
            "ry(a / 2) q[1];\ncnot q[0], q[1];\nry(-a / 2) q[1];\ncnot q[0], q[1];\n");
}

TEST(GeneralizedControlledRewrites, Refusals) {
  const double inf = std::numeric_limits<double>::infinity();
  const ir::Operand half = ir::ConstFloat{0.5};
  auto beyond = [](std::string_view op, int controls) {
    return kPrefix + ": controlled ``" + std::string(op) + "`` with numControls=" + std::to_string(controls) +
           " is beyond the rewrites, which write a multi-controlled gate without ancillas for at "
           "most 6 controls (its gates double with each control); decompose it upstream";
  };
  struct Case {
    const char* what;
    std::vector<ir::Operand> args;
    std::string expected;
  };
  const Case cases[] = {
      {"seven controls", rotation_call(0, 7, "__quantum__qis__x__ctl", {}, {0, 1, 2, 3, 4, 5, 6, 7}),
       beyond("x", 7)},
      {"seven-controlled swap",
       rotation_call(0, 7, "__quantum__qis__swap__ctl", {}, {0, 1, 2, 3, 4, 5, 6, 7, 8}), beyond("swap", 7)},
      {"no rewrite", rotation_call(0, 0, "__quantum__qis__h__ctl", {}, {0}),
       kPrefix + ": no Halvek-native gate for controlled ``h`` with numControls=0, numTargets=1. "
                 "Extend the decomposition pipeline upstream, or add a gate mapping here."},
      {"unknown gate", rotation_call(0, 1, "__quantum__qis__sx__ctl", {}, {0, 1}),
       kPrefix + ": no Halvek-native gate for controlled ``sx`` with numControls=1, numTargets=1. "
                 "Extend the decomposition pipeline upstream, or add a gate mapping here."},
      {"rotation without its angle", rotation_call(0, 1, "__quantum__qis__rx__ctl", {}, {0, 1}),
       kPrefix + ": controlled ``rx`` takes 1 angle(s); the call passes numRotations=0"},
      {"angle for a native gate without one", rotation_call(0, 1, "__quantum__qis__x__ctl", {half}, {0, 1}),
       kPrefix + ": controlled ``x`` maps to the native gate cnot, which takes 0 angle(s); the call "
                 "passes numRotations=1"},
      {"four angles", call(4, 0, 1, 1, inner("__quantum__qis__u3__ctl"), {}),
       kPrefix + " with numRotations=4: a controlled gate takes from 0 to 3 angles"},
      {"negative angles", call(-1, 0, 1, 1, inner("__quantum__qis__rx__ctl"), {}),
       kPrefix + " with numRotations=-1: a controlled gate takes from 0 to 3 angles"},
      {"angle missing", call(1, 0, 1, 1, inner("__quantum__qis__rx__ctl"), {qubit(0), qubit(1)}),
       kPrefix + ": expected 1 angle(s) and 2 qubit operand(s) after the fixed prefix (numRotations=1, "
                 "numControls=1, numTargets=1); got 2 trailing operand(s)"},
      {"non-finite angle",
       rotation_call(0, 1, "__quantum__qis__rz__ctl", {ir::ConstFloat{inf}}, {0, 1}),
       "the angle of controlled ``rz`` is the non-finite number inf, which OpenQASM 3 cannot write"},
      {"repeated qubit", rotation_call(0, 2, "__quantum__qis__z__ctl", {}, {0, 2, 2}),
       "controlled ``z`` acts on qubit 2 more than once; the qubits of a gate must be distinct"},
  };
  for (const Case& c : cases) EXPECT_EQ(run_extended(c.args), c.expected) << c.what;
}

}  // namespace
