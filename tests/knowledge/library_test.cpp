#include "knowledge/library.h"

#include "runtime/cp1251.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace круголет {
namespace {

using namespace std::string_literals;
using std::nullopt;

constexpr auto выполнена = Загрузка::выполнена;
constexpr auto не_удалась = Загрузка::не_удалась;

// Text of the tests, written in UTF-8, as it stands in the file.
std::string в_файле(const std::string &текст) {
    return в_1251(текст).value();
}

// The tables start empty, so every row a test sees came from the text it loaded.
class Library : public ::testing::Test {
  protected:
    // The test texts are written in UTF-8 and stored, like the real file, in Windows-1251.
    Загрузка загрузить(const std::string &текст) {
        const auto байты = в_1251(текст);
        EXPECT_TRUE(байты) << "not Windows-1251: " << текст;
        return загрузить_библиотеку_из_текста(байты.value_or(""), знания);
    }

    std::size_t всего_строк() const {
        return знания.следующий_месяц.строки().size() + знания.название_месяца.строки().size() +
               знания.название_лета.строки().size() + знания.день.строки().size() +
               знания.следующий_день.строки().size() +
               знания.следующее_лето_в_круге_лет.строки().size() + знания.лето.строки().size() +
               знания.четверть.строки().size() + знания.день_четверти.строки().size() +
               знания.бог.строки().size() + знания.описание_чертога.строки().size() +
               знания.праздник.строки().size();
    }

    std::optional<std::string_view> бог(std::string_view ключ) const {
        return знания.бог.найти(std::string(ключ));
    }

