"""The rewrites of gates outside the native set (extended mode) are exact.

For every rewrite in the translator's table (brintavel._core.gate_rewrites()), the product of
its native gates' matrices equals the gate's matrix times the phase the table states, which is
zero for every controlled form: once from the table itself, and once from what the extended
mode prints for a call of the gate (on qubits in reverse order, and as the adjoint where the
call can ask for it). The native gates' matrices are those of stdgates.inc, and for the gates
that stdgates.inc lacks, their definitions in the translator's gate prelude.
"""

from __future__ import annotations

import cmath
import math
import struct

import numpy as np
import pytest

from brintavel import _core, translate

PI = math.pi
I2 = np.eye(2, dtype=complex)
X = np.array([[0, 1], [1, 0]], dtype=complex)
Y = np.array([[0, -1j], [1j, 0]], dtype=complex)
Z = np.diag([1, -1]).astype(complex)
H = np.array([[1, 1], [1, -1]], dtype=complex) / math.sqrt(2)


def phase(lam: float) -> np.ndarray:
    return np.diag([1, cmath.exp(1j * lam)])


def pauli_rotation(pauli: np.ndarray, theta: float) -> np.ndarray:
    """exp(-i theta/2 P) for a product P of Paulis."""
    return math.cos(theta / 2) * np.eye(len(pauli)) - 1j * math.sin(theta / 2) * pauli


def u3(theta: float, phi: float, lam: float) -> np.ndarray:
    c, s = math.cos(theta / 2), math.sin(theta / 2)
    return np.array([[c, -cmath.exp(1j * lam) * s], [cmath.exp(1j * phi) * s, cmath.exp(1j * (phi + lam)) * c]])


def controlled(u: np.ndarray, controls: int) -> np.ndarray:
    """u on the last qubits when every control (the first, most significant qubits) is 1."""
    m = np.eye(len(u) << controls, dtype=complex)
    m[-len(u) :, -len(u) :] = u
    return m


SWAP = np.eye(4, dtype=complex)[[0, 2, 1, 3]]

# The gates of stdgates.inc that the native gates are or are defined from.
STDGATES = {
    "h": lambda: H,
    "x": lambda: X,
    "y": lambda: Y,
    "z": lambda: Z,
    "s": lambda: phase(PI / 2),
    "sdg": lambda: phase(-PI / 2),
    "t": lambda: phase(PI / 4),
    "rx": lambda t: pauli_rotation(X, t),
    "ry": lambda t: pauli_rotation(Y, t),
    "rz": lambda t: pauli_rotation(Z, t),
    "cx": lambda: controlled(X, 1),
    "cy": lambda: controlled(Y, 1),
    "cz": lambda: controlled(Z, 1),
    "cp": lambda t: controlled(phase(t), 1),
    "swap": lambda: SWAP,
    "ccx": lambda: controlled(X, 2),
    "cswap": lambda: controlled(SWAP, 1),
}


def apply(unitary: np.ndarray, gate: np.ndarray, positions: list[int], n: int) -> np.ndarray:
    """gate (on the qubits at `positions`, the first most significant) times unitary."""
    k = len(positions)
    state = unitary.reshape((2,) * n + (unitary.shape[1],))
    moved = np.tensordot(gate.reshape((2,) * (2 * k)), state, axes=(list(range(k, 2 * k)), positions))
    return np.moveaxis(moved, list(range(k)), positions).reshape(unitary.shape)


def parse_definitions(text: str) -> dict[str, tuple[list[str], list[str], list[str]]]:
    """gate NAME(params) a, b { body } -> (params, qubits, statements)."""
    definitions = {}
    for line in text.splitlines():
        if not line.startswith("gate "):
            continue
        head, body = line[len("gate ") :].split("{")
        params: list[str] = []
        if "(" in head:
            name, rest = head.split("(", 1)
            inside, head_qubits = rest.split(")", 1)
            params = [p.strip() for p in inside.split(",")]
        else:
            name, head_qubits = head.split(" ", 1)
        qubits = [q.strip() for q in head_qubits.split(",")]
        statements = [s.strip() for s in body.rstrip("} \n").split(";") if s.strip()]
        definitions[name.strip()] = (params, qubits, statements)
    return definitions


