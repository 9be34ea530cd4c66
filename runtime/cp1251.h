#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace круголет {

// Windows-1251 is read through a 256-entry table that is one-to-one: the single byte the code
// page leaves undefined (0x98) maps to U+0098, so every byte sequence decodes and encodes back.
std::string из_1251(std::string_view байты);

// The reverse: UTF-8 text back to Windows-1251, or nothing when the text holds a character
// the code page cannot carry or is not valid UTF-8.
std::optional<std::string> в_1251(std::string_view текст);

} // namespace круголет
