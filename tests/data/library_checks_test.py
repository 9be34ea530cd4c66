"""The checks that data/generate.py runs before it writes the library: each refuses its fault."""
import copy
import pathlib
import re
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
    ("В сказаниях он кузнец. По традиции он дал людям плуг.", "2 hedges"),
    ("Чертог связывают с Колядой. В иных описаниях его хранит Варуна, по преданию — бог порядка.",
     "2 hedges"),
    # The editor's places: Весна is late May to September.
    ("Осень идёт волнами, зимой течение замирает, а весной, когда вскрываются реки, перемены "
     "выходят наружу.", "«вскрываются» in Весна"),
    ("Осенью Тур пирует, зимой бережёт жар в стойле, а к весне набирает силу для пахоты.",
     "«пахоты» in Весна"),
    ("В Хейлете Тур выходит пахать.", "«пахать» in Весна"),
    ("Осень сжигает прежнее, а весной из-под снега пробивается новая жизнь.", "«снега» in Весна"),
    ("Весной чёрная земля под ногами оттаивает.", "«оттаивает» in Весна"),
    ("Весной Конь выходит на пашню.", "«на пашню» in Весна"),
    ("Весной Конь несётся по первой траве во весь опор.", "«первой траве» in Весна"),
    ("Весной телятся коровы.", "«телятся» in Весна"),
    ("К Тайлету, когда сходит снег, Лис выходит из норы.", "«сходит снег» in Весна"),
    ("Осенью Орёл кружит над полями, а к лету парит выше всех.", "«к лету»: лето is the year"),
    ("Осень — для ссор, а весна и лето — для договоров.", "«весна и лето»: лето is the year"),
    ("Летом Конь пасётся на лугу.", "«Летом»: лето is the year"),
    ("Этим летом Конь пасётся на лугу.", "«Этим летом»: лето is the year"),
    ("Летние ночи коротки.", "«Летние»: лето is the year"),
    # Month names after prepositions.
    ("То, что зрело втайне, выходит наружу в Вэйлет.", "«в Вэйлет»"),
    ("Он ждёт до Тайлет.", "«до Тайлет»"),
    ("К Элет всё готово.", "«К Элет»"),
    # The idioms of the warm season and a season set against its own month.
    ("Лето клонится к концу, и в Тайлете наступает канун Новолетия.", "«Лето клонится»"),
    ("Когда в конце Вэйлета наступает Чертог Коня, жар лета доходит до высшей точки.",
     "«жар лета»"),
    ("Звёздный Дельфин плывёт по ночной воде, и красное лето ведёт дружбу высоким путём.",
     "«красное лето»"),
    ("Сорок первый день Тайлета — последний день лета и канун Новолетия.",
     "«последний день лета»"),
    ("Зимой Лис живёт запасом и не высовывается, а в Элете выходит посмотреть, где что взошло.",
     "a season set against its own month «, а в Элете»"),
    ("Зимой Лис затаивается, а когда в Дайлете сходит снег, выходит из норы.",
     "a season set against its own month"),
    # A month's meaning in one form; «стихия» only for the nine elements.
    ("Первая четверть Бейлета, месяца Белого Сияния и покоя мира, приносит первый снег.",
     "a month's meaning not in its one form"),
    ("К Элету, месяцу посева, видно, какие замыслы готовы прорасти.",
     "a month's meaning not in its one form"),
    ("Хейлет, месяц Получения Даров природы, лежит в Чертоге Коня.",
     "a month's meaning not in its one form"),
    ("Пасека, скотный двор и учёба, которая расширяет кругозор, — их стихия.",
     "«стихия» that is none of the nine elements"),
    ("Переписка, переводы и учёба вдали от дома — его стихия.",
     "«стихия» that is none of the nine elements"),
    # A sentence does not start with a digit: «Сорок первый день Рамхата…».
    ("41 Рамхата бывает в каждом лете.", "a sentence that starts with a digit"),
    ("Знак бога — вепрь. 12 Айлета отмечают День Богини Макоши.",
     "a sentence that starts with a digit"),
)
SOUND_TEXTS = (
    "По традиции это лето доброе.",
    "Стихия лета — Земля, и цвет её чёрный.",
    "В красном свете Звезды его рыжая шкура горит ярче.",
    "Счёт лет от Сотворения Мира не начинается заново.",
    "Кто ищет предсказаний вместо труда, теряет всё. По традиции это лето доброе.",
    "Зимой, в Дайлете, вскрываются реки, а в Элете пашут и сеют.",
    "Пашут и сеют в Элете, а весной хлеб наливается и зреет.",
    "Весной распахивают окна и двери.",
    "Огненным Храмом, священным летом в 369 дней, завершается Круг Лет.",
    "Год идёт к концу, и в Тайлете наступает канун Новолетия.",
    "Зимой Лис живёт запасом, а в Вэйлете выходит посмотреть, где что взошло.",
    "Айлет, месяц Новых Даров, начинается, когда урожай уже в амбарах.",
    "Первая четверть Бейлета, месяца Белого Сияния, приносит первый снег.",
    "Месяц Получения Даров Природы наделяет силой, а в конце месяца Хейлета идёт жатва.",
    "Стихия Бога делает службу Белого Пса чистой и бескорыстной.",
    "В Элете сеют, на Тайлет приходится жатва, а с 22 Рамхата начинается Чертог Щуки.",
    "Зима на исходе, земля засеяна, а зима — для долгого чтения.",
    "Хорошо строить дом, создавать семью, закладывать сад и начинать учёбу.",
    "Ему легко начинать заново, а переезд в свой дом он не откладывает.",
    "Знак бога — вепрь. В календаре 38 Рамхата — День Богини Рожаны.",
)
# Each calque that the editor marked, as it stood; every pattern of checks.CALQUES has its own.
CALQUE_TEXTS = (
    "Начинать в это лето стоит дом, семью и всё, что объединяет род.",
    "Хорошо начинать семью.",
    "Начинать стоит свадьбу и плотницкое ремесло.",
    "Хорошо начинать дружбу.",
    "Начинать стоит учёбу праву или договор на годы вперёд.",
    "Хорошо начинать родословную, сад у дома или ремесло.",
    "Это цвет чистого полотна и непочатого снега.",
    "Обновление в нём идёт открыто, при полном дне.",
    "Лето хорошо для того, чтобы закрывать старые ссоры.",
    "Осень у Лиса жаркая на затеи.",
    "Ему нужен простор, а неволю он не прощает.",
    "Оно предостерегает от отрыва от земных дел.",
    "Цель, добытая ценой семьи, не радует.",
    "Стоит учиться ремеслу рук.",
    "Учёба удаётся, если смотреть в смысл.",
    "Ему тесно в мелочах, пока нет цели по росту.",
    "Учёба раздвигает горизонт.",
    "Весной Орёл выходит на крыло.",
    "Конь ломает колесо на первом ухабе.",
    "Служба в сторожевой охране ему подходит.",
    "Он неистребим в неудачах.",
    "Нужны ловкие руки и быстрая голова.",
    "Зимой Конь несёт сани по белой дороге.",
    "Конь ходит за плугом.",
    "Лето несёт неостановимым валом.",
    "Ему надо учиться щедрости к слабым.",
    "Синее лето награждает находчивость.",
    "Измена и пустая брехня наказываются быстро.",
    "Печи, проводку и костры стоит проверить дважды.",
    "Земля наказывает тех, кто не слушает опыта.",
    "Тихое знание становится видно всем.",
    "Легко пообещать многим и не успеть никому.",
    "То, что зрело скрыто, выходит наружу.",
    "Начинается Чертог Бусла, где покровительствует Род.",
    "Ответственность за многих лето взваливает охотно.",
    "Осень уходит на счёт урожая, зима на долгое чтение.",
    "Небесный Тур, он же Корова, пасётся на голубых лугах.",
    "Практичным детям этого лета свойственно умение выждать.",
)
# Each modern word that the second editor marked, as it stood.
MODERN_TEXTS = (
    "Служить при храме или при больнице легко.",
    "Дружина, пожарная служба, любое дело, где нужна отвага, его не пугают.",
    "Менять проверенное на модное не стоит.",
    "Точные науки увлекают его с юности.",
    "В Вэйлете открывается навигация.",
    "Стоит вкладываться в дело на годы.",
    "Этот свиток читают при свете ночника.",
    "Долгая учёба, переводы, исследования идут хорошо.",
    "Стройка, руководство, открытые состязания удаются.",
    "Лучше завершать начатое, чем затевать шумные новые предприятия.",
    # The third editor's.
    "Самое время переписать имущество, оформить наследство.",
    "Самое время завести учёт урожаев и расходов.",
    "Труд по распорядку, работа посменно, дела, где нужен ровный ритм, идут хорошо.",
    "Кто давит на домашних и подчинённых, теряет их доверие.",
    "Сильная интуиция — дар этого лета.",
    "Пасека, скотный двор и учёба, которая расширяет кругозор, прибавляют им сил.",
    "Сменить работу, место или ремесло ему легко.",
    "Переезд, новая работа, знакомство с людьми из других краёв ему по душе.",
)


