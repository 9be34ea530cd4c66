#pragma once

#include "calendar/old_day.h"
#include "knowledge/tables.h"

#include <optional>
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

// A month of a year from the Creation, as the views name it.
struct Месяц_лета {
    int лето;
    int месяц;
    friend bool operator==(const Месяц_лета &, const Месяц_лета &) = default;
};

// The month `сдвиг` months after the given one (before it, when negative), across the turns of
// the years, nine months each; nothing when it lies outside the years the views give.
std::optional<Месяц_лета> месяц_через(Месяц_лета месяц, int сдвиг);

// Every day of a month of a year from the Creation, computed by the rules of the conversion: the
// month begins on the evening the month-start table gives and lasts until the next month begins.
std::variant<Страница_месяца, Отказ> страница_месяца(const Знания &знания, int лето, int месяц);

// One day of such a month.
std::variant<День_круголета, Отказ> день_круголета(const Знания &знания, Старая_дата дата);

} // namespace круголет
