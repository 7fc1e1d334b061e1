"""Command-line front end: ``brintavel [FILE|DIR ...] [-o OUT] [options]``."""

from __future__ import annotations

import argparse
import dataclasses
import json
import os
import sys
from collections.abc import Sequence
from dataclasses import dataclass
from pathlib import Path

from brintavel import BrintavelError, __version__
from brintavel._diagnostics import excerpt
from brintavel._input import bitcode_to_text, is_bitcode
from brintavel._records import output_map
from brintavel._source_map import LineOrigin, annotate, source_map
from brintavel._translate import Translation, gate_definitions, translate_text

_EPILOG = """\
A FILE holds LLVM IR text (read as UTF-8 exactly as stored) or LLVM bitcode (recognised by its
magic number; reading it needs pyqir: pip install 'brintavel[bitcode]'). A DIR stands for its
*.ll and *.bc files, in name order (not its subdirectories).

With one FILE the program goes to standard output, or to OUT (OUT/NAME.qasm when OUT is a
directory). With several inputs, or a DIR, each NAME.ll or NAME.bc gives NAME.qasm, in the
directory OUT (created when missing) or else beside the input, and a summary line ends the
report on standard error. An output file is only created once its translation succeeded.

Errors are reported as FILE:LINE:COL: error: MESSAGE, followed by the input line and a caret
(for bitcode, the line of its text form).

--output-map writes the program's output records, each tied to the final value of the result
register c, and --source-map the QIR line and column of every line of the program, as JSON (the
schemas are in the README); both need a single input.

exit status:
  0  every program was written
  1  an input could not be read or translated, or an output could not be written
     (the reasons are printed to stderr)
  2  the command line was not understood
"""

_STDIO = "-"
_STDIN_NAME = "<stdin>"
_QIR_SUFFIXES = (".ll", ".bc")


def _parser() -> argparse.ArgumentParser:
    parser = argparse.ArgumentParser(
        prog="brintavel",
        description="Translate QIR (LLVM IR text or bitcode) into OpenQASM 3 for the Halvek "
        "quantum service.",
        epilog=_EPILOG,
        formatter_class=argparse.RawDescriptionHelpFormatter,
    )
    parser.add_argument(
        "inputs",
        nargs="*",
        metavar="FILE|DIR",
        help="QIR modules to translate; '-' or none reads standard input",
    )
    parser.add_argument(
        "-o",
        "--output",
        metavar="OUT",
        help="write the program to OUT instead of standard output ('-' is standard output); "
        "with several inputs, the directory for the programs",
    )
    parser.add_argument(
        "--producer",
        metavar="TEXT",
        help="name the calling tool in the trailing generated-by comment",
    )
    parser.add_argument(
        "--extended",
        action="store_true",
        help="extended mode: also translate constructs outside the base rules",
    )
    parser.add_argument(
        "--entry",
        metavar="NAME",
        help="with --extended: translate the entry-point function NAME instead of the first",
    )
    parser.add_argument(
        "--with-gate-definitions",
        action="store_true",
        help="insert the native gates' definitions (see --gate-definitions) after the "
        "program's first line, so that generic OpenQASM 3 tools load it",
    )
    parser.add_argument(
        "--gate-definitions",
        action="store_true",
        help="print OpenQASM 3 definitions of the native gates in terms of U and "
        "stdgates.inc, and exit",
    )
    parser.add_argument(
        "--output-map",
        metavar="FILE.json",
        help="write the program's output records (what it records, from the final value of "
        "the result register c) to FILE.json; in extended mode c then covers every recorded result",
    )
    parser.add_argument(
        "--source-map",
        metavar="FILE.json",
        help="write the QIR line and column each line of the program came from to FILE.json",
    )
    parser.add_argument(
        "--annotate",
        action="store_true",
        help="end each statement with a // LINE:COLUMN comment naming the QIR instruction it came from",
    )
    parser.add_argument("--version", action="version", version=f"%(prog)s {__version__}")
    return parser


class _CliFailure(Exception):
    """A problem with an input or output file, reported as one line on stderr."""


@dataclass
class _Source:
    name: str  # as shown in messages: the path, or <stdin>
    text: str
    bitcode: bool


def _say(line: str) -> None:
    """Writes a line to stderr; a stderr that is closed or gone is not a further error."""
    if sys.stderr is None:
        return
    try:
        print(line, file=sys.stderr, flush=True)
    except (OSError, ValueError):
        pass


