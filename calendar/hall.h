#pragma once

#include "knowledge/tables.h"

#include <optional>
#include <string_view>

namespace круголет {

// The hall of the Svarog circle in which a day of the month lies.
std::optional<std::string_view> чертог_числа(std::string_view месяц, int число);
// The same for the month at the place 1 to 9 of the year.
std::optional<std::string_view> чертог_числа(int номер, int число);

// The patron god of the hall in which the day lies, and the hall's description, as the tables
// hold them, for a text that is written where it is needed instead of being joined first: the
// god's first row and, for the three gods whose text has two rows, the second.
struct Покровитель_по_строкам {
    std::string_view бог;
    std::string_view продолжение_бога;
    std::string_view чертог;
    std::string_view описание_чертога;
};

std::optional<Покровитель_по_строкам> покровитель_по_строкам(const Знания &знания, int номер,
                                                             int число);

} // namespace круголет
