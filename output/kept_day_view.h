#pragma once

#include "calendar/kept_day.h"
#include "knowledge/tables.h"
#include "output/views.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace круголет {

// --birthday as typed: the moment's arguments (the date and time in one, or in two) and the
// options that go with it, each as given or absent.
struct Запрос_памятного_дня {
    std::vector<std::string> момент;
    std::optional<std::string> лет;
    std::optional<std::string> с_лета;
    std::optional<std::string> имя;
    std::optional<std::string> вид;
};

// Ten returns unless asked for more or fewer.
inline constexpr int возвращений_по_умолчанию = 10;

// Why a name given is refused, in Russian; nothing for a good one or none.
std::optional<Отказ_вида> отказ_имени(const std::optional<std::string> &имя);

// The kept day with its returns, from the year asked for, else from the old year in force at
// `сейчас` (or from the kept day's own year, when that comes later); or why there are none, in
// Russian. Its name points into the request.
std::variant<Памятный_день, Отказ_вида> памятный_день_по_запросу(const Знания &знания,
                                                                 const Запрос_памятного_дня &запрос,
                                                                 const Момент &сейчас);

enum class Формат_памятного_дня { текст, json, icalendar };

// What --birthday writes on standard output.
std::string вывод_памятного_дня(const Памятный_день &день, Формат_памятного_дня формат);

} // namespace круголет
