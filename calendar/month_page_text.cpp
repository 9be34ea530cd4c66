#include "calendar/month_page_text.h"

#include "calendar/day_text.h"
#include "calendar/month_and_weekday_names.h"
#include "runtime/format.h"
#include "runtime/utf8.h"

#include <algorithm>

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
    std::string текст(день.дата.число < 10 ? " " : "");
    дописать_число(текст, день.дата.число);
    текст += ' ';
    дописать_число(текст, день.начало.день, 2);
    текст += '.';
    дописать_число(текст, день.начало.месяц, 2);
    if (день.праздник)
        текст += '*';
    return текст;
}

// The lines of the grid, each cell padded with blanks to its column; a line ends with its last
// cell, so no blanks trail it.
class Сетка {
  public:
    explicit Сетка(std::string &текст) : текст_(текст) {}

    void ячейка(std::size_t столбец, std::string_view ячейка) {
        текст_.append(столбец * ширина_ - занято_, ' ');
        текст_ += ячейка;
        занято_ = столбец * ширина_ + число_знаков(ячейка);
    }

    void конец_строки() {
        текст_ += '\n';
        занято_ = 0;
    }

  private:
    std::string &текст_;
    const std::size_t ширина_ = ширина_столбца();
    std::size_t занято_ = 0;
};

} // namespace

std::string текст_страницы(const Страница_месяца &страница) {
    if (страница.дни.empty())
        return {};
    std::string текст = сцепленные({страница.имя, " ", std::to_string(страница.лето), " лета: с ",
                                    время_и_дата(страница.дни.front().начало), " до ",
                                    время_и_дата(страница.дни.back().конец), "\n\n"});
    Сетка сетка(текст);
    for (std::size_t столбец = 0; столбец < дни_недели.size(); ++столбец)
        сетка.ячейка(столбец, дни_недели[столбец]);
    сетка.конец_строки();
    std::size_t столбец = static_cast<std::size_t>(страница.первый_столбец) - 1;
    for (const auto &день : страница.дни) {
        сетка.ячейка(столбец, ячейка(день));
        if (++столбец == дни_недели.size()) {
            сетка.конец_строки();
            столбец = 0;
        }
    }
    if (столбец != 0)
        сетка.конец_строки();

    текст += "\nРядом с числом дня — григорианская дата его начала (в 19:00); * — праздник.\n";
    if (std::any_of(страница.дни.begin(), страница.дни.end(),
                    [](const День_круголета &день) { return день.праздник.has_value(); })) {
        текст += '\n';
        текст += список_праздников("Праздники:", страница.дни);
    }
    return текст;
}

} // namespace круголет
