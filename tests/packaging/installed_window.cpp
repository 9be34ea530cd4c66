// Starts an installed krugolet.exe from another working directory, as a Start-menu shortcut or
// a user would, and checks that it found its library: no error box, and a typed moment gives
// its report. Exit code 0 when it did.
//
//   krugolet_installed_window PROGRAM WORKING_DIRECTORY

#include "tests/win32/program_under_test.h"
#include "ui/controls.h"

#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <string>

using namespace круголет;
using namespace std::chrono_literals;

int wmain(int число_аргументов, wchar_t **аргументы) {
    if (число_аргументов != 3) {
        std::fputs("usage: krugolet_installed_window PROGRAM WORKING_DIRECTORY\n", stderr);
        return 2;
    }
    try {
        Программа_под_тестом п(аргументы[2], аргументы[1]);
        if (п.дождаться_окна(класс_диалога, {}, 1500ms)) {
            std::puts("a message box at start: the library was not found");
            return 1;
        }
        SetForegroundWindow(п.главное_окно());
        for (auto [поле, текст] : {std::pair{поле_дня, L"15"}, std::pair{поле_месяца, L"3"},
                                   std::pair{поле_года, L"2000"}, std::pair{поле_часа, L"20"},
                                   std::pair{поле_минуты, L"30"}})
            п.ввести(поле, текст);
        п.нажать_клавишу(п.элемент(поле_минуты), VK_RETURN);
        // Without the library's texts there would be no report at all.
        const std::wstring начало =
            L"Дата и время по Григорианскому Календарю:  20час.30мин.   15.3.2000г.";
        if (!Программа_под_тестом::дождаться(
                [&] { return п.текст(поле_отчета).rfind(начало, 0) == 0; })) {
            std::puts("no report for 15.03.2000 20:30");
            return 1;
        }
        if (п.закрыть() != DWORD{0}) {
            std::puts("the program did not end well");
            return 1;
        }
    } catch (const std::runtime_error &ошибка) {
        std::puts(ошибка.what());
        return 1;
    }
    std::puts("the window shows the report of 15.03.2000 20:30");
    return 0;
}
