from typing import Final

__all__ = ["__version__", "BrintavelError", "translate"]

__version__: Final[str]

class BrintavelError(Exception): ...

def translate(qir_text: str, *, producer: str | None = None) -> str:
    """Translate QIR text to Halvek-compatible OpenQASM 3.

    ``producer``, if given and non-empty, is surfaced as the
    ``"producer"`` field in the trailing ``// generated-by:`` comment
    (e.g. ``"mylib 0.1.2"``). ``None`` or empty omits the field.

    Raises ``BrintavelError`` on any translation failure.
    """
