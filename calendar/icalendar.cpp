#include "calendar/icalendar.h"

#include "calendar/day_text.h"
#include "calendar/kept_day_text.h"
#include "runtime/format.h"
#include "runtime/utf8.h"

#include <cstdint>

namespace круголет {
namespace {

constexpr std::size_t предел_строки = 75;

bool управляющий(char знак) {
    const auto байт = static_cast<unsigned char>(знак);
    return байт < 0x20 || байт == 0x7F;
}

bool особый(char знак) {
    return знак == '\\' || знак == ';' || знак == ',' || управляющий(знак);
}

// TEXT values escape the backslash, ";" and ","; a line break (LF, CR LF or a lone CR, all of
// which a library's text may hold) is written "\n". No other control character may stand in
// them, and readers that split lines at any of them would see lines of their own: a tab becomes
// a blank, the rest are dropped. The runs between are copied whole.
void дописать_текст(std::string &строка, std::string_view текст) {
    for (std::size_t от = 0; от < текст.size();) {
        std::size_t до = от;
        while (до < текст.size() && !особый(текст[до]))
            ++до;
        строка.append(текст, от, до - от);
        if (до == текст.size())
            break;
        const char знак = текст[до];
        const bool перед_lf = знак == '\r' && текст.substr(до + 1).starts_with('\n');
        if ((знак == '\n' || знак == '\r') && !перед_lf)
            строка += "\\n";
        else if (знак == '\t')
            строка += ' ';
        else if (!управляющий(знак))
            строка.append({'\\', знак});
        от = до + 1;
    }
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
Момент в_календаре_программ(Момент момент) {
    if (момент.месяц == 2 && момент.день == 29 && момент.год % 100 == 0 && момент.год % 400 != 0)
        return {1, 3, момент.год, момент.час, момент.минута};
    return момент;
}

// A floating local time: the clock time as the calendar reads it, with no time zone.
void дописать_местное_время(std::string &строка, const Момент &момент) {
    const Момент по_календарю = в_календаре_программ(момент);
    дописать_число(строка, по_календарю.год, 4);
    дописать_число(строка, по_календарю.месяц, 2);
    дописать_число(строка, по_календарю.день, 2);
    строка += 'T';
    дописать_число(строка, по_календарю.час, 2);
    дописать_число(строка, по_календарю.минута, 2);
    строка += "00";
}

void дописать_начало_файла(std::string &файл, const Выпуск &выпуск) {
    дописать_строку(файл, "BEGIN:VCALENDAR");
    дописать_строку(файл, "VERSION:2.0");
    дописать_строку(файл, сцепленные({"PRODID:-//Krugolet//Krugolet ", выпуск.версия, "//RU"}));
    дописать_строку(файл, "CALSCALE:GREGORIAN");
}

void дописать_дату_uid(std::string &строка, const Старая_дата &дата) {
    дописать_число(строка, дата.лето);
    строка += '-';
    дописать_число(строка, дата.месяц, 2);
    строка += '-';
    дописать_число(строка, дата.число, 2);
}

// FNV-1a of the name's bytes, in hexadecimal: a UID holds the name's trace in a few plain
// characters, whatever the name's length and letters.
void дописать_след_имени(std::string &строка, std::string_view имя) {
    std::uint64_t след = 0xcbf29ce484222325;
    for (const char знак : имя) {
        след ^= static_cast<unsigned char>(знак);
        след *= 0x100000001b3;
    }
    for (int сдвиг = 60; сдвиг >= 0; сдвиг -= 4)
        строка += "0123456789abcdef"[(след >> сдвиг) & 0xF];
}

void дописать_событие_памятного_дня(std::string &файл, std::string &строка,
                                    const Памятный_день &день, const Возвращение &возвращение,
                                    std::string_view отметка) {
    дописать_строку(файл, "BEGIN:VEVENT");
    строка = "UID:";
    дописать_дату_uid(строка, день.дата.дата);
    строка += '.';
    дописать_число(строка, возвращение.день.дата.лето);
    строка += '.';
    дописать_след_имени(строка, день.имя);
    строка += "@krugolet";
    дописать_строку(файл, строка);
    дописать_строку(файл, отметка);
    строка = "DTSTART:";
    дописать_местное_время(строка, возвращение.день.начало);
    дописать_строку(файл, строка);
    строка = "DTEND:";
    дописать_местное_время(строка, возвращение.день.конец);
    дописать_строку(файл, строка);
    строка = "SUMMARY:";
    дописать_текст(строка, заголовок_памятного_дня(день.имя, день.вид));
    дописать_строку(файл, строка);
    строка = "DESCRIPTION:";
    дописать_текст(строка, старая_дата_в_родительном(возвращение.день.дата));
    строка += "\\, ";
    дописать_текст(строка, возвращение.день.день_недели);
    строка += "\\n";
    дописать_текст(строка, срок_текстом(возвращение, день.дата.дата));
    if (возвращение.перенесено_с) {
        строка += "\\n";
        дописать_текст(строка, перенос_текстом(возвращение));
    }
    if (возвращение.день.праздник) {
        строка += "\\nПраздник: ";
        дописать_текст(строка, *возвращение.день.праздник);
    }
    дописать_строку(файл, строка);
    // A day kept is marked in the calendar but leaves the time free, as a holiday does.
    дописать_строку(файл, "TRANSP:TRANSPARENT");
    дописать_строку(файл, "END:VEVENT");
}

} // namespace

std::string файл_icalendar(std::span<const День_круголета> праздники, const Выпуск &выпуск) {
    std::string файл;
    файл.reserve(400 * (праздники.size() + 1));
    дописать_начало_файла(файл, выпуск);
    const std::string отметка = сцепленные({"DTSTAMP:", выпуск.отметка_utc});
    // One line is written at a time, into the same buffer, and then folded into the file.
    std::string строка;
    for (const auto &день : праздники) {
        дописать_строку(файл, "BEGIN:VEVENT");
        строка = "UID:";
        дописать_число(строка, день.дата.лето);
        строка += '-';
        дописать_число(строка, день.дата.месяц, 2);
        строка += '-';
        дописать_число(строка, день.дата.число, 2);
        строка += "@krugolet";
        дописать_строку(файл, строка);
        дописать_строку(файл, отметка);
        строка = "DTSTART:";
        дописать_местное_время(строка, день.начало);
        дописать_строку(файл, строка);
        строка = "DTEND:";
        дописать_местное_время(строка, день.конец);
        дописать_строку(файл, строка);
        строка = "SUMMARY:";
        дописать_текст(строка, день.праздник.value_or(""));
        дописать_строку(файл, строка);
        строка = "DESCRIPTION:";
        дописать_текст(строка, старая_дата_текстом(день));
        строка += "\\nДень недели: ";
        дописать_текст(строка, день.день_недели);
        строка += "\\nЧертог: ";
        дописать_текст(строка, день.чертог);
        дописать_строку(файл, строка);
        // A holiday leaves the time free.
        дописать_строку(файл, "TRANSP:TRANSPARENT");
        дописать_строку(файл, "END:VEVENT");
    }
    дописать_строку(файл, "END:VCALENDAR");
    return файл;
}

std::string файл_icalendar_памятных_дней(std::span<const Памятный_день> дни, const Выпуск &выпуск) {
    std::size_t событий = 0;
    for (const auto &день : дни)
        событий += день.возвращения.size();
    std::string файл;
    файл.reserve(450 * (событий + 1));
    дописать_начало_файла(файл, выпуск);
    const std::string отметка = сцепленные({"DTSTAMP:", выпуск.отметка_utc});
    std::string строка;
    for (const auto &день : дни)
        for (const auto &возвращение : день.возвращения)
            дописать_событие_памятного_дня(файл, строка, день, возвращение, отметка);
    дописать_строку(файл, "END:VCALENDAR");
    return файл;
}

} // namespace круголет
