"""How often each counted turn stands in the texts today, written into data/texts/README.md.

The limits of checks.py say how often a frame, an image or a turn may come back; the counts say how
close the texts stand to them. data/generate.py writes them between the two marker lines of the
README and its --check fails when they are stale, so no count there is typed by hand.
"""
import collections
import re

from . import checks

BEGIN = "<!-- counts: written by data/generate.py, do not edit -->\n"
END = "<!-- end of counts -->\n"


def years_matching(characteristics, pattern):
    return len(checks.years_where(characteristics, lambda first, second: re.search(
        pattern, " ".join(first + second), re.IGNORECASE)))


def frame_rows(characteristics):
    """(what, texts, limit) for every frame that checks.check_frames holds the year texts to."""
    def count(test):
        return len(checks.years_where(characteristics, test))

    openings = collections.defaultdict(set)
    for p, (first, second) in characteristics.items():
        for sentence in first + second:
            openings[checks.opening(sentence)].add(p)
    return [
        ("the most frequent sentence opening (three words)",
         max(len(years) for years in openings.values()), checks.OPENING_LIMIT),
        *[(what, years_matching(characteristics, pattern), limit)
          for what, pattern, limit in checks.FRAMES],
        ("a sentence «Осенью…, зимой…, весной…»", count(lambda first, second: any(
            checks.walks_the_seasons(s) for s in first + second)), checks.SEASON_ROUND_LIMIT),
        ("a sentence «Зимой…, а в Вэйлете…»", count(lambda first, second: any(
            checks.turns_the_season(s) for s in first + second)), checks.SEASON_TURN_LIMIT),
        ("a closing sentence of advice", count(lambda first, second: checks.ADVICE.match(
            second[-1])), checks.ADVICE_LIMIT),
        ("a second paragraph that opens with the person's qualities",
         count(lambda first, second: checks.QUALITIES_FIRST.match(second[0])),
         checks.QUALITIES_FIRST_LIMIT),
        ("a second paragraph that opens with a list of them before a dash",
         count(lambda first, second: checks.QUALITIES_LISTED.match(second[0])),
         checks.QUALITIES_LISTED_LIMIT),
        ("a closing list of what suits the person", count(
            lambda first, second: checks.CLOSING_LIST.match(second[-1])), checks.CLOSING_LIST_LIMIT),
        ("a first sentence «образ, и смысл лета»", count(
            lambda first, second: checks.IMAGE_AND_MEANING.match(first[0])),
         checks.IMAGE_AND_MEANING_LIMIT),
        ("the year's name as the first words", count(
            lambda first, second: checks.NAME_FIRST.match(first[0])), checks.NAME_FIRST_LIMIT),
        ("a month or season named", count(lambda first, second: any(
            checks.seasons_named(s) for s in first + second)), checks.SEASON_NAMED_LIMIT),
    ]


def image_rows(characteristics):
    return [(image[0], years_matching(characteristics, image[1]), checks.image_limit(image))
            for image in checks.IMAGES]


def repeat_rows(rows):
    texts = checks.texts_of(rows)
    return [(f"{table}: {what}", sum(1 for (t, _), text in texts.items() if t == table and
                                     re.search(pattern, text, re.IGNORECASE)), limit)
            for table, what, pattern, limit in checks.REPEATS]


def table(rows):
    lines = ["| what | texts | at most |", "|---|---|---|"]
    lines += [f"| {what} | {texts} | {limit} |" for what, texts, limit in rows]
    return "\n".join(lines) + "\n"


def sentence_summary(characteristics):
    every = [s for first, second in characteristics.values() for s in first + second]
    years_of = collections.defaultdict(set)
    for p, (first, second) in characteristics.items():
        for sentence in first + second:
            years_of[sentence].add(p)
    lengths = collections.Counter(len(first) + len(second)
                                  for first, second in characteristics.values())
    firsts = sorted({len(first) for first, _ in characteristics.values()})
    seconds = sorted({len(second) for _, second in characteristics.values()})
    shared = sum(1 for years in years_of.values() if len(years) > 1)
    by_length = ", ".join(f"{lengths[n]} have {n}" for n in sorted(lengths))
    return (f"The {len(characteristics)} year characteristics hold {len(every)} sentences, "
            f"{len(set(every))} of them distinct; {by_length} sentences ({firsts[0]} to "
            f"{firsts[-1]} before the person, {seconds[0]} or {seconds[-1]} after); "
            f"{shared} sentences stand in more than one year.\n")


def hedge_summary(rows):
    hedged = collections.Counter()
    most = 0
    texts = checks.texts_of(rows)
    texts = {key: text for key, text in texts.items() if key[0] != "название_лета"}
    for (table_name, _), text in texts.items():
        found = len(checks.HEDGE.findall(text))
        most = max(most, found)
        if found:
            hedged[table_name] += 1
    carry = ", ".join(f"{hedged[t]} of table {t}" for t in sorted(hedged)) or "none"
    return (f"Of the {len(texts)} texts (the years' names aside), none carries more than {most} statement handed over to the "
            f"tradition; those that carry one: {carry}.\n")


def section(rows, characteristics):
    """The README's counts, from the rows the library is written from."""
    return (BEGIN + "\n" + sentence_summary(characteristics) + "\n" + hedge_summary(rows) +
            "\nFrames of the year texts:\n\n" + table(frame_rows(characteristics)) +
            "\nImages of the year texts:\n\n" + table(image_rows(characteristics)) +
            "\nTurns of the quarter, god and hall texts:\n\n" + table(repeat_rows(rows)) +
            "\n" + END)


def with_section(readme, new_section):
    """The README with its counts replaced; None when it has no marker lines to put them between."""
    start, end = readme.find(BEGIN), readme.find(END)
    if start < 0 or end < start:
        return None
    return readme[:start] + new_section + readme[end + len(END):]
