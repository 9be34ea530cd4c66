#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace круголет {

// Every character starts with a byte that is not a continuation byte (10xxxxxx), so a text
// may be cut before any such byte and both pieces stay whole characters, malformed text too.
bool начало_знака(char байт);

// Text is counted in characters (code points), not in bytes: every character of the report is
// one Windows-1251 byte, and the printed page wraps and tabs by those.
std::size_t число_знаков(std::string_view текст);

// The byte offset at which the character with the given index (from 0) begins; the text's size
// when the text has no more characters than that.
std::size_t смещение_знака(std::string_view текст, std::size_t индекс);

// Whether the bytes are well-formed UTF-8: no stray or missing continuation byte, no overlong
// form, no surrogate, nothing beyond U+10FFFF.
bool правильный_utf8(std::string_view текст);

// The text with its Latin and Russian capitals (Ё included) made small, so that names typed in
// any letter case can be compared; every other byte stays as it is.
std::string строчными(std::string_view текст);

} // namespace круголет
