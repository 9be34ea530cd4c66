#include "calendar/day_text.h"
#include "calendar/month_page.h"
#include "calendar/range.h"
#include "calendar/year.h"
#include "calendar/year_holidays.h"
#include "knowledge/tables.h"

#include <gtest/gtest.h>

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

TEST(MonthPage, LibraryRowsAddHolidaysButNeverReplaceTheBuiltInOnes) {
    Знания знания = встроенные_знания();
    знания.праздник.добавить({"Рамхат", 1}, "Другое");
    знания.праздник.добавить({"Рамхат", 2}, " Новое ");
    const auto страница = std::get<Страница_месяца>(страница_месяца(знания, 7536, 1));
    EXPECT_EQ(страница.дни[0].праздник, "Новолетие");
    EXPECT_EQ(страница.дни[1].праздник, "Новое");
    EXPECT_EQ(страница.дни[2].праздник, std::nullopt);
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
                                           Отказ_дня{{7608, 1, 1}, Отказ::лето_вне_промежутка},
                                           Отказ_дня{{7535, 0, 1}, Отказ::нет_такого_месяца},
                                           Отказ_дня{{7535, 10, 1}, Отказ::нет_такого_месяца},
                                           Отказ_дня{{7535, 2, 41}, Отказ::нет_такого_числа},
                                           Отказ_дня{{7536, 2, 41}, std::nullopt},
                                           Отказ_дня{{7535, 1, 0}, Отказ::нет_такого_числа},
                                           Отказ_дня{{7535, 1, 42}, Отказ::нет_такого_числа}));

struct Сдвиг_месяца {
    Месяц_лета от;
    int сдвиг;
    std::optional<Месяц_лета> к;
};

class MonthSteps : public ::testing::TestWithParam<Сдвиг_месяца> {};

TEST_P(MonthSteps, CrossTheTurnOfTheYearAndStopAtTheEndsOfTheRange) {
    EXPECT_EQ(месяц_через(GetParam().от, GetParam().сдвиг), GetParam().к);
}

INSTANTIATE_TEST_SUITE_P(
    Calendar, MonthSteps,
    ::testing::Values(Сдвиг_месяца{{7535, 5}, -1, Месяц_лета{7535, 4}},
                      Сдвиг_месяца{{7535, 5}, 1, Месяц_лета{7535, 6}},
                      Сдвиг_месяца{{7535, 1}, -1, Месяц_лета{7534, 9}},
                      Сдвиг_месяца{{7535, 9}, 1, Месяц_лета{7536, 1}},
                      Сдвиг_месяца{{7535, 3}, -9, Месяц_лета{7534, 3}},
                      Сдвиг_месяца{{7535, 3}, 9, Месяц_лета{7536, 3}},
                      Сдвиг_месяца{{первое_лето, 1}, -1, std::nullopt},
                      Сдвиг_месяца{{первое_лето, 9}, -9, std::nullopt},
                      Сдвиг_месяца{{последнее_лето, 9}, 1, std::nullopt},
                      Сдвиг_месяца{{последнее_лето, 8}, 1, Месяц_лета{последнее_лето, 9}}));

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

} // namespace
} // namespace круголет
