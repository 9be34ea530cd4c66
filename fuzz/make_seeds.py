#!/usr/bin/env python3
"""Writes the seed corpora (fuzz/corpus/<target>/) and dictionaries (fuzz/<target>.dict).

The seeds are the edge cases of each input path: every row form of the library file, the
moments at the ends of the covered span, the system's own templates, texts that wrap, tab and
fill a page. Run it after changing it; the replay of the native tests reads what it wrote.
"""
import pathlib
import struct

HERE = pathlib.Path(__file__).resolve().parent
CORPUS = HERE / "corpus"

MONTHS = ["Рамхат", "Айлет", "Бейлет", "Гэйлет", "Дайлет", "Элет", "Вэйлет", "Хейлет", "Тайлет"]
WEEKDAYS = ["Понедельник", "Вторник", "Тритейник", "Четверг", "Пятница", "Шестица", "Седмица",
            "Осьмица", "Неделя"]
HALLS = ["Рамхат", "Рожана", "Макошь", "Семаргл", "Варуна", "Сварог", "Род", "Велес", "Марена",
         "Крышень", "Лада", "Вышень", "Купала", "Перун", "Даждьбог", "Джива", "Купала1", "Перун1",
         "Даждьбог1"]
TABLES = ["следующий_месяц", "название_месяца", "название_лета", "день", "следующий_день",
          "следующее_лето_в_круге_лет", "лето", "четверть", "день_четверти", "бог",
          "описание_чертога", "праздник"]


def write(target, name, data):
    directory = CORPUS / target
    directory.mkdir(parents=True, exist_ok=True)
    (directory / name).write_bytes(data if isinstance(data, bytes) else data.encode())


def dictionary(target, tokens):
    def quoted(token):
        return "".join(chr(b) if 32 <= b < 127 and chr(b) not in '"\\' else f"\\x{b:02X}"
                       for b in token)
    lines = [f'"{quoted(t if isinstance(t, bytes) else t.encode())}"' for t in tokens]
    (HERE / f"{target}.dict").write_text("\n".join(lines) + "\n")


def cp1251(text):
    return text.encode("cp1251")


def library():
    rows = {
        "следующий_месяц": "следующий_месяц(12, 1)",
        "название_месяца": 'название_месяца("Рамхат", "месяц Божественного Начала")',
        "название_лета": 'название_лета(1, "Лунный (Фиолетовый) Странник (Путь)\\n")',
        "день": 'день("Понедельник", 1)',
        "следующий_день": 'следующий_день("Неделя", "Понедельник")',
        "следующее_лето_в_круге_лет": "следующее_лето_в_круге_лет(16, 1)",
        "лето": 'лето(144, "Характеристика, с запятой (и скобками)")',
        "четверть": 'четверть("Тайлет", 41, "Текст четверти")',
        "день_четверти": 'день_четверти(10, "Этот день")',
        "бог": 'бог("Купала1", "вторая строка \\"бога\\"")',
        "описание_чертога": 'описание_чертога("Джива", "Чертог")',
        "праздник": 'праздник("Рамхат", 1, "Новолетие")',
    }
    for table, row in rows.items():
        write("fuzz_library", f"row_{TABLES.index(table):02d}", cp1251(row + "\n"))
    all_rows = "\n".join(rows.values())
    write("fuzz_library", "all_rows_no_final_lf", cp1251(all_rows))
    write("fuzz_library", "all_rows_crlf", cp1251(all_rows.replace("\n", "\r\n") + "\r\n"))
    write("fuzz_library", "empty", b"")
    write("fuzz_library", "blanks_and_tail", cp1251('   лето(  0x1F ,  "a\\r\\n\\\\\\q" )  хвост\n'))
    write("fuzz_library", "integers", cp1251(
        "следующий_месяц(-2147483647, 2147483647)\nследующий_месяц(0o17, 0X7fffffff)\n"))
    write("fuzz_library", "integer_too_small", cp1251("следующий_месяц(-2147483648, 1)\n"))
    write("fuzz_library", "blank_before_paren", cp1251("лето (1, \"x\")\n"))
    write("fuzz_library", "tab_first", cp1251("\tлето(1, \"x\")\n"))
    write("fuzz_library", "empty_line_between", cp1251("лето(1, \"x\")\n\nлето(2, \"y\")\n"))
    write("fuzz_library", "final_empty_line", cp1251("лето(1, \"x\")\n\n"))
    write("fuzz_library", "cr_alone", cp1251("лето(1, \"x\")\rлето(2, \"y\")\n\r"))
    write("fuzz_library", "megabyte_line", cp1251('лето(1, "' + "Длинный текст. " * 65000 + '")'))
    write("fuzz_library", "nul_bytes", cp1251("лето(1, \"x") + b"\0\0" + cp1251("\")\n") + b"\0")
    write("fuzz_library", "unclosed_string", cp1251('бог("Купала, "x)\n'))
    write("fuzz_library", "backslash_at_end", cp1251('бог("Купала\\'))
    write("fuzz_library", "undefined_byte_0x98", cp1251("бог(\"") + b"\x98\xff" + cp1251("\", \"\")"))
    write("fuzz_library", "too_many_arguments", cp1251("день(\"Вторник\", 2, 3)\n"))
    write("fuzz_library", "wrong_kinds", cp1251("день(2, \"Вторник\")\n"))
    write("fuzz_library", "next_month_loop", cp1251(
        "следующий_месяц(13, 13)\nследующий_день(\"x\", \"x\")\nдень(\"x\", 145)\n"))
    dictionary("fuzz_library",
               [cp1251(t) for t in TABLES + MONTHS + WEEKDAYS + HALLS]
               + ["(", ")", ", ", '"', '\\"', "\\n", "\\r", "\\\\", "\r\n", "\n", "0x", "0o", "-",
                  "2147483647", "-2147483647", "-2147483648", "41", "144", "16"])


