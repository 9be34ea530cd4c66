// The Linux program driven as a user drives it, by keys and clicks, on the offscreen platform.

#include "output/about_text.h"
#include "tests/qt/program_fixture.h"
#include "ui/about.h"
#include "ui/controls.h"

#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <string>
#include <vector>

namespace круголет {
namespace {

using QtProgram = Программа_qt;

TEST_F(QtProgram, StartsMaximizedFixedWithItsTitleAndFifteenNativeControls) {
    запустить({1990, 7, 14, 21, 30});
    EXPECT_EQ(главное()->windowTitle().toStdString(), "Ольмарский Календаръ");
    EXPECT_FALSE(главное()->windowIcon().isNull());
    EXPECT_EQ(главное()->minimumSize(), главное()->maximumSize()) << "the user could resize it";
    EXPECT_FALSE(главное()->windowFlags() & Qt::WindowMaximizeButtonHint);

    for (int поле : {поле_дня, поле_месяца, поле_года, поле_часа, поле_минуты})
        EXPECT_NE(qobject_cast<QLineEdit *>(виджет(поле)), nullptr) << поле;
    for (int надпись :
         {надпись_даты, надпись_времени, черта_после_дня, черта_после_месяца, двоеточие, шапка})
        EXPECT_NE(qobject_cast<QLabel *>(виджет(надпись)), nullptr) << надпись;
    for (int кнопка : {кнопка_расчета, кнопка_печати, кнопка_справки})
        EXPECT_NE(qobject_cast<QPushButton *>(виджет(кнопка)), nullptr) << кнопка;
    EXPECT_NE(qobject_cast<QPlainTextEdit *>(виджет(поле_отчета)), nullptr);
    EXPECT_EQ(текст(надпись_даты), "Дата (ДД-ММ-ГГГГ):");
    EXPECT_EQ(текст(кнопка_справки), "Справка");
    // Laid out for the screen: every control has left the place it was made at.
    EXPECT_GT(виджет(поле_отчета)->geometry().bottom(), главное()->height() / 2);
}

TEST_F(QtProgram, ClockInsideTheSpanShowsNowAndItsReport) {
    запустить({1990, 7, 14, 21, 30});
    EXPECT_EQ(текст(поле_дня), "14");
    EXPECT_EQ(текст(поле_месяца), "7");
    EXPECT_EQ(текст(поле_отчета), "Ныне:\n" + отчет_для(14, 7, 1990, 21, 30));
}

TEST_F(QtProgram, ClockOutsideTheSpanLeavesTheReportEmptyWithoutABox) {
    Ящики ящики;
    запустить({2026, 12, 7, 13, 0});
    EXPECT_EQ(текст(поле_года), "2026");
    EXPECT_EQ(текст(поле_отчета), "");
    EXPECT_TRUE(ящики.показаны.empty());
}

TEST_F(QtProgram, TabMovesThroughTheFieldsInDateOrderAndEnterShowsTheReport) {
    запустить({2026, 12, 7, 13, 0});
    виджет(поле_дня)->setFocus();
    набрать(поле_дня, "3");
    клавиша(Qt::Key_Tab);
    // Qt's own order would go on to the year field, the next one made.
    набрать(поле_месяца, "11");
    клавиша(Qt::Key_Tab);
    набрать(поле_года, "1917");
    клавиша(Qt::Key_Tab);
    набрать(поле_часа, "9");
    клавиша(Qt::Key_Tab);
    набрать(поле_минуты, "5");
    клавиша(Qt::Key_Return);
    const std::string ожидаемый = отчет_для(3, 11, 1917, 9, 5);
    ASSERT_FALSE(ожидаемый.empty());
    EXPECT_EQ(текст(поле_отчета), ожидаемый);
}

TEST_F(QtProgram, TabInTheMinuteFieldConvertsAsEnterDoes) {
    запустить({1990, 7, 14, 21, 30});
    виджет(поле_минуты)->setFocus();
    набрать(поле_минуты, "7");
    клавиша(Qt::Key_Tab);
    EXPECT_EQ(текст(поле_отчета), отчет_для(14, 7, 1990, 21, 7));
}

TEST_F(QtProgram, RefusedInputGivesOneStopBoxAndKeepsTheReport) {
    запустить({1990, 7, 14, 21, 30});
    const std::string прежний = текст(поле_отчета);
    виджет(поле_дня)->setFocus();
    набрать(поле_дня, "32");
    Ящики ящики;
    щелкнуть(кнопка_расчета);
    ASSERT_EQ(ящики.показаны.size(), 1u);
    EXPECT_EQ(ящики.показаны[0].заголовок, "Ошибка");
    EXPECT_EQ(ящики.показаны[0].текст, "Неправильные данные!");
    EXPECT_EQ(ящики.показаны[0].значок, QMessageBox::Critical);
    EXPECT_EQ(ящики.показаны[0].кнопок, 1);
    EXPECT_EQ(текст(поле_отчета), прежний);
}

// What a new user types today, started from the menu entry of the Circle of Life.
TEST_F(QtProgram, ADateAfterTheCircleOfLifeNamesTheRangeAndTheWideOne) {
    запустить({2026, 12, 7, 13, 0});
    виджет(поле_дня)->setFocus();
    Ящики ящики;
    клавиша(Qt::Key_Return);
    ASSERT_EQ(ящики.показаны.size(), 1u);
    EXPECT_EQ(
        ящики.показаны[0].текст,
        "Неправильные данные!\nМомент лежит вне Круга Жизни с 22.09.1868\u00a019:00 до "
        "22.09.2012\u00a019:00. Пункт меню «Круголет» (krugolet --extended) принимает моменты с "
        "19.09.1800\u00a019:00 до 21.09.2099\u00a019:00.");
}

// Enter closes the box on its press; its release then comes to the field, which has the focus
// back, and must not ask for the conversion again.
TEST_F(QtProgram, EnterThatClosesTheErrorBoxDoesNotOpenItAgain) {
    запустить({1990, 7, 14, 21, 30});
    виджет(поле_дня)->setFocus();
    набрать(поле_дня, "32");
    int ящиков = 0;
    в_модальном([&](QWidget *окно) {
        ++ящиков;
        ASSERT_NE(qobject_cast<QMessageBox *>(окно), nullptr);
        QTest::keyPress(окно->focusWidget() ? окно->focusWidget() : окно, Qt::Key_Return);
    });
    QTest::keyPress(виджет(поле_дня), Qt::Key_Return);
    QTest::keyRelease(виджет(поле_дня), Qt::Key_Return);
    ASSERT_EQ(ящиков, 1);
    ASSERT_EQ(QApplication::activeModalWidget(), nullptr);

    // A second box, if one came, is counted and closed.
    в_модальном([&](QWidget *окно) {
        ++ящиков;
        окно->close();
    });
    ASSERT_EQ(QApplication::focusWidget(), виджет(поле_дня));
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(ящиков, 1);
}

TEST_F(QtProgram, HelpOpensTheModalAboutWindowAndOkClosesIt) {
    запустить({1990, 7, 14, 21, 30});
    bool открыто = false;
    в_модальном([&](QWidget *окно) {
        auto *диалог = qobject_cast<QDialog *>(окно);
        ASSERT_NE(диалог, nullptr);
        открыто = true;
        EXPECT_EQ(диалог->windowTitle().toStdString(),
                  std::string(шаблон_окна_о_программе().заголовок));
        EXPECT_EQ(диалог->font().family().toStdString(), "Times New Roman");
        auto *поле = диалог->findChild<QPlainTextEdit *>();
        ASSERT_NE(поле, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(диалог));
        QTRY_COMPARE(поле->toPlainText().toStdString(), текст_о_программе());
        EXPECT_TRUE(поле->isReadOnly());
        EXPECT_NE(диалог->findChild<QGroupBox *>(), nullptr);
        QPushButton *ok = nullptr;
        for (auto *кнопка : диалог->findChildren<QPushButton *>())
            if (кнопка->text() == "Ok")
                ok = кнопка;
        ASSERT_NE(ok, nullptr);
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    щелкнуть(кнопка_справки);
    EXPECT_TRUE(открыто);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(QtProgram, MissingLibraryGivesOneBoxAnEmptyReportAndWorkingButtons) {
    убрать_библиотеку();
    Ящики ящики;
    запустить({1990, 7, 14, 21, 30});
    ASSERT_EQ(ящики.показаны.size(), 1u);
    EXPECT_EQ(ящики.показаны[0].заголовок, "Ошибка загрузки библиотеки");
    EXPECT_EQ(текст(поле_отчета), "");

    bool справка = false;
    в_модальном([&](QWidget *окно) {
        справка = qobject_cast<QDialog *>(окно) && !qobject_cast<QMessageBox *>(окно);
        qobject_cast<QDialog *>(окно)->done(0);
    });
    щелкнуть(кнопка_справки);
    EXPECT_TRUE(справка);
    виджет(поле_дня)->setFocus();
    набрать(поле_дня, "32");
    щелкнуть(кнопка_расчета);
    EXPECT_EQ(ящики.показаны.size(), 2u);
}

// The pictures come out where the layout puts them: the eagle over the report field at the
// left, the star right of the heading, neither one the flat background.
TEST_F(QtProgram, PicturesAreDrawnWhereTheLayoutPutsThem) {
    запустить({1990, 7, 14, 21, 30});
    const QImage снимок = главное()->grab().toImage();
    const QRgb фон = главное()->palette().color(QPalette::Button).rgb();
    const int верх_отчета = виджет(поле_отчета)->geometry().top();
    const int право_шапки = виджет(шапка)->geometry().right() + 1;
    auto не_фон = [&](int x0, int x1, int y0, int y1) {
        int точек = 0;
        for (int y = y0; y < y1; y += 2)
            for (int x = x0; x < x1; x += 2)
                точек += снимок.pixel(x, y) != фон;
        return точек;
    };
    const int ширина_орла = верх_отчета * 187 / 239;
    EXPECT_GT(не_фон(ширина_орла / 4, ширина_орла * 3 / 4, верх_отчета / 4, верх_отчета * 3 / 4), 0)
        << "no eagle";
    EXPECT_GT(не_фон(право_шапки + верх_отчета / 4, право_шапки + верх_отчета * 3 / 4,
                     верх_отчета / 4, верх_отчета * 3 / 4),
              0)
        << "no star";
    // Between the eagle and the date's label the background is plain.
    const int лево_дня = виджет(надпись_даты)->geometry().left();
    if (лево_дня > ширина_орла + 4) {
        EXPECT_EQ(не_фон(ширина_орла + 2, лево_дня - 1, верх_отчета / 2, верх_отчета / 2 + 1), 0);
    }
}

} // namespace
} // namespace круголет
