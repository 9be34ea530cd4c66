#include "runtime/utf16.h"

#include <cstddef>

namespace круголет {

namespace {

constexpr char32_t знак_замены = 0xFFFD;

struct Знак {
    char32_t код;
    std::size_t длина; // bytes or code units taken from the text
};

unsigned байт(std::string_view текст, std::size_t i) {
    return static_cast<unsigned char>(текст[i]);
}

// The range the second byte of a sequence must lie in: it excludes overlong forms, the
// surrogates and what lies beyond U+10FFFF.
struct Границы {
    unsigned низ = 0x80;
    unsigned верх = 0xBF;
};

Границы границы_второго_байта(unsigned первый) {
    switch (первый) {
    case 0xE0:
        return {0xA0, 0xBF};
    case 0xED:
        return {0x80, 0x9F};
    case 0xF0:
        return {0x90, 0xBF};
    case 0xF4:
        return {0x80, 0x8F};
    default:
        return {};
    }
}

std::size_t длина_последовательности(unsigned первый) {
    if (первый < 0x80)
        return 1;
    if (первый >= 0xC2 && первый <= 0xDF)
        return 2;
    if (первый >= 0xE0 && первый <= 0xEF)
        return 3;
    if (первый >= 0xF0 && первый <= 0xF4)
        return 4;
    return 0;
}

// A sequence broken off after its well-formed beginning is replaced as a whole, and the byte
// that broke it starts the next character.
Знак знак_utf8(std::string_view текст, std::size_t начало) {
    const unsigned первый = байт(текст, начало);
    const std::size_t длина = длина_последовательности(первый);
    if (длина == 0)
        return {знак_замены, 1};
    if (длина == 1)
        return {первый, 1};
    char32_t код = первый & (0x7F >> длина);
    for (std::size_t i = 1; i < длина; ++i) {
        const Границы границы = i == 1 ? границы_второго_байта(первый) : Границы{};
        if (начало + i >= текст.size())
            return {знак_замены, i};
        const unsigned следующий = байт(текст, начало + i);
        if (следующий < границы.низ || следующий > границы.верх)
            return {знак_замены, i};
        код = (код << 6) | (следующий & 0x3F);
    }
    return {код, длина};
}

bool высокий_суррогат(char32_t единица) {
    return единица >= 0xD800 && единица <= 0xDBFF;
}

bool низкий_суррогат(char32_t единица) {
    return единица >= 0xDC00 && единица <= 0xDFFF;
}

// A wchar_t wider than a code unit (not on Windows) may hold more: that is not well formed.
char32_t единица(std::wstring_view текст, std::size_t i) {
    const auto код = static_cast<char32_t>(текст[i]);
    return код > 0xFFFF ? знак_замены : код;
}

Знак знак_utf16(std::wstring_view текст, std::size_t начало) {
    const char32_t первая = единица(текст, начало);
    if (высокий_суррогат(первая) && начало + 1 < текст.size()) {
        const char32_t вторая = единица(текст, начало + 1);
        if (низкий_суррогат(вторая))
            return {0x10000 + ((первая - 0xD800) << 10) + (вторая - 0xDC00), 2};
    }
    if (высокий_суррогат(первая) || низкий_суррогат(первая))
        return {знак_замены, 1};
    return {первая, 1};
}

void дописать_utf16(std::wstring &итог, char32_t код) {
    if (код < 0x10000) {
        итог.push_back(static_cast<wchar_t>(код));
        return;
    }
    код -= 0x10000;
    итог.push_back(static_cast<wchar_t>(0xD800 + (код >> 10)));
    итог.push_back(static_cast<wchar_t>(0xDC00 + (код & 0x3FF)));
}

void дописать_utf8(std::string &итог, char32_t код) {
    if (код < 0x80) {
        итог.push_back(static_cast<char>(код));
        return;
    }
    const int продолжений = код < 0x800 ? 1 : код < 0x10000 ? 2 : 3;
    const unsigned метка = 0xFF00u >> (продолжений + 1);
    итог.push_back(static_cast<char>((метка | (код >> (6 * продолжений))) & 0xFF));
    for (int i = продолжений - 1; i >= 0; --i)
        итог.push_back(static_cast<char>(0x80 | ((код >> (6 * i)) & 0x3F)));
}

} // namespace

std::wstring в_utf16(std::string_view текст) {
    std::wstring итог;
    итог.reserve(текст.size());
    for (std::size_t i = 0; i < текст.size();) {
        const Знак знак = знак_utf8(текст, i);
        дописать_utf16(итог, знак.код);
        i += знак.длина;
    }
    return итог;
}

std::string в_utf8(std::wstring_view текст) {
    std::string итог;
    итог.reserve(текст.size() * 2);
    for (std::size_t i = 0; i < текст.size();) {
        const Знак знак = знак_utf16(текст, i);
        дописать_utf8(итог, знак.код);
        i += знак.длина;
    }
    return итог;
}

} // namespace круголет
