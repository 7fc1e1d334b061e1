"""QIR modules built programmatically with pyqir (opaque pointers).

Each program is a function that builds one module with `QirBuilder` and returns it. The
registry `PROGRAMS` lists them with their profile, whether their recorded results are
deterministic, and a description. A builder may take `reference=True` to build the module that
the reference simulator runs instead, when the translated module calls intrinsics the simulator
does not implement (the substitution is then stated in the description).
"""

from __future__ import annotations

from collections.abc import Callable, Sequence
from dataclasses import dataclass

import pyqir
import pyqir.qis
import pyqir.rt
from pyqir import BasicBlock, Builder, Context, Function, FunctionType, IntPredicate, Value

BASE = "base_profile"
ADAPTIVE = "adaptive_profile"


class QirBuilder:
    """A module with one entry point `main` over statically allocated qubits and results."""

    def __init__(self, name: str, num_qubits: int, num_results: int, profile: str):
        self.context = Context()
        self.module = pyqir.qir_module(self.context, name, qir_major_version=1, qir_minor_version=0)
        self.entry = pyqir.entry_point(
            self.module, "main", num_qubits, num_results, qir_profiles=profile,
            output_labeling_schema="labeled",
        )
        self.builder = Builder(self.context)
        self.builder.insert_at_end(BasicBlock(self.context, "entry", self.entry))
        self._functions: dict[str, Function] = {}
        self.i1 = pyqir.IntType(self.context, 1)
        self.i64 = pyqir.IntType(self.context, 64)
        self.ptr = pyqir.PointerType(pyqir.IntType(self.context, 8))
        self.double = pyqir.Type.double(self.context)
        self.void = pyqir.Type.void(self.context)

    # Values.
    def q(self, i: int) -> Value:
        return pyqir.qubit(self.context, i)

    def r(self, i: int) -> Value:
        return pyqir.result(self.context, i)

    def int(self, value: int) -> Value:
        return pyqir.const(self.i64, value)

    # Calls of declared functions.
    def function(self, name: str, ret, params: Sequence) -> Function:
        if name not in self._functions:
            self._functions[name] = Function(
                FunctionType(ret, list(params)), pyqir.Linkage.EXTERNAL, name, self.module
            )
        return self._functions[name]

    def qis(self, op: str, *args, ret=None) -> Value:
        """Calls __quantum__qis__OP, declared from the arguments: floats are doubles, the rest
        pointers."""
        params = [self.double if isinstance(a, float) else self.ptr for a in args]
        callee = self.function(f"__quantum__qis__{op}", ret or self.void, params)
        return self.builder.call(callee, list(args))

    def read(self, result: int) -> Value:
        """The result as an i1, through __quantum__qis__read_result__body."""
        return self.qis("read_result__body", self.r(result), ret=self.i1)

    # Control flow.
    def block(self, name: str) -> BasicBlock:
        return BasicBlock(self.context, name, self.entry)

    def at(self, block: BasicBlock) -> None:
        self.builder.insert_at_end(block)

    # Output recording.
    def record(self, results: Sequence[int], container: str = "array") -> None:
        """Records the results as one array (or tuple), labelled the way Q# labels them."""
        record_container = getattr(pyqir.rt, f"{container}_record_output")
        record_container(self.builder, self.int(len(results)), self.label(f"0_{container[0]}"))
        for i, result in enumerate(results):
            pyqir.rt.result_record_output(
                self.builder, self.r(result), self.label(f"{i + 1}_{container[0]}{i}r")
            )

    def label(self, text: str) -> Value:
        return pyqir.global_byte_string(self.module, text.encode())

    def ir(self) -> str:
        self.builder.ret(None)
        error = self.module.verify()
        if error is not None:
            raise ValueError(error)
        return str(self.module)


# ---- straight-line circuits ------------------------------------------------------------------


def bell_simple(reference: bool = False) -> str:
    """pyqir's SimpleModule (profile "custom") with a Bell pair."""
    module = pyqir.SimpleModule("bell_simple", num_qubits=2, num_results=2)
    qis = pyqir.BasicQisBuilder(module.builder)
    q, r = module.qubits, module.results
    qis.h(q[0])
    qis.cx(q[0], q[1])
    qis.mz(q[0], r[0])
    qis.mz(q[1], r[1])
    null = pyqir.Constant.null(pyqir.PointerType(pyqir.IntType(module.context, 8)))
    pyqir.rt.array_record_output(module.builder, pyqir.const(pyqir.IntType(module.context, 64), 2), null)
    pyqir.rt.result_record_output(module.builder, r[0], null)
    pyqir.rt.result_record_output(module.builder, r[1], null)
    return module.ir()


