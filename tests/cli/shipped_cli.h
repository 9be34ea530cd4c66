#pragma once

// krugolet-cli with the shipped library, as the tests of its views run it.

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace круголет::тесты {

struct Запуск {
    int код;
    std::string вывод;
    std::string ошибки;
};

inline std::string прочитать(const std::filesystem::path &файл) {
    std::ifstream f(файл, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// The arguments through the shell, after the environment and command given in front of the
// program (faketime and its clock).
inline Запуск запустить(const std::string &аргументы, const std::string &перед = "") {
    namespace fs = std::filesystem;
    const fs::path папка =
        fs::temp_directory_path() / ("krugolet-views-" + std::to_string(::getpid()));
    fs::create_directories(папка);
    const std::string команда = перед + " '" KRUGOLET_CLI "' --library '" KRUGOLET_LIBRARY "' " +
                                аргументы + " >'" + (папка / "out").string() + "' 2>'" +
                                (папка / "err").string() + "'";
    const int статус = std::system(команда.c_str());
    Запуск запуск{WIFEXITED(статус) ? WEXITSTATUS(статус) : -1, прочитать(папка / "out"),
                  прочитать(папка / "err")};
    fs::remove_all(папка);
    return запуск;
}

} // namespace круголет::тесты
