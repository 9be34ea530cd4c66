#pragma once

#include "calendar/moment.h"
#include "knowledge/tables.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace круголет {

// A Gregorian day as the calendar handles it: a day and a month, never a serial number.
struct День_и_месяц {
    int день;
    int месяц;
    friend bool operator==(const День_и_месяц &, const День_и_месяц &) = default;
};

struct Лето {
    std::int32_t в_круге_жизни; // 1..144 inside the covered span
    std::int32_t в_круге_лет;   // 1..16, 16 being the sacred year
    // "Тайлет" or "Рамхат" for a September moment (old year or new), empty otherwise.
    std::string_view пограничный_месяц;
};

// February has 29 days in every year divisible by 4, 1900 included.
std::optional<int> длительность_месяца(int месяц, int год);

// The Gregorian day at whose 19:00 the month begins in a year with the given place in the
// Circle of Years; the Gregorian year matters only for the end of February.
std::optional<День_и_месяц> начало_месяца(int год, int лето_в_круге_лет, std::string_view месяц);

std::optional<Лето> расчет_года(const Знания &знания, const Момент &момент);

} // namespace круголет
