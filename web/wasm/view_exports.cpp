// The calendar's views for the page: a month, an old day, the holidays of a Gregorian year and
// their calendar file. The objects are the ones krugolet-cli writes with --json, the calendar
// file is its --ics, and a refused day or month gets its words, so that the page and the
// command line never say different things.

#include "calendar/day_text.h"
#include "calendar/icalendar.h"
#include "calendar/input_check.h"
#include "calendar/month_and_weekday_names.h"
#include "calendar/range.h"
#include "calendar/year_holidays.h"
#include "calendar/year_page.h"
#include "krugolet_version.h"
#include "output/json_views.h"
#include "output/views.h"
#include "runtime/format.h"
#include "runtime/integer_text.h"
#include "runtime/json_writer.h"
#include "web/wasm/answer.h"
#include "web/wasm/json_text.h"

#include <emscripten/emscripten.h>

#include <string>
#include <variant>

using namespace круголет;

namespace {

// The page's field that a refusal points at: "year", "month" or "day".
using Поле = std::string_view;

// A refused view says what krugolet-cli says; its title is the one every refused field has.
std::string json_отказа(Поле поле, std::string_view сообщение) {
    return json_ошибки(поле, текст_ошибки_ввода, сообщение);
}

// The year, the month and the day as krugolet-cli reads its arguments, or the field it stops at.
std::variant<Старая_дата, Поле> прочитать(const Запрос_вида &запрос) {
    const auto &аргументы = запрос.аргументы;
    const auto лето = число_вида(аргументы[0]);
    if (!лето)
        return Поле{"year"};
    const auto месяц = месяц_вида(аргументы[1]);
    if (!месяц)
        return Поле{"month"};
    const auto число = аргументы.size() > 2 ? число_вида(аргументы[2]) : std::optional(1);
    if (!число)
        return Поле{"day"};
    return Старая_дата{*лето, *месяц, *число};
}

Поле поле_отказа(Отказ отказ) {
    switch (отказ) {
    case Отказ::лето_вне_промежутка:
    case Отказ::год_вне_промежутка:
        return "year";
    case Отказ::нет_такого_месяца:
        return "month";
    case Отказ::нет_такого_числа:
        return "day";
    case Отказ::нет_записи:
        break;
    }
    return "";
}

// krugolet-cli's message for the same arguments, with the field the page marks.
const char *отказать(Поле поле, const Запрос_вида &запрос) {
    const auto вывод = вывод_вида(знания_страницы(), запрос, true);
    const auto *отказ = std::get_if<Отказ_вида>(&вывод);
    return ответить(json_отказа(поле, отказ ? std::string_view(отказ->сообщение) : ""));
}

// A holiday list's heading, which at the ends of the range says where it begins or ends.
std::string заголовок_праздников(int год) {
    const auto [начало, конец] = границы(Промежуток::широкий);
    std::string заголовок = форматировать("Праздники % года", {std::int64_t{год}});
    if (год == первый_год)
        заголовок += " (расчет ведется с " + время_и_дата(начало) + ")";
    if (год == последний_год)
        заголовок += " (расчет ведется до " + время_и_дата(конец) + ")";
    return заголовок;
}

// The holidays of a Gregorian year typed in the field, or nothing when the year is not one of
// the range's.
std::optional<std::vector<День_круголета>> праздники(const char *год) {
    const auto номер = число_вида(год);
    if (!номер || *номер < первый_год || *номер > последний_год)
        return std::nullopt;
    auto список = праздники_года(знания_страницы(), *номер);
    if (auto *дни = std::get_if<std::vector<День_круголета>>(&список))
        return std::move(*дни);
    return std::nullopt;
}

// The first and the last of the range's years under `ключ`, as a list of two.
void записать_пару(Запись_json &запись, std::string_view ключ, int первый, int последний) {
    запись.ключ(ключ);
    запись.начать_список();
    запись.число(первый);
    запись.число(последний);
    запись.кончить_список();
}

// The refusal of a Gregorian year outside the range.
std::string отказ_года() {
    return json_отказа("year",
                       форматировать("Год: целое число от % до %.",
                                     {std::int64_t{первый_год}, std::int64_t{последний_год}}));
}

} // namespace

