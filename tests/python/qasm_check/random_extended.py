"""Seeded generator of adaptive QIR programs (opaque pointers) for the extended mode
(`translate(text, extended=True)`), for the randomized meaning test (random_meaning.py).

`generate(seed)` builds a program from the shapes of random_qir.py (gates, measurements,
resets, reads, repeat-until-success loops, whose helpers it reuses) and several segments of
the extended constructs, each adding its feature tags to `Program.tags` (FEATURES names them),
so that failures can be grouped by feature.

Every value the program computes is modelled in Python: a `Sym` holds its function of the
program's inputs (each read of a result is an input with the values 0 and 1; the sum of bits a
loop accumulates is one input with the values 0..n) in LLVM's arithmetic (wrapping at the
width, signed and unsigned views). The model enumerates the inputs a value depends on (at most
LIMIT combinations), which the generator uses to
- keep the program defined: no division by zero or of the least value by -1, no fptosi out of
  range, no shift by the width or more, every loop bounded by a counter with a known bound;
- make the computed values matter: a comparison's constant is chosen so that the comparison
  is true for some inputs and false for others, and each observed value flips or rotates a
  witness qubit (one per witness result, measured at the end), so that a value computed wrongly
  shows in the statistics of the recorded results.

The reference twin (what qirrunner runs) drops barrierN calls, which qirrunner lacks (a barrier
does not change what is measured), and replaces ccnot and phasedx as random_qir.py does.
"""

from __future__ import annotations

import itertools
import math
from collections.abc import Callable
from dataclasses import dataclass

from .random_qir import STALE_READ, Program, _Generator, double, ptr

FEATURES = {
    "pack": "an integer packed from result bits (zext i1, shl, or/add/xor) at 8/16/32/64 bits",
    "bitops": "and/or/xor with constants and other values, shl/lshr/ashr by constants",
    "shift62": "a shift of an i64 by 62 or 63",
    "width": "trunc/sext/zext between integer widths",
    "overflow": "arithmetic that wraps at its width",
    "unsigned": "an unsigned comparison of a value that may be negative",
    "division": "sdiv/udiv/srem/urem",
    "measured-divisor": "a division by a measured value (never zero)",
    "angle": "a rotation by an angle computed at run time",
    "fcmp": "a comparison of doubles",
    "fptosi": "a double converted back to an integer",
    "double-select": "a select of doubles on a measured condition",
    "phi": "phis of several types with two to four predecessors",
    "swap": "two loop phis that swap their values each round (a parallel copy)",
    "loop": "a loop with a loop-carried i64 counter",
    "measured-bound": "a loop whose bound is a measured value",
    "accumulate": "the sum of bits measured in a bounded loop",
    "near-max": "a counter starting near the largest value of its type",
    "call": "a call of a function defined in the module",
    "multi-return": "a called function with several return blocks",
    "barrier": "barrier intrinsics (on all qubits, and barrierN)",
    "memory": "alloca/store/load, stored in several blocks and loaded in a merge block",
    "memory-loop": "a value kept in memory across a loop",
    "branch": "extended constructs inside the arms of an if/else",
    "rus": "a repeat-until-success loop",
    STALE_READ: "a value read from a result used after the result was measured again",
}

INTS = ("i8", "i16", "i32", "i64")
WIDTHS = {"i1": 1, "i8": 8, "i16": 16, "i32": 32, "i64": 64}
PREDICATES = ("eq", "ne", "slt", "sle", "sgt", "sge", "ult", "ule", "ugt", "uge")
LIMIT = 256  # the most input combinations a value may depend on
SMALL = 8  # |value| of the integers that become angles and loop bounds


def signed(value: int, width: int) -> int:
    return value - (1 << width) if value >> (width - 1) else value


def _sdiv(a: int, b: int) -> int:
    quotient = abs(a) // abs(b)
    return quotient if (a < 0) == (b < 0) else -quotient


def int_op(op: str, a: int, b: int, width: int) -> int:
    """LLVM's integer binary operation on unsigned bit patterns of the width."""
    sa, sb = signed(a, width), signed(b, width)
    result = {
        "add": lambda: a + b, "sub": lambda: a - b, "mul": lambda: a * b,
        "and": lambda: a & b, "or": lambda: a | b, "xor": lambda: a ^ b,
        "shl": lambda: a << b, "lshr": lambda: a >> b, "ashr": lambda: sa >> b,
        "sdiv": lambda: _sdiv(sa, sb), "srem": lambda: sa - sb * _sdiv(sa, sb),
        "udiv": lambda: a // b, "urem": lambda: a % b,
    }[op]()
    return result & ((1 << width) - 1)


def icmp(pred: str, a: int, b: int, width: int) -> int:
    if pred[0] == "s":
        a, b = signed(a, width), signed(b, width)
    name = pred if pred in ("eq", "ne") else pred[1:]
    return int({"eq": a == b, "ne": a != b, "lt": a < b, "le": a <= b, "gt": a > b, "ge": a >= b}[name])


def fcmp(pred: str, a: float, b: float) -> int:
    return int({"olt": a < b, "ole": a <= b, "ogt": a > b, "oge": a >= b, "oeq": a == b, "one": a != b}[pred])


@dataclass(frozen=True, eq=False)
class Sym:
    """A value of the program: its LLVM name (or constant text), type and model."""

    name: str
    type: str  # i1, i8, i16, i32, i64 or double
    fn: Callable[[dict], float]  # the value (unsigned bit pattern, or a float) given the inputs
    inputs: frozenset = frozenset()  # the inputs it depends on
    deps: frozenset = frozenset()  # (result, generation) of the reads it depends on, as in random_qir

    @property
    def width(self) -> int:
        return WIDTHS[self.type]


