"""Guppy programs compiled to HUGR by guppylang and to QIR by hugr-qir, for the extended-mode
corpus (folder guppy/).

Each program is a Guppy entry point `main` written as Guppy users write them (owned qubits,
arrays of qubits, `result(tag, value)` outputs, helper functions, loops with break). The QIR is
what `hugr_qir.guppy_to_qir_str` gives for the compiled HUGR package, with hugr-qir's defaults:
its Quantinuum hardware target (so the module carries an aarch64 target triple and data layout),
aggressive LLVM optimisation, the adaptive profile, and the native gates phasedx, rz and rzz.
hugr-qir checks the QIR it writes against a narrow profile (no loops, no floating point, no
freeze); for a program the check refuses, the corpus has the QIR written without the check
(validate_qir=False) and its description quotes the complaint. Arrays of qubits or values do
not compile at all with these versions (hugr-qir does not know guppy's borrow_array), so the
programs use separate qubits, helper functions and comptime lists.

qirrunner crashes on the foreign target triple and lacks phasedx, so it runs a twin module: the
target triple and data layout lines removed and each phasedx(t, p) replaced by rz(-p) rx(t)
rz(p), the same matrix. The statistics of one program are checked against Selene, the
producer's own emulator, in `selene_check` (run it by hand: python guppy_programs.py).

Virtual environment (outside the repository):
  python3 -m venv /work/venvs/guppy
  /work/venvs/guppy/bin/pip install "guppylang==0.21.16" "hugr-qir==0.1.2" "qirrunner==0.9.7"
(guppylang pulls in selene-sim 0.2.x, the emulator.)
Run: /work/venvs/guppy/bin/python tools/producers/extended_corpus.py --producer guppy
"""

from __future__ import annotations

import re
from importlib import metadata

from guppylang import guppy
from guppylang.std.angles import angle, pi
from guppylang.std.builtins import owned, result
from guppylang.std.quantum import (
    crz,
    cx,
    cz,
    discard,
    h,
    measure,
    qubit,
    reset,
    rx,
    ry,
    rz,
    s,
    t,
    toffoli,
    x,
    z,
)
from hugr_qir.guppy_to_qir import guppy_to_qir_str

from extended_corpus import Program

SOURCE = "tools/producers/guppy_programs.py"
PROGRAMS: list[tuple[str, object, bool, str]] = []  # (name, entry point, deterministic, description)


def program(name: str, deterministic: bool, description: str):
    def register(entry):
        PROGRAMS.append((name, entry, deterministic, " ".join(description.split())))
        return entry
    return register


REUSE_NOTE = """hugr-qir maps each allocation to a fixed qubit and emits no reset when a
measured (consumed) qubit's slot is allocated again, so under QIR semantics (mz leaves the qubit
in its measured state) this QIR's statistics differ from Selene's emulation of the Guppy
program"""


# ---- the programs ----------------------------------------------------------------------------

@program("bell", False, "A Bell pair measured into two tagged Boolean results.")
@guppy
def bell() -> None:
    a, b = qubit(), qubit()
    h(a)
    cx(a, b)
    result("a", measure(a))
    result("b", measure(b))


@program("ghz_comptime", False, """A six-qubit GHZ state written as a comptime function (the
Python loops over a list of qubits run at compile time); the measured bits are recorded under
one tag, after all measurements.""")
@guppy.comptime
def ghz_comptime() -> None:
    qs = [qubit() for _ in range(6)]
    h(qs[0])
    for i in range(5):
        cx(qs[i], qs[i + 1])
    bits = [measure(q) for q in qs]
    for i, b in enumerate(bits):
        result(f"ghz{i}", b)


@guppy
def teleport_one(src: qubit @ owned, tgt: qubit) -> None:
    """Teleports the state of src onto tgt (which starts in |0>)."""
    tmp = qubit()
    h(tmp)
    cx(tmp, tgt)
    cx(src, tmp)
    h(src)
    if measure(tmp):
        x(tgt)
    if measure(src):
        z(tgt)


