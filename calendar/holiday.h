#pragma once

#include "calendar/quantities.h"
#include "knowledge/tables.h"

#include <array>
#include <optional>
#include <string_view>

namespace круголет {

// The holiday of a day of the month as the report names it, "нет" when it has none.
std::string_view праздник_числа(const Знания &знания, std::string_view месяц, int число);

// The holidays of every day of a month at once, under the lookup's rule that the first row for a
// day names it; the place of a day is its number, place 0 stays empty.
std::array<std::optional<std::string_view>, дней_в_долгом_месяце + 1>
праздники_месяца(const Знания &знания, std::string_view месяц);

} // namespace круголет
