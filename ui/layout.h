#pragma once

#include "platform/window.h"

#include <string_view>

namespace круголет {

// The main window's controls are placed in percentages of a reference width and height
// (the screen's, not the client area's), each percentage rounded to the nearest pixel.

// Lays out all fifteen controls of the main window.
void разместить_элементы(Окно &окно, int ширина, int высота);

// Moves the control to the rectangle given in percentages.
void разместить_в_процентах(Окно &окно, double лево, double верх, double право, double низ,
                            int номер, int высота, int ширина);

struct Правый_нижний {
    double право;
    double низ;
};

// Places the control at (left %, top %) just large enough for the sample text in the window's
// font, and gives back its right and bottom edges as unrounded percentages, so that the next
// control of a row can start exactly where this one ends.
Правый_нижний разместить_по_образцу(Окно &окно, double лево, double верх, int номер,
                                    std::string_view образец, int высота, int ширина);

int большее_из(int первое, int второе);

} // namespace круголет
