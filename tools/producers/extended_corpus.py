#!/usr/bin/env python3
"""Regenerates the extended-mode corpora of QIR written by real producers, under
tests/data/extended/<folder>/, one producer at a time.

Each producer has a script beside this one that builds its programs with the producer's own
package; its docstring says how to make the virtual environment it runs in:
  cudaq   cudaq_programs.py    -> cudaq-base/, cudaq-adaptive/
  guppy   guppy_programs.py    -> guppy/
  qdk     qdk_programs.py      -> qdk-base/, qdk-adaptive-ri/, qdk-adaptive-rif/, qdk-adaptive/
  pytket  pytket_programs.py   -> pytket/, pytket-adaptive/
  qoqo    qoqo_programs.py     -> qoqo/

For every program this writes, beside each other:
- NAME.ll: the QIR exactly as the producer wrote it (bitcode disassembled with pyqir);
- NAME.reference.json: the measurement statistics of the QIR, in the form of the producer
  corpus's references (generate.py), plus "records": how often each shot printed each sequence
  of output records (the OUTPUT lines of the qirrunner simulator, tab-separated as printed,
  labels kept, joined with newlines).
The qirrunner simulator runs NAME.ll itself, or, where it lacks a function the program calls, a
twin module in which only those calls are replaced by standard QIR ("simulated_module": "twin";
"edits" says what was replaced). Where no twin is possible, the producer's own simulator gives
the statistics ("simulator" names it). The translations (NAME.qasm / NAME.err) are not written
here.

Usage, inside the producer's virtual environment:
  python tools/producers/extended_corpus.py --producer NAME [--only PROGRAM ...]
"""

from __future__ import annotations

import argparse
import importlib
import json
import os
import subprocess
import sys
import tempfile
import types
from dataclasses import dataclass, field
from importlib import metadata
from pathlib import Path
from typing import Callable

HERE = Path(__file__).resolve().parent
ROOT = HERE.parents[1]
DATA = ROOT / "tests" / "data" / "extended"

PRODUCERS = {
    "cudaq": ("cudaq_programs", ["cudaq-base", "cudaq-adaptive"]),
    "guppy": ("guppy_programs", ["guppy"]),
    "qdk": ("qdk_programs", ["qdk-base", "qdk-adaptive-ri", "qdk-adaptive-rif", "qdk-adaptive"]),
    "pytket": ("pytket_programs", ["pytket", "pytket-adaptive"]),
    "qoqo": ("qoqo_programs", ["qoqo"]),
}

# generate.py imports the translator at its top, for the translations it writes, and the
# reference runner from the test-side package qasm_check, whose __init__ pulls in the OpenQASM
# simulator. This script writes no translation and needs only qasm_check/reference.py, so the
# producers' virtual environments need neither: the translator is stubbed where it is missing
# and qasm_check is entered without running its __init__.
try:
    import brintavel  # noqa: F401
except ImportError:
    _stub = types.ModuleType("brintavel")
    _stub.BrintavelError = type("BrintavelError", (Exception,), {})
    _stub.translate = None
    sys.modules["brintavel"] = _stub
_qasm_check = types.ModuleType("qasm_check")
_qasm_check.__path__ = [str(ROOT / "tests" / "python" / "qasm_check")]
sys.modules.setdefault("qasm_check", _qasm_check)

sys.path.insert(0, str(HERE))
from generate import DETERMINISTIC_SHOTS, SHOTS, recorded_results, run_reference, seed_for  # noqa: E402


@dataclass
class Simulation:
    """Statistics from a simulator other than qirrunner: the output records of every shot."""

    simulator: str
    simulator_version: str
    shots: list[str]  # one text per shot, in the "records" form
    note: str = ""  # how the records were made, added to the description


@dataclass
class Program:
    """One corpus program, as a producer script makes it."""

    folder: str  # e.g. "cudaq-adaptive"
    name: str  # file stem
    qir: str
    description: str
    deterministic: bool
    provenance: dict  # producer, producer_version, target_profile where it applies, source
    twin: str | None = None  # the module qirrunner runs instead of `qir`
    edits: list[str] = field(default_factory=list)  # what the twin replaces
    simulate: Callable[[int, int], Simulation] | None = None  # (shots, seed) -> statistics


def disassemble(bitcode: bytes) -> str:
    import pyqir

    return str(pyqir.Module.from_bitcode(pyqir.Context(), bitcode))


# ---- the qirrunner simulation ---------------------------------------------------------------

def qirrunner_shots(qir: str, shots: int, seed: int) -> list[str]:
    """The records text of every shot. qirrunner runs in a child process (this script with
    --qirrunner): a module it cannot run may crash it (a foreign target triple does), and it
    crashes in a process that has loaded another LLVM (cudaq's)."""
    with tempfile.TemporaryDirectory() as tmp:
        path = Path(tmp) / "program.ll"
        path.write_text(qir)
        done = subprocess.run([sys.executable, __file__, "--qirrunner", str(path), str(shots), str(seed)],
                              capture_output=True, text=True)
    if done.returncode != 0:
        raise RuntimeError(f"qirrunner failed ({done.returncode}): {done.stderr.strip()[-2000:]}")
    return json.loads(done.stdout)


