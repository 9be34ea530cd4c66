#include "print/qt/progress_dialog.h"

#include <QApplication>

namespace круголет {

Окно_хода_печати_qt::Окно_хода_печати_qt(const QString &заголовок, const QString &принтер)
    : окно_(QApplication::activeWindow()), принтер_(принтер) {
    окно_.setWindowTitle(заголовок);
    окно_.setCancelButtonText(QStringLiteral("Отмена"));
    // The number of pages is known only at the end: the bar just shows that the job is alive.
    окно_.setRange(0, 0);
    окно_.setMinimumDuration(0);
    окно_.setWindowModality(Qt::ApplicationModal);
    окно_.setAutoReset(false);
    окно_.setAutoClose(false);
    окно_.setLabelText(QStringLiteral("Принтер: ") + принтер_);
    окно_.show();
}

void Окно_хода_печати_qt::показать_страницу(int номер) {
    окно_.setLabelText(
        QStringLiteral("Печатается страница %1\nПринтер: %2").arg(номер).arg(принтер_));
    QApplication::processEvents();
}

bool Окно_хода_печати_qt::отменено() {
    QApplication::processEvents();
    return окно_.wasCanceled();
}

} // namespace круголет
