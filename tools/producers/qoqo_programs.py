"""qoqo circuits converted to QIR by qoqo-qir's QirBackend, for the extended-mode corpus (folder
qoqo/).

qoqo-qir 0.3 writes only its base profile (it refuses "adaptive_profile"), yet converts a
PragmaConditional into a branch on read_result. It defines a helper function in the module for
each gate it decomposes (@cp, @rxy, @swap, @ccz, @rxx, @iswap, ...; external linkage, called
from the entry point) and records no output at all: the module has no *_record_output call,
so qirrunner prints no OUTPUT line and every shot's records text is empty. The reference
statistics are therefore a single empty outcome; they still check that the module runs.
Some modules are not valid LLVM as written (an intrinsic called without a declaration, helper
parameters without %); qirrunner runs a repaired twin (see `twin`).

Virtual environment (outside the repository):
  python3 -m venv /work/venvs/qoqo
  /work/venvs/qoqo/bin/pip install "qoqo-qir==0.3.0" "qirrunner==0.9.7" "pyqir==0.12.7"
Run: /work/venvs/qoqo/bin/python tools/producers/extended_corpus.py --producer qoqo
"""

from __future__ import annotations

import re
from importlib import metadata

import qoqo_qir
from qoqo import Circuit
from qoqo import operations as ops

from extended_corpus import Program

SOURCE = "tools/producers/qoqo_programs.py"


def ghz() -> Circuit:
    """A five-qubit GHZ state, every qubit measured into the register ro."""
    c = Circuit() + ops.DefinitionBit("ro", 5, True) + ops.Hadamard(0)
    for i in range(4):
        c += ops.CNOT(i, i + 1)
    for i in range(5):
        c += ops.MeasureQubit(i, "ro", i)
    return c


def teleport() -> Circuit:
    """Teleportation of RotateY(1.1)|0> with X and Z corrections in PragmaConditional blocks on
    the two measured bits (branches in a base-profile module)."""
    c = Circuit() + ops.DefinitionBit("ro", 3, True)
    c += ops.RotateY(0, 1.1)
    c += ops.Hadamard(1)
    c += ops.CNOT(1, 2)
    c += ops.CNOT(0, 1)
    c += ops.Hadamard(0)
    c += ops.MeasureQubit(0, "ro", 0)
    c += ops.MeasureQubit(1, "ro", 1)
    c += ops.PragmaConditional("ro", 1, Circuit() + ops.PauliX(2))
    c += ops.PragmaConditional("ro", 0, Circuit() + ops.PauliZ(2))
    c += ops.RotateY(2, -1.1)
    c += ops.MeasureQubit(2, "ro", 2)
    return c


def qft() -> Circuit:
    """A four-qubit QFT with ControlledPhaseShift gates (each a call of the module's @cp helper)
    and SWAPs, on the basis state 0101."""
    c = Circuit() + ops.DefinitionBit("ro", 4, True) + ops.PauliX(1) + ops.PauliX(3)
    for i in range(4):
        c += ops.Hadamard(i)
        for j in range(i + 1, 4):
            c += ops.ControlledPhaseShift(j, i, 3.141592653589793 / 2 ** (j - i))
    c += ops.SWAP(0, 3)
    c += ops.SWAP(1, 2)
    for i in range(4):
        c += ops.MeasureQubit(i, "ro", i)
    return c


def grover() -> Circuit:
    """Grover search over three qubits for 101, two iterations, with ControlledControlledPauliZ
    in the oracle and the diffusion."""
    c = Circuit() + ops.DefinitionBit("ro", 3, True)
    for i in range(3):
        c += ops.Hadamard(i)
    for _ in range(2):
        c += ops.PauliX(1)
        c += ops.ControlledControlledPauliZ(0, 1, 2)
        c += ops.PauliX(1)
        for i in range(3):
            c += ops.Hadamard(i)
            c += ops.PauliX(i)
        c += ops.ControlledControlledPauliZ(0, 1, 2)
        for i in range(3):
            c += ops.PauliX(i)
            c += ops.Hadamard(i)
    for i in range(3):
        c += ops.MeasureQubit(i, "ro", i)
    return c


