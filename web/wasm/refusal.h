#pragma once

#include "calendar/input_check.h"

#include <string>
#include <string_view>

namespace круголет {

// Which of the five fields the page marks when the moment is refused, and what the user reads:
// the field and what it accepts.
struct Отказ_страницы {
    std::string_view поле; // "day", "month", "year", "hour", "minute", or "moment" for the span
    std::string сообщение;
};

// The page's words for why the fields were refused in the range.
Отказ_страницы отказ_страницы(const Причина_отказа &причина, Промежуток промежуток);

// What the page says in place of the present moment's report when the device's clock lies outside
// the range: which range, and that a moment typed inside it converts all the same.
std::string ныне_вне_промежутка(Промежуток промежуток);

} // namespace круголет
