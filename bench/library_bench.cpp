// Loading the library: the shipped file as the program starts, and a synthetic 10 MB file for
// the loader's throughput.

#include "bench/baseline.h"
#include "bench/shipped_library.h"
#include "knowledge/library.h"
#include "runtime/cp1251.h"
#include "runtime/format.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

namespace круголет {
namespace {

using namespace std::string_view_literals;

void BM_загрузка_отгружаемой_библиотеки(benchmark::State &состояние) {
    const auto начало = Часы::now();
    for (auto _ : состояние) {
        Знания знания = встроенные_знания();
        if (загрузить_библиотеку(отгружаемая_библиотека, знания) != Загрузка::выполнена) {
            состояние.SkipWithError("the shipped library does not load");
            return;
        }
        benchmark::DoNotOptimize(знания);
    }
    указать_базу(состояние, наносекунды(Часы::now() - начало),
                 время_чтения(отгружаемая_библиотека, состояние.iterations()));
    состояние.SetBytesProcessed(
        состояние.iterations() *
        static_cast<std::int64_t>(std::filesystem::file_size(отгружаемая_библиотека)));
}
BENCHMARK(BM_загрузка_отгружаемой_библиотеки)->Unit(benchmark::kMicrosecond);

// Rows of every shape the file knows: long texts with escapes, short keys, hexadecimal and
// octal numbers, blanks around the arguments, CR LF line ends.
std::string синтетическая_библиотека(std::size_t размер) {
    constexpr auto абзац = "Лето Белого Жреца, «Чертог Рамхат» №%: светлые помыслы (и дела), "
                           "\\\"слово\\\" Числобога.\\nВторая строка – ещё немного текста."sv;
    std::string байты;
    for (std::int64_t строка = 0; байты.size() < размер; ++строка) {
        const std::string описание = форматировать(абзац, {строка});
        std::string ряды = форматировать("лето(%d, \"%s\")\n", {строка % 144 + 1, описание});
        ряды += форматировать("  четверть( \"Хейлет\" , 0x%d , \"%s\" ) хвост\r\n",
                              {строка % 5, описание});
        ряды += форматировать("праздник(\"Элет\", 0o%d, \"День Наречения\")\n", {строка % 8});
        ряды += форматировать("день(\"Тритейник\", -%d)\n", {строка});
        ряды += "бог(\"Даждьбог1\", \"" + описание + описание + "\")\n";
        байты += в_1251(ряды).value();
    }
    return байты;
}

class Файл_10_МБ {
  public:
    Файл_10_МБ()
        : путь_(std::filesystem::temp_directory_path() / "krugolet-bench-library.txt"),
          байты_(синтетическая_библиотека(10u << 20)) {
        std::ofstream(путь_, std::ios::binary) << байты_;
    }
    ~Файл_10_МБ() { std::filesystem::remove(путь_); }

    const std::filesystem::path &путь() const { return путь_; }
    const std::string &байты() const { return байты_; }

  private:
    std::filesystem::path путь_;
    std::string байты_;
};

void BM_загрузка_файла_10_МБ(benchmark::State &состояние) {
    const Файл_10_МБ файл;
    double своё = 0;
    for (auto _ : состояние) {
        Знания знания;
        const auto начало = Часы::now();
        if (загрузить_библиотеку(файл.путь(), знания) != Загрузка::выполнена) {
            состояние.SkipWithError("the synthetic library does not load");
            return;
        }
        своё += наносекунды(Часы::now() - начало);
        состояние.PauseTiming();
        знания = {};
        состояние.ResumeTiming();
    }
    состояние.SetBytesProcessed(состояние.iterations() *
                                static_cast<std::int64_t>(файл.байты().size()));
    указать_базу(состояние, своё, время_чтения(файл.путь(), состояние.iterations()));
}
BENCHMARK(BM_загрузка_файла_10_МБ)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_разбор_текста_10_МБ(benchmark::State &состояние) {
    const std::string байты = синтетическая_библиотека(10u << 20);
    double своё = 0;
    for (auto _ : состояние) {
        Знания знания;
        const auto начало = Часы::now();
        if (загрузить_библиотеку_из_текста(байты, знания) != Загрузка::выполнена) {
            состояние.SkipWithError("the synthetic library does not load");
            return;
        }
        своё += наносекунды(Часы::now() - начало);
        состояние.PauseTiming();
        знания = {};
        состояние.ResumeTiming();
    }
    состояние.SetBytesProcessed(состояние.iterations() * static_cast<std::int64_t>(байты.size()));
    // Already in memory: the baseline copies the same bytes.
    указать_базу(состояние, своё, время_копирования(байты.size(), состояние.iterations()));
}
BENCHMARK(BM_разбор_текста_10_МБ)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
} // namespace круголет
