#pragma once

// The real Windows program, started in a process of its own and used as a user uses it: by
// key and button messages to its windows, read back through the messages of its controls.

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace круголет {

class Программа_под_тестом {
  public:
    // Starts the program (krugolet.exe of the current directory unless another is named) with
    // `каталог` as its current directory, where it looks for its library first, and waits until
    // its main window has been made.
    explicit Программа_под_тестом(const std::wstring &каталог = L".",
                                  const std::wstring &программа = L"krugolet.exe");
    // Closes the main window as a user would and gives the process's exit code, or nothing
    // when the process did not end in time (it is then ended by force).
    std::optional<DWORD> закрыть();
    // Closes the program, unless a test already did.
    ~Программа_под_тестом();
    Программа_под_тестом(const Программа_под_тестом &) = delete;
    Программа_под_тестом &operator=(const Программа_под_тестом &) = delete;

    HWND главное_окно() const { return главное_; }
    HWND элемент(int номер) const { return GetDlgItem(главное_, номер); }
    HWND элемент(HWND окно, int номер) const { return GetDlgItem(окно, номер); }

    // A window's text as its control holds it (lines broken with "\r\n").
    std::wstring текст(HWND окно) const;
    std::wstring текст(int номер) const { return текст(элемент(номер)); }

    // Replaces the text of a field by typing: the old text is selected, then every character
    // comes as the key press and release of its key (characters typed without Shift).
    void ввести(int номер, std::wstring_view текст) const;
    // Presses and releases a key in a control.
    void нажать_клавишу(HWND окно, WORD клавиша) const;
    // Clicks a button without waiting for what the click does.
    void щелкнуть(HWND кнопка) const;

    // A top-level window of the program with this class and title (any title when empty),
    // once it exists; nullptr after the time limit.
    HWND дождаться_окна(const wchar_t *класс, std::wstring_view заголовок,
                        std::chrono::milliseconds срок = std::chrono::seconds(10)) const;
    // Whether the condition came true within the time limit; asked again and again.
    static bool дождаться(const std::function<bool()> &условие,
                          std::chrono::milliseconds срок = std::chrono::seconds(10));
    DWORD процесс() const { return процесс_.dwProcessId; }
    // The control that has the keyboard focus in the program, and its active window.
    HWND фокус() const;
    HWND активное_окно() const;

  private:
    PROCESS_INFORMATION процесс_{};
    HWND главное_ = nullptr;
    bool закрыта_ = false;
};

// A top-level window of the process with this class and title (any title when empty), once it
// exists; nullptr after the time limit.
HWND дождаться_окна_процесса(DWORD процесс, const wchar_t *класс, std::wstring_view заголовок,
                             std::chrono::milliseconds срок = std::chrono::seconds(10));
// A window's text, of any process.
std::wstring текст_окна(HWND окно);

// The class and title of a message box and of a dialog.
inline constexpr const wchar_t *класс_диалога = L"#32770";

// The lParam of a key message: one repeat, the key's scan code, and for a release the
// previous-state and transition bits.
LPARAM параметр_клавиши(WORD клавиша, bool отпущена);

// The text of a "\n"-broken UTF-8 string as a control of the program holds it.
std::wstring как_в_элементе(std::string_view текст);

} // namespace круголет
