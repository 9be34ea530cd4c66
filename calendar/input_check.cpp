#include "calendar/input_check.h"

#include "calendar/year.h"
#include "runtime/integer_text.h"
#include "runtime/utf8.h"

#include <limits>
#include <optional>

namespace круголет {

namespace {

struct Пределы {
    Поле_момента поле;
    int от;
    int до;
};

constexpr Пределы пределы_дня{Поле_момента::день, 1, 31};
constexpr Пределы пределы_месяца{Поле_момента::месяц, 1, 12};
constexpr Пределы пределы_часа{Поле_момента::час, 0, 23};
constexpr Пределы пределы_минуты{Поле_момента::минута, 0, 59};

std::optional<int> в_пределах(std::string_view поле, Пределы пределы) {
    const auto число = прочитать_целое(поле);
    if (!число || *число < пределы.от || *число > пределы.до)
        return std::nullopt;
    return *число;
}

Причина_отказа вне(Пределы пределы) {
    return Поле_вне_пределов{пределы.поле, пределы.от, пределы.до};
}

Итог_полей момент_в_годах(std::string_view день, std::string_view месяц, std::string_view год,
                          std::string_view час, std::string_view минута, Пределы пределы_года) {
    const auto число = в_пределах(день, пределы_дня);
    if (!число)
        return вне(пределы_дня);
    const auto номер_месяца = в_пределах(месяц, пределы_месяца);
    if (!номер_месяца)
        return вне(пределы_месяца);
    const auto номер_года = в_пределах(год, пределы_года);
    if (!номер_года)
        return вне(пределы_года);
    const auto дней = длительность_месяца(*номер_месяца, *номер_года);
    if (!дней || *число > *дней)
        return Причина_отказа{Нет_такого_дня{*номер_месяца, *номер_года, дней.value_or(0)}};
    const auto часов = в_пределах(час, пределы_часа);
    if (!часов)
        return вне(пределы_часа);
    const auto минут = в_пределах(минута, пределы_минуты);
    if (!минут)
        return вне(пределы_минуты);
    return Момент{*число, *номер_месяца, *номер_года, *часов, *минут};
}

} // namespace

Итог_полей момент_из_полей(std::string_view день, std::string_view месяц, std::string_view год,
                           std::string_view час, std::string_view минута) {
    return момент_в_годах(день, месяц, год, час, минута,
                          {Поле_момента::год, 1, std::numeric_limits<int>::max()});
}

// The year field takes only the range's years; the bounds then refuse what is left, the parts of
// the first and the last year that lie outside the range.
Итог_полей проверенный_момент(std::string_view день, std::string_view месяц, std::string_view год,
                              std::string_view час, std::string_view минута,
                              Промежуток промежуток) {
    const auto [начало, конец] = границы(промежуток);
    auto итог =
        момент_в_годах(день, месяц, год, час, минута, {Поле_момента::год, начало.год, конец.год});
    if (итог && !в_промежутке(*итог, промежуток))
        итог = Причина_отказа{Вне_промежутка{}};
    return итог;
}

bool поле_в_пределах(std::string_view поле) {
    return смещение_знака(поле, наибольшая_длина_поля) == поле.size();
}

} // namespace круголет
