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

The service-safe rules (SERVICE_SAFE_RULES), applied unless `check_dialect(qasm,
service_safe=False)` (or a collection of their names picks some): the service evaluates only
simple forms per shot, so
- "cast-in-condition": no cast (`int(...)`, `float[64](...)`, any `type(...)`) in the condition
  of an if or a while;
- "cast-in-assignment": no cast in the value of an assignment or of a declaration's initialiser
  unless that value is constant (a constant reads only literals, pi/tau/euler and constant
  variables: variables declared const, or assigned only at the top level and only constants;
  a bit never is), since a value that is not constant may depend on a measurement;
- "measured-angle": no gate argument that is not constant (that reads a bit or a variable that
  is not constant);
- "bool-arithmetic": no + - * / % between two bools, nor unary - of a bool (a bool is a
  comparison, a bool variable, true/false, or a result of ! && || or of a cast to bool); a bool
  with an int, and arithmetic on bits, are accepted.
"""

from __future__ import annotations

import math
from collections.abc import Iterable
from dataclasses import dataclass

import openqasm3
from openqasm3 import ast
from openqasm3.visitor import QASMVisitor

from brintavel import _core

BITWISE = {"&", "|", "^", "<<", ">>", "~"}
BITWISE_ASSIGNMENTS = {"&=", "|=", "^=", "<<=", ">>="}
NATIVE = {name: (angles, qubits) for name, angles, qubits in _core.native_gates()}


SERVICE_SAFE_RULES = ("cast-in-condition", "cast-in-assignment", "measured-angle", "bool-arithmetic")

@dataclass(frozen=True)
class Finding:
    rule: str
    line: int
    message: str

    def __str__(self) -> str:
        return f"line {self.line}: {self.rule}: {self.message}"


def check_dialect(qasm: str, service_safe: bool | Iterable[str] = True) -> list[Finding]:
    """The findings for `qasm`, in line order (empty when it keeps to the dialect).
    `service_safe`: True for every service-safe rule too (the default), False for none, or the
    names of those to apply."""
    tree = openqasm3.parse(qasm)
    syntax = _Syntax()
    syntax.visit(tree)
    flow = _Flow()
    flow.block(tree.statements, set())
    findings = syntax.findings + flow.findings
    rules = set(SERVICE_SAFE_RULES) if service_safe is True else set(service_safe or ())
    if rules - set(SERVICE_SAFE_RULES):
        raise ValueError(f"unknown service-safe rules {sorted(rules - set(SERVICE_SAFE_RULES))}")
    if rules:
        findings += [f for f in _ServiceSafe(tree).findings if f.rule in rules]
    return sorted(findings, key=lambda f: (f.line, f.rule, f.message))


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


# ---- the service-safe rules ---------------------------------------------------------------------

ARITHMETIC = {"+", "-", "*", "/", "%"}
BOOLEAN_RESULT = {"==", "!=", "<", "<=", ">", ">=", "&&", "||"}
BUILTIN_CONSTANTS = {"pi", "π", "tau", "τ", "euler", "ℇ"}
LITERALS = (ast.IntegerLiteral, ast.FloatLiteral, ast.BooleanLiteral, ast.BitstringLiteral,
            ast.ImaginaryLiteral, ast.DurationLiteral)


class _ServiceSafe:
    """The service-safe rules: which variables are constant, then the casts, angles and bool
    arithmetic that the service does not evaluate."""

    def __init__(self, tree: ast.Program):
        self.findings: list[Finding] = []
        self.bits: set[str] = set()
        self.bools: set[str] = set()
        self.constants: set[str] = set()
        assignments: dict[str, list] = {}  # name -> [(value or None when not constant, top level)]
        self.collect(tree.statements, assignments, top=True)
        changed = True
        while changed:  # the least fixed point: constant when every assignment is
            changed = False
            for name, values in assignments.items():
                if name not in self.constants and name not in self.bits and all(
                        top and value is not None and self.constant(value) for value, top in values):
                    self.constants.add(name)
                    changed = True
        self.check(tree.statements)

    def collect(self, statements, assignments, top: bool) -> None:
        for node in statements:
            if isinstance(node, ast.ConstantDeclaration):
                self.constants.add(node.identifier.name)
            elif isinstance(node, (ast.ClassicalDeclaration, ast.IODeclaration)):
                name = node.identifier.name
                if isinstance(node.type, ast.BitType):
                    self.bits.add(name)
                elif isinstance(node.type, ast.BoolType):
                    self.bools.add(name)
                init = getattr(node, "init_expression", None)
                given = isinstance(node, ast.IODeclaration) or isinstance(init, ast.QuantumMeasurement)
                value = None if given else (init if init is not None else ast.IntegerLiteral(0))
                assignments.setdefault(name, []).append((value, top))
            elif isinstance(node, ast.ClassicalAssignment):
                target = node.lvalue.name if isinstance(node.lvalue, ast.Identifier) else node.lvalue.name.name
                plain = node.op.name == "=" and isinstance(node.lvalue, ast.Identifier)
                assignments.setdefault(target, []).append((node.rvalue if plain else None, top))
            elif isinstance(node, ast.QuantumMeasurementStatement) and node.target is not None:
                target = node.target.name if isinstance(node.target, ast.Identifier) else node.target.name.name
                assignments.setdefault(target, []).append((None, top))
            elif isinstance(node, ast.BranchingStatement):
                self.collect(node.if_block, assignments, False)
                self.collect(node.else_block, assignments, False)
            elif isinstance(node, (ast.WhileLoop, ast.ForInLoop)):
                self.collect(node.block, assignments, False)
            elif isinstance(node, ast.CompoundStatement):
                self.collect(node.statements, assignments, top)

    def constant(self, node) -> bool:
        """Reads only literals, built-in constants and constant variables."""
        if isinstance(node, LITERALS):
            return True
        if isinstance(node, ast.Identifier):
            return node.name in BUILTIN_CONSTANTS or node.name in self.constants
        if isinstance(node, ast.UnaryExpression):
            return self.constant(node.expression)
        if isinstance(node, ast.BinaryExpression):
            return self.constant(node.lhs) and self.constant(node.rhs)
        if isinstance(node, ast.Cast):
            return self.constant(node.argument)
        if isinstance(node, ast.FunctionCall):
            return all(self.constant(a) for a in node.arguments)
        return False

    def reads(self, node) -> str:
        """What makes an expression not constant, for the message."""
        found: list[str] = []
        checker = self

        class Reads(QASMVisitor):
            def visit_IndexExpression(self, node: ast.IndexExpression, context=None) -> None:
                if isinstance(node.collection, ast.Identifier) and node.collection.name in checker.bits:
                    found.append("a measured bit")
                else:
                    self.generic_visit(node, context)

            def visit_Identifier(self, node: ast.Identifier, context=None) -> None:
                if node.name in checker.bits:
                    found.append("a measured bit")
                elif not checker.constant(node):
                    found.append(f"{node.name}, which is not constant")

        Reads().visit(node)
        return "reads " + (found[0] if found else "a value that is not constant")

    def add(self, rule: str, node, message: str) -> None:
        self.findings.append(Finding(rule, _line(node), message))

    def check(self, statements) -> None:
        for node in statements:
            if isinstance(node, ast.QuantumGateDefinition):
                continue  # its parameters are bound where it is called
            if isinstance(node, ast.BranchingStatement):
                self.casts(node.condition, "cast-in-condition", "in an if condition")
            elif isinstance(node, ast.WhileLoop):
                self.casts(node.while_condition, "cast-in-condition", "in a while condition")
            elif isinstance(node, (ast.ClassicalAssignment, ast.ClassicalDeclaration)):
                value = node.rvalue if isinstance(node, ast.ClassicalAssignment) else node.init_expression
                if value is not None and not isinstance(value, ast.QuantumMeasurement) and not self.constant(value):
                    target = node.lvalue if isinstance(node, ast.ClassicalAssignment) else node.identifier
                    name = target.name if isinstance(target, ast.Identifier) else target.name.name
                    where = f"in the value assigned to {name}, which {self.reads(value)}"
                    self.casts(value, "cast-in-assignment", where)
            elif isinstance(node, ast.QuantumGate):
                for argument in node.arguments:
                    if not self.constant(argument):
                        self.add("measured-angle", argument, f"an argument of {node.name.name} {self.reads(argument)}")
            self.bool_arithmetic(node)
            for block in ("if_block", "else_block", "block", "statements"):
                if isinstance(getattr(node, block, None), list):
                    self.check(getattr(node, block))

    def casts(self, expression, rule: str, where: str) -> None:
        checker = self

        class Casts(QASMVisitor):
            def visit_Cast(self, node: ast.Cast, context=None) -> None:
                checker.add(rule, node, f"cast to {_type_name(node.type)} {where}")
                self.generic_visit(node, context)

        Casts().visit(expression)

    def bool_arithmetic(self, statement) -> None:
        """Arithmetic on bools in the statement's own expressions (not in nested blocks)."""
        checker = self

        class Arithmetic(QASMVisitor):
            def visit_BinaryExpression(self, node: ast.BinaryExpression, context=None) -> None:
                if node.op.name in ARITHMETIC and checker.boolean(node.lhs) and checker.boolean(node.rhs):
                    checker.add("bool-arithmetic", node, f"{node.op.name} between two bools")
                self.generic_visit(node, context)

            def visit_UnaryExpression(self, node: ast.UnaryExpression, context=None) -> None:
                if node.op.name == "-" and checker.boolean(node.expression):
                    checker.add("bool-arithmetic", node, "unary - of a bool")
                self.generic_visit(node, context)

        for field in ("condition", "while_condition", "rvalue", "init_expression", "arguments"):
            value = getattr(statement, field, None)
            for expression in value if isinstance(value, list) else [value]:
                if expression is not None:
                    Arithmetic().visit(expression)

    def boolean(self, node) -> bool:
        return (
            isinstance(node, ast.BooleanLiteral)
            or (isinstance(node, ast.BinaryExpression) and node.op.name in BOOLEAN_RESULT)
            or (isinstance(node, ast.UnaryExpression) and node.op.name == "!")
            or (isinstance(node, ast.Identifier) and node.name in self.bools)
            or (isinstance(node, ast.Cast) and isinstance(node.type, ast.BoolType))
        )


def _type_name(node) -> str:
    name = type(node).__name__.removesuffix("Type").lower()
    size = getattr(node, "size", None)
    return f"{name}[{size.value}]" if isinstance(size, ast.IntegerLiteral) else name
