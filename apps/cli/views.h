#pragma once

#include "apps/cli/arguments.h"
#include "apps/cli/exit_status.h"
#include "knowledge/tables.h"

#include <string>
#include <variant>

namespace круголет {

// Why a view has nothing to show, in Russian, and the exit status that says so.
struct Отказ_вида {
    std::string сообщение;
    Выход код;
};

// What a view writes on standard output: text, a JSON document, or the calendar file.
std::variant<std::string, Отказ_вида> вывод_вида(const Знания &знания, const Запрос_вида &запрос,
                                                 bool json);

} // namespace круголет
