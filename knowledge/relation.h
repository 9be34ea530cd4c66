#pragma once

#include "knowledge/row_index.h"

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace круголет {

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

// A key as it is looked up, without copying its text.
template <class Т> struct вид_ключа { using тип = Т; };
template <> struct вид_ключа<std::string> { using тип = std::string_view; };
template <> struct вид_ключа<Месяц_и_число> { using тип = Вид_месяца_и_числа; };

inline std::int32_t вид(std::int32_t ключ) {
    return ключ;
}
inline std::string_view вид(const std::string &ключ) {
    return ключ;
}
inline Вид_месяца_и_числа вид(const Месяц_и_число &ключ) {
    return {ключ.месяц, ключ.число};
}

inline constexpr std::uint64_t множитель_хэша = 0x9E3779B97F4A7C15u;

// Consecutive numbers spread over the slots by Fibonacci hashing.
inline std::uint32_t хэш_ключа(std::int32_t ключ) {
    return static_cast<std::uint32_t>(
        (static_cast<std::uint64_t>(static_cast<std::uint32_t>(ключ)) * множитель_хэша) >> 32);
}

// Keys are names of a few words, so their bytes are taken eight at a time (the last eight
// overlapping the ones before) and mixed by multiplication: a general hash of bytes costs more
// than all the rest of a lookup.
inline std::uint32_t хэш_ключа(std::string_view ключ) {
    std::uint64_t хэш = ключ.size() * множитель_хэша;
    const auto добавить = [&хэш](std::uint64_t слово) {
        хэш = (хэш ^ слово) * множитель_хэша;
        хэш ^= хэш >> 32;
    };
    const auto слово = [&ключ](std::size_t смещение) {
        std::uint64_t байты;
        std::memcpy(&байты, ключ.data() + смещение, sizeof байты);
        return байты;
    };
    if (ключ.size() < 8) {
        std::uint64_t байты = 0;
        for (const char знак : ключ)
            байты = байты << 8 | static_cast<unsigned char>(знак);
        добавить(байты);
    } else {
        for (std::size_t смещение = 0; смещение + 8 < ключ.size(); смещение += 8)
            добавить(слово(смещение));
        добавить(слово(ключ.size() - 8));
    }
    return static_cast<std::uint32_t>(хэш);
}

inline std::uint32_t хэш_ключа(Вид_месяца_и_числа ключ) {
    return хэш_ключа(ключ.месяц) ^ хэш_ключа(ключ.число);
}

template <class Т> struct вид_результата { using тип = Т; };
template <> struct вид_результата<std::string> { using тип = std::string_view; };

// An ordered list of rows, looked up by exact key; the first matching row wins, so rows
// appended later never shadow earlier ones. Every row appended is indexed at once, so a lookup
// costs the same whichever way the rows came and however many there are.
template <class Ключ, class Результат> class Отношение {
  public:
    using Вид = typename вид_результата<Результат>::тип;
    using Вид_ключа = typename вид_ключа<Ключ>::тип;

    Отношение() = default;
    Отношение(std::initializer_list<std::pair<Ключ, Результат>> строки) {
        for (const auto &[ключ, результат] : строки)
            добавить(ключ, результат);
    }

    std::optional<Вид> найти(Вид_ключа ключ) const {
        const auto место = индекс_.место(хэш_ключа(ключ), тот_ключ(ключ));
        if (!место)
            return std::nullopt;
        return Вид(строки_[*место].second);
    }

    void добавить(Ключ ключ, Результат результат) {
        строки_.emplace_back(std::move(ключ), std::move(результат));
        const Вид_ключа добавленный = вид(строки_.back().first);
        индекс_.добавить(хэш_ключа(добавленный), строки_.size() - 1, тот_ключ(добавленный));
    }

    const std::vector<std::pair<Ключ, Результат>> &строки() const { return строки_; }

  private:
    auto тот_ключ(Вид_ключа ключ) const {
        return [this, ключ](std::size_t место) { return строки_[место].first == ключ; };
    }

    std::vector<std::pair<Ключ, Результат>> строки_;
    Индекс_строк индекс_;
};

} // namespace круголет
