#pragma once

#include <span>
#include <string>

namespace круголет {

// What the window program's command line asks for; words it does not know are passed over, as
// a program started from a menu or a shortcut has no one to tell.
struct Командная_строка {
    bool широкий_промежуток = false; // "--extended"
    bool версия = false;             // "--version"
};

Командная_строка разобрать_командную_строку(std::span<const std::string> слова);

} // namespace круголет
