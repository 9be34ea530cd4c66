#pragma once

#include <string>
#include <string_view>

namespace круголет {

// The text as a JSON string literal, quotes included, escaped as krugolet-cli's JSON is. The page
// parses what the module hands it with JSON.parse, so line breaks and quotes inside reports and
// messages must be escaped.
std::string json_строка(std::string_view текст);

} // namespace круголет
