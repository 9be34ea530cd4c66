#include "knowledge/library.h"
#include "runtime/cp1251.h"
#include "tests/support/library_fixture.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

using namespace круголет;
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

void записать(const fs::path &файл, std::string_view байты) {
    std::ofstream(файл, std::ios::binary) << байты;
}

constexpr std::size_t мебибайт = std::size_t{1} << 20;

#ifdef __SANITIZE_ADDRESS__
constexpr bool под_санитайзером = true;
#else
constexpr bool под_санитайзером = false;
#endif

// Rows of `бог` a mebibyte long whose text grows most from Windows-1251 to UTF-8: "№", one byte
// in the file, takes three.
std::string длинные_строки(std::size_t байт) {
    const std::string начало = *в_1251("бог(\"\", \""), конец = "\")\n";
    const std::string строка =
        начало + std::string(мебибайт - начало.size() - конец.size(), '\xB9') + конец;
    std::string строки;
    while (строки.size() + строка.size() <= байт)
        строки += строка;
    return строки;
}

// The largest resident size of any child this test has waited for, the shell included, in
// kilobytes.
long наибольшая_память_потомков() {
    rusage потомки{};
    getrusage(RUSAGE_CHILDREN, &потомки);
    return потомки.ru_maxrss;
}

// Runs the tool in its own directory, which holds the test library as "библиотека.txt".
class Cli : public ::testing::Test {
  protected:
    void SetUp() override {
        папка = fs::temp_directory_path() /
                ("krugolet-cli-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(папка);
        const auto библиотека = в_1251(строки_библиотеки_для_тестов());
        ASSERT_TRUE(библиотека);
        записать(папка / u8"библиотека.txt", *библиотека);
    }
    void TearDown() override { fs::remove_all(папка); }

    Запуск запустить(const std::string &аргументы, const std::string &ввод = "") {
        return запустить_в("", аргументы, ввод);
    }

    // The same, with a command put before the tool (a clock that is set, say).
    Запуск запустить_в(const std::string &перед, const std::string &аргументы,
                       const std::string &ввод = "") {
        записать(папка / "in", ввод);
        return запустить_с(перед, аргументы, "<in >out");
    }

    // With standard input and output as given, in the shell's words.
    Запуск запустить_с(const std::string &перед, const std::string &аргументы,
                       const std::string &ввод_и_вывод) {
        fs::remove(папка / "out");
        const std::string команда = "cd '" + папка.string() + "' && " + перед + " '" + программа +
                                    "' " + аргументы + " " + ввод_и_вывод + " 2>err";
        const int статус = std::system(команда.c_str());
        return {WIFEXITED(статус) ? WEXITSTATUS(статус) : -1, прочитать(папка / "out"),
                прочитать(папка / "err")};
    }

    fs::path папка;
    // The tool as built, beside its library; a test may run a copy of it from elsewhere.
    std::string программа = KRUGOLET_CLI;
};

} // namespace

TEST_F(Cli, ReportOfAMoment) {
    const auto р = запустить("15.03.2000 20:30");
    EXPECT_EQ(р.код, 0) << р.ошибки;
    EXPECT_EQ(р.ошибки, "");
    EXPECT_EQ(р.вывод.rfind(
                  "Дата и время по Григорианскому Календарю:  20час.30мин.   15.3.2000г.\n\n", 0),
              0u)
        << р.вывод;
    EXPECT_NE(р.вывод.find("Месяц: Дайлет - месяц Пробуждения Природы\nЧисло месяца: 14\n"),
              std::string::npos);
    EXPECT_TRUE(р.вывод.ends_with("\n\n"));
    EXPECT_EQ(запустить("'15.03.2000 20:30'").вывод, р.вывод);
}

