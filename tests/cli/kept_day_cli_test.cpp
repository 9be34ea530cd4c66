#include "tests/cli/shipped_cli.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace круголет::тесты;

struct Строка_таблицы {
    std::string аргументы;
    int код;
    // The whole of standard output, and the start of standard error.
    std::string вывод;
    std::string ошибки;
    friend void PrintTo(const Строка_таблицы &с, std::ostream *поток) { *поток << с.аргументы; }
};

class KeptDayOnTheCommandLine : public ::testing::TestWithParam<Строка_таблицы> {};

TEST_P(KeptDayOnTheCommandLine, WritesItsReturnsOrRefusesWithNothingOnStandardOutput) {
    const auto р = запустить(GetParam().аргументы);
    EXPECT_EQ(р.код, GetParam().код) << р.ошибки;
    EXPECT_EQ(р.вывод, GetParam().вывод);
    EXPECT_TRUE(р.ошибки.starts_with(GetParam().ошибки) &&
                (GetParam().ошибки.empty() == р.ошибки.empty()))
        << р.ошибки;
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeptDayOnTheCommandLine,
    ::testing::Values(
        Строка_таблицы{
            "--birthday 15.03.2000 20:30 --from 7534 --years 2 --name Мирослава", 0,
            "Мирослава — день рождения по Круголету\n"
            "15.03.2000 20:30 — 14 Дайлета 7508 лета, Осьмица; лето «Солнечный (Золотой) Мир "
            "(Явь)»\n\n"
            "Лето 7534, 26 лет: 14 Дайлета, Седмица, с 19:00 13.03.2026 до 19:00 14.03.2026; "
            "праздник: День Ратибора Странника\n"
            "Лето 7535, 27 лет: 14 Дайлета, Тритейник, с 19:00 13.03.2027 до 19:00 14.03.2027; "
            "праздник: День Ратибора Странника\n",
            ""},
        // A minute before 19:00 lies in the old day before.
        Строка_таблицы{"--birthday '15.03.2000 18:59' --from 7508 --years 1 --kind ПАМЯТЬ", 0,
                       "День памяти по Круголету\n"
                       "15.03.2000 18:59 — 13 Дайлета 7508 лета, Седмица; лето «Солнечный "
                       "(Золотой) Мир (Явь)»\n\n"
                       "Лето 7508, сам день: 13 Дайлета, Седмица, с 19:00 14.03.2000 до 19:00 "
                       "15.03.2000\n",
                       ""},
        // 41 Гэйлета of the sacred year 7536, kept on the 40th in the year after.
        Строка_таблицы{"--json --birthday 29.02.2028 20:00 --from 7537 --years 1", 0,
                       "{\"birth\":{\"day\":41,\"month\":4,\"month_name\":\"Гэйлет\","
                       "\"year_from_creation\":7536},\"name\":null,\"returns\":[{\"age\":1,"
                       "\"day\":40,\"end\":\"2029-03-03T19:00\",\"holiday\":\"День Храма Души\","
                       "\"month\":4,\"month_name\":\"Гэйлет\",\"moved_from\":41,"
                       "\"start\":\"2029-03-02T19:00\",\"weekday\":\"Тритейник\","
                       "\"year_from_creation\":7537}]}\n",
                       ""},
        Строка_таблицы{"--birthday 29.02.2028 20:00 --from 7552 --years 2 --kind годовщина", 0,
                       "Годовщина по Круголету\n"
                       "29.02.2028 20:00 — 41 Гэйлета 7536 лета, Пятница; лето «Древесный "
                       "(Зелёный) Храм»\n\n"
                       "Лето 7552, 16 лет: 41 Гэйлета, Осьмица, с 19:00 29.02.2044 до 19:00 "
                       "01.03.2044\n"
                       "Лето 7553, 17 лет: 40 Гэйлета, Шестица, с 19:00 02.03.2045 до 19:00 "
                       "03.03.2045; праздник: День Храма Души; 41 Гэйлета в это лето нет, день "
                       "отмечается 40 Гэйлета\n",
                       ""},
        Строка_таблицы{"--birthday 31.04.2000 20:30", 2, "",
                       "Нет такого момента: «31.04.2000 20:30»; ожидается ДД.ММ.ГГГГ ЧЧ:ММ\n"},
        Строка_таблицы{"--json --birthday 19.09.1800 18:59", 2, "",
                       "Момент «19.09.1800 18:59» вне промежутка: принимаются моменты с "
                       "19.09.1800 19:00 до 21.09.2099 19:00\n"},
        Строка_таблицы{"--birthday 15.03.2000 20:30 --years 0", 2, "",
                       "--years ждет число от 1 до 100, а не «0»\n"},
        Строка_таблицы{"--ics --birthday 15.03.2000 20:30 --years 101", 2, "",
                       "--years ждет число от 1 до 100, а не «101»\n"},
        Строка_таблицы{"--birthday 15.03.2000 20:30 --from 7507", 2, "",
                       "--from 7507 раньше 7508 лета, на которое приходится памятный день: "
                       "задайте --from 7508 или позже\n"},
        Строка_таблицы{"--birthday 15.03.2000 20:30 --from 7600 --years 10", 2, "",
                       "С 7600 лета до конца промежутка (7607 лето) возвращений 8: задайте "
                       "--years 8 или меньше\n"},
        Строка_таблицы{"--birthday 15.03.2000 20:30 --from 7700", 2, "",
                       "--from 7700 позже 7607 лета, которым кончается промежуток\n"},
        Строка_таблицы{"--birthday 15.03.2000 20:30 --kind свадьба", 2, "",
                       "--kind ждет рождение, годовщина или память, а не «свадьба»\n"},
        Строка_таблицы{"--birthday 15.03.2000 20:30 --name \"$(printf 'a\\nb')\"", 2, "",
                       "В имени есть управляющие знаки"},
        Строка_таблицы{"--birthday 15.03.2000 20:30 --name \"$(printf 'я%.0s' $(seq 101))\"", 2, "",
                       "Имя длиннее 100 знаков: «яяяяяяяяяяяяяяяяяяяяяяяяяяяяяяяяяяяяяяяя…»"},
        Строка_таблицы{"--json --ics --birthday 15.03.2000 20:30", 2, "",
                       "--ics пишет файл iCalendar, --json к нему не относится\nИспользование:"},
        Строка_таблицы{"--from 7534 15.03.2000 20:30", 2, "",
                       "--years, --from, --name и --kind задаются только с --birthday\n"},
        Строка_таблицы{"--ics", 2, "", "--ics ждет аргументы: ГОД\n"},
        Строка_таблицы{"--birthday 15.03.2000 --years 2", 2, "",
                       "--birthday ждет аргументы: ДД.ММ.ГГГГ ЧЧ:ММ\n"},
        Строка_таблицы{"--birthday 15.03.2000 20:30 --holidays 2027", 2, "",
                       "с --birthday не задается --holidays ГОД\n"},
        // The view given is the one named, --year as much as the others.
        Строка_таблицы{"--birthday 15.03.2000 20:30 --year 7536", 2, "",
                       "с --birthday не задается --year ЛЕТО\n"}));

