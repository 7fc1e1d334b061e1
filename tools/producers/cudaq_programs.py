"""CUDA-Q kernels translated to QIR by the cudaq package, for the extended-mode corpus.

Each kernel is a Python `@cudaq.kernel` function written as CUDA-Q users write them (qvector
registers, mz with named results, if/while on measurements, controlled gates through
`.ctrl`, sub-kernels), translated with `cudaq.translate(kernel, format="qir-base")` into
cudaq-base/ (only the kernels the base profile accepts: straight-line programs) and with
`format="qir-adaptive"` into cudaq-adaptive/. CUDA-Q names the entry point after the kernel
and the address of its Python object (`@__nvqpp__mlirgen__bell..0x7f...`), so the entry
point's name changes from run to run.

qirrunner lacks some functions CUDA-Q calls, so it runs a twin module (see `twin`) where
those calls are replaced by standard QIR with the same effect: r1 by rz and u3 by rz ry rz
(equal up to a global phase); each `generalizedInvokeWithRotationsControlsTargets` call (CUDA-Q's
variadic helper for controlled gates) by cnot, cz or ccx where it has one or two controls and
by the array-based controlled intrinsics of the QIR runtime (`__quantum__qis__x__ctl(%Array*,
%Qubit*)`, `__quantum__qis__rx__ctl(%Array*, {double, %Qubit*}*)`) otherwise; a controlled r1
becomes a controlled rz and a phase on the controls, a controlled swap three gates.

Virtual environment (outside the repository):
  python3 -m venv /work/venvs/cudaq
  /work/venvs/cudaq/bin/pip install "cudaq==0.16.0.post1" "qirrunner==0.9.7" "pyqir==0.12.7"
(the CPU simulator qpp-cpu is the default target without a GPU.)
Run: /work/venvs/cudaq/bin/python tools/producers/extended_corpus.py --producer cudaq
"""

from __future__ import annotations

import itertools
import math
import re
import warnings
from importlib import metadata

warnings.filterwarnings("ignore")
import cudaq  # noqa: E402

from extended_corpus import Program  # noqa: E402

SOURCE = "tools/producers/cudaq_programs.py"
KERNELS: list[tuple[object, bool, str]] = []  # (kernel, deterministic, description)


def program(deterministic: bool, description: str):
    def register(kernel):
        KERNELS.append((kernel, deterministic, " ".join(description.split())))
        return kernel
    return register


# ---- the kernels -----------------------------------------------------------------------------

@program(False, "A Bell pair; both qubits measured with mz on the register.")
@cudaq.kernel
def bell():
    q = cudaq.qvector(2)
    h(q[0])
    x.ctrl(q[0], q[1])
    mz(q)


@program(False, """A six-qubit GHZ state built with a loop of CNOTs over a qvector, each
qubit measured into a named result.""")
@cudaq.kernel
def ghz_loop():
    q = cudaq.qvector(6)
    h(q[0])
    for i in range(5):
        x.ctrl(q[i], q[i + 1])
    for i in range(6):
        mz(q[i], register_name="ghz")


@program(False, """Two layers of a QAOA-style circuit on a ring of four qubits: ZZ couplings
written as CNOT, rz, CNOT in a loop over the edges, then rx mixers; all qubits measured.""")
@cudaq.kernel
def qaoa_ring():
    q = cudaq.qvector(4)
    h(q)
    gammas = [0.4, 0.8]
    betas = [0.7, 0.3]
    for layer in range(2):
        for i in range(4):
            x.ctrl(q[i], q[(i + 1) % 4])
            rz(2.0 * gammas[layer], q[(i + 1) % 4])
            x.ctrl(q[i], q[(i + 1) % 4])
        for i in range(4):
            rx(2.0 * betas[layer], q[i])
    mz(q)


@program(True, """Single-qubit gates CUDA-Q users reach for (r1, u3, sdg, tdg, s, t, rx, ry,
rz) and a swap, each undone by its inverse, so the register always reads 101.""")
@cudaq.kernel
def gate_roundtrip():
    q = cudaq.qvector(3)
    x(q[0])
    r1(0.3, q[0])
    u3(0.4, 0.5, 0.6, q[1])
    s(q[2])
    t(q[2])
    rx(0.7, q[1])
    swap(q[0], q[2])
    swap(q[0], q[2])
    rx(-0.7, q[1])
    tdg(q[2])
    sdg(q[2])
    u3(-0.4, -0.6, -0.5, q[1])
    r1(-0.3, q[0])
    x(q[2])
    mz(q)