TEST_F(Cli, WithoutAMomentReportsNowUnderAPrefix) {
    if (std::system("command -v faketime >/dev/null") != 0)
        GTEST_SKIP() << "faketime is not installed: the system clock cannot be set for this test";
    const auto ныне = запустить_в(
        "ASAN_OPTIONS=verify_asan_link_order=0 TZ=UTC faketime '2000-03-15 20:30:00'", "");
    EXPECT_EQ(ныне.код, 0) << ныне.ошибки;
    EXPECT_EQ(ныне.вывод, "Ныне:\n" + запустить("15.03.2000 20:30").вывод);
    // Outside the span there is no range check, only no report.
    const auto позже = запустить_в(
        "ASAN_OPTIONS=verify_asan_link_order=0 TZ=UTC faketime '2012-09-23 10:05:00'", "");
    EXPECT_EQ(позже.код, 1);
    EXPECT_NE(позже.ошибки.find("вне Круга Жизни"), std::string::npos) << позже.ошибки;
    EXPECT_NE(позже.ошибки.find("С --extended принимаются"), std::string::npos) << позже.ошибки;
    const auto широкий =
        запустить_в("ASAN_OPTIONS=verify_asan_link_order=0 TZ=UTC faketime '2026-12-07 13:20:00'",
                    "--extended");
    EXPECT_EQ(широкий.код, 0) << широкий.ошибки;
    EXPECT_EQ(широкий.вывод, "Ныне:\n" + запустить("--extended 07.12.2026 13:20").вывод);
    const auto в_json = запустить_в(
        "ASAN_OPTIONS=verify_asan_link_order=0 TZ=UTC faketime '2000-03-15 20:30:00'", "--json");
    EXPECT_EQ(nlohmann::json::parse(в_json.вывод)["day_of_month"], 14);
}

TEST_F(Cli, RefusedInput) {
    for (const char *ввод : {"30.02.1904 12:00", "15.03.2000 24:00", "15.3.x 20:30",
                             "15-03-2000 20:30", "'15.03.2000' '20'"}) {
        const auto р = запустить(ввод);
        EXPECT_EQ(р.код, 2) << ввод;
        EXPECT_EQ(р.ошибки, "Неправильные данные!\n") << ввод;
        EXPECT_EQ(р.вывод, "") << ввод;
    }
    // Outside the span, a moment that the wide range would take is told so.
    const auto р = запустить("22.09.2012 19:00");
    EXPECT_EQ(р.код, 2);
    EXPECT_EQ(р.ошибки, "Неправильные данные!\nС --extended принимаются моменты с 19.09.1800 "
                        "19:00 до 21.09.2099 19:00\n");
    EXPECT_EQ(р.вывод, "");
}

const std::string использование =
    "Использование: krugolet-cli [--library ФАЙЛ] [--json] [--extended] [ДД.ММ.ГГГГ ЧЧ:ММ | -]\n"
    "               krugolet-cli [--library ФАЙЛ] [--json] --old ЛЕТО МЕСЯЦ ЧИСЛО\n"
    "               krugolet-cli [--library ФАЙЛ] [--json] --month ЛЕТО МЕСЯЦ\n"
    "               krugolet-cli [--library ФАЙЛ] [--json] --year ЛЕТО\n"
    "               krugolet-cli [--library ФАЙЛ] [--json] --holidays ГОД\n"
    "               krugolet-cli [--library ФАЙЛ] --ics ГОД\n"
    "               krugolet-cli [--library ФАЙЛ] [--json | --ics] --birthday ДД.ММ.ГГГГ ЧЧ:ММ\n"
    "                            [--years N] [--from ЛЕТО] [--name ИМЯ] [--kind ВИД]\n";

TEST_F(Cli, Help) {
    const auto справка = запустить("--help");
    EXPECT_EQ(справка.код, 0);
    EXPECT_NE(справка.вывод.find("--json"), std::string::npos);
    EXPECT_EQ(справка.вывод.rfind(использование + "\n", 0), 0u);
}

