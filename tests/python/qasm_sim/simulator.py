"""Shot-by-shot statevector simulation of an OpenQASM 3 program.

The program is parsed with the reference parser and compiled once into Python closures; each
shot then runs the closures on a fresh state: a numpy statevector with one axis per qubit and a
dictionary of classical variables. Measurements sample from the exact probabilities with the
shot's random generator; `reset` measures and flips the qubit back to |0>.

Supported: `qubit[n]`/`qubit` declarations; `bit[n]`, `bit`, `int`, `uint`, `bool` and `float`
declarations (optionally initialised, also as `output`); gate calls on the gate table with any
number of `inv @` modifiers; `c[i] = measure q[j];` and bare `measure`; `reset`; `if`/`else`;
`while`; `=`, `+=`, `-=` assignments; literals, identifiers, indexing, the unary `-`, `!`, `~`,
every binary operator and the casts int(...) (toward zero), float(...) and bool(...). Anything else raises `SimulationError` (never silently ignored).
"""

from __future__ import annotations

import math
from collections import Counter
from collections.abc import Callable, Mapping, Sequence
from dataclasses import dataclass

import numpy as np
import openqasm3
from openqasm3 import ast

from .gates import HALVEK_GATES, Gate

Env = dict[str, object]


class SimulationError(Exception):
    """The program uses something the simulator does not model, or misuses it."""


@dataclass
class _Shot:
    psi: np.ndarray
    env: Env
    rng: np.random.Generator


def _binary(op: ast.BinaryOperator) -> Callable[[object, object], object]:
    name = op.name

    def int_div(a, b):
        if isinstance(a, float) or isinstance(b, float):
            return a / b
        q = abs(int(a)) // abs(int(b))
        return q if (a >= 0) == (b >= 0) else -q

    def int_mod(a, b):
        if isinstance(a, float) or isinstance(b, float):
            return math.fmod(a, b)
        return int(a) - int(b) * int_div(a, b)

    table: dict[str, Callable[[object, object], object]] = {
        "||": lambda a, b: bool(a) or bool(b),
        "&&": lambda a, b: bool(a) and bool(b),
        "|": lambda a, b: int(a) | int(b),
        "^": lambda a, b: int(a) ^ int(b),
        "&": lambda a, b: int(a) & int(b),
        "==": lambda a, b: a == b,
        "!=": lambda a, b: a != b,
        "<": lambda a, b: a < b,
        "<=": lambda a, b: a <= b,
        ">": lambda a, b: a > b,
        ">=": lambda a, b: a >= b,
        "<<": lambda a, b: int(a) << int(b),
        ">>": lambda a, b: int(a) >> int(b),
        "+": lambda a, b: a + b,
        "-": lambda a, b: a - b,
        "*": lambda a, b: a * b,
        "/": int_div,
        "%": int_mod,
        "**": lambda a, b: a**b,
    }
    return table[name]


_UNARY: dict[str, Callable[[object], object]] = {
    "-": lambda a: -a,
    "!": lambda a: not bool(a),
    "~": lambda a: ~int(a),
}


