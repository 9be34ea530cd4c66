#pragma once

#include <string>
#include <string_view>

namespace круголет {

// The program's text is UTF-8, the Unicode calls of Windows take UTF-16: every string is
// converted where it crosses into a system call and back. A wide string holds one UTF-16 code
// unit in each wchar_t, which on Windows is the system's own wide text. What is not well formed
// (a stray byte, a cut-off sequence, a lone surrogate) becomes U+FFFD, as the system's own
// conversion makes it, and the text after it is kept.
std::wstring в_utf16(std::string_view текст);
std::string в_utf8(std::wstring_view текст);

} // namespace круголет
