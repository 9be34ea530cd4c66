#include "runtime/format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace круголет {
namespace {

using namespace std::string_view_literals;

TEST(Formatting, TypeLetterBelongsToThePlaceholder) {
    EXPECT_EQ(форматировать("%s %s", {"Лето"sv, "Дракона"sv}), "Лето Дракона");
    EXPECT_EQ(форматировать("-%d-", {std::int64_t{7}}), "-7-");
    EXPECT_EQ(форматировать("%d%s", {std::int64_t{3}, "час"sv}), "3час");
}

TEST(Formatting, LetterOfAnotherKindStaysText) {
    // "d" after a text value and "s" after a number are ordinary letters.
    EXPECT_EQ(форматировать("%d", {"а"sv}), "аd");
    EXPECT_EQ(форматировать("%s", {std::int64_t{5}}), "5s");
}

TEST(Formatting, AnyOtherCharacterAfterPercentStaysText) {
    EXPECT_EQ(форматировать("%час.", {std::int64_t{12}}), "12час.");
    EXPECT_EQ(форматировать("% частей", {std::int64_t{0}}), "0 частей");
    EXPECT_EQ(форматировать("%.\n%", {"а"sv, "б"sv}), "а.\nб");
    EXPECT_EQ(форматировать("%x%D%S", {std::int64_t{1}, std::int64_t{2}, "в"sv}), "1x2Dв"
                                                                                  "S");
}

TEST(Formatting, IntegersAsPlainDecimals) {
    EXPECT_EQ(форматировать("%d", {std::int64_t{0}}), "0");
    EXPECT_EQ(форматировать("%d", {std::int64_t{-144}}), "-144");
    EXPECT_EQ(форматировать("%d", {std::numeric_limits<std::int64_t>::min()}),
              "-9223372036854775808");
    EXPECT_EQ(форматировать("%d", {std::numeric_limits<std::int64_t>::max()}),
              "9223372036854775807");
}

TEST(Formatting, InsertedTextIsNotScanned) {
    EXPECT_EQ(форматировать("%s и %s", {"100%s"sv, "%d"sv}), "100%s и %d");
}

TEST(Formatting, SurplusPercentAndSurplusValues) {
    EXPECT_EQ(форматировать("%s, %s и %d", {"а"sv}), "а, %s и %d");
    EXPECT_EQ(форматировать("%", {}), "%");
    EXPECT_EQ(форматировать("конец %", {"а"sv, "б"sv}), "конец а");
    EXPECT_EQ(форматировать("без вставок", {std::int64_t{1}}), "без вставок");
    EXPECT_EQ(форматировать("", {std::int64_t{1}}), "");
}

TEST(Formatting, TypeLetterAtTheEndAndBeyondTheTemplate) {
    // The letter check must not read past the template; a "%" that ends it is still replaced.
    const std::string образец = "%s";
    EXPECT_EQ(форматировать(std::string_view(образец).substr(0, 1), {"ж"sv}), "ж");
    EXPECT_EQ(форматировать("%%", {std::int64_t{1}, std::int64_t{2}}), "12");
}

TEST(Formatting, ZeroBytesCarryOverAsTheyAre) {
    const std::string шаблон("%\0%", 3);
    const std::string значение("x\0y", 3);
    EXPECT_EQ(форматировать(шаблон, {std::string_view(значение), std::int64_t{1}}),
              std::string("x\0y\0"
                          "1",
                          5));
}

} // namespace
} // namespace круголет
