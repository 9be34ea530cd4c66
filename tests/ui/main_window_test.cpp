#include "tests/ui/ui_fixture.h"

#include "calendar/report.h"
#include "tests/support/library_fixture.h"
#include "ui/about.h"
#include "ui/fields.h"
#include "ui/main_window.h"

#include <string>
#include <vector>

namespace круголет {
namespace {

using MainWindow = Окна;

std::vector<Нарисованная_картинка> перерисовать(Платформа_для_тестов &платформа, Окно &окно) {
    платформа.картинки_нарисованы.clear();
    EXPECT_EQ(платформа.отправить(окно, {Вид_события::перерисовка}), обработано);
    return платформа.картинки_нарисованы;
}

TEST_F(MainWindow, RepaintFillsAndDrawsTheEagleLeftAndTheStarRightOfTheHeading) {
    платформа.экран_ = {800, 600, 19};
    запустить();
    const auto картинки = перерисовать(платформа, главное());
    EXPECT_EQ(главное().заливок, 1);
    ASSERT_EQ(картинки.size(), 2u);
    // The report field's top is 197: the eagle is 187 × 197 / 239 = 154.1 wide.
    EXPECT_EQ(картинки[0].ресурс, 10023);
    EXPECT_EQ(картинки[0].куда, (Прямоугольник{0, 0, 154, 197}));
    // Right of the heading (600) lie 200 pixels, more than 197.
    EXPECT_EQ(картинки[1].ресурс, 10022);
    EXPECT_EQ(картинки[1].куда, (Прямоугольник{600, 0, 800, 200}));
    EXPECT_EQ(платформа.рисований_вне_перерисовки, 0);
}

TEST_F(MainWindow, StarSquareFollowsTheReportFieldWhenThatIsLower) {
    платформа.экран_ = {800, 600, 19};
    платформа.размер_текста = [](std::string_view) { return Размер{10, 40}; };
    платформа.картинки[картинка_орла] = {3, 2};
    запустить();
    const int верх_отчета = элемент(поле_отчета).место.верх;
    ASSERT_GT(верх_отчета, 200);
    const auto картинки = перерисовать(платформа, главное());
    ASSERT_EQ(картинки.size(), 2u);
    EXPECT_EQ(картинки[1].куда, (Прямоугольник{600, 0, 600 + верх_отчета, верх_отчета}));
    // An odd top makes 3 × top / 2 end in a half, which rounds up.
    ASSERT_EQ(верх_отчета % 2, 1);
    EXPECT_EQ(картинки[0].куда, (Прямоугольник{0, 0, (3 * верх_отчета + 1) / 2, верх_отчета}));
}

TEST_F(MainWindow, EveryRepaintDrawsEverythingAgain) {
    запустить();
    перерисовать(платформа, главное());
    EXPECT_EQ(перерисовать(платформа, главное()).size(), 2u);
    EXPECT_EQ(главное().заливок, 2);
}

TEST_F(MainWindow, ActivationAttachesTheFiveKeyHandlersEveryTime) {
    запустить(false);
    const std::vector<std::pair<int, Обработчик>> поля{
        {поле_дня, обработать_событие_поля_дня},
        {поле_месяца, обработать_событие_поля_месяца},
        {поле_года, обработать_событие_поля_года},
        {поле_часа, обработать_событие_поля_часа},
        {поле_минуты, обработать_событие_поля_минуты}};
    for (const auto &[номер, обработчик] : поля)
        EXPECT_EQ(элемент(номер).перехватчик, nullptr);
    EXPECT_EQ(платформа.отправить(главное(), {Вид_события::активация}), обработано);
    EXPECT_EQ(платформа.отправить(главное(), {Вид_события::активация}), обработано);
    for (const auto &[номер, обработчик] : поля) {
        EXPECT_EQ(элемент(номер).перехватчик, обработчик) << номер;
        EXPECT_EQ(элемент(номер).перехватов, 2) << номер;
    }
    // The report field keeps its own Enter.
    EXPECT_EQ(элемент(поле_отчета).перехватчик, nullptr);
}

TEST_F(MainWindow, OtherEventsAreLeftToThePlatform) {
    запустить();
    EXPECT_NE(платформа.отправить(главное(), {Вид_события::прочее}), обработано);
    EXPECT_NE(платформа.отправить(главное(), {Вид_события::отпускание_клавиши, 0, Клавиша::ввод}),
              обработано);
    for (int номер : {0, 1, 10007, 10013, 10017, 10021, 10022})
        EXPECT_NE(щелкнуть(номер), обработано) << номер;
    EXPECT_TRUE(платформа.ошибки.empty());
    EXPECT_TRUE(платформа.диалоги.empty());
    EXPECT_TRUE(принтер.запись.задания.empty());
}

TEST_F(MainWindow, CalculateReplacesTheReportWithoutThePrefix) {
    платформа.часы = {1990, 3, 5, 21, 40};
    запустить();
    набрать(" 31", "12", "2011 ", "0", "0x1F");
    EXPECT_EQ(щелкнуть(кнопка_расчета), обработано);
    const auto ожидаемый = отчет_момента(знания_для_тестов(), {31, 12, 2011, 0, 31});
    ASSERT_TRUE(ожидаемый);
    EXPECT_EQ(отчет(), *ожидаемый);
}

TEST_F(MainWindow, RefusedInputShowsTheBoxAndKeepsTheReport) {
    платформа.часы = {1990, 3, 5, 21, 40};
    запустить();
    const std::string прежний = отчет();
    ASSERT_FALSE(прежний.empty());
    элемент(поле_дня).установить_фокус();
    набрать("22", "9", "1868", "18", "59");
    щелкнуть(кнопка_расчета);
    ASSERT_EQ(платформа.ошибки.size(), 1u);
    EXPECT_EQ(платформа.ошибки[0].заголовок, "Ошибка");
    EXPECT_TRUE(платформа.ошибки[0].текст.starts_with("Неправильные данные!\n"));
    EXPECT_EQ(отчет(), прежний);
    EXPECT_EQ(элемент(поле_часа).текст(), "18");
    EXPECT_EQ(платформа.фокус, &элемент(поле_дня));
}

// The printed rows below the header, joined by line feeds.
std::string напечатанное(const Запись_печати &запись) {
    std::string текст;
    for (const auto &страница : запись.страницы)
        for (std::size_t i = 1; i < страница.надписи.size(); ++i)
            текст += (текст.empty() ? "" : "\n") + страница.надписи[i].текст;
    return текст;
}

TEST_F(MainWindow, PrintHandsOverTheReportAsEditedInTheField) {
    платформа.часы = {2012, 9, 23, 10, 5};
    запустить();
    элемент(поле_отчета).установить_текст("Первая строка\nвторая");
    платформа.ввести(элемент(поле_отчета), "\r\nдописано\tрукой");
    EXPECT_EQ(щелкнуть(кнопка_печати), обработано);
    ASSERT_EQ(принтер.запись.задания.size(), 1u);
    EXPECT_EQ(принтер.запись.закончено_заданий, 1);
    EXPECT_EQ(напечатанное(принтер.запись), "Первая строка\nвторая\nдописано    рукой");
    EXPECT_TRUE(платформа.ошибки.empty());
}

TEST_F(MainWindow, PrintFailureShowsThePrintBoxAndKeepsTheReport) {
    платформа.часы = {1990, 3, 5, 21, 40};
    запустить();
    const std::string прежний = отчет();
    принтер.подключен = false;
    щелкнуть(кнопка_печати);
    ASSERT_EQ(платформа.ошибки.size(), 1u);
    EXPECT_EQ(платформа.ошибки[0].заголовок, "Ошибка печати");
    EXPECT_EQ(платформа.ошибки[0].текст, "Не могу инициализировать принтер");
    EXPECT_EQ(отчет(), прежний);
    EXPECT_TRUE(принтер.запись.страницы.empty());
}

TEST_F(MainWindow, HelpOpensTheAboutWindowOwnedByTheMainWindow) {
    запустить();
    Окно_для_тестов *открытый = nullptr;
    платформа.в_диалоге = [&](Окно_для_тестов &диалог) {
        открытый = &диалог;
        платформа.отправить(диалог, {Вид_события::команда, 1});
    };
    EXPECT_EQ(щелкнуть(кнопка_справки), обработано);
    ASSERT_NE(открытый, nullptr);
    EXPECT_EQ(открытый->номер, 10000);
    EXPECT_EQ(открытый->родитель(), &главное());
    EXPECT_EQ(открытый->обработчик, обработать_событие_окна_о_программе);
    EXPECT_TRUE(открытый->закрыт);
}

} // namespace
} // namespace круголет
