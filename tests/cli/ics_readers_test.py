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
from khal_home import KhalHome

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
                        f"{holiday['day']} {holiday['month_name']}а "
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
        self.home = KhalHome()

    def tearDown(self):
        self.home.close()

    def test_import_twice_keeps_one_event_per_holiday_on_its_days(self):
        for _ in range(2):
            self.home.import_file(cli("--ics", str(self.YEAR)))
        expected = holidays(self.YEAR)
        self.assertEqual(self.home.stored(), len(expected))
        # An event from 19:00 to 19:00 shows on the day it begins and on the day it ends.
        self.assertEqual(self.home.listed(f"{self.YEAR}-01-01", f"{self.YEAR + 1}-01-02"), {
            f"{h['start'].replace('T', ' ')} {h['end'].replace('T', ' ')} {h['name']}":
                {h["start"][:10], h["end"][:10]}
            for h in expected})


if __name__ == "__main__":
    unittest.main()
