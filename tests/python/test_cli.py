"""The brintavel command line: in-process through main(), and once as `python -m brintavel`."""

import io
import json
import subprocess
import sys

import pytest

import brintavel
import brintavel.cli
from brintavel import BrintavelError, Translation, gate_definitions
from brintavel.cli import main
from qasm_check.corpus import DATA

# Must reach the translator unchanged: CRLF line ends and non-ASCII text.
RAW_INPUT = "; Zoë's module\r\ndefine void @main() {\r\n".encode()


@pytest.fixture
def echo_translate(monkeypatch):
    """Replaces the translator: the "program" is the JSON of the arguments it was given."""
    def translate_text(qir_text, *, producer=None, extended=False, entry=None, **maps):
        return Translation(json.dumps([qir_text, producer]) + "\n", "main", ())

    monkeypatch.setattr(brintavel.cli, "translate_text", translate_text)


@pytest.mark.parametrize("argv", [[], ["-"], ["-", "-o", "-"]])
def test_standard_input_to_standard_output(argv, echo_translate, monkeypatch):
    # ASCII-encoded streams, as under a C locale, installed during the call itself (pytest's
    # capturing would replace streams set up by a fixture).
    monkeypatch.setattr(sys, "stdin", io.TextIOWrapper(io.BytesIO(RAW_INPUT), encoding="ascii"))
    monkeypatch.setattr(sys, "stdout", io.TextIOWrapper(io.BytesIO(), encoding="ascii"))
    assert main([*argv, "--producer", "Zoë"]) == 0
    sys.stdout.flush()
    assert json.loads(sys.stdout.buffer.getvalue()) == [RAW_INPUT.decode(), "Zoë"]


def test_file_to_output_file(tmp_path, echo_translate, capsys):
    (tmp_path / "in.ll").write_bytes(RAW_INPUT)
    assert main([str(tmp_path / "in.ll"), "-o", str(tmp_path / "out.qasm")]) == 0
    assert capsys.readouterr() == ("", "")
    assert json.loads((tmp_path / "out.qasm").read_bytes()) == [RAW_INPUT.decode(), None]


@pytest.mark.parametrize(
    ("argv", "complaint"),
    [
        (["{tmp}/helper.ll", "-o", "{tmp}/out.qasm"], "{tmp}/helper.ll: error: no entry-point "),
        (["{tmp}/missing.ll"], "brintavel: cannot read {tmp}/missing.ll: "),
        (["{tmp}/latin1.ll"], "brintavel: {tmp}/latin1.ll is not valid UTF-8 (byte offset 5"),
        (["{tmp}/bell.ll", "-o", "{tmp}/no-dir/out.qasm"], "brintavel: cannot write "),
    ],
    ids=["translation", "missing", "latin-1", "unwritable"],
)
def test_failures_exit_1_with_one_line(tmp_path, capsys, no_entry, bell, argv, complaint):
    (tmp_path / "helper.ll").write_text(no_entry[0], encoding="utf-8")
    (tmp_path / "bell.ll").write_text(bell[0], encoding="utf-8")
    (tmp_path / "latin1.ll").write_bytes(b"; caf\xe9\n")
    assert main([arg.format(tmp=tmp_path) for arg in argv]) == 1
    out, err = capsys.readouterr()
    assert (out, err.count("\n")) == ("", 1) and err.startswith(complaint.format(tmp=tmp_path))
    assert not (tmp_path / "out.qasm").exists()


@pytest.mark.parametrize(
    "argv",
    [
        ["--bogus"],
        ["--producer"],
        ["-o"],
        ["--entry", "main", "a.ll"],  # --entry only with --extended
        ["--gate-definitions", "a.ll"],
        ["a.ll", "-"],
        ["a.ll", "b.ll", "-o", "-"],
        ["a.ll", "b.ll", "--output-map", "m.json"],
        ["a.ll", "b.ll", "--source-map", "m.json"],
    ],
)
def test_usage_errors(argv, capsys):
    assert main(argv) == 2
    assert capsys.readouterr().err.startswith("usage: brintavel")


def test_version(capsys):
    assert main(["--version"]) == 0
    assert capsys.readouterr().out == f"brintavel {brintavel.__version__}\n"


def test_python_dash_m(bell):
    qir_text, program = bell
    command = [sys.executable, "-m", "brintavel"]
    run = subprocess.run(command, input=qir_text.encode(), capture_output=True, timeout=60)
    assert (run.returncode, run.stdout.decode(), run.stderr.decode()) == (0, program, "")


# ---- error display ------------------------------------------------------------------------------

def _failing_translate(line, column, extended_translates=False):
    """A stand-in translator that fails at (line, column), saying whether extended mode
    translates the module."""
    def translate_text(qir_text, *, producer=None, extended=False, entry=None, **maps):
        error = BrintavelError("no such thing")
        error.kind, error.line, error.column = "unsupported", line, column
        error.extended_translates = extended_translates
        raise error

    return translate_text


