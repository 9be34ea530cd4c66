"""Whatever is pasted into a field or an address: a text longer than any value is refused with the
field's usual message, its start echoed, and the page converts on as before; an address that is
not percent-encoded text gets a Russian message naming its part beside the present moment, and
the page is kept for offline use all the same."""

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from browser import BrowserTest, cli_report, page_report, read_each, wait_for_report

# A 2 MB paste; as a part of an address, just under the browsers' 2 MB limit of an address.
LONG = 2_000_000
FIELDS = ("day", "month", "year", "hour", "minute")
TOO_LARGE = "Неправильные данные: «" + "1" * 40 + "…» — слишком большое число"
NO_MONTH = "Нет такого месяца: «{}…»; месяц — число от 1 до 9"
YEAR = "Год: целое число от 1800 до 2099."
NO_MOMENT = "Нет такого момента: «" + "1" * 40 + "…»; ожидается ДД.ММ.ГГГГ ЧЧ:ММ"

# The fields of the conversion, with what each says of 2 MB pasted into it: a number too
# large, or a good one lost in blanks, which the core refuses for its length alone.
MOMENT_FIELDS = [
    ("day", "1" * LONG, "День: целое число от 1 до 31."),
    ("day", "15" + " " * LONG, "День: целое число от 1 до 31."),
    ("month", "1" * LONG, "Месяц: целое число от 1 до 12."),
    ("year", "1" * LONG, YEAR),
    ("hour", "1" * LONG, "Час: целое число от 0 до 23."),
    ("minute", "1" * LONG, "Минута: целое число от 0 до 59."),
]
# The fields of the views' forms, with what each says of 2 MB pasted into it.
VIEW_FIELDS = [
    ("#month/7535/2", "month-page", "year", "1", TOO_LARGE),
    ("#year/7536", "year-page", "year", "1", TOO_LARGE),
    ("#holidays/2027", "holidays", "year", "1", YEAR),
    ("#old/7536/1/1", "old-day", "year", "1", TOO_LARGE),
    ("#old/7536/1/1", "old-day", "month", "Ж", NO_MONTH.format("Ж" * 40)),
    ("#old/7536/1/1", "old-day", "day", "1", TOO_LARGE),
    ("#birthday/2000-03-15T20:30", "kept-day", "moment", "1", NO_MOMENT),
    ("#dates", "kept-days", "name", "Я", "Имя длиннее 100 знаков."),
]
# Each part of each view's address, 2 MB long.
ROUTES = [("#month/{}/1", "1", TOO_LARGE), ("#month/7535/{}", "x", NO_MONTH.format("x" * 40)),
          ("#year/{}", "1", TOO_LARGE), ("#holidays/{}", "1", YEAR),
          ("#old/{}/1/1", "1", TOO_LARGE), ("#old/7536/{}/1", "x", NO_MONTH.format("x" * 40)),
          ("#old/7536/1/{}", "1", TOO_LARGE), ("#birthday/{}", "1", NO_MOMENT)]

# Addresses whose first part with a "%" is no percent-encoded UTF-8 text.
MALFORMED = [
    "#%", "#%%", "#%Z", "#%ZZ", "#%E0%A4%A", "#%E0%A4", "#%C0%80", "#%ED%A0%80", "#%FF", "#%80",
    "#%C3", "#%F4%90%80%80", "#%E2%82", "#%E2%82%", "#month%", "#2000-03-15T20:30%", "#month/%",
    "#month/%/1", "#month/7535/%", "#month/%E0/1", "#month/7535/%C3%28", "#holidays/%",
    "#holidays/%2", "#holidays/20%2G7", "#old/%/1/1", "#old/7536/%ZZ/1", "#old/7536/1/%",
    "#old/%FE/1/1", "#old/7536/%D0/1", "#help/%", "#%/month", "#x/%", "#old/7536/%" + "Z" * 50,
]
# What the conversion shows: its refusal, and whether it shows a report of now.
READ_CONVERSION = """() => [document.getElementById('refusal').textContent,
  !document.getElementById('conversion').hidden && document.getElementById('caption')
    .checkVisibility() && document.getElementById('report').textContent !== '']"""