    Знания знания;
};

TEST_F(Library, ARowOfEachOfTheTwelveTables) {
    ASSERT_EQ(загрузить("следующий_месяц(12, 1)\n"
                        "название_месяца(\"Вэйлет\", \"месяц Ветров\")\n"
                        "название_лета(17, \"Лето Змеи\")\n"
                        "день(\"Четверг\", 17)\n"
                        "следующий_день(\"Неделя\", \"Понедельник\")\n"
                        "следующее_лето_в_круге_лет(16, 1)\n"
                        "лето(3, \"Лето трудное\")\n"
                        "четверть(\"Хейлет\", 41, \"Одинокий день\")\n"
                        "день_четверти(3, \"Третий\")\n"
                        "бог(\"Купала1\", \"Вторая половина\")\n"
                        "описание_чертога(\"Лада\", \"Чертог Лады\")\n"
                        "праздник(\"Рамхат\", 1, \"Новолетие\")\n"),
              выполнена);
    EXPECT_EQ(знания.следующий_месяц.найти(12), 1);
    EXPECT_EQ(знания.название_месяца.найти("Вэйлет"s), "месяц Ветров");
    EXPECT_EQ(знания.название_лета.найти(17), "Лето Змеи");
    EXPECT_EQ(знания.день.найти(17), "Четверг");
    EXPECT_EQ(знания.следующий_день.найти("Неделя"s), "Понедельник");
    EXPECT_EQ(знания.следующее_лето_в_круге_лет.найти(16), 1);
    EXPECT_EQ(знания.лето.найти(3), "Лето трудное");
    EXPECT_EQ(знания.четверть.найти(Вид_месяца_и_числа{"Хейлет", 41}), "Одинокий день");
    EXPECT_EQ(знания.день_четверти.найти(3), "Третий");
    EXPECT_EQ(бог("Купала1"), "Вторая половина");
    EXPECT_EQ(знания.описание_чертога.найти("Лада"s), "Чертог Лады");
    EXPECT_EQ(знания.праздник.найти(Вид_месяца_и_числа{"Рамхат", 1}), "Новолетие");
    EXPECT_EQ(всего_строк(), 12u);
}

TEST_F(Library, RowsAreAppendedAfterThoseThereInOrder) {
    знания.праздник.добавить({"Рамхат", 1}, "Новолетие");
    ASSERT_EQ(загрузить("праздник(\"Рамхат\", 1, \"Другой\")\n"
                        "праздник(\"Рамхат\", 2, \"Второй\")\n"
                        "праздник(\"Рамхат\", 2, \"Повтор\")\n"),
              выполнена);
    const auto &строки = знания.праздник.строки();
    ASSERT_EQ(строки.size(), 4u);
    EXPECT_EQ(строки[1].second, "Другой");
    EXPECT_EQ(строки[3].second, "Повтор");
    EXPECT_EQ(знания.праздник.найти(Вид_месяца_и_числа{"Рамхат", 1}), "Новолетие");
    EXPECT_EQ(знания.праздник.найти(Вид_месяца_и_числа{"Рамхат", 2}), "Второй");
}

TEST_F(Library, TextIsReadFromCp1251) {
    ASSERT_EQ(загрузить("бог(\"Ёлка №1 «ёж» — тире\", \"ЯЮЭЬъ\")"), выполнена);
    EXPECT_EQ(бог("Ёлка №1 «ёж» — тире"), "ЯЮЭЬъ");
    // Bytes the code page leaves out still decode one-to-one.
    знания = {};
    ASSERT_EQ(загрузить_библиотеку_из_текста(в_файле("бог(\"") + "\x98\", \"\xFF\")", знания),
              выполнена);
    EXPECT_EQ(бог("\u0098"), "я");
}

// Lines, line ends and the end of the file.

TEST_F(Library, EmptyFileLoadsWithoutRows) {
    EXPECT_EQ(загрузить(""), выполнена);
    EXPECT_EQ(всего_строк(), 0u);
}

TEST_F(Library, LastLineWithoutLineFeed) {
    ASSERT_EQ(загрузить("бог(\"А\", \"1\")\nбог(\"Б\", \"2\")"), выполнена);
    EXPECT_EQ(бог("Б"), "2");
    EXPECT_EQ(всего_строк(), 2u);
}

TEST_F(Library, CarriageReturnIsDroppedWhereverItStands) {
    ASSERT_EQ(загрузить("бог(\"А\", \"1\")\r\nбог(\"Б\", \"2\")\r\n"), выполнена);
    Знания только_переводы;
    ASSERT_EQ(загрузить_библиотеку_из_текста(*в_1251("бог(\"А\", \"1\")\nбог(\"Б\", \"2\")\n"),
                                             только_переводы),
              выполнена);
    EXPECT_EQ(знания.бог.строки(), только_переводы.бог.строки());

    знания = {};
    ASSERT_EQ(загрузить("\r б\rог(\r\"А\r\"\r,\r \"1\"\r)\r\r\n"), выполнена);
    EXPECT_EQ(бог("А"), "1");
    EXPECT_EQ(всего_строк(), 1u);
}

TEST_F(Library, CarriageReturnWithoutLineFeedDoesNotEndTheLine) {
    // With the return dropped, the second row is text after the ")" of the first.
    ASSERT_EQ(загрузить("бог(\"А\", \"1\")\rбог(\"Б\", \"2\")"), выполнена);
    EXPECT_EQ(всего_строк(), 1u);
    EXPECT_EQ(бог("Б"), nullopt);
}

TEST_F(Library, EmptyLinesAndLinesOfBlanks) {
    for (const std::string текст :
         {"\n", "бог(\"А\", \"1\")\n\n", "бог(\"А\", \"1\")\r\n\r\n", "бог(\"А\", \"1\")\n   \n",
          "бог(\"А\", \"1\")\n\r", "бог(\"А\", \"1\")\n\nбог(\"Б\", \"2\")\n"}) {
        знания = {};
        EXPECT_EQ(загрузить(текст), не_удалась) << текст;
        EXPECT_EQ(всего_строк(), текст.size() > 1 ? 1u : 0u) << текст;
        EXPECT_EQ(бог("Б"), nullopt) << текст;
    }
}

TEST_F(Library, LinesBeforeAFaultStayThoseAfterItAreNotRead) {
    EXPECT_EQ(загрузить("лето(1, \"а\")\nлето(2, \"б\")\nлето(3, в)\nлето(4, \"г\")\n"),
              не_удалась);
    ASSERT_EQ(знания.лето.строки().size(), 2u);
    EXPECT_EQ(знания.лето.найти(2), "б");
    EXPECT_EQ(знания.лето.найти(4), nullopt);
}

// The form of a line.

TEST_F(Library, BlanksAroundArgumentsAndTextAfterTheParenthesis) {
    ASSERT_EQ(загрузить("   четверть(   \"Рамхат\"  ,  0x2  ,\"Текст\"   ) что угодно, (\"\n"
                        "лето(1,\"а\")лето(2, \"б\")\n"),
              выполнена);
    EXPECT_EQ(знания.четверть.найти(Вид_месяца_и_числа{"Рамхат", 2}), "Текст");
    EXPECT_EQ(знания.лето.найти(1), "а");
    EXPECT_EQ(знания.лето.найти(2), nullopt);
}

TEST_F(Library, TableNameExactAndRightBeforeTheParenthesis) {
    for (const std::string текст :
         {"бог (\"А\", \"1\")", "\tбог(\"А\", \"1\")", "Бог(\"А\", \"1\")", "боги(\"А\", \"1\")",
          "бо(\"А\", \"1\")", "(\"А\", \"1\")", "бог\t(\"А\", \"1\")", "таблица(\"А\", \"1\")",
          "бог\"А\", \"1\")", "бог", "  бог  "}) {
        знания = {};
        EXPECT_EQ(загрузить(текст), не_удалась) << текст;
        EXPECT_EQ(всего_строк(), 0u) << текст;
    }
}

TEST_F(Library, ArgumentCountAndSeparators) {
    for (const std::string текст :
         {"бог()", "бог(\"А\")", "бог(\"А\",)", "бог(\"А\", \"1\", \"2\")", "бог(\"А\"; \"1\")",
          "бог(\"А\" \"1\")", "бог(\"А\", \"1\"", "бог(\"А\", \"1\"]", "бог(\"А\",, \"1\")",
          "бог(, \"А\", \"1\")", "праздник(\"Рамхат\", 1)", "праздник(\"Рамхат\", 1, \"а\", 2)",
          "следующий_месяц(1 2)", "следующий_месяц(1,2,)"}) {
        знания = {};
        EXPECT_EQ(загрузить(текст), не_удалась) << текст;
        EXPECT_EQ(всего_строк(), 0u) << текст;
    }
}

TEST_F(Library, ArgumentKindByColumn) {
    for (const std::string текст :
         {"бог(1, \"1\")", "лето(\"1\", \"а\")", "лето(1, 2)", "день(17, \"Четверг\")",
          "четверть(\"Рамхат\", \"1\", \"а\")", "бог(А, \"1\")", "бог('А', \"1\")"}) {
        знания = {};
        EXPECT_EQ(загрузить(текст), не_удалась) << текст;
        EXPECT_EQ(всего_строк(), 0u) << текст;
    }
}

// Strings.

TEST_F(Library, CommasAndParenthesesInsideQuotes) {
    ASSERT_EQ(загрузить("бог(\"(А, Б)\", \"1,2)\")"), выполнена);
    EXPECT_EQ(бог("(А, Б)"), "1,2)");
}

TEST_F(Library, EscapesInAString) {
    ASSERT_EQ(загрузить(R"(бог("а\nб\rв", "\\ и \""))"), выполнена);
    EXPECT_EQ(бог("а\nб\rв"), "\\ и \"");

    // A backslash before any other character stands for itself.
    знания = {};
    ASSERT_EQ(загрузить(R"(бог("\q\Ж\"", "\\\n\ "))"), выполнена);
    EXPECT_EQ(бог("\\q\\Ж\""), "\\\n\\ ");

    // An escaped quote does not close the string.
    знания = {};
    ASSERT_EQ(загрузить(R"(бог("а\", "б"))"), не_удалась);
    знания = {};
    ASSERT_EQ(загрузить(R"(бог("а\\", "б"))"), выполнена);
    EXPECT_EQ(бог("а\\"), "б");
}

TEST_F(Library, EmptyStringAndBlanksInsideQuotesCount) {
    ASSERT_EQ(загрузить("бог(\"\", \"\")\nчетверть(\"Хейлет \", 1, \" а \")"), выполнена);
    EXPECT_EQ(бог(""), "");
    EXPECT_EQ(знания.четверть.найти(Вид_месяца_и_числа{"Хейлет", 1}), nullopt);
    EXPECT_EQ(знания.четверть.найти(Вид_месяца_и_числа{"Хейлет ", 1}), " а ");
}

TEST_F(Library, UnclosedAndUnopenedString) {
    for (const std::string текст :
         {"бог(\"А, \"1\")", "бог(\"А\", \"1)", "бог(\"А\", \"1\\\")", "бог(\"А\", \"1\n\")",
          "бог(\"А\", \"1\\", "бог(\"А\", 1\")", "бог(\"А\", “1”)"}) {
        знания = {};
        EXPECT_EQ(загрузить(текст), не_удалась) << текст;
        EXPECT_EQ(всего_строк(), 0u) << текст;
    }
}

// Integers.

TEST_F(Library, IntegerNotations) {
    ASSERT_EQ(загрузить("лето(0x1F, \"a\")\nлето(0o17, \"b\")\nлето(-5, \"c\")\nлето(007, \"d\")\n"
                        "лето(2147483647, \"e\")\nлето(-2147483647, \"f\")\nлето(0XaB, \"g\")\n"
                        "лето(-0x10, \"h\")\n"),
              выполнена);
    EXPECT_EQ(знания.лето.найти(31), "a");
    EXPECT_EQ(знания.лето.найти(15), "b");
    EXPECT_EQ(знания.лето.найти(-5), "c");
    EXPECT_EQ(знания.лето.найти(7), "d");
    EXPECT_EQ(знания.лето.найти(2147483647), "e");
    EXPECT_EQ(знания.лето.найти(-2147483647), "f");
    EXPECT_EQ(знания.лето.найти(171), "g");
    EXPECT_EQ(знания.лето.найти(-16), "h");
}

TEST_F(Library, InvalidIntegers) {
    for (const std::string число :
         {"-2147483648", "2147483648", "-0x80000000", "99999999999999999999", "+5", "- 5", "1 2",
          "12а", "0x", "0o8", "0x1G", "1.5", "", "-", "I"}) {
        знания = {};
        EXPECT_EQ(загрузить("лето(" + число + ", \"а\")"), не_удалась) << число;
        EXPECT_EQ(всего_строк(), 0u) << число;
    }
}

// Untrusted bytes.

TEST_F(Library, ZeroBytes) {
    ASSERT_EQ(загрузить("бог(\"А\0Б\", \"1\")"s), выполнена);
    EXPECT_EQ(бог("А\0Б"s), "1");
    EXPECT_EQ(бог("А"), nullopt);

    знания = {};
    EXPECT_EQ(загрузить("\0бог(\"А\", \"1\")"s), не_удалась);
    EXPECT_EQ(загрузить("бог\0(\"А\", \"1\")"s), не_удалась);
    EXPECT_EQ(загрузить("лето(1\0, \"1\")"s), не_удалась);
    EXPECT_EQ(загрузить("\0"s), не_удалась);
    EXPECT_EQ(всего_строк(), 0u);
}

TEST_F(Library, VeryLongLines) {
    const std::string текст(1 << 20, '\xC6'); // "Ж" in Windows-1251
    ASSERT_EQ(загрузить_библиотеку_из_текста(в_файле("бог(\"А\", \"") + текст + "\")", знания),
              выполнена);
    EXPECT_EQ(бог("А")->size(), 2u << 20);

    EXPECT_EQ(загрузить_библиотеку_из_текста(текст, знания), не_удалась);
    EXPECT_EQ(загрузить_библиотеку_из_текста(
                  в_файле("лето(") + std::string(1 << 20, '7') + ", \"а\")", знания),
              не_удалась);
    EXPECT_EQ(
        загрузить_библиотеку_из_текста(в_файле("бог(\"") + std::string(1 << 20, '\\'), знания),
        не_удалась);
    EXPECT_EQ(загрузить_библиотеку_из_текста(std::string(1 << 20, ' '), знания), не_удалась);
    EXPECT_EQ(загрузить_библиотеку_из_текста(std::string(1 << 20, '\r'), знания), не_удалась);
    EXPECT_EQ(всего_строк(), 1u);
}

// Good rows, cut and patched with stray bytes: whatever the loader makes of them, it stops at the
// first line it refuses, after appending exactly one row for each line before it.
TEST_F(Library, BrokenLinesDoNotBreakTheLoad) {
    std::vector<std::string> хорошие, вставки;
    for (const std::string строка :
         {"бог(\"Купала\", \"Бог \\\"Купала\\\"\")", "праздник(\"Рамхат\", 1, \"Новолетие\")",
          "  день( \"Четверг\" ,0x11) хвост", "лето(-0o17, \"(а, б)\")"})
        хорошие.push_back(в_файле(строка));
    for (const std::string &вставка : {" "s, "\""s, "\\"s, ","s, ")"s, "("s, "0x"s, "-"s, "9"s,
                                       "\r"s, "\t"s, "\0"s, "я"s, "\u0098"s, "\n"s, "\r\n"s})
        вставки.push_back(в_файле(вставка));
    std::mt19937 случай(1251);
    const auto до = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n)(случай);
    };

    int удачных_со_строками = 0, неудачных = 0;
    for (int попытка = 0; попытка < 3000; ++попытка) {
        std::string текст;
        for (std::size_t строка = до(4); строка > 0; --строка) {
            std::string ряд = хорошие[до(хорошие.size() - 1)];
            const std::size_t место = до(ряд.size());
            switch (до(5)) {
            case 0:
                ряд.insert(место, вставки[до(вставки.size() - 1)]);
                break;
            case 1:
                ряд.erase(место, 1);
                break;
            case 2:
                ряд.resize(место);
                break;
            }
            текст += ряд + (до(3) == 0 ? "\r\n" : "\n");
        }
        if (до(1) == 0 && !текст.empty())
            текст.pop_back();

        знания = {};
        const auto итог = загрузить_библиотеку_из_текста(текст, знания);
        // A line ends at each line feed; a last line needs none.
        const std::size_t строк = std::count(текст.begin(), текст.end(), '\n') +
                                  !(текст.empty() || текст.ends_with('\n'));
        if (итог == выполнена) {
            EXPECT_EQ(всего_строк(), строк) << текст;
            удачных_со_строками += строк > 0;
        } else {
            EXPECT_LT(всего_строк(), строк) << текст;
            ++неудачных;
        }
    }
    EXPECT_GT(удачных_со_строками, 300);
    EXPECT_GT(неудачных, 300);
}

