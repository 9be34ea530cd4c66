#include "print/wrap.h"
#include "runtime/utf8.h"

namespace круголет {

namespace {

// A character is a blank when it starts with the blank byte, which always starts a character.
bool пробел(std::string_view текст, std::size_t смещение) {
    return смещение < текст.size() && текст[смещение] == ' ';
}

} // namespace

std::pair<std::string_view, std::string_view> отрезать_строку(std::string_view строка) {
    const std::size_t конец_ряда = смещение_знака(строка, ширина_ряда);
    const std::string_view ряд = строка.substr(0, конец_ряда);
    // Only the blank's own byte is dropped: in malformed text a stray continuation byte after it
    // would count as part of that character, and dropping it would lose text.
    if (пробел(строка, конец_ряда))
        return {ряд, строка.substr(конец_ряда + 1)};
    if (пробел(строка, смещение_знака(строка, ширина_ряда - 1)))
        return {ряд, строка.substr(конец_ряда)};
    if (const auto до_пробела = назад_до_пробела(ширина_ряда, ряд))
        return {*до_пробела, строка.substr(до_пробела->size())};
    return {ряд, строка.substr(конец_ряда)};
}

std::optional<std::string_view> назад_до_пробела(std::size_t позиция, std::string_view текст) {
    const std::string_view первые = текст.substr(0, смещение_знака(текст, позиция));
    const std::size_t место = первые.rfind(' ');
    if (место == std::string_view::npos)
        return std::nullopt;
    const std::size_t конец_пробела = место + смещение_знака(первые.substr(место), 1);
    return первые.substr(0, конец_пробела);
}

} // namespace круголет
