#include "print/layout.h"
#include "runtime/utf8.h"

#include <algorithm>

namespace круголет {

std::pair<std::string_view, std::string_view> get_line(std::string_view текст, char разделитель) {
    const std::size_t место = текст.find(разделитель);
    if (место == std::string_view::npos)
        return {текст, {}};
    return {текст.substr(0, место), текст.substr(место + 1)};
}

std::string expand_tabs(int ширина_табуляции, std::string_view строка) {
    return expand_tabs(ширина_табуляции, 0, строка);
}

std::string expand_tabs(int ширина_табуляции, std::size_t столбец, std::string_view строка) {
    const auto ширина =
        static_cast<std::size_t>(std::clamp(ширина_табуляции, 1, static_cast<int>(ширина_ряда)));
    std::string итог;
    итог.reserve(строка.size());
    for (std::size_t таб = строка.find('\t'); таб != std::string_view::npos;
         таб = строка.find('\t')) {
        const std::string_view до = строка.substr(0, таб);
        столбец += число_знаков(до);
        const std::size_t пробелов = ширина - столбец % ширина;
        итог += до;
        итог.append(пробелов, ' ');
        столбец += пробелов;
        строка.remove_prefix(таб + 1);
    }
    итог += строка;
    return итог;
}

} // namespace круголет