// Reading the file.

class LibraryFile : public Library {
  protected:
    void TearDown() override { std::filesystem::remove_all(папка); }

    std::filesystem::path записать(const std::string &байты) {
        std::filesystem::create_directories(папка);
        const auto файл = папка / имя_библиотеки;
        std::ofstream(файл, std::ios::binary) << байты;
        return файл;
    }

    const std::filesystem::path папка =
        std::filesystem::temp_directory_path() /
        ("krugolet-library-test-" +
         std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
         ::testing::UnitTest::GetInstance()->current_test_info()->name());
};

TEST_F(LibraryFile, IsReadFromTheFile) {
    const auto файл = записать(*в_1251("бог(\"Купала\", \"Бог Купала\")\r\nлето(1, \"а\")"));
    ASSERT_EQ(загрузить_библиотеку(файл, знания), выполнена);
    EXPECT_EQ(бог("Купала"), "Бог Купала");
    EXPECT_EQ(знания.лето.найти(1), "а");
}

TEST_F(LibraryFile, EmptyFile) {
    EXPECT_EQ(загрузить_библиотеку(записать(""), знания), выполнена);
    EXPECT_EQ(всего_строк(), 0u);
}

TEST_F(LibraryFile, DamagedFile) {
    const auto файл = записать(*в_1251("лето(1, \"а\")\nлето(2 \"б\")\n"));
    EXPECT_EQ(загрузить_библиотеку(файл, знания), не_удалась);
    EXPECT_EQ(всего_строк(), 1u);
}

