#include "runtime/utf16.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>

namespace круголет {
namespace {

// Code units written out, so that the expectations hold whatever the width of wchar_t.
std::wstring единицы(std::initializer_list<unsigned> коды) {
    std::wstring итог;
    for (unsigned код : коды)
        итог.push_back(static_cast<wchar_t>(код));
    return итог;
}

TEST(Utf16, TextCrossesToUtf16AndBackWithoutLoss) {
    EXPECT_EQ(в_utf16("Ольмарский Календаръ"), L"Ольмарский Календаръ");
    EXPECT_EQ(в_utf8(L"Да'АРИЙСКИЙ — «Круголет»"), "Да'АРИЙСКИЙ — «Круголет»");
    EXPECT_EQ(в_utf16(""), L"");
    EXPECT_EQ(в_utf8(L""), "");
    const std::string с_нулем("а\0б", 5);
    EXPECT_EQ(в_utf8(в_utf16(с_нулем)), с_нулем);
}

TEST(Utf16, CharactersBeyondTheBasicPlaneTakeASurrogatePair) {
    EXPECT_EQ(в_utf16("日😀"), единицы({0x65E5, 0xD83D, 0xDE00}));
    EXPECT_EQ(в_utf8(единицы({0x65E5, 0xD83D, 0xDE00})), "日😀");
}

// The characters at the edges of each length of UTF-8 and of UTF-16.
struct Знак_на_границе {
    std::string_view имя;
    std::string_view utf8;
    std::wstring utf16;
};

void PrintTo(const Знак_на_границе &случай, std::ostream *поток) {
    *поток << случай.имя;
}

class Utf16Edges : public ::testing::TestWithParam<Знак_на_границе> {};

TEST_P(Utf16Edges, CrossBothWays) {
    EXPECT_EQ(в_utf16(GetParam().utf8), GetParam().utf16);
    EXPECT_EQ(в_utf8(GetParam().utf16), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Utf16, Utf16Edges,
    ::testing::Values(
        Знак_на_границе{"LastOfOneByte", "\x7F", единицы({0x7F})},
        Знак_на_границе{"FirstOfTwoBytes", "\xC2\x80", единицы({0x80})},
        Знак_на_границе{"LastOfTwoBytes", "\xDF\xBF", единицы({0x7FF})},
        Знак_на_границе{"FirstOfThreeBytes", "\xE0\xA0\x80", единицы({0x800})},
        Знак_на_границе{"LastBeforeSurrogates", "\xED\x9F\xBF", единицы({0xD7FF})},
        Знак_на_границе{"FirstAfterSurrogates", "\xEE\x80\x80", единицы({0xE000})},
        Знак_на_границе{"LastOfThreeBytes", "\xEF\xBF\xBF", единицы({0xFFFF})},
        Знак_на_границе{"FirstOfFourBytes", "\xF0\x90\x80\x80", единицы({0xD800, 0xDC00})},
        Знак_на_границе{"LastCharacter", "\xF4\x8F\xBF\xBF", единицы({0xDBFF, 0xDFFF})}));

struct Испорченный_utf8 {
    std::string_view имя;
    std::string_view текст;
    std::wstring ожидается;
};

void PrintTo(const Испорченный_utf8 &случай, std::ostream *поток) {
    *поток << случай.имя;
}

class Utf8ToUtf16Malformed : public ::testing::TestWithParam<Испорченный_utf8> {};

TEST_P(Utf8ToUtf16Malformed, BecomesReplacementCharactersAndKeepsWhatFollows) {
    EXPECT_EQ(в_utf16(GetParam().текст), GetParam().ожидается);
}

INSTANTIATE_TEST_SUITE_P(
    Utf16, Utf8ToUtf16Malformed,
    ::testing::Values(
        Испорченный_utf8{"StrayContinuationByte",
                         "a\x80"
                         "b",
                         единицы({'a', 0xFFFD, 'b'})},
        Испорченный_utf8{"CutOffAtTheEnd", "a\xD0", единицы({'a', 0xFFFD})},
        Испорченный_utf8{"CutOffBeforeALetter", "\xE2\x82x", единицы({0xFFFD, 'x'})},
        Испорченный_utf8{"Overlong", "\xC0\xAF", единицы({0xFFFD, 0xFFFD})},
        Испорченный_utf8{"OverlongThreeBytes", "\xE0\x80\xAF", единицы({0xFFFD, 0xFFFD, 0xFFFD})},
        Испорченный_utf8{"EncodedSurrogate", "\xED\xA0\x80", единицы({0xFFFD, 0xFFFD, 0xFFFD})},
        Испорченный_utf8{"BeyondTheLastCharacter", "\xF4\x90\x80\x80",
                         единицы({0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD})},
        Испорченный_utf8{"ByteNeverUsed", "\xFF", единицы({0xFFFD})}));

struct Испорченный_utf16 {
    std::string_view имя;
    std::wstring текст;
    std::string_view ожидается;
};

void PrintTo(const Испорченный_utf16 &случай, std::ostream *поток) {
    *поток << случай.имя;
}

class Utf16ToUtf8Malformed : public ::testing::TestWithParam<Испорченный_utf16> {};

TEST_P(Utf16ToUtf8Malformed, BecomesReplacementCharactersAndKeepsWhatFollows) {
    EXPECT_EQ(в_utf8(GetParam().текст), GetParam().ожидается);
}

INSTANTIATE_TEST_SUITE_P(
    Utf16, Utf16ToUtf8Malformed,
    ::testing::Values(Испорченный_utf16{"LoneHighSurrogate", единицы({0xD83D, 'a'}), "\uFFFDa"},
                      Испорченный_utf16{"HighSurrogateAtTheEnd", единицы({'a', 0xD83D}), "a\uFFFD"},
                      Испорченный_utf16{"LoneLowSurrogate", единицы({0xDE00}), "\uFFFD"},
                      Испорченный_utf16{"PairInTheWrongOrder", единицы({0xDE00, 0xD83D}),
                                        "\uFFFD\uFFFD"}));

} // namespace
} // namespace круголет
