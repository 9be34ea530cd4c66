#pragma once

// Where the rows of a page go: they depend only on the printer's figures and the screen's
// resolution.

#include "print/print_job.h"

#include <cstdint>

namespace круголет {

// Printer dots from the top left corner of the printable area.
struct Разметка_страницы {
    int левое_поле;        // a quarter inch
    int линия_колонтитула; // the header's baseline, half an inch down
    double высота_строки;  // from one row's baseline to the next
    std::int64_t шаг;      // the line height rounded to whole dots
    std::int64_t рядов_на_странице;
    std::int64_t линия_первого_ряда; // the baseline of the first row
    int размер_шрифта;               // 10 points on paper
};

// Resolutions below one dot per inch are taken as one, and a page too small for a single row
// still gets one, so that any figures lay out and every page takes some text.
Разметка_страницы разметка_страницы(Фигуры_принтера принтер, int разрешение_экрана);

} // namespace круголет
