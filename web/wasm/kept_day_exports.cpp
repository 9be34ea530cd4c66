// The days a person keeps, for the page: each kept day's coming returns as krugolet-cli
// --birthday --json writes them, refused with its messages, and one calendar file for the whole
// list, whose events are those of --birthday --ics. A list comes in one call, so that the page
// pays for crossing into the module once, not once per day.

#include "calendar/day_text.h"
#include "calendar/icalendar.h"
#include "calendar/input_check.h"
#include "calendar/kept_day_text.h"
#include "calendar/moment_text.h"
#include "krugolet_version.h"
#include "output/json_kept_day.h"
#include "output/kept_day_view.h"
#include "runtime/integer_text.h"
#include "web/wasm/answer.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <array>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <variant>
#include <vector>

using namespace круголет;

namespace {

// The page keeps no more days in its list.
constexpr std::size_t наибольший_список = 1000;

using Итог = std::variant<Памятный_день, Отказ_вида>;

bool раньше(const Момент &этот, const Момент &тот) {
    return std::tie(этот.год, этот.месяц, этот.день, этот.час, этот.минута) <
           std::tie(тот.год, тот.месяц, тот.день, тот.час, тот.минута);
}

// The texts of a line cut at its three tabs; nothing for any other count.
std::optional<std::array<std::string_view, 4>> поля_строки(std::string_view строка) {
    std::array<std::string_view, 4> поля{};
    for (std::size_t i = 0; i < поля.size(); ++i) {
        const auto таб = строка.find('\t');
        if ((таб == std::string_view::npos) != (i + 1 == поля.size()))
            return std::nullopt;
        поля[i] = строка.substr(0, таб);
        строка.remove_prefix(таб == std::string_view::npos ? строка.size() : таб + 1);
    }
    return поля;
}

// A day of the list is a line: its moment "DD.MM.YYYY HH:MM", the count of returns, the name and
// the kind, as krugolet-cli --birthday takes them (an empty one being an option not given),
// separated by tabs and ended by a line feed. The days of such lines; nothing for a list of any
// other form or longer than the page keeps.
std::optional<std::deque<Запрос_памятного_дня>> запросы(std::string_view список) {
    std::deque<Запрос_памятного_дня> итог;
    const auto если_есть = [](std::string_view текст) {
        return текст.empty() ? std::nullopt : std::optional<std::string>(текст);
    };
    while (!список.empty()) {
        const auto конец = список.find('\n');
        const auto поля = поля_строки(список.substr(0, конец));
        if (!поля || конец == std::string_view::npos || итог.size() == наибольший_список)
            return std::nullopt;
        список.remove_prefix(конец + 1);
        const auto &[момент, лет, имя, вид] = *поля;
        итог.push_back({.момент = {std::string(момент)},
                        .лет = если_есть(лет),
                        .с_лета = std::nullopt,
                        .имя = если_есть(имя),
                        .вид = если_есть(вид)});
    }
    return итог;
}

// The returns from the first that has not ended at `сейчас` on: the one of the old year in force
// then (or of the kept day's own year, when that comes later), else of the year after; fewer
// where the range ends, none after it.
Итог ближайшие(const Запрос_памятного_дня &запрос, const Момент &сейчас) {
    const auto просили = запрос.лет ? прочитать_целое(*запрос.лет)
                                    : std::optional<std::int32_t>(возвращений_по_умолчанию);
    // A count out of bounds is refused as krugolet-cli refuses it.
    if (!просили || *просили < 1 || *просили > наибольшее_число_возвращений)
        return памятный_день_по_запросу(знания_страницы(), запрос, сейчас);
    // The request with the years set; the day's name is made to point into the one asked,
    // which outlives the copy.
    const auto спросить = [&](std::optional<std::string> с_лета, int лет) {
        auto копия = запрос;
        копия.с_лета = std::move(с_лета);
        копия.лет = std::to_string(лет);
        auto итог = памятный_день_по_запросу(знания_страницы(), копия, сейчас);
        if (auto *день = std::get_if<Памятный_день>(&итог))
            день->имя = запрос.имя ? std::string_view(*запрос.имя) : std::string_view();
        return итог;
    };
    auto первый = спросить(std::nullopt, 1);
    auto *памятный = std::get_if<Памятный_день>(&первый);
    if (!памятный)
        return первый;
    const auto &первое = памятный->возвращения.front();
    const int его_лето = первое.день.дата.лето;
    const int с_лета = его_лето + (раньше(сейчас, первое.день.конец) ? 0 : 1);
    const int лет = std::min(*просили, последнее_лето - с_лета + 1);
    // The list asks for one return, most often the one already at hand.
    if (лет == 1 && с_лета == его_лето)
        return первый;
    if (лет < 1) {
        памятный->возвращения.clear();
        return первый;
    }
    return спросить(std::to_string(с_лета), лет);
}

// The page's words for a device clock outside the range, where krugolet-cli points at its
// system clock and --from: the page has neither, and the day typed is not at fault.
std::string часы_вне_промежутка() {
    return "Часы устройства показывают время вне промежутка расчета (" +
           промежуток_текстом(Промежуток::широкий) +
           "): ближайшие возвращения не определить. Проверьте дату и время на устройстве.";
}

void записать_ошибку(Запись_json &запись, std::string_view поле, std::string_view сообщение) {
    запись.начать_объект();
    запись.ключ("error");
    запись.начать_объект();
    запись.поле("field", поле);
    запись.поле("title", текст_ошибки_ввода);
    запись.поле("message", сообщение);
    запись.кончить_объект();
    запись.кончить_объект();
}

// One day's answer: its coming returns, or the field refused with krugolet-cli's message;
// "clock" as the field at fault names none of the form's.
void записать_ответ(Запись_json &запись, const Запрос_памятного_дня &запрос,
                    const std::optional<Момент> &сейчас) {
    if (!сейчас)
        return записать_ошибку(запись, "clock", часы_вне_промежутка());
    if (const auto отказ = отказ_имени(запрос.имя))
        return записать_ошибку(запись, "name", отказ->сообщение);
    const auto день = ближайшие(запрос, *сейчас);
    if (const auto *отказ = std::get_if<Отказ_вида>(&день))
        return записать_ошибку(запись, "moment", отказ->сообщение);
    const auto &памятный = std::get<Памятный_день>(день);
    // "kept" before "heading": the order this answer has always had.
    запись.начать_объект();
    запись.ключ("value");
    запись.начать_объект();
    запись.ключ("kept");
    записать_json_памятного_дня(запись, памятный);
    запись.поле("heading", строка_памятной_даты(памятный));
    запись.кончить_объект();
    запись.кончить_объект();
}

// A list the page wrote in another form than `запросы` reads: a fault of the page, not of what
// the user typed.
std::string список_не_читается() {
    return json_ошибки("", текст_ошибки_ввода, "Список памятных дней не читается.");
}

std::string_view байты(const char *начало, int длина) {
    return {начало, длина < 0 ? 0 : static_cast<std::size_t>(длина)};
}

// The page's clock, "DD.MM.YYYY HH:MM"; nothing outside the range, where no kept day has the
// year it is in.
std::optional<Момент> ныне(const char *текст) {
    return момент_из_текста(текст, Промежуток::широкий);
}

} // namespace