@program("teleport", True, """Teleports Ry(0.7 pi)|0> through a helper function with
measurement-conditioned X and Z corrections; undoing the rotation on the receiver always gives
False.""")
@guppy
def teleport() -> None:
    src, tgt = qubit(), qubit()
    ry(src, angle(0.7))
    teleport_one(src, tgt)
    ry(tgt, -angle(0.7))
    result("teleported", measure(tgt))


@program("repeat_until_success", False, """Repeat-until-success with a while loop and break:
an ancilla is prepared and measured until it reads False, at most eight attempts; records the
attempts and the target's result.""")
@guppy
def repeat_until_success() -> None:
    target = qubit()
    attempts = 0
    while attempts < 8:
        attempts += 1
        anc = qubit()
        h(anc)
        t(anc)
        cx(anc, target)
        h(anc)
        if not measure(anc):
            break
        reset(target)
    result("attempts", attempts)
    result("target", measure(target))


@guppy
def syndrome_round(d0: qubit, d1: qubit, d2: qubit) -> int:
    """Measures the two parities of a bit-flip code with fresh ancillas and returns the
    syndrome as an integer 0-3."""
    a0, a1 = qubit(), qubit()
    cx(d0, a0)
    cx(d1, a0)
    cx(d1, a1)
    cx(d2, a1)
    syndrome = 0
    if measure(a0):
        syndrome += 1
    if measure(a1):
        syndrome += 2
    return syndrome


@program("repetition_code", False, f"""Three rounds of syndrome extraction on a distance-3
bit-flip code holding logical 1, a partial X error before each round; each round's syndrome
(an integer from a helper function that allocates fresh ancillas) selects the correction
through an if/elif chain. Records the decoded data bits, the syndromes packed into one integer
(two bits a round) and the number of corrections. {REUSE_NOTE}.""")
@guppy
def repetition_code() -> None:
    d0, d1, d2 = qubit(), qubit(), qubit()
    x(d0)
    cx(d0, d1)
    cx(d0, d2)
    corrections = 0
    history = 0
    for r in range(3):
        rx(d1, angle(0.15 * float(r + 1)))
        syndrome = syndrome_round(d0, d1, d2)
        history = history * 4 + syndrome
        if syndrome == 1:
            x(d0)
            corrections += 1
        elif syndrome == 3:
            x(d1)
            corrections += 1
        elif syndrome == 2:
            x(d2)
            corrections += 1
    b0, b1, b2 = measure(d0), measure(d1), measure(d2)
    result("d0", b0)
    result("d1", b1)
    result("d2", b2)
    result("syndromes", history)
    result("corrections", corrections)




@program("phase_estimation", False, f"""Iterative phase estimation of the phase 5/16 of a phase
gate (a controlled-Rz on the eigenstate) with four bits and a fresh control qubit each round;
the feedback angle is a float computed from the integer estimate so far. Records the estimate
as an integer and as a float. {REUSE_NOTE} (which always gives the estimate 5).""")
@guppy
def phase_estimation() -> None:
    target = qubit()
    x(target)
    estimate = 0
    power = 8  # 2^k for the bit being estimated
    weight = 1  # 2^i for the i-th bit measured
    for i in range(4):
        ctl = qubit()
        h(ctl)
        # Controlled U^(2^k), U = diag(1, e^{2 pi i 5/16}): crz plus an rz on the control.
        turns = 5.0 / 16.0 * float(power)
        crz(ctl, target, angle(2.0 * turns))
        rz(ctl, angle(turns))
        # Feedback: remove the bits already measured (the estimate's low bits).
        rz(ctl, -angle(float(estimate) / float(weight)))
        h(ctl)
        if measure(ctl):
            estimate += weight
        power = power // 2
        weight = weight * 2
    discard(target)
    result("estimate", estimate)
    result("phase", float(estimate) / 16.0)


@guppy
def prepared(turns: float) -> bool:
    """Measures a fresh qubit rotated by Ry(turns half-turns)."""
    q = qubit()
    ry(q, angle(turns))
    return measure(q)


