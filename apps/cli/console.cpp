#include "apps/cli/console.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#endif

namespace круголет {

void настроить_вывод() {
#ifdef _WIN32
    SetConsoleOutputCP(CP_UTF8);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
}

std::tm местное_время(std::time_t момент) {
    std::tm местное{};
#ifdef _WIN32
    localtime_s(&местное, &момент);
#else
    localtime_r(&момент, &местное);
#endif
    return местное;
}

} // namespace круголет
