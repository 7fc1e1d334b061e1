#!/usr/bin/env python3
"""Runs the randomized meaning check on many generated programs and prints a report.

Each seed gives one generated QIR program (tests/python/qasm_check/random_qir.py) that measures
into the same results repeatedly, reads them, branches on them and carries them through
if-merge counters. The program is translated with the installed brintavel package; the
translation is checked for the service's dialect and simulated with qdk, the QIR is run on
qirrunner, and the recorded result bits are compared with a G-test at a per-program level of
1e-3 / count (so a run raises a false alarm with probability about 1e-3). The report counts
the programs translated and refused (by message), the failures a known translator fault
explains and the ones none does (with their seeds, to rerun with --seed SEED --count 1 -v).

With --extended, the programs come from the extended generator
(tests/python/qasm_check/random_extended.py) and are translated in the extended mode; the
dialect check applies the service-safe rules too. The report then groups the refusals and the
failures by message and by feature (the programs' tags), and tells the meaning failures (the
statistics differ, or qdk fails) from the programs that fail the dialect only.

Needs: qdk, qirrunner, openqasm3[parser]. Usage:
  python tools/random_meaning.py [--extended] [--count N] [--seed S] [--shots K] [-v]
"""

from __future__ import annotations

import argparse
import re
import sys
import time
from collections import Counter, defaultdict
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "tests" / "python"))

from qasm_check.random_meaning import KNOWN_FAULTS, SHOTS, alpha_for, check  # noqa: E402


def general(message: str) -> str:
    """A message with its quoted names and numbers replaced, to group like messages."""
    return re.sub(r"\d+", "N", re.sub(r'"[^"]*"', '"…"', message))


def main(argv: list[str] | None = None) -> int:
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--count", type=int, default=1000, help="programs to generate (1000)")
    parser.add_argument("--seed", type=int, default=0, help="first seed (0)")
    parser.add_argument("--shots", type=int, default=SHOTS, help=f"shots per simulation ({SHOTS})")
    parser.add_argument("-v", "--verbose", action="store_true", help="print each failing program")
    parser.add_argument("--extended", action="store_true", help="the extended generator and mode")
    args = parser.parse_args(argv)
    if args.extended:
        return extended_report(args)

    alpha = alpha_for(args.count)
    start = time.monotonic()
    status: Counter[str] = Counter()
    tags: Counter[str] = Counter()
    refusals: dict[str, list[int]] = defaultdict(list)
    known: dict[str, list[int]] = defaultdict(list)
    unexplained: list[tuple[int, list[str]]] = []
    rules: Counter[str] = Counter()
    smallest_p: list[tuple[float, int]] = []
    for seed in range(args.seed, args.seed + args.count):
        outcome = check(seed, alpha, args.shots)
        status[outcome.status] += 1
        tags.update(outcome.program.tags)
        if outcome.status == "refused":
            refusals[general(outcome.message)].append(seed)
            continue
        rules.update(f.rule for f in outcome.dialect)
        if outcome.p is not None and not outcome.program.tags:
            smallest_p.append((outcome.p, seed))
        problems = outcome.problems()
        for name in sorted({fault for _, fault in problems if fault}):
            known[name].append(seed)
        open_problems = [what for what, fault in problems if fault is None]
        if open_problems:
            unexplained.append((seed, open_problems))
        if args.verbose and problems:
            print(f"--- seed {seed}: tags {sorted(outcome.program.tags)}")
            for what, explained_by in problems:
                print(f"  {'known: ' + explained_by if explained_by else 'UNEXPLAINED'}: {what}")
            print(outcome.program.qir)
            print(outcome.qasm)
    elapsed = time.monotonic() - start

    compared = status["passed"] + status["failed"]
    print(f"Randomized meaning check: seeds {args.seed}..{args.seed + args.count - 1}, "
          f"{args.shots} shots, per-program alpha {alpha:.2g}, {elapsed:.0f} s")
    print(f"  programs generated  {args.count}")
    print(f"  translated          {compared}")
    print(f"  refused             {status['refused']}")
    print(f"  passed              {status['passed']}")
    print(f"  failed              {status['failed']}")
    print("  tagged (may hit a known fault): " + ", ".join(f"{t} {n}" for t, n in sorted(tags.items())))
    if refusals:
        print("\nRefusals (message, count, first seeds):")
        for message, seeds in sorted(refusals.items(), key=lambda item: -len(item[1])):
            print(f"  {len(seeds):5} x {message}   [{', '.join(map(str, seeds[:5]))}]")
    if rules:
        print("\nDialect findings by rule: " + ", ".join(f"{r} {n}" for r, n in sorted(rules.items())))
    if known:
        print("\nFailures a known fault explains:")
        for fault, seeds in sorted(known.items()):
            print(f"  {len(seeds):5} x {fault}: {KNOWN_FAULTS[fault]}   [{', '.join(map(str, seeds[:8]))}]")
    smallest_p.sort()
    if smallest_p:
        below = sum(p < 1e-3 for p, _ in smallest_p)
        print(f"\nUntagged programs compared: {len(smallest_p)}; smallest p {smallest_p[0][0]:.2g} "
              f"(seed {smallest_p[0][1]}); p < 1e-3: {below} (about {len(smallest_p) * 1e-3:.1f} expected by chance)")
    print(f"\nUnexplained failures: {len(unexplained)}")
    for seed, whats in unexplained:
        print(f"  seed {seed}:")
        for what in whats:
            print(f"    {what[:600]}")
    return 1 if unexplained else 0


