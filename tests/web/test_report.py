"""The page's report is krugolet-cli's, byte for byte, for any moment and for now; refused input
names its field and leaves the last report; the address and Back follow the conversions."""

import datetime
import random
import re

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from browser import BrowserTest, cli, cli_report, page_report, read_each

FIELDS = ("day", "month", "year", "hour", "minute")

# The ends of both ranges, the evening turn of the day, the 29th of February that the calendar
# keeps in 1900, and a known date.
EDGES = [(19, 9, 1800, 19, 0), (21, 9, 2099, 18, 59), (22, 9, 1868, 19, 0), (22, 9, 1868, 18, 59),
         (22, 9, 2012, 18, 59), (22, 9, 2012, 19, 0), (29, 2, 1900, 12, 0), (15, 3, 2000, 20, 30),
         (1, 1, 2000, 0, 0), (28, 2, 2099, 23, 59)]


# Installed before the page's scripts run: every function of the core's WebAssembly module throws,
# as a fault inside the core would, once window.failCore is set.
FAILING_CORE = """
(() => {
  const wrap = (result) => {
    const exports = {};
    for (const [name, f] of Object.entries(result.instance.exports)) {
      exports[name] = typeof f !== 'function' ? f : (...args) => {
        if (window.failCore) throw new WebAssembly.RuntimeError('unreachable');
        return f(...args);
      };
    }
    return { module: result.module, instance: { exports } };
  };
  for (const name of ['instantiate', 'instantiateStreaming']) {
    const real = WebAssembly[name];
    WebAssembly[name] = (...args) => real(...args).then(wrap);
  }
})();
"""