class Program:
    """A compiled OpenQASM 3 program, ready to be run for any number of shots."""

    def __init__(
        self,
        source: str | ast.Program,
        gates: Mapping[str, Gate] = HALVEK_GATES,
        max_loop_iterations: int = 100_000,
    ):
        tree = openqasm3.parse(source) if isinstance(source, str) else source
        self._gates = gates
        self._max_loop_iterations = max_loop_iterations
        self._qubit_registers: dict[str, tuple[int, int | None]] = {}  # name -> (first, size)
        self.num_qubits = 0
        self._statements = [self._statement(s, top_level=True) for s in tree.statements]
        # The leading statements that neither measure nor depend on classical values are the same
        # in every shot: run them once and start every shot from their result.
        self._prefix = 0
        for statement in tree.statements:
            if not _is_deterministic(statement):
                break
            self._prefix += 1
        self._prefix_state: tuple[np.ndarray, Env] | None = None

    # ---- running -------------------------------------------------------------------------

    def run(self, shots: int, seed: int) -> list[Env]:
        """Runs the program `shots` times; returns the classical variables after each shot."""
        rng = np.random.default_rng(seed)
        psi0, env0 = self._initial_state(rng)
        finals = []
        for _ in range(shots):
            shot = _Shot(psi0.copy(), _copy_env(env0), rng)
            for statement in self._statements[self._prefix :]:
                statement(shot)
            finals.append(shot.env)
        return finals

    def counts(self, shots: int, seed: int, outputs: Sequence[tuple[str, int]]) -> dict[str, int]:
        """Runs the program and counts the output bit strings: for each shot, the bits
        `register[index]` for the (register, index) pairs of `outputs`, in that order."""
        tally: Counter[str] = Counter()
        for env in self.run(shots, seed):
            bits = []
            for register, index in outputs:
                value = env.get(register)
                if not isinstance(value, list) or not 0 <= index < len(value):
                    raise SimulationError(f"output bit {register}[{index}] does not exist")
                bits.append("1" if value[index] else "0")
            tally["".join(bits)] += 1
        return dict(tally)

    def _initial_state(self, rng: np.random.Generator) -> tuple[np.ndarray, Env]:
        if self._prefix_state is None:
            psi = np.zeros((2,) * self.num_qubits, dtype=complex)
            psi[(0,) * self.num_qubits] = 1.0
            shot = _Shot(psi, {}, rng)
            for statement in self._statements[: self._prefix]:
                statement(shot)
            self._prefix_state = (shot.psi, shot.env)
        return self._prefix_state

    # ---- statements ----------------------------------------------------------------------

    def _statement(self, node: ast.Statement, top_level: bool = False) -> Callable[[_Shot], None]:
        if isinstance(node, ast.QubitDeclaration):
            if not top_level:
                raise SimulationError("qubit declarations are only supported at the top level")
            name = node.qubit.name
            if name in self._qubit_registers:
                raise SimulationError(f"qubit register {name} declared twice")
            size = None if node.size is None else self._constant_int(node.size)
            self._qubit_registers[name] = (self.num_qubits, size)
            self.num_qubits += 1 if size is None else size
            return lambda shot: None
        if isinstance(node, (ast.ClassicalDeclaration, ast.IODeclaration)):
            return self._declaration(node)
        if isinstance(node, ast.QuantumGate):
            return self._gate_call(node)
        if isinstance(node, ast.QuantumMeasurementStatement):
            return self._measurement(node)
        if isinstance(node, ast.QuantumReset):
            qubits = self._qubits(node.qubits)

            def reset(shot: _Shot) -> None:
                for qubit in qubits(shot):
                    if _measure(shot, qubit):
                        shot.psi = np.flip(shot.psi, axis=qubit)

            return reset
        if isinstance(node, ast.BranchingStatement):
            condition = self._expression(node.condition)
            then_body = [self._statement(s) for s in node.if_block]
            else_body = [self._statement(s) for s in node.else_block]

            def branch(shot: _Shot) -> None:
                for statement in then_body if condition(shot.env) else else_body:
                    statement(shot)

            return branch
        if isinstance(node, ast.WhileLoop):
            condition = self._expression(node.while_condition)
            body = [self._statement(s) for s in node.block]
            limit = self._max_loop_iterations

            def loop(shot: _Shot) -> None:
                iterations = 0
                while condition(shot.env):
                    iterations += 1
                    if iterations > limit:
                        raise SimulationError(f"while loop ran more than {limit} iterations")
                    for statement in body:
                        statement(shot)

            return loop
        if isinstance(node, ast.ClassicalAssignment):
            return self._assignment(node)
        raise SimulationError(f"unsupported statement {type(node).__name__}")

    def _declaration(self, node) -> Callable[[_Shot], None]:
        name = node.identifier.name
        kind = node.type
        init = getattr(node, "init_expression", None)
        init_value = None if init is None else self._expression(init)
        if isinstance(kind, ast.BitType):
            if kind.size is None:
                convert: Callable[[object], object] = _to_bit
            else:
                size = self._constant_int(kind.size)
                if init_value is not None:
                    raise SimulationError("initialised bit registers are not supported")
                return lambda shot: shot.env.__setitem__(name, [0] * size)
        elif isinstance(kind, (ast.IntType, ast.UintType)):
            convert = _to_int
        elif isinstance(kind, ast.BoolType):
            convert = bool
        elif isinstance(kind, ast.FloatType):
            convert = float
        else:
            raise SimulationError(f"unsupported classical type {type(kind).__name__}")

        def declare(shot: _Shot) -> None:
            shot.env[name] = convert(0 if init_value is None else init_value(shot.env))

        return declare

    def _gate_call(self, node: ast.QuantumGate) -> Callable[[_Shot], None]:
        name = node.name.name
        gate = self._gates.get(name)
        if gate is None:
            raise SimulationError(f"unknown gate {name}")
        inverse = False
        for modifier in node.modifiers:
            if modifier.modifier != ast.GateModifierName.inv or modifier.argument is not None:
                raise SimulationError(f"unsupported gate modifier {modifier.modifier.name}")
            inverse = not inverse
        if len(node.arguments) != gate.num_params:
            raise SimulationError(
                f"gate {name} takes {gate.num_params} argument(s), got {len(node.arguments)}"
            )
        if len(node.qubits) != gate.num_qubits:
            raise SimulationError(
                f"gate {name} acts on {gate.num_qubits} qubit(s), got {len(node.qubits)}"
            )
        arguments = [self._expression(a) for a in node.arguments]
        operands = [self._qubit(q) for q in node.qubits]
        k = gate.num_qubits

        def tensor(env: Env) -> np.ndarray:
            u = gate.matrix(*(float(a(env)) for a in arguments))
            if inverse:
                u = u.conj().T
            return u.reshape((2,) * (2 * k))

        fixed = tensor({}) if all(_is_constant(a) for a in node.arguments) else None
        in_axes = list(range(k, 2 * k))
        out_axes = list(range(k))

        def apply(shot: _Shot) -> None:
            targets = [operand(shot) for operand in operands]
            if len(set(targets)) != k:
                raise SimulationError(f"gate {name} applied to a repeated qubit")
            u = fixed if fixed is not None else tensor(shot.env)
            psi = np.tensordot(u, shot.psi, axes=(in_axes, targets))
            shot.psi = np.moveaxis(psi, out_axes, targets)

        return apply

    def _measurement(self, node: ast.QuantumMeasurementStatement) -> Callable[[_Shot], None]:
        qubits = self._qubits(node.measure.qubit)
        target = None if node.target is None else self._lvalue(node.target)

        def measure(shot: _Shot) -> None:
            outcomes = [_measure(shot, qubit) for qubit in qubits(shot)]
            if target is not None:
                if len(outcomes) != 1:
                    raise SimulationError("register-wide measurement is not supported")
                target(shot.env, outcomes[0])

        return measure

    def _assignment(self, node: ast.ClassicalAssignment) -> Callable[[_Shot], None]:
        target = self._lvalue(node.lvalue)
        value = self._expression(node.rvalue)
        op = node.op.name
        if op == "=":
            return lambda shot: target(shot.env, value(shot.env))
        if op not in ("+=", "-="):
            raise SimulationError(f"unsupported assignment operator {op}")
        current = self._expression(node.lvalue)
        sign = 1 if op == "+=" else -1
        return lambda shot: target(shot.env, current(shot.env) + sign * value(shot.env))

    # ---- operands and expressions --------------------------------------------------------

    def _qubit(self, node) -> Callable[[_Shot], int]:
        """A single qubit operand: `q[i]`, or the name of a one-qubit register."""
        if isinstance(node, ast.Identifier):
            first, size = self._register(node.name)
            if size is not None:
                raise SimulationError(f"register {node.name} used where one qubit is expected")
            return lambda shot: first
        if not isinstance(node, ast.IndexedIdentifier) or len(node.indices) != 1:
            raise SimulationError("unsupported qubit operand")
        first, size = self._register(node.name.name)
        index = self._index(node.indices[0])
        register = node.name.name

        def locate(i: int) -> int:
            if size is None or not 0 <= i < size:
                raise SimulationError(f"qubit index {register}[{i}] is out of range")
            return first + i

        if _is_constant_index(node.indices[0]):
            fixed = locate(index({}))
            return lambda shot: fixed
        return lambda shot: locate(index(shot.env))

    def _qubits(self, node) -> Callable[[_Shot], list[int]]:
        if isinstance(node, ast.Identifier):
            first, size = self._register(node.name)
            everything = [first] if size is None else list(range(first, first + size))
            return lambda shot: everything
        single = self._qubit(node)
        return lambda shot: [single(shot)]

    def _register(self, name: str) -> tuple[int, int | None]:
        if name not in self._qubit_registers:
            raise SimulationError(f"undeclared qubit register {name}")
        return self._qubit_registers[name]

    def _index(self, index) -> Callable[[Env], int]:
        if not isinstance(index, list) or len(index) != 1:
            raise SimulationError("only single indices are supported")
        value = self._expression(index[0])
        return lambda env: _to_int(value(env))

    def _lvalue(self, node) -> Callable[[Env, object], None]:
        if isinstance(node, ast.Identifier):
            name = node.name

            def assign_variable(env: Env, value: object) -> None:
                if name not in env:
                    raise SimulationError(f"assignment to undeclared variable {name}")
                old = env[name]
                if isinstance(old, list):
                    raise SimulationError(f"assignment to the whole register {name}")
                env[name] = type(old)(value) if not isinstance(old, bool) else bool(value)

            return assign_variable
        if not isinstance(node, ast.IndexedIdentifier) or len(node.indices) != 1:
            raise SimulationError("unsupported assignment target")
        name = node.name.name
        index = self._index(node.indices[0])

        def assign_element(env: Env, value: object) -> None:
            register = env.get(name)
            i = index(env)
            if not isinstance(register, list) or not 0 <= i < len(register):
                raise SimulationError(f"assignment to missing bit {name}[{i}]")
            register[i] = _to_bit(value)

        return assign_element

    def _expression(self, node) -> Callable[[Env], object]:
        if isinstance(node, (ast.IntegerLiteral, ast.FloatLiteral, ast.BooleanLiteral)):
            value = node.value
            return lambda env: value
        if isinstance(node, ast.Identifier):
            name = node.name

            def variable(env: Env) -> object:
                if name not in env:
                    raise SimulationError(f"undeclared identifier {name}")
                return env[name]

            return variable
        if isinstance(node, ast.IndexExpression):
            if not isinstance(node.collection, ast.Identifier):
                raise SimulationError("only named registers can be indexed")
            name = node.collection.name
            index = self._index(node.index)

            def element(env: Env) -> object:
                register = env.get(name)
                i = index(env)
                if not isinstance(register, list) or not 0 <= i < len(register):
                    raise SimulationError(f"read of missing bit {name}[{i}]")
                return register[i]

            return element
        if isinstance(node, ast.UnaryExpression):
            operand = self._expression(node.expression)
            op = _UNARY[node.op.name]
            return lambda env: op(operand(env))
        if isinstance(node, ast.BinaryExpression):
            lhs = self._expression(node.lhs)
            rhs = self._expression(node.rhs)
            op = _binary(node.op)
            return lambda env: op(lhs(env), rhs(env))
        if isinstance(node, ast.Cast):
            argument = self._expression(node.argument)
            if isinstance(node.type, (ast.IntType, ast.UintType)):
                return lambda env: math.trunc(argument(env))  # toward zero, also for floats
            if isinstance(node.type, ast.FloatType):
                return lambda env: float(argument(env))
            if isinstance(node.type, ast.BoolType):
                return lambda env: bool(argument(env))
            raise SimulationError(f"unsupported cast to {type(node.type).__name__}")
        raise SimulationError(f"unsupported expression {type(node).__name__}")

    def _constant_int(self, node) -> int:
        if not isinstance(node, ast.IntegerLiteral):
            raise SimulationError("register sizes must be integer literals")
        return node.value


