#include "platform/line_feeds.h"

#include <gtest/gtest.h>

namespace круголет {
namespace {

TEST(LineFeeds, IntoAControlEveryLineFeedGetsACarriageReturn) {
    EXPECT_EQ(в_текст_элемента(""), "");
    EXPECT_EQ(в_текст_элемента("Ныне:\nотчет"), "Ныне:\r\nотчет");
    EXPECT_EQ(в_текст_элемента("\n\n"), "\r\n\r\n");
    // Whatever stood before the line feed, a carriage return of its own included.
    EXPECT_EQ(в_текст_элемента("a\r\nb"), "a\r\r\nb");
}

TEST(LineFeeds, OutOfAControlOnlyPairsLoseTheirCarriageReturn) {
    EXPECT_EQ(из_текста_элемента("a\r\nb\r\n"), "a\nb\n");
    EXPECT_EQ(из_текста_элемента("a\rb\r"), "a\rb\r");
    EXPECT_EQ(из_текста_элемента("\n\r\r\n"), "\n\r\n");
    EXPECT_EQ(из_текста_элемента("\r\r\n\n"), "\r\n\n");
}

TEST(LineFeeds, ProgramTextSurvivesTheRoundTrip) {
    for (const char *текст : {"", "\n", "строка", "Ныне:\nпервая\n\nтретья\n", "\r", "x\ry"})
        EXPECT_EQ(из_текста_элемента(в_текст_элемента(текст)), текст);
}

} // namespace
} // namespace круголет
