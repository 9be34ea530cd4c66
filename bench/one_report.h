#pragma once

#include "calendar/report.h"
#include "runtime/text_buffer.h"

#include <benchmark/benchmark.h>

namespace круголет {

// One report as the benchmarks count it: the values of the moment and the report written into a
// buffer that is emptied and filled again, as krugolet-cli writes a report on its standard
// output. The report's size, or 0 for a moment without one.
inline std::size_t записать_отчет(const Знания &знания, const Момент &м, Буфер_текста &буфер,
                                  Промежуток промежуток = Промежуток::круг_жизни) {
    const auto р = значения_момента(знания, м, промежуток);
    if (!р)
        return 0;
    буфер.очистить();
    буфер.занять(записанный_отчет(буфер.место(наибольший_размер_отчета(*р)), *р, м));
    benchmark::DoNotOptimize(буфер.текст().data());
    benchmark::ClobberMemory();
    return буфер.размер();
}

} // namespace круголет
