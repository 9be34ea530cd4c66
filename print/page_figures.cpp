#include "print/page_figures.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace круголет {

Разметка_страницы разметка_страницы(Фигуры_принтера принтер, int S) {
    const int dpiX = std::max(принтер.dpiX, 1);
    const int dpiY = std::max(принтер.dpiY, 1);
    const double экран = std::max(S, 1);

    const int Yh = dpiY / 2;
    const double L = 15.0 * dpiY / экран;
    const std::int64_t рядов = std::llround((static_cast<double>(принтер.H) - dpiY) / L - 2);
    const std::int64_t размер = std::llround(10.0 * dpiY / экран);
    return {
        .X = dpiX / 4,
        .Yh = Yh,
        .L = L,
        .шаг = std::llround(L),
        .R = std::max<std::int64_t>(рядов, 1),
        .Y0 = std::llround(Yh + 2 * L),
        .размер_шрифта =
            static_cast<int>(std::min<std::int64_t>(размер, std::numeric_limits<int>::max())),
    };
}

} // namespace круголет