def builtin_gates(reference: bool = False) -> str:
    """Every gate of pyqir's qis module, reset in mid-circuit included."""
    m = QirBuilder("builtin_gates", 4, 4, BASE)
    b, q = m.builder, m.q
    qis = pyqir.qis
    qis.h(b, q(0)); qis.t(b, q(0)); qis.s(b, q(0)); qis.h(b, q(0))
    qis.x(b, q(1)); qis.ry(b, 0.7, q(1)); qis.s_adj(b, q(1)); qis.rx(b, -0.4, q(1))
    qis.h(b, q(2)); qis.t_adj(b, q(2)); qis.y(b, q(2)); qis.rz(b, 1.25, q(2)); qis.h(b, q(2))
    qis.ccx(b, q(0), q(1), q(2))
    qis.cx(b, q(2), q(3))
    qis.z(b, q(3)); qis.h(b, q(3))
    qis.swap(b, q(1), q(3))
    qis.cz(b, q(0), q(3))
    qis.ry(b, 0.5, q(3))
    qis.reset(b, q(1))
    qis.rx(b, 2.0, q(1))
    qis.cx(b, q(3), q(1))
    for i in range(4):
        qis.mz(b, q(i), m.r(i))
    m.record([0, 1, 2, 3])
    return m.ir()


def barrier(reference: bool = False) -> str:
    """A barrier between two gates (pyqir's qis.barrier)."""
    m = QirBuilder("barrier", 2, 2, BASE)
    pyqir.qis.h(m.builder, m.q(0))
    pyqir.qis.barrier(m.builder)
    pyqir.qis.cx(m.builder, m.q(0), m.q(1))
    pyqir.qis.mz(m.builder, m.q(0), m.r(0))
    pyqir.qis.mz(m.builder, m.q(1), m.r(1))
    m.record([0, 1])
    return m.ir()


def declared_gates(reference: bool = False) -> str:
    """Intrinsics pyqir's qis module lacks, declared by hand: cy, rxx, ryy, rzz, m, mresetz."""
    m = QirBuilder("declared_gates", 4, 4, BASE)
    q = m.q
    m.qis("ry__body", 0.9, q(0))
    m.qis("h__body", q(1))
    m.qis("cy__body", q(0), q(1))
    m.qis("rxx__body", 0.6, q(1), q(2))
    m.qis("s__body", q(2))
    m.qis("ryy__body", -1.1, q(2), q(3))
    m.qis("h__body", q(0))
    m.qis("rzz__body", 2.3, q(0), q(3))
    m.qis("h__body", q(0))
    m.qis("rx__body", 0.3, q(3))
    m.qis("m__body", q(0), m.r(0))
    m.qis("mresetz__body", q(1), m.r(1))
    m.qis("m__body", q(2), m.r(2))
    m.qis("mresetz__body", q(3), m.r(3))
    m.record([0, 1, 2, 3], container="tuple")
    return m.ir()


def custom_intrinsics(reference: bool = False) -> str:
    """__quantum__qis__ccnot__body and __quantum__qis__phasedx__body(theta, phi, q), which the
    reference simulator does not implement: its module has ccx in place of ccnot and
    rz(-phi), rx(theta), rz(phi) in place of phasedx(theta, phi), i.e. the phased-X rotation
    exp(-i theta/2 (cos(phi) X + sin(phi) Y))."""
    m = QirBuilder("custom_intrinsics", 3, 3, BASE)
    q = m.q

    def phasedx(theta: float, phi: float, qubit: Value) -> None:
        if reference:
            m.qis("rz__body", -phi, qubit)
            m.qis("rx__body", theta, qubit)
            m.qis("rz__body", phi, qubit)
        else:
            m.qis("phasedx__body", theta, phi, qubit)

    m.qis("h__body", q(0))
    phasedx(1.2, 0.4, q(0))
    phasedx(0.8, -1.3, q(1))
    m.qis("h__body", q(1))
    m.qis("ccx__body" if reference else "ccnot__body", q(0), q(1), q(2))
    phasedx(2.0, 2.5, q(2))
    m.qis("h__body", q(0))
    for i in range(3):
        m.qis("mz__body", q(i), m.r(i))
    m.record([0, 1, 2])
    return m.ir()


# ---- measurement-conditioned code ------------------------------------------------------------


