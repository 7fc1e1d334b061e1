// The in-memory form of one parsed QIR module.
//
// The model is shallow: it keeps only what the translator lowers and holds LLVM types as
// their source text. Every text in it (names, labels, type words) is a view into the
// module's source text, which the Module borrows: the text passed to parse_module must
// outlive the Module. Names are stored without their % or @ sigil.
#pragma once

#include <bit>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "support/small_list.hpp"
#include "support/text.hpp"

namespace brintavel::ir {

using text::Int128;

// Owns the few texts of a module that are not views of its source: instructions joined
// from several lines, and operand values whose words had to be re-joined. Element
// addresses stay put as the pool grows and when it is moved.
class TextPool {
 public:
  std::string_view keep(std::string text) { return texts_.emplace_back(std::move(text)); }

 private:
  std::deque<std::string> texts_;
};

// ---- Operands ------------------------------------------------------------------------
//
// Operands and instructions compare equal field by field (texts by their contents).
//
// An Operand is 32 bytes: the 128-bit literal is two 64-bit halves and an absent struct
// name is a view without data. Instructions hold several operands, and a
// module holds an instruction per line.

// An integer literal of a type other than i1 (and of i1 when it is not 0, 1, true, false).
struct ConstInt {
  Int128 value;

  friend bool operator==(const ConstInt&, const ConstInt&) = default;
};

// An optional name in the space of a string_view: absent is a view without data.
class OptionalName {
 public:
  constexpr OptionalName() = default;
  constexpr OptionalName(std::nullopt_t) {}  // NOLINT: implicit like std::optional
  constexpr OptionalName(std::string_view name)  // NOLINT
      : name_(name.data() ? name : std::string_view("", 0)) {}
  constexpr OptionalName(const char* name) : OptionalName(std::string_view(name)) {}  // NOLINT
  constexpr OptionalName(std::optional<std::string_view> name)  // NOLINT
      : OptionalName(name ? OptionalName(*name) : OptionalName()) {}

  constexpr bool has_value() const { return name_.data() != nullptr; }
  constexpr explicit operator bool() const { return has_value(); }
  constexpr std::string_view operator*() const { return name_; }
  constexpr const std::string_view* operator->() const { return &name_; }

  friend constexpr bool operator==(OptionalName a, OptionalName b) {
    return a.has_value() == b.has_value() && a.name_ == b.name_;
  }

 private:
  std::string_view name_{};
};
// An i1 literal: 0, 1, true or false.
struct ConstBool {
  bool value;

  friend bool operator==(const ConstBool&, const ConstBool&) = default;
};
// A literal of type half, float or double.
struct ConstFloat {
  double value;

  // By the bits: a NaN literal is the same as itself.
  friend bool operator==(const ConstFloat& a, const ConstFloat& b) {
    return std::bit_cast<std::uint64_t>(a.value) == std::bit_cast<std::uint64_t>(b.value);
  }
};
// A constant pointer: `inttoptr (i64 N to T*)` or `null` of a pointer type other than i8*.
struct PtrConst {
  OptionalName struct_name;  // Qubit for %Qubit*; absent for ptr, i8*
  std::int64_t index = 0;

  friend bool operator==(const PtrConst&, const PtrConst&) = default;
};
// A local value %name (all text after the %, quotes kept).
struct Ssa {
  std::string_view name;

  friend bool operator==(const Ssa&, const Ssa&) = default;
};
// A global @name (all text after the @, quotes kept).
struct GlobalRef {
  std::string_view name;

  friend bool operator==(const GlobalRef&, const GlobalRef&) = default;
};
// A getelementptr constant expression; its contents are not kept.
struct GetElementPtr {
  friend bool operator==(const GetElementPtr&, const GetElementPtr&) = default;
};
// bitcast (... @name ... to ...): the global's name.
struct BitcastGlobal {
  std::string_view name;