class _Extended(_Generator):
    def __init__(self, seed: int):
        super().__init__(seed)
        self.allow_unmeasured = False
        self.num_witnesses = self.rng.randint(1, 3)  # qubits and results after the data ones
        self.generation += [0] * self.num_witnesses
        self.domains: list[tuple] = []  # input -> its possible values
        self.pool: list[list[Sym]] = [[]]  # scopes of the values usable here
        self.allocas: list[str] = []
        self.functions: list[tuple[list[str], list[str]]] = []  # (text, reference text)
        self.library: dict[str, list] = {}  # kind -> the functions defined of it
        self.witnesses: set[int] = set()
        self.reads: dict[tuple[int, int], frozenset] = {}  # (result, generation) -> its input

    # ---- the model ---------------------------------------------------------------------------

    def input(self, name: str, type_: str, domain, deps=frozenset()) -> Sym:
        self.domains.append(tuple(domain))
        index = len(self.domains) - 1
        return Sym(name, type_, lambda env: env[index], frozenset({index}), deps)

    def const(self, type_: str, value: float) -> Sym:
        if type_ == "double":
            return Sym(double(value), type_, lambda env: value)
        width = WIDTHS[type_]
        bits = int(value) & ((1 << width) - 1)
        text = ("true" if bits else "false") if width == 1 else str(signed(bits, width))
        return Sym(text, type_, lambda env: bits)

    def envs(self, *syms: Sym):
        ids = sorted(frozenset().union(*(s.inputs for s in syms)))
        for combination in itertools.product(*(self.domains[i] for i in ids)):
            yield dict(zip(ids, combination))

    def values(self, sym: Sym) -> list | None:
        """The values it may take (None when it depends on too many inputs to enumerate)."""
        if self.space(sym) > LIMIT:
            return None
        return sorted({sym.fn(env) for env in self.envs(sym)})

    def space(self, *syms: Sym) -> int:
        return math.prod(len(self.domains[i]) for i in frozenset().union(*(s.inputs for s in syms)))

    def small(self, sym: Sym, bound: int = SMALL) -> bool:
        values = self.values(sym) if sym.type in WIDTHS else None
        return values is not None and all(abs(signed(v, sym.width)) <= bound for v in values)

    def held(self, types, *together: Sym, small: bool = False) -> list[Sym]:
        """The values of the given types usable here (not stale unless the program allows it),
        that depend on few enough inputs together with `together`."""
        return [
            s for scope in self.pool for s in scope
            if s.type in types and (self.allow_stale or not self.stale(s))
            and self.space(s, *together) <= LIMIT and (not small or self.small(s))
        ]

    # ---- instructions ------------------------------------------------------------------------

    def define(self, type_: str, text: str, fn, operands, keep: bool = True) -> Sym:
        name = "%" + self.fresh()
        self.emit(f"  {name} = {text}")
        sym = Sym(name, type_, fn, frozenset().union(*(o.inputs for o in operands)),
                  frozenset().union(*(o.deps for o in operands)))
        if keep and self.space(sym) <= LIMIT:
            self.pool[-1].append(sym)
        return sym

    def arith(self, op: str, a: Sym, b: Sym) -> Sym:
        fa, fb, width = a.fn, b.fn, a.width
        return self.define(a.type, f"{op} {a.type} {self.use(a)}, {self.use(b)}",
                           lambda env: int_op(op, fa(env), fb(env), width), (a, b))

    def icmp(self, pred: str, a: Sym, b: Sym) -> Sym:
        fa, fb, width = a.fn, b.fn, a.width
        return self.define("i1", f"icmp {pred} {a.type} {self.use(a)}, {self.use(b)}",
                           lambda env: icmp(pred, fa(env), fb(env), width), (a, b))

    def cast(self, op: str, a: Sym, type_: str) -> Sym:
        fa, source, mask = a.fn, WIDTHS.get(a.type, 64), (1 << WIDTHS.get(type_, 64)) - 1
        fn = {
            "trunc": lambda env: fa(env) & mask,
            "zext": lambda env: fa(env),
            "sext": lambda env: signed(fa(env), source) & mask,
            "sitofp": lambda env: float(signed(fa(env), source)),
            "uitofp": lambda env: float(fa(env)),
            "fptosi": lambda env: int(fa(env)) & mask,
        }[op]
        return self.define(type_, f"{op} {a.type} {self.use(a)} to {type_}", fn, (a,))

    def select(self, c: Sym, a: Sym, b: Sym) -> Sym:
        fc, fa, fb = c.fn, a.fn, b.fn
        return self.define(a.type, f"select i1 {self.use(c)}, {a.type} {self.use(a)}, {b.type} {self.use(b)}",
                           lambda env: fa(env) if fc(env) else fb(env), (c, a, b))

    def fop(self, op: str, a: Sym, b: Sym | None = None) -> Sym:
        fa = a.fn
        if b is None:
            return self.define("double", f"fneg double {self.use(a)}", lambda env: -fa(env), (a,))
        fb = b.fn
        apply = {"fadd": lambda x, y: x + y, "fsub": lambda x, y: x - y,
                 "fmul": lambda x, y: x * y, "fdiv": lambda x, y: x / y}[op]
        return self.define("double", f"{op} double {self.use(a)}, {self.use(b)}",
                           lambda env: apply(fa(env), fb(env)), (a, b))

    def fcmp(self, pred: str, a: Sym, b: Sym) -> Sym:
        fa, fb = a.fn, b.fn
        return self.define("i1", f"fcmp {pred} double {self.use(a)}, {self.use(b)}",
                           lambda env: fcmp(pred, fa(env), fb(env)), (a, b))

    def phi(self, type_: str, incoming: list[tuple[Sym, str]], choose, conditions) -> Sym:
        """A phi whose value is incoming[choose(env)]; `conditions` are the values choose reads."""
        arms = ", ".join(f"[ {self.use(value)}, %{label} ]" for value, label in incoming)
        fns = [value.fn for value, _ in incoming]
        return self.define(type_, f"phi {type_} {arms}", lambda env: fns[choose(env)](env),
                           [v for v, _ in incoming] + list(conditions))

    def placeholder(self) -> tuple[int, int]:
        self.emit("")
        return len(self.lines) - 1, len(self.reference) - 1

    def patch(self, at: tuple[int, int], text: str) -> None:
        self.lines[at[0]] = self.reference[at[1]] = text

    def label(self, prefix: str) -> str:
        return self.fresh(prefix)

    def branch_to(self, c: Sym, yes: str, no: str) -> None:
        self.emit(f"  br i1 {self.use(c)}, label %{yes}, label %{no}")

    # ---- values ------------------------------------------------------------------------------

    def bit(self) -> Sym:
        """An i1 that depends on a measurement: usually a fresh read."""
        held = self.held({"i1"})
        if held and self.rng.random() < 0.3:
            return self.rng.choice(held)
        return self.bit_of(self.read())

    def count(self, type_: str) -> Sym:
        """The number of ones among one to three bits: 0..3."""
        total = None
        for _ in range(self.rng.randint(1, 3)):
            one = self.cast("zext", self.bit(), type_)
            total = one if total is None else self.arith("add", total, one)
        return total

    def packed(self, type_: str) -> Sym:
        """Bits shifted into chosen positions (the low ones, and the top two) and combined."""
        width = WIDTHS[type_]
        positions = self.rng.sample(sorted({0, 1, 2, 3, width // 2, width - 2, width - 1}), self.rng.randint(1, 3))
        total = None
        for position in positions:
            one = self.cast("zext", self.bit(), type_)
            if position:
                one = self.arith("shl", one, self.const(type_, position))
                if position >= 62:
                    self.tags.add("shift62")
            total = one if total is None else self.arith(self.rng.choice(["or", "or", "add", "xor"]), total, one)
        self.tags.add("pack")
        return total

    def integer(self, type_: str, *together: Sym, small: bool = False) -> Sym:
        held = self.held({type_}, *together, small=small)
        kind = self.rng.choice(["held", "held", "pack", "count", "convert"])
        if kind == "held" and held:
            return self.rng.choice(held)
        if kind == "convert":
            others = [s for s in self.held(INTS, *together) if s.type != type_]
            if others:
                source = self.rng.choice(others)
                op = "trunc" if source.width > WIDTHS[type_] else self.rng.choice(["zext", "sext"])
                converted = self.cast(op, source, type_)
                self.tags.add("width")
                if not small or self.small(converted):
                    return converted
        if kind == "pack" and not small:
            return self.packed(type_)
        return self.count(type_)

    def condition(self, depth: int = 0) -> Sym:  # overrides random_qir's: an i1 to branch on
        roll = self.rng.random()
        ints = self.held(INTS)
        if roll < 0.4 or (not ints and roll < 0.7):
            return self.bit()
        if ints and roll < 0.85:
            return self.compare(self.rng.choice(ints))
        bools = self.held({"i1"})
        return self.rng.choice(bools) if bools else self.bit()

    def compare(self, value: Sym, pred: str | None = None) -> Sym:
        """icmp of the value with a constant that makes the result depend on the inputs."""
        rng, width = self.rng, value.width
        mask = (1 << width) - 1
        pred = pred or rng.choice(PREDICATES)
        values = self.values(value) or []
        candidates = {0, 1, mask, 1 << (width - 1), (1 << (width - 1)) - 1}
        for v in values:
            candidates |= {v, (v + 1) & mask, (v - 1) & mask}
        candidates = sorted(candidates)
        rng.shuffle(candidates)
        threshold = candidates[0]
        for t in candidates:
            if len({icmp(pred, v, t, width) for v in values}) == 2:
                threshold = t
                break
        if pred[0] == "u" and any(signed(v, width) < 0 for v in values):
            self.tags.add("unsigned")
        other = self.const(value.type, threshold)
        if rng.random() < 0.2:  # the constant on the left
            swapped = {"slt": "sgt", "sgt": "slt", "sle": "sge", "sge": "sle",
                       "ult": "ugt", "ugt": "ult", "ule": "uge", "uge": "ule"}.get(pred, pred)
            return self.icmp(swapped, other, value)
        return self.icmp(pred, value, other)

    def small_angle(self) -> Sym:
        """sitofp/uitofp of a small integer times a constant."""
        source = self.integer(self.rng.choice(["i64", "i64", "i32", "i8"]), small=True)
        op = "uitofp" if all(signed(v, source.width) >= 0 for v in self.values(source)) and self.rng.random() < 0.4 \
            else "sitofp"
        x = self.cast(op, source, "double")
        return self.fop("fmul", x, self.const("double", self.rng.choice([0.25, 0.5, 0.75, -0.5, 1.25, 0.3])))

    # ---- observing ---------------------------------------------------------------------------

    def witness(self) -> int:
        index = self.rng.randrange(self.num_witnesses)
        self.witnesses.add(index)
        return self.num_qubits + index

    def flip_if(self, c: Sym, qubit: int) -> None:
        flip, after = self.label("flip"), self.label("next")
        if self.rng.random() < 0.7:
            self.branch_to(c, flip, after)
        else:
            self.branch_to(c, after, flip)
        self.start(flip)
        self.qis("x__body", [], [qubit])
        self.emit(f"  br label %{after}")
        self.start(after)

    def rotate(self, angle: Sym, qubit: int) -> None:
        gate = self.rng.choice(["rx", "ry", "rz"])
        if gate == "rz":
            self.qis("h__body", [], [qubit])
        self.emit("  " + self.call(f"__quantum__qis__{gate}__body", "double, ptr",
                                   f"double {self.use(angle)}, {ptr(qubit)}"))
        if gate == "rz":
            self.qis("h__body", [], [qubit])
        self.tags.add("angle")

    def observe(self, value: Sym) -> None:
        """Makes the value show in a witness result."""
        if value.type == "double":
            self.rotate(value, self.witness())
        else:
            self.flip_if(value if value.type == "i1" else self.compare(value), self.witness())

    # ---- segments ----------------------------------------------------------------------------

    def seg_pack(self) -> None:
        self.observe(self.packed(self.rng.choice(INTS)))

    def seg_bitops(self) -> None:
        rng = self.rng
        type_ = rng.choice(INTS)
        width, a = WIDTHS[type_], self.integer(type_)
        op = rng.choice(["and", "or", "xor", "shl", "lshr", "ashr"])
        if op in ("shl", "lshr", "ashr"):
            amount = rng.choice([1, 2, width - 1, rng.randint(1, width - 1)])
            if width == 64 and rng.random() < 0.5:
                amount = rng.choice([62, 63])
            if amount >= 62:
                self.tags.add("shift62")
            b = self.const(type_, amount)
        else:
            others = [s for s in self.held({type_}, a) if s is not a]
            if others and rng.random() < 0.4:
                b = rng.choice(others)
            else:
                b = self.const(type_, rng.choice([1, 3, 0xF0, -1, 1 << (width - 1), (1 << (width - 1)) - 1,
                                                  rng.getrandbits(width)]))
        self.tags.add("bitops")
        self.observe(self.arith(op, a, b))

    def seg_width(self) -> None:
        source = self.rng.choice(self.held(INTS + ("i1",)) or [self.packed(self.rng.choice(INTS))])
        target = self.rng.choice([t for t in INTS if t != source.type])
        op = "trunc" if source.width > WIDTHS[target] else self.rng.choice(["zext", "sext"])
        self.tags.add("width")
        self.observe(self.cast(op, source, target))

    def seg_overflow(self) -> None:
        """Arithmetic that wraps, then a signed or unsigned comparison."""
        rng = self.rng
        type_ = rng.choice(INTS)
        width = WIDTHS[type_]
        top, least = (1 << (width - 1)) - 1, 1 << (width - 1)
        kind = rng.choice(["add-top", "sub-least", "const-shl", "const-mul", "mul", "decrement"])
        a = self.integer(type_, small=kind == "decrement")
        if kind == "add-top":
            value = self.arith("add", a, self.const(type_, top - rng.randint(0, 2)))
        elif kind == "sub-least":
            value = self.arith("sub", self.const(type_, least + rng.randint(0, 2)), a)
        elif kind == "mul":
            value = self.arith("mul", a, self.const(type_, rng.choice([top, least + 1, 3 << (width - 3)])))
        elif kind == "decrement":
            value = self.arith("sub", a, self.const(type_, 1))
        else:
            if kind == "const-shl":
                wrapped = self.arith("shl", self.const(type_, top - rng.randint(0, 3)),
                                     self.const(type_, rng.randint(1, 3)))
            else:
                half = 1 << (width // 2)
                wrapped = self.arith("mul", self.const(type_, half + rng.randint(0, 1)), self.const(type_, half))
            value = self.arith(rng.choice(["add", "sub", "xor"]), a, wrapped)
        self.tags.add("overflow")
        self.flip_if(self.compare(value, rng.choice(["slt", "sge", "ult", "uge", "sgt", "ule"])), self.witness())

    def seg_division(self) -> None:
        rng = self.rng
        type_ = rng.choice(INTS)
        a = self.integer(type_)
        op = rng.choice(["sdiv", "udiv", "srem", "urem"])
        divisor = None
        if rng.random() < 0.5:
            kind = rng.choice(["plus-one", "or-one", "select", "held"])
            if kind == "plus-one":
                divisor = self.arith("add", self.cast("zext", self.bit(), type_), self.const(type_, rng.choice([1, 2])))
            elif kind == "or-one":
                divisor = self.arith("or", self.integer(type_, a), self.const(type_, 1))
            elif kind == "select":
                divisor = self.select(self.bit(), self.const(type_, rng.choice([2, 3, -3])),
                                      self.const(type_, rng.choice([1, -2, 5])))
            else:
                held = [s for s in self.held({type_}, a) if 0 not in self.values(s)]
                divisor = rng.choice(held) if held else None
        if divisor is None or not self.divides(op, a, divisor):
            divisor = self.const(type_, rng.choice([2, 3, -2, 7, -5]))
        else:
            self.tags.add("measured-divisor")
        if not self.divides(op, a, divisor):
            divisor = self.const(type_, 3)
        self.tags.add("division")
        self.observe(self.arith(op, a, divisor))

    def divides(self, op: str, a: Sym, b: Sym) -> bool:
        """No division by zero, nor of the least value by -1 (both undefined in LLVM)."""
        width = a.width
        least, minus_one = 1 << (width - 1), (1 << width) - 1
        if self.space(a, b) > LIMIT:
            return False
        for env in self.envs(a, b):
            x, y = a.fn(env), b.fn(env)
            if y == 0 or (op[0] == "s" and x == least and y == minus_one):
                return False
        return True

    def seg_angle(self) -> None:
        rng = self.rng
        angle = self.small_angle()
        for _ in range(rng.randint(0, 2)):
            step = rng.choice(["fadd", "fsub", "fdiv", "fneg", "select"])
            if step == "fneg":
                angle = self.fop("fneg", angle)
            elif step == "select":
                other = self.const("double", rng.choice([0.0, 1.0, 3.0, -2.5]))
                pair = (angle, other) if rng.random() < 0.5 else (other, angle)
                angle = self.select(self.bit(), *pair)
                self.tags.add("double-select")
            else:
                angle = self.fop(step, angle, self.const("double", rng.choice([0.5, 2.0, -1.5, 0.125])))
        use = rng.choice(["rotate", "rotate", "fcmp", "fptosi"])
        if use == "rotate":
            self.observe(angle)
        elif use == "fcmp":
            values = self.values(angle) or [0.0]
            midpoints = [(x + y) / 2 for x, y in zip(values, values[1:])] or [values[0] + 0.5]
            pred = rng.choice(["olt", "ole", "ogt", "oge", "one", "oeq"])
            limit = rng.choice(values) if pred in ("oeq", "one") else rng.choice(midpoints)
            self.tags.add("fcmp")
            self.flip_if(self.fcmp(pred, angle, self.const("double", limit)), self.witness())
        else:
            self.tags.add("fptosi")
            self.observe(self.cast("fptosi", angle, "i64"))
        if rng.random() < 0.5:
            self.observe(angle)

    def incoming(self, type_: str, outer: list[Sym]) -> Sym:
        """A phi's incoming value from the block being written: a constant, a value from
        before the branch, or one computed here."""
        rng = self.rng
        roll = rng.random()
        earlier = [s for s in outer if s.type == type_]
        if roll < 0.3 and earlier:
            return rng.choice(earlier)
        if roll < 0.65:
            if type_ == "i1":
                return self.bit()
            if type_ == "double":
                return self.small_angle()
            return self.arith(rng.choice(["add", "sub", "mul"]), self.integer(type_),
                              self.const(type_, rng.randint(-3, 5)))
        if type_ == "double":
            return self.const(type_, rng.choice([0.5, 1.5, 2.5, -1.0, 0.0]))
        return self.const(type_, rng.randint(-3, 7))

    def seg_phi(self) -> None:
        """Branches that meet in one block from two to four predecessors, with phis."""
        rng = self.rng
        types = rng.sample(["i64", "i1", "double", rng.choice(INTS)], rng.randint(1, 3))
        outer = [s for s in self.held(set(types))]
        first = self.condition()
        merge = self.label("merge")
        arms = (self.label("a"), self.label("b"))
        self.branch_to(first, *arms)
        leaves = []  # (label, incoming values, [(condition, side)])
        measured = set(self.measured)
        for side, arm in zip((1, 0), arms):
            self.start(arm)
            self.pool.append([])
            if rng.random() < 0.4:
                second = self.condition()
                inner = (self.label("a"), self.label("b"))
                self.branch_to(second, *inner)
                for side2, leaf in zip((1, 0), inner):
                    self.start(leaf)
                    self.pool.append([])
                    values = [self.incoming(t, outer) for t in types]
                    leaves.append((leaf, values, [(first, side), (second, side2)]))
                    self.emit(f"  br label %{merge}")
                    self.pool.pop()
            else:
                if rng.random() < 0.3:
                    self.gate()
                values = [self.incoming(t, outer) for t in types]
                leaves.append((self.block, values, [(first, side)]))
                self.emit(f"  br label %{merge}")
            self.pool.pop()
            self.measured = set(measured)
        self.start(merge)

        def choose(env, leaves=leaves):
            return next(i for i, (_, _, path) in enumerate(leaves) if all(c.fn(env) == s for c, s in path))

        conditions = {c for _, _, path in leaves for c, _ in path}
        self.tags.add("phi")
        results = [self.phi(t, [(values[k], label) for label, values, _ in leaves], choose, conditions)
                   for k, t in enumerate(types)]
        for value in results:
            if rng.random() < 0.8:
                self.observe(value)

    def bound(self) -> Sym:
        """A loop bound: a constant, or a small measured value."""
        held = self.held({"i64"}, small=True)
        if self.rng.random() < 0.4 and held:
            self.tags.add("measured-bound")
            return self.rng.choice(held)
        if self.rng.random() < 0.2:
            self.tags.add("measured-bound")
            return self.count("i64")
        return self.const("i64", self.rng.randint(0, 4))

    def seg_loop(self) -> None:
        """A counted loop, tested at its head or at its end, with an i64 counter, maybe an
        accumulator of measured bits and a doubling angle, observed inside and after."""
        rng = self.rng
        at_head = rng.random() < 0.5
        limit, first, step = self.bound(), rng.choice([0, 0, 1, -1]), rng.choice([1, 1, 2])
        accumulate, angle = rng.random() < 0.5, rng.random() < 0.3
        before, header, exit_ = self.block, self.label("loop"), self.label("done")
        body = self.label("body") if at_head else header
        fl = limit.fn

        def trips(env) -> int:  # rounds of the body
            k, n, bound = first, 0, signed(fl(env), 64)
            while not at_head or k < bound:
                n, k = n + 1, k + step
                if not at_head and not k < bound:
                    break
            return n

        most = max(trips(env) for env in self.envs(limit))
        if accumulate:  # measured in the body: earlier reads of it are stale anywhere in the loop
            qubit, result = rng.randrange(self.num_qubits), rng.randrange(self.num_results)
            self.generation[result] += 1
        self.emit(f"  br label %{header}")
        self.start(header)
        k = self.input("%" + self.fresh("k"), "i64", [(first + step * i) % 2**64 for i in range(most + 1)])
        total = self.input("%" + self.fresh("sum"), "i64", range(most + 1))
        theta = self.input("%" + self.fresh("theta"), "double", [0.25 * 2**i for i in range(most + 1)])
        phis = self.placeholder()
        self.pool.append([])
        measured = set(self.measured)
        if at_head:
            self.branch_to(self.icmp("slt", k, limit), body, exit_)
            self.start(body)
        self.statement_in_loop()
        if accumulate:
            self.qis("ry__body", [rng.uniform(0.6, 2.5)], [qubit])
            self.measure(qubit, result)
            bit = self.bit_of(self.read(result))
            new_total = self.arith("add", total, self.cast("zext", bit, "i64"))
        if angle:
            self.rotate(theta, self.witness())
            new_theta = self.fop("fmul", theta, self.const("double", 2.0))
        if rng.random() < 0.4:  # the counter observed inside the loop
            self.flip_if(self.compare(k, "eq"), self.witness())
        new_k = self.arith("add", k, self.const("i64", step))
        latch = self.block
        if at_head:
            self.emit(f"  br label %{header}")
        else:
            self.branch_to(self.icmp("slt", new_k, limit), header, exit_)
        self.pool.pop()
        self.measured = measured
        lines = [f"  {k.name} = phi i64 [ {first}, %{before} ], [ {new_k.name}, %{latch} ]"]
        if accumulate:
            lines.append(f"  {total.name} = phi i64 [ 0, %{before} ], [ {new_total.name}, %{latch} ]")
        if angle:
            lines.append(f"  {theta.name} = phi double [ {double(0.25)}, %{before} ], [ {new_theta.name}, %{latch} ]")
        self.patch(phis, "\n".join(lines))
        self.start(exit_)
        self.tags.add("loop")
        # After the loop: the counter's final value (exact); the sum (an input: 0..most).
        final = Sym(k.name if at_head else new_k.name, "i64",
                    lambda env: (first + step * trips(env)) % 2**64, limit.inputs, limit.deps)
        self.pool[-1].append(final)
        self.observe(final)
        if accumulate:
            self.tags.add("accumulate")
            bits = self.input(total.name if at_head else new_total.name, "i64", range(most + 1))
            self.pool[-1].append(bits)
            self.observe(bits)

    def bit_of(self, value) -> Sym:
        """The model of a read: reads of one measurement share their input."""
        (key,) = value.deps
        if key not in self.reads:
            self.reads[key] = self.input(value.name, "i1", (0, 1)).inputs
        index = next(iter(self.reads[key]))
        sym = Sym(value.name, "i1", lambda env: env[index], self.reads[key], value.deps)
        self.pool[-1].append(sym)
        return sym

    def statement_in_loop(self) -> None:
        roll = self.rng.random()
        if roll < 0.4:
            self.gate()
        elif roll < 0.5:
            self.barrier()

    def seg_swap(self) -> None:
        """A loop whose two phis swap each round (a parallel copy), counted to a bound."""
        rng = self.rng
        type_ = rng.choice(["i64", "i64", "i1", "double"])
        first, second = self.incoming(type_, []), self.incoming(type_, [])
        limit = self.bound()
        before, loop, exit_ = self.block, self.label("swap"), self.label("swapped")
        p, q, k, k1, more = ("%" + self.fresh(x) for x in ("p", "q", "k", "k", "more"))
        self.emit(f"  br label %{loop}")
        self.start(loop)
        self.emit(f"  {p} = phi {type_} [ {self.use(first)}, %{before} ], [ {q}, %{loop} ]")
        self.emit(f"  {q} = phi {type_} [ {self.use(second)}, %{before} ], [ {p}, %{loop} ]")
        self.emit(f"  {k} = phi i64 [ 0, %{before} ], [ {k1}, %{loop} ]")
        self.statement_in_loop()
        self.emit(f"  {k1} = add i64 {k}, 1")
        self.emit(f"  {more} = icmp slt i64 {k1}, {self.use(limit)}")
        self.emit(f"  br i1 {more}, label %{loop}, label %{exit_}")
        self.start(exit_)
        fl, ff, fs = limit.fn, first.fn, second.fn

        def rounds(env) -> int:
            return max(1, signed(fl(env), 64))

        def run(env):  # (p, q) at the exit: swapped once a round but the last
            a, b = ff(env), fs(env)
            return (a, b) if rounds(env) % 2 else (b, a)

        inputs = first.inputs | second.inputs | limit.inputs
        deps = first.deps | second.deps | limit.deps
        results = [Sym(p, type_, lambda env: run(env)[0], inputs, deps),
                   Sym(q, type_, lambda env: run(env)[1], inputs, deps)]
        self.pool[-1].extend(results + [Sym(k1, "i64", rounds, limit.inputs, limit.deps)])
        self.tags |= {"swap", "loop"}
        for value in results:
            self.observe(value)

    def seg_near_max(self) -> None:
        """A counter that starts near the largest value of its type and wraps, in a loop
        bounded by an i64 trip counter (and, sometimes, by the counter staying positive)."""
        rng = self.rng
        type_ = rng.choice(INTS)
        width = WIDTHS[type_]
        top = (1 << (width - 1)) - 1
        if rng.random() < 0.5:
            start = self.const(type_, top - rng.randint(0, 3))
        else:
            start = self.arith("sub", self.const(type_, top), self.cast("zext", self.bit(), type_))
        step, trips, positive = rng.randint(1, 2), rng.randint(1, 5), rng.random() < 0.4
        before, header, body, exit_ = self.block, self.label("near"), self.label("step"), self.label("wrapped")
        v, j, v1, j1 = ("%" + self.fresh(x) for x in ("w", "j", "w", "j"))
        fs = start.fn

        def run(env):
            value, n = fs(env), 0
            while n < trips and (not positive or signed(value, width) > 0):
                value, n = int_op("add", value, step, width), n + 1
            return value, n

        self.emit(f"  br label %{header}")
        self.start(header)
        self.emit(f"  {v} = phi {type_} [ {self.use(start)}, %{before} ], [ {v1}, %{body} ]")
        self.emit(f"  {j} = phi i64 [ 0, %{before} ], [ {j1}, %{body} ]")
        more = "%" + self.fresh()
        self.emit(f"  {more} = icmp slt i64 {j}, {trips}")
        if positive:
            up, both = "%" + self.fresh(), "%" + self.fresh()
            self.emit(f"  {up} = icmp sgt {type_} {v}, 0")
            self.emit(f"  {both} = and i1 {more}, {up}")
            more = both
        self.emit(f"  br i1 {more}, label %{body}, label %{exit_}")
        self.start(body)
        self.emit(f"  {v1} = add {type_} {v}, {step}")
        self.emit(f"  {j1} = add i64 {j}, 1")
        self.emit(f"  br label %{header}")
        self.start(exit_)
        counter = Sym(v, type_, lambda env: run(env)[0], start.inputs, start.deps)
        rounds = Sym(j, "i64", lambda env: run(env)[1], start.inputs, start.deps)
        self.pool[-1].extend([counter, rounds])
        self.tags |= {"near-max", "loop", "overflow"}
        self.flip_if(self.compare(counter, rng.choice(["slt", "sgt", "eq", "ult"])), self.witness())
        if positive:
            self.observe(rounds)

    # ---- calls -------------------------------------------------------------------------------

    def function(self, kind: str):
        """A function of the kind defined in the module (one defined before, at random, or a
        new one): (name, model, several returns), where the model maps the arguments' values to
        the result's."""
        rng = self.rng
        if self.library.get(kind) and rng.random() < 0.5:
            return rng.choice(self.library[kind])
        name = f"@{kind}{len(self.functions)}"
        text: list[str] = []
        reference: list[str] = []

        def line(s: str, in_reference: bool = True) -> None:
            text.append(s)
            if in_reference:
                reference.append(s)

        if kind == "measure":  # i1 (ptr q, ptr r): prepares q, measures it into r, returns the bit
            invert, two = rng.random() < 0.4, rng.random() < 0.5
            line(f"define internal i1 {name}(ptr %q, ptr %r) {{")
            line("entry:")
            angle = double(rng.uniform(0.6, 2.5))
            line("  " + self.call("__quantum__qis__ry__body", "double, ptr", f"double {angle}, ptr %q"))
            if rng.random() < 0.3:
                line("  " + self.call("__quantum__qis__barrier1__body", "ptr", "ptr %q"), in_reference=False)
                self.tags.add("barrier")
            line("  " + self.call("__quantum__qis__mz__body", "ptr, ptr", "ptr %q, ptr %r"))
            line("  %b = " + self.call(rng.choice(["__quantum__rt__read_result", "__quantum__qis__read_result__body"]),
                                       "ptr", "ptr %r", returns="i1"))
            if two:
                line("  br i1 %b, label %one, label %zero")
                line("one:")
                line(f"  ret i1 {'false' if invert else 'true'}")
                line("zero:")
                line(f"  ret i1 {'true' if invert else 'false'}")
            else:
                if invert:
                    line("  %n = xor i1 %b, true")
                line(f"  ret i1 {'%n' if invert else '%b'}")
            model, multi = None, two
        elif kind == "int":  # i64 (i64 a, i64 b), two returns
            pred, k = rng.choice(PREDICATES), rng.randint(-2, 3)
            op1, op2 = rng.choice(["add", "sub", "mul", "xor", "and"]), rng.choice(["add", "mul", "or"])
            c = rng.randint(-3, 5)
            line(f"define internal i64 {name}(i64 %a, i64 %b) {{")
            line("entry:")
            line(f"  %c = icmp {pred} i64 %a, {k}")
            line("  br i1 %c, label %yes, label %no")
            line("yes:")
            line(f"  %x = {op1} i64 %a, %b")
            line("  ret i64 %x")
            line("no:")
            line(f"  %y = {op2} i64 %b, {c}")
            line("  ret i64 %y")
            mask, multi = 2**64 - 1, True

            def model(a, b, pred=pred, k=k, op1=op1, op2=op2, c=c):
                if icmp(pred, a, k & mask, 64):
                    return int_op(op1, a, b, 64)
                return int_op(op2, b, c & mask, 64)
        elif kind == "angle":  # double (i64 n): n times a constant, plus another when n > k
            scale, shift, k = rng.choice([0.5, 0.25, -0.75]), rng.choice([0.5, 1.0, -0.25]), rng.randint(-1, 2)
            line(f"define internal double {name}(i64 %n) {{")
            line("entry:")
            line("  %x = sitofp i64 %n to double")
            line(f"  %y = fmul double %x, {double(scale)}")
            line(f"  %c = icmp sgt i64 %n, {k}")
            line("  br i1 %c, label %big, label %small")
            line("big:")
            line(f"  %z = fadd double %y, {double(shift)}")
            line("  ret double %z")
            line("small:")
            line("  ret double %y")
            multi = True

            def model(n, scale=scale, shift=shift, k=k):
                y = float(signed(n, 64)) * scale
                return y + shift if signed(n, 64) > k else y
        else:  # "apply": void (ptr q, i64 n): flips q when n compares, or rotates it by an angle of n
            pred, k = rng.choice(PREDICATES), rng.randint(-1, 3)
            line(f"define internal void {name}(ptr %q, i64 %n) {{")
            line("entry:")
            angles = self.library.get("angle")
            if angles and rng.random() < 0.5:  # a nested call
                inner = rng.choice(angles)[0]
                line(f"  %a = call double {inner}(i64 %n)")
                line("  " + self.call("__quantum__qis__ry__body", "double, ptr", "double %a, ptr %q"))
                line("  ret void")
            else:
                line(f"  %c = icmp {pred} i64 %n, {k}")
                line("  br i1 %c, label %flip, label %skip")
                line("flip:")
                line("  " + self.call("__quantum__qis__x__body", "ptr", "ptr %q"))
                line("  br label %skip")
                line("skip:")
                line("  ret void")
            model, multi = None, False
        line("}")
        self.functions.append((text, reference))
        self.library.setdefault(kind, []).append((name, model, multi))
        return name, model, multi

    def seg_call(self) -> None:
        rng = self.rng
        kind = rng.choice(["measure", "int", "angle", "apply"])
        name, model, multi = self.function(kind)
        self.tags.add("call")
        if multi:
            self.tags.add("multi-return")
        if kind == "measure":
            qubit, result = rng.randrange(self.num_qubits), rng.randrange(self.num_results)
            value = self.fresh()
            self.emit(f"  %{value} = call i1 {name}({ptr(qubit)}, {ptr(result)})")
            self.generation[result] += 1
            self.measured.add(result)
            self.used_results.add(result)
            sym = self.input(f"%{value}", "i1", (0, 1), frozenset({(result, self.generation[result])}))
            self.pool[-1].append(sym)
            self.observe(sym)
        elif kind == "int":
            a = self.integer("i64")
            b = self.integer("i64", a) if rng.random() < 0.6 else self.const("i64", rng.randint(-2, 4))
            fa, fb = a.fn, b.fn
            self.observe(self.define("i64", f"call i64 {name}(i64 {self.use(a)}, i64 {self.use(b)})",
                                     lambda env: model(fa(env), fb(env)), (a, b)))
        elif kind == "angle":
            n = self.integer("i64", small=True)
            fn = n.fn
            self.observe(self.define("double", f"call double {name}(i64 {self.use(n)})",
                                     lambda env: model(fn(env)), (n,)))
            self.tags.add("angle")
        else:
            n = self.integer("i64", small=True)
            self.emit(f"  call void {name}({ptr(self.witness())}, i64 {self.use(n)})")

    # ---- barriers and memory -----------------------------------------------------------------

    def barrier(self) -> None:
        self.tags.add("barrier")
        width = self.rng.randint(0, 3)
        if width == 0:
            self.emit("  " + self.call("__quantum__qis__barrier__body", "", ""))
            return
        qubits = [self.rng.randrange(self.num_qubits + self.num_witnesses) for _ in range(width)]
        self.emit("  " + self.call(f"__quantum__qis__barrier{width}__body", ", ".join(["ptr"] * width),
                                   ", ".join(ptr(q) for q in qubits)), reference=[])

    def seg_barrier(self) -> None:
        for _ in range(self.rng.randint(1, 2)):
            self.gate()
            self.barrier()

    def alloca(self, type_: str) -> str:
        name = "%" + self.fresh("m")
        self.allocas.append(f"  {name} = alloca {type_}")
        return name

    def store(self, value: Sym, slot: str) -> None:
        self.emit(f"  store {value.type} {self.use(value)}, ptr {slot}")

    def seg_memory(self) -> None:
        """A slot stored in several blocks (one or both arms, maybe again in a nested arm)
        and loaded where they meet."""
        rng = self.rng
        type_ = rng.choice(["i64", "i64", "i1", "double"])
        slot = self.alloca(type_)
        initial = self.incoming(type_, self.held({type_})) if rng.random() < 0.5 else None
        if initial is not None:
            self.store(initial, slot)
        first = self.condition()
        yes, no, merge = self.label("store"), self.label("other"), self.label("load")
        only_then = initial is not None and rng.random() < 0.5
        self.branch_to(first, yes, merge if only_then else no)
        paths = [([(first, 0)], initial)] if only_then else []  # (conditions, the value stored)
        measured = set(self.measured)
        for side, arm in ((1, yes), (0, no))[: 1 if only_then else 2]:
            self.start(arm)
            self.pool.append([])
            value = self.incoming(type_, [])
            self.store(value, slot)
            if rng.random() < 0.3:
                second = self.condition()
                inner, join = self.label("store"), self.label("join")
                self.branch_to(second, inner, join)
                self.start(inner)
                other = self.incoming(type_, [])
                self.store(other, slot)
                self.emit(f"  br label %{join}")
                self.start(join)
                paths += [([(first, side), (second, 1)], other), ([(first, side), (second, 0)], value)]
            else:
                paths.append(([(first, side)], value))
            self.emit(f"  br label %{merge}")
            self.pool.pop()
            self.measured = set(measured)
        self.start(merge)
        operands = [v for _, v in paths] + [c for path, _ in paths for c, _ in path]
        fns = [(path, v.fn) for path, v in paths]

        def fn(env):
            return next(f(env) for path, f in fns if all(c.fn(env) == s for c, s in path))

        loaded = self.define(type_, f"load {type_}, ptr {slot}", fn, operands)
        self.tags.add("memory")
        self.observe(loaded)

    def seg_memory_loop(self) -> None:
        """A counter (and maybe a sum of measured bits) kept in memory across a loop."""
        rng = self.rng
        counter, limit = self.alloca("i64"), self.bound()
        start = rng.choice([0, 1])
        accumulate = rng.random() < 0.5
        total = self.alloca("i64") if accumulate else None
        self.emit(f"  store i64 {start}, ptr {counter}")
        if accumulate:
            self.emit(f"  store i64 0, ptr {total}")
        header, body, exit_ = self.label("mloop"), self.label("mbody"), self.label("mdone")
        fl = limit.fn

        def trips(env):
            return max(0, signed(fl(env), 64) - start)

        most = max(trips(env) for env in self.envs(limit))
        self.emit(f"  br label %{header}")
        self.start(header)
        k = self.input("%" + self.fresh("k"), "i64", range(start, start + most + 1))
        self.emit(f"  {k.name} = load i64, ptr {counter}")
        self.branch_to(self.icmp("slt", k, limit), body, exit_)
        self.start(body)
        self.pool.append([])
        measured = set(self.measured)
        self.statement_in_loop()
        if accumulate:
            qubit, result = rng.randrange(self.num_qubits), rng.randrange(self.num_results)
            self.generation[result] += 1
            self.qis("ry__body", [rng.uniform(0.6, 2.5)], [qubit])
            self.measure(qubit, result)
            bit = self.bit_of(self.read(result))
            old = "%" + self.fresh()
            self.emit(f"  {old} = load i64, ptr {total}")
            new = self.arith("add", self.input(old, "i64", range(most + 1)), self.cast("zext", bit, "i64"))
            self.store(new, total)
        new_k = self.arith("add", k, self.const("i64", 1))
        self.store(new_k, counter)
        self.emit(f"  br label %{header}")
        self.pool.pop()
        self.measured = measured
        self.start(exit_)
        final = "%" + self.fresh()
        self.emit(f"  {final} = load i64, ptr {counter}")
        after = Sym(final, "i64", lambda env: start + trips(env), limit.inputs, limit.deps)
        self.pool[-1].append(after)
        self.tags |= {"memory-loop", "loop"}
        self.observe(after)
        if accumulate:
            loaded = "%" + self.fresh()
            self.emit(f"  {loaded} = load i64, ptr {total}")
            bits = self.input(loaded, "i64", range(most + 1))
            self.pool[-1].append(bits)
            self.tags.add("accumulate")
            self.observe(bits)

    # ---- program -----------------------------------------------------------------------------

    def seg_branch(self, depth: int = 0) -> None:
        """An if/else on a measured condition, with segments in its arms."""
        first = self.condition()
        yes, no, merge = self.label("then"), self.label("else"), self.label("endif")
        self.branch_to(first, yes, no)
        measured = set(self.measured)
        for arm in (yes, no):
            self.start(arm)
            self.pool.append([])
            for _ in range(self.rng.randint(0, 2)):
                self.segment(depth + 1)
            self.emit(f"  br label %{merge}")
            self.pool.pop()
            self.measured = set(measured)
        self.start(merge)
        self.tags.add("branch")

    def seg_rus(self) -> None:
        self.loop(0)  # random_qir's repeat-until-success loop
        self.tags.add("rus")

    SEGMENTS = {
        "pack": 3, "bitops": 3, "width": 2, "overflow": 4, "division": 3, "angle": 3, "phi": 3,
        "swap": 2, "loop": 3, "near_max": 2, "call": 3, "barrier": 1, "memory": 2, "memory_loop": 2,
        "branch": 2, "rus": 1,
    }

    def segment(self, depth: int) -> None:
        names = [n for n in self.SEGMENTS if depth == 0 or n not in ("branch", "rus")]
        name = self.rng.choices(names, weights=[self.SEGMENTS[n] for n in names])[0]
        getattr(self, f"seg_{name}")()
        roll = self.rng.random()
        if roll < 0.2:
            self.gate()
        elif roll < 0.3:
            self.measure()
        elif roll < 0.35:
            self.reset()

    def program(self, seed: int) -> Program:
        rng = self.rng
        self.start("entry")
        for qubit in range(self.num_qubits):
            self.qis("ry__body", [round(rng.uniform(0.5, 2.6), 3)], [qubit])
        for qubit in range(self.num_qubits):
            self.measure(qubit, qubit % self.num_results)
        for _ in range(rng.randint(3, 6)):
            self.segment(0)
        for index in sorted(self.witnesses):
            self.measure(self.num_qubits + index, self.num_results + index)
        recorded = sorted(self.used_results)
        self.emit("  " + self.call("__quantum__rt__array_record_output", "i64, ptr", f"i64 {len(recorded)}, ptr null"))
        for r in recorded:
            self.emit("  " + self.call("__quantum__rt__result_record_output", "ptr, ptr", f"{ptr(r)}, ptr null"))
        self.emit("  ret void")
        return Program(seed, self.module(self.lines, 0), self.module(self.reference, 1), recorded, self.tags)

    def module(self, lines: list[str], which: int = 0) -> str:
        functions = [line for pair in self.functions for line in pair[which] + [""]]
        body = [lines[0], *self.allocas, *lines[1:]]
        text = body + functions
        used = [d for name, d in sorted(self.declared.items()) if any(f"@{name}(" in line for line in text)]
        attributes = (
            f'attributes #0 = {{ "entry_point" "qir_profiles"="adaptive_profile" '
            f'"required_num_qubits"="{self.num_qubits + self.num_witnesses}" '
            f'"required_num_results"="{self.num_results + self.num_witnesses}" }}'
        )
        return "\n".join(["define void @main() #0 {", *body, "}", "", *functions, *used, "", attributes, ""])


def generate(seed: int) -> Program:
    """The extended program of the seed; its tags are the FEATURES it uses."""
    return _Extended(seed).program(seed)
