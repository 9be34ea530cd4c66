#pragma once

namespace круголет {

// Writes "krugolet VERSION" to the standard output the program was given, or else to the
// console of the process that started it; the exit code.
int напечатать_версию();

} // namespace круголет