TEST_F(Cli, LibraryMissingOrDamaged) {
    const std::string ожидаемо = "Ошибка загрузки библиотеки\nОтсутствует или поврежден файл "
                                 "\"библиотека.txt\" \nДальнейшая работа невозможна\n";
    fs::remove(папка / u8"библиотека.txt");
    // A copy of the tool in a folder of its own, with no library beside it either, says where it
    // looked.
    fs::create_directories(папка / "bin");
    fs::copy_file(программа, папка / "bin" / "krugolet-cli");
    программа = (папка / "bin" / "krugolet-cli").string();
    auto р = запустить("15.03.2000 20:30");
    EXPECT_EQ(р.код, 3);
    EXPECT_EQ(р.ошибки, ожидаемо + "Файл не найден ни в одном из мест: " +
                            (папка / u8"библиотека.txt").string() + ", " +
                            (папка / "bin" / u8"библиотека.txt").string() +
                            ", " KRUGOLET_DATA_DIR "/библиотека.txt (другой файл можно указать "
                            "параметром --library)\n");
    // Run from its own folder, it names that folder once.
    fs::copy_file(программа, папка / "krugolet-cli");
    программа = (папка / "krugolet-cli").string();
    р = запустить("15.03.2000 20:30");
    EXPECT_EQ(р.ошибки, ожидаемо + "Файл не найден ни в одном из мест: " +
                            (папка / u8"библиотека.txt").string() +
                            ", " KRUGOLET_DATA_DIR "/библиотека.txt (другой файл можно указать "
                            "параметром --library)\n");
    // A library named on the command line is named in the message, with the line at fault.
    р = запустить("--library нет.txt 15.03.2000 20:30");
    EXPECT_EQ(р.код, 3);
    EXPECT_EQ(р.ошибки, "Ошибка загрузки библиотеки\nнет.txt: файл не открывается\n");
    записать(папка / "плохая.txt", *в_1251("лето(1, \"a\")\n\nлето(2, \"b\")\n"));
    р = запустить("--library=плохая.txt 15.03.2000 20:30");
    EXPECT_EQ(р.код, 3);
    EXPECT_EQ(р.ошибки, "Ошибка загрузки библиотеки\nплохая.txt: строка 2: нет \"(\" после "
                        "имени таблицы\n");
    EXPECT_EQ(р.вывод, "");
}

// The tool just built runs from any folder: the build puts its library beside it.
TEST_F(Cli, FindsTheLibraryBesideItselfFromAnotherFolder) {
    fs::remove(папка / u8"библиотека.txt");
    const auto р = запустить("15.03.2000 20:30");
    EXPECT_EQ(р.код, 0) << р.ошибки;
    EXPECT_NE(р.вывод.find("Число месяца: 14\n"), std::string::npos) << р.вывод;
}

TEST_F(Cli, ReportThatCannotBeWrittenGivesStatus4) {
    for (const char *вывод : {">/dev/full", ">&-"}) {
        const auto р = запустить_с("", "15.03.2000 20:30", std::string("</dev/null ") + вывод);
        EXPECT_EQ(р.код, 4) << вывод;
        EXPECT_EQ(р.ошибки, "Не удалось записать на стандартный вывод\n") << вывод;
    }
    EXPECT_EQ(запустить_с("", "--json 15.03.2000 20:30", "</dev/null >/dev/full").код, 4);
    записать(папка / "in", "15.03.2000 20:30\n");
    EXPECT_EQ(запустить_с("", "--json -", "<in >/dev/full").код, 4);
}

// A batch long enough to fill any pipe, into a pipe whose reader has gone after one byte or
// before any, and onto a full disk: the output fails the same way each time.
TEST_F(Cli, BatchThatCannotBeWrittenEndsWithStatus4AndItsMessage) {
    std::string строки;
    for (int i = 0; i < 3000; ++i)
        строки += "15.03.2000 20:30\n";
    записать(папка / "in", строки);
    for (const char *читатель : {"head -c 1 >/dev/null", "true"}) {
        const std::string команда =
            "cd '" + папка.string() +
            "' && { '" KRUGOLET_CLI "' --json - <in 2>err; echo $? >status; } | " + читатель;
        std::system(команда.c_str());
        EXPECT_EQ(прочитать(папка / "status"), "4\n") << читатель;
        EXPECT_EQ(прочитать(папка / "err"), "Не удалось записать на стандартный вывод\n")
            << читатель;
    }
    const auto р = запустить_с("", "--json -", "<in >/dev/full");
    EXPECT_EQ(р.код, 4);
    EXPECT_EQ(р.ошибки, "Не удалось записать на стандартный вывод\n");
}

TEST_F(Cli, InputThatCannotBeReadIsNoSuccess) {
    for (const char *ввод : {"<.", "<&-"}) {
        const auto р = запустить_с("", "--json -", std::string(ввод) + " >out");
        EXPECT_EQ(р.код, 4) << ввод;
        EXPECT_EQ(р.ошибки, "Не удалось прочитать стандартный ввод\n") << ввод;
    }
}

