#pragma once

#include "calendar/moment.h"
#include "calendar/range.h"

#include <optional>
#include <string_view>

namespace круголет {

// The five field texts read in the window's order as a moment that exists, in any year from 1
// on: the day inside its month, the hour and minute on the clock; nothing on the first failure.
std::optional<Момент> момент_из_полей(std::string_view день, std::string_view месяц,
                                      std::string_view год, std::string_view час,
                                      std::string_view минута);

// The same moment, only when it lies in the range.
std::optional<Момент> проверенный_момент(std::string_view день, std::string_view месяц,
                                         std::string_view год, std::string_view час,
                                         std::string_view минута,
                                         Промежуток промежуток = Промежуток::круг_жизни);

// No field or argument that any check accepts is longer than this many characters, blanks
// around it included; a longer text (pasted, or an address's part) is refused unread, so that
// its size never reaches a reader that holds or copies it.
inline constexpr std::size_t наибольшая_длина_поля = 64;
bool поле_в_пределах(std::string_view поле);

inline constexpr std::string_view заголовок_ошибки_ввода = "Ошибка";
inline constexpr std::string_view текст_ошибки_ввода = "Неправильные данные!";

} // namespace круголет
