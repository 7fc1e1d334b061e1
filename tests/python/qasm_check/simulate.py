"""Runs a translation on the `qdk` OpenQASM 3 simulator and counts its result bits.

The translation names the native gates that stdgates.inc lacks (cnot, ccnot, cphaseshift, xx,
yy, zz, prx); the prelude of OpenQASM gate definitions from `brintavel._core.gate_definitions()`
is inserted after the `OPENQASM 3.0;` line before the program runs.

How qdk reports a shot (qdk 1.33, checked when this module was written):
- every classical variable declared at the top level is an output; a shot's result is their
  values in declaration order, as a tuple, or the value alone when there is one;
- a bit register is a list of `Result`s whose element i is c[i];
- `seed=S` makes a run reproducible; shot k uses the seed S + k, so runs with nearby seeds
  share most of their shots: never compare two qdk samples with nearby seeds;
- a bit that was never assigned reads Zero (the dialect check, dialect.py, reports such reads);
- rotation angles are reduced modulo 2 pi, so a rotation by a negative angle differs from
  exp(-i theta/2 P) by the global phase -1, which no measurement sees;
- bits and Booleans are not integers: `c[0] + c[1]` and `(c[0] == 0) <= c[0]` are type
  errors. The translator uses an i1 value as an integer as it is (a zext, or the condition of
  a 0/1 diamond), so bit reads and Boolean expressions that are operands of + - * / %, unary -
  or < <= > >= are cast, `int(c[0]) + int(c[1])`, before the run; nothing else changes.
"""

from __future__ import annotations

import itertools
import os
import re
from collections import Counter
from collections.abc import Sequence

os.environ.setdefault("QDK_PYTHON_TELEMETRY", "none")

import openqasm3  # noqa: E402
from openqasm3 import ast  # noqa: E402
from openqasm3.visitor import QASMVisitor  # noqa: E402
from qdk import Result  # noqa: E402
from qdk import openqasm as qdk_openqasm  # noqa: E402

from brintavel import _core  # noqa: E402

HEADER = "OPENQASM 3.0;\n"
INTEGER = {"+", "-", "*", "/", "%", "<", "<=", ">", ">="}  # operators qdk applies to int only
BOOLEAN = {"==", "!=", "<", "<=", ">", ">=", "&&", "||"}
_unitary_names = itertools.count()
# The last token of an operand: a name, a number or one character (`]`, `)`).
LAST_TOKEN = re.compile(r"[A-Za-z_][A-Za-z_0-9]*|[0-9][0-9_]*(?:\.[0-9_]*)?(?:[eE][-+]?[0-9]+)?|.")


class SimulationError(Exception):
    """qdk refused or failed to run the program, or the program lacks the requested bits."""


def simulate_counts(qasm: str, shots: int, seed: int, bits: Sequence[int], register: str = "c") -> dict[str, int]:
    """Runs `qasm` (a translation, without the prelude) for `shots` shots with the given seed
    and counts the outcomes: the key of a shot is the string of the bits register[i] for the
    indices i of `bits`, in that order ("" when `bits` is empty)."""
    tree = _parse(qasm)
    declared = _top_level_classical(tree)
    source = prepare(qasm, tree)
    try:
        results = qdk_openqasm.run(source, shots=shots, seed=seed)
    except Exception as error:  # qdk raises QasmError and QSharpError
        raise SimulationError(f"qdk: {type(error).__name__}: {str(error).strip()}") from error
    counts: Counter[str] = Counter()
    if not bits:
        counts[""] = shots
        return dict(counts)
    if register not in declared:
        raise SimulationError(f"no top-level bit register {register}")
    position = declared.index(register)
    for result in results:
        values = result if len(declared) > 1 else (result,)
        c = values[position]
        if any(not 0 <= i < len(c) for i in bits):
            raise SimulationError(f"bits {list(bits)} are not all in {register}[{len(c)}]")
        counts["".join("1" if c[i] == Result.One else "0" for i in bits)] += 1
    return dict(counts)