def _read(path: str) -> _Source:
    if path == _STDIO:
        name, described = _STDIN_NAME, "standard input"
    else:
        name = described = path
    try:
        if path != _STDIO:
            with open(path, "rb") as file:
                data = file.read()
        elif sys.stdin is None:
            raise _CliFailure("cannot read standard input: it is closed")
        elif hasattr(sys.stdin, "buffer"):
            data = sys.stdin.buffer.read()
        else:  # a text-only stand-in installed by an embedding application
            return _Source(name, sys.stdin.read(), False)
    except OSError as error:
        raise _CliFailure(f"cannot read {described}: {error.strerror or error}") from error
    if is_bitcode(data):
        return _Source(name, bitcode_to_text(data), True)
    try:
        return _Source(name, data.decode("utf-8"), False)
    except UnicodeDecodeError as error:
        raise _CliFailure(
            f"{described} is not valid UTF-8 (byte offset {error.start}: {error.reason})"
        ) from error


def _write_file(path: str | Path, program: str) -> None:
    try:
        with open(path, "w", encoding="utf-8", newline="") as file:
            file.write(program)
    except OSError as error:
        raise _CliFailure(f"cannot write {path}: {error.strerror or error}") from error


def _write_stdout(program: str) -> None:
    """Writes to standard output; BrokenPipeError when its reader went away."""
    try:
        if sys.stdout is None:
            raise _CliFailure("cannot write standard output: it is closed")
        if hasattr(sys.stdout, "buffer"):
            # Bytes, so that a non-UTF-8 locale cannot reject a non-ASCII producer name.
            sys.stdout.buffer.write(program.encode("utf-8"))
            sys.stdout.buffer.flush()
        else:
            sys.stdout.write(program)
            sys.stdout.flush()
    except BrokenPipeError:
        _silence_stdout()
        raise
    except (OSError, ValueError) as error:  # ValueError: the stream was closed
        _silence_stdout()
        reason = error.strerror if isinstance(error, OSError) else None
        raise _CliFailure(f"cannot write standard output: {reason or error}") from error


def _silence_stdout() -> None:
    """Points stdout at /dev/null after a failed write (`brintavel x.ll | head`, or a full
    disk), so that the flush at interpreter exit does not report the failure a second time."""
    try:
        descriptor = sys.stdout.fileno()
    except (AttributeError, OSError, ValueError):
        return
    devnull = os.open(os.devnull, os.O_WRONLY)
    try:
        os.dup2(devnull, descriptor)
    finally:
        os.close(devnull)


def _report_error(source: _Source | None, name: str, error: BrintavelError, extended: bool) -> None:
    """FILE:LINE:COL: error: MESSAGE, the input line with a caret, and the extended-mode hint."""
    line, column = getattr(error, "line", None), getattr(error, "column", None)
    shown = None
    where = name
    if source is not None and line is not None and column is not None:
        shown = excerpt(source.text, line, column)
        where = f"{name}{' (as text)' if source.bitcode else ''}:{line}:{column}"
    _say(f"{where}: error: {error}")
    if shown is not None:
        _say(shown)
    if not extended and getattr(error, "extended_translates", False):
        _say(f"{name}: note: the extended mode (--extended) translates this module")


def _translate(source: _Source, args: argparse.Namespace) -> Translation:
    translation = translate_text(
        source.text,
        producer=args.producer,
        extended=args.extended,
        entry=args.entry,
        records=args.output_map is not None,
        source_map=args.source_map is not None or args.annotate,
    )
    if translation.other_entry_points and args.entry is None:
        skipped = ", ".join(f"'{name}'" for name in translation.other_entry_points)
        count = len(translation.other_entry_points) + 1
        _say(
            f"{source.name}: warning: the module has {count} entry points; translated "
            f"'{translation.entry_point}', skipped {skipped} (--extended --entry NAME picks another)"
        )
    for warning in translation.warnings:
        where = source.name
        if warning.line is not None:
            where = f"{source.name}{' (as text)' if source.bitcode else ''}:{warning.line}:{warning.column}"
        _say(f"{where}: warning: {warning.message}")
    if args.annotate:
        translation = dataclasses.replace(translation, program=annotate(translation))
    if args.with_gate_definitions:
        first, newline, rest = translation.program.partition("\n")
        definitions = gate_definitions()
        origins = translation.source_map
        if origins is not None:  # the definitions' lines come from no instruction
            origins = origins[:1] + (LineOrigin(None),) * definitions.count("\n") + origins[1:]
        translation = dataclasses.replace(
            translation, program=first + newline + definitions + rest, source_map=origins
        )
    return translation


