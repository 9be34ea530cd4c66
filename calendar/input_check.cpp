#include "calendar/input_check.h"

#include "calendar/year.h"
#include "runtime/integer_text.h"

#include <tuple>

namespace круголет {

namespace {

// Where a moment stands against the bounds, which all fall at 19:00: the day, and whether the
// hour is before or after that evening.
std::tuple<int, int, int, bool> место(const Момент &м) {
    return {м.год, м.месяц, м.день, м.час >= 19};
}

std::optional<int> в_пределах(std::string_view поле, int от, int до) {
    const auto число = прочитать_целое(поле);
    if (!число || *число < от || *число > до)
        return std::nullopt;
    return *число;
}

} // namespace

bool проверка_границ(const Момент &момент) {
    constexpr Момент начало{22, 9, 1868, 19, 0};
    constexpr Момент конец{22, 9, 2012, 19, 0};
    return место(начало) <= место(момент) && место(момент) < место(конец);
}

std::optional<Момент> проверить_поля(std::string_view день, std::string_view месяц,
                                     std::string_view год, std::string_view час,
                                     std::string_view минута) {
    const auto д = в_пределах(день, 1, 31);
    if (!д)
        return std::nullopt;
    const auto м = в_пределах(месяц, 1, 12);
    if (!м)
        return std::nullopt;
    const auto г = в_пределах(год, 1868, 2012);
    if (!г)
        return std::nullopt;
    const auto длина = длительность_месяца(*м, *г);
    if (!длина || *д > *длина)
        return std::nullopt;
    const auto ч = в_пределах(час, 0, 23);
    if (!ч)
        return std::nullopt;
    const auto мин = в_пределах(минута, 0, 59);
    if (!мин)
        return std::nullopt;
    const Момент момент{*д, *м, *г, *ч, *мин};
    if (!проверка_границ(момент))
        return std::nullopt;
    return момент;
}

} // namespace круголет
