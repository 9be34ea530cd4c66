#include "tests/ui/ui_fixture.h"

#include "calendar/report.h"
#include "tests/support/library_fixture.h"
#include "ui/main_window.h"
#include "ui/start.h"

#include <string>
#include <vector>

namespace круголет {
namespace {

using Startup = Окна;

TEST_F(Startup, MainWindowIsCreatedWithTitleIconAndTheLookBeforeTheLoopRuns) {
    запустить();
    EXPECT_TRUE(платформа.объемный_вид);
    EXPECT_EQ(главное().заголовок, "Ольмарский Календаръ");
    EXPECT_EQ(главное().значок, 9012);
    EXPECT_EQ(платформа.циклов, 1);
}

TEST_F(Startup, FifteenControlsInTheirOrderWithKindsAndTexts) {
    платформа.часы = {1995, 7, 4, 8, 9};
    запустить();
    struct Ожидание {
        int номер;
        Вид_элемента вид;
        std::string текст;
    };
    const std::vector<Ожидание> ожидания{
        {10007, Вид_элемента::надпись, "Дата (ДД-ММ-ГГГГ):"},
        {10008, Вид_элемента::поле, "4"},
        {10009, Вид_элемента::поле, "1995"},
        {10010, Вид_элемента::надпись, "Время (Час-Мин):"},
        {10011, Вид_элемента::поле, "8"},
        {10012, Вид_элемента::поле, "9"},
        {10013, Вид_элемента::поле, "7"},
        {10014, Вид_элемента::кнопка, "Расчет"},
        {10015, Вид_элемента::кнопка, "Печать"},
        {10016, Вид_элемента::кнопка, "Справка"},
        {10017, Вид_элемента::надпись, "-"},
        {10018, Вид_элемента::надпись, "-"},
        {10019, Вид_элемента::надпись, ":"},
        {10020, Вид_элемента::надпись,
         "Да'АРИЙСКИЙ КРУГОЛЕТ ЧИСЛОБОГА\nна 53 Круг Жизни от\nСотворения Мира в Лето "
         "Звездного Храма\n(с  22.09.1868г. до  22.09.2012г.)"},
        {10021, Вид_элемента::поле_отчета, ""},
    };
    const auto &элементы = главное().элементы;
    ASSERT_EQ(элементы.size(), ожидания.size());
    for (std::size_t i = 0; i < ожидания.size(); ++i) {
        SCOPED_TRACE(ожидания[i].номер);
        EXPECT_EQ(элементы[i]->номер, ожидания[i].номер);
        EXPECT_EQ(элементы[i]->вид, ожидания[i].вид);
        EXPECT_EQ(элементы[i]->текст_при_создании, ожидания[i].текст);
        EXPECT_GE(элементы[i]->перемещений, 1) << "not laid out";
    }
}

TEST_F(Startup, ClockInsideTheSpanShowsNowAndTheReportOfThatMoment) {
    // Day and month differ, so a mix-up of the fields would show another moment's report.
    платформа.часы = {1990, 3, 5, 21, 40};
    запустить();
    const auto ожидаемый = отчет_момента(знания_для_тестов(), {5, 3, 1990, 21, 40});
    ASSERT_TRUE(ожидаемый);
    EXPECT_EQ(отчет(), "Ныне:\n" + *ожидаемый);
    EXPECT_TRUE(платформа.ошибки.empty());
}

TEST_F(Startup, ClockAfterTheSpanLeavesAnEmptyReportAndNoMessage) {
    платформа.часы = {2012, 9, 23, 10, 5};
    запустить();
    EXPECT_EQ(элемент(поле_дня).текст(), "23");
    EXPECT_EQ(элемент(поле_месяца).текст(), "9");
    EXPECT_EQ(элемент(поле_года).текст(), "2012");
    EXPECT_EQ(элемент(поле_часа).текст(), "10");
    EXPECT_EQ(элемент(поле_минуты).текст(), "5");
    EXPECT_EQ(отчет(), "");
    EXPECT_TRUE(платформа.ошибки.empty());
}

TEST_F(Startup, ClocksOutsideTheSpanOrOutOfRangeGiveNoReportAndNoMessage) {
    const std::vector<Местное_время> часы{
        {1868, 9, 22, 18, 59}, {1601, 1, 1, 0, 0}, {2100, 12, 31, 23, 59}, {2012, 9, 22, 19, 0}};
    for (const Местное_время &ч : часы) {
        SCOPED_TRACE(ч.год);
        Платформа_для_тестов своя;
        своя.часы = ч;
        запустить_круголет(своя, {.принтер = принтер});
        EXPECT_EQ(своя.главное_окно().элемент_с_номером(поле_отчета).текст(), "");
        EXPECT_EQ(своя.главное_окно().элемент_с_номером(поле_года).текст(), std::to_string(ч.год));
        EXPECT_TRUE(своя.ошибки.empty());
    }
}

TEST_F(Startup, LastMomentOfTheSpanStillHasItsReport) {
    платформа.часы = {2012, 9, 22, 18, 59};
    запустить();
    EXPECT_EQ(отчет().rfind("Ныне:\n", 0), 0u);
}

void ожидать_одну_ошибку_библиотеки(const std::vector<Показанная_ошибка> &ошибки) {
    ASSERT_EQ(ошибки.size(), 1u);
    EXPECT_EQ(ошибки[0].заголовок, "Ошибка загрузки библиотеки");
    EXPECT_EQ(ошибки[0].текст, "Отсутствует или поврежден файл \"библиотека.txt\" \n"
                               "Дальнейшая работа невозможна");
}

TEST_F(Startup, MissingLibraryGivesOneBoxAndALaidOutWindowThatStillWorks) {
    убрать_библиотеку();
    платформа.часы = {1990, 3, 5, 21, 40};
    запустить();
    ожидать_одну_ошибку_библиотеки(платформа.ошибки);
    EXPECT_EQ(отчет(), "");
    EXPECT_EQ(элемент(поле_дня).текст(), "5");
    for (const auto &э : главное().элементы)
        EXPECT_GE(э->перемещений, 1) << э->номер;

    // A conversion needs rows of the file: no report, and no message either.
    щелкнуть(кнопка_расчета);
    EXPECT_EQ(отчет(), "");
    EXPECT_EQ(платформа.ошибки.size(), 1u);
    // Refused input is still refused with its own box.
    набрать("32", "1", "1990", "1", "1");
    щелкнуть(кнопка_расчета);
    ASSERT_EQ(платформа.ошибки.size(), 2u);
    EXPECT_EQ(платформа.ошибки[1].текст, "Неправильные данные!");
    // The other two buttons work.
    щелкнуть(кнопка_справки);
    EXPECT_EQ(платформа.диалоги.size(), 1u);
    EXPECT_EQ(щелкнуть(кнопка_печати), обработано);
    EXPECT_EQ(принтер.запись.закончено_заданий, 1);
}

TEST_F(Startup, DamagedLibraryIsReportedLikeAMissingOne) {
    положить_байты_библиотеки("это не строка библиотеки\n");
    запустить();
    ожидать_одну_ошибку_библиотеки(платформа.ошибки);
    EXPECT_EQ(отчет(), "");
}

TEST_F(Startup, TheLibraryIsReadOnceAtCreation) {
    платформа.часы = {1990, 3, 5, 21, 40};
    запустить();
    убрать_библиотеку();
    набрать("6", "3", "1990", "21", "40");
    щелкнуть(кнопка_расчета);
    const auto ожидаемый = отчет_момента(знания_для_тестов(), {6, 3, 1990, 21, 40});
    ASSERT_TRUE(ожидаемый);
    EXPECT_EQ(отчет(), *ожидаемый);
    EXPECT_TRUE(платформа.ошибки.empty());
}

} // namespace
} // namespace круголет
