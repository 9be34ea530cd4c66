#include "print/lines.h"
#include "print/wrap.h"
#include "print_run.h"

#include <limits>

namespace круголет {
namespace {

using Пара = std::pair<std::string_view, std::string_view>;

TEST(SplitAtSeparator, SplitsAtTheFirstSeparatorWhichBelongsToNeitherPart) {
    EXPECT_EQ(до_и_после_разделителя("раз\nдва\nтри", '\n'), (Пара{"раз", "два\nтри"}));
    EXPECT_EQ(до_и_после_разделителя("раз", '\n'), (Пара{"раз", ""}));
    EXPECT_EQ(до_и_после_разделителя("раз\n", '\n'), (Пара{"раз", ""}));
    EXPECT_EQ(до_и_после_разделителя("\n\nтри", '\n'), (Пара{"", "\nтри"}));
}

TEST(TabExpansion, StopsLieEverySixCharactersFromTheStartOfTheLine) {
    EXPECT_EQ(строка_без_табуляций(6, "\tx"), "      x");
    EXPECT_EQ(строка_без_табуляций(6, "abcd\tx"), "abcd  x");
    EXPECT_EQ(строка_без_табуляций(6, "abcdef\tx"), "abcdef      x");
    EXPECT_EQ(строка_без_табуляций(6, "\t\tx"), повтор(" ", 12) + "x");
    EXPECT_EQ(строка_без_табуляций(6, "abcdefg\th\t"),
              "abcdefg" + повтор(" ", 5) + "h" + повтор(" ", 5));
    EXPECT_EQ(строка_без_табуляций(6, "без табуляции"), "без табуляции");
}

TEST(TabExpansion, CountsCharactersNotBytes) {
    EXPECT_EQ(строка_без_табуляций(6, "абвг\tд"), "абвг  д");
    EXPECT_EQ(строка_без_табуляций(6, "Круголет\tЧислобога\t!"), "Круголет    Числобога   !");
}

TEST(TabExpansion, TheSecondFormStartsAtTheGivenColumn) {
    EXPECT_EQ(строка_без_табуляций(6, 3, "\tx"), "   x");
    EXPECT_EQ(строка_без_табуляций(6, 6, "ab\tx"), "ab    x");
    EXPECT_EQ(строка_без_табуляций(6, 0, "ab\tx"), строка_без_табуляций(6, "ab\tx"));
}

TEST(TabExpansion, AnyWidthGivesABoundedLine) {
    EXPECT_EQ(строка_без_табуляций(1, "\ta\tbc\t"), " a bc ");
    EXPECT_EQ(строка_без_табуляций(0, "\ta\tbc\t"), " a bc ");
    EXPECT_EQ(строка_без_табуляций(-6, "\ta\tbc\t"), " a bc ");
    EXPECT_EQ(строка_без_табуляций(std::numeric_limits<int>::max(), "ab\tx"),
              "ab" + повтор(" ", 78) + "x");
    EXPECT_EQ(строка_без_табуляций(std::numeric_limits<int>::min(), "ab\tx"), "ab x");
}

TEST(BackToTheLastBlank, KeepsTheTextUpToItsLastBlankWithinThePosition) {
    EXPECT_EQ(назад_до_пробела(7, "раз два три"), "раз ");
    EXPECT_EQ(назад_до_пробела(8, "раз два три"), "раз два ");
    EXPECT_EQ(назад_до_пробела(4, "раз два три"), "раз ");
    EXPECT_EQ(назад_до_пробела(3, "раз два три"), std::nullopt);
    EXPECT_EQ(назад_до_пробела(80, повтор("ж", 90)), std::nullopt);
    EXPECT_EQ(назад_до_пробела(0, " "), std::nullopt);
}

TEST(RowCut, TakesTheFirstRuleThatApplies) {
    const std::string восемьдесят = повтор("я", 80);
    // The 81st character is a blank: it is dropped.
    EXPECT_EQ(отрезать_строку(восемьдесят + " хвост"), (Пара{восемьдесят, "хвост"}));
    EXPECT_EQ(отрезать_строку(восемьдесят + "  хвост"), (Пара{восемьдесят, " хвост"}));
    // A stray continuation byte after the blank is not part of it, and no text is lost.
    EXPECT_EQ(отрезать_строку(восемьдесят + " \xBBхвост"), (Пара{восемьдесят, "\xBBхвост"}));
    // The 80th is a blank: it stays at the end of the row.
    const std::string с_пробелом = повтор("я", 79) + " ";
    EXPECT_EQ(отрезать_строку(с_пробелом + "хвост"), (Пара{с_пробелом, "хвост"}));
    EXPECT_EQ(отрезать_строку(с_пробелом), (Пара{с_пробелом, ""}));
    // Otherwise back to the last blank.
    const std::string начало = повтор("я", 40) + " ";
    EXPECT_EQ(отрезать_строку(начало + повтор("ю", 50)), (Пара{начало, повтор("ю", 50)}));
    // No blank among the first 80: a hard cut after the 80th, a later blank notwithstanding.
    EXPECT_EQ(отрезать_строку(восемьдесят + "ю ю"), (Пара{восемьдесят, "ю ю"}));
    EXPECT_EQ(отрезать_строку(восемьдесят), (Пара{восемьдесят, ""}));
}

} // namespace
} // namespace круголет
