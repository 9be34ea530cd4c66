#include "calendar/month_page_text.h"

#include "calendar/day_text.h"
#include "calendar/names.h"
#include "runtime/utf8.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace круголет {
namespace {

// Every column is as wide as the longest weekday name, with one blank between columns.
std::size_t ширина_столбца() {
    std::size_t ширина = 0;
    for (const auto имя : дни_недели)
        ширина = std::max(ширина, число_знаков(имя));
    return ширина + 1;
}

// " 1 19.09*": the old day, the Gregorian day on whose evening it begins, and a star for a
// holiday.
std::string ячейка(const День_круголета &день) {
    char текст[64];
    const int длина = std::snprintf(текст, sizeof текст, "%2d %02d.%02d%s", день.дата.число,
                                    день.начало.день, день.начало.месяц, день.праздник ? "*" : "");
    return std::string(текст, static_cast<std::size_t>(длина));
}

// Cells padded to the column width, the last one not, and no blanks at the end of the line.
void дописать_ряд(std::string &текст, const std::vector<std::string> &ячейки) {
    const std::size_t ширина = ширина_столбца();
    std::string ряд;
    for (const auto &я : ячейки) {
        ряд += я;
        ряд.append(ширина - std::min(ширина, число_знаков(я)), ' ');
    }
    ряд.erase(ряд.find_last_not_of(' ') + 1);
    текст += ряд;
    текст += '\n';
}

} // namespace

std::string текст_страницы(const Страница_месяца &страница) {
    std::string текст;
    if (страница.дни.empty())
        return текст;
    текст += std::string(страница.имя) + " " + std::to_string(страница.лето) + " лета: с " +
             время_и_дата(страница.дни.front().начало) + " до " +
             время_и_дата(страница.дни.back().конец) + "\n\n";

    дописать_ряд(текст, std::vector<std::string>(дни_недели.begin(), дни_недели.end()));
    std::vector<std::string> ряд(static_cast<std::size_t>(страница.первый_столбец) - 1);
    for (const auto &день : страница.дни) {
        ряд.push_back(ячейка(день));
        if (ряд.size() == дни_недели.size()) {
            дописать_ряд(текст, ряд);
            ряд.clear();
        }
    }
    if (!ряд.empty())
        дописать_ряд(текст, ряд);

    текст += "\nРядом с числом дня — григорианская дата его начала (в 19:00); * — праздник.\n";
    std::vector<День_круголета> праздники;
    std::copy_if(страница.дни.begin(), страница.дни.end(), std::back_inserter(праздники),
                 [](const День_круголета &день) { return день.праздник.has_value(); });
    if (!праздники.empty()) {
        текст += '\n';
        текст += список_праздников("Праздники:", праздники);
    }
    return текст;
}

} // namespace круголет