def failure_messages(outcome) -> tuple[set[str], set[str]]:
    """The generalized messages of a failed outcome: (meaning failures, dialect findings)."""
    meaning = set()
    if outcome.statistics_differ:
        meaning.add("the statistics differ (G-test)")
    if outcome.message:
        meaning.add("simulation failed: " + general(outcome.message)[:160])
    dialect = {f"dialect: {f.rule}: {general(f.message)}" for f in outcome.dialect}
    return meaning, dialect


def seeds_text(seeds: list[int], count: int = 6) -> str:
    return "[" + ", ".join(map(str, seeds[:count])) + (", ..." if len(seeds) > count else "") + "]"


def extended_report(args) -> int:
    alpha = alpha_for(args.count)
    start = time.monotonic()
    status: Counter[str] = Counter()
    by_feature: dict[str, Counter[str]] = defaultdict(Counter)
    refusals: dict[str, list[int]] = defaultdict(list)
    messages: dict[str, list[int]] = defaultdict(list)
    meaning_failures: list[tuple[int, list[str], list[str]]] = []
    for seed in range(args.seed, args.seed + args.count):
        outcome = check(seed, alpha, args.shots, extended=True)
        tags = sorted(outcome.program.tags)
        if outcome.status == "refused":
            kind = "refused"
            refusals[general(outcome.message)].append(seed)
        else:
            meaning, dialect = failure_messages(outcome)
            kind = "meaning" if meaning else "dialect" if dialect else "passed"
            for message in sorted(meaning | dialect):
                messages[message].append(seed)
            if meaning:
                meaning_failures.append((seed, tags, sorted(meaning)))
            if args.verbose and kind != "passed":
                print(f"--- seed {seed}: {kind}; features {tags}")
                for what, _ in outcome.problems():
                    print(f"  {what[:600]}")
                print(outcome.program.qir)
                print(outcome.qasm)
        status[kind] += 1
        for tag in tags + ["(all)"]:
            by_feature[tag][kind] += 1
    elapsed = time.monotonic() - start

    translated = args.count - status["refused"]
    print(f"Randomized meaning check, extended mode: seeds {args.seed}..{args.seed + args.count - 1}, "
          f"{args.shots} shots, per-program alpha {alpha:.2g}, {elapsed:.0f} s")
    print(f"  programs generated      {args.count}")
    print(f"  refused                 {status['refused']}")
    print(f"  translated              {translated}")
    print(f"    meaning differs       {status['meaning']}   (G-test or simulation failed; dialect findings aside)")
    print(f"    dialect findings only {status['dialect']}")
    print(f"    passed                {status['passed']}")
    if refusals:
        print("\nRefusals by message (programs, first seeds):")
        for message, seeds in sorted(refusals.items(), key=lambda item: (-len(item[1]), item[0])):
            print(f"  {len(seeds):5} x {message[:200]}   {seeds_text(seeds)}")
    if messages:
        print("\nFailures by message (programs that have it, first seeds):")
        for message, seeds in sorted(messages.items(), key=lambda item: (-len(item[1]), item[0])):
            print(f"  {len(seeds):5} x {message}   {seeds_text(seeds)}")
    print("\nBy feature (programs that use it; 'meaning %' is the share of its translated programs whose")
    print("meaning differs, beside that share among the translated programs without the feature):")
    print(f"  {'feature':18} {'programs':>8} {'refused':>8} {'meaning':>8} {'dialect':>8} {'passed':>8}"
          f" {'meaning %':>10} {'without':>8}")
    total = by_feature["(all)"]
    for tag, counts in sorted(by_feature.items(), key=lambda item: (item[0] == "(all)", -sum(item[1].values()))):
        programs = sum(counts.values())
        done = programs - counts["refused"]
        other_done = translated - done
        share = 100 * counts["meaning"] / done if done else 0.0
        other = f"{100 * (total['meaning'] - counts['meaning']) / other_done:7.0f}%" \
            if other_done and tag != "(all)" else f"{'-':>8}"
        print(f"  {tag:18} {programs:8} {counts['refused']:8} {counts['meaning']:8} {counts['dialect']:8} "
              f"{counts['passed']:8} {share:9.0f}% {other}")
    print(f"\nPrograms whose meaning differs: {len(meaning_failures)} (rerun one with --seed SEED --count 1 -v)")
    for seed, tags, meaning in meaning_failures:
        print(f"  seed {seed}: {'; '.join(m[:100] for m in meaning)}   features: {', '.join(tags)}")
    return 1 if status["meaning"] or status["dialect"] else 0


if __name__ == "__main__":
    sys.exit(main())
