#pragma once

#include "knowledge/library.h"
#include "platform/window.h"

#include <filesystem>

namespace круголет {

// What the windowed program does from start to end: the three-dimensional look, the maximized
// main window, and the message loop until it is closed. The process's exit code.
int запустить_круголет(Платформа &платформа,
                       const std::filesystem::path &библиотека = имя_библиотеки);

} // namespace круголет
