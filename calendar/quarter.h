#pragma once

#include "knowledge/tables.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace круголет {

std::optional<std::string_view> четверть_числа(const Знания &знания, std::string_view месяц,
                                               int число);

// Empty on day 41, which stands outside the quarters.
std::optional<std::string_view> день_четверти_числа(const Знания &знания, int число);

// The hall of the Svarog circle in which a day of the month lies.
std::optional<std::string_view> чертог_числа(std::string_view месяц, int число);

struct Покровитель {
    std::string бог;
    std::string_view описание_чертога;
};

std::optional<Покровитель> покровитель_числа(const Знания &знания, std::string_view месяц,
                                             int число);

std::string_view праздник_числа(const Знания &знания, std::string_view месяц, int число);

// The holidays of every day of a month at once, under the lookup's rule that the first row for a
// day names it; the place of a day is its number, place 0 stays empty.
std::array<std::optional<std::string_view>, 42> праздники_месяца(const Знания &знания,
                                                                 std::string_view месяц);

} // namespace круголет
