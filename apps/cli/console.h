#pragma once

#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace круголет {

// Makes the standard output take the UTF-8 bytes of a report unchanged: on Windows, no "\r"
// added before each "\n", and a console that shows them as UTF-8. Elsewhere a write into a pipe
// whose reader has gone fails as a write to a full disk does, and is reported the same way.
void настроить_вывод();

// The arguments after the program's name, in UTF-8. Windows hands a program its narrow arguments
// in the ANSI code page, which cannot carry every name ("РАМХАТ" became "??????" there), so there
// they are read again from the wide command line.
std::vector<std::string> аргументы_программы(int argc, char **argv);

// A file named in UTF-8, as the arguments are.
std::filesystem::path путь_из_utf8(const std::string &имя);
// And a path written in UTF-8, to show it.
std::string utf8_из_пути(const std::filesystem::path &путь);

// The local time of the system clock, broken down.
std::tm местное_время(std::time_t момент);

} // namespace круголет
