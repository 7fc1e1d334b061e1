#!/usr/bin/env python3
"""Throughput, memory and parallelism of the translator as Python users call it.

Generates QIR in the style the QDK compiler writes (tools/bench/qir_programs.py), translates it
with `_brintavel_native.translate` and prints a Markdown table: time (best of several runs),
throughput, peak resident memory of a translation in a fresh process (against the input and
output sizes), and `llvm-as` assembling the same file (the whole process, once). Then it
translates two 50 MB inputs one after the other and on two threads at once.

A second table measures the extended mode (`brintavel._core.translate(text, extended=True)`)
the same way, on programs in the style of the QDK's Adaptive profile output: direct gate calls,
the same calls through internal wrapper functions, blocks that pack two measured results into an
integer and branch on it, and loops with a counter and a measured accumulator. Each is timed at
three sizes, ten times apart; the default mode's time on the same input is shown beside it.
Inputs a mode refuses show "refused: " and the first words of the message. Then come the
ratios of the times at consecutive sizes, each input's throughput against the default mode's
on a direct program of as many gate calls, and the Bell example through `brintavel.translate`.

Usage: python tools/bench/bench.py [--quick] [--rounds N] [--default | --extended]
  --quick     smaller inputs, for a smoke run
  --rounds N  time the extended table in N passes over all its programs, and show the best
              time of each over the passes (for a machine with bursts of load)
  --default   only the default mode's table; --extended: only the extended mode's
Needs: the installed package (pip install .) and llvm-as on PATH for the comparison column.
"""

from __future__ import annotations

import argparse
import os
import re
import statistics
import shutil
import subprocess
import sys
import tempfile
import threading
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import brintavel  # noqa: E402
import qir_programs  # noqa: E402
from _brintavel_native import BrintavelError, translate  # noqa: E402
from brintavel import _core  # noqa: E402

