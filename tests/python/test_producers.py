"""Translations of real-producer QIR mean what the QIR means.

tests/data/producers holds QIR written by the Q# compiler (base and adaptive profile) and built
with pyqir, each with the measurement statistics of the QIR itself (NAME.reference.json, from a
QIR simulator; see tools/producers/generate.py). For every program that translates, the
translation is simulated for the same number of shots with a fixed seed of its own, and the
statistics of the recorded result bits are compared: exactly for deterministic programs, with a
G-test of homogeneity at the significance level `ALPHA` otherwise (qasm_check/corpus.py). The
translations run on the qdk OpenQASM 3 simulator with the gate prelude (qasm_check/simulate.py).
"""

import math
import re

import numpy as np
import pytest

from brintavel import _core, translate
from qasm_check import SimulationError, g_test_homogeneity, simulate_counts
from qasm_check.corpus import ALPHA, CorpusProgram, meaning_check, producer_programs
from qasm_check.simulate import unitary

PROGRAMS = producer_programs()
TRANSLATED = [p for p in PROGRAMS if p.expected_output.exists()]


def program_name(program: CorpusProgram) -> str:
    return program.name


def test_corpus_layout():
    assert len(PROGRAMS) >= 30
    for program in PROGRAMS:
        assert program.expected_output.exists() != program.expected_error.exists(), program.name
        reference = program.reference
        assert sum(reference["counts"].values()) == reference["shots"], program.name
        assert all(len(bits) == len(reference["outputs"]) for bits in reference["counts"]), program.name
        if reference["deterministic"]:
            assert len(reference["counts"]) == 1, program.name


@pytest.mark.parametrize("program", TRANSLATED, ids=program_name)
def test_translation_reproduces_reference_statistics(program):
    result = meaning_check(program, translate(program.qir_path.read_text()))
    assert result.passed, result.detail


# ---- the statistical test has teeth: wrong translations are caught ----------------------------

MUTATIONS = [
    # (program, text in its translation, replacement): each replacement changes the meaning.
    ("pyqir/custom_intrinsics", "prx(1.2, 0.4)", "prx(1.2, -0.4)"),
    ("qsharp-base/two_qubit_rotations", "yy(-1.3)", "yy(1.3)"),
    ("qsharp-base/single_qubit_gates", "inv @ s", "s"),
    ("qsharp-base/two_qubit_gates", "cy q[3], q[0]", "cy q[0], q[3]"),
    ("pyqir/while_loop", "while (c[0])", "while (c[0] == 0)"),
    ("qsharp-adaptive-normalized/and_or_conditions", "||", "&&"),
    ("pyqir/phi_counter", "cint_0 + 3", "cint_0 + 2"),
]


@pytest.mark.parametrize("name, text, replacement", MUTATIONS)
def test_a_changed_translation_fails_the_check(name, text, replacement):
    program = next(p for p in TRANSLATED if p.name == name)
    output = translate(program.qir_path.read_text())
    assert text in output
    assert not meaning_check(program, output.replace(text, replacement, 1)).passed


# ---- the gate prelude, as qdk runs it ----------------------------------------------------------

NATIVE_QUBITS = {name: qubits for name, _, qubits in _core.native_gates()}


def gate(call, *params):
    """qdk's matrix of a native gate call (the prelude's definition, or stdgates.inc's)."""
    name = call.split()[-1]
    arguments = f"({', '.join(repr(float(p)) for p in params)})" if params else ""
    return unitary(call + arguments, NATIVE_QUBITS[name])


def kron(*ms):
    out = np.eye(1)
    for m in ms:
        out = np.kron(out, m)
    return out


def pauli_rotation(pauli, theta):
    return np.cos(theta / 2) * np.eye(len(pauli)) - 1j * np.sin(theta / 2) * pauli


