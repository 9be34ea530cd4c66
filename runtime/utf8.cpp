#include "runtime/utf8.h"

namespace круголет {

namespace {

// Every character starts with a byte that is not a continuation byte (10xxxxxx), so counting
// starts stays safe on malformed text too.
bool начало_знака(char байт) {
    return (static_cast<unsigned char>(байт) & 0xC0) != 0x80;
}

} // namespace

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

} // namespace круголет