extern "C" {

// The names the page's fields and grid show: {"months": [...], "weekdays": [...],
// "short_weekdays": [...]}, each in the calendar's order.
EMSCRIPTEN_KEEPALIVE const char *calendar_names() {
    return ответить_значением([](Запись_json &запись) {
        const auto список = [&](const char *ключ, const auto &имена) {
            запись.ключ(ключ);
            запись.начать_список();
            for (const auto имя : имена)
                запись.строка(имя);
            запись.кончить_список();
        };
        запись.начать_объект();
        список("months", месяцы);
        список("weekdays", дни_недели);
        список("short_weekdays", краткие_дни_недели);
        запись.кончить_объект();
    });
}

// The range the page computes in, for the texts and the calendar pickers that name it:
// {"text": "с ДД.ММ.ГГГГ ЧЧ:ММ до ДД.ММ.ГГГГ ЧЧ:ММ", "first": its first minute, "last": its
// last, both as a picker takes them, "years": the first and last Gregorian year,
// "years_from_creation": the first and last old year}.
EMSCRIPTEN_KEEPALIVE const char *calendar_range() {
    const auto промежуток = границы(Промежуток::широкий);
    const auto &конец = промежуток.конец;
    // The range ends at the start of a day, 19:00, so its last minute is 18:59 of that date.
    const Момент последний{конец.день, конец.месяц, конец.год, час_начала_дня - 1, 59};
    return ответить_значением([&](Запись_json &запись) {
        запись.начать_объект();
        запись.поле("first", json_момента(промежуток.начало));
        запись.поле("last", json_момента(последний));
        запись.поле("text", промежуток_текстом(Промежуток::широкий));
        записать_пару(запись, "years", первый_год, последний_год);
        записать_пару(запись, "years_from_creation", первое_лето, последнее_лето);
        запись.кончить_объект();
    });
}

// The month page of a year from the Creation and a month (its number or name): krugolet-cli
// --month --json, or the field refused with its message.
EMSCRIPTEN_KEEPALIVE const char *month_page(const char *лето, const char *месяц) {
    const Запрос_вида запрос{Вид::месяц, {лето, месяц}};
    const auto дата = прочитать(запрос);
    if (const auto *поле = std::get_if<Поле>(&дата))
        return отказать(*поле, запрос);
    const auto &старая = std::get<Старая_дата>(дата);
    const auto страница = страница_месяца(знания_страницы(), старая.лето, старая.месяц);
    if (const auto *отказ = std::get_if<Отказ>(&страница))
        return отказать(поле_отказа(*отказ), запрос);
    return ответить_значением([&](Запись_json &запись) {
        записать_json_страницы(запись, std::get<Страница_месяца>(страница));
    });
}

// A whole year from the Creation: krugolet-cli --year --json, or the year refused.
EMSCRIPTEN_KEEPALIVE const char *year_page(const char *лето) {
    const Запрос_вида запрос{Вид::лето, {лето}};
    const auto номер = число_вида(лето);
    if (!номер)
        return отказать("year", запрос);
    const auto страница = страница_лета(знания_страницы(), *номер);
    if (const auto *отказ = std::get_if<Отказ>(&страница))
        return отказать(поле_отказа(*отказ), запрос);
    return ответить_значением([&](Запись_json &запись) {
        записать_json_страницы_лета(запись, std::get<Страница_лета>(страница));
    });
}

// An old day: krugolet-cli --old --json with its hall under "hall", or the field refused.
EMSCRIPTEN_KEEPALIVE const char *old_day(const char *лето, const char *месяц, const char *число) {
    const Запрос_вида запрос{Вид::день, {лето, месяц, число}};
    const auto дата = прочитать(запрос);
    if (const auto *поле = std::get_if<Поле>(&дата))
        return отказать(*поле, запрос);
    const auto день = день_круголета(знания_страницы(), std::get<Старая_дата>(дата));
    if (const auto *отказ = std::get_if<Отказ>(&день))
        return отказать(поле_отказа(*отказ), запрос);
    return ответить_значением([&](Запись_json &запись) {
        записать_json_дня(запись, std::get<День_круголета>(день), true);
    });
}

// The holidays whose day begins in a Gregorian year: {"heading", "holidays": krugolet-cli
// --holidays --json, "years": the first and last year there are}, or the year refused.
EMSCRIPTEN_KEEPALIVE const char *year_holidays(const char *год) {
    const auto список = праздники(год);
    if (!список)
        return ответить(отказ_года());
    return ответить_значением([&](Запись_json &запись) {
        запись.начать_объект();
        запись.поле("heading", заголовок_праздников(*число_вида(год)));
        запись.ключ("holidays");
        записать_json_праздников(запись, *список);
        записать_пару(запись, "years", первый_год, последний_год);
        запись.кончить_объект();
    });
}

// The same holidays as an iCalendar file, its text byte for byte krugolet-cli's --ics; or the
// year refused as year_holidays refuses it.
EMSCRIPTEN_KEEPALIVE const char *year_icalendar(const char *год) {
    const auto список = праздники(год);
    if (!список)
        return ответить(отказ_года());
    return ответить(json_значения(
        json_строка(файл_icalendar(*список, {KRUGOLET_VERSION, KRUGOLET_RELEASE_STAMP}))));
}

// The months around a month of a year from the Creation that a month page leads to: the same
// month a year before and after, the month before and after, each {"year_from_creation",
// "month", "month_name"} or null outside the range, under "previous_year", "previous", "next"
// and "next_year"; or the field refused as month_page refuses it.
EMSCRIPTEN_KEEPALIVE const char *month_neighbours(const char *лето, const char *месяц) {
    const Запрос_вида запрос{Вид::месяц, {лето, месяц}};
    const auto дата = прочитать(запрос);
    if (const auto *поле = std::get_if<Поле>(&дата))
        return отказать(*поле, запрос);
    const auto &д = std::get<Старая_дата>(дата);
    if (!месяц_через({д.лето, д.месяц}, 0))
        return отказать("year", запрос);
    const auto сосед = [&](Запись_json &запись, const char *ключ, int сдвиг) {
        запись.ключ(ключ);
        const auto м = месяц_через({д.лето, д.месяц}, сдвиг);
        if (!м) {
            запись.число_или_null(std::nullopt);
            return;
        }
        запись.начать_объект();
        запись.поле("month", м->месяц);
        запись.поле("month_name", месяцы[м->месяц - 1]);
        запись.поле("year_from_creation", м->лето);
        запись.кончить_объект();
    };
    return ответить_значением([&](Запись_json &запись) {
        запись.начать_объект();
        сосед(запись, "next", 1);
        сосед(запись, "next_year", 9);
        сосед(запись, "previous", -1);
        сосед(запись, "previous_year", -9);
        запись.кончить_объект();
    });
}

} // extern "C"
