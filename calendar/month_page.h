#pragma once

#include "calendar/old_day.h"
#include "knowledge/tables.h"

#include <string_view>
#include <variant>
#include <vector>

namespace круголет {

struct Страница_месяца {
    int лето;
    int месяц;
    std::string_view имя;
    // The column of the first day in the nine-day week: 1 for Понедельник to 9 for Неделя.
    int первый_столбец;
    std::vector<День_круголета> дни;
};

// Every day of a month of a year from the Creation, computed by the rules of the conversion: the
// month begins on the evening the month-start table gives and lasts until the next month begins.
std::variant<Страница_месяца, Отказ> страница_месяца(const Знания &знания, int лето, int месяц);

// One day of such a month.
std::variant<День_круголета, Отказ> день_круголета(const Знания &знания, Старая_дата дата);

} // namespace круголет
