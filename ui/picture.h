#pragma once

#include "platform/window.h"

#include <cmath>

namespace круголет {

// The width a picture keeps its proportions at when stretched to the height; the product is
// formed in integers and the quotient rounded.
inline int ширина_по_высоте(Размер картинка, int высота) {
    return static_cast<int>(
        std::lround(static_cast<double>(картинка.ширина * высота) / картинка.высота));
}

} // namespace круголет
