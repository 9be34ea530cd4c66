"""Checks that every text of the library passes before the file is written.

The year characteristics are written one by one, so most of each text belongs to its year alone.
Character readings are the program's own interpretation: a text attributes something to the
tradition at most once, and only where the tradition says it.
"""
import collections
import re


class TextError(ValueError):
    pass


def check(condition, message):
    if not condition:
        raise TextError(message)


SENTENCE_BREAK = re.compile(r"(?<=[.!?…])\s+(?=[«(]?[А-ЯЁA-Z0-9])")


def sentences(text):
    return [s for s in SENTENCE_BREAK.split(text.replace("\n", " ").strip()) if s]


# Words with which a text hands a statement over to the tradition instead of making it.
HEDGE = re.compile(r"традици\w*(?: (?:приписыва|наделя|отвод|да)\w*)?|предани\w*|легенд\w*|"
                   r"приписыва\w*|\bсчита(?:ется|ют|лось)\b|принято считать|\bговорят\b",
                   re.IGNORECASE)

# The elements as nouns in every case, with their gender: the pronoun of a colour that belongs
# to one of them must agree with it.
ELEMENT_NOUNS = (
    ("f", r"Земл(?:я|и|е|ю|ёй|ей)"),
    ("f", r"Звезд(?:а|ы|е|у|ой)"),
    ("f", r"Сварг(?:а|и|е|у|ой)"),
    ("f", r"Лун(?:а|ы|е|у|ой)"),
    ("m", r"Ог(?:онь|ня|ню|нём|нем|не)"),
    ("m", r"Океан(?:а|у|ом|е)?"),
    ("m", r"Бог(?:а|у|ом|е)?"),
    ("n", r"Солн(?:це|ца|цу|цем)"),
    ("n", r"(?:Дерев|Древ)(?:о|а|у|ом|е)"),
)
COLOUR_PRONOUN = re.compile(r"\b(?:цвет\w*|окрас\w*) (его|её|ее)\b|\b(его|её|ее) (?:цвет|окрас)")

# Only the place in the Circle of Life starts again after year 144; the count of years goes on.
COUNT_OF_YEARS = re.compile(r"сч[её]т\w* (?:лет|годам)")
AGAIN = re.compile(r"\b(?:заново|сначала|вновь|снова)\b")


def element_genders(sentence):
    return {gender for gender, noun in ELEMENT_NOUNS if re.search(rf"\b{noun}\b", sentence)}


def check_agreement(where, sentence):
    genders = element_genders(sentence)
    for match in COLOUR_PRONOUN.finditer(sentence):
        if (match.group(1) or match.group(2)) == "его":
            wrong = genders == {"f"}
        else:
            wrong = bool(genders) and "f" not in genders
        check(not wrong, f"{where}: the colour's pronoun does not agree: {sentence}")


def check_text(where, text):
    try:
        text.encode("cp1251")
    except UnicodeEncodeError as error:
        raise TextError(f"{where}: {error.reason} at {error.start}") from None
    check("\t" not in text and "\r" not in text, f"{where}: a tab or carriage return")
    hedges = HEDGE.findall(text)
    check(len(hedges) <= 1, f"{where}: {len(hedges)} hedges {hedges}")
    for sentence in sentences(text):
        check_agreement(where, sentence)
        restarts = COUNT_OF_YEARS.search(sentence) and AGAIN.search(sentence)
        check(not restarts or re.search(r"\bне\b", sentence), f"{where}: the count of years "
              f"does not start again: {sentence}")


def texts_of(rows):
    """Each text of the library once: the two rows of a split god text count as one text."""
    joined = {}
    for table, key, text in rows:
        whole = (table, (key[0][:-1],)) if table == "бог" and key[0].endswith("1") else (table, key)
        joined[whole] = joined.get(whole, "") + text
    return joined


def check_library(rows):
    for (table, key), text in texts_of(rows).items():
        check_text(f"{table} {key}", text)


def check_characteristics(characteristics):
    """characteristics: year -> (sentences of the first paragraph, sentences of the second)."""
    check(sorted(characteristics) == list(range(1, 145)), "лето: not every year 1 to 144")
    years_of = collections.defaultdict(set)
    for p, paragraphs in characteristics.items():
        first, second = paragraphs
        check(4 <= len(first) + len(second) <= 6, f"лето {p}: {len(first) + len(second)} sentences")
        check(1 <= len(second) <= 2, f"лето {p}: {len(second)} sentences in the second paragraph")
        check(len(set(first + second)) == len(first + second), f"лето {p}: a sentence twice")
        for sentence in first + second:
            whole = sentence == sentence.strip() and "  " not in sentence and sentence[-1] in ".!?…"
            check(whole and sentences(sentence) == [sentence],
                  f"лето {p}: not one sentence: {sentence}")
            years_of[sentence].add(p)
    for sentence, years in years_of.items():
        check(len(years) <= 2, f"лето {sorted(years)}: the same sentence in more than two years: "
              f"{sentence}")
    for p, (first, second) in characteristics.items():
        own = [s for s in first + second if years_of[s] == {p}]
        check(len(set(own)) >= 3, f"лето {p}: only {len(set(own))} sentences of its own")
