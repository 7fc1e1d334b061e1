"""The README's table of native gates, written from the translator's gate table.

    python tools/gate_table.py            prints the table
    python tools/gate_table.py --write    rewrites it in README.md (between its markers)

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


def _table_span(readme: str) -> tuple[int, int]:
    start = readme.index(BEGIN) + len(BEGIN) + 1
    return start, readme.index(END, start)


def readme_table(readme: str) -> str:
    """The table as it stands in the README text (between the markers)."""
    start, end = _table_span(readme)
    return readme[start:end]


def main(argv: list[str]) -> int:
    if argv == ["--write"]:
        text = README.read_text(encoding="utf-8")
        start, end = _table_span(text)
        README.write_text(text[:start] + render() + text[end:], encoding="utf-8")
    elif argv:
        print(__doc__, file=sys.stderr)
        return 2
    else:
        sys.stdout.write(render())
    return 0


if __name__ == "__main__":
    raise SystemExit(main(sys.argv[1:]))
