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
inline constexpr std::string_view справка_окна =
    "\n"
    "Дата и время по Да'Арийскому Круголету: окно, в котором григорианские дата и время\n"
    "переводятся в Круголет Числобога. При запуске окно показывает отчет о текущем времени\n"
    "системных часов (после строки \"Ныне:\"), если оно лежит в промежутке.\n"
    "\n"
    "  --extended  широкий промежуток: все лета с 19.09.1800 19:00 до 21.09.2099 19:00\n"
    "              (без него - 53-й Круг Жизни, с 22.09.1868 19:00 до 22.09.2012 19:00)\n"
    "  --version   версия программы\n"
    "  --help      эта справка\n"
    "\n"
    "В меню программ \"Круголет\" открывает широкий промежуток, \"Круголет 1868–2012\" -\n"
    "Круг Жизни. Расчет без окна и для сценариев: krugolet-cli.\n"
    "\n"
    "Коды выхода:\n"
    "  0  окно закрыто, или выведена справка или версия\n"
    "  1  нет дисплея, окну негде открыться\n"
    "  2  ошибка в аргументах\n";

} // namespace круголет
