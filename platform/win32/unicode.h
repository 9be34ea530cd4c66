#pragma once

#include <string>
#include <string_view>

namespace круголет {

// The program's text is UTF-8, the Unicode calls of Windows take UTF-16: every string is
// converted where it crosses into a system call and back.
std::wstring в_utf16(std::string_view текст);
std::string в_utf8(std::wstring_view текст);

} // namespace круголет
