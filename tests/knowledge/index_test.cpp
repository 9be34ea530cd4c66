// A lookup through the index finds the row a walk over the rows from the first one finds, for
// keys that are there and keys beside them, whichever way the rows came into the tables.

#include "knowledge/library.h"
#include "runtime/cp1251.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace круголет {
namespace {

template <class Ключ, class Результат>
std::optional<typename Отношение<Ключ, Результат>::Вид>
первая_строка(const Отношение<Ключ, Результат> &отношение,
              typename Отношение<Ключ, Результат>::Вид_ключа ключ) {
    for (const auto &[к, р] : отношение.строки())
        if (к == ключ)
            return р;
    return std::nullopt;
}

// Keys next to a row's key, which may or may not have rows of their own.
std::vector<std::int32_t> соседи(std::int32_t ключ) {
    return {ключ - 1, ключ + 1, ключ ^ 0x40000000};
}

std::vector<std::string> соседи(std::string_view ключ) {
    return {std::string(ключ.substr(0, ключ.size() / 2)), std::string(ключ) + "1", ""};
}

std::vector<Месяц_и_число> соседи(Вид_месяца_и_числа ключ) {
    return {{std::string(ключ.месяц), ключ.число + 1}, {"Рамхат", ключ.число}};
}

template <class Ключ, class Результат>
void сверить(const Отношение<Ключ, Результат> &отношение, std::string_view имя) {
    for (const auto &[ключ, _] : отношение.строки()) {
        EXPECT_EQ(отношение.найти(вид(ключ)), первая_строка(отношение, вид(ключ))) << имя;
        for (const auto &сосед : соседи(вид(ключ)))
            EXPECT_EQ(отношение.найти(вид(сосед)), первая_строка(отношение, вид(сосед))) << имя;
    }
}

Знания с_текстом(Знания знания, std::string_view текст) {
    EXPECT_EQ(загрузить_библиотеку_из_текста(*в_1251(текст), знания), Загрузка::выполнена);
    return знания;
}

Знания с_отгружаемой(Знания знания) {
    EXPECT_EQ(загрузить_библиотеку(std::filesystem::path(u8"" KRUGOLET_LIBRARY), знания),
              Загрузка::выполнена);
    return знания;
}

// Rows of every table whose keys the built-in rows already have.
constexpr std::string_view повторы_встроенных = "следующий_месяц(12, 5)\n"
                                                "название_месяца(\"Рамхат\", \"другое\")\n"
                                                "день(\"Вторник\", 1)\n"
                                                "следующий_день(\"Неделя\", \"Вторник\")\n"
                                                "следующее_лето_в_круге_лет(16, 3)\n"
                                                "день_четверти(10, \"другой\")\n"
                                                "праздник(\"Рамхат\", 1, \"Другой\")\n"
                                                "праздник(\"Тайлет\", 41, \"Новый\")\n";

// Enough rows, most of them repeats, for the index to grow several times over.
std::string много_повторов() {
    std::string текст;
    for (int i = 0; i < 5000; ++i)
        текст += "лето(" + std::to_string(i % 1500 - 700) + ", \"" + std::to_string(i) +
                 "\")\nбог(\"Б" + std::to_string(i % 700) + "\", \"" + std::to_string(i) + "\")\n";
    return текст;
}

struct Случай {
    const char *название;
    std::function<Знания()> знания;
};

class IndexLookup : public testing::TestWithParam<Случай> {};

TEST_P(IndexLookup, FindsTheFirstRowOfEveryKeyAndNothingElse) {
    const Знания з = GetParam().знания();
    сверить(з.следующий_месяц, "следующий_месяц");
    сверить(з.название_месяца, "название_месяца");
    сверить(з.название_лета, "название_лета");
    сверить(з.день, "день");
    сверить(з.следующий_день, "следующий_день");
    сверить(з.следующее_лето_в_круге_лет, "следующее_лето_в_круге_лет");
    сверить(з.лето, "лето");
    сверить(з.четверть, "четверть");
    сверить(з.день_четверти, "день_четверти");
    сверить(з.бог, "бог");
    сверить(з.описание_чертога, "описание_чертога");
    сверить(з.праздник, "праздник");
}

INSTANTIATE_TEST_SUITE_P(
    Tables, IndexLookup,
    testing::Values(Случай{"BuiltIn", [] { return встроенные_знания(); }},
                    Случай{"ShippedLibrary", [] { return с_отгружаемой(встроенные_знания()); }},
                    Случай{"RepeatsOfBuiltInKeys",
                           [] { return с_текстом(встроенные_знания(), повторы_встроенных); }},
                    Случай{"ManyRowsMostlyRepeats",
                           [] { return с_текстом(Знания(), много_повторов()); }}),
    [](const auto &случай) { return std::string(случай.param.название); });

} // namespace
} // namespace круголет
