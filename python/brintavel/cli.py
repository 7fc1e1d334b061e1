"""Command-line front end: ``brintavel [FILE|-] [-o OUT] [--producer TEXT]``."""

from __future__ import annotations

import argparse
import os
import sys
from collections.abc import Sequence

from brintavel import BrintavelError, __version__, translate

_EPILOG = """\
The input is read as UTF-8 exactly as stored; line endings are left to the translator.
The output is written as UTF-8, and OUT is only created once the translation succeeded.

exit status:
  0  the program was written
  1  the input could not be read or is not UTF-8, the output could not be written,
     or the QIR could not be translated (the reason is printed to stderr)
  2  the command line was not understood
"""

_STDIO = "-"


def _parser() -> argparse.ArgumentParser:
    parser = argparse.ArgumentParser(
        prog="brintavel",
        description="Translate QIR (LLVM IR text) into OpenQASM 3 for the Halvek quantum service.",
        epilog=_EPILOG,
        formatter_class=argparse.RawDescriptionHelpFormatter,
    )
    parser.add_argument(
        "file",
        nargs="?",
        default=_STDIO,
        metavar="FILE",
        help="QIR module to translate; '-' or no FILE reads standard input",
    )
    parser.add_argument(
        "-o",
        "--output",
        metavar="OUT",
        help="write the program to OUT instead of standard output ('-' is standard output)",
    )
    parser.add_argument(
        "--producer",
        metavar="TEXT",
        help="name the calling tool in the trailing generated-by comment",
    )
    parser.add_argument("--version", action="version", version=f"%(prog)s {__version__}")
    return parser


class _CliFailure(Exception):
    """A problem with the input or output files, reported as one line on stderr."""


def _read_input(path: str) -> str:
    name = "standard input" if path == _STDIO else path
    try:
        if path != _STDIO:
            with open(path, "rb") as file:
                data = file.read()
        elif sys.stdin is None:
            raise _CliFailure("cannot read standard input: it is closed")
        elif hasattr(sys.stdin, "buffer"):
            data = sys.stdin.buffer.read()
        else:  # a text-only stand-in installed by an embedding application
            return sys.stdin.read()
    except OSError as error:
        raise _CliFailure(f"cannot read {name}: {error.strerror or error}") from error
    try:
        return data.decode("utf-8")
    except UnicodeDecodeError as error:
        raise _CliFailure(
            f"{name} is not valid UTF-8 (byte offset {error.start}: {error.reason})"
        ) from error


def _write_output(path: str | None, program: str) -> None:
    if path is not None and path != _STDIO:
        try:
            with open(path, "w", encoding="utf-8", newline="") as file:
                file.write(program)
        except OSError as error:
            raise _CliFailure(f"cannot write {path}: {error.strerror or error}") from error
    elif hasattr(sys.stdout, "buffer"):
        # Bytes, so that a non-UTF-8 locale cannot reject a non-ASCII producer name.
        sys.stdout.buffer.write(program.encode("utf-8"))
        sys.stdout.buffer.flush()
    else:
        sys.stdout.write(program)
        sys.stdout.flush()


def _silence_stdout() -> None:
    """Points stdout at /dev/null after its reader went away (`brintavel x.ll | head`), so
    that the flush at interpreter exit does not report the dead pipe a second time."""
    try:
        descriptor = sys.stdout.fileno()
    except (AttributeError, OSError, ValueError):
        return
    devnull = os.open(os.devnull, os.O_WRONLY)
    try:
        os.dup2(devnull, descriptor)
    finally:
        os.close(devnull)


def main(argv: Sequence[str] | None = None) -> int:
    """Runs the command line and returns the exit status (0, 1 or 2)."""
    try:
        args = _parser().parse_args(argv)
    except SystemExit as stop:  # --help, --version and usage errors
        return int(stop.code or 0)

    try:
        qir_text = _read_input(args.file)
        program = translate(qir_text, producer=args.producer)
        _write_output(args.output, program)
    except BrintavelError as error:
        print(error, file=sys.stderr)
        return 1
    except _CliFailure as error:
        print(f"brintavel: {error}", file=sys.stderr)
        return 1
    except BrokenPipeError:
        _silence_stdout()
        return 1
    return 0
