#!/usr/bin/env python3
"""Writes библиотека.txt from the text modules in texts/.

Each module defines rows(): a list of (table, key tuple, text) in file order. The file is
Windows-1251, one row per line, ending in a line feed.

    python3 data/generate.py          write the file
    python3 data/generate.py --check  fail if the committed file differs from what would be written
"""
import pathlib
import sys

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

from texts import halls, years  # noqa: E402
from texts.checks import check_library  # noqa: E402

TARGET = HERE / "библиотека.txt"


def quote(text):
    escaped = text.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n").replace("\r", "\\r")
    if "\t" in escaped:
        raise ValueError(f"a tab in {text[:40]!r}")
    return f'"{escaped}"'


def argument(value):
    return str(value) if isinstance(value, int) else quote(value)


def line(table, key, text):
    return f"{table}({', '.join(argument(v) for v in (*key, text))})\n"


def library():
    rows = [row for module in (years, halls) for row in module.rows()]
    check_library(rows)
    return "".join(line(*row) for row in rows).encode("cp1251")


def main():
    data = library()
    if sys.argv[1:] == ["--check"]:
        if not TARGET.exists() or TARGET.read_bytes() != data:
            sys.exit(f"{TARGET.name} is not what data/generate.py writes: run it and commit the result")
        return
    TARGET.write_bytes(data)


if __name__ == "__main__":
    main()
