"""Kept days in the page: a moment's returns are krugolet-cli --birthday's; the person's list is
added to by keyboard, survives reloads and going offline, goes to a file and comes back from it
without doubles; a file that is no such list is refused and the list stays as it was; a storage
that refuses the list says so; the list's calendar file holds the events of --birthday --ics."""

import datetime
import json
import pathlib
import random
import tempfile
import time

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from browser import BrowserTest, cli, cli_json, read_each
from test_month import span

# The page's clock: 20:00 on 13.03.2026, in the old day 14 Дайлета 7534, which began at 19:00.
NOW = (2026, 3, 13, 20, 0)

# A moment's kept day as the view shows it.
READ_KEPT_DAY = """() => {
  const view = document.getElementById('kept-day');
  const text = (li, selector) => li.querySelector(selector)?.textContent ?? null;
  return {
    refusal: view.querySelector('.refusal').hidden ? null : view.querySelector('.refusal').textContent,
    title: view.querySelector('h2').textContent,
    heading: view.querySelector('.view-span').textContent,
    returns: [...view.querySelectorAll('.returns li')].map((li) => ({
      year: text(li, '.year'), age: text(li, '.age'), day: text(li, '.day'),
      until: text(li, '.until'), span: text(li, '.span'), holiday: text(li, '.holiday'),
      moved: text(li, '.moved'),
    })),
  };
}"""

# The list as the DOM shows it: each entry's title and the first line under it.
READ_LIST = """
return [...document.querySelectorAll('#kept-days .kept-entry')].map((li) =>
  [li.querySelector('h3').textContent, li.querySelector('.birth').textContent,
   li.querySelector('.next').textContent]);
"""

STORED = "return localStorage.getItem('krugolet.kept-days')"

# Hands the file input a file of the given text (or of `size` bytes of it), as a picked file.
PICK_FILE = """
const [text, size] = arguments;
const input = document.querySelector('#kept-days input[type="file"]');
const transfer = new DataTransfer();
transfer.items.add(new File([size ? text.repeat(Math.ceil(size / text.length)).slice(0, size) : text],
  'list.json', { type: 'application/json' }));
input.files = transfer.files;
input.dispatchEvent(new Event('change'));
"""


def years_text(n):
    if n == 0:
        return "сам день"
    tens, units = n % 100, n % 10
    word = ("лет" if 11 <= tens <= 14 else "лето" if units == 1
            else "лета" if 2 <= units <= 4 else "лет")
    return f"{n} {word}"


def days_until(start, now=NOW):
    """Old days from the one the clock is in to the one the return begins on."""
    today = datetime.date(*now[:3]) - datetime.timedelta(days=now[3] < 19)
    days = (datetime.date.fromisoformat(start[:10]) - today).days
    if days == 0:
        return "сегодня"
    word = ("дней" if 11 <= days % 100 <= 14 else "день" if days % 10 == 1
            else "дня" if 2 <= days % 10 <= 4 else "дней")
    return f"через {days} {word}"


