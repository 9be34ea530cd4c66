#include "calendar/year_page.h"

#include "calendar/quantities.h"
#include "calendar/year.h"

#include <numeric>

namespace круголет {
namespace {

// The library's names end with the line feed after which the report goes on; a heading or a
// JSON value takes the name alone.
std::string_view без_конца_строки(std::string_view название) {
    return название.substr(0, название.find_last_not_of(" \r\n") + 1);
}

} // namespace

std::variant<Страница_лета, Отказ> страница_лета(const Знания &знания, int лето) {
    if (лето < первое_лето || лето > последнее_лето)
        return Отказ::лето_вне_промежутка;
    const std::int64_t номер = номер_лета(лето);
    const std::int64_t в_круге_жизни = лето_круга_жизни(номер);
    // The names repeat with the Circle of Life, as the conversion looks them up.
    const auto название = знания.название_лета.найти(static_cast<std::int32_t>(в_круге_жизни));
    if (!название)
        return Отказ::нет_записи;
    Страница_лета страница{
        .лето = лето,
        .название = без_конца_строки(*название),
        .круг_жизни = круг_жизни(static_cast<std::int32_t>(номер)),
        .в_круге_жизни = в_круге_жизни,
        .в_круге_лет = лето_круга_лет(номер),
        .священное = лето_круга_лет(номер) == лет_в_круге_лет,
        .месяцы = {},
    };
    for (int месяц = 1; месяц <= 9; ++месяц) {
        auto месяца = страница_месяца(знания, лето, месяц);
        if (const auto *отказ = std::get_if<Отказ>(&месяца))
            return *отказ;
        страница.месяцы[static_cast<std::size_t>(месяц - 1)] =
            std::get<Страница_месяца>(std::move(месяца));
    }
    return страница;
}

std::size_t дней_лета(const Страница_лета &страница) {
    return std::accumulate(
        страница.месяцы.begin(), страница.месяцы.end(), std::size_t{0},
        [](std::size_t дней, const Страница_месяца &месяц) { return дней + месяц.дни.size(); });
}

} // namespace круголет
