"""The page fits phones from 360 pixels wide to desktops without scrolling sideways, in every view,
and is worked by the keyboard alone. Screenshots land beside the site, in screenshots/."""

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from browser import SITE, BrowserTest, page_report

SCREENS = {"phone": (360, 640, True), "desktop": (1920, 1080, False)}
OVERFLOW = "return [document.documentElement.scrollWidth, window.innerWidth]"


class LayoutTest(BrowserTest):
    def screen(self, width, height, mobile):
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": 2 if mobile else 1,
            "mobile": mobile})

    def test_no_view_scrolls_sideways_on_a_phone_or_a_desktop(self):
        shots = SITE.parent / "screenshots"
        shots.mkdir(exist_ok=True)
        for name, (width, height, mobile) in SCREENS.items():
            self.screen(width, height, mobile)
            views = {
                "report": "#2000-03-15T20:30",
                "refusal": "#2000-02-30T20:30",
                "help": "#help",
            }
            for view, address in views.items():
                with self.subTest(screen=name, view=view):
                    self.open(address)
                    scroll_width, inner_width = self.driver.execute_script(OVERFLOW)
                    self.assertLessEqual(scroll_width, inner_width)
                    self.driver.execute_script("document.activeElement.blur(); window.scrollTo(0, 0)")
                    self.driver.save_screenshot(str(shots / f"{name}-{view}.png"))
        self.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})

    def test_keyboard_alone_reaches_every_control_and_converts(self):
        self.open("#2000-03-15T20:30")
        self.driver.find_element(By.TAG_NAME, "body").click()
        order = []
        for _ in range(20):
            ActionChains(self.driver).send_keys(Keys.TAB).perform()
            focused = self.driver.switch_to.active_element
            name = focused.get_attribute("id") or focused.text.split("\n")[0]
            if not order or order[-1] != name:  # the picker has a stop for each of its parts
                order.append(name)
        self.assertEqual(order[:12], ["Да'Арийский Круголет Числобога", "Расчет", "Справка", "day",
                                      "month", "year", "hour", "minute", "picker", "Расчет",
                                      "now-button", "print-button"])
        # From the day field: Space moves on, the values typed, Enter converts.
        day = self.driver.find_element(By.ID, "day")
        day.click()
        keys = ActionChains(self.driver)
        for value in ("1", "1", "2001", "0", "0"):
            keys.key_down(Keys.CONTROL).send_keys("a").key_up(Keys.CONTROL).send_keys(value, " ")
        keys.perform()
        WebDriverWait(self.driver, 5).until(lambda d: d.current_url.endswith("#2001-01-01T00:00"))
        self.assertIn("1.1.2001г.", page_report(self.driver))
