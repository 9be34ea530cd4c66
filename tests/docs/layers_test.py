"""Every `#include "…"` of the tree's C++ follows an arrow that the table of docs/architecture.md
allows, so that the layers stay as drawn: its first column names a layer's folders or files, its
second what they may include besides their own layer ("any layer", or "—" for nothing).
"""
import pathlib
import re
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
TABLE = ROOT / "docs" / "architecture.md"
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
SOURCES = {".cpp", ".h", ".hpp", ".cc"}


def layers():
    """(the layer's paths, what they may include, or None for any layer) for each row."""
    text = TABLE.read_text(encoding="utf-8")
    rows = text[text.index("| layer | may include |"):].split("\n\n")[0].splitlines()[2:]
    table = []
    for row in rows:
        layer, allowed = row.split("|")[1:3]
        table.append((re.findall(r"`([^`]+)`", layer),
                      None if allowed.strip() == "any layer" else re.findall(r"`([^`]+)`", allowed)))
    return table


def under(path, entries):
    return any(path == e or (e.endswith("/") and path.startswith(e)) for e in entries)


def row_of(path, table):
    """The row of the layer a file belongs to: the one that names it most narrowly."""
    rows = [(max(len(p) for p in paths if under(path, [p])), paths, allowed)
            for paths, allowed in table if under(path, paths)]
    return max(rows, key=lambda r: r[0])[1:] if rows else None


def wrong_arrows(files, table):
    """file:line and the arrow, for each include the table does not allow."""
    wrong = []
    for path, text in files:
        row = row_of(path, table)
        for match in INCLUDE.finditer(text):
            line = text.count("\n", 0, match.start()) + 1
            included = match.group(1)
            beside = (ROOT / path).parent / included
            if "/" not in included and beside.exists():
                included = beside.relative_to(ROOT).as_posix()
            if row is None:
                wrong.append(f"{path}:{line}: in no layer of the table")
            elif row[1] is not None and not under(included, row[0] + row[1]):
                wrong.append(f"{path}:{line}: {row[0][0]} -> {included}")
    return wrong


def tree():
    """The tree's C++ files, build folders left out, with their texts."""
    for top in sorted(ROOT.iterdir()):
        if top.is_dir() and not top.name.startswith(("build", ".")):
            for path in sorted(top.rglob("*")):
                if path.suffix in SOURCES:
                    yield path.relative_to(ROOT).as_posix(), path.read_text(encoding="utf-8")


class Layers(unittest.TestCase):
    def test_every_include_follows_an_arrow_of_the_table(self):
        wrong = wrong_arrows(tree(), layers())
        if wrong:
            self.fail("arrows the table does not allow:\n" + "\n".join(wrong))

    def test_an_arrow_up_or_into_apps_is_refused(self):
        files = [("calendar/x.cpp", '#include "runtime/utf8.h"\n#include "ui/about.h"\n'),
                 ("web/wasm/x.cpp", '#include "output/views.h"\n#include "apps/cli/arguments.h"\n'),
                 ("platform/window.h", '#include "platform/qt/window_qt.h"\n')]
        self.assertEqual(wrong_arrows(files, layers()),
                         ["calendar/x.cpp:2: calendar/ -> ui/about.h",
                          "web/wasm/x.cpp:2: web/ -> apps/cli/arguments.h",
                          "platform/window.h:1: platform/window.h -> platform/qt/window_qt.h"])


if __name__ == "__main__":
    unittest.main()
