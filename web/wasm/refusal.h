#pragma once

#include "calendar/range.h"

#include <optional>
#include <string>
#include <string_view>

namespace круголет {

// Which of the five fields the page marks when the moment is refused, and what the user reads:
// the field and what it accepts.
struct Отказ {
    std::string_view поле; // "day", "month", "year", "hour", "minute", or "moment" for the span
    std::string сообщение;
};

// Why the window's checks refuse the field texts: the first check that fails, in the order the
// window makes them. Nothing when they accept the moment.
std::optional<Отказ> причина_отказа(std::string_view день, std::string_view месяц,
                                    std::string_view год, std::string_view час,
                                    std::string_view минута, Промежуток промежуток);

// What the page says in place of the present moment's report when the device's clock lies outside
// the range: which range, and that a moment typed inside it converts all the same.
std::string ныне_вне_промежутка(Промежуток промежуток);

} // namespace круголет
