#pragma once

#include <string>
#include <string_view>

namespace круголет {

// Controls of the Win32 kind break lines with "\r\n", the program with "\n". A back end whose
// controls work that way converts with these two at its boundary.

// Every "\n" becomes "\r\n".
std::string в_текст_элемента(std::string_view текст);

// Every "\r" directly followed by "\n" is dropped; any other "\r" stays.
std::string из_текста_элемента(std::string_view текст);

} // namespace круголет
