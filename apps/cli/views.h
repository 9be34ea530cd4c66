#pragma once

#include "apps/cli/arguments.h"
#include "apps/cli/exit_status.h"
#include "knowledge/tables.h"
#include "runtime/json_writer.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace круголет {

// Why a view has nothing to show, in Russian, and the exit status that says so.
struct Отказ_вида {
    std::string сообщение;
    Выход код;
};

// An argument as a message repeats it: its first 40 characters, and "…" after them when there
// are more, since it may be pasted text of any length.
std::string эхо(std::string_view текст);

// A view's year or day, and its month (a number or a name), as typed; a text longer than any
// field is refused unread.
std::optional<std::int32_t> число_вида(std::string_view текст);
std::optional<int> месяц_вида(std::string_view текст);

// The JSON document that `записать` writes, on a line of its own, as a view writes it.
template <class Писатель> std::string json_строкой(const Писатель &записать) {
    Буфер_текста буфер;
    Запись_json запись(буфер);
    записать(запись);
    буфер.дописать('\n');
    return std::string(буфер.текст());
}

// What a view writes on standard output: text, a JSON document, or the calendar file.
std::variant<std::string, Отказ_вида> вывод_вида(const Знания &знания, const Запрос_вида &запрос,
                                                 bool json);

} // namespace круголет
