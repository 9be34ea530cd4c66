#pragma once

#include <filesystem>

namespace круголет {

// The library file a program reads when it is given none: "библиотека.txt" in the current
// directory, so that a user's own file there wins; else the one beside the executable, where a
// Windows installation and a build tree keep it; else the one in the data directory, where a
// Linux installation keeps it (an empty path when there is none). When none exists, the
// relative name, whose load then fails as it always has.
std::filesystem::path путь_библиотеки(const std::filesystem::path &каталог_программы,
                                      const std::filesystem::path &каталог_данных);

// The same for this process: its executable's directory and the data directory it was
// built to be installed with.
std::filesystem::path найти_библиотеку();

} // namespace круголет
