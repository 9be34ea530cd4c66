#pragma once

#include "platform/qt/window_qt.h"
#include "platform/window.h"

#include <QSvgRenderer>

#include <functional>
#include <map>
#include <memory>

namespace круголет {

// The local time of the system clock.
Местное_время часы_системы();

// The window layer on Qt Widgets. A QApplication must exist for as long as the platform does.
class Платформа_qt final : public Платформа {
  public:
    explicit Платформа_qt(std::function<Местное_время()> часы = часы_системы);
    ~Платформа_qt() override;

    void включить_объемный_вид() override;
    Окно &создать_главное_окно(std::string_view заголовок, int значок, Обработчик обработчик,
                               std::unique_ptr<Данные_окна> данные) override;
    int цикл_сообщений() override;
    Местное_время местное_время() override { return часы_(); }
    Экран экран() override;
    void сообщение_об_ошибке(std::string_view заголовок, std::string_view текст) override;

    // The main window, once it has been made.
    Окно_qt *главное_окно() { return главное_окно_.get(); }
    // The drawing of a resource, parsed once; nullptr for an id that is no drawing.
    QSvgRenderer *рисунок(int ресурс);

  private:
    std::function<Местное_время()> часы_;
    std::map<int, std::unique_ptr<QSvgRenderer>> рисунки_;
    std::unique_ptr<Окно_qt> главное_окно_;
};

} // namespace круголет