def broken(change):
    characteristics = copy.deepcopy(years.CHARACTERISTICS)
    change(characteristics)
    return characteristics


FAULTY_YEARS = (
    (lambda c: c.__setitem__(5, (c[5][0][:2], c[5][1][:1])), "3 sentences"),
    (lambda c: c.__setitem__(5, (c[5][0][:1], (c[5][1] + c[6][1] + c[7][1])[:3])),
     "3 sentences in the second paragraph"),
    (lambda c: c.__setitem__(5, (c[6][0][:2] + c[5][0][:2], c[7][1])), "only 2 sentences"),
    (lambda c: [c.__setitem__(p, (c[4][0][:1] + c[p][0][1:], c[p][1])) for p in (5, 6)],
     "more than two years"),
    (lambda c: c.__setitem__(6, ((c[6][0][0] + " " + c[6][0][1],) + c[6][0][2:], c[6][1])),
     "not one sentence"),
    (lambda c: c.__setitem__(5, (("Это лето не похоже на прошлое лето: этого лета ждут, и в это "
                                  "лето всё удаётся.",) + c[5][0][1:], c[5][1])),
     "«это лето» [34] times"),
    (lambda c: c.__setitem__(5, (c[5][0], ("Человек этого лета пылок и твёрд в слове.",))),
     "a second paragraph of 41 characters"),
    (lambda c: [c.__setitem__(p, (c[p][0] + (f"В Хейлете {p}-я верста легка.",), c[p][1]))
                for p in (1, 17, 33)],
     "Хейлет in the years of name 1"),
)
# A year text spells its numbers and does not speak of the reader's present, as it once did.
FAULTY_YEAR_TEXTS = (
    ("Им завершается седьмой Круг Лет, и все его девять месяцев равны — по 41 дню.",
     "a number in digits, «41»"),
    ("Простить долг сейчас проще, чем когда-либо.", "«сейчас»"),
    ("Завершать начатое когда-либо лучше.", "«когда-либо»"),
    ("Простить долг теперь проще.", "«теперь»"),
    # The second list's: colons and antitheses that a reader of the texts in a row noticed.
    ("Лето тихое: оно ждёт. Дом полон: всем тепло. Дорога долгая: идут медленно.",
     "3 colons, more than 2"),
    ("Он идёт не вдаль, а вглубь, и ищет не славы, а дела.", "«не X, а Y» 2 times"),
    ("Он ищет не славы, а дела; дело он ценит, а не похвалу.", "«не X, а Y» 2 times"),
)
SOUND_YEAR_TEXTS = (
    "Все девять месяцев равны — по сорок одному дню.",
    "Он ищет не славы, а дела: так его растили. Дом полон: всем тепло.",
)