def if_result_arms(reference: bool = False) -> str:
    """pyqir's if_result with both arms, with only the one arm, and with only the zero arm."""
    m = QirBuilder("if_result_arms", 5, 5, ADAPTIVE)
    b, q, qis = m.builder, m.q, pyqir.qis
    qis.h(b, q(0))
    qis.ry(b, 1.1, q(1))
    qis.mz(b, q(0), m.r(0))
    qis.mz(b, q(1), m.r(1))
    qis.if_result(b, m.r(0), one=lambda: qis.x(b, q(2)), zero=lambda: qis.ry(b, 0.8, q(2)))
    qis.if_result(b, m.r(1), one=lambda: qis.h(b, q(3)))
    qis.if_result(b, m.r(1), zero=lambda: (qis.x(b, q(4)), qis.ry(b, 0.5, q(4))))
    for i in range(2, 5):
        qis.mz(b, q(i), m.r(i))
    m.record([0, 1, 2, 3, 4])
    return m.ir()


def if_result_nested(reference: bool = False) -> str:
    """if_result inside if_result, with measurements inside the arms."""
    m = QirBuilder("if_result_nested", 4, 4, ADAPTIVE)
    b, q, qis = m.builder, m.q, pyqir.qis
    qis.h(b, q(0))
    qis.ry(b, 2.0, q(1))
    qis.h(b, q(2))
    qis.mz(b, q(0), m.r(0))

    def one() -> None:
        qis.mz(b, q(1), m.r(1))
        qis.if_result(b, m.r(1), one=lambda: qis.x(b, q(3)), zero=lambda: qis.h(b, q(3)))

    def zero() -> None:
        qis.mz(b, q(2), m.r(2))
        qis.if_result(b, m.r(2), zero=lambda: qis.ry(b, 1.0, q(3)))

    qis.if_result(b, m.r(0), one=one, zero=zero)
    qis.mz(b, q(3), m.r(3))
    m.record([0, 3])
    return m.ir()


def rt_read_result(reference: bool = False) -> str:
    """Branches on __quantum__rt__read_result (the runtime's spelling of the result read)."""
    m = QirBuilder("rt_read_result", 3, 3, ADAPTIVE)
    b, q = m.builder, m.q
    m.qis("ry__body", 1.9, q(0))
    m.qis("mz__body", q(0), m.r(0))
    read = m.function("__quantum__rt__read_result", m.i1, [m.ptr])
    value = b.call(read, [m.r(0)])
    then, done = m.block("then"), m.block("done")
    b.condbr(value, then, done)
    m.at(then)
    m.qis("x__body", q(1))
    m.qis("h__body", q(2))
    b.br(done)
    m.at(done)
    m.qis("mz__body", q(1), m.r(1))
    m.qis("mz__body", q(2), m.r(2))
    m.record([0, 1, 2])
    return m.ir()


def result_reuse(reference: bool = False) -> str:
    """One result written twice: the recorded value is the later measurement."""
    m = QirBuilder("result_reuse", 2, 2, ADAPTIVE)
    b, q, qis = m.builder, m.q, pyqir.qis
    qis.h(b, q(0))
    qis.mz(b, q(0), m.r(0))
    qis.if_result(b, m.r(0), one=lambda: qis.x(b, q(1)))
    qis.ry(b, 0.6, q(0))
    qis.mz(b, q(0), m.r(0))
    qis.mz(b, q(1), m.r(1))
    m.record([0, 1])
    return m.ir()


def stale_result_read(reference: bool = False) -> str:
    """A result is read into an i1, then the same result is measured again; the branch uses the
    value read before the second measurement."""
    m = QirBuilder("stale_result_read", 3, 2, ADAPTIVE)
    b, q, qis = m.builder, m.q, pyqir.qis
    qis.h(b, q(0))
    qis.mz(b, q(0), m.r(0))
    first = m.read(0)
    qis.h(b, q(1))
    qis.mz(b, q(1), m.r(0))
    then, done = m.block("then"), m.block("done")
    b.condbr(first, then, done)
    m.at(then)
    qis.x(b, q(2))
    b.br(done)
    m.at(done)
    qis.mz(b, q(2), m.r(1))
    m.record([0, 1])
    return m.ir()


# ---- classical computations on results ---------------------------------------------------------


