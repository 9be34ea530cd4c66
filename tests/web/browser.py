"""What the browser tests share: the site served on the loopback address, a headless Chromium,
krugolet-cli to compare with, and the browser's console.

KRUGOLET_SITE names the assembled site (build-web/site), KRUGOLET_CLI the native krugolet-cli."""

import contextlib
import json
import os
import pathlib
import re
import socket
import subprocess
import sys
import tempfile
import threading
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

ROOT = pathlib.Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "web"))
import serve  # noqa: E402

SITE = pathlib.Path(os.environ.get("KRUGOLET_SITE", ROOT / "build-web" / "site"))
CLI = pathlib.Path(os.environ.get("KRUGOLET_CLI", ROOT / "build" / "apps" / "cli" / "krugolet-cli"))
LIBRARY = ROOT / "data" / "библиотека.txt"
PORTS = range(8180, 8190)


class Server:
    """The site on the first free port of 8180-8189 (or the port given, to serve the same origin
    again), served from a thread of the test with the Cache-Control given."""

    def __init__(self, site=SITE, cache_control="no-cache", port=None):
        for port in [port] if port else PORTS:
            try:
                self.httpd = serve.make_server(site, port, cache_control)
                self.port = port
                break
            except OSError:
                continue
        else:
            raise RuntimeError("no free port in 8180-8189")
        self.url = f"http://127.0.0.1:{port}/"
        # The connections the browser keeps open, each served by a thread of its own that
        # outlives the server unless its connection is closed.
        self.connections = []
        accept = self.httpd.get_request

        def get_request():
            connection, address = accept()
            self.connections.append(connection)
            return connection, address

        self.httpd.get_request = get_request
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()
        for connection in self.connections:
            try:
                connection.shutdown(socket.SHUT_RDWR)
            except OSError:
                pass  # closed by the browser already


def seal(site):
    """Seals a changed copy of the site as the build seals a release of the same version: the
    worker's list of files with their digests and its cache name, and the compressed copies."""
    version = re.search(r"const CACHE = 'krugolet-([0-9.]+)-",
                        (site / "sw.js").read_text(encoding="utf-8")).group(1)
    subprocess.run(["cmake", f"-DSITE={site}", f"-DWORKER={ROOT / 'web' / 'sw.js.in'}",
                    f"-DVERSION={version}", "-P", str(ROOT / "web" / "seal.cmake")], check=True)


def chromium(width=1280, height=900):
    options = webdriver.ChromeOptions()
    for flag in ("--headless=new --no-sandbox --disable-gpu --disable-dev-shm-usage "
                 "--disable-background-networking --disable-component-update --disable-sync "
                 "--no-first-run --lang=ru-RU").split():
        options.add_argument(flag)
    options.add_argument(f"--user-data-dir={tempfile.mkdtemp(prefix='krugolet-chromium-')}")
    options.add_argument(f"--window-size={width},{height}")
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    options.add_experimental_option("prefs", {"intl.accept_languages": "ru-RU,ru"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def cli_report(moment=None):
    """krugolet-cli --extended's output, as bytes, for "DD.MM.YYYY HH:MM" or for now."""
    args = [str(CLI), "--library", str(LIBRARY), "--extended"] + ([moment] if moment else [])
    return subprocess.run(args, check=True, capture_output=True).stdout


def cli(*args):
    """krugolet-cli run with the shipped library: its exit status, output (bytes) and errors."""
    return subprocess.run([str(CLI), "--library", str(LIBRARY), *args], capture_output=True)


def cli_json(*args):
    return json.loads(cli(*args, "--json").stdout)


# Shows each address in turn and, once the page has handled it, keeps what the reader (the
# source of a function, which may be async) gives.
READ_EACH = """
const [addresses, read, done] = [arguments[0], eval(arguments[1]), arguments[arguments.length - 1]];
(async () => {
  const results = [];
  for (const address of addresses) {
    await new Promise((handled) => {
      window.addEventListener('popstate', handled, { once: true });
      location.hash = address;
    });
    results.push(await read());
  }
  done(results);
})();
"""


def read_each(driver, addresses, reader):
    driver.set_script_timeout(60)
    return driver.execute_async_script(READ_EACH, list(addresses), reader)


def wait_for_report(driver):
    """The report, once the core has loaded and shown one."""
    WebDriverWait(driver, 10).until(
        lambda d: d.execute_script("return document.getElementById('report').textContent"))
    return page_report(driver)


def page_report(driver):
    return driver.execute_script("return document.getElementById('report').textContent")


# The page's clock set to a moment (year, month from 1, day, hour, minute, second, millisecond)
# when the page first asks for the time (once its core has loaded, however long that took),
# running on from there; each new document starts from it again.
SHIFTED_CLOCK = """
(() => {
  const Real = Date;
  let shift = null;
  const now = () => {
    if (shift === null) shift = new Real(%s).getTime() - Real.now();
    return Real.now() + shift;
  };
  globalThis.Date = class extends Real {
    constructor(...args) { super(...(args.length ? args : [now()])); }
    static now() { return now(); }
  };
})();
"""


class BrowserTest(unittest.TestCase):
    """One server and one browser for a file's tests; every test ends with a clean console."""

    @classmethod
    def setUpClass(cls):
        cls.server = Server()
        cls.driver = chromium()

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        cls.server.stop()

    def tearDown(self):
        errors = [e for e in self.driver.get_log("browser") if e["level"] == "SEVERE"]
        self.assertEqual(errors, [], "errors in the browser's console")

    @contextlib.contextmanager
    def clock_from(self, year, month, *rest):
        """The page's clock shifted as SHIFTED_CLOCK says, in the documents opened inside."""
        moment = ", ".join(map(str, (year, month - 1, *rest)))
        script = self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                             {"source": SHIFTED_CLOCK % moment})
        try:
            self.new_document()
            yield
        finally:
            self.driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", script)

    def new_document(self):
        """A blank page, so that the site opened next is a new document, not a jump within it."""
        self.driver.get("about:blank")

    def open(self, address=""):
        self.driver.get(self.server.url + address)
        return wait_for_report(self.driver)

    def open_view(self, address, view):
        """A calendar view's address, once the view shows its result or its refusal."""
        self.driver.get(self.server.url + address)
        WebDriverWait(self.driver, 10).until(lambda d: d.execute_script(
            "const view = document.getElementById(arguments[0]);"
            "return !view.hidden && view.querySelector('.view-result:not([hidden]),"
            " .refusal:not([hidden])') !== null", view))
