"""The sixteen names of the Circle of Years and the nine elements, in their order in the Circle."""

# Name of the Circle of Years: (name, image word or None, gender of the name: "m", "f", "pl").
NAMES = (
    ("Странник", "Путь", "m"),
    ("Жрец", None, "m"),
    ("Жрица", "Дева", "f"),
    ("Мир", "Явь", "m"),
    ("Свиток", "Хартия", "m"),
    ("Феникс", None, "m"),
    ("Лис", None, "m"),
    ("Дракон", None, "m"),
    ("Змей", None, "m"),
    ("Орёл", None, "m"),
    ("Дельфин", None, "m"),
    ("Конь", None, "m"),
    ("Пёс", None, "m"),
    ("Тур", "Корова", "m"),
    ("Хоромы", "Дом", "pl"),
    ("Храм", None, "m"),
)

# Element: (element, adjective in the year's name by gender, colour adjective by gender or None).
# Земля and Бог are named by their colour alone (Чёрный, Белый), the others by the element with
# the colour in brackets, as in the Огненный (Алый) Свиток.
ELEMENTS = (
    ("Земля", ("Чёрный", "Чёрная", "Чёрные"), None),
    ("Звезда", ("Звёздный", "Звёздная", "Звёздные"), ("Красный", "Красная", "Красные")),
    ("Огонь", ("Огненный", "Огненная", "Огненные"), ("Алый", "Алая", "Алые")),
    ("Солнце", ("Солнечный", "Солнечная", "Солнечные"), ("Золотой", "Золотая", "Золотые")),
    ("Дерево", ("Древесный", "Древесная", "Древесные"), ("Зелёный", "Зелёная", "Зелёные")),
    ("Сварга", ("Небесный", "Небесная", "Небесные"), ("Голубой", "Голубая", "Голубые")),
    ("Океан", ("Океанский", "Океанская", "Океанские"), ("Синий", "Синяя", "Синие")),
    ("Луна", ("Лунный", "Лунная", "Лунные"), ("Фиолетовый", "Фиолетовая", "Фиолетовые")),
    ("Бог", ("Белый", "Белая", "Белые"), None),
)


def element_of(p):
    # Year 3 of the Circle of Life is the first of the nine (Земля), so year 1 is the eighth (Луна).
    return ELEMENTS[(p - 3) % 9]
