// Brings the Linux program, on a real display, into a state worth a screenshot and holds it
// there: scripts/screenshots photographs the screen while the file "<scene>.ready" exists in
// the current directory, and deletes it when it is done. The program runs in this process, with
// the library of the current directory; keys come as Qt delivers a user's.
//
//   krugolet_qt_drive main    a moment typed into the five fields and converted with Enter
//   krugolet_qt_drive about   the same, then the About window opened over it
//   krugolet_qt_drive start   prints the time (ns since the epoch) at which the first report is
//                             on the screen, and ends

#include "platform/qt/platform_qt.h"
#include "print/qt/printer_qt.h"
#include "ui/controls.h"
#include "ui/start.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <cstdio>

using namespace круголет;

namespace {

QWidget *виджет(Платформа_qt &платформа, int номер) {
    return static_cast<Окно_qt *>(платформа.главное_окно()->элемент(номер))->виджет();
}

void набрать(QWidget *поле, const char *текст, Qt::Key затем) {
    QTest::keyClick(поле, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(поле, QString::fromUtf8(текст));
    QTest::keyClick(поле, затем);
}

// Holds the scene until the photographer deletes the file.
void держать(const QString &сцена) {
    const QString готово = сцена + ".ready";
    QFile(готово).open(QIODevice::WriteOnly);
    auto *часы = new QTimer(qApp);
    QObject::connect(часы, &QTimer::timeout, [готово] {
        if (!QFile::exists(готово))
            QCoreApplication::exit(0);
    });
    часы->start(100);
}

void сыграть(Платформа_qt &платформа, const QString &сцена) {
    // Without a window manager nothing makes the window active but the program itself.
    QWidget *главное = платформа.главное_окно()->виджет();
    главное->activateWindow();
    if (!QTest::qWaitForWindowActive(главное)) {
        std::fputs("the main window did not become active\n", stderr);
        return QCoreApplication::exit(1);
    }
    виджет(платформа, поле_дня)->setFocus();
    набрать(виджет(платформа, поле_дня), "14", Qt::Key_Tab);
    набрать(виджет(платформа, поле_месяца), "7", Qt::Key_Tab);
    набрать(виджет(платформа, поле_года), "1990", Qt::Key_Tab);
    набрать(виджет(платформа, поле_часа), "21", Qt::Key_Tab);
    набрать(виджет(платформа, поле_минуты), "30", Qt::Key_Return);
    if (сцена != "about")
        return держать(сцена);
    QTimer::singleShot(500, [сцена] { держать(сцена); });
    QTest::mouseClick(виджет(платформа, кнопка_справки), Qt::LeftButton);
}

// The report was filled before the window was shown: once it is shown, the report is on the
// screen.
void отметить_начало(Платформа_qt &платформа) {
    if (!QTest::qWaitForWindowExposed(платформа.главное_окно()->виджет()))
        return QCoreApplication::exit(1);
    QCoreApplication::processEvents();
    const auto сейчас = std::chrono::system_clock::now().time_since_epoch();
    std::printf("%lld\n",
                static_cast<long long>(
                    std::chrono::duration_cast<std::chrono::nanoseconds>(сейчас).count()));
    QCoreApplication::exit(0);
}

} // namespace

int main(int число_аргументов, char *аргументы[]) {
    QApplication программа(число_аргументов, аргументы);
    const QString сцена = число_аргументов > 1 ? аргументы[1] : "main";
    Принтер_qt принтер;
    Платформа_qt платформа;
    QTimer::singleShot(0, [&] {
        if (сцена == "start")
            return отметить_начало(платформа);
        сыграть(платформа, сцена);
    });
    return запустить_круголет(платформа, {.принтер = принтер});
}
