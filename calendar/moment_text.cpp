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
    const auto д = разрезать<3>(дата, '.');
    const auto в = разрезать<2>(время, ':');
    if (!д || !в)
        return std::nullopt;
    return std::array{(*д)[0], (*д)[1], (*д)[2], (*в)[0], (*в)[1]};
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

} // namespace

std::optional<Момент> момент_из_текста(std::string_view дата, std::string_view время,
                                       Промежуток промежуток) {
    const auto п = поля(дата, время);
    if (!п)
        return std::nullopt;
    return проверенный_момент((*п)[0], (*п)[1], (*п)[2], (*п)[3], (*п)[4], промежуток);
}

std::optional<Момент> момент_из_текста(std::string_view строка, Промежуток промежуток) {
    const auto д = дата_и_время(строка);
    if (!д)
        return std::nullopt;
    return момент_из_текста((*д)[0], (*д)[1], промежуток);
}

std::optional<Момент> момент_в_любом_году(std::string_view дата, std::string_view время) {
    const auto п = поля(дата, время);
    if (!п)
        return std::nullopt;
    return момент_из_полей((*п)[0], (*п)[1], (*п)[2], (*п)[3], (*п)[4]);
}

std::optional<Момент> момент_в_любом_году(std::string_view строка) {
    const auto д = дата_и_время(строка);
    if (!д)
        return std::nullopt;
    return момент_в_любом_году((*д)[0], (*д)[1]);
}

} // namespace круголет
