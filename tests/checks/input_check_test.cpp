#include "calendar/input_check.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <string>

using namespace круголет;

namespace {

bool принят(std::string д, std::string м, std::string г, std::string ч, std::string мин = "0") {
    return static_cast<bool>(проверенный_момент(д, м, г, ч, мин));
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
    EXPECT_EQ(*м, (Момент{15, 3, 2000, 20, 30}));
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

// Why the fields give no moment: the first failing check in the window's order names the field
// and its bounds, the year's being the range's.
struct Случай_отказа {
    std::array<std::string_view, 5> поля;
    Промежуток промежуток;
    Причина_отказа причина;
    bool в_любом_году = false;
};

class RefusalReason : public testing::TestWithParam<Случай_отказа> {};

TEST_P(RefusalReason, NamesTheFirstFieldAtFaultAndItsBounds) {
    const auto &[п, промежуток, причина, в_любом_году] = GetParam();
    const auto итог = в_любом_году ? момент_из_полей(п[0], п[1], п[2], п[3], п[4])
                                   : проверенный_момент(п[0], п[1], п[2], п[3], п[4], промежуток);
    ASSERT_FALSE(итог);
    EXPECT_EQ(итог.причина(), причина);
}

constexpr auto круг = Промежуток::круг_жизни;
constexpr auto широкий = Промежуток::широкий;

INSTANTIATE_TEST_SUITE_P(
    EveryReason, RefusalReason,
    testing::Values(
        Случай_отказа{
            {"0", "1", "1950", "12", "0"}, круг, Поле_вне_пределов{Поле_момента::день, 1, 31}},
        Случай_отказа{
            {"1", "13", "1950", "12", "0"}, круг, Поле_вне_пределов{Поле_момента::месяц, 1, 12}},
        Случай_отказа{
            {"1", "1", "1867", "12", "0"}, круг, Поле_вне_пределов{Поле_момента::год, 1868, 2012}},
        Случай_отказа{{"1", "1", "2100", "12", "0"},
                      широкий,
                      Поле_вне_пределов{Поле_момента::год, 1800, 2099}},
        Случай_отказа{{"1", "1", "0", "12", "0"},
                      круг,
                      Поле_вне_пределов{Поле_момента::год, 1, INT_MAX},
                      true},
        Случай_отказа{{"29", "2", "1901", "12", "0"}, круг, Нет_такого_дня{2, 1901, 28}},
        Случай_отказа{
            {"1", "1", "1950", "24", "0"}, круг, Поле_вне_пределов{Поле_момента::час, 0, 23}},
        Случай_отказа{
            {"1", "1", "1950", "12", "60"}, круг, Поле_вне_пределов{Поле_момента::минута, 0, 59}},
        Случай_отказа{{"22", "9", "1868", "18", "59"}, круг, Вне_промежутка{}},
        Случай_отказа{
            {"32", "13", "0", "24", "60"}, круг, Поле_вне_пределов{Поле_момента::день, 1, 31}},
        Случай_отказа{{"31", "2", "2100", "12", "0"},
                      широкий,
                      Поле_вне_пределов{Поле_момента::год, 1800, 2099}}));

TEST(FieldLength, CountsCharactersNotBytes) {
    std::string ж;
    for (std::size_t i = 0; i < наибольшая_длина_поля; ++i)
        ж += "Ж";
    EXPECT_TRUE(поле_в_пределах(ж));
    EXPECT_FALSE(поле_в_пределах(ж + "1"));
    EXPECT_FALSE(поле_в_пределах(" 1" + std::string(наибольшая_длина_поля, ' ')));
}
