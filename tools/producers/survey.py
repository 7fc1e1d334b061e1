#!/usr/bin/env python3
"""Surveys how the translator does on the extended corpora of real producers
(tests/data/extended/<producer>/NAME.ll, made by extended_corpus.py): per producer folder, how
many programs translate in the default mode and in the extended mode, the refusals of each mode
grouped by message (numbers and quoted names replaced by N and '...', so that one cause is one
group), with the programs; and how many extended-mode translations the reference OpenQASM 3
parser accepts and keep to the service's dialect (tests/python/qasm_check).

It translates with the installed brintavel package (pip install .), so it shows the translator
as it is now. Usage: python tools/producers/survey.py [PRODUCER_FOLDER ...]
"""

from __future__ import annotations

import argparse
import re
import sys
from collections import defaultdict
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
EXTENDED = ROOT / "tests" / "data" / "extended"
sys.path.insert(0, str(ROOT / "tests" / "python"))

from brintavel import BrintavelError, translate  # noqa: E402
from qasm_check.corpus import syntax_error  # noqa: E402
from qasm_check.dialect import check_dialect  # noqa: E402

QUOTED = re.compile(r"'[^']*'|\"[^\"]*\"|`[^`]*`|«[^»]*»")
NUMBER = re.compile(r"(?<![\w.])[-+]?\d+(?:\.\d+)?(?:e[-+]?\d+)?(?![\w.])")


def normalise(message: str) -> str:
    """The message with its quoted names and numbers replaced, and only its first line."""
    first = message.strip().splitlines()[0] if message.strip() else "(no message)"
    return NUMBER.sub("N", QUOTED.sub("'...'", first))


def survey(folder: Path) -> None:
    programs = sorted(folder.glob("*.ll"))
    translated = {"default": 0, "extended": 0}
    refusals: dict[str, dict[str, list[str]]] = {"default": defaultdict(list), "extended": defaultdict(list)}
    quoted: dict[str, set[str]] = defaultdict(set)  # the names a group's messages quoted
    syntax_ok = dialect_ok = 0
    findings: dict[str, list[str]] = defaultdict(list)
    for path in programs:
        qir = path.read_text()
        for mode in ("default", "extended"):
            try:
                output = translate(qir, extended=mode == "extended")
            except BrintavelError as error:
                group = normalise(str(error))
                refusals[mode][group].append(path.stem)
                quoted[group].update(QUOTED.findall(str(error).strip().splitlines()[0]))
                continue
            translated[mode] += 1
            if mode == "extended":
                problem = syntax_error(output)
                if problem is None:
                    syntax_ok += 1
                    found = check_dialect(output)
                    if not found:
                        dialect_ok += 1
                    for rule in sorted({f.rule for f in found}):
                        findings[rule].append(path.stem)
                else:
                    findings["syntax: " + normalise(problem)].append(path.stem)
    print(f"\n== {folder.name}: {len(programs)} programs; default mode translates {translated['default']}, "
          f"extended mode {translated['extended']}; of these, {syntax_ok} parse and {dialect_ok} keep to "
          "the dialect")
    for mode in ("default", "extended"):
        if refusals[mode]:
            print(f"  {mode}-mode refusals:")
            for message, names in sorted(refusals[mode].items(), key=lambda item: (-len(item[1]), item[0])):
                print(f"    {len(names)} x {message}")
                print(f"        {', '.join(names)}")
                names_quoted = sorted(quoted[message])
                if names_quoted and message.count("'...'") < 3:
                    shown = ", ".join(names_quoted[:12]) + (", ..." if len(names_quoted) > 12 else "")
                    print(f"        quoted: {shown}")
    if findings:
        print("  extended translations failing a check:")
        for rule, names in sorted(findings.items(), key=lambda item: (-len(item[1]), item[0])):
            print(f"    {len(names)} x {rule}: {', '.join(names)}")


def main(argv: list[str] | None = None) -> int:
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("folders", nargs="*", help="producer folders (default: all)")
    args = parser.parse_args(argv)
    folders = sorted(p for p in EXTENDED.iterdir() if p.is_dir())
    if args.folders:
        folders = [p for p in folders if p.name in args.folders]
    for folder in folders:
        survey(folder)
    return 0


if __name__ == "__main__":
    sys.exit(main())
