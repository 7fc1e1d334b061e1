"""The brintavel package: the input forms it reads, its errors and notes, and its typing."""

import struct
import subprocess
import sys
import textwrap
from pathlib import Path

import pytest

import _brintavel_native as native
import brintavel
import brintavel._translate
from brintavel import BrintavelError, Translation, translate, translate_module
from brintavel._diagnostics import excerpt
from conftest import BELL_PROGRAM, BELL_QIR, NO_ENTRY_QIR


def test_surface():
    assert brintavel.__all__ == [
        "__version__",
        "BrintavelError",
        "BrintavelWarning",
        "LineOrigin",
        "OutputRecord",
        "Translation",
        "TranslationWarning",
        "format_shot",
        "gate_definitions",
        "shaped",
        "translate",
        "translate_module",
    ]
    assert (brintavel.BrintavelError, brintavel.__version__) == (
        native.BrintavelError,
        native.__version__,
    )


class ReprQir:
    """A stand-in for a producer's result object (the `_repr_qir_` protocol)."""

    def __init__(self, qir):
        self.qir = qir

    def _repr_qir_(self, **kwargs):
        return self.qir


def _pyqir_module():
    pyqir = pytest.importorskip("pyqir")
    return pyqir.Module.from_ir(pyqir.Context(), BELL_QIR)


def _bitcode() -> bytes:
    return _pyqir_module().bitcode


def _wrapped_bitcode() -> bytes:
    bitcode = _bitcode()
    return struct.pack("<5I", 0x0B17C0DE, 0, 20, len(bitcode), 0) + bitcode


INPUT_FORMS = {
    "str": lambda: BELL_QIR,
    "bytes": lambda: BELL_QIR.encode(),
    "bytearray": lambda: bytearray(BELL_QIR.encode()),
    "memoryview": lambda: memoryview(BELL_QIR.encode()),
    "bitcode": _bitcode,
    "wrapped-bitcode": _wrapped_bitcode,
    "pyqir-module": _pyqir_module,
    "repr-qir-text-bytes": lambda: ReprQir(BELL_QIR.encode()),
    "repr-qir-str": lambda: ReprQir(BELL_QIR),
    "repr-qir-bitcode": lambda: ReprQir(_bitcode()),
}


@pytest.mark.parametrize("form", INPUT_FORMS)
def test_input_forms_translate_alike(form):
    program = INPUT_FORMS[form]()
    assert translate(program) == BELL_PROGRAM
    assert translate_module(program, producer="p") == Translation(
        BELL_PROGRAM.replace('"}\n', '","producer":"p"}\n'), "main", ()
    )


def test_qsharp_compile_result():
    try:
        from qdk import qsharp
    except ImportError:
        qsharp = pytest.importorskip("qsharp")
    qsharp.init(target_profile=qsharp.TargetProfile.Base)
    qsharp.eval("operation Bell() : (Result, Result) { use (a, b) = (Qubit(), Qubit()); "
                "H(a); CNOT(a, b); (M(a), M(b)) }")
    compiled = qsharp.compile("Bell()")
    program = translate(compiled)
    assert program.startswith("OPENQASM 3.0;\n") and "cnot q[0], q[1];" in program
    assert program == translate(str(compiled))


def test_bitcode_without_pyqir(monkeypatch):
    monkeypatch.setitem(sys.modules, "pyqir", None)  # makes `import pyqir` fail
    with pytest.raises(BrintavelError) as raised:
        translate(b"BC\xc0\xde and the rest of the bitcode")
    error = raised.value
    assert "pip install 'brintavel[bitcode]'" in str(error)
    assert (error.kind, error.line, error.column) == ("parse", None, None)


@pytest.mark.parametrize(
    ("program", "message"),
    [
        (42, "not 'int'"),
        (Path("bell.ll"), "not 'PosixPath' (to translate a file, pass its contents"),
        (ReprQir(42), "_repr_qir_() returned 'int', expected bytes or str"),
    ],
)
def test_other_types_are_type_errors(program, message):
    with pytest.raises(TypeError, match=message.replace("(", r"\(").replace(")", r"\)")):
        translate(program)


# (QIR, kind, position): the position the core reports, None for errors about the whole module.
ERRORS = [
    (NO_ENTRY_QIR, "unsupported", None),
    (b"; caf\xe9\n", "parse", (1, 6)),
    (BELL_QIR.replace("entry:", "entry"), "unsupported", (5, 1)),
    (BELL_QIR.replace("qis__h__body(%Qubit* null)", "qis__h__body(%Qubit* %q)"), "unsupported", (6, 3)),
    pytest.param(b"BC\xc0\xde not really bitcode", "parse", None, id="bad-bitcode"),
]


@pytest.mark.parametrize(("qir", "kind", "position"), ERRORS)
def test_errors_carry_kind_and_position(qir, kind, position):
    with pytest.raises(BrintavelError) as raised:
        translate(qir)
    error = raised.value
    assert error.kind == kind
    if position is None:
        assert (error.line, error.column) == (None, None)
        assert not hasattr(error, "__notes__")
    else:
        assert (error.line, error.column) == position
        line = qir.splitlines()[position[0] - 1]
        if isinstance(line, bytes):
            line = line.decode("utf-8", "replace")
        assert error.__notes__[0].startswith(f"at line {position[0]}, column {position[1]}:\n")
        assert line in error.__notes__[0]


