#include "calendar/names.h"

namespace круголет {

std::optional<int> номер_месяца(std::string_view месяц) {
    for (std::size_t место = 0; место < месяцы.size(); ++место)
        if (месяцы[место] == месяц)
            return static_cast<int>(место) + 1;
    return std::nullopt;
}

} // namespace круголет
