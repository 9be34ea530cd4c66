#pragma once

#include "output/views.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace круголет {

// What the command line asks for.
struct Параметры {
    std::optional<std::string> библиотека;
    bool json = false;
    // --extended: the wide range, 1800 to 2099, instead of the Circle of Life of the tables.
    bool широкий = false;
    bool справка = false;
    bool версия = false;
    // The moment as given: nothing, one argument (the date and time together, or "-") or two.
    std::vector<std::string> момент;
    std::optional<Запрос_вида> вид;
    // --birthday: the returns of a kept day, its moment's arguments as given (one, the date and
    // time together, or two), with the options that only it takes.
    std::optional<std::vector<std::string>> памятный_момент;
    std::optional<std::string> лет;
    std::optional<std::string> с_лета;
    std::optional<std::string> имя;
    std::optional<std::string> вид_памятного;
    // --ics with no year after it: the kept day's returns as a calendar file.
    bool icalendar_памятного = false;
};

// Why the command line was refused, in Russian, for standard error.
struct Ошибка_аргументов {
    std::string текст;
};

// The arguments after the program's name. Only the form is checked here; the moment itself is
// read later, as the window reads its fields. "--" ends the options.
std::variant<Параметры, Ошибка_аргументов>
    параметры_из_аргументов(std::span<const std::string_view>);

} // namespace круголет
