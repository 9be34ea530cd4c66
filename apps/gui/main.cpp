#include "platform/win32/platform_win32.h"
#include "print/win32/printer_win32.h"
#include "ui/start.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE экземпляр, HINSTANCE, PWSTR, int) {
    круголет::Принтер_win32 принтер;
    круголет::Платформа_win32 платформа(экземпляр, принтер);
    return круголет::запустить_круголет(платформа);
}
