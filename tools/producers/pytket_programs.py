"""pytket circuits converted to QIR by pytket-qir, for the extended-mode corpus.

Each circuit is built with pytket's Circuit API (named classical registers, classical
expressions on registers and bits, conditional gates), rebased to the gates pytket-qir accepts
where it uses others, and converted twice: with pytket-qir's default profile (folder pytket/:
the register runtime create_creg, get_creg_bit, set_creg_bit, set_creg_to_int,
get_int_from_creg, mz_to_creg_bit, and N-qubit barriers) and with its adaptive profile (folder
pytket-adaptive/: plain integers and read_result).

qirrunner lacks the register runtime and the native gates zzmax, rxxyyzz, phasedx and barrierN,
so it runs a twin module (see `twin`): barriers removed, the native gates replaced by standard
QIR gates with the same matrix up to a global phase, and in the default profile the register
runtime defined inside the module (each create_creg call becomes a stack slot holding the
register's value and width; mz_to_creg_bit measures into result 0 and reads it at once).

Virtual environment (outside the repository):
  python3 -m venv /work/venvs/pytket
  /work/venvs/pytket/bin/pip install "pytket-qir==2.0.2" "qirrunner==0.9.7"
Run: /work/venvs/pytket/bin/python tools/producers/extended_corpus.py --producer pytket
"""

from __future__ import annotations

import math
import re
from importlib import metadata

from pytket import Circuit, OpType
from pytket.circuit.logic_exp import if_bit, if_not_bit, reg_eq, reg_geq, reg_gt, reg_lt, reg_neq
from pytket.passes import AutoRebase
from pytket.qir import QIRFormat, QIRProfile, pytket_to_qir

from extended_corpus import Program

SOURCE = "tools/producers/pytket_programs.py"
PROFILES = {"pytket": QIRProfile.PYTKET, "pytket-adaptive": QIRProfile.ADAPTIVE}
# The gate set of a trapped-ion device, as users rebase to before converting.
NATIVE = {OpType.ZZPhase, OpType.ZZMax, OpType.PhasedX, OpType.Rz, OpType.TK2}
GENERIC = {OpType.CX, OpType.H, OpType.Rx, OpType.Ry, OpType.Rz, OpType.X, OpType.Z, OpType.S,
           OpType.Sdg, OpType.T, OpType.Tdg, OpType.CZ}


# ---- the circuits ----------------------------------------------------------------------------

def ghz_native() -> Circuit:
    """A five-qubit GHZ state rebased to the trapped-ion gates (PhasedX, Rz, ZZMax), measured into
    one register; a barrier over all qubits separates preparation and measurement."""
    c = Circuit(5, name="ghz_native")
    m = c.add_c_register("m", 5)
    c.H(0)
    for i in range(4):
        c.CX(i, i + 1)
    AutoRebase(NATIVE).apply(c)
    c.add_barrier(list(range(5)))
    for i in range(5):
        c.Measure(i, m[i])
    return c


def teleport() -> Circuit:
    """Teleports Ry(0.7)Rz(0.3)|0> with X and Z corrections conditioned on the two measured
    bits (conditional gates on single bits); undoing the state on the receiver always gives 0
    (register out), the sender's register m is uniformly random."""
    c = Circuit(3, name="teleport")
    m = c.add_c_register("m", 2)
    out = c.add_c_register("out", 1)
    c.Ry(0.7 / math.pi, 0).Rz(0.3 / math.pi, 0)
    c.H(1).CX(1, 2).CX(0, 1).H(0)
    c.Measure(0, m[0]).Measure(1, m[1])
    c.X(2, condition=if_bit(m[1]))
    c.Z(2, condition=if_bit(m[0]))
    c.Rz(-0.3 / math.pi, 2).Ry(-0.7 / math.pi, 2)
    c.Measure(2, out[0])
    return c


