#pragma once

#include "calendar/moment.h"

#include <random>
#include <vector>

namespace круголет {

// Moments drawn with a fixed seed from the whole years 1869..2011, inside the covered span: every
// day of every month occurs, and every hour and minute of the day, so all halls, quarters and
// holidays are reached.
inline std::vector<Момент> моменты_для_замеров(std::size_t число) {
    std::mt19937 случай(1868);
    const auto от = [&](int а, int б) { return std::uniform_int_distribution(а, б)(случай); };
    constexpr int дней[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::vector<Момент> итог;
    for (std::size_t i = 0; i < число; ++i) {
        const int месяц = от(1, 12);
        итог.push_back({от(1, дней[месяц - 1]), месяц, от(1869, 2011), от(0, 23), от(0, 59)});
    }
    return итог;
}

} // namespace круголет
