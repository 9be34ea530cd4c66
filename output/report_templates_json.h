#pragma once

#include "calendar/report.h"

namespace круголет {

// The report's templates as they stand inside a JSON string, made when the program is compiled:
// the only characters in them that JSON escapes are line feeds (which is checked then), written
// "\n". The report's JSON string is composed from them as the report is from its own.
const Шаблоны_отчета &шаблоны_отчета_в_json();

} // namespace круголет
