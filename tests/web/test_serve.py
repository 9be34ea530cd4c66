"""web/serve.py answers as a host that serves the build's compressed copies: the copy a browser
accepts, with its Content-Encoding, whose bytes unpack to the file's; the file itself to one that
accepts neither; and the page's Content-Security-Policy as a header."""

import gzip
import http.client
import re
import unittest
import urllib.parse

import brotli

from browser import SITE, Server

UNPACK = {"br": brotli.decompress, "gzip": gzip.decompress, None: lambda data: data}

# What the browser says it accepts, and the copy it gets.
ACCEPTED = (
    ("br", "br"),
    ("gzip", "gzip"),
    ("gzip, deflate, br, zstd", "br"),
    ("br;q=0, gzip;q=0.5", "gzip"),
    ("*", "br"),
    ("gzip;q=0, br;q=0", None),
    ("identity", None),
    ("", None),
)

# Images are compressed already; every other file of the site has its copies.
PACKED = re.compile(r"\.(html|css|js|txt|webmanifest|svg|ico|wasm)$")


class ServeTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = Server()
        cls.files = sorted(f.relative_to(SITE).as_posix() for f in SITE.rglob("*")
                           if f.is_file() and f.suffix not in (".br", ".gz"))

    @classmethod
    def tearDownClass(cls):
        cls.server.stop()

    def get(self, path, accept):
        connection = http.client.HTTPConnection("127.0.0.1", self.server.port)
        try:
            connection.request("GET", "/" + urllib.parse.quote(path), headers={"Accept-Encoding": accept})
            response = connection.getresponse()
            return response, response.read()
        finally:
            connection.close()

    def test_each_text_file_and_the_module_has_its_compressed_copies(self):
        packed = [f for f in self.files if PACKED.search(f)]
        self.assertIn("js/krugolet-core.wasm", packed)
        for f in packed:
            for suffix in (".br", ".gz"):
                self.assertTrue((SITE / (f + suffix)).is_file(), f + suffix)

    def test_a_browser_gets_the_copy_it_accepts_and_the_file_s_bytes_in_it(self):
        for path in [""] + [f for f in self.files if PACKED.search(f)]:
            plain = (SITE / (path or "index.html")).read_bytes()
            for accept, coding in ACCEPTED:
                with self.subTest(path=path, accept=accept):
                    response, body = self.get(path, accept)
                    self.assertEqual(response.status, 200)
                    self.assertEqual(response.getheader("Content-Encoding"), coding)
                    self.assertEqual(response.getheader("Vary"), "Accept-Encoding")
                    self.assertEqual(UNPACK[coding](body), plain)

    def test_the_type_is_the_file_s_whatever_the_copy(self):
        for path, kind in (("js/krugolet-core.wasm", "application/wasm"),
                           ("js/main.js", "text/javascript"), ("", "text/html"),
                           ("библиотека.txt", "text/plain; charset=windows-1251")):
            for accept, _ in ACCEPTED[:3] + ACCEPTED[-1:]:
                with self.subTest(path=path, accept=accept):
                    self.assertEqual(self.get(path, accept)[0].getheader("Content-Type"), kind)

    def test_the_page_s_policy_is_sent_as_a_header_too(self):
        meta = re.search(r'http-equiv="Content-Security-Policy" content="([^"]*)"',
                         (SITE / "index.html").read_text(encoding="utf-8")).group(1)
        response, _ = self.get("", "br")
        self.assertEqual(response.getheader("Content-Security-Policy"),
                         f"{meta}; frame-ancestors 'none'")


if __name__ == "__main__":
    unittest.main()
