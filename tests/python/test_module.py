"""The _brintavel_native extension: its names, argument handling, errors and memory use."""

import gc
import importlib.util
import os
import sys
import tracemalloc
from importlib import metadata
from pathlib import Path

import pytest

import _brintavel_native as native

DOC = """\
Translate QIR text to Halvek-compatible OpenQASM 3.

``producer``, if given and non-empty, is surfaced as the
``"producer"`` field in the trailing ``// generated-by:`` comment
(e.g. ``"mylib 0.1.2"``). ``None`` or empty omits the field.

Raises ``BrintavelError`` on any translation failure."""

GENERATED_BY = (
    '// generated-by: {"name":"brintavel","version":"%s","profile":"base_profile"' % native.__version__
)


def test_public_surface():
    assert native.__all__ == ["__version__", "BrintavelError", "translate"]
    # The version comes from CMakeLists.txt into the module and the package metadata alike.
    assert (native.__version__, native.__doc__) == (metadata.version("brintavel"), "")
    # The internal-failure class is deliberately not among the attributes.
    public = sorted(name for name in vars(native) if not name.startswith("__"))
    assert public == ["BrintavelError", "translate"]
    assert native.translate.__text_signature__ == "(qir_text, *, producer=None)"
    assert native.translate.__doc__ == DOC
    site = Path(native.__file__).parent
    assert (site / "_brintavel_native.pyi").is_file()
    assert (site / "_brintavel_native-stubs" / "__init__.pyi").is_file()


def test_error_class(no_entry):
    qir_text, message = no_entry
    error_class = native.BrintavelError
    assert error_class.__bases__ == (Exception,)
    assert error_class.__module__ == "_brintavel_native"
    assert (error_class.__qualname__, error_class.__doc__) == ("BrintavelError", None)
    with pytest.raises(error_class) as raised:
        native.translate(qir_text)
    assert raised.value.args == (message,)

    # Another module object from the same extension shares the class and starts a fresh __all__.
    second = importlib.util.module_from_spec(native.__spec__)
    for _ in range(2):
        native.__spec__.loader.exec_module(second)
    assert second.BrintavelError is error_class
    assert second.__all__ == native.__all__


@pytest.mark.parametrize(
    ("args", "kwargs", "message"),
    [
        ((), {"producer": "p"}, "translate() missing 1 required positional argument: 'qir_text'"),
        (("a", "b"), {}, "translate() takes 1 positional arguments but 2 were given"),
        (("a", "b", "c"), {}, "translate() takes 1 positional arguments but 3 were given"),
        (("a",), {"qir_text": "b"}, "translate() got multiple values for argument 'qir_text'"),
        (("a",), {"Producer": "p"}, "translate() got an unexpected keyword argument 'Producer'"),
        ((), {"qir_text\0": "a"}, "translate() got an unexpected keyword argument 'qir_text\0'"),
        # Binding comes before conversion.
        ((42,), {"bogus": 1}, "translate() got an unexpected keyword argument 'bogus'"),
    ],
)
def test_argument_binding_errors(args, kwargs, message):
    with pytest.raises(TypeError) as raised:
        native.translate(*args, **kwargs)
    assert str(raised.value) == message
    assert not hasattr(raised.value, "__notes__")


NOT_STR = "object is not an instance of 'str'"


@pytest.mark.parametrize(
    ("qir_text", "producer", "error", "message", "argument"),
    [
        (None, None, TypeError, "'None' is not an instance of 'str'", "qir_text"),
        (b"", 7, TypeError, f"'bytes' {NOT_STR}", "qir_text"),
        ("ok\ud800", None, UnicodeEncodeError, "surrogates not allowed", "qir_text"),
        ("", 7, TypeError, f"'int' {NOT_STR}", "producer"),
        ("", "\udc80", UnicodeEncodeError, "surrogates not allowed", "producer"),
    ],
)
def test_conversion_errors_name_the_argument(qir_text, producer, error, message, argument):
    with pytest.raises(error) as raised:
        native.translate(qir_text, producer=producer)
    assert type(raised.value) is error and str(raised.value).endswith(message)
    assert raised.value.__notes__ == [f"while processing '{argument}'"]


def test_equivalent_calls(bell):
    class Text(str):
        pass

    qir_text, program = bell
    assert native.translate(qir_text) == program
    for kwargs in ({"qir_text": qir_text}, {"producer": None}, {"producer": Text("")}):
        arguments = () if "qir_text" in kwargs else (Text(qir_text),)
        assert native.translate(*arguments, **kwargs) == program


@pytest.mark.parametrize(
    ("producer", "written"),
    [
        ("mylib 0.1.2", "mylib 0.1.2"),
        ('say "hi"\\now\t\b\f\n\r', 'say \\"hi\\"\\\\now\\t\\b\\f\\n\\r'),
        ("\x01\x1f\x7f nul\0", "\\u0001\\u001f\\u007f nul\\u0000"),
        ("Zoë ✓ 🧪", "Zoë ✓ 🧪"),
    ],
)
def test_producer_in_generated_by_line(bell, producer, written):
    program = native.translate(bell[0], producer=producer)
    assert program.endswith(f'{GENERATED_BY},"producer":"{written}"}}\n')


def _resident_bytes() -> int:
    with open("/proc/self/statm", encoding="ascii") as statm:
        return int(statm.read().split()[1]) * os.sysconf("SC_PAGE_SIZE")


@pytest.mark.parametrize(
    ("sample", "extra"),
    [(0, {}), (1, {}), (0, {"extra": 1}), (0, {"producer": 7}), (0, {"producer": "p\ud800"})],
    ids=["translation", "translation-error", "binding-error", "conversion-error", "encoding-error"],
)
def test_repeated_calls_do_not_leak(sample, extra, bell, no_entry):
    # Large arguments make any per-call copy that is never freed stand out.
    qir_text = (bell, no_entry)[sample][0] + "; padding line for the leak check\n" * 2000
    producer = "p" * 4096
    kwargs = {"producer": producer, **extra}

    def run(times):
        for _ in range(times):
            try:
                native.translate(qir_text, **kwargs)
            except (TypeError, UnicodeEncodeError, native.BrintavelError):
                pass
        gc.collect()

    run(500)  # warm up interpreter caches and free lists
    references = sys.getrefcount(qir_text), sys.getrefcount(producer)
    tracemalloc.start()
    try:
        before = tracemalloc.get_traced_memory()[0]
        run(2_000)
        python_growth = tracemalloc.get_traced_memory()[0] - before
    finally:
        tracemalloc.stop()
    resident_before = _resident_bytes()
    run(20_000)

    assert (sys.getrefcount(qir_text), sys.getrefcount(producer)) == references
    assert python_growth < 32 * 1024  # one leaked object per call would be 100 KiB or more
    assert _resident_bytes() - resident_before < 16 * 1024 * 1024  # a leaked copy: gigabytes