def fields():
    moments = {
        "first_moment": "22\n9\n1868\n19\n0",
        "before_first": "22\n9\n1868\n18\n59",
        "last_minute": "22\n9\n2012\n18\n59",
        "after_last": "22\n9\n2012\n19\n0",
        "leap_1900": "29\n02\n1900\n12\n00",
        "no_30_february": "30\n2\n1904\n12\n0",
        "blanks_and_bases": " 7 \n0x9\n0o3720\n 23\n0X3b ",
        "empty_fields": "\n\n\n\n",
        "plus_sign": "+1\n1\n1900\n0\n0",
        "too_large": "2147483648\n1\n1900\n0\n0",
        "smallest": "-2147483648\n-0\n-1\n-0x80000000\n0o",
        "blank_inside": "1 2\n1\n1900\n0\n0",
        "tab_and_cr": "1\t\n1\r\n1900\n0\n0",
    }
    for name, text in moments.items():
        write("fuzz_fields", name, text)
    dictionary("fuzz_fields", ["\n", " ", "-", "0x", "0X", "0o", "0O", "1868", "2012", "22", "9",
                               "19", "18", "59", "29", "2", "1900", "2147483647", "2147483648",
                               "ffffffff"])


def formats():
    def seed(template, values):
        kinds = sum(1 << i for i, v in enumerate(values) if isinstance(v, int))
        data = bytes([len(values), kinds])
        data += b"".join(struct.pack("<q", v) for v in values if isinstance(v, int))
        data += template.encode() + b"\0"
        data += b"".join(v.encode() + b"\0" for v in values if isinstance(v, str))
        return data

    templates = {
        "date": ("Дата и время по Григорианскому Календарю:  %час.%мин.   %.%.%г.\n\n",
                 [20, 30, 15, 3, 2000]),
        "year": ("%Лето в Круге Жизни: % \nЛето в Круге Лет: % \n%", ["отчет", 132, 4, "имя\n"]),
        "time": ("Время: % % : % %\n", [3, "часа", 48, "частей"]),
        "day": ("%Месяц: % - %\nЧисло месяца: %\nПраздник: %\nДень недели: %\n% \n\n",
                ["", "Дайлет", "месяц", 14, "нет", "Осьмица", "Время"]),
        "header": ("%s           -%d-", ["ДА'АРИЙСКИЙ КРУГОЛЕТ ЧИСЛОБОГА", 2]),
        "letters_of_other_kind": ("%d%s%d%s", ["a", 1, "b", 2]),
        "more_percents_than_values": ("%%%s%d%", [-9223372036854775808, "%s"]),
        "no_values": ("100%", []),
        "eight_values": ("%%%%%%%%%", [1, "2", 3, "4", 5, "6", 7, "8"]),
        "percent_at_end": ("%", ["x"]),
    }
    for name, (template, values) in templates.items():
        write("fuzz_format", name, seed(template, values))
    dictionary("fuzz_format", ["%", "%s", "%d", "%%", "\0", "\\n", "час."])


