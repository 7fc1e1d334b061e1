"""Translate QIR (LLVM IR text) into OpenQASM 3 for the Halvek quantum service.

``translate(qir_text, *, producer=None)`` returns the OpenQASM 3 program as a str and
raises ``BrintavelError`` when the module cannot be translated.
"""

from _brintavel_native import BrintavelError, __version__, translate

__all__ = ["__version__", "BrintavelError", "translate"]
