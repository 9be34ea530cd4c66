#include "apps/cli/json_report.h"

#include "calendar/report.h"

namespace круголет {

nlohmann::json json_значений(const Значения_момента &р, const Момент &м) {
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

std::string текст_json(const nlohmann::json &j) {
    return j.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

} // namespace круголет
