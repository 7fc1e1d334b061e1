// Quantum operation builders: gates, measurements, resets, result reads and dropped calls,
// and the resolution of qubit, result and classical operands.
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
using builders::BuilderKind;
using translator::LoweringContext;

constexpr std::int64_t kI64Max = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kI64Min = std::numeric_limits<std::int64_t>::min();

ir::Operand qubit(std::int64_t index) { return ir::PtrConst{"Qubit", index}; }
ir::Operand result(std::int64_t index) { return ir::PtrConst{"Result", index}; }
ir::Operand ptr(std::int64_t index) { return ir::PtrConst{std::nullopt, index}; }
ir::Operand real(double v) { return ir::ConstFloat{v}; }

LoweringContext fresh_context() { return LoweringContext(1'000'000); }

std::string print_all(const qasm::StatementList& statements) {
  std::string out;
  for (const qasm::Statement& s : statements) qasm::print_statement(s, out);
  return out;
}

// The printed statements, or the error message.
std::string run(const BuilderKind& kind, const Signature& sig, const std::vector<ir::Operand>& args,
                LoweringContext& ctx, std::optional<std::string_view> result_name = std::nullopt) {
  qasm::StatementList out;
  Status status = builders::run_builder(kind, sig, args, result_name, ctx, out);
  if (!status) {
    EXPECT_EQ(status.error().kind, ErrorKind::UnsupportedConstruct);
    EXPECT_TRUE(out.empty()) << "a failed call must emit nothing";
    return status.error().message;
  }
  return print_all(out);
}

std::string run(const BuilderKind& kind, const Signature& sig, const std::vector<ir::Operand>& args) {
  LoweringContext ctx = fresh_context();
  return run(kind, sig, args, ctx);
}

// ---- Gates ---------------------------------------------------------------------------

TEST(GateBuilder, SplitsOperandsIntoQubitsAndArgumentsByDeclaredType) {
  struct Case {
    const char* what;
    builders::Gate gate;
    std::vector<std::string_view> params;
    std::vector<ir::Operand> args;
    std::string_view expected;
  };
  const Case cases[] = {
      {"one qubit", {"h"}, {"Qubit"}, {qubit(5)}, "h q[5];\n"},
      {"angle first", {"rz"}, {"double", "Qubit"}, {real(0.5), qubit(0)}, "rz(0.5) q[0];\n"},
      {"opaque pointers are qubits", {"cnot"}, {"ptr", "ptr"}, {ptr(0), ptr(1)},
       "cnot q[0], q[1];\n"},
      {"adjoint", {"s", true}, {"Qubit"}, {qubit(2)}, "inv @ s q[2];\n"},
      {"two angles", {"prx"}, {"double", "double", "ptr"}, {real(0.25), real(-1.5), ptr(3)},
       "prx(0.25, -1.5) q[3];\n"},
      {"mixed positions keep parameter order", {"xx"}, {"Qubit", "i64", "ptr", "float"},
       {qubit(1), ir::ConstInt{7}, ptr(0), real(2)}, "xx(7, 2.0) q[1], q[0];\n"},
      {"boolean argument", {"g"}, {"i1", "Qubit"}, {ir::ConstBool{true}, qubit(0)},
       "g(true) q[0];\n"},
      {"no parameters", {"z"}, {}, {}, "z ;\n"},
      {"only arguments", {"rx"}, {"double"}, {real(1e-7)}, "rx(0.0000001) ;\n"},
      {"three qubits", {"ccnot"}, {"Qubit", "Qubit", "Qubit"}, {qubit(2), qubit(0), qubit(1)},
       "ccnot q[2], q[0], q[1];\n"},
  };
  for (const Case& c : cases) {
    Signature sig{"__quantum__qis__g__body", "void", c.params, false};
    EXPECT_EQ(run(c.gate, sig, c.args), c.expected) << c.what;
  }
}

