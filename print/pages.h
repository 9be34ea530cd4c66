#pragma once

// The printed pages: which text goes on which page, row and position. They depend only on the
// text, the tab width, the printer's figures and the screen's resolution; the print job only
// starts the pages and draws the strings.

#include "print/print_job.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace круголет {

inline constexpr std::string_view название_круголета = "ДА'АРИЙСКИЙ КРУГОЛЕТ ЧИСЛОБОГА";
inline constexpr std::string_view шаблон_колонтитула = "%s           -%d-";
inline constexpr std::string_view семейство_шрифта = "Times New Roman";

// What is still to print: the line in hand, tabs expanded, from where its printing stopped, then
// the rest of the report. A page that fills in the middle of a line leaves that line's tail in
// hand, and it starts the next page as a line of its own. Keeping it apart from the rest, instead
// of joining the two with a line feed, spares copying the whole rest at every such page.
struct Текст {
    std::string строка;
    std::size_t начало = 0;
    std::string_view после;

    std::string_view хвост() const { return std::string_view(строка).substr(начало); }
    bool пуст() const { return хвост().empty() && после.empty(); }
};

inline Текст весь_текст(std::string_view отчет) {
    return {{}, 0, отчет};
}

void напечатать_страницы(Задание_печати &задание, std::string_view заголовок,
                         std::int64_t номер_страницы, Фигуры_принтера принтер, int ширина_табуляции,
                         Текст текст);
// Prints one page; gives back the text that did not fit on it.
Текст напечатать_страницу(Задание_печати &задание, std::string_view заголовок,
                          std::int64_t номер_страницы, Фигуры_принтера принтер, Текст текст,
                          int ширина_табуляции);
// Prints lines from y downward until the text is used up or the page is full.
Текст напечатать_строки_страницы(Задание_печати &задание, int x, std::int64_t y, std::int64_t шаг,
                                 std::int64_t рядов, std::int64_t рядов_на_странице, Текст текст,
                                 int ширина_табуляции);

struct Итог_строки {
    std::int64_t рядов;       // rows the line took, the last short or empty one included
    std::string_view остаток; // the end of the line that did not fit on the page
};
// Prints one line, wrapped, on a page that already holds `рядов` of its `рядов_на_странице`.
Итог_строки напечатать_строку(Задание_печати &задание, int x, std::int64_t y, std::int64_t шаг,
                              std::string_view строка, std::int64_t рядов,
                              std::int64_t рядов_на_странице);

// The line in hand, or else the next line of the report with its tabs expanded.
Текст следующая_строка(Текст текст, int ширина_табуляции);
// The text with the unprinted end of the line in hand (a suffix of its tail) left to be printed
// first.
Текст текст_с_остатком(Текст текст, std::string_view остаток);

} // namespace круголет