def repetition_code() -> Circuit:
    """Two rounds of syndrome extraction on a three-qubit bit-flip code holding logical 1, with
    a partial X error before each round; each round's two-bit syndrome register selects the
    correction (conditions `syn == 1`, `== 2`, `== 3` on the whole register) and a counter
    register adds up the rounds with a non-zero syndrome (RegAdd under a condition)."""
    c = Circuit(5, name="repetition_code")
    syn = c.add_c_register("syn", 2)
    count = c.add_c_register("count", 2)
    data = c.add_c_register("data", 3)
    c.X(0).CX(0, 1).CX(0, 2)
    for round_, error_qubit in enumerate([1, 2]):
        c.Rx(0.25 * (round_ + 1), error_qubit)
        c.CX(0, 3).CX(1, 3).CX(1, 4).CX(2, 4)
        c.Measure(3, syn[0]).Measure(4, syn[1])
        c.Reset(3).Reset(4)
        c.X(0, condition=reg_eq(syn, 1))
        c.X(1, condition=reg_eq(syn, 3))
        c.X(2, condition=reg_eq(syn, 2))
        c.add_clexpr_from_logicexp(count + 1, count.to_list(), condition=reg_neq(syn, 0))
    for i in range(3):
        c.Measure(i, data[i])
    return c


def repeat_until_success() -> Circuit:
    """A repeat-until-success preparation unrolled three times: each attempt runs only while
    the flag bit is 0 (conditions on a bit and its negation), and a register counts the
    attempts with RegAdd."""
    c = Circuit(2, name="repeat_until_success")
    flag = c.add_c_register("flag", 1)
    tries = c.add_c_register("tries", 3)
    out = c.add_c_register("out", 1)
    for _ in range(3):
        c.add_clexpr_from_logicexp(tries + 1, tries.to_list(), condition=if_not_bit(flag[0]))
        c.H(0, condition=if_not_bit(flag[0]))
        c.T(0, condition=if_not_bit(flag[0]))
        c.H(0, condition=if_not_bit(flag[0]))
        c.Measure(0, flag[0], condition=if_not_bit(flag[0]))
        c.Reset(0)
    c.X(1, condition=if_bit(flag[0]))
    c.Measure(1, out[0])
    return c


def iterative_phase_estimation() -> Circuit:
    """Iterative phase estimation of the phase 3/8 of a controlled phase gate with one reused
    control qubit: each round's Rz feedback is a conditional gate on the bits measured before."""
    c = Circuit(2, name="iterative_phase_estimation")
    bits = c.add_c_register("bits", 3)
    c.X(1)
    phase = 3 / 8
    for k in (2, 1, 0):
        c.H(0)
        # Controlled U^(2^k) with U = diag(1, e^{2 pi i phase}): a phase on the control.
        c.Rz(2 * phase * 2**k, 0)
        for measured in range(2, k, -1):
            # Undo the phase of the bit measured in round `measured` (register bit 2 - measured).
            c.Rz(-(2.0 ** (k - measured)), 0, condition=if_bit(bits[2 - measured]))
        c.H(0)
        c.Measure(0, bits[2 - k])
        c.Reset(0)
    return c


def register_arithmetic() -> Circuit:
    """Classical expressions on registers of measured bits: RegAnd, RegOr, RegXor, RegAdd,
    RegSub, RegMul and shifts into result registers (every value fits its register), comparisons
    (<, >, >=, !=, ==) as conditions of gates on a fresh qubit."""
    c = Circuit(7, name="register_arithmetic")
    a = c.add_c_register("a", 3)
    b = c.add_c_register("b", 3)
    s = c.add_c_register("s", 4)
    x = c.add_c_register("x", 3)
    p = c.add_c_register("p", 6)
    sh = c.add_c_register("sh", 4)
    d = c.add_c_register("d", 3)
    out = c.add_c_register("out", 1)
    for i in range(3):
        c.H(i)
        c.Ry(0.3 * (i + 1), 3 + i)
        c.Measure(i, a[i]).Measure(3 + i, b[i])
    c.add_clexpr_from_logicexp(a + b, s.to_list())
    c.add_clexpr_from_logicexp((a & b) | (a ^ 5), x.to_list())
    c.add_clexpr_from_logicexp(a * b + 1, p.to_list())
    c.add_clexpr_from_logicexp(s - b, d.to_list())
    c.add_clexpr_from_logicexp((s << 1) >> 2, sh.to_list())
    c.X(6, condition=reg_gt(s, 6))
    c.H(6, condition=reg_lt(x, 2))
    c.Z(6, condition=reg_geq(p, 10))
    c.X(6, condition=reg_neq(sh, 1))
    c.Y(6, condition=reg_eq(d, 3))
    c.Measure(6, out[0])
    return c