DEFINITIONS = parse_definitions(_core.gate_definitions())
NATIVE = {name: (angles, qubits) for name, angles, qubits in _core.native_gates()}


def split_call(statement: str) -> tuple[bool, str, list[str], list[str]]:
    """`inv @ name(args) a, b` -> (inverse, name, args, operands)."""
    inverse = statement.startswith("inv @ ")
    statement = statement.removeprefix("inv @ ")
    if "(" in statement.split(" ", 1)[0]:
        name, rest = statement.split("(", 1)
        inside, operands = rest.rsplit(")", 1)
        args = [a.strip() for a in inside.split(",")]
    else:
        name, operands = statement.split(" ", 1)
        args = []
    return inverse, name.strip(), args, [o.strip() for o in operands.split(",")]


def native_matrix(name: str, args: list[float]) -> np.ndarray:
    """A native gate's matrix: stdgates.inc's, or from its definition in the gate prelude."""
    if name in DEFINITIONS:
        params, qubits, statements = DEFINITIONS[name]
        values = dict(zip(params, args))
        unitary = np.eye(1 << len(qubits), dtype=complex)
        for statement in statements:
            inverse, inner, inner_args, operands = split_call(statement)
            assert not inverse
            gate = native_matrix(inner, [eval(a, {"__builtins__": {}}, values) for a in inner_args])
            unitary = apply(unitary, gate, [qubits.index(o) for o in operands], len(qubits))
        return unitary
    return STDGATES[name](*args)


# The gates themselves, from their meaning.
OPERATIONS = {
    "x": lambda: X,
    "y": lambda: Y,
    "z": lambda: Z,
    "h": lambda: H,
    "s": lambda: phase(PI / 2),
    "t": lambda: phase(PI / 4),
    "r1": phase,
    "phaseshift": phase,
    "rx": lambda t: pauli_rotation(X, t),
    "ry": lambda t: pauli_rotation(Y, t),
    "rz": lambda t: pauli_rotation(Z, t),
    "u3": u3,
    "swap": lambda: SWAP,
}
XX, YY, ZZ = np.kron(X, X), np.kron(Y, Y), np.kron(Z, Z)
FUNCTIONS = {
    "__quantum__qis__u3__body": u3,
    "__quantum__qis__r1__body": phase,
    "__quantum__qis__phaseshift__body": phase,
    "__quantum__qis__sx__body": lambda: np.array([[1 + 1j, 1 - 1j], [1 - 1j, 1 + 1j]]) / 2,
    # pytket's ZZMax, ZZPhase and TK2, with their angles in radians as pytket-qir writes them.
    "__quantum__qis__zzmax__body": lambda: pauli_rotation(ZZ, PI / 2),
    "__quantum__qis__zzphase__body": lambda t: pauli_rotation(ZZ, t),
    "__quantum__qis__rxxyyzz__body": lambda a, b, c: pauli_rotation(XX, a) @ pauli_rotation(YY, b) @ pauli_rotation(ZZ, c),
}

ANGLES = {
    0: [()],
    1: [(0.0,), (PI,), (-PI,), (-0.7,), (2.9,)],
    3: [(0.0, 0.0, 0.0), (PI, -PI, PI / 2), (-0.7, 1.3, 2.9), (0.4, -2.2, -1.1)],
}

ROWS = _core.gate_rewrites()


def row_id(row) -> str:
    name, controlled_form, controls, targets = row[:4]
    return f"{name}/{controls}c{targets}t" if controlled_form else name


def expected_matrix(row, angles) -> np.ndarray:
    name, controlled_form, controls = row[:3]
    if controlled_form:
        return controlled(OPERATIONS[name](*angles), controls)
    return FUNCTIONS[name](*angles)


def stated_phase(row, angles) -> complex:
    names, text = row[4], row[5]
    return cmath.exp(1j * eval(text, {"__builtins__": {}}, {"π": PI, **dict(zip(names, angles))}))


def close(a: np.ndarray, b: np.ndarray) -> bool:
    return a.shape == b.shape and float(np.max(np.abs(a - b))) < 1e-12


