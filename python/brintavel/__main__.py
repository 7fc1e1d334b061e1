"""``python -m brintavel``: the command-line translator."""

from brintavel.cli import main

if __name__ == "__main__":
    raise SystemExit(main())