TEST(GateBuilder, ResolvesEveryOperandAgainstItsWorkingType) {
  // Any parameter type other than Qubit (or ptr) makes a classical argument, so a pointer
  // operand there is rejected as a scalar, and a non-pointer in a qubit slot as a qubit.
  struct Case {
    std::vector<std::string_view> params;
    std::vector<ir::Operand> args;
    std::string_view expected;
  };
  const Case cases[] = {
      {{"Result"}, {result(0)}, "unsupported scalar operand form for \"__quantum__qis__g__body\""},
      {{"i8"}, {ir::I8Null{}}, "unsupported scalar operand form for \"__quantum__qis__g__body\""},
      {{"Qubit"}, {ir::I8Null{}}, "could not resolve qubit operand for \"__quantum__qis__g__body\""},
      {{"Qubit"}, {real(0.5)}, "could not resolve qubit operand for \"__quantum__qis__g__body\""},
      // The first failing operand decides, in parameter order.
      {{"Qubit", "Qubit"}, {ir::GlobalRef{"q"}, ir::ConstInt{3}},
       "qubit operand for \"__quantum__qis__g__body\" is not a compile-time constant; runtime "
       "qubit allocation is not supported"},
      {{"double", "Qubit"}, {ir::Ssa{"theta"}, ir::ConstInt{3}},
       "SSA value \"theta\" is used but was never bound; upstream instruction may be unsupported"},
      {{"Qubit", "double"}, {ir::ConstInt{3}, ir::Ssa{"theta"}},
       "could not resolve qubit operand for \"__quantum__qis__g__body\""},
      // OpenQASM 3 has no literal for a non-finite number.
      {{"double", "Qubit"}, {real(std::numeric_limits<double>::infinity()), qubit(0)},
       "the angle of \"__quantum__qis__g__body\" is the non-finite number inf, which OpenQASM 3 "
       "cannot write"},
      {{"Qubit", "double"}, {qubit(0), real(-std::numeric_limits<double>::infinity())},
       "the angle of \"__quantum__qis__g__body\" is the non-finite number -inf, which OpenQASM 3 "
       "cannot write"},
      {{"double", "Qubit"}, {real(std::numeric_limits<double>::quiet_NaN()), qubit(0)},
       "the angle of \"__quantum__qis__g__body\" is the non-finite number nan, which OpenQASM 3 "
       "cannot write"},
  };
  for (const Case& c : cases) {
    Signature sig{"__quantum__qis__g__body", "void", c.params, false};
    EXPECT_EQ(run(builders::Gate{"g"}, sig, c.args), c.expected);
  }
}

TEST(GateBuilder, AngleBoundToAnSsaValueIsSubstituted) {
  LoweringContext ctx = fresh_context();
  ASSERT_TRUE(ctx.bind_value("n", qasm::make_binary(qasm::BinaryOperator::Add,
                                                    qasm::Identifier{"a"}, qasm::IntLiteral{1})));
  Signature sig{"__quantum__qis__rx__body", "void", {"double", "Qubit"}, false};
  EXPECT_EQ(run(builders::Gate{"rx"}, sig, {ir::Ssa{"n"}, qubit(0)}, ctx), "rx(a + 1) q[0];\n");
  // The binding stays for later uses.
  EXPECT_EQ(run(builders::Gate{"rx"}, sig, {ir::Ssa{"n"}, qubit(1)}, ctx), "rx(a + 1) q[1];\n");
}

TEST(GateBuilder, RaisedIndexIsKeptWhenALaterOperandFails) {
  LoweringContext ctx = fresh_context();
  Signature sig{"__quantum__qis__cnot__body", "void", {"Qubit", "Qubit"}, false};
  EXPECT_EQ(run(builders::Gate{"cnot"}, sig, {qubit(4), ir::GetElementPtr{}}, ctx),
            "qubit operand for \"__quantum__qis__cnot__body\" is not a compile-time constant; "
            "runtime qubit allocation is not supported");
  EXPECT_EQ(ctx.max_qubit_index(), 4);
}

// ---- Rewrites (extended mode) --------------------------------------------------------

builders::Rewrite rewrite_of(std::string_view function) {
  const builders::GateRewrite* r = builders::find_function_rewrite(function);
  EXPECT_NE(r, nullptr) << function;
  return builders::Rewrite{r};
}

