#include "calendar/input_check.h"

#include <gtest/gtest.h>

#include <string>

using namespace круголет;

namespace {

bool принят(std::string д, std::string м, std::string г, std::string ч, std::string мин = "0") {
    return проверенный_момент(д, м, г, ч, мин).has_value();
}

} // namespace

TEST(RangeBounds, FirstAndLastDayCountByTheHour) {
    EXPECT_TRUE(в_промежутке({22, 9, 1868, 19, 0}));
    EXPECT_FALSE(в_промежутке({22, 9, 1868, 18, 0}));
    EXPECT_TRUE(в_промежутке({22, 9, 2012, 18, 0}));
    EXPECT_FALSE(в_промежутке({22, 9, 2012, 19, 0}));
}

TEST(RangeBounds, NeighbouringDaysAndMonths) {
    EXPECT_TRUE(в_промежутке({23, 9, 1868, 0, 0}));
    EXPECT_FALSE(в_промежутке({21, 9, 1868, 23, 0}));
    EXPECT_FALSE(в_промежутке({31, 8, 1868, 23, 0}));
    EXPECT_TRUE(в_промежутке({1, 10, 1868, 0, 0}));
    EXPECT_TRUE(в_промежутке({21, 9, 2012, 23, 0}));
    EXPECT_FALSE(в_промежутке({23, 9, 2012, 0, 0}));
    EXPECT_FALSE(в_промежутке({1, 10, 2012, 0, 0}));
    EXPECT_TRUE(в_промежутке({31, 8, 2012, 23, 0}));
    EXPECT_TRUE(в_промежутке({1, 1, 1869, 0, 0}));
    EXPECT_FALSE(в_промежутке({1, 1, 1867, 0, 0}));
    EXPECT_FALSE(в_промежутке({1, 1, 2013, 0, 0}));
}

TEST(CheckedFields, GivesFiveNumbersInTheWindowsOrder) {
    const auto м = проверенный_момент("15", "3", "2000", "20", "30");
    ASSERT_TRUE(м);
    EXPECT_EQ(м->день, 15);
    EXPECT_EQ(м->месяц, 3);
    EXPECT_EQ(м->год, 2000);
    EXPECT_EQ(м->час, 20);
    EXPECT_EQ(м->минута, 30);
}

TEST(CheckedFields, EdgesOfTheRange) {
    EXPECT_TRUE(принят("22", "9", "1868", "19", "0"));
    EXPECT_FALSE(принят("22", "9", "1868", "18", "59"));
    EXPECT_TRUE(принят("22", "9", "2012", "18", "59"));
    EXPECT_FALSE(принят("22", "9", "2012", "19", "0"));
    EXPECT_FALSE(принят("21", "9", "1868", "23"));
    EXPECT_FALSE(принят("1", "10", "2012", "0"));
}

TEST(CheckedFields, MonthLengthWithTheFixedFebruaryRule) {
    EXPECT_TRUE(принят("29", "2", "1900", "12"));
    EXPECT_FALSE(принят("30", "2", "1904", "12"));
    EXPECT_FALSE(принят("29", "2", "1901", "12"));
    EXPECT_FALSE(принят("31", "4", "1950", "12"));
    EXPECT_TRUE(принят("31", "12", "1950", "12"));
}

TEST(CheckedFields, NumbersOutOfBounds) {
    EXPECT_FALSE(принят("1", "1", "1867", "12"));
    EXPECT_FALSE(принят("1", "1", "2013", "12"));
    EXPECT_FALSE(принят("1", "0", "1950", "12"));
    EXPECT_FALSE(принят("1", "13", "1950", "12"));
    EXPECT_FALSE(принят("0", "1", "1950", "12"));
    EXPECT_FALSE(принят("32", "1", "1950", "12"));
    EXPECT_FALSE(принят("1", "1", "1950", "24"));
    EXPECT_FALSE(принят("1", "1", "1950", "-1"));
    EXPECT_FALSE(принят("1", "1", "1950", "12", "60"));
    EXPECT_FALSE(принят("1", "1", "1950", "12", "-1"));
}

TEST(CheckedFields, FieldTextReadsAsANumber) {
    EXPECT_TRUE(принят("7 ", "1", "1950", "12"));
    EXPECT_TRUE(принят(" 7", "1", "1950", "12"));
    EXPECT_TRUE(принят("09", "09", "1950", "09", "09"));
    EXPECT_TRUE(принят("0x1F", "1", "1950", "12"));
    EXPECT_TRUE(принят("0o37", "1", "1950", "12"));
    EXPECT_FALSE(принят("1 5", "1", "1950", "12"));
    EXPECT_FALSE(принят("15а", "1", "1950", "12"));
    EXPECT_FALSE(принят("+15", "1", "1950", "12"));
    EXPECT_FALSE(принят("", "1", "1950", "12"));
    EXPECT_FALSE(принят("1", "1", "1950", "12", ""));
    EXPECT_FALSE(принят("99999999999999999999", "1", "1950", "12"));
    EXPECT_FALSE(принят("15\n16", "1", "1950", "12"));
    EXPECT_FALSE(принят("15\t", "1", "1950", "12"));
}

TEST(CheckedFields, ThirtyFirstOnlyInLongMonths) {
    EXPECT_TRUE(принят("31", "1", "1950", "0", "0"));
    EXPECT_FALSE(принят("31", "6", "1950", "0", "0"));
}

TEST(FieldLength, CountsCharactersNotBytes) {
    std::string ж;
    for (std::size_t i = 0; i < наибольшая_длина_поля; ++i)
        ж += "Ж";
    EXPECT_TRUE(поле_в_пределах(ж));
    EXPECT_FALSE(поле_в_пределах(ж + "1"));
    EXPECT_FALSE(поле_в_пределах(" 1" + std::string(наибольшая_длина_поля, ' ')));
}
