#pragma once

#include "platform/qt/window_qt.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

namespace круголет {

// The widget of a main window or a dialog: it hands its repaints and its activation to the
// handler of its window. The handler draws the whole client area at every repaint.
template <class База> class Поверхность final : public База {
  public:
    template <class... Аргументы>
    explicit Поверхность(Аргументы &&...аргументы) : База(std::forward<Аргументы>(аргументы)...) {}

    void подключить(Окно_qt *окно) { окно_ = окно; }
    Окно_qt *окно() const { return окно_; }

  protected:
    void paintEvent(QPaintEvent *) override {
        if (!окно_)
            return;
        QPainter рисование(this);
        окно_->передать({Вид_события::перерисовка}, &рисование);
    }

    bool event(QEvent *событие) override {
        if (окно_ && событие->type() == QEvent::WindowActivate)
            окно_->передать({Вид_события::активация});
        return База::event(событие);
    }

  private:
    Окно_qt *окно_ = nullptr;
};

} // namespace круголет
