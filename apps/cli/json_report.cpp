#include "apps/cli/json_report.h"

#include "calendar/report.h"

#include <array>
#include <charconv>
#include <iterator>
#include <tuple>
#include <type_traits>

namespace круголет {
namespace {

// The report's templates as they stand inside a JSON string, made when the program is
// compiled: the only characters in them that JSON escapes are line feeds, written "\n".

constexpr auto поля_шаблонов = std::tuple{&Шаблоны_отчета::дата,
                                          &Шаблоны_отчета::заголовок,
                                          &Шаблоны_отчета::сотворение,
                                          &Шаблоны_отчета::лето,
                                          &Шаблоны_отчета::день,
                                          &Шаблоны_отчета::время,
                                          &Шаблоны_отчета::характеристика_дня,
                                          &Шаблоны_отчета::характеристика_лета,
                                          &Шаблоны_отчета::покровитель};

template <std::size_t Вставок> constexpr bool без_экранов(const Шаблон<Вставок> &шаблон) {
    for (std::size_t место = 0; место <= Вставок; ++место)
        if (!только_переводы_строк(шаблон.кусок(место)))
            return false;
    return true;
}

static_assert(std::apply([](auto... поле) { return (без_экранов(шаблоны_отчета.*поле) && ...); },
                         поля_шаблонов),
              "the report's templates need no escaping in JSON but of their line feeds");

// The template's text with its placeholders, its line feeds escaped, written from `куда` on
// unless it is null; its size.
template <std::size_t Вставок>
constexpr std::size_t записанный_в_json(const Шаблон<Вставок> &шаблон, char *куда) {
    std::size_t размер = 0;
    const auto записать = [&](char знак) {
        if (куда != nullptr)
            куда[размер] = знак;
        ++размер;
    };
    for (std::size_t место = 0; место <= Вставок; ++место) {
        if (место > 0)
            записать('%');
        for (const char знак : шаблон.кусок(место)) {
            if (знак == '\n')
                записать('\\');
            записать(знак == '\n' ? 'n' : знак);
        }
    }
    return размер;
}

constexpr auto тексты_в_json = [] {
    constexpr std::size_t размер = std::apply(
        [](auto... поле) { return (записанный_в_json(шаблоны_отчета.*поле, nullptr) + ...); },
        поля_шаблонов);
    std::array<char, размер> тексты{};
    std::size_t место = 0;
    std::apply(
        [&](auto... поле) {
            ((место += записанный_в_json(шаблоны_отчета.*поле, тексты.data() + место)), ...);
        },
        поля_шаблонов);
    return тексты;
}();

// The next template of тексты_в_json, which begins at `место`.
template <std::size_t Вставок>
consteval Шаблон<Вставок> следующий_в_json(const Шаблон<Вставок> &шаблон, std::size_t &место) {
    const std::size_t размер = записанный_в_json(шаблон, nullptr);
    const std::string_view текст(тексты_в_json.data() + место, размер);
    место += размер;
    return Шаблон<Вставок>(текст);
}

consteval Шаблоны_отчета шаблоны_из_текстов_в_json() {
    std::size_t место = 0;
    const auto &ш = шаблоны_отчета;
    return {следующий_в_json(ш.дата, место),
            следующий_в_json(ш.заголовок, место),
            следующий_в_json(ш.сотворение, место),
            следующий_в_json(ш.лето, место),
            следующий_в_json(ш.день, место),
            следующий_в_json(ш.время, место),
            следующий_в_json(ш.характеристика_дня, место),
            следующий_в_json(ш.характеристика_лета, место),
            следующий_в_json(ш.покровитель, место)};
}

constexpr Шаблоны_отчета шаблоны_в_json = шаблоны_из_текстов_в_json();

// The report written into the JSON string as it is composed: the templates' escaped texts, the
// values' texts copied from where the object already holds them escaped (the report comes after
// most of them) or escaped now, the numbers as their digits.
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
        шаблоны_в_json);
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
