#pragma once

#include "calendar/report.h"
#include "ui/input_check.h"

#include <nlohmann/json.hpp>

namespace круголет {

// Every value of a conversion, and the report itself under "report".
nlohmann::json json_расчета(const Расчет &р, const Момент &м);

} // namespace круголет
