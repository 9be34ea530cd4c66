#pragma once

#include "calendar/month_page.h"
#include "knowledge/tables.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <variant>

namespace круголет {

// A whole year from the Creation at a glance: its name, its places in the Circles and its nine
// month pages, each the one страница_месяца gives.
struct Страница_лета {
    int лето;
    // Without the line feed that ends it in the library.
    std::string_view название;
    std::int64_t круг_жизни;
    std::int64_t в_круге_жизни; // 1..144
    std::int64_t в_круге_лет;   // 1..16
    // The sixteenth year of the Circle of Years, whose nine months all have 41 days.
    bool священное;
    std::array<Страница_месяца, 9> месяцы;
};

std::variant<Страница_лета, Отказ> страница_лета(const Знания &знания, int лето);

// 365, or 369 in a sacred year.
std::size_t дней_лета(const Страница_лета &страница);

} // namespace круголет
