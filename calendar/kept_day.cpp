#include "calendar/kept_day.h"

#include "calendar/month_and_weekday_names.h"
#include "calendar/month_page.h"
#include "calendar/values.h"
#include "runtime/utf8.h"

#include <algorithm>

namespace круголет {

std::optional<Памятная_дата> памятная_дата(const Знания &знания, const Момент &момент) {
    const auto значения = значения_момента(знания, момент, Промежуток::широкий);
    if (!значения)
        return std::nullopt;
    const auto месяц = номер_месяца(значения->месяц);
    if (!месяц)
        return std::nullopt;
    const std::string_view название = значения->название_лета;
    const auto конец = название.find_last_not_of(" \r\n");
    return Памятная_дата{{static_cast<int>(значения->лето_от_сотворения), *месяц, значения->число},
                         значения->месяц,
                         значения->день_недели,
                         конец == std::string_view::npos ? "" : название.substr(0, конец + 1)};
}

std::variant<std::vector<Возвращение>, Отказ_возвращений>
возвращения(const Знания &знания, const Старая_дата &памятная, int с_лета, int сколько) {
    if (сколько < 1 || сколько > наибольшее_число_возвращений)
        return Отказ_возвращений::неверное_число;
    if (с_лета < памятная.лето)
        return Отказ_возвращений::раньше_памятного_лета;
    if (с_лета > последнее_лето - сколько + 1)
        return Отказ_возвращений::позже_промежутка;
    std::vector<Возвращение> итог;
    итог.reserve(static_cast<std::size_t>(сколько));
    for (int лето = с_лета; лето < с_лета + сколько; ++лето) {
        // The whole month, since a day its year lacks is kept on the month's last one.
        const auto страница = страница_месяца(знания, лето, памятная.месяц);
        const auto *месяц_лета = std::get_if<Страница_месяца>(&страница);
        const int число =
            месяц_лета ? std::min(памятная.число, static_cast<int>(месяц_лета->дни.size())) : 0;
        if (число < 1)
            return Отказ_возвращений::нет_записи;
        итог.push_back({месяц_лета->дни[static_cast<std::size_t>(число - 1)], лето - памятная.лето,
                        число < памятная.число ? std::optional(памятная.число) : std::nullopt});
    }
    return итог;
}

std::optional<Изъян_имени> изъян_имени(std::string_view имя) {
    if (!правильный_utf8(имя))
        return Изъян_имени::не_строка;
    for (std::size_t i = 0; i < имя.size(); ++i) {
        const auto байт = static_cast<unsigned char>(имя[i]);
        // C0 and DEL, and C1 (U+0080..U+009F, C2 80..C2 9F).
        const bool управляющий_c1 = байт == 0xC2 && static_cast<unsigned char>(имя[i + 1]) < 0xA0;
        if (байт < 0x20 || байт == 0x7F || управляющий_c1)
            return Изъян_имени::не_строка;
    }
    if (число_знаков(имя) > наибольшая_длина_имени)
        return Изъян_имени::длинное;
    return std::nullopt;
}

} // namespace круголет
