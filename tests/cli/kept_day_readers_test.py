"""krugolet-cli --birthday in its three forms: the lines of the text, the JSON and the calendar
file give the same returns; the file read by Python's icalendar library and imported twice by khal
shows each return once, from the evening it begins to the one it ends."""
import datetime
import json
import os
import re
import subprocess
import unittest

import icalendar
from khal_home import KhalHome

CLI = os.environ["KRUGOLET_CLI"]
LIBRARY = os.environ["KRUGOLET_LIBRARY"]

# (moment, name, kind, first year, years): an ordinary day with a holiday on it; the 41st of an
# even month in the sacred year 7536, kept on the 40th in the years after; the calendar's own
# 29 February 1900, the 41st of the sacred 7408; the first moment of the range; a name with the
# characters a calendar file escapes.
BIRTHS = (
    ("15.03.2000 20:30", "Мирослава", "рождение", 7534, 10),
    ("29.02.2028 20:00", "Иван, Мария; венчание", "годовщина", 7536, 18),
    ("29.02.1900 19:00", None, "память", 7408, 3),
    ("19.09.1800 19:00", "Первый\\день", None, 7309, 2),
)

TITLES = {"рождение": "день рождения", "годовщина": "годовщина", "память": "день памяти"}

LINE = re.compile(
    r"Лето (?P<year>\d+), (?:(?P<age>\d+) (?:лето|лета|лет)|сам день): (?P<day>\d+) (?P<month>\S+)а, "
    r"(?P<weekday>\S+), с (?P<start>\S+ \S+) до (?P<end>\S+ \S+)"
    r"(?:; праздник: (?P<holiday>.+?))?"
    r"(?:; (?P<moved>\d+) (?P=month)а в это лето нет, день отмечается (?P=day) (?P=month)а)?$")


def cli(*args):
    return subprocess.run([CLI, "--library", LIBRARY, *args], check=True,
                          capture_output=True).stdout


def arguments(moment, name, kind, first, years):
    args = ["--birthday", moment, "--from", str(first), "--years", str(years)]
    if name is not None:
        args += ["--name", name]
    if kind is not None:
        args += ["--kind", kind]
    return args


def cli_time(moment):
    """"19:00 13.03.2026" as the JSON writes it, "2026-03-13T19:00"."""
    time, date = moment.split()
    day, month, year = date.split(".")
    return f"{year}-{month}-{day}T{time}"


def calendar_moment(text):
    # The calendar's 29.02.1900 is 1 March to calendar programs, whose 1900 has no 29 February.
    return datetime.datetime.strptime(text.replace("1900-02-29", "1900-03-01"),
                                      "%Y-%m-%dT%H:%M")


def title(name, kind):
    words = TITLES[kind or "рождение"]
    return f"{name} — {words} по Круголету" if name else f"{words.capitalize()} по Круголету"


class ThreeForms(unittest.TestCase):
    def test_text_json_and_calendar_file_give_the_same_returns(self):
        for birth in BIRTHS:
            with self.subTest(birth=birth):
                moment, name, kind, first, years = birth
                args = arguments(*birth)
                kept = json.loads(cli("--json", *args))
                returns = kept["returns"]
                self.assertEqual(kept["name"], name)
                self.assertEqual([r["year_from_creation"] for r in returns],
                                 list(range(first, first + years)))

                text = cli(*args).decode().splitlines()
                self.assertEqual(text[0], title(name, kind))
                birth_day = kept["birth"]
                self.assertTrue(text[1].startswith(
                    f"{moment} — {birth_day['day']} {birth_day['month_name']}а "
                    f"{birth_day['year_from_creation']} лета, "), text[1])
                self.assertEqual(text[2], "")
                lines = [LINE.fullmatch(line) for line in text[3:]]
                self.assertNotIn(None, lines, text)
                self.assertEqual([{
                    "year_from_creation": int(m["year"]), "age": int(m["age"] or 0),
                    "day": int(m["day"]), "month_name": m["month"], "weekday": m["weekday"],
                    "start": cli_time(m["start"]), "end": cli_time(m["end"]),
                    "holiday": m["holiday"], "moved_from": m["moved"] and int(m["moved"]),
                } for m in lines], [{key: r[key] for key in (
                    "year_from_creation", "age", "day", "month_name", "weekday", "start", "end",
                    "holiday", "moved_from")} for r in returns])

                data = cli("--ics", *args)
                for line in data.split(b"\r\n")[:-1]:
                    self.assertLessEqual(len(line), 75, line)
                events = icalendar.Calendar.from_ical(data).walk("VEVENT")
                self.assertEqual(len(events), len(returns))
                self.assertEqual(len({str(e["UID"]) for e in events}), len(events))
                for event, r in zip(events, returns):
                    self.assertEqual(str(event["SUMMARY"]), title(name, kind))
                    self.assertEqual(event.decoded("DTSTART"), calendar_moment(r["start"]))
                    self.assertEqual(event.decoded("DTEND"), calendar_moment(r["end"]))
                    description = str(event["DESCRIPTION"]).split("\n")
                    self.assertEqual(description[0], f"{r['day']} {r['month_name']}а "
                                                     f"{r['year_from_creation']} лета, {r['weekday']}")
                    self.assertEqual(any("в это лето нет" in d for d in description),
                                     r["moved_from"] is not None)
                    self.assertEqual(description[-1] == f"Праздник: {r['holiday']}",
                                     r["holiday"] is not None)

    def test_uids_stay_for_the_same_old_day_name_and_year_and_change_with_the_name(self):
        def uids(*args):
            calendar = icalendar.Calendar.from_ical(cli("--ics", *args))
            return [str(e["UID"]) for e in calendar.walk("VEVENT")]

        same = uids("--birthday", "15.03.2000 20:30", "--from", "7534", "--name", "Мирослава")
        # Later the same old day, which began at 19:00, and another kind: the same events.
        self.assertEqual(uids("--birthday", "16.03.2000 18:00", "--from", "7534", "--name",
                              "Мирослава", "--kind", "годовщина"), same)
        self.assertEqual(uids("--birthday", "15.03.2000 20:30", "--from", "7536", "--years", "8",
                              "--name", "Мирослава"), same[2:])
        other = uids("--birthday", "15.03.2000 20:30", "--from", "7534", "--name", "Мирослав")
        self.assertFalse(set(other) & set(same))


class Khal(unittest.TestCase):
    BIRTH = ("29.02.2028 20:00", "Иван, Мария", "годовщина", 7536, 18)

    def test_import_twice_keeps_one_event_per_return_on_its_evenings(self):
        home = KhalHome()
        self.addCleanup(home.close)
        for _ in range(2):
            home.import_file(cli("--ics", *arguments(*self.BIRTH)))
        returns = json.loads(cli("--json", *arguments(*self.BIRTH)))["returns"]
        self.assertEqual(home.stored(), len(returns))
        after = datetime.date.fromisoformat(returns[-1]["end"][:10]) + datetime.timedelta(days=1)
        # An event from 19:00 to 19:00 shows on the day it begins and on the day it ends.
        self.assertEqual(home.listed(returns[0]["start"][:10], after.isoformat()), {
            f"{r['start'].replace('T', ' ')} {r['end'].replace('T', ' ')} "
            f"{title(self.BIRTH[1], self.BIRTH[2])}": {r["start"][:10], r["end"][:10]}
            for r in returns})


if __name__ == "__main__":
    unittest.main()
