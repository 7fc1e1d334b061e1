"""The brintavel command line: in-process through main(), and once as `python -m brintavel`."""

import io
import json
import subprocess
import sys

import pytest

import brintavel.cli
from brintavel.cli import main

# Must reach the translator unchanged: CRLF line ends and non-ASCII text.
RAW_INPUT = "; Zoë's module\r\ndefine void @main() {\r\n".encode()


@pytest.fixture
def echo_translate(monkeypatch):
    """Replaces the translator: the "program" is the JSON of the arguments it was given."""
    def translate(qir_text, *, producer=None):
        return json.dumps([qir_text, producer]) + "\n"

    monkeypatch.setattr(brintavel.cli, "translate", translate)


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
        (["{tmp}/helper.ll", "-o", "{tmp}/out.qasm"], "no entry-point function found; "),
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


@pytest.mark.parametrize("argv", [["--bogus"], ["a.ll", "b.ll"], ["--producer"], ["-o"]])
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
