#pragma once

#include "calendar/moment.h"
#include "calendar/range.h"

#include <optional>
#include <string_view>

namespace круголет {

// The five field texts read and checked in the window's order; nothing on the first failure.
std::optional<Момент> проверить_поля(std::string_view день, std::string_view месяц,
                                     std::string_view год, std::string_view час,
                                     std::string_view минута,
                                     Промежуток промежуток = Промежуток::круг_жизни);

inline constexpr std::string_view заголовок_ошибки_ввода = "Ошибка";
inline constexpr std::string_view текст_ошибки_ввода = "Неправильные данные!";

} // namespace круголет