def parity_bits() -> Circuit:
    """Bit expressions: the parity of four measured bits by a BitXor chain, their AND and OR,
    written into single bits; a gate conditioned on a Boolean expression of bits."""
    c = Circuit(5, name="parity_bits")
    m = c.add_c_register("m", 4)
    f = c.add_c_register("f", 3)
    out = c.add_c_register("out", 1)
    for i in range(4):
        c.Ry(0.4 + 0.5 * i, i)
        c.Measure(i, m[i])
    c.add_clexpr_from_logicexp(m[0] ^ m[1] ^ m[2] ^ m[3], [f[0]])
    c.add_clexpr_from_logicexp(m[0] & m[1] & m[2], [f[1]])
    c.add_clexpr_from_logicexp(m[1] | m[3], [f[2]])
    c.X(4, condition=f[0] & (f[2] | m[0]))
    c.Measure(4, out[0])
    return c


def set_and_copy_bits() -> Circuit:
    """SetBits, CopyBits and a RangePredicate (2 <= value <= 5) on a register, the predicate's
    bit conditioning a correction; the register then takes a new value by a conditional
    SetBits."""
    c = Circuit(4, name="set_and_copy_bits")
    a = c.add_c_register("a", 3)
    b = c.add_c_register("b", 3)
    flag = c.add_c_register("flag", 1)
    out = c.add_c_register("out", 1)
    c.add_c_setbits([True, False, True], b.to_list())
    for i in range(3):
        c.H(i)
        c.Measure(i, a[i])
    c.add_c_copybits([a[0], a[1]], [b[1], b[2]])
    c.add_c_range_predicate(2, 5, a.to_list(), flag[0])
    c.X(3, condition=if_bit(flag[0]))
    c.add_c_setbits([False, False, False], a.to_list(), condition=reg_eq(b, 7))
    c.Measure(3, out[0])
    return c


def toffoli_majority() -> Circuit:
    """A majority vote of three noisy copies with Toffoli gates (rebased to CX and one-qubit
    gates) and a controlled-swap, measured into two registers."""
    c = Circuit(5, name="toffoli_majority")
    votes = c.add_c_register("votes", 3)
    maj = c.add_c_register("maj", 2)
    for i in range(3):
        c.Ry(0.6 + 0.2 * i, i)
    c.CCX(0, 1, 3).CCX(1, 2, 3).CCX(0, 2, 3)
    c.CX(0, 4).CX(1, 4).CX(2, 4)  # parity, for the swap
    c.CSWAP(4, 0, 1)
    AutoRebase(GENERIC).apply(c)
    c.Measure(3, maj[0]).Measure(4, maj[1])
    for i in range(3):
        c.Measure(i, votes[i])
    return c


def tk2_interactions() -> Circuit:
    """Two-qubit interactions written as XXPhase, YYPhase and ZZPhase, rebased to the native
    TK2 (rxxyyzz) and ZZPhase gates, with mid-circuit measurement and reset of one qubit and
    a conditional TK2."""
    c = Circuit(3, name="tk2_interactions")
    m = c.add_c_register("m", 3)
    c.H(0).H(1)
    c.XXPhase(0.3, 0, 1).YYPhase(0.2, 0, 1).ZZPhase(0.45, 1, 2)
    c.TK2(0.1, 0.25, 0.4, 0, 2)
    AutoRebase(NATIVE).apply(c)
    c.Measure(0, m[0])
    c.Reset(0)
    c.TK2(0.5, 0.0, 0.3, 1, 2, condition=if_bit(m[0]))
    c.add_barrier([0, 1, 2])
    c.Measure(1, m[1]).Measure(2, m[2])
    return c


