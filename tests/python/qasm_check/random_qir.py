"""Seeded generator of measurement-conditioned QIR programs, for the randomized meaning test.

`generate(seed)` builds one adaptive-profile program (opaque pointers) in the shapes the
translator lowers: straight-line gates with rotations; mz / mresetz / m into a few results,
repeatedly into the same indices; reset; read_result (both spellings); if-then, if-else and
else-only branches on read results and on comparisons; if-merge counters (`%x = phi i64
[init, %cond], [%x1, %update]`) whose init is a constant, an earlier counter or a zext'd read,
compared later with icmp; zero-one diamonds and selects; short-circuit and/or phis; and/or/not
on i1; add/sub/mul on i64; repeat-until-success loops (a header or a single block that
measures and repeats on one outcome, terminating with probability 1: the repeated part
prepares the measured qubit so that the exit outcome has probability at least 0.1). Every
used result is recorded at the end.

Intrinsics the reference simulator (qirrunner) lacks are replaced in the reference twin:
ccnot by ccx, phasedx(theta, phi, q) by rz(-phi), rx(theta), rz(phi).

The generator also tags each program with the known translator faults it may hit, from its own
bookkeeping (conservatively: a tag says the situation may arise on some path):
- STALE_READ: a value computed from a read of result r is used after r was measured again
  (the translation substitutes the read as an expression, so it would see the new value);
- UNMEASURED_READ: a result is read on a path where nothing was measured into it (QIR reads
  Zero; the translation reads a bit nothing has set).
Programs draw whether they may create either situation (ALLOW_STALE, ALLOW_UNMEASURED); the
others avoid them.
"""

from __future__ import annotations

import math
import random
import struct
from dataclasses import dataclass, field

STALE_READ = "stale-read"
UNMEASURED_READ = "unmeasured-read"

ALLOW_STALE = 0.25  # share of programs that may use a value after its result was re-measured
ALLOW_UNMEASURED = 0.1  # share of programs that may read a result before measuring it

# QIR gate intrinsics: name -> (angles, qubits).
GATES = {
    "h__body": (0, 1), "x__body": (0, 1), "y__body": (0, 1), "z__body": (0, 1),
    "s__body": (0, 1), "s__adj": (0, 1), "t__body": (0, 1), "t__adj": (0, 1),
    "rx__body": (1, 1), "ry__body": (1, 1), "rz__body": (1, 1), "phasedx__body": (2, 1),
    "cnot__body": (0, 2), "cx__body": (0, 2), "cy__body": (0, 2), "cz__body": (0, 2),
    "swap__body": (0, 2), "rxx__body": (1, 2), "ryy__body": (1, 2), "rzz__body": (1, 2),
    "ccx__body": (0, 3), "ccnot__body": (0, 3),
}
MEASUREMENTS = ["mz__body", "mz__body", "mresetz__body", "m__body"]
READS = ["__quantum__qis__read_result__body", "__quantum__rt__read_result"]
PREDICATES = ["eq", "ne", "slt", "sle", "sgt", "sge"]


@dataclass
class Program:
    seed: int
    qir: str  # the module to translate
    reference_qir: str  # the module qirrunner runs (the same, with intrinsics it lacks replaced)
    recorded: list[int]  # result indices in recording order
    tags: set[str] = field(default_factory=set)


def ptr(index: int) -> str:
    return "ptr null" if index == 0 else f"ptr inttoptr (i64 {index} to ptr)"


def double(value: float) -> str:
    """An exact LLVM double constant (hexadecimal bit pattern)."""
    return "0x%016X" % struct.unpack("<Q", struct.pack("<d", value))[0]


@dataclass(frozen=True)
class Value:
    name: str  # %name, or a constant's text
    deps: frozenset  # (result, measurement generation at the read) of every read it depends on


