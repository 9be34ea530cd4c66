"""krugolet-cli --ics read back by Python's icalendar library and by khal: each event must be the
holiday that --holidays --json lists for the year, at its start and end in floating local time."""
import datetime
import json
import os
import pathlib
import subprocess
import tempfile
import unittest

import icalendar

CLI = os.environ["KRUGOLET_CLI"]
LIBRARY = os.environ["KRUGOLET_LIBRARY"]

# Both ends of the range, the year with the calendar's 29 February, and two whole years.
YEARS = (1800, 1900, 2027, 2028, 2099)


def cli(*args, library=LIBRARY):
    return subprocess.run([CLI, "--library", library, *args], check=True,
                          capture_output=True).stdout


def holidays(year, library=LIBRARY):
    return json.loads(cli("--holidays", str(year), "--json", library=library))


def moment(text):
    # The calendar's 29.02.1900 is 1 March to calendar programs, whose 1900 has no 29 February.
    return datetime.datetime.strptime(text.replace("1900-02-29", "1900-03-01"),
                                      "%Y-%m-%dT%H:%M")


class IcalendarLibrary(unittest.TestCase):
    def test_every_holiday_is_one_event_at_its_times(self):
        for year in YEARS:
            with self.subTest(year=year):
                data = cli("--ics", str(year))
                self.assertEqual(data, cli("--ics", str(year)))
                lines = data.split(b"\r\n")
                self.assertEqual(lines.pop(), b"")
                for line in lines:  # folded within 75 octets, never inside a character
                    self.assertLessEqual(len(line), 75, line)
                    self.assertNotIn("\n", line.decode("utf-8"))

                calendar = icalendar.Calendar.from_ical(data)
                self.assertEqual(calendar["VERSION"], "2.0")
                self.assertRegex(str(calendar["PRODID"]), r"Krugolet \d+\.\d+\.\d+")
                events = calendar.walk("VEVENT")
                expected = holidays(year)
                self.assertEqual([str(e["SUMMARY"]) for e in events],
                                 [h["name"] for h in expected])
                self.assertEqual([e.decoded("DTSTART") for e in events],
                                 [moment(h["start"]) for h in expected])
                self.assertEqual([e.decoded("DTEND") for e in events],
                                 [moment(h["end"]) for h in expected])
                self.assertEqual(len({str(e["UID"]) for e in events}), len(events))
                for event, holiday in zip(events, expected):
                    self.assertTrue(str(event["DESCRIPTION"]).startswith(
                        f"{holiday['day']} {holiday['month_name']} "
                        f"{holiday['year_from_creation']} лета\nДень недели: "))


class ControlCharacters(unittest.TestCase):
    """A library's holiday name with control characters in it, which a reader that splits lines
    at any of them would take for lines of their own."""

    NAME = ("Свой\\rEND:VEVENT\\rBEGIN:VEVENT\\r\\nSUMMARY:Лишний\tпраздник\x01\x0b\x0c\x1c\x7f"
            "\\nконец")

    def test_every_holiday_stays_one_event_with_its_name_on_one_line(self):
        with tempfile.TemporaryDirectory() as folder:
            library = pathlib.Path(folder) / "библиотека.txt"
            row = f'праздник("Рамхат", 2, "{self.NAME}")\n'.encode("cp1251")
            library.write_bytes(pathlib.Path(LIBRARY).read_bytes() + row)
            expected = holidays(2027, str(library))
            data = cli("--ics", "2027", library=str(library))
        self.assertTrue(any(h["name"].startswith("Свой\rEND:VEVENT") for h in expected))
        for line in data.split(b"\r\n"):
            self.assertFalse(any(b < 0x20 or b == 0x7F for b in line), line)
        events = icalendar.Calendar.from_ical(data).walk("VEVENT")
        self.assertEqual(len(events), len(expected))
        self.assertIn("Свой\nEND:VEVENT\nBEGIN:VEVENT\nSUMMARY:Лишний праздник\nконец",
                      [str(e["SUMMARY"]) for e in events])


class Khal(unittest.TestCase):
    """Imports a year into a throwaway calendar, twice, under a home of its own."""

    YEAR = 2027

    def setUp(self):
        self.home = tempfile.TemporaryDirectory()
        home = pathlib.Path(self.home.name)
        (home / "calendar").mkdir()
        self.config = home / "config"
        self.config.write_text(f"""[calendars]
[[krugolet]]
path = {home / "calendar"}
type = calendar
[locale]
timeformat = %H:%M
dateformat = %Y-%m-%d
longdateformat = %Y-%m-%d
datetimeformat = %Y-%m-%d %H:%M
longdatetimeformat = %Y-%m-%d %H:%M
local_timezone = Europe/Moscow
default_timezone = Europe/Moscow
[sqlite]
path = {home / "khal.db"}
""", encoding="utf-8")
        self.env = dict(os.environ, HOME=str(home), XDG_CONFIG_HOME=str(home),
                        XDG_DATA_HOME=str(home), XDG_CACHE_HOME=str(home), LC_ALL="C.UTF-8")
        self.ics = home / "holidays.ics"
        self.ics.write_bytes(cli("--ics", str(self.YEAR)))

    def tearDown(self):
        self.home.cleanup()

    def khal(self, *args):
        return subprocess.run(["khal", "-c", str(self.config), *args], env=self.env, check=True,
                              capture_output=True, text=True).stdout

    def test_import_twice_keeps_one_event_per_holiday_on_its_days(self):
        for _ in range(2):
            self.khal("import", "--batch", "-a", "krugolet", str(self.ics))
        expected = holidays(self.YEAR)
        stored = list((pathlib.Path(self.home.name) / "calendar").iterdir())
        self.assertEqual(len(stored), len(expected))

        listed = {}
        day = None
        for line in self.khal("list", "--day-format", "DAY {date}", "--format",
                              "{start} {end} {title}", f"{self.YEAR}-01-01",
                              f"{self.YEAR + 1}-01-02").splitlines():
            if line.startswith("DAY "):
                day = line[4:]
            elif line:
                listed.setdefault(line, set()).add(day)
        # An event from 19:00 to 19:00 shows on the day it begins and on the day it ends.
        self.assertEqual(listed, {
            f"{h['start'].replace('T', ' ')} {h['end'].replace('T', ' ')} {h['name']}":
                {h["start"][:10], h["end"][:10]}
            for h in expected})


if __name__ == "__main__":
    unittest.main()
