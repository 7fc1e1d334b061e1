#!/usr/bin/env python3
"""The benchmarks' two generators write the same programs, and LLVM reads them.

Usage: test_programs.py BRINTAVEL_BENCH   (the built tools/brintavel-bench; run by ctest)
Compares, for every program of the benchmark tables, what `brintavel-bench generate KIND N`
prints with what tools/bench/qir_programs.py returns, and assembles it with llvm-as when it is
on PATH (which also checks every phi against the block's predecessors).
"""

from __future__ import annotations

import re
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import qir_programs  # noqa: E402

# Sizes that reach every case of a generator: all five gates and both qubit orders of the
# two-qubit ones, both comparisons of the packed blocks, several loops.
PROGRAMS = [
    ("direct", 12, lambda n: qir_programs.gate_calls(n, inlined=False)),
    ("inlined", 12, lambda n: qir_programs.gate_calls(n, inlined=True)),
    ("packed", 3, qir_programs.packed_branches),
    ("loops", 30, qir_programs.counted_loops),
    ("straight-line", 4, qir_programs.straight_line),
    ("ifs", 3, qir_programs.sequential_ifs),
]


def llvm_as() -> list[str] | None:
    tool = shutil.which("llvm-as") or shutil.which("llvm-as-14")
    if tool is None:
        return None
    version = subprocess.run([tool, "--version"], capture_output=True, text=True).stdout
    major = re.search(r"version (\d+)", version)
    return [tool, "-opaque-pointers"] if major and int(major.group(1)) < 15 else [tool]


def main() -> int:
    bench = sys.argv[1]
    assembler = llvm_as()
    failures = 0
    with tempfile.TemporaryDirectory() as tmp:
        for kind, n, generate in PROGRAMS:
            expected = generate(n)
            written = subprocess.run([bench, "generate", kind, str(n)], capture_output=True, text=True,
                                     check=True).stdout
            if written != expected:
                failures += 1
                line = next(i for i, (a, b) in enumerate(zip(written.splitlines() + [""],
                                                             expected.splitlines() + [""])) if a != b)
                print(f"{kind}: brintavel-bench and qir_programs.py differ at line {line + 1}:\n"
                      f"  {written.splitlines()[line:line + 1]}\n  {expected.splitlines()[line:line + 1]}")
            if assembler is not None:
                path = Path(tmp) / f"{kind}.ll"
                path.write_text(expected)
                # Typed pointers (the default table's programs) are read without the flag.
                command = assembler if "ptr " in expected.replace("%Qubit*", "") else assembler[:1]
                done = subprocess.run(command + ["-o", "/dev/null", str(path)], capture_output=True, text=True)
                if done.returncode != 0:
                    failures += 1
                    print(f"{kind}: llvm-as refuses it:\n{done.stderr}")
    if assembler is None:
        print("llvm-as not found: the programs were only compared")
    return 1 if failures else 0


if __name__ == "__main__":
    raise SystemExit(main())
