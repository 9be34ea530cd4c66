#include "calendar/values.h"
#include "tests/support/library_fixture.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace круголет {
namespace {

struct Пустой_шаг {
    const char *имя;
    Момент момент;
    // The table the step needs, emptied; none where the moment alone leaves the step empty.
    void (*убрать)(Знания &);
    Причина_пустоты причина;
    friend void PrintTo(const Пустой_шаг &шаг, std::ostream *поток) { *поток << шаг.имя; }
};

class NoValues : public ::testing::TestWithParam<Пустой_шаг> {};

TEST_P(NoValues, NameTheStepThatYieldsNothing) {
    const auto &шаг = GetParam();
    Знания знания = знания_для_тестов();
    if (шаг.убрать) {
        ASSERT_TRUE(значения_момента(знания, шаг.момент)) << "whole tables give values";
        шаг.убрать(знания);
    }
    const auto итог = значения_момента(знания, шаг.момент);
    ASSERT_FALSE(итог);
    EXPECT_EQ(итог.причина(), шаг.причина);
}

using enum Причина_пустоты;
constexpr Момент пример{15, 3, 2000, 20, 30};

INSTANTIATE_TEST_SUITE_P(
    EachReason, NoValues,
    ::testing::Values(
        Пустой_шаг{"OutsideTheRange", {22, 9, 2012, 19, 0}, nullptr, вне_промежутка},
        Пустой_шаг{"NoYear",
                   {25, 9, 2000, 12, 0},
                   [](Знания &з) { з.следующее_лето_в_круге_лет = {}; },
                   нет_лета},
        Пустой_шаг{"NoYearName", пример, [](Знания &з) { з.название_лета = {}; },
                   нет_названия_лета},
        Пустой_шаг{"NoMonthMeaning", пример, [](Знания &з) { з.название_месяца = {}; },
                   нет_значения_месяца},
        Пустой_шаг{"NoDayOfMonth",
                   {1, 1, 2000, 12, 0},
                   [](Знания &з) { з.следующий_месяц = {}; },
                   нет_числа},
        Пустой_шаг{"NoWeekday", пример, [](Знания &з) { з.день = {}; }, нет_дня_недели},
        Пустой_шаг{"NoHourWord", {15, 3, 2000, -10, 0}, nullptr, нет_слова_часов},
        Пустой_шаг{"NoYearCharacteristic", пример, [](Знания &з) { з.лето = {}; },
                   нет_характеристики_лета},
        Пустой_шаг{"NoQuarter", пример, [](Знания &з) { з.четверть = {}; }, нет_четверти},
        Пустой_шаг{"NoDayOfQuarter", пример, [](Знания &з) { з.день_четверти = {}; },
                   нет_дня_четверти},
        Пустой_шаг{"NoPatron", пример, [](Знания &з) { з.бог = {}; }, нет_покровителя}),
    [](const auto &строка) { return std::string(строка.param.имя); });

} // namespace
} // namespace круголет