def random_moments(count):
    """Moments drawn over the whole range when the test runs; the seed is in every failure."""
    seed = random.randrange(1 << 30)
    draw = random.Random(seed)
    first = datetime.datetime(1800, 9, 19, 19, 0)
    minutes = int((datetime.datetime(2099, 9, 21, 19, 0) - first).total_seconds() // 60)
    return seed, [first + datetime.timedelta(minutes=draw.randrange(minutes))
                  for _ in range(count)]


def wait_for_file(folder, name):
    file = pathlib.Path(folder) / name
    deadline = time.monotonic() + 10
    while not file.exists() and time.monotonic() < deadline:
        time.sleep(0.1)
    time.sleep(0.2)
    return file.read_bytes()


def events(data):
    """The VEVENT blocks of a calendar file, as text."""
    text = data.decode()
    return [block.split("END:VEVENT")[0] for block in text.split("BEGIN:VEVENT")[1:]]


class KeptDayTest(BrowserTest):
    def test_a_moments_returns_equal_cli_for_moments_drawn_at_random(self):
        seed, moments = random_moments(20)
        with self.clock_from(*NOW):
            self.open_view("#birthday/2000-03-15T20:30", "kept-day")
            pages = read_each(self.driver, [f"#birthday/{m:%Y-%m-%dT%H:%M}" for m in moments],
                              READ_KEPT_DAY)
        for moment, page in zip(moments, pages):
            with self.subTest(moment=f"{moment:%d.%m.%Y %H:%M}", seed=seed):
                typed = f"{moment:%d.%m.%Y %H:%M}"
                self.assertIsNone(page["refusal"])
                first = page["returns"][0]["year"].removeprefix("Лето ")
                kept = cli_json("--birthday", typed, "--from", first, "--years",
                                str(len(page["returns"])))
                birth, returns = kept["birth"], kept["returns"]
                self.assertEqual(page["title"], f"{birth['day']} {birth['month_name']}а "
                                                f"{birth['year_from_creation']} лета")
                text = cli("--birthday", typed, "--from", first, "--years", "1").stdout.decode()
                self.assertEqual(page["heading"], text.split("\n")[1])
                # The first return shown is the first that has not ended by the page's clock,
                # and ten follow unless the range ends before.
                now = "{:04}-{:02}-{:02}T{:02}:{:02}".format(*NOW)
                self.assertGreater(returns[0]["end"], now)
                if returns[0]["year_from_creation"] > birth["year_from_creation"]:
                    earlier = cli_json("--birthday", typed, "--from", str(int(first) - 1),
                                       "--years", "1")["returns"][0]
                    self.assertLessEqual(earlier["end"], now)
                self.assertEqual(len(returns), min(10, 7607 - int(first) + 1))
                self.assertEqual(page["returns"], [{
                    "year": f"Лето {r['year_from_creation']}",
                    "age": years_text(r["age"]),
                    "day": f"{r['day']} {r['month_name']}а, {r['weekday']}",
                    "until": days_until(r["start"]),
                    "span": span(r["start"], r["end"]),
                    "holiday": r["holiday"] and f"Праздник: {r['holiday']}",
                    "moved": r["moved_from"] and (
                        f"{r['moved_from']} {r['month_name']}а в это лето нет, день "
                        f"отмечается {r['day']} {r['month_name']}а"),
                } for r in returns])

    def test_the_41st_of_an_even_month_is_kept_on_the_40th_and_says_so(self):
        with self.clock_from(*NOW):
            self.open_view("#birthday/2028-02-29T20:00", "kept-day")
            page = self.driver.execute_script(f"return ({READ_KEPT_DAY})()")
        self.assertEqual(page["title"], "41 Гэйлета 7536 лета")
        self.assertEqual([r["day"].split(",")[0] for r in page["returns"]],
                         ["41 Гэйлета"] + ["40 Гэйлета"] * 9)
        self.assertEqual([r["moved"] for r in page["returns"]],
                         [None] + ["41 Гэйлета в это лето нет, день отмечается 40 Гэйлета"] * 9)

    def test_a_day_whose_last_return_has_passed_says_where_the_range_ends(self):
        with self.clock_from(2099, 9, 10, 12, 0):
            self.open_view("#birthday/2098-09-25T12:00", "kept-day")
            self.assertEqual(self.driver.find_elements(By.CSS_SELECTOR, "#kept-day .returns li"), [])
            self.assertEqual(self.driver.find_element(By.CSS_SELECTOR, "#kept-day .no-returns").text,
                             "Возвращений в промежутке (до 7607 лета) больше нет.")

    def test_a_report_and_a_kept_day_lead_to_the_list_with_their_moment(self):
        self.open("#2000-03-15T20:30")
        self.driver.find_element(By.LINK_TEXT, "Запомнить как памятный день").click()
        WebDriverWait(self.driver, 5).until(lambda d: d.current_url.endswith("#dates/2000-03-15T20:30"))
        field = self.driver.find_element(By.CSS_SELECTOR, "#kept-days input[name='moment']")
        self.assertEqual(field.get_attribute("value"), "15.03.2000 20:30")
        self.assertEqual(self.driver.switch_to.active_element.get_attribute("name"), "name")
        self.open_view("#birthday/1999-01-01T00:00", "kept-day")
        self.driver.find_element(By.CSS_SELECTOR, "#kept-day [data-keep]").click()
        WebDriverWait(self.driver, 5).until(lambda d: d.current_url.endswith("#dates/1999-01-01T00:00"))
        self.assertEqual(field.get_attribute("value"), "01.01.1999 00:00")


class KeptDaysListTest(BrowserTest):
    def setUp(self):
        self.driver.get(self.server.url)
        self.driver.execute_script("localStorage.clear()")

    def open_list(self):
        """The list in a new document, which reads the browser's storage afresh."""
        self.new_document()
        self.open_view("#dates", "kept-days")

    def add_by_keyboard(self, name, kind_steps, moment):
        """Into the name field, Tab, the kind chosen by arrow keys, Tab, the moment, Enter."""
        field = self.driver.find_element(By.CSS_SELECTOR, "#kept-days input[name='name']")
        field.click()
        keys = [name, Keys.TAB] + [Keys.ARROW_DOWN] * kind_steps + [Keys.TAB, moment, Keys.ENTER]
        self.driver.switch_to.active_element.send_keys(*keys[:2])
        for key in keys[2:]:
            self.driver.switch_to.active_element.send_keys(key)

    def set_list(self, entries):
        self.driver.execute_script(
            "localStorage.setItem('krugolet.kept-days', arguments[0])",
            json.dumps({"format": "krugolet-kept-days", "version": 1, "entries": entries}))

    def test_two_entries_added_by_keyboard_show_their_next_returns_and_survive_a_reload(self):
        with self.clock_from(*NOW):
            self.open_list()
            self.add_by_keyboard("Мирослава", 0, "15.03.2000 20:30")
            WebDriverWait(self.driver, 5).until(lambda d: len(d.execute_script(READ_LIST)) == 1)
            self.add_by_keyboard("Иван и Мария", 1, "29.02.2028 20:00")
            WebDriverWait(self.driver, 5).until(lambda d: len(d.execute_script(READ_LIST)) == 2)
            listed = self.driver.execute_script(READ_LIST)
            # Sorted by the next return: 14 Дайлета 7534 is today, 41 Гэйлета 7536 two years on.
            self.assertEqual(listed, [
                ["Мирослава — день рождения", "15.03.2000 20:30 — 14 Дайлета 7508 лета",
                 "сегодня: 14 Дайлета 7534 лета, Седмица, 26 лет"],
                ["Иван и Мария — годовщина", "29.02.2028 20:00 — 41 Гэйлета 7536 лета",
                 listed[1][2]],
            ])
            kept = cli_json("--birthday", "29.02.2028 20:00", "--from", "7536", "--years", "1")
            r = kept["returns"][0]
            self.assertEqual(listed[1][2], f"{days_until(r['start'])}: 41 Гэйлета 7536 лета, "
                                           f"{r['weekday']}, сам день")
            self.driver.refresh()
            self.open_list()
            self.assertEqual(self.driver.execute_script(READ_LIST), listed)

    def test_a_device_clock_outside_the_range_is_blamed_not_the_day(self):
        clock = ("Часы устройства показывают время вне промежутка расчета (с 19.09.1800 19:00 до "
                 "21.09.2099 19:00): ближайшие возвращения не определить. Проверьте дату и время "
                 "на устройстве.")
        self.set_list([{"name": "Мирослава", "kind": "birthday", "moment": "2000-03-15T20:30"}])
        with self.clock_from(2100, 1, 1, 12, 0):
            self.open_list()
            self.assertEqual([row[2] for row in self.driver.execute_script(READ_LIST)], [clock])
            self.driver.find_element(By.CSS_SELECTOR, "#kept-days [data-ics]").click()
            self.assertEqual(self.driver.find_element(By.CSS_SELECTOR, "#kept-days .status").text,
                             "Файл для календаря не составлен. " + clock)
            self.open_view("#birthday/2000-03-15T20:30", "kept-day")
            self.assertEqual(self.driver.find_element(By.CSS_SELECTOR, "#kept-day .refusal").text,
                             clock)
            self.assertEqual(self.driver.find_elements(By.CSS_SELECTOR, "[aria-invalid]"), [])

    def test_export_clear_and_import_give_the_same_list_without_doubles(self):
        entries = [
            {"name": "Мирослава", "kind": "birthday", "moment": "2000-03-15T20:30"},
            {"name": "<b>Дед</b> & \"бабушка\"", "kind": "memorial", "moment": "1941-06-22T04:00"},
            {"name": "Свадьба" * 14, "kind": "anniversary", "moment": "2027-09-19T19:00"},
        ]
        self.set_list(entries)
        self.open_list()
        listed = self.driver.execute_script(READ_LIST)
        self.assertEqual(len(listed), 3)
        # Names are text, never markup.
        self.assertEqual(self.driver.find_elements(By.CSS_SELECTOR, "#kept-days .kept-list b"), [])
        with tempfile.TemporaryDirectory() as folder:
            self.driver.execute_cdp_cmd("Browser.setDownloadBehavior",
                                        {"behavior": "allow", "downloadPath": folder})
            self.driver.find_element(By.CSS_SELECTOR, "#kept-days [data-save]").click()
            saved = wait_for_file(folder, "памятные-дни.json").decode()
        self.assertEqual(json.loads(saved)["entries"], entries)

        remove = "//*[@id='kept-days']//button[.='Удалить']"
        while self.driver.find_elements(By.XPATH, remove):
            self.driver.find_element(By.XPATH, remove).click()
        self.assertEqual(self.driver.execute_script(READ_LIST), [])
        self.assertEqual(json.loads(self.driver.execute_script(STORED))["entries"], [])

        for _ in range(2):
            self.driver.execute_script(PICK_FILE, saved, 0)
            WebDriverWait(self.driver, 5).until(lambda d: len(d.execute_script(READ_LIST)) == 3)
        self.assertEqual(self.driver.execute_script(READ_LIST), listed)
        self.assertEqual(json.loads(self.driver.execute_script(STORED))["entries"], entries)
        self.assertIn("уже были в списке: 3",
                      self.driver.find_element(By.CSS_SELECTOR, "#kept-days .status").text)

    def test_files_that_are_no_such_list_are_refused_and_the_list_stays(self):
        self.set_list([{"name": "Мирослава", "kind": "birthday", "moment": "2000-03-15T20:30"}])
        self.open_list()
        listed = self.driver.execute_script(READ_LIST)
        stored = self.driver.execute_script(STORED)
        good = {"format": "krugolet-kept-days", "version": 1, "entries": [
            {"name": "Иван", "kind": "birthday", "moment": "2001-01-01T10:00"}]}
        refused = [
            ("{ не JSON", 0, "файл не читается как JSON"),
            (json.dumps({"entries": []}), 0,
             "Список не загружен: это не список памятных дней Круголета. Список остался прежним."),
            (json.dumps(dict(good, version=2)), 0,
             "в версии 2, а страница понимает только версию 1: обновите страницу."),
            (json.dumps({k: v for k, v in good.items() if k != "version"}), 0,
             "в файле не указана версия списка."),
            (json.dumps(dict(good, entries=good["entries"] + [
                {"name": "Пётр", "kind": "birthday", "moment": "2000-02-30T10:00"}])), 0,
             "запись 2 неправильная: такой даты в календаре нет."),
            (json.dumps(dict(good, entries=good["entries"] + [
                {"name": "Пётр", "kind": "birthday", "moment": "1700-03-01T10:00"}])), 0,
             "запись 2 неправильная: момент вне промежутка расчета (с 19.09.1800 19:00 до "
             "21.09.2099 19:00)."),
            (json.dumps(dict(good, entries=good["entries"] + [
                {"name": "Пётр", "kind": "birthday", "moment": "2000-03-01 10:00"}])), 0,
             "запись 2 неправильная: момент записан неправильно."),
            (json.dumps(good), 2 * 1024 * 1024, "файл больше 1 МБ — это не список памятных дней."),
        ]
        for text, size, message in refused:
            with self.subTest(message=message):
                self.driver.execute_script(PICK_FILE, text, size)
                status = self.driver.find_element(By.CSS_SELECTOR, "#kept-days .status")
                WebDriverWait(self.driver, 5).until(lambda d: message in status.text)
                self.assertEqual(status.get_attribute("role"), "alert")
                self.assertIn("Список остался прежним", status.text)
                self.assertEqual(self.driver.execute_script(READ_LIST), listed)
                self.assertEqual(self.driver.execute_script(STORED), stored)
        self.driver.execute_script(PICK_FILE, json.dumps(good), 0)
        WebDriverWait(self.driver, 5).until(lambda d: len(d.execute_script(READ_LIST)) == 2)

    def test_a_refused_name_or_moment_names_its_field(self):
        self.open_list()
        for name, moment, field, message in (
                ("", "15.03.2000 20:30", "name", "Имя не задано."),
                ("Я" * 101, "15.03.2000 20:30", "name", "Имя длиннее 100 знаков."),
                # A date and time of the right shape is refused for what is wrong with it.
                ("Мирослава", "31.04.2000 20:30", "moment",
                 "День: в апреле 2000 года только 30 дней."),
                ("Мирослава", "19.09.1800 18:59", "moment",
                 "Дата и время: расчет ведется с 19.09.1800 19:00 до 21.09.2099 19:00."),
                ("Мирослава", " ", "moment",
                 "Введите дату и время: ДД.ММ.ГГГГ ЧЧ:ММ, например 15.03.2000 20:30.")):
            with self.subTest(name=name, moment=moment):
                self.driver.execute_script(
                    "const f = document.querySelector('#kept-days form').elements;"
                    "f.name.value = arguments[0]; f.moment.value = arguments[1];", name, moment)
                self.driver.find_element(By.CSS_SELECTOR, "#kept-days [type='submit']").click()
                self.assertEqual(self.driver.find_element(By.ID, "kept-refusal").text, message)
                self.assertEqual(self.driver.find_element(
                    By.CSS_SELECTOR, f"#kept-days [name='{field}']").get_attribute("aria-invalid"),
                    "true")
        self.assertEqual(self.driver.execute_script(READ_LIST), [])

    def test_the_keyboard_reaches_every_control_of_the_list(self):
        self.set_list([{"name": "Мирослава", "kind": "birthday", "moment": "2000-03-15T20:30"}])
        self.open_list()
        self.driver.execute_script("document.querySelector('#kept-days input').focus()")
        order = []
        for _ in range(30):
            focused = self.driver.switch_to.active_element
            name = focused.get_attribute("name") or focused.text
            if not order or order[-1] != name:  # the picker has a stop for each of its parts
                order.append(name)
            if name == "Загрузить список":
                break
            focused.send_keys(Keys.TAB)
        self.assertEqual(order, ["name", "kind", "moment", "picker", "Запомнить",
                                 "Возвращения", "Изменить", "Удалить", "years",
                                 "Скачать для календаря (.ics)", "Сохранить список",
                                 "Загрузить список"])
        # Changed by keyboard: "Изменить", a new name, Enter.
        self.driver.find_element(By.XPATH, "//*[@id='kept-days']//button[.='Изменить']").send_keys(
            Keys.ENTER)
        self.driver.switch_to.active_element.send_keys(Keys.CONTROL, "a", Keys.NULL, "Мира",
                                                       Keys.ENTER)
        WebDriverWait(self.driver, 5).until(
            lambda d: d.execute_script(READ_LIST)[0][0] == "Мира — день рождения")
        self.assertEqual(len(self.driver.execute_script(READ_LIST)), 1)

    def test_a_storage_that_refuses_the_list_says_so_and_the_entry_stays_shown(self):
        script = self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": """
            Storage.prototype.setItem = function () {
              throw new DOMException('full', 'QuotaExceededError');
            };"""})
        try:
            self.new_document()
            self.open_list()
            self.add_by_keyboard("Мирослава", 0, "15.03.2000 20:30")
            status = self.driver.find_element(By.CSS_SELECTOR, "#kept-days .status")
            WebDriverWait(self.driver, 5).until(lambda d: "переполнено" in status.text)
            self.assertEqual(status.get_attribute("role"), "alert")
            self.assertEqual(len(self.driver.execute_script(READ_LIST)), 1)
        finally:
            self.driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", script)

    def test_the_calendar_file_holds_each_entrys_returns_as_cli_ics_does(self):
        entries = [
            {"name": "Мирослава", "kind": "birthday", "moment": "2000-03-15T20:30"},
            {"name": "Иван, Мария", "kind": "anniversary", "moment": "2028-02-29T20:00"},
        ]
        self.set_list(entries)
        with self.clock_from(*NOW), tempfile.TemporaryDirectory() as folder:
            self.open_view("#dates", "kept-days")
            self.driver.execute_cdp_cmd("Browser.setDownloadBehavior",
                                        {"behavior": "allow", "downloadPath": folder})
            years = self.driver.find_element(By.CSS_SELECTOR, "#kept-days input[name='years']")
            years.send_keys(Keys.CONTROL, "a", Keys.NULL, "3")
            self.driver.find_element(By.CSS_SELECTOR, "#kept-days [data-ics]").click()
            data = wait_for_file(folder, "памятные-дни.ics")
        expected = []
        for moment, name, kind, first in (("15.03.2000 20:30", "Мирослава", "рождение", "7534"),
                                          ("29.02.2028 20:00", "Иван, Мария", "годовщина", "7536")):
            expected += events(cli("--ics", "--birthday", moment, "--from", first, "--years", "3",
                                   "--name", name, "--kind", kind).stdout)
        self.assertEqual(events(data), expected)
        self.assertTrue(data.startswith(b"BEGIN:VCALENDAR\r\n"))
        self.assertTrue(data.endswith(b"END:VCALENDAR\r\n"))


class KeptDaysOfflineTest(BrowserTest):
    """The list kept in the browser is there after a reload with no network at all."""

    SITE_KEPT = """
    const done = arguments[arguments.length - 1];
    navigator.serviceWorker.ready.then(async () => {
      while (!navigator.serviceWorker.controller) await new Promise((r) => setTimeout(r, 50));
      done(true);
    });
    """

    def test_entries_added_by_keyboard_survive_an_offline_reload(self):
        self.open_view("#dates", "kept-days")
        self.driver.execute_async_script(self.SITE_KEPT)
        KeptDaysListTest.add_by_keyboard(self, "Мирослава", 0, "15.03.2000 20:30")
        KeptDaysListTest.add_by_keyboard(self, "Дед", 2, "22.06.1941 04:00")
        WebDriverWait(self.driver, 5).until(lambda d: len(d.execute_script(READ_LIST)) == 2)
        listed = self.driver.execute_script(READ_LIST)
        self.server.stop()
        self.driver.execute_cdp_cmd("Network.enable", {})
        self.driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
            "offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
        self.driver.refresh()
        self.open_view("#dates", "kept-days")
        self.assertEqual(self.driver.execute_script(READ_LIST), listed)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
