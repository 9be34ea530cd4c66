#pragma once

#include "calendar/range.h"
#include "platform/window.h"

namespace круголет {

// What the windowed program does from start to end: the three-dimensional look, the maximized
// main window, and the message loop until it is closed. The process's exit code. The range is
// the wide one only when the user asked for it on the command line.
int запустить_круголет(Платформа &платформа, Промежуток промежуток = Промежуток::круг_жизни);

} // namespace круголет