def result_counter(reference: bool = False) -> str:
    """Results read as i1, zero-extended to i64 and summed; the sum decides a correction."""
    m = QirBuilder("result_counter", 4, 4, ADAPTIVE)
    b, q, qis = m.builder, m.q, pyqir.qis
    for i, angle in enumerate([1.0, 1.6, 2.4]):
        qis.ry(b, angle, q(i))
        qis.mz(b, q(i), m.r(i))
    total = b.add(b.add(b.zext(m.read(0), m.i64), b.zext(m.read(1), m.i64)), b.zext(m.read(2), m.i64))
    majority = b.icmp(IntPredicate.SGE, total, m.int(2))
    then, done = m.block("majority"), m.block("done")
    b.condbr(majority, then, done)
    m.at(then)
    qis.x(b, q(3))
    b.br(done)
    m.at(done)
    qis.mz(b, q(3), m.r(3))
    m.record([0, 1, 2, 3])
    return m.ir()


def logic_ops(reference: bool = False) -> str:
    """and, or and xor of result reads, each deciding a gate."""
    m = QirBuilder("logic_ops", 5, 5, ADAPTIVE)
    b, q, qis = m.builder, m.q, pyqir.qis
    qis.h(b, q(0))
    qis.ry(b, 1.3, q(1))
    qis.mz(b, q(0), m.r(0))
    qis.mz(b, q(1), m.r(1))
    a, c = m.read(0), m.read(1)
    conditions = [b.and_(a, c), b.or_(a, c), b.xor(a, c)]
    for i, condition in enumerate(conditions):
        then, done = m.block(f"then{i}"), m.block(f"done{i}")
        b.condbr(condition, then, done)
        m.at(then)
        qis.x(b, q(2 + i))
        b.br(done)
        m.at(done)
    for i in range(2, 5):
        qis.mz(b, q(i), m.r(i))
    m.record([0, 1, 2, 3, 4])
    return m.ir()


def icmp_predicates(reference: bool = False) -> str:
    """All ten integer comparisons of a result-dependent value 0..3 (r0 + 2 r1) with 1 or 2;
    each comparison toggles one of five target qubits, two comparisons per target."""
    m = QirBuilder("icmp_predicates", 7, 7, ADAPTIVE)
    b, q, qis = m.builder, m.q, pyqir.qis
    qis.h(b, q(0))
    qis.ry(b, 1.2, q(1))
    qis.mz(b, q(0), m.r(0))
    qis.mz(b, q(1), m.r(1))
    value = b.add(b.zext(m.read(0), m.i64), b.mul(m.int(2), b.zext(m.read(1), m.i64)))
    predicates = [
        (IntPredicate.EQ, 1), (IntPredicate.NE, 2), (IntPredicate.SLT, 2), (IntPredicate.SLE, 1),
        (IntPredicate.SGT, 1), (IntPredicate.SGE, 2), (IntPredicate.ULT, 1), (IntPredicate.ULE, 2),
        (IntPredicate.UGT, 2), (IntPredicate.UGE, 1),
    ]
    for i, (predicate, constant) in enumerate(predicates):
        then, done = m.block(f"cmp{i}"), m.block(f"next{i}")
        b.condbr(b.icmp(predicate, value, m.int(constant)), then, done)
        m.at(then)
        qis.x(b, q(2 + i % 5))
        if i % 2:
            qis.ry(b, 0.3 * (i + 1), q(2 + i % 5))
        b.br(done)
        m.at(done)
    for i in range(2, 7):
        qis.mz(b, q(i), m.r(i))
    m.record(list(range(7)))
    return m.ir()


def arithmetic(reference: bool = False) -> str:
    """sub and mul on zero-extended results, compared with constants."""
    m = QirBuilder("arithmetic", 5, 5, ADAPTIVE)
    b, q, qis = m.builder, m.q, pyqir.qis
    qis.h(b, q(0))
    qis.h(b, q(1))
    qis.ry(b, 0.9, q(2))
    for i in range(3):
        qis.mz(b, q(i), m.r(i))
    x0, x1, x2 = (b.zext(m.read(i), m.i64) for i in range(3))
    value = b.sub(b.mul(b.add(x0, x1), m.int(3)), x2)  # 3 (r0 + r1) - r2
    tests = [(IntPredicate.EQ, 2), (IntPredicate.SGT, 3)]
    for i, (predicate, constant) in enumerate(tests):
        then, done = m.block(f"then{i}"), m.block(f"done{i}")
        b.condbr(b.icmp(predicate, value, m.int(constant)), then, done)
        m.at(then)
        qis.x(b, q(3 + i))
        b.br(done)
        m.at(done)
    for i in range(3, 5):
        qis.mz(b, q(i), m.r(i))
    m.record(list(range(5)))
    return m.ir()


