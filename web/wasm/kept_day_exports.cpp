// The days a person keeps, for the page: a kept day's returns as krugolet-cli --birthday --json
// writes them, refused with its messages, and one calendar file for the whole list, whose
// events are those of --birthday --ics.

#include "apps/cli/json_kept_day.h"
#include "apps/cli/json_report.h"
#include "apps/cli/kept_day_view.h"
#include "apps/cli/moment_text.h"
#include "calendar/icalendar.h"
#include "calendar/kept_day_text.h"
#include "krugolet_version.h"
#include "web/wasm/answer.h"
#include "web/wasm/json_text.h"

#include <emscripten/emscripten.h>

#include <array>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

using namespace круголет;

namespace {

// The most kept days one calendar file holds: the page keeps no more in its list.
constexpr std::size_t наибольший_список = 1000;

// The texts as the page hands them; an empty one is an option not given.
Запрос_памятного_дня запрос(std::string_view момент, std::string_view с_лета, std::string_view лет,
                            std::string_view имя, std::string_view вид) {
    const auto если_есть = [](std::string_view текст) {
        return текст.empty() ? std::nullopt : std::optional<std::string>(текст);
    };
    return {.момент = {std::string(момент)},
            .лет = если_есть(лет),
            .с_лета = если_есть(с_лета),
            .имя = если_есть(имя),
            .вид = если_есть(вид)};
}

// The page's clock, "DD.MM.YYYY HH:MM"; a clock outside the range leaves the kept day to name
// its first year.
Момент ныне(std::string_view текст, const Момент &иначе) {
    return момент_из_текста(текст, Промежуток::широкий).value_or(иначе);
}

std::string отказ_json(std::string_view поле, std::string_view сообщение) {
    return "{\"field\":" + json_строка(поле) + ",\"message\":" + json_строка(сообщение) + "}";
}

// The texts of a line, cut at the tabs between them; nothing for any other count.
std::optional<std::array<std::string_view, 5>> поля_строки(std::string_view строка) {
    std::array<std::string_view, 5> поля{};
    for (std::size_t i = 0; i < поля.size(); ++i) {
        const auto таб = строка.find('\t');
        if ((таб == std::string_view::npos) != (i + 1 == поля.size()))
            return std::nullopt;
        поля[i] = строка.substr(0, таб);
        строка.remove_prefix(таб == std::string_view::npos ? строка.size() : таб + 1);
    }
    return поля;
}

} // namespace

extern "C" {

// A kept day: the moment "DD.MM.YYYY HH:MM", the first year and the count of years (empty for
// the old year in force at `now`, the page's clock, and for ten), the name and the kind
// ("рождение", "годовщина", "память"; empty for none). Answers {"kept": krugolet-cli --birthday
// --json, "heading": its line of the moment and old date}, or {"field": "name" or "moment",
// "message"}.
EMSCRIPTEN_KEEPALIVE const char *kept_day(const char *момент, const char *с_лета, const char *лет,
                                          const char *имя, const char *вид, const char *now) {
    const auto з = запрос(момент, с_лета, лет, имя, вид);
    if (const auto отказ = отказ_имени(з.имя))
        return ответить(отказ_json("name", отказ->сообщение));
    const auto день = памятный_день_по_запросу(знания_страницы(), з, ныне(now, {}));
    if (const auto *отказ = std::get_if<Отказ_вида>(&день))
        return ответить(отказ_json("moment", отказ->сообщение));
    const auto &д = std::get<Памятный_день>(день);
    return ответить("{\"kept\":" + текст_json(json_памятного_дня(д)) +
                    ",\"heading\":" + json_строка(строка_памятной_даты(д)) + "}");
}

// The calendar file of a list of kept days: one line for each (ended by a line feed), its
// moment, first year, count of years, name and kind, as kept_day takes them, separated by tabs. The
// file's bytes; NULL when a line is refused or the list is longer than the page keeps.
EMSCRIPTEN_KEEPALIVE const char *kept_days_icalendar(const char *байты, int длина) {
    std::string_view список(байты, длина < 0 ? 0 : static_cast<std::size_t>(длина));
    // The requests stay while the file is written: each day's name points into its own.
    std::deque<Запрос_памятного_дня> запросы;
    std::vector<Памятный_день> дни;
    while (!список.empty()) {
        const auto конец = список.find('\n');
        const auto поля = поля_строки(список.substr(0, конец));
        список.remove_prefix(конец == std::string_view::npos ? список.size() : конец + 1);
        if (!поля || дни.size() == наибольший_список)
            return nullptr;
        const auto &[момент, с_лета, лет, имя, вид] = *поля;
        // Every line names its first year, so no clock is needed.
        запросы.push_back(запрос(момент, с_лета, лет, имя, вид));
        auto день = памятный_день_по_запросу(знания_страницы(), запросы.back(), {});
        if (!std::holds_alternative<Памятный_день>(день))
            return nullptr;
        дни.push_back(std::move(std::get<Памятный_день>(день)));
    }
    return ответить(файл_icalendar_памятных_дней(дни, {KRUGOLET_VERSION, KRUGOLET_RELEASE_STAMP}));
}

} // extern "C"
