#!/usr/bin/env python3
"""Writes библиотека.txt from the text modules in texts/.

Each module defines rows(): a list of (table, key tuple, text) in file order. The file is
Windows-1251, one row per line, ending in a line feed. The counts of texts/README.md are written
with it.

    python3 data/generate.py          write the file and the counts
    python3 data/generate.py --check  fail if the committed file or counts differ from what would be
                                      written
"""
import pathlib
import sys

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

from texts import counts, halls, years  # noqa: E402
from texts.checks import check_library  # noqa: E402

TARGET = HERE / "библиотека.txt"
README = HERE / "texts" / "README.md"


def quote(text):
    escaped = text.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n").replace("\r", "\\r")
    if "\t" in escaped:
        raise ValueError(f"a tab in {text[:40]!r}")
    return f'"{escaped}"'


def argument(value):
    return str(value) if isinstance(value, int) else quote(value)


def line(table, key, text):
    return f"{table}({', '.join(argument(v) for v in (*key, text))})\n"


def library_rows():
    rows = [row for module in (years, halls) for row in module.rows()]
    check_library(rows)
    return rows


def library(rows):
    return "".join(line(*row) for row in rows).encode("cp1251")


def readme(rows):
    text = README.read_text(encoding="utf-8")
    new = counts.with_section(text, counts.section(rows, years.CHARACTERISTICS))
    if new is None:
        sys.exit(f"{README}: no lines {counts.BEGIN.strip()} and {counts.END.strip()} to write "
                 f"the counts between")
    return new


def main():
    rows = library_rows()
    data, counted = library(rows), readme(rows)
    if sys.argv[1:] == ["--check"]:
        if not TARGET.exists() or TARGET.read_bytes() != data:
            sys.exit(f"{TARGET.name} is not what data/generate.py writes: run it and commit the result")
        if README.read_text(encoding="utf-8") != counted:
            sys.exit(f"the counts in {README.relative_to(HERE.parent)} are stale: run data/generate.py "
                     f"and commit the result")
        return
    TARGET.write_bytes(data)
    README.write_text(counted, encoding="utf-8")


if __name__ == "__main__":
    main()