# Put at the end of a sentence that replaces the last one, so that its paragraph stays as long as
# the rules ask and only the frame under test changes.
TAIL = " — так его и знают все, кто живёт с ним рядом и видит его за работой изо дня в день."


def last_replaced(sentence):
    return lambda p, first, second: (first, second[:-1] + (sentence(p)[:-1] + TAIL,))


def first_replaced(sentence):
    return lambda p, first, second: ((sentence(p),) + first[1:], second)


def second_opening_replaced(sentence):
    return lambda p, first, second: (first, (sentence(p)[:-1] + TAIL,) + second[1:])


def whole(pattern):
    return lambda first, second: re.search(pattern, " ".join(first + second), re.IGNORECASE)


def frame_pattern(frame):
    return next(pattern for what, pattern, _ in checks.FRAMES if what == frame)


def run_frame(frame):
    """Whether a text has the frame of checks.RUN_FRAMES, matched as the check matches it."""
    pattern = next(pattern for what, pattern, *_ in checks.RUN_FRAMES if what == frame)
    return lambda first, second: re.search(pattern, " ".join(first + second))


# Each frame, with the sentence that puts it into a text (opening differently in every year, so
# that only the frame under test is broken) and a test of whether a text has it already.
FRAMES = (
    (last_replaced(lambda p: f"{p}: рождённый в это лето упорен."),
     whole(r"рождённ\w* в это лето"), "«Рождённый в это лето»", 24),
    (last_replaced(lambda p: f"{p}: всё начатое в этот год живёт долго."),
     whole(r"в этот год"), "«в этот год»", 24),
    (last_replaced(lambda p: f"{p}: лето благоволит упорным."), whole(r"благовол"),
     "«благоволит»", 12),
    (last_replaced(lambda p: f"{p}: лето предостерегает от спешки."), whole(r"предостерега"),
     "«предостерегает»", 12),
    (last_replaced(lambda p: f"{p}: это год упорных."), whole(r"\bэто год\b"), "«Это год»", 12),
    (last_replaced(lambda p: f"{p}: стоит начинать ремесло."),
     whole(r"(?:хорошо|стоит|лучше) начина|начина\w* стоит"), "«хорошо/стоит начинать»", 12),
    (first_replaced(lambda p: f"{p}: осенью лето собирает, зимой бережёт, а весной отдаёт."),
     lambda first, second: any(checks.walks_the_seasons(s) for s in first + second),
     "a sentence «Осенью…, зимой…, весной…»", checks.SEASON_ROUND_LIMIT),
    (last_replaced(lambda p: f"{p}: зимой лето копит, а весной отдаёт."),
     lambda first, second: any(checks.turns_the_season(s) for s in first + second),
     "a sentence «Зимой…, а в Вэйлете…»", checks.SEASON_TURN_LIMIT),
    (last_replaced(lambda p: f"Заводить стоит {p}-й сад."),
     lambda first, second: checks.ADVICE.match(second[-1]), "a closing sentence of advice", 24),
    (first_replaced(lambda p: f"Белый {p}-й Странник идёт."),
     lambda first, second: checks.NAME_FIRST.match(first[0]), "the year's name as the first words",
     72),
    (first_replaced(lambda p: f"Вода играет в {p}-й раз, и дружба проверяется в темноте."),
     lambda first, second: checks.IMAGE_AND_MEANING.match(first[0]),
     "a first sentence «образ, и смысл лета»", checks.IMAGE_AND_MEANING_LIMIT),
    (last_replaced(lambda p: f"Лето это тихое, как {p}-я верста."),
     lambda first, second: any(s.startswith("Лето это тихое") for s in first + second),
     "the opening «лето это тихое…»", 12),
    (last_replaced(lambda p: f"{p}: в это лето всё идёт своим чередом."), whole(r"\bв это лето\b"),
     "«в это лето»", 30),
    (last_replaced(lambda p: f"{p}: спешка здесь опасна."), whole(r"\bопасн"), "«опасно»", 8),
    (last_replaced(lambda p: f"{p}: человек этого лета упорен."), whole(r"\bчеловек\w* этого лета"),
     "«человек этого лета»", 16),
    (last_replaced(lambda p: f"{p}: дети этого лета упорны."),
     whole(r"\b(?:дет(?:и|ей|ям|ьми)|ребён\w*) этого лета"), "«дети этого лета»", 16),
    (last_replaced(lambda p: f"{p}: в такое лето всё спорится."), whole(r"\bв такое лето\b"),
     "«в такое лето»", 16),
    (first_replaced(lambda p: f"Кто {p} раз отмерит, тот один раз отрежет."), whole(r"^Кто\b"),
     "an opening «Кто…»", 6),
    (lambda p, first, second: (first, second[:-1] + (f"Дорога в {p} вёрст, долгая, трудная и не "
                                                      f"всегда прямая, по которой он пойдёт без "
                                                      f"страха и без оглядки, — его путь.",)),
     lambda first, second: re.search(r"— (?:его|её|их|ему|им) (?:путь|поприще|поле|призвание|"
                                     r"стихия|выбор|дело|дороги)\.$|как раз для н\w+\.$",
                                     second[-1]),
     "a closing «— его путь»", 6),
    (last_replaced(lambda p: f"{p}: зимой всё затихает."),
     lambda first, second: any(checks.seasons_named(s) for s in first + second),
     "a month or season named", checks.SEASON_NAMED_LIMIT),
    # The second editor's frames.
    (first_replaced(lambda p: f"Круг Лет в {p}-й раз замыкается."),
     whole(r"^(?:[А-ЯЁ]\w+,? (?:\w+ )?)?Круг\w* Лет\b"), "an opening «N-й Круг Лет…»", 2),
    (last_replaced(lambda p: f"{p}: в священном лете триста шестьдесят девять дней."),
     whole(r"\bтриста шестьдесят девят"), "the sacred year's 369 days", 1),
    (first_replaced(lambda p: f"Золотой {p}-й свет льётся в окна."), whole(r"^Золот"),
     "an opening «Золотой…»", 1),
    (first_replaced(lambda p: f"Белый Странник — {p}-е чистое лето."), whole(r"^Бел\w+ \w+ — "),
     "an opening «Белый X — …»", 1),
    (first_replaced(lambda p: f"По дороге {p} скачет Конь."),
     whole(r"^По \w+(?: \w+)? (?:скачет|бежит|бродит|мчится|несётся)\b"),
     "an opening «По … скачет»", 1),
    (last_replaced(lambda p: f"{p}: его зовут и Коровой."), whole(r"\bзовут и\b"), "«зовут и»", 2),
    (last_replaced(lambda p: f"{p}: свет делает его сильным."), whole(r"\bделает\b"), "«делает»",
     2),
    (last_replaced(lambda p: f"{p}: он возрождается из пепла."), whole(r"\bвозрожда\w*ся\b"),
     "«возрождается»", 2),
    (last_replaced(lambda p: f"{p}: под ним рождаются люди сильные."),
     whole(r"\bрождаются люди\b"), "«рождаются люди»", 1),
    (last_replaced(lambda p: f"{p}: вот что такое этот знак."), whole(r"\bвот что такое\b"),
     "«вот что такое»", 1),
    (last_replaced(lambda p: f"{p}: это хартия."), whole(r"\bхарти"), "«хартия»", 1),
    (last_replaced(lambda p: f"{p}: это Явь при свете."), whole(r"\bЯвь при\b"),
     "«Явь при … свете»", 1),
    (last_replaced(lambda p: f"{p}: к Тайлету всё готово."), whole(r"\bк Тайлету\b"),
     "«к Тайлету»", 2),
    (second_opening_replaced(lambda p: f"Спокойный в {p}-й раз, упорный и смелый, родившийся под "
                                       f"этим знаком держит слово."),
     lambda first, second: checks.QUALITIES_FIRST.match(second[0]),
     "a second paragraph «Гибкий и находчивый, родившийся…»", checks.QUALITIES_FIRST_LIMIT),
    (second_opening_replaced(lambda p: f"Сила, {p}-я по счёту, ловкость и смелость — дары этого "
                                       f"знака."),
     lambda first, second: checks.QUALITIES_LISTED.match(second[0]),
     "a second paragraph «Сила, щедрость и спокойствие — …»", checks.QUALITIES_LISTED_LIMIT),
    (last_replaced(lambda p: f"Торговля, {p}-я верста и дорога ему по душе."),
     lambda first, second: checks.CLOSING_LIST.match(second[-1]), "a closing list «… ему по душе»",
     checks.CLOSING_LIST_LIMIT),
    # The third editor's frames.
    (last_replaced(lambda p: f"{p}: дом, сад и поле — вот что ему дорого."),
     whole(r"— (?:вот|всё это|таков\w*|из этого|самое время)\b"),
     "a list summed up «— вот что…», «— всё это…»", 9),
    (last_replaced(lambda p: f"{p}: всё задуманное ему удаётся."),
     whole(r"\b(?:удаю?тся|удаётся|спор[ия]тся)\b"), "«удаётся», «спорится»", 8),
    (lambda p, first, second: (first, second[:-1] + (f"Соседи, которые знают его {p} лет и видели "
                                                      f"и в беде, и в радости, говорят о нём одно: "
                                                      f"он верен, честен и прям.",)),
     whole(r": (?:он|она|они) [а-яё]+(?:, [а-яё]+)* и [а-яё]+\.(?: |$)"),
     "a closing «: он X и Y.»", 8),
    # A further editor's frames.
    (last_replaced(lambda p: f"{p}: лис бежит по тропе, и хитрость его тиха."),
     whole(r"(?:, и|:) (?:сокровенн\w+ )?(?:мудрость|сила|хитрость|верность|мощь|сытость|шаг|"
           r"высота|стража|защита|путь)\w* (?:его|её)\b"),
     "«…, и мудрость (сила, верность) его …»", 8),
    (last_replaced(lambda p: f"{p}: кто спешит, тот отстаёт."),
     whole(r"(?:(?:^|[.!?] )(?:(?:Но|А|И) )?|: |; |, (?:а|но) )кто\b"),
     "a warning «кто …, тот …»", 8),
    (last_replaced(lambda p: f"{p}: спешить не стоит."), whole(r"\bне стоит\b"),
     "a ban «… не стоит»", 8),
    # An outside reading's frames.
    (last_replaced(lambda p: f"{p}: тайное выходит наружу."),
     whole(frame_pattern("the hidden coming to light")), "the hidden coming to light", 4),
    (last_replaced(lambda p: f"{p}: торопить его нельзя."),
     whole(frame_pattern("a warning against haste")), "a warning against haste", 3),
    # A second outside reading's.
    (last_replaced(lambda p: f"{p}: родившийся под Белым Странником упорен."),
     run_frame("the one born «под ‹имя лета›»"), "the one born «под ‹имя лета›»", 48),
    (last_replaced(lambda p: f"Но {p}-я верста легка."), run_frame("a sentence that opens «Но»"),
     "a sentence that opens «Но»", 12),
    # A fourth's.
    (last_replaced(lambda p: f"{p}: терпению ему надо учиться."),
     run_frame("the moral «надо учиться»"), "the moral «надо учиться»", 3),
    (last_replaced(lambda p: f"{p}: он ищет не славы, а дела."), run_frame("«не X, а Y»"),
     "«не X, а Y»", 30),
)
# A sentence with each frame of checks.RUN_FRAMES, to put into years running.
RUN_SENTENCES = {
    "the one born «под ‹имя лета›»": "{p}: родившийся под Белым Странником упорен.",
    "a sentence that opens «Но»": "Но {p}-я верста легка.",
    "the moral «надо учиться»": "{p}: терпению ему надо учиться.",
    "«не X, а Y»": "{p}: он ищет не славы, а дела.",
}
# Each image that once came back from year to year, with a sentence that puts it into a text.
IMAGE_SENTENCES = {
    "«первым выходит в поле»": "{p}: он первым выходит на работу.",
    "the snake's skin": "{p}: кожа у него тонкая.",
    "«пятно на белом»": "{p}: ложь видна, как пятно на белом.",
    "a horse worked to exhaustion": "{p}: работа без отдыха ему вредит.",
    "kin gathered under one roof": "{p}: всех своих он держит под одной крышей.",
    "«заложить сад»": "{p}: он охотно закладывает сад.",
    "a current under the ice": "{p}: его сила идёт подо льдом.",
    "long nights": "{p}: долгие ночи он проводит за книгой.",
    "the tide": "{p}: удача приходит к нему, как прилив.",
    "growth rings": "{p}: он растёт годовыми кольцами.",
    "burnt bridges": "{p}: сжигать мосты он не любит.",
    "a star-chaser who does not look down": "{p}: он гонится за звездой.",
    "blind devotion": "{p}: слепая преданность ему чужда.",
    "suspicion": "{p}: подозрительность ему вредит.",
    "looking down from a height": "{p}: свысока он ни на кого не смотрит.",
    "milk shared": "{p}: молоко он делит с соседями.",
    "the winds of Вэйлет": "{p}: ветры Вэйлета зовут его в путь.",
    "grudges piled up until they break out": "{p}: обиды копятся в доме.",
    "old debts settled": "{p}: вернуть старые долги он успеет.",
    "«кормит годами»": "{p}: дело кормит его годами.",
    "«верен до конца»": "{p}: он верен до конца.",
    "«не по годам»": "{p}: он мудр не по годам.",
    "«держать в узде»": "{p}: гнев он держит в узде.",
    "«наука» for a lesson": "{p}: в этом его наука.",
    "«главная ловушка»": "{p}: гордость — главная ловушка.",
    "the dog lying at the threshold": "{p}: пёс лежит у порога.",
    "the red fur": "{p}: рыжая шуба горит на солнце.",
    "«расправляет крылья»": "{p}: он расправляет крылья.",
    "nursing the sick": "{p}: уход за больными ему по сердцу.",
    "the apiary": "{p}: пасека у него богатая.",
    "the forest plot": "{p}: лесная делянка у него ухожена.",
    "«языки даются»": "{p}: языки даются ему легко.",
    "the study of law": "{p}: он изучает право.",
    "«вдвойне»": "{p}: он рад вдвойне.",
    "the well-heated stove": "{p}: печь у него жарко натоплена.",
    "«учёба»": "{p}: учёба идёт у него без запинки.",
}
FRAMES += tuple((last_replaced(lambda p, s=IMAGE_SENTENCES[image[0]]: s.format(p=p)),
                 whole(image[1]), f"the image {image[0]}", checks.image_limit(image))
                for image in checks.IMAGES)


