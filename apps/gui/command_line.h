#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace круголет {

// What the window program's command line asks for. A word it does not know is a mistake: the
// window does not open, so that a misspelt option is never taken for the default range.
struct Командная_строка {
    bool широкий_промежуток = false; // "--extended"
    bool версия = false;             // "--version"
    bool справка = false;            // "--help"
    // The first word refused and why, for the line before the usage.
    std::optional<std::string> ошибка;
};

Командная_строка командная_строка_из_аргументов(std::span<const std::string> слова);

inline constexpr std::string_view синтаксис_окна = "Использование: krugolet [--extended]\n";

// What follows the usage line of a mistake.
inline constexpr std::string_view краткая_справка_окна = "Подробно: krugolet --help\n";

// What follows the usage line for --help.
std::string справка_окна();

} // namespace круголет
