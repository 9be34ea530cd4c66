#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

struct Запуск {
    int код;
    std::string вывод;
    std::string ошибки;
};

std::string прочитать(const fs::path &файл) {
    std::ifstream f(файл, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

Запуск запустить(const std::string &аргументы) {
    const fs::path папка =
        fs::temp_directory_path() / ("krugolet-views-" + std::to_string(::getpid()));
    fs::create_directories(папка);
    const std::string команда = "'" KRUGOLET_CLI "' --library '" KRUGOLET_LIBRARY "' " + аргументы +
                                " >'" + (папка / "out").string() + "' 2>'" +
                                (папка / "err").string() + "'";
    const int статус = std::system(команда.c_str());
    Запуск запуск{WIFEXITED(статус) ? WEXITSTATUS(статус) : -1, прочитать(папка / "out"),
                  прочитать(папка / "err")};
    fs::remove_all(папка);
    return запуск;
}

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
                       "1 Рамхат 7536 лета (Четверг): с 19:00 19.09.2027 до 19:00 20.09.2027\n"
                       "Праздник: Новолетие\nЧертог: Рамхат\n",
                       ""},
        Строка_таблицы{"--old 7535 2 41", 2, "",
                       "Нет такого дня: 41 Айлет 7535 лета; в этом месяце числа с 1 по 40\n"},
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
                       "Праздники 1800 года (промежуток начинается в 19:00 19.09.1800):\n"
                       "1 Рамхат 7309 лета (Понедельник): с 19:00 19.09.1800 до 19:00 "
                       "20.09.1800 — Новолетие\n",
                       ""},
        Строка_таблицы{"--holidays 7608", 2, "", "Год 7608 вне промежутка: ГОД — григорианский"},
        Строка_таблицы{"--ics 2027", 0,
                       "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Krugolet//Krugolet ", ""},
        Строка_таблицы{"--ics 7536", 2, "",
                       "Для --ics нужен григорианский год с 1800 по 2099, а не 7536\n"},
        Строка_таблицы{"--json --old 7535 2 41", 2,
                       "{\"error\":\"Нет такого дня: 41 Айлет 7535 лета", ""},
        Строка_таблицы{"--old 7536 1", 2, "",
                       "--old ждет аргументы: ЛЕТО МЕСЯЦ ЧИСЛО\nИспользование:"},
        Строка_таблицы{"--ics 2027 --json", 2, "",
                       "--ics пишет файл iCalendar, --json к нему не относится\n"},
        Строка_таблицы{"--holidays 2027 --ics 2027", 2, "",
                       "можно задать только один из --old, --month, --holidays, --ics\n"},
        Строка_таблицы{"--month 7536 1 15.03.2000 20:30", 2, "",
                       "с --month момент не задается: 15.03.2000\n"}));

} // namespace
