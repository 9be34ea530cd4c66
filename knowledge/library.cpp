#include "knowledge/library.h"

#include "knowledge/regular_file.h"
#include "runtime/cp1251.h"
#include "runtime/integer_text.h"

#include <algorithm>
#include <array>
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

template <auto таблица> void ключ_и_значение(Знания &знания, Аргументы &аргументы) {
    using Строки = std::remove_cvref_t<decltype((знания.*таблица).строки())>;
    using Ключ = typename Строки::value_type::first_type;
    using Результат = typename Строки::value_type::second_type;
    (знания.*таблица).добавить(взять<Ключ>(аргументы[0]), взять<Результат>(аргументы[1]));
}

// `день` is written as (weekday, year) but looked up by the year.
template <auto таблица> void значение_и_ключ(Знания &знания, Аргументы &аргументы) {
    (знания.*таблица).добавить(взять<std::int32_t>(аргументы[1]), взять<std::string>(аргументы[0]));
}

template <auto таблица> void месяц_число_и_значение(Знания &знания, Аргументы &аргументы) {
    (знания.*таблица)
        .добавить({взять<std::string>(аргументы[0]), взять<std::int32_t>(аргументы[1])},
                  взять<std::string>(аргументы[2]));
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

// What was wrong with a line, or nothing when its row was appended.
std::optional<std::string> загрузить_строку(std::string_view строка, Знания &знания) {
    пропустить_пробелы(строка);
    const auto скобка = строка.find('(');
    if (скобка == std::string_view::npos)
        return "нет \"(\" после имени таблицы";
    const Таблица *таблица = найти_таблицу(строка.substr(0, скобка));
    if (!таблица)
        return "неизвестное имя таблицы";
    строка.remove_prefix(скобка + 1);

    Аргументы аргументы;
    for (std::size_t i = 0; i < таблица->число_столбцов; ++i) {
        const std::string номер = std::to_string(i + 1);
        if (i > 0 && !взять_знак(строка, ','))
            return "нет \",\" перед аргументом " + номер;
        auto аргумент = взять_аргумент(строка, таблица->столбцы[i]);
        if (!аргумент)
            return "аргумент " + номер +
                   (таблица->столбцы[i] == Вид::целое ? ": ожидалось целое число"
                                                      : ": ожидалась строка в кавычках");
        аргументы[i] = std::move(*аргумент);
    }
    if (!взять_знак(строка, ')'))
        return "нет \")\" после аргументов";
    таблица->добавить(знания, аргументы);
    return std::nullopt;
}

std::optional<Сбой_загрузки> загрузить_строку(std::string_view байты, std::size_t номер,
                                              Знания &знания) {
    if (номер > наибольшее_число_строк)
        return Сбой_загрузки{номер, "больше 100 000 строк"};
    std::string строка = из_1251(байты);
    std::erase(строка, '\r');
    auto причина = загрузить_строку(строка, знания);
    if (!причина)
        return std::nullopt;
    return Сбой_загрузки{номер, std::move(*причина)};
}

constexpr std::string_view слишком_большой = "файл больше 32 МиБ";

// Reads the file piece by piece and loads each line as soon as it is whole, so that a file that
// is too large, or has no line feeds at all, is refused after reading no more than the limit.
class Чтение_файла {
  public:
    explicit Чтение_файла(Знания &знания) : знания_(знания) {}

    std::optional<Сбой_загрузки> дописать(std::string_view кусок) {
        прочитано_ += кусок.size();
        if (прочитано_ > наибольший_файл)
            return Сбой_загрузки{0, std::string(слишком_большой)};
        for (auto конец = кусок.find('\n'); конец != std::string_view::npos;
             конец = кусок.find('\n')) {
            if (auto сбой = загрузить(кусок.substr(0, конец)); сбой)
                return сбой;
            кусок.remove_prefix(конец + 1);
        }
        return добавить(кусок);
    }

    // The last line, when the file does not end in a line feed.
    std::optional<Сбой_загрузки> завершить() {
        if (начатая_.empty())
            return std::nullopt;
        return загрузить_начатую();
    }

  private:
    std::optional<Сбой_загрузки> добавить(std::string_view часть) {
        if (начатая_.size() + часть.size() > наибольшая_строка)
            return Сбой_загрузки{номер_ + 1, "строка длиннее 1 МиБ"};
        начатая_ += часть;
        return std::nullopt;
    }

    // A line that lies whole in the piece is loaded from there, without copying it first.
    std::optional<Сбой_загрузки> загрузить(std::string_view конец_строки) {
        if (начатая_.empty() && конец_строки.size() <= наибольшая_строка)
            return загрузить_строку(конец_строки, ++номер_, знания_);
        if (auto сбой = добавить(конец_строки); сбой)
            return сбой;
        return загрузить_начатую();
    }

    std::optional<Сбой_загрузки> загрузить_начатую() {
        ++номер_;
        auto сбой = загрузить_строку(начатая_, номер_, знания_);
        начатая_.clear();
        return сбой;
    }

    Знания &знания_;
    std::string начатая_;
    std::size_t номер_ = 0;
    std::size_t прочитано_ = 0;
};

} // namespace

Загрузка загрузить_библиотеку_из_текста(std::string_view байты, Знания &знания) {
    for (std::size_t номер = 1; !байты.empty(); ++номер) {
        const auto конец = std::min(байты.find('\n'), байты.size());
        if (загрузить_строку(байты.substr(0, конец), номер, знания))
            return Загрузка::не_удалась;
        байты.remove_prefix(std::min(конец + 1, байты.size()));
    }
    return Загрузка::выполнена;
}

std::optional<Сбой_загрузки> загрузить_библиотеку_подробно(const std::filesystem::path &файл,
                                                           Знания &знания) {
    auto открытый = открыть_обычный_файл(файл);
    if (auto *причина = std::get_if<std::string>(&открытый))
        return Сбой_загрузки{0, std::move(*причина)};
    auto &вход = std::get<Обычный_файл>(открытый);
    if (вход.размер() > наибольший_файл)
        return Сбой_загрузки{0, std::string(слишком_большой)};
    Чтение_файла чтение(знания);
    std::array<char, 1 << 16> кусок;
    for (;;) {
        const auto прочитано = вход.прочитать(кусок);
        if (!прочитано)
            return Сбой_загрузки{0, "файл не читается"};
        if (*прочитано == 0)
            return чтение.завершить();
        if (auto сбой = чтение.дописать(std::string_view(кусок.data(), *прочитано)); сбой)
            return сбой;
    }
}

Загрузка загрузить_библиотеку(const std::filesystem::path &файл, Знания &знания) {
    return загрузить_библиотеку_подробно(файл, знания) ? Загрузка::не_удалась : Загрузка::выполнена;
}

} // namespace круголет
