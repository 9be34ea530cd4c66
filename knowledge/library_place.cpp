#include "knowledge/library_place.h"

#include "knowledge/library.h"

#include <array>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace круголет {

namespace {

std::filesystem::path каталог_этой_программы() {
#ifdef _WIN32
    std::wstring путь(MAX_PATH, L'\0');
    DWORD длина;
    while ((длина = GetModuleFileNameW(nullptr, путь.data(), static_cast<DWORD>(путь.size()))) ==
           путь.size())
        путь.resize(путь.size() * 2);
    путь.resize(длина);
    return std::filesystem::path(путь).parent_path();
#else
    std::error_code ошибка;
    return std::filesystem::read_symlink("/proc/self/exe", ошибка).parent_path();
#endif
}

} // namespace

std::filesystem::path путь_библиотеки(const std::filesystem::path &каталог_программы,
                                      const std::filesystem::path &каталог_данных) {
    const std::array<std::filesystem::path, 3> места{
        имя_библиотеки,
        каталог_программы.empty() ? std::filesystem::path() : каталог_программы / имя_библиотеки,
        каталог_данных.empty() ? std::filesystem::path() : каталог_данных / имя_библиотеки,
    };
    for (const auto &место : места) {
        std::error_code ошибка;
        if (!место.empty() && std::filesystem::exists(место, ошибка))
            return место;
    }
    return имя_библиотеки;
}

std::filesystem::path найти_библиотеку() {
    return путь_библиотеки(каталог_этой_программы(), KRUGOLET_DATA_DIR);
}

} // namespace круголет
