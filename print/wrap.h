#pragma once

// Cutting a line that is too long for a row into rows.

#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

namespace круголет {

// Rows wrap at this many characters.
inline constexpr std::size_t ширина_ряда = 80;

// Cuts the first row off a line of at least 80 characters: at the blank after the 80th character
// (dropped), after a blank 80th character, after the last blank before it, or, with no blank
// among the first 80 characters, hard after the 80th.
std::pair<std::string_view, std::string_view> отрезать_строку(std::string_view строка);

// The text up to and including its last blank among the first `позиция` characters; no result
// when there is none.
std::optional<std::string_view> назад_до_пробела(std::size_t позиция, std::string_view текст);

} // namespace круголет