// Without --years the returns stop where the range does instead of being refused.
TEST(KeptDayOnTheCommandLine, TheDefaultCountStopsAtTheEndOfTheRange) {
    const auto р = запустить("--birthday 15.03.2000 20:30 --from 7606");
    EXPECT_EQ(р.код, 0);
    EXPECT_TRUE(
        р.вывод.ends_with("\n\nЛето 7606, 98 лет: 14 Дайлета, Неделя, с 19:00 15.03.2098 до "
                          "19:00 16.03.2098; праздник: День Ратибора Странника\n"
                          "Лето 7607, 99 лет: 14 Дайлета, Пятница, с 19:00 15.03.2099 до "
                          "19:00 16.03.2099; праздник: День Ратибора Странника\n"))
        << р.вывод;
}

TEST(KeptDayOnTheCommandLine, TheLastYearsOfTheRangeAreTheLastReturns) {
    const auto р = запустить("--birthday 15.03.2000 20:30 --from 7598");
    EXPECT_EQ(р.код, 0);
    EXPECT_TRUE(р.вывод.ends_with("Лето 7607, 99 лет: 14 Дайлета, Пятница, с 19:00 15.03.2099 "
                                  "до 19:00 16.03.2099; праздник: День Ратибора Странника\n"))
        << р.вывод;
}

// Without --from the returns begin with the old year the clock is in, or with the kept day's
// own year when that is yet to come.
TEST(KeptDayOnTheCommandLine, BeginWithTheOldYearInForceNow) {
    if (std::system("command -v faketime >/dev/null") != 0)
        GTEST_SKIP() << "faketime is not installed: the system clock cannot be set for this test";
    const std::string часы = "ASAN_OPTIONS=verify_asan_link_order=0 TZ=UTC faketime ";
    // 19.09.2026 19:00 is the first moment of 7535.
    EXPECT_EQ(запустить("--birthday 15.03.2000 20:30", часы + "'2026-09-19 19:00:00'").вывод,
              запустить("--birthday 15.03.2000 20:30 --from 7535").вывод);
    EXPECT_EQ(запустить("--birthday 15.03.2000 20:30", часы + "'2026-09-19 18:59:00'").вывод,
              запустить("--birthday 15.03.2000 20:30 --from 7534").вывод);
    EXPECT_EQ(запустить("--json --birthday 15.03.2040 20:30", часы + "'2026-09-19 19:00:00'").вывод,
              запустить("--json --birthday 15.03.2040 20:30 --from 7548").вывод);
}

} // namespace
