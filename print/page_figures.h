#pragma once

// Where the rows of a page go: they depend only on the printer's figures and the screen's
// resolution.

#include "print/print_job.h"

#include <cstdint>

namespace круголет {

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

} // namespace круголет
