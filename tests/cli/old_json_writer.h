#pragma once

// The JSON writer krugolet-cli had before it wrote JSON straight into its output: a document tree
// of nlohmann-json per object, then serialised. Kept as the reference that the output is held to
// byte for byte.

#include "calendar/kept_day.h"
#include "calendar/month_page.h"
#include "calendar/values.h"
#include "calendar/year_page.h"

#include <nlohmann/json.hpp>

#include <span>
#include <string>

namespace круголет::прежний_json {

nlohmann::json значения(const Значения_момента &р, const Момент &м);
nlohmann::json день(const День_круголета &день);
nlohmann::json страница(const Страница_месяца &страница);
nlohmann::json страница_лета(const Страница_лета &страница);
nlohmann::json праздники(std::span<const День_круголета> праздники);
nlohmann::json памятный_день(const Памятный_день &день);

// A document on one line; bytes that are not UTF-8 become U+FFFD.
std::string текст(const nlohmann::json &j);

} // namespace круголет::прежний_json
