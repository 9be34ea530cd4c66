#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace круголет {

template <class Т> struct вид_результата { using тип = Т; };
template <> struct вид_результата<std::string> { using тип = std::string_view; };

// An ordered list of rows, looked up by exact key; the first matching row wins, so rows
// appended later never shadow earlier ones.
template <class Ключ, class Результат> class Отношение {
  public:
    using Вид = typename вид_результата<Результат>::тип;

    Отношение() = default;
    Отношение(std::initializer_list<std::pair<Ключ, Результат>> строки) : строки_(строки) {}

    template <class К> std::optional<Вид> найти(const К &ключ) const {
        for (const auto &[к, р] : строки_)
            if (к == ключ)
                return Вид(р);
        return std::nullopt;
    }

    void добавить(Ключ ключ, Результат результат) {
        строки_.emplace_back(std::move(ключ), std::move(результат));
    }

    const std::vector<std::pair<Ключ, Результат>> &строки() const { return строки_; }

  private:
    std::vector<std::pair<Ключ, Результат>> строки_;
};

// The key of the tables looked up by a month name and a number (quarter or day of the month).
struct Месяц_и_число {
    std::string месяц;
    std::int32_t число;
};

struct Вид_месяца_и_числа {
    std::string_view месяц;
    std::int32_t число;
};

inline bool operator==(const Месяц_и_число &строка, const Вид_месяца_и_числа &ключ) {
    return строка.число == ключ.число && строка.месяц == ключ.месяц;
}

} // namespace круголет
