#include "calendar/moment_text.h"

#include <array>

namespace круголет {

namespace {

// Cuts the text at every separator into exactly N pieces; nothing for any other count.
template <std::size_t N>
std::optional<std::array<std::string_view, N>> разрезать(std::string_view текст, char разделитель) {
    std::array<std::string_view, N> части{};
    for (std::size_t i = 0; i + 1 < N; ++i) {
        const auto место = текст.find(разделитель);
        if (место == std::string_view::npos)
            return std::nullopt;
        части[i] = текст.substr(0, место);
        текст.remove_prefix(место + 1);
    }
    if (текст.find(разделитель) != std::string_view::npos)
        return std::nullopt;
    части[N - 1] = текст;
    return части;
}

// The five fields of "DD.MM.YYYY" and "HH:MM", in the window's order.
std::optional<std::array<std::string_view, 5>> поля(std::string_view дата, std::string_view время) {
    const auto части_даты = разрезать<3>(дата, '.');
    const auto части_времени = разрезать<2>(время, ':');
    if (!части_даты || !части_времени)
        return std::nullopt;
    return std::array{(*части_даты)[0], (*части_даты)[1], (*части_даты)[2], (*части_времени)[0],
                      (*части_времени)[1]};
}

// The date and the time of one line, with the blanks around and between them taken away.
std::optional<std::array<std::string_view, 2>> дата_и_время(std::string_view строка) {
    const auto начало = строка.find_first_not_of(пробельные_знаки);
    if (начало == std::string_view::npos)
        return std::nullopt;
    строка = строка.substr(начало, строка.find_last_not_of(пробельные_знаки) + 1 - начало);
    const auto пробел = строка.find_first_of(пробельные_знаки);
    if (пробел == std::string_view::npos)
        return std::nullopt;
    return std::array{строка.substr(0, пробел),
                      строка.substr(строка.find_first_not_of(пробельные_знаки, пробел))};
}

// The command line only tells whether the fields gave a moment.
std::optional<Момент> момент_итога(const Итог_полей &итог) {
    if (!итог)
        return std::nullopt;
    return *итог;
}

} // namespace

std::optional<Момент> момент_из_текста(std::string_view дата, std::string_view время,
                                       Промежуток промежуток) {
    const auto части = поля(дата, время);
    if (!части)
        return std::nullopt;
    return момент_итога(проверенный_момент((*части)[0], (*части)[1], (*части)[2], (*части)[3],
                                           (*части)[4], промежуток));
}

std::optional<Момент> момент_из_текста(std::string_view строка, Промежуток промежуток) {
    const auto слова = дата_и_время(строка);
    if (!слова)
        return std::nullopt;
    return момент_из_текста((*слова)[0], (*слова)[1], промежуток);
}

std::optional<Момент> момент_в_любом_году(std::string_view дата, std::string_view время) {
    const auto части = поля(дата, время);
    if (!части)
        return std::nullopt;
    return момент_итога(
        момент_из_полей((*части)[0], (*части)[1], (*части)[2], (*части)[3], (*части)[4]));
}

std::optional<Момент> момент_в_любом_году(std::string_view строка) {
    const auto слова = дата_и_время(строка);
    if (!слова)
        return std::nullopt;
    return момент_в_любом_году((*слова)[0], (*слова)[1]);
}

} // namespace круголет
