"""After one visit the page opens and converts with no network at all, and the browser finds it
installable as an app."""

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from browser import BrowserTest, cli_report, page_report, wait_for_report

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

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
