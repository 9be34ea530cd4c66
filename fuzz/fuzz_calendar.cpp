// Any five 32-bit integers handed to the computation, with the shipped library loaded: moments
// outside the covered span, impossible dates and times. The computation gives a report or none,
// and every moment that the input checks let through has one.

#include "calendar/input_check.h"
#include "calendar/report.h"
#include "calendar/values.h"
#include "calendar/year.h"
#include "fuzz/check.h"
#include "fuzz/input_bytes.h"
#include "fuzz/shipped_library.h"

#include <string>

namespace круголет {
namespace {

bool принимается(const Момент &м) {
    const auto длина = длительность_месяца(м.месяц, м.год);
    return длина && м.день >= 1 && м.день <= *длина && м.год >= 1868 && м.год <= 2012 &&
           м.час >= 0 && м.час <= 23 && м.минута >= 0 && м.минута <= 59 && в_промежутке(м);
}

std::string первая_строка(const Момент &м) {
    return "Дата и время по Григорианскому Календарю:  " + std::to_string(м.час) + "час." +
           std::to_string(м.минута) + "мин.   " + std::to_string(м.день) + "." +
           std::to_string(м.месяц) + "." + std::to_string(м.год) + "г.\n\n";
}

void проверить_значения(const Значения_момента &р) {
    обязательно(р.лето_в_круге_жизни >= 1 && р.лето_в_круге_жизни <= 144,
                "a moment of the span lies in years 1..144 of the Circle of Life");
    обязательно(р.лето_в_круге_лет == (р.лето_в_круге_жизни - 1) % 16 + 1,
                "the year of the Circle of Years follows from the year of the Circle of Life");
    обязательно(р.число >= 1 && р.число <= 41, "a day of the month lies in 1..41");
    обязательно(р.часы >= 0 && р.часы <= 15 && р.части >= 0 && р.части <= 143,
                "a time of day lies in 16 hours of 144 parts");
}

} // namespace
} // namespace круголет

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *данные, std::size_t размер) {
    using namespace круголет;
    Входные_байты вход(данные, размер);
    Момент м{};
    м.день = вход.целое();
    м.месяц = вход.целое();
    м.год = вход.целое();
    м.час = вход.целое();
    м.минута = вход.целое();

    const Знания &знания = знания_из_файла();
    const auto отчет = отчет_момента(знания, {м.день, м.месяц, м.год, м.час, м.минута});
    обязательно(отчет == отчет_момента(знания, {м.день, м.месяц, м.год, м.час, м.минута}),
                "the same moment always gives the same report");

    if (принимается(м)) {
        обязательно(отчет.has_value(), "every moment of the covered span has a report");
        проверить_значения(*значения_момента(знания, {м.день, м.месяц, м.год, м.час, м.минута}));
    }
    if (отчет) {
        обязательно(м.год >= 1868 && м.год <= 2012 && м.месяц >= 1 && м.месяц <= 12,
                    "a report is given only for a month and year of the covered span");
        обязательно(отчет->starts_with(первая_строка(м)), "the report opens with the moment");
        обязательно(отчет->ends_with("\n\n"), "the report ends in an empty line");
    }
    return 0;
}
