#pragma once

// On the shared machine absolute times vary by a factor of two between runs; the ratio of a case
// to a plain baseline of the same amount of work, measured in the same run, varies far less.
// Each case therefore times its own work and a baseline and prints both: "base_ns" is the
// baseline's wall time per iteration, "x_base" the case's wall time divided by the baseline's.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

namespace круголет {

using Часы = std::chrono::steady_clock;

inline double наносекунды(Часы::duration время) {
    return std::chrono::duration<double, std::nano>(время).count();
}

inline void указать_базу(benchmark::State &состояние, double своё_нс, double база_нс) {
    состояние.counters["base_ns"] = база_нс / static_cast<double>(состояние.iterations());
    состояние.counters["x_base"] = своё_нс / база_нс;
}

// memcpy of `байт` bytes, `раз` times over; the whole time in nanoseconds.
inline double время_копирования(std::size_t байт, std::int64_t раз) {
    const std::vector<char> откуда(байт, 'x');
    std::vector<char> куда(байт);
    const auto начало = Часы::now();
    for (std::int64_t i = 0; i < раз; ++i) {
        std::memcpy(куда.data(), откуда.data(), байт);
        benchmark::ClobberMemory();
    }
    return наносекунды(Часы::now() - начало);
}

// fread of the whole file into memory, `раз` times over; the whole time in nanoseconds.
inline double время_чтения(const std::filesystem::path &файл, std::int64_t раз) {
    std::vector<char> байты(std::filesystem::file_size(файл));
    const auto начало = Часы::now();
    for (std::int64_t i = 0; i < раз; ++i) {
        std::FILE *f = std::fopen(файл.c_str(), "rb");
        if (f == nullptr)
            return 0;
        benchmark::DoNotOptimize(std::fread(байты.data(), 1, байты.size(), f));
        std::fclose(f);
    }
    return наносекунды(Часы::now() - начало);
}

} // namespace круголет
