"""The README's tables of the native gates and of the rewrites of the gates outside the native
set (extended mode), written from the translator's gate table.

    python tools/gate_table.py            prints the tables
    python tools/gate_table.py --write    rewrites them in README.md (between their markers)

Needs the brintavel package installed; tests/python/test_readme.py fails when README.md
differs from what this prints.
"""

from __future__ import annotations

import sys
from pathlib import Path

from brintavel import _core

README = Path(__file__).resolve().parent.parent / "README.md"
BEGIN = "<!-- gate table: written by tools/gate_table.py from the translator's gate table -->"
END = "<!-- end of gate table -->"
REWRITES_BEGIN = "<!-- rewrite table: written by tools/gate_table.py from the translator's gate table -->"
REWRITES_END = "<!-- end of rewrite table -->"
# A rewrite with more native gates than this is shown by its count of each.
LONGEST_SHOWN = 8


def _plural(count: int, word: str) -> str:
    return f"{count} {word}{'' if count == 1 else 's'}"


def render() -> str:
    """The Markdown table: one row per native gate, with what in QIR becomes it."""
    sources: dict[str, list[str]] = {name: [] for name, _, _ in _core.native_gates()}
    for function, gate, adjoint in _core.qir_gates():
        sources[gate].append(f"`{function}`" + (f" (as `inv @ {gate}`)" if adjoint else ""))
    for op, controls, targets, gate in _core.controlled_gates():
        sources[gate].append(
            f"`__quantum__qis__{op}__ctl` ({_plural(controls, 'control')}, "
            f"{_plural(targets, 'target')})"
        )
    rows = ["| Native gate | Angles | Qubits | Translated from |", "|---|---|---|---|"]
    for name, angles, qubits in _core.native_gates():
        rows.append(f"| `{name}` | {angles} | {qubits} | {'; '.join(sources[name]) or '-'} |")
    return "\n".join(rows) + "\n"


def _qubit_names(controlled: bool, controls: int, targets: int) -> list[str]:
    if not controlled:
        return ["a", "b", "c"][:targets]
    return [f"c{i}" for i in range(controls)] + (["t"] if targets == 1 else [f"t{i}" for i in range(targets)])


def render_rewrites() -> str:
    """The Markdown table: one row per rewrite, with the native gates it becomes."""
    rows = ["| QIR gate | Native gates | Gates |", "|---|---|---|"]
    for name, controlled, controls, targets, angle_names, phase, steps in _core.gate_rewrites():
        qubits = _qubit_names(controlled, controls, targets)
        if controlled:
            about = [", ".join(angle_names)] if angle_names else []
            about.append(_plural(controls, "control") + ("" if targets == 1 else f", {targets} targets"))
            gate = f"`__quantum__qis__{name}__ctl` ({'; '.join(about)})"
        else:
            gate = f"`{name}`" + (f" ({', '.join(angle_names)})" if angle_names else "")
        if len(steps) <= LONGEST_SHOWN:
            shown = "; ".join(
                f"{step}{'(' + ', '.join(angles) + ')' if angles else ''} {', '.join(qubits[i] for i in on)}"
                for step, angles, on in steps
            )
            gates = f"`{shown}`"
        else:
            counts: dict[str, int] = {}
            for step, _, _ in steps:
                counts[step] = counts.get(step, 0) + 1
            gates = ", ".join(f"{count} `{step}`" for step, count in counts.items())
        if phase != "0":
            gates += f", up to the global phase e^(i({phase}))"
        rows.append(f"| {gate} | {gates} | {len(steps)} |")
    return "\n".join(rows) + "\n"


TABLES = ((BEGIN, END, render), (REWRITES_BEGIN, REWRITES_END, render_rewrites))


def _table_span(readme: str, begin: str = BEGIN, end: str = END) -> tuple[int, int]:
    start = readme.index(begin) + len(begin) + 1
    return start, readme.index(end, start)


def readme_table(readme: str, begin: str = BEGIN, end: str = END) -> str:
    """A table as it stands in the README text (between its markers)."""
    start, stop = _table_span(readme, begin, end)
    return readme[start:stop]


def main(argv: list[str]) -> int:
    if argv == ["--write"]:
        text = README.read_text(encoding="utf-8")
        for begin, end, make in TABLES:
            start, stop = _table_span(text, begin, end)
            text = text[:start] + make() + text[stop:]
        README.write_text(text, encoding="utf-8")
    elif argv:
        print(__doc__, file=sys.stderr)
        return 2
    else:
        sys.stdout.write("\n".join(make() for _, _, make in TABLES))
    return 0


if __name__ == "__main__":
    raise SystemExit(main(sys.argv[1:]))
