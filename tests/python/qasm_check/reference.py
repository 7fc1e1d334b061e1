"""Runs QIR on the `qirrunner` QIR simulator and counts its recorded result bits."""

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


def run_reference(qir: str, shots: int, seed: int) -> tuple[dict[str, int], list[str]]:
    """Counts of the recorded result bits over the shots (keyed by the bits in recording
    order), and the kinds of the other recorded values (integers, Booleans, doubles), which
    are left out of the counts."""
    import qirrunner

    lines: list[str] = []
    with tempfile.TemporaryDirectory() as tmp:
        path = Path(tmp) / "program.ll"
        path.write_text(qir)
        qirrunner.run(str(path), shots=shots, rng_seed=seed, output_fn=lambda o: lines.append(str(o)))
    counts: dict[str, int] = {}
    ignored: set[str] = set()
    bits: list[str] | None = None
    for line in "".join(lines).splitlines():
        fields = line.split("\t")
        if fields[0] == "START":
            bits = []
        elif fields[0] == "OUTPUT":
            assert bits is not None
            if fields[1] == "RESULT":
                bits.append(fields[2])
            elif fields[1] in ("INT", "BOOL", "DOUBLE"):
                ignored.add(fields[1])
            elif fields[1] not in ("ARRAY", "TUPLE"):
                raise RuntimeError(f"unexpected output record {line!r}")
        elif fields[0] == "END":
            if fields[1:2] != ["0"] or bits is None:
                raise RuntimeError(f"the simulation failed: {line!r}")
            key = "".join(bits)
            counts[key] = counts.get(key, 0) + 1
            bits = None
    if sum(counts.values()) != shots:
        raise RuntimeError(f"expected {shots} shots, got {sum(counts.values())}")
    return dict(sorted(counts.items())), sorted(ignored)