extern "C" {

// The most characters a name may have (наибольшая_длина_имени): the page cuts a longer one after
// one character more, so that it reaches the core only to be refused.
EMSCRIPTEN_KEEPALIVE int name_limit() {
    return static_cast<int>(наибольшая_длина_имени);
}

// Kept days, one line each as `запросы` reads them, and the page's clock. Answers a list with,
// for each day in turn, an answer of its own: {"kept": krugolet-cli --birthday --json of its
// coming returns, "heading": its line of the moment and old date}, or the field "name" or
// "moment" refused.
EMSCRIPTEN_KEEPALIVE const char *kept_days(const char *список, int длина, const char *now) {
    const auto все = запросы(байты(список, длина));
    if (!все)
        return ответить(список_не_читается());
    const auto сейчас = ныне(now);
    return ответить_значением([&](Запись_json &запись) {
        запись.начать_список();
        for (const auto &запрос : *все)
            записать_ответ(запись, запрос, сейчас);
        запись.кончить_список();
    });
}

// The calendar file of the same days' coming returns, as --birthday --ics writes each: its text;
// or the first day refused, as kept_days refuses it.
EMSCRIPTEN_KEEPALIVE const char *kept_days_icalendar(const char *список, int длина,
                                                     const char *now) {
    // The requests stay while the file is written: each day's name points into its own.
    const auto все = запросы(байты(список, длина));
    if (!все)
        return ответить(список_не_читается());
    const auto сейчас = ныне(now);
    const auto отказать = [&](const Запрос_памятного_дня &запрос) {
        return ответить_json([&](Запись_json &запись) { записать_ответ(запись, запрос, сейчас); });
    };
    std::vector<Памятный_день> дни;
    for (const auto &запрос : *все) {
        if (!сейчас || отказ_имени(запрос.имя))
            return отказать(запрос);
        auto день = ближайшие(запрос, *сейчас);
        if (!std::holds_alternative<Памятный_день>(день))
            return отказать(запрос);
        дни.push_back(std::move(std::get<Памятный_день>(день)));
    }
    const auto файл = файл_icalendar_памятных_дней(дни, {KRUGOLET_VERSION, KRUGOLET_RELEASE_STAMP});
    return ответить_значением([&](Запись_json &запись) { запись.строка(файл); });
}

} // extern "C"