@program("integer_work", False, """Integer work on measured bits: packs five results into an
integer, counts the ones, computes the parity with xor, and compares the packed value against
thresholds to choose a correction (including a modulo test).""")
@guppy
def integer_work() -> None:
    packed = 0
    ones = 0
    parity = False
    for i in range(5):
        b = prepared(0.1 * float(i + 1))
        packed = packed * 2 + int(b)
        if b:
            ones += 1
        parity = parity ^ b
    out = qubit()
    if packed % 3 == 1:
        x(out)
    elif packed >= 20 and ones <= 3:
        h(out)
    bit = measure(out)
    result("packed", packed)
    result("ones", ones)
    result("parity", parity)
    result("out", bit)


@program("angle_from_counts", False, """Floating-point work: the number of ones among four
measured qubits sets a rotation angle (a float computed from the integer), applied to another
qubit; records the angle and the rotated qubit's result.""")
@guppy
def angle_from_counts() -> None:
    count = 0
    for _ in range(4):
        if prepared(0.5):
            count += 1
    turns = 1.0 / float(count + 1) + 0.05 * float(count * count)
    target = qubit()
    ry(target, angle(turns))
    bit = measure(target)
    result("turns", turns)
    result("target", bit)


@guppy
def classify(a: bool, b: bool) -> int:
    """A code 0-3 for two bits, with a return point per case."""
    if a and b:
        return 3
    if a:
        return 2
    if b:
        return 1
    return 0


@program("several_returns", False, """A helper function with four return points classifies
pairs of measured bits; the codes select corrections in a switch-like if/elif chain.""")
@guppy
def several_returns() -> None:
    q0, q1, q2, q3, out = qubit(), qubit(), qubit(), qubit(), qubit()
    h(q0)
    ry(q1, angle(0.4))
    h(q2)
    cx(q2, q3)
    first = classify(measure(q0), measure(q1))
    second = classify(measure(q2), measure(q3))
    if first + second > 3:
        x(out)
    elif first == second:
        h(out)
    elif first == 0:
        s(out)
        h(out)
    result("first", first)
    result("second", second)
    result("out", measure(out))


@program("controlled_gates", True, """Controlled rotations and multi-controlled gates: a
Toffoli-based majority of three qubits, a controlled-Rz pair that cancels, a controlled-Z
sandwiched by Hadamards (a CNOT), and a three-controlled X built from two Toffolis and an
ancilla; all results are fixed.""")
@guppy
def controlled_gates() -> None:
    a, b, c, maj, anc, tgt = qubit(), qubit(), qubit(), qubit(), qubit(), qubit()
    x(a)
    x(c)
    toffoli(a, b, maj)
    toffoli(b, c, maj)
    toffoli(a, c, maj)
    crz(a, tgt, angle(0.3))
    crz(a, tgt, -angle(0.3))
    h(tgt)
    cz(maj, tgt)
    h(tgt)
    # X on tgt again when a, c and maj are all set (they are).
    toffoli(a, c, anc)
    toffoli(anc, maj, tgt)
    toffoli(a, c, anc)
    result("a", measure(a))
    result("b", measure(b))
    result("c", measure(c))
    result("maj", measure(maj))
    result("anc", measure(anc))
    result("tgt", measure(tgt))


@program("runtime_qubits", False, """Qubits allocated inside a loop: each iteration allocates a
Bell pair and measures it; records whether every pair agreed (always True) and how many first
bits were True.""")
@guppy
def runtime_qubits() -> None:
    odd = 0
    agreed = True
    for _ in range(4):
        a, b = qubit(), qubit()
        h(a)
        cx(a, b)
        first = measure(a)
        second = measure(b)
        agreed = agreed and first == second
        if first:
            odd += 1
    result("agreed", agreed)
    result("odd", odd)


