#include "knowledge/library.h"

#include "runtime/cp1251.h"
#include "runtime/integer_text.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <limits>
#include <optional>
#include <string>
#include <variant>

namespace круголет {

namespace {

enum class Вид { целое, строка };

using Аргумент = std::variant<std::int32_t, std::string>;
using Аргументы = std::array<Аргумент, 3>;

// How a row of each table is written in the file: its name, the kinds of its columns in file
// order, and where the parsed row goes.
struct Таблица {
    std::string_view имя;
    std::size_t число_столбцов;
    std::array<Вид, 3> столбцы;
    void (*добавить)(Знания &, Аргументы &);
};

template <class Т> Т взять(Аргумент &аргумент) {
    return std::move(std::get<Т>(аргумент));
}

template <auto таблица> void ключ_и_значение(Знания &знания, Аргументы &а) {
    using Строки = std::remove_cvref_t<decltype((знания.*таблица).строки())>;
    using Ключ = typename Строки::value_type::first_type;
    using Результат = typename Строки::value_type::second_type;
    (знания.*таблица).добавить(взять<Ключ>(а[0]), взять<Результат>(а[1]));
}

// `день` is written as (weekday, year) but looked up by the year.
template <auto таблица> void значение_и_ключ(Знания &знания, Аргументы &а) {
    (знания.*таблица).добавить(взять<std::int32_t>(а[1]), взять<std::string>(а[0]));
}

template <auto таблица> void месяц_число_и_значение(Знания &знания, Аргументы &а) {
    (знания.*таблица)
        .добавить({взять<std::string>(а[0]), взять<std::int32_t>(а[1])}, взять<std::string>(а[2]));
}

constexpr auto Ц = Вид::целое;
constexpr auto С = Вид::строка;

constexpr Таблица таблицы[] = {
    {"следующий_месяц", 2, {Ц, Ц}, ключ_и_значение<&Знания::следующий_месяц>},
    {"название_месяца", 2, {С, С}, ключ_и_значение<&Знания::название_месяца>},
    {"название_лета", 2, {Ц, С}, ключ_и_значение<&Знания::название_лета>},
    {"день", 2, {С, Ц}, значение_и_ключ<&Знания::день>},
    {"следующий_день", 2, {С, С}, ключ_и_значение<&Знания::следующий_день>},
    {"следующее_лето_в_круге_лет", 2, {Ц, Ц}, ключ_и_значение<&Знания::следующее_лето_в_круге_лет>},
    {"лето", 2, {Ц, С}, ключ_и_значение<&Знания::лето>},
    {"четверть", 3, {С, Ц, С}, месяц_число_и_значение<&Знания::четверть>},
    {"день_четверти", 2, {Ц, С}, ключ_и_значение<&Знания::день_четверти>},
    {"бог", 2, {С, С}, ключ_и_значение<&Знания::бог>},
    {"описание_чертога", 2, {С, С}, ключ_и_значение<&Знания::описание_чертога>},
    {"праздник", 3, {С, Ц, С}, месяц_число_и_значение<&Знания::праздник>},
};

const Таблица *найти_таблицу(std::string_view имя) {
    for (const auto &таблица : таблицы)
        if (таблица.имя == имя)
            return &таблица;
    return nullptr;
}

// The line is read through a cursor: each reader takes what it recognises off the front of the
// text, and gives nothing when the text does not start with it.

void пропустить_пробелы(std::string_view &текст) {
    текст.remove_prefix(std::min(текст.find_first_not_of(' '), текст.size()));
}

bool взять_знак(std::string_view &текст, char знак) {
    if (!текст.starts_with(знак))
        return false;
    текст.remove_prefix(1);
    return true;
}

std::optional<char> экранированный(char знак) {
    switch (знак) {
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case '\\':
    case '"':
        return знак;
    default:
        return std::nullopt;
    }
}

// Where the next quote or backslash stands (the text's size when none does).
std::size_t начало_особого(std::string_view текст) {
    const auto особый = [](char знак) { return знак == '"' || знак == '\\'; };
    return static_cast<std::size_t>(std::find_if(текст.begin(), текст.end(), особый) -
                                    текст.begin());
}

std::optional<std::string> взять_строку(std::string_view &текст) {
    if (!взять_знак(текст, '"'))
        return std::nullopt;
    std::string строка;
    while (!текст.empty()) {
        const auto кусок = текст.substr(0, начало_особого(текст));
        строка += кусок;
        текст.remove_prefix(кусок.size());
        if (взять_знак(текст, '"'))
            return строка;
        if (взять_знак(текст, '\\')) {
            const auto замена = текст.empty() ? std::nullopt : экранированный(текст.front());
            строка += замена.value_or('\\');
            if (замена)
                текст.remove_prefix(1);
        }
    }
    return std::nullopt;
}

// The file's integers stop one short of the 32-bit minimum.
std::optional<std::int32_t> взять_число(std::string_view &текст) {
    const auto число = взять_целое(текст);
    if (число == std::numeric_limits<std::int32_t>::min())
        return std::nullopt;
    return число;
}

std::optional<Аргумент> взять_аргумент(std::string_view &текст, Вид вид) {
    пропустить_пробелы(текст);
    std::optional<Аргумент> аргумент;
    if (вид == Вид::строка) {
        if (auto строка = взять_строку(текст))
            аргумент = std::move(*строка);
    } else if (const auto число = взять_число(текст)) {
        аргумент = *число;
    }
    пропустить_пробелы(текст);
    return аргумент;
}

bool загрузить_строку(std::string_view строка, Знания &знания) {
    пропустить_пробелы(строка);
    const auto скобка = строка.find('(');
    if (скобка == std::string_view::npos)
        return false;
    const Таблица *таблица = найти_таблицу(строка.substr(0, скобка));
    if (!таблица)
        return false;
    строка.remove_prefix(скобка + 1);

    Аргументы аргументы;
    for (std::size_t i = 0; i < таблица->число_столбцов; ++i) {
        if (i > 0 && !взять_знак(строка, ','))
            return false;
        auto аргумент = взять_аргумент(строка, таблица->столбцы[i]);
        if (!аргумент)
            return false;
        аргументы[i] = std::move(*аргумент);
    }
    if (!взять_знак(строка, ')'))
        return false;
    таблица->добавить(знания, аргументы);
    return true;
}

} // namespace

Загрузка загрузить_библиотеку_из_текста(std::string_view байты, Знания &знания) {
    while (!байты.empty()) {
        const auto конец = std::min(байты.find('\n'), байты.size());
        std::string строка = из_1251(байты.substr(0, конец));
        std::erase(строка, '\r');
        if (!загрузить_строку(строка, знания))
            return Загрузка::не_удалась;
        байты.remove_prefix(std::min(конец + 1, байты.size()));
    }
    return Загрузка::выполнена;
}

Загрузка загрузить_библиотеку(const std::filesystem::path &файл, Знания &знания) {
    std::ifstream вход(файл, std::ios::binary);
    if (!вход)
        return Загрузка::не_удалась;
    std::string байты;
    std::array<char, 1 << 16> кусок;
    while (вход.read(кусок.data(), кусок.size()) || вход.gcount() > 0)
        байты.append(кусок.data(), static_cast<std::size_t>(вход.gcount()));
    if (вход.bad())
        return Загрузка::не_удалась;
    return загрузить_библиотеку_из_текста(байты, знания);
}

} // namespace круголет
