#pragma once

#include "knowledge/relation.h"

#include <cstdint>
#include <string>

namespace круголет {

// The twelve fact tables of the calendar. Seven start with built-in rows; the library file
// appends to any of them, after what is already there.
struct Знания {
    Отношение<std::int32_t, std::int32_t> следующий_месяц;
    Отношение<std::string, std::string> название_месяца;
    Отношение<std::int32_t, std::string> название_лета;
    // Written in the file as (weekday, year); looked up by the year.
    Отношение<std::int32_t, std::string> день;
    Отношение<std::string, std::string> следующий_день;
    Отношение<std::int32_t, std::int32_t> следующее_лето_в_круге_лет;
    Отношение<std::int32_t, std::string> лето;
    Отношение<Месяц_и_число, std::string> четверть;
    Отношение<std::int32_t, std::string> день_четверти;
    Отношение<std::string, std::string> бог;
    Отношение<std::string, std::string> описание_чертога;
    Отношение<Месяц_и_число, std::string> праздник;
};

// The tables as the program starts: the built-in rows, and the five file-only tables empty.
Знания встроенные_знания();

} // namespace круголет
