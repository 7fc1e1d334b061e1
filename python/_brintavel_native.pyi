from typing import Final, Literal

__all__ = ["__version__", "BrintavelError", "translate"]

__version__: Final[str]

class BrintavelError(Exception):
    # Set on the errors that the brintavel package raises (not on those raised by this
    # module's own translate): what went wrong, coarsely, and the 1-based input line and
    # column (counted in characters) it concerns, None for errors about the whole module.
    kind: Literal["parse", "unsupported", "control-flow", "internal"]
    line: int | None
    column: int | None

def translate(qir_text: str, *, producer: str | None = None) -> str:
    """Translate QIR text to Halvek-compatible OpenQASM 3.

    ``producer``, if given and non-empty, is surfaced as the
    ``"producer"`` field in the trailing ``// generated-by:`` comment
    (e.g. ``"mylib 0.1.2"``). ``None`` or empty omits the field.

    Raises ``BrintavelError`` on any translation failure.
    """