@program(True, """Bernstein-Vazirani for the secret 10110 held in a list inside the kernel: the
oracle is a loop of CNOTs on the set bits; the secret is read out exactly.""")
@cudaq.kernel
def bernstein_vazirani():
    secret = [1, 0, 1, 1, 0]
    q = cudaq.qvector(5)
    target = cudaq.qubit()
    x(target)
    h(target)
    h(q)
    for i in range(5):
        if secret[i] == 1:
            x.ctrl(q[i], target)
    h(q)
    mz(q)


@cudaq.kernel
def grover_oracle(q: cudaq.qview):
    x(q[1])
    z.ctrl([q[0], q[1]], q[2])
    x(q[1])


@cudaq.kernel
def grover_diffusion(q: cudaq.qview):
    h(q)
    x(q)
    z.ctrl([q[0], q[1]], q[2])
    x(q)
    h(q)


@program(False, """Grover search over three qubits for 101 with two iterations written with
sub-kernels for the oracle and the diffusion, each with a doubly controlled Z (z.ctrl with a
list of controls); 101 is found with probability about 0.945.""")
@cudaq.kernel
def grover():
    q = cudaq.qvector(3)
    h(q)
    for _ in range(2):
        grover_oracle(q)
        grover_diffusion(q)
    mz(q)


@cudaq.kernel
def qft(q: cudaq.qview):
    n = q.size()
    for i in range(n):
        h(q[i])
        for j in range(i + 1, n):
            r1.ctrl(math.pi / 2.0**(j - i), q[j], q[i])


@program(True, """A four-qubit QFT with controlled r1 rotations in loops, applied to the basis
state 0101 and undone with cudaq.adjoint; then doubly and triply controlled X gates. Always
reads 11111.""")
@cudaq.kernel
def qft_roundtrip():
    q = cudaq.qvector(4)
    target = cudaq.qubit()
    x(q[1])
    x(q[3])
    qft(q)
    cudaq.adjoint(qft, q)
    x.ctrl([q[1], q[3]], q[0])
    x.ctrl([q[0], q[1], q[3]], q[2])
    x.ctrl([q[0], q[1], q[2], q[3]], target)
    mz(q)
    mz(target)


@program(False, """Teleportation of Ry(1.1)Rz(0.4)|0> with X and Z corrections conditioned on
the two mid-circuit measurements (recorded too, uniformly random); undoing the state on the
receiver always gives 0.""")
@cudaq.kernel
def teleport():
    q = cudaq.qvector(3)
    ry(1.1, q[0])
    rz(0.4, q[0])
    h(q[1])
    x.ctrl(q[1], q[2])
    x.ctrl(q[0], q[1])
    h(q[0])
    m0 = mz(q[0])
    m1 = mz(q[1])
    if m1:
        x(q[2])
    if m0:
        z(q[2])
    rz(-0.4, q[2])
    ry(-1.1, q[2])
    mz(q[2], register_name="teleported")


@program(False, """Teleportation with deferred measurement: the corrections are controlled X
and Z gates, the sender's qubits measured at the end (uniformly random); the receiver's result
is always 0.""")
@cudaq.kernel
def teleport_deferred():
    q = cudaq.qvector(3)
    ry(1.3, q[0])
    h(q[1])
    x.ctrl(q[1], q[2])
    x.ctrl(q[0], q[1])
    h(q[0])
    x.ctrl(q[1], q[2])
    z.ctrl(q[0], q[2])
    ry(-1.3, q[2])
    mz(q[2], register_name="receiver")
    mz(q[0], register_name="sender0")
    mz(q[1], register_name="sender1")


