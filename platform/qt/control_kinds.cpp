#include "platform/qt/control_kinds.h"

#include "platform/qt/line_field.h"
#include "runtime/qt_text.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace круголет {

namespace {

QWidget *надпись(const QString &текст, QWidget *родитель) {
    auto *н = new QLabel(текст, родитель);
    н->setTextFormat(Qt::PlainText);
    н->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    н->setWordWrap(true);
    return н;
}

QWidget *поле(const QString &текст, QWidget *родитель) {
    auto *п = new Однострочное_поле(текст, родитель);
    п->setAlignment(Qt::AlignLeft);
    п->setFocusPolicy(Qt::StrongFocus);
    return п;
}

// A multi-line field breaks long lines at the field's width and always shows its vertical
// scroll bar, as the report field does on Windows.
QPlainTextEdit *многострочное(const QString &текст, QWidget *родитель) {
    auto *п = new QPlainTextEdit(текст, родитель);
    п->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    п->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    п->setTabChangesFocus(false);
    п->setFocusPolicy(Qt::StrongFocus);
    return п;
}

// The selection stays visible when the field loses the focus.
QWidget *только_чтение(const QString &текст, QWidget *родитель) {
    QPlainTextEdit *п = многострочное(текст, родитель);
    п->setReadOnly(true);
    QPalette палитра = п->palette();
    for (auto роль : {QPalette::Highlight, QPalette::HighlightedText})
        палитра.setColor(QPalette::Inactive, роль, палитра.color(QPalette::Active, роль));
    п->setPalette(палитра);
    return п;
}

QWidget *кнопка(const QString &текст, QWidget *родитель, bool по_умолчанию) {
    auto *к = new QPushButton(текст, родитель);
    к->setAutoDefault(false);
    к->setDefault(по_умолчанию);
    к->setFocusPolicy(Qt::StrongFocus);
    return к;
}

} // namespace

QWidget *создать_виджет(Вид_элемента вид, std::string_view текст, QWidget *родитель) {
    const QString т = в_qt(текст);
    switch (вид) {
    case Вид_элемента::надпись:
        return надпись(т, родитель);
    case Вид_элемента::поле:
        return поле(т, родитель);
    case Вид_элемента::поле_отчета:
        return многострочное(т, родитель);
    case Вид_элемента::поле_только_чтение:
        return только_чтение(т, родитель);
    case Вид_элемента::кнопка:
        return кнопка(т, родитель, false);
    case Вид_элемента::кнопка_по_умолчанию:
        return кнопка(т, родитель, true);
    case Вид_элемента::рамка:
        return new QGroupBox(т, родитель);
    }
    return new QWidget(родитель);
}

QString текст_виджета(const QWidget *виджет) {
    if (auto *н = qobject_cast<const QLabel *>(виджет))
        return н->text();
    if (auto *п = qobject_cast<const QLineEdit *>(виджет))
        return п->text();
    if (auto *п = qobject_cast<const QPlainTextEdit *>(виджет))
        return п->toPlainText();
    if (auto *к = qobject_cast<const QAbstractButton *>(виджет))
        return к->text();
    if (auto *р = qobject_cast<const QGroupBox *>(виджет))
        return р->title();
    return виджет->windowTitle();
}

void задать_текст_виджета(QWidget *виджет, const QString &текст) {
    if (auto *н = qobject_cast<QLabel *>(виджет))
        return н->setText(текст);
    if (auto *п = dynamic_cast<Однострочное_поле *>(виджет))
        return п->задать_текст(текст);
    // The same text again keeps the reader's place in it: the About window sets its text at
    // every repaint.
    if (auto *п = qobject_cast<QPlainTextEdit *>(виджет)) {
        if (п->toPlainText() != текст)
            п->setPlainText(текст);
        return;
    }
    if (auto *к = qobject_cast<QAbstractButton *>(виджет))
        return к->setText(текст);
    if (auto *р = qobject_cast<QGroupBox *>(виджет))
        return р->setTitle(текст);
    виджет->setWindowTitle(текст);
}

} // namespace круголет
