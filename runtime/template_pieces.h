#pragma once

#include <array>
#include <charconv>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

namespace круголет {

// A template cut at its "%"s when the program is compiled, so that writing it searches for
// nothing: the texts between the placeholders are copied whole and a value goes into each gap.
// Every "%" is a placeholder, whatever follows it, and the count of them is part of the type: a
// template with more or fewer than `Вставок` does not compile.
template <std::size_t Вставок> class Шаблон {
  public:
    consteval Шаблон(std::string_view текст) {
        for (std::size_t место = 0; место < Вставок; ++место) {
            const auto процент = текст.find('%');
            if (процент == std::string_view::npos)
                throw "the template has fewer placeholders than its type says";
            куски_[место] = текст.substr(0, процент);
            текст.remove_prefix(процент + 1);
        }
        if (текст.find('%') != std::string_view::npos)
            throw "the template has more placeholders than its type says";
        куски_[Вставок] = текст;
    }

    constexpr std::string_view кусок(std::size_t место) const { return куски_[место]; }

    // The template's own text, without its values.
    constexpr std::size_t размер() const {
        std::size_t размер = 0;
        for (const auto кусок : куски_)
            размер += кусок.size();
        return размер;
    }

  private:
    std::array<std::string_view, Вставок + 1> куски_{};
};

inline void дописать_значение(std::string &текст, std::string_view значение) {
    текст += значение;
}

inline void дописать_значение(std::string &текст, std::integral auto значение) {
    char цифры[24];
    текст.append(цифры, std::to_chars(цифры, std::end(цифры), значение).ptr);
}

// Appends the template with its values in its gaps, integers as plain decimal digits.
template <std::size_t Вставок, class... Значения>
requires(sizeof...(Значения) == Вставок) void дописать_по_шаблону(std::string &текст,
                                                                  const Шаблон<Вставок> &шаблон,
                                                                  const Значения &...значения) {
    std::size_t место = 0;
    текст += шаблон.кусок(место);
    ((дописать_значение(текст, значения), текст += шаблон.кусок(++место)), ...);
}

} // namespace круголет
