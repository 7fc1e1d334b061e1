# Typing stub of brintavel._core, the package's private binding of the translator.
from typing import Final

__version__: Final[str]

def translate(
    qir_text: str | bytes,
    *,
    producer: str | None = None,
    extended: bool = False,
    entry: str | None = None,
    check_extended: bool = False,
    records: bool = False,
    source_map: bool = False,
) -> tuple[
    str,
    str,
    list[str],
    list[tuple[str, int | None, int | None]],
    list[tuple[str, str | None, int, bool, list[int], list[int] | list[float], int | None, int | None]],
    list[tuple[tuple[int, int] | None, tuple[int, int] | None]],
]: ...
def gate_definitions() -> str: ...
def native_gates() -> list[tuple[str, int, int]]: ...
def qir_gates() -> list[tuple[str, str, bool]]: ...
def controlled_gates() -> list[tuple[str, int, int, str]]: ...
def gate_rewrites() -> list[
    tuple[str, bool, int, int, list[str], str, list[tuple[str, list[str], list[int]]]]
]: ...
