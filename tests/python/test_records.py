"""The output records of a translation reproduce what the QIR records, shot by shot.

For every program of the producer corpus and of the extended goldens whose reference holds the
records qirrunner printed ("records": each shot's OUTPUT lines, counted), the translation is
simulated, each shot's final register c is formatted with `format_shot`, and the distribution of
the formatted shots is compared with the reference's (exactly for deterministic programs, by the
G-test otherwise). A record that the translation reports as not determined by c shows `?`, and
so does the same line of the reference. Beside each golden NAME.ll, NAME.records.json holds the
expected record map (`--output-map`) and NAME.sourcemap.json the expected source map
(`--source-map`); both are checked here.
"""

from __future__ import annotations

import dataclasses
import json
import re
from collections import Counter
from pathlib import Path

import pytest

from brintavel import BrintavelError, format_shot, shaped, translate, translate_module
from brintavel._records import format_double, output_map
from brintavel._source_map import annotate, source_map
from qasm_check import g_test_homogeneity, simulate_counts
from qasm_check.corpus import ALPHA, DATA, REGISTER, SEED_OFFSET, CorpusProgram, producer_programs
from qasm_check.dialect import check_dialect
from test_extended import extended_programs

def recorded(program: CorpusProgram) -> bool:
    return bool(program.reference.get("records")) and any(program.reference["records"])


def mode_of(program: CorpusProgram) -> bool | None:
    """Whether the program translates in extended mode (None: it does not translate)."""
    if program.name.startswith("extended/"):
        return True
    if program.expected_output.exists():
        return False
    if program.qir_path.with_suffix(".extended.qasm").exists():
        return True
    return None


PROGRAMS = [p for p in producer_programs() + extended_programs() if recorded(p) and mode_of(p) is not None]


def projected(text: str, records) -> str | None:
    """The reference shot `text` with the values of undetermined records as `?`; None when its
    lines do not line up with the records."""
    lines = text.split("\n") if text else []
    if len(lines) != len(records):
        return None
    for i, record in enumerate(records):
        if not record.determined and record.kind not in ("TUPLE", "ARRAY"):
            fields = lines[i].split("\t")
            fields[2] = "?"
            lines[i] = "\t".join(fields)
    return "\n".join(lines)


def simulated_records(translation, shots: int, seed: int) -> dict[str, int]:
    match = REGISTER.search(translation.program)
    size = int(match.group(1)) if match else 0
    counts = simulate_counts(translation.program, shots, seed, list(range(size)))
    formatted: Counter[str] = Counter()
    for key, n in counts.items():
        formatted[format_shot(translation, [int(b) for b in key])] += n
    return dict(formatted)


def records_check(program: CorpusProgram, translation) -> tuple[bool, str]:
    """Whether the shots formatted from the simulated register have the distribution of the
    records qirrunner printed; raises Skipped when the records of a shot depend on its path and
    the translation says so."""
    reference = program.reference
    expected: Counter[str] = Counter()
    for text, n in reference["records"].items():
        shot = projected(text, translation.records)
        assert shot is not None or not all(r.determined for r in translation.records), (
            f"the records {[r.kind for r in translation.records]} do not line up with the shot {text!r}"
        )
        if shot is None:
            pytest.skip("the records of a shot depend on its path, and the translation says so")
        expected[shot] += n
    simulated = simulated_records(translation, reference["shots"], reference["seed"] + SEED_OFFSET)
    if len(expected) == 1:
        return simulated == dict(expected), f"expected {dict(expected)}, simulated {simulated}"
    g, df, p = g_test_homogeneity(expected, simulated)
    return p >= ALPHA, f"G = {g:.2f}, df = {df}, p = {p:.3g}; reference {dict(expected)}, simulated {simulated}"


@pytest.mark.parametrize("program", PROGRAMS, ids=lambda p: p.name)
def test_records_formatted_from_c_match_the_qir(program):
    translation = translate_module(program.qir_path.read_text(), extended=mode_of(program), records=True)
    passed, detail = records_check(program, translation)
    assert passed, detail


