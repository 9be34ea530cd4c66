#include "tests/cli/old_json_writer.h"

#include "calendar/report.h"
#include "runtime/format.h"

namespace круголет::прежний_json {
namespace {

std::string json_момента(const Момент &м) {
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

nlohmann::json json_праздника(const День_круголета &день) {
    return день.праздник ? nlohmann::json(*день.праздник) : nlohmann::json(nullptr);
}

} // namespace

nlohmann::json значения(const Значения_момента &р, const Момент &м) {
    return {
        {"gregorian",
         {{"day", м.день},
          {"month", м.месяц},
          {"year", м.год},
          {"hour", м.час},
          {"minute", м.минута}}},
        {"circle_of_life", р.круг_жизни},
        {"year_from_creation", р.лето_от_сотворения},
        {"year_of_circle_of_life", р.лето_в_круге_жизни},
        {"year_of_circle_of_years", р.лето_в_круге_лет},
        {"year_name", р.название_лета},
        {"month", р.месяц},
        {"month_meaning", р.значение_месяца},
        {"day_of_month", р.число},
        {"weekday", р.день_недели},
        {"hour", р.часы},
        {"hour_word", р.слово_часов},
        {"part", р.части},
        {"part_word", р.слово_частей},
        {"holiday", р.праздник},
        {"year_characteristic", р.характеристика_лета},
        {"quarter_text", р.четверть},
        {"day_of_quarter_text", р.день_четверти},
        {"hall", р.чертог},
        {"god_text", std::string(р.бог) + std::string(р.продолжение_бога)},
        {"hall_description", р.описание_чертога},
        {"report", отчет_значений(р, м)},
    };
}

nlohmann::json день(const День_круголета &день) {
    return {
        {"year_from_creation", день.дата.лето},
        {"month", день.дата.месяц},
        {"month_name", день.месяц},
        {"day", день.дата.число},
        {"weekday", день.день_недели},
        {"holiday", json_праздника(день)},
        {"start", json_момента(день.начало)},
        {"end", json_момента(день.конец)},
    };
}

nlohmann::json страница(const Страница_месяца &страница) {
    nlohmann::json дни = nlohmann::json::array();
    for (const auto &день : страница.дни)
        дни.push_back({
            {"day", день.дата.число},
            {"weekday", день.день_недели},
            {"start", json_момента(день.начало)},
            {"end", json_момента(день.конец)},
            {"holiday", json_праздника(день)},
        });
    return {
        {"year_from_creation", страница.лето},
        {"month", страница.месяц},
        {"month_name", страница.имя},
        {"first_column", страница.первый_столбец},
        {"days", std::move(дни)},
    };
}

nlohmann::json страница_лета(const Страница_лета &страница) {
    nlohmann::json месяцы = nlohmann::json::array();
    for (const auto &месяц : страница.месяцы)
        месяцы.push_back(прежний_json::страница(месяц));
    return {
        {"year_from_creation", страница.лето},
        {"name", страница.название},
        {"sacred", страница.священное},
        {"months", std::move(месяцы)},
    };
}

nlohmann::json праздники(std::span<const День_круголета> праздники) {
    nlohmann::json список = nlohmann::json::array();
    for (const auto &день : праздники)
        список.push_back({
            {"year_from_creation", день.дата.лето},
            {"month", день.дата.месяц},
            {"month_name", день.месяц},
            {"day", день.дата.число},
            {"name", json_праздника(день)},
            {"start", json_момента(день.начало)},
            {"end", json_момента(день.конец)},
        });
    return список;
}

nlohmann::json памятный_день(const Памятный_день &день) {
    nlohmann::json возвращения = nlohmann::json::array();
    for (const auto &в : день.возвращения) {
        auto объект = прежний_json::день(в.день);
        объект["age"] = в.возраст;
        объект["moved_from"] =
            в.перенесено_с ? nlohmann::json(*в.перенесено_с) : nlohmann::json(nullptr);
        возвращения.push_back(std::move(объект));
    }
    const auto &дата = день.дата.дата;
    return {
        {"birth",
         {{"year_from_creation", дата.лето},
          {"month", дата.месяц},
          {"month_name", день.дата.месяц},
          {"day", дата.число}}},
        {"name", день.имя.empty() ? nlohmann::json(nullptr) : nlohmann::json(день.имя)},
        {"returns", std::move(возвращения)},
    };
}

std::string текст(const nlohmann::json &j) {
    return j.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

} // namespace круголет::прежний_json
