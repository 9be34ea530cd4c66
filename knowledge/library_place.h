#pragma once

#include <filesystem>
#include <vector>

namespace круголет {

// Where a program looks for "библиотека.txt" when it is given none, in this order: the current
// directory, so that a user's own file there wins; the executable's directory, where a Windows
// installation and a build tree keep it; the data directory, where a Linux installation keeps
// it. A directory the program lacks (an empty path) is left out.
std::vector<std::filesystem::path> места_библиотеки(const std::filesystem::path &каталог_программы,
                                                    const std::filesystem::path &каталог_данных);

// The library file a program reads when it is given none: the first of those places that holds
// one. When none does, the relative name, whose load then fails as it always has.
std::filesystem::path путь_библиотеки(const std::filesystem::path &каталог_программы,
                                      const std::filesystem::path &каталог_данных);

// The same for this process: its executable's directory and the data directory it was
// built to be installed with.
std::vector<std::filesystem::path> места_библиотеки();
std::filesystem::path найти_библиотеку();

} // namespace круголет