def printing():
    def seed(figures, tab, screens, cancel, text):
        data = struct.pack("<iiiii", *figures, tab)
        data += bytes([len(screens) - 1]) + struct.pack(f"<{len(screens)}i", *screens)
        data += bytes([cancel]) + text.encode()
        return data

    a4 = (600, 600, 6800, 4800)
    word = "слово "
    report = ("Дата и время по Григорианскому Календарю:  20час.30мин.   15.3.2000г.\n\n"
              "Лето в Круге Жизни: 132 \nЛето в Круге Лет: 4 \n" + word * 40 + "\n\n")
    texts = {
        "report": (a4, 6, [96], 0, report),
        "empty": (a4, 6, [96], 0, ""),
        "tabs": (a4, 6, [96], 0, "\tx\nabcd\ty\nabcdef\tz\n\t\tw"),
        "tab_width_1": (a4, 1, [96], 0, "a\tb\t\tc"),
        "tab_width_negative": (a4, -5, [96], 0, "\t\t" + "x" * 90),
        "blank_81": (a4, 6, [96], 0, "x" * 80 + " " + "y" * 19),
        "blank_at_50": (a4, 6, [96], 0, "x" * 49 + " " + "y" * 50),
        "no_blank": (a4, 6, [96], 0, "я" * 200),
        "exactly_80_blank_last": (a4, 6, [96], 0, "x" * 79 + " "),
        "rows_zero": ((600, 600, 100, 4800), 6, [96], 0, "a\nb\nc\n" + "d " * 100),
        "rows_negative": ((600, 600, -6800, 4800), 6, [96], 0, "a\nb"),
        "resolutions_zero": ((0, 0, 0, 0), 6, [0], 0, "a\nb\nc"),
        "resolutions_negative": ((-600, -600, 6800, -1), 6, [-96], 0, "a b c"),
        "huge_figures": ((2**31 - 1, 2**31 - 1, 2**31 - 1, 2**31 - 1), 2**31 - 1, [1], 0, "x\ny"),
        "tiny_screen_huge_page": ((1, 1, 2**31 - 1, 1), 6, [2**31 - 1], 0, "x\n" * 20),
        "screens_change": (a4, 6, [96, 600, 1], 0, "line\n" * 200),
        "cancelled_after_one": (a4, 6, [96], 2, "line\n" * 200),
        "cancelled_at_once": (a4, 6, [96], 1, "line"),
        "page_filled_in_a_line": ((600, 600, 1400, 4800), 6, [96], 0, ("w " * 200 + "\n") * 3),
        "carriage_returns": (a4, 6, [96], 0, "a\r\nb\rc"),
    }
    for name, args in texts.items():
        write("fuzz_print", name, seed(*args))
    dictionary("fuzz_print", [" ", "\t", "\n", "я", "\xa0", "\x00\x00\x00\x00", "\xff\xff\xff\xff",
                              "\x60\x00\x00\x00"])


def calendar():
    moments = {
        "first_moment": (22, 9, 1868, 19, 0),
        "before_first": (22, 9, 1868, 18, 59),
        "last_minute": (22, 9, 2012, 18, 59),
        "after_last": (22, 9, 2012, 19, 0),
        "worked_example": (15, 3, 2000, 20, 30),
        "across_new_year": (1, 1, 2000, 20, 0),
        "leap_1900": (29, 2, 1900, 19, 0),
        "sacred_year": (10, 12, 2011, 19, 0),
        "midnight": (1, 10, 1900, 0, 0),
        "day_0": (0, 3, 2000, 20, 0),
        "day_99": (99, 12, 2000, 12, 0),
        "month_13": (15, 13, 2000, 12, 0),
        "month_0": (15, 0, 2000, 12, 0),
        "negative_year": (15, 3, -2000, 12, 0),
        "hour_25": (15, 3, 2000, 25, 0),
        "negative_minute": (15, 3, 2000, 12, -1),
        "smallest": (-2**31, -2**31, -2**31, -2**31, -2**31),
        "largest": (2**31 - 1, 2**31 - 1, 2**31 - 1, 2**31 - 1, 2**31 - 1),
        "september_largest_year": (15, 9, 2**31 - 1, 19, 0),
        "september_smallest_year": (15, 9, -2**31, 19, 0),
        "december_far_day": (2**31 - 1, 12, 2000, 20, 0),
    }
    for name, moment in moments.items():
        write("fuzz_calendar", name, struct.pack("<5i", *moment))
    dictionary("fuzz_calendar", [struct.pack("<i", v) for v in
                                 (19, 18, 22, 9, 12, 1868, 2012, 41, 59, 23, -1, 2**31 - 1, -2**31)])


library()
fields()
formats()
printing()
calendar()
