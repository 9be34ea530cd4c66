#include "runtime/utf8.h"

#include <gtest/gtest.h>

namespace круголет {
namespace {

TEST(Utf8, CharacterCount) {
    EXPECT_EQ(число_знаков(""), 0u);
    EXPECT_EQ(число_знаков("abc"), 3u);
    EXPECT_EQ(число_знаков("Круголет"), 8u);
    EXPECT_EQ(число_знаков("№ 5 — «Ё»"), 9u);
    EXPECT_EQ(число_знаков("日😀"), 2u);
}

TEST(Utf8, CharacterOffset) {
    const std::string_view текст = "aЖ—b";
    EXPECT_EQ(смещение_знака(текст, 0), 0u);
    EXPECT_EQ(смещение_знака(текст, 1), 1u);
    EXPECT_EQ(смещение_знака(текст, 2), 3u);
    EXPECT_EQ(смещение_знака(текст, 3), 6u);
    EXPECT_EQ(смещение_знака(текст, 4), 7u);
    EXPECT_EQ(смещение_знака(текст, 100), 7u);
    EXPECT_EQ(смещение_знака("", 0), 0u);
}

TEST(Utf8, OffsetCutsTheTextAtCharacters) {
    const std::string_view текст = "Да'Арийский Круголет";
    const auto начало = текст.substr(0, смещение_знака(текст, 11));
    EXPECT_EQ(начало, "Да'Арийский");
    EXPECT_EQ(число_знаков(начало), 11u);
}

TEST(Utf8, BrokenTextNeverLeadsPastTheEnd) {
    // A lone continuation byte is not a character; a cut-off lead byte still is.
    EXPECT_EQ(число_знаков("\x80\x80"), 0u);
    EXPECT_EQ(число_знаков("a\xD0"), 2u);
    EXPECT_EQ(смещение_знака("\x80\x80", 0), 2u);
    EXPECT_EQ(смещение_знака("a\xD0", 1), 1u);
}

struct Байты {
    std::string_view текст;
    bool правильный;
};

class Utf8Validity : public ::testing::TestWithParam<Байты> {};

TEST_P(Utf8Validity, AcceptsOnlyWellFormedCharacters) {
    EXPECT_EQ(правильный_utf8(GetParam().текст), GetParam().правильный);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Utf8Validity,
    ::testing::Values(Байты{"", true}, Байты{"Мирослава — «Ё» 日😀", true}, Байты{"\x7F", true},
                      Байты{"\xF4\x8F\xBF\xBF", true},                        // U+10FFFF
                      Байты{"\x80", false}, Байты{"a\xD0", false},            // stray, cut off
                      Байты{"\xC0\xAF", false}, Байты{"\xE0\x80\xAF", false}, // overlong
                      Байты{"\xED\xA0\x80", false},                           // a surrogate
                      Байты{"\xF4\x90\x80\x80", false}, Байты{"\xFF", false},
                      Байты{"\xD0\x41", false}));

} // namespace
} // namespace круголет
