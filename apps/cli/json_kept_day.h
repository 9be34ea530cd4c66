#pragma once

#include "calendar/kept_day.h"

#include <nlohmann/json.hpp>

#include <string>

namespace круголет {

// {"birth": {"year_from_creation", "month", "month_name", "day"}, "name" (null without one),
//  "returns": [{"year_from_creation", "age", "month", "month_name", "day", "moved_from",
//  "weekday", "holiday", "start", "end"}, ...]}: a return is the day's object of the views with
// its age and the number it stands in for (null when none).
nlohmann::json json_памятного_дня(const Памятный_день &день);

// A JSON document on one line; bytes that are not UTF-8 become U+FFFD instead of failing.
std::string текст_json(const nlohmann::json &j);

} // namespace круголет
