#!/usr/bin/env python3
"""Serves the assembled site on the loopback address, as any static web host would.

    web/serve.py SITE_DIR [PORT]        (PORT 8080 by default)

Python's own server, with the types the page needs (WebAssembly is compiled while it downloads
only when served as application/wasm) and every answer marked to be checked again, so that a
rebuilt site is seen at the next load.
"""

import functools
import http.server
import sys


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

    def end_headers(self):
        self.send_header("Cache-Control", self.server.cache_control)
        super().end_headers()

    def log_message(self, format, *args):
        pass


def make_server(site, port, cache_control="no-cache"):
    """The server; the tests ask for the caching that other hosts do too ("max-age=600")."""
    handler = functools.partial(Handler, directory=str(site))
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), handler)
    server.cache_control = cache_control
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
