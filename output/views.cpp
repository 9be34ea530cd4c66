#include "output/views.h"

#include "calendar/day_text.h"
#include "calendar/icalendar.h"
#include "calendar/input_check.h"
#include "calendar/month_and_weekday_names.h"
#include "calendar/month_page_text.h"
#include "calendar/quantities.h"
#include "calendar/range.h"
#include "calendar/year.h"
#include "calendar/year_holidays.h"
#include "calendar/year_page_text.h"
#include "krugolet_version.h"
#include "output/json_views.h"
#include "runtime/integer_text.h"
#include "runtime/utf8.h"

namespace круголет {
namespace {

// A view's arguments as numbers: a year, a month and a day, as far as the view has them.
using Числа = std::variant<Старая_дата, Отказ_вида>;

const std::string границы_промежутка = "с " + время_и_дата(границы(Промежуток::широкий).начало) +
                                       " до " + время_и_дата(границы(Промежуток::широкий).конец);

const std::string лета_промежутка = "с " + std::to_string(первое_лето) + " по " +
                                    std::to_string(последнее_лето) + " (" + границы_промежутка +
                                    ")";

const std::string годы_промежутка =
    "с " + std::to_string(первый_год) + " по " + std::to_string(последний_год);

Отказ_вида неверно(std::string сообщение) {
    return {std::move(сообщение), Род_отказа::неверный_ввод};
}

// An argument is echoed by its first characters only, since it may be pasted text of any length.
constexpr std::size_t знаков_эха = 40;

// A number that does not fit is told so rather than called no number.
std::string_view что_за_число(std::string_view текст) {
    const auto вне = целое_вне_пределов(текст);
    if (!вне)
        return "не число";
    return вне == Вне_пределов::больше ? "слишком большое число"
                                       : "слишком большое по модулю отрицательное число";
}

Отказ_вида не_число(std::string_view текст) {
    return неверно("Неправильные данные: «" + эхо(текст) + "» — " +
                   std::string(что_за_число(текст)));
}

Отказ_вида нет_месяца(std::string_view текст) {
    return неверно("Нет такого месяца: «" + эхо(текст) +
                   "»; месяц — число от 1 до 9 или название в любом регистре: Рамхат, Айлет, "
                   "Бейлет, Гэйлет, Дайлет, Элет, Вэйлет, Хейлет, Тайлет");
}

// The year, the month and the day, as many as the view takes, in that order.
Числа числа_вида(const Запрос_вида &запрос) {
    const auto &аргументы = запрос.аргументы;
    const auto лето = число_вида(аргументы[0]);
    if (!лето)
        return не_число(аргументы[0]);
    const auto месяц = аргументы.size() > 1 ? месяц_вида(аргументы[1]) : std::optional(1);
    if (!месяц)
        return нет_месяца(аргументы[1]);
    const auto число = аргументы.size() > 2 ? число_вида(аргументы[2]) : std::optional(1);
    if (!число)
        return не_число(аргументы[2]);
    return Старая_дата{*лето, *месяц, *число};
}

// A Gregorian year typed where a year from the Creation belongs is told which years it holds.
Отказ_вида лето_вне_промежутка(int лето) {
    std::string сообщение = "Лето " + std::to_string(лето) +
                            " вне промежутка: берутся лета от Сотворения Мира " + лета_промежутка;
    if (лето >= первый_год && лето <= последний_год)
        сообщение += "; " + std::to_string(лето) + " год приходится на лета " +
                     std::to_string(лето_от_сотворения(лето - год_начала_счета)) + " и " +
                     std::to_string(лето_от_сотворения(лето - год_начала_счета + 1));
    return неверно(std::move(сообщение));
}

Отказ_вида объяснение(const Знания &знания, Отказ причина, const Старая_дата &дата) {
    switch (причина) {
    case Отказ::лето_вне_промежутка:
        return лето_вне_промежутка(дата.лето);
    case Отказ::год_вне_промежутка:
        return неверно("Год " + std::to_string(дата.лето) +
                       " вне промежутка: ГОД — григорианский год " + годы_промежутка +
                       " или лето от Сотворения Мира " + лета_промежутка);
    case Отказ::нет_такого_месяца:
        return неверно("Нет такого месяца: " + std::to_string(дата.месяц));
    case Отказ::нет_такого_числа: {
        std::string сообщение = "Нет такого дня: " + std::to_string(дата.число) + " " +
                                std::string(месяцы[дата.месяц - 1]) + "а " +
                                std::to_string(дата.лето) + " лета";
        const auto страница = страница_месяца(знания, дата.лето, дата.месяц);
        if (const auto *найденная = std::get_if<Страница_месяца>(&страница))
            сообщение += "; в этом месяце числа с 1 по " + std::to_string(найденная->дни.size());
        return неверно(std::move(сообщение));
    }
    case Отказ::нет_записи:
        break;
    }
    return {"Нет записи: в таблицах нет строки, нужной для этого дня", Род_отказа::нет_отчета};
}

std::string заголовок_праздников(int год) {
    if (год >= первое_лето)
        return "Праздники " + std::to_string(год) + " лета:";
    std::string заголовок = "Праздники " + std::to_string(год) + " года";
    if (год == первый_год)
        заголовок +=
            " (расчет ведется с " + время_и_дата(границы(Промежуток::широкий).начало) + ")";
    if (год == последний_год)
        заголовок +=
            " (расчет ведется до " + время_и_дата(границы(Промежуток::широкий).конец) + ")";
    return заголовок + ":";
}

} // namespace

std::string эхо(std::string_view текст) {
    const auto срез = смещение_знака(текст, знаков_эха);
    return std::string(текст.substr(0, срез)) + (срез < текст.size() ? "…" : "");
}

std::optional<std::int32_t> число_вида(std::string_view текст) {
    return поле_в_пределах(текст) ? прочитать_целое(текст) : std::nullopt;
}

std::optional<int> месяц_вида(std::string_view текст) {
    return поле_в_пределах(текст) ? месяц_из_текста(текст) : std::nullopt;
}

std::variant<std::string, Отказ_вида> вывод_вида(const Знания &знания, const Запрос_вида &запрос,
                                                 bool json) {
    const auto числа = числа_вида(запрос);
    if (const auto *ошибка = std::get_if<Отказ_вида>(&числа))
        return *ошибка;
    const auto дата = std::get<Старая_дата>(числа);

    switch (запрос.вид) {
    case Вид::день: {
        const auto день = день_круголета(знания, дата);
        if (const auto *причина = std::get_if<Отказ>(&день))
            return объяснение(знания, *причина, дата);
        const auto &найденный_день = std::get<День_круголета>(день);
        return json ? json_строкой(
                          [&](Запись_json &запись) { записать_json_дня(запись, найденный_день); })
                    : описание_дня(найденный_день);
    }
    case Вид::месяц: {
        const auto страница = страница_месяца(знания, дата.лето, дата.месяц);
        if (const auto *причина = std::get_if<Отказ>(&страница))
            return объяснение(знания, *причина, дата);
        const auto &найденная = std::get<Страница_месяца>(страница);
        return json ? json_строкой(
                          [&](Запись_json &запись) { записать_json_страницы(запись, найденная); })
                    : текст_страницы(найденная);
    }
    case Вид::лето: {
        const auto страница = страница_лета(знания, дата.лето);
        if (const auto *причина = std::get_if<Отказ>(&страница))
            return объяснение(знания, *причина, дата);
        const auto &найденная = std::get<Страница_лета>(страница);
        return json ? json_строкой([&](Запись_json &запись) {
            записать_json_страницы_лета(запись, найденная);
        })
                    : текст_страницы_лета(найденная);
    }
    case Вид::праздники: {
        // A number of the Gregorian years is one of them; any other, a year from the Creation.
        const bool год = дата.лето >= первый_год && дата.лето <= последний_год;
        const auto праздники =
            год ? праздники_года(знания, дата.лето) : праздники_лета(знания, дата.лето);
        if (const auto *причина = std::get_if<Отказ>(&праздники))
            return объяснение(знания,
                              *причина == Отказ::лето_вне_промежутка ? Отказ::год_вне_промежутка
                                                                     : *причина,
                              дата);
        const auto &список = std::get<std::vector<День_круголета>>(праздники);
        return json ? json_строкой(
                          [&](Запись_json &запись) { записать_json_праздников(запись, список); })
                    : список_праздников(заголовок_праздников(дата.лето), список);
    }
    case Вид::icalendar: {
        const auto праздники = праздники_года(знания, дата.лето);
        if (const auto *причина = std::get_if<Отказ>(&праздники)) {
            if (*причина != Отказ::год_вне_промежутка)
                return объяснение(знания, *причина, дата);
            return неверно("Для --ics нужен григорианский год " + годы_промежутка + ", а не " +
                           std::to_string(дата.лето));
        }
        return файл_icalendar(std::get<std::vector<День_круголета>>(праздники),
                              {KRUGOLET_VERSION, KRUGOLET_RELEASE_STAMP});
    }
    }
    return объяснение(знания, Отказ::нет_записи, дата);
}

} // namespace круголет