@pytest.mark.parametrize(
    "name, record, values",
    [
        # (program, number of the record, its wrong values): a wrong map fails the check.
        ("qsharp-adaptive-normalized/int_and_bool_outputs", 5, (0, 1, 1, 1)),
        ("qsharp-adaptive-normalized/int_and_bool_outputs", 6, (0, 0, 1, 0)),
        ("extended/records_packed", 3, (0.0, 0.25, 0.5, 0.75, 1.0, 1.25, 1.75, 1.5)),
    ],
)
def test_a_wrong_record_map_fails_the_check(name, record, values):
    program = next(p for p in PROGRAMS if p.name == name)
    translation = translate_module(program.qir_path.read_text(), extended=mode_of(program), records=True)
    records = list(translation.records)
    records[record] = dataclasses.replace(records[record], values=values)
    assert not records_check(program, dataclasses.replace(translation, records=tuple(records)))[0]


def test_most_records_are_determined():
    # pytket's register runtime keeps its registers beside c, so the integers it reads from them
    # are not determined by c (and say so); of the other records, a few in loops or in branches.
    undetermined, total = [], 0
    for program in PROGRAMS:
        translation = translate_module(program.qir_path.read_text(), extended=mode_of(program), records=True)
        total += len(translation.records)
        own_registers = sum("get_int_from_creg" in w.message for w in translation.warnings)
        left = [f"{program.name}:{r.line}" for r in translation.records if not r.determined]
        assert len(left) >= own_registers
        undetermined += left[own_registers:] if own_registers else left
    assert len(PROGRAMS) >= 40
    assert len(undetermined) <= 0.04 * total, undetermined


# ---- goldens: NAME.records.json and NAME.sourcemap.json beside NAME.ll -------------------------

GOLDENS = sorted(DATA.rglob("*.records.json")) + sorted(DATA.rglob("*.sourcemap.json"))


def golden_input(path: Path) -> tuple[Path, bool]:
    stem = path.name.split(".")[0]
    qir = path.with_name(stem + ".ll")
    extended = "extended" in path.relative_to(DATA).parts or not qir.with_suffix(".qasm").exists()
    return qir, extended


def golden_map(path: Path) -> dict:
    """What NAME.records.json (the record map and the warnings) or NAME.sourcemap.json (the
    source map and the annotated program) holds for NAME.ll."""
    qir, extended = golden_input(path)
    if path.name.endswith(".records.json"):
        translation = translate_module(qir.read_text(), extended=extended, records=True)
        actual = output_map(translation)
        actual["warnings"] = [f"{w.line}:{w.column}: {w.message}" for w in translation.warnings]
    else:
        translation = translate_module(qir.read_text(), extended=extended, source_map=True)
        actual = source_map(translation)
        actual["annotated"] = annotate(translation).split("\n")
    return actual


@pytest.mark.parametrize("path", GOLDENS, ids=lambda p: str(p.relative_to(DATA)))
def test_golden_map(path):
    assert golden_map(path) == json.loads(path.read_text())


def test_golden_maps_cover_every_case():
    names = {p.name for p in GOLDENS}
    assert {
        "records_labels.records.json",
        "records_nested.records.json",
        "records_unmeasured.records.json",
        "records_packed.records.json",
        "records_counter.records.json",
        "sourcemap_split.sourcemap.json",
        "sourcemap_inlined.sourcemap.json",
        "sourcemap_loop.sourcemap.json",
    } <= names


# ---- the register covers every recorded result in extended mode, and only there ---------------

UNMEASURED = DATA / "extended" / "records_unmeasured.ll"


def test_extended_register_covers_recorded_results_only_when_asked():
    text = UNMEASURED.read_text()
    plain = translate(text, extended=True)
    covered = translate_module(text, extended=True, records=True).program
    assert "bit[2] c;" in plain
    assert 'bit[3] c = "000";' in covered
    assert not check_dialect(covered)
    assert translate_module(text, records=True).program == translate(text)
    assert translate_module(text, extended=True, source_map=True).program == plain


