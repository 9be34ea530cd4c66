"""Checks that every text of the library passes before the file is written.

The year characteristics are written one by one, so most of each text belongs to its year alone,
and no frame of words comes back often enough for a reader of several years to notice it.
Character readings are the program's own interpretation: a text attributes something to the
tradition at most once, and only where the tradition says it.

The calendar has three seasons of three months each, and its «лето» is the year: Осень is Рамхат,
Айлет and Бейлет (about 22 September to 21 January), Зима is Гэйлет, Дайлет and Элет (about 22
January to 22 May, with the thaw in Дайлет and sowing in Элет), Весна is Вэйлет, Хейлет and Тайлет
(about 23 May to 21 September: warmth, growth and harvest).
"""
import collections
import re

from .year_names import ELEMENTS


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
                   r"\bсказани\w*|\bво? (?:иных|многих|других|некоторых) описаниях\b|"
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


MONTHS = ("Рамхат", "Айлет", "Бейлет", "Гэйлет", "Дайлет", "Элет", "Вэйлет", "Хейлет", "Тайлет")

# Words that name a season, or a month, which stands for its season.
SEASON_WORDS = (
    ("осень", r"осен\w*|Рамхат\w*|Айлет\w*|Бейлет\w*"),
    ("зима", r"зим(?!ов)\w*|Гэйлет\w*|Дайлет\w*|Элет\w*"),
    ("весна", r"весн\w*|весенн\w*|вешн\w*|Вэйлет\w*|Хейлет\w*|Тайлет\w*"),
)
SEASON_WORD = re.compile("|".join(rf"\b(?P<s{i}>{words})" for i, (_, words) in
                                  enumerate(SEASON_WORDS)), re.IGNORECASE)


def seasons_of(sentence):
    """(position, season) of every word in the sentence that names a season or a month."""
    return [(m.start(), SEASON_WORDS[int(m.lastgroup[1:])][0])
            for m in SEASON_WORD.finditer(sentence)]


# Snow and ice, the thaw, the breaking of the ice, ploughing, sowing, the first grass and the
# calving belong to Зима (the thaw to Дайлет, ploughing and sowing to Элет); Весна begins in late
# May.
THAW_AND_PLOUGH = re.compile(
    r"\b(?:вскрыва\w*|вскрыл\w*|ледоход\w*|ледолом\w*|лёд (?:трога|тронул|сход|сошёл|ломает)\w*|"
    r"(?:трога|тронул)\w* лёд|половод\w*|распутиц\w*|оттаива\w*|оттая\w*|оттепел\w*|проталин\w*|"
    r"капел\w*|подснежник\w*|талы[ейм]\w*|та(?:ет|ют|ял\w*|яни\w*)|(?:сход|сош)\w* снег\w*|"
    r"снег\w* (?:сход|сош|та)\w*|пахат\w*|паш(?:ет|ут|ем)|вспах\w*|пахот\w*|плуг\w*|"
    r"борозд\w*|сеят\w*|се(?:ет|ют|ял\w*)|посев\w*|засева\w*|засеян\w*|сев[аеу]?|"
    r"на пашню|(?:перв|молод)(?:ая|ой|ую) трав\w*|тел(?:ят|ит)ся|отёл\w*|"
    r"снег\w*|сугроб\w*|лёд|льд(?:а|у|ом|ы|ов|ами|ах)?|подо льдом)\b", re.IGNORECASE)

# «Лето» is the year of this calendar, never a season. «Летом» stays only where an adjective of
# the year goes with it («священным летом»).
SUMMER = re.compile(r"(?:\b(?P<before>[\w]+)\s+)?\bлетом\b|\bк лету\b|"
                    r"\bлетн(?:ий|яя|ее|ие|его|ей|ему|им|ими|их|юю|ею)\b|"
                    r"\b(?:осен|зим|весн)\w* и лет[оау]\b|\bлет[оау] и (?:осен|зим|весн)\w*",
                    re.IGNORECASE)
SEASON_DEMONSTRATIVES = ("этим", "тем", "прошлым", "будущим", "прошедшим", "следующим")


def summer_as_season(sentence):
    for match in SUMMER.finditer(sentence):
        before = (match.group("before") or "").lower()
        of_the_year = before.endswith(("ым", "им")) and before not in SEASON_DEMONSTRATIVES
        if not (match.group(0).lower().endswith("летом") and of_the_year):
            return match.group(0)
    return None


# After a preposition that governs the genitive, dative or prepositional case a month's name is
# declined: «в Рамхате», «до Тайлета», «к Элету».
MONTH_UNDECLINED = re.compile(
    r"\b(?:в|во|о|об|при|до|после|с|со|от|из|у|около|к|ко|по|среди|посреди|перед|между)\s+"
    rf"(?:{'|'.join(MONTHS)})\b(?!-)", re.IGNORECASE)

