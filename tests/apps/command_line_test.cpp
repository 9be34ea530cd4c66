#include "apps/gui/command_line.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace круголет {
namespace {

struct Случай {
    std::vector<std::string> слова;
    bool широкий;
    bool версия;
    bool справка;
    std::optional<std::string> ошибка;
};

void PrintTo(const Случай &с, std::ostream *поток) {
    for (const std::string &слово : с.слова)
        *поток << слово << ' ';
}

class CommandLine : public testing::TestWithParam<Случай> {};

TEST_P(CommandLine, TakesItsOptionsAnywhereAndNamesTheFirstWordItRefuses) {
    const Случай &с = GetParam();
    const Командная_строка итог = командная_строка_из_аргументов(с.слова);
    EXPECT_EQ(итог.широкий_промежуток, с.широкий);
    EXPECT_EQ(итог.версия, с.версия);
    EXPECT_EQ(итог.справка, с.справка);
    EXPECT_EQ(итог.ошибка, с.ошибка);
}

INSTANTIATE_TEST_SUITE_P(
    Words, CommandLine,
    testing::Values(
        Случай{{"--help", "--extended", "--version"}, true, true, true, std::nullopt},
        Случай{{"-h"}, false, false, true, std::nullopt},
        // Only the whole word counts; a single "-" is a word, not an option.
        Случай{{"--extended=1", "--EXTENDED"},
               false,
               false,
               false,
               "неизвестный параметр: --extended=1"},
        Случай{{"--extended", "-", "--versions"}, true, false, false, "лишний аргумент: -"}));

} // namespace
} // namespace круголет
