#!/usr/bin/env python3
"""Regenerates the corpus of QIR written by real producers, under tests/data/producers/.

For every program this writes, beside each other:
- NAME.ll: the QIR exactly as the producer wrote it;
- NAME.qasm: the translator's exact output, or NAME.err: its exact error message, and for a
  program it refuses, NAME.extended.qasm or NAME.extended.err: the same in extended mode;
- NAME.reference.json: the measurement statistics of the QIR itself, from a QIR simulator.

Producers:
- qsharp-base/, qsharp-adaptive/: the Q# programs of tools/producers/qsharp/*.qs compiled by the
  `qsharp` package for the base profile and the adaptive profile (Adaptive_RI, or Adaptive_RIF
  for programs that ask for it). A program's first comment lines say which profiles it is
  compiled for (`// profiles: base adaptive`), whether its recorded results are deterministic
  (`// deterministic: yes`), and what it does.
- qsharp-adaptive-normalized/: the same adaptive programs with one textual edit, the `zeroext`
  return attribute removed from call instructions (`call zeroext i1 @...` becomes
  `call i1 @...`), so that the rest of each program is still checked while the translator does
  not read return attributes on calls. The edit is recorded in the reference file.
- pyqir/: the modules built by tools/producers/pyqir_programs.py (opaque pointers).

Reference statistics: the `qirrunner` QIR simulator runs NAME.ll (or, for a pyqir program that
calls intrinsics the simulator lacks, the twin module its builder makes for the reference) for
a fixed number of shots with a seed derived from the program's name. The counts are keyed by
the recorded result bits in recording order; "outputs" lists the result index of each recorded
bit, so a simulation of the translated program can read the same bits from c[index]. Recorded
integers, Booleans and doubles are left out of the counts (their kinds are listed in
"uncompared_outputs"); "records" counts each shot's output records whole, as the simulator
prints them (its OUTPUT lines, tab-separated, labels kept, joined with newlines), which the
record map of a translation reproduces from the register c.

Needs: pip install qsharp pyqir qirrunner, and the brintavel package itself (pip install .).
Usage: python tools/producers/generate.py [--only NAME ...] [--translations-only]
  --only NAME            regenerate only the programs whose corpus name (e.g. pyqir/while_loop)
                         or base name matches
  --translations-only    keep every NAME.ll and reference, rewrite only NAME.qasm / NAME.err
                         (needs no producer: use it after a deliberate translator change)
  --add-records          keep every NAME.ll, rerun each reference's simulation and add its
                         "records" (needs pyqir for the twins of pyqir programs)
"""

from __future__ import annotations

import argparse
import json
import os
import re
import sys
import zlib
from dataclasses import dataclass, field
from importlib import metadata
from pathlib import Path
from typing import Callable

ROOT = Path(__file__).resolve().parents[2]
HERE = Path(__file__).resolve().parent
DATA = ROOT / "tests" / "data" / "producers"
QSHARP_SOURCES = HERE / "qsharp"

SHOTS = 2000
DETERMINISTIC_SHOTS = 200
NORMALIZATION = "removed the 'zeroext' return attribute from call instructions"

os.environ.setdefault("QDK_PYTHON_TELEMETRY", "none")
os.environ.setdefault("QSHARP_PYTHON_TELEMETRY", "none")

from brintavel import BrintavelError, translate  # noqa: E402

sys.path.insert(0, str(ROOT / "tests" / "python"))
from qasm_check.reference import recorded_results, run_reference, run_reference_records  # noqa: E402


@dataclass
class CorpusProgram:
    """One corpus entry: where it goes, how to make its QIR, and what it is."""

    name: str  # e.g. "pyqir/while_loop"
    make_qir: Callable[[], str | None]  # None: the program does not exist in this variant
    deterministic: bool
    description: str
    provenance: dict
    make_reference_qir: Callable[[], str] | None = None
    edits: list[str] = field(default_factory=list)


# ---- the producers ---------------------------------------------------------------------------

QSHARP_TARGETS = {"base": "Base", "adaptive": "Adaptive_RI", "adaptive_rif": "Adaptive_RIF"}


