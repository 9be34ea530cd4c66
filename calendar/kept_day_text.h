#pragma once

#include "calendar/kept_day.h"

#include <optional>
#include <string>
#include <string_view>

namespace круголет {

// The kind as the command line takes it: "рождение", "годовщина" or "память", in any letter case.
std::optional<Вид_памятного_дня> вид_памятного_дня(std::string_view слово);

// "Мирослава — день рождения по Круголету", or "День рождения по Круголету" without a name.
std::string заголовок_памятного_дня(std::string_view имя, Вид_памятного_дня вид);

// "14 Дайлета 7508 лета": the day of the month named in the genitive, as people say a date.
std::string старая_дата_в_родительном(const Старая_дата &дата);

// The count of old years with its word: "1 лето", "3 лета", "27 лет".
std::string лет_текстом(int лет);

// How long ago the kept day was: "27 лет со дня 14 Дайлета 7508 лета", or "Сам день 14 Дайлета
// 7508 лета" in its own year.
std::string срок_текстом(const Возвращение &возвращение, const Старая_дата &памятная);

// "41 Гэйлета в это лето нет, день отмечается 40 Гэйлета" for a day kept on another; empty
// for one kept on its own number.
std::string перенос_текстом(const Возвращение &возвращение);

// "15.03.2000 20:30 — 14 Дайлета 7508 лета, Осьмица; лето «Солнечный (Золотой) Мир (Явь)»": the
// moment with its old date, weekday and year's name.
std::string строка_памятной_даты(const Памятный_день &день);

// The title; the moment with its old date, weekday and year's name; a blank line; then one line
// for each return: "Лето 7535, 27 лет: 14 Дайлета, Пятница, с 19:00 … до 19:00 …" ("сам день"
// in place of the years in the day's own year), with its holiday and the day it stands in for
// after semicolons. Each line ends in a line feed.
std::string текст_памятного_дня(const Памятный_день &день);

} // namespace круголет
