#pragma once

#include "calendar/values.h"

#include <optional>
#include <string>

namespace круголет {

// The report composed from the values.
std::string отчет_значений(const Значения_момента &значения, const Момент &момент);

// The report for a moment, or nothing.
std::optional<std::string> отчет_момента(const Знания &знания, const Момент &момент,
                                         Промежуток промежуток = Промежуток::круг_жизни);

} // namespace круголет
