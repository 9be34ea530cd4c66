// The calendar views as krugolet-cli writes them: a month page as text, a Gregorian year's
// holidays as an iCalendar file, a kept day's hundred returns as text. Each is set against whole
// reports timed in the same run, so its "x_base" is its time in reports.

#include "bench/baseline.h"
#include "bench/one_report.h"
#include "bench/shipped_library.h"
#include "calendar/icalendar.h"
#include "calendar/kept_day_text.h"
#include "calendar/month_page_text.h"
#include "calendar/year_holidays.h"
#include "knowledge/library.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <optional>

namespace круголет {
namespace {

std::optional<Знания> знания_с_библиотекой() {
    Знания знания = встроенные_знания();
    if (загрузить_библиотеку(отгружаемая_библиотека, знания) != Загрузка::выполнена)
        return std::nullopt;
    return знания;
}

// The time of `раз` reports, in nanoseconds, measured over at least 10,000 reports of moments
// spread over the covered span, so that a case of few iterations gets a steady baseline too.
double время_отчетов(const Знания &знания, std::int64_t раз) {
    const std::int64_t отчетов = std::max<std::int64_t>(раз, 10'000);
    Буфер_текста буфер;
    const auto начало = Часы::now();
    for (std::int64_t i = 0; i < отчетов; ++i) {
        const int n = static_cast<int>(i);
        записать_отчет(знания, {1 + n % 28, 1 + n % 12, 1869 + n % 143, n % 24, n % 60}, буфер);
    }
    return наносекунды(Часы::now() - начало) * static_cast<double>(раз) /
           static_cast<double>(отчетов);
}

void BM_страница_месяца(benchmark::State &состояние) {
    const auto знания = знания_с_библиотекой();
    if (!знания) {
        состояние.SkipWithError("the shipped library does not load");
        return;
    }
    int i = 0;
    const auto начало = Часы::now();
    for (auto _ : состояние) {
        const int лето = первое_лето + i / 9 % (последнее_лето - первое_лето + 1);
        const auto страница = страница_месяца(*знания, лето, 1 + i++ % 9);
        benchmark::DoNotOptimize(текст_страницы(std::get<Страница_месяца>(страница)));
    }
    указать_базу(состояние, наносекунды(Часы::now() - начало),
                 время_отчетов(*знания, состояние.iterations()));
}
BENCHMARK(BM_страница_месяца)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_icalendar_года(benchmark::State &состояние) {
    const auto знания = знания_с_библиотекой();
    if (!знания) {
        состояние.SkipWithError("the shipped library does not load");
        return;
    }
    const auto файл_года = [&](int год) {
        return файл_icalendar(std::get<std::vector<День_круголета>>(праздники_года(*знания, год)),
                              {"1.2.0", "20261208T000000Z"});
    };
    // The lines of each year's file (CR LF each), counted before the files are timed.
    std::array<std::size_t, последний_год - первый_год + 1> строк_года{};
    for (int год = первый_год; год <= последний_год; ++год) {
        const auto файл = файл_года(год);
        строк_года[год - первый_год] =
            static_cast<std::size_t>(std::count(файл.begin(), файл.end(), '\n'));
    }
    std::size_t i = 0, байт = 0, строк = 0;
    const auto начало = Часы::now();
    for (auto _ : состояние) {
        const std::size_t год = i++ % строк_года.size();
        const auto файл = файл_года(первый_год + static_cast<int>(год));
        байт += файл.size();
        строк += строк_года[год];
        benchmark::DoNotOptimize(файл);
    }
    const double своё = наносекунды(Часы::now() - начало);
    указать_базу(состояние, своё, время_отчетов(*знания, состояние.iterations()));
    состояние.counters["file_bytes"] =
        benchmark::Counter(static_cast<double>(байт), benchmark::Counter::kAvgIterations);
    // A line's time in reports, and lines a second.
    состояние.counters["file_lines"] =
        benchmark::Counter(static_cast<double>(строк), benchmark::Counter::kAvgIterations);
    состояние.counters["lines_per_s"] = 1e9 * static_cast<double>(строк) / своё;
    состояние.counters["line_x_base"] = состояние.counters["x_base"] *
                                        static_cast<double>(состояние.iterations()) /
                                        static_cast<double>(строк);
}
BENCHMARK(BM_icalendar_года)->Repetitions(9)->ReportAggregatesOnly(true);

// krugolet-cli --birthday … --years 100: the moment's old day, a hundred returns from its own year
// on, and their text; births on the evenings of days spread over 1801 to 1998, so that a hundred
// years from each stay inside the range.
void BM_сто_возвращений(benchmark::State &состояние) {
    const auto знания = знания_с_библиотекой();
    if (!знания) {
        состояние.SkipWithError("the shipped library does not load");
        return;
    }
    int i = 0;
    const auto начало = Часы::now();
    for (auto _ : состояние) {
        const Момент рождение{1 + i % 28, 1 + i % 12, 1801 + i * 7 % 198, 19 + i % 5, i % 60};
        ++i;
        const auto дата = памятная_дата(*знания, рождение);
        auto в = возвращения(*знания, дата->дата, дата->дата.лето, 100);
        const Памятный_день день{"Мирослава", Вид_памятного_дня::день_рождения, рождение, *дата,
                                 std::move(std::get<std::vector<Возвращение>>(в))};
        benchmark::DoNotOptimize(текст_памятного_дня(день));
    }
    указать_базу(состояние, наносекунды(Часы::now() - начало),
                 время_отчетов(*знания, состояние.iterations()));
}
BENCHMARK(BM_сто_возвращений)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace
} // namespace круголет
