#include "tests/cli/shipped_cli.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace круголет::тесты;

struct Строка_таблицы {
    std::string аргументы;
    int код;
    // What each stream holds; an empty one must stay empty.
    std::string вывод;
    std::string ошибки;
    friend void PrintTo(const Строка_таблицы &с, std::ostream *поток) { *поток << с.аргументы; }
};

bool содержит(const std::string &поток, const std::string &часть) {
    return часть.empty() ? поток.empty() : поток.find(часть) != std::string::npos;
}

std::string повтор(std::string_view текст, int раз) {
    std::string итог;
    for (int i = 0; i < раз; ++i)
        итог += текст;
    return итог;
}

class ViewsOnTheCommandLine : public ::testing::TestWithParam<Строка_таблицы> {};

TEST_P(ViewsOnTheCommandLine, AnswerOrRefuseWithTheirExitStatus) {
    const auto р = запустить(GetParam().аргументы);
    EXPECT_EQ(р.код, GetParam().код) << р.ошибки;
    EXPECT_TRUE(содержит(р.вывод, GetParam().вывод)) << р.вывод;
    EXPECT_TRUE(содержит(р.ошибки, GetParam().ошибки)) << р.ошибки;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ViewsOnTheCommandLine,
    ::testing::Values(
        Строка_таблицы{"--old 7536 РАМХАТ 1", 0,
                       "1 Рамхата 7536 лета (Четверг): с 19:00 19.09.2027 до 19:00 20.09.2027\n"
                       "Праздник: Новолетие\nЧертог: Рамхат\n",
                       ""},
        Строка_таблицы{"--old 7535 2 41", 2, "",
                       "Нет такого дня: 41 Айлета 7535 лета; в этом месяце числа с 1 по 40\n"},
        Строка_таблицы{"--old 7535 Айлетт 1", 2, "", "Нет такого месяца: «Айлетт»; месяц — "},
        Строка_таблицы{"--old 7535 1 x", 2, "", "Неправильные данные: «x» — не число\n"},
        // A number that does not fit is not called "not a number"; a long text is echoed by its
        // first 40 characters.
        Строка_таблицы{"--old 99999999999999999999 1 1", 2, "",
                       "Неправильные данные: «99999999999999999999» — слишком большое число\n"},
        Строка_таблицы{"--month 7536 " + повтор("Ж", 44), 2, "",
                       "Нет такого месяца: «" + повтор("Ж", 40) + "…»; месяц — "},
        // Longer than any field, a day is refused whatever it holds.
        Строка_таблицы{"--old 7536 1 '1" + повтор(" ", 70) + "'", 2, "",
                       "Неправильные данные: «1" + повтор(" ", 39) + "…» — не число\n"},
        Строка_таблицы{"--old 7608 1 1", 2, "",
                       "Лето 7608 вне промежутка: берутся лета от Сотворения Мира с 7309 по "
                       "7607 (с 19:00 19.09.1800 до 19:00 21.09.2099)\n"},
        Строка_таблицы{"--month 2027 1", 2, "",
                       "Лето 2027 вне промежутка: берутся лета от Сотворения Мира с 7309 по "
                       "7607 (с 19:00 19.09.1800 до 19:00 21.09.2099); 2027 год приходится на "
                       "лета 7535 и 7536\n"},
        // The first day stands in the column of its weekday, Четверг.
        Строка_таблицы{"--month 7536 Рамхат", 0,
                       "Рамхат 7536 лета: с 19:00 19.09.2027 до 19:00 30.10.2027\n\nПонедельник "
                       "Вторник     Тритейник   Четверг     Пятница     Шестица     Седмица     "
                       "Осьмица     Неделя\n                                     1 19.09*    2 "
                       "20.09     3 21.09     4 22.09*",
                       ""},
        // JSON objects carry exactly their keys, which come sorted.
        Строка_таблицы{"--json --old 7536 1 1", 0,
                       "{\"day\":1,\"end\":\"2027-09-20T19:00\",\"holiday\":\"Новолетие\","
                       "\"month\":1,\"month_name\":\"Рамхат\",\"start\":\"2027-09-19T19:00\","
                       "\"weekday\":\"Четверг\",\"year_from_creation\":7536}\n",
                       ""},
        Строка_таблицы{"--json --month 7536 1", 0,
                       "{\"days\":[{\"day\":1,\"end\":\"2027-09-20T19:00\",\"holiday\":"
                       "\"Новолетие\",\"start\":\"2027-09-19T19:00\",\"weekday\":\"Четверг\"},{"
                       "\"day\":2,\"end\":\"2027-09-21T19:00\",\"holiday\":null,",
                       ""},
        Строка_таблицы{"--json --month 7536 1", 0,
                       "}],\"first_column\":4,\"month\":1,\"month_name\":\"Рамхат\","
                       "\"year_from_creation\":7536}\n",
                       ""},
        Строка_таблицы{"--json --holidays 2027", 0,
                       "[{\"day\":29,\"end\":\"2027-01-07T19:00\",\"month\":3,\"month_name\":"
                       "\"Бейлет\",\"name\":\"Родогощь\",\"start\":\"2027-01-06T19:00\","
                       "\"year_from_creation\":7535},",
                       ""},
        Строка_таблицы{"--holidays 1800", 0,
                       "Праздники 1800 года (расчет ведется с 19:00 19.09.1800):\n"
                       "1 Рамхата 7309 лета (Понедельник): с 19:00 19.09.1800 до 19:00 "
                       "20.09.1800 — Новолетие\n",
                       ""},
        Строка_таблицы{"--holidays 7608", 2, "", "Год 7608 вне промежутка: ГОД — григорианский"},
        Строка_таблицы{"--ics 2027", 0,
                       "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Krugolet//Krugolet ", ""},
        Строка_таблицы{"--ics 7536", 2, "",
                       "Для --ics нужен григорианский год с 1800 по 2099, а не 7536\n"},
        Строка_таблицы{"--json --old 7535 2 41", 2,
                       "{\"error\":\"Нет такого дня: 41 Айлета 7535 лета", ""},
        Строка_таблицы{"--old 7536 1", 2, "",
                       "--old ждет аргументы: ЛЕТО МЕСЯЦ ЧИСЛО\nИспользование:"},
        Строка_таблицы{"--ics 2027 --json", 2, "",
                       "--ics пишет файл iCalendar, --json к нему не относится\n"},
        Строка_таблицы{"--holidays 2027 --ics 2027", 2, "",
                       "можно задать только один из --old, --month, --year, --holidays, --ics\n"},
        Строка_таблицы{"--month 7536 1 15.03.2000 20:30", 2, "",
                       "с --month момент не задается: 15.03.2000\n"},
        Строка_таблицы{"--year 7536", 0,
                       "Лето 7536 от Сотворения Мира в Звездном Храме — Древесный (Зелёный) "
                       "Храм\nКруг Жизни: 54, лето в Круге Жизни: 16, в Круге Лет: 16\nСвященное "
                       "лето из 369 дней (все девять месяцев по 41 дню): с 19:00 19.09.2027 до "
                       "19:00 22.09.2028\n\n\nРамхат 7536 лета: с 19:00 19.09.2027",
                       ""},
        Строка_таблицы{"--year 7309", 0,
                       "Круг Жизни: 52, лето в Круге Жизни: 77, в Круге Лет: 13\nЛето из 365 дней: "
                       "с 19:00 19.09.1800 до 19:00 19.09.1801\n",
                       ""},
        Строка_таблицы{"--year 2027", 2, "",
                       "Лето 2027 вне промежутка: берутся лета от Сотворения Мира с 7309 по "
                       "7607 (с 19:00 19.09.1800 до 19:00 21.09.2099); 2027 год приходится на "
                       "лета 7535 и 7536\n"},
        Строка_таблицы{"--json --year 7608", 2, "{\"error\":\"Лето 7608 вне промежутка", ""},
        Строка_таблицы{"--year семь", 2, "", "Неправильные данные: «семь» — не число\n"},
        Строка_таблицы{"--year", 2, "", "--year ждет аргументы: ЛЕТО\nИспользование:"}));