def features(first, second):
    text = " ".join(first + second)
    found = {what for what, pattern, _ in checks.FRAMES if re.search(pattern, text, re.IGNORECASE)}
    found |= {what for what, pattern, *_ in checks.IMAGES if re.search(pattern, text, re.IGNORECASE)}
    if any(checks.seasons_named(s) for s in first + second):
        found.add("a month or season named")
    return found


def breaks_another_rule(put, p, first, second):
    """How many other frames putting the frame into this year would bring along, and whether it
    would put «это лето» into the text more than twice: such years are taken last."""
    changed = put(p, first, second)
    this_year = checks.THIS_YEAR.findall(" ".join(changed[0] + changed[1]))
    return (len(this_year) > checks.THIS_YEAR_LIMIT,
            len(features(*changed) - features(first, second)))


def with_frame(put, has, count, apart=False):
    """The shipped texts with the frame put into years that lack it until count texts have it,
    taken from the three blocks in turn so that the blocks stay alike; apart, only into years next
    to none that has it, for a frame that may not run."""
    characteristics = copy.deepcopy(years.CHARACTERISTICS)
    framed = {p for p in characteristics if has(*characteristics[p])}
    lacking = sorted((p for p in characteristics if p not in framed),
                     key=lambda p: (breaks_another_rule(put, p, *characteristics[p]),
                                    (p - 1) % 48, p))
    for p in lacking:
        if len(framed) < count and not (apart and framed & {p - 1, p + 1}):
            characteristics[p] = put(p, *characteristics[p])
            framed.add(p)
    return characteristics


