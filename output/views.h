#pragma once

#include "knowledge/tables.h"
#include "runtime/json_writer.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace круголет {

// A view of the calendar asked for instead of a moment's report, with its arguments as given.
enum class Вид { день, месяц, лето, праздники, icalendar };

struct Запрос_вида {
    Вид вид;
    std::vector<std::string> аргументы;
};

// A view is refused for what was asked, or for want of a report when the request was good: the
// tables lack a row, or the clock gives no year to start from. krugolet-cli exits with either.
enum class Род_отказа { неверный_ввод, нет_отчета };

// Why a view has nothing to show, in Russian, and which of the two it is.
struct Отказ_вида {
    std::string сообщение;
    Род_отказа род;
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