TEST(RewriteBuilder, PrintsTheNativeGatesOnTheCallsQubits) {
  struct Case {
    std::string_view function;
    std::vector<std::string_view> params;
    std::vector<ir::Operand> args;
    std::string_view expected;
  };
  const Case cases[] = {
      {"__quantum__qis__u3__body", {"double", "double", "double", "ptr"},
       {real(0.4), real(0.5), real(0.6), ptr(1)}, "rz(0.6) q[1];\nry(0.4) q[1];\nrz(0.5) q[1];\n"},
      {"__quantum__qis__r1__body", {"double", "Qubit"}, {real(-0.25), qubit(2)}, "rz(-0.25) q[2];\n"},
      {"__quantum__qis__sx__body", {"ptr"}, {ptr(0)}, "rx(pi / 2) q[0];\n"},
      {"__quantum__qis__zzmax__body", {"ptr", "ptr"}, {ptr(2), ptr(0)}, "zz(pi / 2) q[2], q[0];\n"},
      {"__quantum__qis__zzphase__body", {"double", "ptr", "ptr"}, {real(0), ptr(0), ptr(1)},
       "zz(0.0) q[0], q[1];\n"},
      {"__quantum__qis__rxxyyzz__body", {"double", "double", "double", "ptr", "ptr"},
       {real(0.1), real(0.2), real(-0.3), ptr(1), ptr(0)},
       "xx(0.1) q[1], q[0];\nyy(0.2) q[1], q[0];\nzz(-0.3) q[1], q[0];\n"},
  };
  for (const Case& c : cases) {
    Signature sig{c.function, "void", c.params, false};
    EXPECT_EQ(run(rewrite_of(c.function), sig, c.args), c.expected) << c.function;
  }
}

TEST(RewriteBuilder, WritesAnglesBoundToSsaValuesAsExpressions) {
  LoweringContext ctx = fresh_context();
  ASSERT_TRUE(ctx.bind_value("phi", qasm::make_binary(qasm::BinaryOperator::Add, qasm::Identifier{"a"},
                                                      qasm::IntLiteral{1})));
  Signature sig{"__quantum__qis__u3__body", "void", {"double", "double", "double", "ptr"}, false};
  EXPECT_EQ(run(rewrite_of(sig.name), sig, {real(0.5), ir::Ssa{"phi"}, real(-1), ptr(0)}, ctx),
            "rz(-1.0) q[0];\nry(0.5) q[0];\nrz(a + 1) q[0];\n");
}

TEST(RewriteBuilder, Refusals) {
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    std::string_view function;
    std::vector<std::string_view> params;
    std::vector<ir::Operand> args;
    std::string_view expected;
  };
  const Case cases[] = {
      {"__quantum__qis__u3__body", {"double", "ptr"}, {real(0.4), ptr(1)},
       "gate intrinsic \"__quantum__qis__u3__body\" has unexpected signature [\"double\", \"Qubit\"]; "
       "expected (\"double\", \"double\", \"double\", \"Qubit\")"},
      {"__quantum__qis__zzmax__body", {"ptr", "i64"}, {ptr(0), ir::ConstInt{1}},
       "gate intrinsic \"__quantum__qis__zzmax__body\" has unexpected signature [\"Qubit\", \"i64\"]; "
       "expected (\"Qubit\", \"Qubit\")"},
      {"__quantum__qis__rxxyyzz__body", {"double", "double", "double", "ptr", "ptr"},
       {real(0), real(0), real(0), ptr(3), ptr(3)},
       "\"__quantum__qis__rxxyyzz__body\" acts on qubit 3 more than once; the qubits of a gate must "
       "be distinct"},
      {"__quantum__qis__r1__body", {"double", "ptr"}, {real(inf), ptr(0)},
       "the angle of \"__quantum__qis__r1__body\" is the non-finite number inf, which OpenQASM 3 "
       "cannot write"},
  };
  for (const Case& c : cases) {
    Signature sig{c.function, "void", c.params, false};
    EXPECT_EQ(run(rewrite_of(c.function), sig, c.args), c.expected) << c.function;
  }
}

// ---- Measurement, reset, read result -------------------------------------------------

