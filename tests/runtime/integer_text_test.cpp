#include "runtime/integer_text.h"

#include <gtest/gtest.h>

#include <string>

namespace круголет {
namespace {

using std::nullopt;

TEST(TakeInteger, ThreeBases) {
    std::string_view т = "0x1F";
    EXPECT_EQ(взять_целое(т), 31);
    т = "0X1f";
    EXPECT_EQ(взять_целое(т), 31);
    т = "0o17";
    EXPECT_EQ(взять_целое(т), 15);
    т = "0O17";
    EXPECT_EQ(взять_целое(т), 15);
    т = "017";
    EXPECT_EQ(взять_целое(т), 17);
    т = "-0x10";
    EXPECT_EQ(взять_целое(т), -16);
    т = "0";
    EXPECT_EQ(взять_целое(т), 0);
    т = "-0";
    EXPECT_EQ(взять_целое(т), 0);
}

TEST(TakeInteger, StopsAtTheFirstForeignCharacter) {
    std::string_view т = "12, 3";
    EXPECT_EQ(взять_целое(т), 12);
    EXPECT_EQ(т, ", 3");
    т = "0o78";
    EXPECT_EQ(взять_целое(т), 7);
    EXPECT_EQ(т, "8");
    т = "0x1G";
    EXPECT_EQ(взять_целое(т), 1);
    EXPECT_EQ(т, "G");
    т = "0a";
    EXPECT_EQ(взять_целое(т), 0);
    EXPECT_EQ(т, "a");
}

TEST(TakeInteger, NoNumberLeavesTheTextUntouched) {
    for (const std::string_view исходный :
         {"", "-", "x1", "+5", " 5", "- 5", "0x", "0X", "0o", "0o9", "-0x", "0xg", "--1"}) {
        std::string_view т = исходный;
        EXPECT_EQ(взять_целое(т), nullopt) << исходный;
        EXPECT_EQ(т, исходный);
    }
}

TEST(TakeInteger, ThirtyTwoBitBounds) {
    std::string_view т = "2147483647";
    EXPECT_EQ(взять_целое(т), 2147483647);
    т = "-2147483648";
    EXPECT_EQ(взять_целое(т), -2147483647 - 1);
    т = "0x7FFFFFFF";
    EXPECT_EQ(взять_целое(т), 2147483647);
    т = "-0x80000000";
    EXPECT_EQ(взять_целое(т), -2147483647 - 1);
    for (const std::string_view исходный :
         {"2147483648", "-2147483649", "0x80000000", "0o20000000000", "99999999999999999999",
          "0xFFFFFFFFFFFFFFFFFFFF1", "-99999999999999999999999999999999"}) {
        std::string_view т2 = исходный;
        EXPECT_EQ(взять_целое(т2), nullopt) << исходный;
        EXPECT_EQ(т2, исходный);
    }
}

TEST(TakeInteger, LongZerosDoNotOverflow) {
    const std::string нули = std::string(100000, '0') + "42";
    std::string_view т = нули;
    EXPECT_EQ(взять_целое(т), 42);
    EXPECT_TRUE(т.empty());
}

TEST(ReadInteger, FieldsThatRead) {
    EXPECT_EQ(прочитать_целое("7"), 7);
    EXPECT_EQ(прочитать_целое("7 "), 7);
    EXPECT_EQ(прочитать_целое(" 7"), 7);
    EXPECT_EQ(прочитать_целое("   7   "), 7);
    EXPECT_EQ(прочитать_целое("09"), 9);
    EXPECT_EQ(прочитать_целое("0x1F"), 31);
    EXPECT_EQ(прочитать_целое("0o17"), 15);
    EXPECT_EQ(прочитать_целое("-5"), -5);
    EXPECT_EQ(прочитать_целое("2147483647"), 2147483647);
    EXPECT_EQ(прочитать_целое("-2147483648"), -2147483647 - 1);
}

TEST(ReadInteger, FieldsThatAreRefused) {
    using namespace std::string_view_literals;
    for (const std::string_view поле : std::initializer_list<std::string_view>{
             "", " ", "- 5", "+5", "7 7", "7a", "a7", "1 9", "2147483648", "-2147483649", "0x",
             "\t7", "7\t", "7\n", "1868.", "0o8", "7\0"sv}) {
        EXPECT_EQ(прочитать_целое(поле), nullopt) << '"' << поле << '"';
    }
}

TEST(ReadInteger, NumbersOutsideTheRangeAreToldFromText) {
    EXPECT_EQ(целое_вне_пределов(" 99999999999999999999 "), Вне_пределов::больше);
    EXPECT_EQ(целое_вне_пределов("0x80000000"), Вне_пределов::больше);
    EXPECT_EQ(целое_вне_пределов("-2147483649"), Вне_пределов::меньше);
    for (const std::string_view поле : {"2147483647", "", "-", "0x", "1e30", "9999999999x"})
        EXPECT_EQ(целое_вне_пределов(поле), nullopt) << '"' << поле << '"';
}

} // namespace
} // namespace круголет
