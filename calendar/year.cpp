#include "calendar/year.h"

#include "calendar/month_and_weekday_names.h"
#include "calendar/quantities.h"
#include "knowledge/calendar_words.h"

#include <algorithm>
#include <array>
#include <limits>

namespace круголет {
namespace {

namespace м = имя_месяца;

constexpr int номер_рамхата = номер_месяца(м::рамхат).value();

// The day column of the one row that begins on the last day of February, whose date depends
// on the Gregorian year.
constexpr int последний_день = 0;

struct Начало_месяца {
    std::string_view месяц;
    int лето_от;
    int лето_до;
    int месяц_года;
    int день;
};

constexpr std::array<Начало_месяца, 43> начала_месяцев = {{
    {м::рамхат, 1, 4, 9, 22},    {м::рамхат, 5, 8, 9, 21},
    {м::рамхат, 9, 12, 9, 20},   {м::рамхат, 13, 16, 9, 19},

    {м::айлет, 1, 4, 11, 2},     {м::айлет, 5, 8, 11, 1},
    {м::айлет, 9, 12, 10, 31},   {м::айлет, 13, 16, 10, 30},

    {м::бейлет, 1, 4, 12, 12},   {м::бейлет, 5, 8, 12, 11},
    {м::бейлет, 9, 12, 12, 10},  {м::бейлет, 13, 15, 12, 9},
    {м::бейлет, 16, 16, 12, 10},

    {м::гэйлет, 1, 4, 1, 22},    {м::гэйлет, 5, 8, 1, 21},
    {м::гэйлет, 9, 12, 1, 20},   {м::гэйлет, 13, 15, 1, 19},
    {м::гэйлет, 16, 16, 1, 20},

    {м::дайлет, 1, 3, 3, 3},     {м::дайлет, 4, 7, 3, 2},
    {м::дайлет, 8, 11, 3, 1},    {м::дайлет, 12, 15, 2, последний_день},
    {м::дайлет, 16, 16, 3, 1},

    {м::элет, 1, 3, 4, 13},      {м::элет, 4, 7, 4, 12},
    {м::элет, 8, 11, 4, 11},     {м::элет, 12, 15, 4, 10},
    {м::элет, 16, 16, 4, 11},

    {м::вэйлет, 1, 3, 5, 23},    {м::вэйлет, 4, 7, 5, 22},
    {м::вэйлет, 8, 11, 5, 21},   {м::вэйлет, 12, 15, 5, 20},
    {м::вэйлет, 16, 16, 5, 22},

    {м::хейлет, 1, 3, 7, 3},     {м::хейлет, 4, 7, 7, 2},
    {м::хейлет, 8, 11, 7, 1},    {м::хейлет, 12, 15, 6, 30},
    {м::хейлет, 16, 16, 7, 2},

    {м::тайлет, 1, 3, 8, 12},    {м::тайлет, 4, 7, 8, 11},
    {м::тайлет, 8, 11, 8, 10},   {м::тайлет, 12, 15, 8, 9},
    {м::тайлет, 16, 16, 8, 12},
}};

struct Начало_по_номеру {
    // 0 where no row gives the month a start in that year.
    int месяц_года = 0;
    int день = 0;
};

// The rows above by month number and place in the Circle of Years, laid out at compile time, so
// that a month's start is found without comparing names; the first row for a place wins, as it
// did when the rows were scanned.
constexpr auto начала_по_номерам = [] {
    std::array<std::array<Начало_по_номеру, 16>, 9> итог{};
    for (const auto &строка : начала_месяцев) {
        auto &начала = итог[static_cast<std::size_t>(номер_месяца(строка.месяц).value() - 1)];
        for (int лето = строка.лето_от; лето <= строка.лето_до; ++лето)
            if (начала[static_cast<std::size_t>(лето - 1)].месяц_года == 0)
                начала[static_cast<std::size_t>(лето - 1)] = {строка.месяц_года, строка.день};
    }
    return итог;
}();

// Iterators, not ranges: the libc++ of the WebAssembly build has no std::ranges::all_of.
static_assert(std::all_of(начала_по_номерам.begin(), начала_по_номерам.end(),
                          [](const auto &начала) {
                              return std::all_of(
                                  начала.begin(), начала.end(),
                                  [](const auto &начало) { return начало.месяц_года != 0; });
                          }),
              "every month begins in every year of the Circle of Years");

constexpr std::array<int, 12> дней_в_месяце = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

bool помещается(std::int64_t число) {
    return число >= std::numeric_limits<std::int32_t>::min() &&
           число <= std::numeric_limits<std::int32_t>::max();
}

День_и_месяц день_начала(int год, Начало_по_номеру начало) {
    if (начало.день == последний_день)
        return День_и_месяц{*длительность_месяца(начало.месяц_года, год), начало.месяц_года};
    return День_и_месяц{начало.день, начало.месяц_года};
}

} // namespace

std::int64_t лето_круга_лет(std::int64_t номер) {
    return ((номер - 1) % лет_в_круге_лет + лет_в_круге_лет) % лет_в_круге_лет + 1;
}

std::int64_t лето_круга_жизни(std::int64_t номер) {
    return ((номер - 1) % лет_в_круге_жизни + лет_в_круге_жизни) % лет_в_круге_жизни + 1;
}

std::optional<int> длительность_месяца(int месяц, int год) {
    if (месяц < 1 || месяц > 12)
        return std::nullopt;
    if (месяц == 2 && год % 4 == 0)
        return 29;
    return дней_в_месяце[месяц - 1];
}

std::optional<День_и_месяц> начало_месяца(int год, int лето_в_круге_лет, std::string_view месяц) {
    const auto номер = номер_месяца(месяц);
    if (!номер)
        return std::nullopt;
    return начало_месяца(год, лето_в_круге_лет, *номер);
}

std::optional<День_и_месяц> начало_месяца(int год, int лето_в_круге_лет, int номер) {
    if (номер < 1 || номер > 9 || лето_в_круге_лет < 1 || лето_в_круге_лет > лет_в_круге_лет)
        return std::nullopt;
    return день_начала(год, начала_по_номерам[static_cast<std::size_t>(номер - 1)]
                                             [static_cast<std::size_t>(лето_в_круге_лет - 1)]);
}

std::optional<std::array<День_и_месяц, 9>> начала_месяцев_года(int год, int лето_в_круге_лет) {
    if (лето_в_круге_лет < 1 || лето_в_круге_лет > лет_в_круге_лет)
        return std::nullopt;
    std::array<День_и_месяц, 9> начала;
    for (std::size_t место = 0; место < начала.size(); ++место)
        начала[место] = день_начала(
            год, начала_по_номерам[место][static_cast<std::size_t>(лето_в_круге_лет - 1)]);
    return начала;
}

std::optional<Лето> лето_момента(const Знания &знания, const Момент &момент,
                                 Промежуток промежуток) {
    // The year that began in the September before this Gregorian year.
    const std::int64_t прежнее = std::int64_t{момент.год} - год_начала_счета;
    std::int64_t лето;
    std::string_view пограничный;
    if (момент.месяц >= 1 && момент.месяц <= 8) {
        лето = прежнее;
    } else if (момент.месяц >= 10 && момент.месяц <= 12) {
        лето = прежнее + 1;
    } else if (момент.месяц == 9) {
        // This September's Рамхат begins on a day set by the place of the new year.
        const auto новое_в_круге_лет = знания.следующее_лето_в_круге_лет.найти(
            static_cast<std::int32_t>(лето_круга_лет(прежнее)));
        if (!новое_в_круге_лет)
            return std::nullopt;
        const auto рамхат = начало_месяца(момент.год, *новое_в_круге_лет, номер_рамхата);
        if (!рамхат)
            return std::nullopt;
        const bool новое =
            момент.день == рамхат->день ? момент.час >= час_начала_дня : момент.день > рамхат->день;
        лето = новое ? прежнее + 1 : прежнее;
        пограничный = новое ? м::рамхат : м::тайлет;
    } else {
        return std::nullopt;
    }
    if (!помещается(лето))
        return std::nullopt;
    const std::int64_t в_круге_жизни =
        промежуток == Промежуток::широкий ? лето_круга_жизни(лето) : лето;
    return Лето{static_cast<std::int32_t>(лето), static_cast<std::int32_t>(в_круге_жизни),
                static_cast<std::int32_t>(лето_круга_лет(лето)), пограничный};
}

std::int64_t круг_жизни(std::int32_t номер) {
    const std::int64_t прошло = std::int64_t{номер} - 1;
    // Rounded down, also for the years before 1868.
    return круг_жизни_первого_лета +
           (прошло >= 0 ? прошло : прошло - (лет_в_круге_жизни - 1)) / лет_в_круге_жизни;
}

std::int64_t лето_от_сотворения(std::int32_t номер) {
    return лет_от_сотворения_до_счета + std::int64_t{номер};
}

std::int64_t номер_лета(std::int64_t от_сотворения) {
    return от_сотворения - лет_от_сотворения_до_счета;
}

} // namespace круголет
