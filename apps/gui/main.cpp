#include "apps/gui/command_line.h"
#include "apps/gui/version_option.h"
#include "knowledge/library_place.h"
#include "platform/win32/platform_win32.h"
#include "platform/win32/unicode.h"
#include "print/win32/printer_win32.h"
#include "ui/start.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The words of the command line after the program's name, as UTF-8. The program's own options
// hold no blanks, so cutting at blanks is enough to find them.
std::vector<std::string> слова_командной_строки(std::wstring_view строка) {
    std::vector<std::string> слова;
    while (!строка.empty()) {
        const auto начало = строка.find_first_not_of(L" \t");
        if (начало == std::wstring_view::npos)
            break;
        строка.remove_prefix(начало);
        const auto конец = std::min(строка.find_first_of(L" \t"), строка.size());
        слова.push_back(круголет::в_utf8(строка.substr(0, конец)));
        строка.remove_prefix(конец);
    }
    return слова;
}

} // namespace

int WINAPI wWinMain(HINSTANCE экземпляр, HINSTANCE, PWSTR командная_строка, int) {
    using namespace круголет;
    const std::vector<std::string> слова =
        слова_командной_строки(командная_строка ? командная_строка : L"");
    const Командная_строка запрос = разобрать_командную_строку(слова);
    if (запрос.версия)
        return напечатать_версию();
    Принтер_win32 принтер;
    Платформа_win32 платформа(экземпляр, принтер);
    return запустить_круголет(
        платформа, {запрос.широкий_промежуток ? Промежуток::широкий : Промежуток::круг_жизни,
                    найти_библиотеку()});
}
