#pragma once

// The window layer: the few window-system operations the program's windows use, written once
// in ui/ against this interface and supplied by a back end (Win32, Qt, or the recording fake of
// the tests). The windows were first written for Win32, and they still rely on how it behaves;
// what follows states that behaviour as the contract every back end keeps, whatever its own
// toolkit does. tests/window_contract holds the tests every back end must pass.
//
// - Threads. Everything runs on the one window thread; every call returns there, and every
//   handler is called there.
// - Text. All text crossing this interface is UTF-8 and breaks lines with a single "\n". A
//   control gives back exactly the text it was given, line feeds included (none added, none
//   dropped, "\n\n" kept); a back end whose controls hold "\r\n" converts at its own boundary
//   (platform/line_feeds.h); a "\r" that is not part of a "\r\n" in a control comes back as
//   it is.
// - Keys. A control's handler hears a key when it is RELEASED (`отпускание_клавиши`), not when
//   it is pressed; the press and the character it types reach the handler as `прочее` and then
//   the control's own processing. Enter, Tab and Space are told apart (Клавиша); every other key
//   is `другая`.
// - A release is heard only where its press went. The handler hears `отпускание_клавиши` only
//   when the first press of that key (not a repeat of a key held down) reached the same control
//   and the focus has not left the control since. Any other release, such as that of the Enter
//   whose press closed an error box or a dialog and gave the focus back to the field, reaches the
//   handler as `прочее`.
// - Single-line fields (Вид_элемента::поле) take only what fits their width, as a Windows edit
//   without automatic scrolling does. A text fits when its extent in the control's font
//   (размер_текста of the control) is no wider than the control's text area: its client width
//   less the few pixels the toolkit keeps free on either side (Win32: the edit's format
//   rectangle, 2 pixels in from either edge; Qt: the line edit's contents less 2 pixels either
//   side and one for the cursor). What the user types or pastes is cut from its end, a
//   character at a time, until the whole text fits, so a typed character that does not fit
//   is refused. The text the program gives a field (создать_элемент, установить_текст) is
//   kept whole.
// - Focus. The program, not the toolkit, moves the keyboard focus between the fields of the
//   main window: in a control with an intercepting handler the back end leaves Tab to the
//   handler and does not move the focus itself, neither on the press nor on the release.
//   The focus stays where установить_фокус put it until the user or the program moves it; a
//   modal dialog or an error box that closes gives it back to the control that had it.
// - Events the program causes are synchronous: нажать and создать_главное_окно have called
//   the handler when they return, not later from the event loop.

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace круголет {

class Платформа;
class Окно;

// Window events. A handler tests the kind and, for `команда`, the control id only.
enum class Вид_события {
    создание,           // the window is being created; its controls do not exist yet
    активация,          // the window became the active window (again), also after a dialog or
                        // an error box it owned was closed
    перерисовка,        // the window must repaint; the drawing operations of Окно are valid
                        // only here
    команда,            // a control of the window was used (a button clicked): `элемент` is
                        // its id
    отпускание_клавиши, // a key was released in a control: `клавиша` says which
    прочее,             // anything else (key press, character, close request, ...)
};

// The keys the windows react to. A back end maps its own key codes to these and every other
// key to `другая`.
enum class Клавиша { другая, ввод, табуляция, пробел };

struct Событие {
    Вид_события вид;
    int элемент = 0;                   // control id, for `команда`
    Клавиша клавиша = Клавиша::другая; // for `отпускание_клавиши`
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
// the owner's client area: one horizontal unit is a quarter of the font's average character
// width, one vertical unit an eighth of its character height, each rounded to the nearest
// pixel (x * average width / 4, y * height / 8). The average width is the width of the 52
// Latin letters "A".."Z" "a".."z" in the font divided by 52, rounded to the nearest pixel;
// the height is the font's character height (ascent plus descent, no external leading). A place and
// a size are each converted on their own. A back end without Windows' resources builds the dialog
// from these fields; `ресурс` names the same template in the program's Windows resources, so the
// Win32 back end loads that.
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

    // Drawing, inside `перерисовка` only; outside it these do nothing. The picture is loaded from
    // the bitmap resource, `куда` is given its size and answers the destination rectangle, the
    // whole picture is drawn stretched there with a plain copy, and it is released.
    // The button-face colour is the colour the system paints buttons and dialogs with (Win32:
    // COLOR_BTNFACE; Qt: the palette's Button role), so the window looks like a dialog.
    virtual void залить_фоном() = 0; // the whole client area in the button-face colour
    virtual void нарисовать_картинку(int ресурс,
                                     const std::function<Прямоугольник(Размер)> &куда) = 0;

    // Gives every event of this control to the handler before the control's own processing;
    // a second call replaces the first handler (it is never called twice for one event).
    // What the handler answers `обработано` the control does not see.
    virtual void перехватить_события(Обработчик обработчик) = 0;
    // Sends this window the `команда` event a click on its control produces; the handler has
    // run when this returns.
    virtual void нажать(int номер) = 0;
    virtual void установить_фокус() = 0;
    virtual void установить_значок(int ресурс) = 0;

    // Runs a modal dialog owned by this window and returns only when it has been closed (by
    // закрыть_диалог, or by its close box or Escape, which close a dialog whose handler does
    // not handle them). Enter in the dialog clicks its default push button: the handler hears
    // `команда` with that button's id. Meanwhile the owner takes no input and the event loop
    // runs; afterwards the owner is the active window again, with the focus where it was.
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

// The main window is shown maximized without a sizing border, so its client area is the
// screen less the caption: that is what the windows lay themselves out in.
struct Экран {
    int ширина;           // horizontal resolution, pixels
    int высота;           // vertical resolution, pixels
    int высота_заголовка; // height of a window's caption bar (Win32: SM_CYCAPTION), pixels
};

// The platform-wide operations and the program's start.
class Платформа {
  public:
    virtual ~Платформа() = default;

    // Switches on the three-dimensional look of controls where the system offers it.
    virtual void включить_объемный_вид() = 0;
    // Creates the main window (fixed frame, system menu without the move and size entries,
    // minimize box, no menu, shown maximized) with its title, icon, handler and state;
    // `создание` reaches the handler before this returns.
    virtual Окно &создать_главное_окно(std::string_view заголовок, int значок,
                                       Обработчик обработчик,
                                       std::unique_ptr<Данные_окна> данные) = 0;
    // Runs the message loop until the main window is closed; the process's exit code.
    virtual int цикл_сообщений() = 0;

    virtual Местное_время местное_время() = 0;
    virtual Экран экран() = 0;
    // An error box: stop icon, one OK button, modal for the whole task, owned by the
    // program's active window (none before the main window is shown). Returns when it has
    // been closed, and then the window that was active is active again, with the focus in
    // the control that had it, so that typing goes on there.
    virtual void сообщение_об_ошибке(std::string_view заголовок, std::string_view текст) = 0;
};

} // namespace круголет