TEST(MeasurementBuilders, EmitMeasureAndReset) {
  struct Case {
    BuilderKind kind;
    std::vector<std::string_view> params;
    std::vector<ir::Operand> args;
    std::string_view expected;
  };
  const Case cases[] = {
      {builders::Measurement{}, {"Qubit", "Result"}, {qubit(1), result(0)}, "c[0] = measure q[1];\n"},
      {builders::Measurement{}, {"ptr", "ptr"}, {ptr(1), ptr(0)}, "c[0] = measure q[1];\n"},
      {builders::Measurement{}, {"Qubit", "ptr"}, {ptr(3), ptr(7)}, "c[7] = measure q[3];\n"},
      {builders::MeasureAndReset{}, {"ptr", "ptr"}, {ptr(1), ptr(0)},
       "c[0] = measure q[1];\nreset q[1];\n"},
      {builders::ResetQubit{}, {"Qubit"}, {qubit(6)}, "reset q[6];\n"},
      {builders::ResetQubit{}, {"ptr"}, {ptr(0)}, "reset q[0];\n"},
  };
  for (const Case& c : cases) {
    Signature sig{"f", "void", c.params, false};
    EXPECT_EQ(run(c.kind, sig, c.args), c.expected);
  }
}

TEST(MeasurementBuilders, RecordTheHighestIndices) {
  LoweringContext ctx = fresh_context();
  Signature mz{"__quantum__qis__mz__body", "void", {"ptr", "ptr"}, false};
  run(builders::Measurement{}, mz, {ptr(3), ptr(5)}, ctx);
  run(builders::MeasureAndReset{}, mz, {ptr(1), ptr(2)}, ctx);
  EXPECT_EQ(ctx.max_qubit_index(), 3);
  EXPECT_EQ(ctx.max_result_index(), 5);
}

TEST(CheckFixedSignature, ShowsTheWorkingCopyOfTheParameterTypes) {
  struct Case {
    BuilderKind kind;
    std::vector<std::string_view> params;
    std::string_view expected;
  };
  const Case cases[] = {
      {builders::Measurement{}, {"Qubit"},
       "measurement intrinsic \"__quantum__qis__mz__body\" has unexpected signature [\"Qubit\"]; "
       "expected (\"Qubit\", \"Result\")"},
      {builders::Measurement{}, {"ptr"},
       "measurement intrinsic \"__quantum__qis__mz__body\" has unexpected signature [\"Qubit\"]; "
       "expected (\"Qubit\", \"Result\")"},
      // Only the first two positions of a measurement are replaced.
      {builders::Measurement{}, {"ptr", "ptr", "ptr"},
       "measurement intrinsic \"__quantum__qis__mz__body\" has unexpected signature [\"Qubit\", "
       "\"Result\", \"ptr\"]; expected (\"Qubit\", \"Result\")"},
      {builders::Measurement{}, {"Result", "Qubit"},
       "measurement intrinsic \"__quantum__qis__mz__body\" has unexpected signature [\"Result\", "
       "\"Qubit\"]; expected (\"Qubit\", \"Result\")"},
      {builders::Measurement{}, {"Qubit", "i8"},
       "measurement intrinsic \"__quantum__qis__mz__body\" has unexpected signature [\"Qubit\", "
       "\"i8\"]; expected (\"Qubit\", \"Result\")"},
      {builders::Measurement{}, {},
       "measurement intrinsic \"__quantum__qis__mz__body\" has unexpected signature []; expected "
       "(\"Qubit\", \"Result\")"},
      {builders::MeasureAndReset{}, {"Qubit", "Qubit"},
       "measure-and-reset intrinsic \"__quantum__qis__mz__body\" has unexpected signature "
       "[\"Qubit\", \"Qubit\"]; expected (\"Qubit\", \"Result\")"},
      {builders::ResetQubit{}, {"Result"},
       "reset intrinsic \"__quantum__qis__mz__body\" has unexpected signature [\"Result\"]; "
       "expected (\"Qubit\",)"},
      {builders::ResetQubit{}, {"ptr", "ptr"},
       "reset intrinsic \"__quantum__qis__mz__body\" has unexpected signature [\"Qubit\", "
       "\"Qubit\"]; expected (\"Qubit\",)"},
      {builders::ReadResult{}, {"Qubit"},
       "read_result intrinsic \"__quantum__qis__mz__body\" has unexpected signature [\"Qubit\"]; "
       "expected (\"Result\",)"},
      {builders::ReadResult{}, {"ptr", "i64"},
       "read_result intrinsic \"__quantum__qis__mz__body\" has unexpected signature [\"Result\", "
       "\"i64\"]; expected (\"Result\",)"},
  };
  for (const Case& c : cases) {
    Signature sig{"__quantum__qis__mz__body", "void", c.params, false};
    // Operands that would not resolve: the signature is checked before any of them.
    std::vector<ir::Operand> args(c.params.size(), ir::Operand(ir::ConstInt{1}));
    EXPECT_EQ(run(c.kind, sig, args), c.expected);
  }
}