def test_notes_show_the_line_and_the_extended_hint(monkeypatch):
    # A stand-in core whose default mode fails at line 2, column 3, raising the same exception
    # object each time (as a re-raised error would be), and says, when asked, that the extended
    # mode translates the module when `extended_translates` is set.
    error = BrintavelError("no such thing")
    error.kind, error.line, error.column = "unsupported", 2, 3

    class Core:
        extended_translates = False

        @staticmethod
        def translate(text, *, producer=None, extended=False, entry=None, check_extended=False, **maps):
            error.extended_translates = check_extended and Core.extended_translates
            raise error

    monkeypatch.setattr(brintavel._translate, "_core", Core)
    line_note = "at line 2, column 3:\n 2 | \tsecond line\n   | \t ^"
    for extended_translates, notes in [
        (False, [line_note]),
        (True, [line_note, "extended=True translates this module"]),
        (True, [line_note, "extended=True translates this module"]),
    ]:
        Core.extended_translates = extended_translates
        with pytest.raises(BrintavelError) as raised:
            translate("first\n\tsecond line\n")
        assert raised.value.__notes__ == notes


LONG = "x" * 100 + "é" + "y" * 200


@pytest.mark.parametrize(
    ("text", "line", "column", "shown"),
    [
        ("a\nbcd\n", 2, 2, " 2 | bcd\n   |  ^"),
        ("a\r\nbcd\r\n", 2, 4, " 2 | bcd\n   |    ^"),  # just past the end of the line
        ("a\nbcd", 2, 99, " 2 | bcd\n   |    ^"),
        ("\t\tx = y\n", 1, 3, " 1 | \t\tx = y\n   | \t\t^"),
        ("é\x1b[2Jx\n".encode(), 1, 5, " 1 | é?[2Jx\n   |     ^"),  # columns are characters
        ("a\n" * 9 + "0123", 10, 1, " 10 | 0123\n    | ^"),
        ("a\nb\n", 4, 1, None),
        (
            LONG,
            1,
            101,
            " 1 | ..." + LONG[40:160] + "...\n   |    " + " " * 60 + "^",
        ),
    ],
    ids=["middle", "crlf", "past-end", "tabs", "bytes", "wide-gutter", "no-such-line", "long"],
)
def test_excerpt(text, line, column, shown):
    assert excerpt(text, line, column) == shown


def test_gate_definitions_let_generic_tools_load_every_gate():
    # One call of every QIR function of the gate table; its translation, with the definitions
    # after the first line, goes through the OpenQASM 3 reference parser and Q#'s OpenQASM
    # front end (whose stdgates.inc is the standard one).
    arity = {name: (angles, qubits) for name, angles, qubits in brintavel._core.native_gates()}
    body, declarations = [], []
    for function, gate, _ in brintavel._core.qir_gates():
        angles, qubits = arity[gate]
        parameters = ["double"] * angles + ["ptr"] * qubits
        operands = ["double 0.25"] * angles + [
            "ptr null" if i == 0 else f"ptr inttoptr (i64 {i} to ptr)" for i in range(qubits)
        ]
        body.append(f"  call void @{function}({', '.join(operands)})")
        declarations.append(f"declare void @{function}({', '.join(parameters)})")
    qir = "\n".join(["define void @main() #0 {", "entry:", *body, "  ret void", "}", *declarations,
                     'attributes #0 = { "entry_point" }', ""])
    first, rest = translate(qir).split("\n", 1)
    program = f"{first}\n{brintavel.gate_definitions()}{rest}"

    openqasm3 = pytest.importorskip("openqasm3")
    openqasm3.parse(program)
    try:
        from qdk import openqasm
    except ImportError:
        pytest.skip("qdk is not installed")
    assert openqasm.run(program, shots=1) == [None]  # runs, and records nothing


def test_typed_for_mypy_strict(tmp_path):
    pytest.importorskip("mypy")
    script = tmp_path / "use_brintavel.py"
    script.write_text(textwrap.dedent("""\
        from pathlib import Path

        import brintavel
        from brintavel import BrintavelError, Translation, translate, translate_module

        text: str = translate("qir", producer="me")
        result: Translation = translate_module(Path("a.bc").read_bytes(), extended=True)
        names: tuple[str, ...] = result.other_entry_points
        try:
            translate(b"qir")
        except BrintavelError as error:
            line: int | None = error.line
            print(error.kind == "parse", line, error.column)
        print(brintavel.__version__, brintavel.gate_definitions(), result.entry_point, names)
        """))
    run = subprocess.run(
        [sys.executable, "-m", "mypy", "--strict", "--no-incremental", str(script)],
        capture_output=True, text=True, cwd=tmp_path, timeout=600,
    )
    assert run.returncode == 0, run.stdout + run.stderr