def read_qsharp_header(path: Path) -> dict[str, str]:
    """The `// key: value` lines at the top of a Q# source; other leading comment lines are the
    description."""
    header: dict[str, str] = {}
    description = []
    for line in path.read_text().splitlines():
        if not line.startswith("//"):
            break
        text = line[2:].strip()
        key, sep, value = text.partition(":")
        if sep and key in ("profiles", "deterministic"):
            header[key] = value.strip()
        else:
            description.append(text)
    header["description"] = " ".join(description)
    return header


_compiled: dict[tuple[str, str], str] = {}


def compile_qsharp(source: str, target: str) -> str:
    if (source, target) in _compiled:
        return _compiled[source, target]
    import warnings

    warnings.filterwarnings("ignore", category=DeprecationWarning)
    import qsharp

    qsharp.init(target_profile=getattr(qsharp.TargetProfile, target))
    qsharp.eval(source)
    _compiled[source, target] = str(qsharp.compile("Main()"))
    return _compiled[source, target]


def qsharp_programs() -> list[CorpusProgram]:
    programs = []
    version = metadata.version("qsharp")
    try:  # recent qsharp releases are a thin layer over the qdk package, which holds the compiler
        version += f" (qdk {metadata.version('qdk')})"
    except metadata.PackageNotFoundError:
        pass
    for path in sorted(QSHARP_SOURCES.glob("*.qs")):
        header = read_qsharp_header(path)
        profiles = header["profiles"].split()
        deterministic = header.get("deterministic", "no") == "yes"
        source = path.read_text()
        for profile in profiles:
            target = QSHARP_TARGETS[profile]
            provenance = {
                "producer": "qsharp",
                "producer_version": version,
                "target_profile": target,
                "source": str(path.relative_to(ROOT)),
            }
            make = (lambda s=source, t=target: compile_qsharp(s, t))
            directory = "qsharp-base" if profile == "base" else "qsharp-adaptive"
            programs.append(
                CorpusProgram(f"{directory}/{path.stem}", make, deterministic, header["description"],
                              provenance)
            )
            if profile != "base":
                programs.append(
                    CorpusProgram(
                        f"qsharp-adaptive-normalized/{path.stem}",
                        lambda m=make: normalize_return_attributes(m()),
                        deterministic,
                        header["description"],
                        provenance,
                        edits=[NORMALIZATION],
                    )
                )
    return programs


def normalize_return_attributes(qir: str) -> str | None:
    """The QIR without `zeroext` after `call`, or None when it has none (nothing to check)."""
    normalized = re.sub(r"\bcall zeroext ", "call ", qir)
    return None if normalized == qir else normalized


def pyqir_programs() -> list[CorpusProgram]:
    sys.path.insert(0, str(HERE))
    import pyqir_programs

    version = metadata.version("pyqir")
    programs = []
    for program in pyqir_programs.PROGRAMS:
        provenance = {
            "producer": "pyqir",
            "producer_version": version,
            "source": f"{HERE.relative_to(ROOT)}/pyqir_programs.py:{program.build.__name__}",
        }
        reference = (lambda b=program.build: b(reference=True)) if program.has_reference_module else None
        programs.append(
            CorpusProgram(f"pyqir/{program.name}", program.build, program.deterministic,
                          program.description, provenance, make_reference_qir=reference)
        )
    return programs


# ---- translation and reference -----------------------------------------------------------------

def seed_for(name: str) -> int:
    return zlib.crc32(name.encode()) & 0x7FFFFFFF


def write_outcome(qasm: Path, err: Path, qir: str, extended: bool) -> bool:
    """The translation into `qasm` or the message into `err`; whether the program translates."""
    try:
        output = translate(qir, extended=extended)
    except BrintavelError as error:
        qasm.unlink(missing_ok=True)
        err.write_text(f"{error}\n")
        return False
    err.unlink(missing_ok=True)
    qasm.write_text(output)
    return True


