#include "calendar/weekday.h"

#include "calendar/month_and_weekday_names.h"
#include "calendar/quantities.h"

#include <algorithm>
#include <array>

namespace круголет {
namespace {

constexpr std::string_view пн = имя_дня::понедельник, вт = имя_дня::вторник,
                           тр = имя_дня::тритейник, чт = имя_дня::четверг, пт = имя_дня::пятница,
                           шс = имя_дня::шестица, сд = имя_дня::седмица, ос = имя_дня::осьмица,
                           нд = имя_дня::неделя;

enum class Лета { обычные, священное };

// The weekdays on which the nine months begin, found by the weekday of 1 Рамхат. In ordinary
// years a 41-day month moves the weekday on by 5 and a 40-day month by 4, so the months
// alternate between two weekdays; in the sacred year every month moves it by 5, and a sacred
// year only ever begins on Понедельник, Четверг or Седмица.
struct Начала_месяцев {
    Лета лета;
    std::array<std::string_view, 9> дни;
};

constexpr std::array<Начала_месяцев, 12> день_месяца = {{
    {Лета::обычные, {пн, шс, пн, шс, пн, шс, пн, шс, пн}},
    {Лета::обычные, {шс, вт, шс, вт, шс, вт, шс, вт, шс}},
    {Лета::обычные, {вт, сд, вт, сд, вт, сд, вт, сд, вт}},
    {Лета::обычные, {сд, тр, сд, тр, сд, тр, сд, тр, сд}},
    {Лета::обычные, {тр, ос, тр, ос, тр, ос, тр, ос, тр}},
    {Лета::обычные, {ос, чт, ос, чт, ос, чт, ос, чт, ос}},
    {Лета::обычные, {чт, нд, чт, нд, чт, нд, чт, нд, чт}},
    {Лета::обычные, {нд, пт, нд, пт, нд, пт, нд, пт, нд}},
    {Лета::обычные, {пт, пн, пт, пн, пт, пн, пт, пн, пт}},
    {Лета::священное, {пн, шс, вт, сд, тр, ос, чт, нд, пт}},
    {Лета::священное, {чт, нд, пт, пн, шс, вт, сд, тр, ос}},
    {Лета::священное, {сд, тр, ос, чт, нд, пт, пн, шс, вт}},
}};

std::optional<Лета> лета(int лето_в_круге_лет) {
    if (лето_в_круге_лет >= 1 && лето_в_круге_лет <= 15)
        return Лета::обычные;
    if (лето_в_круге_лет == 16)
        return Лета::священное;
    return std::nullopt;
}

} // namespace

std::optional<std::string_view> день_недели_числа(const Знания &знания,
                                                  std::int32_t лето_в_круге_жизни,
                                                  int лето_в_круге_лет, std::string_view месяц,
                                                  int число) {
    const auto номер = номер_месяца(месяц);
    if (!номер)
        return std::nullopt;
    return день_недели_числа(знания, лето_в_круге_жизни, лето_в_круге_лет, *номер, число);
}

std::optional<std::string_view> день_недели_числа(const Знания &знания,
                                                  std::int32_t лето_в_круге_жизни,
                                                  int лето_в_круге_лет, int номер, int число) {
    const auto день_рамхата = знания.день.найти(лето_в_круге_жизни);
    if (!день_рамхата)
        return std::nullopt;
    const auto первый_день = день_начала_месяца(лето_в_круге_лет, *день_рамхата, номер);
    if (!первый_день)
        return std::nullopt;
    return день_недели_от_первого(знания, число, *первый_день);
}

std::optional<std::string_view>
день_начала_месяца(int лето_в_круге_лет, std::string_view день_рамхата, std::string_view месяц) {
    const auto номер = номер_месяца(месяц);
    if (!номер)
        return std::nullopt;
    return день_начала_месяца(лето_в_круге_лет, день_рамхата, *номер);
}

std::optional<std::string_view> день_начала_месяца(int лето_в_круге_лет,
                                                   std::string_view день_рамхата, int номер) {
    if (номер < 1 || номер > 9)
        return std::nullopt;
    if (номер == 1)
        return день_рамхата;
    const auto какие = лета(лето_в_круге_лет);
    if (!какие)
        return std::nullopt;
    const auto строка =
        std::find_if(день_месяца.begin(), день_месяца.end(), [&](const auto &запись) {
            return запись.лета == *какие && запись.дни[0] == день_рамхата;
        });
    if (строка == день_месяца.end())
        return std::nullopt;
    return строка->дни[static_cast<std::size_t>(номер - 1)];
}

std::optional<std::string_view> день_недели_от_первого(const Знания &знания, int номер_дня,
                                                       std::string_view первый_день) {
    if (номер_дня < 1)
        return std::nullopt;
    // A walk that has come back to the first day repeats itself, so only the remainder of the
    // steps after whole rounds is walked. One that goes on longer than the table has rows
    // (and than the longest month) without coming back is caught in a round of other days and
    // is given up.
    const std::int64_t предел = std::max<std::int64_t>(
        дней_в_долгом_месяце - 1, static_cast<std::int64_t>(знания.следующий_день.строки().size()));
    std::int64_t осталось = std::int64_t{номер_дня} - 1;
    std::int64_t пройдено = 0;
    std::string_view день = первый_день;
    // The days of the first round as walked, so that a round of the week's length is not walked
    // again for the remainder: the day is read from its place in the round.
    std::array<std::string_view, 16> круг;
    круг[0] = первый_день;
    while (осталось > 0) {
        const auto следующий = знания.следующий_день.найти(день);
        if (!следующий)
            return std::nullopt;
        день = *следующий;
        --осталось;
        ++пройдено;
        if (день == первый_день && пройдено <= std::ssize(круг))
            return круг[static_cast<std::size_t>(осталось % пройдено)];
        if (день == первый_день)
            осталось %= пройдено;
        else if (осталось > 0 && пройдено >= предел)
            return std::nullopt;
        if (пройдено < std::ssize(круг))
            круг[static_cast<std::size_t>(пройдено)] = день;
    }
    return день;
}

} // namespace круголет
