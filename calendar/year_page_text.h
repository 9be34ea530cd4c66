#pragma once

#include "calendar/year_page.h"

#include <string>

namespace круголет {

// The year page as text: a heading with the year's name, its places in the Circles, its kind and
// span, then the nine month pages as текст_страницы writes them, two blank lines apart.
std::string текст_страницы_лета(const Страница_лета &страница);

} // namespace круголет
