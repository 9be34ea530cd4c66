#pragma once

#include "calendar/range.h"
#include "knowledge/library.h"
#include "platform/window.h"
#include "print/print_job.h"

#include <filesystem>

namespace круголет {

// What the program's start decides before the window opens: the printer the report goes to
// (the program's own, made by its `main`, and outliving the window), the range, which is the
// wide one only when the user asked for it, and the library, where the program found it.
struct Параметры_запуска {
    Принтер &принтер;
    Промежуток промежуток = Промежуток::круг_жизни;
    std::filesystem::path библиотека = имя_библиотеки;
};

// What the windowed program does from start to end: the three-dimensional look, the maximized
// main window, and the message loop until it is closed. The process's exit code.
int запустить_круголет(Платформа &платформа, const Параметры_запуска &параметры);

} // namespace круголет
