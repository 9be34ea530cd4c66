#include "calendar/quarter.h"

#include <array>
#include <limits>

namespace круголет {
namespace {

// A month's first hall has no lower bound and its last no upper bound, so day 41 of an even
// month in the sacred year falls into that month's last hall.
constexpr int до_конца_месяца = std::numeric_limits<int>::max();

struct Чертог_месяца {
    std::string_view месяц;
    int до_дня;
    std::string_view чертог;
};

constexpr std::array<Чертог_месяца, 24> чертоги = {{
    {"Рамхат", 21, "Рамхат"},
    {"Рамхат", до_конца_месяца, "Рожана"},
    {"Айлет", 3, "Рожана"},
    {"Айлет", 24, "Макошь"},
    {"Айлет", до_конца_месяца, "Семаргл"},
    {"Бейлет", 6, "Семаргл"},
    {"Бейлет", 28, "Варуна"},
    {"Бейлет", до_конца_месяца, "Сварог"},
    {"Гэйлет", 11, "Сварог"},
    {"Гэйлет", 36, "Род"},
    {"Гэйлет", до_конца_месяца, "Велес"},
    {"Дайлет", 21, "Велес"},
    {"Дайлет", до_конца_месяца, "Марена"},
    {"Элет", 3, "Марена"},
    {"Элет", 25, "Крышень"},
    {"Элет", до_конца_месяца, "Лада"},
    {"Вэйлет", 8, "Лада"},
    {"Вэйлет", 30, "Вышень"},
    {"Вэйлет", до_конца_месяца, "Купала"},
    {"Хейлет", 12, "Купала"},
    {"Хейлет", 34, "Перун"},
    {"Хейлет", до_конца_месяца, "Даждьбог"},
    {"Тайлет", 17, "Даждьбог"},
    {"Тайлет", до_конца_месяца, "Джива"},
}};

// Three gods have their text in two rows; the second row's key ends in "1".
struct Вторая_строка {
    std::string_view чертог;
    std::string_view ключ;
};

constexpr std::array<Вторая_строка, 3> вторые_строки = {{
    {"Купала", "Купала1"},
    {"Перун", "Перун1"},
    {"Даждьбог", "Даждьбог1"},
}};

std::optional<int> ключ_четверти(int число) {
    if (число >= 1 && число <= 10)
        return 1;
    if (число >= 11 && число <= 20)
        return 2;
    if (число >= 21 && число <= 30)
        return 3;
    if (число >= 31 && число <= 40)
        return 4;
    if (число == 41)
        return 41;
    return std::nullopt;
}

std::optional<int> место_в_четверти(int число) {
    if (число <= 10)
        return число;
    if (число <= 20)
        return число - 10;
    if (число <= 30)
        return число - 20;
    if (число <= 40)
        return число - 30;
    return std::nullopt;
}

} // namespace

std::optional<std::string_view> расчет_четверти(const Знания &знания, std::string_view месяц,
                                                int число) {
    const auto ключ = ключ_четверти(число);
    if (!ключ)
        return std::nullopt;
    return знания.четверть.найти(Вид_месяца_и_числа{месяц, *ключ});
}

std::optional<std::string_view> расчет_дня_четверти(const Знания &знания, int число) {
    if (число == 41)
        return std::string_view();
    const auto место = место_в_четверти(число);
    if (!место)
        return std::nullopt;
    return знания.день_четверти.найти(*место);
}

std::optional<std::string_view> чертог(std::string_view месяц, int число) {
    for (const auto &строка : чертоги)
        if (строка.месяц == месяц && число <= строка.до_дня)
            return строка.чертог;
    return std::nullopt;
}

std::optional<Покровитель> определение_покровителя(const Знания &знания, int число,
                                                   std::string_view месяц) {
    const auto ключ = чертог(месяц, число);
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

std::string_view есть_ли_праздник(const Знания &знания, std::string_view месяц, int число) {
    return знания.праздник.найти(Вид_месяца_и_числа{месяц, число}).value_or("нет");
}

} // namespace круголет
