#pragma once

#include "knowledge/tables.h"

#include <optional>
#include <string>
#include <string_view>

namespace круголет {

// The hall of the Svarog circle in which a day of the month lies.
std::optional<std::string_view> чертог_числа(std::string_view месяц, int число);

struct Покровитель {
    std::string бог;
    std::string_view описание_чертога;
};

// The patron god of that hall and the hall's description.
std::optional<Покровитель> покровитель_числа(const Знания &знания, std::string_view месяц,
                                             int число);

} // namespace круголет
