#pragma once

#include "knowledge/tables.h"

namespace круголет {

// The tables as the program has them after loading the library file it ships; loaded on the
// first call. A shipped file that does not load ends the run: nothing else can be checked then.
const Знания &знания_из_файла();

} // namespace круголет
