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
