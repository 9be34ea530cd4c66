"""Printing gives the desktop program's page: the title and "-N-" at the top of every page, the
report word for word in a serif face, and nothing of the page's controls."""

import base64
import re
import subprocess
import tempfile

from browser import BrowserTest

HEADER = re.compile(r"^ДА'АРИЙСКИЙ КРУГОЛЕТ ЧИСЛОБОГА\s+-(\d+)-$")


class PrintTest(BrowserTest):
    def test_printed_pages_carry_header_page_number_and_the_whole_report(self):
        report = self.open("#2012-09-22T18:59")
        # A6 paper, so that the report runs over several pages.
        pdf = base64.b64decode(self.driver.execute_cdp_cmd(
            "Page.printToPDF", {"paperWidth": 4.13, "paperHeight": 5.83})["data"])
        with tempfile.NamedTemporaryFile(suffix=".pdf") as f:
            f.write(pdf)
            f.flush()
            text = subprocess.run(["pdftotext", "-layout", f.name, "-"], check=True, capture_output=True,
                                  text=True).stdout
            fonts = subprocess.run(["pdffonts", f.name], check=True, capture_output=True,
                                   text=True).stdout
        pages = text.split("\f")[:-1]
        self.assertGreaterEqual(len(pages), 2)
        body = []
        for number, page in enumerate(pages, start=1):
            lines = page.strip().splitlines()
            header = HEADER.match(lines[0])
            self.assertTrue(header, lines[0])
            self.assertEqual(header.group(1), str(number))
            body += lines[1:]
        self.assertEqual(" ".join(body).split(), report.split())
        self.assertRegex(fonts, r"Serif|Times")