def spread_moments(count, seed=18):
    """The edges, then moments drawn evenly over the whole wide range, the rest of `count`."""
    first = datetime.datetime(1800, 9, 19, 19, 0)
    minutes = int((datetime.datetime(2099, 9, 21, 19, 0) - first).total_seconds() // 60)
    draw = random.Random(seed)
    moments = list(EDGES)
    while len(moments) < count:
        t = first + datetime.timedelta(minutes=draw.randrange(minutes))
        moment = (t.day, t.month, t.year, t.hour, t.minute)
        if moment not in moments:
            moments.append(moment)
    return moments


def cli_text(moment):
    return "{}.{}.{} {}:{}".format(*moment)


def address(moment):
    d, m, y, h, mi = moment
    return f"#{y:04}-{m:02}-{d:02}T{h:02}:{mi:02}"


class ReportTest(BrowserTest):
    def type_moment(self, values):
        """Each field selected and typed over with real keys, then Enter."""
        for name, value in zip(FIELDS, values):
            self.driver.find_element(By.ID, name).send_keys(
                Keys.CONTROL, "a", Keys.NULL, str(value) or Keys.DELETE)
        self.driver.find_element(By.ID, "minute").send_keys(Keys.ENTER)

    def enter_moment(self, values):
        """The fields' texts set at once (a blank inside one would move the focus on), then
        Enter."""
        self.driver.execute_script(
            "arguments[0].forEach((v, i) => { document.getElementById(arguments[1][i]).value = v; })",
            list(values), list(FIELDS))
        self.driver.find_element(By.ID, "minute").send_keys(Keys.ENTER)

    def assert_shows_now(self, report):
        """The present moment: "Ныне:" and the report, as krugolet-cli gives it without a moment
        (asked before and after, in case the minute turned)."""
        caption = self.driver.find_element(By.ID, "caption").text
        self.assertIn(f"{caption}\n{report}".encode(), (self.before, cli_report()))

    def test_report_equals_cli_for_moments_over_both_ranges(self):
        moments = spread_moments(200)
        self.open()
        reports = read_each(self.driver, [address(m) for m in moments[5:]],
                            "() => document.getElementById('report').textContent")
        # The first five typed into the fields and converted with Enter, as a user would.
        for moment in moments[:5]:
            self.type_moment(moment)
            WebDriverWait(self.driver, 5).until(lambda d: d.current_url.endswith(address(moment)))
            reports.insert(moments.index(moment), page_report(self.driver))
        for moment, report in zip(moments, reports):
            with self.subTest(moment=moment):
                self.assertEqual(report.encode(), cli_report(cli_text(moment)))

    def test_first_load_shows_the_report_of_now(self):
        self.before = cli_report()
        self.assert_shows_now(self.open())
        self.assertTrue(self.driver.find_element(By.ID, "old-date").text)

    def test_the_old_time_moves_on_with_the_clock(self):
        with self.clock_from(2000, 3, 15, 20, 30, 58, 500):
            first = self.open().encode()
            WebDriverWait(self.driver, 5).until(lambda d: page_report(d).encode() != first)
            self.assertEqual(first, cli_report("15.03.2000 20:30"))
            self.assertEqual(page_report(self.driver).encode(), cli_report("15.03.2000 20:31"))
            self.assertEqual(self.driver.find_element(By.ID, "minute").get_attribute("value"),
                             "31")

    def test_refused_input_names_the_field_and_keeps_the_last_report(self):
        cases = [
            (("32", "1", "2000", "12", "0"), "day", "День: целое число от 1 до 31."),
            (("", "1", "2000", "12", "0"), "day", "День: целое число от 1 до 31."),
            (("29", "2", "1901", "12", "0"), "day", "День: в феврале 1901 года только 28 дней."),
            (("31", "4", "1950", "12", "0"), "day", "День: в апреле 1950 года только 30 дней."),
            (("1", "13", "2000", "12", "0"), "month", "Месяц: целое число от 1 до 12."),
            (("1", "1", "1799", "12", "0"), "year", "Год: целое число от 1800 до 2099."),
            (("1", "1", "2000", "24", "0"), "hour", "Час: целое число от 0 до 23."),
            (("1", "1", "2000", "1 2", "0"), "hour", "Час: целое число от 0 до 23."),
            (("1", "1", "2000", "12ч", "0"), "hour", "Час: целое число от 0 до 23."),
            (("1", "1", "2000", "12", "60"), "minute", "Минута: целое число от 0 до 59."),
            (("19", "9", "1800", "18", "59"), "moment",
             "Дата и время: расчет ведется с 19.09.1800 19:00 до 21.09.2099 19:00."),
        ]
        good = self.open(address((15, 3, 2000, 20, 30)))
        url = self.driver.current_url
        for values, field, message in cases:
            with self.subTest(values=values):
                self.enter_moment(values)
                refusal = self.driver.find_element(By.ID, "refusal")
                self.assertEqual(refusal.text, f"Неправильные данные! {message}")
                marked = [f for f in FIELDS if self.driver.find_element(By.ID, f)
                          .get_attribute("aria-invalid") == "true"]
                self.assertEqual(marked, list(FIELDS) if field == "moment" else [field])
                self.assertEqual(page_report(self.driver), good)
                self.assertEqual(self.driver.current_url, url)

    def test_address_carries_the_moment_and_back_returns(self):
        self.before = cli_report()
        self.open()
        # Fields read as the window reads them: blanks around, leading zeros, hexadecimal. (Set,
        # not typed: a typed blank moves on to the next field.)
        self.enter_moment((" 7 ", "07", "2000", "0x0A", "5"))
        WebDriverWait(self.driver, 5).until(lambda d: d.current_url.endswith("#2000-07-07T10:05"))
        self.type_moment((15, 3, 2000, 20, 30))
        WebDriverWait(self.driver, 5).until(lambda d: d.current_url.endswith("#2000-03-15T20:30"))
        self.driver.back()
        WebDriverWait(self.driver, 5).until(
            lambda d: d.find_element(By.ID, "hour").get_attribute("value") == "10")
        self.assertTrue(self.driver.current_url.endswith("#2000-07-07T10:05"))
        self.assertEqual(page_report(self.driver).encode(), cli_report("7.7.2000 10:05"))
        self.driver.back()
        WebDriverWait(self.driver, 5).until(
            lambda d: d.find_element(By.ID, "caption").is_displayed())
        self.assert_shows_now(page_report(self.driver))

    def test_a_fault_of_the_core_after_the_start_is_said_on_the_page(self):
        script = self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                             {"source": FAILING_CORE})
        try:
            self.new_document()
            before = self.open("#2000-03-15T20:30")
            self.driver.execute_script("window.failCore = true")
            self.enter_moment((1, 1, 2000, 0, 0))
            failure = self.driver.find_element(By.ID, "core-failure")
            WebDriverWait(self.driver, 5).until(lambda d: failure.is_displayed())
            self.assertEqual(failure.text,
                             "Ошибка в ядре страницы: unreachable. Перезагрузите страницу.")
            # Not the form's refusal: nothing typed is wrong, and the last report stays.
            self.assertFalse(self.driver.find_element(By.ID, "refusal").is_displayed())
            self.assertEqual(page_report(self.driver), before)
            # The console keeps the whole fault; it is the expected one, not an error of the test.
            errors = [e for e in self.driver.get_log("browser") if e["level"] == "SEVERE"]
            self.assertTrue(errors and all("unreachable" in e["message"] for e in errors), errors)
        finally:
            self.driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", script)

    def test_the_page_names_the_range_krugolet_cli_names(self):
        """The range as krugolet-cli --help names it (--extended's line) is the one the page's
        heading, description, help and calendar pickers give."""
        line = re.search(r"--extended +с (\S+ \S+) до (\S+ \S+) \(не включая\)",
                         cli("--help").stdout.decode()).groups()
        first, end = (datetime.datetime.strptime(t, "%d.%m.%Y %H:%M") for t in line)
        last = end - datetime.timedelta(minutes=1)
        years = f"с {first.year} по {last.year} год"
        self.open()
        self.assertIn(years, self.driver.find_element(By.CSS_SELECTOR, ".masthead .span").text)
        self.assertIn(years, self.driver.find_element(
            By.CSS_SELECTOR, 'meta[name="description"]').get_attribute("content"))
        pickers = self.driver.find_elements(By.CSS_SELECTOR, 'input[type="datetime-local"]')
        self.assertEqual(len(pickers), 3)
        for picker in pickers:
            self.assertEqual((picker.get_attribute("min"), picker.get_attribute("max")),
                             (first.strftime("%Y-%m-%dT%H:%M"), last.strftime("%Y-%m-%dT%H:%M")))
        self.driver.get(self.server.url + "#help")
        text = self.driver.find_element(By.ID, "range-text")
        WebDriverWait(self.driver, 5).until(lambda d: text.text)
        self.assertEqual(text.text, f"с {line[0]} до {line[1]}")