TEST(CheckFixedSignature, QuotesTheCalleeName) {
  Signature sig{"odd \"name\"\t", "void", {"Result"}, false};
  EXPECT_EQ(run(builders::ResetQubit{}, sig, {result(0)}),
            "reset intrinsic \"odd \\\"name\\\"\\t\" has unexpected signature [\"Result\"]; "
            "expected (\"Qubit\",)");
}

TEST(MeasurementBuilders, ResolveQubitBeforeResult) {
  Signature sig{"__quantum__qis__m__body", "void", {"Qubit", "Result"}, false};
  EXPECT_EQ(run(builders::Measurement{}, sig, {ir::ConstInt{0}, ir::ConstInt{0}}),
            "could not resolve qubit operand for \"__quantum__qis__m__body\"");
  EXPECT_EQ(run(builders::Measurement{}, sig, {qubit(0), ir::GlobalRef{"r"}}),
            "result operand for \"__quantum__qis__m__body\" is not a compile-time constant; "
            "runtime result allocation is not supported");
}

TEST(ReadResultBuilder, BindsTheCallResultToTheResultBit) {
  LoweringContext ctx = fresh_context();
  Signature sig{"__quantum__qis__read_result__body", "i1", {"Result"}, false};
  EXPECT_EQ(run(builders::ReadResult{}, sig, {result(2)}, ctx, "r"), "");
  auto bound = ctx.lookup_value("r");
  ASSERT_TRUE(bound);
  std::string text;
  qasm::print_expression(*bound, text);
  EXPECT_EQ(text, "c[2]");
  EXPECT_EQ(ctx.max_result_index(), 2);
  EXPECT_EQ(ctx.max_qubit_index(), -1);
}

TEST(ReadResultBuilder, WithoutAResultNameOnlyRaisesTheIndex) {
  LoweringContext ctx = fresh_context();
  Signature sig{"__quantum__rt__read_result", "i1", {"ptr"}, false};
  EXPECT_EQ(run(builders::ReadResult{}, sig, {ptr(4)}, ctx), "");
  EXPECT_EQ(ctx.max_result_index(), 4);
  EXPECT_EQ(ctx.peek_value("r"), nullptr);
}

TEST(NoOpBuilder, LooksAtNothing) {
  LoweringContext ctx = fresh_context();
  Signature sig{"__quantum__rt__result_record_output", "void", {"Result", "i8"}, false};
  EXPECT_EQ(run(builders::NoOp{}, sig,
                {ptr(9), ir::GlobalRef{"g"}, ir::Ssa{"unbound"}, ir::ConstInt{-1}}, ctx),
            "");
  EXPECT_EQ(ctx.max_qubit_index(), -1);
  EXPECT_EQ(ctx.max_result_index(), -1);
}

// ---- Operand resolution --------------------------------------------------------------

TEST(ResolveQubitOperand, ByOperandKind) {
  const std::string not_constant =
      "qubit operand for \"f\" is not a compile-time constant; runtime qubit allocation is not "
      "supported";
  const std::string unresolved = "could not resolve qubit operand for \"f\"";
  struct Case {
    ir::Operand operand;
    std::string expected;
  };
  const Case cases[] = {
      {qubit(3), "q[3]"},
      {ptr(0), "q[0]"},
      {result(4), "q[4]"},  // whatever the struct name
      {ptr(kI64Max), "q[9223372036854775807]"},
      {ir::Ssa{"p"}, "q[11]"},
      {ir::Ssa{"unknown"}, not_constant},
      {ir::GlobalRef{"q"}, not_constant},
      {ir::GetElementPtr{}, not_constant},
      {ir::ConstInt{3}, unresolved},
      {ir::ConstBool{false}, unresolved},
      {ir::ConstFloat{0.0}, unresolved},
      {ir::BitcastGlobal{"g"}, unresolved},
      {ir::I8Null{}, unresolved},
      {ptr(-1),
       "qubit operand for \"f\" has negative index -1; qubit and result indices must be "
       "non-negative"},
      {ir::Ssa{"negative"},
       "qubit operand for \"f\" has negative index -9223372036854775808; qubit and result indices "
       "must be non-negative"},
  };
  for (const Case& c : cases) {
    LoweringContext ctx = fresh_context();
    ctx.record_pointer_index("p", 11);
    ctx.record_pointer_index("negative", kI64Min);
    auto resolved = builders::resolve_qubit_operand(c.operand, "f", ctx);
    std::string text;
    if (resolved) {
      qasm::print_indexed_identifier(*resolved, text);
    } else {
      text = resolved.error().message;
      EXPECT_EQ(ctx.max_qubit_index(), -1) << "a rejected operand raises no index: " << text;
    }
    EXPECT_EQ(text, c.expected);
    EXPECT_EQ(ctx.max_result_index(), -1);
  }
}

