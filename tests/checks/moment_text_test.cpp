#include "calendar/moment_text.h"

#include <gtest/gtest.h>

using namespace круголет;

TEST(MomentFromText, DateAndTimeAreCutIntoFiveFields) {
    const auto м = момент_из_текста("15.03.2000", "20:30");
    ASSERT_TRUE(м);
    EXPECT_EQ(*м, (Момент{15, 3, 2000, 20, 30}));
    EXPECT_TRUE(момент_из_текста("0x0F.03.2000", "20: 30"));
}

TEST(MomentFromText, WrongNumberOfPartsIsRefused) {
    EXPECT_FALSE(момент_из_текста("15.03", "20:30"));
    EXPECT_FALSE(момент_из_текста("15.03.2000.1", "20:30"));
    EXPECT_FALSE(момент_из_текста("15-03-2000", "20:30"));
    EXPECT_FALSE(момент_из_текста("15.03.2000", "20"));
    EXPECT_FALSE(момент_из_текста("15.03.2000", "20:30:00"));
    EXPECT_FALSE(момент_из_текста("15..2000", "20:30"));
}

TEST(MomentFromText, LineWithDateAndTime) {
    EXPECT_TRUE(момент_из_текста("15.03.2000 20:30"));
    EXPECT_TRUE(момент_из_текста("  15.03.2000   20:30 "));
    EXPECT_TRUE(момент_из_текста("\t15.03.2000\t \t20:30\t"));
    EXPECT_FALSE(момент_из_текста("15.03.2000 20:\t30"));
    EXPECT_FALSE(момент_из_текста(""));
    EXPECT_FALSE(момент_из_текста("   "));
    EXPECT_FALSE(момент_из_текста("15.03.2000"));
    EXPECT_FALSE(момент_из_текста("15.03.2000 20:30 x"));
    EXPECT_FALSE(момент_из_текста("22.09.2012 19:00"));
}