@program(False, """Three rounds of syndrome extraction on a three-qubit bit-flip code holding
logical 1, with a partial X error before each round and the ancillas reset after measuring;
the syndrome integer selects the correction through an if/elif chain.""")
@cudaq.kernel
def repetition_code():
    data = cudaq.qvector(3)
    anc = cudaq.qvector(2)
    x(data[0])
    x.ctrl(data[0], data[1])
    x.ctrl(data[0], data[2])
    for r in range(3):
        rx(0.3 * (r + 1), data[r])
        x.ctrl(data[0], anc[0])
        x.ctrl(data[1], anc[0])
        x.ctrl(data[1], anc[1])
        x.ctrl(data[2], anc[1])
        s0 = mz(anc[0])
        s1 = mz(anc[1])
        reset(anc[0])
        reset(anc[1])
        syndrome = 0
        if s0:
            syndrome += 1
        if s1:
            syndrome += 2
        if syndrome == 1:
            x(data[0])
        elif syndrome == 3:
            x(data[1])
        elif syndrome == 2:
            x(data[2])
    mz(data)


@cudaq.kernel
def flag_on(q: cudaq.qubit, done: bool):
    if done:
        x(q)


@program(False, """Repeat-until-success with a while loop on a measurement: an ancilla is
prepared and measured until it reads 1, at most five attempts, then a correction sub-kernel
flips a flag qubit on success.""")
@cudaq.kernel
def repeat_until_success():
    q = cudaq.qvector(2)
    attempts = 0
    done = False
    while not done and attempts < 5:
        attempts += 1
        h(q[0])
        t(q[0])
        h(q[0])
        if mz(q[0]):
            done = True
        else:
            reset(q[0])
    flag_on(q[1], done)
    mz(q[1], register_name="flag")


@program(True, """Iterative phase estimation of the phase 5/8 of an r1 gate with one control
qubit reset and reused; each round's feedback angle is computed in floating point from the bits
measured before. Always reads 1, 0, 1 (least significant bit first).""")
@cudaq.kernel
def phase_estimation():
    ctl = cudaq.qubit()
    target = cudaq.qubit()
    x(target)
    estimate = 0.0
    for i in range(3):
        k = 2 - i
        h(ctl)
        r1.ctrl(2.0 * math.pi * 5.0 / 8.0 * 2.0**k, ctl, target)
        r1(-2.0 * math.pi * estimate * 2.0**k, ctl)
        h(ctl)
        bit = mz(ctl, register_name="bit")
        if bit:
            estimate += 1.0 / 2.0**(k + 1)
            x(ctl)


@program(False, """Integer work on measured bits: counts the ones among five rotated qubits,
packs them into an integer, tests the parity and compares the packed value against thresholds
to choose corrections on an output qubit.""")
@cudaq.kernel
def count_and_pack():
    q = cudaq.qvector(5)
    out = cudaq.qubit()
    for i in range(5):
        ry(0.3 * (i + 1), q[i])
    ones = 0
    packed = 0
    for i in range(5):
        b = mz(q[i])
        packed = packed * 2
        if b:
            ones += 1
            packed += 1
    if ones % 2 == 1:
        z(out)
    if packed > 20 and ones < 4:
        x(out)
    elif packed == 3:
        h(out)
    mz(out, register_name="out")


@program(False, """Floating-point work: a rotation angle computed from the number of ones among
three measured qubits (pi over the count plus one) is applied to a fourth qubit.""")
@cudaq.kernel
def angle_from_counts():
    q = cudaq.qvector(3)
    target = cudaq.qubit()
    h(q)
    n = 0
    for i in range(3):
        if mz(q[i]):
            n += 1
    ry(math.pi / (n + 1.0) + 0.1 * n, target)
    mz(target, register_name="target")


@program(False, """Controlled rotations and multi-controlled gates on superposed controls:
rx, ry, rz and r1 with one control, a Toffoli, x with three controls, a controlled swap and a
controlled Hadamard.""")
@cudaq.kernel
def controlled_gates():
    q = cudaq.qvector(5)
    h(q[0])
    h(q[1])
    ry(0.7, q[2])
    rx.ctrl(0.9, q[0], q[3])
    ry.ctrl(1.1, q[1], q[4])
    rz.ctrl(0.5, q[0], q[4])
    r1.ctrl(0.8, q[1], q[3])
    x.ctrl([q[0], q[1]], q[2])
    x.ctrl([q[0], q[1], q[2]], q[4])
    swap.ctrl(q[0], q[3], q[4])
    h.ctrl(q[2], q[3])
    mz(q)