// A view's "YYYY-MM-DDTHH:MM" as the command line takes a moment: "DD.MM.YYYY HH:MM".
std::string момент_из_json(const std::string &м) {
    return м.substr(8, 2) + "." + м.substr(5, 2) + "." + м.substr(0, 4) + " " + м.substr(11);
}

// A sacred year and ten drawn anew on every run, so that runs over time compare the whole range;
// a failure names its year.
std::vector<int> лета_для_сравнения() {
    std::random_device источник;
    std::mt19937 случай(источник());
    std::uniform_int_distribution<int> лето(7309, 7607);
    std::vector<int> лета{7536};
    while (лета.size() < 11)
        if (const int л = лето(случай); std::ranges::find(лета, л) == лета.end())
            лета.push_back(л);
    return лета;
}

TEST(YearOnTheCommandLine, IsTheNineMonthViewsUnderTheNameAndPlacesOfTheConversion) {
    for (const int лето : лета_для_сравнения()) {
        SCOPED_TRACE("лето " + std::to_string(лето));
        const std::string л = std::to_string(лето);
        const auto текст = запустить("--year " + л);
        const auto json = запустить("--json --year " + л);
        ASSERT_EQ(текст.код, 0) << текст.ошибки;
        ASSERT_EQ(json.код, 0) << json.ошибки;
        const auto год = nlohmann::json::parse(json.вывод);
        ASSERT_EQ(год.at("months").size(), 9u);

        std::string месяцы;
        std::size_t дней = 0;
        for (int месяц = 1; месяц <= 9; ++месяц) {
            const std::string аргументы = "--month " + л + " " + std::to_string(месяц);
            месяцы += "\n\n" + запустить(аргументы).вывод;
            auto страница = запустить("--json " + аргументы).вывод;
            страница.pop_back();
            // The same writer: the month's object stands in the year's byte for byte.
            EXPECT_NE(json.вывод.find(страница), std::string::npos) << месяц;
            EXPECT_EQ(год["months"][месяц - 1], nlohmann::json::parse(страница)) << месяц;
            дней += год["months"][месяц - 1].at("days").size();
        }
        EXPECT_TRUE(текст.вывод.ends_with(месяцы));

        // The report of the year's first moment names it and places it in the Circles.
        const auto начало = год["months"][0]["days"][0]["start"].get<std::string>();
        const auto отчет = запустить("--json --extended " + момент_из_json(начало));
        ASSERT_EQ(отчет.код, 0) << отчет.ошибки;
        const auto р = nlohmann::json::parse(отчет.вывод);
        EXPECT_EQ(год["year_from_creation"], лето);
        EXPECT_EQ(р["year_from_creation"], лето);
        // The report's name ends with the line feed after which it goes on.
        const auto название = р["year_name"].get<std::string>();
        ASSERT_TRUE(название.ends_with('\n'));
        EXPECT_EQ(год["name"], название.substr(0, название.size() - 1));
        const auto число = [&](const char *ключ) { return р[ключ].dump(); };
        EXPECT_TRUE(текст.вывод.starts_with(
            "Лето " + л + " от Сотворения Мира в Звездном Храме — " + название + "Круг Жизни: " +
            число("circle_of_life") + ", лето в Круге Жизни: " + число("year_of_circle_of_life") +
            ", в Круге Лет: " + число("year_of_circle_of_years") + "\n"))
            << текст.вывод.substr(0, 300);
        const bool священное = р["year_of_circle_of_years"] == 16;
        EXPECT_EQ(год["sacred"], священное);
        EXPECT_EQ(дней, священное ? 369u : 365u);
    }
}

} // namespace
