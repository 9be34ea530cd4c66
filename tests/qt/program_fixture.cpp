#include "tests/qt/program_fixture.h"

#include "calendar/report.h"
#include "knowledge/library.h"
#include "print/qt/printer_qt.h"
#include "ui/start.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace круголет {

namespace {

// Leaves the message loop once the main window is shown and no modal window is open: a box of
// the start has a run of its own before the message loop.
void выйти_когда_свободно(Платформа_qt &платформа) {
    QTimer::singleShot(10, [&платформа] {
        Окно_qt *главное = платформа.главное_окно();
        if (QApplication::activeModalWidget() || !главное || !главное->виджет()->isVisible())
            return выйти_когда_свободно(платформа);
        QCoreApplication::exit(0);
    });
}

} // namespace

Ящики::Ящики() {
    QObject::connect(&часы_, &QTimer::timeout, [this] {
        auto *ящик = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!ящик || !ящик->isVisible())
            return;
        показаны.push_back({ящик->windowTitle().toStdString(), ящик->text().toStdString(),
                            ящик->icon(), static_cast<int>(ящик->buttons().size())});
        QTest::mouseClick(ящик->button(QMessageBox::Ok), Qt::LeftButton);
    });
    часы_.start(10);
}

void Программа_qt::SetUp() {
    const auto *тест = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string имя = std::string(тест->test_suite_name()) + "." + тест->name();
    папка_ = std::filesystem::temp_directory_path() /
             ("krugolet-qt-" + std::to_string(std::hash<std::string>{}(имя)));
    std::filesystem::remove_all(папка_);
    std::filesystem::create_directories(папка_);
    std::filesystem::copy_file(std::filesystem::path(KRUGOLET_LIBRARY), папка_ / имя_библиотеки);
    прежняя_папка_ = std::filesystem::current_path();
    std::filesystem::current_path(папка_);
    свой_принтер_ = std::make_unique<Принтер_qt>();
    принтер = свой_принтер_.get();
}

void Программа_qt::TearDown() {
    платформа.reset();
    std::filesystem::current_path(прежняя_папка_);
    std::filesystem::remove_all(папка_);
}

void Программа_qt::убрать_библиотеку() {
    std::filesystem::remove(папка_ / имя_библиотеки);
}

void Программа_qt::запустить(Местное_время часы) {
    платформа = std::make_unique<Платформа_qt>([часы] { return часы; });
    выйти_когда_свободно(*платформа);
    EXPECT_EQ(запустить_круголет(*платформа, {.принтер = *принтер}), 0);
    ASSERT_NE(платформа->главное_окно(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(главное()));
}

QWidget *Программа_qt::главное() {
    return платформа->главное_окно()->виджет();
}

QWidget *Программа_qt::виджет(int номер) {
    auto *элемент = static_cast<Окно_qt *>(платформа->главное_окно()->элемент(номер));
    return элемент ? элемент->виджет() : nullptr;
}

std::string Программа_qt::текст(int номер) {
    return платформа->главное_окно()->элемент(номер)->текст();
}

void Программа_qt::набрать(int поле, const QString &текст) {
    QWidget *в = виджет(поле);
    ASSERT_EQ(QApplication::focusWidget(), в) << "typing into a field without the focus";
    QTest::keyClick(в, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(в, текст);
}

// The release goes where the focus is by then, as the keyboard delivers it.
void Программа_qt::клавиша(Qt::Key код) {
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyPress(QApplication::focusWidget(), код);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyRelease(QApplication::focusWidget(), код);
}

void Программа_qt::щелкнуть(int кнопка) {
    QTest::mouseClick(виджет(кнопка), Qt::LeftButton);
}

std::string отчет_для(int день, int месяц, int год, int час, int минута) {
    Знания знания = встроенные_знания();
    EXPECT_EQ(загрузить_библиотеку(std::filesystem::path(KRUGOLET_LIBRARY), знания),
              Загрузка::выполнена);
    return отчет_момента(знания, {день, месяц, год, час, минута}).value_or("");
}

void Программа_qt::в_модальном(std::function<void(QWidget *)> действие, int попыток) {
    QTimer::singleShot(10, &хозяин_ожиданий_, [this, действие, попыток] {
        if (QWidget *окно = QApplication::activeModalWidget())
            return действие(окно);
        if (попыток > 0)
            в_модальном(действие, попыток - 1);
    });
}

} // namespace круголет