def qft_barriers() -> Circuit:
    """A four-qubit QFT on a basis state with controlled phases rebased to CX and Rz, with a
    barrier over all qubits after each layer, then its inverse by dagger(): reads 1010 always."""
    c = Circuit(4, name="qft")
    m = c.add_c_register("m", 4)
    body = Circuit(4)
    for i in range(4):
        body.H(i)
        for j in range(i + 1, 4):
            body.CU1(1 / 2 ** (j - i), j, i)
        body.add_barrier([0, 1, 2, 3])
    c.X(0).X(2)
    c.append(body)
    c.append(body.dagger())
    AutoRebase(GENERIC).apply(c)
    for i in range(4):
        c.Measure(i, m[i])
    return c


def compare_and_branch() -> Circuit:
    """Switch-like branching: a three-bit register of measured bits selects one of four
    different corrections through `==` conditions on the whole register, and an XOR of two
    registers feeds a second selection."""
    c = Circuit(5, name="compare_and_branch")
    sel = c.add_c_register("sel", 3)
    key = c.add_c_register("key", 3)
    mix = c.add_c_register("mix", 3)
    out = c.add_c_register("out", 2)
    for i in range(3):
        c.H(i)
        c.Measure(i, sel[i])
    c.add_c_setbits([True, True, False], key.to_list())
    for value, gate in [(0, "X"), (3, "H"), (5, "Y"), (6, "Sdg")]:
        getattr(c, gate)(3, condition=reg_eq(sel, value))
    c.add_clexpr_from_logicexp(sel ^ key, mix.to_list())
    c.X(4, condition=reg_eq(mix, 0))
    c.H(4, condition=reg_eq(mix, 7))
    c.Measure(3, out[0]).Measure(4, out[1])
    return c


CIRCUITS = [
    (ghz_native, False),
    (teleport, False),
    (repetition_code, False),
    (repeat_until_success, False),
    (iterative_phase_estimation, True),
    (register_arithmetic, False),
    (parity_bits, False),
    (set_and_copy_bits, False),
    (toffoli_majority, False),
    (tk2_interactions, False),
    (qft_barriers, True),
    (compare_and_branch, False),
]


# ---- the twin module for qirrunner -----------------------------------------------------------

QUBIT = r"(?:ptr|%Qubit\*) [^,()]*(?:\([^()]*\))?"
RUNTIME = """
define internal void @twin_init_creg(ptr %r, i64 %width) {
  store i64 0, ptr %r
  %w = getelementptr i64, ptr %r, i64 1
  store i64 %width, ptr %w
  ret void
}

define internal i64 @get_int_from_creg(ptr %r) {
  %v = load i64, ptr %r
  ret i64 %v
}

define internal void @set_creg_to_int(ptr %r, i64 %v) {
  %wp = getelementptr i64, ptr %r, i64 1
  %w = load i64, ptr %wp
  %top = shl i64 1, %w
  %mask = sub i64 %top, 1
  %m = and i64 %v, %mask
  store i64 %m, ptr %r
  ret void
}

define internal i1 @get_creg_bit(ptr %r, i64 %i) {
  %v = load i64, ptr %r
  %s = lshr i64 %v, %i
  %b = trunc i64 %s to i1
  ret i1 %b
}

define internal void @set_creg_bit(ptr %r, i64 %i, i1 %b) {
  %v = load i64, ptr %r
  %bit = shl i64 1, %i
  %clear = xor i64 %bit, -1
  %kept = and i64 %v, %clear
  %z = zext i1 %b to i64
  %new = shl i64 %z, %i
  %n = or i64 %kept, %new
  store i64 %n, ptr %r
  ret void
}

define internal void @mz_to_creg_bit(ptr %q, ptr %r, i64 %i) {
  call void @__quantum__qis__mz__body(ptr %q, ptr null)
  %b = call i1 @__quantum__qis__read_result__body(ptr null)
  call void @set_creg_bit(ptr %r, i64 %i, i1 %b)
  ret void
}

declare void @__quantum__qis__mz__body(ptr, ptr writeonly)
"""
HALF_PI = "0x3FF921FB54442D18"


