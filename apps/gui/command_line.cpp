#include "apps/gui/command_line.h"

namespace круголет {

Командная_строка командная_строка_из_аргументов(std::span<const std::string> слова) {
    Командная_строка итог;
    for (const std::string &слово : слова) {
        if (слово == "--extended")
            итог.широкий_промежуток = true;
        else if (слово == "--version")
            итог.версия = true;
        else if (слово == "--help" || слово == "-h")
            итог.справка = true;
        else if (!итог.ошибка)
            итог.ошибка = (слово.size() > 1 && слово.starts_with('-') ? "неизвестный параметр: "
                                                                      : "лишний аргумент: ") +
                          слово;
    }
    return итог;
}

} // namespace круголет
