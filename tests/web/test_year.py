"""The year page shows krugolet-cli's year: nine month grids with every day's number, Gregorian
date and holiday, each under a link to its month page, and the holidays listed under them; it
opens on today's year with today framed, and prints as a wall calendar on one landscape A4
sheet. Screenshots land beside the site, in screenshots/."""

import base64
import collections
import random
import re
import subprocess
import tempfile

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from browser import SITE, BrowserTest, cli_json, read_each

HEADER = re.compile(r"^ДА'АРИЙСКИЙ КРУГОЛЕТ ЧИСЛОБОГА\s+-1-$")

# The year page as the DOM shows it.
READ_YEAR = """() => {
  const page = document.getElementById('year-page');
  const text = (node) => node?.textContent ?? null;
  return {
    title: text(page.querySelector('h2')),
    span: text(page.querySelector('.view-span')),
    months: [...page.querySelectorAll('.year-month')].map((block) => ({
      name: text(block.querySelector('h3')),
      href: block.querySelector('h3 a').getAttribute('href'),
      weekdays: [...block.querySelectorAll('thead th .full')].map(text),
      cells: [...block.querySelectorAll('tbody td')].map((td) => td.querySelector('.number') && {
        day: text(td.querySelector('.number')),
        date: text(td.querySelector('.gregorian')),
        holiday: td.querySelector('button')?.dataset.holiday ?? null,
      }),
    })),
    holidays: [...page.querySelectorAll('.year-holidays p')].map(text),
  };
}"""


def time_and_date(moment):
    """"2026-10-30T19:00" as "19:00 30.10.2026"."""
    date, clock = moment.split("T")
    year, month, day = date.split("-")
    return f"{clock} {day}.{month}.{year}"


def day_and_month(moment):
    return time_and_date(moment)[6:11]