# Calques and slips that an editor marked in these texts; each stands for the habit behind it.
START_VERB = r"(?:начина(?:ть|ет|ют|ем|ешь|йте|й|л|ла|ли|ло)|нача(?:ть|л|ла|ли|ло)|начн\w+)"
# A word between the verb and its object: anything but a preposition, or «в это лето».
BETWEEN = (r"(?:\s+(?:в (?:это|этот|такое|такой) (?:лето|год)|"
           r"(?!(?:в|во|на|к|ко|из|у|от|до|для|за|под|над|с|со|о|об|по|при)\b)[\w-]+),?)")
CALQUES = (
    (rf"\b{START_VERB}{BETWEEN}{{0,4}}?\s+(?:семью|сад|свадьбу|дружбу|договор|дом|брак)\b",
     "«начинать» a family, garden, wedding, friendship, treaty or house"),
    (r"\bнепочат\w* снег", "«непочатый снег» for untouched snow"),
    (r"\bпри полном дне\b", "«при полном дне»"),
    (r"\bзакрыва\w*(?: \w+)? ссор", "«закрывать ссоры»"),
    (r"\bжарк\w* на затеи\b", "«жаркая на затеи»"),
    (r"\bневолю (?:\w+ )?не прощ", "«неволю не прощает»"),
    (r"\bот отрыва от\b", "«от отрыва от»"),
    (r"\bцел\w*,? добыт\w*", "a goal «добытая»"),
    (r"\bремесл\w* рук\b", "«ремесло рук»"),
    (r"\bсмотр\w* в смысл", "«смотреть в смысл»"),
    (r"\bцел\w* по росту\b", "«цели по росту»"),
    (r"\bраздвига\w* горизонт", "«раздвигает горизонт»"),
    (r"\bвыход\w* на крыло\b", "«выходит на крыло»"),
    (r"\bломает колесо\b", "a horse «ломает колесо»"),
    (r"\bсторожев\w* охран\w*", "«сторожевая охрана»"),
    (r"\bнеистребим\w*", "«неистребим»"),
    (r"\bбыстр\w* голов\w*", "«быстрая голова»"),
    (r"\bнес[ёеу]\w* сани\b", "an animal «несёт сани»"),
    (r"\bход\w* за плугом\b", "an animal «ходит за плугом»"),
    (r"\bнеостановим\w*", "«неостановимый»"),
    (r"\bщедрост\w* к слабым\b", "«щедрость к слабым»"),
    (r"\bнагражда\w*", "«награждает» a quality"),
    (r"\bбрехн\w*", "«брехня»"),
    (r"\bпроводк\w*", "«проводка»"),
    (r"\bслуша\w* опыта\b", "«слушать опыта»"),
    (r"\bстанов\w* видно\b", "«становится видно»"),
    (r"\bне успеть никому\b", "«не успеть никому»"),
    (r"\bзрело скрыто\b", "«зрело скрыто»"),
    (r"\bгде покровительству\w*", "«где покровительствует»"),
    (r"\bвзваливает охотно\b", "«взваливает охотно»"),
    (r"[,;]\s+(?:а\s+)?(?:осень|зима|весна)\s+(?:на|для)\s+(?!исходе|пороге|носу|дворе)",
     "a season with its verb left out and no dash"),
)
CALQUE = [(re.compile(pattern, re.IGNORECASE), what) for pattern, what in CALQUES]


def season_stretches(sentence):
    """(season, text from the season's word up to the next word of another season)."""
    marks = seasons_of(sentence)
    stretches = []
    for i, (start, season) in enumerate(marks):
        end = next((s for s, other in marks[i + 1:] if other != season), len(sentence))
        stretches.append((season, sentence[start:end]))
    return stretches


def seasons_named(sentence):
    return [season for _, season in seasons_of(sentence)]


def check_seasons(where, sentence):
    for season, stretch in season_stretches(sentence):
        thaw = season == "весна" and THAW_AND_PLOUGH.search(stretch)
        check(not thaw, f"{where}: «{thaw and thaw.group(0)}» in Весна, which begins in late May: "
              f"{sentence}")
    summer = summer_as_season(sentence)
    check(not summer, f"{where}: «{summer}»: лето is the year, not a season: {sentence}")


def check_wording(where, sentence):
    month = MONTH_UNDECLINED.search(sentence)
    check(not month, f"{where}: a month's name not declined after its preposition: "
          f"«{month and month.group(0)}»")
    for pattern, what in CALQUE:
        found = pattern.search(sentence)
        check(not found, f"{where}: calque {what}: «{found and found.group(0)}»")


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
        check_seasons(where, sentence)
        check_wording(where, sentence)
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
    check_frames(characteristics)


