"""Printing gives the desktop program's page: the title and "-N-" at the top of every page, the
report word for word in a serif face, and nothing of the page's controls; the month page prints
its grid and holidays the same way."""

import base64
import re
import subprocess
import tempfile

from browser import BrowserTest, cli_json

HEADER = re.compile(r"^ДА'АРИЙСКИЙ КРУГОЛЕТ ЧИСЛОБОГА\s+-(\d+)-$")


class PrintTest(BrowserTest):
    def printed(self, **paper):
        """The pages' text as pdftotext lays it out, and the PDF's fonts."""
        pdf = base64.b64decode(self.driver.execute_cdp_cmd("Page.printToPDF", paper)["data"])
        with tempfile.NamedTemporaryFile(suffix=".pdf") as f:
            f.write(pdf)
            f.flush()
            text = subprocess.run(["pdftotext", "-layout", f.name, "-"], check=True, capture_output=True,
                                  text=True).stdout
            fonts = subprocess.run(["pdffonts", f.name], check=True, capture_output=True,
                                   text=True).stdout
        return text.split("\f")[:-1], fonts

    def test_printed_pages_carry_header_page_number_and_the_whole_report(self):
        report = self.open("#2012-09-22T18:59")
        # A6 paper, so that the report runs over several pages.
        pages, fonts = self.printed(paperWidth=4.13, paperHeight=5.83)
        self.assertGreaterEqual(len(pages), 2)
        body = []
        for number, page in enumerate(pages, start=1):
            lines = page.strip().splitlines()
            header = HEADER.match(lines[0])
            self.assertTrue(header, lines[0])
            self.assertEqual(header.group(1), str(number))
            body += lines[1:]
        # The browser may break a line after the hyphen of a word such as "по-своему".
        def words(text):
            return re.sub(r"(\w)-\s+(\w)", r"\1-\2", text).split()

        self.assertEqual(words(" ".join(body)), words(report))
        self.assertRegex(fonts, r"Serif|Times")

    def test_the_month_page_prints_its_grid_and_holidays_without_controls(self):
        self.open_view("#month/7535/2", "month-page")
        month = cli_json("--month", "7535", "2")
        (page,), fonts = self.printed()
        lines = [line.split() for line in page.splitlines() if line.strip()]
        self.assertTrue(HEADER.match(" ".join(lines[0])))
        self.assertEqual(lines[1], ["Айлет", "7535", "лета"])
        columns = {(month["first_column"] - 1 + i) % 9: d["weekday"]
                   for i, d in enumerate(month["days"])}
        self.assertIn([columns[c] for c in range(9)], lines)
        words = page.split()
        for day in month["days"]:
            self.assertIn(str(day["day"]), words)
            if day["holiday"]:
                self.assertIn(day["holiday"], " ".join(words))
        for control in ("Другой месяц", "Показать", "Печать", "Бейлет ›"):
            self.assertNotIn(control, page)
        self.assertRegex(fonts, r"Serif|Times")
