#include "runtime/format.h"

#include <string>
#include <variant>

namespace круголет {

namespace {

void вставить(std::string &итог, const Значение &значение) {
    if (const auto *число = std::get_if<std::int64_t>(&значение))
        итог += std::to_string(*число);
    else
        итог += std::get<std::string_view>(значение);
}

// The letter that, right after "%", belongs to the placeholder for this kind of value.
char буква_вида(const Значение &значение) {
    return std::holds_alternative<std::int64_t>(значение) ? 'd' : 's';
}

} // namespace

std::string форматировать(std::string_view шаблон, std::initializer_list<Значение> значения) {
    std::string итог;
    итог.reserve(шаблон.size());
    auto следующее = значения.begin();
    for (std::size_t i = 0; i < шаблон.size(); ++i) {
        if (шаблон[i] != '%' || следующее == значения.end()) {
            итог += шаблон[i];
            continue;
        }
        вставить(итог, *следующее);
        if (i + 1 < шаблон.size() && шаблон[i + 1] == буква_вида(*следующее))
            ++i;
        ++следующее;
    }
    return итог;
}

} // namespace круголет
