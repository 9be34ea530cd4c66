"""After one visit the page opens and converts with no network at all, and the browser finds it
installable as an app."""

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from browser import BrowserTest, cli, cli_report, page_report, wait_for_report

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
        # address, a year's holidays and their file, an old day.
        self.open_view("#month/7535/2", "month-page")
        self.driver.refresh()
        self.open_view("#month/7535/2", "month-page")
        self.assertEqual(len(self.driver.find_elements(By.CSS_SELECTOR, "#month-page .number")), 40)
        self.open_view("#holidays/2027", "holidays")
        self.assertEqual(bytes(self.driver.execute_async_script(READ_FILE)),
                         cli("--ics", "2027").stdout)
        self.open_view("#old/7536/1/1", "old-day")
        self.assertEqual(self.driver.find_element(By.CSS_SELECTOR, "#old-day .old-date").text,
                         "1 Рамхат 7536 лета, Четверг")

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
