"""The corpus of real-producer QIR (tests/data/producers) and the checks run on it.

Each program NAME has, beside NAME.ll, either NAME.qasm (the expected translation) or NAME.err
(the expected message), and NAME.reference.json: the measurement statistics of the QIR itself,
recorded by tools/producers/generate.py with a QIR simulator. The meaning check simulates the
translated OpenQASM for the same number of shots and compares the statistics of the same bits:
bit k of an outcome is c[outputs[k]], the k-th result the QIR records.
"""

from __future__ import annotations

import json
import re
from dataclasses import dataclass
from pathlib import Path

import openqasm3

from .simulate import SimulationError, simulate_counts
from .stats import g_test_homogeneity

DATA = Path(__file__).resolve().parents[2] / "data"
PRODUCERS = DATA / "producers"

# Significance level of the G-test. The simulations use fixed seeds, so the outcome of a test
# never changes from run to run; the small level keeps a regenerated corpus (new reference
# samples) from failing by chance: with ~50 programs, the chance that any of them fails
# although its translation is right is about 50 * 1e-6.
ALPHA = 1e-6

# The translated program is simulated (by qdk) with a seed of its own, so that the two samples
# (the reference comes from qirrunner) are independent.
SEED_OFFSET = 0x5EED

REGISTER = re.compile(r"^bit\[(\d+)\] c\b", re.M)


@dataclass(frozen=True)
class CorpusProgram:
    name: str  # path below tests/data/producers without suffix, e.g. "pyqir/while_loop"
    qir_path: Path
    reference: dict

    @property
    def expected_output(self) -> Path:
        return self.qir_path.with_suffix(".qasm")

    @property
    def expected_error(self) -> Path:
        return self.qir_path.with_suffix(".err")


@dataclass(frozen=True)
class MeaningResult:
    passed: bool
    detail: str


def producer_programs() -> list[CorpusProgram]:
    programs = []
    for path in sorted(PRODUCERS.rglob("*.ll")):
        reference = json.loads(path.with_name(path.stem + ".reference.json").read_text())
        programs.append(CorpusProgram(str(path.relative_to(PRODUCERS).with_suffix("")), path, reference))
    return programs


def syntax_error(qasm: str) -> str | None:
    """None when the reference OpenQASM 3 parser accepts the text, else its complaint, with
    the line it rejects."""
    try:
        openqasm3.parse(qasm)
    except Exception as error:  # the parser raises its own error type, and ANTLR's
        # The strict parser stops at the first error without saying where: ask ANTLR again,
        # collecting its messages.
        where = str(error) or _first_antlr_error(qasm)
        return f"{type(error).__name__}: {where}"
    return None


def _first_antlr_error(text: str) -> str:
    from antlr4 import CommonTokenStream, InputStream
    from antlr4.error.ErrorListener import ErrorListener
    from openqasm3.parser import qasm3Lexer, qasm3Parser

    messages: list[str] = []
    lines = text.splitlines()

    class Collect(ErrorListener):
        def syntaxError(self, recognizer, offending_symbol, line, column, msg, e):
            source = lines[line - 1] if 0 < line <= len(lines) else ""
            messages.append(f"line {line}, column {column}: {msg}, in {source!r}")

    lexer = qasm3Lexer(InputStream(text))
    lexer.removeErrorListeners()
    lexer.addErrorListener(Collect())
    parser = qasm3Parser(CommonTokenStream(lexer))
    parser.removeErrorListeners()
    parser.addErrorListener(Collect())
    parser.program()
    return messages[0] if messages else "rejected without a message"


def meaning_check(program: CorpusProgram, qasm: str) -> MeaningResult:
    """Simulates `qasm` and compares its outcome statistics with the program's reference. A
    recorded result beyond the register is one nothing is measured into, and reads Zero."""
    reference = program.reference
    shots = reference["shots"]
    expected = reference["counts"]
    declared = REGISTER.search(qasm)
    size = int(declared.group(1)) if declared else 0
    outputs = reference["outputs"]
    try:
        inside = simulate_counts(qasm, shots, reference["seed"] + SEED_OFFSET, [i for i in outputs if i < size])
    except SimulationError as error:
        return MeaningResult(False, f"simulation failed: {error}")
    counts: dict[str, int] = {}
    for key, n in inside.items():
        bits = iter(key)
        full = "".join(next(bits) if i < size else "0" for i in outputs)
        counts[full] = counts.get(full, 0) + n
    if reference["deterministic"]:
        passed = counts == expected
        return MeaningResult(passed, f"expected {expected}, simulated {counts}")
    g, df, p = g_test_homogeneity(expected, counts)
    detail = f"G = {g:.2f}, df = {df}, p = {p:.3g}; reference {expected}, simulated {counts}"
    return MeaningResult(p >= ALPHA, detail)
