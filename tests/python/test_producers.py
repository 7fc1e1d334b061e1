"""Translations of real-producer QIR mean what the QIR means.

tests/data/producers holds QIR written by the Q# compiler (base and adaptive profile) and built
with pyqir, each with the measurement statistics of the QIR itself (NAME.reference.json, from a
QIR simulator; see tools/producers/generate.py). For every program that translates, the
translation is simulated for the same number of shots with a fixed seed of its own, and the
statistics of the recorded result bits are compared: exactly for deterministic programs, with a
G-test of homogeneity at the significance level `ALPHA` otherwise (qasm_sim/corpus.py).
"""

import json
import math
import re

import numpy as np
import pytest

from brintavel import translate
from qasm_sim import HALVEK_GATES, Program, SimulationError, g_test_homogeneity
from qasm_sim.corpus import ALPHA, DATA, CorpusProgram, meaning_check, producer_programs

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


# ---- extended mode: the golden translations of tests/data/extended ---------------------------

EXTENDED = sorted(p for p in (DATA / "extended").glob("*.ll") if p.with_suffix(".qasm").exists())


@pytest.mark.parametrize("path", EXTENDED, ids=lambda p: p.stem)
def test_extended_translation_reproduces_reference_statistics(path):
    reference = json.loads(path.with_name(path.stem + ".reference.json").read_text())
    program = CorpusProgram(f"extended/{path.stem}", path, reference)
    result = meaning_check(program, translate(path.read_text(), extended=True))
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


# ---- the gate prelude --------------------------------------------------------------------------


def gate(name, *params):
    return HALVEK_GATES[name].matrix(*params)


def kron(*ms):
    out = np.eye(1)
    for m in ms:
        out = np.kron(out, m)
    return out


X, Y, Z, I = gate("x"), gate("y"), gate("z"), np.eye(2)
IDENTITIES = [
    ("s squared is z", gate("s") @ gate("s"), Z),
    ("t squared is s", gate("t") @ gate("t"), gate("s")),
    ("h x h is z", gate("h") @ X @ gate("h"), Z),
    ("rx(pi) is -iX", gate("rx", math.pi), -1j * X),
    ("ry(pi) is -iY", gate("ry", math.pi), -1j * Y),
    ("rz(theta) is diag(e^-i theta/2, e^i theta/2)", gate("rz", 0.3), np.diag([np.exp(-0.15j), np.exp(0.15j)])),
    ("xx(pi) is -i X(x)X", gate("xx", math.pi), -1j * kron(X, X)),
    ("zz is diagonal with the ZZ parity phases", gate("zz", 0.8), np.diag(np.exp(-0.4j * np.array([1, -1, -1, 1])))),
    ("yy(a) = (S(x)S) xx(a) (S(x)S)^dagger", gate("yy", 0.7),
     kron(gate("s"), gate("s")) @ gate("xx", 0.7) @ kron(gate("s"), gate("s")).conj().T),
    ("prx(a, 0) is rx(a)", gate("prx", 0.9, 0.0), gate("rx", 0.9)),
    ("prx(a, pi/2) is ry(a)", gate("prx", 0.9, math.pi / 2), gate("ry", 0.9)),
    ("prx(a, b) is rz(b) rx(a) rz(-b)", gate("prx", 0.9, 0.4), gate("rz", 0.4) @ gate("rx", 0.9) @ gate("rz", -0.4)),
    ("cnot controls on the first operand", gate("cnot"), np.block([[I, 0 * I], [0 * I, X]])),
    ("cy controls on the first operand", gate("cy"), np.block([[I, 0 * I], [0 * I, Y]])),
    ("cz is diag(1, 1, 1, -1)", gate("cz"), np.diag([1, 1, 1, -1])),
    ("swap exchanges |01> and |10>", gate("swap") @ kron([1, 0], [0, 1]).T, kron([0, 1], [1, 0]).T),
    ("ccnot flips |110> to |111>", gate("ccnot")[:, 6], np.eye(8)[7]),
    ("cswap exchanges |101> and |110>", gate("cswap")[:, 5], np.eye(8)[6]),
    ("cphaseshift(a) is diag(1, 1, 1, e^ia)", gate("cphaseshift", 0.5), np.diag([1, 1, 1, np.exp(0.5j)])),
]


