"""The month page shows krugolet-cli's month: every day in its weekday's column with its Gregorian
span and holiday, the holidays listed under the grid; it opens on today's month with today
marked; a holiday's name shows under the mouse, under a finger and in the keyboard's focus; a
report leads to its month, the links around it to the months and years beside it, and Back
returns."""

import random

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from browser import BrowserTest, cli_json, read_each

# The first and last months of the range, the month that holds the 29th of February 1900, a
# month in which every day is a holiday (Элет), and the months of the address in the help.
EDGES = [(7309, 1), (7607, 9), (7408, 4), (7376, 6), (7535, 2), (7536, 1)]


def spread_months(count, seed=18):
    draw = random.Random(seed)
    months = list(EDGES)
    while len(months) < count:
        month = (draw.randint(7309, 7607), draw.randint(1, 9))
        if month not in months:
            months.append(month)
    return months


# The month page as the DOM shows it.
READ_MONTH = """() => {
  const page = document.getElementById('month-page');
  const text = (node) => node?.textContent ?? null;
  return {
    title: text(page.querySelector('h2')),
    span: text(page.querySelector('.view-span')),
    weekdays: [...page.querySelectorAll('thead th')].map((th) => text(th.querySelector('.full'))),
    cells: [...page.querySelectorAll('tbody td')].map((td) => td.querySelector('.number') && {
      day: text(td.querySelector('.number')),
      date: text(td.querySelector('.gregorian')),
      said: text(td.querySelector('.visually-hidden')),
      holiday: td.querySelector('button')?.dataset.holiday ?? null,
    }),
    listed: [...page.querySelectorAll('.holiday-list li')].map(
      (li) => [text(li.querySelector('strong')), text(li.querySelector('.when'))]),
  };
}"""


def time_and_date(moment):
    """"2026-10-30T19:00" as "19:00 30.10.2026"."""
    date, time = moment.split("T")
    year, month, day = date.split("-")
    return f"{time} {day}.{month}.{year}"


def span(start, end):
    return f"с {time_and_date(start)} до {time_and_date(end)}"


