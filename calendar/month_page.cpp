#include "calendar/month_page.h"

#include "calendar/hall.h"
#include "calendar/holiday.h"
#include "calendar/month_and_weekday_names.h"
#include "calendar/quantities.h"
#include "calendar/weekday.h"
#include "calendar/year.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace круголет {
namespace {

// The Gregorian day after, at the same hour, with 29 February in every fourth year as the
// conversion counts it.
Момент сутки_спустя(Момент момент) {
    if (++момент.день <= *длительность_месяца(момент.месяц, момент.год))
        return момент;
    момент.день = 1;
    if (++момент.месяц <= 12)
        return момент;
    момент.месяц = 1;
    ++момент.год;
    return момент;
}

// The evening on which a month of the year begins. Рамхат, Айлет and Бейлет begin in the autumn
// that opens the year, the other months in the Gregorian year after it, whose February is the
// one a month start depends on.
std::optional<Момент> вечер_начала(std::int64_t номер, std::string_view месяц) {
    const int год_весны = static_cast<int>(год_начала_счета + номер);
    const auto начало = начало_месяца(год_весны, static_cast<int>(лето_круга_лет(номер)), месяц);
    if (!начало)
        return std::nullopt;
    return Момент{начало->день, начало->месяц, начало->месяц >= 9 ? год_весны - 1 : год_весны,
                  час_начала_дня, 0};
}

// Some rows of the holiday table keep blanks around the name, which the report shows as they
// are; a day standing on its own is named without them.
std::string_view без_краевых_пробелов(std::string_view имя) {
    const auto начало = имя.find_first_not_of(' ');
    if (начало == std::string_view::npos)
        return {};
    return имя.substr(начало, имя.find_last_not_of(' ') - начало + 1);
}

int столбец(std::string_view день_недели) {
    return static_cast<int>(std::find(дни_недели.begin(), дни_недели.end(), день_недели) -
                            дни_недели.begin()) +
           1;
}

} // namespace

std::optional<Месяц_лета> месяц_через(Месяц_лета месяц, int сдвиг) {
    // Counted wide, so that a year typed far outside the range cannot overflow.
    const std::int64_t номер = std::int64_t{месяц.лето} * 9 + месяц.месяц - 1 + сдвиг;
    if (номер < std::int64_t{первое_лето} * 9 || номер >= (std::int64_t{последнее_лето} + 1) * 9)
        return std::nullopt;
    return Месяц_лета{static_cast<int>(номер / 9), static_cast<int>(номер % 9) + 1};
}

std::variant<Страница_месяца, Отказ> страница_месяца(const Знания &знания, int лето, int месяц) {
    if (лето < первое_лето || лето > последнее_лето)
        return Отказ::лето_вне_промежутка;
    if (месяц < 1 || месяц > 9)
        return Отказ::нет_такого_месяца;
    const std::int64_t номер = номер_лета(лето);
    const std::string_view имя = месяцы[месяц - 1];
    const auto начало = вечер_начала(номер, имя);
    // Тайлет lasts until the next year's Рамхат.
    const auto конец =
        месяц < 9 ? вечер_начала(номер, месяцы[месяц]) : вечер_начала(номер + 1, месяцы[0]);
    const auto первый_день_недели =
        день_недели_числа(знания, static_cast<std::int32_t>(лето_круга_жизни(номер)),
                          static_cast<int>(лето_круга_лет(номер)), имя, 1);
    if (!начало || !конец || !первый_день_недели)
        return Отказ::нет_записи;

    Страница_месяца страница{лето, месяц, имя, столбец(*первый_день_недели), {}};
    страница.дни.reserve(дней_в_долгом_месяце);
    const auto праздники = праздники_месяца(знания, имя);
    std::string_view день_недели = *первый_день_недели;
    // No month has more than 41 days; the bound keeps tables that never meet the next month's
    // start from walking on.
    for (Момент вечер = *начало; вечер != *конец && страница.дни.size() < дней_в_долгом_месяце;
         вечер = сутки_спустя(вечер)) {
        const int число = static_cast<int>(страница.дни.size()) + 1;
        if (число > 1) {
            // The day after has the weekday after, as the weekday rule counts on from the first.
            const auto следующий = день_недели_от_первого(знания, 2, день_недели);
            if (!следующий)
                return Отказ::нет_записи;
            день_недели = *следующий;
        }
        const auto чертог_дня = чертог_числа(имя, число);
        if (!чертог_дня)
            return Отказ::нет_записи;
        const auto &праздник_дня = праздники[число];
        страница.дни.push_back({
            .дата = {лето, месяц, число},
            .месяц = имя,
            .день_недели = день_недели,
            .чертог = *чертог_дня,
            .праздник =
                праздник_дня ? std::optional(без_краевых_пробелов(*праздник_дня)) : std::nullopt,
            .начало = вечер,
            .конец = сутки_спустя(вечер),
        });
    }
    return страница;
}

std::variant<День_круголета, Отказ> день_круголета(const Знания &знания, Старая_дата дата) {
    auto страница = страница_месяца(знания, дата.лето, дата.месяц);
    if (const auto *отказ = std::get_if<Отказ>(&страница))
        return *отказ;
    const auto &дни = std::get<Страница_месяца>(страница).дни;
    if (дата.число < 1 || дата.число > static_cast<int>(дни.size()))
        return Отказ::нет_такого_числа;
    return дни[static_cast<std::size_t>(дата.число) - 1];
}

} // namespace круголет
