// The whole report for moments spread over the covered span, with the shipped library loaded.

#include "bench/baseline.h"
#include "bench/shipped_library.h"
#include "calendar/report.h"
#include "knowledge/library.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace круголет {
namespace {

// Every day of every month occurs, and every hour of the day, over all of 1869..2011 (whole
// years inside the span), so all halls, quarters and holidays are reached.
std::vector<Момент> моменты(std::size_t число) {
    std::mt19937 случай(1868);
    const auto от = [&](int а, int б) { return std::uniform_int_distribution(а, б)(случай); };
    constexpr int дней[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::vector<Момент> итог;
    for (std::size_t i = 0; i < число; ++i) {
        const int месяц = от(1, 12);
        итог.push_back({от(1, дней[месяц - 1]), месяц, от(1869, 2011), от(0, 23), от(0, 59)});
    }
    return итог;
}

void BM_расчет(benchmark::State &состояние) {
    Знания знания = встроенные_знания();
    if (загрузить_библиотеку(отгружаемая_библиотека, знания) != Загрузка::выполнена) {
        состояние.SkipWithError("the shipped library does not load");
        return;
    }
    const auto все = моменты(4096);
    std::size_t i = 0, без_отчета = 0, байт = 0;
    const auto начало = Часы::now();
    for (auto _ : состояние) {
        const auto &м = все[i++ % все.size()];
        const auto отчет = отчет_момента(знания, {м.день, м.месяц, м.год, м.час, м.минута});
        без_отчета += !отчет;
        байт += отчет ? отчет->size() : 0;
        benchmark::DoNotOptimize(отчет);
    }
    const double своё = наносекунды(Часы::now() - начало);
    if (без_отчета > 0)
        состояние.SkipWithError("a moment inside the span gave no report");
    состояние.counters["report_bytes"] =
        benchmark::Counter(static_cast<double>(байт), benchmark::Counter::kAvgIterations);
    // The baseline copies a report's worth of bytes per iteration.
    const std::int64_t раз = состояние.iterations();
    указать_базу(состояние, своё, время_копирования(байт / static_cast<std::size_t>(раз), раз));
}
BENCHMARK(BM_расчет)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace
} // namespace круголет
