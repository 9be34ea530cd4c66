#include "print/lines.h"
#include "print/wrap.h"
#include "runtime/utf8.h"

#include <algorithm>

namespace круголет {

std::pair<std::string_view, std::string_view> до_и_после_разделителя(std::string_view текст,
                                                                     char разделитель) {
    const std::size_t место = текст.find(разделитель);
    if (место == std::string_view::npos)
        return {текст, {}};
    return {текст.substr(0, место), текст.substr(место + 1)};
}

std::string строка_без_табуляций(int ширина_табуляции, std::string_view строка) {
    return строка_без_табуляций(ширина_табуляции, 0, строка);
}

std::string строка_без_табуляций(int ширина_табуляции, std::size_t столбец,
                                 std::string_view строка) {
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
