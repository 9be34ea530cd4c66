#include "apps/cli/console.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#else
#include <csignal>
#endif

namespace круголет {

void настроить_вывод() {
#ifdef _WIN32
    SetConsoleOutputCP(CP_UTF8);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#else
    // A pipe whose reader has gone fails the write instead of killing the program, which then
    // ends as for any output it cannot write.
    std::signal(SIGPIPE, SIG_IGN);
#endif
}

std::vector<std::string> аргументы_программы(int argc, char **argv) {
#ifdef _WIN32
    int число = 0;
    LPWSTR *слова = CommandLineToArgvW(GetCommandLineW(), &число);
    if (слова != nullptr) {
        std::vector<std::string> итог;
        for (int i = 1; i < число; ++i) {
            const int размер =
                WideCharToMultiByte(CP_UTF8, 0, слова[i], -1, nullptr, 0, nullptr, nullptr);
            std::string слово(static_cast<std::size_t>(размер > 0 ? размер - 1 : 0), '\0');
            WideCharToMultiByte(CP_UTF8, 0, слова[i], -1, слово.data(), размер, nullptr, nullptr);
            итог.push_back(std::move(слово));
        }
        LocalFree(слова);
        return итог;
    }
#endif
    return std::vector<std::string>(argv + 1, argv + argc);
}

std::filesystem::path путь_из_utf8(const std::string &имя) {
    return std::u8string(имя.begin(), имя.end());
}

std::string utf8_из_пути(const std::filesystem::path &путь) {
    const auto текст = путь.u8string();
    return std::string(текст.begin(), текст.end());
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
