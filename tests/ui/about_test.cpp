#include "output/about_text.h"
#include "tests/ui/ui_fixture.h"

#include "ui/about.h"
#include "ui/start.h"

#include <ostream>
#include <string>
#include <vector>

namespace круголет {
namespace {

class AboutWindow : public Окна {
  protected:
    // Presses "Справка" and runs `действия` in the open About window.
    void открыть(std::function<void(Окно_для_тестов &)> действия) {
        платформа.в_диалоге = std::move(действия);
        щелкнуть(кнопка_справки);
        ASSERT_EQ(платформа.диалоги.size(), 1u);
    }
};

TEST_F(AboutWindow, TemplateHasTheTitleFontPlaceAndControlsInOrder) {
    const Шаблон_диалога &ш = шаблон_окна_о_программе();
    EXPECT_EQ(ш.ресурс, 10000);
    EXPECT_EQ(ш.заголовок, std::string(38, ' ') + "О программе");
    EXPECT_EQ(ш.шрифт, "Times New Roman");
    EXPECT_EQ(ш.размер_шрифта, 10);
    EXPECT_EQ(ш.место.x, 40);
    EXPECT_EQ(ш.место.y, 32);
    EXPECT_EQ(ш.место.ширина, 230);
    EXPECT_EQ(ш.место.высота, 142);
    const std::vector<std::pair<int, Вид_элемента>> порядок{
        {1, Вид_элемента::кнопка_по_умолчанию},
        {10006, Вид_элемента::поле_только_чтение},
        {10001, Вид_элемента::надпись},
        {10002, Вид_элемента::надпись},
        {10003, Вид_элемента::надпись},
        {10004, Вид_элемента::надпись},
        {10005, Вид_элемента::рамка}};
    ASSERT_EQ(ш.элементы.size(), порядок.size());
    for (std::size_t i = 0; i < порядок.size(); ++i) {
        EXPECT_EQ(ш.элементы[i].номер, порядок[i].first);
        EXPECT_EQ(ш.элементы[i].вид, порядок[i].second);
    }
    EXPECT_EQ(ш.элементы[0].текст, "Ok");
    EXPECT_EQ(ш.элементы[1].текст, " ");
    for (std::size_t i = 2; i < 6; ++i)
        EXPECT_FALSE(ш.элементы[i].текст.empty()) << ш.элементы[i].номер;
}

TEST_F(AboutWindow, TextIsTheFourteenPiecesEachFollowedByABlank) {
    const std::string т = текст_о_программе();
    // The first line ends in the date; piece 1 has two blanks after "от".
    EXPECT_EQ(т.substr(0, т.find('\n')), "Версия от  21.12.2003г.");
    // Each junction: the end of one piece, its blank, the start of the next.
    for (const char *стык :
         {"Инглинги. \n\nОсновные функции", "календарю. \n2. Определение",
          "Праздника. \n3. Определение", "Покровителя. \n\nОсновные отличия",
          "каждый. \n2. В отличие", "5 стихий, \nСлавянский Календарь", "16 лет. \n3. Каждый год",
          "образ сущности года. \n4. Год", "сезону года. \n5. Продолжительность",
          "41 дню \n6. Неделя", "Неделя. \n7. Благодаря", "другой день недели. \n8. Сутки",
          "144 части. \n\nПримечание:\n"})
        EXPECT_NE(т.find(стык), std::string::npos) << стык;
    EXPECT_TRUE(т.ends_with("(Дьяволу) и т.п. "));
    EXPECT_EQ(т.find('%'), std::string::npos);
}

TEST_F(AboutWindow, RepaintSetsTheIconDrawsTheEagleAndWritesTheText) {
    запустить();
    платформа.единица_диалога = {6, 13}; // the text field's top: 52 × 13 / 8 = 84.5 → 85
    платформа.картинки[картинка_орла] = {3, 2};
    открыть([&](Окно_для_тестов &диалог) {
        Окно_для_тестов &поле = диалог.элемент_с_номером(10006);
        ASSERT_EQ(поле.место.верх, 85);
        EXPECT_EQ(поле.текст(), " "); // until the first repaint
        EXPECT_EQ(платформа.отправить(диалог, {Вид_события::перерисовка}), обработано);
        EXPECT_EQ(диалог.значок, 9012);
        ASSERT_EQ(платформа.картинки_нарисованы.size(), 1u);
        const Нарисованная_картинка &к = платформа.картинки_нарисованы[0];
        EXPECT_EQ(к.окно, &диалог);
        EXPECT_EQ(к.ресурс, 10023);
        // 3 × 85 / 2 = 127.5, rounded away from zero; the left edge stays at 2.
        EXPECT_EQ(к.куда, (Прямоугольник{2, 0, 128, 85}));
        EXPECT_EQ(поле.текст(), текст_о_программе());
        EXPECT_EQ(платформа.рисований_вне_перерисовки, 0);
    });
}

struct Строка_промежутка {
    Промежуток промежуток;
    const char *текст;
};

void PrintTo(const Строка_промежутка &строка, std::ostream *поток) {
    *поток << (строка.промежуток == Промежуток::широкий ? "Wide" : "CircleOfLife");
}

class AboutRange : public AboutWindow, public testing::WithParamInterface<Строка_промежутка> {};

// The template, like the Windows resource, holds the Circle of Life's line; the repaint writes
// the line of the range the main window was started with.
TEST_P(AboutRange, FourthLineNamesTheRangeInForce) {
    запустить_круголет(платформа, {.принтер = принтер, .промежуток = GetParam().промежуток});
    открыть([&](Окно_для_тестов &диалог) {
        Окно_для_тестов &строка = диалог.элемент_с_номером(10004);
        EXPECT_EQ(строка.текст(), "Расчет по Кругу Жизни 22.09.1868 – 22.09.2012");
        платформа.отправить(диалог, {Вид_события::перерисовка});
        EXPECT_EQ(строка.текст(), GetParam().текст);
    });
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, AboutRange,
    testing::Values(
        Строка_промежутка{Промежуток::круг_жизни, "Расчет по Кругу Жизни 22.09.1868 – 22.09.2012"},
        Строка_промежутка{Промежуток::широкий, "Расчет по Кругам Жизни 19.09.1800 – 21.09.2099"}));

TEST_F(AboutWindow, EveryRepaintWritesTheTextAnew) {
    запустить();
    открыть([&](Окно_для_тестов &диалог) {
        Окно_для_тестов &поле = диалог.элемент_с_номером(10006);
        платформа.отправить(диалог, {Вид_события::перерисовка});
        поле.установить_текст("затерто");
        платформа.отправить(диалог, {Вид_события::перерисовка});
        EXPECT_EQ(поле.текст(), текст_о_программе());
        EXPECT_EQ(платформа.картинки_нарисованы.size(), 2u);
    });
}

TEST_F(AboutWindow, OkClosesAndNothingElseDoes) {
    запустить();
    открыть([&](Окно_для_тестов &диалог) {
        for (int номер : {0, 2, 10001, 10005, 10006, 10014, 10016})
            EXPECT_NE(платформа.отправить(диалог, {Вид_события::команда, номер}), обработано)
                << номер;
        EXPECT_NE(платформа.отправить(диалог, {Вид_события::прочее}), обработано);
        EXPECT_NE(платформа.отправить(диалог, {Вид_события::отпускание_клавиши, 0, Клавиша::ввод}),
                  обработано);
        EXPECT_NE(платформа.отправить(диалог, {Вид_события::активация}), обработано);
        EXPECT_FALSE(диалог.закрыт);
        EXPECT_EQ(платформа.отправить(диалог, {Вид_события::команда, 1}), обработано);
        EXPECT_TRUE(диалог.закрыт);
    });
}

TEST_F(AboutWindow, EachHelpBuildsTheWindowAnew) {
    запустить();
    int открыто = 0;
    платформа.в_диалоге = [&](Окно_для_тестов &диалог) {
        ++открыто;
        EXPECT_EQ(диалог.элемент_с_номером(10006).текст(), " ");
        платформа.отправить(диалог, {Вид_события::перерисовка});
        платформа.отправить(диалог, {Вид_события::команда, 1});
    };
    щелкнуть(кнопка_справки);
    щелкнуть(кнопка_справки);
    EXPECT_EQ(открыто, 2);
    ASSERT_EQ(платформа.диалоги.size(), 2u);
    EXPECT_TRUE(платформа.диалоги[0]->закрыт);
    EXPECT_TRUE(платформа.диалоги[1]->закрыт);
}

} // namespace
} // namespace круголет