def test_maps_leave_the_text_unchanged():
    # Every golden input: the default mode's text with both maps, and the extended mode's with the
    # source map, and with the records where every recorded result is measured.
    checked = 0
    for path in sorted(DATA.rglob("*.ll")):
        text = path.read_text()
        for extended in (False, True):
            try:
                plain = translate(text, extended=extended)
            except BrintavelError:
                continue
            mapped = translate_module(text, extended=extended, records=True, source_map=True)
            assert len(mapped.source_map) == plain.count("\n"), path
            if not extended or not any(r.kind == "RESULT" and not r.bits for r in mapped.records):
                assert mapped.program == plain, path
            checked += 1
    assert checked >= 200


# ---- shaping one shot -------------------------------------------------------------------------

NESTED = DATA / "extended" / "records_nested.ll"


@pytest.mark.parametrize(
    "bits, text, value",
    [
        # c[0] is the last character of a bit string, the first element of a sequence.
        ("01", "OUTPUT\tARRAY\t2\ta\nOUTPUT\tTUPLE\t2\tt\nOUTPUT\tRESULT\t1\tr0\nOUTPUT\tINT\t1\tn\n"
         "OUTPUT\tTUPLE\t2\tt\nOUTPUT\tRESULT\t0\tr1\nOUTPUT\tINT\t1\tn", [(1, 1), (0, 1)]),
        ([1, 1], "OUTPUT\tARRAY\t2\ta\nOUTPUT\tTUPLE\t2\tt\nOUTPUT\tRESULT\t1\tr0\nOUTPUT\tINT\t1\tn\n"
         "OUTPUT\tTUPLE\t2\tt\nOUTPUT\tRESULT\t1\tr1\nOUTPUT\tINT\t2\tn", [(1, 1), (1, 2)]),
    ],
)
def test_shaped_and_formatted_shot(bits, text, value):
    translation = translate_module(NESTED.read_text(), extended=True, records=True)
    assert format_shot(translation, bits) == text
    assert shaped(translation, bits) == value


@pytest.mark.parametrize(
    "x, text",
    [(1.0, "1.0"), (0.1, "0.1"), (1e20, "100000000000000000000.0"), (2.5e-7, "0.00000025"), (-3.5, "-3.5")],
)
def test_doubles_print_as_qir_runners_print_them(x, text):
    assert format_double(x) == text


def test_a_translation_without_records_cannot_be_shaped():
    translation = translate_module(NESTED.read_text(), extended=True)
    with pytest.raises(ValueError, match="records=True"):
        shaped(translation, "00")
    with pytest.raises(ValueError, match="0 and 1"):
        format_shot(translate_module(NESTED.read_text(), extended=True, records=True), "0x")


def write_golden_maps() -> None:
    """Rewrites the golden maps after a deliberate change: ``python tests/python/test_records.py``
    (the maps to write are the ones that exist, and those of test_golden_maps_cover_every_case)."""
    for name in ("labels", "nested", "unmeasured", "packed", "counter"):
        (DATA / "extended" / f"records_{name}.records.json").touch()
    for name in ("split", "inlined", "loop"):
        (DATA / "extended" / f"sourcemap_{name}.sourcemap.json").touch()
    for path in sorted(DATA.rglob("*.records.json")) + sorted(DATA.rglob("*.sourcemap.json")):
        text = json.dumps(golden_map(path), indent=1, ensure_ascii=False)
        # Lists of numbers on one line.
        text = re.sub(r"\[[-0-9.,\s]*\]", lambda m: "[" + ", ".join(m.group(0)[1:-1].split()).replace(",,", ",") + "]", text)
        path.write_text(text + "\n")


if __name__ == "__main__":
    write_golden_maps()
