#pragma once

#include <cstddef>
#include <string_view>

namespace круголет {

// Text is counted in characters (code points), not in bytes: every character of the report is
// one Windows-1251 byte, and the printed page wraps and tabs by those.
std::size_t число_знаков(std::string_view текст);

// The byte offset at which the character with the given index (from 0) begins; the text's size
// when the text has no more characters than that.
std::size_t смещение_знака(std::string_view текст, std::size_t индекс);

} // namespace круголет
