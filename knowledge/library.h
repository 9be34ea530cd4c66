#pragma once

#include "knowledge/tables.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace круголет {

enum class Загрузка { выполнена, не_удалась };

// Appends the rows of a library text (Windows-1251 bytes, one row per line) to the tables.
// Stops at the first line that breaks the form or lies beyond наибольшее_число_строк; the rows of
// the lines before it stay.
Загрузка загрузить_библиотеку_из_текста(std::string_view байты, Знания &знания);

// Why a load stopped: the line the loader stopped at (counted from 1; 0 when the trouble is the
// file as a whole) and what was wrong, in Russian.
struct Сбой_загрузки {
    std::size_t строка;
    std::string причина;
};

// A real library is a few hundred rows in a few hundred kilobytes; anything far larger is taken
// as damaged before it is read to the end. Together the caps keep a library's tables under about
// 100 MB: its text grows up to three-fold from Windows-1251 to UTF-8, and each row costs some
// bytes of its own however short it is.
inline constexpr std::size_t наибольший_файл = std::size_t{32} << 20;
inline constexpr std::size_t наибольшая_строка = std::size_t{1} << 20;
inline constexpr std::size_t наибольшее_число_строк = 100'000;

// Reads the library file and appends its rows, line by line as they are read; nothing when every
// line loaded. A file that cannot be read or is not a regular file, is larger than
// наибольший_файл, has a line longer than наибольшая_строка or more lines than
// наибольшее_число_строк fails the load.
std::optional<Сбой_загрузки> загрузить_библиотеку_подробно(const std::filesystem::path &файл,
                                                           Знания &знания);

// The same, only whether it loaded.
Загрузка загрузить_библиотеку(const std::filesystem::path &файл, Знания &знания);

// The file's fixed name, looked up in the current directory.
inline const std::filesystem::path имя_библиотеки = std::filesystem::path(u8"библиотека.txt");

inline constexpr std::string_view заголовок_ошибки_библиотеки = "Ошибка загрузки библиотеки";
inline constexpr std::string_view текст_ошибки_библиотеки =
    "Отсутствует или поврежден файл \"библиотека.txt\" \nДальнейшая работа невозможна";

} // namespace круголет
