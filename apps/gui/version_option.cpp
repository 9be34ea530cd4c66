#include "apps/gui/version_option.h"

#include "krugolet_version.h"

#include <windows.h>

#include <string_view>

namespace круголет {

int напечатать_версию() {
    // A GUI program has a standard output only when it was redirected; started from a console,
    // it borrows that one.
    HANDLE вывод = GetStdHandle(STD_OUTPUT_HANDLE);
    if ((вывод == nullptr || вывод == INVALID_HANDLE_VALUE) && AttachConsole(ATTACH_PARENT_PROCESS))
        вывод = GetStdHandle(STD_OUTPUT_HANDLE);
    if (вывод == nullptr || вывод == INVALID_HANDLE_VALUE)
        return 1;
    constexpr std::string_view текст = "krugolet " KRUGOLET_VERSION "\n";
    DWORD записано = 0;
    return WriteFile(вывод, текст.data(), static_cast<DWORD>(текст.size()), &записано, nullptr) &&
                   записано == текст.size()
               ? 0
               : 1;
}

} // namespace круголет
