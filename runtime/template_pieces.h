#pragma once

#include <algorithm>
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

// The most characters an integer value takes ("-9223372036854775808").
inline constexpr std::size_t наибольшее_число_знаков = 20;

// A piece written from `куда` on, integers as plain decimal digits, and the end of what was
// written: the receiver of раздать_шаблон for room that the caller provides (the template's
// `размер()`, the texts' sizes and `наибольшее_число_знаков` for each integer).
inline char *записанное_значение(char *куда, std::string_view значение) {
    return std::copy(значение.begin(), значение.end(), куда);
}

inline char *записанное_значение(char *куда, std::integral auto значение) {
    return std::to_chars(куда, куда + наибольшее_число_знаков, значение).ptr;
}

// A text of the template itself, told apart from a value's text by its type: a destination may
// know more of the program's own texts than of the values (that they need no escaping, say).
struct Кусок_шаблона {
    std::string_view текст;
};

inline char *записанное_значение(char *куда, Кусок_шаблона кусок) {
    return записанное_значение(куда, кусок.текст);
}

// Hands the template's texts and the values in its gaps to `приемник` one after the other, in
// the order they are read: the text before the first gap, the first value, the text after it,
// and so on; each destination copies them its own way. The receiver is given where the text
// stands (a pointer into the room it is written into, say) and gives where it stands after the
// piece, and so is the caller: threaded through as a value, the place stays in a register, where
// one kept in memory would be read again after every byte stored, which might have changed it.
template <std::size_t Вставок, class Место, class Приемник, class... Значения>
Место раздать_шаблон(const Шаблон<Вставок> &шаблон, Место место, Приемник &&приемник,
                     const Значения &...значения) {
    static_assert(sizeof...(Значения) == Вставок, "one value for each placeholder");
    std::size_t номер = 0;
    место = приемник(место, Кусок_шаблона{шаблон.кусок(номер)});
    ((место = приемник(приемник(место, значения), Кусок_шаблона{шаблон.кусок(++номер)})), ...);
    return место;
}

} // namespace круголет