# Shows the address of the route with its part made in the page (which is quicker than sending
# it), and gives the refusal of the view shown once the page has handled it.
LONG_ADDRESS = """
const [route, piece, times, done] = arguments;
window.addEventListener('popstate', () => done(
  document.querySelector('.view:not([hidden]) .refusal').textContent), { once: true });
location.hash = route.replace('{}', piece.repeat(times));
"""


class LongInputTest(BrowserTest):
    def paste(self, form, name, text):
        """The text set into the field at once, as a paste would, then Enter typed in it."""
        field = form.find_element(By.NAME, name)
        self.driver.execute_script(
            "arguments[0].value = arguments[1];"
            "arguments[0].dispatchEvent(new Event('input', { bubbles: true }))", field, text)
        field.send_keys(Keys.ENTER)

    def test_a_paste_into_each_field_is_refused_and_the_page_converts_on(self):
        good = self.open("#2000-03-15T20:30")
        form = self.driver.find_element(By.ID, "moment-form")
        for name, text, message in MOMENT_FIELDS:
            with self.subTest(field=name, text=text[:3]):
                self.driver.execute_script(
                    "arguments[0].forEach((v, i) => {"
                    " document.getElementById(arguments[1][i]).value = v; })",
                    ["15", "3", "2000", "20", "30"], list(FIELDS))
                self.paste(form, name, text)
                self.assertEqual(self.driver.find_element(By.ID, "refusal").text,
                                 f"Неправильные данные! {message}")
                self.assertEqual(page_report(self.driver), good)
        for address, view, name, letter, message in VIEW_FIELDS:
            with self.subTest(view=view, field=name):
                self.open_view(address, view)
                section = self.driver.find_element(By.ID, view)
                self.paste(section.find_element(By.TAG_NAME, "form"), name, letter * LONG)
                self.assertTrue(section.find_element(By.CLASS_NAME, "refusal").text
                                .startswith(message))
        self.assertEqual(self.open("#1999-12-31T23:59").encode(), cli_report("31.12.1999 23:59"))

    def test_each_part_of_an_address_as_long_as_an_address_may_be(self):
        self.open("#2000-03-15T20:30")
        self.driver.set_script_timeout(60)
        for route, letter, message in ROUTES:
            with self.subTest(route=route):
                refusal = self.driver.execute_async_script(LONG_ADDRESS, route, letter, LONG)
                self.assertTrue(refusal.startswith(message), refusal)
        self.open_view("#old/7536/1/1", "old-day")
        self.assertEqual(self.driver.find_element(By.CSS_SELECTOR, "#old-day .old-date").text,
                         "1 Рамхата 7536 лета, Четверг")
        self.assertEqual(self.open("#2000-03-15T20:31").encode(), cli_report("15.03.2000 20:31"))


class MalformedAddressTest(BrowserTest):
    def assert_named(self, address, read):
        refusal, present = read
        part = next(p for p in address[1:].split("/") if "%" in p)
        self.assertEqual(refusal.split("«")[1].split("»")[0],
                         part if len(part) <= 40 else part[:40] + "…")
        self.assertTrue(refusal.startswith("Адрес не прочитан."), refusal)
        self.assertTrue(present)

    def test_each_is_named_beside_the_present_moment(self):
        # Opened with the page, in a browser that has never kept it: the worker comes all the same.
        self.driver.get(self.server.url + "#%E0%A4%A")
        wait_for_report(self.driver)
        self.assert_named("#%E0%A4%A", self.driver.execute_script(f"return ({READ_CONVERSION})()"))
        self.assertTrue(self.driver.execute_async_script(
            "navigator.serviceWorker.ready.then(() => arguments[0](true))"))
        self.assertEqual(len(MALFORMED), 33)
        for address, read in zip(MALFORMED, read_each(self.driver, MALFORMED, READ_CONVERSION)):
            with self.subTest(address=address):
                self.assert_named(address, read)
        # The form converts on, and the address follows.
        self.driver.find_element(By.ID, "year").send_keys(Keys.CONTROL, "a", Keys.NULL, "2001",
                                                          Keys.ENTER)
        WebDriverWait(self.driver, 5).until(lambda d: "#2001-" in d.current_url)
        self.assertEqual(self.driver.find_element(By.ID, "refusal").text, "")
