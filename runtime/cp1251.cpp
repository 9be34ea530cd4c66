#include "runtime/cp1251.h"

#include <array>
#include <cstdint>

namespace круголет {

namespace {

// The upper half of the code page, 0x80..0xFF; the lower half is ASCII. 0x98, which the code
// page leaves out, keeps its own value so that the table stays one-to-one.
constexpr std::array<char16_t, 128> верхняя_половина = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, // C0 А..
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, // C8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, // D0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F, // D8 ..Я
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, // E0 а..
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, // E8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, // F0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F, // F8 ..я
};

constexpr std::array<char16_t, 256> знаки = [] {
    std::array<char16_t, 256> таблица{};
    for (std::size_t байт = 0; байт < 128; ++байт)
        таблица[байт] = static_cast<char16_t>(байт);
    for (std::size_t i = 0; i < верхняя_половина.size(); ++i)
        таблица[128 + i] = верхняя_половина[i];
    return таблица;
}();

// Every character of the code page lies below U+10000: one to three UTF-8 bytes.
char *записать_utf8(char *куда, char16_t знак) {
    if (знак < 0x80) {
        *куда++ = static_cast<char>(знак);
    } else if (знак < 0x800) {
        *куда++ = static_cast<char>(0xC0 | (знак >> 6));
        *куда++ = static_cast<char>(0x80 | (знак & 0x3F));
    } else {
        *куда++ = static_cast<char>(0xE0 | (знак >> 12));
        *куда++ = static_cast<char>(0x80 | ((знак >> 6) & 0x3F));
        *куда++ = static_cast<char>(0x80 | (знак & 0x3F));
    }
    return куда;
}

// The lead byte of a UTF-8 sequence: its fixed bits, its length, and the smallest character that
// needs that length (anything below it is an overlong form).
struct Начало_utf8 {
    unsigned char маска;
    unsigned char образец;
    std::size_t длина;
    char32_t наименьший;
};

constexpr Начало_utf8 начала_utf8[] = {
    {0x80, 0x00, 1, 0},
    {0xE0, 0xC0, 2, 0x80},
    {0xF0, 0xE0, 3, 0x800},
    {0xF8, 0xF0, 4, 0x10000},
};

// Reads one character of well-formed UTF-8 (no overlong forms, no surrogates) and advances.
std::optional<char32_t> взять_utf8(std::string_view &текст) {
    const auto байт = [&](std::size_t i) { return static_cast<unsigned char>(текст[i]); };
    for (const auto &начало : начала_utf8) {
        if ((байт(0) & начало.маска) != начало.образец)
            continue;
        if (текст.size() < начало.длина)
            return std::nullopt;
        char32_t знак = байт(0) & ~начало.маска & 0xFF;
        for (std::size_t i = 1; i < начало.длина; ++i) {
            if ((байт(i) & 0xC0) != 0x80)
                return std::nullopt;
            знак = (знак << 6) | (байт(i) & 0x3F);
        }
        if (знак < начало.наименьший || знак > 0x10FFFF || (знак >= 0xD800 && знак <= 0xDFFF))
            return std::nullopt;
        текст.remove_prefix(начало.длина);
        return знак;
    }
    return std::nullopt;
}

std::optional<char> байт_1251(char32_t знак) {
    if (знак < 0x80)
        return static_cast<char>(знак);
    for (std::size_t байт = 0x80; байт < знаки.size(); ++байт)
        if (знаки[байт] == знак)
            return static_cast<char>(байт);
    return std::nullopt;
}

} // namespace

std::string из_1251(std::string_view байты) {
    // Written through a pointer into room for the longest case, then cut to what was written:
    // this runs over the whole library file.
    std::string итог(байты.size() * 3, '\0');
    char *конец = итог.data();
    for (const char байт : байты)
        конец = записать_utf8(конец, знаки[static_cast<unsigned char>(байт)]);
    итог.resize(static_cast<std::size_t>(конец - итог.data()));
    return итог;
}

std::optional<std::string> в_1251(std::string_view текст) {
    std::string итог;
    итог.reserve(текст.size());
    while (!текст.empty()) {
        const auto знак = взять_utf8(текст);
        if (!знак)
            return std::nullopt;
        const auto байт = байт_1251(*знак);
        if (!байт)
            return std::nullopt;
        итог += *байт;
    }
    return итог;
}

} // namespace круголет
