// Brings the program into a state worth a screenshot and holds it there: scripts/screenshots
// runs this inside a Wine desktop and photographs the screen while the file "<scene>.ready"
// exists; it deletes the file when it is done.
//
//   krugolet_drive main    a moment typed into the five fields and converted with Enter
//   krugolet_drive about   the same, then the About window opened over it

#include "tests/win32/program_under_test.h"
#include "ui/controls.h"

#include <cstdio>
#include <string>

using namespace круголет;

namespace {

bool есть_файл(const std::wstring &файл) {
    return GetFileAttributesW(файл.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

int wmain(int число_аргументов, wchar_t **аргументы) {
    const std::wstring сцена = число_аргументов > 1 ? аргументы[1] : L"main";
    Программа_под_тестом программа;
    // Started from a program without windows, it would stand behind as an inactive window.
    SetForegroundWindow(программа.главное_окно());
    const std::wstring прежний_отчет = программа.текст(поле_отчета);
    программа.ввести(поле_дня, L"14");
    программа.ввести(поле_месяца, L"7");
    программа.ввести(поле_года, L"1990");
    программа.ввести(поле_часа, L"21");
    программа.ввести(поле_минуты, L"30");
    программа.нажать_клавишу(программа.элемент(поле_минуты), VK_RETURN);
    if (!программа.дождаться([&] { return программа.текст(поле_отчета) != прежний_отчет; })) {
        std::fputs("no report after Enter\n", stderr);
        return 1;
    }
    if (сцена == L"about") {
        программа.щелкнуть(программа.элемент(кнопка_справки));
        if (!программа.дождаться_окна(класс_диалога, {})) {
            std::fputs("no About window\n", stderr);
            return 1;
        }
    }
    const std::wstring готово = сцена + L".ready";
    CloseHandle(CreateFileW(готово.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    Программа_под_тестом::дождаться([&] { return !есть_файл(готово); }, std::chrono::minutes(2));
    return 0;
}
