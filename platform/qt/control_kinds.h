#pragma once

#include "platform/window.h"

#include <QWidget>

#include <string_view>

namespace круголет {

// The native widget that makes each kind of control, with the control's text, as a child of
// the parent.
QWidget *создать_виджет(Вид_элемента вид, std::string_view текст, QWidget *родитель);

// A widget's text: what a control shows or holds, or a window's title.
QString текст_виджета(const QWidget *виджет);
void задать_текст_виджета(QWidget *виджет, const QString &текст);

} // namespace круголет
