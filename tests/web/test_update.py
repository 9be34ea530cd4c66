"""A new version of the site reaches a browser that keeps the old one: the page it runs stays the
old version whole until the reader takes the new one, which the page offers; after that every
file the page uses is the new version's, the old copy is gone, and the new one works offline;
whether the host lets browsers keep files a while or has them checked at every load."""

import pathlib
import re
import shutil
import tempfile
import unittest
import urllib.parse

from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

from browser import SITE, Server, chromium, seal, wait_for_report

# Resolves once the service worker controls the page and holds every file of the site.
SITE_KEPT = """
const done = arguments[arguments.length - 1];
navigator.serviceWorker.ready.then(async () => {
  while (!navigator.serviceWorker.controller) await new Promise((r) => setTimeout(r, 50));
  done(await caches.keys());
});
"""

# What tells the versions apart: a text of the page, one its script writes, one of its style.
MARKS = """
return [document.querySelector('.masthead .span').textContent, document.title,
        getComputedStyle(document.documentElement).getPropertyValue('--accent').trim()];
"""

# Every file the page used, as the worker's copy named by the argument holds it, with whether the
# worker answered it: [address, bytes or null, answered by the worker].
FILES_IN_USE = """
const [name, done] = arguments;
(async () => {
  const cache = await caches.open(name);
  const entries = [...performance.getEntriesByType('navigation'),
                   ...performance.getEntriesByType('resource')]
    .filter((e) => e.name.startsWith(location.origin));
  done(await Promise.all(entries.map(async (e) => {
    const url = new URL(e.name);
    url.hash = '';
    const response = await cache.match(url.href, { ignoreSearch: true });
    const bytes = response ? Array.from(new Uint8Array(await response.arrayBuffer())) : null;
    return [url.pathname, bytes, e.workerStart > 0];
  })));
})();
"""


def cache_name(site):
    return re.search(r"const CACHE = '([^']*)'", (site / "sw.js").read_text(encoding="utf-8"))[1]


def next_release(site, folder):
    """A copy of the site with a text changed in its page, its script and its style sheet, sealed
    as the build seals a release."""
    changed = folder / "next"
    shutil.copytree(site, changed)
    for name, old, new in (
            ("index.html", "с 1800 по 2099 год</span>", "с 1800 по 2099 год, версия B</span>"),
            ("js/main.js", "Числобога\"", "Числобога, версия B\""),
            ("css/page.css", "--accent: #8a3a12", "--accent: #8a3a13")):
        f = changed / name
        text = f.read_text(encoding="utf-8")
        assert text.count(old) == 1, (name, old)
        f.write_text(text.replace(old, new), encoding="utf-8")
    seal(changed)
    return changed


class UpdateTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        folder = pathlib.Path(self.folder.name)
        self.site = folder / "site"
        self.next = next_release(SITE, folder)
        self.driver = self.server = None

    def tearDown(self):
        self.stop()
        self.folder.cleanup()

    def stop(self):
        if self.driver:
            self.driver.quit()
        if self.server:
            self.server.stop()

    def marks(self):
        return self.driver.execute_script(MARKS)

    def test_a_new_version_replaces_the_old_whole(self):
        for cache_control in ("no-cache", "max-age=600"):
            with self.subTest(cache_control=cache_control):
                self.update(cache_control)

    def update(self, cache_control):
        # A browser of its own that first meets the release before.
        self.stop()
        shutil.rmtree(self.site, ignore_errors=True)
        shutil.copytree(SITE, self.site)
        self.driver = chromium()
        self.server = Server(self.site, cache_control)
        self.driver.get(self.server.url)
        wait_for_report(self.driver)
        old = self.marks()
        self.assertEqual(self.driver.execute_async_script(SITE_KEPT), [cache_name(self.site)])

        # The host puts up the next release; the reader comes back to the page.
        shutil.rmtree(self.site)
        shutil.copytree(self.next, self.site)
        self.driver.refresh()
        wait_for_report(self.driver)
        self.assertEqual(self.marks(), old, "the old page runs with files of the new release")
        prompt = self.driver.find_element(By.ID, "update")
        WebDriverWait(self.driver, 20).until(lambda d: prompt.is_displayed())
        self.assertEqual(" ".join(prompt.get_attribute("textContent").split()),
                         "Доступна новая версия — обновить")
        self.assertEqual(self.marks(), old)

        prompt.find_element(By.TAG_NAME, "button").click()
        WebDriverWait(self.driver, 20).until(lambda d: self.marks() != old)
        wait_for_report(self.driver)
        self.assertEqual(self.marks(), ["дата и время по старому календарю, с 1800 по 2099 год, "
                                        "версия B", "Да'Арийский Круголет Числобога, версия B",
                                        "#8a3a13"])
        name = cache_name(self.next)
        self.assertEqual(self.driver.execute_async_script("caches.keys().then(arguments[0])"),
                         [name])
        used = self.driver.execute_async_script(FILES_IN_USE, name)
        self.assertGreaterEqual(len(used), 6)
        for path, data, answered in used:
            with self.subTest(path=path):
                file = self.next / (urllib.parse.unquote(path).lstrip("/") or "index.html")
                self.assertTrue(answered, "not answered by the worker")
                self.assertEqual(bytes(data), file.read_bytes())

        self.server.stop()
        self.driver.execute_cdp_cmd("Network.enable", {})
        self.driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
            "offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
        self.driver.refresh()
        wait_for_report(self.driver)
        self.assertEqual(self.marks()[1], "Да'Арийский Круголет Числобога, версия B")


if __name__ == "__main__":
    unittest.main()
