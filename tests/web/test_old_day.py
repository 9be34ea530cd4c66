"""An old day typed in its fields (the month by number or by name in any letter case) shows
krugolet-cli's Gregorian span, weekday, holiday and hall, leads on to the report of its first
moment; a day that does not exist gets krugolet-cli's message with its field marked, and the last
day stays."""

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from browser import BrowserTest, cli, cli_json, cli_report, page_report
from test_month import span

# The first and last days of the range, the day of the 29th of February 1900, a day with no
# holiday, and the New Year of the example.
DAYS = [("7309", "Рамхат", "1"), ("7607", "9", "41"), ("7408", "ГЭЙЛЕТ", "38"),
        ("7535", "айлет", "3"), ("7536", "1", "1")]

REFUSED = [
    (("7535", "2", "41"), "day"),  # Айлет has 40 days
    (("2027", "1", "1"), "year"),
    (("", "1", "1"), "year"),
    (("7536", "Январь", "1"), "month"),
    (("7536", "1", "1-й"), "day"),
]


class OldDayTest(BrowserTest):
    def enter(self, year, month, day):
        form = self.driver.find_element(By.CSS_SELECTOR, "#old-day form")
        for name, value in (("day", day), ("month", month), ("year", year)):
            form.find_element(By.NAME, name).send_keys(Keys.CONTROL, "a", Keys.NULL,
                                                       value or Keys.DELETE)
        form.find_element(By.NAME, "year").send_keys(Keys.ENTER)

    def shown(self):
        view = self.driver.find_element(By.ID, "old-day")
        return [view.find_element(By.CSS_SELECTOR, ".old-date").text] + [
            view.find_element(By.CSS_SELECTOR, f"[data-part='{part}']").text
            for part in ("span", "holiday", "hall")]

    def test_days_equal_cli_and_lead_to_the_report_of_their_first_moment(self):
        self.open_view("#old/7536/1/2", "old-day")
        for year, month, day in DAYS:
            with self.subTest(day=(year, month, day)):
                self.enter(year, month, day)
                old = cli_json("--old", year, month, day)
                address = f"#old/{year}/{old['month']}/{day}"
                WebDriverWait(self.driver, 5).until(lambda d: d.current_url.endswith(address))
                hall = cli("--old", year, month, day).stdout.decode().split("Чертог: ")[1].strip()
                self.assertEqual(self.shown(), [
                    f"{day} {old['month_name']}а {year} лета, {old['weekday']}",
                    span(old["start"], old["end"]), old["holiday"] or "нет", hall])
        self.driver.find_element(By.CSS_SELECTOR, "[data-part='report']").click()
        WebDriverWait(self.driver, 5).until(lambda d: d.current_url.endswith("#2027-09-19T19:00"))
        self.assertEqual(page_report(self.driver).encode(), cli_report("19.09.2027 19:00"))

    def test_opens_on_today(self):
        before = cli_json("--extended")
        self.open_view("#old", "old-day")
        after = cli_json("--extended")
        self.assertIn(self.shown()[0], [
            f"{n['day_of_month']} {n['month']}а {n['year_from_creation']} лета, {n['weekday']}"
            for n in (before, after)])

    def test_a_day_that_does_not_exist_gets_clis_message_and_the_last_day_stays(self):
        self.open_view("#old/7536/1/1", "old-day")
        last = self.shown()
        for values, field in REFUSED:
            with self.subTest(values=values):
                self.enter(*values)
                refusal = self.driver.find_element(By.ID, "old-refusal")
                message = cli("--old", *values).stderr.decode().strip()
                self.assertTrue(message)
                self.assertEqual(refusal.text, message)
                marked = [f.get_attribute("name") for f in self.driver.find_elements(
                    By.CSS_SELECTOR, "#old-day [aria-invalid='true']")]
                self.assertEqual(marked, [field])
                self.assertEqual(self.shown(), last)
                self.assertTrue(self.driver.current_url.endswith("#old/7536/1/1"))
        # A day that does not exist in the address gets the same message.
        self.driver.get(self.server.url + "#old/7535/2/41")
        WebDriverWait(self.driver, 5).until(lambda d: d.find_element(By.ID, "old-refusal").text)
        self.assertEqual(self.driver.find_element(By.ID, "old-refusal").text.encode(),
                         cli("--old", "7535", "2", "41").stderr.strip())
        self.assertEqual(self.shown(), last)
