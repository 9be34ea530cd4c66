#include "apps/gui/version_option.h"
#include "knowledge/library_place.h"
#include "platform/win32/platform_win32.h"
#include "ui/start.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE экземпляр, HINSTANCE, PWSTR командная_строка, int) {
    if (круголет::спрошена_версия(командная_строка))
        return круголет::напечатать_версию();
    круголет::Платформа_win32 платформа(экземпляр);
    return круголет::запустить_круголет(платформа, круголет::найти_библиотеку());
}
