#pragma once

#include "calendar/moment.h"
#include "calendar/quantities.h"
#include "calendar/range.h"

#include <optional>
#include <string_view>

namespace круголет {

// A day of the old calendar as people name it: the year from the Creation of the World in the
// Star Temple (7536), the month 1 to 9 and the day of the month.
struct Старая_дата {
    int лето;
    int месяц;
    int число;
    friend bool operator==(const Старая_дата &, const Старая_дата &) = default;
};

// The years whose days the views give: the whole years of the wide range, 7309 beginning at its
// first moment (19.09.1800 19:00) and 7607 ending at its end (21.09.2099 19:00); and the
// Gregorian years in which their days begin.
inline constexpr int первый_год = границы(Промежуток::широкий).начало.год;
inline constexpr int последний_год = границы(Промежуток::широкий).конец.год;
inline constexpr int первое_лето = лет_от_сотворения_до_счета + первый_год - год_начала_счета + 1;
inline constexpr int последнее_лето = лет_от_сотворения_до_счета + последний_год - год_начала_счета;

// Why a view has no day, page or list to give.
enum class Отказ {
    лето_вне_промежутка,
    год_вне_промежутка,
    нет_такого_месяца,
    нет_такого_числа,
    // The tables lack a row that a day needs: never with the built-in rows.
    нет_записи,
};

// An old day and the Gregorian moments at which it begins and ends, both at 19:00. Its names
// point into the tables it was computed from, which must outlive it.
struct День_круголета {
    Старая_дата дата;
    std::string_view месяц;
    std::string_view день_недели;
    std::string_view чертог;
    // The name without the blanks that some rows of the table keep around it for the report.
    std::optional<std::string_view> праздник;
    Момент начало;
    Момент конец;
};

} // namespace круголет
