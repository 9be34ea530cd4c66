#include "print_run.h"

namespace круголет {
namespace {

// The rows of the first page of a single-page print on the 600 dpi printer (the first baseline
// 488, the step 94).
std::vector<Надпись> ряды_страницы(std::string_view текст) {
    Записывающий_принтер принтер;
    const Запись_печати &запись = напечатать(принтер, текст);
    EXPECT_EQ(запись.страницы.size(), 1u);
    return запись.страницы.empty() ? std::vector<Надпись>{} : ряды(запись.страницы[0]);
}

Надпись ряд(int номер, std::string текст) {
    return {150, 488 + 94 * номер, std::move(текст)};
}

TEST(TextPrinting, AnEmptyTextStartsAndEndsAJobWithNoPage) {
    Записывающий_принтер принтер;
    const Запись_печати &запись = напечатать(принтер, "");
    EXPECT_EQ(запись.задания, std::vector<std::string>{"Печать текста..."});
    EXPECT_TRUE(запись.страницы.empty());
}

TEST(TextPrinting, AJobThatCannotStartFailsAndDrawsNothing) {
    Записывающий_принтер принтер;
    принтер.подключен = false;
    EXPECT_FALSE(напечатать_текст(принтер, "отчёт", 6));
    EXPECT_TRUE(принтер.запись.задания.empty());
    EXPECT_TRUE(принтер.запись.страницы.empty());
    EXPECT_EQ(заголовок_ошибки_печати, "Ошибка печати");
    EXPECT_EQ(текст_ошибки_печати, "Не могу инициализировать принтер");
}

TEST(TextPrinting, ATextThatFillsTheLastRowExactlyPrintsNoFurtherPage) {
    const std::pair<std::string, std::size_t> тексты_и_страницы[]{
        {повтор("ряд\n", 63) + "ряд", 1}, {повтор("ряд\n", 64), 1}, {повтор("ряд\n", 128), 2}};
    for (const auto &[текст, страниц] : тексты_и_страницы) {
        Записывающий_принтер принтер;
        const Запись_печати &запись = напечатать(принтер, текст);
        EXPECT_EQ(запись.страницы.size(), страниц);
        for (const Записанная_страница &страница : запись.страницы)
            EXPECT_EQ(ряды(страница).size(), 64u);
    }
    Записывающий_принтер принтер;
    const Запись_печати &запись = напечатать(принтер, повтор("ряд\n", 64) + "ещё");
    ASSERT_EQ(запись.страницы.size(), 2u);
    EXPECT_EQ(ряды(запись.страницы[1]), std::vector<Надпись>{ряд(0, "ещё")});
}

TEST(TextPrinting, AnEmptyLineLeavesOneEmptyRow) {
    EXPECT_EQ(ряды_страницы("раз\n\nдва"), (std::vector<Надпись>{ряд(0, "раз"), ряд(2, "два")}));
    EXPECT_EQ(ряды_страницы("\n\n\nтри"), std::vector<Надпись>{ряд(3, "три")});
    EXPECT_TRUE(ряды_страницы("\n").empty());
}

TEST(TextPrinting, TabsAreExpandedBeforeTheLineIsWrapped) {
    EXPECT_EQ(ряды_страницы("\tраз\n\t\tдва\nтри\tчетыре"),
              (std::vector<Надпись>{ряд(0, "      раз"), ряд(1, "            два"),
                                    ряд(2, "три   четыре")}));
    // 14 tabs make 84 blanks: the row is cut after the 80th, dropping the 81st.
    EXPECT_EQ(ряды_страницы(повтор("\t", 14) + "x"),
              (std::vector<Надпись>{ряд(0, повтор(" ", 80)), ряд(1, "   x")}));
}

TEST(TextPrinting, TabWidthsOfOneZeroOrLessPrintAndEnd) {
    for (const int ширина : {1, 0, -1}) {
        Записывающий_принтер принтер;
        const Запись_печати &запись = напечатать(принтер, "\tраз\tдва", ширина);
        ASSERT_EQ(запись.страницы.size(), 1u);
        EXPECT_EQ(ряды(запись.страницы[0]), std::vector<Надпись>{ряд(0, " раз два")});
    }
}

TEST(TextPrinting, LongLinesWrapAt80Characters) {
    const std::string буквы = "abcdefghijklmnopqrstuvwxyz";
    const auto знаки = [&](int сколько) { return повтор(буквы, 4).substr(0, сколько); };

    const std::string строка79 = знаки(79);
    EXPECT_EQ(ряды_страницы(строка79 + "\nдальше"),
              (std::vector<Надпись>{ряд(0, строка79), ряд(1, "дальше")}));

    const std::string пробел_на_81 = знаки(80) + " " + знаки(19);
    EXPECT_EQ(ряды_страницы(пробел_на_81 + "\nдальше"),
              (std::vector<Надпись>{ряд(0, знаки(80)), ряд(1, знаки(19)), ряд(2, "дальше")}));

    const std::string пробел_на_50 = знаки(49) + " " + знаки(50);
    EXPECT_EQ(ряды_страницы(пробел_на_50 + "\nдальше"),
              (std::vector<Надпись>{ряд(0, знаки(49) + " "), ряд(1, знаки(50)), ряд(2, "дальше")}));

    const std::string восемьдесят_с_пробелом = знаки(79) + " ";
    EXPECT_EQ(ряды_страницы(восемьдесят_с_пробелом + "\nдальше"),
              (std::vector<Надпись>{ряд(0, восемьдесят_с_пробелом), ряд(2, "дальше")}));
}

TEST(TextPrinting, APieceWithNoBlankInItsFirst80CharactersIsCutAfterThe80th) {
    const std::string x = повтор("x", 200);
    EXPECT_EQ(ряды_страницы(x + "\nдальше"),
              (std::vector<Надпись>{ряд(0, повтор("x", 80)), ряд(1, повтор("x", 80)),
                                    ряд(2, повтор("x", 40)), ряд(3, "дальше")}));
}

TEST(TextPrinting, CyrillicLinesWrapByCharactersNotBytes) {
    const std::string восемьдесят = повтор("Числобог", 10);
    EXPECT_EQ(ряды_страницы(восемьдесят + " " + повтор("ж", 19)),
              (std::vector<Надпись>{ряд(0, восемьдесят), ряд(1, повтор("ж", 19))}));
    const std::string слова = повтор("Круголет ", 9); // 81 characters, the last a blank
    EXPECT_EQ(
        ряды_страницы(слова + "Числобога"),
        (std::vector<Надпись>{ряд(0, повтор("Круголет ", 8) + "Круголет"), ряд(1, "Числобога")}));
    EXPECT_EQ(ряды_страницы(повтор("ы", 79)), std::vector<Надпись>{ряд(0, повтор("ы", 79))});
}

// 96 dpi printer and screen, 171 dots high: lines 15 high, 3 rows, the first baseline 78, the
// left margin 24.
Записывающий_принтер трёхрядный_принтер() {
    Записывающий_принтер принтер;
    принтер.фигуры = {96, 96, 171, 0};
    return принтер;
}

TEST(TextPrinting, ALineCutByTheFootOfAPageGoesOnFirstOnTheNextPage) {
    Записывающий_принтер принтер = трёхрядный_принтер();
    const std::string длинная = повтор("а", 80) + " " + повтор("б", 80) + " " + повтор("в", 30);
    const Запись_печати &запись = напечатать(принтер, "начало\n" + длинная + "\nконец");
    ASSERT_EQ(запись.страницы.size(), 2u);
    EXPECT_EQ(ряды(запись.страницы[0]),
              (std::vector<Надпись>{
                  {24, 78, "начало"}, {24, 93, повтор("а", 80)}, {24, 108, повтор("б", 80)}}));
    EXPECT_EQ(ряды(запись.страницы[1]),
              (std::vector<Надпись>{{24, 78, повтор("в", 30)}, {24, 93, "конец"}}));
}

TEST(TextPrinting, APageTooSmallForARowStillPrintsOneRowPerPage) {
    const std::string текст = "один\n\nдва\n" + повтор("x", 170);
    const std::vector<std::string> по_порядку{"один",          "два",           повтор("x", 80),
                                              повтор("x", 80), повтор("x", 10), "x x"};
    for (const Фигуры_принтера фигуры :
         {Фигуры_принтера{96, 96, 96, 0}, {96, 96, 0, 0}, {96, 96, -5000, 0}, {0, 0, 0, 0}}) {
        for (const int разрешение : {96, 0}) {
            Записывающий_принтер принтер;
            принтер.фигуры = фигуры;
            принтер.разрешения_экрана = {разрешение};
            const Запись_печати &запись = напечатать(принтер, текст + "\nx x");
            std::vector<std::string> напечатано;
            for (const Записанная_страница &страница : запись.страницы) {
                EXPECT_LE(ряды(страница).size(), 1u);
                for (const std::string &строка : тексты(ряды(страница)))
                    напечатано.push_back(строка);
            }
            EXPECT_EQ(напечатано, по_порядку);
            EXPECT_EQ(запись.страницы.size(), 7u); // the empty line takes a page of its own
        }
    }
}

TEST(TextPrinting, ACancelledJobStopsAfterThePageInPrintAndEnds) {
    for (const std::size_t страниц : {0u, 1u, 2u}) {
        Записывающий_принтер принтер;
        принтер.отменить_после_страниц = страниц;
        const Запись_печати &запись = напечатать(принтер, повтор("ряд\n", 64 * 5));
        EXPECT_EQ(запись.страницы.size(), страниц);
    }
}

} // namespace
} // namespace круголет
