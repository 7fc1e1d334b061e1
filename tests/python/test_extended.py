"""The extended mode: what it translates means what the QIR means, and it changes nothing the
default mode translates.

Checked for meaning, like the producer corpus (test_producers.py): the golden programs of the
extended mode's own constructs (tests/data/extended/NAME.ll, each with the statistics of its QIR
in NAME.reference.json, made by tools/producers/extended_goldens.py), and the extended-mode
translations of the producer programs that the default mode refuses (NAME.extended.qasm beside
NAME.ll, or the message in NAME.extended.err). The C++ golden test checks that every golden
input the default mode translates comes out identically in extended mode; here the same holds
for generated programs, and inlining is checked to be exact: a program whose quantum calls go
through internal functions translates in extended mode to exactly what the program translates
to in the default mode.
"""

from __future__ import annotations

import json
import re
from pathlib import Path

import pytest

import qir_gen
from brintavel import BrintavelError, translate
from qasm_check.corpus import DATA, CorpusProgram, meaning_check, producer_programs, syntax_error
from qasm_check.dialect import check_dialect

EXTENDED = DATA / "extended"
PRODUCER_PROGRAMS = producer_programs()


def extended_golden(stem: Path, suffix: str) -> Path:
    return stem.with_name(stem.name + suffix)


def extended_programs() -> list[CorpusProgram]:
    """The goldens of the extended mode's constructs (tests/data/extended/NAME.ll) and the
    producers' corpora (tests/data/extended/PRODUCER/NAME.ll) that translate and have a
    reference."""
    programs = []
    for path in sorted(EXTENDED.rglob("*.ll")):
        reference = path.with_name(path.stem + ".reference.json")
        if reference.exists() and path.with_suffix(".qasm").exists():
            name = f"extended/{path.relative_to(EXTENDED).with_suffix('')}"
            programs.append(CorpusProgram(name, path, json.loads(reference.read_text())))
    return programs


def producer_corpus() -> list[Path]:
    """The QIR of the producers' corpora (extended_corpus.py), one folder per producer and profile."""
    return sorted(EXTENDED.glob("*/*.ll"))


# Producers' programs that the extended mode refuses, with the reason (a part of the message):
# each has no exact form in the service's OpenQASM or is not valid QIR.
CORPUS_REFUSALS = {
    # Branches that cross out of a loop into a shared tail: no if/else/while nesting writes the
    # graph without copying blocks.
    "cudaq-adaptive/repetition_code": "could not reduce CFG to a single block",
    "guppy/repeat_until_success": "could not reduce CFG to a single block",
    # The producer's own faults: a parameter written without its name's type, a gate called
    # without a declaration.
    "qoqo/interactions": "could not resolve pointer operand",
    "qoqo/teleport": "no signature for callee",
}

# Translations that hold only under the simulator, with what the service does differently.
SERVICE_LIMITS = {
    # An angle computed from a count of measured ones divided by 2^k over four rounds: more
    # cases than are written one by one; the translation warns that the service evaluates it once.
    "extended/guppy/phase_estimation": "measured-angle",
}


def path_dependent(program: CorpusProgram) -> bool:
    """Whether the number of results a shot records depends on its path (records inside
    branches): the bit strings of the reference then do not line up, and the records are
    compared one by one in test_records.py."""
    return len({len(key) for key in program.reference["counts"]}) > 1


def without_reference(path: Path) -> bool:
    """Whether the program's leading comments say that it has no reference (qirrunner lacks
    what it calls): `; no reference: why`."""
    for line in path.read_text().splitlines():
        if not line.startswith(";"):
            return False
        if line.startswith("; no reference:"):
            return True
    return False


def refused_by_default(program: CorpusProgram) -> bool:
    return program.expected_error.exists()


# Producer programs that the extended mode refuses too, with why they have no exact OpenQASM form.
EXTENDED_REFUSALS: dict[str, str] = {}

MEANT = extended_programs() + [
    p for p in PRODUCER_PROGRAMS if extended_golden(p.qir_path.with_suffix(""), ".extended.qasm").exists()
]


def test_corpus_layout_and_refusals():
    refused = {}
    for path in producer_corpus():
        stem = path.with_suffix("")
        translated, failed = stem.with_suffix(".qasm").exists(), stem.with_suffix(".err").exists()
        assert translated != failed, path
        assert stem.with_name(stem.name + ".reference.json").exists(), path
        if failed:
            refused[str(path.relative_to(EXTENDED).with_suffix(""))] = stem.with_suffix(".err").read_text()
    assert set(refused) == set(CORPUS_REFUSALS)
    for name, message in refused.items():
        assert CORPUS_REFUSALS[name] in message, (name, message)
    assert len(refused) <= 0.05 * len(producer_corpus())


