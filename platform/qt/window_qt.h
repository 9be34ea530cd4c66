#pragma once

#include "platform/window.h"

#include <QPointer>
#include <QWidget>

#include <map>
#include <memory>
#include <set>

class QPainter;

namespace круголет {

class Платформа_qt;

// While a modal window runs: on its end, the window it was opened over is active again, with
// the focus in the control that had it.
class Возврат_фокуса {
  public:
    explicit Возврат_фокуса(QWidget *окно);
    ~Возврат_фокуса();
    Возврат_фокуса(const Возврат_фокуса &) = delete;
    Возврат_фокуса &operator=(const Возврат_фокуса &) = delete;

  private:
    QPointer<QWidget> окно_;
    QPointer<QWidget> фокус_;
};

// A main window, a dialog or a control of the Qt back end, wrapped around its widget. A window
// owns the wrappers of its controls; they live as long as it does.
class Окно_qt final : public QObject, public Окно {
  public:
    Окно_qt(Платформа_qt &платформа, Окно_qt *родитель, QWidget *виджет, Обработчик обработчик,
            std::unique_ptr<Данные_окна> данные);

    Платформа &платформа() override;
    Данные_окна *данные() override { return данные_.get(); }
    Окно &создать_элемент(Вид_элемента вид, int номер, std::string_view текст,
                          Прямоугольник место) override;
    Окно *элемент(int номер) override;
    Окно *родитель() override { return родитель_; }
    void установить_текст(std::string_view текст) override;
    std::string текст() override;
    void переместить(Прямоугольник место) override;
    Прямоугольник внешний_прямоугольник() override;
    Прямоугольник клиентская_область() override;
    Размер размер_текста(std::string_view текст) override;
    void залить_фоном() override;
    void нарисовать_картинку(int ресурс, const std::function<Прямоугольник(Размер)> &куда) override;
    void перехватить_события(Обработчик обработчик) override;
    void нажать(int номер) override;
    void установить_фокус() override;
    void установить_значок(int ресурс) override;
    void открыть_диалог(const Шаблон_диалога &шаблон, Обработчик обработчик) override;
    void закрыть_диалог() override;

    QWidget *виджет() const { return виджет_; }
    // The handler's answer to an event of a main window or a dialog; a repaint is drawn with
    // the painter, which the drawing operations use while the handler runs.
    int передать(const Событие &событие, QPainter *рисование = nullptr);

  protected:
    // A control's events go to its handler first, once one is attached.
    bool eventFilter(QObject *кому, QEvent *событие) override;

  private:
    Окно_qt &добавить_элемент(int номер, QWidget *виджет);
    // What a control's handler hears of an event; a key's release only after its first press
    // here, with the focus not gone elsewhere since.
    Событие событие_элемента(const QEvent &событие);

    Платформа_qt &платформа_;
    Окно_qt *родитель_;
    QPointer<QWidget> виджет_;
    Обработчик обработчик_;
    std::unique_ptr<Данные_окна> данные_;
    QPainter *рисование_ = nullptr;
    std::map<int, std::unique_ptr<Окно_qt>> элементы_;
    std::set<Клавиша> нажатые_;
};

} // namespace круголет