def twin(qir: str) -> tuple[str, list[str]]:
    """The module qirrunner runs, and the edits made."""
    edits = []
    text = qir

    def sub(pattern: str, replacement, what: str) -> None:
        nonlocal text
        text, n = re.subn(pattern, replacement, text, flags=re.M)
        if n and what not in edits:
            edits.append(what)

    sub(r"^\s*call void @__quantum__qis__barrier\d+__body\(.*\n", "", "barriers removed")
    sub(r"@__quantum__qis__zzmax__body\((" + QUBIT + r"), (" + QUBIT + r")\)",
        rf"@__quantum__qis__rzz__body(double {HALF_PI}, \1, \2)", "zzmax(a, b) replaced by rzz(pi/2, a, b)")
    sub(r"^(\s*)call void @__quantum__qis__rxxyyzz__body\(double ([^,]+), double ([^,]+), double ([^,]+), "
        r"(" + QUBIT + r"), (" + QUBIT + r")\)",
        lambda m: "\n".join(f"{m[1]}call void @__quantum__qis__{g}__body(double {m[k]}, {m[5]}, {m[6]})"
                            for g, k in (("rxx", 2), ("ryy", 3), ("rzz", 4))),
        "rxxyyzz(a, b, c) replaced by rxx(a) ryy(b) rzz(c) (they commute)")
    sub(r"^(\s*)call void @__quantum__qis__phasedx__body\(double ([^,]+), double ([^,]+), (" + QUBIT + r")\)",
        lambda m: (f"{m[1]}%twin.{m.start()} = fneg double {m[3]}\n"
                   f"{m[1]}call void @__quantum__qis__rz__body(double %twin.{m.start()}, {m[4]})\n"
                   f"{m[1]}call void @__quantum__qis__rx__body(double {m[2]}, {m[4]})\n"
                   f"{m[1]}call void @__quantum__qis__rz__body(double {m[3]}, {m[4]})"),
        "phasedx(t, p) replaced by rz(-p) rx(t) rz(p)")
    sub(r"^declare void @__quantum__qis__(zzmax|rxxyyzz|phasedx|barrier\d+)__body\(.*\n", "", "unused declarations removed")
    if "@create_creg(" in text:
        text = re.sub(r"^(\s*)(%\S+) = call ptr @create_creg\(i64 (\d+)\)",
                      r"\1\2 = alloca [2 x i64]\n\1call void @twin_init_creg(ptr \2, i64 \3)", text, flags=re.M)
        text = re.sub(r"^declare \S+ @(create_creg|get_int_from_creg|set_creg_to_int|get_creg_bit|set_creg_bit|"
                      r"mz_to_creg_bit)\(.*\n", "", text, flags=re.M)
        if "declare void @__quantum__qis__mz__body" in text:
            text = text.replace("declare void @__quantum__qis__mz__body(ptr, ptr writeonly)\n", "", 1)
        if "@__quantum__qis__read_result__body(ptr)" not in text:
            text += "\ndeclare i1 @__quantum__qis__read_result__body(ptr)\n"
        text += RUNTIME
        edits.append("the register runtime defined in the module: each create_creg call replaced by a stack "
                     "slot of [value, width]; set_creg_to_int keeps the low `width` bits; mz_to_creg_bit "
                     "measures into result 0 and reads it")
    for gate in ("rzz", "rxx", "ryy", "rz", "rx"):
        name = f"@__quantum__qis__{gate}__body("
        if name in text and f"declare void {name}" not in text:
            text += f"\ndeclare void {name}double, ptr, ptr)\n" if gate in ("rzz", "rxx", "ryy") else \
                f"\ndeclare void {name}double, ptr)\n"
    return text, edits


def programs() -> list[Program]:
    version = metadata.version("pytket-qir")
    made = []
    for build, deterministic in CIRCUITS:
        for folder, profile in PROFILES.items():
            circuit = build()
            qir = pytket_to_qir(circuit, name=build.__name__, qir_format=QIRFormat.STRING, profile=profile)
            twin_qir, edits = twin(qir)
            made.append(Program(
                folder=folder,
                name=build.__name__,
                qir=qir,
                description=" ".join(build.__doc__.split()),
                deterministic=deterministic,
                provenance={
                    "producer": "pytket-qir",
                    "producer_version": f"pytket-qir {version} (pytket {metadata.version('pytket')})",
                    "target_profile": profile.name,
                    "source": f"{SOURCE}:{build.__name__}",
                },
                twin=twin_qir if edits else None,
                edits=edits,
            ))
    return made
