#include "apps/gui/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace круголет {
namespace {

struct Случай {
    std::vector<std::string> слова;
    bool широкий;
    bool версия;
};

class Разобрать_командную_строку : public testing::TestWithParam<Случай> {};

TEST_P(Разобрать_командную_строку, FindsTheOptionsAnywhereAndPassesOverOtherWords) {
    const Случай &с = GetParam();
    const Командная_строка итог = разобрать_командную_строку(с.слова);
    EXPECT_EQ(итог.широкий_промежуток, с.широкий);
    EXPECT_EQ(итог.версия, с.версия);
}

INSTANTIATE_TEST_SUITE_P(
    Слова, Разобрать_командную_строку,
    testing::Values(Случай{{}, false, false}, Случай{{"--extended"}, true, false},
                    Случай{{"--version"}, false, true},
                    Случай{{"-style", "fusion", "--extended", "--version"}, true, true},
                    // Only the whole word counts.
                    Случай{
                        {"--extended=1", "-extended", "--EXTENDED", "--versions"}, false, false}));

} // namespace
} // namespace круголет
