"""The holidays of a Gregorian year are krugolet-cli's, each leading to its month's page; the file
the page offers for a calendar app is krugolet-cli --ics byte for byte, downloaded as a user
downloads it; a refused year names its field and keeps the last list."""

import pathlib
import tempfile
import time

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from browser import BrowserTest, cli, cli_json, read_each
from test_month import span

# The first and last years of the range, which it cuts, and the year of the 29th of February
# that the calendar keeps.
YEARS = (1800, 1900, 2099)

# The list as the DOM shows it, and the file behind the download link as numbers of its bytes.
READ_YEAR = """async () => {
  const view = document.getElementById('holidays');
  const link = view.querySelector('a[download]');
  return {
    heading: view.querySelector('h2').textContent,
    listed: [...view.querySelectorAll('.holiday-list li')].map((li) => [
      li.querySelector('strong').textContent, li.querySelector('.when').textContent,
      li.querySelector('a').getAttribute('href')]),
    name: link.download,
    file: Array.from(new Uint8Array(await (await fetch(link.href)).arrayBuffer())),
  };
}"""


class HolidaysTest(BrowserTest):
    def test_holidays_and_their_file_equal_cli_for_years_over_the_range(self):
        self.open("#2000-03-15T20:30")
        years = read_each(self.driver, [f"#holidays/{y}" for y in YEARS], READ_YEAR)
        for year, page in zip(YEARS, years):
            with self.subTest(year=year):
                self.assertTrue(page["heading"].startswith(f"Праздники {year} года"))
                self.assertEqual(page["listed"], [
                    [h["name"],
                     f"{h['day']} {h['month_name']}а {h['year_from_creation']} лета: "
                     f"{span(h['start'], h['end'])}",
                     f"#month/{h['year_from_creation']}/{h['month']}"]
                    for h in cli_json("--holidays", str(year))])
                self.assertEqual(page["name"], f"праздники-{year}.ics")
                self.assertEqual(bytes(page["file"]), cli("--ics", str(year)).stdout)

    def test_the_downloaded_file_is_clis_byte_for_byte(self):
        with tempfile.TemporaryDirectory() as folder:
            self.driver.execute_cdp_cmd("Browser.setDownloadBehavior",
                                        {"behavior": "allow", "downloadPath": folder})
            self.open_view("#holidays/2027", "holidays")
            self.driver.find_element(By.CSS_SELECTOR, "#holidays a[download]").click()
            file = pathlib.Path(folder) / "праздники-2027.ics"
            deadline = time.monotonic() + 10
            while not file.exists() and time.monotonic() < deadline:
                time.sleep(0.1)
            self.assertEqual(file.read_bytes(), cli("--ics", "2027").stdout)

    def test_a_refused_year_names_the_field_and_keeps_the_last_list(self):
        self.open_view("#holidays/2027", "holidays")
        listed = self.driver.find_element(By.CSS_SELECTOR, "#holidays .holiday-list").text
        year = self.driver.find_element(By.CSS_SELECTOR, "#holidays input[name='year']")
        for typed in ("1799", "7536", ""):
            with self.subTest(typed=typed):
                year.send_keys(Keys.CONTROL, "a", Keys.NULL, typed or Keys.DELETE, Keys.ENTER)
                self.assertEqual(self.driver.find_element(By.ID, "holidays-refusal").text,
                                 "Год: целое число от 1800 до 2099.")
                self.assertEqual(year.get_attribute("aria-invalid"), "true")
                self.assertEqual(self.driver.find_element(
                    By.CSS_SELECTOR, "#holidays .holiday-list").text, listed)
                self.assertTrue(self.driver.current_url.endswith("#holidays/2027"))