X = np.array([[0, 1], [1, 0]])
Y = np.array([[0, -1j], [1j, 0]])
Z = np.diag([1, -1])
I = np.eye(2)
S = np.diag([1, 1j])
IDENTITIES = [
    # (label, matrix of qdk, expected matrix up to a global phase). The rotations follow the QIR
    # intrinsics they are translated from: exp(-i theta/2 P) for a Pauli product P.
    ("s squared is z", gate("s") @ gate("s"), Z),
    ("t squared is s", gate("t") @ gate("t"), S),
    ("inv @ s is diag(1, -i)", gate("inv @ s"), np.diag([1, -1j])),
    ("inv @ t is diag(1, e^-i pi/4)", gate("inv @ t"), np.diag([1, np.exp(-0.25j * math.pi)])),
    ("h x h is z", gate("h") @ gate("x") @ gate("h"), Z),
    ("x is X", gate("x"), X),
    ("y is Y", gate("y"), Y),
    ("z is Z", gate("z"), Z),
    ("rx(a) is exp(-i a/2 X)", gate("rx", 0.9), pauli_rotation(X, 0.9)),
    ("ry(a) is exp(-i a/2 Y)", gate("ry", 0.9), pauli_rotation(Y, 0.9)),
    ("rz(a) is exp(-i a/2 Z)", gate("rz", 0.3), pauli_rotation(Z, 0.3)),
    ("rz of a negative angle", gate("rz", -0.3), pauli_rotation(Z, -0.3)),
    ("xx(a) is exp(-i a/2 X(x)X)", gate("xx", 0.7), pauli_rotation(kron(X, X), 0.7)),
    ("yy(a) is exp(-i a/2 Y(x)Y)", gate("yy", 0.7), pauli_rotation(kron(Y, Y), 0.7)),
    ("zz(a) is exp(-i a/2 Z(x)Z)", gate("zz", 0.8), pauli_rotation(kron(Z, Z), 0.8)),
    ("inv @ zz(a) is zz(-a)", gate("inv @ zz", 0.8), pauli_rotation(kron(Z, Z), -0.8)),
    ("prx(a, 0) is rx(a)", gate("prx", 0.9, 0.0), pauli_rotation(X, 0.9)),
    ("prx(a, pi/2) is ry(a)", gate("prx", 0.9, math.pi / 2), pauli_rotation(Y, 0.9)),
    ("prx(a, b) is exp(-i a/2 (cos(b) X + sin(b) Y))", gate("prx", 0.9, -0.4),
     pauli_rotation(np.cos(-0.4) * X + np.sin(-0.4) * Y, 0.9)),
    ("cnot controls on the first operand", gate("cnot"), np.block([[I, 0 * I], [0 * I, X]])),
    ("cy controls on the first operand", gate("cy"), np.block([[I, 0 * I], [0 * I, Y]])),
    ("cz is diag(1, 1, 1, -1)", gate("cz"), np.diag([1, 1, 1, -1])),
    ("swap exchanges |01> and |10>", gate("swap"), np.eye(4)[[0, 2, 1, 3]]),
    ("ccnot flips the third qubit when the first two are 1", gate("ccnot"), np.eye(8)[[0, 1, 2, 3, 4, 5, 7, 6]]),
    ("cswap exchanges |101> and |110>", gate("cswap"), np.eye(8)[[0, 1, 2, 3, 4, 6, 5, 7]]),
    ("cphaseshift(a) is diag(1, 1, 1, e^ia)", gate("cphaseshift", 0.5), np.diag([1, 1, 1, np.exp(0.5j)])),
]


@pytest.mark.parametrize("label, actual, expected", IDENTITIES, ids=[i[0] for i in IDENTITIES])
def test_gate_definition(label, actual, expected):
    # qdk reduces angles modulo 2 pi, which changes a rotation by the global phase -1.
    k = np.unravel_index(np.argmax(np.abs(expected)), expected.shape)
    phase = actual[k] / expected[k]
    assert abs(abs(phase) - 1) < 1e-5
    np.testing.assert_allclose(actual, phase * expected, atol=1e-5)


