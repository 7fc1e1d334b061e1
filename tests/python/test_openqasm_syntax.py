"""Every OpenQASM program the translator produces is accepted by the reference OpenQASM 3 parser
(the `openqasm3` package): all golden outputs under tests/data, and the current translation of
every QIR file there that is expected to translate (in extended mode under tests/data/extended)."""

import pytest

from brintavel import translate
from qasm_check.corpus import DATA, syntax_error

GOLDEN_OUTPUTS = sorted(DATA.rglob("*.qasm"))
TRANSLATABLE_INPUTS = sorted(p for p in DATA.rglob("*.ll") if not p.with_suffix(".err").exists())


def data_path(path):
    return str(path.relative_to(DATA))


def test_the_corpus_is_there():
    assert GOLDEN_OUTPUTS and TRANSLATABLE_INPUTS


@pytest.mark.parametrize("path", GOLDEN_OUTPUTS, ids=data_path)
def test_golden_output_parses(path):
    error = syntax_error(path.read_text())
    assert error is None, error


@pytest.mark.parametrize("path", TRANSLATABLE_INPUTS, ids=data_path)
def test_translation_parses(path):
    error = syntax_error(translate(path.read_text(), extended="extended" in path.relative_to(DATA).parts))
    assert error is None, error


@pytest.mark.parametrize(
    "program",
    [
        "OPENQASM 3.0;\nqubit[1] q;\nh q[0]\n",  # missing semicolon
        "OPENQASM 3.0;\nqubit[1] q;\nif (c[0]) { x q[0];\n",  # unclosed block
        "OPENQASM 3.0;\nbit[1] c;\nc[0] = = 1;\n",
    ],
)
def test_rejected_programs_are_reported(program):
    assert syntax_error(program).startswith("QASM3ParsingError: ")
