#include "calendar/hour.h"

#include "calendar/quantities.h"

#include <cstdlib>

namespace круголет {

Время_суток старое_время(int час, int минута) {
    // Minutes since 19:00, when the old day begins.
    const std::int64_t часов_дня =
        std::int64_t{час} - час_начала_дня + (час >= час_начала_дня ? 0 : 24);
    const std::int64_t минуты = часов_дня * 60 + минута;
    // The 1440 minutes of a day make its 2304 parts; multiplying first keeps the count exact.
    const std::int64_t части = минуты * (часов_в_сутках * частей_в_часе) / (24 * 60);
    return {части / частей_в_часе, части % частей_в_часе};
}

std::optional<std::string_view> окончание_часов(std::int64_t число) {
    if (число < 0)
        return std::nullopt;
    if (число == 1)
        return "час";
    if (число >= 2 && число <= 4)
        return "часа";
    return "часов";
}

std::string_view окончание_частей(std::int64_t число) {
    // Past twenty, and below zero, only the last written digit counts.
    if (число < 0 || число > 20)
        число = std::llabs(число % 10);
    if (число == 1)
        return "часть";
    if (число >= 2 && число <= 4)
        return "части";
    return "частей";
}

} // namespace круголет
