#pragma once

#include "knowledge/calendar_words.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace круголет {

inline constexpr std::array<std::string_view, 9> месяцы = {
    имя_месяца::рамхат, имя_месяца::айлет,  имя_месяца::бейлет,
    имя_месяца::гэйлет, имя_месяца::дайлет, имя_месяца::элет,
    имя_месяца::вэйлет, имя_месяца::хейлет, имя_месяца::тайлет};

inline constexpr std::array<std::string_view, 9> дни_недели = {
    имя_дня::понедельник, имя_дня::вторник, имя_дня::тритейник, имя_дня::четверг, имя_дня::пятница,
    имя_дня::шестица,     имя_дня::седмица, имя_дня::осьмица,   имя_дня::неделя};

// The same names as narrow screens show them.
inline constexpr std::array<std::string_view, 9> краткие_дни_недели = {"Пн", "Вт", "Тр", "Чт", "Пт",
                                                                       "Шс", "Сд", "Ос", "Нд"};

// The place of a month in the year, 1 to 9; nothing for any other string. Also at compile time,
// so that tables written by month name can be laid out by month number.
constexpr std::optional<int> номер_месяца(std::string_view месяц) {
    for (std::size_t место = 0; место < месяцы.size(); ++место)
        if (месяцы[место] == месяц)
            return static_cast<int>(место) + 1;
    return std::nullopt;
}

// A month as people type it: its place 1 to 9 (read as the window reads a field), or its name in
// any letter case ("рамхат", "РАМХАТ"); nothing for anything else.
std::optional<int> месяц_из_текста(std::string_view текст);

} // namespace круголет