def every_second_paragraph_of_one_in_years_1_to_48(characteristics):
    for p in range(1, 49):
        first, second = characteristics[p]
        if len(second) == 2 and len(first) + 2 >= 5:
            joined = second[0][:-1] + "; " + second[1][0].lower() + second[1][1:]
            characteristics[p] = (first, (joined,))


class check_text(unittest.TestCase):
    def test_refuses_each_fault_and_passes_the_sound_forms(self):
        for text, fault in FAULTY_TEXTS:
            with self.subTest(text=text):
                self.assertRaisesRegex(checks.TextError, re.escape(fault), checks.check_text, "",
                                       text)
        for text in SOUND_TEXTS:
            with self.subTest(text=text):
                checks.check_text("", text)

    def test_refuses_each_calque_of_the_list(self):
        hit = set()
        for text in CALQUE_TEXTS:
            with self.subTest(text=text):
                self.assertRaisesRegex(checks.TextError, "calque", checks.check_text, "", text)
                hit |= {what for pattern, what in checks.CALQUE if pattern.search(text)}
        self.assertEqual(hit, {what for _, what in checks.CALQUES})

    def test_refuses_each_modern_word_of_the_list(self):
        hit = set()
        for text in MODERN_TEXTS:
            with self.subTest(text=text):
                self.assertRaisesRegex(checks.TextError, "a modern word", checks.check_text, "", text)
                hit |= {what for pattern, what in checks.MODERN_WORD if pattern.search(text)}
        self.assertEqual(hit, {what for _, what in checks.MODERN_WORDS})
        checks.check_text("", "Менять проверенное на новомодное не стоит, а честное управление "
                              "идёт на пользу.")


