#pragma once

#include "calendar/moment.h"
#include "calendar/year.h"
#include "knowledge/tables.h"

#include <optional>
#include <string_view>

namespace круголет {

// The place 1 to 9 in the year of the old month in which the moment lies; the boundary month,
// when there is one, decides.
int номер_месяца_момента(const Момент &момент, int лето_в_круге_лет,
                         std::string_view пограничный_месяц);

// Whether the hour of the day lies in the month that begins at 19:00 on its first day and ends
// at 19:00 on the day after its last.
bool внутри(День_и_месяц начало, День_и_месяц день, int час, День_и_месяц конец);

std::optional<int> число_месяца(const Знания &знания, int номер, int лето_в_круге_лет,
                                const Момент &момент);

// The number of the old day holding the moment, the day that begins at 19:00 on `начало` being 1.
std::optional<int> число_от_начала(const Знания &знания, День_и_месяц начало, const Момент &момент);

} // namespace круголет
