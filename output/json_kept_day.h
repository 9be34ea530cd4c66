#pragma once

#include "calendar/kept_day.h"
#include "runtime/json_writer.h"

namespace круголет {

// {"birth": {"day", "month", "month_name", "year_from_creation"}, "name" (null without one),
//  "returns": [{"age", "day", "end", "holiday", "month", "month_name", "moved_from", "start",
//  "weekday", "year_from_creation"}, ...]}: a return is the day's object of the views with its
// age and the number it stands in for (null when none). The keys stand in alphabetical order, as
// they always have.
void записать_json_памятного_дня(Запись_json &запись, const Памятный_день &день);

} // namespace круголет
