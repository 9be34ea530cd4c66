#pragma once

#include "calendar/moment.h"
#include "calendar/range.h"
#include "knowledge/tables.h"

#include <array>
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
    // The year counted from the one that begins 22.09.1868 (1), in both directions.
    std::int32_t номер;
    // 1..144 inside the covered span; in the wide range the place in its own Circle of Life.
    std::int32_t в_круге_жизни;
    std::int32_t в_круге_лет; // 1..16, 16 being the sacred year
    // "Тайлет" or "Рамхат" for a September moment (old year or new), empty otherwise.
    std::string_view пограничный_месяц;
};

// The places of a year (counted as `Лето::номер`) in the Circle of Years and in the Circle of
// Life, counted round in both directions so that they stay 1..16 and 1..144 for any year.
std::int64_t лето_круга_лет(std::int64_t номер);
std::int64_t лето_круга_жизни(std::int64_t номер);

// February has 29 days in every year divisible by 4, 1900 included.
std::optional<int> длительность_месяца(int месяц, int год);

// The Gregorian day at whose 19:00 the month begins in a year with the given place in the
// Circle of Years; the Gregorian year matters only for the end of February.
std::optional<День_и_месяц> начало_месяца(int год, int лето_в_круге_лет, std::string_view месяц);
// The same for the month at the place 1 to 9 of the year.
std::optional<День_и_месяц> начало_месяца(int год, int лето_в_круге_лет, int номер);
// The starts of all nine months, by month number, for a place 1 to 16 in the Circle of Years.
std::optional<std::array<День_и_месяц, 9>> начала_месяцев_года(int год, int лето_в_круге_лет);

// The year of the moment. Over the covered span the year is its own place in the Circle of Life
// (and a moment outside it finds no row in the year tables); the wide range counts the places
// round, every 144 years.
std::optional<Лето> лето_момента(const Знания &знания, const Момент &момент,
                                 Промежуток промежуток = Промежуток::круг_жизни);

// The Circle of Life of a year (53 for the years 1 to 144) and its year from the Creation of the
// World in the Star Temple (7377 for year 1).
std::int64_t круг_жизни(std::int32_t номер);
std::int64_t лето_от_сотворения(std::int32_t номер);
std::int64_t номер_лета(std::int64_t от_сотворения);

} // namespace круголет