  friend bool operator==(const BitcastGlobal&, const BitcastGlobal&) = default;
};
// null of type i8* (also i8 null).
struct I8Null {
  friend bool operator==(const I8Null&, const I8Null&) = default;
};

using Operand = std::variant<ConstInt, ConstBool, ConstFloat, PtrConst, Ssa, GlobalRef,
                             GetElementPtr, BitcastGlobal, I8Null>;
static_assert(sizeof(Operand) == 32);

// ---- Instructions --------------------------------------------------------------------

// A call's arguments: one or two are held in place, without an allocation of their own.
using Arguments = text::SmallList<Operand, 2>;

struct Call {
  std::string_view callee;
  Arguments args;
  std::string_view return_type;  // first word after `call`, verbatim
  std::optional<std::string_view> result;

  friend bool operator==(const Call&, const Call&) = default;
};

struct Br {
  std::string_view target;

  friend bool operator==(const Br&, const Br&) = default;
};

struct CondBr {
  std::variant<std::string_view, bool> condition;  // SSA name or constant
  std::string_view true_label;
  std::string_view false_label;

  friend bool operator==(const CondBr&, const CondBr&) = default;
};

struct Ret {
  friend bool operator==(const Ret&, const Ret&) = default;
};

struct Icmp {
  std::string_view predicate;  // as written; validated by the translator
  Operand lhs;
  Operand rhs;
  std::string_view result;
  std::string_view ty = {};  // the operands' type

  friend bool operator==(const Icmp&, const Icmp&) = default;
};

enum class LogicOp : std::uint8_t { Xor, And, Or };

struct Logic {
  LogicOp op;
  Operand lhs;
  Operand rhs;
  std::string_view result;

  friend bool operator==(const Logic&, const Logic&) = default;
};

struct Select {
  Operand cond;
  Operand then_value;
  Operand else_value;
  std::string_view ty;  // type text of both value operands
  std::string_view result;

  friend bool operator==(const Select&, const Select&) = default;
};

enum class ArithOp : std::uint8_t { Add, Sub, Mul };

struct Arith {
  ArithOp op;
  Operand lhs;
  Operand rhs;
  std::string_view result;
  std::string_view ty = {};  // the operands' type
  bool no_signed_wrap = false;  // `nsw`: a signed overflow makes the result poison

  friend bool operator==(const Arith&, const Arith&) = default;
};

struct PhiIncoming {
  Operand value;
  std::string_view predecessor;  // label, without %

  friend bool operator==(const PhiIncoming&, const PhiIncoming&) = default;
};

struct Phi {
  std::string_view ty;
  std::vector<PhiIncoming> incomings;  // never empty
  std::string_view result;

  friend bool operator==(const Phi&, const Phi&) = default;
};

// A recognised instruction that the model does not represent.
struct Ignored {
  std::string_view opcode;

  friend bool operator==(const Ignored&, const Ignored&) = default;
};

struct Alloca {
  std::string_view result;
  std::string_view ty = {};  // the allocated type, as written

  friend bool operator==(const Alloca&, const Alloca&) = default;
};

struct Bitcast {
  std::string_view source;
  std::string_view result;

  friend bool operator==(const Bitcast&, const Bitcast&) = default;
};

struct Gep {
  std::string_view base;
  std::uint64_t index;
  std::string_view result;

  friend bool operator==(const Gep&, const Gep&) = default;
};

struct Store {
  Operand value;
  std::string_view pointer;
  std::string_view ty = {};  // the stored value's type

  friend bool operator==(const Store&, const Store&) = default;
};

struct Load {
  std::string_view pointer;
  std::string_view result;
  std::string_view ty = {};  // the loaded type

  friend bool operator==(const Load&, const Load&) = default;
};

struct Zext {
  std::string_view source;
  std::string_view result;

  friend bool operator==(const Zext&, const Zext&) = default;
};

struct IntToPtr {
  Operand value;
  std::string_view result;

  friend bool operator==(const IntToPtr&, const IntToPtr&) = default;
};

// Any other opcode; the translator rejects it where it lowers the line. A line of an opcode
// only the extended mode reads that it cannot read is unknown too, with the parse error it
// gives (`problem`): like any unknown line, it fails only where it is lowered, so a function
// that nothing calls translates as in the default mode.
struct Unknown {
  std::string_view opcode;
  std::string_view problem;

