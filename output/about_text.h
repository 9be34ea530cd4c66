#pragma once

#include "krugolet_version.h"

#include <array>
#include <string>
#include <string_view>

namespace круголет {

// The lines about the program above the About text, as the window and the page show them: the
// name, the version with its release date, and how it was written.
inline constexpr std::array<std::string_view, 3> строки_о_программе{
    "Krugolet — Да'Арийский Круголет Числобога",
    KRUGOLET_VERSION_LINE,
    "Свободная программа, написана заново на C++",
};

// The description of the program and of the calendar that the About window and the page show.
std::string текст_о_программе();

} // namespace круголет
