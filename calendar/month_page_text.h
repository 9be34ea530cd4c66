#pragma once

#include "calendar/month_page.h"

#include <string>

namespace круголет {

// The month page as text: a heading with the month's span, a grid of nine columns headed by the
// weekday names, a line that explains the cells, and the month's holidays.
std::string текст_страницы(const Страница_месяца &страница);

} // namespace круголет
