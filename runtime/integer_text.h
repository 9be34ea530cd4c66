#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace круголет {

// Reads an integer at the start of the text and advances past it: an optional "-", then decimal
// digits, or "0x"/"0X" and hexadecimal digits, or "0o"/"0O" and octal digits. Nothing is
// skipped before it. Gives nothing (and leaves the text as it was) when no integer stands
// there or its value lies outside -2147483648..2147483647.
std::optional<std::int32_t> взять_целое(std::string_view &текст);

// Reads an input field as an integer: leading blanks, the integer, then only blanks up to the end.
std::optional<std::int32_t> прочитать_целое(std::string_view поле);

// For a field written as прочитать_целое reads one but holding an integer outside the 32-bit
// range, the side it lies on, so that a refusal can say "too large" rather than "not a number".
enum class Вне_пределов { больше, меньше };
std::optional<Вне_пределов> целое_вне_пределов(std::string_view поле);

} // namespace круголет