# Run in a fresh interpreter: the peak resident memory while one translation runs, above the
# interpreter's own before the input was read (the input text is part of it). A small program
# is translated first, so that the module's code is loaded (its pages are resident memory too,
# but not the translation's), and the heap it used is given back.
# The third argument "extended" translates in the extended mode, through the package's binding.
PEAK_PROBE = r"""
import ctypes, sys
def status(key):
    for line in open("/proc/self/status"):
        if line.startswith(key):
            return int(line.split()[1]) * 1024
if sys.argv[3] == "extended":
    from brintavel import _core
    def translate(text):
        return _core.translate(text, extended=True)[0]
else:
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


def peak_memory(path: Path, warm_up: Path, mode: str = "default") -> tuple[int, int, int]:
    out = subprocess.run([sys.executable, "-c", PEAK_PROBE, str(path), str(warm_up), mode],
                         check=True, capture_output=True, text=True).stdout.split()
    peak, size_in, size_out = (int(x) for x in out)
    return peak, size_in, size_out


def llvm_as_seconds(path: Path, opaque_pointers: bool = False) -> float | None:
    tool = shutil.which("llvm-as") or shutil.which("llvm-as-14")
    if tool is None:
        return None
    command = [tool, "-o", os.devnull, str(path)]
    if opaque_pointers:
        # LLVM 14 reads `ptr` only when asked; from LLVM 15 on it is the default.
        version = subprocess.run([tool, "--version"], capture_output=True, text=True).stdout
        major = re.search(r"version (\d+)", version)
        if major and int(major.group(1)) < 15:
            command.insert(1, "-opaque-pointers")
    start = time.perf_counter()
    done = subprocess.run(command, capture_output=True)
    elapsed = time.perf_counter() - start
    return elapsed if done.returncode == 0 else None


def llvm_as_column(path: Path, size: int, opaque_pointers: bool = False) -> str:
    assembler = llvm_as_seconds(path, opaque_pointers)
    return f"{assembler:.2f} s ({size / 1e6 / assembler:.0f} MB/s)" if assembler else "n/a"


def mb(n: float) -> str:
    return f"{n / 1e6:.1f} MB"


def power(n: int) -> str:
    exponent = len(str(n)) - 1
    return f"10^{exponent}" if n == 10 ** exponent else str(n)


def default_table(scale: int) -> None:
    sizes = [n // scale for n in (10_000, 100_000, 1_000_000)]
    cases = [(f"straight-line, {power(n)} calls", qir_programs.straight_line(n)) for n in sizes] + [
        (f"measurement-conditioned ifs, {power(n)}", qir_programs.sequential_ifs(n))
        for n in (10_000 // scale, 100_000 // scale)
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
            llvm = llvm_as_column(path, size)
            print(f"| {name} | {mb(size)} | {seconds * 1e3:.1f} ms | {size / 1e6 / seconds:.0f} MB/s "
                  f"| {mb(peak)} ({peak / limit:.2f} of {mb(limit)}) | {llvm} |")
        ratio = times[cases[2][0]] / times[cases[1][0]]
        print(f"\nt({power(sizes[2])} calls) / t({power(sizes[1])} calls) = {ratio:.1f}")

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


def translate_default(text: str) -> str:
    return _core.translate(text)[0]


def translate_extended(text: str) -> str:
    return _core.translate(text, extended=True)[0]


def timed(function, text: str) -> float | str:
    """The best of several runs of `function` on `text` in seconds, or "refused: ..." with the
    first words of the message when it refuses the input."""
    try:
        start = time.perf_counter()
        function(text)
        first = time.perf_counter() - start
    except BrintavelError as error:
        words = str(error).split()
        return "refused: " + " ".join(words[:8]) + (" ..." if len(words) > 8 else "")
    # Fewer runs of the long ones, so that the whole table takes minutes.
    runs = 2 if first > 2 else 4 if first > 0.2 else 6
    return min(first, best_of(runs, function, text))


def time_column(seconds: float | str) -> str:
    return seconds if isinstance(seconds, str) else f"{seconds * 1e3:.1f} ms"


# The extended table's programs: name, the size unit, the sizes (before --quick divides them),
# the generator, and the gate calls written in a program of a given size.
DIRECT = "direct gate calls"
EXTENDED_PROGRAMS = [
    (DIRECT, "calls", (10_000, 100_000, 1_000_000),
     lambda n: qir_programs.gate_calls(n, inlined=False), lambda n: n),
    ("calls through internal functions", "calls", (10_000, 100_000, 1_000_000),
     lambda n: qir_programs.gate_calls(n, inlined=True), lambda n: n),
    # 10^6 blocks would be about 800 MB: these stop at 10^5 (79 MB).
    ("packed-integer branches", "blocks", (1_000, 10_000, 100_000),
     qir_programs.packed_branches, lambda n: 3 * n),
    ("counted loops", "iterations", (10_000, 100_000, 1_000_000),
     qir_programs.counted_loops, lambda n: 3 * (n // qir_programs.LOOP_BOUND)),
]


def extended_table(scale: int, rounds: int) -> None:
    print("extended mode\n")
    # The programs are written to files once; their times are taken in `rounds` passes over all
    # of them (and over the direct programs they are compared with), each time the best of
    # several runs, and the best of the passes is shown: a burst of load on a shared machine
    # then spoils one pass, not the figures.
    cases = []  # (name, unit, size in units, gate calls, path, bytes, warm-up path)
    best: dict[tuple[int, str], float | str] = {}  # by case and mode (or direct gate calls)

    def keep(key: tuple[int, str], seconds: float | str) -> None:
        known = best.get(key)
        if isinstance(seconds, str) or known is None or (not isinstance(known, str) and seconds < known):
            best[key] = seconds

    with tempfile.TemporaryDirectory() as tmp:
        for name, unit, sizes, generate, gates in EXTENDED_PROGRAMS:
            # A small program of the same kind loads the code the large ones run.
            warm_up = Path(tmp) / f"warm-up-{len(cases)}.ll"
            warm_up.write_text(generate(100))
            for n in (size // scale for size in sizes):
                path = Path(tmp) / f"program-{len(cases)}.ll"
                text = generate(n)
                path.write_text(text)
                cases.append((name, unit, n, gates(n), path, len(text), warm_up))
        direct_paths: dict[int, Path] = {}
        for _, _, _, calls, _, _, _ in cases:
            if calls not in direct_paths:
                direct_paths[calls] = Path(tmp) / f"direct-{calls}.ll"
                direct_paths[calls].write_text(qir_programs.gate_calls(calls, inlined=False))
        for _ in range(rounds):
            for k, case in enumerate(cases):
                text = case[4].read_text()
                keep((k, "extended"), timed(translate_extended, text))
                keep((k, "default"), timed(translate_default, text))
            for calls, path in direct_paths.items():
                keep((calls, "direct"), timed(translate_default, path.read_text()))

        print("| input | size | time | throughput | peak memory (limit: 2 x input + output) | llvm-as "
              "| default mode |")
        print("|---|---|---|---|---|---|---|")
        for k, (name, unit, n, _, path, size, warm_up) in enumerate(cases):
            extended = best[(k, "extended")]
            if isinstance(extended, str):
                throughput = memory = ""
            else:
                throughput = f"{size / 1e6 / extended:.0f} MB/s"
                peak, size_in, size_out = peak_memory(path, warm_up, "extended")
                limit = 2 * size_in + size_out
                memory = f"{mb(peak)} ({peak / limit:.2f} of {mb(limit)})"
            print(f"| {name}, {power(n)} {unit} | {mb(size)} | {time_column(extended)} | {throughput} "
                  f"| {memory} | {llvm_as_column(path, size, opaque_pointers=True)} "
                  f"| {time_column(best[(k, 'default')])} |", flush=True)

        print()
        for name, unit, _, _, _ in EXTENDED_PROGRAMS:
            rows = [(n, best[(k, "extended")]) for k, (case, _, n, *_) in enumerate(cases) if case == name]
            ratios = []
            for (small, t_small), (large, t_large) in zip(rows, rows[1:]):
                value = "refused" if isinstance(t_small, str) or isinstance(t_large, str) else \
                    f"{t_large / t_small:.1f}"
                ratios.append(f"t({power(large)}) / t({power(small)}) = {value}")
            print(f"{name}: {', '.join(reversed(ratios))}")

        # The default mode on a direct program of as many gate calls as each input.
        print("\n| input | gate calls | default mode, direct program of as many calls "
              "| throughput against it | gate calls per second against it |")
        print("|---|---|---|---|---|")
        for k, (name, unit, n, calls, _, size, _) in enumerate(cases):
            seconds = best[(calls, "direct")]
            if isinstance(seconds, str):
                raise SystemExit(f"the direct program of {calls} calls is {seconds}")
            direct_size = direct_paths[calls].stat().st_size
            extended = best[(k, "extended")]
            base = f"{seconds * 1e3:.1f} ms ({direct_size / 1e6 / seconds:.0f} MB/s)"
            if isinstance(extended, str):
                against = rate = "refused"
            else:
                against = f"{(size / extended) / (direct_size / seconds):.2f}"
                rate = f"{seconds / extended:.2f}"
            print(f"| {name}, {power(n)} {unit} | {calls} | {base} | {against} | {rate} |", flush=True)

    # The Bell example, per call through the package (the median of many calls).
    bell = (Path(__file__).resolve().parents[2] / "examples" / "bell.ll").read_text()
    calls = 5000 // scale
    print()
    for extended in (False, True):
        brintavel.translate(bell, extended=extended)
        times = []
        for _ in range(calls):
            start = time.perf_counter_ns()
            brintavel.translate(bell, extended=extended)
            times.append(time.perf_counter_ns() - start)
        print(f"examples/bell.ll through brintavel.translate(extended={extended}): "
              f"{statistics.median(times) / 1e3:.1f} µs per call (median of {calls})")


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--quick", action="store_true", help="smaller inputs")
    parser.add_argument("--rounds", type=int, default=1, metavar="N",
                        help="time the extended table in N passes and show the best of each")
    only = parser.add_mutually_exclusive_group()
    only.add_argument("--default", action="store_true", help="only the default mode's table")
    only.add_argument("--extended", action="store_true", help="only the extended mode's table")
    args = parser.parse_args()
    scale = 10 if args.quick else 1
    if not args.extended:
        default_table(scale)
    if not args.default:
        if not args.extended:
            print()
        extended_table(scale, max(1, args.rounds))
    return 0


if __name__ == "__main__":
    raise SystemExit(main())
