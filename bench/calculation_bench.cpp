// The whole report for moments spread over the covered span, with the shipped library loaded:
// the values, the composition and the copy of the text into where it goes.

#include "bench/baseline.h"
#include "bench/moments.h"
#include "bench/one_report.h"
#include "bench/shipped_library.h"
#include "calendar/report.h"
#include "knowledge/library.h"

#include <benchmark/benchmark.h>

#include <string>

namespace круголет {
namespace {

// Each iteration takes the next of the moments and writes its report, values and all, with
// `записать`, which gives the report's size (0 for none); the baseline copies a report's worth of
// bytes per iteration.
template <class Запись> void замерить_отчеты(benchmark::State &состояние, Запись записать) {
    Знания знания = встроенные_знания();
    if (загрузить_библиотеку(отгружаемая_библиотека, знания) != Загрузка::выполнена) {
        состояние.SkipWithError("the shipped library does not load");
        return;
    }
    const auto все = моменты_для_замеров(4096);
    std::size_t i = 0, без_отчета = 0, байт = 0;
    const auto начало = Часы::now();
    for (auto _ : состояние) {
        const std::size_t размер = записать(знания, все[i++ % все.size()]);
        без_отчета += размер == 0;
        байт += размер;
    }
    const double своё = наносекунды(Часы::now() - начало);
    if (без_отчета > 0)
        состояние.SkipWithError("a moment inside the span gave no report");
    состояние.counters["report_bytes"] =
        benchmark::Counter(static_cast<double>(байт), benchmark::Counter::kAvgIterations);
    const std::int64_t раз = состояние.iterations();
    указать_базу(состояние, своё, время_копирования(байт / static_cast<std::size_t>(раз), раз));
}

// Into a buffer that is emptied and filled again, as krugolet-cli writes a report on its
// standard output (записать_отчет).
void BM_расчет(benchmark::State &состояние) {
    Буфер_текста буфер;
    замерить_отчеты(состояние, [&буфер](const Знания &знания, const Момент &м) {
        return записать_отчет(знания, м, буфер);
    });
}
BENCHMARK(BM_расчет)->Repetitions(9)->ReportAggregatesOnly(true);

// Into a string of its own, as the window program's report field takes it.
void BM_расчет_в_строку(benchmark::State &состояние) {
    замерить_отчеты(состояние, [](const Знания &знания, const Момент &м) {
        const auto отчет = отчет_момента(знания, м);
        benchmark::DoNotOptimize(отчет);
        return отчет ? отчет->size() : 0;
    });
}
BENCHMARK(BM_расчет_в_строку)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace
} // namespace круголет
