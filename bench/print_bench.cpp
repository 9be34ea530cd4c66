// Lays out 1 MB of text on a print job that only records the strings.

#include "print/print_text.h"
#include "print/recording_job.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace круголет {
namespace {

// Report-like lines: mostly short, every fourth long enough to wrap, some empty, some
// indented by a tab.
std::string отчет_в_мегабайт() {
    constexpr std::array<std::string_view, 8> слова{
        "Лето", "Круга", "Жизни", "Чертог", "Рамхат", "покровитель", "праздник", "Числобога"};
    std::string текст;
    for (std::size_t строка = 0; текст.size() < (1u << 20); ++строка) {
        if (строка % 9 == 0)
            текст += '\t';
        const std::size_t слов = строка % 4 == 3 ? 14 : строка % 11 == 5 ? 0 : 3;
        for (std::size_t i = 0; i < слов; ++i) {
            текст += слова[(строка + i) % слова.size()];
            текст += ' ';
        }
        текст += std::to_string(строка);
        текст += '\n';
    }
    return текст;
}

void BM_печать_отчета_в_мегабайт(benchmark::State &состояние) {
    const std::string текст = отчет_в_мегабайт();
    std::size_t страниц = 0;
    for (auto _ : состояние) {
        Записывающий_принтер принтер;
        benchmark::DoNotOptimize(напечатать_текст(принтер, текст, 6));
        страниц = принтер.запись.страницы.size();
    }
    состояние.SetBytesProcessed(состояние.iterations() * static_cast<std::int64_t>(текст.size()));
    состояние.counters["pages"] = static_cast<double>(страниц);
    состояние.counters["lines"] = static_cast<double>(std::count(текст.begin(), текст.end(), '\n'));
}
BENCHMARK(BM_печать_отчета_в_мегабайт)->Unit(benchmark::kMillisecond);

// The worst case for carrying a cut line over: one line of 1 MB on pages of a single row, so
// that every page leaves almost the whole line to the next.
void BM_строка_в_мегабайт_по_ряду_на_страницу(benchmark::State &состояние) {
    std::string текст;
    while (текст.size() < (1u << 20))
        текст += "Числобога ";
    std::size_t страниц = 0;
    for (auto _ : состояние) {
        Записывающий_принтер принтер;
        принтер.фигуры = {600, 600, 600, 4800};
        benchmark::DoNotOptimize(напечатать_текст(принтер, текст, 6));
        страниц = принтер.запись.страницы.size();
    }
    состояние.SetBytesProcessed(состояние.iterations() * static_cast<std::int64_t>(текст.size()));
    состояние.counters["pages"] = static_cast<double>(страниц);
}
BENCHMARK(BM_строка_в_мегабайт_по_ряду_на_страницу)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace круголет
