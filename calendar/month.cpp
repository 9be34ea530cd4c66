#include "calendar/month.h"

#include "calendar/month_and_weekday_names.h"
#include "calendar/quantities.h"
#include "calendar/year.h"

#include <cstdint>
#include <limits>

namespace круголет {

int номер_месяца_момента(const Момент &момент, int лето_в_круге_лет,
                         std::string_view пограничный_месяц) {
    if (!пограничный_месяц.empty())
        return пограничный_месяц == имя_месяца::рамхат ? 1 : 9;
    const День_и_месяц день{момент.день, момент.месяц};
    if (const auto начала = начала_месяцев_года(момент.год, лето_в_круге_лет))
        for (int номер = 1; номер < 9; ++номер)
            if (внутри((*начала)[static_cast<std::size_t>(номер - 1)], день, момент.час,
                       (*начала)[static_cast<std::size_t>(номер)]))
                return номер;
    // The part of Тайлет that falls in August; its September days carry a boundary month.
    return 9;
}

bool внутри(День_и_месяц начало, День_и_месяц день, int час, День_и_месяц конец) {
    const auto [день_начала, месяц_начала] = начало;
    const auto [день_конца, месяц_конца] = конец;
    return (день.день == день_начала && день.месяц == месяц_начала && час >= час_начала_дня) ||
           (день.месяц == месяц_начала && день.день > день_начала) ||
           (день.день == день_конца && день.месяц == месяц_конца && час < час_начала_дня) ||
           (день.месяц == месяц_конца && день.день < день_конца) ||
           (день.месяц > месяц_начала && день.месяц < месяц_конца);
}

std::optional<int> число_месяца(const Знания &знания, int номер, int лето_в_круге_лет,
                                const Момент &момент) {
    const auto начало = начало_месяца(момент.год, лето_в_круге_лет, номер);
    if (!начало)
        return std::nullopt;
    return число_от_начала(знания, *начало, момент);
}

std::optional<int> число_от_начала(const Знания &знания, День_и_месяц начало,
                                   const Момент &момент) {
    auto [день_начала, месяц_начала] = начало;
    // Days of the Gregorian months walked past on the way to the moment's month.
    std::int64_t пройдено = 0;
    // Following the successors from any month reaches each of the twelve within eleven steps;
    // a month that is none of them is never reached.
    for (int шаг = 0; шаг < 12; ++шаг) {
        if (момент.месяц == месяц_начала) {
            const std::int64_t число = пройдено + std::int64_t{момент.день} - день_начала +
                                       (момент.час >= час_начала_дня ? 1 : 0);
            if (число < std::numeric_limits<int>::min() || число > std::numeric_limits<int>::max())
                return std::nullopt;
            return static_cast<int>(число);
        }
        const auto длина = длительность_месяца(месяц_начала, момент.год);
        const auto следующий = знания.следующий_месяц.найти(месяц_начала);
        if (!длина || !следующий)
            return std::nullopt;
        пройдено += std::int64_t{*длина} - день_начала + 1;
        день_начала = 1;
        месяц_начала = *следующий;
    }
    return std::nullopt;
}

} // namespace круголет
