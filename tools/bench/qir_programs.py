"""Generated QIR programs for the benchmarks, in the style the QDK compiler writes: typed
pointers and `inttoptr` operands."""

from __future__ import annotations

HEADER = "%Qubit = type opaque\n%Result = type opaque\n\ndefine void @main() #0 {\n"
DECLARATIONS = """}

declare void @__quantum__rt__initialize(i8*)
declare void @__quantum__qis__rx__body(double, %Qubit*)
declare void @__quantum__qis__rzz__body(double, %Qubit*, %Qubit*)
declare void @__quantum__qis__x__body(%Qubit*)
declare void @__quantum__qis__mresetz__body(%Qubit*, %Result*)
declare i1 @__quantum__qis__read_result__body(%Result*)

attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="adaptive_profile" "required_num_qubits"="100" "required_num_results"="0" }
"""
QUBITS = 100
ANGLES = ["0.7853981633974483", "1.5707963267948966", "-0.39269908169872414", "2.356194490192345"]


def qubit(index: int) -> str:
    return "%Qubit* null" if index == 0 else f"%Qubit* inttoptr (i64 {index} to %Qubit*)"


def result(index: int) -> str:
    return "%Result* null" if index == 0 else f"%Result* inttoptr (i64 {index} to %Result*)"


def straight_line(calls: int) -> str:
    """`calls` gate calls, alternating rx(double) and rzz(double), over 100 qubits."""
    lines = [HEADER, "entry:\n  call void @__quantum__rt__initialize(i8* null)\n"]
    for i in range(calls):
        a = i % QUBITS
        angle = ANGLES[i % len(ANGLES)]
        if i % 2 == 0:
            lines.append(f"  call void @__quantum__qis__rx__body(double {angle}, {qubit(a)})\n")
        else:
            b = (a * 7 + 1) % QUBITS
            if b == a:
                b = (a + 1) % QUBITS
            lines.append(
                f"  call void @__quantum__qis__rzz__body(double {angle}, {qubit(a)}, {qubit(b)})\n"
            )
    lines.append("  ret void\n")
    lines.append(DECLARATIONS)
    return "".join(lines)


def sequential_ifs(count: int) -> str:
    """`count` blocks that measure a qubit and reset it, read the result and branch to an x
    correction on that qubit."""
    lines = [HEADER, "entry:\n  call void @__quantum__rt__initialize(i8* null)\n  br label %block_0\n"]
    for i in range(count):
        q = i % QUBITS
        lines.append(
            f"block_{i}:\n"
            f"  call void @__quantum__qis__mresetz__body({qubit(q)}, {result(i)})\n"
            f"  %r_{i} = call i1 @__quantum__qis__read_result__body({result(i)})\n"
            f"  br i1 %r_{i}, label %then_{i}, label %block_{i + 1}\n"
            f"then_{i}:\n"
            f"  call void @__quantum__qis__x__body({qubit(q)})\n"
            f"  br label %block_{i + 1}\n"
        )
    lines.append(f"block_{count}:\n  ret void\n")
    lines.append(DECLARATIONS)
    return "".join(lines)


# Programs for the extended mode, in the style of the QDK's Adaptive profile output (opaque
# pointers, `@ENTRYPOINT__main` returning i64, `block_N` labels and `%var_N` values, every gate
# wrapped in an internal function) and of Q# Adaptive_RIF programs (measured values combined
# with integer instructions and phis). bench.cpp writes the same programs, byte for byte.

# The gates of the direct and inlined programs, in turn: the wrapper's name, the intrinsic it
# calls, whether it takes an angle, and how many qubits.
GATES = [("H", "h", False, 1), ("Rx", "rx", True, 1), ("CNOT", "cx", False, 2),
         ("Rz", "rz", True, 1), ("Rzz", "rzz", True, 2)]
LOOP_BOUND = 10  # iterations of each loop of the loop program

EXTENDED_FOOTER = """attributes #0 = { "entry_point" "output_labeling_schema" "qir_profiles"="adaptive_profile" "required_num_qubits"="100" "required_num_results"="RESULTS" }
attributes #1 = { "irreversible" }

!llvm.module.flags = !{!0, !1, !2, !3, !4, !5, !6, !7, !8}

!0 = !{i32 1, !"qir_major_version", i32 2}
!1 = !{i32 7, !"qir_minor_version", i32 1}
!2 = !{i32 1, !"dynamic_qubit_management", i1 false}
!3 = !{i32 1, !"dynamic_result_management", i1 false}
!4 = !{i32 5, !"int_computations", !{!"i64"}}
!5 = !{i32 5, !"float_computations", !{!"double"}}
!6 = !{i32 7, !"backwards_branching", i2 3}
!7 = !{i32 1, !"ir_functions", i1 true}
!8 = !{i32 1, !"writable_results", i1 true}
"""
MEASUREMENT_DECLARATIONS = (
    "declare void @__quantum__qis__x__body(ptr)\n\n"
    "declare void @__quantum__qis__mresetz__body(ptr, ptr) #1\n\n"
    "declare zeroext i1 @__quantum__rt__read_result(ptr)\n"
)


def pointer(index: int) -> str:
    return f"ptr inttoptr (i64 {index} to ptr)"


def extended_module(body: list[str], declarations: str, results: int) -> str:
    return ("define i64 @ENTRYPOINT__main() #0 {\nblock_0:\n"
            "  call void @__quantum__rt__initialize(ptr null)\n" + "".join(body) +
            "}\n\ndeclare void @__quantum__rt__initialize(ptr)\n\n" + declarations +
            EXTENDED_FOOTER.replace("RESULTS", str(results)))