def test_every_native_gate_runs_with_its_angles_and_qubits():
    # Every native gate has a row in IDENTITIES (a row's label starts with its gate).
    checked = {re.match(r"(?:inv @ )?(\w+)", label).group(1) for label, _, _ in IDENTITIES}
    assert {name for name, _, _ in _core.native_gates()} <= checked
    for name, angles, qubits in _core.native_gates():
        u = gate(name, *[0.37 * (i + 1) for i in range(angles)])
        assert u.shape == (2**qubits,) * 2, name
        np.testing.assert_allclose(u @ u.conj().T, np.eye(len(u)), atol=1e-5, err_msg=name)


# ---- running a translation ---------------------------------------------------------------------

HEADER = "OPENQASM 3.0;\nqubit[2] q;\nbit[2] c;\n"
SIMULATIONS = [
    # (program after the header, bits, counts over 100 shots): how outcomes are read.
    ("x q[1];\nc[1] = measure q[1];\n", [0, 1], {"01": 100}),
    ("x q[1];\nc[1] = measure q[1];\n", [1, 0], {"10": 100}),
    ("int n = 5;\nx q[0];\nc[0] = measure q[0];\nint m = 2;\n", [0], {"1": 100}),
    ("int n = 7 % 4 * 2 - 9 / 2;\nwhile (n > 2) {\n  n = n - 1;\n}\nif (n == 2) {\n  x q[0];\n}\n"
     "c[0] = measure q[0];\n", [0, 1], {"10": 100}),
    # A read result used as an integer, as the translator writes it.
    ("x q[0];\nc[0] = measure q[0];\nif ((c[0] + c[1]) * 3 - -c[0] == 4) {\n  x q[1];\n}\n"
     "c[1] = measure q[1];\n", [0, 1], {"11": 100}),
    # A Boolean used as an integer (a 0/1 diamond's value).
    ("x q[0];\nc[0] = measure q[0];\nif ((c[0] == 0) <= c[1] && -(c[0] == 1) == -1) {\n  x q[1];\n}\n"
     "c[1] = measure q[1];\n", [0, 1], {"11": 100}),
    ("int n = 10;\nif (n >= n >= 1 && n * (n > 10) == 0) {\n  x q[1];\n}\nc[1] = measure q[1];\n",
     [0, 1], {"01": 100}),
    ("h q[0];\n", [], {"": 100}),
]


@pytest.mark.parametrize("body, bits, expected", SIMULATIONS)
def test_simulation(body, bits, expected):
    assert simulate_counts(HEADER + body, 100, 1, bits) == expected


def test_measurement_statistics_follow_the_amplitudes():
    # ry(2 asin(sqrt(0.3))) gives One with probability 0.3.
    theta = 2 * math.asin(math.sqrt(0.3))
    counts = simulate_counts(f"{HEADER}ry({theta}) q[0];\nc[0] = measure q[0];\n", 4000, 7, [0])
    assert abs(counts["1"] / 4000 - 0.3) < 0.03


@pytest.mark.parametrize(
    "body, bits, message",
    [
        ("cphaseshift q[0], q[1];\n", [0], "gate expects 1 classical arguments"),
        ("h q[0];\n", [2], "bits [2] are not all in c[2]"),
    ],
)
def test_simulation_errors(body, bits, message):
    with pytest.raises(SimulationError, match=re.escape(message)):
        simulate_counts(HEADER + body, 1, 0, bits)


def test_g_test_tells_equal_from_different_distributions():
    same = g_test_homogeneity({"0": 480, "1": 520}, {"0": 510, "1": 490})
    different = g_test_homogeneity({"0": 1000, "1": 1000}, {"0": 800, "1": 1200})
    assert same[1] == 1 and same[2] > 0.1
    assert different[2] < ALPHA
    # Outcomes seen in one sample only count as evidence, too.
    assert g_test_homogeneity({"00": 1000}, {"00": 900, "11": 100})[2] < ALPHA
