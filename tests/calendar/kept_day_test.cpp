#include "calendar/kept_day.h"
#include "calendar/kept_day_text.h"
#include "calendar/month_and_weekday_names.h"
#include "calendar/month_page.h"
#include "calendar/values.h"
#include "calendar/year.h"
#include "tests/support/library_fixture.h"

#include <gtest/gtest.h>

namespace круголет {
namespace {

// The names of a day point into the tables, which outlive every day of these tests; the
// conversion needs the rows that only the library file holds.
const Знания &таблицы() {
    static const Знания знания = знания_для_тестов();
    return знания;
}

bool священное(int лето) {
    return лето_круга_лет(номер_лета(лето)) == 16;
}

// Every old day of the Circle of Years 7521 (its first year) to 7536 (its sacred year) taken as
// a birth at 20:30 on the evening it begins: its returns over the next sixteen years, each
// converted back from the evening it begins, are that month and number, or the 40th standing in
// for a 41st in exactly the years that are not sacred.
TEST(KeptDayReturns, EveryDayOfACircleOfYearsComesBackOnItsOwnDayOrTheFortieth) {
    const Знания &знания = таблицы();
    int перенесенных = 0;
    for (int лето = 7521; лето <= 7536; ++лето) {
        for (int месяц = 1; месяц <= 9; ++месяц) {
            const auto страница = std::get<Страница_месяца>(страница_месяца(знания, лето, месяц));
            for (const auto &день : страница.дни) {
                const Момент рождение{день.начало.день, день.начало.месяц, день.начало.год, 20, 30};
                const auto дата = памятная_дата(знания, рождение);
                ASSERT_TRUE(дата);
                ASSERT_EQ(дата->дата, день.дата);
                const auto в = возвращения(знания, дата->дата, лето + 1, 16);
                ASSERT_TRUE(std::holds_alternative<std::vector<Возвращение>>(в));
                const auto &список = std::get<std::vector<Возвращение>>(в);
                ASSERT_EQ(список.size(), 16u);
                for (int i = 0; i < 16; ++i) {
                    const auto &возвращение = список[static_cast<std::size_t>(i)];
                    const int год_возвращения = лето + 1 + i;
                    const bool нет_дня =
                        день.дата.число == 41 && месяц % 2 == 0 && !священное(год_возвращения);
                    const auto р =
                        значения_момента(знания, возвращение.день.начало, Промежуток::широкий);
                    ASSERT_TRUE(р);
                    ASSERT_EQ(р->лето_от_сотворения, год_возвращения);
                    ASSERT_EQ(номер_месяца(р->месяц), месяц);
                    ASSERT_EQ(р->число, нет_дня ? 40 : день.дата.число)
                        << день.дата.число << " " << месяц << " " << лето << " в "
                        << год_возвращения;
                    ASSERT_EQ(возвращение.день.дата,
                              (Старая_дата{год_возвращения, месяц, р->число}));
                    ASSERT_EQ(возвращение.перенесено_с, нет_дня ? std::optional(41) : std::nullopt);
                    ASSERT_EQ(возвращение.возраст, i + 1);
                    перенесенных += нет_дня;
                }
            }
        }
    }
    // Four months' 41st day, born in 7536, in the fifteen ordinary years of the sixteen after.
    EXPECT_EQ(перенесенных, 4 * 15);
}

TEST(KeptDay, TheOldDayTurnsAtSevenInTheEvening) {
    const auto вечер = памятная_дата(таблицы(), {15, 3, 2000, 20, 30});
    const auto день = памятная_дата(таблицы(), {15, 3, 2000, 18, 59});
    ASSERT_TRUE(вечер && день);
    EXPECT_EQ(вечер->дата, (Старая_дата{7508, 5, 14}));
    EXPECT_EQ(день->дата, (Старая_дата{7508, 5, 13}));
    EXPECT_EQ(вечер->месяц, "Дайлет");
    EXPECT_EQ(вечер->день_недели, "Осьмица");
    EXPECT_EQ(вечер->название_лета, "название лета 132");
    EXPECT_FALSE(памятная_дата(таблицы(), {19, 9, 1800, 18, 59}));
    EXPECT_FALSE(памятная_дата(таблицы(), {21, 9, 2099, 19, 0}));
}

struct Запрос_возвращений {
    Старая_дата памятная;
    int с_лета;
    int сколько;
    std::optional<Отказ_возвращений> отказ;
};

class KeptDayRequests : public ::testing::TestWithParam<Запрос_возвращений> {};

TEST_P(KeptDayRequests, GiveTheYearsAskedOrNameWhyNot) {
    const auto &з = GetParam();
    const auto в = возвращения(таблицы(), з.памятная, з.с_лета, з.сколько);
    if (з.отказ) {
        ASSERT_TRUE(std::holds_alternative<Отказ_возвращений>(в));
        EXPECT_EQ(std::get<Отказ_возвращений>(в), *з.отказ);
        return;
    }
    ASSERT_TRUE(std::holds_alternative<std::vector<Возвращение>>(в));
    const auto &список = std::get<std::vector<Возвращение>>(в);
    ASSERT_EQ(список.size(), static_cast<std::size_t>(з.сколько));
    EXPECT_EQ(список.front().день.дата.лето, з.с_лета);
    EXPECT_EQ(список.back().день.дата.лето, з.с_лета + з.сколько - 1);
    EXPECT_EQ(список.front().возраст, з.с_лета - з.памятная.лето);
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeptDayRequests,
    ::testing::Values(
        Запрос_возвращений{{7508, 5, 14}, 7508, 1, std::nullopt},
        Запрос_возвращений{{7508, 5, 14}, 7507, 1, Отказ_возвращений::раньше_памятного_лета},
        Запрос_возвращений{{7508, 5, 14}, 7508, 100, std::nullopt},
        Запрос_возвращений{{7508, 5, 14}, 7534, 101, Отказ_возвращений::неверное_число},
        Запрос_возвращений{{7508, 5, 14}, 7534, 0, Отказ_возвращений::неверное_число},
        // The last years of the range, and one past them.
        Запрос_возвращений{{7309, 9, 41}, 7598, 10, std::nullopt},
        Запрос_возвращений{{7309, 9, 41}, 7599, 10, Отказ_возвращений::позже_промежутка},
        Запрос_возвращений{{7309, 1, 1}, 7608, 1, Отказ_возвращений::позже_промежутка}));

struct Слова_лет {
    int лет;
    std::string_view текст;
};

class YearsInWords : public ::testing::TestWithParam<Слова_лет> {};

TEST_P(YearsInWords, TakeTheFormOfTheirLastDigits) {
    EXPECT_EQ(лет_текстом(GetParam().лет), GetParam().текст);
}

INSTANTIATE_TEST_SUITE_P(Table, YearsInWords,
                         ::testing::Values(Слова_лет{0, "0 лет"}, Слова_лет{1, "1 лето"},
                                           Слова_лет{2, "2 лета"}, Слова_лет{4, "4 лета"},
                                           Слова_лет{5, "5 лет"}, Слова_лет{11, "11 лет"},
                                           Слова_лет{14, "14 лет"}, Слова_лет{21, "21 лето"},
                                           Слова_лет{92, "92 лета"}, Слова_лет{111, "111 лет"}));

TEST(KeptDayText, SaysWhichDayStandsInForTheMissingOneAndTitlesByKind) {
    const auto в =
        std::get<std::vector<Возвращение>>(возвращения(таблицы(), {7536, 4, 41}, 7537, 1));
    EXPECT_EQ(перенос_текстом(в[0]), "41 Гэйлета в это лето нет, день отмечается 40 Гэйлета");
    EXPECT_EQ(срок_текстом(в[0], {7536, 4, 41}), "1 лето со дня 41 Гэйлета 7536 лета");
    EXPECT_EQ(заголовок_памятного_дня("Мирослава", Вид_памятного_дня::день_рождения),
              "Мирослава — день рождения по Круголету");
    EXPECT_EQ(заголовок_памятного_дня("", Вид_памятного_дня::годовщина), "Годовщина по Круголету");
    EXPECT_EQ(вид_памятного_дня("ПАМЯТЬ"), Вид_памятного_дня::день_памяти);
    EXPECT_EQ(вид_памятного_дня("памятник"), std::nullopt);
}

} // namespace
} // namespace круголет
