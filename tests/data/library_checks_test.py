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
    "Лето клонится к концу, и в Тайлете наступает канун Новолетия.",
    "В Элете сеют, на Тайлет приходится жатва, а с 22 Рамхата начинается Чертог Щуки.",
    "Зима на исходе, земля засеяна, а зима — для долгого чтения.",
    "Хорошо строить дом, создавать семью, закладывать сад и начинать учёбу.",
    "Ему легко начинать заново, а переезд в свой дом он не откладывает.",
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


def last_replaced(sentence):
    return lambda p, first, second: (first, second[:-1] + (sentence(p),))


def first_replaced(sentence):
    return lambda p, first, second: ((sentence(p),) + first[1:], second)


def whole(pattern):
    return lambda first, second: re.search(pattern, " ".join(first + second), re.IGNORECASE)


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
    (last_replaced(lambda p: f"{p}: стоит начинать учёбу."),
     whole(r"(?:хорошо|стоит|лучше) начина|начина\w* стоит"), "«хорошо/стоит начинать»", 12),
    (first_replaced(lambda p: f"{p}: осенью лето собирает, зимой бережёт, а весной отдаёт."),
     lambda first, second: any(checks.walks_the_seasons(s) for s in first + second),
     "a sentence «Осенью…, зимой…, весной…»", 36),
    (last_replaced(lambda p: f"{p}: зимой лето копит, а в Вэйлете отдаёт."),
     lambda first, second: any(checks.turns_the_season(s) for s in first + second),
     "a sentence «Зимой…, а в Вэйлете…»", 48),
    (last_replaced(lambda p: f"Заводить стоит {p}-й сад."),
     lambda first, second: checks.ADVICE.match(second[-1]), "a closing sentence of advice", 24),
    (first_replaced(lambda p: f"Белый {p}-й Странник идёт."),
     lambda first, second: checks.NAME_FIRST.match(first[0]), "the year's name as the first words",
     72),
    (last_replaced(lambda p: f"Лето это тихое, как {p}-я верста."),
     lambda first, second: any(s.startswith("Лето это тихое") for s in first + second),
     "the opening «лето это тихое…»", 12),
)


def with_frame(put, has, count):
    """The shipped texts with the frame put into years that lack it until count texts have it,
    taken from the three blocks in turn so that the blocks stay alike."""
    characteristics = copy.deepcopy(years.CHARACTERISTICS)
    lacking = sorted((p for p in characteristics if not has(*characteristics[p])),
                     key=lambda p: ((p - 1) % 48, p))
    for p in lacking[:count - (len(characteristics) - len(lacking))]:
        characteristics[p] = put(p, *characteristics[p])
    return characteristics


def every_second_paragraph_of_two_in_years_1_to_48(characteristics):
    for p in range(1, 49):
        first, second = characteristics[p]
        if len(second) == 1:
            characteristics[p] = (first[:-1], first[-1:] + second)


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


class check_characteristics(unittest.TestCase):
    def test_refuses_each_fault_in_texts_that_pass_as_shipped(self):
        checks.check_characteristics(years.CHARACTERISTICS)
        for change, fault in FAULTY_YEARS:
            with self.subTest(fault=fault):
                self.assertRaisesRegex(checks.TextError, fault, checks.check_characteristics,
                                       broken(change))


class check_frames(unittest.TestCase):
    def test_passes_each_frame_at_its_limit_and_refuses_one_more(self):
        for put, has, frame, limit in FRAMES:
            with self.subTest(frame=frame):
                at_limit = with_frame(put, has, limit)
                self.assertEqual(sum(bool(has(*t)) for t in at_limit.values()), limit)
                checks.check_characteristics(at_limit)
                self.assertRaisesRegex(checks.TextError, re.escape(f"{frame} in {limit + 1} texts"),
                                       checks.check_characteristics,
                                       with_frame(put, has, limit + 1))

    def test_refuses_three_blocks_built_differently(self):
        self.assertRaisesRegex(checks.TextError, "the blocks read as three writers",
                               checks.check_characteristics,
                               broken(every_second_paragraph_of_two_in_years_1_to_48))


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