def test_golden_layout():
    for path in sorted(EXTENDED.glob("*.ll")):
        stem = path.with_suffix("")
        translated = extended_golden(stem, ".qasm").exists()
        assert translated != extended_golden(stem, ".err").exists(), path.name
        has_reference = extended_golden(stem, ".reference.json").exists()
        assert has_reference == (translated and not without_reference(path)), path.name
    for program in PRODUCER_PROGRAMS:
        stem = program.qir_path.with_suffix("")
        files = [extended_golden(stem, ".extended.qasm").exists(), extended_golden(stem, ".extended.err").exists()]
        assert sum(files) == (1 if refused_by_default(program) else 0), program.name


@pytest.mark.parametrize("program", MEANT, ids=lambda p: p.name)
def test_extended_translation_means_what_the_qir_means(program):
    output = translate(program.qir_path.read_text(), extended=True)
    assert syntax_error(output) is None
    findings = check_dialect(output)
    if program.name in SERVICE_LIMITS:
        assert {f.rule for f in findings} == {SERVICE_LIMITS[program.name]}
    else:
        assert not findings, "\n".join(map(str, findings))
    if path_dependent(program):
        pytest.skip("the results a shot records depend on its path: compared record by record")
    result = meaning_check(program, output)
    assert result.passed, result.detail


def test_extended_mode_refuses_only_the_listed_producer_programs():
    refused = {
        p.name for p in PRODUCER_PROGRAMS if extended_golden(p.qir_path.with_suffix(""), ".extended.err").exists()
    }
    assert refused == set(EXTENDED_REFUSALS)
    assert len(refused) <= 2


# ---- the extended mode keeps what the default mode translates -----------------------------------

GENERATED = {
    "straight line": qir_gen.straight_line(400),
    "sequential ifs": qir_gen.sequential_ifs(40),
    "nested ifs": qir_gen.nested_ifs(30),
    "nested loops": qir_gen.nested_loops(8),
    "dependent chain": qir_gen.dependent_chain(200),
}


@pytest.mark.parametrize("name", list(GENERATED))
def test_extended_mode_keeps_what_the_default_mode_translates(name):
    text = GENERATED[name]
    assert translate(text, extended=True) == translate(text)


DECLARED_INTRINSIC = re.compile(r"^declare (?P<ret>\S+) @(?P<name>__quantum__qis__\w+)\((?P<params>[^)]*)\)", re.M)


def through_internal_functions(qir: str) -> str:
    """The module with every call of a declared __quantum__qis__ function made through an
    internal function that makes the call."""
    wrappers = []
    for match in DECLARED_INTRINSIC.finditer(qir):
        ret, name = match["ret"], match["name"]
        params = [p.strip() for p in match["params"].split(",") if p.strip()]
        if "..." in params:
            continue
        typed = ", ".join(f"{p} %p{i}" for i, p in enumerate(params))
        call = f"call {ret} @{name}({typed})"
        body = f"  {call}\n  ret void" if ret == "void" else f"  %r = {call}\n  ret {ret} %r"
        wrappers.append(f"define internal {ret} @wrapped.{name}({typed}) {{\nentry:\n{body}\n}}\n")
        qir = re.sub(rf"(call (?:zeroext )?\S+ )@{name}\(", rf"\1@wrapped.{name}(", qir)
    return qir + "\n" + "\n".join(wrappers)


def default_translations() -> dict[str, tuple[str, str]]:
    """The golden inputs and generated programs that the default mode translates and that call
    quantum intrinsics, with their translations."""
    texts = {str(p.relative_to(DATA)): p.read_text() for p in sorted(DATA.rglob("*.ll")) if EXTENDED not in p.parents}
    texts.update(GENERATED)
    translations = {}
    for name, text in texts.items():
        if DECLARED_INTRINSIC.search(text):
            try:
                translations[name] = (text, translate(text))
            except BrintavelError:
                pass
    return translations


WRAPPABLE = default_translations()


@pytest.mark.parametrize("name", list(WRAPPABLE))
def test_calls_through_internal_functions_translate_like_direct_calls(name):
    text, expected = WRAPPABLE[name]
    wrapped = through_internal_functions(text)
    assert wrapped != text
    with pytest.raises(BrintavelError):
        translate(wrapped)
    assert translate(wrapped, extended=True) == expected
