#pragma once

#include "calendar/old_day.h"
#include "knowledge/tables.h"

#include <variant>
#include <vector>

namespace круголет {

// The days of a year from the Creation that carry a holiday, in calendar order.
std::variant<std::vector<День_круголета>, Отказ> праздники_лета(const Знания &знания, int лето);

// The holidays whose old day begins in a Gregorian year, from 1 January 00:00 to 31 December
// 23:59, in time order. The years at the ends of the wide range give only what lies inside it:
// 1800 from 19.09.1800 on, 2099 up to the last day of 7607, which begins on 20.09.2099.
std::variant<std::vector<День_круголета>, Отказ> праздники_года(const Знания &знания, int год);

} // namespace круголет
