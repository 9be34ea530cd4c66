#pragma once

#include "calendar/month_page.h"
#include "calendar/year_page.h"
#include "runtime/json_writer.h"

#include <span>
#include <string>

namespace круголет {

// The views as JSON, with no part of the command line in them, so that any front end writes the
// same objects. Moments are "YYYY-MM-DDTHH:MM", months their number 1 to 9, and a day without a
// holiday has null as its holiday. The keys stand in alphabetical order, as they always have.

// "YYYY-MM-DDTHH:MM", as the views write a day's start and end.
std::string json_момента(const Момент &момент);

// {"day", "end", "holiday", "month", "month_name", "start", "weekday", "year_from_creation"};
// the page adds the day's "hall" after "end" with `с_чертогом`.
void записать_json_дня(Запись_json &запись, const День_круголета &день, bool с_чертогом = false);

// {"days": [{"day", "end", "holiday", "start", "weekday"}, ...], "first_column", "month",
//  "month_name", "year_from_creation"}
void записать_json_страницы(Запись_json &запись, const Страница_месяца &страница);

// {"months": [the nine objects of записать_json_страницы], "name", "sacred",
//  "year_from_creation"}
void записать_json_страницы_лета(Запись_json &запись, const Страница_лета &страница);

// [{"day", "end", "month", "month_name", "name", "start", "year_from_creation"}, ...]
void записать_json_праздников(Запись_json &запись, std::span<const День_круголета> праздники);

} // namespace круголет
