#pragma once

#include "calendar/moment.h"
#include "calendar/report.h"

#include <nlohmann/json.hpp>

namespace круголет {

// Every value of a conversion, and the report itself under "report".
nlohmann::json json_расчета(const Расчет &р, const Момент &м);

} // namespace круголет