class YearTest(BrowserTest):
    def assert_page_is_clis(self, page, year):
        months = year["months"]
        days = sum(len(m["days"]) for m in months)
        kind = "Священное лето" if year["sacred"] else "Лето"
        self.assertEqual(page["title"], f"{kind} {year['year_from_creation']} — {year['name']}")
        self.assertEqual(page["span"], f"{days} дней"
                         + (", все девять месяцев по 41 дню" if year["sacred"] else "")
                         + f": с {time_and_date(months[0]['days'][0]['start'])}"
                         + f" до {time_and_date(months[-1]['days'][-1]['end'])}")
        self.assertEqual(len(page["months"]), 9)
        for shown, month in zip(page["months"], months):
            first = month["first_column"]
            cells = [None] * (first - 1) + [{
                "day": str(d["day"]), "date": day_and_month(d["start"]), "holiday": d["holiday"],
            } for d in month["days"]]
            self.assertEqual(shown["name"], month["month_name"])
            self.assertEqual(shown["href"],
                             f"#month/{month['year_from_creation']}/{month['month']}")
            self.assertEqual(shown["cells"], cells + [None] * (-len(cells) % 9))
            for place, day in enumerate(month["days"], start=first - 1):
                self.assertEqual(shown["weekdays"][place % 9], day["weekday"], day)
        self.assertEqual(page["holidays"], [
            f"{m['month_name']}: " + "; ".join(f"{d['day']} {d['holiday']}"
                                               for d in m["days"] if d["holiday"]) + "."
            for m in months])

    def test_year_pages_equal_cli_for_a_sacred_year_the_last_and_one_drawn_anew(self):
        years = [7536, 7607, random.randint(7309, 7606)]
        self.open("#2000-03-15T20:30")
        pages = read_each(self.driver, [f"#year/{y}" for y in years], READ_YEAR)
        for year, page in zip(years, pages):
            with self.subTest(year=year):
                self.assert_page_is_clis(page, cli_json("--year", str(year)))

    def test_opens_on_todays_year_with_today_framed(self):
        # Asked before and after, in case the day turned at 19:00 in between.
        before = cli_json("--extended")
        self.open_view("#year", "year-page")
        after = cli_json("--extended")
        framed = [(td.find_element(By.XPATH, "ancestor::section[1]//h3").text, td.text.split()[0])
                  for td in self.driver.find_elements(By.CSS_SELECTOR, "td[aria-current='date']")]
        self.assertIn(framed, [[(now["month"], str(now["day_of_month"]))] for now in (before, after)])

    def test_links_and_keys_lead_to_the_months_and_the_years_beside(self):
        self.open_view("#month/7535/2", "month-page")
        self.driver.find_element(By.CSS_SELECTOR, "#month-page [data-part='year']").click()
        WebDriverWait(self.driver, 5).until(lambda d: d.current_url.endswith("#year/7535"))
        step = self.driver.find_element(By.CSS_SELECTOR, "#year-page [data-step='next']")
        step.click()
        WebDriverWait(self.driver, 5).until(lambda d: d.current_url.endswith("#year/7536"))
        # Tab goes from a month's name to its holidays, one stop, and on to the next month's name.
        step.send_keys(Keys.TAB)
        self.assertEqual(self.driver.switch_to.active_element.text, "Рамхат")
        ActionChains(self.driver).send_keys(Keys.TAB).perform()
        self.assertEqual(self.driver.switch_to.active_element.get_attribute("data-day"), "1")
        ActionChains(self.driver).send_keys(Keys.TAB).perform()
        self.assertEqual(self.driver.switch_to.active_element.text, "Айлет")
        ActionChains(self.driver).send_keys(Keys.ENTER).perform()
        WebDriverWait(self.driver, 5).until(lambda d: d.current_url.endswith("#month/7536/2"))
        # At the start of the range there is no year before.
        self.open_view("#year/7309", "year-page")
        steps = self.driver.find_elements(By.CSS_SELECTOR, "#year-page [data-step]")
        self.assertEqual([a.text for a in steps if a.is_displayed()], ["7310 ›"])

    def printed(self):
        """The year printed as the page's own CSS lays it out: the PDF's pages, their size, the
        text in reading order and as laid out, and the height of its smallest word."""
        pdf = base64.b64decode(self.driver.execute_cdp_cmd(
            "Page.printToPDF", {"preferCSSPageSize": True})["data"])
        shots = SITE.parent / "screenshots"
        shots.mkdir(exist_ok=True)
        with tempfile.NamedTemporaryFile(suffix=".pdf") as f:
            f.write(pdf)
            f.flush()
            run = lambda *args: subprocess.run(args, check=True, capture_output=True,
                                               text=True).stdout
            info = run("pdfinfo", f.name)
            text = run("pdftotext", f.name, "-")
            layout = run("pdftotext", "-layout", f.name, "-")
            boxes = run("pdftotext", "-bbox", f.name, "-")
            subprocess.run(["pdftoppm", "-png", "-r", "110", "-singlefile", f.name,
                            str(shots / "print-year")], check=True)
        heights = [float(y1) - float(y0) for y0, y1 in
                   re.findall(r'<word xMin="[\d.]+" yMin="([\d.]+)" xMax="[\d.]+" '
                              r'yMax="([\d.]+)">', boxes)]
        return info, text, layout, min(heights)

    def test_the_year_prints_on_one_landscape_a4_sheet_with_every_day_and_holiday(self):
        self.open_view("#year/7536", "year-page")
        year = cli_json("--year", "7536")
        info, text, layout, smallest = self.printed()
        self.assertRegex(info, r"Pages:\s+1\n")
        # A4 across: 842 by 595 points, as Chromium rounds them to its pixels.
        width, height = map(float, re.search(r"Page size:\s+([\d.]+) x ([\d.]+) pts \(A4\)",
                                             info).groups())
        self.assertGreater(width, height)
        self.assertRegex(layout.strip().splitlines()[0], HEADER)
        words = collections.Counter(text.split())
        # Every day's Gregorian date (19.09 to 21.09 twice in this year) and at least as many of
        # each day number as there are months with that day.
        dates = collections.Counter(day_and_month(d["start"])
                                    for m in year["months"] for d in m["days"])
        numbers = collections.Counter(str(d["day"]) for m in year["months"] for d in m["days"])
        self.assertEqual(len(dates), 366)
        for word, count in (dates + numbers).items():
            self.assertGreaterEqual(words[word], count, word)
        # pdftotext joins a word broken after its hyphen at the end of a line without the hyphen.
        def flowing(text):
            return " ".join(text.replace("-", "").split())

        for month in year["months"]:
            self.assertIn(month["month_name"], words)
            for day in month["days"]:
                if day["holiday"]:
                    self.assertIn(flowing(f"{day['day']} {day['holiday']}"), flowing(text))
        for control in ("Другое лето", "Показать", "Печать", "7537 ›"):
            self.assertNotIn(control, text)
        # No text under 6 pt: poppler's box of a word in this face is 1.107 times its size
        # (6.64 points for 6 pt, 6.09 for 5.5 pt).
        self.assertGreaterEqual(smallest, 6.6)

    def test_no_sideways_scrolling_on_a_phone_or_a_desktop(self):
        shots = SITE.parent / "screenshots"
        shots.mkdir(exist_ok=True)
        overflow = ("return [document.documentElement.scrollWidth,"
                    " document.documentElement.clientWidth]")
        for width, height, mobile in ((360, 640, True), (1920, 1080, False)):
            with self.subTest(width=width):
                self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                    "width": width, "height": height, "deviceScaleFactor": 2 if mobile else 1,
                    "mobile": mobile})
                self.open_view("#year/7536", "year-page")
                self.assertLessEqual(*self.driver.execute_script(overflow))
                columns = self.driver.execute_script(
                    "return new Set([...document.querySelectorAll('.year-month')]"
                    ".map((m) => m.getBoundingClientRect().left)).size")
                self.assertEqual(columns, 1 if mobile else 3)
                # A holiday's name stays inside the screen in the last column too.
                self.driver.find_elements(By.CSS_SELECTOR, "#year-page td button")[-1].click()
                self.assertLessEqual(*self.driver.execute_script(overflow))
                self.driver.execute_script("document.activeElement.blur(); window.scrollTo(0, 0)")
                self.driver.save_screenshot(str(shots / f"year-{width}.png"))
        self.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