  friend bool operator==(const Unknown&, const Unknown&) = default;
};

// ---- Instructions only the extended mode reads ----------------------------------------
//
// The base rules leave these opcodes unknown or ignored (or refuse `and`/`or`/`xor` on wider
// integers); the extended mode parses them into the kinds below.

enum class IntOpKind : std::uint8_t { And, Or, Xor, Shl, LShr, AShr, SDiv, UDiv, SRem, URem };
inline constexpr std::string_view kIntOpNames[] = {"and", "or", "xor", "shl", "lshr",
                                                   "ashr", "sdiv", "udiv", "srem", "urem"};
inline std::string_view opcode_name(IntOpKind op) { return kIntOpNames[static_cast<std::size_t>(op)]; }

// %r = and/or/xor (on integers wider than i1), shl, lshr, ashr, sdiv, udiv, srem, urem.
struct IntOp {
  IntOpKind op;
  std::string_view ty;
  Operand lhs;
  Operand rhs;
  std::string_view result;

  friend bool operator==(const IntOp&, const IntOp&) = default;
};

enum class CastKind : std::uint8_t { Trunc, SExt, ZExt, SIToFP, UIToFP, FPToSI, FPToUI, FPExt, FPTrunc };
inline constexpr std::string_view kCastNames[] = {"trunc",  "sext",   "zext",  "sitofp", "uitofp",
                                                  "fptosi", "fptoui", "fpext", "fptrunc"};
inline std::string_view opcode_name(CastKind kind) { return kCastNames[static_cast<std::size_t>(kind)]; }

// %r = <cast> [flags] <from type> <value> to <to type>, for the casts between integers and
// floating point (in extended mode every zext is a Cast).
struct Cast {
  CastKind kind;
  std::string_view from_ty;
  Operand value;
  std::string_view to_ty;
  std::string_view result;

  friend bool operator==(const Cast&, const Cast&) = default;
};

enum class FloatOpKind : std::uint8_t { FAdd, FSub, FMul, FDiv, FRem };
inline constexpr std::string_view kFloatOpNames[] = {"fadd", "fsub", "fmul", "fdiv", "frem"};
inline std::string_view opcode_name(FloatOpKind op) { return kFloatOpNames[static_cast<std::size_t>(op)]; }

// %r = fadd/fsub/fmul/fdiv/frem [fast-math flags] <type> a, b.
struct FloatOp {
  FloatOpKind op;
  std::string_view ty;
  Operand lhs;
  Operand rhs;
  std::string_view result;

  friend bool operator==(const FloatOp&, const FloatOp&) = default;
};

// %r = fneg [flags] <type> a.
struct FNeg {
  std::string_view ty;
  Operand value;
  std::string_view result;

  friend bool operator==(const FNeg&, const FNeg&) = default;
};

// %r = fcmp [flags] <predicate> <type> a, b.
struct Fcmp {
  std::string_view predicate;  // as written: oeq, olt, une, ...
  std::string_view ty;
  Operand lhs;
  Operand rhs;
  std::string_view result;

  friend bool operator==(const Fcmp&, const Fcmp&) = default;
};

// %r = getelementptr [N x T], ptr @global, i64 a, i64 b: the address of element a * N + b of a
// module-level array (what the qdk's Adaptive profile indexes its qubits by).
struct ElementAddress {
  std::string_view global;  // without the @
  std::uint64_t length;     // N
  Operand outer;            // a
  Operand inner;            // b
  std::string_view result;

  friend bool operator==(const ElementAddress&, const ElementAddress&) = default;
};

// %r = insertvalue {T0, T1, ...} aggregate, Tk value, k: the aggregate with field k replaced
// (an aggregate that is poison or undef is an Ssa without a name).
struct InsertValue {
  Operand aggregate;
  Operand value;
  std::uint32_t index;
  std::string_view result;

