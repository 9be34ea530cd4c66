#pragma once

#include "calendar/kept_day.h"

#include <nlohmann/json.hpp>

namespace круголет {

// {"birth": {"year_from_creation", "month", "month_name", "day"}, "name" (null without one),
//  "returns": [{"year_from_creation", "age", "month", "month_name", "day", "moved_from",
//  "weekday", "holiday", "start", "end"}, ...]}: a return is the day's object of the views with
// its age and the number it stands in for (null when none).
nlohmann::json json_памятного_дня(const Памятный_день &день);

} // namespace круголет
