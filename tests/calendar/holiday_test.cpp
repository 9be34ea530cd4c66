#include "calendar/holiday.h"
#include "tests/support/library_fixture.h"

#include <gtest/gtest.h>

namespace круголет {
namespace {

const Знания знания = знания_для_тестов();

TEST(HolidayOfDay, NamesTheHolidayOrSaysNone) {
    EXPECT_EQ(праздник_числа(знания, "Рамхат", 1), "Новолетие");
    EXPECT_EQ(праздник_числа(знания, "Рамхат", 2), "нет");
    EXPECT_EQ(праздник_числа(знания, "Дайлет", 14), "День Ратибора Странника");
    EXPECT_EQ(праздник_числа(знания, "Хейлет", 4), " Русалии ");
    EXPECT_EQ(праздник_числа(знания, "рамхат", 1), "нет");
    EXPECT_EQ(праздник_числа(знания, "Рамхат", -1), "нет");
}

} // namespace
} // namespace круголет
