"""Checks an OpenQASM 3 program against the dialect the Halvek service accepts.

The program is parsed with the reference parser (openqasm3) and its AST walked; each finding
names its rule and line:
- "bitwise": an integer bitwise operator (& | ^ ~ << >> and their compound assignments);
- "not-on-bit": `!` applied to a bit or an indexed bit (write `c[0] == 0`);
- "output": an `output` declaration;
- "gate": a gate that is not in the native gate table (brintavel._core.native_gates()), a call
  with another number of angles or qubits than the table says, or a modifier other than inv @;
- "inf-nan": an infinite or NaN literal, or an identifier named inf or nan;
- "unset-read": a read of a bit that may be unset on some path. A bit is set by
  `c[i] = measure ...`, an assignment, or an initialised declaration (`bit[2] c = "00";`); after
  if/else, what both arms set; after a while loop, what was set before it (the body may run
  zero times); inside the body, what was set before the loop and earlier in the body.
"""

from __future__ import annotations

import math
from dataclasses import dataclass

import openqasm3
from openqasm3 import ast
from openqasm3.visitor import QASMVisitor

from brintavel import _core

BITWISE = {"&", "|", "^", "<<", ">>", "~"}
BITWISE_ASSIGNMENTS = {"&=", "|=", "^=", "<<=", ">>="}
NATIVE = {name: (angles, qubits) for name, angles, qubits in _core.native_gates()}


@dataclass(frozen=True)
class Finding:
    rule: str
    line: int
    message: str

    def __str__(self) -> str:
        return f"line {self.line}: {self.rule}: {self.message}"


def check_dialect(qasm: str) -> list[Finding]:
    """The findings for `qasm`, in line order (empty when it keeps to the dialect)."""
    tree = openqasm3.parse(qasm)
    syntax = _Syntax()
    syntax.visit(tree)
    flow = _Flow()
    flow.block(tree.statements, set())
    return sorted(syntax.findings + flow.findings, key=lambda f: (f.line, f.rule, f.message))


def _line(node) -> int:
    return node.span.start_line if node.span is not None else 0


class _Syntax(QASMVisitor):
    """The rules that look at one node at a time."""

    def __init__(self):
        self.findings: list[Finding] = []
        self.bits: set[str] = set()  # names declared as bit or bit[n]

    def add(self, rule: str, node, message: str) -> None:
        self.findings.append(Finding(rule, _line(node), message))

    def visit_ClassicalDeclaration(self, node: ast.ClassicalDeclaration, context=None) -> None:
        if isinstance(node.type, ast.BitType):
            self.bits.add(node.identifier.name)
        self.generic_visit(node, context)

    def visit_IODeclaration(self, node: ast.IODeclaration, context=None) -> None:
        if node.io_identifier == ast.IOKeyword.output:
            self.add("output", node, f"output declaration of {node.identifier.name}")
        if isinstance(node.type, ast.BitType):
            self.bits.add(node.identifier.name)
        self.generic_visit(node, context)

    def visit_BinaryExpression(self, node: ast.BinaryExpression, context=None) -> None:
        if node.op.name in BITWISE:
            self.add("bitwise", node, f"integer operator {node.op.name}")
        self.generic_visit(node, context)

    def visit_UnaryExpression(self, node: ast.UnaryExpression, context=None) -> None:
        if node.op.name in BITWISE:
            self.add("bitwise", node, f"integer operator {node.op.name}")
        if node.op.name == "!" and _is_bit(node.expression, self.bits):
            self.add("not-on-bit", node, "! applied to a bit")
        self.generic_visit(node, context)

    def visit_ClassicalAssignment(self, node: ast.ClassicalAssignment, context=None) -> None:
        if node.op.name in BITWISE_ASSIGNMENTS:
            self.add("bitwise", node, f"integer operator {node.op.name}")
        self.generic_visit(node, context)

    def visit_QuantumGate(self, node: ast.QuantumGate, context=None) -> None:
        name = node.name.name
        if name not in NATIVE:
            self.add("gate", node, f"gate {name} is not a native gate")
        else:
            angles, qubits = NATIVE[name]
            if (len(node.arguments), len(node.qubits)) != (angles, qubits):
                self.add("gate", node, f"{name} takes {angles} angle(s) and {qubits} qubit(s), "
                         f"called with {len(node.arguments)} and {len(node.qubits)}")
        for modifier in node.modifiers:
            if modifier.modifier != ast.GateModifierName.inv or modifier.argument is not None:
                self.add("gate", node, f"gate modifier {modifier.modifier.name}")
        self.generic_visit(node, context)

    def visit_FloatLiteral(self, node: ast.FloatLiteral, context=None) -> None:
        if not math.isfinite(node.value):
            self.add("inf-nan", node, f"literal {node.value}")

    def visit_Identifier(self, node: ast.Identifier, context=None) -> None:
        if node.name in ("inf", "nan"):
            self.add("inf-nan", node, f"identifier {node.name}")


