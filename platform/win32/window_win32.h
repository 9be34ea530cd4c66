#pragma once

#include "platform/window.h"

#include <windows.h>

#include <bitset>
#include <map>
#include <memory>
#include <optional>

namespace круголет {

class Платформа_win32;

// A main window, a dialog or a control of the Win32 back end, wrapped around its HWND.
// A window keeps the wrappers of those of its controls that have been asked for; they live
// as long as it does.
class Окно_win32 final : public Окно {
  public:
    Окно_win32(Платформа_win32 &платформа, Окно_win32 *родитель, Обработчик обработчик,
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

    HWND hwnd() const { return hwnd_; }

    // The procedures of the main window's class, of a dialog and of an intercepted control.
    static LRESULT CALLBACK процедура_окна(HWND hwnd, UINT сообщение, WPARAM w, LPARAM l);
    static INT_PTR CALLBACK процедура_диалога(HWND hwnd, UINT сообщение, WPARAM w, LPARAM l);
    static LRESULT CALLBACK процедура_элемента(HWND hwnd, UINT сообщение, WPARAM w, LPARAM l);

  private:
    Окно_win32 &обернуть(HWND элемент);
    // The handler's answer to a message of a main window or a dialog: the message's result
    // when it handled it, nothing when the message is left to the default processing.
    std::optional<LRESULT> передать(UINT сообщение, WPARAM w);
    // What an intercepted control's handler hears of a message; a key's release only after
    // its first press here, with the focus not gone elsewhere since.
    Событие событие_элемента(UINT сообщение, WPARAM w, LPARAM l);

    Платформа_win32 &платформа_;
    Окно_win32 *родитель_;
    Обработчик обработчик_;
    std::unique_ptr<Данные_окна> данные_;
    HWND hwnd_ = nullptr;
    WNDPROC своя_процедура_ = nullptr; // a control's own procedure, once intercepted
    HDC рисование_ = nullptr;          // during Вид_события::перерисовка
    std::map<HWND, std::unique_ptr<Окно_win32>> элементы_;
    std::bitset<256> нажатые_; // virtual keys, by their codes
};

} // namespace круголет
