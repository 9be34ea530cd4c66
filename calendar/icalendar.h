#pragma once

#include "calendar/kept_day.h"
#include "calendar/old_day.h"

#include <span>
#include <string>
#include <string_view>

namespace круголет {

// What names the program in a calendar file and dates it: the version for PRODID, and the
// release's moment in UTC as RFC 5545 writes it ("20261208T000000Z") for DTSTAMP, so that the
// same holidays and the same release always give the same bytes.
struct Выпуск {
    std::string_view версия;
    std::string_view отметка_utc;
};

// The holidays as an iCalendar file (RFC 5545): one event per holiday, from 19:00 to 19:00 in
// floating local time, whose UID is its old date, so that a second import replaces the first.
// Lines end in CR LF and are folded at 75 octets, never inside a character.
std::string файл_icalendar(std::span<const День_круголета> праздники, const Выпуск &выпуск);

// The returns of kept days as one iCalendar file, one event per return from 19:00 to 19:00 in
// floating local time, written as the holidays' file is. Its UID is made of the kept day's old
// date, the name and the year of the return, so that the same days imported again replace the
// events instead of doubling them, whatever their kind and Gregorian moment.
std::string файл_icalendar_памятных_дней(std::span<const Памятный_день> дни, const Выпуск &выпуск);

} // namespace круголет
