#include "runtime/cp1251.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace круголет {
namespace {

std::string байт(unsigned значение) {
    return std::string(1, static_cast<char>(значение));
}

TEST(Cp1251, EveryByteThereAndBack) {
    std::set<std::string> знаки;
    for (unsigned b = 0; b < 256; ++b) {
        const std::string текст = из_1251(байт(b));
        знаки.insert(текст);
        EXPECT_EQ(в_1251(текст), байт(b)) << "byte " << b;
    }
    EXPECT_EQ(знаки.size(), 256u) << "two bytes decode to the same character";
}

TEST(Cp1251, TheWholeByteSetInOneString) {
    std::string все;
    for (unsigned b = 0; b < 256; ++b)
        все += байт(b);
    EXPECT_EQ(в_1251(из_1251(все)), все);
}

TEST(Cp1251, RussianLettersAndSigns) {
    EXPECT_EQ(из_1251("\xC0\xDF\xE0\xFF"), "АЯая");
    EXPECT_EQ(из_1251("\xA8\xB8"), "Ёё");
    EXPECT_EQ(из_1251("\xB9\xAB\xBB"), "№«»");
    EXPECT_EQ(из_1251("\x96\x97\x85"), "–—…");
    EXPECT_EQ(из_1251("\x98"), "\u0098");
    EXPECT_EQ(в_1251("Числобог Ёж ёлка №5 «Рамхат»"),
              "\xD7\xE8\xF1\xEB\xEE\xE1\xEE\xE3 \xA8\xE6 \xB8\xEB\xEA\xE0 \xB9"
              "5 \xAB\xD0\xE0\xEC\xF5\xE0\xF2\xBB");
}

TEST(Cp1251, AlphabetInOrder) {
    const std::string алфавит = "АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдежзийклмнопрстуфхцчшщъыьэюя";
    const auto байты = в_1251(алфавит);
    ASSERT_TRUE(байты);
    ASSERT_EQ(байты->size(), 64u);
    for (unsigned i = 0; i < 64; ++i)
        EXPECT_EQ(static_cast<unsigned char>((*байты)[i]), 0xC0 + i);
}

TEST(Cp1251, CharacterOutsideTheCodePage) {
    EXPECT_EQ(в_1251("日本"), std::nullopt);
    EXPECT_EQ(в_1251("Ω"), std::nullopt);
    EXPECT_EQ(в_1251("😀"), std::nullopt);
    EXPECT_EQ(в_1251("ok é"), std::nullopt);
}

TEST(Cp1251, InvalidUtf8) {
    EXPECT_EQ(в_1251("\xD0"), std::nullopt);         // cut short
    EXPECT_EQ(в_1251("\xD0\x41"), std::nullopt);     // not a continuation byte
    EXPECT_EQ(в_1251("\x90"), std::nullopt);         // stray continuation byte
    EXPECT_EQ(в_1251("\xC1\x81"), std::nullopt);     // overlong "A"
    EXPECT_EQ(в_1251("\xE0\x80\xC1"), std::nullopt); // overlong, three bytes
    EXPECT_EQ(в_1251("\xED\xA0\x80"), std::nullopt); // surrogate
    EXPECT_EQ(в_1251("\xFF"), std::nullopt);
}

TEST(Cp1251, EmptyTextAndZeroByte) {
    EXPECT_EQ(из_1251(""), "");
    EXPECT_EQ(в_1251(""), "");
    EXPECT_EQ(в_1251(std::string("\0", 1)), std::string("\0", 1));
}

} // namespace
} // namespace круголет
