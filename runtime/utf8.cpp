#include "runtime/utf8.h"

namespace круголет {

bool начало_знака(char байт) {
    return (static_cast<unsigned char>(байт) & 0xC0) != 0x80;
}

std::size_t число_знаков(std::string_view текст) {
    std::size_t число = 0;
    for (const char байт : текст)
        число += начало_знака(байт);
    return число;
}

std::size_t смещение_знака(std::string_view текст, std::size_t индекс) {
    std::size_t пройдено = 0;
    for (std::size_t смещение = 0; смещение < текст.size(); ++смещение) {
        if (!начало_знака(текст[смещение]))
            continue;
        if (пройдено == индекс)
            return смещение;
        ++пройдено;
    }
    return текст.size();
}

bool правильный_utf8(std::string_view текст) {
    for (std::size_t i = 0; i < текст.size();) {
        const auto первый = static_cast<unsigned char>(текст[i]);
        // The continuation bytes a lead byte takes, and the range its first one must fall in,
        // which rules out overlong forms, surrogates and code points past U+10FFFF.
        std::size_t продолжений = 0;
        unsigned char от = 0x80, до = 0xBF;
        if (первый < 0x80)
            продолжений = 0;
        else if (первый >= 0xC2 && первый <= 0xDF)
            продолжений = 1;
        else if (первый >= 0xE0 && первый <= 0xEF) {
            продолжений = 2;
            от = первый == 0xE0 ? 0xA0 : 0x80;
            до = первый == 0xED ? 0x9F : 0xBF;
        } else if (первый >= 0xF0 && первый <= 0xF4) {
            продолжений = 3;
            от = первый == 0xF0 ? 0x90 : 0x80;
            до = первый == 0xF4 ? 0x8F : 0xBF;
        } else
            return false;
        if (текст.size() - i - 1 < продолжений)
            return false;
        for (std::size_t k = 1; k <= продолжений; ++k) {
            const auto байт = static_cast<unsigned char>(текст[i + k]);
            if (байт < (k == 1 ? от : 0x80) || байт > (k == 1 ? до : 0xBF))
                return false;
        }
        i += продолжений + 1;
    }
    return true;
}

std::string строчными(std::string_view текст) {
    std::string итог(текст);
    for (std::size_t i = 0; i < итог.size(); ++i) {
        const auto байт = static_cast<unsigned char>(итог[i]);
        if (байт >= 'A' && байт <= 'Z') {
            итог[i] = static_cast<char>(байт - 'A' + 'a');
            continue;
        }
        // The capitals U+0400..U+042F are the two bytes D0 80..D0 AF: А..П become D0 B0..D0 BF,
        // Р..Я become D1 80..D1 8F, and Ё (D0 81) becomes ё (D1 91).
        if (байт != 0xD0 || i + 1 == итог.size())
            continue;
        const auto второй = static_cast<unsigned char>(итог[i + 1]);
        if (второй >= 0x90 && второй <= 0x9F) {
            итог[i + 1] = static_cast<char>(второй + 0x20);
        } else if (второй >= 0xA0 && второй <= 0xAF) {
            итог[i] = static_cast<char>(0xD1);
            итог[i + 1] = static_cast<char>(второй - 0x20);
        } else if (второй == 0x81) {
            итог[i] = static_cast<char>(0xD1);
            итог[i + 1] = static_cast<char>(0x91);
        }
    }
    return итог;
}

} // namespace круголет
