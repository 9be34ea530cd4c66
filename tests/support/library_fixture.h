#pragma once

#include "knowledge/tables.h"

#include <string>

namespace круголет {

// Rows for every key that a conversion asks of the file-only tables, each with a short text
// that names its key ("лето 17", "название лета 17", "четверть Рамхат 41", "бог Купала",
// "бог Купала1", "чертог Купала"), so a test can tell which row a report used.

// The built-in tables with those rows appended, as if the library had been loaded.
Знания знания_для_тестов();

// The same rows as the UTF-8 text of a library file, one row per line, each line ended by a
// line feed.
std::string строки_библиотеки_для_тестов();

} // namespace круголет
