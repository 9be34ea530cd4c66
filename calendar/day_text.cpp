#include "calendar/day_text.h"

#include <cstdio>

namespace круголет {

std::string время_и_дата(const Момент &м) {
    char текст[64];
    const int длина = std::snprintf(текст, sizeof текст, "%02d:%02d %02d.%02d.%04d", м.час,
                                    м.минута, м.день, м.месяц, м.год);
    return std::string(текст, static_cast<std::size_t>(длина));
}

std::string старая_дата_текстом(const День_круголета &день) {
    return std::to_string(день.дата.число) + " " + std::string(день.месяц) + " " +
           std::to_string(день.дата.лето) + " лета";
}

std::string строка_дня(const День_круголета &день) {
    return старая_дата_текстом(день) + " (" + std::string(день.день_недели) + "): с " +
           время_и_дата(день.начало) + " до " + время_и_дата(день.конец);
}

std::string описание_дня(const День_круголета &день) {
    return строка_дня(день) + "\nПраздник: " + std::string(день.праздник.value_or("нет")) +
           "\nЧертог: " + std::string(день.чертог) + "\n";
}

std::string список_праздников(std::string_view заголовок,
                              std::span<const День_круголета> праздники) {
    std::string текст(заголовок);
    текст += '\n';
    for (const auto &день : праздники)
        текст += строка_дня(день) + " — " + std::string(день.праздник.value_or("")) + "\n";
    return текст;
}

} // namespace круголет
