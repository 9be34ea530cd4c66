#include "calendar/input_check.h"

#include "calendar/year.h"
#include "runtime/integer_text.h"
#include "runtime/utf8.h"

#include <limits>

namespace круголет {

namespace {

std::optional<int> в_пределах(std::string_view поле, int от, int до) {
    const auto число = прочитать_целое(поле);
    if (!число || *число < от || *число > до)
        return std::nullopt;
    return *число;
}

} // namespace

std::optional<Момент> момент_из_полей(std::string_view день, std::string_view месяц,
                                      std::string_view год, std::string_view час,
                                      std::string_view минута) {
    const auto д = в_пределах(день, 1, 31);
    if (!д)
        return std::nullopt;
    const auto м = в_пределах(месяц, 1, 12);
    if (!м)
        return std::nullopt;
    const auto г = в_пределах(год, 1, std::numeric_limits<int>::max());
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
    return Момент{*д, *м, *г, *ч, *мин};
}

// A moment inside the bounds has its year between theirs, so the bounds alone refuse the years
// that the range does not hold.
std::optional<Момент> проверенный_момент(std::string_view день, std::string_view месяц,
                                         std::string_view год, std::string_view час,
                                         std::string_view минута, Промежуток промежуток) {
    const auto момент = момент_из_полей(день, месяц, год, час, минута);
    if (!момент || !в_промежутке(*момент, промежуток))
        return std::nullopt;
    return момент;
}

bool поле_в_пределах(std::string_view поле) {
    return смещение_знака(поле, наибольшая_длина_поля) == поле.size();
}

} // namespace круголет
