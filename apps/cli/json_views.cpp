#include "apps/cli/json_views.h"

#include "runtime/format.h"

#include <string>

namespace круголет {
namespace {

std::string момент_json(const Момент &м) {
    std::string текст;
    дописать_число(текст, м.год, 4);
    текст += '-';
    дописать_число(текст, м.месяц, 2);
    текст += '-';
    дописать_число(текст, м.день, 2);
    текст += 'T';
    дописать_число(текст, м.час, 2);
    текст += ':';
    дописать_число(текст, м.минута, 2);
    return текст;
}

nlohmann::json праздник_json(const День_круголета &день) {
    return день.праздник ? nlohmann::json(*день.праздник) : nlohmann::json(nullptr);
}

} // namespace

nlohmann::json json_дня(const День_круголета &день) {
    return {
        {"year_from_creation", день.дата.лето},
        {"month", день.дата.месяц},
        {"month_name", день.месяц},
        {"day", день.дата.число},
        {"weekday", день.день_недели},
        {"holiday", праздник_json(день)},
        {"start", момент_json(день.начало)},
        {"end", момент_json(день.конец)},
    };
}

nlohmann::json json_страницы(const Страница_месяца &страница) {
    nlohmann::json дни = nlohmann::json::array();
    for (const auto &день : страница.дни)
        дни.push_back({
            {"day", день.дата.число},
            {"weekday", день.день_недели},
            {"start", момент_json(день.начало)},
            {"end", момент_json(день.конец)},
            {"holiday", праздник_json(день)},
        });
    return {
        {"year_from_creation", страница.лето},
        {"month", страница.месяц},
        {"month_name", страница.имя},
        {"first_column", страница.первый_столбец},
        {"days", std::move(дни)},
    };
}

nlohmann::json json_страницы_лета(const Страница_лета &страница) {
    nlohmann::json месяцы = nlohmann::json::array();
    for (const auto &месяц : страница.месяцы)
        месяцы.push_back(json_страницы(месяц));
    return {
        {"year_from_creation", страница.лето},
        {"name", страница.название},
        {"sacred", страница.священное},
        {"months", std::move(месяцы)},
    };
}

nlohmann::json json_праздников(std::span<const День_круголета> праздники) {
    nlohmann::json список = nlohmann::json::array();
    for (const auto &день : праздники)
        список.push_back({
            {"year_from_creation", день.дата.лето},
            {"month", день.дата.месяц},
            {"month_name", день.месяц},
            {"day", день.дата.число},
            {"name", праздник_json(день)},
            {"start", момент_json(день.начало)},
            {"end", момент_json(день.конец)},
        });
    return список;
}

} // namespace круголет
