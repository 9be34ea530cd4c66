#include "calendar/year_holidays.h"

#include "calendar/month_page.h"
#include "calendar/quantities.h"
#include "calendar/year.h"

namespace круголет {

std::variant<std::vector<День_круголета>, Отказ> праздники_лета(const Знания &знания, int лето) {
    std::vector<День_круголета> праздники;
    for (int месяц = 1; месяц <= 9; ++месяц) {
        auto страница = страница_месяца(знания, лето, месяц);
        if (const auto *отказ = std::get_if<Отказ>(&страница))
            return *отказ;
        for (const auto &день : std::get<Страница_месяца>(страница).дни)
            if (день.праздник)
                праздники.push_back(день);
    }
    return праздники;
}

std::variant<std::vector<День_круголета>, Отказ> праздники_года(const Знания &знания, int год) {
    if (год < первый_год || год > последний_год)
        return Отказ::год_вне_промежутка;
    // A Gregorian year holds the end of the old year that began in the September before it and
    // the beginning of the one that begins in its own September.
    const int прежнее = static_cast<int>(лето_от_сотворения(год - год_начала_счета));
    std::vector<День_круголета> праздники;
    for (const int лето : {прежнее, прежнее + 1}) {
        if (лето < первое_лето || лето > последнее_лето)
            continue;
        auto в_лете = праздники_лета(знания, лето);
        if (const auto *отказ = std::get_if<Отказ>(&в_лете))
            return *отказ;
        for (const auto &день : std::get<std::vector<День_круголета>>(в_лете))
            if (день.начало.год == год)
                праздники.push_back(день);
    }
    return праздники;
}

} // namespace круголет
