"""Names and characteristics of the 144 years of the Circle of Life (tables название_лета, лето).

Year p of the Circle of Life takes its name from the Circle of Years of sixteen names and its
element from the circle of nine elements; both advance every year, and since 16 and 9 are
coprime each name meets each element exactly once in 144 years. Year 1 (begun in the autumn of
1868, лето 7377 from the Creation of the World in the Star Temple) is the Лунный Странник.

Each characteristic is written for its own year (years_1_to_48.py and the two files after it)
as two paragraphs of sentences: what the year is, then what it gives the one born in it.

    cd data && python3 -m texts.years 1 5 112   print those years as the report shows them
"""
import sys

from .checks import check_characteristics
from .year_names import NAMES, element_of
from .years_1_to_48 import CHARACTERISTICS as YEARS_1_TO_48
from .years_49_to_96 import CHARACTERISTICS as YEARS_49_TO_96
from .years_97_to_144 import CHARACTERISTICS as YEARS_97_TO_144

YEARS = range(1, 145)
GENDERS = {"m": 0, "f": 1, "pl": 2}


def name_of(p):
    return NAMES[(p - 1) % 16]


def full_name(p):
    name, image, gender = name_of(p)
    _, adjectives, colours = element_of(p)
    g = GENDERS[gender]
    words = [adjectives[g]]
    if colours:
        words.append(f"({colours[g]})")
    words.append(name)
    if image:
        words.append(f"({image})")
    return " ".join(words)


CHARACTERISTICS = {**YEARS_1_TO_48, **YEARS_49_TO_96, **YEARS_97_TO_144}


def characteristic(p):
    """The year's text as the report shows it: the year itself, then what it gives, each a line."""
    return "\n".join(" ".join(paragraph) for paragraph in CHARACTERISTICS[p])


def autumn_to_year(y):
    """Year of the Circle of Life that begins in September of Gregorian year y (the program's count)."""
    return (y - 1868) % 144 + 1


def first_day_of_ramhat(year_of_circle_of_years):
    """September day on which a year begins: 22, 21, 20 or 19 for years 1-4, 5-8, 9-12, 13-16
    of its Circle of Years."""
    return 22 - (year_of_circle_of_years - 1) // 4


def check_calendar():
    """The 144-year rule against the dated examples that the tradition gives."""
    pairs = {(name_of(p)[0], element_of(p)[0]) for p in YEARS}
    assert len(pairs) == 144, "every name must meet every element once"
    assert all(name_of(p)[0] == "Храм" for p in range(16, 145, 16))

    # лето from the Creation = autumn year + 5509; the 53rd Circle of Life runs from лето 7377.
    for y in range(1868, 2012):
        assert autumn_to_year(y) == y + 5509 - 7376
    assert autumn_to_year(1868) == 1 and autumn_to_year(2011) == 144 and autumn_to_year(2012) == 1
    assert autumn_to_year(1999) == 132, "15.03.2000 lies in year 132"

    assert full_name(autumn_to_year(2016)) == "Огненный (Алый) Свиток (Хартия)", "лето 7525 = 2016/17"
    star_temple = autumn_to_year(0 - 5509)  # the year before лето 1 from the Creation
    assert star_temple == 112 and full_name(star_temple) == "Звёздный (Красный) Храм"
    assert full_name(autumn_to_year(1996)) == "Чёрный Странник (Путь)"
    assert full_name(autumn_to_year(2000)) == "Древесный (Зелёный) Свиток (Хартия)"
    assert full_name(autumn_to_year(2011)) == "Океанский (Синий) Храм"
    first = "Лунный (Фиолетовый) Странник (Путь)"
    assert full_name(autumn_to_year(1868)) == full_name(autumn_to_year(2012)) == first

    seventh = autumn_to_year(2018)  # лето 7527 began on 21.09.2018
    assert 7527 - 7520 == seventh == 7 and first_day_of_ramhat((seventh - 1) % 16 + 1) == 21


def check_names(names):
    assert len(set(names)) == 144
    for name in names:
        assert name.endswith("\n") and name.count("\n") == 1, name
        name.encode("cp1251")


def rows():
    check_calendar()
    check_characteristics(CHARACTERISTICS)
    names = [full_name(p) + "\n" for p in YEARS]
    check_names(names)
    texts = [characteristic(p) for p in YEARS]
    return ([("название_лета", (p,), names[p - 1]) for p in YEARS] +
            [("лето", (p,), texts[p - 1]) for p in YEARS])


if __name__ == "__main__":
    rows()
    for arg in sys.argv[1:]:
        p = int(arg)
        print(f"Лето в Круге Жизни: {p} \nЛето в Круге Лет: {(p - 1) % 16 + 1} \n{full_name(p)}\nМесяц: …\n")
        print(f"     Характеристика Лета:\n{characteristic(p)} \n")
