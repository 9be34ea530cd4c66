#include "calendar/month_and_weekday_names.h"

#include "runtime/integer_text.h"
#include "runtime/utf8.h"

namespace круголет {

std::optional<int> месяц_из_текста(std::string_view текст) {
    if (const auto число = прочитать_целое(текст)) {
        if (*число < 1 || *число > 9)
            return std::nullopt;
        return *число;
    }
    const std::string имя = строчными(текст);
    for (std::size_t место = 0; место < месяцы.size(); ++место)
        if (строчными(месяцы[место]) == имя)
            return static_cast<int>(место) + 1;
    return std::nullopt;
}

} // namespace круголет
