#pragma once

#include "calendar/moment.h"
#include "calendar/range.h"
#include "knowledge/tables.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace круголет {

// Every value a conversion computes, in the order the report shows them.
struct Значения_момента {
    // The range the moment was taken in; the wide one adds the line of the Creation to the report.
    Промежуток промежуток;
    std::int64_t круг_жизни;
    std::int64_t лето_от_сотворения;
    std::int32_t лето_в_круге_жизни;
    std::int32_t лето_в_круге_лет;
    std::string_view название_лета;
    std::string_view месяц;
    std::string_view значение_месяца;
    int число;
    std::string_view день_недели;
    std::int64_t часы;
    std::string_view слово_часов;
    std::int64_t части;
    std::string_view слово_частей;
    std::string_view характеристика_лета;
    std::string_view четверть;
    std::string_view день_четверти;
    std::string бог;
    std::string_view чертог;
    std::string_view описание_чертога;
    std::string_view праздник;
};

// All values for a moment, or nothing when any step yields nothing. In the wide range a moment
// outside it yields nothing too.
std::optional<Значения_момента> значения_момента(const Знания &знания, const Момент &момент,
                                                 Промежуток промежуток = Промежуток::круг_жизни);

} // namespace круголет