class MonthTest(BrowserTest):
    def assert_page_is_clis(self, page, cli):
        name, days, first = cli["month_name"], cli["days"], cli["first_column"]
        self.assertEqual(page["title"], f"{name} {cli['year_from_creation']} лета")
        self.assertEqual(page["span"], span(days[0]["start"], days[-1]["end"]))
        cells = [None] * (first - 1) + [{
            "day": str(d["day"]),
            "date": time_and_date(d["start"])[6:11],
            "said": f"{name}а, {span(d['start'], d['end'])}"
                    + (f". Праздник: {d['holiday']}" if d["holiday"] else ""),
            "holiday": d["holiday"],
        } for d in days]
        self.assertEqual(page["cells"], cells + [None] * (-len(cells) % 9))
        for place, day in enumerate(days, start=first - 1):
            self.assertEqual(page["weekdays"][place % 9], day["weekday"], day)
        self.assertEqual(page["listed"], [
            [d["holiday"], f"{d['day']} {name}а, {d['weekday']}: {span(d['start'], d['end'])}"]
            for d in days if d["holiday"]])

    def test_month_pages_equal_cli_for_months_over_the_range(self):
        months = spread_months(20)
        self.open("#2000-03-15T20:30")
        pages = read_each(self.driver, [f"#month/{year}/{month}" for year, month in months],
                          READ_MONTH)
        for (year, month), page in zip(months, pages):
            with self.subTest(year=year, month=month):
                self.assert_page_is_clis(page, cli_json("--month", str(year), str(month)))

    def test_opens_on_todays_month_with_today_marked(self):
        # Asked before and after, in case the day turned at 19:00 in between.
        before = cli_json("--extended")
        self.open_view("#month", "month-page")
        after = cli_json("--extended")
        page = self.driver.find_element(By.ID, "month-page")
        marked = page.find_elements(By.CSS_SELECTOR, "td[aria-current='date'] .number")
        shown = (page.find_element(By.TAG_NAME, "h2").text, [m.text for m in marked])
        self.assertIn(shown, [(f"{now['month']} {now['year_from_creation']} лета",
                               [str(now["day_of_month"])]) for now in (before, after)])

    def test_a_holidays_name_shows_under_mouse_finger_and_keyboard(self):
        self.open_view("#month/7535/2", "month-page")
        tip = self.driver.find_element(By.CSS_SELECTOR, "#month-page .day-tip")
        holidays = self.driver.find_elements(By.CSS_SELECTOR, "#month-page td button")
        first, second, last = holidays[0], holidays[1], holidays[-1]
        self.assertEqual(first.accessible_name,
                         "2 Айлета, с 19:00 31.10.2026 до 19:00 01.11.2026. "
                         "Праздник: День Мирослава Тарийского")
        ActionChains(self.driver).move_to_element(second).perform()
        self.assertTrue(tip.is_displayed())
        self.assertEqual(tip.text, "День Хария Предвечного")
        ActionChains(self.driver).move_to_element(
            self.driver.find_element(By.CSS_SELECTOR, "#month-page h2")).perform()
        self.assertFalse(tip.is_displayed())
        last.click()  # a tap
        self.assertEqual(tip.text, "День Олега Праведного")
        # Tab reaches the holidays as one stop; the arrows move among them, Escape hides the name.
        self.driver.find_element(By.CSS_SELECTOR, "[data-step='next-year']").send_keys(Keys.TAB)
        self.assertEqual(self.driver.switch_to.active_element, last)
        for key, day, name in ((Keys.ARROW_LEFT, "32", "День Хорива Мудрого"),
                               (Keys.ARROW_UP, "22", "День Откровения Богов"),
                               (Keys.ARROW_DOWN, "32", "День Хорива Мудрого"),
                               (Keys.HOME, "2", "День Мирослава Тарийского")):
            ActionChains(self.driver).send_keys(key).perform()
            self.assertEqual(self.driver.switch_to.active_element.get_attribute("data-day"), day)
            self.assertEqual(tip.text, name)
        ActionChains(self.driver).send_keys(Keys.ESCAPE).perform()
        self.assertFalse(tip.is_displayed())

    def test_the_turn_of_the_day_moves_the_mark_keeps_the_focus_and_leaves_other_months(self):
        # 1 Айлет 7535 ends at 19:00 on 31.10.2026.
        marked = "#month-page td[aria-current='date'] .number"
        tip = "#month-page .day-tip"
        after_the_turn = "return new Date() >= new Date(2026, 9, 31, 19, 0, 0, 500)"
        with self.clock_from(2026, 10, 31, 18, 59, 58, 0):
            # Today's month is filled again, the holiday tapped before the turn still focused.
            self.open_view("#month", "month-page")
            self.assertEqual(self.driver.find_element(By.CSS_SELECTOR, marked).text, "1")
            self.driver.find_element(By.CSS_SELECTOR, "#month-page button[data-day='2']").click()
            WebDriverWait(self.driver, 5).until(
                lambda d: d.find_element(By.CSS_SELECTOR, marked).text == "2")
            self.assertEqual(self.driver.switch_to.active_element.get_attribute("data-day"), "2")
            self.assertEqual(self.driver.find_element(By.CSS_SELECTOR, tip).text,
                             "День Мирослава Тарийского")
            # A month without today is left as it was.
            self.new_document()
            self.open_view("#month/7535/1", "month-page")
            holiday = self.driver.find_element(By.CSS_SELECTOR, "#month-page td button")
            holiday.click()
            shown = self.driver.find_element(By.CSS_SELECTOR, tip).text
            WebDriverWait(self.driver, 5).until(lambda d: d.execute_script(after_the_turn))
            self.assertEqual(self.driver.switch_to.active_element, holiday)
            self.assertTrue(self.driver.find_element(By.CSS_SELECTOR, tip).is_displayed())
            self.assertEqual(self.driver.find_element(By.CSS_SELECTOR, tip).text, shown)

    def test_links_lead_to_the_months_and_years_beside_and_back_returns(self):
        # From a report to its month.
        self.open("#2000-03-15T20:30")
        self.driver.find_element(By.ID, "result-month").click()
        WebDriverWait(self.driver, 5).until(lambda d: d.current_url.endswith("#month/7508/5"))
        self.open_view("#month/7535/9", "month-page")
        for step, address in (("next", "#month/7536/1"), ("previous-year", "#month/7535/1"),
                              ("previous", "#month/7534/9"), ("next-year", "#month/7535/9")):
            self.driver.find_element(By.CSS_SELECTOR, f"#month-page [data-step='{step}']").click()
            WebDriverWait(self.driver, 5).until(lambda d: d.current_url.endswith(address))
        self.driver.back()
        WebDriverWait(self.driver, 5).until(lambda d: d.current_url.endswith("#month/7534/9"))
        self.assertEqual(self.driver.find_element(By.CSS_SELECTOR, "#month-page h2").text,
                         "Тайлет 7534 лета")
        # At the end of the range there is nowhere further to go.
        self.open_view("#month/7607/9", "month-page")
        steps = self.driver.find_elements(By.CSS_SELECTOR, "#month-page [data-step]")
        self.assertEqual([a.text for a in steps if a.is_displayed()], ["‹ 7606", "‹ Хейлет"])
