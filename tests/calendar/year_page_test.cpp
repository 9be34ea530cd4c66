#include "calendar/year_page.h"
#include "tests/support/library_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace круголет {
namespace {

const Знания &таблицы() {
    static const Знания знания = знания_для_тестов();
    return знания;
}

TEST(YearPage, IsSacredExactlyWhenItsNineMonthsHave369Days) {
    std::size_t священных = 0;
    for (int лето = первое_лето; лето <= последнее_лето; ++лето) {
        const auto страница = страница_лета(таблицы(), лето);
        ASSERT_TRUE(std::holds_alternative<Страница_лета>(страница)) << лето;
        const auto &с = std::get<Страница_лета>(страница);
        EXPECT_EQ(с.священное, с.в_круге_лет == 16) << лето;
        EXPECT_EQ(дней_лета(с), с.священное ? 369u : 365u) << лето;
        EXPECT_EQ(с.название, "название лета " + std::to_string(с.в_круге_жизни)) << лето;
        for (std::size_t месяц = 0; месяц < 9; ++месяц)
            EXPECT_EQ(с.месяцы[месяц].месяц, static_cast<int>(месяц) + 1) << лето;
        священных += с.священное;
    }
    // 7312, 7328, ..., 7600: one year in sixteen.
    EXPECT_EQ(священных, 19u);
}

TEST(YearPage, RefusesYearsOutsideTheRangeAndAYearWithoutItsName) {
    EXPECT_EQ(std::get<Отказ>(страница_лета(таблицы(), первое_лето - 1)),
              Отказ::лето_вне_промежутка);
    EXPECT_EQ(std::get<Отказ>(страница_лета(таблицы(), последнее_лето + 1)),
              Отказ::лето_вне_промежутка);
    // The names come with the library only.
    EXPECT_EQ(std::get<Отказ>(страница_лета(встроенные_знания(), 7536)), Отказ::нет_записи);
}

} // namespace
} // namespace круголет
