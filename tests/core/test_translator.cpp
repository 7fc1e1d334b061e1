// The translator driver end to end: choosing the entry point, labelling and walking its
// blocks, dispatching calls to their builders, and declaring the registers.
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "brintavel/brintavel.hpp"
#include "builders/profile.hpp"
#include "ir/module_parser.hpp"
#include "qasm/printer.hpp"
#include "translator/entry_point.hpp"
#include "translator/rules.hpp"

namespace {

using namespace brintavel;

const std::string kHeader = "OPENQASM 3.0;\n";
// The generated-by comment up to its version field, which holds this build's version.
const std::string kGeneratedBy =
    "// generated-by: {\"name\":\"brintavel\",\"version\":\"" + std::string(kVersion) + "\"";
const std::string kTrailer = kGeneratedBy + ",\"profile\":\"base_profile\"}\n";
const std::string kAttributes =
    "attributes #0 = { \"entry_point\" \"qir_profiles\"=\"base_profile\" }\n";

// Declarations that most tests share.
const std::string kDeclarations =
    "declare void @__quantum__qis__h__body(%Qubit*)\n"
    "declare void @__quantum__qis__x__body(%Qubit*)\n"
    "declare void @__quantum__qis__cnot__body(%Qubit*, %Qubit*)\n"
    "declare void @__quantum__qis__rx__body(double, %Qubit*)\n"
    "declare void @__quantum__qis__mz__body(%Qubit*, %Result* writeonly)\n"
    "declare i1 @__quantum__qis__read_result__body(%Result*)\n"
    "declare void @__quantum__rt__result_record_output(%Result*, i8*)\n";

// A module whose entry point @main has `body` (lines inside the braces), with the shared
// declarations plus `extra`.
std::string module_with(std::string_view body, std::string_view extra = "") {
  return "%Qubit = type opaque\n%Result = type opaque\n\ndefine void @main() #0 {\n" +
         std::string(body) + "}\n\n" + kDeclarations + std::string(extra) + kAttributes;
}

// The printed program without its generated-by line, or "error: " and the message.
std::string translate(const std::string& qir) {
  auto result = translate_qir(qir);
  if (!result) return "error: " + describe(result.error());
  const std::string& text = *result;
  if (!text.ends_with(kTrailer)) return "missing trailer: " + text;
  return text.substr(0, text.size() - kTrailer.size());
}

std::string error(std::string_view message) { return "error: " + std::string(message); }

// ---- The two-qubit Bell circuit in every pointer style --------------------------------

TEST(Translator, BellCircuitInEveryPointerStyle) {
  const std::string expected_output =
      "OPENQASM 3.0;\n"
      "qubit[2] q;\n"
      "bit[1] c;\n"
      "h q[0];\n"
      "cnot q[0], q[1];\n"
      "c[0] = measure q[0];\n" +
      kTrailer;
  const char* const modules[] = {
      // Typed pointers with null for index 0.
      "define void @main() #0 {\n"
      "entry:\n"
      "  call void @__quantum__qis__h__body(%Qubit* null)\n"
      "  call void @__quantum__qis__cnot__body(%Qubit* null, %Qubit* inttoptr (i64 1 to %Qubit*))\n"
      "  call void @__quantum__qis__mz__body(%Qubit* null, %Result* null)\n"
      "  call void @__quantum__rt__result_record_output(%Result* null, i8* null)\n"
      "  ret void\n"
      "}\n"
      "declare void @__quantum__qis__h__body(%Qubit*)\n"
      "declare void @__quantum__qis__cnot__body(%Qubit*, %Qubit*)\n"
      "declare void @__quantum__qis__mz__body(%Qubit*, %Result*)\n"
      "declare void @__quantum__rt__result_record_output(%Result*, i8*)\n"
      "attributes #0 = { \"entry_point\" \"qir_profiles\"=\"base_profile\" }\n",
      // Typed pointers written with inttoptr throughout.
      "%Qubit = type opaque\n"
      "%Result = type opaque\n"
      "define void @main() #0 {\n"
      "entry:\n"
      "  call void @__quantum__qis__h__body(%Qubit* inttoptr (i64 0 to %Qubit*))\n"
      "  call void @__quantum__qis__cnot__body(%Qubit* inttoptr (i64 0 to %Qubit*), "
      "%Qubit* inttoptr (i64 1 to %Qubit*))\n"
      "  call void @__quantum__qis__mz__body(%Qubit* inttoptr (i64 0 to %Qubit*), "
      "%Result* writeonly inttoptr (i64 0 to %Result*))\n"
      "  call void @__quantum__rt__result_record_output(%Result* inttoptr (i64 0 to %Result*), "
      "i8* null)\n"
      "  ret void\n"
      "}\n"
      "declare void @__quantum__qis__h__body(%Qubit*)\n"
      "declare void @__quantum__qis__cnot__body(%Qubit*, %Qubit*)\n"
      "declare void @__quantum__qis__mz__body(%Qubit*, %Result* writeonly) #1\n"
      "declare void @__quantum__rt__result_record_output(%Result*, i8*)\n"
      "attributes #0 = { \"entry_point\" \"qir_profiles\"=\"base_profile\" }\n"
      "attributes #1 = { \"irreversible\" }\n",
      // Opaque pointers.
      "define void @main() #0 {\n"
      "entry:\n"
      "  call void @__quantum__qis__h__body(ptr null)\n"
      "  call void @__quantum__qis__cnot__body(ptr null, ptr inttoptr (i64 1 to ptr))\n"
      "  call void @__quantum__qis__mz__body(ptr null, ptr null)\n"
      "  call void @__quantum__rt__result_record_output(ptr null, ptr null)\n"
      "  ret void\n"
      "}\n"
      "declare void @__quantum__qis__h__body(ptr)\n"
      "declare void @__quantum__qis__cnot__body(ptr, ptr)\n"
      "declare void @__quantum__qis__mz__body(ptr, ptr writeonly) #1\n"
      "declare void @__quantum__rt__result_record_output(ptr, ptr)\n"
      "attributes #0 = { \"entry_point\" \"qir_profiles\"=\"base_profile\" }\n"
      "attributes #1 = { \"irreversible\" }\n",
  };
  for (const char* module : modules) {
    auto result = translate_qir(module);
    ASSERT_TRUE(result) << describe(result.error());
    EXPECT_EQ(*result, expected_output);
  }
}

TEST(Translator, ConditionalOnAResultReadsTheBitDirectly) {
  // The read-result call binds %r to c[0]; the branch tests it as it is.
  const std::string qir = module_with(
      "  call void @__quantum__qis__h__body(%Qubit* null)\n"
      "  call void @__quantum__qis__mz__body(%Qubit* null, %Result* null)\n"
      "  %r = call i1 @__quantum__qis__read_result__body(%Result* null)\n"
      "  br i1 %r, label %then, label %done\n"
      "then:\n"
      "  call void @__quantum__qis__x__body(%Qubit* inttoptr (i64 1 to %Qubit*))\n"
      "  br label %done\n"
      "done:\n"
      "  ret void\n");
  EXPECT_EQ(translate(qir), kHeader +
                                "qubit[2] q;\n"
                                "bit[1] c;\n"
                                "h q[0];\n"
                                "c[0] = measure q[0];\n"
                                "if (c[0]) {\n"
                                "  x q[1];\n"
                                "}\n");
}

TEST(Translator, ConstantBranchConditionIsABoolean) {
  const std::string qir = module_with(
      "  br i1 true, label %then, label %done\n"
      "then:\n"
      "  call void @__quantum__qis__x__body(%Qubit* null)\n"
      "  br label %done\n"
      "done:\n"
      "  ret void\n");
  EXPECT_EQ(translate(qir), kHeader + "qubit[1] q;\nif (true) {\n  x q[0];\n}\n");
}

// ---- Call dispatch -------------------------------------------------------------------

TEST(Translator, CallDispatchChecksInOrder) {
  struct Case {
    const char* what;
    std::string body;
    std::string extra_declarations;
    std::string expected;
  };
  const Case cases[] = {
      {"supported gate without a declaration",
       "  call void @__quantum__qis__y__body(%Qubit* null)\n", "",
       error("no signature for callee \"__quantum__qis__y__body\" in QIR source")},
      {"unknown function without a declaration", "  call void @frobnicate(i64 1)\n", "",
       error("no signature for callee \"frobnicate\" in QIR source")},
      {"undeclared memcpy", "  call void @llvm.memcpy.p0.p0.i64(ptr null, ptr null, i64 1, i1 false)\n",
       "", error("no signature for callee \"llvm.memcpy.p0.p0.i64\" in QIR source")},
      {"quoted callee without a declaration", "  call void @\"odd name\"()\n", "",
       error("no signature for callee \"odd name\" in QIR source")},
      {"declared, no builder", "  call void @__quantum__qis__sdg__body(%Qubit* null)\n",
       "declare void @__quantum__qis__sdg__body(%Qubit*)\n",
       error("no builder registered for QIR function '__quantum__qis__sdg__body'; extend the "
             "Profile to support it")},
      {"declared quoted name, no builder", "  call void @\"odd name\"()\n",
       "declare void @\"odd name\"()\n",
       error("no builder registered for QIR function 'odd name'; extend the Profile to support "
             "it")},
      {"runtime qubit allocation has no builder",
       "  %q = call %Qubit* @__quantum__rt__qubit_allocate()\n",
       "declare %Qubit* @__quantum__rt__qubit_allocate()\n",
       error("no builder registered for QIR function '__quantum__rt__qubit_allocate'; extend the "
             "Profile to support it")},
      {"llvm intrinsic no key prefixes", "  call void @llvm.memset.p0.i64(ptr null, i8 0, i64 1, i1 false)\n",
       "declare void @llvm.memset.p0.i64(ptr, i8, i64, i1 immarg)\n",
       error("no builder registered for QIR function 'llvm.memset.p0.i64'; extend the Profile to "
             "support it")},
      {"declared variadic, no builder",
       "  call void (i64, ...) @__quantum__qis__mcx__body(i64 2, %Qubit* null)\n",
       "declare void @__quantum__qis__mcx__body(i64, ...)\n",
       error("variadic QIR function '__quantum__qis__mcx__body' is not supported; only "
             "'generalizedInvokeWithRotationsControlsTargets' is; multi-controlled gates must be "
             "decomposed into single- and two-qubit gates before translation")},
      // A default-dispatch builder refuses a variadic callee before counting operands.
      {"variadic gate", "  call void (...) @__quantum__qis__y__body(%Qubit* null, i64 2)\n",
       "declare void @__quantum__qis__y__body(...)\n",
       error("QIR function \"__quantum__qis__y__body\" is variadic and cannot be lowered by the "
             "default dispatch; variadic lowering requires a specialized builder that inspects the "
             "runtime operand list")},
      {"variadic measurement with matching count",
       "  call void (%Qubit*, ...) @__quantum__qis__m__body(%Qubit* null)\n",
       "declare void @__quantum__qis__m__body(%Qubit*, ...)\n",
       error("QIR function \"__quantum__qis__m__body\" is variadic and cannot be lowered by the "
             "default dispatch; variadic lowering requires a specialized builder that inspects the "
             "runtime operand list")},
      {"too many operands",
       "  call void @__quantum__qis__cnot__body(%Qubit* null, %Qubit* null, %Qubit* null)\n", "",
       error("arity mismatch calling \"__quantum__qis__cnot__body\": IR supplied 3 operand(s) but "
             "signature expects 2")},
      {"too few operands", "  call void @__quantum__qis__h__body()\n", "",
       error("arity mismatch calling \"__quantum__qis__h__body\": IR supplied 0 operand(s) but "
             "signature expects 1")},
      // A specialized builder with a fixed signature is still counted.
      {"no-op with a fixed signature",
       "  call void @__quantum__rt__result_record_output(%Result* null)\n", "",
       error("arity mismatch calling \"__quantum__rt__result_record_output\": IR supplied 1 "
             "operand(s) but signature expects 2")},
      {"fixed controlled intrinsic with too many operands",
       "  call void @generalizedInvokeWithRotationsControlsTargets(i64 0, i64 0, i64 1, i64 1, "
       "i8* null, %Qubit* null, %Qubit* null)\n",
       "declare void @generalizedInvokeWithRotationsControlsTargets(i64, i64, i64, i64, i8*)\n",
       error("arity mismatch calling \"generalizedInvokeWithRotationsControlsTargets\": IR "
             "supplied 7 operand(s) but signature expects 5")},
      // With a matching count the builder itself rejects the fixed signature.
      {"fixed controlled intrinsic",
       "  call void @generalizedInvokeWithRotationsControlsTargets(i64 0, i64 0, i64 1, i64 1, "
       "i8* null)\n",
       "declare void @generalizedInvokeWithRotationsControlsTargets(i64, i64, i64, i64, i8*)\n",
       error("generalized-controlled intrinsic \"generalizedInvokeWithRotationsControlsTargets\" "
             "has unexpected signature [\"i64\", \"i64\", \"i64\", \"i64\", \"i8\"] "
             "(variadic=false); expected callee \"generalizedInvokeWithRotationsControlsTargets\" "
             "with parameter prefix (\"i64\", \"i64\", \"i64\", \"i64\", \"i8\"|\"ptr\", ...) and "
             "is_variadic=true")},
      // A variadic controlled call is not counted by the driver; the builder counts.
      {"variadic controlled intrinsic with four operands",
       "  call void (i64, i64, i64, i64, ptr, ...) "
       "@generalizedInvokeWithRotationsControlsTargets(i64 0, i64 0, i64 1, i64 1)\n",
       "declare void @generalizedInvokeWithRotationsControlsTargets(i64, i64, i64, i64, ptr, ...)\n",
       error("generalizedInvokeWithRotationsControlsTargets expects at least 5 operands "
             "(numRotations, adjoint, numControls, numTargets, innerFn); got 4 operand(s)")},
      // The builders' own checks come after the dispatch.
      {"measurement with one parameter", "  call void @__quantum__qis__m__body(%Qubit* null)\n",
       "declare void @__quantum__qis__m__body(%Qubit*)\n",
       error("measurement intrinsic \"__quantum__qis__m__body\" has unexpected signature "
             "[\"Qubit\"]; expected (\"Qubit\", \"Result\")")},
      {"opaque measurement with one parameter",
       "  call void @__quantum__qis__mresetz__body(ptr null)\n",
       "declare void @__quantum__qis__mresetz__body(ptr)\n",
       error("measure-and-reset intrinsic \"__quantum__qis__mresetz__body\" has unexpected "
             "signature [\"Qubit\"]; expected (\"Qubit\", \"Result\")")},
      {"reset of a result", "  call void @__quantum__qis__reset__body(%Result* null)\n",
       "declare void @__quantum__qis__reset__body(%Result*)\n",
       error("reset intrinsic \"__quantum__qis__reset__body\" has unexpected signature "
             "[\"Result\"]; expected (\"Qubit\",)")},
      {"read of a qubit", "  %r = call i1 @__quantum__rt__read_result(%Qubit* null)\n",
       "declare i1 @__quantum__rt__read_result(%Qubit*)\n",
       error("read_result intrinsic \"__quantum__rt__read_result\" has unexpected signature "
             "[\"Qubit\"]; expected (\"Result\",)")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto result = translate_qir(module_with(c.body, c.extra_declarations));
    ASSERT_FALSE(result) << *result;
    EXPECT_EQ(result.error().kind, ErrorKind::UnsupportedConstruct);
    EXPECT_EQ(error(result.error().message), c.expected);
  }
}

TEST(Translator, CallsThatProduceNothing) {
  // Specialized no-op builders with variadic signatures take any operands; overloaded memcpy
  // intrinsics find the llvm.memcpy entry.
  const std::string qir = module_with(
      "  call void @__quantum__rt__initialize(i8* null)\n"
      "  call void (i64, ...) @__quantum__rt__tuple_record_output(i64 2, i8* null, double 1.0)\n"
      "  %p = call i8* @malloc(i64 16)\n"
      "  call void @llvm.memcpy.p0i8.p0i8.i64(i8* %p, i8* null, i64 16, i1 false)\n"
      "  call void @free(i8* %p)\n"
      "  call void @__quantum__rt__result_record_output(%Result* inttoptr (i64 9 to %Result*), "
      "i8* null)\n"
      "  ret void\n",
      "declare void @__quantum__rt__initialize(i8*)\n"
      "declare void @__quantum__rt__tuple_record_output(i64, ...)\n"
      "declare i8* @malloc(i64)\n"
      "declare void @llvm.memcpy.p0i8.p0i8.i64(i8* noalias nocapture writeonly, i8* noalias "
      "nocapture readonly, i64, i1 immarg)\n"
      "declare void @free(i8*)\n");
  EXPECT_EQ(translate(qir), kHeader);
}

TEST(Translator, OperandErrorsOfTheBuildersPassThrough) {
  struct Case {
    std::string body;
    std::string expected;
  };
  const Case cases[] = {
      {"  call void @__quantum__qis__h__body(%Qubit* inttoptr (i64 -1 to %Qubit*))\n",
       error("qubit operand for \"__quantum__qis__h__body\" has negative index -1; qubit and "
             "result indices must be non-negative")},
      {"  call void @__quantum__qis__mz__body(%Qubit* null, %Result* inttoptr (i64 -5 to "
       "%Result*))\n",
       error("result operand for \"__quantum__qis__mz__body\" has negative index -5; qubit and "
             "result indices must be non-negative")},
      {"  call void (i64, i64, i64, i64, i8*, ...) @generalizedInvokeWithRotationsControlsTargets("
       "i64 0, i64 0, i64 1, i64 1, i8* bitcast (void (%Array*, %Qubit*)* @__quantum__qis__x__ctl "
       "to i8*), %Qubit* null, %Qubit* inttoptr (i64 -3 to %Qubit*))\n",
       error("qubit operand for \"generalizedInvokeWithRotationsControlsTargets\" has negative "
             "index -3; qubit and result indices must be non-negative")},
      // Only the controlled builder takes a null i8* as qubit 0.
      {"  call void @__quantum__qis__h__body(i8* null)\n",
       error("could not resolve qubit operand for \"__quantum__qis__h__body\"")},
      {"  %q = load %Qubit*, %Qubit** %slot\n"
       "  call void @__quantum__qis__h__body(%Qubit* %q)\n",
       error("qubit operand for \"__quantum__qis__h__body\" is not a compile-time constant; "
             "runtime qubit allocation is not supported")},
      {"  call void @__quantum__qis__h__body(%Qubit* @q0)\n",
       error("qubit operand for \"__quantum__qis__h__body\" is not a compile-time constant; "
             "runtime qubit allocation is not supported")},
      {"  call void @__quantum__qis__h__body(i64 3)\n",
       error("could not resolve qubit operand for \"__quantum__qis__h__body\"")},
      {"  call void @__quantum__qis__mz__body(%Qubit* null, %Result* %r)\n",
       error("result operand for \"__quantum__qis__mz__body\" is not a compile-time constant; "
             "runtime result allocation is not supported")},
      {"  call void @__quantum__qis__rx__body(double %theta, %Qubit* null)\n",
       error("SSA value \"theta\" is used but was never bound; upstream instruction may be "
             "unsupported")},
      {"  call void @__quantum__qis__rx__body(i128 170141183460469231731687303715884105727, "
       "%Qubit* null)\n",
       error("integer constant 170141183460469231731687303715884105727 does not fit in i64; "
             "larger widths are not supported")},
      {"  call void @__quantum__qis__rx__body(%Qubit* null, %Qubit* null)\n",
       error("unsupported scalar operand form for \"__quantum__qis__rx__body\"")},
  };
  const std::string controlled =
      "declare void @generalizedInvokeWithRotationsControlsTargets(i64, i64, i64, i64, i8*, ...)\n";
  for (const Case& c : cases)
    EXPECT_EQ(translate(module_with(c.body, controlled)), c.expected) << c.body;
}

TEST(Translator, QubitFromAnInttoptrInstruction) {
  const std::string qir = module_with(
      "  %q = inttoptr i64 3 to %Qubit*\n"
      "  call void @__quantum__qis__rx__body(double 0x3FE0000000000000, %Qubit* %q)\n");
  EXPECT_EQ(translate(qir), kHeader + "qubit[4] q;\nrx(0.5) q[3];\n");
}

// ---- Entry point ---------------------------------------------------------------------

TEST(Translator, EntryPointSelection) {
  const std::string no_entry = error(
      "no entry-point function found; QIR modules must have a function tagged with the "
      "'entry_point' attribute");
  struct Case {
    const char* what;
    std::string qir;
    std::string expected;
  };
  const Case cases[] = {
      {"empty module", "", no_entry},
      {"a declaration carries the attribute",
       "define void @main() {\n  ret void\n}\ndeclare void @f() #0\n" + kAttributes, no_entry},
      // The signature table is built before the entry point is looked for.
      {"bad declaration without entry point",
       "define void @main() {\n  ret void\n}\ndeclare noundef i32 @f()\n",
       error("could not parse signature line: \"declare noundef i32 @f()\"")},
      // Only the first entry-point definition is translated; the second is never looked at.
      {"two entry points",
       "define void @helper() {\n  frobnicate\n}\n"
       "define void @first() #0 {\n  call void @__quantum__qis__x__body(%Qubit* null)\n  ret void\n}\n"
       "define void @second() #0 {\n  call void @undeclared()\n  fneg double 1.0\n}\n" +
           kDeclarations + kAttributes,
       kHeader + "qubit[1] q;\nx q[0];\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(translate(c.qir), c.expected) << c.what;
}

TEST(Translator, InlineEntryPointAttributeNamesNoProfile) {
  auto result = translate_qir(
      "define void @main() \"entry_point\" {\n  call void @__quantum__qis__h__body(%Qubit* null)\n"
      "  ret void\n}\n" + kDeclarations);
  ASSERT_TRUE(result) << describe(result.error());
  EXPECT_EQ(*result, kHeader + "qubit[1] q;\nh q[0];\n" + kGeneratedBy + "}\n");
}

// ---- Blocks and terminators ----------------------------------------------------------

TEST(Translator, BlockLabelsAndTerminators) {
  struct Case {
    const char* what;
    std::string body;
    std::string expected;
  };
  const Case cases[] = {
      {"unknown opcode in the unlabeled first block", "  %z = fneg double 1.0\n",
       error("unsupported LLVM instruction opcode \"fneg\" in block \"0\"")},
      {"unknown opcode in a labelled block",
       "entry:\n  br label %next\nnext:\n  call void @__quantum__qis__h__body(%Qubit* null)\n"
       "  atomicrmw add ptr %p, i32 1 seq_cst\n",
       error("unsupported LLVM instruction opcode \"atomicrmw\" in block \"next\"")},
      {"unknown opcode after ret", "  call void @__quantum__qis__h__body(%Qubit* null)\n  ret void\n"
                                   "  %z = fneg double 1.0\n  call void @undeclared()\n",
       kHeader + "qubit[1] q;\nh q[0];\n"},
      {"instructions after br",
       "  br label %next\n  %z = fneg double 1.0\n  call void @__quantum__qis__h__body(%Qubit* "
       "inttoptr (i64 7 to %Qubit*))\nnext:\n  call void @__quantum__qis__x__body(%Qubit* null)\n",
       kHeader + "qubit[1] q;\nx q[0];\n"},
      {"instructions after a conditional branch",
       "  br i1 false, label %a, label %a\n  %z = fneg double 1.0\n"
       "a:\n  call void @__quantum__qis__x__body(%Qubit* null)\n  ret void\n",
       kHeader + "qubit[1] q;\nx q[0];\n"},
      {"no terminator at all", "  call void @__quantum__qis__h__body(%Qubit* null)\n",
       kHeader + "qubit[1] q;\nh q[0];\n"},
      {"ignored instructions", "  %a = sext i1 true to i64\n  %b = trunc i64 7 to i32\n"
                               "  call void @__quantum__qis__h__body(%Qubit* null)\n",
       kHeader + "qubit[1] q;\nh q[0];\n"},
      {"branch on an unbound value", "  br i1 %c, label %a, label %b\na:\n  ret void\nb:\n  ret void\n",
       error("SSA value \"c\" is used but was never bound; upstream instruction may be "
             "unsupported")},
      {"branch on an unbound quoted value",
       "  br i1 %\"c\", label %a, label %b\na:\n  ret void\nb:\n  ret void\n",
       error("SSA value \"\\\"c\\\"\" is used but was never bound; upstream instruction may be "
             "unsupported")},
  };
  for (const Case& c : cases) EXPECT_EQ(translate(module_with(c.body)), c.expected) << c.what;
}

// A module built by hand: block labels that the parser would never leave empty.
struct HandBuiltModule {
  std::string source = kDeclarations;
  ir::Module module;

  explicit HandBuiltModule(std::vector<ir::Block> blocks) {
    module.source = source;
    module.functions.push_back(ir::Function{"main", std::move(blocks), "base_profile", false, true});
  }
};

std::string translate_module(const ir::Module& module) {
  auto rules = translator::base_rules();
  translator::TranslationContext context{*rules, {}, std::nullopt, false};
  auto program = translator::translate_entry_point(context, module);
  if (!program) return error(program.error().message);
  std::string out;
  qasm::print_program(*program, out);
  return out;
}

TEST(Translator, UnlabeledBlocksAreNamedByPosition) {
  ir::Call x{"__quantum__qis__x__body", {ir::PtrConst{"Qubit", 2}}, "void", std::nullopt};
  HandBuiltModule ok({
      ir::Block{"", {ir::Br{"b"}}},
      ir::Block{"b", {ir::Br{"2"}}},  // branch targets compare with computed labels
      ir::Block{"", {x, ir::Ret{}}},
  });
  EXPECT_EQ(translate_module(ok.module), kHeader + "qubit[3] q;\nx q[2];\n");

  HandBuiltModule bad({
      ir::Block{"", {ir::Br{"b"}}},
      ir::Block{"b", {ir::Br{"2"}}},
      ir::Block{"", {x, ir::Unknown{"frob", {}}}},
  });
  EXPECT_EQ(translate_module(bad.module),
            error("unsupported LLVM instruction opcode \"frob\" in block \"2\""));
}

// ---- Registers -----------------------------------------------------------------------

TEST(Translator, RegistersAreSizedFromTheHighestIndices) {
  struct Case {
    const char* what;
    std::string body;
    std::string expected;
  };
  const std::string q4 = "%Qubit* inttoptr (i64 4 to %Qubit*)";
  const std::string r2 = "%Result* inttoptr (i64 2 to %Result*)";
  const std::string big = "inttoptr (i64 9223372036854775807 to ";
  const Case cases[] = {
      {"qubits 0 and 4, results 0 to 2",
       "  call void @__quantum__qis__mz__body(" + q4 + ", " + r2 + ")\n"
       "  call void @__quantum__qis__mz__body(%Qubit* null, %Result* null)\n"
       "  call void @__quantum__qis__mz__body(" + q4 + ", %Result* inttoptr (i64 1 to %Result*))\n",
       kHeader + "qubit[5] q;\nbit[3] c;\nc[2] = measure q[4];\nc[0] = measure q[0];\n"
                 "c[1] = measure q[4];\n"},
      {"no measurement, no bit register", "  call void @__quantum__qis__h__body(" + q4 + ")\n",
       kHeader + "qubit[5] q;\nh q[4];\n"},
      {"no qubit, no qubit register",
       "  %r = call i1 @__quantum__qis__read_result__body(" + r2 + ")\n"
       "  call void @__quantum__rt__result_record_output(%Result* inttoptr (i64 7 to %Result*), "
       "i8* null)\n",
       kHeader + "bit[3] c;\n"},
      {"nothing used", "  ret void\n", kHeader},
      {"largest usable index", "  call void @__quantum__qis__h__body(%Qubit* inttoptr (i64 "
                               "9223372036854775806 to %Qubit*))\n",
       kHeader + "qubit[9223372036854775807] q;\nh q[9223372036854775806];\n"},
      {"qubit overflow", "  call void @__quantum__qis__h__body(%Qubit* " + big + "%Qubit*))\n",
       error("qubit index too large to size the qubit register")},
      {"result overflow",
       "  call void @__quantum__qis__mz__body(%Qubit* null, %Result* " + big + "%Result*))\n",
       error("result index too large to size the result register")},
      {"both overflow: the qubit register is sized first",
       "  call void @__quantum__qis__mz__body(%Qubit* null, %Result* " + big + "%Result*))\n"
       "  call void @__quantum__qis__h__body(%Qubit* " + big + "%Qubit*))\n",
       error("qubit index too large to size the qubit register")},
  };
  for (const Case& c : cases) EXPECT_EQ(translate(module_with(c.body)), c.expected) << c.what;
}

TEST(Translator, ProgramAssemblyOrder) {
  // Includes, the qubit register, the result register, int variables, then the body.
  const std::string qir = module_with(
      "entry:\n"
      "  call void @__quantum__qis__mz__body(%Qubit* null, %Result* null)\n"
      "  %m = call i1 @__quantum__qis__read_result__body(%Result* null)\n"
      "  br i1 %m, label %then, label %merge\n"
      "then:\n"
      "  br label %merge\n"
      "merge:\n"
      "  %x = phi i64 [ 0, %entry ], [ 1, %then ]\n"
      "  ret void\n");
  auto module = ir::parse_module(qir);
  ASSERT_TRUE(module);
  auto rules = translator::base_rules();
  translator::TranslationContext context{*rules, {"stdgates.inc", "halvek.inc"}, std::nullopt, true};
  auto program = translator::translate_entry_point(context, *module);
  ASSERT_TRUE(program) << program.error().message;
  std::string out;
  qasm::print_program(*program, out);
  EXPECT_EQ(out,
            "OPENQASM 3.0;\n"
            "include \"stdgates.inc\";\n"
            "include \"halvek.inc\";\n"
            "qubit[1] q;\n"
            "output bit[1] c;\n"
            "int cint_0 = 0;\n"
            "c[0] = measure q[0];\n"
            "if (c[0]) {\n"
            "  cint_0 = 1;\n"
            "}\n");
  // The pipeline's own context declares no includes and a plain bit register.
  EXPECT_EQ(translate(qir), kHeader + "qubit[1] q;\nbit[1] c;\nint cint_0 = 0;\n"
                                      "c[0] = measure q[0];\nif (c[0]) {\n  cint_0 = 1;\n}\n");
}

}  // namespace
