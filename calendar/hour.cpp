#include "calendar/hour.h"

#include <cstdlib>

namespace круголет {

Время_суток старое_время(int час, int минута) {
    // Minutes since 19:00, when the old day begins.
    const std::int64_t минуты =
        (час >= 19 ? std::int64_t{час} - 19 : std::int64_t{час} + 5) * 60 + минута;
    // 1440 minutes make 2304 parts; multiplying first keeps the count exact.
    const std::int64_t части = минуты * 2304 / 1440;
    return {части / 144, части % 144};
}

std::optional<std::string_view> окончание_часов(std::int64_t n) {
    if (n < 0)
        return std::nullopt;
    if (n == 1)
        return "час";
    if (n >= 2 && n <= 4)
        return "часа";
    return "часов";
}

std::string_view окончание_частей(std::int64_t n) {
    // Past twenty, and below zero, only the last written digit counts.
    if (n < 0 || n > 20)
        n = std::llabs(n % 10);
    if (n == 1)
        return "часть";
    if (n >= 2 && n <= 4)
        return "части";
    return "частей";
}

} // namespace круголет
