// The instruction parser: every modelled form, the tolerated forms that fall back to
// Ignored, the always-ignored and unknown opcodes, and every message with its placeholders.
#include <charconv>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "ir/instruction_parser.hpp"
#include "ir/plain_instruction.hpp"
#include "support/text.hpp"
#include "support.hpp"

namespace {

using namespace brintavel;
using namespace brintavel::ir;
using testing_support::Overloaded;
using testing_support::show;
using testing_support::show_double;

std::string s(std::string_view v) { return std::string(v); }

constexpr std::string_view kLogicOps[] = {"xor", "and", "or"};
constexpr std::string_view kArithOps[] = {"add", "sub", "mul"};

// A compact, unambiguous text for an instruction.
std::string show(const Instruction& instruction) {
  return std::visit(
      Overloaded{
          [](const Call& i) {
            std::string out = "Call(" + s(i.callee) + ", ret=" + s(i.return_type) +
                              ", result=" + (i.result ? s(*i.result) : "-") + ", args=[";
            for (std::size_t k = 0; k < i.args.size(); ++k) out += (k ? ", " : "") + show(i.args[k]);
            return out + "])";
          },
          [](const Br& i) { return "Br(" + s(i.target) + ")"; },
          [](const CondBr& i) {
            std::string cond = std::visit(
                Overloaded{[](std::string_view n) { return "%" + s(n); },
                           [](bool b) { return std::string(b ? "true" : "false"); }},
                i.condition);
            return "CondBr(" + cond + ", " + s(i.true_label) + ", " + s(i.false_label) + ")";
          },
          [](const Ret&) { return std::string("Ret"); },
          [](const Icmp& i) {
            return "Icmp(" + s(i.predicate) + ", " + show(i.lhs) + ", " + show(i.rhs) + ", " +
                   s(i.result) + ")";
          },
          [](const Logic& i) {
            return "Logic(" + s(kLogicOps[static_cast<int>(i.op)]) + ", " + show(i.lhs) + ", " +
                   show(i.rhs) + ", " + s(i.result) + ")";
          },
          [](const Select& i) {
            return "Select(" + s(i.ty) + ", " + show(i.cond) + ", " + show(i.then_value) + ", " +
                   show(i.else_value) + ", " + s(i.result) + ")";
          },
          [](const Arith& i) {
            return "Arith(" + s(kArithOps[static_cast<int>(i.op)]) + ", " + show(i.lhs) + ", " +
                   show(i.rhs) + ", " + s(i.result) + ")";
          },
          [](const Phi& i) {
            std::string out = "Phi(" + s(i.ty) + ", [";
            for (std::size_t k = 0; k < i.incomings.size(); ++k)
              out += (k ? ", " : "") + show(i.incomings[k].value) + " %" + s(i.incomings[k].predecessor);
            return out + "], " + s(i.result) + ")";
          },
          [](const Ignored& i) { return "Ignored(" + s(i.opcode) + ")"; },
          [](const Alloca& i) { return "Alloca(" + s(i.result) + ")"; },
          [](const Bitcast& i) { return "Bitcast(" + s(i.source) + ", " + s(i.result) + ")"; },
          [](const Gep& i) {
            return "Gep(" + s(i.base) + ", " + std::to_string(i.index) + ", " + s(i.result) + ")";
          },
          [](const Store& i) { return "Store(" + show(i.value) + ", " + s(i.pointer) + ")"; },
          [](const Load& i) { return "Load(" + s(i.pointer) + ", " + s(i.result) + ")"; },
          [](const Zext& i) { return "Zext(" + s(i.source) + ", " + s(i.result) + ")"; },
          [](const IntToPtr& i) { return "IntToPtr(" + show(i.value) + ", " + s(i.result) + ")"; },
          [](const Unknown& i) { return "Unknown(" + s(i.opcode) + ")"; },
          [](const auto&) { return std::string("extended-mode instruction"); },
      },
      instruction);
}

std::string parse(std::string_view text) {
  TextPool pool;
  auto r = parse_instruction(text, pool);
  if (r) return show(*r);
  EXPECT_EQ(r.error().kind, ErrorKind::Parse) << r.error().message;
  return "error: " + r.error().message;
}

struct Case {
  std::string_view input;
  std::string_view expected;  // show() of the instruction, or "error: <message>"
};

void check(std::span<const Case> cases) {
  for (const Case& c : cases) EXPECT_EQ(parse(c.input), c.expected) << text::quoted(c.input);
}

// ---- Preparation: comment, result name, tail words, opcode --------------------------------

const Case kPreparation[] = {
    {"%r = call i64 @f(i64 1) ; note: x = y", "Call(f, ret=i64, result=r, args=[ConstInt(1)])"},
    {"call void @f() ; %x = y", "Call(f, ret=void, result=-, args=[])"},
    {"%r=call i1 @f()", "Call(f, ret=i1, result=r, args=[])"},
    {"  %r   =   call i1 @f()  ", "Call(f, ret=i1, result=r, args=[])"},
    {"%\"q r\" = call i1 @f()", "Call(f, ret=i1, result=\"q r\", args=[])"},
    {"%a-b = call i1 @f()", "Call(f, ret=i1, result=a-b, args=[])"},
    {"x = call void @f()", "Unknown(x)"},
    {"musttail notail tail call void @f()", "Call(f, ret=void, result=-, args=[])"},
    {"%0 = tail call %Result* @__quantum__rt__result_get_one()",
     "Call(__quantum__rt__result_get_one, ret=%Result*, result=0, args=[])"},
    // Trimming is Unicode; words end at ASCII white space only.
    {"\u00A0ret void\u3000", "Ret"},
    {"ret\u00A0void", "Unknown(ret\u00A0void)"},
    {"ret\vvoid", "Unknown(ret\vvoid)"},
    {"call\u2003void @f()", "Unknown(call\u2003void)"},
    {"RET void", "Unknown(RET)"},
    {"%z = fneg double %x", "Unknown(fneg)"},
    {"unreachable", "Unknown(unreachable)"},
    {"switch i32 %x, label %a [ i32 0, label %b ]", "Unknown(switch)"},
    {"\"a b\":", "Unknown(\"a)"},
    {"", "error: empty instruction in block body: \"\""},
    {"   ; only a comment", "error: empty instruction in block body: \"\""},
    {"%r = ", "error: empty instruction in block body: \"%r =\""},
    {"%r = tail ; call", "error: empty instruction in block body: \"%r = tail\""},
    {"tail\tnotail", "error: empty instruction in block body: \"tail\\tnotail\""},
};

TEST(ParseInstruction, Preparation) { check(kPreparation); }

// ---- call -----------------------------------------------------------------------------------

const Case kCalls[] = {
    {"call void @__quantum__qis__h__body(%Qubit* null) #1",
     "Call(__quantum__qis__h__body, ret=void, result=-, args=[PtrConst(Qubit,0)])"},
    {"call void (i64, i64, i64, i64, i8*, ...) @generalizedInvokeWithRotationsControlsTargets(i64 0, "
     "i64 0, i64 1, i64 1, i8* null, %Qubit* null, %Qubit* inttoptr (i64 1 to %Qubit*))",
     "Call(generalizedInvokeWithRotationsControlsTargets, ret=void, result=-, args=[ConstInt(0), "
     "ConstInt(0), ConstInt(1), ConstInt(1), I8Null, PtrConst(Qubit,0), PtrConst(Qubit,1)])"},
    {"call void (ptr, (i64)) @f(i64 1)", "Call(f, ret=void, result=-, args=[ConstInt(1)])"},
    {"call void @\"odd name\"(i64 1)", "Call(odd name, ret=void, result=-, args=[ConstInt(1)])"},
    {"call void @f (i64 1)", "Call(f, ret=void, result=-, args=[ConstInt(1)])"},
    {"call void @f nounwind (i64 1)", "Call(f, ret=void, result=-, args=[ConstInt(1)])"},
    {"call void @f(  )", "Call(f, ret=void, result=-, args=[])"},
    {"call void @f(\u00A0)", "Call(f, ret=void, result=-, args=[])"},
    {"call void @f(i64 1)) #0", "Call(f, ret=void, result=-, args=[ConstInt(1)])"},
    {"call void @f(i64 noundef 1, double 0.5, i1 true, ptr @g)",
     "Call(f, ret=void, result=-, args=[ConstInt(1), ConstFloat(0.5), ConstBool(true), GlobalRef(g)])"},
    {"call void @f(ptr getelementptr inbounds ([3 x i8], ptr @0, i64 0, i64 0), i64 2)",
     "Call(f, ret=void, result=-, args=[GetElementPtr, ConstInt(2)])"},
    {"call void @f(i64 %x, { i64, i1 }, i64 2)",
     "error: unsupported operand type \"{\" in operand \"{ i64, i1 }\""},
    // Return attributes before the return type, as producers write result reads.
    {"%r = call zeroext i1 @__quantum__rt__read_result(ptr null)",
     "Call(__quantum__rt__read_result, ret=i1, result=r, args=[PtrConst(-,0)])"},
    {"%r = tail call noundef zeroext i1 @f()", "Call(f, ret=i1, result=r, args=[])"},
    {"%r = call %Result* @__quantum__qis__m__body(%Qubit* null)",
     "Call(__quantum__qis__m__body, ret=%Result*, result=r, args=[PtrConst(Qubit,0)])"},
    // Messages; the placeholder is the text after `call`.
    {"call void (i64 @f(i64 1)",
     "error: call function-type prefix has unbalanced parens: \"void (i64 @f(i64 1)\""},
    {"call void f(i64 1)", "error: could not parse callee in call: \"void f(i64 1)\""},
    {"call void @\"f(i64 1)", "error: could not parse callee in call: \"void @\\\"f(i64 1)\""},
    {"call void @", "error: could not parse callee in call: \"void @\""},
    {"call", "error: could not parse callee in call: \"\""},
    {"call void\t@f", "error: call missing ( after callee name: \"void\\t@f\""},
    {"call void @f(i64 1", "error: call has unbalanced parens: \"void @f(i64 1\""},
    // A ; cuts the text even inside a quoted string.
    {"call void @f(ptr @\"a;b\")", "error: call has unbalanced parens: \"void @f(ptr @\\\"a\""},
    // Errors of the operand reader pass unchanged; split_top_level shows its input untrimmed.
    {"call void @f( i64 ] )", "error: unbalanced closing bracket in \" i64 ] \""},
    {"call void @f(i64 1, ...)", "error: unexpected ... in operand"},
    {"call void @f(i64 1,)", "error: empty operand"},
    {"call void @f(noundef)", "error: empty operand"},
    {"call void @f(label %x)", "error: unsupported operand type \"label\" in operand \"label %x\""},
    {"call void @f(ptr undef)", "error: could not resolve pointer operand from constant text \"ptr undef\""},
    {"call void @f(i64 x)", "error: could not parse integer operand \"x\" (ty=i64)"},
    {"call void @f(double 0x3FF0)", "error: could not parse float operand \"0x3FF0\" (ty=double)"},
};

TEST(ParseInstruction, Call) { check(kCalls); }

// ---- br and ret -----------------------------------------------------------------------------

const Case kBranches[] = {
    {"br label %exit", "Br(exit)"},
    {"br label   %loop.1", "Br(loop.1)"},
    {"br label\u00A0%x", "Br(x)"},
    {"br label %\"my exit\"", "Br(my exit)"},
    {"br label %", "Br()"},
    {"br label %a-b", "Br(a)"},
    {"br i1 %c, label %then, label %else", "CondBr(%c, then, else)"},
    {"br i1 %\"c d\", label %a, label %b", "CondBr(%\"c d\", a, b)"},
    {"br i1 true, label %a, label %b", "CondBr(true, a, b)"},
    {"br i1 1, label %a, label %b", "CondBr(true, a, b)"},
    {"br i1 false, label %a, label %b", "CondBr(false, a, b)"},
    {"br i1 0, label %a, label %b", "CondBr(false, a, b)"},
    {"br i1 %c,label %\"t t\",label   %f", "CondBr(%c, t t, f)"},
    {"br label x", "error: br label missing %<target>: \"label x\""},
    {"br label", "error: br label missing %<target>: \"label\""},
    {"br labelx %a", "error: br label missing %<target>: \"labelx %a\""},
    {"br labe", "error: unsupported br form: \"labe\""},
    {"br %x", "error: unsupported br form: \"%x\""},
    {"br", "error: unsupported br form: \"\""},
    {"br i1", "error: unsupported br form: \"i1\""},
    {"br i1\t%c, label %a, label %b", "error: unsupported br form: \"i1\\t%c, label %a, label %b\""},
    {"br i1 %c, label %a", "error: br i1 expects cond, true_label, false_label: \"i1 %c, label %a\""},
    {"br i1 %c, label %a, label %b, label %d",
     "error: br i1 expects cond, true_label, false_label: \"i1 %c, label %a, label %b, label %d\""},
    {"br i1 %c), label %a, label %b", "error: unbalanced closing bracket in \"%c), label %a, label %b\""},
    {"br i1 2, label %a, label %b", "error: unsupported constant branch condition \"2\""},
    {"br i1 TRUE, label %a, label %b", "error: unsupported constant branch condition \"TRUE\""},
    {"br i1 , label %a, label %b", "error: unsupported constant branch condition \"\""},
    {"br i1 %c, %a, label %b", "error: br i1 expected 'label %name', got \"%a\""},
    {"br i1 %c, label %a, label b", "error: br i1 expected 'label %name', got \"label b\""},
    {"br i1 %c, label %a, labl %b", "error: br i1 expected 'label %name', got \"labl %b\""},
    {"br i1 %c, label, label %b", "error: br i1 expected 'label %name', got \"label\""},
    // The condition is checked before the labels.
    {"br i1 7, label, label", "error: unsupported constant branch condition \"7\""},
    {"ret void", "Ret"},
    {"ret i64 %x", "Ret"},
    {"ret", "Ret"},
    {"ret ((( garbage", "Ret"},
};

TEST(ParseInstruction, BranchAndReturn) { check(kBranches); }

// ---- Logic, arithmetic, icmp ----------------------------------------------------------------

const Case kOperators[] = {
    {"%a = xor i1 %x, true", "Logic(xor, Ssa(x), ConstBool(true), a)"},
    {"%a = and i1 %x, %y", "Logic(and, Ssa(x), Ssa(y), a)"},
    {"%a = or i1 0, 1", "Logic(or, ConstBool(false), ConstBool(true), a)"},
    {"%a = and i1 %x, 2", "Logic(and, Ssa(x), ConstInt(2), a)"},
    {"and i1 %x, %y", "error: and without SSA result assignment"},
    {"xor i1 %x, %y", "error: xor without SSA result assignment"},
    {"or i1 %x, %y", "error: or without SSA result assignment"},
    {"%a = and i64 %x, %y", "error: and on i64 not yet supported (only i1 is handled)"},
    {"%a = or", "error: or on  not yet supported (only i1 is handled)"},
    {"%a = xor <2 x i1> %x, %y", "error: xor on <2 not yet supported (only i1 is handled)"},
    {"%a = and i1 %x", "error: and expects two operands: \"i1 %x\""},
    {"%a = xor i1 %x, %y, %z", "error: xor expects two operands: \"i1 %x, %y, %z\""},
    {"%a = and i1 %x, bogus", "error: could not parse integer operand \"bogus\" (ty=i1)"},
    {"%s = add nsw nuw i64 %x, 1", "Arith(add, Ssa(x), ConstInt(1), s)"},
    {"%s = sub nuw nsw nuw i64 -1, %y", "Arith(sub, ConstInt(-1), Ssa(y), s)"},
    {"%s = mul i32 %x, %y", "Arith(mul, Ssa(x), Ssa(y), s)"},
    {"%s = add double %x, 2.0", "Arith(add, Ssa(x), ConstFloat(2), s)"},
    {"add i64 1, 2", "error: add without SSA result assignment"},
    {"sub i64 1, 2", "error: sub without SSA result assignment"},
    {"mul i64 1, 2", "error: mul without SSA result assignment"},
    {"%s = add nsw i64 %x", "error: add expects two operands: \"nsw i64 %x\""},
    {"%s = mul i64 1, 2, 3", "error: mul expects two operands: \"i64 1, 2, 3\""},
    {"%s = sub i64 %x, %y)", "error: unbalanced closing bracket in \" %x, %y)\""},
    {"%s = add label %x, %y", "error: unsupported operand type \"label\" in operand \"label %x\""},
    {"%c = icmp eq i64 %x, 3", "Icmp(eq, Ssa(x), ConstInt(3), c)"},
    {"%c = icmp slt i1 %x, true", "Icmp(slt, Ssa(x), ConstBool(true), c)"},
    {"%c = icmp bogus ptr %p, null", "Icmp(bogus, Ssa(p), PtrConst(-,0), c)"},
    {"icmp eq i64 %x, 1", "error: icmp without SSA result assignment"},
    {"%c = icmp eq i64 %x", "error: icmp expects two operands: \"eq i64 %x\""},
    {"%c = icmp eq label %x, %y", "error: unsupported operand type \"label\" in operand \"label %x\""},
};

TEST(ParseInstruction, LogicArithmeticAndIcmp) { check(kOperators); }

// ---- select, phi, inttoptr ------------------------------------------------------------------

const Case kSelectPhiIntToPtr[] = {
    {"%v = select i1 %c, i64 1, i64 2", "Select(i64, Ssa(c), ConstInt(1), ConstInt(2), v)"},
    {"%v = select i1 true, double 0.5, double %d",
     "Select(double, ConstBool(true), ConstFloat(0.5), Ssa(d), v)"},
    {"%v = select i1 %c, i64 noundef 1, i64 2", "Select(i64, Ssa(c), ConstInt(1), ConstInt(2), v)"},
    {"select i1 %c, i64 1, i64 2", "error: select without SSA result assignment"},
    {"%v = select i64 %c, i64 1, i64 2", "error: select condition must be typed `i1`, got \"i64\""},
    {"%v = select", "error: select condition must be typed `i1`, got \"\""},
    {"%v = select i1 %c, i64 1", "error: select expects three comma-separated operands (cond, then, else): \"i1 %c, i64 1\""},
    {"%v = select i1 %c, i64 1, i32 2", "error: select branch types must match, got then=\"i64\" else=\"i32\""},
    {"%v = select i1 %c, i64 1, ", "error: select branch types must match, got then=\"i64\" else=\"\""},
    // Condition first, then the then-operand, then the type comparison.
    {"%v = select i1 bad, i64 1, i32 2", "error: could not parse integer operand \"bad\" (ty=i1)"},
    {"%v = select i1 %c, i64 bad, i32 2", "error: could not parse integer operand \"bad\" (ty=i64)"},
    {"%v = select i1 %c, i64 1, i64 bad", "error: could not parse integer operand \"bad\" (ty=i64)"},
    {"%p = phi i64 [ 0, %entry ], [ %n, %loop ]", "Phi(i64, [ConstInt(0) %entry, Ssa(n) %loop], p)"},
    {"%p = phi i64 [0,%a],[1,%b]", "Phi(i64, [ConstInt(0) %a, ConstInt(1) %b], p)"},
    {"%p = phi i1 [true, %\"a b\"]", "Phi(i1, [ConstBool(true) %a b], p)"},
    {"%p = phi i64 , [0, %a] ,\t[1, %b] ,", "Phi(i64, [ConstInt(0) %a, ConstInt(1) %b], p)"},
    {"phi i64 [0, %a]", "error: phi without SSA result assignment"},
    {"%p = phi i64 [0, %a", "error: phi incoming missing ]"},
    {"%p = phi i64 [0]", "error: phi incoming must have value and predecessor: [0]"},
    {"%p = phi i64 [ 0, %a, %b ]", "error: phi incoming must have value and predecessor: [ 0, %a, %b ]"},
    {"%p = phi i64 [[0], %a]", "error: phi incoming must have value and predecessor: [[0]"},
    {"%p = phi i64 [\t0\t]", "error: phi incoming must have value and predecessor: [\t0\t]"},
    {"%p = phi i64 [0, a]", "error: phi incoming predecessor must be %<label>, got \"a\""},
    {"%p = phi i64 [0, ]", "error: phi incoming predecessor must be %<label>, got \"\""},
    {"%p = phi i64 0", "error: phi malformed incoming starting at \"0\""},
    {"%p = phi i64 [0, %a] x [1, %b]", "error: phi malformed incoming starting at \"x [1, %b]\""},
    {"%p = phi i64 [0, %a]\u00A0[1, %b]", "error: phi malformed incoming starting at \"\u00A0[1, %b]\""},
    {"%p = phi i64", "error: phi has no incomings"},
    {"%p = phi i64 , ,", "error: phi has no incomings"},
    {"%p = phi i64 [x, %a]", "error: could not parse integer operand \"x\" (ty=i64)"},
    {"%q = inttoptr i64 %x to %Qubit*", "IntToPtr(Ssa(x), q)"},
    {"%q = inttoptr i64 5 to ptr", "IntToPtr(ConstInt(5), q)"},
    {"inttoptr i64 5 to ptr", "error: inttoptr without SSA result assignment"},
    {"%q = inttoptr i64 5", "error: inttoptr without a `to` clause: \"i64 5\""},
    {"%q = inttoptr i64 5\tto ptr", "error: inttoptr without a `to` clause: \"i64 5\\tto ptr\""},
    // A ` to ` inside brackets does not count.
    {"%q = inttoptr i64 (x to y) to ptr", "error: could not parse integer operand \"(x to y)\" (ty=i64)"},
};

TEST(ParseInstruction, SelectPhiAndIntToPtr) { check(kSelectPhiIntToPtr); }

// ---- Tolerated and ignored forms ------------------------------------------------------------

const Case kTolerated[] = {
    {"%x = load i64, ptr %p, align 8", "Load(p, x)"},
    {"%x = load i64, i64* %p.1", "Load(p.1, x)"},
    {"load i64, ptr %p", "Ignored(load)"},
    {"%x = load i64, ptr @g", "Ignored(load)"},
    {"%x = load i64, ptr %\"p\"", "Ignored(load)"},
    {"%x = load i64", "Ignored(load)"},
    {"%x = load i64], ptr %p", "Ignored(load)"},
    {"store i64 %v, ptr %p", "Store(Ssa(v), p)"},
    {"store double 1.5, ptr %p, align 8", "Store(ConstFloat(1.5), p)"},
    {"store i64 noundef 3, ptr %p", "Store(ConstInt(3), p)"},
    {"%r = store i1 true, ptr %p", "Store(ConstBool(true), p)"},
    {"store i64 %v, ptr @g", "Ignored(store)"},
    {"store i64, ptr %p", "Ignored(store)"},
    {"store i64 %v", "Ignored(store)"},
    {"store i64 bogus, ptr %p", "Ignored(store)"},
    {"store label %v, ptr %p", "Ignored(store)"},
    {"store i64 %v], ptr %p", "Ignored(store)"},
    {"%z = zext i1 %c to i64", "Zext(c, z)"},
    {"%z = zext i1 true to i64", "Ignored(zext)"},
    {"zext i1 %c to i64", "Ignored(zext)"},
    {"%z = zext i1 %c", "Ignored(zext)"},
    {"%b = bitcast ptr %p to ptr", "Bitcast(p, b)"},
    // The first % of the operand is the one read, so a typed-pointer source gives its type name.
    {"%b = bitcast %Qubit* %q to i8*", "Bitcast(Qubit, b)"},
    {"%b = bitcast ptr @g to ptr", "Ignored(bitcast)"},
    {"bitcast ptr %p to ptr", "Ignored(bitcast)"},
    {"%a = alloca i64", "Alloca(a)"},
    {"%a = alloca", "Alloca(a)"},
    {"alloca i64", "Ignored(alloca)"},
    {"%q = getelementptr inbounds [2 x i64], ptr %arr, i64 0, i64 1", "Gep(arr, 1, q)"},
    {"%q = getelementptr [2 x i64], ptr %arr, i32 0, i32 7", "Gep(arr, 7, q)"},
    {"%q = getelementptr [2 x i64], ptr %arr, i64 0, i64 +3", "Gep(arr, 3, q)"},
    {"%q = getelementptr [2 x i64], ptr %arr, i64 0, i64 18446744073709551615",
     "Gep(arr, 18446744073709551615, q)"},
    {"%q = getelementptr [2 x i64], ptr %arr, i64 0, i64 18446744073709551616", "Ignored(getelementptr)"},
    {"%q = getelementptr [2 x i64], ptr %arr, i64 0, i64 -1", "Ignored(getelementptr)"},
    {"%q = getelementptr [2 x i64], ptr %arr, i64 0, i64 0x1", "Ignored(getelementptr)"},
    {"%q = getelementptr [2 x i64], ptr %arr, i64 0, i64  1", "Ignored(getelementptr)"},
    {"%q = getelementptr [2 x i64], ptr %arr, i64 0, i8 1", "Ignored(getelementptr)"},
    {"%q = getelementptr [2 x i64], ptr %arr, i64 0, i64 %i", "Ignored(getelementptr)"},
    {"%q = getelementptr [2 x i64], ptr %arr, i64 1, i64 1", "Ignored(getelementptr)"},
    {"%q = getelementptr [2 x i64], ptr %arr, i64 1", "Ignored(getelementptr)"},
    {"%q = getelementptr [2 x i64], ptr %arr, i64 0, i64 1, i64 2", "Ignored(getelementptr)"},
    {"%q = getelementptr [2 x i64], ptr @g, i64 0, i64 1", "Ignored(getelementptr)"},
    {"getelementptr [2 x i64], ptr %arr, i64 0, i64 1", "Ignored(getelementptr)"},
    {"%z = sext i1 %c to i64", "Ignored(sext)"},
    {"%z = trunc i64 %c to i1", "Ignored(trunc)"},
    {"ptrtoint (((", "Ignored(ptrtoint)"},
    {"%v = insertvalue {i64, i1} undef, i64 1, 0", "Ignored(insertvalue)"},
    {"extractvalue ]]]", "Ignored(extractvalue)"},
};

TEST(ParseInstruction, ToleratedAndIgnoredForms) { check(kTolerated); }

// ---- The fast path ----------------------------------------------------------------------

// Every line of the test programs, and near misses of the plain forms, that the fast path
// reads, it reads as the general parser does, in both instruction sets.
TEST(PlainInstructions, ReadAsTheGeneralParserReadsThem) {
  std::vector<std::string> lines = {
      "%a = add i64 %x, 1",          "%a = add nsw i64 %x, 1",      "%a = sub i8 -128, %x",
      "%a = mul i1 true, %x",        "%a = add ptr %x, %y",         "%a = add i64 %x, undef",
      "%c = icmp slt i64 %x, 10",    "%c = icmp samesign ult i64 %x, 3", "%c = icmp eq ptr %p, null",
      "%c = icmp eq i1 %x, false",   "%s = shl i64 %x, 1",          "%s = shl nuw i64 %x, 1",
      "%o = or i64 %x, %y",          "%o = or disjoint i64 %x, %y", "%o = or i1 %x, %y",
      "%o = and i128 %x, 1",         "%d = udiv i32 %x, 7",         "%z = zext i1 %r to i64",
      "%z = zext i1 true to i64",    "%z = zext nneg i8 %r to i64", "%z = zext i128 %r to i256",
      "%z = zext i1 %r to i64 ; c",  "%z = sext i1 %r to i32",      "%z = trunc i64 %r to i1",
      "%z = zext ptr %r to i64",     "%z = fptosi double %r to i64", "%r = tail call i1 @f()",
      "%r = notail call i1 @f()",    "%r = tailcall i1 @f()",       "%r = call = i1 @f()"};
  namespace fs = std::filesystem;
  for (const auto& entry : fs::recursive_directory_iterator(BRINTAVEL_TEST_DATA_DIR)) {
    if (entry.path().extension() != ".ll") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    for (std::string line; std::getline(in, line);) lines.push_back(std::string(text::trim(line)));
  }
  std::size_t fast_reads = 0;
  for (InstructionSet set : {InstructionSet::Base, InstructionSet::Extended}) {
    PlainInstructionReader reader(set);
    TextPool pool;
    for (const std::string& line : lines) {
      const Instruction* fast = reader.read(line);
      if (!fast) continue;
      ++fast_reads;
      auto general = parse_instruction(line, pool, set);
      ASSERT_TRUE(general) << line;
      EXPECT_EQ(show(*fast), show(*general)) << line;
      EXPECT_TRUE(*fast == *general) << line;
    }
  }
  EXPECT_GT(fast_reads, 10000u);
}

}  // namespace
