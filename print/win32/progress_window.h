#pragma once

// The small window a Windows program shows while its job prints: the document's title, the
// page being printed, the printer, and a button to cancel. The window that was active when the
// job started is its owner and takes no input until the job is over, so the user cannot start a
// second job or change the report in the middle of this one.

#include <windows.h>

#include <string>

namespace круголет {

class Окно_хода_печати {
  public:
    Окно_хода_печати(const std::wstring &заголовок, const std::wstring &принтер);
    ~Окно_хода_печати();
    Окно_хода_печати(const Окно_хода_печати &) = delete;
    Окно_хода_печати &operator=(const Окно_хода_печати &) = delete;

    void показать_страницу(int номер);
    // Handles the messages that are waiting, so that the window answers while the job runs;
    // whether the user has asked to cancel the job by now.
    bool отменено();

  private:
    static INT_PTR CALLBACK процедура(HWND окно, UINT сообщение, WPARAM w, LPARAM l);
    void отменить();

    HWND владелец_;
    HWND окно_ = nullptr;
    bool отменено_ = false;
};

// The ids of the window's text lines and of its button; the button is the dialog's Cancel.
inline constexpr int строка_страницы = 101;
inline constexpr int строка_принтера = 102;
inline constexpr int кнопка_отмены = IDCANCEL;

} // namespace круголет
