"""Names and characteristics of the 144 years of the Circle of Life (tables название_лета, лето).

Year p of the Circle of Life takes its name from the Circle of Years of sixteen names and its
element from the circle of nine elements; both advance every year, and since 16 and 9 are
coprime each name meets each element exactly once in 144 years. Year 1 (begun in the autumn of
1868, лето 7377 from the Creation of the World in the Star Temple) is the Лунный Странник.

    cd data && python3 -m texts.years 1 5 112   print those years as the report shows them
"""
import re
import sys

from .years_phrases import (ANIMAL_SENTENCES, BORN_SENTENCES, COMBINATION_SENTENCES,
                            DEED_SENTENCES, ELEMENT_SENTENCES, ELEMENTS, IMAGE_SENTENCES, NAMES,
                            ORDINALS)

YEARS = range(1, 145)
GENDERS = {"m": 0, "f": 1, "pl": 2}


def name_of(p):
    return NAMES[(p - 1) % 16]


def element_of(p):
    # Year 3 of the Circle of Life is the first of the nine (Земля), so year 1 is the eighth (Луна).
    return ELEMENTS[(p - 3) % 9]


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


def position_sentence(p):
    """What the year's place in the Circle says: it opens or closes one of the nine Circles of Years."""
    circle = (p - 1) // 16
    if p == 1:
        return ("С этого лета начинается Круг Жизни из ста сорока четырёх лет и первый из девяти его "
                "Кругов Лет.")
    if p % 16 == 1:
        return f"Этим летом открывается {ORDINALS[circle]} из девяти Кругов Лет в Круге Жизни."
    if p == 144:
        return ("Это лето длится 369 дней, все девять месяцев в нём по 41 дню; им завершается девятый, "
                "последний Круг Лет, а с ним и весь Круг Жизни, после которого счёт лет начинается заново.")
    if p % 16 == 0:
        return (f"Это лето длится 369 дней, все девять месяцев в нём по 41 дню, и им завершается "
                f"{ORDINALS[circle]} Круг Лет.")
    return None


def characteristic(p):
    name = name_of(p)[0]
    element = element_of(p)[0]
    name_index = (p - 1) % 16
    element_index = [e[0] for e in ELEMENTS].index(element)
    circle = (p - 1) // 16          # how often the name came before: 0..8
    turn = (p - 1) // 9             # how often the element came before: 0..15

    def pick(variants, index):
        return variants[index % len(variants)]

    # Offsetting every choice by the name's or the element's place gives neighbouring years
    # different variants, so no run of years opens or closes the same way.
    element_sentence = pick(ELEMENT_SENTENCES[element], turn + element_index)
    deed = pick(DEED_SENTENCES[element], 3 * turn + element_index + 2)
    # The nine years of a name take image and birth sentences as the cells of a 3 x 3 square and
    # the animal along its diagonals, so two of them never share more than one of the three.
    image = pick(IMAGE_SENTENCES[name], circle % 3 + name_index)
    born = pick(BORN_SENTENCES[name], circle // 3 + name_index)
    animal = ([pick(ANIMAL_SENTENCES[name], circle % 3 + circle // 3 + name_index)]
              if name in ANIMAL_SENTENCES else [])
    combination = COMBINATION_SENTENCES[name][element_index]

    place = position_sentence(p)
    opening = [place] if place and name == "Странник" else []
    after_image = [place] if place and name == "Храм" else []

    layout = (2 * circle + name_index) % 3
    if layout == 0:
        story = [element_sentence, image, *after_image, combination, *animal]
        advice = [born, deed]
    elif layout == 1:
        story = [image, *after_image, *animal, element_sentence, combination]
        advice = [deed, born]
    else:
        story = [combination, element_sentence, image, *after_image, *animal]
        advice = [born]
    return " ".join(opening + story) + "\n" + " ".join(advice)


def autumn_to_year(y):
    """Year of the Circle of Life that begins in September of Gregorian year y (the program's count)."""
    return (y - 1868) % 144 + 1


def first_day_of_ramhat(year_of_circle_of_years):
    """September day on which a year begins: 22, 21, 20 or 19 for years 1-4, 5-8, 9-12, 13-16
    of its Circle of Years."""
    return 22 - (year_of_circle_of_years - 1) // 4


def sentences(text):
    return [s.strip() for s in re.findall(r"[^.!?]+[.!?]", text)]


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


def check_combinations():
    """Each combination sentence names its own element and its own name, so none sits in a wrong cell."""
    element_stems = [adjectives[0][:-2] for _, adjectives, _ in ELEMENTS]
    name_stems = {"Жрица": "Жриц", "Змей": "Зме", "Орёл": "Ор[её]?л", "Пёс": "П[её]?с", "Конь": "Кон",
                  "Свиток": "Свит", "Хоромы": "Хором"}
    for name, _, _ in NAMES:
        row = COMBINATION_SENTENCES[name]
        assert len(row) == 9, name
        for stem, sentence in zip(element_stems, row):
            found = [s for s in element_stems if s in sentence]
            assert found == [stem], (name, stem, found)
            assert re.search(name_stems.get(name, name), sentence), (name, sentence)


def check_texts(names, texts):
    assert len(set(names)) == len(set(texts)) == 144
    for p, (name, text) in enumerate(zip(names, texts), start=1):
        assert name.endswith("\n") and name.count("\n") == 1, p
        assert 3 <= len(sentences(text)) <= 6, (p, len(sentences(text)))
        assert text == text.strip() and "\n\n" not in text and "\t" not in text and "  " not in text, p
        (name + text).encode("cp1251")
    # Years share at most a couple of stock sentences; the rest of each text is its own.
    bags = [set(sentences(t)) for t in texts]
    shared = max(len(a & b) for i, a in enumerate(bags) for b in bags[i + 1:])
    assert shared <= 2, shared


def rows():
    check_calendar()
    check_combinations()
    names = [full_name(p) + "\n" for p in YEARS]
    texts = [characteristic(p) for p in YEARS]
    check_texts(names, texts)
    return ([("название_лета", (p,), names[p - 1]) for p in YEARS] +
            [("лето", (p,), texts[p - 1]) for p in YEARS])


if __name__ == "__main__":
    rows()
    for arg in sys.argv[1:]:
        p = int(arg)
        print(f"Лето в Круге Жизни: {p} \nЛето в Круге Лет: {(p - 1) % 16 + 1} \n{full_name(p)}\nМесяц: …\n")
        print(f"     Характеристика Лета:\n{characteristic(p)} \n")