def shift_ops(reference: bool = False) -> str:
    """A result-dependent integer built with shl (2 r1 + r0, as bit packing is often written)."""
    m = QirBuilder("shift_ops", 3, 3, ADAPTIVE)
    b, q, qis = m.builder, m.q, pyqir.qis
    qis.h(b, q(0))
    qis.h(b, q(1))
    qis.mz(b, q(0), m.r(0))
    qis.mz(b, q(1), m.r(1))
    value = b.add(b.shl(b.zext(m.read(1), m.i64), m.int(1)), b.zext(m.read(0), m.i64))
    then, done = m.block("three"), m.block("done")
    b.condbr(b.icmp(IntPredicate.EQ, value, m.int(3)), then, done)
    m.at(then)
    qis.x(b, q(2))
    b.br(done)
    m.at(done)
    qis.mz(b, q(2), m.r(2))
    m.record([0, 1, 2])
    return m.ir()


def phi_counter(reference: bool = False) -> str:
    """A counter kept in i64 phis (the if-merge shape: initial value from the conditional
    branch, incremented value from the arm), chained over three results."""
    m = QirBuilder("phi_counter", 4, 4, ADAPTIVE)
    b, q, qis = m.builder, m.q, pyqir.qis
    for i, angle in enumerate([1.5, 2.0, 0.7]):
        qis.ry(b, angle, q(i))
        qis.mz(b, q(i), m.r(i))
    count: Value = m.int(0)
    head = m.entry.basic_blocks[0]
    for i in range(3):
        arm, merge = m.block(f"one{i}"), m.block(f"merge{i}")
        b.condbr(m.read(i), arm, merge)
        m.at(arm)
        incremented = b.add(count, m.int(i + 1))  # the first one folds to the constant 1
        b.br(merge)
        m.at(merge)
        phi = b.phi(m.i64)
        phi.add_incoming(count, head)
        phi.add_incoming(incremented, arm)
        count, head = phi, merge
    then, done = m.block("exact"), m.block("done")
    b.condbr(b.icmp(IntPredicate.EQ, count, m.int(3)), then, done)
    m.at(then)
    qis.x(b, q(3))
    b.br(done)
    m.at(done)
    qis.mz(b, q(3), m.r(3))
    m.record([0, 1, 2, 3])
    return m.ir()


def phi_zero_one(reference: bool = False) -> str:
    """i64 phis of the constants 0 and 1 over an empty diamond, in both orders, used in
    arithmetic and a comparison."""
    m = QirBuilder("phi_zero_one", 4, 4, ADAPTIVE)
    b, q, qis = m.builder, m.q, pyqir.qis
    qis.h(b, q(0))
    qis.ry(b, 2.2, q(1))
    qis.mz(b, q(0), m.r(0))
    qis.mz(b, q(1), m.r(1))
    values = []
    for i, (true_value, false_value) in enumerate([(1, 0), (0, 1)]):
        t, f, join = m.block(f"t{i}"), m.block(f"f{i}"), m.block(f"join{i}")
        b.condbr(m.read(i), t, f)
        m.at(t)
        b.br(join)
        m.at(f)
        b.br(join)
        m.at(join)
        phi = b.phi(m.i64)
        phi.add_incoming(m.int(true_value), t)
        phi.add_incoming(m.int(false_value), f)
        values.append(phi)
    total = b.add(values[0], b.mul(values[1], m.int(2)))  # r0 + 2 (1 - r1)
    for i, constant in enumerate([2, 3]):
        then, done = m.block(f"then{i}"), m.block(f"done{i}")
        b.condbr(b.icmp(IntPredicate.EQ, total, m.int(constant)), then, done)
        m.at(then)
        qis.x(b, q(2 + i))
        b.br(done)
        m.at(done)
    qis.mz(b, q(2), m.r(2))
    qis.mz(b, q(3), m.r(3))
    m.record([0, 1, 2, 3])
    return m.ir()


