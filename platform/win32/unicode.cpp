#include "platform/win32/unicode.h"

#include <windows.h>

namespace круголет {

std::wstring в_utf16(std::string_view текст) {
    if (текст.empty())
        return {};
    const int длина = static_cast<int>(текст.size());
    std::wstring итог(MultiByteToWideChar(CP_UTF8, 0, текст.data(), длина, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, текст.data(), длина, итог.data(),
                        static_cast<int>(итог.size()));
    return итог;
}

std::string в_utf8(std::wstring_view текст) {
    if (текст.empty())
        return {};
    const int длина = static_cast<int>(текст.size());
    std::string итог(
        WideCharToMultiByte(CP_UTF8, 0, текст.data(), длина, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_UTF8, 0, текст.data(), длина, итог.data(), static_cast<int>(итог.size()),
                        nullptr, nullptr);
    return итог;
}

} // namespace круголет
