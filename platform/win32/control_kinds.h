#pragma once

#include "platform/window.h"

#include <windows.h>

namespace круголет {

// The window class and style that make each kind of control.
struct Класс_элемента {
    const wchar_t *класс;
    DWORD стиль;
};

// Without ES_AUTOHSCROLL a single-line edit takes only what fits its width.
inline constexpr DWORD стиль_поля = WS_BORDER | ES_LEFT | WS_GROUP | WS_TABSTOP;

inline constexpr Класс_элемента класс_элемента(Вид_элемента вид) {
    switch (вид) {
    case Вид_элемента::надпись:
        return {L"STATIC", SS_CENTER};
    case Вид_элемента::поле:
        return {L"EDIT", стиль_поля};
    case Вид_элемента::поле_отчета:
        return {L"EDIT", стиль_поля | ES_MULTILINE | WS_VSCROLL | ES_AUTOVSCROLL | ES_WANTRETURN};
    case Вид_элемента::поле_только_чтение:
        return {L"EDIT", WS_BORDER | ES_MULTILINE | WS_VSCROLL | ES_READONLY | ES_NOHIDESEL |
                             WS_GROUP | WS_TABSTOP};
    case Вид_элемента::кнопка:
        return {L"BUTTON", BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP};
    case Вид_элемента::кнопка_по_умолчанию:
        return {L"BUTTON", BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP};
    case Вид_элемента::рамка:
        return {L"BUTTON", BS_GROUPBOX};
    }
    return {L"STATIC", 0};
}

} // namespace круголет
