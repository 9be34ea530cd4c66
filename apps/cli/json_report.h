#pragma once

#include "calendar/moment.h"
#include "calendar/values.h"

#include <nlohmann/json.hpp>

#include <string>

namespace круголет {

// Every value of a conversion, and the report itself under "report".
nlohmann::json json_значений(const Значения_момента &р, const Момент &м);

// A JSON document on one line; bytes that are not UTF-8 become U+FFFD instead of failing.
std::string текст_json(const nlohmann::json &j);

} // namespace круголет
