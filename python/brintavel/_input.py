"""The forms a QIR module arrives in, turned into what the translator reads: LLVM IR text as a
str or as UTF-8 bytes.

Accepted: str; bytes, bytearray or memoryview holding UTF-8 text or LLVM bitcode (recognised by
its magic number, raw or in the bitcode wrapper); a pyqir ``Module``; any object with a
``_repr_qir_()`` method returning bytes or str (what ``qsharp.compile`` returns). Bitcode is
disassembled with pyqir, an optional dependency (``pip install 'brintavel[bitcode]'``).
"""

from __future__ import annotations

import sys
from typing import TYPE_CHECKING, Any, Protocol, TypeAlias, Union

from _brintavel_native import BrintavelError

if TYPE_CHECKING:
    import pyqir

# The raw bitcode magic ("BC" 0xC0DE) and the magic of the bitcode wrapper header.
_BITCODE_MAGICS = (b"BC\xc0\xde", b"\xde\xc0\x17\x0b")

BITCODE_EXTRA_HINT = "pip install 'brintavel[bitcode]'"


class SupportsReprQir(Protocol):
    """An object that hands out its QIR, as ``qsharp.compile`` results do."""

    def _repr_qir_(self, **kwargs: Any) -> bytes | str: ...


QirProgram: TypeAlias = Union[
    str, bytes, bytearray, memoryview, SupportsReprQir, "pyqir.Module"
]


def parse_error(message: str) -> BrintavelError:
    """A BrintavelError of the package itself: the input cannot be read."""
    error = BrintavelError(message)
    error.kind = "parse"
    error.line = None
    error.column = None
    return error


def is_bitcode(data: bytes) -> bool:
    return data[:4] in _BITCODE_MAGICS


def bitcode_to_text(data: bytes) -> str:
    """Disassembles LLVM bitcode with pyqir; BrintavelError (kind "parse") when it cannot."""
    try:
        import pyqir
    except ImportError as missing:
        raise parse_error(
            "the input is LLVM bitcode, and reading bitcode needs pyqir, which is not "
            f"installed: {BITCODE_EXTRA_HINT} (or give the module as LLVM IR text)"
        ) from missing
    try:
        module = pyqir.Module.from_bitcode(pyqir.Context(), data)
    except ValueError as failure:
        raise parse_error(f"the LLVM bitcode cannot be read: {failure}") from failure
    return str(module)


def qir_input(program: QirProgram) -> tuple[str | bytes, bool]:
    """The QIR text of `program`, and whether it was disassembled from bitcode. Bytes are
    returned as they are (the translator checks that they are UTF-8)."""
    if isinstance(program, str):
        return program, False
    if isinstance(program, (bytes, bytearray, memoryview)):
        return _text_or_bitcode(bytes(program))
    pyqir = sys.modules.get("pyqir")  # a pyqir Module exists only once pyqir is imported
    if pyqir is not None and isinstance(program, pyqir.Module):
        return str(program), False
    represent = getattr(program, "_repr_qir_", None)
    if callable(represent):
        qir = represent()
        if isinstance(qir, str):
            return qir, False
        if isinstance(qir, bytes):
            return _text_or_bitcode(qir)
        raise TypeError(f"_repr_qir_() returned {type(qir).__name__!r}, expected bytes or str")
    hint = " (to translate a file, pass its contents: Path.read_bytes())" if hasattr(
        program, "__fspath__"
    ) else ""
    raise TypeError(
        "QIR must be given as str, bytes (text or bitcode), a pyqir Module or an object with "
        f"_repr_qir_(), not {type(program).__name__!r}{hint}"
    )


def _text_or_bitcode(data: bytes) -> tuple[str | bytes, bool]:
    if is_bitcode(data):
        return bitcode_to_text(data), True
    return data, False
