#include "calendar/hall.h"

#include "calendar/month_and_weekday_names.h"
#include "knowledge/calendar_words.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>

namespace круголет {
namespace {

namespace м = имя_месяца;
namespace ч = имя_чертога;

// A month's first hall has no lower bound and its last no upper bound, so day 41 of an even
// month in the sacred year falls into that month's last hall.
constexpr int до_конца_месяца = std::numeric_limits<int>::max();

struct Чертог_месяца {
    std::string_view месяц;
    int до_дня;
    std::string_view чертог;
};

constexpr std::array<Чертог_месяца, 24> чертоги = {{
    {м::рамхат, 21, ч::рамхат},
    {м::рамхат, до_конца_месяца, ч::рожана},
    {м::айлет, 3, ч::рожана},
    {м::айлет, 24, ч::макошь},
    {м::айлет, до_конца_месяца, ч::семаргл},
    {м::бейлет, 6, ч::семаргл},
    {м::бейлет, 28, ч::варуна},
    {м::бейлет, до_конца_месяца, ч::сварог},
    {м::гэйлет, 11, ч::сварог},
    {м::гэйлет, 36, ч::род},
    {м::гэйлет, до_конца_месяца, ч::велес},
    {м::дайлет, 21, ч::велес},
    {м::дайлет, до_конца_месяца, ч::марена},
    {м::элет, 3, ч::марена},
    {м::элет, 25, ч::крышень},
    {м::элет, до_конца_месяца, ч::лада},
    {м::вэйлет, 8, ч::лада},
    {м::вэйлет, 30, ч::вышень},
    {м::вэйлет, до_конца_месяца, ч::купала},
    {м::хейлет, 12, ч::купала},
    {м::хейлет, 34, ч::перун},
    {м::хейлет, до_конца_месяца, ч::даждьбог},
    {м::тайлет, 17, ч::даждьбог},
    {м::тайлет, до_конца_месяца, ч::джива},
}};

// Three gods have their text in two rows; the second row's key ends in "1".
struct Вторая_строка {
    std::string_view чертог;
    std::string_view ключ;
};

constexpr std::array<Вторая_строка, 3> вторые_строки = {{
    {ч::купала, ч::купала1},
    {ч::перун, ч::перун1},
    {ч::даждьбог, ч::даждьбог1},
}};

constexpr std::size_t место_месяца(const Чертог_месяца &строка) {
    return static_cast<std::size_t>(номер_месяца(строка.месяц).value());
}

static_assert(std::is_sorted(чертоги.begin(), чертоги.end(),
                             [](const auto &первый, const auto &второй) {
                                 return место_месяца(первый) < место_месяца(второй);
                             }),
              "each month's halls stand together, in the order of the months");

// Where each month's rows begin, by month number, the last ending at the tenth place: a hall is
// found among its month's two or three rows without comparing month names.
constexpr auto первые_строки_месяцев = [] {
    std::array<std::size_t, 10> итог{};
    for (const auto &строка : чертоги)
        ++итог[место_месяца(строка)];
    for (std::size_t место = 1; место < итог.size(); ++место)
        итог[место] += итог[место - 1];
    return итог;
}();

// The key of the second row of each hall's god, empty for a god of one row.
constexpr auto вторые_ключи = [] {
    std::array<std::string_view, чертоги.size()> итог{};
    for (std::size_t место = 0; место < чертоги.size(); ++место)
        for (const auto &вторая : вторые_строки)
            if (вторая.чертог == чертоги[место].чертог)
                итог[место] = вторая.ключ;
    return итог;
}();

std::optional<std::size_t> строка_чертога(int номер, int число) {
    if (номер < 1 || номер > 9)
        return std::nullopt;
    for (auto место = первые_строки_месяцев[static_cast<std::size_t>(номер - 1)];
         место < первые_строки_месяцев[static_cast<std::size_t>(номер)]; ++место)
        if (число <= чертоги[место].до_дня)
            return место;
    return std::nullopt;
}

} // namespace

std::optional<std::string_view> чертог_числа(std::string_view месяц, int число) {
    const auto номер = номер_месяца(месяц);
    if (!номер)
        return std::nullopt;
    return чертог_числа(*номер, число);
}

std::optional<std::string_view> чертог_числа(int номер, int число) {
    const auto место = строка_чертога(номер, число);
    if (!место)
        return std::nullopt;
    return чертоги[*место].чертог;
}

std::optional<Покровитель_по_строкам> покровитель_по_строкам(const Знания &знания, int номер,
                                                             int число) {
    const auto место = строка_чертога(номер, число);
    if (!место)
        return std::nullopt;
    const auto ключ = чертоги[*место].чертог;
    const auto бог = знания.бог.найти(ключ);
    const auto описание = знания.описание_чертога.найти(ключ);
    if (!бог || !описание)
        return std::nullopt;
    std::string_view продолжение;
    if (const auto второй_ключ = вторые_ключи[*место]; !второй_ключ.empty()) {
        const auto строка = знания.бог.найти(второй_ключ);
        if (!строка)
            return std::nullopt;
        продолжение = *строка;
    }
    return Покровитель_по_строкам{*бог, продолжение, ключ, *описание};
}

} // namespace круголет
