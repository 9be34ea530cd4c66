// Runs a fuzz target's entry function once on every input it is given, as libFuzzer does with
// files on its command line but without fuzzing: each file named, and every file under each
// directory named (except hidden ones such as .gitkeep), in name order. An input that crashes or
// breaks a promise ends the program; one that runs longer than a fuzz run allows fails it.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *данные, std::size_t размер);

namespace {

namespace fs = std::filesystem;

// The -timeout of scripts/fuzz.
constexpr auto предел = std::chrono::seconds(10);

std::vector<fs::path> входы(int argc, char **argv) {
    std::vector<fs::path> файлы;
    for (int i = 1; i < argc; ++i) {
        const fs::path путь = argv[i];
        if (!fs::is_directory(путь)) {
            файлы.push_back(путь);
            continue;
        }
        for (const auto &элемент : fs::recursive_directory_iterator(путь))
            if (элемент.is_regular_file() && !элемент.path().filename().string().starts_with("."))
                файлы.push_back(элемент.path());
    }
    std::ranges::sort(файлы);
    return файлы;
}

} // namespace

int main(int argc, char **argv) {
    int медленных = 0;
    const auto файлы = входы(argc, argv);
    for (const auto &файл : файлы) {
        std::ifstream вход(файл, std::ios::binary);
        if (!вход) {
            std::cerr << "cannot read " << файл << "\n";
            return 1;
        }
        const std::string байты{std::istreambuf_iterator<char>(вход), {}};
        std::cout << "replaying " << файл.string() << std::endl;
        const auto начало = std::chrono::steady_clock::now();
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(байты.data()), байты.size());
        const auto прошло = std::chrono::steady_clock::now() - начало;
        if (прошло > предел) {
            std::cerr << файл << " ran for "
                      << std::chrono::duration_cast<std::chrono::milliseconds>(прошло).count()
                      << " ms\n";
            ++медленных;
        }
    }
    std::cout << файлы.size() << " inputs replayed, " << медленных << " too slow\n";
    return медленных == 0 && !файлы.empty() ? 0 : 1;
}
