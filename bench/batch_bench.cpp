// krugolet-cli --json - as scripts run it: 50,000 moments a line each on its standard input, an
// object a line on its standard output (/dev/null), the tool started as a process of its own.
// Its CPU time per line is set against one report's CPU time, measured in this process in the
// same run as BM_расчет measures it, so "x_report" is a line's cost in reports.

#include "bench/moments.h"
#include "bench/one_report.h"
#include "bench/shipped_library.h"
#include "knowledge/library.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

namespace круголет {
namespace {

constexpr std::size_t строк = 50'000;

double наносекунды(const timeval &время) {
    return 1e9 * static_cast<double>(время.tv_sec) + 1e3 * static_cast<double>(время.tv_usec);
}

// The CPU time, user and system, of the children waited for so far.
double время_потомков() {
    rusage потомки{};
    getrusage(RUSAGE_CHILDREN, &потомки);
    return наносекунды(потомки.ru_utime) + наносекунды(потомки.ru_stime);
}

double время_процесса() {
    timespec время{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &время);
    return 1e9 * static_cast<double>(время.tv_sec) + static_cast<double>(время.tv_nsec);
}

// Runs `krugolet-cli --json -` beside the shipped library, the file on its standard input and
// its output thrown away; its CPU time, or a negative one when it did not end with status 0.
double время_пакета(const std::filesystem::path &ввод) {
    posix_spawn_file_actions_t действия;
    posix_spawn_file_actions_init(&действия);
    posix_spawn_file_actions_addopen(&действия, 0, ввод.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&действия, 1, "/dev/null", O_WRONLY, 0);
    const std::string библиотека = отгружаемая_библиотека.string();
    char *аргументы[] = {const_cast<char *>(KRUGOLET_CLI),
                         const_cast<char *>("--library"),
                         const_cast<char *>(библиотека.c_str()),
                         const_cast<char *>("--json"),
                         const_cast<char *>("-"),
                         nullptr};
    const double до = время_потомков();
    pid_t потомок = 0;
    int статус = -1;
    if (posix_spawn(&потомок, KRUGOLET_CLI, &действия, nullptr, аргументы, environ) == 0)
        waitpid(потомок, &статус, 0);
    posix_spawn_file_actions_destroy(&действия);
    return WIFEXITED(статус) && WEXITSTATUS(статус) == 0 ? время_потомков() - до : -1;
}

// One report's CPU time, as BM_расчет counts it, over the same moments.
double время_отчета(const Знания &знания, const std::vector<Момент> &все) {
    Буфер_текста буфер;
    const double до = время_процесса();
    for (const auto &м : все)
        записать_отчет(знания, м, буфер);
    return (время_процесса() - до) / static_cast<double>(все.size());
}

void BM_пакет_json(benchmark::State &состояние) {
    Знания знания = встроенные_знания();
    if (загрузить_библиотеку(отгружаемая_библиотека, знания) != Загрузка::выполнена) {
        состояние.SkipWithError("the shipped library does not load");
        return;
    }
    const auto все = моменты_для_замеров(строк);
    const auto ввод = std::filesystem::temp_directory_path() /
                      ("krugolet-bench-" + std::to_string(getpid()) + ".txt");
    {
        std::ofstream файл(ввод);
        for (const auto &м : все)
            файл << м.день << '.' << м.месяц << '.' << м.год << ' ' << м.час << ':' << м.минута
                 << '\n';
    }
    const auto пустой = ввод.string() + ".empty";
    std::ofstream{пустой};
    double строки = 0, запуск = 0, отчет = 0;
    for (auto _ : состояние) {
        // A run without lines, for the start and the library's load, which every run pays once.
        const double без_строк = время_пакета(пустой);
        const double со_строками = время_пакета(ввод);
        if (без_строк < 0 || со_строками < 0) {
            состояние.SkipWithError("krugolet-cli --json - did not succeed");
            break;
        }
        запуск += без_строк;
        строки += (со_строками - без_строк) / строк;
        отчет += время_отчета(знания, все);
    }
    std::filesystem::remove(ввод);
    std::filesystem::remove(пустой);
    const auto раз = static_cast<double>(состояние.iterations());
    состояние.counters["line_cpu_ns"] = строки / раз;
    состояние.counters["lines_per_s"] = 1e9 * раз / строки;
    состояние.counters["start_cpu_ms"] = запуск / раз / 1e6;
    состояние.counters["report_cpu_ns"] = отчет / раз;
    состояние.counters["x_report"] = строки / отчет;
}
BENCHMARK(BM_пакет_json)->Iterations(1)->Repetitions(5)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace круголет