def prepare(qasm: str, tree: ast.Program | None = None) -> str:
    """The text qdk runs: `qasm` with the gate prelude after its header, and the bits and
    Booleans it uses as integers cast to int."""
    if not qasm.startswith(HEADER):
        raise SimulationError(f"the program does not start with {HEADER.strip()!r}")
    text = _cast_integer_operands(qasm, tree if tree is not None else _parse(qasm))
    return HEADER + _core.gate_definitions() + text[len(HEADER) :]


def _parse(qasm: str) -> ast.Program:
    try:
        return openqasm3.parse(qasm)
    except Exception as error:  # the parser raises its own error type, and ANTLR's
        raise SimulationError(f"parse error: {error}") from error


def _top_level_classical(tree: ast.Program) -> list[str]:
    return [s.identifier.name for s in tree.statements if isinstance(s, ast.ClassicalDeclaration)]


class _IntegerOperands(QASMVisitor):
    """Collects the spans of the bit reads and Boolean expressions that are operands of
    integer arithmetic or of an ordered comparison."""

    def __init__(self, bit_registers: set[str]):
        self.bit_registers = bit_registers
        self.spans: list[ast.Span] = []

    def _note(self, operand) -> None:
        is_bit = (
            isinstance(operand, ast.IndexExpression)
            and isinstance(operand.collection, ast.Identifier)
            and operand.collection.name in self.bit_registers
        )
        is_boolean = (
            isinstance(operand, ast.BooleanLiteral)
            or (isinstance(operand, ast.BinaryExpression) and operand.op.name in BOOLEAN)
            or (isinstance(operand, ast.UnaryExpression) and operand.op.name == "!")
        )
        if is_bit or is_boolean:
            self.spans.append(operand.span)

    def visit_BinaryExpression(self, node: ast.BinaryExpression, context=None) -> None:
        if node.op.name in INTEGER:
            self._note(node.lhs)
            self._note(node.rhs)
        self.generic_visit(node, context)

    def visit_UnaryExpression(self, node: ast.UnaryExpression, context=None) -> None:
        if node.op.name == "-":
            self._note(node.expression)
        self.generic_visit(node, context)


def _cast_integer_operands(qasm: str, tree: ast.Program) -> str:
    registers = {
        s.identifier.name
        for s in tree.statements
        if isinstance(s, ast.ClassicalDeclaration) and isinstance(s.type, ast.BitType)
    }
    finder = _IntegerOperands(registers)
    finder.visit(tree)
    if not finder.spans:
        return qasm
    # Spans count lines from 1 and columns from 0; a span ends where its last token starts.
    # Insert from the back; where two insertions meet, the wider cast's "int(" goes first and
    # its ")" last.
    starts = [0]
    for line in qasm.split("\n"):
        starts.append(starts[-1] + len(line) + 1)
    edits = []
    for span in finder.spans:
        begin = starts[span.start_line - 1] + span.start_column
        last = starts[span.end_line - 1] + span.end_column
        token = LAST_TOKEN.match(qasm, last)
        end = token.end() if token else last + 1
        # (offset, order among insertions at one offset: the one applied last comes first)
        edits.append((begin, -(end - begin), "int("))
        edits.append((end, end - begin, ")"))
    text = qasm
    for offset, _, insert in sorted(edits, reverse=True):
        text = text[:offset] + insert + text[offset:]
    return text


def unitary(call: str, num_qubits: int):
    """The matrix qdk applies for the gate call `call` (e.g. "inv @ xx(0.5)") on q[0], ...,
    q[num_qubits - 1], with the prelude: a numpy array over the basis |q0 q1 ...> with q[0] the
    most significant bit. qdk rounds the entries to 6 decimals."""
    import numpy as np
    from qdk.qsharp import dump_operation

    name = f"BrintavelGate{next(_unitary_names)}"
    operands = ", ".join(f"q[{i}]" for i in range(num_qubits))
    program = f"{HEADER}qubit[{num_qubits}] q;\n{call} {operands};\n"
    try:
        qdk_openqasm.import_openqasm(prepare(program), name=name)
        return np.array(dump_operation(name, num_qubits))
    except Exception as error:
        raise SimulationError(f"qdk: {type(error).__name__}: {str(error).strip()}") from error
