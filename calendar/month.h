#pragma once

#include "knowledge/tables.h"

#include <optional>
#include <string_view>

namespace круголет {

// The old month in which the moment lies; the boundary month, when there is one, decides.
std::string_view расчет_месяца(int год, int день, int месяц, int час, int лето_в_круге_лет,
                               std::string_view пограничный_месяц);

// Whether the moment lies in the month that begins at 19:00 on d1.m1 and ends at 19:00 on d2.m2.
bool внутри(int d1, int m1, int день, int месяц, int час, int d2, int m2);

std::optional<int> расчет_числа(const Знания &знания, std::string_view месяц_года,
                                int лето_в_круге_лет, int день, int месяц, int год, int час);

// The number of the old day holding the moment, the day that begins at 19:00 on d1.m1 being 1.
std::optional<int> определение_числа(const Знания &знания, int d1, int m1, int день, int месяц,
                                     int год, int час);

} // namespace круголет
