#include "web/wasm/refusal.h"

#include "calendar/day_text.h"
#include "runtime/format.h"

#include <array>
#include <cstdint>

namespace круголет {

namespace {

// "в феврале": the month in the prepositional case, for the day that its month lacks.
constexpr std::array<std::string_view, 12> в_месяце{"январе",   "феврале", "марте",  "апреле",
                                                    "мае",      "июне",    "июле",   "августе",
                                                    "сентябре", "октябре", "ноябре", "декабре"};

// The page's name of each field and the word the message begins with, in the fields' order.
constexpr std::array<std::string_view, 5> имена_полей{"day", "month", "year", "hour", "minute"};
constexpr std::array<std::string_view, 5> названия_полей{"День", "Месяц", "Год", "Час", "Минута"};

Отказ_страницы вне_пределов(const Поле_вне_пределов &причина) {
    const auto место = static_cast<std::size_t>(причина.поле);
    return {имена_полей[место], форматировать("%: целое число от % до %.",
                                              {названия_полей[место], причина.от, причина.до})};
}

Отказ_страницы нет_дня(const Нет_такого_дня &причина) {
    return {"day", форматировать("День: в % % года только % дней.",
                                 {в_месяце[static_cast<std::size_t>(причина.месяц - 1)],
                                  std::int64_t{причина.год}, std::int64_t{причина.дней}})};
}

Отказ_страницы вне_границ(Промежуток промежуток) {
    return {"moment",
            сцепленные({"Дата и время: расчет ведется ", промежуток_текстом(промежуток), "."})};
}

} // namespace

Отказ_страницы отказ_страницы(const Причина_отказа &причина, Промежуток промежуток) {
    if (const auto *поле = std::get_if<Поле_вне_пределов>(&причина))
        return вне_пределов(*поле);
    if (const auto *день = std::get_if<Нет_такого_дня>(&причина))
        return нет_дня(*день);
    return вне_границ(промежуток);
}

std::string ныне_вне_промежутка(Промежуток промежуток) {
    return сцепленные({"Часы устройства показывают время вне промежутка расчета (",
                       промежуток_текстом(промежуток),
                       "). Введите дату и время из этого промежутка — они рассчитываются как "
                       "обычно."});
}

} // namespace круголет
