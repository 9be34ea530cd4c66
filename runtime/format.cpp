#include "runtime/format.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <variant>

namespace круголет {

namespace {

void вставить(std::string &итог, const Значение &значение) {
    if (const auto *число = std::get_if<std::int64_t>(&значение)) {
        char цифры[24];
        итог.append(цифры, std::to_chars(цифры, std::end(цифры), *число).ptr);
    } else {
        итог += std::get<std::string_view>(значение);
    }
}

// The letter that, right after "%", belongs to the placeholder for this kind of value.
char буква_вида(const Значение &значение) {
    return std::holds_alternative<std::int64_t>(значение) ? 'd' : 's';
}

std::size_t размер_вставок(std::initializer_list<Значение> значения) {
    std::size_t размер = 0;
    for (const auto &значение : значения) {
        const auto *текст = std::get_if<std::string_view>(&значение);
        размер += текст ? текст->size() : 20;
    }
    return размер;
}

} // namespace

void дописать_по_шаблону(std::string &текст, std::string_view шаблон,
                         std::initializer_list<Значение> значения) {
    for (const auto &значение : значения) {
        const auto процент = шаблон.find('%');
        текст += шаблон.substr(0, процент);
        if (процент == std::string_view::npos)
            return;
        вставить(текст, значение);
        шаблон.remove_prefix(процент + 1);
        if (шаблон.starts_with(буква_вида(значение)))
            шаблон.remove_prefix(1);
    }
    текст += шаблон;
}

std::string форматировать(std::string_view шаблон, std::initializer_list<Значение> значения) {
    std::string итог;
    итог.reserve(шаблон.size() + размер_вставок(значения));
    дописать_по_шаблону(итог, шаблон, значения);
    return итог;
}

void дописать_число(std::string &текст, std::int64_t число, int цифр) {
    char цифры[24];
    const auto конец = std::to_chars(цифры, std::end(цифры), число).ptr;
    текст.append(static_cast<std::size_t>(std::max<std::ptrdiff_t>(0, цифр - (конец - цифры))),
                 '0');
    текст.append(цифры, конец);
}

std::string сцепленные(std::initializer_list<std::string_view> части) {
    std::size_t размер = 0;
    for (const auto часть : части)
        размер += часть.size();
    std::string итог;
    итог.reserve(размер);
    for (const auto часть : части)
        итог += часть;
    return итог;
}

} // namespace круголет
