#include "runtime/integer_text.h"

#include <algorithm>
#include <limits>

namespace круголет {

namespace {

constexpr std::int64_t наименьшее = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t наибольшее = std::numeric_limits<std::int32_t>::max();

std::optional<int> цифра(char знак, int основание) {
    int значение = основание;
    if (знак >= '0' && знак <= '9')
        значение = знак - '0';
    else if (знак >= 'a' && знак <= 'f')
        значение = знак - 'a' + 10;
    else if (знак >= 'A' && знак <= 'F')
        значение = знак - 'A' + 10;
    if (значение < основание)
        return значение;
    return std::nullopt;
}

// "0x" and "0o" (in either case) switch the base; they are taken off the text.
int взять_основание(std::string_view &текст) {
    if (текст.size() < 2 || текст[0] != '0')
        return 10;
    switch (текст[1]) {
    case 'x':
    case 'X':
        текст.remove_prefix(2);
        return 16;
    case 'o':
    case 'O':
        текст.remove_prefix(2);
        return 8;
    default:
        return 10;
    }
}

// The integer at the start of the text, of any size: its magnitude stops growing just past the
// 32-bit range, so any number of digits is safe. Advances past it; nothing without a digit.
std::optional<std::int64_t> взять_величину(std::string_view &текст) {
    std::string_view остаток = текст;
    const bool минус = остаток.starts_with('-');
    if (минус)
        остаток.remove_prefix(1);
    const int основание = взять_основание(остаток);

    std::int64_t величина = 0;
    std::size_t цифр = 0;
    for (; !остаток.empty(); остаток.remove_prefix(1), ++цифр) {
        const auto значение_цифры = цифра(остаток.front(), основание);
        if (!значение_цифры)
            break;
        величина = std::min(величина * основание + *значение_цифры, -наименьшее + 1);
    }
    if (цифр == 0)
        return std::nullopt;
    текст = остаток;
    return минус ? -величина : величина;
}

// The field's integer of any size, when the field holds one with blanks around it only.
std::optional<std::int64_t> величина_поля(std::string_view поле) {
    поле.remove_prefix(std::min(поле.find_first_not_of(' '), поле.size()));
    const auto величина = взять_величину(поле);
    if (!величина || поле.find_first_not_of(' ') != std::string_view::npos)
        return std::nullopt;
    return величина;
}

} // namespace

std::optional<std::int32_t> взять_целое(std::string_view &текст) {
    std::string_view остаток = текст;
    const auto значение = взять_величину(остаток);
    if (!значение || *значение < наименьшее || *значение > наибольшее)
        return std::nullopt;
    текст = остаток;
    return static_cast<std::int32_t>(*значение);
}

std::optional<std::int32_t> прочитать_целое(std::string_view поле) {
    const auto значение = величина_поля(поле);
    if (!значение || *значение < наименьшее || *значение > наибольшее)
        return std::nullopt;
    return static_cast<std::int32_t>(*значение);
}

std::optional<Вне_пределов> целое_вне_пределов(std::string_view поле) {
    const auto значение = величина_поля(поле);
    if (значение && *значение > наибольшее)
        return Вне_пределов::больше;
    if (значение && *значение < наименьшее)
        return Вне_пределов::меньше;
    return std::nullopt;
}

} // namespace круголет