def write_translation(stem: Path, qir: str) -> None:
    """NAME.qasm or NAME.err, and where the default mode refuses the program, its extended-mode
    translation NAME.extended.qasm or message NAME.extended.err."""
    extended = stem.with_suffix(".extended.qasm"), stem.with_suffix(".extended.err")
    if write_outcome(stem.with_suffix(".qasm"), stem.with_suffix(".err"), qir, extended=False):
        for path in extended:
            path.unlink(missing_ok=True)
    else:
        write_outcome(*extended, qir, extended=True)


def generate(program: CorpusProgram) -> bool:
    """Writes the program's files; False when the program does not exist in its variant."""
    stem = DATA / program.name
    qir = program.make_qir()
    if qir is None:
        return False
    stem.parent.mkdir(parents=True, exist_ok=True)
    stem.with_suffix(".ll").write_text(qir)
    write_translation(stem, qir)

    shots = DETERMINISTIC_SHOTS if program.deterministic else SHOTS
    seed = seed_for(program.name)
    reference_qir = program.make_reference_qir() if program.make_reference_qir else qir
    counts, ignored, records = run_reference_records(reference_qir, shots, seed)
    outputs = recorded_results(qir)
    if any(len(key) != len(outputs) for key in counts):
        raise RuntimeError(f"{program.name}: recorded bits do not match the record calls {outputs}")
    if program.deterministic and len(counts) != 1:
        raise RuntimeError(f"{program.name} is declared deterministic but gave {counts}")
    reference = {
        "program": program.name,
        "description": program.description,
        **program.provenance,
        "edits": program.edits,
        "simulator": "qirrunner",
        "simulator_version": metadata.version("qirrunner"),
        "simulated_module": "twin" if program.make_reference_qir else "this",
        "shots": shots,
        "seed": seed,
        "outputs": outputs,
        "uncompared_outputs": ignored,
        "deterministic": program.deterministic,
        "counts": counts,
        "records": records,
    }
    stem.with_name(stem.name + ".reference.json").write_text(json.dumps(reference, indent=2) + "\n")
    return True


def add_records(path: Path, reference_qir: str) -> None:
    """Adds "records" to the reference at `path` by running the simulation it records again
    (same module, shots and seed), checking that the counts come out the same."""
    reference = json.loads(path.read_text())
    counts, _, records = run_reference_records(reference_qir, reference["shots"], reference["seed"])
    if counts != reference["counts"]:
        raise RuntimeError(f"{path}: the simulation no longer gives the recorded counts")
    reference["records"] = records
    path.write_text(json.dumps(reference, indent=2) + "\n")


def main(argv: list[str] | None = None) -> int:
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--only", nargs="+", metavar="NAME")
    parser.add_argument("--translations-only", action="store_true")
    parser.add_argument("--add-records", action="store_true")
    args = parser.parse_args(argv)

    def selected(name: str) -> bool:
        return not args.only or any(o in (name, name.split("/")[-1]) for o in args.only)

    if args.add_records:
        twins = {p.name: p.make_reference_qir for p in pyqir_programs() if p.make_reference_qir}
        for path in sorted(DATA.rglob("*.ll")):
            name = str(path.relative_to(DATA).with_suffix(""))
            if selected(name):
                make_twin = twins.get(name)
                add_records(path.with_name(path.stem + ".reference.json"),
                            make_twin() if make_twin else path.read_text())
                print("records added", name)
        return 0

    if args.translations_only:
        for path in sorted(DATA.rglob("*.ll")):
            name = str(path.relative_to(DATA).with_suffix(""))
            if selected(name):
                write_translation(path.with_suffix(""), path.read_text())
                print("translated", name)
        return 0

    programs = [p for p in qsharp_programs() + pyqir_programs() if selected(p.name)]
    written = set()
    for program in programs:
        stem = DATA / program.name
        if generate(program):
            written.add(stem)
            status = "translated" if stem.with_suffix(".qasm").exists() else "rejected"
            print(f"{program.name}: {status}")
    # Drop the files of programs that no longer exist (all of them on a full run; the selected
    # ones otherwise).
    for path in sorted(DATA.rglob("*")):
        stem = path.with_name(path.name.split(".")[0])
        name = str(stem.relative_to(DATA))
        if path.is_file() and stem not in written and (not args.only or selected(name)):
            path.unlink()
    return 0


if __name__ == "__main__":
    sys.exit(main())
