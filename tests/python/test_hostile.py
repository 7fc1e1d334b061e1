"""Inputs written to hurt: every one must end in the program text or a BrintavelError,
without crashing, hanging or exhausting the interpreter, on the main thread and on a
thread with a smaller stack."""

import threading

import pytest

import qir_gen
from brintavel import BrintavelError, translate

ENTRY = "define void @main() #0 {\nentry:\n"
TAIL = '  ret void\n}\nattributes #0 = { "entry_point" }\ndeclare void @__quantum__qis__h__body(ptr)\n'


def outcome(text: str, extended: bool = False) -> str:
    """'ok' or 'error: <message>' for one translation."""
    try:
        result = translate(text, extended=extended)
    except BrintavelError as error:
        return f"error: {error}"
    assert result.startswith("OPENQASM 3.0;\n") and result.endswith("}\n")
    return "ok"


def on_small_stack(function, *args):
    """Runs function(*args) on a thread with a 1 MiB stack and returns its result."""
    box = {}

    def run():
        try:
            box["value"] = function(*args)
        except BaseException as error:  # re-raised on the calling thread
            box["error"] = error

    old = threading.stack_size(1 << 20)
    try:
        thread = threading.Thread(target=run)
        thread.start()
    finally:
        threading.stack_size(old)
    thread.join()
    if "error" in box:
        raise box["error"]
    return box["value"]


HOSTILE = {
    # Structure blow-ups.
    "exponential chain": (qir_gen.doubling_chain(64), "error: translation size limit"),
    "dependent chain 10^6": (qir_gen.dependent_chain(1_000_000), "error: "),
    "nested ifs 10^5": (qir_gen.nested_ifs(100_000), None),
    "nested loops 10^4": (qir_gen.nested_loops(10_000), None),
    # Brackets nested a million deep, in an instruction, an operand and a signature.
    "open brackets": (ENTRY + "  call void @f(" + "(" * 1_000_000 + TAIL, "error: "),
    "balanced brackets": (
        ENTRY + "  call void @f(i64 " + "[" * 1_000_000 + "]" * 1_000_000 + ")\n" + TAIL
        + "declare void @f(i64)\n",
        "error: ",
    ),
    "deep struct type": (
        "declare void @f(" + "{" * 1_000_000 + "i64" + "}" * 1_000_000 + ")\n" + ENTRY + TAIL,
        None,
    ),
    # Odd bytes and sizes.
    "NUL in a comment": (ENTRY + "  call void @__quantum__qis__h__body(ptr null) ; \0\n" + TAIL, "ok"),
    "NUL line": (ENTRY + "\0\n" + TAIL, 'error: unsupported LLVM instruction opcode "\\0" in block "entry"'),
    "NUL in a name": (ENTRY + "  call void @h\0x(ptr null)\n" + TAIL, "error: "),
    "label of 10^6 characters": (
        ENTRY + "  br label %" + "L" * 1_000_000 + "\n" + "L" * 1_000_000 + ":\n" + TAIL, "ok"
    ),
    "line of 10^7 characters": (ENTRY + "  ; " + "x" * 10_000_000 + "\n" + TAIL, "ok"),
    "many attribute groups": (
        "".join(f'attributes #{i} = {{ "a{i}" }}\n' for i in range(200_000))
        + "define void @main() " + " ".join(f"#{i}" for i in range(1, 200_000, 2)) + " {\n"
        + 'entry:\n  ret void\n}\nattributes #1 = { "entry_point" }\n',
        "ok",
    ),
}


# Inputs written to hurt the extended mode's inlining of calls to defined functions.
HOSTILE_EXTENDED = {
    "calls nested 10^4 deep": (qir_gen.call_tree(10_000, 1), "error: calls to functions defined in the module nest"),
    "calls doubling 60 times": (qir_gen.call_tree(60, 2), "error: inlining the calls to functions defined in the module"),
}


@pytest.mark.parametrize("name", list(HOSTILE))
def test_hostile_input_ends_in_text_or_error(name):
    text, expected = HOSTILE[name]
    result = outcome(text)
    if expected is None:
        assert result == "ok" or result.startswith("error: ")
    else:
        assert result.startswith(expected), result[:300]


@pytest.mark.parametrize("name", list(HOSTILE_EXTENDED))
def test_hostile_input_in_extended_mode(name):
    text, expected = HOSTILE_EXTENDED[name]
    assert outcome(text, extended=True).startswith(expected)
    assert on_small_stack(outcome, text, True).startswith(expected)


# The extended mode translates again, by its own rules, what the default mode refuses.
@pytest.mark.parametrize("name", [name for name, (_, expected) in HOSTILE.items() if expected and expected.startswith("error")])
def test_refused_hostile_input_in_extended_mode_ends_in_text_or_error(name):
    result = outcome(HOSTILE[name][0], extended=True)
    assert result == "ok" or result.startswith("error: ")


@pytest.mark.parametrize("name", ["exponential chain", "nested ifs 10^5", "open brackets", "deep struct type"])
def test_hostile_input_on_a_small_thread_stack(name):
    text, _ = HOSTILE[name]
    assert on_small_stack(outcome, text) == outcome(text)


def test_fifty_megabytes():
    text = qir_gen.straight_line(620_000)
    assert len(text) > 50_000_000
    program = translate(text)
    assert program.count("\n") > 600_000


def test_lone_surrogate_is_an_encoding_error_with_a_note():
    with pytest.raises(UnicodeEncodeError) as caught:
        translate(qir_gen.straight_line(3) + "; \udc80\n")
    assert caught.value.__notes__ == ["while processing 'qir_text'"]


def test_exponential_chain_names_the_value():
    with pytest.raises(BrintavelError, match=r'at SSA value "x\d+"'):
        translate(qir_gen.doubling_chain(64))