class _Generator:
    def __init__(self, seed: int):
        self.rng = random.Random(seed)
        rng = self.rng
        self.num_qubits = rng.randint(2, 4)
        self.num_results = rng.randint(2, 4)
        self.allow_stale = rng.random() < ALLOW_STALE
        self.allow_unmeasured = rng.random() < ALLOW_UNMEASURED
        self.lines: list[str] = []  # the module under test, block by block
        self.reference: list[str] = []  # the same lines for the reference twin
        self.declared: dict[str, str] = {}
        self.names = 0
        self.generation = [0] * self.num_results  # measurements so far per result, in text order
        self.measured: set[int] = set()  # results measured on every path to here
        self.used_results: set[int] = set()
        self.bools: list[list[Value]] = [[]]  # scopes of i1 values usable here
        self.ints: list[list[Value]] = [[]]  # scopes of i64 values usable here
        self.tags: set[str] = set()
        self.block = "entry"

    # ---- emitting ----------------------------------------------------------------------------

    def fresh(self, prefix: str = "v") -> str:
        self.names += 1
        return f"{prefix}{self.names}"

    def emit(self, line: str, reference: list[str] | None = None) -> None:
        self.lines.append(line)
        self.reference.extend([line] if reference is None else reference)

    def start(self, label: str) -> None:
        self.emit(f"{label}:")
        self.block = label

    def call(self, function: str, signature: str, arguments: str, returns: str = "void") -> str:
        self.declared[function] = f"declare {returns} @{function}({signature})"
        return f"call {returns} @{function}({arguments})"

    def qis(self, name: str, angles: list[float], qubits: list[int]) -> None:
        arguments = [f"double {double(a)}" for a in angles] + [ptr(q) for q in qubits]
        signature = ", ".join(["double"] * len(angles) + ["ptr"] * len(qubits))
        line = "  " + self.call(f"__quantum__qis__{name}", signature, ", ".join(arguments))
        if name == "ccnot__body":
            reference = ["  " + self.call("__quantum__qis__ccx__body", signature, ", ".join(arguments))]
        elif name == "phasedx__body":
            theta, phi = angles
            reference = []
            for gate, angle in (("rz__body", -phi), ("rx__body", theta), ("rz__body", phi)):
                reference.append("  " + self.call(f"__quantum__qis__{gate}", "double, ptr",
                                                  f"double {double(angle)}, {ptr(qubits[0])}"))
        else:
            reference = None
        self.emit(line, reference)

    # ---- statements --------------------------------------------------------------------------

    def angle(self) -> float:
        return round(self.rng.uniform(-math.pi, math.pi), 3)

    def gate(self, avoid: frozenset[int] = frozenset()) -> None:
        qubits = [q for q in range(self.num_qubits) if q not in avoid]
        choices = [g for g, (_, k) in GATES.items() if k <= len(qubits)]
        if not choices:
            return
        name = self.rng.choice(choices)
        angles, k = GATES[name]
        self.qis(name, [self.angle() for _ in range(angles)], self.rng.sample(qubits, k))

    def measure(self, qubit: int | None = None, result: int | None = None) -> None:
        qubit = self.rng.randrange(self.num_qubits) if qubit is None else qubit
        result = self.rng.randrange(self.num_results) if result is None else result
        name = self.rng.choice(MEASUREMENTS)
        self.emit("  " + self.call(f"__quantum__qis__{name}", "ptr, ptr", f"{ptr(qubit)}, {ptr(result)}"))
        self.generation[result] += 1
        self.measured.add(result)
        self.used_results.add(result)

    def reset(self) -> None:
        self.emit("  " + self.call("__quantum__qis__reset__body", "ptr", ptr(self.rng.randrange(self.num_qubits))))

    def read(self, result: int | None = None) -> Value:
        """A fresh read of a result (one measured on every path unless the program allows
        otherwise; a measurement is added when there is none)."""
        if result is None:
            candidates = sorted(self.measured)
            if self.allow_unmeasured or not candidates:
                candidates = list(range(self.num_results)) if self.allow_unmeasured else []
            if not candidates:
                self.measure()
                candidates = sorted(self.measured)
            result = self.rng.choice(candidates)
        if result not in self.measured:
            self.tags.add(UNMEASURED_READ)
        self.used_results.add(result)
        name = self.fresh()
        function = self.rng.choice(READS)
        self.emit(f"  %{name} = " + self.call(function, "ptr", ptr(result), returns="i1"))
        value = Value(f"%{name}", frozenset({(result, self.generation[result])}))
        self.bools[-1].append(value)
        return value

    def stale(self, value: Value) -> bool:
        return any(self.generation[r] != g for r, g in value.deps)

    def use(self, value: Value) -> str:
        if self.stale(value):
            self.tags.add(STALE_READ)
        return value.name

    def held(self, pools: list[list[Value]]) -> list[Value]:
        values = [v for scope in pools for v in scope]
        stale = [v for v in values if self.stale(v)]
        if not self.allow_stale:
            return [v for v in values if not self.stale(v)]
        return stale if stale and self.rng.random() < 0.5 else values

    def condition(self, depth: int) -> Value:
        """An i1 value to branch on."""
        rng = self.rng
        kinds = ["read", "read", "held", "logic", "icmp", "short"]
        if self.held(self.ints):  # compare the counters and integers made so far
            kinds += ["icmp", "icmp"]
        kind = rng.choice(kinds)
        if kind == "held" and self.held(self.bools):
            return rng.choice(self.held(self.bools))
        if kind == "logic":
            a = self.condition_operand()
            name = self.fresh()
            op = rng.choice(["and", "or", "not"])
            if op == "not":
                self.emit(f"  %{name} = xor i1 {self.use(a)}, true")
                deps = a.deps
            else:
                b = self.condition_operand()
                self.emit(f"  %{name} = {op} i1 {self.use(a)}, {self.use(b)}")
                deps = a.deps | b.deps
            value = Value(f"%{name}", deps)
            self.bools[-1].append(value)
            return value
        if kind == "icmp":
            a = self.integer(depth)
            b = self.integer(depth) if rng.random() < 0.3 else Value(str(rng.randint(-1, 4)), frozenset())
            name = self.fresh()
            self.emit(f"  %{name} = icmp {rng.choice(PREDICATES)} i64 {self.use(a)}, {self.use(b)}")
            value = Value(f"%{name}", a.deps | b.deps)
            self.bools[-1].append(value)
            return value
        if kind == "short" and depth < 2:
            return self.short_circuit(depth)
        return self.read()

    def condition_operand(self) -> Value:
        held = self.held(self.bools)
        return self.rng.choice(held) if held and self.rng.random() < 0.5 else self.read()

    def short_circuit(self, depth: int) -> Value:
        """a && b or a || b (either polarity of a) as a branch and an i1 phi."""
        a = self.condition_operand()
        rhs, merge = self.fresh("rhs"), self.fresh("merge")
        here = self.block
        to_rhs_on_true = self.rng.random() < 0.5
        targets = (rhs, merge) if to_rhs_on_true else (merge, rhs)
        self.emit(f"  br i1 {self.use(a)}, label %{targets[0]}, label %{targets[1]}")
        self.start(rhs)
        self.bools.append([])
        measured = set(self.measured)
        b = self.condition_operand()  # may measure, on this path only
        self.measured = measured
        self.emit(f"  br label %{merge}")
        self.bools.pop()
        b_name = self.use(b)
        self.start(merge)
        constant = self.rng.choice(["true", "false"])
        name = self.fresh()
        self.emit(f"  %{name} = phi i1 [ {constant}, %{here} ], [ {b_name}, %{rhs} ]")
        value = Value(f"%{name}", a.deps | b.deps)
        self.bools[-1].append(value)
        return value

    def integer(self, depth: int) -> Value:
        """An i64 value to compare or count with."""
        rng = self.rng
        held = self.held(self.ints)
        kind = rng.choice(["held", "held", "zext", "select", "arith", "diamond"])
        if kind == "held" and held:
            return rng.choice(held)
        if kind == "zext":
            a = self.condition_operand()
            name = self.fresh()
            self.emit(f"  %{name} = zext i1 {self.use(a)} to i64")
            value = Value(f"%{name}", a.deps)
        elif kind == "select":
            a = self.condition_operand()
            name = self.fresh()
            one, zero = rng.choice([(1, 0), (0, 1), (rng.randint(-2, 5), rng.randint(-2, 5))])
            self.emit(f"  %{name} = select i1 {self.use(a)}, i64 {one}, i64 {zero}")
            value = Value(f"%{name}", a.deps)
        elif kind == "arith" and held:
            a = rng.choice(held)
            b = rng.choice(held) if rng.random() < 0.5 else Value(str(rng.randint(-2, 3)), frozenset())
            name = self.fresh()
            self.emit(f"  %{name} = {rng.choice(['add', 'sub', 'mul'])} i64 {self.use(a)}, {self.use(b)}")
            value = Value(f"%{name}", a.deps | b.deps)
        elif kind == "diamond" and depth < 2:
            value = self.diamond(depth)
        else:
            return Value(str(rng.randint(0, 3)), frozenset())
        self.ints[-1].append(value)
        return value

    def diamond(self, depth: int) -> Value:
        """A 0/1 diamond: both arms empty, the merge's phi turns the condition into 0 or 1."""
        condition = self.condition(depth + 1)
        one, zero, merge = self.fresh("one"), self.fresh("zero"), self.fresh("merge")
        self.emit(f"  br i1 {self.use(condition)}, label %{one}, label %{zero}")
        for arm in (one, zero):
            self.start(arm)
            self.emit(f"  br label %{merge}")
        self.start(merge)
        name = self.fresh()
        high, low = (1, 0) if self.rng.random() < 0.7 else (0, 1)
        self.emit(f"  %{name} = phi i64 [ {high}, %{one} ], [ {low}, %{zero} ]")
        return Value(f"%{name}", condition.deps)

    def counter(self, depth: int) -> None:
        """An if-merge counter: `%x = phi i64 [init, %here], [update, %add]`."""
        rng = self.rng
        held = self.held(self.ints)
        kind = rng.choice(["constant", "held", "zext"])
        if kind == "held" and held:
            init = rng.choice(held)
            for scope in self.ints:  # the counter takes the earlier one's place
                if init in scope:
                    scope.remove(init)
        elif kind == "zext":
            a = self.condition_operand()
            name = self.fresh()
            self.emit(f"  %{name} = zext i1 {self.use(a)} to i64")
            init = Value(f"%{name}", a.deps)
        else:
            init = Value(str(rng.randint(0, 2)), frozenset())
        if rng.random() < 0.3:  # a measurement between the init and the branch
            stale = {r for r, _ in init.deps} if not self.allow_stale else set()
            results = [r for r in range(self.num_results) if r not in stale]
            if results:
                self.measure(result=rng.choice(results))
        condition = self.condition(depth + 1)
        update, merge = self.fresh("add"), self.fresh("merge")
        here = self.block
        targets = (update, merge) if rng.random() < 0.6 else (merge, update)
        self.emit(f"  br i1 {self.use(condition)}, label %{targets[0]}, label %{targets[1]}")
        init_name = self.use(init)
        self.start(update)
        for _ in range(rng.randint(0, 2)):
            self.gate()
        if rng.random() < 0.8:
            updated = f"%{self.fresh()}"
            self.emit(f"  {updated} = add i64 {init_name}, {rng.randint(-2, 4)}")
        else:
            updated = str(rng.randint(0, 4))
        self.emit(f"  br label %{merge}")
        self.start(merge)
        name = self.fresh()
        self.emit(f"  %{name} = phi i64 [ {init_name}, %{here} ], [ {updated}, %{update} ]")
        self.ints[-1].append(Value(f"%{name}", frozenset()))

    def branch(self, depth: int) -> None:
        """if-then, else-only or if-else on a condition, with statements in the arms."""
        condition = self.condition(depth)
        shape = self.rng.choice(["then", "else", "both"])
        then, other, merge = self.fresh("then"), self.fresh("else"), self.fresh("merge")
        targets = {"then": (then, merge), "else": (merge, other), "both": (then, other)}[shape]
        self.emit(f"  br i1 {self.use(condition)}, label %{targets[0]}, label %{targets[1]}")
        before = set(self.measured)
        arms = []
        for arm in [a for a in (then, other) if a in targets]:
            self.measured = set(before)
            self.bools.append([])
            self.ints.append([])
            self.start(arm)
            self.statements(depth + 1, self.rng.randint(1, 3))
            self.emit(f"  br label %{merge}")
            self.bools.pop()
            self.ints.pop()
            arms.append(self.measured)
        self.measured = before | (set.intersection(*arms) if len(arms) == 2 else set())
        self.start(merge)

    def loop(self, depth: int) -> None:
        """Repeat until success: measure a qubit, repeat on one outcome. The repeated part
        prepares the qubit so that the exit outcome has probability at least 0.1."""
        rng = self.rng
        qubit, result = rng.randrange(self.num_qubits), rng.randrange(self.num_results)
        repeat_on_one = rng.random() < 0.6
        self_loop = rng.random() < 0.3
        header = self.fresh("loop")
        body = header if self_loop else self.fresh("body")
        exit_ = self.fresh("exit")
        self.emit(f"  br label %{header}")
        self.start(header)
        if self_loop:
            self.prepare_for_exit(qubit, repeat_on_one)
        self.bools.append([])
        self.ints.append([])
        self.measure(qubit, result)
        outcome = self.read(result)
        targets = (body, exit_) if repeat_on_one else (exit_, body)
        if not self_loop:
            self.emit(f"  br i1 {self.use(outcome)}, label %{targets[0]}, label %{targets[1]}")
            self.start(body)
            measured = set(self.measured)
            for _ in range(rng.randint(0, 2)):
                if rng.random() < 0.7:
                    self.gate(avoid=frozenset({qubit}))
                else:
                    others = [r for r in range(self.num_results) if r != result]
                    self.measure(rng.choice([q for q in range(self.num_qubits) if q != qubit]), rng.choice(others))
            self.prepare_for_exit(qubit, repeat_on_one)
            self.measured = measured  # the body may not run
            self.emit(f"  br label %{header}")
        else:
            self.emit(f"  br i1 {self.use(outcome)}, label %{targets[0]}, label %{targets[1]}")
        self.bools.pop()
        self.ints.pop()
        self.start(exit_)

    def prepare_for_exit(self, qubit: int, repeat_on_one: bool) -> None:
        theta = self.rng.uniform(0.7, 2.4)  # P(one) = sin^2(theta/2), in [0.12, 0.87]
        if repeat_on_one:
            self.qis("x__body", [], [qubit])  # from One back to Zero before the rotation
        self.qis("ry__body", [theta], [qubit])

    def statements(self, depth: int, count: int) -> None:
        rng = self.rng
        kinds = ["gate"] * 4 + ["measure"] * 3 + ["reset", "branch", "branch", "counter", "counter"]
        if depth == 0:
            kinds += ["loop"]
        for _ in range(count):
            kind = rng.choice(kinds) if depth < 2 else rng.choice(["gate", "gate", "measure"])
            if kind == "gate":
                self.gate()
            elif kind == "measure":
                self.measure()
            elif kind == "reset":
                self.reset()
            elif kind == "branch":
                self.branch(depth)
            elif kind == "counter":
                self.counter(depth)
            else:
                self.loop(depth)

    def program(self, seed: int) -> Program:
        self.start("entry")
        for qubit in range(self.num_qubits):  # superpositions, so that outcomes vary
            self.qis("ry__body", [round(self.rng.uniform(0.3, 2.8), 3)], [qubit])
        for _ in range(self.rng.randint(0, 3)):
            self.gate()
        self.statements(0, self.rng.randint(4, 10))
        for qubit in range(self.num_qubits):  # the final state shows in the recorded results
            if self.rng.random() < 0.7:
                self.measure(qubit, qubit % self.num_results)
        recorded = sorted(self.used_results)
        self.emit("  " + self.call("__quantum__rt__array_record_output", "i64, ptr", f"i64 {len(recorded)}, ptr null"))
        for r in recorded:
            self.emit("  " + self.call("__quantum__rt__result_record_output", "ptr, ptr", f"{ptr(r)}, ptr null"))
        self.emit("  ret void")
        return Program(seed, self.module(self.lines), self.module(self.reference), recorded, self.tags)

    def module(self, lines: list[str]) -> str:
        used = [d for name, d in sorted(self.declared.items()) if any(f"@{name}(" in line for line in lines)]
        attributes = (
            f'attributes #0 = {{ "entry_point" "qir_profiles"="adaptive_profile" '
            f'"required_num_qubits"="{self.num_qubits}" "required_num_results"="{self.num_results}" }}'
        )
        return "\n".join(["define void @main() #0 {", *lines, "}", "", *used, "", attributes, ""])


def generate(seed: int) -> Program:
    return _Generator(seed).program(seed)