@pytest.mark.parametrize(
    ("line", "column", "extended_translates", "expected"),
    [
        (2, 5, False, "{f}:2:5: error: no such thing\n 2 |   call @g\n   |     ^\n"),
        (None, None, False, "{f}: error: no such thing\n"),
        (9, 1, False, "{f}:9:1: error: no such thing\n"),  # no such line: no excerpt
        (
            None,
            None,
            True,
            "{f}: error: no such thing\n{f}: note: the extended mode (--extended) translates "
            "this module\n",
        ),
    ],
)
def test_error_display(tmp_path, capsys, monkeypatch, line, column, extended_translates, expected):
    monkeypatch.setattr(brintavel.cli, "translate_text", _failing_translate(line, column, extended_translates))
    (tmp_path / "f.ll").write_text("entry:\n  call @g\n")
    assert main([str(tmp_path / "f.ll")]) == 1
    assert capsys.readouterr() == ("", expected.format(f=tmp_path / "f.ll"))


# ---- several inputs, directories, bitcode ----------------------------------------------------------

def _bitcode(qir_text):
    pyqir = pytest.importorskip("pyqir")
    return pyqir.Module.from_ir(pyqir.Context(), qir_text).bitcode


def test_several_inputs(tmp_path, capsys, bell, no_entry):
    qir_text, program = bell
    (tmp_path / "progs" / "sub").mkdir(parents=True)
    (tmp_path / "progs" / "a.ll").write_text(qir_text)
    (tmp_path / "progs" / "b.bc").write_bytes(_bitcode(qir_text))
    (tmp_path / "progs" / "c.ll").write_text(no_entry[0])
    (tmp_path / "progs" / "notes.txt").write_text("not QIR")
    (tmp_path / "progs" / "sub" / "d.ll").write_text(qir_text)  # not recursive
    (tmp_path / "e.qir").write_text(qir_text)  # named explicitly: any suffix
    (tmp_path / "empty").mkdir()
    out = tmp_path / "out" / "new"
    argv = [f"{tmp_path}/progs", f"{tmp_path}/e.qir", f"{tmp_path}/empty", "-o", str(out)]

    assert main(argv) == 1
    assert sorted(p.name for p in out.iterdir()) == ["a.qasm", "b.qasm", "e.qasm"]
    assert all(p.read_text() == program for p in out.iterdir())
    assert capsys.readouterr() == ("", (
        "brintavel: {t}/empty: no .ll or .bc files in this directory\n"
        "{t}/progs/c.ll: error: {no_entry}\n"
        "brintavel: 3 translated, 2 failed\n").format(t=tmp_path, no_entry=no_entry[1]))


def test_several_inputs_beside_themselves(tmp_path, capsys, bell):
    qir_text, program = bell
    for name in ("x.ll", "y.ll", "y.bc"):
        (tmp_path / name).write_text(qir_text)
    assert main([str(tmp_path)]) == 1  # y.bc and y.ll would both write y.qasm
    assert [(tmp_path / n).read_text() for n in ("x.qasm", "y.qasm")] == [program, program]
    assert capsys.readouterr().err == (
        f"brintavel: {tmp_path}/y.ll: not translated: its output {tmp_path}/y.qasm would "
        f"overwrite the translation of {tmp_path}/y.bc\nbrintavel: 2 translated, 1 failed\n")


def test_one_input_into_a_directory(tmp_path, capsys, bell):
    (tmp_path / "bell.ll").write_text(bell[0])
    assert main([str(tmp_path / "bell.ll"), "-o", str(tmp_path)]) == 0
    assert (tmp_path / "bell.qasm").read_text() == bell[1]


@pytest.mark.parametrize("via", ["file", "stdin"])
def test_bitcode_input(tmp_path, capsys, monkeypatch, bell, via):
    (tmp_path / "bell.bc").write_bytes(_bitcode(bell[0]))
    if via == "stdin":
        monkeypatch.setattr(sys, "stdin", io.TextIOWrapper(io.BytesIO(_bitcode(bell[0]))))
    assert main([str(tmp_path / "bell.bc")] if via == "file" else []) == 0
    assert capsys.readouterr() == (bell[1], "")


# ---- entry points, gate definitions ----------------------------------------------------------------

def test_two_entry_points(tmp_path, capsys, bell):
    qir_text, program = bell
    second = qir_text[qir_text.index("define"):qir_text.index("declare")].replace("@main", "@other")
    (tmp_path / "two.ll").write_text(qir_text + second)
    assert main([str(tmp_path / "two.ll")]) == 0
    assert capsys.readouterr() == (program, (
        f"{tmp_path}/two.ll: warning: the module has 2 entry points; translated 'main', "
        "skipped 'other' (--extended --entry NAME picks another)\n"))
    assert main(["--extended", "--entry", "other", str(tmp_path / "two.ll")]) == 0
    assert capsys.readouterr() == (program, "")