def simulate_in_this_process(path: str, shots: int, seed: int) -> list[str]:
    """The records text of every shot, checked against the shared reference runner."""
    import qirrunner

    lines: list[str] = []
    qirrunner.run(path, shots=shots, rng_seed=seed, output_fn=lambda o: lines.append(str(o)))
    texts, current = [], None
    for line in "".join(lines).splitlines():
        kind = line.split("\t")[0]
        if kind == "START":
            current = []
        elif kind == "OUTPUT":
            current.append(line)
        elif kind == "END":
            if line != "END\t0" or current is None:
                raise RuntimeError(f"the simulation failed: {line!r}")
            texts.append("\n".join(current))
            current = None
    if len(texts) != shots:
        raise RuntimeError(f"expected {shots} shots, got {len(texts)}")
    # The shared reference runner must count the same result bits in the same run.
    counts = tally(result_bits(t) for t in texts)
    if run_reference(Path(path).read_text(), shots, seed) != (counts, other_kinds(texts)):
        raise RuntimeError("the shared reference runner counts differently")
    return texts


def result_bits(records: str) -> str:
    return "".join(line.split("\t")[2] for line in records.splitlines() if line.split("\t")[1] == "RESULT")


def other_kinds(texts: list[str]) -> list[str]:
    kinds = {line.split("\t")[1] for text in texts for line in text.splitlines()}
    return sorted(kinds & {"INT", "BOOL", "DOUBLE"})


def tally(items) -> dict[str, int]:
    counts: dict[str, int] = {}
    for item in items:
        counts[item] = counts.get(item, 0) + 1
    return dict(sorted(counts.items()))


# ---- writing ---------------------------------------------------------------------------------

def reference_for(program: Program) -> dict:
    corpus_name = f"extended/{program.folder}/{program.name}"
    shots = DETERMINISTIC_SHOTS if program.deterministic else SHOTS
    seed = seed_for(corpus_name)
    description = program.description
    if program.simulate is None:
        simulated = program.twin if program.twin is not None else program.qir
        texts = qirrunner_shots(simulated, shots, seed)
        counts = tally(result_bits(t) for t in texts)
        simulator, version = "qirrunner", metadata.version("qirrunner")
        module = "twin" if program.twin is not None else "this"
    else:
        simulation = program.simulate(shots, seed)
        texts = simulation.shots
        counts = tally(result_bits(t) for t in texts)
        simulator, version, module = simulation.simulator, simulation.simulator_version, "none"
        if simulation.note:
            description += " " + simulation.note
    records = tally(texts)
    outputs = recorded_results(program.qir)
    if program.simulate is None and any(len(key) != len(outputs) for key in counts):
        # Record calls on alternative paths or in a loop: the shots record different numbers
        # of results, so the counts' keys are not bit positions of `outputs`.
        description += (" The number of recorded results depends on the path a shot takes, so"
                         " the keys of \"counts\" do not line up with \"outputs\".")
    if program.deterministic and len(records) != 1:
        raise RuntimeError(f"{corpus_name} is declared deterministic but gave {records}")
    return {
        "program": corpus_name,
        "description": description,
        **program.provenance,
        "edits": program.edits,
        "simulator": simulator,
        "simulator_version": version,
        "simulated_module": module,
        "shots": shots,
        "seed": seed,
        "outputs": outputs,
        "uncompared_outputs": other_kinds(texts),
        "deterministic": program.deterministic,
        "counts": counts,
        "records": records,
    }


def write(program: Program) -> None:
    stem = DATA / program.folder / program.name
    reference = reference_for(program)
    stem.parent.mkdir(parents=True, exist_ok=True)
    stem.with_suffix(".ll").write_text(program.qir)
    stem.with_name(stem.name + ".reference.json").write_text(json.dumps(reference, indent=2) + "\n")


def main(argv: list[str] | None = None) -> int:
    argv = sys.argv[1:] if argv is None else argv
    if argv[:1] == ["--qirrunner"]:  # the child process of qirrunner_shots
        print(json.dumps(simulate_in_this_process(argv[1], int(argv[2]), int(argv[3]))))
        return 0
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--producer", required=True, choices=sorted(PRODUCERS))
    parser.add_argument("--only", nargs="+", metavar="PROGRAM", help="file stems to regenerate")
    args = parser.parse_args(argv)
    module_name, folders = PRODUCERS[args.producer]
    module = importlib.import_module(module_name)

    made, failed = set(), []
    for program in module.programs():
        if args.only and program.name not in args.only:
            continue
        assert program.folder in folders, program.folder
        made.add((program.folder, program.name))  # a failed program keeps its old files
        try:
            write(program)
        except Exception as error:  # report it and go on with the others
            failed.append(f"{program.folder}/{program.name}: {error}")
            print(f"FAILED {program.folder}/{program.name}: {error}", file=sys.stderr)
            continue
        print(f"{program.folder}/{program.name}")
    if not args.only:  # drop the files of programs that are no longer made
        for folder in folders:
            for path in sorted((DATA / folder).glob("*")):
                if path.is_file() and (folder, path.name.split(".")[0]) not in made:
                    path.unlink()
    if failed:
        print(f"{len(failed)} programs failed", file=sys.stderr)
    return 1 if failed else 0


if __name__ == "__main__":
    os.environ.setdefault("QDK_PYTHON_TELEMETRY", "none")
    os.environ.setdefault("QSHARP_PYTHON_TELEMETRY", "none")
    sys.exit(main())
