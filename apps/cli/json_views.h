#pragma once

#include "calendar/month_page.h"
#include "calendar/year_page.h"

#include <nlohmann/json.hpp>

#include <span>

namespace круголет {

// The views as JSON, with no part of the command line in them, so that any front end writes the
// same objects. Moments are "YYYY-MM-DDTHH:MM", months their number 1 to 9, and a day without a
// holiday has null as its holiday.

// {"year_from_creation", "month", "month_name", "day", "weekday", "holiday", "start", "end"}
nlohmann::json json_дня(const День_круголета &день);

// {"year_from_creation", "month", "month_name", "first_column",
//  "days": [{"day", "weekday", "start", "end", "holiday"}, ...]}
nlohmann::json json_страницы(const Страница_месяца &страница);

// {"year_from_creation", "name", "sacred", "months": [the nine objects of json_страницы]}
nlohmann::json json_страницы_лета(const Страница_лета &страница);

// [{"year_from_creation", "month", "month_name", "day", "name", "start", "end"}, ...]
nlohmann::json json_праздников(std::span<const День_круголета> праздники);

} // namespace круголет
