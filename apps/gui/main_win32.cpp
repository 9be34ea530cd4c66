#include "apps/gui/command_line.h"
#include "apps/gui/console_output.h"
#include "knowledge/library_place.h"
#include "krugolet_version.h"
#include "platform/win32/platform_win32.h"
#include "print/win32/printer_win32.h"
#include "runtime/utf16.h"
#include "ui/start.h"

#include <windows.h>

#include <cstdlib>

#include <string>
#include <string_view>
#include <vector>

namespace {

// The words of the command line after the program's name, as UTF-8, as the C runtime split
// them (blanks inside quotes belong to the word).
std::vector<std::string> слова_командной_строки() {
    std::vector<std::string> итог;
    for (int i = 1; __wargv != nullptr && i < __argc; ++i)
        итог.push_back(круголет::в_utf8(__wargv[i]));
    return итог;
}

// Started from a menu or a shortcut, the program has no console: a box says it instead.
void сказать(круголет::Поток_вывода поток, const std::string &текст, const wchar_t *заголовок,
             UINT значок) {
    if (круголет::написать_в_консоль(поток, текст))
        return;
    std::string_view в_ящике = текст;
    if (в_ящике.ends_with('\n'))
        в_ящике.remove_suffix(1);
    MessageBoxW(nullptr, круголет::в_utf16(в_ящике).c_str(), заголовок, значок | MB_OK);
}

} // namespace

int WINAPI wWinMain(HINSTANCE экземпляр, HINSTANCE, PWSTR, int) {
    using namespace круголет;
    const Командная_строка запрос = командная_строка_из_аргументов(слова_командной_строки());
    if (запрос.ошибка) {
        сказать(Поток_вывода::ошибки,
                *запрос.ошибка + "\n" + std::string(синтаксис_окна) +
                    std::string(краткая_справка_окна),
                L"Ошибка", MB_ICONHAND);
        return 2;
    }
    if (запрос.справка) {
        сказать(Поток_вывода::вывод, std::string(синтаксис_окна) + справка_окна(), L"Круголет",
                MB_ICONINFORMATION);
        return 0;
    }
    if (запрос.версия)
        return написать_в_консоль(Поток_вывода::вывод, "krugolet " KRUGOLET_VERSION "\n") ? 0 : 1;
    Принтер_win32 принтер;
    Платформа_win32 платформа(экземпляр);
    return запустить_круголет(
        платформа,
        {принтер, запрос.широкий_промежуток ? Промежуток::широкий : Промежуток::круг_жизни,
         найти_библиотеку()});
}
