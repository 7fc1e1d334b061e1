#!/usr/bin/env python3
"""Writes NAME.reference.json beside every translated golden file of the extended mode
(tests/data/extended/NAME.ll with NAME.qasm): the measurement statistics of the QIR itself,
from the qirrunner QIR simulator, in the format of the producer corpus (see
tools/producers/generate.py), so that the golden translations are checked for meaning too.
A program whose sample shows one outcome only is recorded as deterministic.

Needs: pip install qirrunner, and the brintavel package itself (pip install .).
Usage: python tools/extended_references.py [NAME ...]
"""

from __future__ import annotations

import json
import sys
from importlib import metadata
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
DATA = ROOT / "tests" / "data" / "extended"
SHOTS = 2000

sys.path.insert(0, str(ROOT / "tools" / "producers"))
from generate import recorded_results, run_reference, seed_for  # noqa: E402


def main(argv: list[str]) -> int:
    for path in sorted(DATA.glob("*.ll")):
        if argv and path.stem not in argv:
            continue
        if not path.with_suffix(".qasm").exists():
            continue
        qir = path.read_text()
        name = f"extended/{path.stem}"
        seed = seed_for(name)
        counts, ignored = run_reference(qir, SHOTS, seed)
        reference = {
            "program": name,
            "simulator": "qirrunner",
            "simulator_version": metadata.version("qirrunner"),
            "shots": SHOTS,
            "seed": seed,
            "outputs": recorded_results(qir),
            "uncompared_outputs": ignored,
            "deterministic": len(counts) == 1,
            "counts": counts,
        }
        path.with_name(path.stem + ".reference.json").write_text(json.dumps(reference, indent=2) + "\n")
        print("recorded", name)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