# Frames: no build of words comes back often enough across the 144 years for a reader of several
# of them to notice. Limits count texts, not sentences.
OPENING_WORDS, OPENING_LIMIT = 3, 12
FRAMES = (
    ("«Рождённый в это лето»", r"\bрождённ\w* в это лето\b", 24),
    ("«в этот год»", r"\bв этот год\b", 24),
    ("«благоволит»", r"\bблаговол\w*", 12),
    ("«предостерегает»", r"\bпредостерега\w*", 12),
    ("«Это год»", r"\bэто год\b", 12),
    ("«хорошо/стоит начинать»", r"\b(?:хорошо|стоит|лучше) начина\w*|\bначина\w* стоит\b", 12),
)
# A sentence that walks through the three seasons in turn: «Осенью…, зимой…, а весной…».
SEASON_ROUND_LIMIT = 36
# A sentence that turns from one season to another: «Зимой…, а в Вэйлете…».
SEASON_TURN = re.compile(r"[,;]\s+(?:а|зато|но|и)\s+(?:[\w-]+\s+){0,3}?(?:"
                         + "|".join(rf"\b(?:{words})" for _, words in SEASON_WORDS) + ")",
                         re.IGNORECASE)
SEASON_TURN_LIMIT = 48
# A closing sentence of advice: «Хорошо начинать…», «Браться стоит…».
ADVICE = re.compile(r"(?:хорошо|плохо|лучше|стоит|начинать|браться|затевать|заводить|"
                    r"осваивать|с этого лета хорошо)\b", re.IGNORECASE)
ADVICE_LIMIT = 24
# The year's own name first: «Лунный Странник…», «Белым Храмом…».
NAME_FIRST = re.compile(rf"(?:{'|'.join(adjectives[0][:-2] for _, adjectives, _ in ELEMENTS)})"
                        r"\w*\s")
NAME_FIRST_LIMIT = 72
# Years 1-48, 49-96 and 97-144 were once written in three voices; the build of a text must not
# tell its block. A feature's count may differ between two blocks by at most this many texts.
BLOCKS = (range(1, 49), range(49, 97), range(97, 145))
BLOCK_SPREAD = 12


def opening(sentence):
    return tuple(re.findall(r"[\wё]+", sentence.lower())[:OPENING_WORDS])


def walks_the_seasons(sentence):
    named = iter(seasons_named(sentence))
    return all(season in named for season in ("осень", "зима", "весна"))


def turns_the_season(sentence):
    return len(set(seasons_named(sentence))) >= 2 and bool(SEASON_TURN.search(sentence))


def years_where(characteristics, test):
    return sorted(p for p, paragraphs in characteristics.items() if test(*paragraphs))


def check_limit(years, limit, what):
    check(len(years) <= limit, f"лето: {what} in {len(years)} texts, more than {limit}: "
          f"{years[:30]}")


def block_features(first, second):
    return {
        "two sentences in the second paragraph": len(second) == 2,
        "six sentences": len(first) + len(second) == 6,
        "a walk through the seasons": any(walks_the_seasons(s) for s in first + second),
        "the year's name first": bool(NAME_FIRST.match(first[0])),
        "advice last": bool(ADVICE.match(second[-1])),
    }


def check_frames(characteristics):
    for what, pattern, limit in FRAMES:
        found = years_where(characteristics, lambda first, second: re.search(
            pattern, " ".join(first + second), re.IGNORECASE))
        check_limit(found, limit, what)
    rounds = years_where(characteristics, lambda first, second: any(
        walks_the_seasons(s) for s in first + second))
    check_limit(rounds, SEASON_ROUND_LIMIT, "a sentence «Осенью…, зимой…, весной…»")
    turns = years_where(characteristics, lambda first, second: any(
        turns_the_season(s) for s in first + second))
    check_limit(turns, SEASON_TURN_LIMIT, "a sentence «Зимой…, а в Вэйлете…»")
    advice = years_where(characteristics, lambda first, second: ADVICE.match(second[-1]))
    check_limit(advice, ADVICE_LIMIT, "a closing sentence of advice")
    name_first = years_where(characteristics, lambda first, second: NAME_FIRST.match(first[0]))
    check_limit(name_first, NAME_FIRST_LIMIT, "the year's name as the first words")
    openings = collections.defaultdict(set)
    for p, (first, second) in characteristics.items():
        for sentence in first + second:
            openings[opening(sentence)].add(p)
    for words, found in openings.items():
        check_limit(sorted(found), OPENING_LIMIT, f"the opening «{' '.join(words)}…»")
    for feature in block_features(("",), ("",)):
        counts = [sum(block_features(*characteristics[p])[feature] for p in block if
                      p in characteristics) for block in BLOCKS]
        check(max(counts) - min(counts) <= BLOCK_SPREAD, f"лето: {feature} in {counts} texts of "
              f"the three blocks: the blocks read as three writers")
