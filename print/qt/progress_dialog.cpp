#include "print/qt/progress_dialog.h"

#include <QApplication>
#include <QFontMetrics>
#include <QStyle>

namespace круголет {

namespace {

// A window manager cuts a title that does not fit its window's title bar short. The bar holds
// the window's icon and up to three buttons beside the title, each about as wide as the bar is
// high, and its font is often the bold one.
int ширина_под_заголовок(const QWidget &окно, const QString &заголовок) {
    QFont шрифт = окно.font();
    шрифт.setBold(true);
    const int кнопка = окно.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &окно);
    return QFontMetrics(шрифт).horizontalAdvance(заголовок) + 5 * кнопка;
}

} // namespace

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
    окно_.setMinimumWidth(ширина_под_заголовок(окно_, заголовок));
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