@pytest.mark.parametrize("label, actual, expected", IDENTITIES, ids=[i[0] for i in IDENTITIES])
def test_gate_definition(label, actual, expected):
    np.testing.assert_allclose(actual, expected, atol=1e-12)


def test_every_gate_is_unitary_with_the_declared_shape():
    for name, g in HALVEK_GATES.items():
        u = g.matrix(*[0.37 * (i + 1) for i in range(g.num_params)])
        assert u.shape == (2**g.num_qubits,) * 2, name
        np.testing.assert_allclose(u @ u.conj().T, np.eye(len(u)), atol=1e-12, err_msg=name)


# ---- the simulator -----------------------------------------------------------------------------

HEADER = "OPENQASM 3.0;\nqubit[2] q;\nbit[2] c;\n"
SIMULATIONS = [
    # (program body, counts of c[0] c[1] over 100 shots): constructs the corpus rarely reaches.
    ("x q[0];\ninv @ inv @ x q[1];\nc[0] = measure q[0];\nc[1] = measure q[1];\n", {"11": 100}),
    ("x q[0];\nreset q[0];\nc[0] = measure q[0];\n", {"00": 100}),
    ("int n = 5;\nwhile (n > 2) {\n  n = n - 1;\n}\nif (n == 2) {\n} else {\n  x q[0];\n}\n"
     "c[0] = measure q[0];\n", {"00": 100}),
    ("int n = 7 % 4 * 2 ** 2 - 9 / 2;\nif (n == 8 && !(n != 8) || false) {\n  x q[1];\n}\n"
     "c[1] = measure q[1];\n", {"01": 100}),
    ("rx(3.141592653589793) q[0];\nc[0] = measure q[0];\nc[1] = c[0] == 1;\n", {"11": 100}),
]


@pytest.mark.parametrize("body, expected", SIMULATIONS)
def test_simulation(body, expected):
    assert Program(HEADER + body).counts(100, 1, [("c", 0), ("c", 1)]) == expected


def test_measurement_statistics_follow_the_amplitudes():
    # ry(2 asin(sqrt(0.3))) gives One with probability 0.3.
    theta = 2 * math.asin(math.sqrt(0.3))
    counts = Program(f"{HEADER}ry({theta}) q[0];\nc[0] = measure q[0];\n").counts(4000, 7, [("c", 0)])
    assert abs(counts["1"] / 4000 - 0.3) < 0.03


@pytest.mark.parametrize(
    "body, message",
    [
        ("ctrl @ x q[0], q[1];\n", "unsupported gate modifier ctrl"),
        ("u3(0.1, 0.2, 0.3) q[0];\n", "unknown gate u3"),
        ("rx q[0];\n", "gate rx takes 1 argument(s), got 0"),
        ("cnot q[0], q[0];\n", "gate cnot applied to a repeated qubit"),
        ("h q[2];\n", "qubit index q[2] is out of range"),
        ("while (true) {\n}\n", "while loop ran more than"),
    ],
)
def test_simulation_errors(body, message):
    with pytest.raises(SimulationError, match=re.escape(message)):
        Program(HEADER + body, max_loop_iterations=50).run(1, 0)


def test_g_test_tells_equal_from_different_distributions():
    same = g_test_homogeneity({"0": 480, "1": 520}, {"0": 510, "1": 490})
    different = g_test_homogeneity({"0": 1000, "1": 1000}, {"0": 800, "1": 1200})
    assert same[1] == 1 and same[2] > 0.1
    assert different[2] < ALPHA
    # Outcomes seen in one sample only count as evidence, too.
    assert g_test_homogeneity({"00": 1000}, {"00": 900, "11": 100})[2] < ALPHA
