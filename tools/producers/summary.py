#!/usr/bin/env python3
"""Summarises how the translator does on the corpus of real-producer QIR (tests/data/producers):
per producer group, how many programs translate, how many are rejected and with which
messages, and how many translations pass the syntax check (the reference OpenQASM 3 parser)
and the meaning check (simulated statistics against the QIR's reference statistics); then the
same for the extended mode on the programs the default mode rejects.

It translates every program with the installed brintavel package (pip install .), so it shows
the translator as it is now, and flags golden files that no longer match.
Needs: openqasm3[parser] and qdk (the simulator). Usage: python tools/producers/summary.py [-v]
"""

from __future__ import annotations

import argparse
import re
import sys
from collections import defaultdict
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "tests" / "python"))

from brintavel import BrintavelError, __version__, translate  # noqa: E402
from qasm_check.corpus import (  # noqa: E402
    PRODUCERS,
    CorpusProgram,
    meaning_check,
    producer_programs,
    syntax_error,
)


# The version field of the generated-by comment: golden files keep the version they were
# written with.
GENERATED_BY_VERSION = re.compile(r'^(// generated-by: \{"name":"brintavel","version":")[^"]*', re.M)


def with_current_version(program: str) -> str:
    return GENERATED_BY_VERSION.sub(lambda m: m.group(1) + __version__, program)


def golden(program: CorpusProgram, suffix: str) -> Path:
    return program.qir_path.with_suffix(suffix)


def summarise(title: str, programs: list[CorpusProgram], extended: bool, columns: tuple[str, ...],
              problems: list[str], verbose: bool) -> list[CorpusProgram]:
    """Translates the programs in one mode, prints the table and the rejections, adds what
    differs from the golden files or fails a check to `problems`; returns the rejected ones."""
    rows: dict[str, dict[str, int]] = defaultdict(lambda: dict.fromkeys(columns, 0))
    rejections: dict[str, list[str]] = defaultdict(list)
    rejected = []
    prefix = ".extended" if extended else ""
    for program in programs:
        row = rows[program.name.split("/")[0]]
        row["programs"] += 1
        qir = program.qir_path.read_text()
        try:
            output = translate(qir, extended=extended)
        except BrintavelError as error:
            row["rejected"] += 1
            rejected.append(program)
            rejections[str(error)].append(program.name)
            expected = golden(program, prefix + ".err")
            if not expected.exists() or expected.read_text().rstrip("\n") != str(error):
                problems.append(f"{program.name}: {prefix[1:] or 'default'} rejection differs from its golden file")
            continue
        row["translate"] += 1
        expected = golden(program, prefix + ".qasm")
        if not expected.exists() or with_current_version(expected.read_text()) != output:
            problems.append(f"{program.name}: {prefix[1:] or 'default'} translation differs from its golden file")
        error = syntax_error(output)
        if error is None:
            row["syntax ok"] += 1
        else:
            problems.append(f"{program.name}: syntax check failed: {error}")
        result = meaning_check(program, output)
        if result.passed:
            row["meaning ok"] += 1
        else:
            detail = f": {result.detail}" if verbose else ""
            problems.append(f"{program.name}: meaning check failed{detail}")

    total = {c: sum(r[c] for r in rows.values()) for c in columns}
    print(f"\n{title}:\n")
    width = max(len(g) for g in [*rows, "total"])
    print(f"{'group':<{width}}  " + "  ".join(f"{c:>10}" for c in columns))
    for group, row in [*sorted(rows.items()), ("total", total)]:
        print(f"{group:<{width}}  " + "  ".join(f"{row[c]:>10}" for c in columns))
    if rejections:
        print("\nRejections (message, then the programs):")
        for message, names in sorted(rejections.items(), key=lambda item: (-len(item[1]), item[0])):
            print(f"  {len(names)} x {message}")
            print("      " + ", ".join(names))
    return rejected


def main(argv: list[str] | None = None) -> int:
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("-v", "--verbose", action="store_true", help="show every failure's details")
    args = parser.parse_args(argv)

    columns = ("programs", "translate", "rejected", "syntax ok", "meaning ok")
    problems: list[str] = []
    programs = producer_programs()
    print(f"Producer corpus {PRODUCERS.relative_to(ROOT)}: {len(programs)} programs")
    rejected = summarise("Default mode", programs, False, columns, problems, args.verbose)
    summarise("Extended mode, on the programs the default mode rejects", rejected, True, columns,
              problems, args.verbose)
    if problems:
        print("\nProblems:")
        for problem in problems:
            print(f"  {problem}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
