#include "platform/qt/window_qt.h"

#include "platform/qt/control_kinds.h"
#include "platform/qt/platform_qt.h"
#include "platform/qt/resources_qt.h"
#include "platform/qt/surface.h"
#include "runtime/qt_text.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QIcon>
#include <QKeyEvent>
#include <QPushButton>

#include <utility>

namespace круголет {

namespace {

Клавиша клавиша_слоя(int код) {
    switch (код) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Клавиша::ввод;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return Клавиша::табуляция;
    case Qt::Key_Space:
        return Клавиша::пробел;
    default:
        return Клавиша::другая;
    }
}

// Qt moves the focus on its own at a press of Tab; in this program the fields' handlers do.
bool своя_табуляция(const QEvent &событие) {
    if (событие.type() != QEvent::KeyPress)
        return false;
    const int код = static_cast<const QKeyEvent &>(событие).key();
    return код == Qt::Key_Tab || код == Qt::Key_Backtab;
}

} // namespace

Возврат_фокуса::Возврат_фокуса(QWidget *окно)
    : окно_(окно), фокус_(окно ? окно->focusWidget() : nullptr) {}

// Qt activates no window of its own accord when a modal one closes, where there is no window
// manager to do it; and the caller expects the window active when the modal run returns.
Возврат_фокуса::~Возврат_фокуса() {
    if (фокус_)
        фокус_->setFocus(Qt::OtherFocusReason);
    if (окно_) {
        окно_->activateWindow();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

namespace {

Прямоугольник из_qrect(const QRect &r) {
    return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
}

QRect в_qrect(const Прямоугольник &п) {
    return {п.лево, п.верх, п.право - п.лево, п.низ - п.верх};
}

// Dialog units: a quarter of the font's average character width across, an eighth of its
// character height down; the average taken over the 52 Latin letters.
Размер единица_диалога(const QFont &шрифт) {
    const QFontMetrics метрики(шрифт);
    const int алфавит = метрики.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(алфавит + 26) / 52, метрики.ascent() + метрики.descent()};
}

int в_пиксели(int единицы, int основа, int доли) {
    return (единицы * основа * 2 + доли) / (доли * 2);
}

QRect место_в_пикселях(const Место_в_шаблоне &м, Размер единица) {
    return {в_пиксели(м.x, единица.ширина, 4), в_пиксели(м.y, единица.высота, 8),
            в_пиксели(м.ширина, единица.ширина, 4), в_пиксели(м.высота, единица.высота, 8)};
}

} // namespace

Окно_qt::Окно_qt(Платформа_qt &платформа, Окно_qt *родитель, QWidget *виджет, Обработчик обработчик,
                 std::unique_ptr<Данные_окна> данные)
    : платформа_(платформа), родитель_(родитель), виджет_(виджет), обработчик_(обработчик),
      данные_(std::move(данные)) {}

Платформа &Окно_qt::платформа() {
    return платформа_;
}

Окно &Окно_qt::создать_элемент(Вид_элемента вид, int номер, std::string_view текст,
                               Прямоугольник место) {
    QWidget *виджет = создать_виджет(вид, текст, виджет_);
    виджет->setGeometry(в_qrect(место));
    виджет->show();
    if (auto *кнопка = qobject_cast<QPushButton *>(виджет))
        QObject::connect(кнопка, &QPushButton::clicked, this, [this, номер] {
            передать({Вид_события::команда, номер});
        });
    return добавить_элемент(номер, виджет);
}

Окно_qt &Окно_qt::добавить_элемент(int номер, QWidget *виджет) {
    auto &обертка = элементы_[номер];
    обертка = std::make_unique<Окно_qt>(платформа_, this, виджет, nullptr, nullptr);
    return *обертка;
}

Окно *Окно_qt::элемент(int номер) {
    const auto найден = элементы_.find(номер);
    return найден == элементы_.end() ? nullptr : найден->second.get();
}

void Окно_qt::установить_текст(std::string_view текст) {
    задать_текст_виджета(виджет_, в_qt(текст));
}

std::string Окно_qt::текст() {
    return текст_виджета(виджет_).toStdString();
}

void Окно_qt::переместить(Прямоугольник место) {
    виджет_->setGeometry(в_qrect(место));
}

Прямоугольник Окно_qt::внешний_прямоугольник() {
    return из_qrect(виджет_->isWindow() ? виджет_->frameGeometry() : виджет_->geometry());
}

Прямоугольник Окно_qt::клиентская_область() {
    return из_qrect(виджет_->rect());
}

Размер Окно_qt::размер_текста(std::string_view текст) {
    const QFontMetrics метрики(виджет_->font());
    return {метрики.horizontalAdvance(в_qt(текст)), метрики.height()};
}

void Окно_qt::залить_фоном() {
    if (рисование_)
        рисование_->fillRect(виджет_->rect(), виджет_->palette().color(QPalette::Button));
}

// The drawing is rendered at the destination size, so it stays sharp at any size; `куда` is
// given the size of its bitmap on Windows, so that both lay the window out alike.
void Окно_qt::нарисовать_картинку(int ресурс, const std::function<Прямоугольник(Размер)> &куда) {
    QSvgRenderer *рисунок = платформа_.рисунок(ресурс);
    if (!рисование_ || !рисунок)
        return;
    const QSize размер = рисунок->defaultSize();
    const QRect где = в_qrect(куда({размер.width(), размер.height()}));
    рисование_->fillRect(где, виджет_->palette().color(QPalette::Button));
    рисунок->render(рисование_, QRectF(где));
}

void Окно_qt::перехватить_события(Обработчик обработчик) {
    if (!обработчик_)
        виджет_->installEventFilter(this);
    обработчик_ = обработчик;
}

// A key held down repeats its presses only, as on Windows: a repeated release is no release,
// and a repeated press no first press.
Событие Окно_qt::событие_элемента(const QEvent &событие) {
    const auto *клавиша = dynamic_cast<const QKeyEvent *>(&событие);
    if (событие.type() == QEvent::FocusOut)
        нажатые_.clear();
    if (!клавиша || клавиша->isAutoRepeat())
        return {Вид_события::прочее};
    const Клавиша какая = клавиша_слоя(клавиша->key());
    if (событие.type() == QEvent::KeyPress)
        нажатые_.insert(какая);
    if (событие.type() != QEvent::KeyRelease || нажатые_.erase(какая) == 0)
        return {Вид_события::прочее};
    return {Вид_события::отпускание_клавиши, 0, какая};
}

bool Окно_qt::eventFilter(QObject *кому, QEvent *событие) {
    if (кому != виджет_ || !обработчик_)
        return false;
    if (обработчик_(*this, событие_элемента(*событие)) == обработано)
        return true;
    return своя_табуляция(*событие);
}

void Окно_qt::нажать(int номер) {
    передать({Вид_события::команда, номер});
}

void Окно_qt::установить_фокус() {
    виджет_->setFocus(Qt::OtherFocusReason);
}

void Окно_qt::установить_значок(int ресурс) {
    if (const auto путь = рисунок_ресурса(ресурс))
        виджет_->window()->setWindowIcon(QIcon(в_qt(*путь)));
}

void Окно_qt::открыть_диалог(const Шаблон_диалога &шаблон, Обработчик обработчик) {
    QFont шрифт(в_qt(шаблон.шрифт));
    шрифт.setPointSize(шаблон.размер_шрифта);
    const Размер единица = единица_диалога(шрифт);

    auto *поверхность = new Поверхность<QDialog>(
        виджет_, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                     Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    const std::unique_ptr<QDialog> владелец(поверхность);
    Окно_qt диалог(платформа_, this, поверхность, обработчик, nullptr);
    поверхность->подключить(&диалог);
    поверхность->setFont(шрифт);
    поверхность->setWindowTitle(в_qt(шаблон.заголовок));
    поверхность->setModal(true);
    const QRect место = место_в_пикселях(шаблон.место, единица);
    поверхность->setFixedSize(место.size());
    поверхность->move(виджет_->mapToGlobal(место.topLeft()));
    for (const Элемент_шаблона &э : шаблон.элементы)
        диалог.создать_элемент(э.вид, э.номер, э.текст,
                               из_qrect(место_в_пикселях(э.место, единица)));
    const Возврат_фокуса возврат(виджет_->window());
    поверхность->exec();
    поверхность->подключить(nullptr);
}

void Окно_qt::закрыть_диалог() {
    if (auto *диалог = qobject_cast<QDialog *>(виджет_.data()))
        диалог->done(0);
}

int Окно_qt::передать(const Событие &событие, QPainter *рисование) {
    if (!обработчик_)
        return не_обработано;
    QPainter *прежнее = std::exchange(рисование_, рисование);
    const int ответ = обработчик_(*this, событие);
    рисование_ = прежнее;
    return ответ;
}

} // namespace круголет
