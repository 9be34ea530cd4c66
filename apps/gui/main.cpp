#include "platform/win32/platform_win32.h"
#include "ui/start.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE экземпляр, HINSTANCE, PWSTR, int) {
    круголет::Платформа_win32 платформа(экземпляр);
    return круголет::запустить_круголет(платформа);
}
