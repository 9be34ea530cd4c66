#!/usr/bin/env python3
"""Serves the assembled site on the loopback address, as any static web host would.

    web/serve.py SITE_DIR [PORT]        (PORT 8080 by default)

Python's own server, with the types the page needs (WebAssembly is compiled while it downloads
only when served as application/wasm), the compressed copies that the build lays beside each
file (`.br`, `.gz`) sent to a browser that accepts them, the page's Content-Security-Policy as a
header, and every answer marked to be checked again, so that a rebuilt site is seen at the next
load.
"""

import functools
import http.server
import os
import re
import sys

# The compressed copies a file may have beside it, in the order they are preferred.
ENCODINGS = (("br", ".br"), ("gzip", ".gz"))


def accepted_encodings(header):
    """The content codings of an Accept-Encoding header that it does not refuse (q=0)."""
    weights = {}
    for part in header.split(","):
        name, _, parameters = part.partition(";")
        match = re.search(r"q\s*=\s*([0-9.]+)", parameters)
        try:
            weights[name.strip().lower()] = float(match.group(1)) if match else 1.0
        except ValueError:
            weights[name.strip().lower()] = 0.0
    return {coding for coding, _ in ENCODINGS if weights.get(coding, weights.get("*", 0.0)) > 0}


def page_policy(site):
    """The Content-Security-Policy that the page states in its <meta>, to be sent as a header
    too, with what only a header can say: that no other site may frame the page."""
    try:
        with open(os.path.join(site, "index.html"), encoding="utf-8") as page:
            match = re.search(r'http-equiv="Content-Security-Policy" content="([^"]*)"', page.read())
    except OSError:
        return None
    return f"{match.group(1)}; frame-ancestors 'none'" if match else None


class Handler(http.server.SimpleHTTPRequestHandler):
    # Connections kept open between requests, as web hosts keep them.
    protocol_version = "HTTP/1.1"
    extensions_map = {
        **http.server.SimpleHTTPRequestHandler.extensions_map,
        ".js": "text/javascript",
        ".wasm": "application/wasm",
        ".webmanifest": "application/manifest+json",
        ".txt": "text/plain; charset=windows-1251",
        ".svg": "image/svg+xml",
    }

    def send_head(self):
        """A file's compressed copy when the browser takes it, else what any file gets."""
        path = self.translate_path(self.path)
        if os.path.isdir(path) and self.path.split("?")[0].endswith("/"):
            path = os.path.join(path, "index.html")
        taken = accepted_encodings(self.headers.get("Accept-Encoding", ""))
        for coding, suffix in ENCODINGS:
            if coding in taken and os.path.isfile(path) and os.path.isfile(path + suffix):
                return self.send_compressed(path, coding, suffix)
        return super().send_head()

    def send_compressed(self, path, coding, suffix):
        copy = open(path + suffix, "rb")
        status = os.fstat(copy.fileno())
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(path))
        self.send_header("Content-Encoding", coding)
        self.send_header("Content-Length", str(status.st_size))
        self.send_header("Last-Modified", self.date_time_string(status.st_mtime))
        self.end_headers()
        return copy

    def end_headers(self):
        self.send_header("Cache-Control", self.server.cache_control)
        # The same address answers differently by what the browser accepts, which caches between
        # must know.
        self.send_header("Vary", "Accept-Encoding")
        if self.server.policy:
            self.send_header("Content-Security-Policy", self.server.policy)
        super().end_headers()

    def log_message(self, format, *args):
        pass


def make_server(site, port, cache_control="no-cache"):
    """The server; the tests ask for the caching that other hosts do too ("max-age=600")."""
    handler = functools.partial(Handler, directory=str(site))
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), handler)
    server.cache_control = cache_control
    server.policy = page_policy(str(site))
    return server


def main():
    site = sys.argv[1]
    port = int(sys.argv[2]) if len(sys.argv) > 2 else 8080
    server = make_server(site, port)
    print(f"Круголет: http://127.0.0.1:{port}/ (Ctrl+C останавливает)", flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    main()
