#pragma once

#include "calendar/moment.h"

#include <optional>
#include <string_view>

namespace круголет {

// Whether the moment lies in the covered span, 22.09.1868 19:00 up to 22.09.2012 19:00.
bool проверка_границ(const Момент &момент);

// The five field texts read and checked in the window's order; nothing on the first failure.
std::optional<Момент> проверить_поля(std::string_view день, std::string_view месяц,
                                     std::string_view год, std::string_view час,
                                     std::string_view минута);

inline constexpr std::string_view заголовок_ошибки_ввода = "Ошибка";
inline constexpr std::string_view текст_ошибки_ввода = "Неправильные данные!";

} // namespace круголет
