#pragma once

#include <filesystem>

namespace круголет {

// The library file as it is shipped, read from the source tree.
inline const std::filesystem::path отгружаемая_библиотека{u8"" KRUGOLET_LIBRARY};

} // namespace круголет
