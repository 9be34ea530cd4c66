#include "knowledge/library.h"
#include "runtime/cp1251.h"
#include "tests/support/library_fixture.h"

#include <gtest/gtest.h>

namespace круголет {
namespace {

// Other tests feed the library text to the loader and compare with reports made from the
// fixture tables, so both forms must carry the same rows.
TEST(TestLibrary, LoadsIntoTheSameRowsAsTheFixtureTables) {
    const auto байты = в_1251(строки_библиотеки_для_тестов());
    ASSERT_TRUE(байты);
    Знания загруженные = встроенные_знания();
    ASSERT_EQ(загрузить_библиотеку_из_текста(*байты, загруженные), Загрузка::выполнена);

    const Знания ожидаемые = знания_для_тестов();
    EXPECT_EQ(загруженные.название_лета.строки(), ожидаемые.название_лета.строки());
    EXPECT_EQ(загруженные.лето.строки(), ожидаемые.лето.строки());
    EXPECT_EQ(загруженные.бог.строки(), ожидаемые.бог.строки());
    EXPECT_EQ(загруженные.описание_чертога.строки(), ожидаемые.описание_чертога.строки());
    ASSERT_EQ(загруженные.четверть.строки().size(), ожидаемые.четверть.строки().size());
    for (std::size_t i = 0; i < ожидаемые.четверть.строки().size(); ++i) {
        const auto &[ключ, текст] = загруженные.четверть.строки()[i];
        const auto &[ожидаемый_ключ, ожидаемый_текст] = ожидаемые.четверть.строки()[i];
        EXPECT_EQ(ключ.месяц, ожидаемый_ключ.месяц) << i;
        EXPECT_EQ(ключ.число, ожидаемый_ключ.число) << i;
        EXPECT_EQ(текст, ожидаемый_текст) << i;
    }
}

TEST(TestLibrary, CoversEveryKeyTheComputationAsksFor) {
    const Знания знания = знания_для_тестов();
    for (int лето = 1; лето <= 144; ++лето) {
        EXPECT_EQ(знания.название_лета.найти(лето), "название лета " + std::to_string(лето));
        EXPECT_EQ(знания.лето.найти(лето), "лето " + std::to_string(лето));
    }
    EXPECT_EQ(знания.четверть.строки().size(), 45u);
    EXPECT_EQ(знания.бог.строки().size(), 19u);
    EXPECT_EQ(знания.описание_чертога.строки().size(), 16u);
    EXPECT_EQ(знания.четверть.найти(Вид_месяца_и_числа{"Гэйлет", 41}), "четверть Гэйлет 41");
    EXPECT_EQ(знания.бог.найти(std::string_view("Даждьбог1")), "бог Даждьбог1");
}

} // namespace
} // namespace круголет