@program(False, """Qubits allocated inside a loop: each iteration allocates a Bell pair with
cudaq.qvector, measures it and accumulates the number of agreeing pairs (always all) in an
integer that selects a final gate.""")
@cudaq.kernel
def runtime_qubits():
    agree = 0
    for i in range(3):
        pair = cudaq.qvector(2)
        h(pair[0])
        x.ctrl(pair[0], pair[1])
        a = mz(pair[0])
        b = mz(pair[1])
        if a == b:
            agree += 1
    last = cudaq.qubit()
    if agree == 3:
        x(last)
    mz(last, register_name="all_agreed")


@program(False, """A kernel with several return points: returns True early when the first
measurement reads 1, otherwise measures a second qubit and returns on each of its outcomes (the
returned Boolean is not recorded; the measurements are).""")
@cudaq.kernel
def several_returns() -> bool:
    q = cudaq.qvector(3)
    h(q[0])
    ry(1.2, q[1])
    if mz(q[0]):
        x(q[2])
        mz(q[2])
        return True
    if mz(q[1]):
        return False
    h(q[2])
    mz(q[2])
    return True


@program(False, """Switch-like branching: a three-bit value from measurements selects one of
five different operations on a target through an if/elif chain on the integer.""")
@cudaq.kernel
def switch_like():
    q = cudaq.qvector(3)
    target = cudaq.qubit()
    h(q)
    value = 0
    for i in range(3):
        if mz(q[i]):
            value += 2**i
    if value == 0:
        x(target)
    elif value == 3:
        h(target)
    elif value == 5:
        ry(0.6, target)
    elif value >= 6:
        s(target)
        h(target)
    else:
        t(target)
        h(target)
    mz(target, register_name="target")


# ---- the twin module for qirrunner -----------------------------------------------------------

INVOKE = re.compile(
    r"^(\s*)call void \(i64, i64, i64, i64, ptr, \.\.\.\) @generalizedInvokeWithRotationsControlsTargets\((.*)\)\s*$",
    re.M)


def split_args(text: str) -> list[str]:
    args, depth, current = [], 0, ""
    for ch in text:
        if ch in "({[<":
            depth += 1
        elif ch in ")}]>":
            depth -= 1
        if ch == "," and depth == 0:
            args.append(current.strip())
            current = ""
        else:
            current += ch
    args.append(current.strip())
    return args


