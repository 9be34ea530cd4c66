#include "apps/cli/arguments.h"

#include "calendar/moment_text.h"

#include <algorithm>

namespace круголет {

namespace {

// Options that only switch something on.
struct Флаг {
    std::string_view имя;
    bool Параметры::*поле;
};

constexpr Флаг флаги[] = {
    {"--help", &Параметры::справка},     {"-h", &Параметры::справка},
    {"--version", &Параметры::версия},   {"--json", &Параметры::json},
    {"--extended", &Параметры::широкий},
};

// Options that take a value, as the next argument or after "=" in the same one; a missing
// value and an empty one are the same mistake.
struct Параметр_со_значением {
    std::string_view имя;
    std::optional<std::string> Параметры::*поле;
    std::string_view нет_значения;
};

constexpr Параметр_со_значением со_значением[] = {
    {"--library", &Параметры::библиотека, "нет имени файла"},
    {"--years", &Параметры::лет, "нет числа"},
    {"--from", &Параметры::с_лета, "нет лета"},
    {"--name", &Параметры::имя, "нет имени"},
    {"--kind", &Параметры::вид_памятного, "нет вида"},
};

// After it every argument is a field of the moment, even one that begins with "-".
constexpr std::string_view конец_параметров = "--";

bool похоже_на_параметр(std::string_view аргумент) {
    return аргумент.size() > 1 && аргумент.starts_with('-');
}

// Takes the option at i into the parameters, and its value with it (moving i past a value
// given as the next argument); what was wrong when it cannot.
std::optional<Ошибка_аргументов> взять_параметр(std::span<const std::string_view> аргументы,
                                                std::size_t &i, Параметры &параметры) {
    const std::string_view аргумент = аргументы[i];
    if (const auto *флаг = std::ranges::find(флаги, аргумент, &Флаг::имя);
        флаг != std::end(флаги)) {
        параметры.*флаг->поле = true;
        return std::nullopt;
    }
    const auto равно = аргумент.find('=');
    const std::string_view имя = аргумент.substr(0, равно);
    const auto *параметр = std::ranges::find(со_значением, имя, &Параметр_со_значением::имя);
    if (параметр == std::end(со_значением))
        return Ошибка_аргументов{"неизвестный параметр: " + std::string(аргумент)};
    std::string_view значение;
    if (равно != std::string_view::npos)
        значение = аргумент.substr(равно + 1);
    else if (i + 1 < аргументы.size())
        значение = аргументы[++i];
    if (значение.empty())
        return Ошибка_аргументов{"у " + std::string(имя) + " " +
                                 std::string(параметр->нет_значения)};
    параметры.*параметр->поле = std::string(значение);
    return std::nullopt;
}

struct Параметр_вида {
    std::string_view имя;
    Вид вид;
    std::string_view аргументы;
    std::size_t число_аргументов;
};

constexpr Параметр_вида виды[] = {
    {"--old", Вид::день, "ЛЕТО МЕСЯЦ ЧИСЛО", 3},
    {"--month", Вид::месяц, "ЛЕТО МЕСЯЦ", 2},
    {"--year", Вид::лето, "ЛЕТО", 1},
    {"--holidays", Вид::праздники, "ГОД", 1},
    {"--ics", Вид::icalendar, "ГОД", 1},
};

const Параметр_вида *параметр_вида(std::string_view аргумент) {
    const auto *вид = std::ranges::find(виды, аргумент, &Параметр_вида::имя);
    return вид == std::end(виды) ? nullptr : вид;
}

std::string имя_вида(Вид вид) {
    return std::string(std::ranges::find(виды, вид, &Параметр_вида::вид)->имя);
}

// "--year ЛЕТО": the view as it was given, which tells a lone --ics from --ics ГОД.
std::string вид_с_аргументами(Вид вид) {
    const auto &параметр = *std::ranges::find(виды, вид, &Параметр_вида::вид);
    return std::string(параметр.имя) + " " + std::string(параметр.аргументы);
}

// "--old, --month, ...": every view, for the message that only one is taken.
std::string имена_видов() {
    std::string имена;
    for (const auto &вид : виды)
        имена += (имена.empty() ? "" : ", ") + std::string(вид.имя);
    return имена;
}

// Takes the view at i and its arguments, whatever they look like (moving i past them).
std::optional<Ошибка_аргументов> взять_вид(std::span<const std::string_view> аргументы,
                                           std::size_t &i, const Параметр_вида &вид,
                                           Параметры &параметры) {
    if (параметры.вид)
        return Ошибка_аргументов{"можно задать только один из " + имена_видов()};
    if (аргументы.size() - i - 1 < вид.число_аргументов)
        return Ошибка_аргументов{std::string(вид.имя) +
                                 " ждет аргументы: " + std::string(вид.аргументы)};
    параметры.вид = Запрос_вида{вид.вид, {}};
    for (std::size_t k = 0; k < вид.число_аргументов; ++k)
        параметры.вид->аргументы.emplace_back(аргументы[++i]);
    return std::nullopt;
}

// A view stands instead of a moment; the calendar file is no JSON.
std::optional<Ошибка_аргументов> проверить_вид(const Параметры &параметры) {
    if (!параметры.момент.empty())
        return Ошибка_аргументов{"с " + имя_вида(параметры.вид->вид) +
                                 " момент не задается: " + параметры.момент.front()};
    if (параметры.вид->вид == Вид::icalendar && параметры.json)
        return Ошибка_аргументов{"--ics пишет файл iCalendar, --json к нему не относится"};
    return std::nullopt;
}

constexpr std::string_view памятный_день = "--birthday";

// Takes the kept day's moment after --birthday (moving i past it): one argument with a blank
// in it, or the date and the time as two.
std::optional<Ошибка_аргументов> взять_памятный_момент(std::span<const std::string_view> аргументы,
                                                       std::size_t &i, Параметры &параметры) {
    const auto нет_момента =
        Ошибка_аргументов{std::string(памятный_день) + " ждет аргументы: ДД.ММ.ГГГГ ЧЧ:ММ"};
    if (i + 1 >= аргументы.size())
        return нет_момента;
    параметры.памятный_момент = std::vector<std::string>{std::string(аргументы[++i])};
    if (параметры.памятный_момент->front().find_first_of(пробельные_знаки) != std::string::npos)
        return std::nullopt;
    if (i + 1 >= аргументы.size() || аргументы[i + 1].starts_with("--"))
        return нет_момента;
    параметры.памятный_момент->emplace_back(аргументы[++i]);
    return std::nullopt;
}

// --ics without a year to follow it asks for the kept day's file.
bool icalendar_без_года(std::span<const std::string_view> аргументы, std::size_t i) {
    return аргументы[i] == "--ics" &&
           (i + 1 == аргументы.size() || аргументы[i + 1].starts_with("--"));
}

// The kept day stands alone, with options of its own that nothing else takes.
std::optional<Ошибка_аргументов> проверить_памятный_день(const Параметры &параметры) {
    const bool свои = параметры.лет || параметры.с_лета || параметры.имя || параметры.вид_памятного;
    if (!параметры.памятный_момент) {
        if (параметры.icalendar_памятного)
            return Ошибка_аргументов{"--ics ждет аргументы: ГОД"};
        if (свои)
            return Ошибка_аргументов{"--years, --from, --name и --kind задаются только с " +
                                     std::string(памятный_день)};
        return std::nullopt;
    }
    if (параметры.вид)
        return Ошибка_аргументов{"с " + std::string(памятный_день) + " не задается " +
                                 вид_с_аргументами(параметры.вид->вид)};
    if (!параметры.момент.empty())
        return Ошибка_аргументов{"лишний аргумент: " + параметры.момент.front()};
    if (параметры.icalendar_памятного && параметры.json)
        return Ошибка_аргументов{"--ics пишет файл iCalendar, --json к нему не относится"};
    return std::nullopt;
}

// The moment's arguments once they are all collected: one argument holds the date and the time
// together, "-" asks for lines of standard input and wants --json.
std::optional<Ошибка_аргументов> проверить_момент(const Параметры &параметры) {
    if (параметры.момент.size() != 1)
        return std::nullopt;
    const std::string &один = параметры.момент[0];
    if (один == "-")
        return параметры.json
                   ? std::nullopt
                   : std::optional(Ошибка_аргументов{"\"-\" читает моменты только с --json"});
    if (один.find_first_of(пробельные_знаки) == std::string::npos)
        return Ошибка_аргументов{"не хватает времени: ожидается ДД.ММ.ГГГГ ЧЧ:ММ"};
    return std::nullopt;
}

} // namespace

std::variant<Параметры, Ошибка_аргументов>
параметры_из_аргументов(std::span<const std::string_view> аргументы) {
    Параметры параметры;
    bool параметры_кончились = false;
    for (std::size_t i = 0; i < аргументы.size(); ++i) {
        const std::string_view аргумент = аргументы[i];
        if (!параметры_кончились && аргумент == конец_параметров) {
            параметры_кончились = true;
        } else if (параметры_кончились || !похоже_на_параметр(аргумент)) {
            if (параметры.момент.size() == 2)
                return Ошибка_аргументов{"лишний аргумент: " + std::string(аргумент)};
            параметры.момент.emplace_back(аргумент);
        } else if (аргумент == памятный_день) {
            if (auto ошибка = взять_памятный_момент(аргументы, i, параметры))
                return *ошибка;
        } else if (icalendar_без_года(аргументы, i)) {
            параметры.icalendar_памятного = true;
        } else if (const auto *вид = параметр_вида(аргумент)) {
            if (auto ошибка = взять_вид(аргументы, i, *вид, параметры))
                return *ошибка;
        } else if (auto ошибка = взять_параметр(аргументы, i, параметры)) {
            return *ошибка;
        }
    }
    if (параметры.справка || параметры.версия)
        return параметры;
    if (auto ошибка = проверить_памятный_день(параметры))
        return *ошибка;
    if (параметры.памятный_момент)
        return параметры;
    if (параметры.вид) {
        if (auto ошибка = проверить_вид(параметры))
            return *ошибка;
        return параметры;
    }
    if (auto ошибка = проверить_момент(параметры))
        return *ошибка;
    return параметры;
}

} // namespace круголет