def phi_short_circuit(reference: bool = False) -> str:
    """Hand-built short-circuit `a && b` and `a || b` as i1 phis, the right operand read only
    when needed."""
    m = QirBuilder("phi_short_circuit", 4, 4, ADAPTIVE)
    b, q, qis = m.builder, m.q, pyqir.qis
    qis.h(b, q(0))
    qis.ry(b, 1.4, q(1))
    qis.mz(b, q(0), m.r(0))
    qis.mz(b, q(1), m.r(1))
    head = m.entry.basic_blocks[0]
    for i, is_and in enumerate([True, False]):
        rhs, merge = m.block(f"rhs{i}"), m.block(f"merge{i}")
        left = m.read(0)
        if is_and:
            b.condbr(left, rhs, merge)
        else:
            b.condbr(left, merge, rhs)
        m.at(rhs)
        right = m.read(1)
        b.br(merge)
        m.at(merge)
        phi = b.phi(m.i1)
        phi.add_incoming(pyqir.const(m.i1, 0 if is_and else 1), head)
        phi.add_incoming(right, rhs)
        then, done = m.block(f"then{i}"), m.block(f"done{i}")
        b.condbr(phi, then, done)
        m.at(then)
        qis.x(b, q(2 + i))
        b.br(done)
        m.at(done)
        head = done
    qis.mz(b, q(2), m.r(2))
    qis.mz(b, q(3), m.r(3))
    m.record([0, 1, 2, 3])
    return m.ir()


# ---- loops ------------------------------------------------------------------------------------


def self_loops(reference: bool = False) -> str:
    """Two repeat-until-success loops whose body is a single block branching to itself: the
    first repeats while the result is Zero (false edge back), the second while it is One (true
    edge back), toggling a counter qubit on each round."""
    m = QirBuilder("self_loops", 3, 3, ADAPTIVE)
    b, q, qis = m.builder, m.q, pyqir.qis
    first, middle, second, done = (m.block(n) for n in ("until_one", "middle", "while_one", "done"))
    b.br(first)
    m.at(first)
    qis.reset(b, q(0))
    qis.ry(b, 1.0, q(0))
    qis.mz(b, q(0), m.r(0))
    b.condbr(m.read(0), middle, first)
    m.at(middle)
    b.br(second)
    m.at(second)
    qis.reset(b, q(1))
    qis.h(b, q(1))
    qis.x(b, q(2))
    qis.mz(b, q(1), m.r(1))
    b.condbr(m.read(1), second, done)
    m.at(done)
    qis.mz(b, q(2), m.r(2))
    m.record([0, 1, 2])
    return m.ir()


def while_loop(reference: bool = False) -> str:
    """A loop with a header that measures and a separate body: while a fresh |+> measures One,
    toggle a counter qubit. The counter ends in One with probability 1/3."""
    m = QirBuilder("while_loop", 2, 2, ADAPTIVE)
    b, q, qis = m.builder, m.q, pyqir.qis
    header, body, exit_ = m.block("header"), m.block("body"), m.block("exit")
    b.br(header)
    m.at(header)
    qis.reset(b, q(0))
    qis.h(b, q(0))
    qis.mz(b, q(0), m.r(0))
    b.condbr(m.read(0), body, exit_)
    m.at(body)
    qis.x(b, q(1))
    b.br(header)
    m.at(exit_)
    qis.mz(b, q(1), m.r(1))
    m.record([0, 1])
    return m.ir()


@dataclass(frozen=True)
class PyqirProgram:
    name: str
    build: Callable[..., str]
    deterministic: bool
    has_reference_module: bool = False

    @property
    def description(self) -> str:
        return " ".join((self.build.__doc__ or "").split())


PROGRAMS = [
    PyqirProgram("bell_simple", bell_simple, False),
    PyqirProgram("builtin_gates", builtin_gates, False),
    PyqirProgram("barrier", barrier, False),
    PyqirProgram("declared_gates", declared_gates, False),
    PyqirProgram("custom_intrinsics", custom_intrinsics, False, has_reference_module=True),
    PyqirProgram("if_result_arms", if_result_arms, False),
    PyqirProgram("if_result_nested", if_result_nested, False),
    PyqirProgram("rt_read_result", rt_read_result, False),
    PyqirProgram("result_reuse", result_reuse, False),
    PyqirProgram("stale_result_read", stale_result_read, False),
    PyqirProgram("result_counter", result_counter, False),
    PyqirProgram("logic_ops", logic_ops, False),
    PyqirProgram("icmp_predicates", icmp_predicates, False),
    PyqirProgram("arithmetic", arithmetic, False),
    PyqirProgram("shift_ops", shift_ops, False),
    PyqirProgram("phi_counter", phi_counter, False),
    PyqirProgram("phi_zero_one", phi_zero_one, False),
    PyqirProgram("phi_short_circuit", phi_short_circuit, False),
    PyqirProgram("self_loops", self_loops, False),
    PyqirProgram("while_loop", while_loop, False),
]
