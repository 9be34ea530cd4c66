// The library file the program ships: well formed, complete, and enough for every day of the
// covered span.

#include "calendar/input_check.h"
#include "calendar/month_and_weekday_names.h"
#include "calendar/report.h"
#include "calendar/values.h"
#include "calendar/year.h"
#include "knowledge/library.h"
#include "runtime/cp1251.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

using namespace круголет;

namespace {

std::string байты_файла() {
    std::ifstream f(std::filesystem::path(u8"" KRUGOLET_LIBRARY), std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

const Знания &загруженные() {
    static const Знания знания = [] {
        Знания з = встроенные_знания();
        EXPECT_EQ(загрузить_библиотеку(std::filesystem::path(u8"" KRUGOLET_LIBRARY), з),
                  Загрузка::выполнена);
        return з;
    }();
    return знания;
}

constexpr std::array<std::string_view, 16> чертоги = {
    "Рамхат", "Рожана",  "Макошь", "Семаргл", "Варуна", "Сварог", "Род",      "Велес",
    "Марена", "Крышень", "Лада",   "Вышень",  "Купала", "Перун",  "Даждьбог", "Джива"};

template <class Ключ, class Р> std::map<Ключ, int> сколько_раз(const Отношение<Ключ, Р> &т) {
    std::map<Ключ, int> счет;
    for (const auto &[ключ, _] : т.строки())
        ++счет[ключ];
    return счет;
}

} // namespace

TEST(ShippedLibrary, EveryByteFromWindows1251AndNoEmptyLines) {
    const std::string байты = байты_файла();
    ASSERT_GT(байты.size(), 90'000u);
    // 0x98 is the one byte the code page leaves undefined.
    EXPECT_EQ(байты.find('\x98'), std::string::npos);
    EXPECT_EQ(байты.find('\t'), std::string::npos);
    EXPECT_EQ(байты.find('\r'), std::string::npos);
    EXPECT_EQ(байты.find("\n\n"), std::string::npos);
    EXPECT_EQ(байты.back(), '\n');
    const auto снова = в_1251(из_1251(байты));
    ASSERT_TRUE(снова);
    EXPECT_EQ(*снова, байты);
}

TEST(ShippedLibrary, EveryKeyOfTheFiveTablesExactlyOnce) {
    const Знания &з = загруженные();
    const auto названия = сколько_раз(з.название_лета);
    const auto лета = сколько_раз(з.лето);
    ASSERT_EQ(названия.size(), 144u);
    ASSERT_EQ(лета.size(), 144u);
    for (int год = 1; год <= 144; ++год) {
        EXPECT_EQ(названия.at(год), 1) << год;
        EXPECT_EQ(лета.at(год), 1) << год;
        const auto название = з.название_лета.найти(год);
        EXPECT_TRUE(название && название->ends_with("\n")) << год;
    }

    std::map<std::pair<std::string, int>, int> четверти;
    for (const auto &[ключ, _] : з.четверть.строки())
        ++четверти[{ключ.месяц, ключ.число}];
    EXPECT_EQ(четверти.size(), 45u);
    for (std::string_view месяц : месяцы)
        for (int четверть : {1, 2, 3, 4, 41})
            EXPECT_EQ((четверти[{std::string(месяц), четверть}]), 1) << месяц << четверть;

    const auto боги = сколько_раз(з.бог);
    const auto описания = сколько_раз(з.описание_чертога);
    EXPECT_EQ(боги.size(), 19u);
    EXPECT_EQ(описания.size(), 16u);
    for (std::string_view чертог : чертоги) {
        EXPECT_EQ(боги.at(std::string(чертог)), 1) << чертог;
        EXPECT_EQ(описания.at(std::string(чертог)), 1) << чертог;
    }
    for (const char *вторая : {"Купала1", "Перун1", "Даждьбог1"})
        EXPECT_EQ(боги.at(вторая), 1) << вторая;
}

TEST(ShippedLibrary, TheTwoPartsOfAGodTextJoinWithOneBlank) {
    for (std::string_view чертог : {"Купала", "Перун", "Даждьбог"}) {
        const auto первая = загруженные().бог.найти(чертог);
        const auto вторая = загруженные().бог.найти(std::string(чертог) + "1");
        ASSERT_TRUE(первая && вторая) << чертог;
        const bool пробел_в_конце = первая->ends_with(" ");
        const bool пробел_в_начале = вторая->starts_with(" ");
        EXPECT_NE(пробел_в_конце, пробел_в_начале) << чертог;
        EXPECT_FALSE(первая->ends_with("  ") || вторая->starts_with("  ")) << чертог;
    }
}

TEST(ShippedLibrary, ReportForEveryDayOfTheCircleOfLife) {
    const Знания &з = загруженные();
    int дней = 0;
    for (int год = 1868; год <= 2012; ++год)
        for (int месяц = 1; месяц <= 12; ++месяц)
            for (int день = 1; день <= *длительность_месяца(месяц, год); ++день)
                for (int час : {18, 19}) {
                    if (!в_промежутке({день, месяц, год, час, 0}))
                        continue;
                    const auto отчет = отчет_момента(з, {день, месяц, год, час, 59});
                    ASSERT_TRUE(отчет) << день << "." << месяц << "." << год << " " << час;
                    ++дней;
                }
    // Every Gregorian day at 18:59 and at 19:00 from 22.09.1868 19:00 to 22.09.2012 18:59.
    EXPECT_EQ(дней, 2 * 52'596);
}

TEST(ShippedLibrary, YearBeyondTheCircleOfLifeAsInPublishedDates) {
    const auto р = значения_момента(загруженные(), {1, 1, 2017, 12, 0}, Промежуток::широкий);
    ASSERT_TRUE(р);
    EXPECT_EQ(р->лето_от_сотворения, 7525);
    EXPECT_TRUE(р->название_лета.starts_with("Огненный (Алый) Свиток")) << р->название_лета;
}
