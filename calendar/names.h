#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace круголет {

inline constexpr std::array<std::string_view, 9> месяцы = {
    "Рамхат", "Айлет", "Бейлет", "Гэйлет", "Дайлет", "Элет", "Вэйлет", "Хейлет", "Тайлет"};

inline constexpr std::array<std::string_view, 9> дни_недели = {
    "Понедельник", "Вторник", "Тритейник", "Четверг", "Пятница",
    "Шестица",     "Седмица", "Осьмица",   "Неделя"};

// The place of a month in the year, 1 to 9; nothing for any other string.
std::optional<int> номер_месяца(std::string_view месяц);

} // namespace круголет
