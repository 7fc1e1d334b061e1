#!/usr/bin/env python3
"""Regenerates the golden files of the extended mode's constructs, under tests/data/extended/.

Every NAME.ll there is hand-written or, as its first comment line says, written by a producer.
Beside it this writes:
- NAME.qasm: the extended-mode translation, or NAME.err: its message;
- NAME.reference.json, for a program that translates: the measurement statistics of the QIR
  itself from the qirrunner QIR simulator, in the form of the producer corpus's references
  (tools/producers/generate.py). qirrunner lacks the barrier intrinsics with operands; a barrier
  does not change the state, so it simulates the program with its barriers removed
  ("simulated_module": "twin"). A reference that lists "edits" was made from a twin written
  by the producer corpus's tools, and is kept. A program whose leading comments say
  `; no reference: why` (it calls gates that qirrunner lacks) gets none.

A program is taken as deterministic when all its shots record the same bits.

Needs: pip install qirrunner, and the brintavel package itself (pip install .).
Usage: python tools/producers/extended_goldens.py [--translations-only | --add-records]
  --translations-only    rewrite only NAME.qasm / NAME.err, keeping the references
  --add-records          rerun each reference's simulation and add its "records" (the output
                         records of the shots, as generate.py writes them)
"""

from __future__ import annotations

import argparse
import json
import re
import sys
from importlib import metadata
from pathlib import Path

HERE = Path(__file__).resolve().parent
ROOT = HERE.parents[1]
DATA = ROOT / "tests" / "data" / "extended"
SHOTS = 2000

sys.path.insert(0, str(HERE))
from generate import add_records, recorded_results, run_reference_records, seed_for, write_outcome  # noqa: E402


BARRIER = re.compile(r"^\s*(?:call|declare) void @__quantum__qis__barrier\d*__body\(.*\n", re.M)


def write_reference(stem: Path, qir: str) -> None:
    name = f"extended/{stem.name}"
    twin = BARRIER.sub("", qir)
    seed = seed_for(name)
    counts, ignored, records = run_reference_records(twin, SHOTS, seed)
    reference = {
        "program": name,
        "simulator": "qirrunner",
        "simulator_version": metadata.version("qirrunner"),
        "simulated_module": "this" if twin == qir else "twin",
        "shots": SHOTS,
        "seed": seed,
        "outputs": recorded_results(qir),
        "uncompared_outputs": ignored,
        "deterministic": len(counts) == 1,
        "counts": counts,
        "records": records,
    }
    stem.with_name(stem.name + ".reference.json").write_text(json.dumps(reference, indent=2) + "\n")


def without_reference(qir: str) -> bool:
    for line in qir.splitlines():
        if not line.startswith(";"):
            return False
        if line.startswith("; no reference:"):
            return True
    return False


def made_from_a_corpus_twin(reference: Path) -> bool:
    return reference.exists() and bool(json.loads(reference.read_text()).get("edits"))


def main(argv: list[str] | None = None) -> int:
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--translations-only", action="store_true")
    parser.add_argument("--add-records", action="store_true")
    args = parser.parse_args(argv)
    if args.add_records:
        for path in sorted(DATA.glob("*.ll")):
            reference = path.with_name(path.stem + ".reference.json")
            if reference.exists() and not made_from_a_corpus_twin(reference):
                add_records(reference, BARRIER.sub("", path.read_text()))
                print(f"{path.stem}: records added")
        return 0
    for path in sorted(DATA.glob("*.ll")):
        stem = path.with_suffix("")
        qir = path.read_text()
        translated = write_outcome(stem.with_suffix(".qasm"), stem.with_suffix(".err"), qir, True)
        reference = stem.with_name(stem.name + ".reference.json")
        if not translated or without_reference(qir):
            reference.unlink(missing_ok=True)
        elif made_from_a_corpus_twin(reference):
            pass
        elif not args.translations_only or not reference.exists():
            write_reference(stem, qir)
        print(f"{stem.name}: {'translated' if translated else 'refused'}")
    # The producers' corpora (extended_corpus.py writes their QIR and references).
    for path in sorted(DATA.glob("*/*.ll")):
        stem = path.with_suffix("")
        translated = write_outcome(stem.with_suffix(".qasm"), stem.with_suffix(".err"), path.read_text(), True)
        print(f"{path.parent.name}/{stem.name}: {'translated' if translated else 'refused'}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
