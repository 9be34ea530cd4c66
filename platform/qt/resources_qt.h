#pragma once

#include <optional>
#include <string_view>

namespace круголет {

// The program's icon and pictures as drawings compiled into the program (resources/*.svg),
// by the ids the windows know them by; nothing for an id that is no drawing.
std::optional<std::string_view> рисунок_ресурса(int ресурс);

} // namespace круголет