def _measure(shot: _Shot, qubit: int) -> int:
    """Measures `qubit` in the computational basis, collapsing the state; returns 0 or 1."""
    psi = shot.psi
    one = np.take(psi, 1, axis=qubit)
    p1 = min(1.0, float(np.vdot(one, one).real))
    outcome = 1 if shot.rng.random() < p1 else 0
    psi = np.array(psi)  # a contiguous copy we may write to
    dropped = [slice(None)] * psi.ndim
    dropped[qubit] = 1 - outcome
    psi[tuple(dropped)] = 0
    psi /= math.sqrt(p1 if outcome else 1.0 - p1)
    shot.psi = psi
    return outcome


def _to_bit(value: object) -> int:
    return 1 if value else 0


def _to_int(value: object) -> int:
    if isinstance(value, float):
        raise SimulationError(f"float {value} used as an integer")
    return int(value)


def _copy_env(env: Env) -> Env:
    return {k: (list(v) if isinstance(v, list) else v) for k, v in env.items()}


def _is_constant(node) -> bool:
    if isinstance(node, (ast.IntegerLiteral, ast.FloatLiteral, ast.BooleanLiteral)):
        return True
    if isinstance(node, ast.UnaryExpression):
        return _is_constant(node.expression)
    if isinstance(node, ast.BinaryExpression):
        return _is_constant(node.lhs) and _is_constant(node.rhs)
    return False


def _is_constant_index(index) -> bool:
    return isinstance(index, list) and len(index) == 1 and _is_constant(index[0])


def _is_deterministic(node) -> bool:
    """True for statements whose effect is the same in every shot."""
    if isinstance(node, ast.QubitDeclaration):
        return True
    if isinstance(node, (ast.ClassicalDeclaration, ast.IODeclaration)):
        init = getattr(node, "init_expression", None)
        return init is None or _is_constant(init)
    if isinstance(node, ast.QuantumGate):
        return all(_is_constant(a) for a in node.arguments) and all(
            isinstance(q, ast.IndexedIdentifier) and _is_constant_index(q.indices[0])
            for q in node.qubits
        )
    return False