class check_year_text(unittest.TestCase):
    def test_refuses_digits_and_the_present(self):
        for text, fault in FAULTY_YEAR_TEXTS:
            with self.subTest(text=text):
                self.assertRaisesRegex(checks.TextError, re.escape(fault), checks.check_year_text,
                                       "", text)
        for text in SOUND_YEAR_TEXTS:
            with self.subTest(text=text):
                checks.check_year_text("", text)

    def test_the_library_runs_it_on_every_year_text(self):
        rows = shipped_rows()
        checks.check_library(rows)
        i = rows.index(("лето", (112,), years.characteristic(112)))
        rows[i] = rows[i][:2] + (rows[i][2].replace("Седьмой Круг Лет уходит",
                                                    "С ним 7-й Круг Лет уходит"),)
        self.assertRaisesRegex(checks.TextError, re.escape("лето (112,): a number in digits, «7»"),
                               checks.check_library, rows)


def with_year_texts(change):
    """The shipped rows with change(p, text) -> text applied to every year text."""
    return [(t, key, change(key[0], text) if t == "лето" else text) for t, key, text in
            shipped_rows()]


def year_texts(change=lambda p, text: text):
    return {p: change(p, years.characteristic(p)) for p in years.YEARS}


def first_sentence_has_colon(text):
    return ":" in checks.sentences(text)[0]


# A sentence with the stock colour image of each element.
COLOUR_SENTENCES = {
    "Земля": "Поле здесь чёрное и жирное.",
    "Звезда": "Над крышей горит красная звезда.",
    "Огонь": "Над очагом вьётся алое пламя.",
    "Солнце": "Поле стоит в золотом свете.",
    "Дерево": "Вокруг шумит зелёная листва.",
    "Сварга": "Над полем раскинулось голубое небо.",
    "Океан": "У берега плещет синяя вода.",
    "Луна": "Двор залит лиловым светом.",
    "Бог": "Во дворе сохнет белое полотно.",
}


# A sentence with each element's or name's stock frame.
GROUP_SENTENCES = {
    "own star, far goal or calling": "Над полем горит путеводная звезда.",
    "roots": "Дом держится на корнях.",
    "dreamer who forgets the ground": "Мечты уводят его от дома.",
    "pasture": "Стадо пасётся у реки.",
    "ploughland and black soil": "За околицей лежит пашня.",
    "reserve for the voyage": "В дорогу берут запас хлеба.",
    "rising again after a loss": "После потерь он поднимается.",
    "scroll unrolled and all that is written in it": "Свиток развёрнут.",
    "open sky": "Работают под открытым небом.",
    "openness": "Всё делают у всех на виду.",
}


def group_years(group, pattern):
    """The group's years in order, and those of them whose texts have the frame."""
    own = [p for p in years.YEARS if checks.in_group(p, group)]
    return own, [p for p in own if re.search(pattern, years.characteristic(p), re.IGNORECASE)]


def framed(group, frame, pattern, count):
    """A change that adds the group's frame sentence to its years until count texts have it, none
    of them next to another of the group's years that has it."""
    own, has = group_years(group, pattern)
    chosen = set(has)
    for i, p in enumerate(own):
        if len(chosen) < count and not chosen & set(own[max(i - 1, 0):i + 2]):
            chosen.add(p)
    return lambda p, text: text + " " + GROUP_SENTENCES[frame] if p in chosen - set(has) else text


def framed_in_a_row(group, frame, pattern, count):
    """A change that adds the group's frame sentence to its first count years."""
    own, _ = group_years(group, pattern)
    return lambda p, text: text + " " + GROUP_SENTENCES[frame] if p in own[:count] else text


def coloured(element, count):
    """A change that adds the element's colour sentence to its years until count texts have it."""
    own = [p for p in years.YEARS if years.element_of(p)[0] == element]
    has = [p for p in own if checks.colour_images(p, years.characteristic(p))]
    chosen = [p for p in own if p not in has][:count - len(has)]
    return lambda p, text: text + " " + COLOUR_SENTENCES[element] if p in chosen else text


