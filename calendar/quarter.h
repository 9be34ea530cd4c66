#pragma once

#include "knowledge/tables.h"

#include <optional>
#include <string_view>

namespace круголет {

// The quarter text for a day of the month: days 1 to 10 make the first quarter, day 41 its own.
std::optional<std::string_view> четверть_числа(const Знания &знания, std::string_view месяц,
                                               int число);

// Empty on day 41, which stands outside the quarters.
std::optional<std::string_view> день_четверти_числа(const Знания &знания, int число);

} // namespace круголет