@program("bounded_retries", False, """A bounded repeat-until-success: up to four attempts, each
taken only while no attempt has succeeded (a Boolean flag in a constant loop); records the
attempt that succeeded (0 for none) and a flag qubit flipped on success.""")
@guppy
def bounded_retries() -> None:
    done = False
    winner = 0
    for attempt in range(4):
        if not done:
            q = qubit()
            h(q)
            t(q)
            h(q)
            if measure(q):
                done = True
                winner = attempt + 1
    flag = qubit()
    if done:
        x(flag)
    bit = measure(flag)
    result("winner", winner)
    result("flag", bit)


# ---- compilation and the twin module ---------------------------------------------------------

QUBIT = r"%Qubit\*(?: nonnull)? (?:null|inttoptr \(i64 \d+ to %Qubit\*\)|%[\w.]+)"


def twin(qir: str) -> tuple[str, list[str]]:
    edits = ["target triple and data layout removed (qirrunner crashes on the aarch64 triple)"]
    text = re.sub(r"^target (?:triple|datalayout) = .*\n", "", qir, flags=re.M)

    def phasedx(m: re.Match) -> str:
        pre, theta, phi, q = m[1], m[2], m[3], m[4]
        neg = f"%twin.{m.start()}"
        return (f"{pre}{neg} = fneg double {phi}\n"
                f"{pre}call void @__quantum__qis__rz__body(double {neg}, {q})\n"
                f"{pre}call void @__quantum__qis__rx__body(double {theta}, {q})\n"
                f"{pre}call void @__quantum__qis__rz__body(double {phi}, {q})")

    text, n = re.subn(r"^(\s*)(?:tail )?call void @__quantum__qis__phasedx__body\(double ([^,]+), double ([^,]+), ("
                      + QUBIT + r")\)", phasedx, text, flags=re.M)
    if n:
        edits.append("phasedx(t, p) replaced by rz(-p) rx(t) rz(p)")
        text = re.sub(r"^declare void @__quantum__qis__phasedx__body\(.*\n", "", text, flags=re.M)
        for gate in ("rz", "rx"):
            if f"declare void @__quantum__qis__{gate}__body(" not in text:
                text += f"\ndeclare void @__quantum__qis__{gate}__body(double, %Qubit*)\n"
    if re.search(r"^declare void @abort\(\)", text, flags=re.M):
        # guppy's angle checks abort on a non-finite angle; these programs' angles are finite.
        text = re.sub(r"^declare void @abort\(\).*$", "define void @abort() {\n  ret void\n}", text, flags=re.M)
        edits.append("the C library's abort (reached only on a non-finite angle, never here) defined as "
                     "an empty function")
    return text, edits


def programs() -> list[Program]:
    version = (f"guppylang {metadata.version('guppylang')}, hugr-qir {metadata.version('hugr-qir')}")
    made = []
    for name, entry, deterministic, description in PROGRAMS:
        try:
            qir = guppy_to_qir_str(entry)
        except ValueError as error:
            # hugr-qir's own QIR check accepts only straight-line integer code (no loops, no
            # floating point, no freeze): take the QIR it writes without the check, and say so.
            details = str(error).partition("Error details: ")[2].strip().splitlines()
            if "validity check" not in str(error) or not details:
                print(f"SKIPPED guppy/{name}: {str(error)[:400]}")
                continue
            qir = guppy_to_qir_str(entry, validate_qir=False)
            complaint = re.sub(r"\s+", " ", details[0])
            description += (f" hugr-qir's QIR check refuses this program ({complaint}); the QIR was"
                            " written with validate_qir=False.")
        twin_qir, edits = twin(qir)
        made.append(Program(
            folder="guppy",
            name=name,
            qir=qir,
            description=description,
            deterministic=deterministic,
            provenance={
                "producer": "guppylang+hugr-qir",
                "producer_version": version,
                "target_profile": "adaptive_profile",
                "source": f"{SOURCE}:{entry.__name__ if hasattr(entry, '__name__') else name}",
            },
            twin=twin_qir,
            edits=edits,
        ))
    return made
