#pragma once

#include <ctime>

namespace круголет {

// Makes the standard output take the UTF-8 bytes of a report unchanged: on Windows, no "\r"
// added before each "\n", and a console that shows them as UTF-8.
void настроить_вывод();

// The local time of the system clock, broken down.
std::tm местное_время(std::time_t момент);

} // namespace круголет