class Emitter:
    """Writes standard QIR for controlled operations; names its values %twin.N."""

    def __init__(self):
        self.names = itertools.count()
        self.used: set[str] = set()

    def fresh(self) -> str:
        return f"%twin.{next(self.names)}"

    def call(self, lines: list[str], name: str, *args: str) -> None:
        self.used.add(name)
        lines.append(f"call void @{name}({', '.join(args)})")

    def array(self, lines: list[str], qubits: list[str]) -> str:
        self.used.add("array")
        arr = self.fresh()
        lines.append(f"{arr} = call ptr @__quantum__rt__array_create_1d(i32 8, i64 {len(qubits)})")
        for i, q in enumerate(qubits):
            slot = self.fresh()
            lines.append(f"{slot} = call ptr @__quantum__rt__array_get_element_ptr_1d(ptr {arr}, i64 {i})")
            lines.append(f"store {q}, ptr {slot}")
        return arr

    def release(self, lines: list[str], arr: str) -> None:
        lines.append(f"call void @__quantum__rt__array_update_reference_count(ptr {arr}, i32 -1)")

    def controlled(self, lines: list[str], op: str, params: list[str], controls: list[str],
                   targets: list[str]) -> None:
        if op == "x" and len(controls) <= 2:
            self.call(lines, ["__quantum__qis__cnot__body", "__quantum__qis__ccx__body"][len(controls) - 1],
                      *controls, targets[0])
        elif op == "z" and len(controls) == 1:
            self.call(lines, "__quantum__qis__cz__body", *controls, targets[0])
        elif op in ("x", "y", "z", "h", "s", "t"):
            arr = self.array(lines, controls)
            self.call(lines, f"__quantum__qis__{op}__ctl", f"ptr {arr}", targets[0])
            self.release(lines, arr)
        elif op in ("rx", "ry", "rz"):
            arr = self.array(lines, controls)
            self.used.add("tuple")
            tup, slot = self.fresh(), self.fresh()
            lines.append(f"{tup} = call ptr @__quantum__rt__tuple_create(i64 16)")
            lines.append(f"store {params[0]}, ptr {tup}")
            lines.append(f"{slot} = getelementptr i8, ptr {tup}, i64 8")
            lines.append(f"store {targets[0]}, ptr {slot}")
            self.call(lines, f"__quantum__qis__{op}__ctl", f"ptr {arr}", f"ptr {tup}")
            lines.append(f"call void @__quantum__rt__tuple_update_reference_count(ptr {tup}, i32 -1)")
            self.release(lines, arr)
        elif op == "r1":
            # C^k-P(l) = C^k-Rz(l) followed by C^(k-1)-P(l/2) on the last control.
            self.controlled(lines, "rz", params, controls, targets)
            half = self.fresh()
            lines.append(f"{half} = fmul double {params[0].split()[-1]}, 5.000000e-01")
            if len(controls) == 1:
                self.call(lines, "__quantum__qis__rz__body", f"double {half}", controls[0])
            else:
                self.controlled(lines, "r1", [f"double {half}"], controls[:-1], controls[-1:])
        elif op == "swap":
            a, b = targets
            self.call(lines, "__quantum__qis__cnot__body", b, a)
            self.controlled(lines, "x", [], controls + [a], [b])
            self.call(lines, "__quantum__qis__cnot__body", b, a)
        else:
            raise ValueError(f"no twin for a controlled {op}")


DECLARATIONS = {
    "__quantum__qis__cnot__body": "declare void @__quantum__qis__cnot__body(ptr, ptr)",
    "__quantum__qis__ccx__body": "declare void @__quantum__qis__ccx__body(ptr, ptr, ptr)",
    "__quantum__qis__cz__body": "declare void @__quantum__qis__cz__body(ptr, ptr)",
    "__quantum__qis__rz__body": "declare void @__quantum__qis__rz__body(double, ptr)",
    "__quantum__qis__ry__body": "declare void @__quantum__qis__ry__body(double, ptr)",
    "array": "declare ptr @__quantum__rt__array_create_1d(i32, i64)\n"
             "declare ptr @__quantum__rt__array_get_element_ptr_1d(ptr, i64)\n"
             "declare void @__quantum__rt__array_update_reference_count(ptr, i32)",
    "tuple": "declare ptr @__quantum__rt__tuple_create(i64)\n"
             "declare void @__quantum__rt__tuple_update_reference_count(ptr, i32)",
}


