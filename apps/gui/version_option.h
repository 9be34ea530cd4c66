#pragma once

namespace круголет {

// Whether the program's command line asks for its version: "--version" and nothing else.
bool спрошена_версия(const wchar_t *командная_строка);

// Writes "krugolet VERSION" to the standard output the program was given, or else to the
// console of the process that started it; the exit code.
int напечатать_версию();

} // namespace круголет
