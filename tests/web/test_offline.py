"""After one visit the page opens and converts with no network at all, and the browser finds it
installable as an app; its worker keeps to the site's own files, takes a new version whole past
the browser's HTTP cache, and mends a copy that lost a file."""

import pathlib
import re
import shutil
import tempfile
import unittest

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from browser import (SITE, BrowserTest, Server, chromium, cli, cli_report, page_report, seal,
                     wait_for_report)

# Resolves once the service worker controls the page and holds every file of the site.
SITE_KEPT = """
const done = arguments[arguments.length - 1];
navigator.serviceWorker.ready.then(async () => {
  while (!navigator.serviceWorker.controller) await new Promise((r) => setTimeout(r, 50));
  const names = await caches.keys();
  const cache = await caches.open(names[0]);
  done((await cache.keys()).map((request) => new URL(request.url).pathname));
});
"""

# The bytes of the file behind the holidays' download link.
READ_FILE = """
const done = arguments[arguments.length - 1];
fetch(document.querySelector('#holidays a[download]').href)
  .then((response) => response.arrayBuffer())
  .then((buffer) => done(Array.from(new Uint8Array(buffer))));
"""


class OfflineTest(BrowserTest):
    def test_a_visited_page_opens_and_converts_offline(self):
        self.open()
        kept = self.driver.execute_async_script(SITE_KEPT)
        self.assertIn("/js/krugolet-core.wasm", kept)
        self.assertEqual(
            self.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})["installabilityErrors"],
            [])

        # No server and the browser offline: only the browser's own copy is left.
        self.server.stop()
        self.driver.execute_cdp_cmd("Network.enable", {})
        self.driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
            "offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
        self.driver.refresh()
        self.assertTrue(wait_for_report(self.driver))
        self.driver.execute_script("document.getElementById('day').value = '1'")
        self.driver.execute_script("document.getElementById('month').value = '1'")
        self.driver.execute_script("document.getElementById('year').value = '2050'")
        self.driver.find_element(By.ID, "minute").send_keys(Keys.ENTER)
        WebDriverWait(self.driver, 5).until(lambda d: "2050-01-01" in d.current_url)
        hour, minute = (self.driver.find_element(By.ID, f).get_attribute("value")
                        for f in ("hour", "minute"))
        self.assertEqual(page_report(self.driver).encode(), cli_report(f"1.1.2050 {hour}:{minute}"))

        # The calendar's views too, computed in the page: a month, opened afresh at its own
        # address, a whole year, a year's holidays and their file, an old day.
        self.open_view("#month/7535/2", "month-page")
        self.driver.refresh()
        self.open_view("#month/7535/2", "month-page")
        self.assertEqual(len(self.driver.find_elements(By.CSS_SELECTOR, "#month-page .number")), 40)
        self.open_view("#year/7536", "year-page")
        self.assertEqual(len(self.driver.find_elements(By.CSS_SELECTOR, "#year-page .number")), 369)
        self.open_view("#holidays/2027", "holidays")
        self.assertEqual(bytes(self.driver.execute_async_script(READ_FILE)),
                         cli("--ics", "2027").stdout)
        self.open_view("#old/7536/1/1", "old-day")
        self.assertEqual(self.driver.find_element(By.CSS_SELECTOR, "#old-day .old-date").text,
                         "1 Рамхата 7536 лета, Четверг")

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()


# The text of a file as the worker's newest copy holds it; null when the copy lacks it.
CACHED_TEXT = """
const [path, done] = arguments;
caches.keys().then(async (names) => {
  const response = await (await caches.open(names.at(-1))).match(path);
  done(response ? await response.text() : null);
});
"""

# A page of the host beside the site.
PAGE = '<!doctype html><meta charset="utf-8"><title>%s</title>'


class HostTest(unittest.TestCase):
    """The site as a host serves it among other pages and with its own caching: each test in a
    browser of its own, since the worker outlives the server it came from."""

    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.site = pathlib.Path(self.folder.name) / "site"
        shutil.copytree(SITE, self.site)
        self.driver = chromium()

    def tearDown(self):
        self.driver.quit()
        self.server.stop()
        self.folder.cleanup()

    def serve(self, **options):
        self.server = Server(self.site, **options)
        self.driver.get(self.server.url)
        wait_for_report(self.driver)
        self.driver.execute_async_script(SITE_KEPT)

    def offline(self, offline):
        self.driver.execute_cdp_cmd("Network.enable", {})
        self.driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
            "offline": offline, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})

    def test_the_host_s_other_pages_stay_reachable(self):
        (self.site / "other.html").write_text(PAGE % "Другая страница", encoding="utf-8")
        (self.site / "blog").mkdir()
        (self.site / "blog" / "index.html").write_text(PAGE % "Блог", encoding="utf-8")
        self.serve()
        for path, title in (("other.html", "Другая страница"), ("blog/", "Блог"),
                            ("no/such/page", "Error response"), ("index.html?from=blog", None)):
            with self.subTest(path=path):
                self.driver.get(self.server.url + path)
                if title:
                    self.assertEqual(self.driver.title, title)
                else:
                    self.assertTrue(wait_for_report(self.driver))
        self.driver.get(self.server.url + "css/page.css")
        self.assertIn(":root", self.driver.find_element(By.TAG_NAME, "body").text)

    def test_a_new_version_is_kept_past_the_http_cache(self):
        self.serve(cache_control="max-age=600")
        # The next release: the page's script changes, sealed as the build seals a release.
        module = self.site / "js" / "main.js"
        module.write_text(module.read_text(encoding="utf-8") + "// 2\n", encoding="utf-8")
        seal(self.site)
        name = re.search(r"const CACHE = '([^']*)'",
                         (self.site / "sw.js").read_text(encoding="utf-8"))[1]
        self.driver.get(self.server.url)
        WebDriverWait(self.driver, 10).until(
            lambda d: d.execute_async_script("caches.keys().then(arguments[0])")[-1] == name)
        # The release's cache is named before the worker has put every file into it.
        cached = WebDriverWait(self.driver, 10).until(
            lambda d: d.execute_async_script(CACHED_TEXT, "js/main.js"))
        self.assertTrue(cached.endswith("// 2\n"))

    def test_a_lost_file_is_named_offline_and_fetched_again_online(self):
        self.serve()
        self.driver.execute_async_script("""
          const done = arguments[0];
          caches.keys().then(async (names) => done(
            await (await caches.open(names[0])).delete('js/main.js')));""")
        self.server.stop()
        self.offline(True)
        self.driver.get(self.server.url)
        WebDriverWait(self.driver, 10).until(
            lambda d: "js/main.js" in d.find_element(By.TAG_NAME, "body").text)
        self.assertIn("один раз при подключенной сети",
                      self.driver.find_element(By.TAG_NAME, "body").text)

        self.server = Server(self.site, port=self.server.port)
        self.offline(False)
        self.driver.get(self.server.url)
        wait_for_report(self.driver)
        WebDriverWait(self.driver, 10).until(
            lambda d: d.execute_async_script(CACHED_TEXT, "js/main.js"))
