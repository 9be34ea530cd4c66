// Any bytes as the whole content of the library file: NUL bytes, carriage returns without line
// feeds, lines of any length. The load completes or fails; either way the program then goes on
// to the report for its clock, so the tables it leaves are used for a few moments too.

#include "calendar/report.h"
#include "fuzz/check.h"
#include "knowledge/library.h"

#include <algorithm>
#include <string>

namespace круголет {
namespace {

std::size_t число_строк(const Знания &з) {
    return з.следующий_месяц.строки().size() + з.название_месяца.строки().size() +
           з.название_лета.строки().size() + з.день.строки().size() +
           з.следующий_день.строки().size() + з.следующее_лето_в_круге_лет.строки().size() +
           з.лето.строки().size() + з.четверть.строки().size() + з.день_четверти.строки().size() +
           з.бог.строки().size() + з.описание_чертога.строки().size() + з.праздник.строки().size();
}

// A line feed ends a line; the last line needs none.
std::size_t число_строк_файла(std::string_view байты) {
    const auto переводов = static_cast<std::size_t>(std::ranges::count(байты, '\n'));
    return переводов + (!байты.empty() && !байты.ends_with('\n'));
}

struct Итог_загрузки {
    Загрузка загрузка;
    Знания знания;
};

Итог_загрузки загрузить(std::string_view байты) {
    Итог_загрузки итог{Загрузка::не_удалась, встроенные_знания()};
    итог.загрузка = загрузить_библиотеку_из_текста(байты, итог.знания);
    return итог;
}

// The first moment of the covered span, one inside it, its last minute, and clocks after it.
struct Показание_часов {
    int день, месяц, год, час, минута;
};
constexpr Показание_часов моменты[] = {
    {22, 9, 1868, 19, 0}, {15, 3, 2000, 20, 30}, {22, 9, 2012, 18, 59}, {7, 12, 2025, 12, 0}};

} // namespace
} // namespace круголет

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *данные, std::size_t размер) {
    using namespace круголет;
    const std::string_view байты(reinterpret_cast<const char *>(данные), размер);
    const std::size_t встроенных = число_строк(встроенные_знания());

    const auto итог = загрузить(байты);
    const std::size_t добавлено = число_строк(итог.знания) - встроенных;
    const std::size_t строк_файла = число_строк_файла(байты);
    if (итог.загрузка == Загрузка::выполнена)
        обязательно(добавлено == строк_файла, "a file that loads adds one row for every line");
    else
        обязательно(добавлено < строк_файла, "a load stops at a line that adds no row");

    // Dropping them all first changes nothing, unless that drops a line made of them alone.
    std::string без_возвратов(байты);
    std::erase(без_возвратов, '\r');
    if (число_строк_файла(без_возвратов) == строк_файла) {
        const auto без_возвратов_итог = загрузить(без_возвратов);
        обязательно(без_возвратов_итог.загрузка == итог.загрузка &&
                        число_строк(без_возвратов_итог.знания) == число_строк(итог.знания),
                    "carriage returns are dropped wherever they stand");
    }

    for (const auto &м : моменты)
        отчет_момента(итог.знания, {м.день, м.месяц, м.год, м.час, м.минута});
    return 0;
}