def interactions() -> Circuit:
    """Two-qubit interactions that qoqo-qir decomposes into helper functions: MolmerSorensenXX,
    VariableMSXX, ISwap, XY, PMInteraction, ControlledPauliY, RotateXY and a doubly controlled
    phase shift."""
    c = Circuit() + ops.DefinitionBit("ro", 3, True)
    c += ops.Hadamard(0)
    c += ops.RotateXY(1, 0.4, 0.3)
    c += ops.MolmerSorensenXX(0, 1)
    c += ops.VariableMSXX(1, 2, 0.6)
    c += ops.ISwap(0, 2)
    c += ops.XY(1, 2, 0.5)
    c += ops.PMInteraction(0, 1, 0.7)
    c += ops.ControlledPauliY(2, 0)
    c += ops.ControlledControlledPhaseShift(0, 1, 2, 0.9)
    c += ops.SqrtPauliX(1)
    c += ops.InvSqrtPauliX(2)
    c += ops.PhaseShiftState1(0, 0.2)
    for i in range(3):
        c += ops.MeasureQubit(i, "ro", i)
    return c


def repetition_code() -> Circuit:
    """One round of syndrome extraction on a three-qubit bit-flip code with a partial error;
    each syndrome bit conditions a correction (PragmaConditional) and the data is measured."""
    c = Circuit() + ops.DefinitionBit("syn", 2, True) + ops.DefinitionBit("ro", 3, True)
    c += ops.PauliX(0)
    c += ops.CNOT(0, 1)
    c += ops.CNOT(0, 2)
    c += ops.RotateX(1, 0.8)
    c += ops.CNOT(0, 3)
    c += ops.CNOT(1, 3)
    c += ops.CNOT(1, 4)
    c += ops.CNOT(2, 4)
    c += ops.MeasureQubit(3, "syn", 0)
    c += ops.MeasureQubit(4, "syn", 1)
    c += ops.PragmaConditional("syn", 0, Circuit() + ops.PauliX(0))
    c += ops.PragmaConditional("syn", 1, Circuit() + ops.PauliX(2))
    for i in range(3):
        c += ops.MeasureQubit(i, "ro", i)
    return c


CIRCUITS = [ghz, teleport, qft, grover, interactions, repetition_code]


def twin(qir: str) -> tuple[str | None, list[str]]:
    """qoqo-qir writes some modules that LLVM rejects; the twin repairs them (None when the
    module is valid as written)."""
    text, edits = qir, []
    # Helper functions whose parameters (and their uses) lack the % of a local name.
    fixed = re.sub(r"(%Qubit\*|double) (?!inttoptr\b|null\b|nonnull\b)([A-Za-z_]\w*)", r"\1 %\2", text)
    if fixed != text:
        text = fixed
        edits.append("the parameters of a helper function written without % (`%Qubit* qubit0`, which LLVM "
                     "rejects), in its definition and its body, given it")
    for name in sorted(set(re.findall(r"call void @(__quantum__qis__\w+)\(", text))):
        if f"declare void @{name}(" not in text and f"define void @{name}(" not in text:
            args = re.search(rf"call void @{name}\(([^)]*(?:\([^)]*\))?[^)]*)\)", text)[1]
            types = ", ".join("double" if a.strip().startswith("double") else "%Qubit*"
                              for a in args.split(", ") if a.strip().startswith(("double", "%Qubit*")))
            text += f"\ndeclare void @{name}({types})\n"
            edits.append(f"a declaration of @{name}, which the module calls without declaring it")
    return (text if edits else None), edits


def programs() -> list[Program]:
    version = f"qoqo-qir {metadata.version('qoqo-qir')} (qoqo {metadata.version('qoqo')})"
    backend = qoqo_qir.QirBackend()
    made = []
    for build in CIRCUITS:
        qir = backend.circuit_to_qir_str(build())
        twin_qir, edits = twin(qir)
        made.append(Program(
            folder="qoqo",
            name=build.__name__,
            qir=qir,
            twin=twin_qir,
            edits=edits,
            description=" ".join(build.__doc__.split()) + " The module records no output.",
            deterministic=True,  # nothing is recorded: every shot prints the same (empty) records
            provenance={
                "producer": "qoqo-qir",
                "producer_version": version,
                "target_profile": "base_profile",
                "source": f"{SOURCE}:{build.__name__}",
            },
        ))
    return made