TEST_F(LibraryFile, NoFileOrAFolderInItsPlace) {
    EXPECT_EQ(загрузить_библиотеку(папка / "нет такого.txt", знания), не_удалась);
    std::filesystem::create_directories(папка / имя_библиотеки);
    EXPECT_EQ(загрузить_библиотеку(папка / имя_библиотеки, знания), не_удалась);
}

TEST_F(LibraryFile, LineLongerThanAMebibyteIsRefusedWithItsNumber) {
    const std::string начало = в_файле("бог(\"А\", \""), конец = "\")";
    const std::string ровно(наибольшая_строка - начало.size() - конец.size(), 'x');
    ASSERT_FALSE(загрузить_библиотеку_подробно(записать(начало + ровно + конец + "\n"), знания));

    const auto сбой = загрузить_библиотеку_подробно(
        записать(в_файле("лето(1, \"a\")\n") + начало + ровно + "x" + конец), знания);
    ASSERT_TRUE(сбой);
    EXPECT_EQ(сбой->строка, 2u);
    EXPECT_EQ(сбой->причина, "строка длиннее 1 МиБ");
}

TEST_F(LibraryFile, FileAboveTheLimitIsRefusedUnread) {
    const auto файл = записать("лето(1, \"a\")\n");
    std::filesystem::resize_file(файл, наибольший_файл + 1);
    const auto сбой = загрузить_библиотеку_подробно(файл, знания);
    ASSERT_TRUE(сбой);
    EXPECT_EQ(сбой->строка, 0u);
    EXPECT_EQ(сбой->причина, "файл больше 32 МиБ");
    EXPECT_EQ(всего_строк(), 0u);
}