def test_gate_definitions(tmp_path, capsys, bell):
    assert main(["--gate-definitions"]) == 0
    assert capsys.readouterr() == (gate_definitions(), "")
    (tmp_path / "bell.ll").write_text(bell[0])
    assert main(["--with-gate-definitions", str(tmp_path / "bell.ll")]) == 0
    assert capsys.readouterr().out == bell[1].replace("\n", "\n" + gate_definitions(), 1)


def test_maps_and_annotations(tmp_path, capsys):
    # The written program's lines, gate definitions included, are the source map's.
    qir = DATA / "extended" / "records_labels.ll"
    argv = ["--extended", "--with-gate-definitions", "--annotate", str(qir)]
    maps = ["--output-map", str(tmp_path / "out.json"), "--source-map", str(tmp_path / "src.json")]
    assert main([*argv, *maps]) == 0
    program = capsys.readouterr().out
    lines = json.loads((tmp_path / "src.json").read_text())["lines"]
    assert len(lines) == program.count("\n")
    for entry, text in zip(lines, program.split("\n")):
        at = entry["instruction"]
        assert (at is not None) == text.endswith(f"// {at['line']}:{at['column']}" if at else "//")
    assert "ry(1.0) q[0]; // 11:3\n" in program
    records = json.loads((tmp_path / "out.json").read_text())["records"]
    assert [r["label"] for r in records] == ["0_t", "1_t0r", "2_t1b", "3_t\t2d", None]
    assert main([str(qir).replace("extended/records_labels", "producers/qsharp-base/bell")]) == 0
    assert "//" not in capsys.readouterr().out.split("// generated-by")[0]


# ---- writing ------------------------------------------------------------------------------------

@pytest.mark.parametrize(
    ("redirect", "complaint"),
    [
        ("> /dev/full", "cannot write standard output: No space left on device"),
        (">&-", "cannot write standard output: it is closed"),
    ],
)
def test_write_errors_are_one_line(tmp_path, bell, redirect, complaint):
    (tmp_path / "bell.ll").write_text(bell[0])
    command = f"'{sys.executable}' -m brintavel '{tmp_path}/bell.ll' {redirect}"
    run = subprocess.run(["sh", "-c", command], capture_output=True, timeout=60)
    assert (run.returncode, run.stderr.decode()) == (1, f"brintavel: {complaint}\n")


# ---- warnings ---------------------------------------------------------------------------------------

def _squared_angle_program() -> str:
    """An rz whose angle, m * m / 2 for m packed from five measured bits, takes 32 values."""
    lines = ["%Qubit = type opaque", "%Result = type opaque", "define void @main() #0 {", "entry:"]
    for k in range(5):
        q = f"inttoptr (i64 {k} to %Qubit*)"
        r = f"inttoptr (i64 {k} to %Result*)"
        lines += [f"  call void @__quantum__qis__mz__body(%Qubit* {q}, %Result* {r})",
                  f"  %r{k} = call i1 @__quantum__qis__read_result__body(%Result* {r})",
                  f"  %z{k} = zext i1 %r{k} to i64", f"  %w{k} = shl i64 %z{k}, {k}"]
    lines += ["  %s1 = or i64 %w0, %w1", "  %s2 = or i64 %s1, %w2", "  %s3 = or i64 %s2, %w3",
              "  %m = or i64 %s3, %w4", "  %x = sitofp i64 %m to double", "  %y = fmul double %x, %x",
              "  %a = fmul double %y, 0.5",
              "  call void @__quantum__qis__rz__body(double %a, %Qubit* inttoptr (i64 5 to %Qubit*))",
              "  ret void", "}",
              "declare void @__quantum__qis__rz__body(double, %Qubit*)",
              "declare void @__quantum__qis__mz__body(%Qubit*, %Result*)",
              "declare i1 @__quantum__qis__read_result__body(%Result*)",
              'attributes #0 = { "entry_point" "qir_profiles"="adaptive_profile" }']
    return "\n".join(lines) + "\n"


def test_warnings_follow_the_error_format(tmp_path, capsys):
    path = tmp_path / "angle.ll"
    path.write_text(_squared_angle_program())
    assert main(["--extended", str(path)]) == 0
    out, err = capsys.readouterr()
    assert "rz(float[64](" in out
    assert err == (f"{path}:32:3: warning: the angle \"a\" of \"__quantum__qis__rz__body\" is computed at run "
                   "time from values that take too many cases to write each; the service evaluates it once "
                   "for all shots\n")
    with pytest.warns(brintavel.BrintavelWarning, match=r"^line 32, column 3: the angle \"a\""):
        brintavel.translate(path.read_text(), extended=True)