def _is_bit(node, bits: set[str]) -> bool:
    if isinstance(node, ast.Identifier):
        return node.name in bits
    return isinstance(node, ast.IndexExpression) and isinstance(node.collection, ast.Identifier) \
        and node.collection.name in bits


Bit = tuple[str, int]


class _Flow:
    """The unset-read rule: which bits are set on every path to each read."""

    def __init__(self):
        self.findings: list[Finding] = []
        self.sizes: dict[str, int] = {}  # bit registers (a single bit has size 1)

    def block(self, statements, state: set[Bit]) -> set[Bit]:
        for statement in statements:
            state = self.statement(statement, state)
        return state

    def statement(self, node, state: set[Bit]) -> set[Bit]:
        if isinstance(node, (ast.ClassicalDeclaration, ast.IODeclaration)):
            init = getattr(node, "init_expression", None)
            if init is not None:
                self.reads(init, state)
            if isinstance(node.type, ast.BitType):
                name = node.identifier.name
                size = node.type.size.value if isinstance(node.type.size, ast.IntegerLiteral) else 1
                self.sizes[name] = size
                every = {(name, i) for i in range(size)}
                given = init is not None or getattr(node, "io_identifier", None) == ast.IOKeyword.input
                state = (state | every) if given else state - every
            return state
        if isinstance(node, ast.QuantumMeasurementStatement):
            return state | self.targets(node.target)
        if isinstance(node, ast.ClassicalAssignment):
            self.reads(node.rvalue, state)
            if node.op.name != "=":  # a compound assignment reads its target
                self.check(node, self.targets(node.lvalue), state)
            return state | self.targets(node.lvalue)
        if isinstance(node, ast.BranchingStatement):
            self.reads(node.condition, state)
            return self.block(node.if_block, set(state)) & self.block(node.else_block, set(state))
        if isinstance(node, ast.WhileLoop):
            self.reads(node.while_condition, state)
            self.block(node.block, set(state))
            return state
        if isinstance(node, ast.CompoundStatement):
            return self.block(node.statements, state)
        # Gate calls and anything else: the bits their expressions read.
        self.reads(node, state)
        return state

    def targets(self, node) -> set[Bit]:
        if node is None:
            return set()
        if isinstance(node, ast.Identifier) and node.name in self.sizes:
            return {(node.name, i) for i in range(self.sizes[node.name])}
        if isinstance(node, ast.IndexedIdentifier) and node.name.name in self.sizes:
            index = _constant_index(node.indices)
            if index is not None:
                return {(node.name.name, index)}
        return set()

    def reads(self, node, state: set[Bit]) -> None:
        flow = self

        class Reads(QASMVisitor):
            def visit_IndexExpression(self, node: ast.IndexExpression, context=None) -> None:
                if isinstance(node.collection, ast.Identifier) and node.collection.name in flow.sizes:
                    name = node.collection.name
                    index = _constant_index([node.index])
                    bits = {(name, index)} if index is not None else {(name, i) for i in range(flow.sizes[name])}
                    flow.check(node, bits, state)
                    return
                self.generic_visit(node, context)

            def visit_Identifier(self, node: ast.Identifier, context=None) -> None:
                if node.name in flow.sizes:
                    flow.check(node, {(node.name, i) for i in range(flow.sizes[node.name])}, state)

        Reads().visit(node)

    def check(self, node, bits: set[Bit], state: set[Bit]) -> None:
        for name, index in sorted(bits - state):
            self.findings.append(Finding("unset-read", _line(node), f"{name}[{index}] may be unset here"))


def _constant_index(indices) -> int | None:
    """The index of `c[i]` when it is one integer literal."""
    if len(indices) != 1:
        return None
    index = indices[0]
    if isinstance(index, list):
        if len(index) != 1:
            return None
        index = index[0]
    return index.value if isinstance(index, ast.IntegerLiteral) else None
