// krugolet-cli's JSON held byte for byte to the writer it had before (old_json_writer.h): the
// batch over random moments of both ranges, library texts with every character JSON escapes and
// with bytes that are not UTF-8, the views and the kept days.

#include "calendar/input_check.h"
#include "calendar/kept_day.h"
#include "calendar/range.h"
#include "calendar/year.h"
#include "calendar/year_holidays.h"
#include "calendar/year_page.h"
#include "knowledge/calendar_words.h"
#include "knowledge/library.h"
#include "output/json_kept_day.h"
#include "output/json_report.h"
#include "output/json_views.h"
#include "runtime/cp1251.h"
#include "tests/cli/old_json_writer.h"
#include "tests/support/library_fixture.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace круголет {
namespace {

namespace fs = std::filesystem;
namespace прежний = прежний_json;

const fs::path отгружаемая{u8"" KRUGOLET_LIBRARY};

std::string прочитать(const fs::path &файл) {
    std::ifstream f(файл, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// What krugolet-cli writes with the shipped library, the arguments and `ввод` on its standard
// input.
std::string вывод(const std::string &аргументы, const std::string &ввод) {
    const fs::path папка =
        fs::temp_directory_path() / ("krugolet-json-" + std::to_string(::getpid()));
    fs::create_directories(папка);
    std::ofstream(папка / "in", std::ios::binary) << ввод;
    const std::string команда = "'" KRUGOLET_CLI "' --library '" + отгружаемая.string() + "' " +
                                аргументы + " <'" + (папка / "in").string() + "' >'" +
                                (папка / "out").string() + "'";
    std::system(команда.c_str());
    auto текст = прочитать(папка / "out");
    fs::remove_all(папка);
    return текст;
}

std::vector<std::string> строки(const std::string &текст) {
    std::vector<std::string> итог;
    std::istringstream поток(текст);
    for (std::string строка; std::getline(поток, строка);)
        итог.push_back(строка);
    return итог;
}

template <class Писатель> std::string json(Писатель записать) {
    Буфер_текста буфер;
    Запись_json запись(буфер);
    записать(запись);
    return std::string(буфер.текст());
}

std::string json_значений(const Значения_момента &р, const Момент &м, Память_json &память) {
    return json([&](Запись_json &з) { записать_json_значений(з, р, м, память); });
}

Знания отгружаемые_знания() {
    Знания знания = встроенные_знания();
    EXPECT_EQ(загрузить_библиотеку(отгружаемая, знания), Загрузка::выполнена);
    return знания;
}

// Each hour of the day in turn, the rest drawn at random from the range's years, so that a few
// moments fall before or after the range, which the tool refuses as it reads them.
TEST(JsonOutput, RandomMomentsOfBothRangesGiveTheOldWritersBytes) {
    const auto зерно = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(зерно));
    std::mt19937 случай(зерно);
    const auto от = [&](int а, int б) { return std::uniform_int_distribution(а, б)(случай); };
    const Знания знания = отгружаемые_знания();
    for (const auto промежуток : {Промежуток::круг_жизни, Промежуток::широкий}) {
        const bool широкий = промежуток == Промежуток::широкий;
        std::string ввод;
        std::vector<std::string> ожидается;
        for (int i = 0; i < 5000; ++i) {
            const int год = от(границы(промежуток).начало.год, границы(промежуток).конец.год);
            const int месяц = от(1, 12);
            const Момент м{от(1, *длительность_месяца(месяц, год)), месяц, год, i % 24, от(0, 59)};
            char строка[64];
            std::snprintf(строка, sizeof строка, "%d.%02d.%d %d:%02d", м.день, м.месяц, м.год,
                          м.час, м.минута);
            ввод += строка + std::string("\n");
            const auto р = значения_момента(знания, м, промежуток);
            ожидается.push_back(прежний::текст(
                р ? прежний::значения(*р, м)
                  : nlohmann::json{{"error", текст_ошибки_ввода}, {"input", std::string(строка)}}));
        }
        const auto получено = строки(вывод(широкий ? "--extended --json -" : "--json -", ввод));
        ASSERT_EQ(получено.size(), ожидается.size());
        for (std::size_t i = 0; i < получено.size(); ++i)
            ASSERT_EQ(получено[i], ожидается[i]) << "line " << i + 1 << (широкий ? ", wide" : "");
    }
}

// A refused line is echoed as it came, control characters and bytes that are not UTF-8 too.
TEST(JsonOutput, RefusedLinesAreEchoedAsTheOldWriterEchoedThem) {
    const std::vector<std::string> строки_ввода = {"мусор \x01\x1f\"\\\x7f", "\xff\xfe 1:1",
                                                   "1.1.1700 12:00", "31.02.2000 10:10",
                                                   "15.03.2000\t20:30 \xD0"};
    std::string ввод;
    for (const auto &строка : строки_ввода)
        ввод += строка + "\n";
    const auto получено = строки(вывод("--json -", ввод));
    ASSERT_EQ(получено.size(), строки_ввода.size());
    for (std::size_t i = 0; i < строки_ввода.size(); ++i)
        EXPECT_EQ(получено[i],
                  прежний::текст({{"error", "Неправильные данные!"}, {"input", строки_ввода[i]}}))
            << i;
}

// Texts with every control character, quotes, backslashes, characters of three bytes, and bytes
// that are not UTF-8: a lead byte at a text's end, a stray continuation byte, an overlong form,
// a surrogate, a code point beyond U+10FFFF, and a character cut between a god's two rows.
Знания знания_с_трудными_текстами() {
    std::string управляющие;
    for (int байт = 0; байт < 0x20; ++байт)
        управляющие += static_cast<char>(байт);
    управляющие += "\"\\\x7f";
    const std::string трудные[] = {
        "Лето " + управляющие,
        "обрыв в конце \xD0",
        "\x9F продолжение без начала",
        "сверхдлинное \xC0\x80, суррогат \xED\xA0\x80, за пределом \xF4\x90\x80\x80",
        "№ 5 — «Чертог» " + управляющие + " и длинный хвост после всего этого текста",
        "Обычный текст, но длиннее шестнадцати байт",
    };
    Знания знания = встроенные_знания();
    for (int лето = 1; лето <= 144; ++лето) {
        знания.лето.добавить(лето, трудные[лето % std::size(трудные)]);
        знания.название_лета.добавить(лето, трудные[(лето + 1) % std::size(трудные)]);
    }
    namespace ч = имя_чертога;
    for (const auto чертог :
         {ч::рамхат, ч::рожана, ч::макошь, ч::семаргл, ч::варуна, ч::сварог, ч::род, ч::велес,
          ч::марена, ч::крышень, ч::лада, ч::вышень, ч::купала, ч::перун, ч::даждьбог, ч::джива}) {
        // "П" is D0 9F: its bytes are cut between the god's rows where there are two.
        знания.бог.добавить(std::string(чертог), "бог " + std::string(чертог) + " \xD0");
        знания.описание_чертога.добавить(std::string(чертог), трудные[чертог.size() % 6]);
    }
    for (const auto вторая : {ч::купала1, ч::перун1, ч::даждьбог1})
        знания.бог.добавить(std::string(вторая), "\x9Fродолжение \\ \"в кавычках\"");
    const auto строки = в_1251(строки_библиотеки_для_тестов());
    EXPECT_TRUE(строки);
    EXPECT_EQ(загрузить_библиотеку_из_текста(*строки, знания), Загрузка::выполнена);
    return знания;
}

// One memory for all the objects, as a batch keeps it: a text kept escaped from one object is
// copied into the next.
TEST(JsonOutput, HardLibraryTextsGiveTheOldWritersBytes) {
    const Знания знания = знания_с_трудными_текстами();
    Память_json память;
    int сравнено = 0;
    for (int год = 1999; год <= 2001; ++год)
        for (int месяц = 1; месяц <= 12; ++месяц)
            for (int день = 1; день <= *длительность_месяца(месяц, год); ++день) {
                const Момент м{день, месяц, год, (день * 7) % 24, день};
                const auto р = значения_момента(знания, м);
                ASSERT_TRUE(р);
                ASSERT_EQ(json_значений(*р, м, память), прежний::текст(прежний::значения(*р, м)))
                    << день << "." << месяц << "." << год;
                ++сравнено;
            }
    EXPECT_EQ(сравнено, 365 * 3 + 1);
}

// Control characters from the library file itself, through krugolet-cli.
TEST(JsonOutput, ControlCharactersInTheLibraryFileReachTheOutputEscaped) {
    std::string текст = "Лето \\\"в кавычках\\\", \\\\, \\n, \\r:";
    for (int байт = 1; байт < 0x20; ++байт)
        if (байт != '\n' && байт != '\r')
            текст += static_cast<char>(байт);
    const auto строки = в_1251("лето(132, \"" + текст + "\")\n" + строки_библиотеки_для_тестов());
    ASSERT_TRUE(строки);
    const fs::path файл = fs::temp_directory_path() /
                          ("krugolet-json-library-" + std::to_string(::getpid()) + ".txt");
    std::ofstream(файл, std::ios::binary) << *строки;
    Знания знания = встроенные_знания();
    ASSERT_EQ(загрузить_библиотеку(файл, знания), Загрузка::выполнена);
    const Момент м{15, 3, 2000, 20, 30};
    const auto р = значения_момента(знания, м);
    ASSERT_TRUE(р);
    ASSERT_NE(р->характеристика_лета.find('\x1f'), std::string_view::npos);
    const std::string команда = "'" KRUGOLET_CLI "' --library '" + файл.string() +
                                "' --json 15.03.2000 20:30 >'" + файл.string() + ".out'";
    ASSERT_EQ(std::system(команда.c_str()), 0);
    EXPECT_EQ(прочитать(файл.string() + ".out"), прежний::текст(прежний::значения(*р, м)) + "\n");
    fs::remove(файл);
    fs::remove(файл.string() + ".out");
}

// Every year at a glance and month page, every year's holidays both ways, and the old days of a
// page.
TEST(JsonOutput, ViewsGiveTheOldWritersBytes) {
    const Знания знания = отгружаемые_знания();
    for (int лето = первое_лето; лето <= последнее_лето; ++лето) {
        const auto целиком = std::get<Страница_лета>(страница_лета(знания, лето));
        ASSERT_EQ(json([&](Запись_json &з) { записать_json_страницы_лета(з, целиком); }),
                  прежний::текст(прежний::страница_лета(целиком)))
            << лето;
        for (int месяц = 1; месяц <= 9; ++месяц) {
            const auto страница = std::get<Страница_месяца>(страница_месяца(знания, лето, месяц));
            ASSERT_EQ(json([&](Запись_json &з) { записать_json_страницы(з, страница); }),
                      прежний::текст(прежний::страница(страница)))
                << лето << " " << месяц;
            const auto &день = страница.дни[static_cast<std::size_t>(лето % 40)];
            ASSERT_EQ(json([&](Запись_json &з) { записать_json_дня(з, день); }),
                      прежний::текст(прежний::день(день)));
        }
    }
    for (int год = первый_год; год <= последний_год; ++год) {
        const auto по_году = std::get<std::vector<День_круголета>>(праздники_года(знания, год));
        ASSERT_EQ(json([&](Запись_json &з) { записать_json_праздников(з, по_году); }),
                  прежний::текст(прежний::праздники(по_году)))
            << год;
    }
}

// Kept days on the first, a middle and the last day of every month of years spread over the range,
// the 41st of the sacred years' even months among them with its returns kept on the 40th; names
// with quotes, control characters and bytes that are not UTF-8, which only the checks before keep
// out.
TEST(JsonOutput, KeptDaysGiveTheOldWritersBytes) {
    const Знания знания = отгружаемые_знания();
    const std::string имена[] = {
        "", "Мирослава", "«Ратибор» \"и\" \\ Лада", "\x01\x1f\x7f\n", "обрыв \xD0", "\xFF"};
    int сравнено = 0;
    int перенесенных = 0;
    for (int лето = первое_лето; лето <= последнее_лето; лето += 5)
        for (int месяц = 1; месяц <= 9; ++месяц) {
            const auto дни = std::get<Страница_месяца>(страница_месяца(знания, лето, месяц)).дни;
            for (const auto &день : {дни.front(), дни[дни.size() / 2], дни.back()}) {
                const Момент вечер{день.начало.день, день.начало.месяц, день.начало.год, 20, 0};
                const auto дата = памятная_дата(знания, вечер);
                ASSERT_TRUE(дата);
                auto в =
                    возвращения(знания, дата->дата, лето, std::min(20, последнее_лето - лето + 1));
                ASSERT_TRUE(std::holds_alternative<std::vector<Возвращение>>(в)) << лето;
                const Памятный_день памятный{.имя = имена[сравнено % std::size(имена)],
                                             .вид = Вид_памятного_дня::день_рождения,
                                             .момент = вечер,
                                             .дата = *дата,
                                             .возвращения = std::move(std::get<0>(в))};
                for (const auto &р : памятный.возвращения)
                    перенесенных += р.перенесено_с.has_value();
                ASSERT_EQ(json([&](Запись_json &з) { записать_json_памятного_дня(з, памятный); }),
                          прежний::текст(прежний::памятный_день(памятный)))
                    << лето << " " << месяц << " " << день.дата.число;
                ++сравнено;
            }
        }
    EXPECT_GT(перенесенных, 0);
}

} // namespace
} // namespace круголет
