"""Translate QIR into OpenQASM 3 for the Halvek quantum service.

``translate(program, *, producer=None, extended=False, entry=None)`` returns the OpenQASM 3
program as a str; ``translate_module`` returns a ``Translation`` that also names the entry
point translated, the ones left out and the translation's warnings (each also issued as a
``BrintavelWarning`` by ``translate``); ``gate_definitions()`` gives OpenQASM 3 definitions of
the native gates for generic tools. ``translate_module(..., records=True)`` also gathers the
program's output records: ``format_shot(translation, c)`` and ``shaped(translation, c)`` give
one shot's records, as QIR runners print them and as Python values, from the final value of the
result register ``c``; ``source_map=True`` traces every printed line back to the QIR. ``program`` is LLVM IR text (str or bytes), LLVM bitcode,
a pyqir ``Module`` or a ``qsharp.compile`` result. Failures raise ``BrintavelError``, the class
of ``_brintavel_native``, with the attributes ``kind``, ``line`` and ``column``.
"""

from _brintavel_native import BrintavelError, __version__
from brintavel._records import OutputRecord, format_shot, shaped
from brintavel._source_map import LineOrigin
from brintavel._translate import (
    BrintavelWarning,
    Translation,
    TranslationWarning,
    gate_definitions,
    translate,
    translate_module,
)

__all__ = [
    "__version__",
    "BrintavelError",
    "BrintavelWarning",
    "LineOrigin",
    "OutputRecord",
    "Translation",
    "TranslationWarning",
    "format_shot",
    "gate_definitions",
    "shaped",
    "translate",
    "translate_module",
]
