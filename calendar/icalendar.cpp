#include "calendar/icalendar.h"

#include "calendar/day_text.h"
#include "runtime/utf8.h"

#include <cstdio>

namespace круголет {
namespace {

constexpr std::size_t предел_строки = 75;

// TEXT values escape the backslash, ";", "," and line breaks.
std::string экранированный(std::string_view текст) {
    std::string итог;
    итог.reserve(текст.size());
    for (const char знак : текст) {
        switch (знак) {
        case '\\':
        case ';':
        case ',':
            итог += '\\';
            итог += знак;
            break;
        case '\n':
            итог += "\\n";
            break;
        default:
            итог += знак;
        }
    }
    return итог;
}

// A line longer than the limit goes on in lines that begin with a blank, which counts towards
// their own limit; a cut never falls inside a character.
void дописать_строку(std::string &файл, std::string_view строка) {
    std::size_t предел = предел_строки;
    while (строка.size() > предел) {
        std::size_t срез = предел;
        while (срез > 0 && !начало_знака(строка[срез]))
            --срез;
        // Bytes that begin no character at all are cut where the limit falls.
        if (срез == 0)
            срез = предел;
        файл.append(строка.substr(0, срез)).append("\r\n ");
        строка.remove_prefix(срез);
        предел = предел_строки - 1;
    }
    файл.append(строка).append("\r\n");
}

// The calendar counts a 29 February in 1900, as its month starts need; the Gregorian calendar of
// calendar programs has none in a century year not divisible by 400, so there that day is the
// one after 28 February.
Момент в_календаре_программ(Момент м) {
    if (м.месяц == 2 && м.день == 29 && м.год % 100 == 0 && м.год % 400 != 0)
        return {1, 3, м.год, м.час, м.минута};
    return м;
}

// A floating local time: the clock time as the calendar reads it, with no time zone.
std::string местное_время(const Момент &момент) {
    const Момент м = в_календаре_программ(момент);
    char текст[64];
    const int длина = std::snprintf(текст, sizeof текст, "%04d%02d%02dT%02d%02d00", м.год, м.месяц,
                                    м.день, м.час, м.минута);
    return std::string(текст, static_cast<std::size_t>(длина));
}

std::string uid(const Старая_дата &д) {
    char текст[64];
    const int длина =
        std::snprintf(текст, sizeof текст, "%d-%02d-%02d@krugolet", д.лето, д.месяц, д.число);
    return std::string(текст, static_cast<std::size_t>(длина));
}

} // namespace

std::string файл_icalendar(std::span<const День_круголета> праздники, const Выпуск &выпуск) {
    std::string файл;
    файл.reserve(400 * (праздники.size() + 1));
    дописать_строку(файл, "BEGIN:VCALENDAR");
    дописать_строку(файл, "VERSION:2.0");
    дописать_строку(файл, "PRODID:-//Krugolet//Krugolet " + std::string(выпуск.версия) + "//RU");
    дописать_строку(файл, "CALSCALE:GREGORIAN");
    for (const auto &день : праздники) {
        дописать_строку(файл, "BEGIN:VEVENT");
        дописать_строку(файл, "UID:" + uid(день.дата));
        дописать_строку(файл, "DTSTAMP:" + std::string(выпуск.отметка_utc));
        дописать_строку(файл, "DTSTART:" + местное_время(день.начало));
        дописать_строку(файл, "DTEND:" + местное_время(день.конец));
        дописать_строку(файл, "SUMMARY:" + экранированный(день.праздник.value_or("")));
        дописать_строку(файл, "DESCRIPTION:" +
                                  экранированный(старая_дата_текстом(день) +
                                                 "\nДень недели: " + std::string(день.день_недели) +
                                                 "\nЧертог: " + std::string(день.чертог)));
        // A holiday leaves the time free.
        дописать_строку(файл, "TRANSP:TRANSPARENT");
        дописать_строку(файл, "END:VEVENT");
    }
    дописать_строку(файл, "END:VCALENDAR");
    return файл;
}

} // namespace круголет
