#pragma once

#include "calendar/old_day.h"
#include "knowledge/tables.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

namespace круголет {

// A day a person keeps by the old calendar (a birth, a wedding, a death): the old day of a
// Gregorian moment of the wide range, which comes back every old year on the day of the same
// month and number. Its names point into the tables it was computed from.
struct Памятная_дата {
    Старая_дата дата;
    std::string_view месяц;
    std::string_view день_недели;
    // The name of its year, without the line break the library keeps after it.
    std::string_view название_лета;
};

// What the day is; it only words the title of each return.
enum class Вид_памятного_дня { день_рождения, годовщина, день_памяти };

// The old day the moment lies in, as the conversion gives it in the wide range; nothing outside
// that range or where the tables lack a row. The old day begins at 19:00, so 15.03.2000 20:30
// and 15.03.2000 18:59 lie in different ones.
std::optional<Памятная_дата> памятная_дата(const Знания &знания, const Момент &момент);

// The day kept in one old year.
struct Возвращение {
    День_круголета день;
    // Old years since the one the kept day lies in.
    int возраст;
    // The number the year lacks, when the day is kept on its month's last day instead: only the
    // 41st of an even month, which exists in the sacred year alone and is kept on the 40th in
    // every other.
    std::optional<int> перенесено_с;
};

// The most returns one request gives: a century of old years.
inline constexpr int наибольшее_число_возвращений = 100;

enum class Отказ_возвращений {
    // Fewer than one return asked for, or more than the most.
    неверное_число,
    раньше_памятного_лета,
    // A return after the last year of the wide range, лето 7607.
    позже_промежутка,
    нет_записи,
};

// The returns of the kept day in `сколько` old years one after another from `с_лета` on.
std::variant<std::vector<Возвращение>, Отказ_возвращений>
возвращения(const Знания &знания, const Старая_дата &памятная, int с_лета, int сколько);

// A name is the user's own text, written into a line of text, a calendar file and the page: at
// most this many characters (code points), long enough for a couple's full names.
inline constexpr std::size_t наибольшая_длина_имени = 100;

enum class Изъян_имени {
    длинное,
    // Bytes that are not UTF-8, or a control character, which would break the line it stands in.
    не_строка,
};

std::optional<Изъян_имени> изъян_имени(std::string_view имя);

// A kept day with its returns, as the command line and the page show it and as its calendar file
// holds it. The name is the user's text, empty when none was given.
struct Памятный_день {
    std::string_view имя;
    Вид_памятного_дня вид;
    Момент момент;
    Памятная_дата дата;
    std::vector<Возвращение> возвращения;
};

} // namespace круголет
