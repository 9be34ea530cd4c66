#include "calendar/holiday.h"

namespace круголет {

std::string_view праздник_числа(const Знания &знания, std::string_view месяц, int число) {
    return знания.праздник.найти(Вид_месяца_и_числа{месяц, число}).value_or("нет");
}

std::array<std::optional<std::string_view>, дней_в_долгом_месяце + 1>
праздники_месяца(const Знания &знания, std::string_view месяц) {
    std::array<std::optional<std::string_view>, дней_в_долгом_месяце + 1> праздники{};
    for (const auto &[ключ, название] : знания.праздник.строки())
        if (ключ.число >= 1 && ключ.число <= дней_в_долгом_месяце && ключ.месяц == месяц &&
            !праздники[ключ.число])
            праздники[ключ.число] = название;
    return праздники;
}

} // namespace круголет
