// Lowering of classical instructions. None of them emits a statement: each binds its
// result to an OpenQASM expression (substituted into every use) or records a fact about
// pointers in the context.
#pragma once

#include "error.hpp"
#include "ir/model.hpp"
#include "qasm/model.hpp"
#include "translator/context.hpp"
#include "translator/int_range.hpp"

namespace brintavel::translator {

// Comparisons and Boolean operators are Boolean-valued; everything else (c[0], identifiers,
// literals, arithmetic, negation) is not.
bool is_boolean_valued(const qasm::Expression& e);
// The complement of an i1 value: `v == 0`, or `!v` for a bool variable of the extended rules.
qasm::Expression complement(qasm::Expression e);

// `e` when Boolean-valued, otherwise `e == 1`.
qasm::Expression as_condition(qasm::Expression e);

Result<qasm::Expression> lower_bool_operand(const ir::Operand& operand, LoweringContext& ctx);
Result<qasm::Expression> lower_int_operand(const ir::Operand& operand, LoweringContext& ctx);

Status lower_icmp(const ir::Icmp& icmp, LoweringContext& ctx);

// x < y (or <=, >, >=) in unsigned order, for x and y written as the signed values of one
// width: a negative value (its sign bit set) lies above every non-negative one, and values of
// one sign keep their order. The forms use comparisons only.
qasm::Expression unsigned_order(qasm::BinaryOperator op, qasm::Expression x, qasm::Expression y,
                                bool x_non_negative, bool y_non_negative);

// `value`, the mathematical result of an operation on `width`-bit values whose interval is
// `math`, reduced to the type's signed range as LLVM wraps it. Nothing when it needs no
// reduction; an error naming `result` when it cannot be written (64-bit results, whose
// modulus the dialect's int literals do not reach).
Result<std::optional<qasm::Expression>> wrapped(const qasm::Expression& value, const MathRange& math, unsigned width,
                                               std::string_view result, std::string_view opcode);
Status lower_logic(const ir::Logic& logic, LoweringContext& ctx);
Status lower_select(const ir::Select& select, LoweringContext& ctx);
Status lower_arith(const ir::Arith& arith, LoweringContext& ctx);
Status lower_zext(const ir::Zext& zext, LoweringContext& ctx);
Status lower_inttoptr(const ir::IntToPtr& cast, LoweringContext& ctx);

// Constants followed through stack memory: pointers are (base, offset) pairs.
void lower_alloca(const ir::Alloca& alloca, LoweringContext& ctx);
void lower_bitcast(const ir::Bitcast& cast, LoweringContext& ctx);
void lower_gep(const ir::Gep& gep, LoweringContext& ctx);
void lower_store(const ir::Store& store, LoweringContext& ctx);
Status lower_load(const ir::Load& load, LoweringContext& ctx);

// The i1 / integer classification of a constant operand shared by xor, select and phis.
enum class Truth { False, True, Other };
Truth classify_constant(const ir::Operand& operand);

}  // namespace brintavel::translator
