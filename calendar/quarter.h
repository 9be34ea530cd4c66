#pragma once

#include "knowledge/tables.h"

#include <optional>
#include <string>
#include <string_view>

namespace круголет {

std::optional<std::string_view> расчет_четверти(const Знания &знания, std::string_view месяц,
                                                int число);

// Empty on day 41, which stands outside the quarters.
std::optional<std::string_view> расчет_дня_четверти(const Знания &знания, int число);

// The hall of the Svarog circle in which a day of the month lies.
std::optional<std::string_view> чертог(std::string_view месяц, int число);

struct Покровитель {
    std::string бог;
    std::string_view описание_чертога;
};

std::optional<Покровитель> определение_покровителя(const Знания &знания, std::string_view месяц,
                                                   int число);

// The holiday of a day of the month, as the table names it; nothing on a day without one.
std::optional<std::string_view> праздник(const Знания &знания, std::string_view месяц, int число);

// The same for the report, which says "нет" on a day without one.
std::string_view есть_ли_праздник(const Знания &знания, std::string_view месяц, int число);

} // namespace круголет
