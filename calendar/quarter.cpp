#include "calendar/quarter.h"

#include "calendar/quantities.h"

namespace круголет {
namespace {

std::optional<int> ключ_четверти(int число) {
    if (число >= 1 && число <= 10)
        return 1;
    if (число >= 11 && число <= 20)
        return 2;
    if (число >= 21 && число <= 30)
        return 3;
    if (число >= 31 && число <= дней_в_коротком_месяце)
        return 4;
    if (число == дней_в_долгом_месяце)
        return дней_в_долгом_месяце;
    return std::nullopt;
}

std::optional<int> место_в_четверти(int число) {
    if (число <= 10)
        return число;
    if (число <= 20)
        return число - 10;
    if (число <= 30)
        return число - 20;
    if (число <= дней_в_коротком_месяце)
        return число - 30;
    return std::nullopt;
}

} // namespace

std::optional<std::string_view> четверть_числа(const Знания &знания, std::string_view месяц,
                                               int число) {
    const auto ключ = ключ_четверти(число);
    if (!ключ)
        return std::nullopt;
    return знания.четверть.найти(Вид_месяца_и_числа{месяц, *ключ});
}

std::optional<std::string_view> день_четверти_числа(const Знания &знания, int число) {
    if (число == дней_в_долгом_месяце)
        return std::string_view();
    const auto место = место_в_четверти(число);
    if (!место)
        return std::nullopt;
    return знания.день_четверти.найти(*место);
}

} // namespace круголет
