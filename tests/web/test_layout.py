"""The page fits phones from 240 pixels wide to desktops without scrolling sideways, in every view,
and is worked by the keyboard alone. Screenshots land beside the site, in screenshots/."""

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from browser import SITE, BrowserTest, page_report

# A desktop window just wider than a phone's layout, where the sections' links must still fit.
SCREENS = {"smallest phone": (240, 427, True), "phone": (360, 640, True),
           "narrow window": (500, 800, False), "desktop": (1920, 1080, False)}
# Each view, and the section that holds it when it is one of the calendar's views; the month
# comes last, so that its holidays can be tapped.
VIEWS = {
    "report": ("#2000-03-15T20:30", None),
    "refusal": ("#2000-02-30T20:30", None),
    "help": ("#help", None),
    "holidays": ("#holidays/2027", "holidays"),
    "old-day": ("#old/7536/1/1", "old-day"),
    "kept-day": ("#birthday/2028-02-29T20:00", "kept-day"),
    "kept-days": ("#dates/2000-03-15T20:30", "kept-days"),
    # Refusals that repeat what was typed: a long month's name, 100 KB in the address, an
    # address that is no text.
    "unknown month": ("#old/7536/" + "Ж" * 20 + "/1", "old-day"),
    "long year": ("#month/" + "1" * 100_000 + "/1", "month-page"),
    "malformed address": ("#%" + "Z" * 100, None),
    "month": ("#month/7535/2", "month-page"),
}
# The page's width against the screen's. On a phone a page wider than the screen widens
# innerWidth with it, so the screen's width is the root element's clientWidth.
OVERFLOW = "return [document.documentElement.scrollWidth, document.documentElement.clientWidth]"
NAVIGATION = ["Да'Арийский Круголет Числобога", "Расчет", "Месяц", "Лето", "Праздники",
              "Старая дата", "Памятные дни", "Справка"]


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
            for view, (address, section) in VIEWS.items():
                with self.subTest(screen=name, view=view):
                    if section:
                        self.open_view(address, section)
                    else:
                        self.open(address)
                    self.assertLessEqual(*self.driver.execute_script(OVERFLOW))
                    self.driver.execute_script(
                        "document.activeElement.blur(); window.scrollTo(0, 0)")
                    self.driver.save_screenshot(str(shots / f"{name}-{view}.png"))
            # A holiday's name stays inside the screen, whichever column its day is in.
            for holiday in self.driver.find_elements(By.CSS_SELECTOR, "#month-page td button"):
                with self.subTest(screen=name, holiday=holiday.get_attribute("data-day")):
                    holiday.click()
                    self.assertLessEqual(*self.driver.execute_script(OVERFLOW))
        self.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})

    def tab_order(self, stops):
        """What Tab reaches from the page's first link on, by id, name or first line of text."""
        self.driver.execute_script("document.querySelector('a').focus()")
        order = []
        while len(order) < stops:
            if order:
                ActionChains(self.driver).send_keys(Keys.TAB).perform()
            focused = self.driver.switch_to.active_element
            name = (focused.get_attribute("id") or focused.get_attribute("name")
                    or focused.text.split("\n")[0])
            if not order or order[-1] != name:  # the picker has a stop for each of its parts
                order.append(name)
        return order

    def test_keyboard_alone_reaches_every_control_and_converts(self):
        self.open("#2000-03-15T20:30")
        self.assertEqual(self.tab_order(17), NAVIGATION + [
            "day", "month", "year", "hour", "minute", "picker", "Расчет", "now-button",
            "print-button"])
        # From the day field: Space moves on, the values typed, Enter converts.
        day = self.driver.find_element(By.ID, "day")
        day.click()
        keys = ActionChains(self.driver)
        for value in ("1", "1", "2001", "0", "0"):
            keys.key_down(Keys.CONTROL).send_keys("a").key_up(Keys.CONTROL).send_keys(value, " ")
        keys.perform()
        WebDriverWait(self.driver, 5).until(lambda d: d.current_url.endswith("#2001-01-01T00:00"))
        self.assertIn("1.1.2001г.", page_report(self.driver))

    def test_keyboard_alone_works_the_month_page(self):
        self.open_view("#month/7400/2", "month-page")
        # The holidays of the grid are one stop: the first, in a month without today.
        self.assertEqual(self.tab_order(19), NAVIGATION + [
            "Все лето 7400", "‹ 7399", "‹ Рамхат", "Бейлет ›", "7401 ›", "2", "year", "month",
            "Показать", "Ныне",
            "Печать"])
        ActionChains(self.driver).key_down(Keys.SHIFT).send_keys(Keys.TAB * 7).key_up(
            Keys.SHIFT).send_keys(Keys.ENTER).perform()
        WebDriverWait(self.driver, 5).until(lambda d: d.current_url.endswith("#month/7400/3"))
