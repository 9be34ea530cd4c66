#include "runtime/json_string.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <random>
#include <string>

namespace круголет {
namespace {

// How the programs wrote a JSON string before they had a writer of their own: through
// nlohmann-json, with bytes that are not UTF-8 replaced.
std::string прежняя_строка(const std::string &текст) {
    return nlohmann::json(текст).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string json_строка(std::string_view текст) {
    Буфер_текста буфер;
    дописать_строку_json(буфер, текст);
    return std::string(буфер.текст());
}

// Texts of the bytes that matter to escaping and to UTF-8, mixed: plain ASCII, control
// characters, quotes and backslashes, whole Cyrillic letters and characters of three and four
// bytes, their parts, and bytes that never belong to UTF-8.
std::string случайный_текст(std::mt19937 &случай) {
    constexpr std::string_view куски[] = {"a",
                                          " ",
                                          "Ж",
                                          "ё",
                                          "№",
                                          "—",
                                          "😀",
                                          "\"",
                                          "\\",
                                          "\n",
                                          "\r",
                                          "\t",
                                          "\b",
                                          "\f",
                                          "\x01",
                                          "\x1f",
                                          "\x7f",
                                          "\x00",
                                          "\xD0",
                                          "\x96",
                                          "\xE2\x84",
                                          "\xF0\x9F\x98",
                                          "\xC0\x80",
                                          "\xC1",
                                          "\xE0\x80",
                                          "\xE0\xA0",
                                          "\xED\xA0\x80",
                                          "\xED\x9F\xBF",
                                          "\xF0\x80",
                                          "\xF4\x90",
                                          "\xF4\x8F\xBF\xBF",
                                          "\xF5",
                                          "\xFF",
                                          "\x80",
                                          "\xBF",
                                          "abcdefghijklmnop",
                                          "Круголет Числобога, "};
    std::uniform_int_distribution<std::size_t> какой(0, std::size(куски) - 1);
    std::string текст;
    for (int i = std::uniform_int_distribution(0, 40)(случай); i > 0; --i) {
        const auto кусок = куски[какой(случай)];
        текст.append(кусок.empty() ? std::string_view("\0", 1) : кусок);
    }
    return текст;
}

TEST(JsonString, EveryControlCharacterQuoteAndBackslash) {
    std::string все;
    for (int байт = 0; байт < 0x80; ++байт)
        все += static_cast<char>(байт);
    EXPECT_EQ(json_строка(все), прежняя_строка(все));
    EXPECT_EQ(json_строка(std::string_view("\x00\x1f\"\\\x7f", 5)), R"("\u0000\u001f\"\\)"
                                                                    "\x7f\"");
}

TEST(JsonString, InvalidUtf8BecomesOneReplacementForEachUnfinishedStart) {
    EXPECT_EQ(json_строка("a\xD0"
                          "b"),
              "\"a\xEF\xBF\xBD"
              "b\"");
    EXPECT_EQ(json_строка("\xE0\x80"), "\"\xEF\xBF\xBD\xEF\xBF\xBD\"") << "overlong";
    EXPECT_EQ(json_строка("\xE2\x84"), "\"\xEF\xBF\xBD\"") << "cut at the end";
    EXPECT_EQ(json_строка("\xED\xA0\x80"), "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\"")
        << "surrogate";
}

// Random texts, whole and cut into random pieces at any byte, give the old writer's bytes.
TEST(JsonString, RandomTextsGiveTheBytesTheOldWriterGave) {
    const auto зерно = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(зерно));
    std::mt19937 случай(зерно);
    for (int i = 0; i < 20'000; ++i) {
        const std::string текст = случайный_текст(случай);
        const std::string ожидается = прежняя_строка(текст);
        ASSERT_EQ(json_строка(текст), ожидается) << testing::PrintToString(текст);

        Буфер_текста буфер;
        Строка_json строка(буфер);
        for (std::size_t место = 0; место < текст.size();) {
            const auto длина =
                std::uniform_int_distribution<std::size_t>(0, текст.size() - место)(случай);
            строка.дописать(std::string_view(текст).substr(место, длина));
            место += длина;
        }
        строка.закрыть();
        ASSERT_EQ(буфер.текст(), ожидается) << "in pieces: " << testing::PrintToString(текст);
    }
}

// The fast path's masks and those made a byte at a time agree on any window.
TEST(JsonString, BothWaysOfMaskingAWindowAgree) {
    const auto зерно = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(зерно));
    std::mt19937 случай(зерно);
    for (int i = 0; i < 20'000; ++i) {
        std::string текст = случайный_текст(случай);
        текст.resize(байт_окна);
        const auto один = маски_окна(текст.data()), другой = маски_окна_по_одному(текст.data());
        ASSERT_EQ(один.старшие, другой.старшие) << testing::PrintToString(текст);
        ASSERT_EQ(один.особые, другой.особые) << testing::PrintToString(текст);
        ASSERT_EQ(один.ведущие, другой.ведущие) << testing::PrintToString(текст);
        ASSERT_EQ(один.продолжения, другой.продолжения) << testing::PrintToString(текст);
    }
}

} // namespace
} // namespace круголет