TEST(ResolveResultIndex, ByOperandKind) {
  const std::string not_constant =
      "result operand for \"f\" is not a compile-time constant; runtime result allocation is not "
      "supported";
  struct Case {
    ir::Operand operand;
    std::string expected;
  };
  const Case cases[] = {
      {result(2), "c[2]"},
      {ptr(0), "c[0]"},
      {qubit(5), "c[5]"},
      {ir::Ssa{"p"}, "c[11]"},
      {ir::Ssa{"unknown"}, not_constant},
      {ir::GlobalRef{"r"}, not_constant},
      {ir::GetElementPtr{}, not_constant},
      {ir::ConstInt{3}, not_constant},
      {ir::ConstBool{true}, not_constant},
      {ir::ConstFloat{1.0}, not_constant},
      {ir::BitcastGlobal{"g"}, not_constant},
      {ir::I8Null{}, not_constant},
      {result(-7),
       "result operand for \"f\" has negative index -7; qubit and result indices must be "
       "non-negative"},
  };
  for (const Case& c : cases) {
    LoweringContext ctx = fresh_context();
    ctx.record_pointer_index("p", 11);
    auto resolved = builders::resolve_result_index(c.operand, "f", ctx);
    std::string text;
    if (resolved) {
      text = "c[" + std::to_string(*resolved) + "]";
    } else {
      text = resolved.error().message;
      EXPECT_EQ(ctx.max_result_index(), -1) << text;
    }
    EXPECT_EQ(text, c.expected);
    EXPECT_EQ(ctx.max_qubit_index(), -1);
  }
}

TEST(ResolveOperands, HighestIndexOnlyGrows) {
  LoweringContext ctx = fresh_context();
  for (std::int64_t i : {5, 2, 0, 5, 3}) {
    ASSERT_TRUE(builders::resolve_qubit_operand(ptr(i), "f", ctx));
    ASSERT_TRUE(builders::resolve_result_index(ptr(i + 1), "f", ctx));
  }
  EXPECT_EQ(ctx.max_qubit_index(), 5);
  EXPECT_EQ(ctx.max_result_index(), 6);
}

TEST(ResolveScalarOperand, ByOperandKind) {
  const std::string unsupported_form = "unsupported scalar operand form for \"f\"";
  const text::Int128 two_to_63 = static_cast<text::Int128>(1) << 63;
  struct Case {
    ir::Operand operand;
    std::string expected;
  };
  const Case cases[] = {
      {ir::ConstInt{42}, "42"},
      {ir::ConstInt{two_to_63 - 1}, "9223372036854775807"},
      {ir::ConstInt{-two_to_63}, "-9223372036854775808"},
      {ir::ConstInt{two_to_63},
       "integer constant 9223372036854775808 does not fit in i64; larger widths are not supported"},
      {ir::ConstInt{-two_to_63 - 1},
       "integer constant -9223372036854775809 does not fit in i64; larger widths are not "
       "supported"},
      {ir::ConstInt{static_cast<text::Int128>(1) << 100},
       "integer constant 1267650600228229401496703205376 does not fit in i64; larger widths are "
       "not supported"},
      {ir::ConstBool{false}, "false"},
      {ir::ConstFloat{-0.0}, "-0.0"},
      {ir::ConstFloat{3.141592653589793}, "3.141592653589793"},
      {ir::Ssa{"x"}, "c[0] == 1"},
      {ir::Ssa{"y"},
       "SSA value \"y\" is used but was never bound; upstream instruction may be unsupported"},
      {ptr(0), unsupported_form},
      {ir::GlobalRef{"g"}, unsupported_form},
      {ir::GetElementPtr{}, unsupported_form},
      {ir::BitcastGlobal{"g"}, unsupported_form},
      {ir::I8Null{}, unsupported_form},
  };
  for (const Case& c : cases) {
    LoweringContext ctx = fresh_context();
    ASSERT_TRUE(ctx.bind_value(
        "x", qasm::make_binary(qasm::BinaryOperator::Eq,
                               qasm::make_index(qasm::Identifier{"c"}, qasm::IntLiteral{0}),
                               qasm::IntLiteral{1})));
    auto resolved = builders::resolve_scalar_operand(c.operand, "f", ctx);
    std::string text;
    if (resolved)
      qasm::print_expression(*resolved, text);
    else
      text = resolved.error().message;
    EXPECT_EQ(text, c.expected);
  }
}