def twin(qir: str) -> tuple[str | None, list[str]]:
    """The module qirrunner runs instead of `qir` (None when it runs `qir` itself), and the
    edits."""
    emitter = Emitter()
    edits: list[str] = []

    def invoke(m: re.Match) -> str:
        indent, args = m[1], split_args(m[2])
        n_params, n_arrays, n_controls, n_targets = (int(a.split()[1]) for a in args[:4])
        if n_arrays:
            raise ValueError("control arrays are not supported by the twin")
        op = re.match(r"ptr @__quantum__qis__(\w+)__ctl$", args[4])[1]
        rest = args[5:]
        params, rest = rest[:n_params], rest[n_params:]
        controls, targets = rest[:n_controls], rest[n_controls:n_controls + n_targets]
        lines: list[str] = []
        emitter.controlled(lines, op, params, controls, targets)
        return "\n".join(indent + line for line in lines)

    text = INVOKE.sub(invoke, qir)
    if text != qir:
        edits.append("generalizedInvokeWithRotationsControlsTargets calls replaced by cnot, cz, ccx or the "
                     "array-based controlled intrinsics of the QIR runtime (a controlled r1 by a controlled "
                     "rz and an rz of half the angle on the control, a controlled swap by cnot, a "
                     "controlled x and cnot)")
        text = re.sub(r"^declare void @generalizedInvokeWithRotationsControlsTargets\(.*\n", "", text, flags=re.M)
        text = re.sub(r"^declare void @__quantum__qis__\w+__ctl\(.*\n", "", text, flags=re.M)
    before = text
    text = re.sub(r"@__quantum__qis__r1__body\(", "@__quantum__qis__rz__body(", text)
    if text != before:
        edits.append("r1 replaced by rz (equal up to a global phase)")
        emitter.used.add("__quantum__qis__rz__body")
        text = re.sub(r"^declare void @__quantum__qis__rz__body\(double, ptr\)\n", "", text, flags=re.M)

    def u3(m: re.Match) -> str:
        indent, theta, phi, lam, q = m[1], m[2], m[3], m[4], m[5]
        emitter.used.update(["__quantum__qis__rz__body", "__quantum__qis__ry__body"])
        return (f"{indent}call void @__quantum__qis__rz__body({lam}, {q})\n"
                f"{indent}call void @__quantum__qis__ry__body({theta}, {q})\n"
                f"{indent}call void @__quantum__qis__rz__body({phi}, {q})")

    text, n = re.subn(r"^(\s*)call void @__quantum__qis__u3__body\((double [^,]+), (double [^,]+), "
                      r"(double [^,]+), (ptr [^)]*\)?)\)", u3, text, flags=re.M)
    if n:
        edits.append("u3(t, p, l) replaced by rz(l) ry(t) rz(p) (equal up to a global phase)")
    text = callable_entry_point(text, edits)
    if not edits:
        return None, []
    text = re.sub(r"^declare void @__quantum__qis__(r1|u3)__body\(.*\n", "", text, flags=re.M)
    for name in sorted(emitter.used):
        declaration = DECLARATIONS.get(name)
        if name.endswith("__ctl"):
            declaration = f"declare void @{name}(ptr, ptr)"
        for line in (declaration or "").splitlines():
            if line not in text:
                text += "\n" + line + "\n"
    return text, edits


ENTRY = re.compile(r"^define (\S+) @(\S+)\((.*)\) #(\d+) \{", re.M)


def callable_entry_point(text: str, edits: list[str]) -> str:
    """qirrunner runs only an entry point without parameters that returns void: CUDA-Q gives
    some kernels a `{ ptr, ptr }` parameter and a kernel that returns a value a return type.
    Such an entry point becomes an ordinary function, called (with zeroed arguments) by a new
    entry point that has its attributes."""
    m = ENTRY.search(text)
    if m is None or (m[1] == "void" and not m[3]):
        return text
    ret, name, params, group = m[1], m[2], m[3], m[4]
    args = ", ".join(f"{p.rsplit(' ', 1)[0]} zeroinitializer" for p in split_args(params)) if params else ""
    text = text[:m.start()] + f"define {ret} @{name}({params}) {{" + text[m.end():]
    call = f"call {ret} @{name}({args})" if ret == "void" else f"%r = call {ret} @{name}({args})"
    text += f"\ndefine void @twin.entry() #{group} {{\n  {call}\n  ret void\n}}\n"
    edits.append("the entry point (which has parameters or returns a value) made an ordinary function "
                 "called by a new entry point with no parameters that returns void")
    return text


# ---- translation -----------------------------------------------------------------------------

FORMATS = {"cudaq-base": "qir-base", "cudaq-adaptive": "qir-adaptive"}


def programs() -> list[Program]:
    version = metadata.version("cudaq")
    made = []
    for kernel, deterministic, description in KERNELS:
        name = kernel.name if hasattr(kernel, "name") else kernel.__name__
        for folder, fmt in FORMATS.items():
            try:
                qir = cudaq.translate(kernel, format=fmt)
            except Exception as error:  # cudaq's own error types
                print(f"SKIPPED {folder}/{name}: {str(error).splitlines()[0]}")
                continue
            twin_qir, edits = twin(qir)
            made.append(Program(
                folder=folder,
                name=name,
                qir=qir,
                description=description,
                deterministic=deterministic,
                provenance={
                    "producer": "cudaq",
                    "producer_version": f"cudaq {version}",
                    "target_profile": fmt,
                    "source": f"{SOURCE}:{name}",
                },
                twin=twin_qir,
                edits=edits,
            ))
    return made
