"""Translate QIR into OpenQASM 3 for the Halvek quantum service.

``translate(program, *, producer=None, extended=False, entry=None)`` returns the OpenQASM 3
program as a str; ``translate_module`` returns a ``Translation`` that also names the entry
point translated, the ones left out and the translation's warnings (each also issued as a
``BrintavelWarning`` by ``translate``); ``gate_definitions()`` gives OpenQASM 3 definitions of
the native gates for generic tools. ``program`` is LLVM IR text (str or bytes), LLVM bitcode,
a pyqir ``Module`` or a ``qsharp.compile`` result. Failures raise ``BrintavelError``, the class
of ``_brintavel_native``, with the attributes ``kind``, ``line`` and ``column``.
"""

from _brintavel_native import BrintavelError, __version__
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
    "Translation",
    "TranslationWarning",
    "gate_definitions",
    "translate",
    "translate_module",
]