def test_every_gate_of_the_table_has_its_meaning_here():
    for row in ROWS:
        assert (row[0] in OPERATIONS) if row[1] else (row[0] in FUNCTIONS), row_id(row)


@pytest.mark.parametrize("row", ROWS, ids=row_id)
def test_the_product_of_the_native_gates_is_the_gate(row):
    name, controlled_form, controls, targets, names, phase_text, steps = row
    if controlled_form:
        assert phase_text == "0"
    n = controls + targets
    for angles in ANGLES[len(names)]:
        values = {"π": PI, **dict(zip(names, angles))}
        product = np.eye(1 << n, dtype=complex)
        for gate, gate_angles, qubits in steps:
            assert NATIVE[gate] == (len(gate_angles), len(qubits)), gate
            args = [eval(a, {"__builtins__": {}}, values) for a in gate_angles]
            product = apply(product, native_matrix(gate, args), qubits, n)
        assert close(stated_phase(row, angles) * product, expected_matrix(row, angles)), angles


def llvm_double(value: float) -> str:
    return "0x%016X" % struct.unpack("<Q", struct.pack("<d", value))[0]


def call_program(row, angles, adjoint: bool) -> str:
    """A program of one call of the gate, its qubit j on q[n-1-j]."""
    name, controlled_form, controls, targets = row[:4]
    n = controls + targets
    doubles = [f"double {llvm_double(a)}" for a in angles]
    qubits = [f"ptr inttoptr (i64 {n - 1 - j} to ptr)" for j in range(n)]
    if controlled_form:
        invoke = "generalizedInvokeWithRotationsControlsTargets"
        operands = [f"i64 {len(angles)}", f"i64 {int(adjoint)}", f"i64 {controls}", f"i64 {targets}",
                    f"ptr @__quantum__qis__{name}__ctl", *doubles, *qubits]
        call = f"call void (i64, i64, i64, i64, ptr, ...) @{invoke}({', '.join(operands)})"
        declarations = (f"declare void @{invoke}(i64, i64, i64, i64, ptr, ...)\n"
                        f"declare void @__quantum__qis__{name}__ctl(ptr, ptr)\n")
    else:
        call = f"call void @{name}({', '.join(doubles + qubits)})"
        declarations = f"declare void @{name}({', '.join(['double'] * len(angles) + ['ptr'] * n)})\n"
    return (
        "define void @main() #0 {\nentry:\n"
        f"  {call}\n  ret void\n}}\n\n{declarations}\n"
        f'attributes #0 = {{ "entry_point" "qir_profiles"="base_profile" "required_num_qubits"="{n}" '
        '"required_num_results"="0" }\n'
    )


def printed_matrix(program: str, n: int) -> np.ndarray:
    unitary = np.eye(1 << n, dtype=complex)
    for line in program.splitlines():
        if line.startswith(("OPENQASM", "qubit[", "bit[", "//")) or not line.strip():
            continue
        inverse, name, args, operands = split_call(line.rstrip(";"))
        gate = native_matrix(name, [eval(a, {"__builtins__": {}}, {"pi": PI}) for a in args])
        positions = [int(o.removeprefix("q[").removesuffix("]")) for o in operands]
        unitary = apply(unitary, gate.conj().T if inverse else gate, positions, n)
    return unitary


@pytest.mark.parametrize("row", ROWS, ids=row_id)
def test_the_printed_gates_are_the_gate(row):
    controlled_form, controls, targets, names = row[1], row[2], row[3], row[4]
    n = controls + targets
    reverse = list(range(n))[::-1]
    for adjoint in (False, True) if controlled_form else (False,):
        for angles in ANGLES[len(names)][2:] or ANGLES[len(names)]:
            printed = printed_matrix(translate(call_program(row, angles, adjoint), extended=True), n)
            expected = expected_matrix(row, angles) / stated_phase(row, angles)
            expected = apply(np.eye(1 << n, dtype=complex), expected, reverse, n)
            if adjoint:
                expected = expected.conj().T
            assert close(printed, expected), (adjoint, angles)
