"""The input line an error concerns, shown with a caret under its column."""

from __future__ import annotations

from typing import AnyStr

# A longer line is cut to this many characters around the column.
_WIDTH = 120
_BEFORE = 60


def excerpt(text: str | bytes, line: int, column: int) -> str | None:
    """Two lines, as compilers print them:

         8 |   %x = fadd double %a, %b
           |        ^

    `line` and `column` are 1-based, the column counted in characters. Bytes are UTF-8 text.
    None when the text has no such line."""
    if isinstance(text, bytes):
        raw = _line(text, b"\n", line)
        source = None if raw is None else raw.decode("utf-8", "replace")
    else:
        source = _line(text, "\n", line)
    if source is None:
        return None
    source = source.removesuffix("\r")
    offset = min(max(column, 1), len(source) + 1) - 1

    first = max(0, offset - _BEFORE) if len(source) > _WIDTH else 0
    shown = source[first : first + _WIDTH]
    lead = "..." if first > 0 else ""
    tail = "..." if first + _WIDTH < len(source) else ""
    shown = "".join(c if c == "\t" or c.isprintable() else "?" for c in shown)
    pad = "".join("\t" if c == "\t" else " " for c in shown[: offset - first])
    gutter = str(line)
    return f" {gutter} | {lead}{shown}{tail}\n {' ' * len(gutter)} | {' ' * len(lead)}{pad}^"


def _line(text: AnyStr, newline: AnyStr, line: int) -> AnyStr | None:
    start = 0
    for _ in range(line - 1):
        start = text.find(newline, start) + 1
        if start == 0:
            return None
    end = text.find(newline, start)
    return text[start : len(text) if end < 0 else end]
