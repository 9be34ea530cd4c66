#include "knowledge/library_place.h"

#include "knowledge/library.h"

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

std::vector<std::filesystem::path> места_библиотеки(const std::filesystem::path &каталог_программы,
                                                    const std::filesystem::path &каталог_данных) {
    std::vector<std::filesystem::path> места{имя_библиотеки};
    for (const auto &каталог : {каталог_программы, каталог_данных})
        if (!каталог.empty())
            места.push_back(каталог / имя_библиотеки);
    return места;
}

std::filesystem::path путь_библиотеки(const std::filesystem::path &каталог_программы,
                                      const std::filesystem::path &каталог_данных) {
    for (const auto &место : места_библиотеки(каталог_программы, каталог_данных)) {
        std::error_code ошибка;
        if (std::filesystem::exists(место, ошибка))
            return место;
    }
    return имя_библиотеки;
}

std::vector<std::filesystem::path> места_библиотеки() {
    return места_библиотеки(каталог_этой_программы(), KRUGOLET_DATA_DIR);
}

std::filesystem::path найти_библиотеку() {
    return путь_библиотеки(каталог_этой_программы(), KRUGOLET_DATA_DIR);
}

} // namespace круголет
