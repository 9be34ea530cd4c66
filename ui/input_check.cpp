#include "ui/input_check.h"

#include "calendar/year.h"
#include "runtime/integer_text.h"

namespace круголет {

bool проверка_границ(int день, int месяц, int год, int час) {
    if (день == 22 && месяц == 9 && год == 1868)
        return час >= 19;
    if (день == 22 && месяц == 9 && год == 2012)
        return час < 19;
    if (месяц == 9 && год == 1868)
        return день > 22;
    if (месяц == 9 && год == 2012)
        return день < 22;
    if (год == 1868)
        return месяц > 9;
    if (год == 2012)
        return месяц < 9;
    return 1868 < год && год < 2012;
}

namespace {

std::optional<int> в_пределах(std::string_view поле, int от, int до) {
    const auto число = прочитать_целое(поле);
    if (!число || *число < от || *число > до)
        return std::nullopt;
    return *число;
}

} // namespace

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
    if (!проверка_границ(*д, *м, *г, *ч))
        return std::nullopt;
    return Момент{*д, *м, *г, *ч, *мин};
}

} // namespace круголет
