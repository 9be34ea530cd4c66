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
void записать_отчет(Запись_json &запись, const Значения_момента &значения, const Момент &момент,
                    Память_json &память) {
    auto строка = запись.начать_строку(&память);
    раздать_отчет(
        значения, момент, &строка,
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

void записать_григорианский(Запись_json &запись, const Момент &момент) {
    запись.начать_объект();
    запись.поле("day", момент.день);
    запись.поле("hour", момент.час);
    запись.поле("minute", момент.минута);
    запись.поле("month", момент.месяц);
    запись.поле("year", момент.год);
    запись.кончить_объект();
}

} // namespace

void записать_json_значений(Запись_json &запись, const Значения_момента &значения,
                            const Момент &момент, Память_json &память) {
    запись.начать_объект();
    запись.поле("circle_of_life", значения.круг_жизни);
    запись.поле("day_of_month", значения.число);
    запись.поле("day_of_quarter_text", значения.день_четверти, память);
    запись.ключ("god_text");
    auto бог = запись.начать_строку(&память);
    бог.дописать(значения.бог);
    бог.дописать(значения.продолжение_бога);
    бог.закрыть();
    запись.ключ("gregorian");
    записать_григорианский(запись, момент);
    запись.поле("hall", значения.чертог, память);
    запись.поле("hall_description", значения.описание_чертога, память);
    запись.поле("holiday", значения.праздник, память);
    запись.поле("hour", значения.часы);
    запись.поле("hour_word", значения.слово_часов, память);
    запись.поле("month", значения.месяц, память);
    запись.поле("month_meaning", значения.значение_месяца, память);
    запись.поле("part", значения.части);
    запись.поле("part_word", значения.слово_частей, память);
    запись.поле("quarter_text", значения.четверть, память);
    запись.ключ("report");
    записать_отчет(запись, значения, момент, память);
    запись.поле("weekday", значения.день_недели, память);
    запись.поле("year_characteristic", значения.характеристика_лета, память);
    запись.поле("year_from_creation", значения.лето_от_сотворения);
    запись.поле("year_name", значения.название_лета, память);
    запись.поле("year_of_circle_of_life", значения.лето_в_круге_жизни);
    запись.поле("year_of_circle_of_years", значения.лето_в_круге_лет);
    запись.кончить_объект();
}

} // namespace круголет
