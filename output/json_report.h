#pragma once

#include "calendar/moment.h"
#include "calendar/values.h"
#include "runtime/json_writer.h"

namespace круголет {

// Every value of a conversion, and the report itself under "report", as one object. The keys
// stand in alphabetical order, as they always have in krugolet-cli's output. `память` keeps the
// values' texts escaped, so that the report copies those it holds, and a batch that keeps it from
// one object to the next escapes each row of the tables once: the tables must not change while it
// lives.
void записать_json_значений(Запись_json &запись, const Значения_момента &значения,
                            const Момент &момент, Память_json &память);

} // namespace круголет
