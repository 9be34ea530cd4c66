#include "platform/win32/platform_win32.h"
#include "print/win32/printer_win32.h"
#include "ui/start.h"

#include <windows.h>

#include <algorithm>
#include <string_view>

namespace {

// "--extended" among the words of the command line asks for the wide range.
bool с_широким_промежутком(std::wstring_view командная_строка) {
    while (!командная_строка.empty()) {
        const auto начало = командная_строка.find_first_not_of(L" \t");
        if (начало == std::wstring_view::npos)
            return false;
        командная_строка.remove_prefix(начало);
        const auto конец =
            std::min(командная_строка.find_first_of(L" \t"), командная_строка.size());
        if (командная_строка.substr(0, конец) == L"--extended")
            return true;
        командная_строка.remove_prefix(конец);
    }
    return false;
}

} // namespace

int WINAPI wWinMain(HINSTANCE экземпляр, HINSTANCE, PWSTR командная_строка, int) {
    круголет::Принтер_win32 принтер;
    круголет::Платформа_win32 платформа(экземпляр, принтер);
    return круголет::запустить_круголет(платформа, с_широким_промежутком(командная_строка)
                                                       ? круголет::Промежуток::широкий
                                                       : круголет::Промежуток::круг_жизни);
}
