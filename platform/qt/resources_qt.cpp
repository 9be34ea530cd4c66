#include "platform/qt/resources_qt.h"

#include "resources/resource_ids.h"

#include <array>

namespace круголет {

namespace {

struct Рисунок {
    int ресурс;
    std::string_view путь;
};

constexpr std::array<Рисунок, 3> рисунки{{
    {IDI_KRUGOLET, ":/krugolet/icon.svg"},
    {IDB_STAR, ":/krugolet/star.svg"},
    {IDB_EAGLE, ":/krugolet/eagle.svg"},
}};

} // namespace

std::optional<std::string_view> рисунок_ресурса(int ресурс) {
    for (const Рисунок &р : рисунки)
        if (р.ресурс == ресурс)
            return р.путь;
    return std::nullopt;
}

} // namespace круголет
