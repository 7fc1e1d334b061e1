"""Runs QIR on the `qirrunner` QIR simulator and counts its recorded result bits, and the
output records of its shots."""

from __future__ import annotations

import re
import tempfile
from pathlib import Path

RECORD_RESULT = re.compile(
    r"call void @__quantum__rt__result_record_output\(\s*(?:%Result\*|ptr)\s+"
    r"(null|inttoptr \(i64 (\d+) to (?:%Result\*|ptr)\))"
)


def recorded_results(qir: str) -> list[int]:
    """The result index of every result_record_output call, in text order (which producers
    make the recording order: all recording happens in the final block)."""
    return [0 if m.group(1) == "null" else int(m.group(2)) for m in RECORD_RESULT.finditer(qir)]


def run_shots(qir: str, shots: int, seed: int) -> list[list[str]]:
    """The OUTPUT lines of every shot, as qirrunner prints them (tab-separated, labels kept)."""
    import qirrunner

    lines: list[str] = []
    with tempfile.TemporaryDirectory() as tmp:
        path = Path(tmp) / "program.ll"
        path.write_text(qir)
        qirrunner.run(str(path), shots=shots, rng_seed=seed, output_fn=lambda o: lines.append(str(o)))
    runs: list[list[str]] = []
    current: list[str] | None = None
    for line in "".join(lines).splitlines():
        fields = line.split("\t")
        if fields[0] == "START":
            current = []
        elif fields[0] == "OUTPUT":
            assert current is not None
            if len(fields) < 3 or fields[1] not in ("RESULT", "INT", "BOOL", "DOUBLE", "ARRAY", "TUPLE"):
                raise RuntimeError(f"unexpected output record {line!r}")
            current.append(line)
        elif fields[0] == "END":
            if fields[1:2] != ["0"] or current is None:
                raise RuntimeError(f"the simulation failed: {line!r}")
            runs.append(current)
            current = None
    if len(runs) != shots:
        raise RuntimeError(f"expected {shots} shots, got {len(runs)}")
    return runs


def run_reference(qir: str, shots: int, seed: int) -> tuple[dict[str, int], list[str]]:
    """Counts of the recorded result bits over the shots (keyed by the bits in recording
    order), and the kinds of the other recorded values (integers, Booleans, doubles), which
    are left out of the counts."""
    counts, ignored, _ = run_reference_records(qir, shots, seed)
    return counts, ignored


def run_reference_records(qir: str, shots: int, seed: int) -> tuple[dict[str, int], list[str], dict[str, int]]:
    """run_reference's counts and kinds, and how often each shot printed each sequence of
    output records (its OUTPUT lines joined with newlines)."""
    counts: dict[str, int] = {}
    records: dict[str, int] = {}
    ignored: set[str] = set()
    for lines in run_shots(qir, shots, seed):
        fields = [line.split("\t") for line in lines]
        key = "".join(f[2] for f in fields if f[1] == "RESULT")
        ignored.update(f[1] for f in fields if f[1] in ("INT", "BOOL", "DOUBLE"))
        counts[key] = counts.get(key, 0) + 1
        text = "\n".join(lines)
        records[text] = records.get(text, 0) + 1
    return dict(sorted(counts.items())), sorted(ignored), dict(sorted(records.items()))
