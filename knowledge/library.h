#pragma once

#include "knowledge/tables.h"

#include <filesystem>
#include <string_view>

namespace круголет {

enum class Загрузка { выполнена, не_удалась };

// Appends the rows of a library text (Windows-1251 bytes, one row per line) to the tables.
// Stops at the first line that breaks the form; the rows of the lines before it stay.
Загрузка загрузить_библиотеку_из_текста(std::string_view байты, Знания &знания);

// Reads the library file and appends its rows; a file that cannot be read fails the load.
Загрузка загрузить_библиотеку(const std::filesystem::path &файл, Знания &знания);

// The file's fixed name, looked up in the current directory.
inline const std::filesystem::path имя_библиотеки = std::filesystem::path(u8"библиотека.txt");

inline constexpr std::string_view заголовок_ошибки_библиотеки = "Ошибка загрузки библиотеки";
inline constexpr std::string_view текст_ошибки_библиотеки =
    "Отсутствует или поврежден файл \"библиотека.txt\" \nДальнейшая работа невозможна";

} // namespace круголет
