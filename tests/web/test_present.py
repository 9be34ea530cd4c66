"""The present moment at the ends of the range and as the clock turns: outside the range one
sentence says so in place of a report or a view, a typed moment still converts, and entering the
range brings the report back; every view of today follows the clock past 19:00 and midnight."""

import time

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from browser import BrowserTest, cli_report, page_report

OUTSIDE = ("Часы устройства показывают время вне промежутка расчета (с 19.09.1800 19:00 до "
           "21.09.2099 19:00). Введите дату и время из этого промежутка — они рассчитываются как "
           "обычно.")
# The views have no fields of date and time: each says what to type in its own.
CLOCK = "Часы устройства показывают время вне промежутка расчета, и нынешнего "
MONTH_OUTSIDE = CLOCK + "месяца в нем нет: введите лето и месяц."
YEAR_OUTSIDE = CLOCK + "лета в нем нет: введите лето."
HOLIDAYS_OUTSIDE = CLOCK + "года в нем нет: введите год."
DAY_OUTSIDE = CLOCK + "дня в нем нет: введите число, месяц и лето."

# The present moment or a view of today opened three seconds before the clock turns: what it
# shows before and after, each by a selector and its text.
TURNS = [
    ("#month", (2099, 9, 21, 18, 59, 57), ("#month-page h2", "Тайлет 7607 лета"),
     ("#month-page .refusal", MONTH_OUTSIDE)),
    ("#holidays", (2030, 12, 31, 23, 59, 57), ("#holidays h2", "Праздники 2030 года"),
     ("#holidays h2", "Праздники 2031 года")),
    ("#holidays", (1800, 9, 19, 18, 59, 57), ("#holidays .refusal", HOLIDAYS_OUTSIDE),
     ("#holidays h2", "Праздники 1800 года (расчет ведется с 19:00 19.09.1800)")),
    # Past the range's last year, where a typed year itself is refused.
    ("", (2100, 1, 1, 0, 0, 57), ("#refusal", OUTSIDE), ("#refusal", OUTSIDE)),
    ("#month", (2100, 1, 1, 0, 0, 57), ("#month-page .refusal", MONTH_OUTSIDE),
     ("#month-page .refusal", MONTH_OUTSIDE)),
    ("#old", (2027, 9, 19, 18, 59, 57), ("#old-day .old-date", "41 Тайлета 7535 лета, Тритейник"),
     ("#old-day .old-date", "1 Рамхата 7536 лета, Четверг")),
    ("#year", (2027, 9, 19, 18, 59, 57),
     ("#year-page h2", "Лето 7535 — Солнечные (Золотые) Хоромы (Дом)"),
     ("#year-page h2", "Священное лето 7536 — Древесный (Зелёный) Храм")),
    ("#year", (2099, 9, 21, 18, 59, 57), ("#year-page h2", "Лето 7607 — Солнечный (Золотой) Лис"),
     ("#year-page .refusal", YEAR_OUTSIDE)),
    ("#old", (1800, 9, 19, 18, 59, 57), ("#old-day .refusal", DAY_OUTSIDE),
     ("#old-day .old-date", "1 Рамхата 7309 лета, Понедельник")),
]


class PresentTest(BrowserTest):
    def shows(self, selector, text, seconds=10):
        """Waits until the element is shown with the text."""
        WebDriverWait(self.driver, seconds).until(
            lambda d: d.find_element(By.CSS_SELECTOR, selector).text == text)

    def assert_outside(self):
        self.shows("#refusal", OUTSIDE)
        self.assertFalse(self.driver.find_element(By.ID, "result").is_displayed())
        self.assertEqual(self.driver.find_elements(By.CSS_SELECTOR, "[aria-invalid]"), [])

    def test_leaving_the_range_puts_one_sentence_in_place_of_the_report(self):
        with self.clock_from(2099, 9, 21, 18, 59, 57):
            self.assertEqual(self.open().encode(), cli_report("21.09.2099 18:59"))
            self.assertTrue(self.driver.find_element(By.ID, "caption").is_displayed())
            self.assert_outside()
            # A moment typed inside the range converts.
            self.driver.find_element(By.ID, "year").send_keys(Keys.CONTROL, "a", Keys.NULL,
                                                              "2000", Keys.ENTER)
            WebDriverWait(self.driver, 5).until(lambda d: "#2000-09-21T" in d.current_url)
            self.assertFalse(self.driver.find_element(By.ID, "refusal").is_displayed())
            self.assertIn("21.9.2000г.", page_report(self.driver))

    def test_entering_the_range_brings_the_report(self):
        with self.clock_from(1800, 9, 19, 18, 59, 57):
            self.driver.get(self.server.url)
            self.assert_outside()
            self.shows("#caption", "Ныне:")
            self.assertEqual(page_report(self.driver).encode(), cli_report("19.09.1800 19:00"))
            self.assertFalse(self.driver.find_element(By.ID, "refusal").is_displayed())

    def test_views_of_today_follow_the_clock(self):
        for address, moment, before, after in TURNS:
            with self.subTest(address=address, moment=moment), self.clock_from(*moment):
                self.driver.get(self.server.url + address)
                self.shows(*before)
                self.shows(*after)
                self.assertEqual(self.driver.find_elements(By.CSS_SELECTOR, "[aria-invalid]"), [])

    def test_a_month_opened_at_today_s_is_left_as_it_is_when_the_minute_turns(self):
        with self.clock_from(2027, 9, 20, 12, 59, 58):
            self.open_view("#month/7536/1", "month-page")
            holiday = self.driver.find_element(By.CSS_SELECTOR, "#month-page td button")
            time.sleep(3)
            self.assertTrue(holiday.get_attribute("data-day"))  # not filled again: still there
