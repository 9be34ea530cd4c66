#pragma once

#include "calendar/input_check.h"

#include <optional>
#include <string_view>

namespace круголет {

// A moment written "DD.MM.YYYY HH:MM": the five numbers are cut at "." and ":" and each is
// read and checked as the window reads its fields.
std::optional<Момент> момент_из_текста(std::string_view дата, std::string_view время,
                                       Промежуток промежуток = Промежуток::круг_жизни);

// Blanks of any kind separate the date from the time.
inline constexpr std::string_view пробельные_знаки = " \t";

// The same for one line holding the date, blanks and the time, with blanks around them allowed.
std::optional<Момент> момент_из_текста(std::string_view строка,
                                       Промежуток промежуток = Промежуток::круг_жизни);

// The same moments whether or not a range holds them, in any year from 1 on: so that a moment
// that exists but lies outside the range can be told from one that does not exist.
std::optional<Момент> момент_в_любом_году(std::string_view дата, std::string_view время);
std::optional<Момент> момент_в_любом_году(std::string_view строка);

} // namespace круголет
