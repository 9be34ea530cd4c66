#include "platform/qt/platform_qt.h"

#include "platform/qt/resources_qt.h"
#include "platform/qt/surface.h"
#include "runtime/qt_text.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>

namespace круголет {

namespace {

// The drawings stand on the classic button-face grey, so that the bitmaps made of them merge
// with a Windows window; here that grey becomes the palette's colour of buttons.
QByteArray на_цвете_кнопок(const QString &путь) {
    QFile файл(путь);
    if (!файл.open(QIODevice::ReadOnly))
        return {};
    const QByteArray цвет = QApplication::palette().color(QPalette::Button).name().toLatin1();
    return файл.readAll().replace(R"(fill="#c0c0c0")", R"(fill=")" + цвет + '"');
}

} // namespace

Местное_время часы_системы() {
    const QDateTime сейчас = QDateTime::currentDateTime();
    const QDate дата = сейчас.date();
    const QTime время = сейчас.time();
    return {дата.year(), дата.month(), дата.day(), время.hour(), время.minute()};
}

Платформа_qt::Платформа_qt(std::function<Местное_время()> часы) : часы_(std::move(часы)) {}

Платформа_qt::~Платформа_qt() {
    // The widget reaches its wrapper while it lives; it goes first.
    if (главное_окно_)
        delete главное_окно_->виджет();
}

// Qt's widgets are drawn three-dimensional by the desktop's style already.
void Платформа_qt::включить_объемный_вид() {}

Окно &Платформа_qt::создать_главное_окно(std::string_view заголовок, int значок,
                                         Обработчик обработчик,
                                         std::unique_ptr<Данные_окна> данные) {
    // Title, system menu, minimize and close, but no maximize: the window stays maximized.
    auto *поверхность = new Поверхность<QWidget>(
        nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                     Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                     Qt::WindowCloseButtonHint);
    главное_окно_ =
        std::make_unique<Окно_qt>(*this, nullptr, поверхность, обработчик, std::move(данные));
    поверхность->setWindowTitle(в_qt(заголовок));
    главное_окно_->установить_значок(значок);

    // Its client area is the work area below a caption, fixed, so that the user cannot size
    // it and the layout made for the screen stays whole.
    const QRect рабочая = QGuiApplication::primaryScreen()->availableGeometry();
    поверхность->setFixedSize(рабочая.width(), рабочая.height() - экран().высота_заголовка);
    поверхность->move(рабочая.topLeft());

    поверхность->подключить(главное_окно_.get());
    главное_окно_->передать({Вид_события::создание});
    поверхность->showMaximized();
    return *главное_окно_;
}

int Платформа_qt::цикл_сообщений() {
    return QApplication::exec();
}

Экран Платформа_qt::экран() {
    const QRect весь = QGuiApplication::primaryScreen()->geometry();
    return {весь.width(), весь.height(),
            QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight)};
}

void Платформа_qt::сообщение_об_ошибке(std::string_view заголовок, std::string_view текст) {
    // The main window may be shown and not yet active: activation comes from the event loop.
    QWidget *владелец = QApplication::activeWindow();
    if (!владелец && главное_окно_ && главное_окно_->виджет()->isVisible())
        владелец = главное_окно_->виджет();
    const Возврат_фокуса возврат(владелец);
    QMessageBox окно(QMessageBox::Critical, в_qt(заголовок), в_qt(текст), QMessageBox::Ok,
                     владелец);
    окно.setWindowModality(Qt::ApplicationModal);
    окно.exec();
}

QSvgRenderer *Платформа_qt::рисунок(int ресурс) {
    auto &рисунок = рисунки_[ресурс];
    if (!рисунок) {
        const auto путь = рисунок_ресурса(ресурс);
        if (!путь)
            return nullptr;
        рисунок = std::make_unique<QSvgRenderer>(на_цвете_кнопок(в_qt(*путь)));
    }
    return рисунок.get();
}

} // namespace круголет