def gate_calls(calls: int, inlined: bool) -> str:
    """`calls` gate calls over 100 qubits, cycling through GATES: calls to the intrinsics, or
    (`inlined`) to the internal wrappers that call them, as the QDK writes every gate."""
    body = []
    for i in range(calls):
        wrapper, gate, has_angle, qubits = GATES[i % len(GATES)]
        a = i % QUBITS
        operands = [f"double {ANGLES[i % len(ANGLES)]}"] if has_angle else []
        operands.append(pointer(a))
        if qubits == 2:
            b = (a * 7 + 1) % QUBITS
            operands.append(pointer(b if b != a else (a + 1) % QUBITS))
        callee = wrapper if inlined else f"__quantum__qis__{gate}__body"
        body.append(f"  call void @{callee}({', '.join(operands)})\n")
    body.append("  ret i64 0\n")
    declarations = []
    for block, (wrapper, gate, has_angle, qubits) in enumerate(GATES, start=1):
        types = (["double"] if has_angle else []) + ["ptr"] * qubits
        if inlined:
            names = [f"%var_{block * 10 + k}" for k in range(len(types))]
            parameters = ", ".join(f"{t} {n}" for t, n in zip(types, names))
            declarations.append(f"define internal void @{wrapper}({parameters}) {{\nblock_{block}:\n"
                                f"  call void @__quantum__qis__{gate}__body({parameters})\n"
                                "  ret void\n}\n\n")
        declarations.append(f"declare void @__quantum__qis__{gate}__body({', '.join(types)})\n\n")
    return extended_module(body, "".join(declarations), 0)


def packed_branches(count: int) -> str:
    """`count` blocks that measure two qubits, pack both results into an integer
    (zext, shl, or), compare it (icmp eq or ult, in turn) and branch to an x correction."""
    body = []
    for i in range(count):
        qa, qb = (2 * i) % QUBITS, (2 * i + 1) % QUBITS
        v = 10 * i + 1
        compare = "eq i64 %var_{0}, 3" if i % 2 == 0 else "ult i64 %var_{0}, 2"
        body.append(
            f"  call void @__quantum__qis__mresetz__body({pointer(qa)}, {pointer(2 * i)})\n"
            f"  call void @__quantum__qis__mresetz__body({pointer(qb)}, {pointer(2 * i + 1)})\n"
            f"  %var_{v} = call zeroext i1 @__quantum__rt__read_result({pointer(2 * i)})\n"
            f"  %var_{v + 1} = call zeroext i1 @__quantum__rt__read_result({pointer(2 * i + 1)})\n"
            f"  %var_{v + 2} = zext i1 %var_{v} to i64\n"
            f"  %var_{v + 3} = zext i1 %var_{v + 1} to i64\n"
            f"  %var_{v + 4} = shl i64 %var_{v + 3}, 1\n"
            f"  %var_{v + 5} = or i64 %var_{v + 2}, %var_{v + 4}\n"
            f"  %var_{v + 6} = icmp {compare.format(v + 5)}\n"
            f"  br i1 %var_{v + 6}, label %block_{2 * i + 1}, label %block_{2 * i + 2}\n"
            f"block_{2 * i + 1}:\n"
            f"  call void @__quantum__qis__x__body({pointer(qa)})\n"
            f"  br label %block_{2 * i + 2}\n"
            f"block_{2 * i + 2}:\n"
        )
    body.append("  ret i64 0\n")
    return extended_module(body, MEASUREMENT_DECLARATIONS, 2 * count)


def counted_loops(iterations: int) -> str:
    """`iterations` / LOOP_BOUND loops in sequence, each with an i64 counter (a phi) up to
    LOOP_BOUND and an accumulator (a phi) of the ones measured on its qubit; after the loop an
    x corrects the qubit when more than half of the measurements gave one."""
    body = []
    for j in range(iterations // LOOP_BOUND):
        q = j % QUBITS
        start, header, loop, done, fix, join = (5 * j + k for k in range(6))
        v = 10 * j + 1
        body.append(
            f"  br label %block_{header}\n"
            f"block_{header}:\n"
            f"  %var_{v} = phi i64 [0, %block_{start}], [%var_{v + 6}, %block_{loop}]\n"
            f"  %var_{v + 1} = phi i64 [0, %block_{start}], [%var_{v + 5}, %block_{loop}]\n"
            f"  %var_{v + 2} = icmp slt i64 %var_{v}, {LOOP_BOUND}\n"
            f"  br i1 %var_{v + 2}, label %block_{loop}, label %block_{done}\n"
            f"block_{loop}:\n"
            f"  call void @__quantum__qis__h__body({pointer(q)})\n"
            f"  call void @__quantum__qis__mresetz__body({pointer(q)}, {pointer(j)})\n"
            f"  %var_{v + 3} = call zeroext i1 @__quantum__rt__read_result({pointer(j)})\n"
            f"  %var_{v + 4} = zext i1 %var_{v + 3} to i64\n"
            f"  %var_{v + 5} = add i64 %var_{v + 1}, %var_{v + 4}\n"
            f"  %var_{v + 6} = add i64 %var_{v}, 1\n"
            f"  br label %block_{header}\n"
            f"block_{done}:\n"
            f"  %var_{v + 7} = icmp ugt i64 %var_{v + 1}, {LOOP_BOUND // 2}\n"
            f"  br i1 %var_{v + 7}, label %block_{fix}, label %block_{join}\n"
            f"block_{fix}:\n"
            f"  call void @__quantum__qis__x__body({pointer(q)})\n"
            f"  br label %block_{join}\n"
            f"block_{join}:\n"
        )
    body.append("  ret i64 0\n")
    return extended_module(body, "declare void @__quantum__qis__h__body(ptr)\n\n" + MEASUREMENT_DECLARATIONS,
                           iterations // LOOP_BOUND)
