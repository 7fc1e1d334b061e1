"""The program's output records, read from the final value of the result register `c`.

A QIR program says what its user gets back with its output-recording calls; the translation
ties each record to what the OpenQASM program's register `c` holds after its last statement
(:class:`OutputRecord`). From the value of `c` in one shot, :func:`format_shot` writes the
records as QIR runners print them (``OUTPUT\\tRESULT\\t1\\tr0``), and :func:`shaped` gives them as
Python values (tuples, lists, bools, ints, floats).
"""

from __future__ import annotations

import decimal
from collections.abc import Sequence
from dataclasses import dataclass
from typing import TYPE_CHECKING, Any, Union

if TYPE_CHECKING:
    from brintavel._translate import Translation

Bits = Union[str, Sequence[Any]]
"""The final value of `c`: a sequence whose element i is c[i] (0/1, or bools), or a str of
``0`` and ``1`` written as OpenQASM writes a register's value, c[0] last (rightmost)."""

Shaped = Union[int, bool, float, None, tuple["Shaped", ...], list["Shaped"]]

HEADERS = ("TUPLE", "ARRAY")


@dataclass(frozen=True, slots=True)
class OutputRecord:
    """One output-recording call of the program, in the order the program makes them."""

    kind: str
    """``RESULT``, ``BOOL``, ``INT``, ``DOUBLE``, ``TUPLE`` or ``ARRAY``."""
    label: str | None
    """The record's label; None when it has none."""
    count: int
    """For ``TUPLE`` and ``ARRAY``, how many records (counting each nested header as one) it
    holds; 0 otherwise."""
    determined: bool
    """Whether the final register determines the record; when not, the translation has a
    warning that says why, and ``bits`` and ``values`` are empty."""
    bits: tuple[int, ...]
    """The elements of `c` the value depends on (none for a constant)."""
    values: tuple[int | float, ...]
    """The value for each assignment of the bits: entry k when c[bits[i]] is bit i of k
    (RESULT and BOOL 0 or 1, INT an int, DOUBLE a float)."""
    line: int | None
    """The 1-based input line of the record call."""
    column: int | None

    def value(self, c: Sequence[int]) -> int | float | None:
        """The recorded value for the final register `c` (element i is c[i]); None for headers
        and undetermined records."""
        if self.kind in HEADERS or not self.determined:
            return None
        k = 0
        for i, bit in enumerate(self.bits):
            if bit >= len(c):
                raise ValueError(f"the {self.kind} record reads c[{bit}], but c has {len(c)} bits")
            k |= (1 if c[bit] else 0) << i
        return self.values[k]


def register_bits(bits: Bits) -> list[int]:
    """The final register as a list whose element i is c[i]."""
    if isinstance(bits, str):
        if any(ch not in "01" for ch in bits):
            raise ValueError(f"a bit string holds only 0 and 1, not {bits!r}")
        return [1 if ch == "1" else 0 for ch in reversed(bits)]
    out = []
    for bit in bits:
        if bit in (0, 1):  # also False and True
            out.append(int(bit))
        elif str(bit) in ("One", "Zero", "Result.One", "Result.Zero"):  # qdk's Result
            out.append(1 if str(bit).endswith("One") else 0)
        else:
            raise ValueError(f"a bit is 0 or 1, not {bit!r}")
    return out


def _records_of(translation: Translation) -> tuple[OutputRecord, ...]:
    if translation.records is None:
        raise ValueError("the translation has no output records: translate it with records=True")
    return translation.records


def format_double(x: float) -> str:
    """A double as QIR runners print it: the shortest digits that read back as it, in positional
    notation, with ``.0`` when it is integral."""
    if x != x or x in (float("inf"), float("-inf")):
        return repr(x)
    text = format(decimal.Decimal(repr(x)), "f")
    return text if "." in text else text + ".0"


def _text(record: OutputRecord, value: int | float | None) -> str:
    if record.kind in HEADERS:
        field = str(record.count)
    elif value is None:
        field = "?"
    elif record.kind == "BOOL":
        field = "true" if value else "false"
    elif record.kind == "DOUBLE":
        field = format_double(float(value))
    else:
        field = str(int(value))
    line = f"OUTPUT\t{record.kind}\t{field}"
    return line if record.label is None else f"{line}\t{record.label}"


def format_shot(translation: Translation, bits: Bits) -> str:
    """The records of one shot in the text of the QIR output schemas, one ``OUTPUT`` line per
    record (``OUTPUT\\tRESULT\\t1\\tr0``, ``OUTPUT\\tTUPLE\\t2\\tt``), as QIR runners print them
    between a shot's START and END lines, given the final value of `c` in that shot. A record
    the register does not determine shows ``?`` as its value."""
    c = register_bits(bits)
    return "\n".join(_text(r, r.value(c)) for r in _records_of(translation))


def shaped(translation: Translation, bits: Bits) -> Shaped:
    """The records of one shot as Python values, given the final value of `c`: a TUPLE record
    is a tuple of the records it holds, an ARRAY a list, a RESULT an int (0 or 1), a BOOL a
    bool, an INT an int and a DOUBLE a float; an undetermined record is None. The program's
    value is its one top-level record, or a tuple of them when it makes several or none."""
    c = register_bits(bits)
    records = _records_of(translation)
    # Each header collects the next `count` values; a stack of open headers keeps it linear.
    top: list[Shaped] = []
    open_: list[tuple[OutputRecord, list[Shaped]]] = []

    def close() -> None:
        while open_ and len(open_[-1][1]) >= open_[-1][0].count:
            header, items = open_.pop()
            value: Shaped = tuple(items) if header.kind == "TUPLE" else items
            (open_[-1][1] if open_ else top).append(value)

    for record in records:
        if record.kind in HEADERS:
            open_.append((record, []))
            close()
            continue
        raw = record.value(c)
        value: Shaped
        if raw is None:
            value = None
        elif record.kind == "BOOL":
            value = bool(raw)
        elif record.kind == "DOUBLE":
            value = float(raw)
        else:
            value = int(raw)
        (open_[-1][1] if open_ else top).append(value)
        close()
    while open_:  # headers whose records the program did not make
        header, items = open_.pop()
        value = tuple(items) if header.kind == "TUPLE" else items
        (open_[-1][1] if open_ else top).append(value)
    return top[0] if len(top) == 1 else tuple(top)


def output_map(translation: Translation) -> dict[str, Any]:
    """The record map written by ``--output-map`` (its schema is in the README)."""
    records = []
    for r in _records_of(translation):
        entry: dict[str, Any] = {"kind": r.kind, "label": r.label, "line": r.line, "column": r.column}
        if r.kind in HEADERS:
            entry["count"] = r.count
        else:
            entry["determined"] = r.determined
            if r.determined:
                entry["bits"] = list(r.bits)
                entry["values"] = list(r.values)
        records.append(entry)
    return {"version": 1, "register": "c", "records": records}
