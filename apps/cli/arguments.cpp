#include "apps/cli/arguments.h"

#include <array>

namespace круголет {

namespace {

constexpr std::string_view параметр_библиотеки = "--library";

struct Параметр_вида {
    std::string_view имя;
    Вид вид;
    std::string_view аргументы;
    std::size_t число_аргументов;
};

constexpr std::array<Параметр_вида, 4> параметры_видов = {{
    {"--old", Вид::день, "ЛЕТО МЕСЯЦ ЧИСЛО", 3},
    {"--month", Вид::месяц, "ЛЕТО МЕСЯЦ", 2},
    {"--holidays", Вид::праздники, "ГОД", 1},
    {"--ics", Вид::icalendar, "ГОД", 1},
}};

const Параметр_вида *параметр_вида(std::string_view аргумент) {
    for (const auto &параметр : параметры_видов)
        if (параметр.имя == аргумент)
            return &параметр;
    return nullptr;
}

std::string имя_вида(Вид вид) {
    for (const auto &параметр : параметры_видов)
        if (параметр.вид == вид)
            return std::string(параметр.имя);
    return {};
}

// A view stands instead of a moment; the calendar file is no JSON.
std::optional<Ошибка_аргументов> проверить_вид(const Параметры &п) {
    if (!п.момент.empty())
        return Ошибка_аргументов{"с " + имя_вида(п.вид->вид) +
                                 " момент не задается: " + п.момент.front()};
    if (п.вид->вид == Вид::icalendar && п.json)
        return Ошибка_аргументов{"--ics пишет файл iCalendar, --json к нему не относится"};
    return std::nullopt;
}

// The moment's arguments once they are all collected: one argument holds the date and the time
// together, "-" asks for lines of standard input and wants --json.
std::optional<Ошибка_аргументов> проверить_момент(const Параметры &п) {
    if (п.момент.size() != 1)
        return std::nullopt;
    const std::string &один = п.момент[0];
    if (один == "-")
        return п.json ? std::nullopt
                      : std::optional(Ошибка_аргументов{"\"-\" читает моменты только с --json"});
    if (один.find(' ') == std::string::npos)
        return Ошибка_аргументов{"не хватает времени: ожидается ДД.ММ.ГГГГ ЧЧ:ММ"};
    return std::nullopt;
}

} // namespace

std::variant<Параметры, Ошибка_аргументов>
разобрать_аргументы(std::span<const std::string_view> аргументы) {
    Параметры п;
    for (std::size_t i = 0; i < аргументы.size(); ++i) {
        const std::string_view а = аргументы[i];
        if (а == "--help" || а == "-h") {
            п.справка = true;
        } else if (а == "--version") {
            п.версия = true;
        } else if (а == "--json") {
            п.json = true;
        } else if (а == "--extended") {
            п.широкий = true;
        } else if (а == параметр_библиотеки) {
            if (i + 1 == аргументы.size())
                return Ошибка_аргументов{"у --library нет имени файла"};
            п.библиотека = std::string(аргументы[++i]);
        } else if (а.starts_with("--library=")) {
            п.библиотека = std::string(а.substr(параметр_библиотеки.size() + 1));
            if (п.библиотека->empty())
                return Ошибка_аргументов{"у --library= пустое имя файла"};
        } else if (const auto *вид = параметр_вида(а)) {
            if (п.вид)
                return Ошибка_аргументов{"можно задать только один из --old, --month, "
                                         "--holidays, --ics"};
            if (аргументы.size() - i - 1 < вид->число_аргументов)
                return Ошибка_аргументов{std::string(вид->имя) +
                                         " ждет аргументы: " + std::string(вид->аргументы)};
            п.вид = Запрос_вида{вид->вид, {}};
            for (std::size_t k = 0; k < вид->число_аргументов; ++k)
                п.вид->аргументы.emplace_back(аргументы[++i]);
        } else if (а.size() > 1 && а.starts_with('-')) {
            return Ошибка_аргументов{"неизвестный параметр: " + std::string(а)};
        } else if (п.момент.size() == 2) {
            return Ошибка_аргументов{"лишний аргумент: " + std::string(а)};
        } else {
            п.момент.emplace_back(а);
        }
    }
    if (п.справка || п.версия)
        return п;
    if (п.вид) {
        if (auto ошибка = проверить_вид(п))
            return *ошибка;
        return п;
    }
    if (auto ошибка = проверить_момент(п))
        return *ошибка;
    return п;
}

} // namespace круголет
