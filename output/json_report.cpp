#include "output/json_report.h"

#include "calendar/report.h"
#include "output/report_templates_json.h"

#include <charconv>
#include <iterator>
#include <type_traits>

namespace круголет {
namespace {

// The report written into the JSON string as it is composed: the templates' escaped texts, the
// values' texts copied from the memory that keeps them escaped (the object has written most of
// them before the report, a batch the lines before it) or escaped now, the numbers as their
// digits.
void записать_отчет(Запись_json &запись, const Значения_момента &р, const Момент &м,
                    Память_json &память) {
    auto строка = запись.начать_строку(&память);
    раздать_отчет(
        р, м, &строка,
        [](Строка_json *строка, const auto &кусок) {
            using Кусок = std::remove_cvref_t<decltype(кусок)>;
            if constexpr (std::is_same_v<Кусок, Кусок_шаблона>) {
                строка->дописать_готовое(кусок.текст);
            } else if constexpr (std::is_integral_v<Кусок>) {
                char цифры[наибольшее_число_знаков];
                const char *конец = std::to_chars(std::begin(цифры), std::end(цифры), кусок).ptr;
                строка->дописать_готовое({цифры, static_cast<std::size_t>(конец - цифры)});
            } else {
                строка->дописать(кусок);
            }
            return строка;
        },
        шаблоны_отчета_в_json());
    строка.закрыть();
}

void записать_григорианский(Запись_json &запись, const Момент &м) {
    запись.начать_объект();
    запись.поле("day", м.день);
    запись.поле("hour", м.час);
    запись.поле("minute", м.минута);
    запись.поле("month", м.месяц);
    запись.поле("year", м.год);
    запись.кончить_объект();
}

} // namespace

void записать_json_значений(Запись_json &запись, const Значения_момента &р, const Момент &м,
                            Память_json &память) {
    запись.начать_объект();
    запись.поле("circle_of_life", р.круг_жизни);
    запись.поле("day_of_month", р.число);
    запись.поле("day_of_quarter_text", р.день_четверти, память);
    запись.ключ("god_text");
    auto бог = запись.начать_строку(&память);
    бог.дописать(р.бог);
    бог.дописать(р.продолжение_бога);
    бог.закрыть();
    запись.ключ("gregorian");
    записать_григорианский(запись, м);
    запись.поле("hall", р.чертог, память);
    запись.поле("hall_description", р.описание_чертога, память);
    запись.поле("holiday", р.праздник, память);
    запись.поле("hour", р.часы);
    запись.поле("hour_word", р.слово_часов, память);
    запись.поле("month", р.месяц, память);
    запись.поле("month_meaning", р.значение_месяца, память);
    запись.поле("part", р.части);
    запись.поле("part_word", р.слово_частей, память);
    запись.поле("quarter_text", р.четверть, память);
    запись.ключ("report");
    записать_отчет(запись, р, м, память);
    запись.поле("weekday", р.день_недели, память);
    запись.поле("year_characteristic", р.характеристика_лета, память);
    запись.поле("year_from_creation", р.лето_от_сотворения);
    запись.поле("year_name", р.название_лета, память);
    запись.поле("year_of_circle_of_life", р.лето_в_круге_жизни);
    запись.поле("year_of_circle_of_years", р.лето_в_круге_лет);
    запись.кончить_объект();
}

} // namespace круголет
