#include "calendar/hall.h"

#include "knowledge/calendar_words.h"

#include <array>
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

} // namespace

std::optional<std::string_view> чертог_числа(std::string_view месяц, int число) {
    for (const auto &строка : чертоги)
        if (строка.месяц == месяц && число <= строка.до_дня)
            return строка.чертог;
    return std::nullopt;
}

std::optional<Покровитель> покровитель_числа(const Знания &знания, std::string_view месяц,
                                             int число) {
    const auto ключ = чертог_числа(месяц, число);
    if (!ключ)
        return std::nullopt;
    const auto бог = знания.бог.найти(*ключ);
    const auto описание = знания.описание_чертога.найти(*ключ);
    if (!бог || !описание)
        return std::nullopt;
    std::string_view продолжение;
    for (const auto &вторая : вторые_строки) {
        if (вторая.чертог != *ключ)
            continue;
        const auto строка = знания.бог.найти(вторая.ключ);
        if (!строка)
            return std::nullopt;
        продолжение = *строка;
    }
    Покровитель покровитель{std::string(), *описание};
    покровитель.бог.reserve(бог->size() + продолжение.size());
    покровитель.бог.append(*бог).append(продолжение);
    return покровитель;
}

} // namespace круголет
