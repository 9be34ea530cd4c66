// Any template with up to eight values. The input: the number of values (its first byte, taken
// modulo 9), which of them are integers (a bit each in the second byte), eight bytes for each
// integer in turn, then the template and the text values, each ended by a NUL byte.

#include "fuzz/check.h"
#include "fuzz/input_bytes.h"
#include "runtime/format.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

namespace круголет {
namespace {

constexpr std::size_t наибольшее_число_значений = 8;
using Значения = std::array<Значение, наибольшее_число_значений>;
using Форматирование = std::string (*)(std::string_view, const Значения &);

// The formatter takes its values as a list of fixed length: one call for each length.
template <std::size_t... I>
std::string форматировать_первые(std::string_view шаблон, const Значения &значения) {
    return форматировать(шаблон, {значения[I]...});
}

template <std::size_t... N>
constexpr std::array<Форматирование, sizeof...(N)> по_числу_значений(std::index_sequence<N...>) {
    return {[]<std::size_t... I>(std::index_sequence<I...>)
                ->Форматирование{return форматировать_первые<I...>;
}
(std::make_index_sequence<N>())...
}; // namespace
} // namespace круголет

constexpr auto форматирования = по_числу_значений(std::make_index_sequence<9>());

std::size_t длина_значения(const Значение &значение) {
    if (const auto *число = std::get_if<std::int64_t>(&значение))
        return std::to_string(*число).size();
    return std::get<std::string_view>(значение).size();
}

} // namespace
} // namespace круголет

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *данные, std::size_t размер) {
    using namespace круголет;
    Входные_байты вход(данные, размер);
    const std::size_t число_значений = вход.байт() % 9;
    const std::uint8_t целые = вход.байт();
    Значения значения{};
    for (std::size_t i = 0; i < число_значений; ++i)
        if (целые & (1u << i))
            значения[i] = вход.целое64();
    const std::string_view шаблон = вход.до('\0');
    for (std::size_t i = 0; i < число_значений; ++i)
        if (!(целые & (1u << i)))
            значения[i] = вход.до('\0');

    const std::string итог = форматирования[число_значений](шаблон, значения);

    // Each "%" takes the next value while there is one, and its type letter may go with it.
    const auto знаков_процента = static_cast<std::size_t>(std::ranges::count(шаблон, '%'));
    const std::size_t вставлено = std::min(знаков_процента, число_значений);
    std::size_t длина_вставок = 0;
    for (std::size_t i = 0; i < вставлено; ++i)
        длина_вставок += длина_значения(значения[i]);
    обязательно(итог.size() + вставлено <= шаблон.size() + длина_вставок &&
                    итог.size() + 2 * вставлено >= шаблон.size() + длина_вставок,
                "each placeholder is replaced by its value, all other text is copied");
    if (вставлено == 0)
        обязательно(итог == шаблон, "a template with no value to insert is copied as it stands");

    std::size_t место = шаблон.find('%');
    обязательно(итог.starts_with(шаблон.substr(0, место)), "the text before any '%' is copied");
    for (std::size_t i = 0; i < вставлено && место != std::string_view::npos; ++i)
        место = шаблон.find('%', место + 1);
    if (место != std::string_view::npos)
        обязательно(итог.ends_with(шаблон.substr(место)),
                    "a '%' with no value left is copied with all that follows it");
    return 0;
}
