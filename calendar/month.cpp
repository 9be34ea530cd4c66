#include "calendar/month.h"

#include "calendar/names.h"
#include "calendar/year.h"

#include <cstdint>
#include <limits>

namespace круголет {

std::string_view расчет_месяца(int год, int день, int месяц, int час, int лето_в_круге_лет,
                               std::string_view пограничный_месяц) {
    if (!пограничный_месяц.empty())
        return пограничный_месяц;
    auto начало = начало_месяца(год, лето_в_круге_лет, месяцы[0]);
    for (std::size_t место = 0; место + 1 < месяцы.size(); ++место) {
        const auto конец = начало_месяца(год, лето_в_круге_лет, месяцы[место + 1]);
        if (начало && конец &&
            внутри(начало->день, начало->месяц, день, месяц, час, конец->день, конец->месяц))
            return месяцы[место];
        начало = конец;
    }
    // The part of Тайлет that falls in August; its September days carry a boundary month.
    return "Тайлет";
}

bool внутри(int d1, int m1, int день, int месяц, int час, int d2, int m2) {
    return (день == d1 && месяц == m1 && час >= 19) || (месяц == m1 && день > d1) ||
           (день == d2 && месяц == m2 && час < 19) || (месяц == m2 && день < d2) ||
           (месяц > m1 && месяц < m2);
}

std::optional<int> расчет_числа(const Знания &знания, std::string_view месяц_года,
                                int лето_в_круге_лет, int день, int месяц, int год, int час) {
    const auto начало = начало_месяца(год, лето_в_круге_лет, месяц_года);
    if (!начало)
        return std::nullopt;
    return определение_числа(знания, начало->день, начало->месяц, день, месяц, год, час);
}

std::optional<int> определение_числа(const Знания &знания, int d1, int m1, int день, int месяц,
                                     int год, int час) {
    // Days of the Gregorian months walked past on the way to the moment's month.
    std::int64_t пройдено = 0;
    // Following the successors from any month reaches each of the twelve within eleven steps;
    // a month that is none of them is never reached.
    for (int шаг = 0; шаг < 12; ++шаг) {
        if (месяц == m1) {
            const std::int64_t число = пройдено + std::int64_t{день} - d1 + (час >= 19 ? 1 : 0);
            if (число < std::numeric_limits<int>::min() || число > std::numeric_limits<int>::max())
                return std::nullopt;
            return static_cast<int>(число);
        }
        const auto длина = длительность_месяца(m1, год);
        const auto следующий = знания.следующий_месяц.найти(m1);
        if (!длина || !следующий)
            return std::nullopt;
        пройдено += std::int64_t{*длина} - d1 + 1;
        d1 = 1;
        m1 = *следующий;
    }
    return std::nullopt;
}

} // namespace круголет
