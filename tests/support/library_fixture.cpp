#include "tests/support/library_fixture.h"

#include "calendar/month_and_weekday_names.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace круголет {
namespace {

constexpr std::array<std::string_view, 16> чертоги = {
    "Рамхат", "Рожана",  "Макошь", "Семаргл", "Варуна", "Сварог", "Род",      "Велес",
    "Марена", "Крышень", "Лада",   "Вышень",  "Купала", "Перун",  "Даждьбог", "Джива"};

constexpr std::array<std::string_view, 3> вторые_строки_богов = {"Купала1", "Перун1", "Даждьбог1"};

constexpr std::array<int, 5> ключи_четвертей = {1, 2, 3, 4, 41};

// One row of a file-only table: a text key, a number key, or both (for четверть).
struct Строка {
    std::string_view таблица;
    std::optional<std::string> имя;
    std::optional<int> число;
    std::string текст;
};

std::vector<Строка> строки() {
    std::vector<Строка> итог;
    for (int лето = 1; лето <= 144; ++лето) {
        итог.push_back({"название_лета", {}, лето, "название лета " + std::to_string(лето)});
        итог.push_back({"лето", {}, лето, "лето " + std::to_string(лето)});
    }
    for (const auto месяц : месяцы)
        for (const int ключ : ключи_четвертей)
            итог.push_back({"четверть", std::string(месяц), ключ,
                            "четверть " + std::string(месяц) + " " + std::to_string(ключ)});
    for (const auto чертог : чертоги) {
        итог.push_back({"бог", std::string(чертог), {}, "бог " + std::string(чертог)});
        итог.push_back(
            {"описание_чертога", std::string(чертог), {}, "чертог " + std::string(чертог)});
    }
    for (const auto ключ : вторые_строки_богов)
        итог.push_back({"бог", std::string(ключ), {}, "бог " + std::string(ключ)});
    return итог;
}

void добавить(Знания &знания, const Строка &с) {
    if (с.таблица == "название_лета")
        знания.название_лета.добавить(*с.число, с.текст);
    else if (с.таблица == "лето")
        знания.лето.добавить(*с.число, с.текст);
    else if (с.таблица == "четверть")
        знания.четверть.добавить({*с.имя, *с.число}, с.текст);
    else if (с.таблица == "бог")
        знания.бог.добавить(*с.имя, с.текст);
    else
        знания.описание_чертога.добавить(*с.имя, с.текст);
}

std::string в_кавычках(std::string_view текст) {
    std::string строка(1, '"');
    строка += текст;
    строка += '"';
    return строка;
}

} // namespace

Знания знания_для_тестов() {
    Знания знания = встроенные_знания();
    for (const auto &с : строки())
        добавить(знания, с);
    return знания;
}

std::string строки_библиотеки_для_тестов() {
    std::string текст;
    for (const auto &с : строки()) {
        текст += с.таблица;
        текст += '(';
        if (с.имя)
            текст += в_кавычках(*с.имя) + ", ";
        if (с.число)
            текст += std::to_string(*с.число) + ", ";
        текст += в_кавычках(с.текст) + ")\n";
    }
    return текст;
}

} // namespace круголет