# The library runs each check below on its rows; the tables of faults then go to the check itself.
class check_year_texts(unittest.TestCase):
    def test_every_boundary_year_names_its_circle_of_years(self):
        checks.check_year_texts(year_texts())
        for p in (p for p in years.YEARS if p % 16 in (0, 1)):
            with self.subTest(year=p):
                texts = year_texts(lambda q, text: re.sub(r"Круг\w* Лет", "срок", text)
                                   if q == p else text)
                self.assertRaisesRegex(checks.TextError, f"лето {p}: a boundary year",
                                       checks.check_year_texts, texts)
        for p, right, wrong in ((80, "пятый", "шестой"), (128, "восьмой", "седьмой")):
            with self.subTest(year=p, ordinal=wrong):
                rows = with_year_texts(lambda q, text: text.replace(right, wrong) if q == p
                                       else text)
                self.assertRaisesRegex(checks.TextError, f"лето {p}: a boundary year",
                                       checks.check_library, rows)

    def test_passes_colon_openings_at_their_limit_and_refuses_one_more(self):
        texts = year_texts()
        has = [p for p, text in texts.items() if first_sentence_has_colon(text)]
        lacking = [p for p, text in texts.items() if p not in has and text.count(":") <= 1]

        def opened(count):
            chosen = lacking[:count - len(has)]
            return with_year_texts(lambda p, text: "Так заведено исстари: лето идёт своим "
                                   "чередом. " + text if p in chosen else text)

        checks.check_library(opened(checks.COLON_OPENINGS_LIMIT))
        self.assertRaisesRegex(checks.TextError, "a first sentence built on a colon in 43 texts, "
                               "more than 42", checks.check_library, opened(43))

    def test_passes_each_colour_image_at_its_limit_and_refuses_one_more(self):
        checks.check_library(with_year_texts(coloured("Звезда", checks.COLOUR_IMAGE_LIMIT)))
        self.assertRaisesRegex(checks.TextError, "the colour image of Звезда in 6 texts, more "
                               "than 5", checks.check_library,
                               with_year_texts(coloured("Звезда", 6)))
        for element in COLOUR_SENTENCES:
            with self.subTest(element=element):
                checks.check_year_texts(year_texts(coloured(element, checks.COLOUR_IMAGE_LIMIT)))
                self.assertRaisesRegex(checks.TextError, f"the colour image of {element} in 6 "
                                       f"texts, more than 5", checks.check_year_texts,
                                       year_texts(coloured(element, 6)))

    def test_passes_each_group_frame_at_its_limit_and_refuses_one_more(self):
        self.assertEqual([frame for _, frame, *_ in checks.GROUP_FRAMES], list(GROUP_SENTENCES))
        for group, frame, pattern, limit, _ in checks.GROUP_FRAMES:
            with self.subTest(group=group, frame=frame):
                checks.check_year_texts(year_texts(framed(group, frame, pattern, limit)))
                self.assertRaisesRegex(checks.TextError, f"the {group} years' {frame} in "
                                       f"{limit + 1} texts, more than {limit}",
                                       checks.check_year_texts,
                                       year_texts(framed(group, frame, pattern, limit + 1)))
        group, frame, pattern, limit, _ = checks.GROUP_FRAMES[0]
        self.assertRaisesRegex(checks.TextError, f"the {group} years' {frame}",
                               checks.check_library,
                               with_year_texts(framed(group, frame, pattern, limit + 1)))

    def test_refuses_a_group_frame_in_more_of_its_years_in_a_row_than_it_may(self):
        for group, frame, pattern, _, run in checks.GROUP_FRAMES:
            with self.subTest(group=group, frame=frame):
                self.assertRaisesRegex(checks.TextError, f"the {group} years' {frame} in "
                                       rf"\d+ of them in a row, more than {run}",
                                       checks.check_year_texts,
                                       year_texts(framed_in_a_row(group, frame, pattern, run + 1)))
        group, frame, pattern, _, run = checks.GROUP_FRAMES[-1]
        self.assertRaisesRegex(checks.TextError, rf"the {group} years' {frame} in \d+ of them in "
                               f"a row", checks.check_library,
                               with_year_texts(framed_in_a_row(group, frame, pattern, run + 1)))

    def test_every_hram_year_says_it_is_the_sacred_one(self):
        for p in range(16, 145, 16):
            with self.subTest(year=p):
                texts = year_texts(lambda q, text: re.sub(r"священн\w* ", "", text) if q == p
                                   else text)
                self.assertRaisesRegex(checks.TextError, f"лето {p}: a Храм year that does not say "
                                       f"it is the sacred one", checks.check_year_texts, texts)
        unsaid = with_year_texts(lambda q, text: text.replace("последнее священное лето",
                                                              "последнее лето"))
        self.assertRaisesRegex(checks.TextError, "лето 144: a Храм year", checks.check_library,
                               unsaid)

    def test_the_names_of_earth_and_god_years_are_no_colour_image(self):
        self.assertEqual(checks.colour_images(2, "За советом к рождённым под Белым Жрецом "
                                                 "приходят рано."), [])
        self.assertEqual(checks.colour_images(2, "Белое перо не выдерживает грязи."), ["Белое"])


def month_after_each_day(month, text):
    return re.sub(r"\b((?:по|с) \d+-(?:е|го))", rf"\1 {halls.genitive(month)}", text,
                  flags=re.IGNORECASE)


class check_hall_change(unittest.TestCase):
    def test_refuses_the_month_named_again_for_each_day_of_a_hall_change(self):
        rows = shipped_rows()
        i = rows.index(("четверть", ("Рамхат", 3), quarters.QUARTERS["Рамхат"][3]))
        rows[i] = rows[i][:2] + (month_after_each_day("Рамхат", rows[i][2]),)
        self.assertRaisesRegex(checks.TextError, re.escape("четверть ('Рамхат', 3): the month "
                               "named 3 times"), checks.check_library, rows)
        changing = [(month, key) for month in quarters.QUARTERS for key in quarters.QUARTERS[month]
                    if halls.hall_changes(month, key)]
        self.assertEqual(len(changing), 14)
        for month, key in changing:
            with self.subTest(month=month, quarter=key):
                text = quarters.QUARTERS[month][key]
                checks.check_hall_change("", month, text)
                self.assertRaisesRegex(checks.TextError, "the month named [23] times where its "
                                       "hall changes", checks.check_hall_change, "", month,
                                       month_after_each_day(month, text))


class check_characteristics(unittest.TestCase):
    def test_refuses_each_fault_in_texts_that_pass_as_shipped(self):
        checks.check_characteristics(years.CHARACTERISTICS)
        for change, fault in FAULTY_YEARS:
            with self.subTest(fault=fault):
                self.assertRaisesRegex(checks.TextError, fault, checks.check_characteristics,
                                       broken(change))


