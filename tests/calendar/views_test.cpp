#include "calendar/day_text.h"
#include "calendar/holidays.h"
#include "calendar/icalendar.h"
#include "calendar/month_page.h"
#include "calendar/month_page_text.h"
#include "calendar/names.h"
#include "calendar/range.h"
#include "calendar/year.h"
#include "runtime/utf8.h"
#include "tests/support/library_fixture.h"

#include <gtest/gtest.h>

#include <sstream>

namespace круголет {
namespace {

// The names of a day point into the tables, which outlive every day of these tests.
const Знания &таблицы() {
    static const Знания знания = встроенные_знания();
    return знания;
}

TEST(YearPages, EveryYearHasTheDaysOfItsKindAndItsPagesJoinWithoutGapOrOverlap) {
    const Знания &знания = таблицы();
    Момент конец_прежнего = границы(Промежуток::широкий).начало;
    for (int лето = первое_лето; лето <= последнее_лето; ++лето) {
        std::size_t дней = 0;
        for (int месяц = 1; месяц <= 9; ++месяц) {
            const auto страница = страница_месяца(знания, лето, месяц);
            ASSERT_TRUE(std::holds_alternative<Страница_месяца>(страница)) << лето << " " << месяц;
            for (const auto &день : std::get<Страница_месяца>(страница).дни) {
                ASSERT_EQ(день.начало, конец_прежнего) << лето << " " << месяц;
                конец_прежнего = день.конец;
            }
            дней += std::get<Страница_месяца>(страница).дни.size();
        }
        EXPECT_EQ(дней, лето_круга_лет(номер_лета(лето)) == 16 ? 369u : 365u) << лето;
    }
    EXPECT_EQ(конец_прежнего, границы(Промежуток::широкий).конец);
}

struct Известный_день {
    Старая_дата дата;
    Момент начало;
    std::string_view день_недели;
    std::string_view чертог;
    std::optional<std::string_view> праздник;
};

class DatedDays : public ::testing::TestWithParam<Известный_день> {};

TEST_P(DatedDays, BeginOnTheirEveningWithTheirWeekdayHallAndHoliday) {
    const auto &ожидается = GetParam();
    const auto день = день_круголета(таблицы(), ожидается.дата);
    ASSERT_TRUE(std::holds_alternative<День_круголета>(день));
    const auto &д = std::get<День_круголета>(день);
    EXPECT_EQ(д.начало, ожидается.начало);
    EXPECT_EQ(д.день_недели, ожидается.день_недели);
    EXPECT_EQ(д.чертог, ожидается.чертог);
    EXPECT_EQ(д.праздник, ожидается.праздник);
}

INSTANTIATE_TEST_SUITE_P(
    Calendar, DatedDays,
    ::testing::Values(
        Известный_день{{7527, 1, 1}, {21, 9, 2018, 19, 0}, "Четверг", "Рамхат", "Новолетие"},
        Известный_день{
            {7508, 5, 14}, {15, 3, 2000, 19, 0}, "Осьмица", "Велес", "День Ратибора Странника"},
        // The blanks the table keeps around this name are not part of it.
        Известный_день{{7508, 8, 1}, {2, 7, 2000, 19, 0}, "Неделя", "Купала", "Русалии"},
        Известный_день{{7408, 4, 41}, {29, 2, 1900, 19, 0}, "Осьмица", "Велес", std::nullopt},
        Известный_день{
            {7377, 3, 20}, {31, 12, 1868, 19, 0}, "Вторник", "Варуна", "День Всеволода Вечного"},
        Известный_день{
            {7520, 9, 41}, {21, 9, 2012, 19, 0}, "Неделя", "Джива", "День Александра Вещего"}));

struct Отказ_дня {
    Старая_дата дата;
    std::optional<Отказ> отказ;
};

class OldDayRefusals : public ::testing::TestWithParam<Отказ_дня> {};

TEST_P(OldDayRefusals, NameTheReasonOrGiveTheDay) {
    const auto день = день_круголета(таблицы(), GetParam().дата);
    if (GetParam().отказ) {
        ASSERT_TRUE(std::holds_alternative<Отказ>(день));
        EXPECT_EQ(std::get<Отказ>(день), *GetParam().отказ);
    } else {
        ASSERT_TRUE(std::holds_alternative<День_круголета>(день));
        EXPECT_EQ(std::get<День_круголета>(день).дата, GetParam().дата);
    }
}

INSTANTIATE_TEST_SUITE_P(Calendar, OldDayRefusals,
                         ::testing::Values(Отказ_дня{{7308, 9, 41}, Отказ::лето_вне_промежутка},
                                           Отказ_дня{{7309, 1, 1}, std::nullopt},
                                           Отказ_дня{{7607, 9, 41}, std::nullopt},
                                           Отказ_дня{{7608, 1, 1}, Отказ::лето_вне_промежутка},
                                           Отказ_дня{{7535, 0, 1}, Отказ::нет_такого_месяца},
                                           Отказ_дня{{7535, 10, 1}, Отказ::нет_такого_месяца},
                                           Отказ_дня{{7535, 2, 41}, Отказ::нет_такого_числа},
                                           Отказ_дня{{7536, 2, 41}, std::nullopt},
                                           Отказ_дня{{7535, 1, 0}, Отказ::нет_такого_числа},
                                           Отказ_дня{{7535, 1, 42}, Отказ::нет_такого_числа}));

std::vector<День_круголета> праздники(std::variant<std::vector<День_круголета>, Отказ> в) {
    return std::get<std::vector<День_круголета>>(std::move(в));
}

TEST(GregorianYearHolidays, EveryHolidayOfTheRangeFallsInExactlyOneYearInTimeOrder) {
    const Знания &знания = таблицы();
    std::size_t по_летам = 0, по_годам = 0;
    for (int лето = первое_лето; лето <= последнее_лето; ++лето)
        по_летам += праздники(праздники_лета(знания, лето)).size();
    for (int год = первый_год; год <= последний_год; ++год) {
        const auto в_году = праздники(праздники_года(знания, год));
        по_годам += в_году.size();
        for (std::size_t i = 0; i < в_году.size(); ++i) {
            ASSERT_EQ(в_году[i].начало.год, год);
            if (i > 0) {
                ASSERT_LT(std::pair(в_году[i - 1].начало.месяц, в_году[i - 1].начало.день),
                          std::pair(в_году[i].начало.месяц, в_году[i].начало.день))
                    << время_и_дата(в_году[i].начало);
            }
        }
    }
    EXPECT_EQ(по_годам, по_летам);
}

TEST(GregorianYearHolidays, YearsSplitAtNewYearsEveAndEndsOfTheRangeGiveWhatLiesInside) {
    const Знания &знания = таблицы();
    EXPECT_EQ(праздники(праздники_года(знания, 1868)).back().дата, (Старая_дата{7377, 3, 20}));
    EXPECT_EQ(праздники(праздники_года(знания, 1869)).front().дата, (Старая_дата{7377, 3, 22}));
    EXPECT_EQ(праздники(праздники_года(знания, 1800)).front().начало, (Момент{19, 9, 1800, 19, 0}));
    EXPECT_EQ(праздники(праздники_года(знания, 2099)).back().дата, (Старая_дата{7607, 9, 41}));
    EXPECT_EQ(std::get<Отказ>(праздники_года(знания, 1799)), Отказ::год_вне_промежутка);
    EXPECT_EQ(std::get<Отказ>(праздники_года(знания, 2100)), Отказ::год_вне_промежутка);
    EXPECT_EQ(std::get<Отказ>(праздники_лета(знания, 7608)), Отказ::лето_вне_промежутка);
}

TEST(MonthFromText, TakesTheNumberOrTheNameInAnyCase) {
    EXPECT_EQ(месяц_из_текста("рамхат"), 1);
    EXPECT_EQ(месяц_из_текста("РАМХАТ"), 1);
    EXPECT_EQ(месяц_из_текста("эЛЕТ"), 6);
    EXPECT_EQ(месяц_из_текста("Тайлет"), 9);
    EXPECT_EQ(месяц_из_текста(" 9"), 9);
    EXPECT_EQ(месяц_из_текста("0"), std::nullopt);
    EXPECT_EQ(месяц_из_текста("10"), std::nullopt);
    EXPECT_EQ(месяц_из_текста("Рамхат "), std::nullopt);
    EXPECT_EQ(месяц_из_текста("Ramhat"), std::nullopt);
}

TEST(MonthPageText, PutsTheFirstDayUnderItsWeekdayAndListsTheHolidays) {
    const auto страница = std::get<Страница_месяца>(страница_месяца(таблицы(), 7536, 1));
    ASSERT_EQ(страница.первый_столбец, 4);
    std::istringstream строки(текст_страницы(страница));
    std::string строка;
    std::getline(строки, строка);
    EXPECT_EQ(строка, "Рамхат 7536 лета: с 19:00 19.09.2027 до 19:00 30.10.2027");
    std::getline(строки, строка);
    std::getline(строки, строка);
    // Columns of twelve characters: Четверг heads the fourth.
    EXPECT_EQ(число_знаков(строка.substr(0, строка.find("Четверг"))), 36u) << строка;
    std::getline(строки, строка);
    EXPECT_EQ(строка, std::string(36, ' ') + " 1 19.09*    2 20.09     3 21.09     4 22.09*    5 "
                                             "23.09     6 24.09*");
    while (std::getline(строки, строка) && строка != "Праздники:") {
    }
    std::size_t праздников = 0;
    while (std::getline(строки, строка))
        праздников += строка.find(" — ") != std::string::npos;
    EXPECT_EQ(праздников, 15u);
}

// A folded file read back as RFC 5545 reads it: every line within 75 octets and ended by CR LF,
// continuation lines joined without their blank.
std::vector<std::string> развернутые_строки(const std::string &файл) {
    std::vector<std::string> строки;
    for (std::size_t начало = 0; начало < файл.size();) {
        const auto конец = файл.find("\r\n", начало);
        EXPECT_NE(конец, std::string::npos);
        if (конец == std::string::npos)
            break;
        const std::string_view строка(файл.data() + начало, конец - начало);
        EXPECT_LE(строка.size(), 75u) << строка;
        if (строка.starts_with(' ')) {
            EXPECT_NE(static_cast<unsigned char>(строка[1]) & 0xC0, 0x80) << строка;
            строки.back() += строка.substr(1);
        } else {
            строки.emplace_back(строка);
        }
        начало = конец + 2;
    }
    return строки;
}

TEST(IcalendarFile, FoldsLongLinesBetweenCharactersAndEscapesText) {
    День_круголета день = std::get<День_круголета>(день_круголета(таблицы(), {7536, 1, 1}));
    const std::string имя = "День Перемен, Коляда; \\ а дальше долгое имя, чтобы строка "
                            "свернулась дважды: ёжик, ёлка, щука, язь и ещё немного слов";
    день.праздник = имя;
    const auto строки =
        развернутые_строки(файл_icalendar(std::span(&день, 1), {"1.2.0", "20261207T000000Z"}));
    EXPECT_EQ(строки.front(), "BEGIN:VCALENDAR");
    EXPECT_EQ(строки.back(), "END:VCALENDAR");
    EXPECT_NE(
        std::find(строки.begin(), строки.end(),
                  "SUMMARY:День Перемен\\, Коляда\\; \\\\ а дальше долгое имя\\, чтобы строка "
                  "свернулась дважды: ёжик\\, ёлка\\, щука\\, язь и ещё немного слов"),
        строки.end());
    EXPECT_NE(std::find(строки.begin(), строки.end(),
                        "DESCRIPTION:1 Рамхат 7536 лета\\nДень недели: Четверг\\nЧертог: Рамхат"),
              строки.end());
}

} // namespace
} // namespace круголет
