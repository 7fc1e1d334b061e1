#!/usr/bin/env python3
"""Throughput, memory and parallelism of the translator as Python users call it.

Generates QIR in the style the QDK compiler writes (tools/bench/qir_programs.py), translates it
with `_brintavel_native.translate` and prints a Markdown table: time (best of several runs),
throughput, peak resident memory of a translation in a fresh process (against the input and
output sizes), and `llvm-as` assembling the same file (the whole process, once). Then it
translates two 50 MB inputs one after the other and on two threads at once.

Usage: python tools/bench/bench.py [--quick]   (--quick: smaller inputs, for a smoke run)
Needs: the installed package (pip install .) and llvm-as on PATH for the comparison column.
"""

from __future__ import annotations

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import qir_programs  # noqa: E402
from _brintavel_native import translate  # noqa: E402

# Run in a fresh interpreter: the peak resident memory while one translation runs, above the
# interpreter's own before the input was read (the input text is part of it). A small program
# is translated first, so that the module's code is loaded (its pages are resident memory too,
# but not the translation's), and the heap it used is given back.
PEAK_PROBE = r"""
import ctypes, sys
def status(key):
    for line in open("/proc/self/status"):
        if line.startswith(key):
            return int(line.split()[1]) * 1024
from _brintavel_native import translate
translate(open(sys.argv[2], encoding="utf-8").read())
ctypes.CDLL(None).malloc_trim(0)
base = status("VmRSS:")
text = open(sys.argv[1], encoding="utf-8").read()
open("/proc/self/clear_refs", "w").write("5")  # forget the peak of reading the file
out = translate(text)
print(status("VmHWM:") - base, len(text.encode()), len(out.encode()))
"""


def best_of(runs: int, function, *args) -> float:
    best = float("inf")
    for _ in range(runs):
        start = time.perf_counter()
        function(*args)
        best = min(best, time.perf_counter() - start)
    return best


def peak_memory(path: Path, warm_up: Path) -> tuple[int, int, int]:
    out = subprocess.run([sys.executable, "-c", PEAK_PROBE, str(path), str(warm_up)], check=True,
                         capture_output=True, text=True).stdout.split()
    peak, size_in, size_out = (int(x) for x in out)
    return peak, size_in, size_out


def llvm_as_seconds(path: Path) -> float | None:
    tool = shutil.which("llvm-as") or shutil.which("llvm-as-14")
    if tool is None:
        return None
    start = time.perf_counter()
    done = subprocess.run([tool, "-o", os.devnull, str(path)], capture_output=True)
    elapsed = time.perf_counter() - start
    return elapsed if done.returncode == 0 else None


def mb(n: float) -> str:
    return f"{n / 1e6:.1f} MB"


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--quick", action="store_true", help="smaller inputs")
    args = parser.parse_args()
    scale = 10 if args.quick else 1
    cases = [
        ("straight-line, 10^4 calls", qir_programs.straight_line(10_000 // scale)),
        ("straight-line, 10^5 calls", qir_programs.straight_line(100_000 // scale)),
        ("straight-line, 10^6 calls", qir_programs.straight_line(1_000_000 // scale)),
        ("measurement-conditioned ifs, 10^4", qir_programs.sequential_ifs(10_000 // scale)),
        ("measurement-conditioned ifs, 10^5", qir_programs.sequential_ifs(100_000 // scale)),
    ]
    print("| input | size | time | throughput | peak memory (limit: 2 x input + output) | llvm-as |")
    print("|---|---|---|---|---|---|")
    times = {}
    with tempfile.TemporaryDirectory() as tmp:
        warm_up = Path(tmp) / "warm-up.ll"
        warm_up.write_text(qir_programs.sequential_ifs(300))
        for name, text in cases:
            path = Path(tmp) / "program.ll"
            path.write_text(text)
            size = len(text)
            runs = 3 if size > 50_000_000 else 7
            seconds = best_of(runs, translate, text)
            times[name] = seconds
            peak, size_in, size_out = peak_memory(path, warm_up)
            limit = 2 * size_in + size_out
            assembler = llvm_as_seconds(path)
            llvm = f"{assembler:.2f} s ({size / 1e6 / assembler:.0f} MB/s)" if assembler else "n/a"
            print(f"| {name} | {mb(size)} | {seconds * 1e3:.1f} ms | {size / 1e6 / seconds:.0f} MB/s "
                  f"| {mb(peak)} ({peak / limit:.2f} of {mb(limit)}) | {llvm} |")
        ratio = times["straight-line, 10^6 calls"] / times["straight-line, 10^5 calls"]
        print(f"\nt(10^6 calls) / t(10^5 calls) = {ratio:.1f}")

        # Two inputs of about 50 MB each, one after the other and on two threads at once.
        calls = 430_000 // scale
        first = qir_programs.straight_line(calls)
        second = qir_programs.straight_line(calls + 1)
        sequential = best_of(3, lambda: (translate(first), translate(second)))

        def both_at_once() -> None:
            other = threading.Thread(target=translate, args=(second,))
            other.start()
            translate(first)
            other.join()

        parallel = best_of(3, both_at_once)
        print(f"two {mb(len(first))} inputs: one after the other {sequential:.2f} s, on two threads "
              f"{parallel:.2f} s ({parallel / sequential:.2f} of the sequential time)")
    return 0


if __name__ == "__main__":
    raise SystemExit(main())