def _write_maps(translation: Translation, args: argparse.Namespace) -> None:
    for path, data in (
        (args.output_map, output_map if translation.records is not None else None),
        (args.source_map, source_map if translation.source_map is not None else None),
    ):
        if path is not None and data is not None:
            _write_file(path, json.dumps(data(translation), indent=1, ensure_ascii=False) + "\n")


def _run_one(path: str, args: argparse.Namespace, output: Path | str | None) -> bool:
    """Translates one input and writes its program to `output` (None or '-': stdout).
    Reports any failure on stderr and returns whether it succeeded."""
    name = _STDIN_NAME if path == _STDIO else path
    source = None
    try:
        source = _read(path)
        translation = _translate(source, args)
        _write_maps(translation, args)
        if output is None or output == _STDIO:
            _write_stdout(translation.program)
        else:
            _write_file(output, translation.program)
    except BrintavelError as error:
        _report_error(source, name, error, args.extended)
        return False
    except _CliFailure as error:
        _say(f"brintavel: {error}")
        return False
    return True


def _expand(inputs: Sequence[str]) -> tuple[list[str], list[str]]:
    """The files the inputs stand for, and complaints about directories without QIR files."""
    files: list[str] = []
    empty: list[str] = []
    for given in inputs:
        if os.path.isdir(given):
            found = sorted(
                entry.path
                for entry in os.scandir(given)
                if entry.name.endswith(_QIR_SUFFIXES) and entry.is_file()
            )
            if not found:
                empty.append(f"brintavel: {given}: no .ll or .bc files in this directory")
            files.extend(found)
        else:
            files.append(given)
    return files, empty


def _run_many(inputs: Sequence[str], args: argparse.Namespace) -> int:
    files, empty = _expand(inputs)
    failed = len(empty)
    for complaint in empty:
        _say(complaint)
    if args.output is not None:
        try:
            os.makedirs(args.output, exist_ok=True)
        except OSError as error:
            _say(f"brintavel: cannot use {args.output} as the output directory: "
                 f"{error.strerror or error}")
            return 1
    written: dict[str, str] = {}  # output path -> its input
    for path in files:
        stem = os.path.splitext(os.path.basename(path))[0]
        directory = args.output if args.output is not None else os.path.dirname(path)
        output = os.path.join(directory, stem + ".qasm")
        key = os.path.realpath(output)
        if key in written or key == os.path.realpath(path):
            clash = f"the translation of {written[key]}" if key in written else "this input"
            _say(f"brintavel: {path}: not translated: its output {output} would overwrite {clash}")
            failed += 1
            continue
        written[key] = path
        if not _run_one(path, args, output):
            failed += 1
    _say(f"brintavel: {len(files) + len(empty) - failed} translated, {failed} failed")
    return 1 if failed else 0


def main(argv: Sequence[str] | None = None) -> int:
    """Runs the command line and returns the exit status (0, 1 or 2)."""
    parser = _parser()
    try:
        args = parser.parse_args(argv)
        inputs: list[str] = args.inputs or [_STDIO]
        if args.entry is not None and not args.extended:
            parser.error("--entry needs --extended")
        if args.gate_definitions and args.inputs:
            parser.error("--gate-definitions takes no input files")
        many = (
            len(inputs) > 1
            or any(os.path.isdir(given) for given in inputs)
            or (inputs != [_STDIO] and args.output is not None and os.path.isdir(args.output))
        )
        if many and _STDIO in inputs:
            parser.error("standard input ('-') must be the only input")
        if many and args.output == _STDIO:
            parser.error("with several inputs, -o names a directory")
        if many and (args.output_map is not None or args.source_map is not None):
            parser.error("--output-map and --source-map need a single input")
    except SystemExit as stop:  # --help, --version and usage errors
        return int(stop.code or 0)

    try:
        if args.gate_definitions:
            if args.output is None or args.output == _STDIO:
                _write_stdout(gate_definitions())
            else:
                _write_file(args.output, gate_definitions())
            return 0
        if many:
            return _run_many(inputs, args)
        return 0 if _run_one(inputs[0], args, args.output) else 1
    except _CliFailure as error:
        _say(f"brintavel: {error}")
        return 1
    except BrokenPipeError:
        return 1
