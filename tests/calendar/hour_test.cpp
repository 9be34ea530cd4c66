#include "calendar/hour.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <set>

namespace круголет {
namespace {

void ожидать(int час, int минута, std::int64_t часы, std::string_view слово_часов,
             std::int64_t части, std::string_view слово_частей) {
    const auto время = старое_время(час, минута);
    EXPECT_EQ(время.часы, часы) << час << ":" << минута;
    EXPECT_EQ(время.части, части) << час << ":" << минута;
    EXPECT_EQ(окончание_часов(время.часы), слово_часов) << час << ":" << минута;
    EXPECT_EQ(окончание_частей(время.части), слово_частей) << час << ":" << минута;
}

TEST(OldTimeOfDay, TheOldDayBeginsAt19) {
    ожидать(19, 0, 0, "часов", 0, "частей");
    ожидать(19, 1, 0, "часов", 1, "часть");
    ожидать(19, 59, 0, "часов", 94, "части");
    ожидать(20, 0, 0, "часов", 96, "частей");
    ожидать(20, 10, 0, "часов", 112, "части");
    ожидать(20, 30, 1, "час", 0, "частей");
    ожидать(0, 0, 3, "часа", 48, "частей");
    ожидать(12, 0, 11, "часов", 48, "частей");
    ожидать(18, 59, 15, "часов", 142, "части");
}

TEST(OldTimeOfDay, EveryMinuteOfTheDayMapsForwardIntoTheOldDay) {
    std::int64_t прежние = -1;
    std::set<std::int64_t> остатки;
    for (int шаг = 0; шаг < 1440; ++шаг) {
        const int час = (19 + шаг / 60) % 24;
        const int минута = шаг % 60;
        const auto время = старое_время(час, минута);
        ASSERT_GE(время.часы, 0);
        ASSERT_LT(время.часы, 16);
        ASSERT_GE(время.части, 0);
        ASSERT_LT(время.части, 144);
        const std::int64_t все = время.часы * 144 + время.части;
        EXPECT_EQ(все, шаг * 8 / 5) << час << ":" << минута;
        EXPECT_GT(все, прежние) << час << ":" << минута;
        прежние = все;
        остатки.insert(время.части % 8);
    }
    EXPECT_EQ(остатки, (std::set<std::int64_t>{0, 1, 3, 4, 6}));
}

TEST(HourWord, AgreesWithTheNumber) {
    EXPECT_EQ(окончание_часов(0), "часов");
    EXPECT_EQ(окончание_часов(1), "час");
    EXPECT_EQ(окончание_часов(2), "часа");
    EXPECT_EQ(окончание_часов(4), "часа");
    EXPECT_EQ(окончание_часов(5), "часов");
    EXPECT_EQ(окончание_часов(15), "часов");
    EXPECT_EQ(окончание_часов(21), "часов");
    EXPECT_FALSE(окончание_часов(-1));
}

TEST(PartWord, FromTwentyOneOnlyTheLastDigitCounts) {
    EXPECT_EQ(окончание_частей(0), "частей");
    EXPECT_EQ(окончание_частей(1), "часть");
    EXPECT_EQ(окончание_частей(3), "части");
    EXPECT_EQ(окончание_частей(11), "частей");
    EXPECT_EQ(окончание_частей(12), "частей");
    EXPECT_EQ(окончание_частей(20), "частей");
    EXPECT_EQ(окончание_частей(21), "часть");
    EXPECT_EQ(окончание_частей(24), "части");
    EXPECT_EQ(окончание_частей(25), "частей");
    EXPECT_EQ(окончание_частей(30), "частей");
    EXPECT_EQ(окончание_частей(111), "часть");
    EXPECT_EQ(окончание_частей(112), "части");
    EXPECT_EQ(окончание_частей(114), "части");
    EXPECT_EQ(окончание_частей(143), "части");
    EXPECT_EQ(окончание_частей(-1), "часть");
    EXPECT_EQ(окончание_частей(-12), "части");
    EXPECT_EQ(окончание_частей(INT64_MIN), "частей");
}

TEST(OldTimeOfDay, ImpossibleTimesGiveNumbersWithoutOverflow) {
    const auto поздно = старое_время(INT_MAX, INT_MAX);
    const std::int64_t минуты = (static_cast<std::int64_t>(INT_MAX) - 19) * 60 + INT_MAX;
    EXPECT_EQ(поздно.часы * 144 + поздно.части, минуты * 2304 / 1440);
    const auto рано = старое_время(INT_MIN, INT_MIN);
    EXPECT_LT(рано.часы, 0);
    EXPECT_FALSE(окончание_часов(рано.часы));
    const auto время = старое_время(25, 0);
    EXPECT_EQ(время.часы, 4);
    EXPECT_EQ(время.части, 0);
}

} // namespace
} // namespace круголет
