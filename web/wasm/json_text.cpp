#include "web/wasm/json_text.h"

namespace круголет {

std::string json_строка(std::string_view текст) {
    constexpr std::string_view цифры = "0123456789abcdef";
    std::string итог;
    итог.reserve(текст.size() + текст.size() / 16 + 2);
    итог += '"';
    for (const char знак : текст) {
        const auto байт = static_cast<unsigned char>(знак);
        if (знак == '"' || знак == '\\') {
            итог += '\\';
            итог += знак;
        } else if (знак == '\n') {
            итог += "\\n";
        } else if (байт < 0x20) {
            итог += "\\u00";
            итог += цифры[байт >> 4];
            итог += цифры[байт & 0xF];
        } else {
            итог += знак;
        }
    }
    итог += '"';
    return итог;
}

} // namespace круголет