class check_frames(unittest.TestCase):
    def test_passes_each_frame_at_its_limit_and_refuses_one_more(self):
        running = {what for what, *_ in checks.RUN_FRAMES}
        for put, has, frame, limit in FRAMES:
            with self.subTest(frame=frame):
                at_limit = with_frame(put, has, limit, frame in running)
                self.assertEqual(sum(bool(has(*t)) for t in at_limit.values()), limit)
                checks.check_characteristics(at_limit)
                self.assertRaisesRegex(checks.TextError, re.escape(f"{frame} in {limit + 1} texts"),
                                       checks.check_characteristics,
                                       with_frame(put, has, limit + 1, frame in running))

    def test_refuses_a_frame_in_more_years_running_than_it_may(self):
        for what, _, _, run in checks.RUN_FRAMES:
            with self.subTest(frame=what):
                has = run_frame(what)
                lacking = {p for p, paragraphs in years.CHARACTERISTICS.items() if not has(*paragraphs)}
                # A year that has the frame alone, with room after it: the run grows from it, so
                # that the frame is put into as few more texts as a run of its length needs.
                first = next(p for p in years.YEARS if p not in lacking and all(
                    q in lacking or q not in years.YEARS
                    for q in (p - 1, *range(p + 1, p + run + 3))))
                put = last_replaced(lambda p, s=RUN_SENTENCES[what]: s.format(p=p))

                def running(count):
                    characteristics = copy.deepcopy(years.CHARACTERISTICS)
                    for p in range(first + 1, first + count):
                        characteristics[p] = put(p, *characteristics[p])
                    return characteristics

                checks.check_characteristics(running(run))
                self.assertRaisesRegex(checks.TextError, re.escape(f"{what} in {run + 1} years in a "
                                                                   f"row"),
                                       checks.check_characteristics, running(run + 1))

    def test_refuses_three_blocks_built_differently(self):
        self.assertRaisesRegex(checks.TextError, "the blocks read as three writers",
                               checks.check_characteristics,
                               broken(every_second_paragraph_of_one_in_years_1_to_48))


def shipped_rows():
    return years.rows() + halls.rows()


class check_repeats(unittest.TestCase):
    def test_passes_each_repeat_at_its_limit_and_refuses_one_more(self):
        samples = {
            "«целиком»": "Она целиком светла.",
            "«в эти дни»": "Он светел в эти дни.",
            "«в эту пору»": "Он светел в эту пору.",
            "«умеет»": "Он умеет ждать.",
            "«лежит в Чертоге»": "День лежит в Чертоге.",
            "«по N … длится Чертог …, а с N+1 … начинается»": "По 5 дней длится Чертог.",
            "«По преданию»": "По преданию, он светел.",
            "«традиция»": "Так велит традиция.",
            "«все эти дни»": "Все эти дни светлы.",
            "«отжившее»": "Он отпускает отжившее.",
            "«раньше других»": "Он видит это раньше других.",
            "a sentence that opens «Родившийся…» or «Рождённый…»": "Родившийся тогда светел.",
            "«так же»": "Они так же светлы.",
            "a line «Знак бога — …»": "Знак бога — сокол.",
            "«рождённые под ним»": "Рождённые под ним светлы.",
            "the one born in them («родившийся», «рождённый», «кто родился»)":
                "Кто родился тогда, тот светел.",
            "«завершает (замыкает, закрывает) месяц»": "День завершает месяц.",
            "an opening «Последняя четверть»": "Последняя четверть светла.",
            "an opening «Сорок первый день»": "Сорок первый день светел.",
            "an opening «X, месяц Y, …»": "Айлет, месяц светлый, идёт.",
            "«Чертог X, чертог Y»": "Это Чертог Щуки, чертог Рожаны.",
            "an opening «Чертог X длится»": "Чертог Вепря длится долго.",
        }

        def put(text, sample, pattern):
            # An opening goes before the text, anything else after it.
            return sample + " " + text if pattern.startswith("^") else text + " " + sample

        for table, what, pattern, limit in checks.REPEATS:
            with self.subTest(repeat=what):
                rows = shipped_rows()
                has = [i for i, (t, _, text) in enumerate(rows) if t == table and
                       re.search(pattern, text, re.IGNORECASE)]
                lacking = [i for i, (t, key, text) in enumerate(rows) if t == table and
                           i not in has and not key[0].endswith("1")]
                for i in lacking[:limit - len(has)]:
                    rows[i] = rows[i][:2] + (put(rows[i][2], samples[what], pattern),)
                checks.check_repeats(rows)
                i = lacking[limit - len(has)]
                rows[i] = rows[i][:2] + (put(rows[i][2], samples[what], pattern),)
                self.assertRaisesRegex(checks.TextError, re.escape(f"{what} in {limit + 1} texts"),
                                       checks.check_repeats, rows)


class check_quarter(unittest.TestCase):
    def test_refuses_a_quarter_that_hides_the_day_its_hall_changes(self):
        text = quarters.QUARTERS["Рамхат"][3]
        halls.check_quarter("Рамхат", 3, text)
        hidden = text.replace("Чертога Вепря: этот чертог стоит по 21-е, а с 22-го начинается",
                              "Чертога Вепря, а затем начинается")
        self.assertNotEqual(hidden, text)
        self.assertRaisesRegex(checks.TextError, "changes on 22", halls.check_quarter, "Рамхат", 3,
                               hidden)

    def test_refuses_a_quarter_that_tells_its_halls_beast_again(self):
        for month, key, told in (("Рамхат", 1, "Вепрь взрывает клыками нетронутую землю."),
                                 ("Рамхат", 3, "Щука перед зимой кормится жадно."),
                                 ("Гэйлет", 1, "Как медведь в берлоге, они пережидают мороз."),
                                 ("Дайлет", 41, "Лис слушает лёд, прежде чем ступить."),
                                 ("Вэйлет", 4, "Им дана неутомимость коня на перегоне.")):
            with self.subTest(month=month, key=key):
                text = quarters.QUARTERS[month][key]
                halls.check_quarter(month, key, text)
                self.assertRaisesRegex(checks.TextError, "the hall's beast", halls.check_quarter,
                                       month, key, f"{text} {told}")

    def test_takes_the_days_of_a_hall_change_without_the_month_and_checks_them(self):
        text = quarters.QUARTERS["Рамхат"][3]
        for said, fault in (("по 21 Рамхата, а с 22 Рамхата", "changes on 22"),
                            ("по 20-е, а с 22-го", "changes on 22"),
                            ("по 21-е, а с 22-го, по 25-е", "no hall ends on 25"),
                            ("по 21-е, а с 22-го и с 12-го", "cites 12")):
            with self.subTest(said=said):
                self.assertRaisesRegex(checks.TextError, fault, halls.check_quarter, "Рамхат", 3,
                                       text.replace("по 21-е, а с 22-го", said))


if __name__ == "__main__":
    unittest.main()