TEST(ResolveScalarOperand, BooleanAndFloatConstantsKeepTheirKinds) {
  LoweringContext ctx = fresh_context();
  auto b = builders::resolve_scalar_operand(ir::ConstBool{true}, "f", ctx);
  ASSERT_TRUE(b);
  ASSERT_TRUE(std::holds_alternative<qasm::BoolLiteral>(b->node));
  EXPECT_TRUE(std::get<qasm::BoolLiteral>(b->node).value);
  auto f = builders::resolve_scalar_operand(ir::ConstFloat{2.0}, "f", ctx);
  ASSERT_TRUE(f);
  ASSERT_TRUE(std::holds_alternative<qasm::FloatLiteral>(f->node));
  EXPECT_EQ(std::get<qasm::FloatLiteral>(f->node).value, 2.0);
}

// ---- Lowering context ----------------------------------------------------------------

TEST(LoweringContext, BindingsAreCopiedOnLookupAndReplacedOnRebind) {
  LoweringContext ctx = fresh_context();
  EXPECT_EQ(ctx.lookup_value("a\"b").error().message,
            "SSA value \"a\\\"b\" is used but was never bound; upstream instruction may be "
            "unsupported");
  ASSERT_TRUE(ctx.bind_value("a", qasm::IntLiteral{1}));
  ASSERT_TRUE(ctx.bind_value("a", qasm::IntLiteral{2}));
  for (int i = 0; i < 2; ++i) {
    auto v = ctx.lookup_value("a");
    ASSERT_TRUE(v);
    EXPECT_EQ(std::get<qasm::IntLiteral>(v->node).value, 2);
  }
  EXPECT_FALSE(ctx.lookup_pointer_index("a"));
  ctx.record_pointer_index("a", 3);
  ctx.record_pointer_index("a", 4);
  EXPECT_EQ(ctx.lookup_pointer_index("a"), 4);
}

TEST(SizeBudget, ChargesUntilExhaustedAndNamesWhatOverran) {
  translator::SizeBudget budget(10);
  EXPECT_TRUE(budget.charge(4, "block", "entry"));
  EXPECT_TRUE(budget.charge(6, "block", "entry"));
  auto over = budget.charge(1, "SSA value", "x");
  ASSERT_FALSE(over);
  EXPECT_EQ(over.error().message,
            "translation size limit of 10 expression nodes and statements exceeded at SSA value "
            "\"x\"; the program grows far beyond its input (every use of an SSA value copies its "
            "whole expression, and loop headers are repeated in their loops)");
  EXPECT_FALSE(budget.charge(1, "block", "b")) << "an exhausted budget stays exhausted";
  EXPECT_EQ(translator::Limits::nodes_for_input(400), 4'000'100u);  // a quarter node per byte
}

TEST(LoweringContext, LookupsAreChargedToTheBudget) {
  LoweringContext ctx(5);
  ASSERT_TRUE(ctx.bind_value("e", qasm::make_binary(qasm::BinaryOperator::Add,
                                                    qasm::Identifier{"a"}, qasm::Identifier{"b"})));
  EXPECT_TRUE(ctx.lookup_value("e"));  // 3 nodes
  auto second = ctx.lookup_value("e");
  ASSERT_FALSE(second);
  EXPECT_TRUE(second.error().message.starts_with("translation size limit of 5 expression nodes"))
      << second.error().message;
}

}  // namespace
