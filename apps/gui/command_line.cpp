#include "apps/gui/command_line.h"

namespace круголет {

Командная_строка разобрать_командную_строку(std::span<const std::string> слова) {
    Командная_строка итог;
    for (const std::string &слово : слова) {
        итог.широкий_промежуток = итог.широкий_промежуток || слово == "--extended";
        итог.версия = итог.версия || слово == "--version";
    }
    return итог;
}

} // namespace круголет
