"""The page's Content-Security-Policy: it refuses what an injected script would do, and no view of
the page, opened or used, does anything it forbids."""

import unittest

from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

from browser import BrowserTest, wait_for_report

# Kept from the document's first moment, before any of the page's scripts.
LISTEN = """
window.violations = [];
document.addEventListener('securitypolicyviolation', (event) => window.violations.push(
  `${event.effectiveDirective} ${event.blockedURI} ${event.sourceFile}:${event.lineNumber}`));
"""

# What a script injected into the page would try: each is refused, and is not done.
INJECTED = """
const done = arguments[arguments.length - 1];
const tried = {};
const script = document.createElement('script');
try { script.textContent = 'window.ran = "inline"'; } catch { tried.text = 'refused'; }
document.head.append(script);
const element = document.createElement('script');
try { element.src = 'data:text/javascript,window.ran="data"'; } catch { tried.source = 'refused'; }
document.head.append(element);
// (A script run by the test itself may call eval, as the browser's tools may: a timer's text is
// what the page would evaluate.)
try { setTimeout('window.ran = "timer"'); } catch { tried.timer = 'refused'; }
document.body.setAttribute('style', 'color: rgb(1, 2, 3)');
const style = document.createElement('style');
style.append('body { background: rgb(4, 5, 6) }');
document.head.append(style);
const image = new Image();
image.src = 'https://example.org/pixel.png';
setTimeout(() => done({ ...tried, ran: window.ran ?? null,
  color: getComputedStyle(document.body).color,
  background: getComputedStyle(document.body).backgroundColor,
  violations: window.violations.map((v) => v.split(' ')[0]) }), 500);
"""

# Every view the router knows, at its address, opened afresh; an address it cannot read too.
VIEWS = (
    ("", "conversion"), ("#2000-03-15T20:30", "conversion"), ("#%zz", "conversion"),
    ("#month", "month-page"), ("#month/7536/1", "month-page"), ("#year", "year-page"),
    ("#year/7536", "year-page"), ("#holidays", "holidays"), ("#holidays/2027", "holidays"),
    ("#old", "old-day"), ("#old/7536/1/1", "old-day"), ("#help", "help"),
    ("#birthday", "kept-day"), ("#birthday/2000-03-15T20:30", "kept-day"),
    ("#dates", "kept-days"), ("#dates/2000-03-15T20:30", "kept-days"),
)


class PolicyTest(BrowserTest):
    def setUp(self):
        self.listener = self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                                    {"source": LISTEN})

    def tearDown(self):
        self.driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", self.listener)
        self.driver.get_log("browser")  # the refusals of the injected script, reported there

    def violations(self):
        return self.driver.execute_script("return window.violations")

    def test_what_an_injected_script_tries_is_refused(self):
        self.new_document()
        self.open()
        tried = self.driver.execute_async_script(INJECTED)
        self.assertEqual(tried["ran"], None)
        self.assertEqual((tried.get("text"), tried.get("source")), ("refused", "refused"))
        self.assertNotEqual(tried["color"], "rgb(1, 2, 3)")
        self.assertNotEqual(tried["background"], "rgb(4, 5, 6)")
        # A script's text or address is refused by the Trusted Types rule before script-src.
        for directive in ("require-trusted-types-for", "style-src-attr", "style-src-elem",
                          "img-src"):
            self.assertIn(directive, tried["violations"])

    def test_no_view_does_what_the_policy_forbids(self):
        for address, view in VIEWS:
            with self.subTest(address=address):
                self.new_document()
                self.driver.get(self.server.url + address)
                WebDriverWait(self.driver, 10).until(lambda d: d.execute_script(
                    "const view = document.getElementById(arguments[0]);"
                    "return !view.hidden && document.title.includes('Круголет')", view))
                self.use(view)
                self.assertEqual(self.violations(), [])
        self.assertEqual([e for e in self.driver.get_log("browser") if e["level"] == "SEVERE"], [])

    def use(self, view):
        """What a reader does in the view that changes the page beyond its first drawing."""
        if view == "conversion":
            wait_for_report(self.driver)
            self.driver.find_element(By.ID, "now-button").click()
        elif view in ("month-page", "year-page"):
            holiday = f"#{view} button[data-holiday]"
            WebDriverWait(self.driver, 10).until(lambda d: d.find_elements(By.CSS_SELECTOR, holiday))
            self.driver.find_element(By.CSS_SELECTOR, holiday).click()
            # The holiday's name, placed by the script under the day.
            WebDriverWait(self.driver, 5).until(lambda d: any(
                tip.is_displayed() for tip in d.find_elements(By.CSS_SELECTOR, f"#{view} .day-tip")))
        elif view == "holidays":
            WebDriverWait(self.driver, 10).until(
                lambda d: d.find_element(By.CSS_SELECTOR, "#holidays a[download]")
                .get_attribute("href").startswith("blob:"))
        elif view == "kept-days":
            form = self.driver.find_element(By.CSS_SELECTOR, "#kept-days .kept-form")
            form.find_element(By.NAME, "name").send_keys("Анна")
            form.find_element(By.NAME, "moment").send_keys("15.03.2000 20:30")
            form.find_element(By.CSS_SELECTOR, "button[type=submit]").click()
            WebDriverWait(self.driver, 10).until(
                lambda d: d.find_elements(By.CSS_SELECTOR, ".kept-entry"))


if __name__ == "__main__":
    unittest.main()
