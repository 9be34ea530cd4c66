#pragma once

// The printed page: which text goes on which page, row and position. It depends only on the
// text, the tab width, the printer's figures and the screen's resolution; the print job only
// starts the pages and draws the strings.

#include "print/print_job.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace круголет {

inline constexpr std::string_view заголовок_задания = "Печать текста...";
inline constexpr std::string_view название_круголета = "ДА'АРИЙСКИЙ КРУГОЛЕТ ЧИСЛОБОГА";
inline constexpr std::string_view шаблон_колонтитула = "%s           -%d-";
inline constexpr std::string_view семейство_шрифта = "Times New Roman";
// Rows wrap at this many characters.
inline constexpr std::size_t ширина_ряда = 80;

// The figures of one page.
struct Разметка_страницы {
    int X;             // left margin, a quarter inch
    int Yh;            // header baseline, half an inch down
    double L;          // line step
    std::int64_t шаг;  // line step in dots
    std::int64_t R;    // rows per page
    std::int64_t Y0;   // baseline of the first row
    int размер_шрифта; // 10 points on paper
};

// Resolutions below one dot per inch are taken as one, and a page too small for a single row
// still gets one, so that any figures lay out and every page takes some text.
Разметка_страницы разметка_страницы(Фигуры_принтера принтер, int S);

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

void print_pages(Задание_печати &задание, std::string_view заголовок, std::int64_t номер_страницы,
                 Фигуры_принтера принтер, int ширина_табуляции, Текст текст);
// Prints one page; gives back the text that did not fit on it.
Текст print_page(Задание_печати &задание, std::string_view заголовок, std::int64_t номер_страницы,
                 Фигуры_принтера принтер, Текст текст, int ширина_табуляции);
// Prints lines from y downward until the text is used up or the page holds R rows.
Текст print_pagelines(Задание_печати &задание, int x, std::int64_t y, std::int64_t шаг,
                      std::int64_t рядов, std::int64_t R, Текст текст, int ширина_табуляции);

struct Итог_строки {
    std::int64_t рядов;       // rows the line took, the last short or empty one included
    std::string_view остаток; // the end of the line that did not fit on the page
};
// Prints one line, wrapped, on a page that already holds `рядов` of its R rows.
Итог_строки print_line(Задание_печати &задание, int x, std::int64_t y, std::int64_t шаг,
                       std::string_view строка, std::int64_t рядов, std::int64_t R);

// The line in hand, or else the next line of the report with its tabs expanded.
Текст следующая_строка(Текст текст, int ширина_табуляции);
// Leaves the unprinted end of the line in hand (a suffix of its tail) to be printed first.
Текст myconcat(Текст текст, std::string_view остаток);

// The text before the first separator and the text after it; with no separator, all of it and "".
std::pair<std::string_view, std::string_view> get_line(std::string_view текст, char разделитель);

// Tab stops lie every `ширина_табуляции` characters from column 0 at the line's start. A width
// below 1 is taken as 1; one past the row width as the row width, since a wider stop only adds
// rows of blanks and would let a wild width blow a line up without bound.
std::string expand_tabs(int ширина_табуляции, std::string_view строка);
std::string expand_tabs(int ширина_табуляции, std::size_t столбец, std::string_view строка);

// Cuts the first row off a line of at least 80 characters: at the blank after the 80th character
// (dropped), after a blank 80th character, after the last blank before it, or, with no blank
// among the first 80 characters, hard after the 80th.
std::pair<std::string_view, std::string_view> отрезать_строку(std::string_view строка);

// The text up to and including its last blank among the first `позиция` characters; no result
// when there is none.
std::optional<std::string_view> назад_до_пробела(std::size_t позиция, std::string_view текст);

} // namespace круголет
