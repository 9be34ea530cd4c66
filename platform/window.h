#pragma once

// The window layer: the few window-system operations the program's windows use, written once
// in ui/ against this interface and supplied by a back end (Win32, Qt, or the recording fake of
// the tests). All text crossing this interface is UTF-8 and breaks lines with a single "\n";
// a back end whose controls hold "\r\n" converts at its own boundary (platform/line_feeds.h).
// Everything runs on the one window thread.

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace круголет {

class Принтер; // print/print_job.h
class Платформа;
class Окно;

// Window events. A handler tests the kind and, for e_control, the control id only.
enum class Вид_события {
    e_create,   // the window is being created; its controls do not exist yet
    e_activate, // the window became the active window (again)
    e_update,   // the window must repaint; the drawing operations of Окно are valid only here
    e_control,  // a control of the window was used (a button clicked): `элемент` is its id
    e_keyup,    // a key was released in a control: `клавиша` says which
    e_other,    // anything else (key press, character, close request, ...)
};

// The keys the windows react to. A back end maps its own key codes to these and every other
// key to `другая`.
enum class Клавиша { другая, ввод, табуляция, пробел };

struct Событие {
    Вид_события вид;
    int элемент = 0;                   // control id, for e_control
    Клавиша клавиша = Клавиша::другая; // for e_keyup
};

// A handler returns `обработано` when it has handled the event; any other value leaves the
// event to the platform's default processing (for a control: the control's own processing).
using Обработчик = int (*)(Окно &, const Событие &);
inline constexpr int обработано = 0;
inline constexpr int не_обработано = 1;

// Pixels, edges as (left, top, right, bottom); right and bottom lie just outside.
struct Прямоугольник {
    int лево = 0;
    int верх = 0;
    int право = 0;
    int низ = 0;
    friend bool operator==(const Прямоугольник &, const Прямоугольник &) = default;
};

struct Размер {
    int ширина = 0;
    int высота = 0;
    friend bool operator==(const Размер &, const Размер &) = default;
};

// The kinds of control the windows use; a kind fixes the control's whole style.
enum class Вид_элемента {
    надпись,             // static text, centred
    поле,                // single-line edit: bordered, left-aligned, group start, tab stop
    поле_отчета,         // multi-line edit, editable: bordered, left-aligned, vertical scroll
                         // bar, automatic vertical scrolling, Enter breaks the line, group
                         // start, tab stop
    поле_только_чтение,  // multi-line edit, read-only: bordered, vertical scroll bar, selection
                         // kept visible without focus, group start, tab stop
    кнопка,              // push button: group start, tab stop
    кнопка_по_умолчанию, // default push button: group start, tab stop
    рамка,               // group box
};

// A modal dialog's template. Places are in dialog units of the template's font, relative to
// the owner's client area. `ресурс` names the same template in the program's resources, so a
// back end may use either.
struct Место_в_шаблоне {
    int x = 0;
    int y = 0;
    int ширина = 0;
    int высота = 0;
};

struct Элемент_шаблона {
    int номер;
    Вид_элемента вид;
    Место_в_шаблоне место;
    std::string_view текст;
};

struct Шаблон_диалога {
    int ресурс;
    std::string_view заголовок;
    Место_в_шаблоне место;
    std::string_view шрифт;
    int размер_шрифта; // points
    std::span<const Элемент_шаблона> элементы;
};

// State a window carries for its handler (the handler's signature is fixed, so what it needs
// beyond the window travels with the window). Owned by the window.
class Данные_окна {
  public:
    virtual ~Данные_окна() = default;
};

// A top-level window, a dialog or a control. Owned by the platform: a reference stays valid
// while the window exists.
class Окно {
  public:
    virtual ~Окно() = default;

    virtual Платформа &платформа() = 0;
    virtual Данные_окна *данные() = 0;

    // Child controls. A child exists until its parent is destroyed.
    virtual Окно &создать_элемент(Вид_элемента вид, int номер, std::string_view текст,
                                  Прямоугольник место) = 0;
    virtual Окно *элемент(int номер) = 0;
    virtual Окно *родитель() = 0;

    virtual void установить_текст(std::string_view текст) = 0;
    virtual std::string текст() = 0;

    virtual void переместить(Прямоугольник место) = 0;
    // The outer rectangle in the parent's client coordinates.
    virtual Прямоугольник внешний_прямоугольник() = 0;
    virtual Прямоугольник клиентская_область() = 0;
    // The extent of a single line of text in this window's font.
    virtual Размер размер_текста(std::string_view текст) = 0;

    // Drawing, inside e_update only. The picture is loaded from the bitmap resource, `куда`
    // is given its size and answers the destination rectangle, the whole picture is drawn
    // stretched there with a plain copy, and it is released.
    virtual void залить_фоном() = 0; // the client area in the system's button-face colour
    virtual void нарисовать_картинку(int ресурс,
                                     const std::function<Прямоугольник(Размер)> &куда) = 0;

    // Gives every event of this control to the handler before the control's own processing;
    // a second call replaces the first handler.
    virtual void перехватить_события(Обработчик обработчик) = 0;
    // Sends this window, synchronously, the e_control event a click on its control produces.
    virtual void нажать(int номер) = 0;
    virtual void установить_фокус() = 0;
    virtual void установить_значок(int ресурс) = 0;

    // Runs a modal dialog owned by this window and returns when it has been closed.
    virtual void открыть_диалог(const Шаблон_диалога &шаблон, Обработчик обработчик) = 0;
    // Closes this dialog, ending its modal run.
    virtual void закрыть_диалог() = 0;
};

// What the date and time of the system clock read (local time).
struct Местное_время {
    int год;
    int месяц;
    int день;
    int час;
    int минута;
};

struct Экран {
    int ширина;           // horizontal resolution, pixels
    int высота;           // vertical resolution, pixels
    int высота_заголовка; // height of a window caption
};

// The platform-wide operations and the program's start.
class Платформа {
  public:
    virtual ~Платформа() = default;

    // Switches on the three-dimensional look of controls where the system offers it.
    virtual void включить_объемный_вид() = 0;
    // Creates the main window (fixed frame, system menu without the move and size entries,
    // minimize box, no menu, shown maximized) with its title, icon, handler and state;
    // e_create reaches the handler before this returns.
    virtual Окно &создать_главное_окно(std::string_view заголовок, int значок,
                                       Обработчик обработчик,
                                       std::unique_ptr<Данные_окна> данные) = 0;
    // Runs the message loop until the main window is closed; the process's exit code.
    virtual int цикл_сообщений() = 0;

    virtual Местное_время местное_время() = 0;
    virtual Экран экран() = 0;
    // An error box: stop icon, one OK button, modal for the whole task; returns when closed.
    virtual void сообщение_об_ошибке(std::string_view заголовок, std::string_view текст) = 0;
    // The system's default printer.
    virtual Принтер &принтер() = 0;
};

} // namespace круголет
