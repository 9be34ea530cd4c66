#include "apps/cli/batch_line.h"

namespace круголет {

std::optional<Строка_пакета> следующая_строка(std::streambuf &вход) {
    using Знаки = std::char_traits<char>;
    auto знак = вход.sbumpc();
    if (Знаки::eq_int_type(знак, Знаки::eof()))
        return std::nullopt;
    Строка_пакета строка;
    for (; !Знаки::eq_int_type(знак, Знаки::eof()) &&
           !Знаки::eq_int_type(знак, Знаки::to_int_type('\n'));
         знак = вход.sbumpc()) {
        if (строка.текст.size() < наибольшая_строка_пакета)
            строка.текст.push_back(Знаки::to_char_type(знак));
        else
            строка.длинная = true;
    }
    if (!строка.длинная && строка.текст.ends_with('\r'))
        строка.текст.pop_back();
    return строка;
}

} // namespace круголет
