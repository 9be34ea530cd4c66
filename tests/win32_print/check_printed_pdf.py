#!/usr/bin/env python3
"""Reads back the PDF that the Windows program printed under Wine and compares it with the pages
that the test under Wine wrote down (krugolet_win32_print). A PDF that passes is removed; one
that fails is kept for a look.

    check_printed_pdf.py EXPECTED_PAGES PRINT_SERVER_SCRIPT

EXPECTED_PAGES holds one fact a line, fields split by tabs: "figures" and the printer's
resolutions across and down, the height and width of its printable area and the screen's
resolution; "report" and one line of the printed text; "draw" page x y and the string drawn
there. The PDF is the one file that the print server's queue wrote after EXPECTED_PAGES was
written: the job that the test cancelled must have left none.

Exit status 77 (a skip, for CTest) when the test under Wine printed nothing because it had no
printer.
"""

import os
import subprocess
import sys
import time
import unicodedata
import xml.etree.ElementTree as ET

SKIP = 77
TITLE = "ДА'АРИЙСКИЙ КРУГОЛЕТ ЧИСЛОБОГА"
ROW_WIDTH = 80
FONT_POINTS = 10
ZOOM = 3  # pdftohtml's scale, the largest it takes: thirds of a point


class Expected:
    def __init__(self, path):
        self.report = []
        self.pages = {}
        with open(path, encoding="utf-8", newline="\n") as facts:
            for line in facts:
                kind, rest = line.rstrip("\n").split("\t", 1)
                if kind == "figures":
                    self.dpi_x, self.dpi_y, _, _, self.screen = map(int, rest.split("\t"))
                elif kind == "report":
                    self.report.append(rest)
                elif kind == "draw":
                    page, x, y, text = rest.split("\t", 3)
                    self.pages.setdefault(int(page), []).append((int(x), int(y), text))


def wait_for_pdf(folder, since, limit=60):
    """The PDF files written since `since`, once the queue has no job left; all of them, so
    that a stray one shows."""
    end = time.time() + limit
    while True:
        found = [os.path.join(folder, f) for f in os.listdir(folder) if f.endswith(".pdf")]
        new = [f for f in found if os.path.getmtime(f) >= since]
        pending = subprocess.run(["lpstat", "-o"], capture_output=True, text=True).stdout.strip()
        if (new and not pending) or time.time() > end:
            return sorted(new, key=os.path.getmtime)
        time.sleep(0.5)


def page_count(pdf):
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True, check=True).stdout
    return int(next(l.split()[1] for l in info.splitlines() if l.startswith("Pages:")))


def plain(text):
    # A glyph reads back as some character that the font draws with it: the hyphen as the soft
    # hyphen, the semicolon as the Greek question mark (which NFC folds back); pdftohtml gives
    # blanks as no-break spaces.
    return unicodedata.normalize("NFC", text.replace("\u00ad", "-").replace("\u00a0", " "))


def printed_rows(pdf):
    """Per page, the rows of text in the PDF from top to bottom: (top, left, font size, text),
    in points."""
    xml = subprocess.run(
        ["pdftohtml", "-xml", "-stdout", "-i", "-zoom", str(ZOOM), pdf],
        capture_output=True, check=True).stdout
    root = ET.fromstring(xml)
    sizes = {}
    pages = {}
    for page in root.iter("page"):
        for font in page.iter("fontspec"):
            sizes[font.get("id")] = int(font.get("size")) / ZOOM
        rows = [(int(t.get("top")) / ZOOM, int(t.get("left")) / ZOOM, sizes[t.get("font")],
                 plain("".join(t.itertext()))) for t in page.iter("text")]
        pages[int(page.get("number"))] = sorted(rows)
    return pages


def page_words(pdf, page):
    return subprocess.run(["pdftotext", "-layout", "-f", str(page), "-l", str(page), pdf, "-"],
                          capture_output=True, text=True, check=True).stdout.split()


def check(expected, pdf):
    faults = []
    fault = faults.append

    pages = page_count(pdf)
    if pages != len(expected.pages):
        fault(f"{pages} pages, expected {len(expected.pages)}")
    rows_of = printed_rows(pdf)
    dots_x = 72 / expected.dpi_x
    dots_y = 72 / expected.dpi_y
    body_words = []
    for number, drawn in sorted(expected.pages.items()):
        rows = rows_of.get(number, [])
        texts = [text for _, _, _, text in rows]
        if not texts or texts[0] != f"{TITLE}           -{number}-":
            fault(f"page {number}: header {texts[:1]}")
        if texts != [text for _, _, text in drawn]:
            fault(f"page {number}: rows differ\n  printed {texts}\n  drawn   "
                  f"{[t for _, _, t in drawn]}")
            continue
        for text in texts:
            if len(text) > ROW_WIDTH:
                fault(f"page {number}: a row of {len(text)} characters: {text!r}")
        # Places: every row starts at the margin, and lies below the header as far as its
        # baseline does; the font is the same size on every row. One fault of each kind a page.
        top0, y0 = rows[0][0], drawn[0][1]
        misplaced = {}
        for (top, left, size, text), (x, y, _) in zip(rows, drawn):
            if abs(left - x * dots_x) > 1:
                misplaced.setdefault("left", f"{text!r} at {left} pt from the left, expected "
                                             f"{x * dots_x:.2f}")
            if abs((top - top0) - (y - y0) * dots_y) > 1:
                misplaced.setdefault("top", f"{text!r} {top - top0:.2f} pt below the header, "
                                            f"expected {(y - y0) * dots_y:.2f}")
            if abs(size - FONT_POINTS) > 0.5:
                misplaced.setdefault("font", f"{text!r} in a font of {size:.2f} pt, expected "
                                             f"{FONT_POINTS}")
        for what in misplaced.values():
            fault(f"page {number}: {what}")
        # The same words by pdftotext, which reads the page its own way.
        words = plain(" ".join(page_words(pdf, number))).split()
        if words != " ".join(texts).split():
            fault(f"page {number}: pdftotext reads {words}")
        body_words += " ".join(texts[1:]).split()

    report_words = " ".join(expected.report).split()
    if body_words != report_words:
        fault(f"the pages do not hold the report word for word:\n  printed {body_words}\n"
              f"  report  {report_words}")
    return faults


def main():
    expected_path, print_server = sys.argv[1:3]
    if not os.path.exists(expected_path):
        print("SKIP: krugolet_win32_print printed nothing (no printer, or it did not run)")
        return SKIP
    folder = subprocess.run([print_server, "dir"], capture_output=True, text=True,
                            check=True).stdout.strip()
    if not os.path.isdir(folder):
        print(f"no folder {folder}: the print server did not write any PDF")
        return 1
    new = wait_for_pdf(folder, os.path.getmtime(expected_path))
    if len(new) != 1:
        print(f"{len(new)} PDF files arrived, expected one: {new}")
        return 1
    expected = Expected(expected_path)
    faults = check(expected, new[0])
    if faults:
        print(f"{new[0]} (kept):")
        for f in faults:
            print(f)
        return 1
    print(f"{new[0]}: {len(expected.pages)} pages as laid out, at "
          f"{expected.dpi_x}x{expected.dpi_y} dpi, {FONT_POINTS} pt")
    os.remove(new[0])
    return 0


if __name__ == "__main__":
    sys.exit(main())
