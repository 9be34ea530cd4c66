"""The checks that data/generate.py runs before it writes the library: each refuses its fault."""
import copy
import pathlib
import sys
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "data"))

from texts import checks, halls, quarters, years  # noqa: E402

FAULTY_TEXTS = (
    ("По традиции это лето доброе. Как считается, оно щедрое.", "hedges"),
    ("Стихия лета — Земля, и цвет его чёрный.", "pronoun"),
    ("Над летом стоит Луна, и его цвет фиолетовый.", "pronoun"),
    ("Стихия лета — Огонь, цвет её алый.", "pronoun"),
    ("Им завершается Круг Жизни, после которого счёт лет начинается заново.", "count of years"),
    ("Лето под знаком ✓.", "undefined"),
    ("Лето\tпод знаком.", "tab"),
)
SOUND_TEXTS = (
    "По традиции это лето доброе.",
    "Стихия лета — Земля, и цвет её чёрный.",
    "В красном свете Звезды его рыжая шкура горит ярче.",
    "Счёт лет от Сотворения Мира не начинается заново.",
)


def broken(change):
    characteristics = copy.deepcopy(years.CHARACTERISTICS)
    change(characteristics)
    return characteristics


FAULTY_YEARS = (
    (lambda c: c.__setitem__(5, (c[5][0][:2], c[5][1][:1])), "3 sentences"),
    (lambda c: c.__setitem__(5, (c[5][0][:1], (c[5][1] + c[6][1] + c[7][1])[:3])),
     "3 sentences in the second paragraph"),
    (lambda c: c.__setitem__(5, (c[6][0][:2] + c[5][0][:1], c[5][1][:1])), "only 2 sentences"),
    (lambda c: [c.__setitem__(p, (c[4][0][:1] + c[p][0][1:], c[p][1])) for p in (5, 6)],
     "more than two years"),
    (lambda c: c.__setitem__(5, ((c[5][0][0] + " " + c[5][0][1],) + c[5][0][2:], c[5][1])),
     "not one sentence"),
)


class check_text(unittest.TestCase):
    def test_refuses_each_fault_and_passes_the_sound_forms(self):
        for text, fault in FAULTY_TEXTS:
            with self.subTest(text=text):
                self.assertRaisesRegex(checks.TextError, fault, checks.check_text, "", text)
        for text in SOUND_TEXTS:
            checks.check_text("", text)


class check_characteristics(unittest.TestCase):
    def test_refuses_each_fault_in_texts_that_pass_as_shipped(self):
        checks.check_characteristics(years.CHARACTERISTICS)
        for change, fault in FAULTY_YEARS:
            with self.subTest(fault=fault):
                self.assertRaisesRegex(checks.TextError, fault, checks.check_characteristics,
                                       broken(change))


class check_quarter(unittest.TestCase):
    def test_refuses_a_quarter_that_hides_the_day_its_hall_changes(self):
        text = quarters.QUARTERS["Рамхат"][3]
        halls.check_quarter("Рамхат", 3, text)
        hidden = text.replace("по 21 Рамхата длится Чертог Вепря, а с 22 Рамхата начинается",
                              "сменяются Чертог Вепря и")
        self.assertRaisesRegex(checks.TextError, "changes on 22", halls.check_quarter, "Рамхат", 3,
                               hidden)


if __name__ == "__main__":
    unittest.main()
