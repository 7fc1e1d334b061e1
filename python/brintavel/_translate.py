"""The package's translation functions over the private binding brintavel._core."""

from __future__ import annotations

import warnings as _warnings
from dataclasses import dataclass

from _brintavel_native import BrintavelError
from brintavel import _core
from brintavel._diagnostics import excerpt
from brintavel._input import QirProgram, qir_input
from brintavel._records import OutputRecord
from brintavel._source_map import LineOrigin


class BrintavelWarning(UserWarning):
    """The category of the warnings :func:`translate` issues: the translation is made, and
    something in it may not do on the service what the QIR does."""


@dataclass(frozen=True, slots=True)
class TranslationWarning:
    """Something the translation could not make exact on the service."""

    message: str
    line: int | None
    """The 1-based input line of the instruction it is about (None: the whole module)."""
    column: int | None


@dataclass(frozen=True, slots=True)
class Translation:
    """The result of :func:`translate_module`."""

    program: str
    """The OpenQASM 3 program, ending in the ``// generated-by:`` comment line."""
    entry_point: str
    """The name of the entry-point function that was translated (without the ``@``)."""
    other_entry_points: tuple[str, ...]
    """The module's other entry-point functions, which were not translated."""
    warnings: tuple[TranslationWarning, ...] = ()
    """What the extended mode could not make exact on the service, and the output records the
    final register does not determine."""
    records: tuple[OutputRecord, ...] | None = None
    """With ``records=True``: the program's output records, in the order it makes them, each
    tied to the final value of the result register `c` (see :func:`format_shot`)."""
    source_map: tuple[LineOrigin, ...] | None = None
    """With ``source_map=True``: where each line of `program` came from in the QIR."""


def translate(
    program: QirProgram,
    *,
    producer: str | None = None,
    extended: bool = False,
    entry: str | None = None,
) -> str:
    """Translates a QIR module into OpenQASM 3 for the Halvek service; returns the program.

    `program` is LLVM IR text (str, or UTF-8 bytes), LLVM bitcode (bytes; read with pyqir:
    ``pip install 'brintavel[bitcode]'``), a pyqir ``Module``, or an object with
    ``_repr_qir_()`` such as the result of ``qsharp.compile``. `producer`, if non-empty, is
    recorded in the trailing ``// generated-by:`` comment. `extended` selects the extended
    mode, in which `entry` names the entry-point function to translate instead of the first.

    Raises ``BrintavelError`` when the module cannot be read or translated. Its ``kind`` is
    "parse", "unsupported", "control-flow" or "internal", and ``line`` and ``column`` give the
    input position it concerns (1-based; None for errors about the whole module). A note
    shows that input line with a caret, and another one says when ``extended=True`` would
    translate the module. Raises TypeError for an input of another type. Each of the
    translation's warnings (``Translation.warnings``) is issued as a ``BrintavelWarning``.
    """
    translation = translate_module(program, producer=producer, extended=extended, entry=entry)
    for warning in translation.warnings:
        where = f"line {warning.line}, column {warning.column}: " if warning.line is not None else ""
        _warnings.warn(where + warning.message, BrintavelWarning, stacklevel=2)
    return translation.program


def translate_module(
    program: QirProgram,
    *,
    producer: str | None = None,
    extended: bool = False,
    entry: str | None = None,
    records: bool = False,
    source_map: bool = False,
) -> Translation:
    """:func:`translate`, also returning which entry point was translated and which were not,
    and the warnings. `records` adds the program's output records (``Translation.records``; in
    extended mode the register `c` then also covers every recorded result), and `source_map`
    the QIR origin of every printed line (``Translation.source_map``)."""
    text, from_bitcode = qir_input(program)
    try:
        return translate_text(
            text, producer=producer, extended=extended, entry=entry, records=records, source_map=source_map
        )
    except BrintavelError as error:
        if error.line is not None and error.column is not None:
            shown = excerpt(text, error.line, error.column)
            if shown is not None:
                where = " of the disassembled bitcode" if from_bitcode else ""
                _add_note(error, f"at line {error.line}, column {error.column}{where}:\n{shown}")
        if getattr(error, "extended_translates", False):
            _add_note(error, "extended=True translates this module")
        raise


def gate_definitions() -> str:
    """OpenQASM 3 ``gate`` definitions of the Halvek native gates in terms of ``U`` and the
    gates of stdgates.inc (which it includes first). Inserted after the ``OPENQASM 3.0;``
    line of a translation, they let generic OpenQASM 3 tools load it."""
    return _core.gate_definitions()


def translate_text(
    text: str | bytes,
    *,
    producer: str | None = None,
    extended: bool = False,
    entry: str | None = None,
    records: bool = False,
    source_map: bool = False,
) -> Translation:
    """The translation of QIR text (str or UTF-8 bytes), with the core's errors unchanged. A
    refusal of the default mode says in its ``extended_translates`` attribute whether the
    extended mode translates the module."""
    program, entry_point, others, warnings, found, origins = _core.translate(
        text,
        producer=producer,
        extended=extended,
        entry=entry,
        check_extended=not extended,
        records=records,
        source_map=source_map,
    )
    return Translation(
        program,
        entry_point,
        tuple(others),
        tuple(TranslationWarning(*w) for w in warnings),
        tuple(
            OutputRecord(kind, label, count, determined, tuple(bits), tuple(values), line, column)
            for kind, label, count, determined, bits, values, line, column in found
        )
        if records
        else None,
        tuple(LineOrigin(i, c) for i, c in origins) if source_map else None,
    )


def _add_note(error: BaseException, note: str) -> None:
    if note not in getattr(error, "__notes__", ()):
        error.add_note(note)
