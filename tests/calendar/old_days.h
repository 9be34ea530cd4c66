#pragma once

// The walks of tests over whole ranges of days: Gregorian days one after another, and the old
// day a conversion reports for each.

#include "calendar/month_and_weekday_names.h"
#include "calendar/values.h"

#include <string>
#include <string_view>

namespace круголет {

// The Gregorian days as the calendar counts them: 29 February in every fourth year, 1900 too.
struct Дата {
    int день, месяц, год;

    void следующая() {
        constexpr int дней[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        const int в_месяце = месяц == 2 && год % 4 == 0 ? 29 : дней[месяц - 1];
        if (++день <= в_месяце)
            return;
        день = 1;
        if (++месяц <= 12)
            return;
        месяц = 1;
        ++год;
    }

    bool раньше(const Дата &д) const {
        return год != д.год ? год < д.год : месяц != д.месяц ? месяц < д.месяц : день < д.день;
    }

    std::string текст(int час, int минута) const {
        return std::to_string(день) + "." + std::to_string(месяц) + "." + std::to_string(год) +
               " " + std::to_string(час) + ":" + std::to_string(минута);
    }
};

inline int место(std::string_view день_недели) {
    for (std::size_t i = 0; i < дни_недели.size(); ++i)
        if (дни_недели[i] == день_недели)
            return static_cast<int>(i);
    return -1;
}

// The old day in which a moment lies, as the conversion reports it.
struct Старый_день {
    int лето, лето_в_круге_лет, месяц, число, день_недели;
    bool operator==(const Старый_день &) const = default;
};

inline Старый_день старый_день(const Значения_момента &р) {
    return {р.лето_в_круге_жизни, р.лето_в_круге_лет, *номер_месяца(р.месяц), р.число,
            место(р.день_недели)};
}

} // namespace круголет
