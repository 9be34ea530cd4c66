#include "apps/gui/console_output.h"

#include "runtime/utf16.h"

#include <windows.h>

#include <string>

namespace круголет {

namespace {

bool годен(HANDLE дескриптор) {
    return дескриптор != nullptr && дескриптор != INVALID_HANDLE_VALUE;
}

} // namespace

bool написать_в_консоль(Поток_вывода поток, std::string_view текст) {
    const DWORD номер = поток == Поток_вывода::вывод ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE;
    HANDLE дескриптор = GetStdHandle(номер);
    if (!годен(дескриптор) && AttachConsole(ATTACH_PARENT_PROCESS))
        дескриптор = GetStdHandle(номер);
    if (!годен(дескриптор))
        return false;
    // A console shows Cyrillic whatever its code page only when given UTF-16; a file or a pipe
    // takes the bytes as they are.
    DWORD режим = 0;
    DWORD записано = 0;
    if (GetConsoleMode(дескриптор, &режим)) {
        const std::wstring широкий = в_utf16(текст);
        return WriteConsoleW(дескриптор, широкий.data(), static_cast<DWORD>(широкий.size()),
                             &записано, nullptr) &&
               записано == широкий.size();
    }
    return WriteFile(дескриптор, текст.data(), static_cast<DWORD>(текст.size()), &записано,
                     nullptr) &&
           записано == текст.size();
}

} // namespace круголет
