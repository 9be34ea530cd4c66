#pragma once

#include "calendar/moment.h"
#include "calendar/range.h"

#include <cstdint>
#include <string_view>
#include <variant>

namespace круголет {

// The five fields, in the window's order.
enum class Поле_момента { день, месяц, год, час, минута };

// A field that holds no whole number from `от` to `до`.
struct Поле_вне_пределов {
    Поле_момента поле;
    std::int64_t от;
    std::int64_t до;
    friend bool operator==(const Поле_вне_пределов &, const Поле_вне_пределов &) = default;
};

// A day past the end of its month, which has `дней` days in that year.
struct Нет_такого_дня {
    int месяц;
    int год;
    int дней;
    friend bool operator==(const Нет_такого_дня &, const Нет_такого_дня &) = default;
};

// A moment that exists and lies outside the range.
struct Вне_промежутка {
    friend bool operator==(const Вне_промежутка &, const Вне_промежутка &) = default;
};

// Why the field texts give no moment: the first check that fails, in the window's order.
using Причина_отказа = std::variant<Поле_вне_пределов, Нет_такого_дня, Вне_промежутка>;

// The moment the fields give, or the reason they give none; read like an optional.
class Итог_полей {
  public:
    Итог_полей(Момент момент) : итог_(момент) {}
    Итог_полей(Причина_отказа причина) : итог_(причина) {}

    explicit operator bool() const { return std::holds_alternative<Момент>(итог_); }
    const Момент &operator*() const { return *std::get_if<Момент>(&итог_); }
    const Момент *operator->() const { return std::get_if<Момент>(&итог_); }
    // Only of a result without a moment.
    const Причина_отказа &причина() const { return *std::get_if<Причина_отказа>(&итог_); }

  private:
    std::variant<Момент, Причина_отказа> итог_;
};

// The five field texts read in the window's order as a moment that exists, in any year from 1
// on: the day inside its month, the hour and minute on the clock.
Итог_полей момент_из_полей(std::string_view день, std::string_view месяц, std::string_view год,
                           std::string_view час, std::string_view минута);

// The same moment, only when it lies in the range. The year is checked against the range's
// first and last years where the other fields' bounds are checked, so that a year the range
// never reaches is blamed on the year field.
Итог_полей проверенный_момент(std::string_view день, std::string_view месяц, std::string_view год,
                              std::string_view час, std::string_view минута,
                              Промежуток промежуток = Промежуток::круг_жизни);

// No field or argument that any check accepts is longer than this many characters, blanks
// around it included; a longer text (pasted, or an address's part) is refused unread, so that
// its size never reaches a reader that holds or copies it.
inline constexpr std::size_t наибольшая_длина_поля = 64;
bool поле_в_пределах(std::string_view поле);

inline constexpr std::string_view заголовок_ошибки_ввода = "Ошибка";
inline constexpr std::string_view текст_ошибки_ввода = "Неправильные данные!";

} // namespace круголет
