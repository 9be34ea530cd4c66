#pragma once

#include "calendar/old_day.h"

#include <span>
#include <string>
#include <string_view>

namespace круголет {

// "19:00 19.09.2027", as the old day's bounds are written.
std::string время_и_дата(const Момент &момент);

// "19.09.2027"
std::string дата_текстом(const Момент &момент);

// "19.09.2027 19:00", as a moment is typed. `между` parts the date from the time: a no-break space
// keeps them together where a box wraps its lines.
std::string момент_текстом(const Момент &момент, std::string_view между = " ");

// "с 22.09.1868 19:00 до 22.09.2012 19:00": the range by its bounds, the second not included.
std::string промежуток_текстом(Промежуток промежуток, std::string_view между = " ");

// "1 Рамхата 7536 лета"
std::string старая_дата_текстом(const День_круголета &день);

// "1 Рамхата 7536 лета (Четверг): с 19:00 19.09.2027 до 19:00 20.09.2027"
std::string строка_дня(const День_круголета &день);

// A day on its own: its line, then its holiday ("нет" when it has none, as the report says) and
// its hall, each line ended by a line feed.
std::string описание_дня(const День_круголета &день);

// The heading, then one line for each of the days that has a holiday: the day's line and,
// after a dash, the holiday's name.
std::string список_праздников(std::string_view заголовок,
                              std::span<const День_круголета> праздники);

} // namespace круголет