// A device may never end. (A FIFO, which would wait for a writer, is tried on the command line
// under a time limit.)
TEST_F(LibraryFile, ADeviceIsNotRead) {
#ifdef _WIN32
    const auto сбой = загрузить_библиотеку_подробно("NUL", знания);
#else
    const auto сбой = загрузить_библиотеку_подробно("/dev/null", знания);
#endif
    ASSERT_TRUE(сбой);
    EXPECT_EQ(сбой->строка, 0u);
    EXPECT_EQ(сбой->причина, "не обычный файл");
}

TEST_F(LibraryFile, AtMostAHundredThousandRows) {
    const std::string строка = в_файле("лето(1, \"\")\n");
    std::string строки;
    for (int i = 0; i < 100'000; ++i)
        строки += строка;
    ASSERT_FALSE(загрузить_библиотеку_подробно(записать(строки), знания));
    знания = {};
    const auto сбой = загрузить_библиотеку_подробно(записать(строки + строка), знания);
    ASSERT_TRUE(сбой);
    EXPECT_EQ(сбой->строка, 100'001u);
    EXPECT_EQ(сбой->причина, "больше 100 000 строк");
    EXPECT_EQ(знания.лето.строки().size(), 100'000u);
    EXPECT_EQ(загрузить_библиотеку_из_текста(строки + строка, знания), не_удалась);
}

struct Плохая_строка {
    std::string текст;
    std::size_t строка;
    std::string причина;
    friend void PrintTo(const Плохая_строка &п, std::ostream *поток) { *поток << п.причина; }
};

class DetailedLoad : public LibraryFile, public ::testing::WithParamInterface<Плохая_строка> {};

TEST_P(DetailedLoad, NamesTheLineAndWhatIsWrongWithIt) {
    const auto сбой = загрузить_библиотеку_подробно(записать(в_файле(GetParam().текст)), знания);
    ASSERT_TRUE(сбой);
    EXPECT_EQ(сбой->строка, GetParam().строка);
    EXPECT_EQ(сбой->причина, GetParam().причина);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, DetailedLoad,
    ::testing::Values(Плохая_строка{"лето(1, \"а\")\nлето 2\n", 2, "нет \"(\" после имени таблицы"},
                      Плохая_строка{"лето(1, \"а\")\r\n\r\nлето(2, \"б\")", 2,
                                    "нет \"(\" после имени таблицы"},
                      Плохая_строка{"лeто(1, \"а\")", 1, "неизвестное имя таблицы"},
                      Плохая_строка{"бог(\"А\" \"Б\")", 1, "нет \",\" перед аргументом 2"},
                      Плохая_строка{"лето(\"1\", \"а\")", 1, "аргумент 1: ожидалось целое число"},
                      Плохая_строка{"лето(1, 2)", 1, "аргумент 2: ожидалась строка в кавычках"},
                      Плохая_строка{"лето(1, \"а\"\n", 1, "нет \")\" после аргументов"}));

} // namespace
} // namespace круголет
