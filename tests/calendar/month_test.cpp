#include "calendar/month.h"
#include "calendar/month_and_weekday_names.h"
#include "calendar/year.h"

#include <gtest/gtest.h>

#include <climits>

namespace круголет {
namespace {

const Знания знания = встроенные_знания();

struct Ожидание {
    int день, месяц, год, час;
    std::string_view месяц_года;
    int число;
};

// Month and day of the month for a moment, through the year computation as a conversion runs them.
void ожидать(const Ожидание &о) {
    const Момент м{о.день, о.месяц, о.год, о.час, 0};
    const auto лето = лето_момента(знания, м);
    ASSERT_TRUE(лето);
    const int номер = номер_месяца_момента(м, лето->в_круге_лет, лето->пограничный_месяц);
    const auto момент = std::to_string(о.день) + "." + std::to_string(о.месяц) + "." +
                        std::to_string(о.год) + " " + std::to_string(о.час) + ":00";
    EXPECT_EQ(месяцы[static_cast<std::size_t>(номер - 1)], о.месяц_года) << момент;
    EXPECT_EQ(число_месяца(знания, номер, лето->в_круге_лет, м), о.число) << момент;
}

TEST(Inside, EachConditionHoldsOnItsOwn) {
    // The month from 19:00 on 22.09 to 19:00 on 2.11.
    EXPECT_TRUE(внутри({22, 9}, {22, 9}, 19, {2, 11}));
    EXPECT_FALSE(внутри({22, 9}, {22, 9}, 18, {2, 11}));
    EXPECT_TRUE(внутри({22, 9}, {23, 9}, 0, {2, 11}));
    EXPECT_FALSE(внутри({22, 9}, {21, 9}, 23, {2, 11}));
    EXPECT_TRUE(внутри({22, 9}, {2, 11}, 18, {2, 11}));
    EXPECT_FALSE(внутри({22, 9}, {2, 11}, 19, {2, 11}));
    EXPECT_TRUE(внутри({22, 9}, {1, 11}, 23, {2, 11}));
    EXPECT_FALSE(внутри({22, 9}, {3, 11}, 0, {2, 11}));
    EXPECT_TRUE(внутри({22, 9}, {15, 10}, 12, {2, 11}));
    EXPECT_FALSE(внутри({22, 9}, {15, 12}, 12, {2, 11}));
}

TEST(Inside, DoesNotWrapRoundTheGregorianNewYear) {
    // Бейлет, 12.12 to 22.01: only its own two Gregorian months count.
    EXPECT_TRUE(внутри({12, 12}, {31, 12}, 0, {22, 1}));
    EXPECT_TRUE(внутри({12, 12}, {21, 1}, 23, {22, 1}));
    EXPECT_FALSE(внутри({12, 12}, {15, 6}, 12, {22, 1}));
    EXPECT_FALSE(внутри({12, 12}, {15, 11}, 12, {22, 1}));
}

TEST(MonthOfMoment, WorkedExamples) {
    ожидать({15, 3, 2000, 20, "Дайлет", 14});
    ожидать({1, 1, 2000, 20, "Бейлет", 21});
    ожидать({31, 12, 1999, 20, "Бейлет", 20});
}

TEST(MonthOfMoment, TheOldDayBeginsAt19) {
    ожидать({12, 8, 1869, 18, "Хейлет", 40});
    ожидать({12, 8, 1869, 19, "Тайлет", 1});
    ожидать({30, 10, 1999, 18, "Рамхат", 38});
    ожидать({30, 10, 1999, 19, "Рамхат", 39});
    ожидать({22, 9, 1868, 19, "Рамхат", 1});
    ожидать({22, 9, 2012, 18, "Тайлет", 41});
}

TEST(MonthOfMoment, SeptemberMonthComesFromTheBoundaryMonth) {
    ожидать({21, 9, 2000, 18, "Тайлет", 41});
    ожидать({21, 9, 2000, 19, "Рамхат", 1});
    ожидать({1, 9, 2000, 12, "Тайлет", 21});
    EXPECT_EQ(номер_месяца_момента({15, 3, 2000, 20, 0}, 4, "Тайлет"), 9);
    EXPECT_EQ(номер_месяца_момента({15, 3, 2000, 20, 0}, 4, ""), 5) << "Дайлет";
}

TEST(MonthOfMoment, EveryMonthHas41DaysInTheSacredYear) {
    ожидать({9, 12, 2011, 20, "Айлет", 41});
    ожидать({10, 12, 2011, 18, "Айлет", 41});
    ожидать({10, 12, 2011, 19, "Бейлет", 1});
    ожидать({29, 2, 1900, 18, "Гэйлет", 40});
    ожидать({29, 2, 1900, 19, "Гэйлет", 41});
    ожидать({1, 3, 1900, 18, "Гэйлет", 41});
    ожидать({1, 3, 1900, 19, "Дайлет", 1});
}

TEST(MonthOfMoment, AugustDaysOfTailetFallThroughToIt) {
    ожидать({31, 8, 2000, 23, "Тайлет", 21});
    ожидать({11, 8, 2000, 19, "Тайлет", 1});
    ожидать({11, 8, 2000, 18, "Хейлет", 40});
    EXPECT_EQ(номер_месяца_момента({15, 3, 2000, 20, 0}, 0, ""), 9) << "no month starts for L 0";
}

TEST(DayFromMonthStart, CountsAcrossGregorianMonthEnds) {
    EXPECT_EQ(число_от_начала(знания, {12, 12}, {1, 1, 2000, 20, 0}), 21);
    EXPECT_EQ(число_от_начала(знания, {12, 12}, {1, 1, 2000, 18, 0}), 20);
    EXPECT_EQ(число_от_начала(знания, {22, 1}, {2, 3, 2000, 12, 0}), 40);
    EXPECT_EQ(число_от_начала(знания, {22, 1}, {2, 3, 2001, 12, 0}), 39);
    EXPECT_EQ(число_от_начала(знания, {2, 3}, {15, 3, 2000, 20, 0}), 14);
    EXPECT_FALSE(число_месяца(знания, 5, 17, {15, 3, 2000, 20, 0}));
}

TEST(DayFromMonthStart, EndsForAMonthItNeverReaches) {
    EXPECT_FALSE(число_от_начала(знания, {2, 3}, {15, 13, 2000, 20, 0}));
    EXPECT_FALSE(число_от_начала(знания, {2, 3}, {15, 0, 2000, 20, 0}));
    EXPECT_FALSE(число_от_начала(знания, {2, 3}, {15, INT_MIN, 2000, 20, 0}));
    EXPECT_FALSE(число_от_начала(знания, {2, 13}, {15, 3, 2000, 20, 0}));
    EXPECT_FALSE(число_от_начала(Знания{}, {2, 3}, {15, 4, 2000, 20, 0})) << "no successor table";
    // The longest walk passes eleven month ends.
    EXPECT_EQ(число_от_начала(знания, {1, 1}, {1, 12, 2001, 12, 0}), 334);
}

TEST(DayFromMonthStart, ExtremeDaysGiveNoResultInsteadOfOverflowing) {
    EXPECT_FALSE(число_от_начала(знания, {22, 9}, {INT_MIN, 9, 2000, 12, 0}));
    EXPECT_EQ(число_от_начала(знания, {1, 9}, {INT_MAX, 9, 2000, 12, 0}), INT_MAX - 1);
    EXPECT_FALSE(число_от_начала(знания, {0, 9}, {INT_MAX, 9, 2000, 19, 0}));
    EXPECT_FALSE(число_от_начала(знания, {1, 8}, {INT_MAX, 9, 2000, 19, 0}));
}

} // namespace
} // namespace круголет
