#include "calendar/report.h"
#include "calendar/values.h"
#include "tests/support/library_fixture.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <climits>

namespace круголет {
namespace {

const Знания знания = знания_для_тестов();

constexpr std::array<int, 11> крайние = {INT_MIN, -1000, -1, 0, 1, 9, 19, 41, 99, 2000, INT_MAX};

std::string момент(int день, int месяц, int год, int час, int минута) {
    return std::to_string(день) + "." + std::to_string(месяц) + "." + std::to_string(год) + " " +
           std::to_string(час) + ":" + std::to_string(минута);
}

// Every combination of extreme values ends with a report or with none; a report is only ever
// given for a year of the covered span, and what it shows is the year it was given.
TEST(ImpossibleMoments, EndWithAReportOrNone) {
    const auto начало = std::chrono::steady_clock::now();
    int отчетов = 0;
    for (const int день : крайние)
        for (const int месяц : крайние)
            for (const int год : крайние)
                for (const int час : крайние)
                    for (const int минута : крайние) {
                        const auto отчет = отчет_момента(знания, {день, месяц, год, час, минута});
                        if (!отчет)
                            continue;
                        ++отчетов;
                        ASSERT_EQ(год, 2000) << момент(день, месяц, год, час, минута);
                        ASSERT_TRUE(отчет->starts_with(
                            "Дата и время по Григорианскому Календарю:  " + std::to_string(час) +
                            "час." + std::to_string(минута) + "мин.   " + std::to_string(день) +
                            "." + std::to_string(месяц) + ".2000г.\n"))
                            << момент(день, месяц, год, час, минута);
                    }
    EXPECT_GT(отчетов, 0);
    EXPECT_LT(std::chrono::steady_clock::now() - начало, std::chrono::seconds(60));
}

TEST(ImpossibleMoments, ImpossibleFieldsGiveNoReport) {
    EXPECT_FALSE(отчет_момента(знания, {15, 13, 2000, 12, 0}));
    EXPECT_FALSE(отчет_момента(знания, {15, 0, 2000, 12, 0}));
    EXPECT_FALSE(отчет_момента(знания, {99, 3, 2000, 12, 0}));
    EXPECT_FALSE(отчет_момента(знания, {15, 3, -2000, 12, 0}));
    EXPECT_FALSE(отчет_момента(знания, {15, 3, INT_MIN, 12, 0}));
    EXPECT_FALSE(отчет_момента(знания, {15, 3, INT_MAX, 12, 0}));
    EXPECT_FALSE(отчет_момента(знания, {15, 3, 2000, -10, 0}));
    EXPECT_FALSE(отчет_момента(знания, {15, 3, 2000, INT_MIN, 0}));
    EXPECT_FALSE(отчет_момента(знания, {INT_MAX, 3, 2000, 12, 0}));
    EXPECT_FALSE(отчет_момента(знания, {INT_MIN, 3, 2000, 12, 0}));
    EXPECT_FALSE(отчет_момента(знания, {15, 9, INT_MIN, 19, 0}));
    EXPECT_FALSE(отчет_момента(знания, {15, 9, INT_MAX, 19, 0}));
}

// The computation does not check the fields; where the rules still give values, the report
// shows them as they come.
TEST(ImpossibleMoments, UncheckedFieldsFollowTheRules) {
    const auto р = значения_момента(знания, {0, 3, 2000, 20, 0});
    ASSERT_TRUE(р) << "day 0 of March is the last day of February";
    const auto февраль = значения_момента(знания, {29, 2, 2000, 20, 0});
    ASSERT_TRUE(февраль);
    EXPECT_EQ(р->месяц, февраль->месяц);
    EXPECT_EQ(р->число, февраль->число);

    const auto поздно = значения_момента(знания, {15, 3, 2000, 25, 0});
    ASSERT_TRUE(поздно);
    EXPECT_EQ(поздно->часы, 4);
    EXPECT_EQ(поздно->части, 0);

    const auto минуты = значения_момента(знания, {15, 3, 2000, 12, INT_MAX});
    ASSERT_TRUE(минуты);
    EXPECT_GT(минуты->часы, 15);
}

} // namespace
} // namespace круголет
