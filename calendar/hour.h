#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace круголет {

// The old day has 16 hours of 144 parts and begins at 19:00.
struct Время_суток {
    std::int64_t часы;
    std::int64_t части;
};

Время_суток старое_время(int час, int минута);

std::optional<std::string_view> окончание_часов(std::int64_t число);
std::string_view окончание_частей(std::int64_t число);

} // namespace круголет
