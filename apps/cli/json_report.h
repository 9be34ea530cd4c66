#pragma once

#include "calendar/moment.h"
#include "calendar/values.h"
#include "runtime/json_writer.h"

namespace круголет {

// Every value of a conversion, and the report itself under "report", as one object. The keys
// stand in alphabetical order, as they always have in krugolet-cli's output.
void записать_json_значений(Запись_json &запись, const Значения_момента &р, const Момент &м);

} // namespace круголет
