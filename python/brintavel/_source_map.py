"""Where each printed OpenQASM line came from in the QIR."""

from __future__ import annotations

from dataclasses import dataclass
from typing import TYPE_CHECKING, Any

if TYPE_CHECKING:
    from brintavel._translate import Translation


@dataclass(frozen=True, slots=True)
class LineOrigin:
    """The QIR positions (1-based line and column) one line of the program came from."""

    instruction: tuple[int, int] | None
    """The instruction that made the statement on the line (for a statement of an inlined call,
    the instruction in the called function); None for lines no instruction made (declarations,
    braces, the generated-by comment)."""
    call: tuple[int, int] | None = None
    """For a statement of an inlined call (extended mode): the call in the translated function."""


def _origins_of(translation: Translation) -> tuple[LineOrigin, ...]:
    if translation.source_map is None:
        raise ValueError("the translation has no source map: translate it with source_map=True")
    return translation.source_map


def _position(at: tuple[int, int] | None) -> dict[str, int] | None:
    return None if at is None else {"line": at[0], "column": at[1]}


def source_map(translation: Translation) -> dict[str, Any]:
    """The source map written by ``--source-map`` (its schema is in the README)."""
    lines = [
        {"line": n, "instruction": _position(o.instruction), "call": _position(o.call)}
        for n, o in enumerate(_origins_of(translation), start=1)
    ]
    return {"version": 1, "lines": lines}


def annotate(translation: Translation) -> str:
    """The program with a trailing ``// L:C`` comment on each line an instruction made (``// L:C,
    called at L:C`` for a statement of an inlined call)."""
    origins = _origins_of(translation)
    lines = translation.program.split("\n")
    out = []
    for i, text in enumerate(lines):
        origin = origins[i] if i < len(origins) else None
        if origin is not None and origin.instruction is not None and text:
            comment = f"// {origin.instruction[0]}:{origin.instruction[1]}"
            if origin.call is not None:
                comment += f", called at {origin.call[0]}:{origin.call[1]}"
            text = f"{text} {comment}"
        out.append(text)
    return "\n".join(out)
