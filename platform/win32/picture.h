#pragma once

#include "platform/window.h"

#include <windows.h>

#include <functional>

namespace круголет {

// Draws the bitmap resource stretched into the rectangle that `куда` answers for its size.
void нарисовать_картинку(HDC где, HINSTANCE модуль, int ресурс,
                         const std::function<Прямоугольник(Размер)> &куда);

} // namespace круголет
