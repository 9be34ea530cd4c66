#include "calendar/hall.h"
#include "calendar/month_and_weekday_names.h"
#include "tests/support/library_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace круголет {
namespace {

const Знания знания = знания_для_тестов();

TEST(HallOfDay, BordersBetweenHalls) {
    EXPECT_EQ(чертог_числа("Рамхат", 21), "Рамхат");
    EXPECT_EQ(чертог_числа("Рамхат", 22), "Рожана");
    EXPECT_EQ(чертог_числа("Айлет", 3), "Рожана");
    EXPECT_EQ(чертог_числа("Айлет", 4), "Макошь");
    EXPECT_EQ(чертог_числа("Тайлет", 17), "Даждьбог");
    EXPECT_EQ(чертог_числа("Тайлет", 18), "Джива");
    EXPECT_EQ(чертог_числа("Тайлет", 41), "Джива");
    EXPECT_EQ(чертог_числа("Айлет", 41), "Семаргл");
    EXPECT_EQ(чертог_числа("Гэйлет", 41), "Велес");
    EXPECT_EQ(чертог_числа("Элет", 41), "Лада");
    EXPECT_EQ(чертог_числа("Хейлет", 41), "Даждьбог");
    EXPECT_EQ(чертог_числа("Дайлет", 14), "Велес");
    EXPECT_FALSE(чертог_числа("дайлет", 14));
}

// Walking a year day by day, the halls follow one another in a fixed order with fixed lengths.
std::vector<std::pair<std::string, int>> чертоги_года(bool священное) {
    std::vector<std::pair<std::string, int>> итог;
    for (std::size_t место = 0; место < месяцы.size(); ++место) {
        const int длина = (место % 2 == 0 || священное) ? 41 : 40;
        for (int число = 1; число <= длина; ++число) {
            const auto ключ = чертог_числа(месяцы[место], число);
            if (!ключ)
                return {};
            if (итог.empty() || итог.back().first != *ключ)
                итог.emplace_back(std::string(*ключ), 0);
            ++итог.back().second;
        }
    }
    return итог;
}

TEST(HallOfDay, HallsOfAnOrdinaryAndASacredYear) {
    const std::vector<std::pair<std::string, int>> обычное = {
        {"Рамхат", 21}, {"Рожана", 23},  {"Макошь", 21},   {"Семаргл", 22},
        {"Варуна", 22}, {"Сварог", 24},  {"Род", 25},      {"Велес", 25},
        {"Марена", 23}, {"Крышень", 22}, {"Лада", 23},     {"Вышень", 22},
        {"Купала", 23}, {"Перун", 22},   {"Даждьбог", 23}, {"Джива", 24}};
    EXPECT_EQ(чертоги_года(false), обычное);
    auto священное = обычное;
    for (auto &[ключ, дней] : священное)
        if (ключ == "Семаргл" || ключ == "Велес" || ключ == "Лада" || ключ == "Даждьбог")
            ++дней;
    EXPECT_EQ(чертоги_года(true), священное);
}

// The god's rows joined, as the report shows them.
std::string бог_числа(const Покровитель_по_строкам &покровитель) {
    return std::string(покровитель.бог) + std::string(покровитель.продолжение_бога);
}

TEST(PatronOfDay, ThreeGodsTakeTwoRows) {
    const auto купала = покровитель_по_строкам(знания, 8, 1);
    ASSERT_TRUE(купала);
    EXPECT_EQ(бог_числа(*купала), "бог Купалабог Купала1");
    EXPECT_EQ(купала->описание_чертога, "чертог Купала");
    EXPECT_EQ(бог_числа(*покровитель_по_строкам(знания, 8, 13)), "бог Перунбог Перун1");
    EXPECT_EQ(бог_числа(*покровитель_по_строкам(знания, 9, 17)), "бог Даждьбогбог Даждьбог1");

    const auto велес = покровитель_по_строкам(знания, 5, 14);
    ASSERT_TRUE(велес);
    EXPECT_EQ(бог_числа(*велес), "бог Велес");
    EXPECT_EQ(велес->описание_чертога, "чертог Велес");
}

TEST(PatronOfDay, AMissingRowGivesNoPatron) {
    EXPECT_FALSE(покровитель_по_строкам(встроенные_знания(), 1, 1));

    Знания без_второй_строки = встроенные_знания();
    без_второй_строки.бог.добавить("Купала", "бог Купала");
    без_второй_строки.описание_чертога.добавить("Купала", "чертог Купала");
    без_второй_строки.бог.добавить("Лада", "бог Лада");
    EXPECT_FALSE(покровитель_по_строкам(без_второй_строки, 8, 1));
    EXPECT_FALSE(покровитель_по_строкам(без_второй_строки, 7, 1)) << "no description";
}

} // namespace
} // namespace круголет