using CliLibrary = Cli;
using CliBatch = Cli;
using CliMemory = Cli;

// Nothing can make the tool wait on its library: a FIFO, a device or a directory is refused
// before it is read, whether named or found in the current directory.
TEST_F(CliLibrary, OnlyARegularFileIsRead) {
    ASSERT_EQ(::mkfifo((папка / "fifo").c_str(), 0600), 0);
    for (const std::string файл : {"fifo", "/dev/null", "/dev/zero", "."}) {
        const auto р = запустить_в("timeout 10", "--library " + файл + " 15.03.2000 20:30");
        EXPECT_EQ(р.код, 3) << файл;
        EXPECT_EQ(р.ошибки, "Ошибка загрузки библиотеки\n" + файл + ": не обычный файл\n");
    }
    fs::remove(папка / u8"библиотека.txt");
    ASSERT_EQ(::mkfifo((папка / u8"библиотека.txt").c_str(), 0600), 0);
    const auto р = запустить_в("timeout 10", "15.03.2000 20:30");
    EXPECT_EQ(р.код, 3);
    EXPECT_EQ(р.ошибки, "Ошибка загрузки библиотеки\nОтсутствует или поврежден файл "
                        "\"библиотека.txt\" \nДальнейшая работа невозможна\n");
}

// At the caps the most memory is taken by the texts that grow most. (The many tiny rows that
// once took the most are cut off at наибольшее_число_строк.)
TEST_F(CliLibrary, NoLibraryUnderTheCapsTakesMuchMemory) {
    записать(папка / "long.txt", длинные_строки(наибольший_файл));
    const auto р = запустить("--library long.txt 15.03.2000 20:30");
    EXPECT_EQ(р.код, 1) << р.ошибки;
    if (!под_санитайзером) {
        EXPECT_LT(наибольшая_память_потомков(), 110'000) << "kilobytes";
    }
}

// A line too long to be a moment is neither held nor echoed whole, and the lines after it are
// read as usual.
TEST_F(CliBatch, LineOverAMebibyteIsSkipped) {
    std::string длинная = "15.03.2000 20:30 ";
    for (std::size_t i = 0; i < 8 * мебибайт; ++i)
        длинная += "Ж";
    const std::string ровно = "15.03.2000 20:30" + std::string(мебибайт - 16, ' ');
    const auto р = запустить_в(под_санитайзером ? "" : "prlimit --as=50331648", "--json -",
                               "15.03.2000 20:30\n" + длинная + "\n" + ровно + "\n");
    EXPECT_EQ(р.код, 1) << р.ошибки;
    std::istringstream строки(р.вывод);
    std::string строка;
    ASSERT_TRUE(std::getline(строки, строка));
    EXPECT_EQ(nlohmann::json::parse(строка)["day_of_month"], 14);
    ASSERT_TRUE(std::getline(строки, строка));
    EXPECT_LT(строка.size(), 300u);
    const auto ошибка = nlohmann::json::parse(строка);
    EXPECT_EQ(ошибка["error"], "Строка длиннее 1 МиБ");
    EXPECT_EQ(ошибка["input"], длинная.substr(0, 17 + 2 * 63));
    ASSERT_TRUE(std::getline(строки, строка));
    EXPECT_EQ(nlohmann::json::parse(строка)["day_of_month"], 14);
    EXPECT_FALSE(std::getline(строки, строка));
}

TEST_F(CliMemory, FailedAllocationEndsWithMessageAndStatus4) {
    if (под_санитайзером)
        GTEST_SKIP() << "a sanitizer's own reservations do not fit under a memory limit";
    записать(папка / "long.txt", длинные_строки(16 * мебибайт));
    const auto р = запустить_в("prlimit --as=41943040", "--library long.txt 15.03.2000 20:30");
    EXPECT_EQ(р.код, 4);
    EXPECT_EQ(р.ошибки, "Не хватает памяти\n");
}

struct Аргументы_и_итог {
    std::string аргументы;
    int код;
    std::string ошибки;
    // A tab is shown as "\t", since the text also names the test.
    friend void PrintTo(const Аргументы_и_итог &а, std::ostream *поток) {
        for (const char знак : а.аргументы)
            *поток << (знак == '\t' ? std::string_view("\\t") : std::string_view(&знак, 1));
    }
};

std::string с_использованием(std::string_view ошибка) {
    return std::string(ошибка) + "\n" + использование + "Подробно: krugolet-cli --help\n";
}

class CliArguments : public Cli, public ::testing::WithParamInterface<Аргументы_и_итог> {};

TEST_P(CliArguments, GiveTheExitStatusAndMessage) {
    const auto р = запустить(GetParam().аргументы);
    EXPECT_EQ(р.код, GetParam().код);
    EXPECT_EQ(р.ошибки, GetParam().ошибки);
    EXPECT_EQ(р.вывод, р.код == 0 ? запустить("15.03.2000 20:30").вывод : "");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CliArguments,
    ::testing::Values(
        Аргументы_и_итог{"--unknown", 2, с_использованием("неизвестный параметр: --unknown")},
        Аргументы_и_итог{"15.03.2000 20:30 лишнее", 2, с_использованием("лишний аргумент: лишнее")},
        Аргументы_и_итог{"15.03.2000", 2,
                         с_использованием("не хватает времени: ожидается ДД.ММ.ГГГГ ЧЧ:ММ")},
        Аргументы_и_итог{"-", 2, с_использованием("\"-\" читает моменты только с --json")},
        Аргументы_и_итог{"15.03.2000 20:30 --library", 2,
                         с_использованием("у --library нет имени файла")},
        Аргументы_и_итог{"--library= 15.03.2000 20:30", 2,
                         с_использованием("у --library нет имени файла")},
        Аргументы_и_итог{"--library '' 15.03.2000 20:30", 2,
                         с_использованием("у --library нет имени файла")},
        // Without "--" a field that begins with "-" reads as an option.
        Аргументы_и_итог{"1.1.1900 -1:00", 2, с_использованием("неизвестный параметр: -1:00")},
        Аргументы_и_итог{"-- 1.1.1900 -1:00", 2, "Неправильные данные!\n"},
        Аргументы_и_итог{"-- --json 15.03.2000", 2, "Неправильные данные!\n"},
        Аргументы_и_итог{"-- 15.03.2000 20:30 --json", 2,
                         с_использованием("лишний аргумент: --json")},
        Аргументы_и_итог{"-- 15.03.2000 20:30", 0, ""},
        Аргументы_и_итог{"'\t15.03.2000 \t20:30\t'", 0, ""}));

TEST_F(Cli, OtherLibraryWithoutTheNeededRow) {
    // Well formed, but without the year 132 that 15.03.2000 needs.
    const auto полная = в_1251(строки_библиотеки_для_тестов());
    ASSERT_TRUE(полная);
    std::string без_года;
    std::istringstream строки(*полная);
    const std::string год_132 = *в_1251("название_лета(132,");
    for (std::string строка; std::getline(строки, строка);)
        if (строка.find(год_132) == std::string::npos)
            без_года += строка + "\n";
    записать(папка / "неполная.txt", без_года);
    const auto р = запустить("--library неполная.txt 15.03.2000 20:30");
    EXPECT_EQ(р.код, 1);
    EXPECT_EQ(р.вывод, "");
    EXPECT_NE(р.ошибки.find("нет записи"), std::string::npos) << р.ошибки;
    EXPECT_EQ(запустить("--library неполная.txt 15.03.2001 20:30").код, 0);
}

TEST_F(Cli, JsonWithEveryValue) {
    const auto р = запустить("--json 15.03.2000 20:30");
    ASSERT_EQ(р.код, 0) << р.ошибки;
    const auto j = nlohmann::json::parse(р.вывод);
    EXPECT_EQ(j["year_of_circle_of_life"], 132);
    EXPECT_EQ(j["year_of_circle_of_years"], 4);
    EXPECT_EQ(j["month"], "Дайлет");
    EXPECT_EQ(j["month_meaning"], "месяц Пробуждения Природы");
    EXPECT_EQ(j["day_of_month"], 14);
    EXPECT_EQ(j["weekday"], "Осьмица");
    EXPECT_EQ(j["hour"], 1);
    EXPECT_EQ(j["hour_word"], "час");
    EXPECT_EQ(j["part"], 0);
    EXPECT_EQ(j["part_word"], "частей");
    EXPECT_EQ(j["holiday"], "День Ратибора Странника");
    EXPECT_EQ(j["hall"], "Велес");
    EXPECT_EQ(j["report"], запустить("15.03.2000 20:30").вывод);
    for (const char *ключ : {"year_name", "year_characteristic", "quarter_text",
                             "day_of_quarter_text", "god_text", "hall_description"})
        EXPECT_TRUE(j[ключ].is_string() && !j[ключ].get<std::string>().empty()) << ключ;
}

TEST_F(Cli, JsonLineByLineFromStandardInput) {
    const auto р = запустить("--json -", "15.03.2000 20:30\r\nмусор\n22.09.1868 19:00\n");
    EXPECT_EQ(р.код, 1);
    std::istringstream строки(р.вывод);
    std::string строка;
    ASSERT_TRUE(std::getline(строки, строка));
    EXPECT_EQ(nlohmann::json::parse(строка)["day_of_month"], 14);
    ASSERT_TRUE(std::getline(строки, строка));
    const auto ошибка = nlohmann::json::parse(строка);
    EXPECT_EQ(ошибка["error"], "Неправильные данные!");
    EXPECT_EQ(ошибка["input"], "мусор");
    ASSERT_TRUE(std::getline(строки, строка));
    EXPECT_EQ(nlohmann::json::parse(строка)["year_of_circle_of_life"], 1);
    EXPECT_FALSE(std::getline(строки, строка));

    EXPECT_EQ(запустить("--json -", "15.03.2000 20:30\n1.1.1900 0:0\n").код, 0);
}

TEST_F(Cli, JsonSurvivesInvalidBytes) {
    const auto р = запустить("--json -", std::string("\xff\xfe 1:1\n"));
    EXPECT_EQ(р.код, 2);
    EXPECT_EQ(nlohmann::json::parse(р.вывод)["error"], "Неправильные данные!");
}

// A batch in which no line was a moment is wrong data, as a single wrong moment is; a batch with
// a report in it is not.
TEST_F(CliBatch, EveryLineRefusedIsWrongData) {
    EXPECT_EQ(запустить("--json -", "мусор\n1.1.1700 0:0\n").код, 2);
    EXPECT_EQ(запустить("--json -", "мусор\n15.03.2000 20:30\n").код, 1);
    EXPECT_EQ(запустить("--json -", "").код, 0);
}

TEST_F(Cli, WideRangeAddsTheLineOfTheYearFromCreation) {
    const auto р = запустить("--extended 7.12.2026 13:20");
    EXPECT_EQ(р.код, 0) << р.ошибки;
    EXPECT_NE(р.вывод.find("Дата и время по Да'Арийскому Круголету:\n\nЛето от Сотворения Мира в "
                           "Звездном Храме: 7535, Круг Жизни: 54 \nЛето в Круге Жизни: 15 \n"),
              std::string::npos)
        << р.вывод;
    EXPECT_EQ(запустить("15.03.2000 20:30").вывод.find("Сотворения"), std::string::npos);
}

TEST_F(Cli, ObjectCarriesCircleOfLifeAndYearFromCreationInBothRanges) {
    const auto j = nlohmann::json::parse(запустить("--json 15.03.2000 20:30").вывод);
    EXPECT_EQ(j["circle_of_life"], 53);
    EXPECT_EQ(j["year_from_creation"], 7508);

    const auto р = запустить("--extended --json -", "1.1.2050 12:00\n19.09.1800 18:59\n");
    EXPECT_EQ(р.код, 1);
    std::istringstream строки(р.вывод);
    std::string строка;
    ASSERT_TRUE(std::getline(строки, строка));
    const auto лето = nlohmann::json::parse(строка);
    EXPECT_EQ(лето["circle_of_life"], 54);
    EXPECT_EQ(лето["year_from_creation"], 7558);
    EXPECT_EQ(лето["year_of_circle_of_life"], 38);
    ASSERT_TRUE(std::getline(строки, строка));
    EXPECT_EQ(nlohmann::json::parse(строка)["error"], "Неправильные данные!");
}
