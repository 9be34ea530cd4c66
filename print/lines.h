#pragma once

// The report's lines as the pages take them: one at a time, with their tabs expanded.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace круголет {

// The text before the first separator and the text after it; with no separator, all of it and "".
std::pair<std::string_view, std::string_view> до_и_после_разделителя(std::string_view текст,
                                                                     char разделитель);

// Tab stops lie every `ширина_табуляции` characters from column 0 at the line's start. A width
// below 1 is taken as 1; one past the row width as the row width, since a wider stop only adds
// rows of blanks and would let a wild width blow a line up without bound.
std::string строка_без_табуляций(int ширина_табуляции, std::string_view строка);
std::string строка_без_табуляций(int ширина_табуляции, std::size_t столбец,
                                 std::string_view строка);

} // namespace круголет
