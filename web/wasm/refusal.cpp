#include "web/wasm/refusal.h"

#include "calendar/input_check.h"
#include "calendar/year.h"
#include "runtime/format.h"
#include "runtime/integer_text.h"

#include <array>
#include <cstdint>

namespace круголет {

namespace {

// "в феврале": the month in the prepositional case, for the day that its month lacks.
constexpr std::array<std::string_view, 12> в_месяце{"январе",   "феврале", "марте",  "апреле",
                                                    "мае",      "июне",    "июле",   "августе",
                                                    "сентябре", "октябре", "ноябре", "декабре"};

bool в_пределах(std::string_view поле, int от, int до) {
    const auto число = прочитать_целое(поле);
    return число && *число >= от && *число <= до;
}

Отказ вне_пределов(std::string_view поле, std::string_view название, std::int64_t от,
                   std::int64_t до) {
    return {поле, форматировать("%: целое число от % до %.", {название, от, до})};
}

std::string две_цифры(int n) {
    return std::string(n < 10 ? "0" : "") + std::to_string(n);
}

std::string момент_текстом(const Момент &м) {
    return форматировать("%.%.% %:%", {две_цифры(м.день), две_цифры(м.месяц), м.год,
                                       две_цифры(м.час), две_цифры(м.минута)});
}

} // namespace

std::optional<Отказ> причина_отказа(std::string_view день, std::string_view месяц,
                                    std::string_view год, std::string_view час,
                                    std::string_view минута, Промежуток промежуток) {
    if (проверенный_момент(день, месяц, год, час, минута, промежуток))
        return std::nullopt;
    const auto [начало, конец] = границы(промежуток);
    if (!в_пределах(день, 1, 31))
        return вне_пределов("day", "День", 1, 31);
    if (!в_пределах(месяц, 1, 12))
        return вне_пределов("month", "Месяц", 1, 12);
    if (!в_пределах(год, начало.год, конец.год))
        return вне_пределов("year", "Год", начало.год, конец.год);
    const int м = *прочитать_целое(месяц);
    const int г = *прочитать_целое(год);
    const int длина = длительность_месяца(м, г).value_or(0);
    if (*прочитать_целое(день) > длина)
        return Отказ{"day", форматировать("День: в % % года только % дней.",
                                          {в_месяце[м - 1], г, std::int64_t{длина}})};
    if (!в_пределах(час, 0, 23))
        return вне_пределов("hour", "Час", 0, 23);
    if (!в_пределах(минута, 0, 59))
        return вне_пределов("minute", "Минута", 0, 59);
    return Отказ{"moment", форматировать("Дата и время: расчет ведется с % до %.",
                                         {момент_текстом(начало), момент_текстом(конец)})};
}

} // namespace круголет
