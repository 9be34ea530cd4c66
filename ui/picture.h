#pragma once

#include "platform/window.h"

#include <cmath>

namespace круголет {

// The width a picture keeps its proportions at when stretched to the height; the product is
// formed in integers and the quotient rounded. A picture without height has no width.
inline int ширина_по_высоте(Размер картинка, int высота) {
    if (картинка.высота <= 0)
        return 0;
    return static_cast<int>(
        std::lround(static_cast<double>(картинка.ширина * высота) / картинка.высота));
}

} // namespace круголет