  friend bool operator==(const InsertValue&, const InsertValue&) = default;
};

// Whether an aggregate operand is poison or undef.
inline bool is_undefined(const Operand& aggregate) {
  const auto* s = std::get_if<Ssa>(&aggregate);
  return s && s->name.empty();
}

// %r = extractvalue {T0, T1, ...} aggregate, k: field k, of type Tk.
struct ExtractValue {
  Operand aggregate;
  std::uint32_t index;
  std::string_view field_ty;
  std::string_view result;

  friend bool operator==(const ExtractValue&, const ExtractValue&) = default;
};

// %r = freeze T v: v itself where v is not poison (which no program the rules take makes).
struct Freeze {
  Operand value;
  std::string_view result;

  friend bool operator==(const Freeze&, const Freeze&) = default;
};

using Instruction = std::variant<Call, Br, CondBr, Ret, Icmp, Logic, Select, Arith, Phi, Ignored,
                                 Alloca, Bitcast, Gep, Store, Load, Zext, IntToPtr, Unknown,
                                 IntOp, Cast, FloatOp, FNeg, Fcmp, ElementAddress, InsertValue, ExtractValue,
                                 Freeze>;

// The SSA value an instruction defines, if any.
inline std::optional<std::string_view> defined_name(const Instruction& instruction) {
  return std::visit(
      [](const auto& i) -> std::optional<std::string_view> {
        if constexpr (requires { i.result; }) {
          return i.result;
        } else {
          return std::nullopt;
        }
      },
      instruction);
}

// Visits what an instruction reads, const or not as `instruction` is: `operand` gets each
// operand, `name` each SSA name held outside an operand (a pointer, a cast's source), and
// `condition` a conditional branch's condition (a name or a constant).
template <class I, class OnOperand, class OnName, class OnCondition>
void visit_reads(I& instruction, OnOperand&& operand, OnName&& name, OnCondition&& condition) {
  std::visit(
      [&](auto& i) {
        using T = std::decay_t<decltype(i)>;
        if constexpr (std::is_same_v<T, Call>) {
          for (auto& a : i.args) operand(a);
        } else if constexpr (std::is_same_v<T, CondBr>) {
          condition(i.condition);
        } else if constexpr (std::is_same_v<T, Phi>) {
          for (auto& in : i.incomings) operand(in.value);
        } else if constexpr (std::is_same_v<T, Select>) {
          operand(i.cond);
          operand(i.then_value);
          operand(i.else_value);
        } else if constexpr (std::is_same_v<T, Store>) {
          operand(i.value);
          name(i.pointer);
        } else if constexpr (std::is_same_v<T, Load>) {
          name(i.pointer);
        } else if constexpr (std::is_same_v<T, Bitcast> || std::is_same_v<T, Zext>) {
          name(i.source);
        } else if constexpr (std::is_same_v<T, Gep>) {
          name(i.base);
        } else if constexpr (std::is_same_v<T, ElementAddress>) {
          operand(i.outer);
          operand(i.inner);
        } else if constexpr (std::is_same_v<T, InsertValue>) {
          operand(i.aggregate);
          operand(i.value);
        } else if constexpr (std::is_same_v<T, ExtractValue>) {
          operand(i.aggregate);
        } else if constexpr (requires { i.lhs; i.rhs; }) {
          operand(i.lhs);
          operand(i.rhs);
        } else if constexpr (requires { i.value; }) {
          operand(i.value);
        }
      },
      instruction);
}

// Calls `f` with the name of each SSA value the instruction reads.
template <class F>
void for_each_use(const Instruction& instruction, F&& f) {
  visit_reads(
      instruction,
      [&](const Operand& o) {
        if (const auto* s = std::get_if<Ssa>(&o)) f(s->name);
      },
      [&](std::string_view n) { f(n); },
      [&](const std::variant<std::string_view, bool>& c) {
        if (const auto* n = std::get_if<std::string_view>(&c)) f(*n);
      });
}

// ---- Module structure ----------------------------------------------------------------

struct Block {
  std::string_view label;  // empty for an unlabeled first block
  std::vector<Instruction> instructions;
  // Where each instruction's text starts in the source (for error positions); may be empty
  // for a block built by hand.
  std::vector<const char*> sources = {};
  // For each instruction of an inlined body, the call it was inlined for (null elsewhere); may
  // be empty when there is none.
  std::vector<const char*> call_sites = {};
};

// The label a block is named by: its own, or "0" for an unlabeled first block (as LLVM
// numbers it in a function without parameters).
inline std::string_view label_of(const Block& block) { return block.label.empty() ? std::string_view("0") : block.label; }

// Where instruction `k` of the block starts in the source, or null where the block keeps none.
inline const char* source_of(const Block& block, std::size_t k) {
  return k < block.sources.size() ? block.sources[k] : nullptr;
}
// The call instruction `k` of the block was inlined for, or null.
inline const char* call_site_of(const Block& block, std::size_t k) {
  return k < block.call_sites.size() ? block.call_sites[k] : nullptr;
}

// Whether the instruction ends its block (what follows it in the block is not looked at).
inline bool is_terminator(const Instruction& instruction) {
  return std::holds_alternative<Br>(instruction) || std::holds_alternative<CondBr>(instruction) ||
         std::holds_alternative<Ret>(instruction);
}

// Drops what follows the first terminator of `block`, as the lowering leaves it unread, so that
// the passes that take a block's last instruction for its terminator find that one.
inline void drop_after_terminator(Block& block) {
  std::size_t n = block.instructions.size();
  for (std::size_t k = 0; k + 1 < n; ++k) {
    if (!is_terminator(block.instructions[k])) continue;
    block.instructions.resize(k + 1);
    if (block.sources.size() > k + 1) block.sources.resize(k + 1);
    if (block.call_sites.size() > k + 1) block.call_sites.resize(k + 1);
    return;
  }
}

// Calls `f` with each label the terminator of `block` branches to, in branch order (the true
// target first; a label named twice is visited twice).
template <class F>
void for_each_branch_target(const Block& block, F&& f) {
  if (block.instructions.empty()) return;
  if (const auto* br = std::get_if<Br>(&block.instructions.back())) f(br->target);
  if (const auto* br = std::get_if<CondBr>(&block.instructions.back())) {
    f(br->true_label);
    f(br->false_label);
  }
}

// Removes the instructions of `block` for which `drop` holds (called once for each, in order),
// keeping `sources` and `call_sites` in step with them.
template <class Drop>
void erase_instructions_if(Block& block, Drop&& drop) {
  std::size_t n = block.instructions.size(), kept = 0;
  for (std::vector<const char*>* list : {&block.sources, &block.call_sites})
    if (!list->empty()) list->resize(n, nullptr);
  for (std::size_t k = 0; k < n; ++k) {
    if (drop(block.instructions[k])) continue;
    if (kept != k) {
      block.instructions[kept] = std::move(block.instructions[k]);
      if (!block.sources.empty()) block.sources[kept] = block.sources[k];
      if (!block.call_sites.empty()) block.call_sites[kept] = block.call_sites[k];
    }
    ++kept;
  }
  block.instructions.erase(block.instructions.begin() + static_cast<std::ptrdiff_t>(kept), block.instructions.end());
  for (std::vector<const char*>* list : {&block.sources, &block.call_sites})
    if (!list->empty()) list->resize(kept);
}

struct Function {
  std::string_view name;
  std::vector<Block> blocks;  // empty for a declaration; a definition has at least one
  std::optional<std::string_view> profile;
  bool is_declaration = false;
  bool is_entry_point = false;
};

// A module-level constant array of integers or pointers: @name = ... constant [N x T] [...].
struct ConstantArray {
  std::string_view name;  // without the @
  std::vector<Operand> elements;
};

// A module-level string constant: @name = ... constant [N x i8] c"text\00" (the text without
// its terminating NUL, escapes kept as written).
struct ConstantString {
  std::string_view name;  // without the @
  std::string_view text;
};

struct Module {
  std::string_view source;  // the whole input text (borrowed)
  std::vector<Function> functions;
  std::vector<ConstantArray> arrays;
  std::vector<ConstantString> strings;
  TextPool pool;            // texts that are not views of `source`
};

}  // namespace brintavel::ir
